// SPDX-License-Identifier: GPL-3.0-or-later
// "import adherents FICHIER ENTREE.csv": members from a spreadsheet's CSV file
// into a season file, written back safely.
#pragma once

#include <string>
#include <vector>

namespace tramonta {

inline constexpr const char* kUsageImport =
    "  tramonta-cli import adherents FICHIER.trm ENTREE.csv [--forme-proche]\n";

// The arguments after "import". Prints the report on standard output and
// gives 0; 1 with a French message on standard error when the CSV file or the
// document cannot be read, the CSV file has no "Nom" column, the document is
// open in a program or the file cannot be written; 2 for a wrong usage.
int CommandeImport(const std::vector<std::string>& arguments);

} // namespace tramonta
