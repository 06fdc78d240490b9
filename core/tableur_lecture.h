// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a CSV file as spreadsheets write it: French ones (";", UTF-8 with a
// byte-order mark or Windows-1252) as well as others ("," and plain UTF-8).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tramonta {

enum class EncodageTableur {
    Utf8AvecMarque, // UTF-8 behind a byte-order mark
    Utf8,           // most bytes above ASCII in UTF-8 sequences, the stray ones read as Windows-1252
    Windows1252,    // bytes that are not UTF-8 are taken for Windows-1252
    Utf16,          // behind its byte-order mark, either byte order ("Unicode text")
};

// "UTF-8 avec marque", "UTF-8", "Windows-1252", "UTF-16".
std::string NomEncodage(EncodageTableur encodage);
// "point-virgule (;)", "virgule (,)", "tabulation" and the character itself
// otherwise.
std::string NomSeparateur(char separateur);

// One record of the file, its fields in UTF-8, with the line of the file
// where it begins (the first line is 1), for the reports.
struct TLigneTableur {
    int numero = 0;
    std::vector<std::string> champs;
};

struct TTableurLu {
    EncodageTableur encodage = EncodageTableur::Utf8;
    char separateur = ';';
    // The first record of the file; empty (line 0) when the file holds none.
    TLigneTableur titres;
    std::vector<TLigneTableur> lignes;
};

// A member table has a few dozen columns of short texts: past these limits a
// file is refused with a message rather than read into memory whole.
inline constexpr std::size_t kMaxColonnesTableur = 512;
inline constexpr std::size_t kMaxOctetsChampTableur = 1024 * 1024;

// Decodes and splits the bytes of a file. Quoted fields may hold the
// separator, doubled quotes and line breaks (kept as they are); lines end with
// CRLF, LF or CR; blank records are skipped. The separator is ";", "," or a
// tab (the "Unicode text" of spreadsheets), whichever cuts the first record
// into more fields (";" on a tie), unless the file begins with a
// spreadsheet's "sep=X" line. False with a French message in `erreur` when the
// file ends inside a quoted field or is a workbook rather than a CSV file.
bool LireTableur(std::string_view octets, TTableurLu& tableur, std::string& erreur);

// The same on a file of the disk; a file that cannot be read is an error.
bool LireFichierTableur(const std::string& chemin, TTableurLu& tableur, std::string& erreur);

} // namespace tramonta
