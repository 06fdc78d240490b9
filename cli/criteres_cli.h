// The member query of `tramonta-cli pdf requete`, read from its options.
#pragma once

#include "model/requete.h"

#include <optional>
#include <string>
#include <vector>

namespace tramonta {

// No option: every member. "--impayes licence|caution|location|forfait",
// "--categorie NOM" or "--licence TYPE", one at most; the category and the
// licence kind are taken whatever their case. The criteria come with their
// description; nothing, with the French message in `erreur`, when the
// options are wrong.
std::optional<TCriteresRequete> CriteresDepuisOptions(const std::vector<std::string>& options,
                                                      std::string& erreur);

} // namespace tramonta
