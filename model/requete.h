// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tramonta {

class TAdherent;
class TAdherents;

// What a print-out or a mail merge is about: all members, those who have
// not paid a sum, those of one age category or of one licence kind.
struct TCriteresRequete {
    enum Type : std::int32_t { ReqTous = 0, ReqRelance = 1, ReqCategorie = 2, ReqLicence = 3 };
    std::int32_t TypeRequete = ReqTous;
    // 0 licence, 1 wetsuit deposit, 2 wetsuit rental, 3 lesson package.
    std::int32_t Relance = 0;
    std::string CategorieDemandee;
    std::string LicenceDemandee;
    std::string Description = "Tous les adhérents";
};

// The entries of the unpaid-sum choice, in the order of `Relance`.
inline constexpr const char* kTextesRelance[4] = {"la licence", "la caution combinaison",
                                                  "la location combinaison", "le forfait leçon"};

// The sentence that titles a print-out or a mail merge: "Tous les adhérents",
// "Les adhérents qui n'ont pas payé la licence", "Les adhérents de catégorie
// 'Open'", "Les adhérents qui ont une licence 'Loisir'". An unknown type or
// sum gives the sentence of all members.
std::string DecrireCriteres(const TCriteresRequete& criteres);

// The members that match, in the collection's order.
std::vector<TAdherent*> ExecuterRequete(const TAdherents& adherents, const TCriteresRequete& criteres);

} // namespace tramonta
