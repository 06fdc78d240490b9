// tramonta-cli: the season file from the command line, for scripts.
#include "cli/json_document.h"
#ifdef TRAMONTA_PDF
#include "cli/pdf.h"
#endif
#include "cli/tableau_texte.h"
#include "core/messages.h"
#include "core/texte.h"
#include "model/exercice.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

using namespace tramonta;

namespace {

int Usage() {
    std::cerr << "Usage :\n"
                 "  tramonta-cli dump FICHIER.trm\n"
                 "  tramonta-cli create FICHIER.json FICHIER.trm\n"
                 "  tramonta-cli tableau FICHIER.trm COMPETITION CATEGORIE\n";
#ifdef TRAMONTA_PDF
    std::cerr << kUsagePdf;
#endif
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
    std::ifstream entree(source, std::ios::binary);
    if (!entree) {
        std::cerr << "Fichier inexistant !\n";
        return 1;
    }
    TExercice exercice;
    try {
        const auto json = nlohmann::json::parse(entree);
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

} // namespace

int main(int argc, char** argv) {
    DefinirGestionnaireMessages(MessageVersErreur);
    if (argc < 2)
        return Usage();
    const std::string commande = argv[1];
    if (commande == "dump" && argc == 3)
        return Dump(argv[2]);
    if (commande == "create" && argc == 4)
        return Create(argv[2], argv[3]);
    if (commande == "tableau" && argc == 5)
        return Tableau(argv[2], argv[3], argv[4]);
#ifdef TRAMONTA_PDF
    if (commande == "pdf") {
        const int code = CommandePdf(std::vector<std::string>(argv + 2, argv + argc));
        return code == 2 ? Usage() : code;
    }
#endif
    return Usage();
}
