// SPDX-License-Identifier: GPL-3.0-or-later
// The list of the members that a query selects: its text lines and their
// drawing on a canvas.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace tramonta {

class TAdherent;
class TCanevas;
class TAdherents;
struct TCriteresRequete;

// The fields that may follow the names on a member's line, in the order of
// the field-choice dialog (the order of the preferences' `ChampsVisibles`).
using ChampsListe = std::array<bool, 16>;

// "Nom Prenom" followed by " - Sexe : M" and the other chosen fields.
std::string LigneAdherent(const TAdherent& adherent, const ChampsListe& champs);

// The criteria's description as line 0, then the line of every matching
// member, sorted as the users read them (case and accents aside). Without a
// collection or criteria the one line is "Erreur".
std::vector<std::string> LignesListeAdherents(const TAdherents* adherents, const TCriteresRequete* criteres,
                                              const ChampsListe& champs);

// The title frame with "Requête sur les adhérents" and line 0, then every
// other line word-wrapped 1800 units wide, page after page. On paper
// (`impression`) each page is a printer page; on a preview the pages stack
// one under another. Gives the number of pages.
int ImprimerListeAdherents(TCanevas& canevas, const std::vector<std::string>& lignes, bool impression);

} // namespace tramonta
