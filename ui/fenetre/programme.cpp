// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fenetre/programme.h"

#include "platform/application.h"
#include "platform/association.h"
#include "platform/boite_message.h"
#include "platform/preferences.h"
#include "ui/fenetre/main_fenetre.h"

#include <cstdio>
#include <memory>
#include <string>

namespace tramonta {

std::optional<int> RepondreSansFenetre(int argc, char** argv) {
    if (argc != 2)
        return std::nullopt;
    const std::string option = argv[1];
    const char* texte = nullptr;
    if (option == "--help" || option == "-h")
        texte = "Usage :\n"
                "  tramonta [FICHIER.trm]\n"
                "  tramonta --help | -h\n"
                "  tramonta --version\n"
                "Ouvre le fichier de saison donné, ou un exercice vide sans argument.\n";
    else if (option == "--version")
        texte = "tramonta " TRAMONTA_VERSION "\n";
    else
        return std::nullopt;
    return std::fputs(texte, stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}

int ExecuterTramonta(TApplication& application, const QStringList& arguments) {
    LirePreferences();
    int code = 0;
    {
        TMain fenetre(arguments);
        TMILAssociate association;
        association.PathToApp = QCoreApplication::applicationFilePath();
        association.IconPath = ":/icones/TRAMONTA.svg";
        association.IconeDocument = ":/icones/DOCUMENT_TRAMONTA.svg";
        association.Verifier();
        // The run ends with the main window, whatever other window is left.
        QObject::connect(&fenetre, &TMain::Fermee, &application, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        fenetre.show();
        // Showing lets pending events through: a window already closed
        // there leaves no loop to run.
        code = fenetre.isVisible() ? application.exec() : 0;
    }
    EcrirePreferences();
    return code;
}

} // namespace tramonta
