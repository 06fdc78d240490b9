// SPDX-License-Identifier: GPL-3.0-or-later
// The journal's lines, made here once per kind, so that the pages, the
// exports and the command-line tool write the same words for the same act.
#pragma once

#include "model/comptabilite.h"

#include <cstddef>
#include <string>

namespace tramonta {

class TAdherent;
class TCorrespondant;
class TCompet;
struct TRapportImport;

enum class TActeJournal { Ajout, Modification, Suppression };

// "Ajout de l'adhérent \"Dupont Jean\"", "Suppression du correspondant
// \"Mairie\"", "Modification de la compétition \"Coupe\"", "Ajout du compte
// charge \"613\"".
std::string TexteJournal(TActeJournal acte, const TAdherent& adherent);
std::string TexteJournal(TActeJournal acte, const TCorrespondant& correspondant);
std::string TexteJournal(TActeJournal acte, const TCompet& compet);
std::string TexteJournal(TActeJournal acte, const TCompte& compte, TComptabilite::Liste liste);

// The spreadsheet exports: the file written and how many records it holds
// ("12 adhérents", "1 adhérent", "0 adhérent", as French counts them).
std::string TexteJournalExportAdherents(const std::string& chemin, std::size_t nombre);
std::string TexteJournalExportCorrespondants(const std::string& chemin, std::size_t nombre);
std::string TexteJournalExportEcritures(const std::string& chemin, std::size_t nombre);
std::string TexteJournalExportParticipants(const TCompet& compet, const std::string& chemin,
                                           std::size_t nombre);

// The member import from a spreadsheet: the file's name and what came of it.
std::string TexteJournalImportCsv(const std::string& nomFichier, const TRapportImport& rapport);

// A mail merge run to its end with the word processor's document.
std::string TexteJournalPublipostage(const std::string& fichier);

// The first line of a new document, and the second one of the next season.
std::string TexteJournalCreation();
std::string TexteJournalReprise(const std::string& intituleExercice);

} // namespace tramonta
