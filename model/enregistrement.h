// SPDX-License-Identifier: GPL-3.0-or-later
// The automatic postings of a member's four sums into the ledger's produit
// accounts: posting, and bringing the posted lines in line with the names
// and amounts that a member sheet confirms. Taking a posting out is the
// member's own `Desenregistrer`.
#pragma once

#include "model/adherent.h"

#include <array>
#include <string>

namespace tramonta {

class TCompte;
class TComptabilite;
class TLigneEcriture;

// The ledger's default account for that sum, when one is chosen and still
// exists among the produit accounts; otherwise nullptr (the user then picks
// one).
TCompte* CompteParDefaut(const TComptabilite& comptabilite, Enregistrement genre);

// Posts the member's stored amount for `genre` into `compte`: the member
// remembers the posting and the account, and the line labelled with the
// member's stored names is taken over when the account has one (case
// ignored), otherwise made (dated now, paid by cheque). The line is marked
// automatic and carries the stored amount. Gives the line.
TLigneEcriture& Enregistrer(TAdherent& adherent, Enregistrement genre, TCompte& compte);

// What a confirmed sheet holds for the postings: the typed names and the
// four amounts, in the order of `kEnregistrements`.
struct TSaisieEnregistrements {
    std::string nom;
    std::string prenom;
    std::array<double, 4> montants{};
};

// Before the sheet's values are stored in the member: for each posted sum,
// in the order licence, deposit, rental, lesson package, relabels its line
// when the names changed (case aside) and then sets its amount when the
// amount changed. A link that is already broken (account or line gone)
// stays broken, silently.
void AccorderEnregistrements(const TAdherent& adherent, const TSaisieEnregistrements& saisie);

} // namespace tramonta
