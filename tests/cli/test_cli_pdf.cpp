// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF export of the accounting reports: real text drawn by the printing
// routines, and the French errors of a wrong file, account or date.
#include "model/exercice.h"
#include "outils_cli.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace tramonta;
using namespace tramonta::test;

namespace {

const std::string kSaison = std::string(TRAMONTA_EXEMPLES) + "/saison-demo.trm";

class CliPdf : public TestCli {
  protected:
    // The PDF's text as pdftotext reads it.
    std::string Texte(const std::string& pdf) {
        const std::string sortie = Chemin("texte.txt");
        const std::string commande = "pdftotext -layout " + Q(pdf) + " " + Q(sortie);
        EXPECT_EQ(std::system(commande.c_str()), 0);
        return Lire(sortie);
    }
};

TEST_F(CliPdf, LeBilanDeLaSaisonEstDuTexte) {
    if (std::system("command -v pdftotext >/dev/null") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) absent";
    const auto r = Lancer({"pdf", "bilan", kSaison, Chemin("bilan.pdf")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string texte = Texte(Chemin("bilan.pdf"));
    for (const char* attendu : {"Compte d'exploitation de l'exercice Saison 2026", "TOTAL CHARGES",
                                "8940.90 €", "EXCEDENT DE CLOTURE", "1801.60 €", "Achats de matériel"})
        EXPECT_NE(texte.find(attendu), std::string::npos) << attendu << "\n" << texte;
}

TEST_F(CliPdf, LesMouvementsEtLesDepotsSuiventLeursOptions) {
    if (std::system("command -v pdftotext >/dev/null") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) absent";
    auto r = Lancer({"pdf", "mouvements", kSaison, Chemin("m.pdf"), "--du", "01/01/2026", "--au",
                     "31/12/2026", "--compte", "606"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::string texte = Texte(Chemin("m.pdf"));
    EXPECT_NE(texte.find("• Mouvements du compte \"606\" entre 01/01/2026 et 31/12/2026"), std::string::npos)
        << texte;
    EXPECT_EQ(texte.find("\"706\""), std::string::npos);

    r = Lancer({"pdf", "depots", kSaison, Chemin("d.pdf"), "--du", "01/01/2026", "--au", "31/12/2026",
                "--edition", "15/06/2026"});
    ASSERT_EQ(r.code, 0) << r.err;
    texte = Texte(Chemin("d.pdf"));
    EXPECT_NE(texte.find("Chèques de 01/01/2026 au 31/12/2026"), std::string::npos) << texte;
    EXPECT_NE(texte.find("Edition du 15/06/2026\n"), std::string::npos) << texte;
    EXPECT_EQ(texte.find(" n°"), std::string::npos);
    EXPECT_NE(texte.find("• TOTAL"), std::string::npos);
}

// The season itself for the output, or a read-only output: nothing written.
TEST_F(CliPdf, UneSortieQuiEstLExerciceOuEnLectureSeuleEstRefusee) {
    const std::string saison = Chemin("saison.trm"), seul = Chemin("seul.pdf");
    std::filesystem::copy_file(kSaison, saison);
    const std::string avant = Lire(saison);
    auto r = Lancer({"pdf", "bilan", saison, saison});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err,
              "Le fichier de sortie \"" + saison + "\" est l'exercice lui-même : choisissez un autre nom.\n");
    EXPECT_EQ(Lire(saison), avant);
    { std::ofstream(seul) << "ancien"; }
    std::filesystem::permissions(seul, std::filesystem::perms::owner_read);
    r = Lancer({"pdf", "bilan", saison, seul});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("est en lecture seule ou vous n'avez pas le droit d'y écrire"), std::string::npos)
        << r.err;
    EXPECT_EQ(Lire(seul), "ancien");
}

struct CasErreur {
    std::vector<std::string> options; // after "pdf", the kind, the file and the output
    const char* genre;
    int code;
    const char* message; // on standard error; empty for the usage
};

class CliPdfErreurs : public CliPdf, public testing::WithParamInterface<CasErreur> {};

TEST_P(CliPdfErreurs, SortentAvecUnMessage) {
    const CasErreur& cas = GetParam();
    std::vector<std::string> arguments = {
        "pdf", cas.genre, cas.code == 1 && cas.options.empty() ? Chemin("absent.trm") : kSaison,
        Chemin("sortie.pdf")};
    arguments.insert(arguments.end(), cas.options.begin(), cas.options.end());
    const auto r = Lancer(arguments);
    EXPECT_EQ(r.code, cas.code);
    if (*cas.message)
        EXPECT_NE(r.err.find(cas.message), std::string::npos) << r.err;
    else
        EXPECT_NE(r.err.find("Usage"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliPdfErreurs,
    testing::Values(CasErreur{{}, "bilan", 1, "Fichier inexistant !"},
                    CasErreur{{"--compte", "999"}, "mouvements", 1, "Compte \"999\" inexistant !"},
                    CasErreur{{"--du", "01/01/2026", "--au", "01/02/2026", "--compte", "606"},
                              "depots",
                              1,
                              "Compte produit \"606\" inexistant !"},
                    CasErreur{{"--du", "31/02/2026", "--au", "01/03/2026"},
                              "mouvements",
                              1,
                              "Date incorrecte : \"31/02/2026\""},
                    CasErreur{{"--du", "01/01/2026", "--au", "01/02/2026", "--edition", "hier"},
                              "depots",
                              1,
                              "Date incorrecte : \"hier\""},
                    CasErreur{{"--du", "01/01/2026"}, "mouvements", 2, ""},
                    CasErreur{{"--charges", "--produits"}, "mouvements", 2, ""},
                    CasErreur{{"--du", "01/01/2026"}, "depots", 2, ""}, CasErreur{{"--trop"}, "bilan", 2, ""},
                    CasErreur{{}, "inconnu", 2, ""}));

} // namespace
