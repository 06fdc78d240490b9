// SPDX-License-Identifier: GPL-3.0-or-later
// Competitions through the real tramonta-cli: their JSON both ways and the
// text listing of a heat table.
#include "cli/json_document.h"
#include "model/outils_compets.h"
#include "outils_cli.h"
#include "outils_modele.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace tramonta;
using namespace tramonta::test;
namespace fs = std::filesystem;
using Json = nlohmann::json;

namespace {

using CliCompets = TestCli;

TEST_F(CliCompets, CreateRemplitLeModeleEtDumpLeRendTelQuel) {
    // The structure given in the table is ignored: only the results fill
    // the template's lines, in order.
    const std::string entree = R"json({
      "Compets": [{
        "Intitule": "Coupe d'Été", "DateDebut": 46200.5, "DateFin": "NaN", "Officielle": true,
        "Categories": [
          {"Participants": [{"Nom": "Etchegaray", "Prenom": "Maïté", "Club": "Anglet"},
                            {"Nom": "Durand", "Prenom": "Léo"}],
           "TypeTableau": 1,
           "Tableau": {"Tours": [{"Series": [
             {"Cadre": [9, 9, 9, 9], "Lignes": [{"Rang": 99, "Participant": 2, "Place": 1}, {"Place": 2}]},
             {"Lignes": [{"Participant": 1}]}]}]}},
          {"TypeTableau": 262, "Tableau": null},
          {"TypeTableau": 0, "Tableau": {"Tours": []}}
        ]
      }]
    })json";
    { std::ofstream(Chemin("entree.json"), std::ios::binary) << entree; }
    const SortieCli create = Lancer({"create", Chemin("entree.json"), Chemin("saison.trm")});
    ASSERT_EQ(create.code, 0) << create.err;

    const SortieCli dump = Lancer({"dump", Chemin("saison.trm")});
    ASSERT_EQ(dump.code, 0) << dump.err;
    const Json j = Json::parse(dump.out);
    ASSERT_EQ(j["Compets"].size(), 1u);
    const Json& c = j["Compets"][0];
    EXPECT_EQ(c["Intitule"], "Coupe d'Été");
    EXPECT_EQ(c["DateDebut"], 46200.5);
    EXPECT_EQ(c["DateFin"], "NaN");
    EXPECT_EQ(c["Officielle"], true);
    const auto ordonne = nlohmann::ordered_json::parse(dump.out);
    std::vector<std::string> cles;
    for (const auto& [cle, valeur] : ordonne["Compets"][0].items())
        cles.push_back(cle);
    EXPECT_EQ(cles,
              (std::vector<std::string>{"Intitule", "DateDebut", "DateFin", "Officielle", "Categories"}));
    ASSERT_EQ(c["Categories"].size(), 6u);

    const Json& benjamins = c["Categories"][0];
    EXPECT_EQ(benjamins["Participants"][1], Json::parse(R"({"Nom": "Durand", "Prenom": "Léo", "Club": ""})"));
    EXPECT_EQ(benjamins["TypeTableau"], 1);
    const Json& tours = benjamins["Tableau"]["Tours"];
    ASSERT_EQ(tours.size(), 2u);
    EXPECT_EQ(tours[0]["Series"][0]["Cadre"], Json::parse("[0, 0, 94, 49]"));
    EXPECT_EQ(tours[1]["Series"][0]["Cadre"], Json::parse("[0, 63, 94, 105]"));
    EXPECT_EQ(tours[0]["Series"][0]["Lignes"], Json::parse(R"([
                  {"Rang": 2, "SerieOrigine": 0, "Participant": 2, "Place": 1},
                  {"Rang": 3, "SerieOrigine": 0, "Participant": -1, "Place": 2},
                  {"Rang": 6, "SerieOrigine": 0, "Participant": 1, "Place": -1},
                  {"Rang": 7, "SerieOrigine": 0, "Participant": -1, "Place": -1},
                  {"Rang": 9, "SerieOrigine": 0, "Participant": -1, "Place": -1}])"));
    EXPECT_EQ(tours[1]["Series"][0]["Lignes"][3],
              Json::parse(R"({"Rang": 2, "SerieOrigine": 2, "Participant": -1, "Place": -1})"));

    EXPECT_EQ(c["Categories"][1]["TypeTableau"], 6);
    EXPECT_EQ(c["Categories"][1]["Tableau"]["Tours"].size(), 5u);
    EXPECT_EQ(c["Categories"][2]["TypeTableau"], 0);
    EXPECT_TRUE(c["Categories"][2]["Tableau"].is_null());
    EXPECT_TRUE(c["Categories"][5]["Tableau"].is_null());

    // What dump gives, create takes back to the very same file.
    { std::ofstream(Chemin("dump.json"), std::ios::binary) << dump.out; }
    ASSERT_EQ(Lancer({"create", Chemin("dump.json"), Chemin("copie.trm")}).code, 0);
    EXPECT_EQ(Lire(Chemin("copie.trm")), Lire(Chemin("saison.trm")));
}

