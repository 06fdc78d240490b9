// SPDX-License-Identifier: GPL-3.0-or-later
// The export command of the real tramonta-cli.
#include "outils_cli.h"

#include "commun/chien_de_garde.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

using namespace tramonta;
using namespace tramonta::test;
namespace fs = std::filesystem;

namespace {

class CliExport : public TestCli {
  protected:
    void SetUp() override {
        TestCli::SetUp();
        const std::string source = R"json({
          "Adherents": [
            {"Nom": "Le Gall; dit \"Vague\"", "Prenom": "Hélène", "Sexe": "F", "DateNaissance": 40275.0,
             "CodePostal": 6000, "MontantLicence": 45.5, "CertificatMedical": true,
             "Adresse": "1 rue du Port\r\nBâtiment B"},
            {"Nom": "Martin", "Prenom": "Paul"}],
          "Correspondants": [{"Nom": "Mairie", "Ville": "Biarritz"}],
          "Comptabilite": {"Charges": [{"Article": "606", "Intitule": "Achats",
                                        "Lignes": [{"Libelle": "Wax", "Date": 45568.4, "Montant": 12.3,
                                                    "TypePaiement": 2}]}],
                           "Produits": [{"Article": "706", "Intitule": "Licences",
                                         "Lignes": [{"Libelle": "Licence", "Date": 45569.0, "Montant": 45,
                                                     "NumeroCheque": "123"}]}]},
          "Compets": [{"Intitule": "Coupe d'Été", "Categories": [
            {"Participants": [{"Nom": "Etchegaray", "Prenom": "Maïté", "Club": "Anglet"}]}]}]
        })json";
        std::ofstream(Chemin("saison.json"), std::ios::binary) << source;
        const SortieCli create = Lancer({"create", Chemin("saison.json"), Chemin("saison.trm")});
        ASSERT_EQ(create.code, 0) << create.err;
    }
};

