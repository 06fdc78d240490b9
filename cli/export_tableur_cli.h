// SPDX-License-Identifier: GPL-3.0-or-later
// The "export" command: a spreadsheet (CSV) file of a season's members,
// correspondents, entry lines or the participants of one competition.
#pragma once

#include <string>
#include <vector>

namespace tramonta {

// The arguments after "export"; 0, 1 on failure (told on standard error), 2
// when they are not the command's.
int CommandeExport(const std::vector<std::string>& arguments);

extern const char* const kUsageExport;

} // namespace tramonta
