// SPDX-License-Identifier: GPL-3.0-or-later
// The user-interface tests run inside one QApplication, offscreen, with the
// configuration and data folders in a temporary directory so that no test
// reads or writes the user's own settings, and in a French locale. Printing
// goes to a private print system without any printer, so that no test sends
// a job to a printer of the machine, whether it has some or not.
#include "outils_impression.h"
#include "platform/application.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    QTemporaryDir dossier;
    if (!dossier.isValid())
        return 1;
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const QByteArray chemin = (dossier.path() + "/" + variable).toLocal8Bit();
        setenv(variable, chemin.constData(), 1);
    }
    setenv("HOME", dossier.path().toLocal8Bit().constData(), 1);
    // The session of a French club officer: lists sort in the French order
    // whatever the machine that runs the tests.
    setenv("LC_ALL", "fr_FR.UTF-8", 1);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The program's own application: its last-resort error box is tested.
    tramonta::TApplication application(argc, argv);
    tramonta::ChargerTraductionsQt(application);
    tramonta::DefinirSystemeImpression(std::make_unique<tramonta::test::SystemeImpressionFactice>());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
