// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the user starts it, on the document named, which it then
// modifies as a user's typing would: the recovery test kills it once its
// recovery copy is written.
//   tramonta-essai-panne DOCUMENT|"" INTITULE
#include "model/exercice.h"
#include "platform/application.h"
#include "platform/boite_message.h"
#include "ui/fenetre/main_fenetre.h"

#include <QTimer>

int main(int argc, char** argv) {
    tramonta::TApplication application(argc, argv);
    tramonta::InstallerBoiteMessageQt();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return 2;
    tramonta::TMain fenetre(args[1].isEmpty() ? QStringList{} : QStringList{args[1]});
    fenetre.show();
    QTimer::singleShot(0, &fenetre, [&] { fenetre.Exercice().SetIntitule(args[2].toStdString()); });
    return application.exec();
}
