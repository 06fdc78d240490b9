// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start as the user's: the main window made and shown, then,
// at the first turn of the event loop, a line on standard output and the
// end. The print test runs it against a print server that never answers.
#include "platform/application.h"
#include "platform/boite_message.h"
#include "ui/fenetre/main_fenetre.h"

#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    tramonta::TApplication application(argc, argv);
    tramonta::InstallerBoiteMessageQt();
    tramonta::TMain fenetre;
    fenetre.show();
    QTimer::singleShot(0, &fenetre, [&] {
        std::puts("fenêtre affichée");
        std::fflush(stdout);
        application.quit();
    });
    return application.exec();
}
