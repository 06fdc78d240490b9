// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/monnaie.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tramonta {

std::string ReelVersTexte(double montant) {
    char t[400];
    // -0.00 would alarm a treasurer for a sum that is nothing.
    if (std::fabs(montant) < 0.005)
        montant = 0.0;
    std::snprintf(t, sizeof t, "%.2f", montant);
    return t;
}

std::optional<double> TexteVersReel(std::string_view texte) {
    while (!texte.empty() && (texte.front() == ' ' || texte.front() == '\t'))
        texte.remove_prefix(1);
    while (!texte.empty() && (texte.back() == ' ' || texte.back() == '\t'))
        texte.remove_suffix(1);
    if (!texte.empty() && texte.front() == '+')
        texte.remove_prefix(1);
    if (texte.empty())
        return std::nullopt;
    double v = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), v);
    if (erreur != std::errc() || fin != texte.data() + texte.size())
        return std::nullopt;
    return v;
}

} // namespace tramonta
