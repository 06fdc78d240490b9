// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fenetre/fiche_preferences.h"

#include "platform/choix_fichier.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tramonta {

TFichePreferences::TFichePreferences(QWidget* parent) : QDialog(parent) {
    setObjectName("FichePreferences");
    setWindowTitle("Préférences");
    Onglets = new QTabWidget(this);
    Onglets->setObjectName("Onglets");

    // Accounting: the logo.
    auto* compta = new QWidget;
    compta->setObjectName("OngletComptabilite");
    EditFichierLogo = new QLineEdit(compta);
    EditFichierLogo->setObjectName("EditFichierLogo");
    EditFichierLogo->setReadOnly(true);
    auto* changer = new QPushButton("&Changer", compta);
    changer->setObjectName("BoutonChangerLogo");
    changer->setAutoDefault(false);
    auto* effacer = new QPushButton("&Effacer", compta);
    effacer->setObjectName("BoutonEffacerLogo");
    effacer->setAutoDefault(false);
    ImageLogo = new QLabel(compta);
    ImageLogo->setObjectName("ImageLogo");
    ImageLogo->setAlignment(Qt::AlignCenter);
    LabelRatio = new QLabel(compta);
    LabelRatio->setObjectName("LabelRatio");
    auto* cadre = new QFrame(compta);
    cadre->setFrameShape(QFrame::StyledPanel);
    cadre->setFixedSize(110, 110);
    auto* dansCadre = new QVBoxLayout(cadre);
    dansCadre->setContentsMargins(4, 4, 4, 4);
    dansCadre->addWidget(ImageLogo, 0, Qt::AlignCenter);
    auto* ligneLogo = new QHBoxLayout;
    ligneLogo->addWidget(EditFichierLogo, 1);
    ligneLogo->addWidget(changer);
    ligneLogo->addWidget(effacer);
    auto* ligneApercu = new QHBoxLayout;
    ligneApercu->addWidget(new QLabel("Aperçu :", compta), 0, Qt::AlignTop);
    ligneApercu->addWidget(cadre);
    ligneApercu->addWidget(LabelRatio, 0, Qt::AlignBottom);
    ligneApercu->addStretch();
    auto* pageCompta = new QVBoxLayout(compta);
    auto* libelleLogo = new QLabel("Logo du club pour le bilan comptable :", compta);
    libelleLogo->setBuddy(EditFichierLogo);
    pageCompta->addWidget(libelleLogo);
    pageCompta->addLayout(ligneLogo);
    pageCompta->addLayout(ligneApercu);
    pageCompta->addStretch();
    Onglets->addTab(compta, "Comptabilité");

    // Competitions: lycra colours and heat printing.
    auto* compet = new QWidget;
    compet->setObjectName("OngletCompetition");
    auto* groupe = new QGroupBox("Couleurs des lycras ", compet);
    auto* couleurs = new QFormLayout(groupe);
    for (std::size_t i = 0; i < EditCouleursLycra.size(); ++i) {
        auto* e = new QLineEdit(groupe);
        e->setObjectName(QStringLiteral("EditCouleurLycra%1").arg(i + 1));
        EditCouleursLycra[i] = e;
        couleurs->addRow(QStringLiteral("Lycra %1 :").arg(i + 1), e);
    }
    CheckPrintSerieDemiA4 = new QCheckBox("Impression des séries en demi A4", compet);
    CheckPrintSerieDemiA4->setObjectName("CheckPrintSerieDemiA4");
    auto* pageCompet = new QVBoxLayout(compet);
    pageCompet->addWidget(groupe);
    pageCompet->addWidget(CheckPrintSerieDemiA4);
    pageCompet->addStretch();
    Onglets->addTab(compet, "Compétition");

    auto* fermer = new QPushButton("&Fermer", this);
    fermer->setObjectName("BoutonOk");
    fermer->setDefault(true);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(Onglets);
    tout->addLayout(boutons);

    connect(changer, &QPushButton::clicked, this, &TFichePreferences::BoutonChangerLogoClick);
    connect(effacer, &QPushButton::clicked, this, &TFichePreferences::BoutonEffacerLogoClick);
    connect(fermer, &QPushButton::clicked, this, &TFichePreferences::BoutonOkClick);
    resize(460, 300);
}

