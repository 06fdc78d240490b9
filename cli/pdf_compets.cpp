// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pdf.h"

#include "cli/tableau_texte.h"
#include "core/texte.h"
#include "model/exercice.h"
#include "platform/canevas_qt.h"
#include "platform/preferences.h"
#include "print/participants_compet.h"
#include "print/tableau_compet.h"

#include <charconv>
#include <iostream>

namespace tramonta {

namespace {

bool Entier(const std::string& texte, int& valeur) {
    const char* fin = texte.data() + texte.size();
    const auto r = std::from_chars(texte.data(), fin, valeur);
    return r.ec == std::errc() && r.ptr == fin;
}

TCompet* ChercherCompet(TExercice& exercice, const std::string& intitule) {
    TCompet* compet = exercice.Compets().Compet(exercice.Compets().IndexOfIntitule(intitule));
    if (!compet)
        std::cerr << Formater("Compétition \"%s\" inexistante !", {intitule}) << '\n';
    return compet;
}

int Categorie(const std::string& nom) {
    const int categorie = TrouverCategorie(nom);
    if (categorie < 0)
        std::cerr << Formater("Catégorie \"%s\" inexistante !", {nom}) << '\n';
    return categorie;
}

int Ecrire(const std::string& sortie, const QString& titre, Orientation orientation,
           const std::function<void(TCanevas&)>& dessin) {
    if (EcrirePdf(QString::fromStdString(sortie), titre, orientation, dessin))
        return 0;
    std::cerr << Formater("Impossible d'écrire le fichier \"%s\" !", {sortie}) << '\n';
    return 1;
}

// FICHIER SORTIE COMPETITION CATEGORIE [--serie N | --page P]
int PdfTableau(const std::vector<std::string>& a) {
    if (a.size() != 4 && a.size() != 6)
        return 2;
    int selecteur = 0;
    int valeur = 0;
    if (a.size() == 6) {
        if ((a[4] != "--serie" && a[4] != "--page") || !Entier(a[5], valeur))
            return 2;
        selecteur = a[4] == "--serie" ? valeur : -valeur;
    }
    TExercice exercice;
    if (!exercice.LoadFromFile(a[0]))
        return 1;
    TCompet* compet = ChercherCompet(exercice, a[2]);
    if (!compet)
        return 1;
    const int categorie = Categorie(a[3]);
    if (categorie < 0)
        return 1;
    TTableauCompet* t = compet->Categorie(categorie)->Tableau();
    if (!t) {
        std::cerr << Formater("La catégorie \"%s\" de la compétition \"%s\" n'a pas de tableau !",
                              {TCompet::NomCategorie(categorie), compet->Intitule()})
                  << '\n';
        return 1;
    }
    if ((selecteur > 0 && selecteur > t->NbSeries()) || (a.size() == 6 && valeur < 1) ||
        (selecteur < 0 && -selecteur > t->NbPages())) {
        std::cerr << Formater(a[4] == "--serie" ? "Série %s inexistante !" : "Page %s inexistante !", {a[5]})
                  << '\n';
        return 1;
    }
    // The table as the window prints it: seeds placed, places carried on.
    t->PlacerParticipants();
    t->Propager();
    LirePreferences();
    TParametresTableau parametres;
    parametres.CouleursLycra = Preferences().CouleursLycra;
    parametres.SeriesDemiA4 = Preferences().SeriesDemiA4;
    const int orientation =
        selecteur > 0 ? t->OrientationSerie(parametres.SeriesDemiA4) : t->OrientationTableau();
    return Ecrire(a[1], "Tableau de compétition",
                  orientation == 0 ? Orientation::Portrait : Orientation::Paysage, [&](TCanevas& c) {
                      t->SetZoneAffichage({0, 0, 2970, 2100});
                      DessinerTableau(*t, c, selecteur, true, parametres);
                      t->SetZoneAffichage({0, 0, 0, 0});
                  });
}

// FICHIER SORTIE COMPETITION [--categorie NOM]
int PdfParticipants(const std::vector<std::string>& a) {
    if ((a.size() != 3 && a.size() != 5) || (a.size() == 5 && a[3] != "--categorie"))
        return 2;
    TExercice exercice;
    if (!exercice.LoadFromFile(a[0]))
        return 1;
    const TCompet* compet = ChercherCompet(exercice, a[2]);
    if (!compet)
        return 1;
    int categorie = -1;
    if (a.size() == 5 && (categorie = Categorie(a[4])) < 0)
        return 1;
    const std::string commentaire = LireCommentaireParticipants();
    return Ecrire(a[1], "Impression participants", Orientation::Portrait,
                  [&](TCanevas& c) { DessinerParticipants(*compet, c, categorie, true, commentaire); });
}

} // namespace

int PdfCompets(const std::string& genre, const std::vector<std::string>& arguments) {
    return genre == "tableau" ? PdfTableau(arguments) : PdfParticipants(arguments);
}

} // namespace tramonta
