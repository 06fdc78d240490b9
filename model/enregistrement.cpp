// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/enregistrement.h"

#include "core/dates.h"
#include "core/texte.h"
#include "model/comptabilite.h"

#include <memory>

namespace tramonta {

namespace {

struct CompteDefaut {
    const bool& (TComptabilite::*defini)() const;
    const std::string& (TComptabilite::*article)() const;
};

constexpr std::array<CompteDefaut, 4> kComptesDefaut = {{
    {&TComptabilite::CompteLicenceDefini, &TComptabilite::CompteLicence},
    {&TComptabilite::CompteCautionCombiDefini, &TComptabilite::CompteCautionCombi},
    {&TComptabilite::CompteLocationCombiDefini, &TComptabilite::CompteLocationCombi},
    {&TComptabilite::CompteForfaitLeconDefini, &TComptabilite::CompteForfaitLecon},
}};

TComptabilite* ComptabiliteDe(const TAdherent& adherent) {
    return adherent.Proprietaire() ? adherent.Proprietaire()->Comptabilite() : nullptr;
}

// The line of the member's posting in the account it remembers, found by
// `libelle`; nullptr when the account or the line is gone.
TLigneEcriture* LigneEnregistree(const TAdherent& adherent, Enregistrement genre,
                                 const std::string& libelle) {
    const TComptabilite* compta = ComptabiliteDe(adherent);
    if (!compta)
        return nullptr;
    const TCompte* compte =
        compta->GetCompteProduit(compta->ChercherCompteProduit(adherent.ArticleCompta(genre)));
    if (!compte)
        return nullptr;
    return compte->GetLigne(compte->ChercherLigne(libelle));
}

} // namespace

TCompte* CompteParDefaut(const TComptabilite& comptabilite, Enregistrement genre) {
    const CompteDefaut& d = kComptesDefaut[static_cast<std::size_t>(genre)];
    if (!(comptabilite.*d.defini)())
        return nullptr;
    return comptabilite.GetCompteProduit(comptabilite.ChercherCompteProduit((comptabilite.*d.article)()));
}

TLigneEcriture& Enregistrer(TAdherent& adherent, Enregistrement genre, TCompte& compte) {
    adherent.SetArticleCompta(genre, compte.Article());
    adherent.SetEnCompta(genre, true);
    const std::string libelle = LibelleEnregistrement(genre, adherent.Nom(), adherent.Prenom());
    TLigneEcriture* ligne = compte.GetLigne(compte.ChercherLigne(libelle));
    if (!ligne) {
        auto nouvelle = std::make_unique<TLigneEcriture>(&compte);
        nouvelle->SetDate(Maintenant());
        nouvelle->SetTypePaiement(0); // "Chèque"
        nouvelle->SetLibelle(libelle);
        ligne = compte.GetLigne(compte.AjouterLigne(std::move(nouvelle)));
    }
    ligne->Automatique = true;
    ligne->SetMontant(adherent.Montant(genre));
    return *ligne;
}

void AccorderEnregistrements(const TAdherent& adherent, const TSaisieEnregistrements& saisie) {
    const bool autresNoms =
        !MemeTexteAscii(saisie.nom, adherent.Nom()) || !MemeTexteAscii(saisie.prenom, adherent.Prenom());
    for (std::size_t i = 0; i < kEnregistrements.size(); ++i) {
        const Enregistrement genre = kEnregistrements[i];
        if (!adherent.EnCompta(genre))
            continue;
        const std::string nouveau = LibelleEnregistrement(genre, saisie.nom, saisie.prenom);
        if (autresNoms)
            if (TLigneEcriture* l = LigneEnregistree(
                    adherent, genre, LibelleEnregistrement(genre, adherent.Nom(), adherent.Prenom())))
                l->SetLibelle(nouveau);
        if (saisie.montants[i] != adherent.Montant(genre))
            if (TLigneEcriture* l = LigneEnregistree(adherent, genre, nouveau))
                l->SetMontant(saisie.montants[i]);
    }
}

} // namespace tramonta
