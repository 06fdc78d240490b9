// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/export_tableur_cli.h"

#include "core/fichier.h"
#include "core/partage.h"
#include "core/texte.h"
#include "model/exercice.h"
#include "model/export_tableur.h"

#include <iostream>
#include <sstream>

namespace tramonta {

const char* const kUsageExport =
    "  tramonta-cli export adherents|correspondants|ecritures FICHIER.trm SORTIE.csv\n"
    "  tramonta-cli export participants FICHIER.trm SORTIE.csv COMPETITION\n";

int CommandeExport(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return 2;
    const std::string& genre = arguments[0];
    const bool participants = genre == "participants";
    if (!participants && genre != "adherents" && genre != "correspondants" && genre != "ecritures")
        return 2;
    if (arguments.size() != (participants ? 4u : 3u))
        return 2;
    const std::string& fichier = arguments[1];
    const std::string& sortie = arguments[2];

    // The season given twice, or under another name or through a link,
    // would be replaced by the CSV.
    if (MemeFichier(fichier, sortie)) {
        std::cerr << Formater(
                         "Le fichier de sortie \"%s\" est l'exercice lui-même : choisissez un autre nom.",
                         {sortie})
                  << '\n';
        return 1;
    }
    TExercice exercice;
    if (!exercice.LoadFromFile(fichier))
        return 1;
    std::ostringstream csv;
    if (genre == "adherents") {
        ExporterAdherents(TousLesAdherents(exercice.Adherents()), csv);
    } else if (genre == "correspondants") {
        ExporterCorrespondants(TousLesCorrespondants(exercice.Correspondants()), csv);
    } else if (genre == "ecritures") {
        ExporterEcritures(exercice.Comptabilite(), csv);
    } else {
        const std::string& intitule = arguments[3];
        const TCompet* compet = exercice.Compets().Compet(exercice.Compets().IndexOfIntitule(intitule));
        if (!compet) {
            std::cerr << Formater("Compétition \"%s\" inexistante !", {intitule}) << '\n';
            return 1;
        }
        ExporterParticipants(*compet, csv);
    }
    TEcriture ecriture;
    if (!EcrireFichierOctets(sortie, csv.str(), &ecriture)) {
        std::cerr << Formater("Impossible d'écrire le fichier \"%s\" !", {sortie}) << '\n';
        if (!ecriture.refus.empty())
            std::cerr << ecriture.refus << '\n';
        return 1;
    }
    return 0;
}

} // namespace tramonta
