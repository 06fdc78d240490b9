// SPDX-License-Identifier: GPL-3.0-or-later
// A heat table drawn on the page canvas, for the screen, the printer and the
// clipboard alike: the category banner, one box per heat with its title row,
// its column headers and one row per surfer slot.
#pragma once

#include "print/canevas.h"

#include <array>
#include <string>
#include <vector>

namespace tramonta {

class TCompet;
class TSerieCompet;
class TTableauCompet;

// What the user's preferences give the drawing.
struct TParametresTableau {
    // Colour names of line positions 1 to 5; index 0 is unused.
    std::array<std::string, 6> CouleursLycra{"", "BLEU", "BLANC", "ROUGE", "JAUNE", "NOIR"};
    // A single heat prints in portrait on half an A4 sheet.
    bool SeriesDemiA4 = false;
};

// "Intitulé (14/07/2024)" or "Intitulé (14/07/2024 - 15/07/2024)".
std::string EnteteCompet(const TCompet& compet);

// Draws the table. `selecteur`: 0 the whole table, -p its sheet p, n > 0 heat
// n alone, enlarged to the table's display area (set by the caller).
void DessinerTableau(TTableauCompet& tableau, TCanevas& c, int selecteur, bool impression,
                     const TParametresTableau& parametres);

// One heat box at the heat's place in the table.
void DessinerSerie(const TTableauCompet& tableau, const TSerieCompet& serie, TCanevas& c, int numero,
                   bool impression, const TParametresTableau& parametres);

// The place cell of line `ligne` (from 1) of a heat, in page units, where the
// screen draws it.
TRect CadrePlace(const TTableauCompet& tableau, const TSerieCompet& serie, int ligne);

// The single-heat enlargement for a display area and a heat of w by h mm.
double ZoomSerie(const TRect& zone, int largeurMm, int hauteurMm, bool seriesDemiA4);

// The entries of the print choice: "Tableau entier", its sheets when it has
// several, "Série n°1"..., "Série finale"; and the selector of an entry.
std::vector<std::string> ChoixImpressionTableau(const TTableauCompet& tableau);
int SelecteurImpression(const TTableauCompet& tableau, int index);

} // namespace tramonta
