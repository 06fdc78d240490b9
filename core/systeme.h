// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace tramonta {

// The login name of the user running the program; empty when the system
// does not give one. Tests replace it to get stable journal lines.
std::string NomUtilisateur();
using SourceUtilisateur = std::function<std::string()>;
SourceUtilisateur DefinirSourceUtilisateur(SourceUtilisateur source);

} // namespace tramonta
