// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/canevas.h"

#include "core/messages.h"

#include <algorithm>
#include <cstdlib>

namespace tramonta {

int LargeurRect(const TRect& r) {
    return std::abs(r.Right - r.Left);
}
int HauteurRect(const TRect& r) {
    return std::abs(r.Top - r.Bottom);
}

void TexteDansRect(TCanevas& c, const TRect& r, std::string_view texte, Alignement a) {
    const TTaille t = c.MesurerTexte(texte);
    int x = r.Left;
    // A centred text wider than its cell (a long club name in a heat box)
    // starts at the left edge, so that the cut leaves its beginning to read.
    if (a == Alignement::Centre && t.cx <= LargeurRect(r))
        x = r.Left + (LargeurRect(r) - t.cx) / 2;
    else if (a == Alignement::Droite)
        x = r.Right - t.cx;
    const int y = r.Top - (HauteurRect(r) - t.cy) / 2;
    if (!texte.empty())
        c.Texte({x, y}, texte, &r);
}

int TexteAligne(TCanevas& c, const TRect& r, std::string_view texte, Alignement a) {
    const TTaille t = c.MesurerTexte(texte);
    int x = r.Left + 5;
    if (a == Alignement::Droite)
        x = r.Right - t.cx - 5;
    else if (a == Alignement::Centre)
        x = r.Left + (LargeurRect(r) - t.cx) / 2;
    const int y = r.Top - (HauteurRect(r) - t.cy) / 2;
    if (!texte.empty())
        c.Texte({x, y}, texte);
    return t.cy;
}

namespace {

// Length of the UTF-8 sequence that starts with this byte.
std::size_t LongueurCaractere(unsigned char octet) {
    if (octet >= 0xF0)
        return 4;
    if (octet >= 0xE0)
        return 3;
    if (octet >= 0xC0)
        return 2;
    return 1;
}

// Cuts a word wider than the line into pieces that fit, each piece one
// character at least so that the loop always moves on; the last piece stays
// in `courante` for the next words.
void CouperMot(TCanevas& c, std::string_view mot, int largeur, std::vector<std::string>& lignes,
               std::string& courante) {
    std::size_t i = 0;
    while (true) {
        std::size_t fin = i + LongueurCaractere(static_cast<unsigned char>(mot[i]));
        while (fin < mot.size()) {
            const std::size_t suivant = fin + LongueurCaractere(static_cast<unsigned char>(mot[fin]));
            if (c.MesurerTexte(mot.substr(i, suivant - i)).cx > largeur)
                break;
            fin = suivant;
        }
        fin = std::min(fin, mot.size());
        if (fin >= mot.size()) {
            courante.assign(mot.substr(i));
            return;
        }
        lignes.emplace_back(mot.substr(i, fin - i));
        i = fin;
    }
}

void CouperParagraphe(TCanevas& c, std::string_view paragraphe, int largeur,
                      std::vector<std::string>& lignes) {
    std::string courante;
    std::size_t i = 0;
    bool premier = true;
    while (true) {
        const std::size_t blanc = paragraphe.find(' ', i);
        const std::size_t fin = blanc == std::string_view::npos ? paragraphe.size() : blanc;
        const std::string_view mot = paragraphe.substr(i, fin - i);
        std::string essai = premier ? std::string(mot) : courante + " " + std::string(mot);
        if (c.MesurerTexte(essai).cx <= largeur) {
            courante = std::move(essai);
        } else {
            if (!premier)
                lignes.push_back(courante);
            courante.clear();
            if (mot.empty() || c.MesurerTexte(mot).cx <= largeur)
                courante = std::string(mot);
            else
                CouperMot(c, mot, largeur, lignes, courante);
        }
        premier = false;
        if (blanc == std::string_view::npos)
            break;
        i = blanc + 1;
    }
    lignes.push_back(courante);
}

} // namespace

std::vector<std::string> CouperLignes(TCanevas& c, std::string_view texte, int largeur) {
    std::vector<std::string> lignes;
    std::vector<std::string> paragraphes = DecouperLignes(texte);
    if (paragraphes.empty())
        paragraphes.emplace_back();
    for (const auto& p : paragraphes)
        CouperParagraphe(c, p, largeur, lignes);
    return lignes;
}

int TexteMultiligne(TCanevas& c, const TRect& r, std::string_view texte, Alignement a) {
    const int hauteurLigne = c.MesurerTexte("").cy;
    int y = r.Top;
    for (const auto& ligne : CouperLignes(c, texte, LargeurRect(r))) {
        const TRect rl{r.Left, y, r.Right, y - hauteurLigne};
        TexteDansRect(c, rl, ligne, a);
        y -= hauteurLigne;
    }
    return r.Top - y;
}

int MesurerTexteMultiligne(TCanevas& c, TRect& r, std::string_view texte) {
    const int hauteur =
        static_cast<int>(CouperLignes(c, texte, LargeurRect(r)).size()) * c.MesurerTexte("").cy;
    r.Bottom = r.Top - hauteur;
    return hauteur;
}

std::vector<std::string> DecouperLignes(std::string_view texte) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string_view::npos)
            fin = texte.size();
        std::string_view ligne = texte.substr(debut, fin - debut);
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.remove_suffix(1);
        lignes.emplace_back(ligne);
        debut = fin + 1;
    }
    return lignes;
}

std::string BoolVersTexte(bool valeur) {
    return valeur ? "Oui" : "Non";
}

bool AdjustRect(TCanevas& c, TRect& r, TPoint& position, bool impression, int& page) {
    if (CoinHautGauche(r) != position)
        MessageBoxTexte("AdjustRect ! Erreur logique : rc.TopLeft <> pt !", "Debug", MB_OK | MB_ICONERROR);
    const int profondeur = impression ? -r.Bottom : -r.Bottom - (page - 1) * kHauteurA4;
    if (profondeur < kLimiteBasPage)
        return false;
    const int h = HauteurRect(r);
    if (impression) {
        c.NouvellePage();
        position.Y = -kMargeListe;
    } else {
        position.Y = -(page * kHauteurA4 + kMargeListe);
        TSauvegardeCanevas sauvegarde(c);
        c.EpaisseurPlume(2);
        c.Style(StylePlume::Pointille);
        c.Ligne({0, -page * kHauteurA4}, {kLargeurA4, -page * kHauteurA4});
    }
    r.Top = position.Y;
    r.Bottom = position.Y - h;
    ++page;
    return true;
}

} // namespace tramonta
