// SPDX-License-Identifier: GPL-3.0-or-later
// The printer of the print loop over QPrinter. The print dialog chooses the
// printer and the number of copies, which the loop prints as one job each;
// without any printer installed, printing goes to a PDF file chosen in the
// save dialog instead of failing.
#pragma once

#include "platform/canevas_qt.h"
#include "print/impression.h"

#include <QPainter>
#include <QPrinter>

#include <functional>
#include <memory>

class QWidget;

namespace tramonta {

class TImprimanteQt : public TImprimante {
  public:
    TImprimanteQt();
    ~TImprimanteQt() override;

    static bool ImprimanteInstallee();
    // The print dialog (printer and copies); true when the user accepted it.
    bool Configurer(QWidget* parent);
    // Before a print: with no printer installed, asks for the PDF file to
    // write (the file name proposed from `nom`); false when the user cancels.
    bool Preparer(QWidget* parent, const QString& nom);

    void ChoisirImprimanteParDefaut() override;
    int NbCopies() const override { return copies_; }
    void DefinirTitre(const std::string& titre) override;
    void DefinirOrientation(Orientation orientation) override;
    TCanevas& DebuterTravail() override;
    void TerminerTravail() override;
    void AbandonnerTravail() override;

    QPrinter& Printer() { return printer_; }

    // Replaces the print dialog (tests): given the printer, answers whether
    // the dialog was accepted. Empty restores the real dialog.
    using DialogueImpression = std::function<bool(QPrinter&, QWidget*)>;
    static void DefinirDialogue(DialogueImpression dialogue);

  private:
    QPrinter printer_;
    QPainter painter_;
    std::unique_ptr<TCanevasQt> canevas_;
    int copies_ = 1;
};

} // namespace tramonta
