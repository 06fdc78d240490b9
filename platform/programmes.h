// SPDX-License-Identifier: GPL-3.0-or-later
// Programs of the desktop that the accounting form starts: the calculator
// and the euro converter. Tests replace the launcher to see what would have
// been started.
#pragma once

#include <QString>

#include <functional>

namespace tramonta {

// The first installed of the usual calculators of Linux desktops, as a full
// path; empty when none is.
QString TrouverCalculette();

// The euro converter: the file named by the setting "Convertisseur" of the
// section "Comptabilité" (by default "convertisseur-euro"), looked for in the
// folder of the program's executable; empty when it is not there.
QString TrouverConvertisseurEuro();

// Asks whether a program that was started still runs.
using ProgrammeEnCours = std::function<bool()>;

// Starts the program apart from this one, unless the copy that an earlier
// call started from the same path still runs: a second click on
// "&Calculette" opens no second calculator. True when the program runs,
// started now or before. A calculator that keeps one window (GNOME's, for
// one) brings its running window forward when it is started again.
bool LancerProgramme(const QString& chemin);

// The start itself: gives the way to ask whether the started program still
// runs, or an empty function when it could not be started.
using LanceurProgrammes = std::function<ProgrammeEnCours(const QString&)>;
// Gives the previous one; an empty one restores the real start. Forgets the
// programs started so far.
LanceurProgrammes DefinirLanceurProgrammes(LanceurProgrammes lanceur);

} // namespace tramonta
