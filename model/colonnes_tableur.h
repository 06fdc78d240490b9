// SPDX-License-Identifier: GPL-3.0-or-later
// The columns of the spreadsheet files, one table per kind of record: the
// title of each column, how its text is made from a record and, for the
// kinds that can be read back, how the text goes into a record.
#pragma once

#include "model/adherent.h"
#include "model/compets.h"
#include "model/comptabilite.h"
#include "model/correspondant.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tramonta {

// `lire` gives the field as the file holds it, `ecrire` takes it from there.
// A text column (`texte`) holds what the user typed: its field goes out
// through TexteSansFormule, so that a spreadsheet never runs it as a formula,
// and comes back through AvecFormule; its text must fit the season file.
// Amounts, dates, numbers and booleans are written as they are.
template <class E> struct TColonneTableur {
    const char* titre;
    std::function<std::string(const E&)> lire;
    // False when the text cannot be read: the field then stays untouched.
    // Empty for a column that is only written (a computed one).
    std::function<bool(E&, std::string_view)> ecrire;
    bool texte = false;
};

// The member sheet's fields, titled with its labels, in its order. The
// posting flags and their accounts stay out: a member read back from a file
// must not claim postings that are not in the ledger.
const std::vector<TColonneTableur<TAdherent>>& ColonnesAdherents();
const std::vector<TColonneTableur<TCorrespondant>>& ColonnesCorrespondants();

// One entry line with the account that holds it.
struct TLigneTableurEcriture {
    const TCompte& compte;
    bool produit;
    const TLigneEcriture& ligne;
};
const std::vector<TColonneTableur<TLigneTableurEcriture>>& ColonnesEcritures();

// One participant with its category; `rang` is its place in the category's
// list, counted from 0 (the seed is rang + 1).
struct TParticipantTableur {
    int categorie;
    int rang;
    const TParticipantCompet& participant;
};
const std::vector<TColonneTableur<TParticipantTableur>>& ColonnesParticipants();

// The titles of a table, in order.
template <class E> std::vector<std::string> TitresTableur(const std::vector<TColonneTableur<E>>& colonnes) {
    std::vector<std::string> titres;
    titres.reserve(colonnes.size());
    for (const auto& c : colonnes)
        titres.emplace_back(c.titre);
    return titres;
}

// One record's row.
template <class E>
std::vector<std::string> LigneTableur(const std::vector<TColonneTableur<E>>& colonnes, const E& element) {
    std::vector<std::string> ligne;
    ligne.reserve(colonnes.size());
    for (const auto& c : colonnes)
        ligne.push_back(c.lire(element));
    return ligne;
}

} // namespace tramonta
