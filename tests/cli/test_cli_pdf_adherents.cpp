// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF export of the member side: the sheets and the query list as real
// text, and the French errors of a wrong member, correspondent or option.
#include "outils_cli.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tramonta::test;

namespace {

const std::string kSaison = std::string(TRAMONTA_EXEMPLES) + "/saison-demo.trm";

class CliPdfAdherents : public TestCli {
  protected:
    void SetUp() override {
        TestCli::SetUp();
        if (std::system("command -v pdftotext >/dev/null") != 0)
            GTEST_SKIP() << "pdftotext (poppler-utils) absent";
    }
    std::string Texte(const std::string& pdf) {
        const std::string sortie = Chemin("texte.txt");
        EXPECT_EQ(std::system(("pdftotext -layout " + Q(pdf) + " " + Q(sortie)).c_str()), 0);
        return Lire(sortie);
    }
    // Where each text is found, in order; npos for a missing one.
    static std::vector<std::size_t> Positions(const std::string& texte, std::vector<std::string> attendus) {
        std::vector<std::size_t> positions;
        for (const auto& a : attendus)
            positions.push_back(texte.find(a));
        return positions;
    }
};

TEST_F(CliPdfAdherents, LaFicheDUnAdherentPorteSonEnteteEtSonAdresse) {
    // Names typed in another case are found as the sheet finds them.
    const auto r = Lancer({"pdf", "adherent", kSaison, Chemin("a.pdf"), "IRIBARNE", "xabi"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string texte = Texte(Chemin("a.pdf"));
    for (const char* attendu :
         {"Tramonta - Saison 2026 - Fiche adhérent", "Etat civil", "Iribarne", "18 rue du Phare",
          "Résidence Les Dunes", "Code postal :", "F.F.S.", "médical fourni", "Licence compétition",
          "Montant licence :", "95.00", "Club", "Forfait leçon :"})
        EXPECT_NE(texte.find(attendu), std::string::npos) << attendu << "\n" << texte;
    // The two address lines come one under the other, before the postal code.
    const auto p = Positions(texte, {"Adresse :", "Résidence Les Dunes", "Code postal :"});
    EXPECT_LT(p[0], p[1]);
    EXPECT_LT(p[1], p[2]);
}

TEST_F(CliPdfAdherents, LaFicheDUnCorrespondantNImprimePasSesNotes) {
    const auto r =
        Lancer({"pdf", "correspondant", kSaison, Chemin("c.pdf"), "mairie d'anglet - service des sports"});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string texte = Texte(Chemin("c.pdf"));
    for (const char* attendu :
         {"Tramonta - Saison 2026 - Fiche correspondant", "Général", "Hôtel de ville", "5 rue Amédée Dufourg",
          "Spécialité :", "Mairie", "sports@example.org", "www.example.org/sports"})
        EXPECT_NE(texte.find(attendu), std::string::npos) << attendu << "\n" << texte;
    EXPECT_EQ(texte.find("Convention"), std::string::npos);
}

TEST_F(CliPdfAdherents, LaRequeteListeLesAdherentsTriesSousSaDescription) {
    const auto r = Lancer({"pdf", "requete", kSaison, Chemin("r.pdf"), "--licence", "compétition"});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string texte = Texte(Chemin("r.pdf"));
    const auto p = Positions(texte, {"Requête sur les adhérents",
                                     "Les adhérents qui ont une licence 'Compétition'", "Aguerre Léa",
                                     "Bidart Manon", "Inchauspé Ethan", "Iribarne Xabi", "Ospital Manex"});
    for (std::size_t i = 0; i < p.size(); ++i) {
        ASSERT_NE(p[i], std::string::npos) << i << "\n" << texte;
        if (i) {
            EXPECT_LT(p[i - 1], p[i]) << i;
        }
    }
    // A manager who also holds a competition licence counts as a manager.
    EXPECT_EQ(texte.find("Etcheverry"), std::string::npos);
}

TEST_F(CliPdfAdherents, SansOptionLaRequeteDonneTousLesAdherents) {
    const auto r = Lancer({"pdf", "requete", kSaison, Chemin("r.pdf")});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string texte = Texte(Chemin("r.pdf"));
    for (const char* attendu : {"Tous les adhérents", "Aguerre Léa", "Petrissans Elorri", "Narbaitz Iban"})
        EXPECT_NE(texte.find(attendu), std::string::npos) << attendu << "\n" << texte;
}

TEST_F(CliPdfAdherents, LesChampsDemandesSuiventLesNoms) {
    const auto r = Lancer(
        {"pdf", "requete", kSaison, Chemin("r.pdf"), "--champs", "ville,Tel1", "--licence", "Compétition"});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string texte = Texte(Chemin("r.pdf"));
    EXPECT_NE(texte.find("Iribarne Xabi - Ville : Biarritz - Tél. 1 : 05-59-90-61-56"), std::string::npos)
        << texte;
}

TEST_F(CliPdfAdherents, UneRequeteSansPersonneLeDit) {
    // Every member of the demonstration season has paid the licence.
    const auto r = Lancer({"pdf", "requete", kSaison, Chemin("r.pdf"), "--impayes", "licence"});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string texte = Texte(Chemin("r.pdf"));
    EXPECT_NE(texte.find("Les adhérents qui n'ont pas payé la licence"), std::string::npos) << texte;
    EXPECT_NE(texte.find("Aucun adhérent ne correspond à la requête..."), std::string::npos) << texte;
}

struct CasErreur {
    std::vector<std::string> arguments; // after the output file
    const char* genre;
    int code;
    const char* message; // on standard error; empty for the usage
    bool fichierAbsent = false;
};

class CliPdfAdherentsErreurs : public TestCli, public testing::WithParamInterface<CasErreur> {};

TEST_P(CliPdfAdherentsErreurs, SortentAvecUnMessage) {
    const CasErreur& cas = GetParam();
    std::vector<std::string> arguments = {
        "pdf", cas.genre, cas.fichierAbsent ? Chemin("absent.trm") : kSaison, Chemin("sortie.pdf")};
    arguments.insert(arguments.end(), cas.arguments.begin(), cas.arguments.end());
    const auto r = Lancer(arguments);
    EXPECT_EQ(r.code, cas.code) << r.err;
    if (*cas.message)
        EXPECT_NE(r.err.find(cas.message), std::string::npos) << r.err;
    else
        EXPECT_NE(r.err.find("Usage"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliPdfAdherentsErreurs,
    testing::Values(CasErreur{{"Iribarne", "Xabi"}, "adherent", 1, "Fichier inexistant !", true},
                    CasErreur{{"Iribarne", "Paul"}, "adherent", 1, "Adhérent \"Iribarne Paul\" inexistant !"},
                    CasErreur{{"Iribarne"}, "adherent", 2, ""},
                    CasErreur{{"Surf Shop"}, "correspondant", 1, "Correspondant \"Surf Shop\" inexistant !"},
                    CasErreur{{}, "correspondant", 2, ""},
                    CasErreur{{"--impayes", "cotisation"}, "requete", 1, "Somme \"cotisation\" inconnue"},
                    CasErreur{{"--categorie", "Senior"}, "requete", 1, "Catégorie \"Senior\" inexistante !"},
                    CasErreur{{"--licence", "Pro"}, "requete", 1, "Type de licence \"Pro\" inexistant"},
                    CasErreur{{"--licence"}, "requete", 2, ""},
                    CasErreur{{"--categorie", "Open", "--licence", "Loisir"}, "requete", 2, ""},
                    CasErreur{{"--tous"}, "requete", 2, ""},
                    CasErreur{{"--champs", "Ville,Age"}, "requete", 1, "Champ \"Age\" inconnu !"},
                    CasErreur{{"--licence", "Loisir", "--champs"}, "requete", 2, ""}));

} // namespace
