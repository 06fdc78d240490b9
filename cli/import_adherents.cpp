// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/import_adherents.h"

#include "core/tableur_lecture.h"
#include "core/texte.h"
#include "core/verrou.h"
#include "model/exercice.h"
#include "model/import_tableur.h"
#include "model/textes_journal.h"

#include <filesystem>
#include <iostream>

namespace tramonta {

int CommandeImport(const std::vector<std::string>& arguments) {
    // Texts that the season file cannot hold are refused unless the officer
    // takes their nearest form.
    const bool formeProche = arguments.size() == 4 && arguments[3] == "--forme-proche";
    if ((arguments.size() != 3 && !formeProche) || arguments[0] != "adherents")
        return 2;
    const std::string& document = arguments[1];
    const std::string& source = arguments[2];

    // The window that holds the document would save over the import, or
    // find its file changed under it: the officer closes it first.
    TInfosVerrou verrou;
    if (EvaluerVerrou(document, nullptr, &verrou) == EtatVerrou::Occupe) {
        std::cerr << Formater("Le fichier \"%s\" est ouvert par %s depuis le %s : fermez-le avant d'y "
                              "importer des adhérents.",
                              {document, verrou.NomAffiche(), verrou.DateAffichee()})
                  << '\n';
        return 1;
    }
    TTableurLu tableur;
    std::string erreur;
    if (!LireFichierTableur(source, tableur, erreur)) {
        std::cerr << erreur << '\n';
        return 1;
    }
    TExercice exercice;
    if (!exercice.LoadFromFile(document))
        return 1;
    const TRapportImport rapport = ImporterAdherents(
        exercice.Adherents(), tableur, formeProche ? TFormeTexte::FormeProche : TFormeTexte::Refuser);
    if (!rapport.reussi) {
        for (const std::string& l : rapport.lignes)
            std::cerr << l << '\n';
        return 1;
    }
    exercice.Agenda().AjouterLigne(
        TexteJournalImportCsv(std::filesystem::path(source).filename().string(), rapport));
    if (!exercice.SaveToFile(document))
        return 1;
    for (const std::string& l : rapport.lignes)
        std::cout << l << '\n';
    return std::cout.good() ? 0 : 1;
}

} // namespace tramonta
