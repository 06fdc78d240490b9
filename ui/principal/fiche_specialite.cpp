// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principal/fiche_specialite.h"

#include "ui/communs/controles.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tramonta {

TFicheSpecialite::TFicheSpecialite(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheSpecialite");
    setWindowTitle("Spécialité...");
    EditSpecialite = new QLineEdit(this);
    EditSpecialite->setObjectName("EditSpecialite");
    EditSpecialite->setMinimumWidth(240);
    auto* libelle = new QLabel("Spécialité :", this);
    libelle->setBuddy(EditSpecialite);

    auto* ok = new QPushButton("&Ok", this);
    ok->setObjectName("BoutonOk");
    ok->setDefault(true);
    auto* annuler = new QPushButton("&Annuler", this);
    annuler->setObjectName("BoutonAnnuler");
    connect(ok, &QPushButton::clicked, this, [this] {
        if (ChampsEnregistrables(this))
            accept();
    });
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);

    auto* formulaire = new QFormLayout;
    formulaire->addRow(libelle, EditSpecialite);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ok);
    boutons->addWidget(annuler);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(formulaire);
    tout->addLayout(boutons);
    setFixedSize(sizeHint());
}

std::optional<std::string> TFicheSpecialite::Editer(const std::string& texte) {
    EditSpecialite->setText(QString::fromStdString(texte));
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return EditSpecialite->text().toStdString();
}

void TFicheSpecialite::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Focused with its text selected, so that typing replaces the old name.
    EditSpecialite->setFocus();
    EditSpecialite->selectAll();
}

} // namespace tramonta
