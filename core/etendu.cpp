// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/etendu.h"

#include <bit>
#include <cstring>

namespace tramonta {

namespace {
constexpr int kBiaisEtendu = 16383;
constexpr int kBiaisDouble = 1023;
constexpr std::uint64_t kBitEntier = 1ULL << 63;
constexpr std::uint64_t kFractionDouble = (1ULL << 52) - 1;

Etendu Composer(bool negatif, std::uint32_t exposant, std::uint64_t mantisse) {
    Etendu e{};
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(e.data(), &mantisse, 8);
    } else {
        for (int i = 0; i < 8; ++i)
            e[i] = static_cast<std::uint8_t>(mantisse >> (8 * i));
    }
    const std::uint32_t haut = (negatif ? 0x8000u : 0u) | (exposant & 0x7FFFu);
    e[8] = static_cast<std::uint8_t>(haut);
    e[9] = static_cast<std::uint8_t>(haut >> 8);
    return e;
}

double Double(bool negatif, std::uint64_t exposant, std::uint64_t fraction) {
    return std::bit_cast<double>((negatif ? 1ULL << 63 : 0ULL) | (exposant << 52) | fraction);
}

// Shifts right by n (n may exceed 63), rounding to nearest, ties to even.
std::uint64_t DecalerArrondi(std::uint64_t v, int n) {
    if (n <= 0)
        return v;
    if (n > 64)
        return 0;
    const std::uint64_t garde = n == 64 ? v : v & ((1ULL << n) - 1);
    std::uint64_t r = n == 64 ? 0 : v >> n;
    const std::uint64_t moitie = 1ULL << (n - 1);
    if (garde > moitie || (garde == moitie && (r & 1)))
        ++r;
    return r;
}
} // namespace

Etendu DoubleVersEtendu(double valeur) {
    const auto bits = std::bit_cast<std::uint64_t>(valeur);
    const bool negatif = (bits >> 63) != 0;
    const auto exposant = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & kFractionDouble;
    if (exposant == 0x7FF) // infinities and NaN keep their payload below the integer bit
        return Composer(negatif, 0x7FFF, kBitEntier | (fraction << 11));
    if (exposant == 0) {
        if (fraction == 0)
            return Composer(negatif, 0, 0);
        // A subnormal double is a normal extended number.
        const int decalage = std::countl_zero(fraction);
        const std::uint64_t mantisse = fraction << decalage;
        const int e = 1 - kBiaisDouble - (decalage - 11) + kBiaisEtendu;
        return Composer(negatif, static_cast<std::uint32_t>(e), mantisse);
    }
    return Composer(negatif, static_cast<std::uint32_t>(exposant - kBiaisDouble + kBiaisEtendu),
                    kBitEntier | (fraction << 11));
}

double EtenduVersDouble(const Etendu& o) {
    std::uint64_t mantisse = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&mantisse, o.data(), 8);
    } else {
        for (int i = 7; i >= 0; --i)
            mantisse = (mantisse << 8) | o[i];
    }
    const std::uint32_t haut = o[8] | (static_cast<std::uint32_t>(o[9]) << 8);
    const bool negatif = (haut & 0x8000u) != 0;
    const int exposant = static_cast<int>(haut & 0x7FFFu);

    if (exposant == 0x7FFF) {
        const std::uint64_t fraction = mantisse & ~kBitEntier;
        if (fraction == 0)
            return Double(negatif, 0x7FF, 0);
        std::uint64_t f = fraction >> 11;
        if (f == 0) // payload only in bits a double cannot hold: still a NaN
            f = 1ULL << 51;
        return Double(negatif, 0x7FF, f);
    }
    if (mantisse == 0)
        return Double(negatif, 0, 0);

    // value = mantisse * 2^(e - bias - 63); exponent 0 counts as 1 (denormals).
    int e = (exposant == 0 ? 1 : exposant) - kBiaisEtendu;
    const int zeros = std::countl_zero(mantisse);
    mantisse <<= zeros;
    e -= zeros; // now value = 1.f * 2^e with the integer bit at 63

    if (e > kBiaisDouble)
        return Double(negatif, 0x7FF, 0);
    if (e >= 1 - kBiaisDouble) {
        std::uint64_t m = DecalerArrondi(mantisse, 11); // 53 significant bits
        if (m >> 53) {                                  // rounding carried out of the significand
            m >>= 1;
            ++e;
            if (e > kBiaisDouble)
                return Double(negatif, 0x7FF, 0);
        }
        return Double(negatif, static_cast<std::uint64_t>(e + kBiaisDouble), m & kFractionDouble);
    }
    // Subnormal result: the significand lines up with 2^-1074.
    const int decalage = 11 + (1 - kBiaisDouble - e);
    const std::uint64_t m = DecalerArrondi(mantisse, decalage);
    // A carry into bit 52 yields the smallest normal number, which the same bits spell.
    return Double(negatif, m >> 52, m & kFractionDouble);
}

} // namespace tramonta
