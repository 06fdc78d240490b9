// SPDX-License-Identifier: GPL-3.0-or-later
#include "mesure_demarrage.h"
#include "platform/application.h"
#include "platform/boite_message.h"
#include "ui/fenetre/programme.h"
#include "ui/fenetre/style.h"

int main(int argc, char** argv) {
    // Asked from a terminal, perhaps one without a display.
    if (const auto code = tramonta::RepondreSansFenetre(argc, argv))
        return *code;
    tramonta::TApplication application(argc, argv);
    tramonta::SurveillerDemarrage(application, "Main");
    tramonta::InstallerStyle(application);
    tramonta::InstallerBoiteMessageQt();
    tramonta::ChargerTraductionsQt(application);
    tramonta::ChargerPoliceTahoma(application);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return tramonta::ExecuterTramonta(application, arguments);
}