TEST_F(CliCompets, DumpMontreLaStructureDUnAncienTableau) {
    TExercice e;
    auto compet = std::make_unique<TCompet>(&e.Compets());
    TCategorieCompet& cat = *compet->Categorie(3);
    cat.SetTypeTableau(1);
    TMemoryStream ancien;
    {
        TWriter w(ancien);
        w.WriteInteger(1);
        w.WriteListBegin();
        w.WriteInteger(1);
        w.WriteListBegin();
        w.WriteInteger(1);
        w.WriteListBegin();
        for (int rang : {1, 2}) {
            w.WriteInteger(1);
            w.WriteInteger(rang);
            w.WriteInteger(0);
            w.WriteInteger(-1);
            w.WriteInteger(3 - rang);
        }
        w.WriteListEnd();
        for (int v : {5, 6, 70, 80})
            w.WriteInteger(v);
        w.WriteListEnd();
        w.WriteListEnd();
    }
    TMemoryStream lecture(ancien.Donnees());
    {
        TReader r(lecture);
        cat.Tableau()->Load(r);
    }
    e.Compets().Add(std::move(compet));
    ASSERT_TRUE(e.SaveToFile(Chemin("ancien.trm")));

    const SortieCli dump = Lancer({"dump", Chemin("ancien.trm")});
    ASSERT_EQ(dump.code, 0) << dump.err;
    const Json tableau = Json::parse(dump.out)["Compets"][0]["Categories"][3]["Tableau"];
    EXPECT_EQ(tableau, Json::parse(R"json({"Tours": [{"Series": [{"Cadre": [5, 6, 70, 80], "Lignes": [
                 {"Rang": 1, "SerieOrigine": 0, "Participant": -1, "Place": 2},
                 {"Rang": 2, "SerieOrigine": 0, "Participant": -1, "Place": 1}]}]}]})json"));
}

class CliTableau : public CliCompets {
  protected:
    void SetUp() override {
        CliCompets::SetUp();
        TExercice e;
        auto compet = std::make_unique<TCompet>(&e.Compets());
        compet->SetIntitule("Coupe d'Été");
        TCategorieCompet& open = *compet->Categorie(4);
        open.Add(Surfeur(open, "Etchegaray", "Maïté", "Anglet Surf Club"));
        for (int i = 2; i <= 7; ++i)
            open.Add(Surfeur(open, "Nom" + std::to_string(i), "Prenom" + std::to_string(i)));
        open.SetTypeTableau(1);
        TTableauCompet& t = *open.Tableau();
        t.Serie(1)->Ligne(3)->SetPlace(1); // seed 7
        t.Serie(1)->Ligne(0)->SetPlace(2); // seed 2
        t.Serie(2)->Ligne(0)->SetPlace(1); // seed 1
        t.Serie(2)->Ligne(1)->SetPlace(2); // seed 4
        t.Serie(3)->Ligne(1)->SetPlace(1);
        e.Compets().Add(std::move(compet));
        ASSERT_TRUE(e.SaveToFile(Chemin("saison.trm")));
    }
};

