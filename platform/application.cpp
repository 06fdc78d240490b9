// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/application.h"

#include "core/messages.h"

#include <QFile>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <exception>
#include <locale.h>

namespace tramonta {

void SignalerEchec(const std::string& texte) {
    MessageBoxTexte(texte + ".", QApplication::applicationDisplayName().toStdString(), MB_OK | MB_ICONERROR);
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // No display name: on X11, Qt appends it to every window title
    // (" — Tramonta"), and titles and captions must read as the program gives
    // them. applicationDisplayName() still answers "Tramonta".
    setApplicationName("Tramonta");
    setOrganizationName("Ventaro");
    setApplicationVersion(TRAMONTA_VERSION);
    setDesktopFileName("tramonta");
    // Numbers are written and read with "." whatever the user's locale: the
    // C library's number conversions follow LC_NUMERIC, which QApplication
    // has just taken from the environment. Only the numbers of this thread
    // (the program's one) change; the global locale and Qt's stay the user's,
    // for the sorting of the lists.
    if (locale_t nombres = newlocale(LC_NUMERIC_MASK, "C", duplocale(LC_GLOBAL_LOCALE)))
        uselocale(nombres);
}

bool TApplication::notify(QObject* destinataire, QEvent* evenement) {
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const std::exception& e) {
        SignalerEchec(e.what());
    } catch (...) {
        SignalerEchec("Erreur inconnue");
    }
    return false;
}

bool ChargerTraductionsQt(QCoreApplication& application) {
    auto* traduction = new QTranslator(&application);
    if (!traduction->load(QLocale(QLocale::French, QLocale::France), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduction;
        return false;
    }
    return QCoreApplication::installTranslator(traduction);
}

bool EnregistrerPoliceTahoma() {
    static const char* const kFichiers[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                            "/usr/share/wine/fonts/tahomabd.ttf"};
    bool trouvee = false;
    for (const char* f : kFichiers)
        if (QFile::exists(f) && QFontDatabase::addApplicationFont(f) >= 0)
            trouvee = true;
    return trouvee;
}

bool ChargerPoliceTahoma(QApplication& application) {
    if (!EnregistrerPoliceTahoma())
        return false;
    QFont police = QApplication::font();
    police.setFamilies({"Tahoma"});
    application.setFont(police);
    return true;
}

} // namespace tramonta
