// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/communs/fiche_print_progress.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace tramonta {

TFichePrintProgress::TFichePrintProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("FichePrintProgress");
    setWindowTitle("Impression en cours...");
    setModal(false);
    LabelStatus = new QLabel("Impression du document en cours...", this);
    LabelStatus->setObjectName("LabelStatus");
    LabelStatus->setAlignment(Qt::AlignCenter);
    LabelStatus->setMinimumWidth(320);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setAccessibleName("Progression de l'impression");
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    BoutonAnnuler = new QPushButton("&Annuler", this);
    BoutonAnnuler->setObjectName("BoutonAnnuler");
    connect(BoutonAnnuler, &QPushButton::clicked, this, [this] { annule_ = true; });
    auto* l = new QVBoxLayout(this);
    l->addWidget(LabelStatus);
    l->addWidget(ProgressBar);
    l->addWidget(BoutonAnnuler, 0, Qt::AlignHCenter);
}

void TFichePrintProgress::Afficher() {
    LabelStatus->clear();
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    annule_ = false;
    adjustSize();
    if (QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    show();
    raise();
    repaint();
}

void TFichePrintProgress::DefinirStatut(const std::string& texte) {
    LabelStatus->setText(QString::fromStdString(texte));
    LabelStatus->repaint();
}

void TFichePrintProgress::DefinirBornes(int minimum, int maximum) {
    ProgressBar->setRange(std::clamp(minimum, 0, 65535), std::clamp(maximum, 0, 65535));
    ProgressBar->setValue(ProgressBar->minimum());
}

void TFichePrintProgress::Avancer() {
    ProgressBar->setValue(std::min(ProgressBar->value() + 1, ProgressBar->maximum()));
    ProgressBar->repaint();
}

bool TFichePrintProgress::Annule() {
    QApplication::processEvents();
    return annule_;
}

void TFichePrintProgress::Masquer() {
    hide();
}

void TFichePrintProgress::keyPressEvent(QKeyEvent* e) {
    // Escape cancels the print, it does not close the window under the loop.
    if (e->key() == Qt::Key_Escape) {
        annule_ = true;
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFichePrintProgress::closeEvent(QCloseEvent* e) {
    annule_ = true;
    e->ignore();
}

namespace {
const QObject* gFenetreProgression = nullptr;
std::function<TFichePrintProgress&()> gProgression;
} // namespace

void DefinirProgressionImpression(const QObject* fenetre, std::function<TFichePrintProgress&()> progression) {
    gFenetreProgression = fenetre;
    gProgression = std::move(progression);
}

void OublierProgressionImpression(const QObject* fenetre) {
    if (gFenetreProgression != fenetre)
        return;
    gFenetreProgression = nullptr;
    gProgression = nullptr;
}

TFichePrintProgress& ProgressionImpression(QWidget* fenetre) {
    if (gProgression)
        return gProgression();
    auto* propre = fenetre->findChild<TFichePrintProgress*>(QString(), Qt::FindDirectChildrenOnly);
    if (!propre)
        propre = new TFichePrintProgress(fenetre);
    return *propre;
}

} // namespace tramonta
