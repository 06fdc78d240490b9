// SPDX-License-Identifier: GPL-3.0-or-later
// The participants list of a competition on A4 portrait pages: a title box
// with the header comment, then each category that has participants, its
// name and its surfers numbered in seeding order.
#pragma once

#include "print/canevas.h"

#include <string>

namespace tramonta {

class TCompet;

// `categorie`: 0 to 5, or -1 for all six. Gives the number of pages.
int DessinerParticipants(const TCompet& compet, TCanevas& c, int categorie, bool impression,
                         const std::string& commentaire);

// The pages that the list takes, measured on a scratch canvas.
int CompterPages(const TCompet& compet, int categorie, const std::string& commentaire);

// "3 - Dupont Léa (Hossegor)", or "3 - Dupont Léa " without a club.
std::string LigneParticipant(int numero, const std::string& nom, const std::string& prenom,
                             const std::string& club);

} // namespace tramonta
