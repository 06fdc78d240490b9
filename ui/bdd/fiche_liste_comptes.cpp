// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bdd/fiche_liste_comptes.h"

#include "model/comptabilite.h"
#include "ui/communs/controles.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tramonta {

TFicheListeComptes::TFicheListeComptes(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheListeComptes");
    setWindowTitle("Liste des comptes");
    ComboBoxComptes = new QComboBox(this);
    ComboBoxComptes->setObjectName("ComboBoxComptes");
    ComboBoxComptes->setMinimumContentsLength(28);
    ComboBoxComptes->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* libelle = new QLabel("Compte :", this);
    libelle->setBuddy(ComboBoxComptes);
    ComboBoxComptes->setAccessibleName("Compte");

    BoutonOk = new QPushButton("&Ok", this);
    BoutonOk->setObjectName("BoutonOk");
    BoutonOk->setDefault(true);
    auto* annuler = new QPushButton("&Annuler", this);
    annuler->setObjectName("BoutonAnnuler");
    connect(BoutonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(ComboBoxComptes, &QComboBox::currentTextChanged, this, &TFicheListeComptes::MajBoutons);

    auto* formulaire = new QFormLayout;
    formulaire->addRow(libelle, ComboBoxComptes);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(BoutonOk);
    boutons->addWidget(annuler);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(formulaire);
    tout->addLayout(boutons);
}

void TFicheListeComptes::MajBoutons() {
    BoutonOk->setEnabled(!ComboBoxComptes->currentText().isEmpty());
}

TCompte* TFicheListeComptes::Choisir(const TComptabilite& comptabilite) {
    ComboBoxComptes->clear();
    for (int i = 0; i < comptabilite.NbComptesProduits(); ++i) {
        ComboBoxComptes->addItem(TexteCompte(*comptabilite.GetCompteProduit(i)));
    }
    ComboBoxComptes->setCurrentIndex(comptabilite.NbComptesProduits() > 0 ? 0 : -1);
    MajBoutons();
    ComboBoxComptes->setFocus();
    if (exec() != QDialog::Accepted)
        return nullptr;
    // The entry's position is the account's: the list cannot change while
    // the dialog is shown.
    return comptabilite.GetCompteProduit(ComboBoxComptes->currentIndex());
}

} // namespace tramonta
