// SPDX-License-Identifier: GPL-3.0-or-later
// A category's heat table as text, so that a draw can be checked from a
// script without the window.
#pragma once

#include <string>

namespace tramonta {

class TCompet;

// The category of a competition named by its index "0" to "5" or by its name
// (letter case ignored); -1 when there is none.
int TrouverCategorie(const std::string& texte);

// Places the seeds, carries the places forward, then lists the table tour by
// tour and heat by heat: one line per slot with its "Rg", its surfer and its
// place, separated by tabs. The category must have a table.
std::string TableauEnTexte(TCompet& compet, int categorie);

} // namespace tramonta
