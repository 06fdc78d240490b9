// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fichier/fiche_imports.h"

#include "core/messages.h"
#include "model/exercice.h"
#include "platform/choix_fichier.h"
#include "ui/communs/controles.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace tramonta {

namespace {
QCheckBox* Case(const char* nom, const QString& texte, const QString& bulle, QWidget* parent) {
    auto* c = new QCheckBox(texte, parent);
    c->setObjectName(nom);
    c->setToolTip(bulle);
    return c;
}

} // namespace

TFicheImports::TFicheImports(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheImports");
    setWindowTitle("Import d'un fichier Tramonta");

    EditSource = new QLineEdit(this);
    EditSource->setObjectName("EditSource");
    EditSource->setToolTip("Fichier depuis lequel les données vont être importées");
    auto* parcourir =
        BoutonSansDefaut("BoutonParcourir", "&Parcourir...", this, "Sélection du fichier source...");
    auto* libelleSource = new QLabel("&Source :", this);
    libelleSource->setBuddy(EditSource);

    auto* groupe = new QGroupBox("Importer ", this);
    groupe->setObjectName("GroupeImporter");
    CheckInfosGenerales =
        Case("CheckInfosGenerales", "Infos générales", "Import des infos générales", groupe);
    CheckAdherents = Case("CheckAdherents", "Adhérents", "Import des adhérents", groupe);
    CheckCorrespondants = Case("CheckCorrespondants", "Correspondants", "Import des correspondants", groupe);
    CheckComptesCharge = Case("CheckComptesCharge", "Comptes charges", "Import des comptes charge", groupe);
    CheckComptesProduit =
        Case("CheckComptesProduit", "Comptes produits", "Import des comptes produit", groupe);
    CheckCompetitions = Case("CheckCompetitions", "Compétitions", "Import des compétitions", groupe);
    CheckEcritures =
        Case("CheckEcritures", "Si un compte existe déjà, importer les écritures", QString(), groupe);
    auto* grille = new QGridLayout(groupe);
    grille->addWidget(CheckInfosGenerales, 0, 0);
    grille->addWidget(CheckAdherents, 1, 0);
    grille->addWidget(CheckCorrespondants, 2, 0);
    grille->addWidget(CheckComptesCharge, 0, 1);
    grille->addWidget(CheckComptesProduit, 1, 1);
    grille->addWidget(CheckCompetitions, 2, 1);
    grille->addWidget(CheckEcritures, 3, 0, 1, 2);

    auto* importer = BoutonSansDefaut("BoutonImporter", "&Importer", this, "Lance l'import des données...");
    MemoResultat = new QPlainTextEdit(this);
    MemoResultat->setObjectName("MemoResultat");
    MemoResultat->setReadOnly(true);
    MemoResultat->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoResultat->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* libelleResultat = new QLabel("&Résultat :", this);
    libelleResultat->setBuddy(MemoResultat);
    auto* fermer = BoutonSansDefaut("BoutonFermer", "&Fermer", this, QString());

    connect(CheckComptesCharge, &QCheckBox::toggled, this, &TFicheImports::CheckComptesClick);
    connect(CheckComptesProduit, &QCheckBox::toggled, this, &TFicheImports::CheckComptesClick);
    connect(parcourir, &QPushButton::clicked, this, &TFicheImports::BoutonParcourirClick);
    connect(importer, &QPushButton::clicked, this, &TFicheImports::BoutonImporterClick);
    connect(fermer, &QPushButton::clicked, this, &TFicheImports::BoutonFermerClick);

    auto* source = new QHBoxLayout;
    source->addWidget(libelleSource);
    source->addWidget(EditSource, 1);
    source->addWidget(parcourir);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(importer);
    boutons->addWidget(fermer);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(source);
    tout->addWidget(groupe);
    tout->addWidget(libelleResultat);
    tout->addWidget(MemoResultat, 1);
    tout->addLayout(boutons);
    resize(520, 420);
}

int TFicheImports::Executer(TExercice& exercice) {
    exercice_ = &exercice;
    return exec();
}

void TFicheImports::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    importEffectue_ = false;
    EditSource->clear();
    for (QCheckBox* c : {CheckInfosGenerales, CheckAdherents, CheckCorrespondants, CheckComptesCharge,
                         CheckComptesProduit, CheckCompetitions})
        c->setChecked(false);
    CheckComptesClick();
    MemoResultat->clear();
    EditSource->setFocus();
}

void TFicheImports::CheckComptesClick() {
    CheckEcritures->setEnabled(CheckComptesCharge->isChecked() || CheckComptesProduit->isChecked());
}

void TFicheImports::BoutonParcourirClick() {
    DemandeFichier d;
    d.titre = "Importer un fichier Tramonta...";
    d.filtre = kFiltreTramonta;
    d.suffixe = "trm";
    if (const auto chemin = ChoisirFichier(this, d))
        EditSource->setText(*chemin);
}

void TFicheImports::BoutonImporterClick() {
    std::vector<std::string> rapport;
    bool afficher = true;
    {
        TExercice source;
        if (!exercice_ || !source.LoadFromFile(EditSource->text().toStdString())) {
            rapport.push_back("Import impossible !");
        } else if (!source.VerifierMotPasse(DemanderMotPasse ? DemanderMotPasse
                                                             : [] { return std::optional<std::string>(); })) {
            MessageBoxTexte("Mot de passe incorrect !", "Erreur", MB_OK | MB_ICONERROR);
            afficher = false;
        } else {
            TChoixImport choix;
            choix.InfosGenerales = CheckInfosGenerales->isChecked();
            choix.Adherents = CheckAdherents->isChecked();
            choix.Correspondants = CheckCorrespondants->isChecked();
            choix.ComptesCharge = CheckComptesCharge->isChecked();
            choix.ComptesProduit = CheckComptesProduit->isChecked();
            choix.Competitions = CheckCompetitions->isChecked();
            choix.Ecritures = CheckEcritures->isChecked();
            rapport = exercice_->ImporterDepuis(source, choix);
            importEffectue_ = true;
        }
    }
    // When the password was refused the report stays empty.
    QStringList lignes;
    for (const std::string& l : rapport)
        lignes << QString::fromStdString(l);
    MemoResultat->setPlainText(afficher ? lignes.join('\n') : QString());
}

void TFicheImports::BoutonFermerClick() {
    done(importEffectue_ ? Accepted : Rejected);
}

void TFicheImports::done(int) {
    // Escape and the close box end the dialog like "Fermer": once an import
    // ran, the pages must show what it brought.
    QDialog::done(importEffectue_ ? Accepted : Rejected);
}

} // namespace tramonta
