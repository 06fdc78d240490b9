// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_document.h"
#include "outils_cli.h"
#include "outils_modele.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sys/wait.h>
#include <unistd.h>

using namespace tramonta;
using namespace tramonta::test;
namespace fs = std::filesystem;

namespace {

using Cli = TestCli;

TEST_F(Cli, DumpPuisCreateRedonneLeFichierOctetPourOctet) {
    TExercice e;
    RemplirDocument(e);
    const std::string original = Chemin("original.trm");
    ASSERT_TRUE(e.SaveToFile(original));

    const SortieCli dump = Lancer({"dump", original});
    ASSERT_EQ(dump.code, 0) << dump.err;
    { std::ofstream(Chemin("document.json"), std::ios::binary) << dump.out; }
    const SortieCli create = Lancer({"create", Chemin("document.json"), Chemin("copie.trm")});
    ASSERT_EQ(create.code, 0) << create.err;
    EXPECT_EQ(Lire(Chemin("copie.trm")), Lire(original));

    const auto j = nlohmann::json::parse(dump.out);
    EXPECT_EQ(j["Adherents"][0]["Prenom"], "Zoé");
    EXPECT_EQ(j["Comptabilite"]["Produits"][0]["Lignes"][0]["Automatique"], true);
    EXPECT_EQ(j["Comptabilite"]["CompteForfaitLecon"], "709");
    EXPECT_EQ(j["Agenda"][0]["Utilisateur"], "tresorier");
    EXPECT_EQ(j["Adherents"][0].size(), 30u);
    EXPECT_EQ(j["Correspondants"][0].size(), 11u);
}

struct CasEchec {
    const char* nom;
    std::string contenu; // empty: no file at all
    const char* message;
};

class EchecDump : public Cli, public testing::WithParamInterface<CasEchec> {};

TEST_P(EchecDump, DonneLeMessageDuDocumentEtLeCode1) {
    const std::string chemin = Chemin("fichier.trm");
    if (!GetParam().contenu.empty())
        std::ofstream(chemin, std::ios::binary) << GetParam().contenu;
    const SortieCli s = Lancer({"dump", chemin});
    EXPECT_EQ(s.code, 1);
    EXPECT_EQ(s.err, std::string(GetParam().message) + "\n");
    EXPECT_EQ(s.out, "");
}

INSTANTIATE_TEST_SUITE_P(Cas, EchecDump,
                         testing::Values(CasEchec{"absent", "", "Fichier inexistant !"},
                                         CasEchec{"coupe", std::string("\x02\x05\x06\x11Signature", 13),
                                                  "Impossible de lire l'exercice !"},
                                         CasEchec{"etranger", "%PDF-1.4", "Impossible de lire l'exercice !"}),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST_F(Cli, CreateGardeLesValeursInitialesDesClesAbsentes) {
    std::ofstream(Chemin("partiel.json")) << R"({"Intitule": "Été 2026", "Adherents": [{"Nom": "LEROY"}],
        "Comptabilite": {"Charges": [{"Article": "606", "Lignes": [{"Montant": 0.1}]}]}})";
    const SortieCli s = Lancer({"create", Chemin("partiel.json"), Chemin("partiel.trm")});
    ASSERT_EQ(s.code, 0) << s.err;
    TExercice e;
    ASSERT_TRUE(e.LoadFromFile(Chemin("partiel.trm")));
    EXPECT_EQ(e.Intitule(), "Été 2026");
    EXPECT_TRUE(e.Euro());
    EXPECT_EQ(e.Adherents().Adherent(0)->Sexe(), "M");
    EXPECT_EQ(e.Comptabilite().GetCompteCharge(0)->GetLigne(0)->Montant(), 0.1);
    EXPECT_EQ(e.Comptabilite().GetCompteCharge(0)->GetLigne(0)->Libelle(), "");
}

