// SPDX-License-Identifier: GPL-3.0-or-later
// Texts live in memory as UTF-8; the document file holds Windows-1252 bytes.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tramonta {

// Every one of the 256 bytes has a character, so any file reads and writes
// back byte for byte: the five bytes that Windows-1252 leaves undefined map to
// the C1 control characters of the same value, as Windows itself does.
std::string Cp1252VersUtf8(std::string_view octets);

// A character that Windows-1252 cannot hold, or a malformed UTF-8 byte,
// becomes "?".
std::string Utf8VersCp1252(std::string_view utf8);

// Record keys (names, account numbers, labels): only a-z/A-Z fold; accented
// letters must match exactly.
bool MemeTexteAscii(std::string_view a, std::string_view b);

// Specialities and competition titles: case is ignored for every letter of
// Windows-1252, accented ones included ("É" equals "é", "e" does not).
bool MemeTexteSansCasse(std::string_view a, std::string_view b);

// The order of sorted print lines, as a French user expects it: case never
// counts, an accented letter sorts with its plain letter ("é" among the "e",
// "œ" as "oe") and hyphens and apostrophes only break ties, so that
// "D'Arcy" sorts between "Dar" and "Das". Accents then decide between words
// that are otherwise equal. Negative, zero or positive, like strcmp.
int ComparerSansCasse(std::string_view a, std::string_view b);

// The form in which a search matches a text whatever its case and accents:
// every letter of Windows-1252 lowered to its plain letters ("É" → "e",
// "Œ" → "oe", "ß" → "ss"); other characters kept, lowered where they can be.
// A search for "ecole" finds "École" when both go through this.
std::string TexteSansAccents(std::string_view s);

} // namespace tramonta

namespace tramonta {
// Replaces each "%s" of the model, in order, with the next value.
std::string Formater(std::string_view modele, std::initializer_list<std::string_view> valeurs);
} // namespace tramonta
