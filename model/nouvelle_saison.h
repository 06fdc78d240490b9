// SPDX-License-Identifier: GPL-3.0-or-later
// The next season built from the current one: who and what the club keeps
// from year to year, without what belonged to the closing season.
#pragma once

#include "core/dates.h"

#include <string>

namespace tramonta {

class TExercice;

inline constexpr const char* kLibelleReport = "Report de l'exercice précédent";

// The title proposed for the next season: every four-digit year moves on by
// one ("2025-2026" gives "2026-2027"), and a two-digit year that follows one
// as in "2025/26" moves with it; a title without a year gets " (suite)".
std::string IntituleSaisonSuivante(const std::string& intitule);

struct OptionsNouvelleSaison {
    std::string intitule;
    // The result of the closing season carried as one line of this account
    // (Article of a charge or produit account of the new season), dated
    // `dateReport`.
    bool reporterResultat = false;
    std::string articleReport;
    TDateTime dateReport = 0;
};

// The result of `exercice` signed as the ledger sees it (produits minus
// charges), to the cent.
double ResultatSigne(const TExercice& exercice);

// Builds in `nouvelle` (cleared first) the season that follows `ancienne`.
// False, with the reason in `erreur` and `nouvelle` left empty, when the
// account chosen for the carried result does not exist.
bool ConstruireNouvelleSaison(const TExercice& ancienne, TExercice& nouvelle,
                              const OptionsNouvelleSaison& options, std::string& erreur);

// Replaces the content of `exercice` by the season that follows it, marked
// modified (it has never been saved). The object stays the same one, so that
// whoever holds it sees the new season.
bool CommencerNouvelleSaison(TExercice& exercice, const OptionsNouvelleSaison& options, std::string& erreur);

} // namespace tramonta
