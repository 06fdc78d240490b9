// SPDX-License-Identifier: GPL-3.0-or-later
// tramonta-cli nouvelle-saison: the next season written from the command
// line, checked through the dump of both files.
#include "outils_cli.h"
#include "outils_modele.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <set>

using namespace tramonta;
using namespace tramonta::test;

namespace {

class CliNouvelleSaison : public TestCli {
  protected:
    void SetUp() override {
        TestCli::SetUp();
        TExercice e;
        RemplirDocument(e);
        auto c = std::make_unique<TCompet>(&e.Compets());
        c->SetIntitule("Coupe de la Côte");
        e.Compets().Add(std::move(c));
        ASSERT_TRUE(e.SaveToFile(Chemin("ancien.trm")));
        ancien_ = Lire(Chemin("ancien.trm"));
    }
    nlohmann::json Dump(const std::string& chemin) {
        const SortieCli s = Lancer({"dump", chemin});
        EXPECT_EQ(s.code, 0) << s.err;
        return nlohmann::json::parse(s.out);
    }
    std::string ancien_;
};

TEST_F(CliNouvelleSaison, GardeEtEffaceLesChampsPrevusSansToucherLAncien) {
    const SortieCli s = Lancer({"nouvelle-saison", Chemin("ancien.trm"), Chemin("nouveau.trm")});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, "");
    EXPECT_EQ(s.err, "");
    EXPECT_EQ(Lire(Chemin("ancien.trm")), ancien_);

    const nlohmann::json avant = Dump(Chemin("ancien.trm"));
    const nlohmann::json apres = Dump(Chemin("nouveau.trm"));
    EXPECT_EQ(apres["Intitule"], "Saison 2027");
    for (const char* cle : {"MotPasse", "Commentaires", "Specialites", "Euro", "Correspondants"})
        EXPECT_EQ(apres[cle], avant[cle]) << cle;
    EXPECT_EQ(apres["Compets"], nlohmann::json::array());

    const std::set<std::string> efface = {
        "DateDelivrance",     "CertificatMedical",   "MontantLicence",  "LicenceEnCompta", "ArticleLicence",
        "CautionCombinaison", "LocationCombinaison", "ForfaitLecon",    "CautionEnCompta", "ArticleCaution",
        "LocationEnCompta",   "ArticleLocation",     "ForfaitEnCompta", "ArticleForfait"};
    TExercice vide;
    vide.Adherents().Add(std::make_unique<TAdherent>(&vide.Adherents()));
    vide.SaveToFile(Chemin("vide.trm"));
    const nlohmann::json initial = Dump(Chemin("vide.trm"))["Adherents"][0];
    ASSERT_EQ(apres["Adherents"].size(), avant["Adherents"].size());
    for (std::size_t i = 0; i < avant["Adherents"].size(); ++i)
        for (const auto& [cle, valeur] : apres["Adherents"][i].items())
            EXPECT_EQ(valeur, efface.count(cle) ? initial[cle] : avant["Adherents"][i][cle])
                << "adhérent " << i << ", " << cle;

    nlohmann::json compta = avant["Comptabilite"];
    for (const char* liste : {"Charges", "Produits"})
        for (auto& compte : compta[liste])
            compte["Lignes"] = nlohmann::json::array();
    EXPECT_EQ(apres["Comptabilite"], compta);

    ASSERT_EQ(apres["Agenda"].size(), 2u);
    EXPECT_EQ(apres["Agenda"][0]["Texte"], "Création");
    EXPECT_EQ(apres["Agenda"][1]["Texte"], "Reprise de l'exercice \"Saison 2026\"");
}

