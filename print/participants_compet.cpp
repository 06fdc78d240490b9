// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/participants_compet.h"

#include "model/compets.h"
#include "print/canevas_enregistreur.h"
#include "print/tableau_compet.h"

namespace tramonta {

namespace {

constexpr int kLargeurListe = 1800;

void DessinerCategorie(const TCategorieCompet& categorie, const std::string& nom, TCanevas& c,
                       TPoint& position, bool impression, int& page) {
    if (categorie.Count() == 0)
        return;
    position.Y -= 100;
    TRect r{position.X, position.Y, position.X + kLargeurListe, position.Y - 80};
    AdjustRect(c, r, position, impression, page);
    c.HauteurPolice(60);
    c.Gras(true);
    TexteDansRect(c, r, nom);
    position.Y -= 80;
    c.HauteurPolice(45);
    c.Gras(false);
    for (int i = 0; i < categorie.Count(); ++i) {
        const TParticipantCompet& p = *categorie.Participant(i);
        TRect ligne{position.X, position.Y, position.X + kLargeurListe, position.Y - 60};
        AdjustRect(c, ligne, position, impression, page);
        TexteDansRect(c, ligne, LigneParticipant(i + 1, p.Nom(), p.Prenom(), p.Club()));
        position.Y -= 60;
    }
}

} // namespace

std::string LigneParticipant(int numero, const std::string& nom, const std::string& prenom,
                             const std::string& club) {
    std::string texte = std::to_string(numero) + " - " + nom + " " + prenom + " ";
    if (!club.empty())
        texte += "(" + club + ")";
    return texte;
}

int DessinerParticipants(const TCompet& compet, TCanevas& c, int categorie, bool impression,
                         const std::string& commentaire) {
    TSauvegardeCanevas sauvegarde(c);
    c.NomPolice("Tahoma");
    c.Gras(false);
    int page = 1;
    TPoint position{kMargeListe, -kMargeListe};
    if (impression) {
        c.HauteurPolice(40);
        c.Texte({50, 0}, EnteteCompet(compet));
    }
    c.EpaisseurPlume(5);
    c.HauteurPolice(60);

    const int hauteurTitre = commentaire.empty() ? 100 : 200;
    TRect titre{position.X, position.Y, position.X + kLargeurListe, position.Y - hauteurTitre};
    AdjustRect(c, titre, position, impression, page);
    c.Cadre(titre);
    c.Gras(true);
    TexteDansRect(c, {position.X, position.Y, position.X + kLargeurListe, position.Y - 100},
                  compet.Intitule(), Alignement::Centre);
    c.Gras(false);
    if (!commentaire.empty()) {
        TexteDansRect(c, {position.X, position.Y - 100, position.X + kLargeurListe, position.Y - 200},
                      commentaire, Alignement::Centre);
        position.Y -= 100;
    }
    position.Y -= 200;

    for (int i = 0; i < kNbCategoriesCompet; ++i)
        if (categorie < 0 || categorie == i)
            if (const TCategorieCompet* cat = compet.Categorie(i))
                DessinerCategorie(*cat, TCompet::NomCategorie(i), c, position, impression, page);
    return page;
}

int CompterPages(const TCompet& compet, int categorie, const std::string& commentaire) {
    TCanevasEnregistreur brouillon;
    return DessinerParticipants(compet, brouillon, categorie, false, commentaire);
}

} // namespace tramonta
