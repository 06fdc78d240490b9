// SPDX-License-Identifier: GPL-3.0-or-later
// tramonta-cli: the season file from the command line, for scripts.
#include "cli/export_tableur_cli.h"
#include "cli/import_adherents.h"
#include "cli/json_document.h"
#ifdef TRAMONTA_PDF
#include "cli/pdf.h"
#endif
#include "cli/tableau_texte.h"
#include "core/fichier.h"
#include "core/messages.h"
#include "core/partage.h"
#include "core/texte.h"
#include "model/exercice.h"
#include "model/nouvelle_saison.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using namespace tramonta;

namespace {

void EcrireUsage(std::ostream& sortie) {
    sortie << "Usage :\n"
              "  tramonta-cli dump FICHIER.trm\n"
              "  tramonta-cli create FICHIER.json FICHIER.trm\n"
              "  tramonta-cli tableau FICHIER.trm COMPETITION CATEGORIE\n"
              "  tramonta-cli nouvelle-saison ANCIEN.trm NOUVEAU.trm [--intitule TEXTE] [--report ARTICLE] "
              "[--force]\n"
           << kUsageExport << kUsageImport;
#ifdef TRAMONTA_PDF
    sortie << kUsagePdf;
#endif
    sortie
        << "  tramonta-cli --help | -h\n"
           "  tramonta-cli --version\n"
           "Codes de sortie : 0 si tout est fait, 1 pour un fichier, une compétition, un compte ou une date\n"
           "incorrects (message sur la sortie d'erreur), 2 pour un usage incorrect.\n";
}

// A wrong usage: the usage goes to standard error, so that a script's output
// stays clean.
int Usage() {
    EcrireUsage(std::cerr);
    return 2;
}

// The document reports in message boxes; here they go to standard error
// without the caption, so that scripts see the very text.
int MessageVersErreur(const std::string& texte, const std::string&, int drapeaux) {
    std::cerr << texte << '\n';
    return (drapeaux & 0x0F) == MB_YESNO ? IDNO : (drapeaux & 0x0F) ? IDCANCEL : IDOK;
}

int Dump(const std::string& chemin) {
    TExercice exercice;
    if (!exercice.LoadFromFile(chemin))
        return 1;
    std::cout << DocumentVersJson(exercice).dump(2) << '\n';
    return std::cout.good() ? 0 : 1;
}

int Create(const std::string& source, const std::string& cible) {
    std::string texte, message;
    switch (LireFichierPartage(source, Liens::Personnels, kTailleMaxDocument, texte, message)) {
    case EtatOuverture::Ok:
        break;
    case EtatOuverture::Inexistant:
        std::cerr << "Fichier inexistant !\n";
        return 1;
    default:
        std::cerr << (message.empty() ? Formater("Impossible de lire le fichier \"%s\".", {source}) : message)
                  << '\n';
        return 1;
    }
    TExercice exercice;
    try {
        const auto json = nlohmann::json::parse(texte);
        JsonVersDocument(json, exercice);
    } catch (const std::exception& e) {
        std::cerr << "JSON incorrect : " << e.what() << '\n';
        return 1;
    }
    return exercice.SaveToFile(cible) ? 0 : 1;
}

int Tableau(const std::string& chemin, const std::string& intitule, const std::string& nomCategorie) {
    TExercice exercice;
    if (!exercice.LoadFromFile(chemin))
        return 1;
    TCompet* compet = exercice.Compets().Compet(exercice.Compets().IndexOfIntitule(intitule));
    if (!compet) {
        std::cerr << Formater("Compétition \"%s\" inexistante !", {intitule}) << '\n';
        return 1;
    }
    const int categorie = TrouverCategorie(nomCategorie);
    if (categorie < 0) {
        std::cerr << Formater("Catégorie \"%s\" inexistante !", {nomCategorie}) << '\n';
        return 1;
    }
    if (!compet->Categorie(categorie)->Tableau()) {
        std::cerr << Formater("La catégorie \"%s\" de la compétition \"%s\" n'a pas de tableau !",
                              {TCompet::NomCategorie(categorie), compet->Intitule()})
                  << '\n';
        return 1;
    }
    std::cout << TableauEnTexte(*compet, categorie);
    return std::cout.good() ? 0 : 1;
}

// The arguments after the command: two paths and the options, in any order.
int NouvelleSaison(const std::vector<std::string>& arguments) {
    std::vector<std::string> chemins;
    std::optional<std::string> intitule;
    std::optional<std::string> report;
    bool forcer = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--force") {
            forcer = true;
        } else if (a == "--intitule" || a == "--report") {
            if (i + 1 >= arguments.size())
                return Usage();
            (a == "--intitule" ? intitule : report) = arguments[++i];
        } else if (a.starts_with("--")) {
            return Usage();
        } else {
            chemins.push_back(a);
        }
    }
    if (chemins.size() != 2)
        return Usage();
    const std::string& ancien = chemins[0];
    const std::string& nouveau = chemins[1];

    std::error_code ec;
    if (std::filesystem::exists(nouveau, ec)) {
        // Even with --force, the season must not overwrite the file it comes from.
        if (std::filesystem::equivalent(ancien, nouveau, ec)) {
            std::cerr << "Le nouvel exercice ne peut pas remplacer celui dont il part !\n";
            return 1;
        }
        if (!forcer) {
            std::cerr << Formater("Le fichier \"%s\" existe déjà ! (--force pour le remplacer)", {nouveau})
                      << '\n';
            return 1;
        }
    }

    TExercice exercice;
    if (!exercice.LoadFromFile(ancien))
        return 1;
    OptionsNouvelleSaison options;
    options.intitule = intitule ? *intitule : IntituleSaisonSuivante(exercice.Intitule());
    options.reporterResultat = report.has_value();
    options.articleReport = report.value_or("");
    options.dateReport = Aujourdhui();
    TExercice suivante;
    std::string erreur;
    if (!ConstruireNouvelleSaison(exercice, suivante, options, erreur)) {
        std::cerr << erreur << '\n';
        return 1;
    }
    return suivante.SaveToFile(nouveau) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    DefinirGestionnaireMessages(MessageVersErreur);
    if (argc < 2)
        return Usage();
    const std::string commande = argv[1];
    if (argc == 2 && (commande == "--help" || commande == "-h")) {
        EcrireUsage(std::cout);
        return std::cout.flush().good() ? 0 : 1;
    }
    if (argc == 2 && commande == "--version") {
        std::cout << "tramonta-cli " TRAMONTA_VERSION "\n";
        return std::cout.flush().good() ? 0 : 1;
    }
    if (commande == "dump" && argc == 3)
        return Dump(argv[2]);
    if (commande == "create" && argc == 4)
        return Create(argv[2], argv[3]);
    if (commande == "tableau" && argc == 5)
        return Tableau(argv[2], argv[3], argv[4]);
    if (commande == "nouvelle-saison")
        return NouvelleSaison(std::vector<std::string>(argv + 2, argv + argc));
    if (commande == "export") {
        const int code = CommandeExport(std::vector<std::string>(argv + 2, argv + argc));
        return code == 2 ? Usage() : code;
    }
    if (commande == "import") {
        const int code = CommandeImport(std::vector<std::string>(argv + 2, argv + argc));
        return code == 2 ? Usage() : code;
    }
#ifdef TRAMONTA_PDF
    if (commande == "pdf") {
        const int code = CommandePdf(std::vector<std::string>(argv + 2, argv + argc));
        return code == 2 ? Usage() : code;
    }
#endif
    return Usage();
}
