// SPDX-License-Identifier: GPL-3.0-or-later
// The entry form: one ledger line, its label, date, means of payment,
// cheque number and amount. Shared by the account form and by the automatic
// postings of the member sheet.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace tramonta {

class TEditMonetaire;
class TLigneEcriture;

class TFicheEcriture : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheEcriture(QWidget* parent = nullptr);
    ~TFicheEcriture() override;

    // Shows the form on `ligne` (a line of its account, or a new line made
    // for that account and not added yet), which it leaves as it is: on
    // "&Ok", a copy of the line holding what was typed, for the caller to
    // store (`CopierChamps`, or an addition to the account); nothing on
    // "&Annuler".
    std::unique_ptr<TLigneEcriture> Executer(const TLigneEcriture& ligne);
    // The same for a line posted from a member sheet: the line is
    // `Automatique`, its label and amount are read-only, and the amount shown
    // is `montantAffiche` (the sum typed on the sheet), not the line's.
    std::unique_ptr<TLigneEcriture> ExecuterAutomatique(const TLigneEcriture& ligne, double montantAffiche);

  protected:
    void showEvent(QShowEvent* e) override;

  private slots:
    void EditLibelleChange();
    void GroupTypePaiementClick();
    void BoutonOkClick();

  private:
    std::unique_ptr<TLigneEcriture> Montrer(const TLigneEcriture& ligne, bool automatique,
                                            double montantAffiche);

    // The line shown, while the form is open; the automatic mode and the
    // amount shown in that mode.
    const TLigneEcriture* ligne_ = nullptr;
    bool modeAutomatique_ = false;
    double montantAutomatique_ = 0;
    std::unique_ptr<TLigneEcriture> resultat_;

    QLineEdit* EditLibelle;
    QLineEdit* EditDate;
    QLineEdit* EditNumeroCheque;
    TEditMonetaire* EditMontant;
    QGroupBox* GroupTypePaiement;
    QButtonGroup* typesPaiement_;
    QPushButton* BoutonOk;
    QString dateAffichee_;
    QString montantAffiche_;
};

} // namespace tramonta
