// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pdf.h"

#include "core/partage.h"
#include "core/texte.h"
#include "platform/application.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

namespace tramonta {

const char* const kUsagePdf =
    "  tramonta-cli pdf bilan FICHIER.trm SORTIE.pdf\n"
    "  tramonta-cli pdf mouvements FICHIER.trm SORTIE.pdf [--du JJ/MM/AAAA --au JJ/MM/AAAA]\n"
    "                  [--compte ARTICLE | --charges | --produits]\n"
    "  tramonta-cli pdf depots FICHIER.trm SORTIE.pdf --du JJ/MM/AAAA --au JJ/MM/AAAA\n"
    "                  [--edition JJ/MM/AAAA] [--numero N] [--compte ARTICLE]\n"
    "  tramonta-cli pdf adherent FICHIER.trm SORTIE.pdf NOM PRENOM\n"
    "  tramonta-cli pdf correspondant FICHIER.trm SORTIE.pdf NOM\n"
    "  tramonta-cli pdf requete FICHIER.trm SORTIE.pdf\n"
    "                  [--impayes licence|caution|location|forfait | --categorie NOM | --licence TYPE]\n"
    "                  [--champs Sexe,DateNaissance,LieuNaissance,Ville,Tel1,Tel2,NumeroLicence,Delivrance,\n"
    "                   CertificatMedical,LicenceCompet,Classement,LicenceDirigeant,MontantLicence,\n"
    "                   CautionCombinaison,LocationCombinaison,ForfaitLecon]\n"
    "  tramonta-cli pdf tableau FICHIER.trm SORTIE.pdf COMPETITION CATEGORIE [--serie N | --page P]\n"
    "  tramonta-cli pdf participants FICHIER.trm SORTIE.pdf COMPETITION [--categorie NOM]\n";

int CommandePdf(const std::vector<std::string>& arguments) {
    if (arguments.size() < 3)
        return 2;
    // The season named again for the output would be replaced by the PDF.
    if (MemeFichier(arguments[1], arguments[2])) {
        std::cerr << Formater(
                         "Le fichier de sortie \"%s\" est l'exercice lui-même : choisissez un autre nom.",
                         {arguments[2]})
                  << '\n';
        return 1;
    }
    // Fonts and PDF writing need a Gui application; no screen is needed.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char nom[] = "tramonta-cli";
    static char* argv[] = {nom, nullptr};
    // The tool says what went wrong in its own words: Qt's notes about the
    // session it runs in are not for the user of a script.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& texte) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", texte.toLocal8Bit().constData());
    });
    QGuiApplication application(argc, argv);
    EnregistrerPoliceTahoma();
    const std::string& genre = arguments[0];
    const std::vector<std::string> reste(arguments.begin() + 1, arguments.end());
    if (genre == "bilan" || genre == "mouvements" || genre == "depots")
        return PdfCompta(genre, reste);
    if (genre == "adherent" || genre == "correspondant" || genre == "requete")
        return PdfAdherents(genre, reste);
    if (genre == "tableau" || genre == "participants")
        return PdfCompets(genre, reste);
    return 2;
}

} // namespace tramonta
