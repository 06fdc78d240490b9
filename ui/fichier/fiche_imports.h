// SPDX-License-Identifier: GPL-3.0-or-later
// Import of another season's file into the open document: only what is
// ticked, never overwriting; every skipped duplicate is reported.
#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace tramonta {

class TExercice;

class TFicheImports : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheImports(QWidget* parent = nullptr);

    // Shows the dialog on `exercice`; Accepted when at least one import ran,
    // so that the caller redisplays the pages.
    int Executer(TExercice& exercice);
    bool ImportEffectue() const { return importEffectue_; }

    // Asks the password of a protected source (the caller's prompt).
    std::function<std::optional<std::string>()> DemanderMotPasse;

    void done(int resultat) override;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void CheckComptesClick();
    void BoutonParcourirClick();
    void BoutonImporterClick();
    void BoutonFermerClick();

    TExercice* exercice_ = nullptr;
    bool importEffectue_ = false;
    QLineEdit* EditSource;
    QCheckBox* CheckInfosGenerales;
    QCheckBox* CheckAdherents;
    QCheckBox* CheckCorrespondants;
    QCheckBox* CheckComptesCharge;
    QCheckBox* CheckComptesProduit;
    QCheckBox* CheckCompetitions;
    QCheckBox* CheckEcritures;
    QPlainTextEdit* MemoResultat;
};

} // namespace tramonta