TEST_F(CliTableau, ListeLesSeriesTourParTourAvecLeursPlaces) {
    const std::string attendu = "Compétition : Coupe d'Été\n"
                                "Catégorie : Open\n"
                                "Tableau : 0 à 10\n"
                                "Tour 1\n"
                                "  Série n°1 : 1/2 FINALE\n"
                                "    Rg 2\tNom2 Prenom2\t2\n"
                                "    Rg 3\tNom3 Prenom3\t\n"
                                "    Rg 6\tNom6 Prenom6\t\n"
                                "    Rg 7\tNom7 Prenom7\t1\n"
                                "    Rg 9\t\t\n"
                                "  Série n°2 : 1/2 FINALE\n"
                                "    Rg 1\tEtchegaray Maïté (Anglet Surf Club)\t1\n"
                                "    Rg 4\tNom4 Prenom4\t2\n"
                                "    Rg 5\tNom5 Prenom5\t\n"
                                "    Rg 8\t\t\n"
                                "    Rg 10\t\t\n"
                                "Tour 2\n"
                                "  Série n°3 : FINALE\n"
                                "    Rg 1.1\tNom7 Prenom7\t\n"
                                "    Rg 1.2\tEtchegaray Maïté (Anglet Surf Club)\t1\n"
                                "    Rg 2.1\tNom2 Prenom2\t\n"
                                "    Rg 2.2\tNom4 Prenom4\t\n";
    for (const char* categorie : {"Open", "oPEN", "4"}) {
        const SortieCli r = Lancer({"tableau", Chemin("saison.trm"), "COUPE D'ÉTÉ", categorie});
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, attendu) << categorie;
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(CliTableau, UnNomInconnuOuUneCategorieSansTableauSortEnErreur) {
    struct Cas {
        std::vector<std::string> arguments;
        int code;
        std::string message;
    } cas[] = {
        {{"tableau", "absent.trm", "Coupe d'Été", "Open"}, 1, "Fichier inexistant !\n"},
        {{"tableau", "@saison", "Coupe d'Hiver", "Open"}, 1, "Compétition \"Coupe d'Hiver\" inexistante !\n"},
        {{"tableau", "@saison", "Coupe d'Été", "Seniors"}, 1, "Catégorie \"Seniors\" inexistante !\n"},
        {{"tableau", "@saison", "Coupe d'Été", "6"}, 1, "Catégorie \"6\" inexistante !\n"},
        {{"tableau", "@saison", "Coupe d'Été", "2"},
         1,
         "La catégorie \"Cadets\" de la compétition \"Coupe d'Été\" n'a pas de tableau !\n"},
    };
    for (Cas& c : cas) {
        for (auto& a : c.arguments)
            if (a == "@saison")
                a = Chemin("saison.trm");
            else if (a == "absent.trm")
                a = Chemin("absent.trm");
        const SortieCli r = Lancer(c.arguments);
        EXPECT_EQ(r.code, c.code) << c.message;
        EXPECT_EQ(r.err, c.message);
        EXPECT_EQ(r.out, "");
    }
    const SortieCli usage = Lancer({"tableau", Chemin("saison.trm"), "Coupe d'Été"});
    EXPECT_EQ(usage.code, 2);
    EXPECT_NE(usage.err.find("tramonta-cli tableau FICHIER.trm COMPETITION CATEGORIE"), std::string::npos);
}

TEST_F(CliCompets, PlusDeSixCategoriesSontRefusees) {
    Json categories = Json::array();
    for (int i = 0; i < 7; ++i)
        categories.push_back(Json::object());
    Json compet = Json::object();
    compet["Categories"] = categories;
    { std::ofstream(Chemin("entree.json")) << Json{{"Compets", Json::array({compet})}}.dump(); }
    const SortieCli r = Lancer({"create", Chemin("entree.json"), Chemin("saison.trm")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.rfind("JSON incorrect : ", 0), 0u) << r.err;
    EXPECT_FALSE(fs::exists(Chemin("saison.trm")));
}

} // namespace
