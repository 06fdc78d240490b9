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
        fenetre.show();
        code = application.exec();
    }
    EcrirePreferences();
    return code;
}

} // namespace tramonta
