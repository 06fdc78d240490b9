#include "platform/boite_message.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tramonta::InstallerBoiteMessageQt();
    QLabel fenetre("Tramonta");
    fenetre.show();
    return app.exec();
}
