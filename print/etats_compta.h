// SPDX-License-Identifier: GPL-3.0-or-later
// The three accounting reports: the balance of the exercise, the movements of
// accounts between two dates and the bank deposit list. Each is drawn by one
// routine that serves the preview, the page count, the printer and the PDF
// export; only its printing flag differs.
#pragma once

#include "core/dates.h"
#include "model/comptabilite.h"
#include "print/canevas.h"

#include <cstdint>
#include <string>

namespace tramonta {

// What every report takes from outside the ledger.
struct TContexteCompta {
    bool Euro = true;        // the sign after every amount: € or F
    std::string Intitule;    // the exercise's, in the balance's title
    std::string FichierLogo; // the club logo above the title; skipped when unreadable
};

struct TEditionMouvements {
    // 0 every account (charges, then produits), 1 the charge accounts,
    // 2 the produit accounts, 3 or more `Compte` alone.
    std::int32_t Genre = 0;
    const TCompte* Compte = nullptr;
    TDateTime Debut = 0; // 0: no bound
    TDateTime Fin = 0;
};

struct TEditionDepotsBancaires {
    // 0 every produit account, otherwise `Compte` alone.
    std::int32_t Genre = 0;
    const TCompte* Compte = nullptr;
    TDateTime Debut = 0;
    TDateTime Fin = 0;
    TDateTime DateEdition = 0;
    std::string NumeroDepot; // printed after the edition date when not empty
};

// The amount with two decimals, a space and the currency sign.
std::string MontantVersTexte(double montant, bool euro);

// Each gives the number of pages.
int DessinerBilan(const TComptabilite& compta, TCanevas& c, bool impression, const TContexteCompta& contexte);
int DessinerMouvements(const TComptabilite& compta, TCanevas& c, const TEditionMouvements& edition,
                       bool impression, const TContexteCompta& contexte);
int DessinerDepots(const TComptabilite& compta, TCanevas& c, const TEditionDepotsBancaires& edition,
                   bool impression, const TContexteCompta& contexte);

// The reports' own names: the titles of their print jobs and PDF files, so
// that a print queue tells them apart.
inline constexpr const char* kTitreBilan = "Bilan comptable";
inline constexpr const char* kTitreMouvements = "Mouvements";
inline constexpr const char* kTitreDepots = "Dépôts bancaires";

// The journal lines of the printed reports.
std::string LigneJournalBilan();
std::string LigneJournalMouvements(const TEditionMouvements& edition);
std::string LigneJournalDepots(const TEditionDepotsBancaires& edition);

} // namespace tramonta