TFichePreferences::Apercu TFichePreferences::TailleApercu(int largeur, int hauteur) {
    if (largeur <= 0 || hauteur <= 0)
        return {};
    const double ratio = std::min(100.0 / largeur, 100.0 / hauteur);
    // nearbyint rounds in the default mode: halves to the even neighbour.
    return {static_cast<int>(std::nearbyint(largeur * ratio)),
            static_cast<int>(std::nearbyint(hauteur * ratio)), ratio};
}

int TFichePreferences::Executer(const TPreferences& depart) {
    copie_ = depart;
    Onglets->setCurrentIndex(0);
    EditFichierLogo->setText(QString::fromStdString(copie_.FichierLogo));
    RafraichirApercu();
    for (std::size_t i = 0; i < EditCouleursLycra.size(); ++i)
        EditCouleursLycra[i]->setText(QString::fromStdString(copie_.CouleursLycra[i + 1]));
    CheckPrintSerieDemiA4->setChecked(copie_.SeriesDemiA4);
    findChild<QPushButton*>("BoutonChangerLogo")->setFocus();
    const int r = exec();
    if (r != Accepted) {
        // Only the logo is taken at once; the rest needs "Fermer".
        const std::string logo = copie_.FichierLogo;
        copie_ = depart;
        copie_.FichierLogo = logo;
    }
    return r;
}

void TFichePreferences::RafraichirApercu() {
    const QString fichier = QString::fromStdString(copie_.FichierLogo);
    QImageReader lecteur(fichier);
    const QImage image = QFileInfo(fichier).isFile() ? lecteur.read() : QImage();
    const Apercu a = TailleApercu(image.width(), image.height());
    if (image.isNull() || a.largeur <= 0 || a.hauteur <= 0) {
        ImageLogo->hide();
        LabelRatio->hide();
        ImageLogo->clear();
        return;
    }
    const qreal echelle = devicePixelRatioF();
    QPixmap p = QPixmap::fromImage(
        image.scaled(QSize(a.largeur, a.hauteur) * echelle, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    p.setDevicePixelRatio(echelle);
    ImageLogo->setPixmap(p);
    ImageLogo->setFixedSize(a.largeur, a.hauteur);
    LabelRatio->setText("Ratio : " + QString::number(a.ratio, 'f', 2));
    ImageLogo->show();
    LabelRatio->show();
}

void TFichePreferences::BoutonChangerLogoClick() {
    DemandeFichier d;
    d.titre = "Logo du club";
    // Any picture that the program can read does; bitmaps were the first.
    d.filtre = "Images (*.bmp *.png *.jpg *.jpeg);;Fichier bitmap (*.bmp)";
    d.suffixe = "bmp";
    d.initial = QString::fromStdString(copie_.FichierLogo);
    if (const auto chemin = ChoisirFichier(this, d)) {
        copie_.FichierLogo = chemin->toStdString();
        EditFichierLogo->setText(*chemin);
        RafraichirApercu();
    }
}

void TFichePreferences::BoutonEffacerLogoClick() {
    copie_.FichierLogo.clear();
    EditFichierLogo->clear();
    RafraichirApercu();
}

void TFichePreferences::BoutonOkClick() {
    for (std::size_t i = 0; i < EditCouleursLycra.size(); ++i)
        copie_.CouleursLycra[i + 1] = EditCouleursLycra[i]->text().toStdString();
    copie_.SeriesDemiA4 = CheckPrintSerieDemiA4->isChecked();
    accept();
}

} // namespace tramonta
