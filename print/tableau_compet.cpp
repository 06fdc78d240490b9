// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/tableau_compet.h"

#include "core/dates.h"
#include "model/compets.h"
#include "model/tableau.h"

#include <cmath>
#include <cstdlib>

namespace tramonta {

namespace {

// Nearest integer, halves to the even neighbour (the default rounding mode).
int Rnd(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// The column bounds of a heat box, as fractions of its width.
constexpr double kColonnes[] = {0.0, 0.16, 0.24, 0.76, 0.88, 1.0};
constexpr const char* kEntetes[] = {"Couleur", "Rg", "Nom-Prénom", "Club", "Place"};

int XColonne(const TRect& r, int i) {
    return r.Left + Rnd((r.Right - r.Left) * kColonnes[i]);
}

TRect Cellule(const TRect& r, int colonne, int haut, int bas) {
    return {XColonne(r, colonne), haut, XColonne(r, colonne + 1), bas};
}

const TCategorieCompet* Categorie(const TTableauCompet& t) {
    return t.Owner();
}

std::string NomCategorie(const TTableauCompet& t) {
    const TCategorieCompet* c = Categorie(t);
    return c && c->Owner() ? c->Owner()->NomDeCategorie(c) : std::string();
}

// Row height of a heat box of `n` lines: a title row, a header row and one
// row per line share the box.
int HauteurLigne(const TRect& r, int n) {
    return (r.Top - r.Bottom) / (n + 2);
}

} // namespace

std::string EnteteCompet(const TCompet& compet) {
    std::string texte = compet.Intitule() + " (" + DateVersTexte(compet.DateDebut());
    if (compet.DateFin() != compet.DateDebut())
        texte += " - " + DateVersTexte(compet.DateFin());
    return texte + ")";
}

double ZoomSerie(const TRect& zone, int largeurMm, int hauteurMm, bool seriesDemiA4) {
    const double dw = LargeurRect(zone);
    const double dh = HauteurRect(zone);
    double zx = 0;
    double zy = 0;
    if (seriesDemiA4) {
        zx = (dh * 0.1 - 10) / largeurMm;
        zy = (dw * 0.05 - 10) / hauteurMm;
    } else {
        zx = (dw * 0.1 - 10) / largeurMm;
        zy = (dh * 0.1 - 10) / hauteurMm;
    }
    return std::abs(std::min(zx, zy) - 0.2);
}

void DessinerSerie(const TTableauCompet& t, const TSerieCompet& serie, TCanevas& c, int numero,
                   bool impression, const TParametresTableau& parametres) {
    TSauvegardeCanevas sauvegarde(c);
    const double z = t.Zoom();
    TRect r = t.CadreSerie(serie);
    t.AjusterCadre(numero, z != 1.0, r, impression);
    const int f = Rnd(t.TaillePolice() * z);
    const int n = serie.Count();
    const int h = HauteurLigne(r, n);

    const int plume = Rnd(5 * z);
    c.EpaisseurPlume(plume);
    c.Cadre(r);
    c.Ligne({r.Left, r.Top - h}, {r.Right - plume, r.Top - h});
    c.EpaisseurPlume(Rnd(1 * z));
    for (int k = 2; k <= n + 1; ++k)
        c.Ligne({r.Left, r.Top - k * h}, {r.Right, r.Top - k * h});
    for (int i = 1; i <= 4; ++i)
        c.Ligne({XColonne(r, i), r.Top - h}, {XColonne(r, i), r.Bottom});

    c.NomPolice("Tahoma");
    c.HauteurPolice(f);
    c.Gras(true);
    TexteDansRect(c, {r.Left + 10, r.Top, XColonne(r, 3), r.Top - h}, t.NomSerie(numero));
    if (numero != t.NbSeries())
        TexteDansRect(c, Cellule(r, 4, r.Top, r.Top - h), std::to_string(numero), Alignement::Centre);

    const int petite = f - Rnd(10 * z);
    c.Gras(false);
    c.HauteurPolice(petite);
    for (int i = 0; i < 5; ++i)
        TexteDansRect(c, Cellule(r, i, r.Top - h, r.Top - 2 * h), kEntetes[i], Alignement::Centre);

    const TCategorieCompet* categorie = Categorie(t);
    for (int k = 1; k <= n; ++k) {
        const TLigneSerie& l = *serie.Ligne(k - 1);
        const int haut = r.Top - (k + 1) * h;
        const int bas = r.Top - (k + 2) * h;
        c.HauteurPolice(petite);
        const std::string couleur = k < static_cast<int>(parametres.CouleursLycra.size())
                                        ? parametres.CouleursLycra[k]
                                        : std::string();
        TexteDansRect(c, Cellule(r, 0, haut, bas), couleur, Alignement::Centre);
        std::string rang = std::to_string(l.Rang());
        if (l.SerieOrigine() != 0)
            rang += "." + std::to_string(l.SerieOrigine());
        TexteDansRect(c, Cellule(r, 1, haut, bas), rang, Alignement::Centre);

        c.HauteurPolice(f);
        const TParticipantCompet* p =
            categorie && l.Participant() > 0 ? categorie->Participant(l.Participant() - 1) : nullptr;
        if (p) {
            TexteDansRect(c, Cellule(r, 2, haut, bas), p->Nom() + " " + p->Prenom(), Alignement::Centre);
            TexteDansRect(c, Cellule(r, 3, haut, bas), p->Club(), Alignement::Centre);
        }
        if (l.Place() != -1)
            TexteDansRect(c, Cellule(r, 4, haut, bas), std::to_string(l.Place()), Alignement::Centre);
    }
}

TRect CadrePlace(const TTableauCompet& t, const TSerieCompet& serie, int ligne) {
    const TRect r = t.CadreSerie(serie);
    const int h = HauteurLigne(r, serie.Count());
    return {XColonne(r, 4), r.Top - (ligne + 1) * h, XColonne(r, 5), r.Top - (ligne + 2) * h};
}

void DessinerTableau(TTableauCompet& t, TCanevas& c, int selecteur, bool impression,
                     const TParametresTableau& parametres) {
    TSauvegardeCanevas sauvegarde(c);
    c.NomPolice("Tahoma");
    const TCategorieCompet* categorie = Categorie(t);
    const TCompet* compet = categorie ? categorie->Owner() : nullptr;

    if (impression && compet && selecteur >= -1) {
        c.HauteurPolice(40);
        c.Gras(false);
        std::string entete = EnteteCompet(*compet);
        if (selecteur > 0)
            entete += " - " + NomCategorie(t);
        c.Texte({50, 0}, entete);
    }

    if (selecteur == 0 || selecteur == -1) {
        const TPoint o = t.Origine();
        TRect bandeau{o.X + 50, o.Y - 50, t.LargeurContenu() - 50, o.Y - 150};
        if (t.EncadrerCategorie(impression)) {
            c.Cadre(bandeau);
            bandeau.Left += 20;
        }
        c.HauteurPolice(60);
        c.Gras(false);
        TexteDansRect(c, bandeau, NomCategorie(t));
    }

    if (selecteur <= 0) {
        int premiere = 1;
        int derniere = 0;
        t.SeriesDePage(-selecteur, premiere, derniere);
        for (int n = premiere; n <= derniere; ++n) {
            const TSerieCompet* s = t.Serie(n);
            if (!s)
                continue;
            if (selecteur == 0 && impression && t.SautDePageAvant(n))
                c.NouvellePage();
            DessinerSerie(t, *s, c, n, impression, parametres);
        }
        return;
    }

    TSerieCompet* s = t.Serie(selecteur);
    if (!s)
        return;
    // The heat is drawn alone from the page's corner and enlarged; the table
    // gets its geometry back afterwards, and the heat its modified flag, for
    // a print changes nothing of the document.
    const TRect cadre = s->Cadre();
    const bool modifiee = s->Modified;
    const TRect zone = t.ZoneAffichage();
    const double zoom = t.Zoom();
    const int largeur = cadre.Right - cadre.Left;
    const int hauteur = cadre.Bottom - cadre.Top;
    t.SetZoom(ZoomSerie(zone, largeur, hauteur, parametres.SeriesDemiA4));
    t.SetZoneAffichage({0, 0, 0, 0});
    s->SetCadre(0, 0, largeur, hauteur);
    DessinerSerie(t, *s, c, selecteur, impression, parametres);
    // The centring measures the whole table: the heat goes back first.
    s->SetCadre(cadre.Left, cadre.Top, cadre.Right, cadre.Bottom);
    s->Modified = modifiee;
    t.SetZoom(zoom);
    t.SetZoneAffichage(zone);
}

std::vector<std::string> ChoixImpressionTableau(const TTableauCompet& t) {
    std::vector<std::string> choix{"Tableau entier"};
    if (t.NbPages() >= 2)
        for (int p = 1; p <= t.NbPages(); ++p)
            choix.push_back("Tableau entier - page n°" + std::to_string(p));
    for (int k = 1; k < t.NbSeries(); ++k)
        choix.push_back("Série n°" + std::to_string(k));
    choix.emplace_back("Série finale");
    return choix;
}

int SelecteurImpression(const TTableauCompet& t, int index) {
    if (index <= 0)
        return 0;
    const int pages = t.NbPages();
    if (pages >= 2)
        return index <= pages ? -index : index - pages;
    return index;
}

} // namespace tramonta
