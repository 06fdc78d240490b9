// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bdd/fiche_criteres_requete.h"
#include "ui/communs/boutons_dialogue.h"
#include "ui/communs/controles.h"

#include "model/adherent.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tramonta {

namespace {} // namespace

TFicheCriteresRequete::TFicheCriteresRequete(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheCriteresRequete");
    setWindowTitle("Critères de sélection des adhérents");

    auto* cadre = new QGroupBox("Critères ", this);
    RadioButtonTous = Nomme(new QRadioButton("Tous les adhérents", cadre), "RadioButtonTous");
    RadioButtonRelance = Nomme(new QRadioButton("Ceux qui n'ont pas payé :", cadre), "RadioButtonRelance");
    RadioButtonCategorie = Nomme(new QRadioButton("Ceux de la catégorie :", cadre), "RadioButtonCategorie");
    RadioButtonLicence = Nomme(new QRadioButton("Ceux qui ont une licence :", cadre), "RadioButtonLicence");
    ComboBoxRelance = Nomme(new QComboBox(cadre), "ComboBoxRelance");
    ComboBoxCategorie = Nomme(new QComboBox(cadre), "ComboBoxCategorie");
    ComboBoxLicence = Nomme(new QComboBox(cadre), "ComboBoxLicence");
    for (const char* t : kTextesRelance)
        ComboBoxRelance->addItem(t);
    for (const char* t : kCategories)
        ComboBoxCategorie->addItem(t);
    for (const char* t : kTypesLicence)
        ComboBoxLicence->addItem(t);
    ComboBoxRelance->setAccessibleName("Somme non payée");
    ComboBoxCategorie->setAccessibleName("Catégorie");
    ComboBoxLicence->setAccessibleName("Licence");

    // No choice is made until the user picks one: all members by default.
    groupe_ = new QButtonGroup(this);
    groupe_->addButton(RadioButtonTous, TCriteresRequete::ReqTous);
    groupe_->addButton(RadioButtonRelance, TCriteresRequete::ReqRelance);
    groupe_->addButton(RadioButtonCategorie, TCriteresRequete::ReqCategorie);
    groupe_->addButton(RadioButtonLicence, TCriteresRequete::ReqLicence);
    connect(groupe_, &QButtonGroup::idToggled, this, &TFicheCriteresRequete::MajEtats);

    auto* grille = new QGridLayout(cadre);
    grille->addWidget(RadioButtonTous, 0, 0, 1, 2);
    grille->addWidget(RadioButtonRelance, 1, 0);
    grille->addWidget(ComboBoxRelance, 1, 1);
    grille->addWidget(RadioButtonCategorie, 2, 0);
    grille->addWidget(ComboBoxCategorie, 2, 1);
    grille->addWidget(RadioButtonLicence, 3, 0);
    grille->addWidget(ComboBoxLicence, 3, 1);

    auto* tout = new QVBoxLayout(this);
    tout->addWidget(cadre);
    tout->addLayout(BoutonsOkAnnuler(this));

    ComboBoxRelance->setCurrentIndex(0);
    ComboBoxCategorie->setCurrentIndex(0);
    ComboBoxLicence->setCurrentIndex(0);
    criteres_.Description = DecrireCriteres(criteres_);
    MajEtats();
    RadioButtonTous->setFocus();
}

void TFicheCriteresRequete::MajEtats() {
    ComboBoxRelance->setEnabled(RadioButtonRelance->isChecked());
    ComboBoxCategorie->setEnabled(RadioButtonCategorie->isChecked());
    ComboBoxLicence->setEnabled(RadioButtonLicence->isChecked());
}

void TFicheCriteresRequete::Remplir() {
    if (choisi_) {
        if (QAbstractButton* b = groupe_->button(criteres_.TypeRequete))
            b->setChecked(true);
    } else {
        // Nothing confirmed yet: no choice, as at creation, even after a
        // choice given up.
        groupe_->setExclusive(false);
        for (QAbstractButton* b : groupe_->buttons())
            b->setChecked(false);
        groupe_->setExclusive(true);
    }
    ComboBoxRelance->setCurrentIndex(std::clamp(criteres_.Relance, 0, ComboBoxRelance->count() - 1));
    ComboBoxCategorie->setCurrentIndex(
        std::max(0, ComboBoxCategorie->findText(QString::fromStdString(criteres_.CategorieDemandee))));
    ComboBoxLicence->setCurrentIndex(
        std::max(0, ComboBoxLicence->findText(QString::fromStdString(criteres_.LicenceDemandee))));
    MajEtats();
}

bool TFicheCriteresRequete::Executer() {
    // Each opening, the first one included, shows the criteria in force,
    // never a choice that was given up.
    Remplir();
    return exec() == QDialog::Accepted;
}

void TFicheCriteresRequete::accept() {
    const int type = groupe_->checkedId();
    if (type >= 0) {
        criteres_.TypeRequete = type;
        choisi_ = true;
    }
    switch (criteres_.TypeRequete) {
    case TCriteresRequete::ReqRelance:
        criteres_.Relance = ComboBoxRelance->currentIndex();
        break;
    case TCriteresRequete::ReqCategorie:
        criteres_.CategorieDemandee = ComboBoxCategorie->currentText().toStdString();
        break;
    case TCriteresRequete::ReqLicence:
        criteres_.LicenceDemandee = ComboBoxLicence->currentText().toStdString();
        break;
    default:
        break;
    }
    criteres_.Description = DecrireCriteres(criteres_);
    QDialog::accept();
}

} // namespace tramonta
