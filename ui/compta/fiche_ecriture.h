// SPDX-License-Identifier: GPL-3.0-or-later
// The entry form: one ledger line, its label, date, means of payment,
// cheque number and amount. Shared by the account form and by the automatic
// postings of the member sheet.
#pragma once

#include <QDialog>
#include <QString>

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

    // Shows the form on `ligne` (a line of its account, or a new line made
    // for that account and not added yet) and stores the fields into it on
    // "&Ok". Gives QDialog::Accepted or QDialog::Rejected.
    int Executer(TLigneEcriture& ligne);
    // The same for a line posted from a member sheet: the line is
    // `Automatique`, its label and amount are read-only, and the amount shown
    // is `montantAffiche` (the sum typed on the sheet), not the line's.
    int ExecuterAutomatique(TLigneEcriture& ligne, double montantAffiche);

    // Set by the caller before showing: the line, the automatic mode and the
    // amount shown in that mode.
    TLigneEcriture* Ligne = nullptr;
    bool ModeAutomatique = false;
    double MontantAffiche = 0;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void EditLibelleChange();
    void GroupTypePaiementClick();
    void BoutonOkClick();

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