TEST_F(Cli, UneLigneSansDateEstDateeDuMomentDeLaCreation) {
    std::ofstream(Chemin("sans_date.json")) << R"({"Comptabilite": {"Produits": [{"Article": "706",
        "Lignes": [{"Libelle": "Cotisation", "Montant": 120}, {"Libelle": "Ancienne", "Date": 0}]}]}})";
    const TDateTime avant = Maintenant();
    const SortieCli s = Lancer({"create", Chemin("sans_date.json"), Chemin("sans_date.trm")});
    const TDateTime apres = Maintenant();
    ASSERT_EQ(s.code, 0) << s.err;
    TExercice e;
    ASSERT_TRUE(e.LoadFromFile(Chemin("sans_date.trm")));
    const TCompte& compte = *e.Comptabilite().GetCompteProduit(0);
    EXPECT_GE(compte.GetLigne(0)->Date(), avant);
    EXPECT_LE(compte.GetLigne(0)->Date(), apres);
    EXPECT_EQ(compte.GetLigne(1)->Date(), 0.0) << "an explicit 0 stays: no date given";
}

TEST_F(Cli, CreateRefuseUnJsonIncorrectSansEcrire) {
    for (const char* json :
         {"{", R"({"Adherents": [{"CodePostal": "64000"}]})",
          R"({"Adherents": [{"CodePostal": 4294967296}]})", R"({"Specialites": "Surf"})", "[]"}) {
        std::ofstream(Chemin("faux.json"), std::ios::trunc) << json;
        const SortieCli s = Lancer({"create", Chemin("faux.json"), Chemin("faux.trm")});
        EXPECT_EQ(s.code, 1) << json;
        EXPECT_FALSE(fs::exists(Chemin("faux.trm"))) << json;
    }
}

// The fault comes after parts that read well: none of them may stay.
TEST(Json, UnDocumentRefuseNeLaissePasDeSaisonAMoitieFaite) {
    for (const char* json : {
             R"({"Intitule": "Saison", "Adherents": [{"Nom": "Durand"}], "Agenda": [{"DateHeure": "hier"}]})",
             R"({"Specialites": ["Surf"], "Correspondants": [{"Nom": "Mairie"}], "Euro": 1})",
             R"({"Comptabilite": {"Charges": [{"Article": "606", "Lignes": [{"Montant": 5}]}],
                 "Produits": [{"Lignes": [{"Montant": "cinq"}]}]}})",
             R"({"Compets": [{"Intitule": "Open", "Categories": [{"Participants": [{"Nom": "A"}]},
                 {"Participants": [{"Nom": 3}]}]}]})",
         }) {
        TExercice e;
        EXPECT_ANY_THROW(JsonVersDocument(nlohmann::json::parse(json), e)) << json;
        EXPECT_EQ(DocumentVersJson(e), DocumentVersJson(TExercice())) << json;
    }
}

TEST_F(Cli, UsageIncorrectDonneLeCode2) {
    EXPECT_EQ(Lancer({}).code, 2);
    EXPECT_EQ(Lancer({"inconnu", "x"}).code, 2);
    EXPECT_EQ(Lancer({"dump"}).code, 2);
}

TEST(Json, LesReelsFontLAllerRetourExact) {
    const double valeurs[] = {0.1,
                              1.0 / 3,
                              46366.123456789,
                              -0.0,
                              5e-324,
                              1.7976931348623157e308,
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()};
    for (double v : valeurs) {
        TExercice e;
        auto a = std::make_unique<TAdherent>(&e.Adherents());
        // As a file would bring it: a setter would not store -0 over 0.
        a->ModifierChamps([v](const char* nom, auto& champ) {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(champ)>, double>)
                if (std::string_view(nom) == "MontantLicence")
                    champ = v;
        });
        e.Adherents().Add(std::move(a));
        const std::string texte = DocumentVersJson(e).dump();
        TExercice relu;
        JsonVersDocument(nlohmann::json::parse(texte), relu);
        const double lu = relu.Adherents().Adherent(0)->MontantLicence();
        if (std::isnan(v))
            EXPECT_TRUE(std::isnan(lu));
        else
            EXPECT_EQ(std::bit_cast<std::uint64_t>(lu), std::bit_cast<std::uint64_t>(v)) << texte;
    }
}

} // namespace
