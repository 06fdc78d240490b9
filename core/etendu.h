// SPDX-License-Identifier: GPL-3.0-or-later
// The file stores numbers as the 80-bit extended format of the x87 FPU; the
// conversion is done on the bits so that it does not depend on what
// `long double` means on the building machine.
#pragma once

#include <array>
#include <cstdint>

namespace tramonta {

using Etendu = std::array<std::uint8_t, 10>; // little-endian, sign in the top bit of byte 9

// Exact for every double: zeros, subnormals, infinities and NaN payloads.
Etendu DoubleVersEtendu(double valeur);

// Rounds to nearest, ties to even; too large gives an infinity, too small a
// subnormal or a zero. Unnormal encodings are read for the value they spell.
double EtenduVersDouble(const Etendu& octets);

} // namespace tramonta
