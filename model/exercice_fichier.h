// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving a season's file with what the main window needs beside
// the outcome: what the file is, made from the very bytes read or written,
// so that another officer's save in between is never taken for ours.
// `TExercice::LoadFromFile` and `SaveToFile` are these without it.
#pragma once

#include "core/empreinte.h"

#include <string>

namespace tramonta {

class TExercice;

// Report their failure in a message box ("Fichier inexistant !",
// "Impossible de lire l'exercice !", "Impossible d'écrire l'exercice !", the
// latter two followed by the reason when the file was refused: a link of
// another user, not a regular file, a read-only file). A failed load leaves
// the document empty; a failed save leaves the file that was there untouched.
bool ChargerExercice(TExercice& exercice, const std::string& chemin, TEmpreinte* empreinte = nullptr);
bool EnregistrerExercice(TExercice& exercice, const std::string& chemin, TEmpreinte* empreinte = nullptr);

} // namespace tramonta
