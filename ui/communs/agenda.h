// SPDX-License-Identifier: GPL-3.0-or-later
// The one way to write the journal: appends a line stamped with the date, the
// time and the login name to the journal of the open document. The lists that
// show the journal follow it through its change notifications.
#pragma once

#include <string>

namespace tramonta {

class TExercice;

void AjouterLigneAgenda(const std::string& texte);

// The document whose journal AjouterLigneAgenda writes, or nullptr (then it
// writes nothing). The main window names its own for as long as it lives.
void DefinirExerciceJournal(TExercice* exercice);
TExercice* ExerciceJournal();

} // namespace tramonta
