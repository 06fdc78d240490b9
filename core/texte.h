// SPDX-License-Identifier: GPL-3.0-or-later
// Texts live in memory as UTF-8; the document file holds Windows-1252 bytes.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tramonta {

// Every one of the 256 bytes has a character, so any file reads and writes
// back byte for byte: the five bytes that Windows-1252 leaves undefined map to
// the C1 control characters of the same value, as Windows itself does.
std::string Cp1252VersUtf8(std::string_view octets);

// A character that Windows-1252 cannot hold, or a malformed UTF-8 byte,
// becomes "?".
std::string Utf8VersCp1252(std::string_view utf8);

// The season file holds Windows-1252: a text is storable when each of its
// characters has a byte there (the no-break space U+00A0 has one, the narrow
// no-break space U+202F has not). A malformed UTF-8 byte is never storable.
bool TexteEnregistrable(std::string_view utf8);

// The characters of the text that the file cannot hold, each once, in the
// order of the text, as they are shown to the user: a combining mark on a
// dotted circle ("◌́"), a malformed byte as "�".
std::vector<std::string> CaracteresNonEnregistrables(std::string_view utf8);

// The nearest text that the file can hold, the storable characters kept as
// they are: a letter loses the marks that the code page lacks ("Ł" → "L",
// "ễ" → "e"), a letter followed by combining marks becomes the accented
// letter when the code page has it ("e" + U+0301 → "é"), unusual spaces
// (U+202F, U+2009, U+3000…) become a space, full-width forms and ligatures
// their plain letters, dashes and quotes their nearest ones, invisible
// characters (U+200B, U+FEFF…) go; a character with no near form becomes
// "?", as the file would have it.
std::string FormeEnregistrable(std::string_view utf8);

// The first `maximum` characters of a text, then "…" when it goes on: what a
// message quotes of a text that may be long.
std::string TexteCourt(std::string_view utf8, std::size_t maximum);

// The nearest form of one character that the code page lacks, when it has
// one (texte_proche.cpp).
std::optional<std::string_view> FormeProcheCaractere(char32_t c);
// The Windows-1252 byte of a plain letter with one combining mark ("e" and
// U+0301 give 0xE9), -1 when the code page has no such letter.
int ComposerAccent(char32_t base, char32_t marque);

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
