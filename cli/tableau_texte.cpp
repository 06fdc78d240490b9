// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/tableau_texte.h"

#include "core/texte.h"
#include "model/compets.h"
#include "model/modeles_tableau.h"

#include <sstream>

namespace tramonta {

int TrouverCategorie(const std::string& texte) {
    if (texte.size() == 1 && texte[0] >= '0' && texte[0] < '0' + kNbCategoriesCompet)
        return texte[0] - '0';
    for (int i = 0; i < kNbCategoriesCompet; ++i)
        if (MemeTexteSansCasse(TCompet::NomCategorie(i), texte))
            return i;
    return -1;
}

namespace {

// As the heat box shows it: the seed, or place.heat for a later tour.
std::string Rg(const TLigneSerie& ligne) {
    std::string rg = std::to_string(ligne.Rang());
    if (ligne.SerieOrigine() != 0)
        rg += "." + std::to_string(ligne.SerieOrigine());
    return rg;
}

std::string Surfeur(const TCategorieCompet& categorie, const TLigneSerie& ligne) {
    const TParticipantCompet* p = categorie.Participant(ligne.Participant() - 1);
    if (!p)
        return {};
    std::string texte = p->Nom() + " " + p->Prenom();
    if (!p->Club().empty())
        texte += " (" + p->Club() + ")";
    return texte;
}

} // namespace

std::string TableauEnTexte(TCompet& compet, int index) {
    TCategorieCompet& categorie = *compet.Categorie(index);
    TTableauCompet& tableau = *categorie.Tableau();
    tableau.PlacerParticipants();
    tableau.Propager();

    std::ostringstream sortie;
    sortie << "Compétition : " << compet.Intitule() << '\n'
           << "Catégorie : " << TCompet::NomCategorie(index) << '\n'
           << "Tableau : " << LibelleTypeTableau(categorie.TypeTableau()) << '\n';
    int numero = 0;
    for (int t = 0; t < tableau.Count(); ++t) {
        const TTourCompet& tour = *tableau.Tour(t);
        sortie << "Tour " << t + 1 << '\n';
        for (int s = 0; s < tour.Count(); ++s) {
            const TSerieCompet& serie = *tour.Serie(s);
            ++numero;
            sortie << "  Série n°" << numero << " : " << tableau.NomSerie(numero) << '\n';
            for (int l = 0; l < serie.Count(); ++l) {
                const TLigneSerie& ligne = *serie.Ligne(l);
                sortie << "    Rg " << Rg(ligne) << '\t' << Surfeur(categorie, ligne) << '\t';
                if (ligne.Place() != -1)
                    sortie << ligne.Place();
                sortie << '\n';
            }
        }
    }
    return sortie.str();
}

} // namespace tramonta
