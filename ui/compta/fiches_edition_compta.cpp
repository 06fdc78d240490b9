// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compta/fiches_edition_compta.h"
#include "ui/communs/controles.h"

#include "core/dates.h"
#include "model/exercice.h"
#include "ui/compta/fiche_impression_compta.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tramonta {

namespace {

bool DateLue(const QLineEdit* e) {
    return LireDate(e) != 0;
}

// "Période " with its two dates, side by side.
QGroupBox* GroupePeriode(QLineEdit* debut, QLineEdit* fin, QWidget* parent) {
    auto* g = new QGroupBox("Période ", parent);
    auto* l = new QHBoxLayout(g);
    auto* de = new QLabel("De :", g);
    de->setBuddy(debut);
    auto* a = new QLabel("à :", g);
    a->setBuddy(fin);
    l->addWidget(de);
    l->addWidget(debut);
    l->addSpacing(12);
    l->addWidget(a);
    l->addWidget(fin);
    l->addStretch();
    return g;
}

QGroupBox* GroupeCompte(QComboBox* combo, QWidget* parent) {
    auto* g = new QGroupBox("Compte ", parent);
    auto* l = new QHBoxLayout(g);
    auto* pour = new QLabel("Pour : ", g);
    pour->setBuddy(combo);
    l->addWidget(pour);
    l->addWidget(combo, 1);
    return g;
}

QHBoxLayout* Boutons(QPushButton* edition, QPushButton* fermer) {
    auto* l = new QHBoxLayout;
    l->addStretch();
    l->addWidget(edition);
    l->addWidget(fermer);
    return l;
}

} // namespace

TFicheMouvementsCompta::TFicheMouvementsCompta(TFicheImpressionCompta& apercu, QWidget* parent)
    : QDialog(parent), apercu_(apercu) {
    setObjectName("FicheMouvementsCompta");
    setWindowTitle("Mouvements...");
    EditDebutMvt = EditDate(this, "EditDebutMvt");
    EditFinmvt = EditDate(this, "EditFinmvt");
    ComboCompte = new QComboBox(this);
    ComboCompte->setObjectName("ComboCompte");
    ComboCompte->setMinimumWidth(320);
    BoutonEdition = BoutonSansDefaut("BoutonEdition", "&Edition", this);
    BoutonFermer = BoutonSansDefaut("BoutonFermer", "&Fermer", this);
    auto* l = new QVBoxLayout(this);
    l->addWidget(GroupePeriode(EditDebutMvt, EditFinmvt, this));
    l->addWidget(GroupeCompte(ComboCompte, this));
    l->addLayout(Boutons(BoutonEdition, BoutonFermer));
    connect(EditDebutMvt, &QLineEdit::textChanged, this, &TFicheMouvementsCompta::EditMvtChange);
    connect(EditFinmvt, &QLineEdit::textChanged, this, &TFicheMouvementsCompta::EditMvtChange);
    connect(BoutonEdition, &QPushButton::clicked, this, &TFicheMouvementsCompta::BoutonEditionClick);
    connect(BoutonFermer, &QPushButton::clicked, this, &QDialog::reject);
    EditMvtChange();
}

int TFicheMouvementsCompta::Executer(const TExercice& exercice) {
    exercice_ = &exercice;
    return exec();
}

void TFicheMouvementsCompta::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    ComboCompte->clear();
    comptes_ = {nullptr, nullptr, nullptr};
    ComboCompte->addItems({"Tous les comptes", "Tous les comptes charge", "Tous les comptes produit"});
    if (exercice_) {
        const TComptabilite& c = exercice_->Comptabilite();
        for (int i = 0; i < c.NbComptesCharges(); ++i) {
            ComboCompte->addItem(TexteCompte(*c.GetCompteCharge(i)) + " (charge)");
            comptes_.push_back(c.GetCompteCharge(i));
        }
        for (int i = 0; i < c.NbComptesProduits(); ++i) {
            ComboCompte->addItem(TexteCompte(*c.GetCompteProduit(i)) + " (produit)");
            comptes_.push_back(c.GetCompteProduit(i));
        }
    }
    ComboCompte->setCurrentIndex(0);
    EditDebutMvt->setFocus();
    EditMvtChange();
}

void TFicheMouvementsCompta::hideEvent(QHideEvent* e) {
    comptes_.clear();
    ComboCompte->clear();
    exercice_ = nullptr;
    QDialog::hideEvent(e);
}

void TFicheMouvementsCompta::EditMvtChange() {
    BoutonEdition->setEnabled(DateLue(EditDebutMvt) && DateLue(EditFinmvt));
}

