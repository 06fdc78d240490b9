// SPDX-License-Identifier: GPL-3.0-or-later
// The printed sheets of one member and of one correspondent.
#pragma once

#include <string>

namespace tramonta {

class TAdherent;
class TCanevas;
class TCorrespondant;

// The title printed at the top of every sheet, before " - Fiche adhérent":
// the program and the season ("Tramonta - Saison 2026"), kept up to date by
// whoever opens documents. "Tramonta" until then.
const std::string& TitreEntete();
void DefinirTitreEntete(std::string titre);
// "Tramonta - " and the season's title, or "Tramonta" for an untitled one.
std::string TitreEntetePour(const std::string& intituleExercice);

// Civil status, federation licence and club sums on one A4 page. The header
// line is for paper; previews go without it.
void ImprimerAdherent(const TAdherent& adherent, TCanevas& canevas, bool avecEntete);

// Name, address, telephones, speciality and addresses on one A4 page.
void ImprimerCorrespondant(const TCorrespondant& correspondant, TCanevas& canevas, bool avecEntete);

} // namespace tramonta
