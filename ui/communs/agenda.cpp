// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/communs/agenda.h"

#include "model/exercice.h"

namespace tramonta {

namespace {
TExercice* gExercice = nullptr;
}

void DefinirExerciceJournal(TExercice* exercice) {
    gExercice = exercice;
}

TExercice* ExerciceJournal() {
    return gExercice;
}

void AjouterLigneAgenda(const std::string& texte) {
    if (gExercice)
        gExercice->Agenda().AjouterLigne(texte);
}

} // namespace tramonta
