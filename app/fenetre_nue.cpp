// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of scripts/mesurer_demarrage.sh: the smallest Qt program with
// a main window, a QMainWindow holding a label, measured the same way as
// Tramonta itself. Not installed.
#include "mesure_demarrage.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tramonta::SurveillerDemarrage(application, "Main");
    QMainWindow fenetre;
    fenetre.setObjectName("Main");
    fenetre.setWindowTitle("Fenêtre nue");
    fenetre.setCentralWidget(new QLabel("Fenêtre Qt nue"));
    fenetre.resize(980, 680);
    fenetre.show();
    return application.exec();
}
