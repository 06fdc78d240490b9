// SPDX-License-Identifier: GPL-3.0-or-later
// The printer setup of the preview windows: it chooses the printer and the
// number of copies and prints nothing, so its accept button reads "OK". And
// the one way a window prints: the destination decided, the print loop run,
// and a job that did not reach the print system said in an error box.
#pragma once

#include "platform/imprimante_qt.h"
#include "platform/systeme_impression.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tramonta {

class TFicheConfigurationImprimante : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheConfigurationImprimante(QWidget* parent = nullptr);

    // Shows the printers with `choisie` selected (the default one when
    // empty) and the copies; true on "OK".
    bool Executer(const TSystemeImpression::TImprimantes& imprimantes, const std::string& choisie,
                  int copies);
    // The printer selected, empty when there is none.
    std::string Imprimante() const;
    int Copies() const;

  private:
    QComboBox* ComboImprimante;
    QSpinBox* EditCopies;
    QLabel* LabelAucune;
    QPushButton* BoutonOk;
    QPushButton* BoutonAnnuler;
};

// The printer setup button of a window: asks the print system for its
// printers (an error box when it does not answer), then the dialog; true
// when the user chose.
bool ConfigurerImprimante(QWidget* fenetre, TImprimanteQt& imprimante);

// The print button of a window: the job's destination (`nomPdf` proposed when
// a PDF file must be asked for), then the print loop under the progress
// window with its journal line. A job that did not reach the print system
// stops the loop and is said in an error box, with no journal line.
void LancerImpression(QWidget* fenetre, TImprimanteQt& imprimante, TTravailImpression travail,
                      const QString& nomPdf);

} // namespace tramonta
