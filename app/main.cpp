// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/application.h"
#include "platform/boite_message.h"
#include "ui/programme.h"

int main(int argc, char** argv) {
    tramonta::TApplication application(argc, argv);
    tramonta::InstallerBoiteMessageQt();
    tramonta::ChargerTraductionsQt(application);
    tramonta::ChargerPoliceTahoma(application);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return tramonta::ExecuterTramonta(application, arguments);
}
