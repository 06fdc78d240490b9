// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies: while the document is modified the program writes a copy
// of it, from time to time, into its own data folder (never beside the
// user's file), removed by a save and a normal end. A copy that a run of
// this machine left when it stopped unexpectedly is offered at the next start.
#pragma once

#include "core/dates.h"
#include "core/empreinte.h"

#include <QString>

#include <vector>

namespace tramonta {

class TExercice;

struct TCopieRecuperation {
    QString fichier;  // the copy itself
    QString original; // the season's file, empty for one never saved
    TDateTime date = 0;
    TEmpreinte empreinte; // of the original when that run read or last wrote it
    bool lisible = false;
};

// Seconds between two copies: setting "Recuperation/Intervalle", 120 when
// missing or not a whole number from 1.
int IntervalleRecuperation();

class TRecuperation {
  public:
    // The folder of the copies (the program's XDG data folder). A copy holds
    // the whole season (addresses, birth dates): the folder is the user's
    // alone (0700, tightened when found wider) and so is each copy (0600),
    // whatever the umask.
    static QString Dossier();
    // This run's copy.
    static QString FichierDeCeProcessus();

    // Writes the copy through the safe write of a save; the document's
    // flags stay as they were, also when the write fails.
    static bool Ecrire(TExercice& exercice, const QString& original, const TEmpreinte& empreinte);
    static void Supprimer();
    // A copy that cannot be read is set aside as "NAME.illisible" rather
    // than thrown away; set aside for more than `kJoursMiseDeCote` days, it
    // is removed.
    static constexpr int kJoursMiseDeCote = 30;
    static void MettreDeCote(const TCopieRecuperation& copie);
    static void OublierMisesDeCote();

    // The copies left by runs of this machine that no longer run, the
    // newest first; a damaged one comes with lisible false.
    static std::vector<TCopieRecuperation> Abandonnees();
    // Loads a copy into the document; false when it cannot be read (the
    // document is then empty).
    static bool Charger(const TCopieRecuperation& copie, TExercice& exercice);
    // This run takes the copy over: it becomes its own, replaced by its
    // next copy and removed by its next save.
    static void Adopter(const TCopieRecuperation& copie);
};

} // namespace tramonta