TEST_F(CliNouvelleSaison, IntituleEtReportChoisis) {
    const SortieCli s = Lancer({"nouvelle-saison", "--report", "606", Chemin("ancien.trm"),
                                Chemin("nouveau.trm"), "--intitule", "Été 2027"});
    ASSERT_EQ(s.code, 0) << s.err;
    const nlohmann::json j = Dump(Chemin("nouveau.trm"));
    EXPECT_EQ(j["Intitule"], "Été 2027");
    // The old season closed on 45.50 - (-0.10) = +45.60; in a charge account
    // a surplus is a negative charge.
    ASSERT_EQ(j["Comptabilite"]["Charges"][0]["Lignes"].size(), 1u);
    const auto& ligne = j["Comptabilite"]["Charges"][0]["Lignes"][0];
    EXPECT_EQ(ligne["Libelle"], "Report de l'exercice précédent");
    EXPECT_EQ(ligne["Montant"], -45.6);
    EXPECT_EQ(j["Comptabilite"]["Produits"][0]["Lignes"].size(), 0u);
}

TEST_F(CliNouvelleSaison, UnFichierExistantNEstRemplaceQuAvecForce) {
    std::ofstream(Chemin("nouveau.trm")) << "à garder";
    SortieCli s = Lancer({"nouvelle-saison", Chemin("ancien.trm"), Chemin("nouveau.trm")});
    EXPECT_EQ(s.code, 1);
    EXPECT_EQ(s.err,
              "Le fichier \"" + Chemin("nouveau.trm") + "\" existe déjà ! (--force pour le remplacer)\n");
    EXPECT_EQ(Lire(Chemin("nouveau.trm")), "à garder");

    s = Lancer({"nouvelle-saison", Chemin("ancien.trm"), Chemin("nouveau.trm"), "--force"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(Dump(Chemin("nouveau.trm"))["Intitule"], "Saison 2027");
    EXPECT_EQ(Lire(Chemin("ancien.trm")), ancien_);
}

struct CasEchec {
    const char* nom;
    std::vector<std::string> arguments; // "@x" is the path of x in the test's folder
    int code;
    const char* message; // the first line of standard error
};

class EchecNouvelleSaison : public CliNouvelleSaison, public ::testing::WithParamInterface<CasEchec> {};

TEST_P(EchecNouvelleSaison, NEcritRienEtLeDit) {
    std::vector<std::string> arguments = {"nouvelle-saison"};
    for (const std::string& a : GetParam().arguments)
        arguments.push_back(a.starts_with("@") ? Chemin(a.substr(1)) : a);
    const SortieCli s = Lancer(arguments);
    EXPECT_EQ(s.code, GetParam().code);
    EXPECT_EQ(s.err.substr(0, s.err.find('\n')), GetParam().message);
    EXPECT_FALSE(std::filesystem::exists(Chemin("nouveau.trm")));
    EXPECT_EQ(Lire(Chemin("ancien.trm")), ancien_);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, EchecNouvelleSaison,
    ::testing::Values(
        CasEchec{"compte_inconnu",
                 {"@ancien.trm", "@nouveau.trm", "--report", "999"},
                 1,
                 "Le compte \"999\" n'existe pas !"},
        CasEchec{"ancien_absent", {"@absent.trm", "@nouveau.trm"}, 1, "Fichier inexistant !"},
        CasEchec{"sur_lui_meme",
                 {"@ancien.trm", "@ancien.trm", "--force"},
                 1,
                 "Le nouvel exercice ne peut pas remplacer celui dont il part !"},
        CasEchec{"un_seul_fichier", {"@ancien.trm"}, 2, "Usage :"},
        CasEchec{"trois_fichiers", {"@ancien.trm", "@nouveau.trm", "@autre.trm"}, 2, "Usage :"},
        CasEchec{"intitule_sans_texte", {"@ancien.trm", "@nouveau.trm", "--intitule"}, 2, "Usage :"},
        CasEchec{"option_inconnue", {"@ancien.trm", "@nouveau.trm", "--rapport", "706"}, 2, "Usage :"}),
    [](const auto& info) { return std::string(info.param.nom); });

} // namespace
