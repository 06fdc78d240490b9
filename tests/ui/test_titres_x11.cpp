// SPDX-License-Identifier: GPL-3.0-or-later
// Window titles and message-box captions as the X server holds them: Qt's
// xcb platform may add to a title what the offscreen platform never shows.
// ctest runs these cases under Xvfb (TitresSousX11); on another platform
// they skip, unless TRAMONTA_EXIGER_X11 asks for X11.
#include "outils_shell.h"

#include "core/messages.h"
#include "platform/boite_message.h"
#include "ui/fenetre/main_fenetre.h"

#include <QAction>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#include <cstdlib>
#include <memory>

namespace tramonta {
namespace {

using test::CreerDocument;
using test::ScriptDialogues;

// _NET_WM_NAME and WM_NAME of the window, as another client reads them.
QStringList TitresX11(const QWidget& fenetre) {
    QStringList titres;
    for (const char* propriete : {"_NET_WM_NAME", "WM_NAME"}) {
        QProcess xprop;
        xprop.start("xprop", {"-id", QString::number(fenetre.winId()), "-notype", propriete});
        xprop.waitForFinished(10000);
        // _NET_WM_NAME = "Tramonta - /tmp/a.trm"
        const QString sortie = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
        const qsizetype debut = sortie.indexOf('"');
        titres << (debut < 0 ? sortie : sortie.mid(debut + 1, sortie.lastIndexOf('"') - debut - 1));
    }
    return titres;
}

class TitresX11Test : public test::TestFenetre {
  protected:
    void SetUp() override {
        const bool exige = std::getenv("TRAMONTA_EXIGER_X11") != nullptr;
        if (QGuiApplication::platformName() != "xcb") {
            if (exige)
                FAIL() << "plate-forme " << QGuiApplication::platformName().toStdString()
                       << " au lieu de xcb";
            GTEST_SKIP() << "pas de serveur X (plate-forme " << QGuiApplication::platformName().toStdString()
                         << ")";
        }
        if (QStandardPaths::findExecutable("xprop").isEmpty()) {
            if (exige)
                FAIL() << "xprop introuvable";
            GTEST_SKIP() << "xprop introuvable";
        }
        TestFenetre::SetUp();
    }
};

TEST_F(TitresX11Test, LaFenetrePrincipaleEtLesBoitesPortentExactementLeurTitre) {
    const QString a = Chemin("a.trm");
    CreerDocument(a, "A");
    auto m = std::make_unique<TMain>(QStringList{a});
    m->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m.get()));
    EXPECT_EQ(TitresX11(*m), (QStringList{"Tramonta - " + a, "Tramonta - " + a}));
    m->CreerExercice();
    QCoreApplication::processEvents();
    EXPECT_EQ(TitresX11(*m), (QStringList{"Tramonta", "Tramonta"}));

    // The real message box, as the program shows it.
    InstallerBoiteMessageQt();
    ScriptDialogues dialogues;
    QStringList legendes;
    for (const char* legende : {"Erreur", "Confirmation", "Question", "Informations"}) {
        dialogues.Puis([&](QDialog& d) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
            legendes << TitresX11(d).value(0);
            d.done(0);
        });
        MessageBoxTexte("Texte", legende, MB_OK);
    }
    EXPECT_EQ(legendes, (QStringList{"Erreur", "Confirmation", "Question", "Informations"}));

    // A dialog of the program's own.
    dialogues.Puis([&](QDialog& d) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        legendes = TitresX11(d);
        d.reject();
    });
    m->findChild<QAction*>("MenuProtection")->trigger();
    EXPECT_EQ(legendes, (QStringList{"Protection du document", "Protection du document"}));
    m->Exercice().Clear();
}

} // namespace
} // namespace tramonta
