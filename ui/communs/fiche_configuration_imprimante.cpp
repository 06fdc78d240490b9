// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/communs/fiche_configuration_imprimante.h"

#include "core/messages.h"
#include "ui/communs/agenda.h"
#include "ui/communs/controles.h"
#include "ui/communs/fiche_print_progress.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tramonta {

TFicheConfigurationImprimante::TFicheConfigurationImprimante(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheConfigurationImprimante");
    setWindowTitle("Configuration de l'imprimante");
    ComboImprimante = Nomme(new QComboBox(this), "ComboImprimante");
    ComboImprimante->setMinimumWidth(260);
    ComboImprimante->setAccessibleName("Imprimante");
    EditCopies = Nomme(new QSpinBox(this), "EditCopies");
    EditCopies->setRange(1, 999);
    EditCopies->setAccessibleName("Nombre de copies");
    auto* libelleImprimante = new QLabel("&Imprimante :", this);
    libelleImprimante->setBuddy(ComboImprimante);
    auto* libelleCopies = new QLabel("Nombre de &copies :", this);
    libelleCopies->setBuddy(EditCopies);
    LabelAucune =
        Nomme(new QLabel("Aucune imprimante : l'impression s'enregistrera en PDF.", this), "LabelAucune");

    BoutonOk = Bouton("BoutonOk", "OK", this);
    BoutonOk->setDefault(true);
    BoutonAnnuler = Bouton("BoutonAnnuler", "&Annuler", this);
    connect(BoutonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BoutonAnnuler, &QPushButton::clicked, this, &QDialog::reject);

    auto* formulaire = new QFormLayout;
    formulaire->addRow(libelleImprimante, ComboImprimante);
    formulaire->addRow(libelleCopies, EditCopies);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(BoutonOk);
    boutons->addWidget(BoutonAnnuler);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(formulaire);
    tout->addWidget(LabelAucune);
    tout->addLayout(boutons);
}

bool TFicheConfigurationImprimante::Executer(const TSystemeImpression::TImprimantes& imprimantes,
                                             const std::string& choisie, int copies) {
    ComboImprimante->clear();
    for (const std::string& nom : imprimantes.noms)
        ComboImprimante->addItem(QString::fromStdString(nom));
    const std::string& courante = choisie.empty() ? imprimantes.parDefaut : choisie;
    const int index = ComboImprimante->findText(QString::fromStdString(courante));
    ComboImprimante->setCurrentIndex(index >= 0 ? index : 0);
    ComboImprimante->setEnabled(!imprimantes.noms.empty());
    LabelAucune->setVisible(imprimantes.noms.empty());
    EditCopies->setValue(copies);
    ComboImprimante->setFocus();
    return exec() == QDialog::Accepted;
}

std::string TFicheConfigurationImprimante::Imprimante() const {
    return ComboImprimante->count() ? ComboImprimante->currentText().toStdString() : std::string();
}

int TFicheConfigurationImprimante::Copies() const {
    return EditCopies->value();
}

namespace {
void MontrerErreur(const TErreurImpression& e) {
    std::string texte = e.what();
    if (e.copiesEnvoyees > 0)
        texte += "\n" + FormaterEntiers("Copies envoyées avant l'erreur : %d sur %d.",
                                        {e.copiesEnvoyees, e.copiesDemandees});
    MessageBoxTexte(texte, "Erreur", MB_OK | MB_ICONERROR);
}
} // namespace

bool ConfigurerImprimante(QWidget* fenetre, TImprimanteQt& imprimante) {
    TSystemeImpression::TImprimantes imprimantes;
    try {
        imprimantes = TImprimanteQt::Imprimantes();
    } catch (const TErreurImpression& e) {
        MontrerErreur(e);
        return false;
    }
    TFicheConfigurationImprimante fiche(fenetre);
    if (!fiche.Executer(imprimantes, imprimante.ImprimanteChoisie(), imprimante.Copies()))
        return false;
    imprimante.Choisir(fiche.Imprimante(), fiche.Copies());
    return true;
}

void LancerImpression(QWidget* fenetre, TImprimanteQt& imprimante, TTravailImpression travail,
                      const QString& nomPdf) {
    try {
        if (!imprimante.Preparer(fenetre, nomPdf))
            return;
        travail.imprimanteChoisie = !imprimante.ImprimanteChoisie().empty();
        ImprimerCopies(imprimante, ProgressionImpression(fenetre), travail, &AjouterLigneAgenda);
    } catch (const TErreurImpression& e) {
        MontrerErreur(e);
    }
}

} // namespace tramonta
