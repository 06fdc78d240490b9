// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF export of the heat tables and of the participants lists, drawn by
// the printing routines, and the French errors of a wrong competition,
// category, heat or sheet.
#include "outils_cli.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tramonta;
using namespace tramonta::test;

namespace {

const std::string kSaison = std::string(TRAMONTA_EXEMPLES) + "/saison-demo.trm";
const std::string kCompet = "Championnat départemental";

class CliPdfCompets : public TestCli {
  protected:
    void SetUp() override {
        TestCli::SetUp();
        if (std::system("command -v pdftotext >/dev/null") != 0)
            GTEST_SKIP() << "pdftotext (poppler-utils) absent";
    }
    std::string Texte(const std::string& pdf) {
        const std::string sortie = Chemin("texte.txt");
        const std::string commande = "pdftotext " + Q(pdf) + " " + Q(sortie);
        EXPECT_EQ(std::system(commande.c_str()), 0);
        return Lire(sortie);
    }
    bool Contient(const std::string& texte, const std::string& morceau) {
        return texte.find(morceau) != std::string::npos;
    }
};

TEST_F(CliPdfCompets, TableauEntierSerieEtPage) {
    auto r = Lancer({"pdf", "tableau", kSaison, Chemin("t.pdf"), kCompet, "Benjamins"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::string texte = Texte(Chemin("t.pdf"));
    for (const char* attendu : {"Championnat départemental (", "Benjamins", "1/2 FINALE", "FINALE", "Couleur",
                                "Nom-Prénom", "Place", "BLEU", "NOIR"})
        EXPECT_TRUE(Contient(texte, attendu)) << attendu << "\n" << texte;

    r = Lancer({"pdf", "tableau", kSaison, Chemin("s.pdf"), kCompet, "benjamins", "--serie", "3"});
    ASSERT_EQ(r.code, 0) << r.err;
    texte = Texte(Chemin("s.pdf"));
    EXPECT_TRUE(Contient(texte, ") - Benjamins")) << texte;
    EXPECT_FALSE(Contient(texte, "1/2 FINALE")) << "the final alone";

    r = Lancer({"pdf", "tableau", kSaison, Chemin("p.pdf"), kCompet, "0", "--page", "1"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contient(Texte(Chemin("p.pdf")), "1/2 FINALE"));
}

TEST_F(CliPdfCompets, ParticipantsDUneOuDeToutesLesCategories) {
    auto r = Lancer({"pdf", "participants", kSaison, Chemin("l.pdf"), kCompet});
    ASSERT_EQ(r.code, 0) << r.err;
    std::string texte = Texte(Chemin("l.pdf"));
    for (const char* attendu : {"Liste des participants", "Benjamins", "Minimes", "Ondines", "1 - "})
        EXPECT_TRUE(Contient(texte, attendu)) << attendu << "\n" << texte;

    r = Lancer({"pdf", "participants", kSaison, Chemin("m.pdf"), kCompet, "--categorie", "Minimes"});
    ASSERT_EQ(r.code, 0) << r.err;
    texte = Texte(Chemin("m.pdf"));
    EXPECT_TRUE(Contient(texte, "Minimes"));
    EXPECT_FALSE(Contient(texte, "Benjamins"));
}

struct CasErreur {
    std::vector<std::string> arguments; // after the output file
    const char* genre;
    int code;
    const char* message; // empty for the usage
};

class CliPdfCompetsErreurs : public CliPdfCompets, public testing::WithParamInterface<CasErreur> {};

TEST_P(CliPdfCompetsErreurs, SortentAvecUnMessage) {
    const CasErreur& cas = GetParam();
    std::vector<std::string> arguments = {"pdf", cas.genre, kSaison, Chemin("sortie.pdf")};
    arguments.insert(arguments.end(), cas.arguments.begin(), cas.arguments.end());
    const auto r = Lancer(arguments);
    EXPECT_EQ(r.code, cas.code);
    EXPECT_NE(r.err.find(*cas.message ? cas.message : "Usage"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliPdfCompetsErreurs,
    testing::Values(CasErreur{{"Absente", "Open"}, "tableau", 1, "Compétition \"Absente\" inexistante !"},
                    CasErreur{{kCompet, "Seniors"}, "tableau", 1, "Catégorie \"Seniors\" inexistante !"},
                    CasErreur{{kCompet, "Open", "--serie", "8"}, "tableau", 1, "Série 8 inexistante !"},
                    CasErreur{{kCompet, "Open", "--page", "2"}, "tableau", 1, "Page 2 inexistante !"},
                    CasErreur{{kCompet, "Open", "--serie", "x"}, "tableau", 2, ""},
                    CasErreur{{kCompet}, "tableau", 2, ""},
                    CasErreur{{kCompet, "--categorie", "Aucune"},
                              "participants",
                              1,
                              "Catégorie \"Aucune\" inexistante !"},
                    CasErreur{{kCompet, "--trop", "x"}, "participants", 2, ""}));

} // namespace
