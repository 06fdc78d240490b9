// SPDX-License-Identifier: GPL-3.0-or-later
// The measuring mode of scripts/mesurer_demarrage.sh: with the variable
// TRAMONTA_MESURE_DEMARRAGE set, the program writes on its standard output
// the time (CLOCK_REALTIME, in nanoseconds) at which its main window, shown
// on the screen, first lets its event loop run, and the processor time it
// has used until then, then closes that window the usual way. Shared by the program and the bare window it is
// compared with.
#pragma once

#include <QString>

class QApplication;

namespace tramonta {

// Watches for the exposure of the top-level widget called `nomFenetre`;
// does nothing without the variable.
void SurveillerDemarrage(QApplication& application, const QString& nomFenetre);

} // namespace tramonta
