// SPDX-License-Identifier: GPL-3.0-or-later
// The document as JSON, for scripts: keys are the model's field names.
#pragma once

#include <nlohmann/json.hpp>

namespace tramonta {

class TExercice;

nlohmann::ordered_json DocumentVersJson(const TExercice& exercice);

// Builds the document from JSON; a missing key keeps the field's initial
// value. Raises nlohmann::json::exception (or std::invalid_argument) on a
// value of the wrong type, the document then left empty.
void JsonVersDocument(const nlohmann::json& json, TExercice& exercice);

} // namespace tramonta
