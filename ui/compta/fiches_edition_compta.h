// SPDX-License-Identifier: GPL-3.0-or-later
// The two small dialogs that set up a movements report and a bank deposit
// report, then open the accounting preview; each stays open for another
// report until "&Fermer".
#pragma once

#include <QDialog>

#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tramonta {

class TCompte;
class TExercice;
class TFicheImpressionCompta;

class TFicheMouvementsCompta : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheMouvementsCompta(TFicheImpressionCompta& apercu, QWidget* parent = nullptr);
    // Shows the dialog modally on the document's ledger.
    int Executer(const TExercice& exercice);

  protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private slots:
    void EditMvtChange();
    void BoutonEditionClick();

  private:
    QLineEdit* EditDebutMvt;
    QLineEdit* EditFinmvt;
    QComboBox* ComboCompte;
    QPushButton* BoutonEdition;
    QPushButton* BoutonFermer;
    TFicheImpressionCompta& apercu_;
    const TExercice* exercice_ = nullptr;
    std::vector<const TCompte*> comptes_; // one per entry of ComboCompte
};

class TFicheDepotsBancaires : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheDepotsBancaires(TFicheImpressionCompta& apercu, QWidget* parent = nullptr);
    int Executer(const TExercice& exercice);

  protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private slots:
    void EditDateChange();
    void BoutonEditionClick();

  private:
    QLineEdit* EditDebutPeriode;
    QLineEdit* EditFinPeriode;
    QComboBox* ComboCompte;
    QLineEdit* EditDateEdition;
    QLineEdit* EditNumeroDepot;
    QPushButton* BoutonEdition;
    QPushButton* BoutonFermer;
    TFicheImpressionCompta& apercu_;
    const TExercice* exercice_ = nullptr;
    std::vector<const TCompte*> comptes_;
};

} // namespace tramonta
