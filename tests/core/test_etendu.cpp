// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/etendu.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

using namespace tramonta;

namespace {

Etendu E(std::uint16_t signeExposant, std::uint64_t mantisse) {
    Etendu e{};
    for (int i = 0; i < 8; ++i)
        e[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(mantisse >> (8 * i));
    e[8] = static_cast<std::uint8_t>(signeExposant);
    e[9] = static_cast<std::uint8_t>(signeExposant >> 8);
    return e;
}

std::uint64_t Bits(double d) {
    return std::bit_cast<std::uint64_t>(d);
}

struct CasConnu {
    const char* nom;
    double valeur;
    Etendu octets;
};

class Connu : public testing::TestWithParam<CasConnu> {};

TEST_P(Connu, SEncodeEtSeDecode) {
    EXPECT_EQ(DoubleVersEtendu(GetParam().valeur), GetParam().octets);
    EXPECT_EQ(Bits(EtenduVersDouble(GetParam().octets)), Bits(GetParam().valeur));
}

INSTANTIATE_TEST_SUITE_P(
    Valeurs, Connu,
    testing::Values(CasConnu{"zero", 0.0, E(0, 0)}, CasConnu{"moins_zero", -0.0, E(0x8000, 0)},
                    CasConnu{"un", 1.0, E(0x3FFF, 1ULL << 63)},
                    CasConnu{"moins_deux", -2.0, E(0xC000, 1ULL << 63)},
                    CasConnu{"un_et_demi", 1.5, E(0x3FFF, 3ULL << 62)},
                    CasConnu{"date", 46000.25, E(0x400E, 0xB3B0400000000000ULL)},
                    CasConnu{"infini", std::numeric_limits<double>::infinity(), E(0x7FFF, 1ULL << 63)},
                    CasConnu{"moins_infini", -std::numeric_limits<double>::infinity(), E(0xFFFF, 1ULL << 63)},
                    CasConnu{"plus_petit_denormal", std::numeric_limits<double>::denorm_min(),
                             E(16383 - 1074, 1ULL << 63)}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Etendu, ToutDoubleFaitLAllerRetourExact) {
    std::mt19937_64 alea(42);
    std::vector<double> valeurs = {std::numeric_limits<double>::max(),
                                   std::numeric_limits<double>::min(),
                                   std::numeric_limits<double>::min() / 3,
                                   std::numeric_limits<double>::epsilon(),
                                   0.1,
                                   -1e-310,
                                   std::numeric_limits<double>::quiet_NaN(),
                                   -std::numeric_limits<double>::quiet_NaN(),
                                   std::numeric_limits<double>::signaling_NaN(),
                                   std::bit_cast<double>(0x7FF0000000000001ULL),
                                   std::bit_cast<double>(0x7FF8DEADBEEF0001ULL)};
    for (int i = 0; i < 200000; ++i)
        valeurs.push_back(std::bit_cast<double>(alea()));
    for (double v : valeurs)
        ASSERT_EQ(Bits(EtenduVersDouble(DoubleVersEtendu(v))), Bits(v)) << std::hexfloat << v;
}

struct CasArrondi {
    const char* nom;
    Etendu octets;
    double attendu;
};

class Arrondi : public testing::TestWithParam<CasArrondi> {};

TEST_P(Arrondi, DonneLeDoubleLePlusProche) {
    EXPECT_EQ(Bits(EtenduVersDouble(GetParam().octets)), Bits(GetParam().attendu))
        << std::hexfloat << EtenduVersDouble(GetParam().octets);
}

constexpr std::uint64_t kUn = 1ULL << 63;
INSTANTIATE_TEST_SUITE_P(
    Cas, Arrondi,
    testing::Values(
        // 1 + 2^-53 lies halfway between 1 and the next double: ties go to even.
        CasArrondi{"egalite_vers_pair", E(0x3FFF, kUn | (1ULL << 10)), 1.0},
        CasArrondi{"egalite_vers_pair_impair", E(0x3FFF, kUn | (3ULL << 10)), 1.0 + 2 * 0x1p-52},
        CasArrondi{"juste_au_dessus", E(0x3FFF, kUn | (1ULL << 10) | 1), 1.0 + 0x1p-52},
        CasArrondi{"retenue_vers_exposant", E(0x3FFF, ~0ULL), 2.0},
        CasArrondi{"trop_grand", E(0x3FFF + 1024, kUn), std::numeric_limits<double>::infinity()},
        CasArrondi{"max_arrondi_vers_infini", E(0x3FFF + 1023, ~0ULL),
                   std::numeric_limits<double>::infinity()},
        CasArrondi{"trop_petit", E(1, kUn), 0.0},
        CasArrondi{"vers_denormal", E(16383 - 1070, kUn), 0x1p-1070},
        CasArrondi{"moitie_du_plus_petit_vers_zero", E(16383 - 1075, kUn), 0.0},
        CasArrondi{"un_peu_plus_que_la_moitie", E(16383 - 1075, kUn | 1), 0x1p-1074},
        CasArrondi{"denormal_vers_normal", E(16383 - 1023, ~0ULL), 0x1p-1022},
        // An unnormal (integer bit clear) still spells a value.
        CasArrondi{"non_normalise", E(0x3FFF, 1ULL << 62), 0.5},
        CasArrondi{"pseudo_denormal", E(0, kUn), 0.0},
        CasArrondi{"nan_charge_basse", E(0x7FFF, kUn | 1), std::numeric_limits<double>::quiet_NaN()}),
    [](const auto& info) { return std::string(info.param.nom); });

} // namespace
