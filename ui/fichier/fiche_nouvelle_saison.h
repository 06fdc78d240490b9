// SPDX-License-Identifier: GPL-3.0-or-later
// The choices of a new season started from the open one: its title, and
// whether the closing result is carried and into which account. The caller
// builds the season.
#pragma once

#include "model/nouvelle_saison.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tramonta {

class TExercice;

class TFicheNouvelleSaison : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheNouvelleSaison(QWidget* parent = nullptr);

    // Fills every control from `exercice` (the closing season) and shows the
    // dialog modally.
    int Executer(const TExercice& exercice);
    // What the user chose, once accepted; the carried result is dated today.
    OptionsNouvelleSaison Options() const;

  private:
    void CheckReportClick();

    QLineEdit* EditIntitule;
    QLabel* LabelRepris;
    QLabel* LabelNonRepris;
    QCheckBox* CheckReport;
    QLabel* LabelCompteReport;
    QComboBox* ComboCompteReport;
    QPushButton* BoutonOk;
};

} // namespace tramonta
