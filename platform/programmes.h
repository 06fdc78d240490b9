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

// Starts the program apart from this one. A calculator that keeps one
// window (GNOME's, for one) brings its running window forward instead.
bool LancerProgramme(const QString& chemin);

using LanceurProgrammes = std::function<bool(const QString&)>;
// Gives the previous one; an empty one restores the real start.
LanceurProgrammes DefinirLanceurProgrammes(LanceurProgrammes lanceur);

} // namespace tramonta
