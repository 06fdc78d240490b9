// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fenetre/fiche_protection.h"

#include "core/messages.h"
#include "model/exercice.h"
#include "ui/communs/controles.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tramonta {

namespace {
QLineEdit* EditMotPasse(const char* nom, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(nom);
    PreparerEditMotPasse(e);
    return e;
}

QHBoxLayout* LigneBoutons(QPushButton* ok, QPushButton* annuler) {
    auto* l = new QHBoxLayout;
    l->addStretch();
    l->addWidget(ok);
    l->addWidget(annuler);
    return l;
}
} // namespace

void PreparerEditMotPasse(QLineEdit* edit) {
    edit->setMaxLength(20);
    edit->setEchoMode(QLineEdit::Password);
    // The style's own bullet is replaced by the "*" that users know.
    edit->setStyleSheet("lineedit-password-character: 42;");
}

TFicheProtection::TFicheProtection(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheProtection");
    setWindowTitle("Protection");
    auto* image = new QLabel(this);
    image->setObjectName("ImageCadenas");
    image->setPixmap(QIcon(":/icones/CADENAS.svg").pixmap(48, 48));
    auto* texte =
        new QLabel("L'accès à ce document est protégé par un mot de passe. Tapez le mot de passe pour "
                   "pouvoir y accéder...",
                   this);
    texte->setWordWrap(true);
    texte->setMinimumWidth(260);
    EditMotPasse = tramonta::EditMotPasse("EditMotPasse", this);
    auto* ok = Bouton("BoutonOk", "&Ok", this);
    auto* annuler = Bouton("BoutonAnnuler", "&Annuler", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);

    auto* haut = new QHBoxLayout;
    haut->addWidget(image, 0, Qt::AlignTop);
    haut->addWidget(texte, 1);
    auto* formulaire = new QFormLayout;
    auto* libelle = new QLabel("&Mot de passe :", this);
    libelle->setBuddy(EditMotPasse);
    formulaire->addRow(libelle, EditMotPasse);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addLayout(formulaire);
    tout->addLayout(LigneBoutons(ok, annuler));
    setFixedSize(sizeHint());
}

std::optional<std::string> TFicheProtection::Demander() {
    EditMotPasse->clear();
    EditMotPasse->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return EditMotPasse->text().toStdString();
}

TFicheProtectionDocument::TFicheProtectionDocument(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheProtectionDocument");
    setWindowTitle("Protection du document");
    EditAncienMotPasse = EditMotPasse("EditAncienMotPasse", this);
    EditNouveauMotPasse = EditMotPasse("EditNouveauMotPasse", this);
    EditVerifMotPasse = EditMotPasse("EditVerifMotPasse", this);
    BoutonOk = Bouton("BoutonOk", "&Ok", this);
    auto* annuler = Bouton("BoutonAnnuler", "&Annuler", this);
    BoutonOk->setDefault(true);
    connect(BoutonOk, &QPushButton::clicked, this, &TFicheProtectionDocument::BoutonOkClick);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(EditAncienMotPasse, &QLineEdit::textChanged, this,
            &TFicheProtectionDocument::EditAncienMotPasseChange);

    auto* formulaire = new QFormLayout;
    formulaire->addRow("Ancien mot de passe :", EditAncienMotPasse);
    formulaire->addRow("Nouveau mot de passe :", EditNouveauMotPasse);
    formulaire->addRow("Vérification du mot de passe :", EditVerifMotPasse);
    auto* tout = new QVBoxLayout(this);
    auto* image = new QLabel(this);
    image->setPixmap(QIcon(":/icones/CADENAS.svg").pixmap(48, 48));
    auto* haut = new QHBoxLayout;
    haut->addWidget(image, 0, Qt::AlignTop);
    haut->addLayout(formulaire, 1);
    tout->addLayout(haut);
    tout->addLayout(LigneBoutons(BoutonOk, annuler));
    setFixedSize(sizeHint());
}

std::optional<std::string> TFicheProtectionDocument::Demander(const std::string& motPasseActuel) {
    motPasseActuel_ = motPasseActuel;
    EditAncienMotPasse->clear();
    EditNouveauMotPasse->clear();
    EditVerifMotPasse->clear();
    EditAncienMotPasseChange();
    const int r = exec();
    // Nothing typed stays in the hidden dialog.
    motPasseActuel_.clear();
    const std::string nouveau = EditNouveauMotPasse->text().toStdString();
    for (QLineEdit* edit : {EditAncienMotPasse, EditNouveauMotPasse, EditVerifMotPasse})
        edit->clear();
    if (r != QDialog::Accepted)
        return std::nullopt;
    return nouveau;
}

void TFicheProtectionDocument::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    EditAncienMotPasse->setFocus();
}

void TFicheProtectionDocument::EditAncienMotPasseChange() {
    const bool ok = TExercice::MotPasseStocke(EditAncienMotPasse->text().toStdString()) == motPasseActuel_;
    EditNouveauMotPasse->setEnabled(ok);
    EditVerifMotPasse->setEnabled(ok);
    BoutonOk->setEnabled(ok);
}

void TFicheProtectionDocument::BoutonOkClick() {
    if (EditNouveauMotPasse->text() == EditVerifMotPasse->text()) {
        accept();
        return;
    }
    MessageBoxTexte("Le nouveau mot de passe et la vérification ne concordent pas !", "Erreur",
                    MB_OK | MB_ICONERROR);
}

} // namespace tramonta
