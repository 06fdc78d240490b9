// SPDX-License-Identifier: GPL-3.0-or-later
// The mail merge dialog: the members or the correspondents to write to, the
// letter, the member criteria, and the command that prints one filled copy
// per recipient through the word processor.
#pragma once

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeView;

namespace tramonta {

class TAdherent;
class TCorrespondant;
class TExercice;
class TFicheCriteresRequete;
class TModeleAdherents;
class TModeleCorrespondants;
class TProgression;
class TTriListe;

class TFichePublipostage : public QDialog {
    Q_OBJECT
  public:
    // The document is the main window's for the whole run; the criteria are
    // those of the query dialog, shared with the database page.
    TFichePublipostage(TExercice& exercice, TFicheCriteresRequete& ficheCriteres, QWidget* parent = nullptr);

    TTriListe& TriAdherents() const { return *triAdherents_; }
    TTriListe& TriCorrespondants() const { return *triCorrespondants_; }
    // The window that follows the merge; the dialog's own unless a test
    // sets another.
    // The main window's progress window, asked for when a merge runs.
    void SetProgression(std::function<TProgression&()> progression) { progression_ = std::move(progression); }

    // The selected records, in the order shown.
    std::vector<const TAdherent*> AdherentsSelectionnes() const;
    std::vector<const TCorrespondant*> CorrespondantsSelectionnes() const;

    void BoutonParcourirClick();
    void BoutonWordClick();
    void BoutonCriteresClick();
    void BoutonLancerPublipostageClick();
    void MajEtats();

    void done(int resultat) override;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    TFicheCriteresRequete& ficheCriteres_;
    TModeleAdherents* modeleAdherents_;
    TModeleCorrespondants* modeleCorrespondants_;
    TTriListe* triAdherents_;
    TTriListe* triCorrespondants_;
    std::function<TProgression&()> progression_;
    TProgression* propre_ = nullptr;
    QWidget* contenu_;
    bool enCours_ = false;

    QTreeView* ListViewAdherents;
    QTreeView* ListViewCorrespondants;
    QLineEdit* EditFichierWord;
    QToolButton* BoutonParcourir;
    QToolButton* BoutonWord;
    QPushButton* BoutonCriteres;
    QLabel* LabelCriteres;
    QPushButton* BoutonLancerPublipostage;
    QPushButton* BoutonFermer;
};

} // namespace tramonta
