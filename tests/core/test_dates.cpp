// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dates.h"
#include "core/monnaie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tramonta;

namespace {

struct CasDate {
    int annee, mois, jour;
    double numero;
};

class Date : public testing::TestWithParam<CasDate> {};

TEST_P(Date, LeNumeroDuJourCompteDepuisLe30Decembre1899) {
    const auto& c = GetParam();
    EXPECT_EQ(EncodeDate(c.annee, c.mois, c.jour), c.numero);
    // Before 1899 the time of day is counted away from zero, as the day part is truncated.
    const DateCivile d = DecodeDate(c.numero + (c.numero < 0 ? -0.75 : 0.75));
    EXPECT_EQ(d.annee, c.annee);
    EXPECT_EQ(d.mois, c.mois);
    EXPECT_EQ(d.jour, c.jour);
}

INSTANTIATE_TEST_SUITE_P(Table, Date,
                         testing::Values(CasDate{1899, 12, 30, 0}, CasDate{1899, 12, 31, 1},
                                         CasDate{1900, 3, 1, 61}, CasDate{2000, 2, 29, 36585},
                                         CasDate{2026, 12, 10, 46366}, CasDate{1, 1, 1, -693593},
                                         CasDate{9999, 12, 31, 2958465}));

TEST(Date, LesTextesSontJourMoisAnnee) {
    const double d = EncodeDate(2026, 1, 31) + (14 * 3600 + 5 * 60 + 9) / 86400.0;
    EXPECT_EQ(DateVersTexte(d), "31/01/2026");
    EXPECT_EQ(DateHeureVersTexte(d), "31/01/2026 14:05:09");
    EXPECT_EQ(DateVersTexte(0), "30/12/1899");
}

TEST(Date, UneValeurAbsurdeNeCassePasLAffichage) {
    for (double v :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300, -1e300})
        EXPECT_EQ(DateHeureVersTexte(v), "30/12/1899 00:00:00");
}

struct CasSaisie {
    const char* texte;
    double attendu;
};

class Saisie : public testing::TestWithParam<CasSaisie> {};

TEST_P(Saisie, SeLitParPosition) {
    EXPECT_EQ(TexteVersDate(GetParam().texte), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Table, Saisie,
                         testing::Values(CasSaisie{"31/01/2026", 46053}, CasSaisie{"29/02/2024", 45351},
                                         CasSaisie{"29/02/2025", 0}, CasSaisie{"31/04/2026", 0},
                                         CasSaisie{"__/__/____", 0}, CasSaisie{"1/1/2026", 0},
                                         CasSaisie{"", 0}, CasSaisie{"00/01/2026", 0},
                                         CasSaisie{"01/13/2026", 0}));

TEST(Horloge, LesTestsPeuventFixerAujourdhui) {
    const auto ancienne = DefinirHorloge([] { return EncodeDate(2026, 12, 10) + 0.5; });
    EXPECT_EQ(Aujourdhui(), EncodeDate(2026, 12, 10));
    EXPECT_EQ(Maintenant(), EncodeDate(2026, 12, 10) + 0.5);
    DefinirHorloge(ancienne);
    EXPECT_GT(Maintenant(), EncodeDate(2020, 1, 1));
}

struct CasMontant {
    double valeur;
    const char* texte;
};

class Montant : public testing::TestWithParam<CasMontant> {};

TEST_P(Montant, SAfficheAvecDeuxDecimalesEtUnPoint) {
    EXPECT_EQ(ReelVersTexte(GetParam().valeur), GetParam().texte);
}

INSTANTIATE_TEST_SUITE_P(Table, Montant,
                         testing::Values(CasMontant{0, "0.00"}, CasMontant{25.5, "25.50"},
                                         CasMontant{-12.345, "-12.35"}, CasMontant{-0.001, "0.00"},
                                         CasMontant{1234567.891, "1234567.89"}));

TEST(Montant, LaSaisieNAccepteQueDesNombres) {
    EXPECT_EQ(TexteVersReel(" 12.50 "), 12.5);
    EXPECT_EQ(TexteVersReel("-3"), -3.0);
    EXPECT_FALSE(TexteVersReel("12,50").has_value());
    EXPECT_FALSE(TexteVersReel("").has_value());
    EXPECT_FALSE(TexteVersReel("abc").has_value());
}

} // namespace
