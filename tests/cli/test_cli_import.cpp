// SPDX-License-Identifier: GPL-3.0-or-later
// tramonta-cli import adherents: members from a CSV file into a season file.
#include "outils_cli.h"
#include "outils_modele.h"

#include "core/texte.h"
#include "core/verrou.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

using namespace tramonta;
using namespace tramonta::test;

namespace {

class CliImport : public TestCli {
  protected:
    void SetUp() override {
        TestCli::SetUp();
        TExercice e;
        e.SetIntitule("Saison 2026");
        auto a = std::make_unique<TAdherent>(&e.Adherents());
        a->SetNom("MARTIN");
        a->SetPrenom("Léa");
        e.Adherents().Add(std::move(a));
        ASSERT_TRUE(e.SaveToFile(Chemin("saison.trm")));
        avant_ = Lire(Chemin("saison.trm"));
    }
    void Ecrire(const std::string& nom, const std::string& contenu) {
        std::ofstream f(Chemin(nom), std::ios::binary);
        f << contenu;
    }
    std::string avant_;
};

TEST_F(CliImport, AjouteLesAdherentsEcritLeDocumentEtSonJournal) {
    Ecrire("entree.csv", "\xEF\xBB\xBFNom;Prénom;Ville;Pointure\r\n"
                         "DURAND;Élodie;\"Hossegor; Landes\";38\r\n"
                         "MARTIN;Léa;Seignosse;40\r\n"
                         "DUPONT;Paul;Capbreton;44\r\n");
    const SortieCli s = Lancer({"import", "adherents", Chemin("saison.trm"), Chemin("entree.csv")});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.err, "");
    EXPECT_EQ(s.out, "Ligne 3 : impossible d'importer l'adhérent \"MARTIN Léa\" ! Cet adhérent existe déjà.\n"
                     "Import terminé : 2 adhérents ajoutés, 1 ignoré.\n");

    TExercice e;
    ASSERT_TRUE(e.LoadFromFile(Chemin("saison.trm")));
    EXPECT_EQ(e.Intitule(), "Saison 2026");
    ASSERT_EQ(e.Adherents().Count(), 3);
    EXPECT_EQ(e.Adherents().Adherent(1)->Prenom(), "Élodie");
    EXPECT_EQ(e.Adherents().Adherent(1)->Ville(), "Hossegor; Landes");
    EXPECT_EQ(e.Adherents().Adherent(2)->Nom(), "DUPONT");
    ASSERT_EQ(e.Agenda().Count(), 1);
    EXPECT_EQ(e.Agenda().Ligne(0)->Texte(), "Import CSV de \"entree.csv\" : 2 adhérents ajoutés, 1 ignoré");
}

struct CasRefus {
    const char* nom;
    const char* csv; // nullptr: no CSV file
    const char* document;
    const char* erreur; // "%s" stands for the folder of the test
};

void PrintTo(const CasRefus& c, std::ostream* os) {
    *os << c.nom;
}

class CliImportRefuse : public CliImport, public testing::WithParamInterface<CasRefus> {};

TEST_P(CliImportRefuse, NeToucheAuDocumentNiAuDisque) {
    const CasRefus& cas = GetParam();
    if (cas.csv)
        Ecrire("entree.csv", cas.csv);
    const SortieCli s = Lancer({"import", "adherents", Chemin(cas.document), Chemin("entree.csv")});
    EXPECT_EQ(s.code, 1);
    EXPECT_EQ(s.out, "");
    EXPECT_EQ(s.err, Formater(cas.erreur, {dossier_.string()}));
    EXPECT_EQ(Lire(Chemin("saison.trm")), avant_);
    EXPECT_FALSE(std::filesystem::exists(Chemin("absent.trm")));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliImportRefuse,
    testing::Values(
        CasRefus{"sans_colonne_nom", "Prénom;Ville\r\nJean;Hossegor\r\n", "saison.trm",
                 "Le fichier ne contient pas de colonne « Nom ».\n"},
        CasRefus{"csv_absent", nullptr, "saison.trm", "Le fichier \"%s/entree.csv\" est introuvable.\n"},
        CasRefus{"csv_coupe", "Nom;Prénom\r\n\"DURAND;Jean\r\n", "saison.trm",
                 "Le fichier s'arrête au milieu d'un champ entre guillemets commencé à la ligne 2.\n"},
        CasRefus{"document_absent", "Nom\r\nDURAND\r\n", "absent.trm", "Fichier inexistant !\n"},
        CasRefus{"document_illisible", "Nom\r\nDURAND\r\n", "entree.csv",
                 "Impossible de lire l'exercice !\n"}),
    [](const testing::TestParamInfo<CasRefus>& info) { return std::string(info.param.nom); });