TEST_F(CliExport, AdherentsDonneLaMarqueLesTitresEtUneLigneParAdherent) {
    const SortieCli r = Lancer({"export", "adherents", Chemin("saison.trm"), Chemin("adherents.csv")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const std::string csv = Lire(Chemin("adherents.csv"));
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBFNom;Prénom;Sexe;Date de naissance;Categorie;")) << csv;
    EXPECT_NE(csv.find("\r\n\"Le Gall; dit \"\"Vague\"\"\";Hélène;F;07/04/2010;Ondine;;\"1 rue du "
                       "Port\r\nBâtiment B\";06000;"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find(";Oui;Non;;Non;45,5;0;0;0;;\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\nMartin;Paul;M;;;"), std::string::npos) << csv;
}

TEST_F(CliExport, EcrituresEtCorrespondants) {
    ASSERT_EQ(Lancer({"export", "ecritures", Chemin("saison.trm"), Chemin("e.csv")}).code, 0);
    EXPECT_EQ(
        Lire(Chemin("e.csv")),
        "\xEF\xBB\xBF"
        "Compte;Intitulé du compte;Nature;Date;Libellé;Montant;Type de paiement;N° chèque;Automatique\r\n"
        "606;Achats;Charge;03/10/2024;Wax;12,3;Virement;;Non\r\n"
        "706;Licences;Produit;04/10/2024;Licence;45;Chèque;123;Non\r\n");
    ASSERT_EQ(Lancer({"export", "correspondants", Chemin("saison.trm"), Chemin("c.csv")}).code, 0);
    EXPECT_NE(Lire(Chemin("c.csv")).find("\r\nMairie;;;Biarritz;;;;;;;\r\n"), std::string::npos);
}

TEST_F(CliExport, ParticipantsTrouveLaCompetitionSansEgardALaCasse) {
    const SortieCli r =
        Lancer({"export", "participants", Chemin("saison.trm"), Chemin("p.csv"), "COUPE D'ÉTÉ"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Lire(Chemin("p.csv")), "\xEF\xBB\xBF"
                                     "Catégorie;Tête de série;Nom;Prénom;Club\r\n"
                                     "Benjamins;1;Etchegaray;Maïté;Anglet\r\n");
}

TEST_F(CliExport, UneCompetitionAbsenteEchoueSansRienEcrire) {
    const SortieCli r = Lancer({"export", "participants", Chemin("saison.trm"), Chemin("p.csv"), "Coupe"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Compétition \"Coupe\" inexistante !\n");
    EXPECT_FALSE(fs::exists(Chemin("p.csv")));
}

TEST_F(CliExport, UneSortieImpossibleEchoueEtLaisseLAncienFichier) {
    { std::ofstream(Chemin("garde.csv")) << "ancien"; }
    fs::create_directories(Chemin("dossier.csv"));
    const SortieCli r = Lancer({"export", "adherents", Chemin("saison.trm"), Chemin("absent/a.csv")});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Impossible d'écrire le fichier"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(Chemin("absent")));
    EXPECT_EQ(Lancer({"export", "adherents", Chemin("saison.trm"), Chemin("dossier.csv")}).code, 1);
    EXPECT_EQ(Lancer({"export", "adherents", Chemin("absente.trm"), Chemin("garde.csv")}).code, 1);
    EXPECT_EQ(Lire(Chemin("garde.csv")), "ancien");
}

// The season named again for the output, under any name that leads to it,
// stays the season.
TEST_F(CliExport, LaSortieNePeutEtreLExerciceLuiMeme) {
    const std::string saison = Chemin("saison.trm");
    const std::string avant = Lire(saison);
    fs::create_symlink(saison, Chemin("lien.trm"));
    fs::create_hard_link(saison, Chemin("autre-nom.trm"));
    fs::create_directories(Chemin("sous"));
    const std::string detour = Chemin("sous/../saison.trm");
    for (const std::string& sortie : {saison, Chemin("lien.trm"), Chemin("autre-nom.trm"), detour}) {
        const SortieCli r = Lancer({"export", "adherents", saison, sortie});
        EXPECT_EQ(r.code, 1) << sortie;
        EXPECT_EQ(r.err, "Le fichier de sortie \"" + sortie +
                             "\" est l'exercice lui-même : choisissez un autre nom.\n");
        EXPECT_EQ(Lire(saison), avant);
        EXPECT_TRUE(fs::is_symlink(Chemin("lien.trm")));
    }
    EXPECT_EQ(Lancer({"dump", saison}).code, 0);
}

// A read-only output or a pipe in its place: refused at once, with why.
TEST_F(CliExport, UneSortieEnLectureSeuleOuUnTubeEstRefusee) {
    { std::ofstream(Chemin("seul.csv")) << "ancien"; }
    fs::permissions(Chemin("seul.csv"), fs::perms::owner_read | fs::perms::group_read);
    ASSERT_EQ(::mkfifo(Chemin("tube.csv").c_str(), 0666), 0);
    SortieCli r = Lancer({"export", "adherents", Chemin("saison.trm"), Chemin("seul.csv")});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("est en lecture seule ou vous n'avez pas le droit d'y écrire"), std::string::npos)
        << r.err;
    EXPECT_EQ(Lire(Chemin("seul.csv")), "ancien");
    {
        test::TChienDeGarde garde("sortie dans un tube", std::chrono::seconds(20));
        r = Lancer({"export", "adherents", Chemin("saison.trm"), Chemin("tube.csv")});
    }
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("n'est pas un fichier ordinaire"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_fifo(Chemin("tube.csv")));
}

TEST_F(CliExport, DesArgumentsQuiNeSontPasCeuxDeLaCommandeDonnentLUsage) {
    const std::vector<std::vector<std::string>> cas = {
        {"export"},
        {"export", "adherents"},
        {"export", "adherents", Chemin("saison.trm")},
        {"export", "adherents", Chemin("saison.trm"), Chemin("a.csv"), "de trop"},
        {"export", "membres", Chemin("saison.trm"), Chemin("a.csv")},
        {"export", "participants", Chemin("saison.trm"), Chemin("a.csv")},
    };
    for (const auto& arguments : cas) {
        const SortieCli r = Lancer(arguments);
        EXPECT_EQ(r.code, 2) << arguments.size();
        EXPECT_NE(r.err.find("tramonta-cli export participants FICHIER.trm SORTIE.csv COMPETITION"),
                  std::string::npos);
    }
    EXPECT_FALSE(fs::exists(Chemin("a.csv")));
}

} // namespace
