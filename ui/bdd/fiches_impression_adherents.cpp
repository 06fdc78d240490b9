// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bdd/fiches_impression_adherents.h"

#include "core/texte.h"
#include "model/adherent.h"
#include "model/correspondant.h"
#include "model/exercice.h"
#include "platform/preferences.h"
#include "print/fiches.h"
#include "ui/bdd/fiche_choix_champs.h"
#include "ui/communs/agenda.h"

#include <QHideEvent>
#include <QIcon>
#include <QShowEvent>
#include <QToolBar>
#include <QToolButton>

namespace tramonta {

namespace {

// The sheets' header names the season as it is titled when the sheet is
// printed, after any change on the club page: the open document, the one
// whose journal the print writes to.
void ActualiserTitreEntete() {
    if (const TExercice* exercice = ExerciceJournal())
        DefinirTitreEntete(TitreEntetePour(exercice->Intitule()));
}

} // namespace

// One member.

TFicheImpressionAdherent::TFicheImpressionAdherent(QWidget* parent) : TFicheApercu(parent) {
    setObjectName("FicheImpressionAdherent");
    setWindowTitle("Impression d'un adhérent...");
}

int TFicheImpressionAdherent::Montrer(const TAdherent& adherent) {
    adherent_ = &adherent;
    return exec();
}

void TFicheImpressionAdherent::Dessiner(TCanevas& c, bool impression) const {
    if (adherent_)
        ImprimerAdherent(*adherent_, c, impression);
}

void TFicheImpressionAdherent::showEvent(QShowEvent* e) {
    TFicheApercu::showEvent(e);
    PaintBox->DefinirDessin([this](TCanevas& c) {
        Dessiner(c, false);
        return 1;
    });
    PaintBox->setFocus();
}

void TFicheImpressionAdherent::hideEvent(QHideEvent* e) {
    // The member is the sheet's working copy: nothing of it stays here.
    PaintBox->DefinirDessin({});
    adherent_ = nullptr;
    TFicheApercu::hideEvent(e);
}

void TFicheImpressionAdherent::BoutonPrintClick() {
    if (!adherent_)
        return;
    TTravailImpression travail;
    travail.titre = "Impression adhérent";
    travail.orientation = Orientation::Portrait;
    travail.statut = "Impression de l'adhérent (%d/%d)...";
    travail.ligneJournal =
        Formater("Impression de l'adhérent \"%s %s\"", {adherent_->Nom(), adherent_->Prenom()});
    travail.dessin = [this](TCanevas& c) { Dessiner(c, true); };
    ActualiserTitreEntete();
    Imprimer(std::move(travail), "adherent");
}

// One correspondent.

TFicheImpressionCorrespondant::TFicheImpressionCorrespondant(QWidget* parent) : TFicheApercu(parent) {
    setObjectName("FicheImpressionCorrespondant");
    setWindowTitle("Impression d'un correspondant...");
}

int TFicheImpressionCorrespondant::Montrer(const TCorrespondant& correspondant) {
    correspondant_ = &correspondant;
    return exec();
}

void TFicheImpressionCorrespondant::Dessiner(TCanevas& c, bool impression) const {
    if (correspondant_)
        ImprimerCorrespondant(*correspondant_, c, impression);
}

void TFicheImpressionCorrespondant::showEvent(QShowEvent* e) {
    TFicheApercu::showEvent(e);
    PaintBox->DefinirDessin([this](TCanevas& c) {
        Dessiner(c, false);
        return 1;
    });
    PaintBox->setFocus();
}

void TFicheImpressionCorrespondant::hideEvent(QHideEvent* e) {
    PaintBox->DefinirDessin({});
    correspondant_ = nullptr;
    TFicheApercu::hideEvent(e);
}

void TFicheImpressionCorrespondant::BoutonPrintClick() {
    if (!correspondant_)
        return;
    TTravailImpression travail;
    travail.titre = "Impression correspondant";
    travail.orientation = Orientation::Portrait;
    travail.statut = "Impression du correspondant (%d/%d)...";
    travail.ligneJournal = Formater("Impression du correspondant \"%s\"", {correspondant_->Nom()});
    travail.dessin = [this](TCanevas& c) { Dessiner(c, true); };
    ActualiserTitreEntete();
    Imprimer(std::move(travail), "correspondant");
}

// The members of a query.

TFicheImpressionAdherents::TFicheImpressionAdherents(QWidget* parent) : TFicheApercu(parent) {
    setObjectName("FicheImpressionAdherents");
    setWindowTitle("Impression d'adhérents...");
    BoutonChamps = new QToolButton(ToolBar);
    BoutonChamps->setObjectName("BoutonChamps");
    BoutonChamps->setIcon(QIcon(":/icones/CHAMPS.svg"));
    const QString bulle = "Champs à visualiser...";
    BoutonChamps->setText(bulle);
    BoutonChamps->setToolTip(bulle);
    BoutonChamps->setAccessibleName(bulle);
    BoutonChamps->setToolButtonStyle(Qt::ToolButtonIconOnly);
    BoutonChamps->setFocusPolicy(Qt::StrongFocus);
    ToolBar->addSeparator();
    ToolBar->addWidget(BoutonChamps);
    connect(BoutonChamps, &QToolButton::clicked, this, &TFicheImpressionAdherents::BoutonChampsClick);
    ficheChoixChamps_ = new TFicheChoixChamps(this);
}

int TFicheImpressionAdherents::Montrer(const TAdherents& adherents, const TCriteresRequete& criteres) {
    adherents_ = &adherents;
    criteres_ = &criteres;
    return exec();
}

void TFicheImpressionAdherents::ConstruireLignes() {
    lignes_ = LignesListeAdherents(adherents_, criteres_, Preferences().ChampsVisibles);
}

int TFicheImpressionAdherents::Dessiner(TCanevas& c, bool impression) const {
    return ImprimerListeAdherents(c, lignes_, impression);
}

void TFicheImpressionAdherents::BoutonChampsClick() {
    const auto choix = ficheChoixChamps_->Choisir(Preferences().ChampsVisibles);
    if (!choix)
        return;
    Preferences().ChampsVisibles = *choix;
    ConstruireLignes();
    PaintBox->Actualiser();
}

void TFicheImpressionAdherents::showEvent(QShowEvent* e) {
    TFicheApercu::showEvent(e);
    ConstruireLignes();
    PaintBox->DefinirDessin([this](TCanevas& c) { return Dessiner(c, false); });
    PaintBox->setFocus();
}

void TFicheImpressionAdherents::hideEvent(QHideEvent* e) {
    PaintBox->DefinirDessin({});
    adherents_ = nullptr;
    criteres_ = nullptr;
    lignes_.clear();
    TFicheApercu::hideEvent(e);
}

void TFicheImpressionAdherents::BoutonPrintClick() {
    if (!adherents_ || !criteres_)
        return;
    TTravailImpression travail;
    travail.titre = "Impression requête adhérents";
    travail.orientation = Orientation::Portrait;
    travail.statut = "Impression requête d'adhérents (%d/%d)...";
    travail.ligneJournal = "Impression requête d'adhérents";
    travail.dessin = [this](TCanevas& c) { Dessiner(c, true); };
    Imprimer(std::move(travail), "requete");
}

} // namespace tramonta
