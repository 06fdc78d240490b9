// SPDX-License-Identifier: GPL-3.0-or-later
// The program's open and save dialogs. Tests queue the answers instead of
// driving a file dialog, and read back what was asked.
#pragma once

#include <QString>

#include <deque>
#include <optional>
#include <vector>

class QWidget;

namespace tramonta {

struct DemandeFichier {
    enum class Sens { Ouvrir, Enregistrer };
    Sens sens = Sens::Ouvrir;
    QString titre;
    QString filtre;  // Qt form: "Fichier Tramonta (*.trm);;Tous les fichiers (*)"
    QString suffixe; // added to a typed name that has none
    QString initial; // file or folder the dialog starts at
};

inline const QString kFiltreTramonta = QStringLiteral("Fichier Tramonta (*.trm);;Tous les fichiers (*)");

// An open dialog takes only an existing file; a save dialog asks before
// replacing a file and takes only a path whose folder exists. Nothing when
// the user cancels.
std::optional<QString> ChoisirFichier(QWidget* parent, const DemandeFichier& demande);

class ScriptFichiers {
  public:
    ScriptFichiers();
    ~ScriptFichiers();
    ScriptFichiers(const ScriptFichiers&) = delete;
    ScriptFichiers& operator=(const ScriptFichiers&) = delete;
    // nullopt answers as a cancelled dialog; with nothing queued, dialogs
    // are cancelled.
    void Repondre(std::optional<QString> chemin) { reponses_.push_back(std::move(chemin)); }
    const std::vector<DemandeFichier>& Demandes() const { return demandes_; }

  private:
    friend std::optional<QString> ChoisirFichier(QWidget*, const DemandeFichier&);
    std::deque<std::optional<QString>> reponses_;
    std::vector<DemandeFichier> demandes_;
};

} // namespace tramonta
