// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the competition and heat-table tests.
#pragma once

#include "core/flux.h"
#include "model/compets.h"
#include "model/modeles_tableau.h"
#include "outils_modele.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tramonta::test {

inline std::unique_ptr<TParticipantCompet> Surfeur(TCategorieCompet& c, const std::string& nom,
                                                   const std::string& prenom, const std::string& club = "") {
    auto p = std::make_unique<TParticipantCompet>(&c);
    p->SetNom(nom);
    p->SetPrenom(prenom);
    p->SetClub(club);
    return p;
}

// Surfers "Nom1 Prenom1" to "NomN PrenomN", seeded in that order.
inline void AjouterSurfeurs(TCategorieCompet& c, int n) {
    for (int i = 1; i <= n; ++i) {
        auto p = std::make_unique<TParticipantCompet>(&c);
        p->SetNom("Nom" + std::to_string(i));
        p->SetPrenom("Prenom" + std::to_string(i));
        c.Add(std::move(p));
    }
}

// Every line of the table, tour after tour, heat after heat.
inline std::vector<TLigneSerie*> ToutesLesLignes(const TTableauCompet& t) {
    std::vector<TLigneSerie*> lignes;
    for (int i = 0; i < t.Count(); ++i)
        for (int s = 0; s < t.Tour(i)->Count(); ++s)
            for (int l = 0; l < t.Tour(i)->Serie(s)->Count(); ++l)
                lignes.push_back(t.Tour(i)->Serie(s)->Ligne(l));
    return lignes;
}

// "2 3 6" for seeds, "1/1 2/3" for place/heat: the lines as a draw sheet
// writes them.
inline std::string LignesEnTexte(const TSerieCompet& s) {
    std::string texte;
    for (int l = 0; l < s.Count(); ++l) {
        const TLigneSerie& li = *s.Ligne(l);
        if (!texte.empty())
            texte += ' ';
        texte += std::to_string(li.Rang());
        if (li.SerieOrigine() != 0)
            texte += "/" + std::to_string(li.SerieOrigine());
    }
    return texte;
}

} // namespace tramonta::test
