// SPDX-License-Identifier: GPL-3.0-or-later
// The printer of the print loop: each job is drawn by Qt as a PDF document
// in memory, the same as `tramonta-cli pdf` writes, then handed to the print
// system, whose answer is read; a job that it did not take is an error. The
// printer is checked before each job. Without any printer, the one job goes
// to a PDF file that the user chooses in the save dialog; the next print
// asks again. Nothing touches the print system before a print asks.
#pragma once

#include "platform/canevas_qt.h"
#include "platform/systeme_impression.h"
#include "print/impression.h"

#include <QBuffer>
#include <QPainter>
#include <QString>

#include <memory>
#include <optional>
#include <string>

class QPdfWriter;
class QWidget;

namespace tramonta {

class TImprimanteQt : public TImprimante {
  public:
    TImprimanteQt();
    ~TImprimanteQt() override;

    // What the printer setup chose: a printer (empty for the default one at
    // each print) and the number of copies.
    const std::string& ImprimanteChoisie() const { return choisie_; }
    int Copies() const { return copies_; }
    void Choisir(const std::string& imprimante, int copies);

    // The print system's printers, under the wait cursor while it answers.
    static TSystemeImpression::TImprimantes Imprimantes();

    // Before a print, where this job goes: the chosen printer, or the print
    // system's default one, or with no printer at all a PDF file asked for
    // in the save dialog (`nom` proposed) for this job only. False when the
    // user gives up the file. Throws TErreurImpression when the print system
    // cannot say.
    bool Preparer(QWidget* parent, const QString& nom);
    // Where the prepared job goes: the printer's name or the PDF file.
    QString Destination() const;

    void ChoisirImprimanteParDefaut() override;
    int NbCopies() const override;
    void DefinirTitre(const std::string& titre) override { titre_ = titre; }
    void DefinirOrientation(Orientation orientation) override { orientation_ = orientation; }
    TCanevas& DebuterTravail() override;
    void TerminerTravail() override;
    void AbandonnerTravail() override;

  private:
    void Fermer();
    std::string choisie_;
    int copies_ = 1;
    // This job's: the printer, or the PDF file when there is none.
    std::string imprimante_;
    std::optional<QString> fichier_;
    std::string titre_;
    Orientation orientation_ = Orientation::Portrait;
    QBuffer document_;
    std::unique_ptr<QPdfWriter> pdf_;
    QPainter painter_;
    std::unique_ptr<TCanevasQt> canevas_;
};

} // namespace tramonta
