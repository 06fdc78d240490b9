// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/imprimante_qt.h"

#include "platform/choix_fichier.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinterInfo>

#include <algorithm>
#include <stdexcept>

namespace tramonta {

namespace {
TImprimanteQt::DialogueImpression& Dialogue() {
    static TImprimanteQt::DialogueImpression d;
    return d;
}
} // namespace

void TImprimanteQt::DefinirDialogue(DialogueImpression dialogue) {
    Dialogue() = std::move(dialogue);
}

TImprimanteQt::TImprimanteQt() : printer_(QPrinter::HighResolution) {
    printer_.setFullPage(true);
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setCopyCount(1);
    if (!ImprimanteInstallee())
        printer_.setOutputFormat(QPrinter::PdfFormat);
}

TImprimanteQt::~TImprimanteQt() {
    canevas_.reset();
    if (painter_.isActive())
        painter_.end();
}

bool TImprimanteQt::ImprimanteInstallee() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool TImprimanteQt::Configurer(QWidget* parent) {
    printer_.setCopyCount(copies_);
    bool accepte = false;
    if (Dialogue()) {
        accepte = Dialogue()(printer_, parent);
    } else {
        QPrintDialog dialogue(&printer_, parent);
        dialogue.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
        accepte = dialogue.exec() == QDialog::Accepted;
    }
    if (accepte)
        copies_ = std::max(1, printer_.copyCount());
    // The loop makes one job per copy: the printer must not repeat each.
    printer_.setCopyCount(1);
    return accepte;
}

bool TImprimanteQt::Preparer(QWidget* parent, const QString& nom) {
    if (printer_.outputFormat() != QPrinter::PdfFormat || ImprimanteInstallee())
        return true;
    DemandeFichier demande;
    demande.sens = DemandeFichier::Sens::Enregistrer;
    demande.titre = QStringLiteral("Aucune imprimante : enregistrer en PDF");
    demande.filtre = QStringLiteral("Document PDF (*.pdf);;Tous les fichiers (*)");
    demande.suffixe = QStringLiteral("pdf");
    demande.initial =
        printer_.outputFileName().isEmpty() ? QDir::home().filePath(nom + ".pdf") : printer_.outputFileName();
    const auto chemin = ChoisirFichier(parent, demande);
    if (!chemin)
        return false;
    printer_.setOutputFileName(*chemin);
    // One file holds the document once: copies of a file are the user's.
    copies_ = 1;
    return true;
}

void TImprimanteQt::ChoisirImprimanteParDefaut() {
    const QString defaut = QPrinterInfo::defaultPrinterName();
    if (defaut.isEmpty())
        return;
    printer_.setOutputFormat(QPrinter::NativeFormat);
    printer_.setPrinterName(defaut);
    printer_.setFullPage(true);
    printer_.setPageSize(QPageSize(QPageSize::A4));
}

void TImprimanteQt::DefinirTitre(const std::string& titre) {
    printer_.setDocName(QString::fromStdString(titre));
}

void TImprimanteQt::DefinirOrientation(Orientation orientation) {
    printer_.setPageOrientation(orientation == Orientation::Paysage ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
}

TCanevas& TImprimanteQt::DebuterTravail() {
    if (!painter_.begin(&printer_))
        throw std::runtime_error("L'impression n'a pas pu commencer sur l'imprimante \"" +
                                 printer_.printerName().toStdString() + "\"");
    // With the full page, the painter's origin is the paper's corner.
    canevas_ = std::make_unique<TCanevasQt>(painter_, printer_.resolution() / 254.0, QPointF(),
                                            [this] { printer_.newPage(); });
    return *canevas_;
}

void TImprimanteQt::TerminerTravail() {
    canevas_.reset();
    if (painter_.isActive())
        painter_.end();
}

void TImprimanteQt::AbandonnerTravail() {
    canevas_.reset();
    printer_.abort();
    if (painter_.isActive())
        painter_.end();
}

} // namespace tramonta