TEST_F(CliImport, RefuseUnDocumentOuvertAilleurs) {
    Ecrire("entree.csv", "Nom\r\nDURAND\r\n");
    TInfosVerrou infos;
    infos.utilisateur = "secretaire";
    infos.machine = "poste-du-club";
    infos.date = "10.12.2026 14:05";
    Ecrire(std::filesystem::path(CheminVerrou(Chemin("saison.trm"))).filename().string(),
           FormerVerrou(infos));
    const SortieCli s = Lancer({"import", "adherents", Chemin("saison.trm"), Chemin("entree.csv")});
    EXPECT_EQ(s.code, 1);
    EXPECT_EQ(s.err,
              "Le fichier \"" + Chemin("saison.trm") +
                  "\" est ouvert par secretaire depuis le 10/12/2026 14:05 : fermez-le avant d'y importer "
                  "des adhérents.\n");
    EXPECT_EQ(Lire(Chemin("saison.trm")), avant_);
}

// What "export adherents" writes, "import adherents" brings into an empty
// season: the same members, except their postings, which the file does not hold.
TEST_F(CliImport, UnExportReimporteDonneLesMemesAdherents) {
    {
        TExercice e;
        for (int n = 0; n < 2; ++n) {
            auto a = std::make_unique<TAdherent>(&e.Adherents());
            a->SetNom("D'ÉSQUERRÉ; \"le Grand\" " + std::to_string(n));
            a->SetPrenom("Zoé\nMarie");
            a->SetSexe("F");
            a->SetDateNaissance(EncodeDate(2010 + n, 2, 28));
            a->SetAdresse("1 rue des Dunes\r\nBât. « B »; esc. 2");
            a->SetCodePostal(6000);
            a->SetVille("Capbreton");
            a->SetNumeroLicence("FFS-42");
            a->SetCertificatMedical(true);
            a->SetClassement(7);
            a->SetMontantLicence(1234.56);
            a->SetForfaitLecon(0.1);
            a->SetInformationsComplementaires("\"Allergie\"; pollen\r\n\r\nfin");
            a->SetLicenceEnCompta(true);
            a->SetArticleLicence("706");
            e.Adherents().Add(std::move(a));
        }
        ASSERT_TRUE(e.SaveToFile(Chemin("source.trm")));
        TExercice vide;
        ASSERT_TRUE(vide.SaveToFile(Chemin("vide.trm")));
    }
    SortieCli s = Lancer({"export", "adherents", Chemin("source.trm"), Chemin("adherents.csv")});
    ASSERT_EQ(s.code, 0) << s.err;
    s = Lancer({"import", "adherents", Chemin("vide.trm"), Chemin("adherents.csv")});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, "Import terminé : 2 adhérents ajoutés, 0 ignoré.\n");

    const auto dump = [&](const char* nom) {
        const SortieCli d = Lancer({"dump", Chemin(nom)});
        EXPECT_EQ(d.code, 0) << d.err;
        return nlohmann::json::parse(d.out)["Adherents"];
    };
    nlohmann::json attendu = dump("source.trm");
    for (auto& a : attendu) {
        a["LicenceEnCompta"] = false;
        a["ArticleLicence"] = "";
    }
    EXPECT_EQ(dump("vide.trm"), attendu);
}

TEST_F(CliImport, MauvaisUsage) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"import"},
          {"import", "adherents", Chemin("saison.trm")},
          {"import", "correspondants", Chemin("saison.trm"), Chemin("entree.csv")}}) {
        const SortieCli s = Lancer(arguments);
        EXPECT_EQ(s.code, 2);
        EXPECT_NE(s.err.find("tramonta-cli import adherents FICHIER.trm ENTREE.csv"), std::string::npos);
    }
    EXPECT_EQ(Lire(Chemin("saison.trm")), avant_);
}

} // namespace
