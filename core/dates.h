// SPDX-License-Identifier: GPL-3.0-or-later
// Dates are day numbers counted from 30 December 1899, the time of day being
// the fraction; 0 stands for a missing date everywhere.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tramonta {

using TDateTime = double;

struct DateCivile {
    int annee = 1899;
    int mois = 12;
    int jour = 30;
};

TDateTime EncodeDate(int annee, int mois, int jour);
// Gives the date part (truncated toward zero); out-of-range values give
// 30/12/1899 rather than garbage.
DateCivile DecodeDate(TDateTime date);
void DecodeTime(TDateTime date, int& heure, int& minute, int& seconde);
bool DateValide(int annee, int mois, int jour);

std::string DateVersTexte(TDateTime date);      // "dd/mm/yyyy"
std::string DateHeureVersTexte(TDateTime date); // "dd/mm/yyyy hh:nn:ss"
// Reads a typed date by character position (day 1-2, month 4-5, year 7-10);
// any failure gives 0.
TDateTime TexteVersDate(std::string_view texte);

// Current local date and time. Tests replace the clock to pin "today".
TDateTime Maintenant();
TDateTime Aujourdhui();
using Horloge = std::function<TDateTime()>;
Horloge DefinirHorloge(Horloge horloge); // gives the previous one; empty restores the system clock

} // namespace tramonta
