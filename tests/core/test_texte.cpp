// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texte.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace tramonta;

namespace {

TEST(Windows1252, ChacunDes256OctetsFaitLAllerRetour) {
    std::string tous;
    for (int i = 0; i < 256; ++i)
        tous.push_back(static_cast<char>(i));
    const std::string utf8 = Cp1252VersUtf8(tous);
    EXPECT_EQ(Utf8VersCp1252(utf8), tous);
}

struct CasCaractere {
    unsigned char octet;
    const char* utf8;
};

class Caractere : public testing::TestWithParam<CasCaractere> {};

TEST_P(Caractere, SeConvertitDansLesDeuxSens) {
    const std::string octet(1, static_cast<char>(GetParam().octet));
    EXPECT_EQ(Cp1252VersUtf8(octet), GetParam().utf8);
    EXPECT_EQ(Utf8VersCp1252(GetParam().utf8), octet);
}

INSTANTIATE_TEST_SUITE_P(Table, Caractere,
                         testing::Values(CasCaractere{0xE9, "é"}, CasCaractere{0x80, "€"},
                                         CasCaractere{0x9C, "œ"}, CasCaractere{0x92, "’"},
                                         CasCaractere{0xA0, "\u00A0"}, CasCaractere{0xFF, "ÿ"},
                                         // The undefined bytes are the C1 controls of the same value.
                                         CasCaractere{0x81, "\u0081"}, CasCaractere{0x8D, "\u008D"},
                                         CasCaractere{0x8F, "\u008F"}, CasCaractere{0x90, "\u0090"},
                                         CasCaractere{0x9D, "\u009D"}));

struct CasInconvertible {
    const char* utf8;
    const char* octets;
};

class Inconvertible : public testing::TestWithParam<CasInconvertible> {};

TEST_P(Inconvertible, DevientUnPointDInterrogation) {
    EXPECT_EQ(Utf8VersCp1252(GetParam().utf8), GetParam().octets);
}

INSTANTIATE_TEST_SUITE_P(Table, Inconvertible,
                         testing::Values(CasInconvertible{"→", "?"}, CasInconvertible{"a🏄b", "a?b"},
                                         CasInconvertible{"\u0080",
                                                          "?"}, // a C1 control that 0x80 does not hold
                                         CasInconvertible{"\xC3", "?"},             // cut sequence
                                         CasInconvertible{"\xC0\xAF", "??"},        // overlong form
                                         CasInconvertible{"\xED\xA0\x80", "???"})); // surrogate

struct CasEnregistrable {
    const char* texte;
    bool enregistrable;
    std::vector<std::string> caracteres;
    const char* proche;
};

class Enregistrable : public testing::TestWithParam<CasEnregistrable> {};

// What the season file (Windows-1252) can hold, what it cannot, and the
// nearest form offered instead, which it can always hold.
TEST_P(Enregistrable, DitLesCaracteresEtLaFormeProche) {
    const CasEnregistrable& cas = GetParam();
    EXPECT_EQ(TexteEnregistrable(cas.texte), cas.enregistrable);
    EXPECT_EQ(CaracteresNonEnregistrables(cas.texte), cas.caracteres);
    const std::string proche = FormeEnregistrable(cas.texte);
    EXPECT_EQ(proche, cas.proche);
    EXPECT_TRUE(TexteEnregistrable(proche)) << proche;
    EXPECT_EQ(Cp1252VersUtf8(Utf8VersCp1252(proche)), proche);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Enregistrable,
    testing::Values(CasEnregistrable{"Élodie Œuvray – 12 €", true, {}, "Élodie Œuvray – 12 €"},
                    CasEnregistrable{"", true, {}, ""},
                    // The no-break space has its byte (0xA0): it stays.
                    CasEnregistrable{"1\u00A0234", true, {}, "1\u00A0234"},
                    CasEnregistrable{"Łukasz", false, {"Ł"}, "Lukasz"},
                    CasEnregistrable{"Nguyễn", false, {"ễ"}, "Nguyen"},
                    CasEnregistrable{"1\u202F234,50\u202F€", false, {"\u202F"}, "1 234,50 €"},
                    CasEnregistrable{"Dvořák Łódź", false, {"ř", "Ł", "ź"}, "Dvorák Lódz"},
                    // Decomposed accents, as some systems write them: composed where the
                    // code page has the letter, the letter alone otherwise.
                    CasEnregistrable{"Ze\u0301lie", false, {"\u25CC\u0301"}, "Zélie"},
                    CasEnregistrable{"e\u0302\u0303", false, {"\u25CC\u0302", "\u25CC\u0303"}, "e"},
                    CasEnregistrable{"ﬁn Ａ\u200B", false, {"ﬁ", "Ａ", "\u200B"}, "fin A"},
                    CasEnregistrable{"a→b🏄", false, {"→", "🏄"}, "a?b?"},
                    CasEnregistrable{"\xC3(", false, {"\uFFFD"}, "?("},
                    CasEnregistrable{"‐‑−", false, {"‐", "‑", "−"}, "---"}));

TEST(TexteCourt, CoupeAuCaractereEtLeDit) {
    EXPECT_EQ(TexteCourt("Élodie", 3), "Élo…");
    EXPECT_EQ(TexteCourt("Élo", 3), "Élo");
    EXPECT_EQ(TexteCourt("", 3), "");
}

struct CasComparaison {
    const char* a;
    const char* b;
    bool ascii;
    bool sansCasse;
};

class Comparaison : public testing::TestWithParam<CasComparaison> {};

TEST_P(Comparaison, SuitSaRegle) {
    EXPECT_EQ(MemeTexteAscii(GetParam().a, GetParam().b), GetParam().ascii);
    EXPECT_EQ(MemeTexteSansCasse(GetParam().a, GetParam().b), GetParam().sansCasse);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Comparaison,
    testing::Values(CasComparaison{"DUPONT", "Dupont", true, true}, CasComparaison{"A12", "a12", true, true},
                    CasComparaison{"Élodie", "élodie", false, true},
                    CasComparaison{"ELODIE", "élodie", false, false},
                    CasComparaison{"Œuvre", "œuvre", false, true}, CasComparaison{"surf", "Surf", true, true},
                    CasComparaison{"Surf", "Surfs", false, false}, CasComparaison{"", "", true, true},
                    CasComparaison{"[", "{", false, false}));

struct CasOrdre {
    const char* avant;
    const char* apres;
};

class OrdreSansCasse : public testing::TestWithParam<CasOrdre> {};

TEST_P(OrdreSansCasse, RangeLePremierAvantLeSecond) {
    EXPECT_LT(ComparerSansCasse(GetParam().avant, GetParam().apres), 0);
    EXPECT_GT(ComparerSansCasse(GetParam().apres, GetParam().avant), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, OrdreSansCasse,
                         testing::Values(CasOrdre{"abel", "BERNARD"}, CasOrdre{"Bernard", "bernardin"},
                                         // An accented letter sorts among its plain letter, not after z.
                                         CasOrdre{"Émile", "Fabre"}, CasOrdre{"Dupont", "Élodie"},
                                         CasOrdre{"Elodie", "éloi"},
                                         // Accents break the tie of otherwise equal words.
                                         CasOrdre{"Leger", "Léger"},
                                         // Hyphens and apostrophes do not count, except between equals.
                                         CasOrdre{"Dar", "D'Arcy"}, CasOrdre{"D'Arcy", "Das"},
                                         CasOrdre{"Jean Paul", "Jean-Marc"}, CasOrdre{"Lemaire", "Le-Maire"},
                                         CasOrdre{"Oeuf", "Œuvre"}, CasOrdre{"", "a"},
                                         CasOrdre{"1 rue", "A"}));

TEST(OrdreSansCasse, IgnoreLaCasseDeToutesLesLettres) {
    EXPECT_EQ(ComparerSansCasse("DUPONT Zoé", "dupont ZOÉ"), 0);
    EXPECT_EQ(ComparerSansCasse("Œuvre", "œuvre"), 0);
    EXPECT_EQ(ComparerSansCasse("", ""), 0);
}

TEST(TexteSansAccents, PlieCasseEtAccentsPourLaRecherche) {
    const std::pair<const char*, const char*> cas[] = {
        {"École", "ecole"},
        {"ÉLISSALDE", "elissalde"},
        {"Œuvre", "oeuvre"},
        {"Straße", "strasse"},
        {"Çà et là", "ca et la"},
        {"64200", "64200"},
        {"D'Arcy-Ñ", "d'arcy-n"},
        {"", ""},
        // Outside Windows-1252: kept as it is, never dropped.
        {"Ż", "Ż"},
    };
    for (const auto& [texte, attendu] : cas)
        EXPECT_EQ(TexteSansAccents(texte), attendu) << texte;
}

TEST(Formater, RemplaceChaquePourcentSDansLOrdre) {
    EXPECT_EQ(Formater("Licence de %s %s", {"DUPONT", "Zoé"}), "Licence de DUPONT Zoé");
    EXPECT_EQ(Formater("100 %", {}), "100 %");
    EXPECT_EQ(Formater("%s et %s", {"un"}), "un et %s");
    EXPECT_EQ(Formater("%s", {"%s"}), "%s");
}

} // namespace
