#include "core/flux.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace tramonta;

namespace {

std::vector<std::uint8_t> Ecrire(const std::function<void(TWriter&)>& f, std::size_t tampon = 4096) {
    TMemoryStream flux;
    {
        TWriter w(flux, tampon);
        f(w);
    }
    return flux.Donnees();
}

using Octets = std::vector<std::uint8_t>;

struct CasEntier {
    std::int32_t valeur;
    Octets octets;
};

class EntierTest : public testing::TestWithParam<CasEntier> {};

TEST_P(EntierTest, EcritLaLargeurLaPlusEtroiteEtRelitLaValeur) {
    const auto& cas = GetParam();
    const Octets o = Ecrire([&](TWriter& w) { w.WriteInteger(cas.valeur); });
    EXPECT_EQ(o, cas.octets);
    TMemoryStream flux(o);
    TReader r(flux);
    EXPECT_EQ(r.ReadInteger(), cas.valeur);
}

INSTANTIATE_TEST_SUITE_P(
    Largeurs, EntierTest,
    testing::Values(CasEntier{5, {2, 5}}, CasEntier{200, {3, 0xC8, 0}}, CasEntier{-1, {2, 0xFF}},
                    CasEntier{40000, {4, 0x40, 0x9C, 0, 0}}, CasEntier{-128, {2, 0x80}}, CasEntier{127, {2, 0x7F}},
                    CasEntier{-129, {3, 0x7F, 0xFF}}, CasEntier{128, {3, 0x80, 0}},
                    CasEntier{-32768, {3, 0x00, 0x80}}, CasEntier{32767, {3, 0xFF, 0x7F}},
                    CasEntier{-32769, {4, 0xFF, 0x7F, 0xFF, 0xFF}}, CasEntier{32768, {4, 0x00, 0x80, 0, 0}},
                    CasEntier{std::numeric_limits<std::int32_t>::min(), {4, 0, 0, 0, 0x80}},
                    CasEntier{std::numeric_limits<std::int32_t>::max(), {4, 0xFF, 0xFF, 0xFF, 0x7F}}));

} // namespace
