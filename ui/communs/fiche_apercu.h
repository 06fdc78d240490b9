// SPDX-License-Identifier: GPL-3.0-or-later
// What every print preview window shares: a toolbar with the printer setup
// and print buttons above the paper view, the printer with its copies, and
// the print loop under the progress window with its journal line.
#pragma once

#include "platform/imprimante_qt.h"
#include "print/impression.h"
#include "ui/communs/apercu.h"

#include <QDialog>

class QToolBar;
class QToolButton;

namespace tramonta {

class TFicheApercu : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheApercu(QWidget* parent = nullptr);

    TImprimanteQt& Imprimante() { return imprimante_; }
    // Set once a printer was chosen in this window's printer setup, for the
    // run.
    bool ImprimanteChoisie() const { return !imprimante_.ImprimanteChoisie().empty(); }

  protected:
    // What the print button does: each preview prints its own document.
    virtual void BoutonPrintClick() = 0;

    // The print loop on this window's printer: the job's drawing in printing
    // mode, then the journal line (also after a cancel). With no printer
    // installed, the user picks a PDF file first (`nomPdf` proposed); a
    // cancel there prints nothing and writes nothing. A job that did not
    // reach the print system is said and not journalled.
    void Imprimer(TTravailImpression travail, const QString& nomPdf);

    TApercu* PaintBox;
    QToolBar* ToolBar;

  private slots:
    void BoutonPrintSetupClick();

  private:
    QToolButton* BoutonPrintSetup;
    QToolButton* BoutonPrint;
    TImprimanteQt imprimante_;
};

} // namespace tramonta
