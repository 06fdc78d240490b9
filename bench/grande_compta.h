// SPDX-License-Identifier: GPL-3.0-or-later
// The ledger of a large season, shared by the benchmarks that save, load or
// export one: 200 accounts of 500 lines, 100 000 lines in all, half in
// charge accounts and half in produit accounts.
#pragma once

#include "model/comptabilite.h"

#include <memory>
#include <string>

namespace tramonta {

inline void RemplirGrandeComptabilite(TComptabilite& c) {
    for (int k = 0; k < 200; ++k) {
        auto compte = std::make_unique<TCompte>(&c);
        compte->SetArticle(std::to_string(600 + k));
        compte->SetIntitule("Compte " + std::to_string(k));
        for (int l = 0; l < 500; ++l) {
            auto ligne = std::make_unique<TLigneEcriture>(compte.get());
            ligne->SetLibelle("Licence de NOM" + std::to_string(k * 500 + l));
            ligne->SetDate(46000 + l * 0.37);
            ligne->SetNumeroCheque(std::to_string(1000000 + l));
            ligne->SetMontant(l * 1.25);
            ligne->SetTypePaiement(l % 3);
            compte->AjouterLigne(std::move(ligne));
        }
        if (k % 2)
            c.AjouterCompteCharge(std::move(compte));
        else
            c.AjouterCompteProduit(std::move(compte));
    }
}

} // namespace tramonta
