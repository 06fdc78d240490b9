// SPDX-License-Identifier: GPL-3.0-or-later
// What keeps a season file safe when two officers share it and when the
// program stops unexpectedly: the lock beside the open file, the check that
// the file on disk is still the one read or last written before a save, and
// the recovery copy written while the document is modified.
#pragma once

#include "core/empreinte.h"
#include "core/verrou.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QTimer;

namespace tramonta {

class TExercice;

class TSurete : public QObject {
    Q_OBJECT
  public:
    // `fichier` gives the path that the document is bound to (empty for
    // one never saved).
    TSurete(TExercice& exercice, std::function<QString()> fichier, QObject* parent = nullptr);
    ~TSurete() override;

    // Before a file replaces the document: warns when another user,
    // machine or running copy holds it; false when the user cancels.
    bool AvantOuverture(const QString& chemin);
    // The file is now the document's: its lock taken, what it is on disk
    // noted (`empreinte`, made from the bytes that were read), the recovery
    // copy of the previous document removed.
    void Ouvert(const QString& chemin, const TEmpreinte& empreinte);
    // The document is bound to no file any more (new, failed open).
    void Ferme();
    // The end of a normal run: lock and recovery copy removed.
    void Quitter();

    enum class Ecriture { Ecraser, EnregistrerSous, Annuler };
    // Before a save over the bound file: asks when someone else changed it.
    Ecriture AvantEcriture(const QString& chemin);
    // Before a save under another name: warns, as an open does, when
    // another user, machine or running copy holds the target; false when
    // the user cancels.
    bool AvantEcritureSous(const QString& chemin);
    // After a save that reached the disk; `empreinte` is made from the very
    // bytes written, not read back: another officer's save in between must
    // not pass for ours.
    void Ecrit(const QString& chemin, const TEmpreinte& empreinte);
    // The changes are thrown away ("Non" to the save question).
    void OublierCopie();

    // Writes the recovery copy when the document is modified (the timer's
    // work); true when a copy was written.
    bool EcrireCopie();
    QTimer& Minuterie() { return *minuterie_; }

    // At start: offers the copy that a run which stopped unexpectedly left.
    // A protected season's copy asks its password, as an open does; a wrong
    // one leaves the copy where it is and the document empty (Refusee).
    struct Recuperation {
        enum Choix { Aucune, Recuperee, OuvrirEnregistre, Refusee } choix = Aucune;
        QString chemin;
    };
    Recuperation ProposerRecuperation();
    // Asks a protected document's password (the main window's password box).
    std::function<std::optional<std::string>()> DemanderMotPasse;
    // The question asked for a copy (also for the pictures of the windows).
    static int DemanderRecuperation(const QString& original, double date, bool originalExiste);

  private:
    void PrendreVerrou(const QString& chemin);

    TExercice& exercice_;
    std::function<QString()> fichier_;
    TVerrou verrou_;
    TEmpreinte empreinte_;
    QTimer* minuterie_ = nullptr;
    bool ecritureCopie_ = false;
};

} // namespace tramonta
