// SPDX-License-Identifier: GPL-3.0-or-later
// What the tagged value stream needs of the text conversions beyond
// core/texte.h, so that a writer converts its texts without a new string
// for each one.
#pragma once

#include <string>
#include <string_view>

namespace tramonta {

// True when every byte is below 0x80: such a text is the same in UTF-8 and
// in Windows-1252.
bool EstAscii(std::string_view s);
// Utf8VersCp1252, appended to `sortie`.
void AjouterCp1252(std::string& sortie, std::string_view utf8);

} // namespace tramonta
