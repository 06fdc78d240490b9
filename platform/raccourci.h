// SPDX-License-Identifier: GPL-3.0-or-later
// Reading of shortcuts: Windows shell-link files (.lnk) copied from a Windows
// machine, and symbolic links. The program only reads them, never writes one.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace tramonta {

class TShellLink {
  public:
    // Assigning the path reads the shortcut. A file that is not a shell link
    // shows "Fichier lien incorrect", one cut short in its strings "Erreur de
    // lecture du fichier lien" (both captioned "Erreur !"); then Lu() is false.
    void SetPath(const QString& chemin);
    const QString& Path() const { return path_; }
    // Reads the shortcut at Path again.
    void Update() { SetPath(path_); }
    bool Lu() const { return lu_; }

    // The target as the link gives it, with "/" for the Windows separators.
    const QString& Target() const { return target_; }
    const QString& WorkingDir() const { return workingDir_; }
    const QString& Description() const { return description_; }
    const QString& Arguments() const { return arguments_; }
    const QString& IconLocation() const { return iconLocation_; }
    int HotKey() const { return hotKey_; }
    int ShowCmd() const { return showCmd_; }
    int IconNumber() const { return iconNumber_; }

    // The file to open: the target when it exists here; a target named by a
    // Windows drive or share that this machine does not have is looked for
    // by its file name next to the shortcut, as a folder copied from Windows
    // with its shortcuts keeps them; else the target unchanged.
    QString Resoudre() const;

    // Reads a shell link held in memory, silently; never reads outside it.
    enum class Lecture { Ok, Incorrect, Tronque };
    Lecture Lire(const QByteArray& octets);

  private:
    void Vider();
    QString path_, target_, workingDir_, description_, arguments_, iconLocation_;
    int hotKey_ = 0, showCmd_ = 0, iconNumber_ = 0;
    bool lu_ = false;
};

// The path to open for a path given by the user: a symbolic link gives its
// final target, a ".lnk" file (any case) its resolved target; nothing, after
// the shortcut's message, when the shortcut cannot be read.
bool ResoudreRaccourci(const QString& chemin, QString& resultat);

} // namespace tramonta
