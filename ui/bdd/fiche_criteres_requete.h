// SPDX-License-Identifier: GPL-3.0-or-later
// The choice of the members that a list print-out or a mail merge is about.
#pragma once

#include "model/requete.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QRadioButton;

namespace tramonta {

class TFicheCriteresRequete : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheCriteresRequete(QWidget* parent = nullptr);

    // The criteria of the last "&Ok" (all members before the first), kept
    // for the life of the dialog; a cancelled dialog leaves them as they were.
    const TCriteresRequete& Criteres() const { return criteres_; }
    // Shows the dialog; true on "&Ok".
    bool Executer();

    void accept() override;

  private:
    void MajEtats();
    // The controls as the confirmed criteria stand.
    void Remplir();

    TCriteresRequete criteres_;
    bool choisi_ = false;
    QButtonGroup* groupe_;
    QRadioButton* RadioButtonTous;
    QRadioButton* RadioButtonRelance;
    QRadioButton* RadioButtonCategorie;
    QRadioButton* RadioButtonLicence;
    QComboBox* ComboBoxRelance;
    QComboBox* ComboBoxCategorie;
    QComboBox* ComboBoxLicence;
};

} // namespace tramonta
