// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the document load. Beyond not crashing, a load
// that succeeds must give a document that saves, reloads and saves again to
// the very same bytes.
#include "fuzz/octets_exercice.h"
#include "model/exercice.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace tramonta;
using tramonta::fuzz::Enregistrer;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    TExercice e;
    try {
        TMemoryStream flux(std::vector<std::uint8_t>(donnees, donnees + taille));
        TReader r(flux);
        e.Load(r);
    } catch (const EStreamError&) {
        return 0;
    }
    const auto premier = Enregistrer(e);
    TExercice relu;
    TMemoryStream flux(premier);
    TReader r(flux);
    relu.Load(r);
    if (Enregistrer(relu) != premier)
        std::abort();
    return 0;
}
