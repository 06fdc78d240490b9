// SPDX-License-Identifier: GPL-3.0-or-later
// "&Fichier" → "&Exporter": spreadsheet (CSV) files of the members, the
// correspondents, the entry lines and the participants of one competition,
// with the two small dialogs that ask what to export.
#pragma once

#include <QDialog>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;

namespace tramonta {

class TAdherent;
class TExercice;
struct TCriteresRequete;

// Which members: those the list shows (the search in progress), those of the
// query's criteria, or both.
class TFicheExportAdherents : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheExportAdherents(QWidget* parent = nullptr);
    // `criteres` is the query's description, empty when no criteria are set
    // (the second choice is then unavailable). True on "&Ok".
    bool Executer(const std::string& criteres);
    bool SeulementAffiches() const;
    bool SeulementCriteres() const;

  private:
    QCheckBox* CheckAffiches;
    QCheckBox* CheckCriteres;
    QLabel* LabelCriteres;
};

// The competition whose participants go to the file.
class TFicheExportParticipants : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheExportParticipants(QWidget* parent = nullptr);
    // The index of the title chosen, nothing when cancelled.
    std::optional<int> Executer(const std::vector<std::string>& intitules);

  private:
    QComboBox* ComboBoxCompetition;
};

// What the exports read of the window that holds them, asked at each export:
// the open document and its file, the members that the database page shows,
// in its order, and the query's criteria.
struct TSourcesExports {
    std::function<void()> validerSaisie;
    std::function<TExercice&()> exercice;
    std::function<QString()> fichierCourant;
    std::function<std::vector<const TAdherent*>()> adherentsAffiches;
    std::function<const TCriteresRequete&()> criteres;
};

class TExportsTableur : public QObject {
    Q_OBJECT
  public:
    // The dialogs and the file choice open over `fenetre`, which owns them.
    TExportsTableur(QWidget& fenetre, TSourcesExports sources);
    // The "&Exporter" sub-menu, added at the end of `fichier`.
    void CreerMenu(QMenu& fichier);

    TFicheExportAdherents& FicheExportAdherents() { return *ficheAdherents_; }
    TFicheExportParticipants& FicheExportParticipants() { return *ficheParticipants_; }

    void MenuExporterAdherentsClick();
    void MenuExporterCorrespondantsClick();
    void MenuExporterEcrituresClick();
    void MenuExporterParticipantsClick();

  private:
    std::optional<QString> DemanderFichier(const QString& titre, const QString& nom) const;
    // False, after the error box, when the file could not be written.
    bool Ecrire(const QString& chemin, const std::string& octets) const;

    QWidget& fenetre_;
    TSourcesExports sources_;
    TFicheExportAdherents* ficheAdherents_;
    TFicheExportParticipants* ficheParticipants_;
    QAction* actionParticipants_ = nullptr;
};

} // namespace tramonta
