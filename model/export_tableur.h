// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheet (CSV) files of members, correspondents, entry lines and the
// participants of a competition: a row of titles, then one row per record.
#pragma once

#include "model/adherent.h"
#include "model/compets.h"
#include "model/comptabilite.h"
#include "model/correspondant.h"

#include <ostream>
#include <vector>

namespace tramonta {

// The records in the order given.
void ExporterAdherents(const std::vector<const TAdherent*>& adherents, std::ostream& sortie);
void ExporterCorrespondants(const std::vector<const TCorrespondant*>& correspondants, std::ostream& sortie);
// The charge accounts then the produit accounts, each account's lines in
// their order.
void ExporterEcritures(const TComptabilite& comptabilite, std::ostream& sortie);
// Category by category, each in its seeding order.
void ExporterParticipants(const TCompet& compet, std::ostream& sortie);

// Every record of a collection, in its order.
std::vector<const TAdherent*> TousLesAdherents(const TAdherents& adherents);
std::vector<const TCorrespondant*> TousLesCorrespondants(const TCorrespondants& correspondants);

} // namespace tramonta
