#include "ui/fiche_print_progress.h"

#include <QApplication>
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
    ProgressBar->setRange(0, 100);
    ProgressBar->setAccessibleName("Progression");
    BoutonAnnuler = new QPushButton("&Annuler", this);
    BoutonAnnuler->setObjectName("BoutonAnnuler");
    connect(BoutonAnnuler, &QPushButton::clicked, this, [this] { annule_ = true; });
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(LabelStatus);
    tout->addWidget(ProgressBar);
    tout->addWidget(BoutonAnnuler, 0, Qt::AlignHCenter);
}

void TFichePrintProgress::Afficher() {
    LabelStatus->clear();
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    annule_ = false;
    adjustSize();
    if (const QScreen* ecran = QApplication::primaryScreen())
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

} // namespace tramonta
