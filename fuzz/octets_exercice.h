// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes a season saves to, for the targets whose oracle compares saves.
#pragma once

#include "model/exercice.h"

#include <cstdint>
#include <vector>

namespace tramonta::fuzz {

inline std::vector<std::uint8_t> Enregistrer(TExercice& e) {
    TMemoryStream flux;
    {
        TWriter w(flux);
        e.Save(w);
    }
    return flux.Donnees();
}

} // namespace tramonta::fuzz
