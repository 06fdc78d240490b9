// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the JSON reader of "tramonta-cli create". A
// document that it refuses must leave the season it was given as a new one
// is: never half built. A document that it accepts must give a season that
// writes to JSON and reads back to the very same JSON.
#include "cli/json_document.h"
#include "fuzz/octets_exercice.h"
#include "model/exercice.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

using namespace tramonta;
using tramonta::fuzz::Enregistrer;

namespace {
// The reader's refusals, as "create" reports them; any other exception is a
// fault that the fuzzer must see.
bool Lire(const nlohmann::json& json, TExercice& e) {
    try {
        JsonVersDocument(json, e);
        return true;
    } catch (const nlohmann::json::exception&) {
        return false;
    } catch (const std::invalid_argument&) {
        return false;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    nlohmann::json json;
    try {
        json = nlohmann::json::parse(donnees, donnees + taille);
    } catch (const nlohmann::json::exception&) {
        return 0;
    }
    TExercice e;
    if (!Lire(json, e)) {
        TExercice neuf;
        if (Enregistrer(e) != Enregistrer(neuf))
            std::abort();
        return 0;
    }
    const std::string premier = DocumentVersJson(e).dump();
    TExercice relu;
    if (!Lire(nlohmann::json::parse(premier), relu))
        std::abort();
    if (DocumentVersJson(relu).dump() != premier)
        std::abort();
    return 0;
}
