// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing a whole document file through the tagged value stream.
#pragma once

#include "core/flux.h"

#include <functional>
#include <string>
#include <string_view>

namespace tramonta {

enum class ResultatLecture { Ok, Inexistant, Illisible };

// Runs `lire` on a reader over the file; every stream or file error becomes
// Illisible.
ResultatLecture LireFichier(const std::string& chemin, const std::function<void(TReader&)>& lire);

// Writes through a temporary file in the same folder, flushed to the disk and
// then renamed over the target, so that a failed save never damages the file
// that was there. On failure the temporary file is removed and false returned.
bool EcrireFichier(const std::string& chemin, const std::function<void(TWriter&)>& ecrire);
// The same safe write of bytes given whole (an exported file).
bool EcrireFichierOctets(const std::string& chemin, std::string_view octets);

} // namespace tramonta
