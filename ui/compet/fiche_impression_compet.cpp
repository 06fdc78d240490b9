// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compet/fiche_impression_compet.h"

#include "model/compets.h"
#include "platform/canevas_qt.h"
#include "platform/preferences.h"
#include "print/participants_compet.h"
#include "ui/communs/controles.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tramonta {

TFicheSaisieCommentaire::TFicheSaisieCommentaire(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheSaisieCommentaire");
    setWindowTitle("Saisie d'un commentaire...");
    EditCommentaire = new QLineEdit(this);
    EditCommentaire->setObjectName("EditCommentaire");
    EditCommentaire->setMinimumWidth(360);
    auto* libelle = new QLabel("Commentaire qui apparaîtra  en en-tête du document :", this);
    libelle->setBuddy(EditCommentaire);
    auto* ok = new QPushButton("&Ok", this);
    ok->setObjectName("BoutonOk");
    ok->setDefault(true);
    auto* annuler = new QPushButton("&Annuler", this);
    annuler->setObjectName("BoutonAnnuler");
    connect(ok, &QPushButton::clicked, this, [this] {
        EcrireCommentaireParticipants(EditCommentaire->text().toStdString());
        accept();
    });
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ok);
    boutons->addWidget(annuler);
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(libelle);
    tout->addWidget(EditCommentaire);
    tout->addLayout(boutons);
}

int TFicheSaisieCommentaire::Executer() {
    EditCommentaire->setText(QString::fromStdString(LireCommentaireParticipants()));
    EditCommentaire->selectAll();
    EditCommentaire->setFocus();
    return exec();
}

TFicheImpressionCompet::TFicheImpressionCompet(QWidget* parent) : TFicheApercu(parent) {
    setObjectName("FicheImpressionCompet");
    setWindowTitle("Impression des participants...");
    BoutonCopier = BoutonOutil(ToolBar, "BoutonCopier", "Copier dans le presse papier", "COPIER");
    BoutonCommentaire = BoutonOutil(ToolBar, "BoutonCommentaire", "Commentaire en entête...", "COMMENTAIRE");
    commentaire_ = new TFicheSaisieCommentaire(this);
    connect(BoutonCopier, &QToolButton::clicked, this, &TFicheImpressionCompet::BoutonCopierClick);
    connect(BoutonCommentaire, &QToolButton::clicked, this, &TFicheImpressionCompet::BoutonCommentaireClick);
}

int TFicheImpressionCompet::Montrer(const TCompet& compet, int categorie) {
    compet_ = &compet;
    categorie_ = categorie;
    return exec();
}

int TFicheImpressionCompet::Dessiner(TCanevas& c, bool impression) const {
    if (!compet_)
        return 1;
    return DessinerParticipants(*compet_, c, categorie_, impression, LireCommentaireParticipants());
}

void TFicheImpressionCompet::showEvent(QShowEvent* e) {
    TFicheApercu::showEvent(e);
    PaintBox->DefinirDessin([this](TCanevas& c) { return Dessiner(c, false); });
    PaintBox->setFocus();
}

void TFicheImpressionCompet::hideEvent(QHideEvent* e) {
    PaintBox->DefinirDessin({});
    compet_ = nullptr;
    TFicheApercu::hideEvent(e);
}

void TFicheImpressionCompet::BoutonPrintClick() {
    if (!compet_)
        return;
    TTravailImpression travail;
    travail.titre = "Impression participants";
    travail.orientation = Orientation::Portrait;
    travail.statut = "Impression des participants (%d/%d)...";
    travail.dessin = [this](TCanevas& c) { Dessiner(c, true); };
    travail.ligneJournal = "Impression des participants de la compétition \"" + compet_->Intitule() + "\"";
    Imprimer(std::move(travail), "participants");
}

QImage TFicheImpressionCompet::Image() const {
    if (!compet_)
        return {};
    const std::string commentaire = LireCommentaireParticipants();
    const int pages = CompterPages(*compet_, categorie_, commentaire);
    QImage image(UnitesVersPixels(kLargeurA4), UnitesVersPixels(pages * kHauteurA4), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TCanevasQt canevas(painter, PixelsEcranParUnite());
    DessinerParticipants(*compet_, canevas, categorie_, false, commentaire);
    return image;
}

void TFicheImpressionCompet::BoutonCopierClick() {
    if (compet_)
        QApplication::clipboard()->setImage(Image());
}

void TFicheImpressionCompet::BoutonCommentaireClick() {
    if (commentaire_->Executer() == QDialog::Accepted)
        PaintBox->Actualiser();
}

} // namespace tramonta
