// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tramonta {

// Amounts are shown in fixed notation with two decimals and "." as the
// separator, whatever the user's locale.
std::string ReelVersTexte(double montant);

// Reads a number written with "." (surrounding blanks allowed); nothing when
// the text is not a number.
std::optional<double> TexteVersReel(std::string_view texte);

} // namespace tramonta
