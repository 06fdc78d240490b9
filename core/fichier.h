// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing a whole document file through the tagged value stream.
#pragma once

#include "core/empreinte.h"
#include "core/flux.h"
#include "core/partage.h"

#include <functional>
#include <string>
#include <string_view>

namespace tramonta {

enum class ResultatLecture {
    Ok,
    Inexistant,
    Illisible,
    Refuse, // not a file to read: a link of another user, a pipe, too large
};

// What a read gives back beside its outcome.
struct TLecture {
    std::string message;  // why the file was refused, in French
    TEmpreinte empreinte; // of the very bytes read
};

// Runs `lire` on a reader over the file's bytes, read whole through the
// guarded open of a shared folder; every stream or file error becomes
// Illisible.
ResultatLecture LireFichier(const std::string& chemin, const std::function<void(TReader&)>& lire,
                            TLecture* details = nullptr);

// What a write is asked and gives back beside its outcome.
struct TEcriture {
    // In: the file is the user's alone (0600 whatever the umask and the file
    // it replaces), for copies of a whole season kept aside.
    bool prive = false;
    // Out: why the target was refused, in French; empty for a plain failure
    // (disk full, folder not writable).
    std::string refus;
    // Out: of the very bytes written, once the file is in place.
    TEmpreinte empreinte;
};

// Writes through a temporary file in the same folder, flushed to the disk and
// then renamed over the target, so that a failed save never damages the file
// that was there. The file replaced keeps its owner, group and permissions
// (set-id bits dropped); a file that the user may not write, a link of
// another user or anything but a regular file is refused, never written
// through. On failure the temporary file is removed and false returned.
bool EcrireFichier(const std::string& chemin, const std::function<void(TWriter&)>& ecrire,
                   TEcriture* details = nullptr);
// The same safe write of bytes given whole (an exported file).
bool EcrireFichierOctets(const std::string& chemin, std::string_view octets, TEcriture* details = nullptr);

} // namespace tramonta
