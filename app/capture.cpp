// Pictures of the real windows, drawn offscreen: the main window on each of
// its pages and the dialogs. Used for the README and to check the look at
// any scale (QT_SCALE_FACTOR=2).
//   tramonta-capture DOSSIER [DOCUMENT]
#include "platform/application.h"
#include "platform/preferences.h"
#include "ui/a_propos.h"
#include "ui/fiche_cartes_meteo.h"
#include "ui/fiche_imports.h"
#include "ui/fiche_nouvelle_saison.h"
#include "ui/fiche_preferences.h"
#include "ui/fiche_protection.h"
#include "ui/main_fenetre.h"

#include <QAbstractButton>
#include <QDir>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace tramonta;

namespace {
void Enregistrer(QWidget& w, const QString& fichier) {
    w.grab().save(fichier);
    std::printf("%s\n", qPrintable(fichier));
}

// Grabs a modal dialog once its event loop runs, then closes it.
void CapturerDialogue(QDialog& d, const QString& fichier, const std::function<void()>& montrer) {
    QTimer::singleShot(0, &d, [&d, fichier] {
        Enregistrer(d, fichier);
        d.done(QDialog::Rejected);
    });
    montrer();
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's settings are neither read nor written.
    QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toUtf8());
    TApplication application(argc, argv);
    ChargerTraductionsQt(application);
    ChargerPoliceTahoma(application);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "tramonta-capture DOSSIER [DOCUMENT]\n");
        return 2;
    }
    const QDir dossier(args[1]);
    QDir().mkpath(dossier.path());
    TMain fenetre(args.size() > 2 ? QStringList{args[2]} : QStringList{});
    fenetre.TimerSplashTimer();
    fenetre.resize(1000, 680);
    fenetre.show();
    const char* pages[] = {"BoutonPrincipal", "BoutonBDD", "BoutonCompta", "BoutonCompet"};
    const char* noms[] = {"principal", "base-de-donnees", "comptabilite", "competition"};
    for (int i = 0; i < 4; ++i) {
        fenetre.findChild<QAbstractButton*>(pages[i])->click();
        QCoreApplication::processEvents();
        Enregistrer(fenetre, dossier.filePath(QStringLiteral("page-%1.png").arg(noms[i])));
    }
    fenetre.findChild<QAbstractButton*>("BoutonPrincipal")->click();
    if (auto* onglets = fenetre.findChild<QTabWidget*>("PageControl")) {
        onglets->setCurrentIndex(onglets->count() - 1);
        QCoreApplication::processEvents();
        Enregistrer(fenetre, dossier.filePath("page-historique.png"));
        onglets->setCurrentIndex(0);
    }
    CapturerDialogue(fenetre.FicheProtection(), dossier.filePath("protection.png"),
                     [&] { fenetre.FicheProtection().Demander(); });
    CapturerDialogue(fenetre.FicheProtectionDocument(), dossier.filePath("protection-document.png"),
                     [&] { fenetre.FicheProtectionDocument().exec(); });
    CapturerDialogue(fenetre.FicheImports(), dossier.filePath("imports.png"),
                     [&] { fenetre.FicheImports().Executer(fenetre.Exercice()); });
    CapturerDialogue(fenetre.FicheNouvelleSaison(), dossier.filePath("nouvelle-saison.png"),
                     [&] { fenetre.FicheNouvelleSaison().Executer(fenetre.Exercice()); });
    CapturerDialogue(fenetre.FichePreferences(), dossier.filePath("preferences.png"),
                     [&] { fenetre.FichePreferences().Executer(Preferences()); });
    CapturerDialogue(fenetre.FicheCartesMeteo(), dossier.filePath("cartes-meteo.png"),
                     [&] { fenetre.FicheCartesMeteo().exec(); });
    CapturerDialogue(fenetre.AboutForm(), dossier.filePath("a-propos.png"),
                     [&] { fenetre.AboutForm().exec(); });
    TEcranAccueil accueil;
    accueil.show();
    Enregistrer(accueil, dossier.filePath("accueil.png"));
    return 0;
}