void TFicheMouvementsCompta::BoutonEditionClick() {
    const int index = ComboCompte->currentIndex();
    if (!exercice_ || !BoutonEdition->isEnabled() || index < 0)
        return;
    TEditionMouvements edition;
    edition.Genre = index;
    edition.Compte = comptes_[static_cast<std::size_t>(index)];
    edition.Debut = LireDate(EditDebutMvt);
    edition.Fin = LireDate(EditFinmvt);
    apercu_.MontrerMouvements(*exercice_, edition);
}

TFicheDepotsBancaires::TFicheDepotsBancaires(TFicheImpressionCompta& apercu, QWidget* parent)
    : QDialog(parent), apercu_(apercu) {
    setObjectName("FicheDepotsBancaires");
    setWindowTitle("Dépôts bancaires");
    EditDebutPeriode = EditDate(this, "EditDebutPeriode");
    EditFinPeriode = EditDate(this, "EditFinPeriode");
    ComboCompte = new QComboBox(this);
    ComboCompte->setObjectName("ComboCompte");
    ComboCompte->setMinimumWidth(320);
    EditDateEdition = EditDate(this, "EditDateEdition");
    EditNumeroDepot = new QLineEdit(this);
    EditNumeroDepot->setObjectName("EditNumeroDepot");
    EditNumeroDepot->setMaximumWidth(160);
    BoutonEdition = BoutonSansDefaut("BoutonEdition", "&Edition", this);
    BoutonFermer = BoutonSansDefaut("BoutonFermer", "&Fermer", this);

    auto* divers = new QGroupBox("Divers ", this);
    auto* f = new QFormLayout(divers);
    auto* libelleDate = new QLabel("Date de l'édition :", divers);
    libelleDate->setBuddy(EditDateEdition);
    auto* libelleNumero = new QLabel("N° dépôt :", divers);
    libelleNumero->setBuddy(EditNumeroDepot);
    f->addRow(libelleDate, EditDateEdition);
    f->addRow(libelleNumero, EditNumeroDepot);

    auto* l = new QVBoxLayout(this);
    l->addWidget(GroupePeriode(EditDebutPeriode, EditFinPeriode, this));
    l->addWidget(GroupeCompte(ComboCompte, this));
    l->addWidget(divers);
    l->addLayout(Boutons(BoutonEdition, BoutonFermer));
    for (QLineEdit* e : {EditDebutPeriode, EditFinPeriode, EditDateEdition})
        connect(e, &QLineEdit::textChanged, this, &TFicheDepotsBancaires::EditDateChange);
    connect(BoutonEdition, &QPushButton::clicked, this, &TFicheDepotsBancaires::BoutonEditionClick);
    connect(BoutonFermer, &QPushButton::clicked, this, &QDialog::reject);
    EditDateChange();
}

int TFicheDepotsBancaires::Executer(const TExercice& exercice) {
    exercice_ = &exercice;
    return exec();
}

void TFicheDepotsBancaires::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    ComboCompte->clear();
    comptes_ = {nullptr};
    ComboCompte->addItem("Tous les comptes produit");
    if (exercice_) {
        const TComptabilite& c = exercice_->Comptabilite();
        for (int i = 0; i < c.NbComptesProduits(); ++i) {
            ComboCompte->addItem(TexteCompte(*c.GetCompteProduit(i)));
            comptes_.push_back(c.GetCompteProduit(i));
        }
    }
    ComboCompte->setCurrentIndex(0);
    if (!DateLue(EditDateEdition))
        EditDateEdition->setText(QString::fromStdString(DateVersTexte(Aujourdhui())));
    EditDebutPeriode->setFocus();
    EditDateChange();
}

void TFicheDepotsBancaires::hideEvent(QHideEvent* e) {
    comptes_.clear();
    ComboCompte->clear();
    exercice_ = nullptr;
    QDialog::hideEvent(e);
}

void TFicheDepotsBancaires::EditDateChange() {
    BoutonEdition->setEnabled(DateLue(EditDebutPeriode) && DateLue(EditFinPeriode) &&
                              DateLue(EditDateEdition));
}

void TFicheDepotsBancaires::BoutonEditionClick() {
    const int index = ComboCompte->currentIndex();
    if (!exercice_ || !BoutonEdition->isEnabled() || index < 0)
        return;
    TEditionDepotsBancaires edition;
    edition.Genre = index;
    edition.Compte = comptes_[static_cast<std::size_t>(index)];
    edition.Debut = LireDate(EditDebutPeriode);
    edition.Fin = LireDate(EditFinPeriode);
    edition.DateEdition = LireDate(EditDateEdition);
    edition.NumeroDepot = EditNumeroDepot->text().toStdString();
    apercu_.MontrerDepots(*exercice_, edition);
}

} // namespace tramonta
