// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/programme.h"

#include "platform/application.h"
#include "platform/association.h"
#include "platform/boite_message.h"
#include "platform/preferences.h"
#include "ui/main_fenetre.h"

#include <memory>

namespace tramonta {

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
