// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/export_tableur.h"

#include "core/tableur_ecriture.h"
#include "model/colonnes_tableur.h"

namespace tramonta {

namespace {
template <class E>
void Exporter(const std::vector<TColonneTableur<E>>& colonnes, const std::vector<const E*>& elements,
              std::ostream& sortie) {
    TEcrivainTableur ecrivain(sortie);
    ecrivain.Ligne(TitresTableur(colonnes));
    for (const E* e : elements)
        ecrivain.Ligne(LigneTableur(colonnes, *e));
}
} // namespace

void ExporterAdherents(const std::vector<const TAdherent*>& adherents, std::ostream& sortie) {
    Exporter(ColonnesAdherents(), adherents, sortie);
}

void ExporterCorrespondants(const std::vector<const TCorrespondant*>& correspondants, std::ostream& sortie) {
    Exporter(ColonnesCorrespondants(), correspondants, sortie);
}

void ExporterEcritures(const TComptabilite& comptabilite, std::ostream& sortie) {
    const auto& colonnes = ColonnesEcritures();
    TEcrivainTableur ecrivain(sortie);
    ecrivain.Ligne(TitresTableur(colonnes));
    auto compte = [&](const TCompte* c, bool produit) {
        for (int i = 0; i < c->NbLignes(); ++i)
            ecrivain.Ligne(LigneTableur(colonnes, TLigneTableurEcriture{*c, produit, *c->GetLigne(i)}));
    };
    for (int i = 0; i < comptabilite.NbComptesCharges(); ++i)
        compte(comptabilite.GetCompteCharge(i), false);
    for (int i = 0; i < comptabilite.NbComptesProduits(); ++i)
        compte(comptabilite.GetCompteProduit(i), true);
}

void ExporterParticipants(const TCompet& compet, std::ostream& sortie) {
    const auto& colonnes = ColonnesParticipants();
    TEcrivainTableur ecrivain(sortie);
    ecrivain.Ligne(TitresTableur(colonnes));
    for (int c = 0; c < kNbCategoriesCompet; ++c) {
        const TCategorieCompet* categorie = compet.Categorie(c);
        for (int i = 0; i < categorie->Count(); ++i)
            ecrivain.Ligne(LigneTableur(colonnes, TParticipantTableur{c, i, *categorie->Participant(i)}));
    }
}

std::vector<const TAdherent*> TousLesAdherents(const TAdherents& adherents) {
    std::vector<const TAdherent*> r;
    r.reserve(static_cast<std::size_t>(adherents.Count()));
    for (int i = 0; i < adherents.Count(); ++i)
        r.push_back(adherents.Adherent(i));
    return r;
}

std::vector<const TCorrespondant*> TousLesCorrespondants(const TCorrespondants& correspondants) {
    std::vector<const TCorrespondant*> r;
    r.reserve(static_cast<std::size_t>(correspondants.Count()));
    for (int i = 0; i < correspondants.Count(); ++i)
        r.push_back(correspondants.Correspondant(i));
    return r;
}

} // namespace tramonta
