// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compta/fiche_ecriture.h"
#include "ui/communs/controles.h"

#include "core/dates.h"
#include "core/messages.h"
#include "core/monnaie.h"
#include "core/texte.h"
#include "model/comptabilite.h"
#include "ui/communs/edit_monetaire.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tramonta {

namespace {} // namespace

TFicheEcriture::TFicheEcriture(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheEcriture");
    setWindowTitle("Ecriture");

    auto* banniere = new QLabel(this);
    banniere->setObjectName("ImageEcriture");
    banniere->setPixmap(QIcon(":/icones/BITMAP_ECRITURE.svg").pixmap(48, 48));

    EditLibelle = new QLineEdit(this);
    EditLibelle->setObjectName("EditLibelle");
    EditLibelle->setMinimumWidth(260);
    EditDate = tramonta::EditDate(this, "EditDate");
    EditNumeroCheque = new QLineEdit(this);
    EditNumeroCheque->setObjectName("EditNumeroCheque");
    EditMontant = new TEditMonetaire(this);
    EditMontant->setObjectName("EditMontant");
    EditMontant->setAlignment(Qt::AlignRight);
    EditMontant->setFixedWidth(EditMontant->fontMetrics().horizontalAdvance(QString(14, '0')));

    GroupTypePaiement = new QGroupBox("Type de paiement ", this);
    GroupTypePaiement->setObjectName("GroupTypePaiement");
    typesPaiement_ = new QButtonGroup(this);
    auto* radios = new QVBoxLayout(GroupTypePaiement);
    const char* noms[] = {"RadioCheque", "RadioEspeces", "RadioVirement"};
    const char* textes[] = {"Chèque", "Espèces", "Virement"};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(textes[i], GroupTypePaiement);
        r->setObjectName(noms[i]);
        typesPaiement_->addButton(r, i);
        radios->addWidget(r);
    }
    connect(typesPaiement_, &QButtonGroup::idClicked, this, &TFicheEcriture::GroupTypePaiementClick);

    BoutonOk = new QPushButton("&Ok", this);
    BoutonOk->setObjectName("BoutonOk");
    BoutonOk->setDefault(true);
    auto* annuler = new QPushButton("&Annuler", this);
    annuler->setObjectName("BoutonAnnuler");
    connect(BoutonOk, &QPushButton::clicked, this, &TFicheEcriture::BoutonOkClick);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(EditLibelle, &QLineEdit::textChanged, this, &TFicheEcriture::EditLibelleChange);

    auto* formulaire = new QFormLayout;
    formulaire->addRow("Libellé :", EditLibelle);
    formulaire->addRow("Date :", EditDate);
    formulaire->addRow("N° chèque :", EditNumeroCheque);
    formulaire->addRow("Montant :", EditMontant);
    auto* champs = new QVBoxLayout;
    champs->addLayout(formulaire);
    champs->addWidget(GroupTypePaiement);
    auto* haut = new QHBoxLayout;
    haut->addWidget(banniere, 0, Qt::AlignTop);
    haut->addLayout(champs, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(BoutonOk);
    boutons->addWidget(annuler);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addLayout(boutons);
    setFixedSize(sizeHint());
}

TFicheEcriture::~TFicheEcriture() = default;

std::unique_ptr<TLigneEcriture> TFicheEcriture::Executer(const TLigneEcriture& ligne) {
    return Montrer(ligne, false, 0);
}

std::unique_ptr<TLigneEcriture> TFicheEcriture::ExecuterAutomatique(const TLigneEcriture& ligne,
                                                                    double montantAffiche) {
    return Montrer(ligne, true, montantAffiche);
}

std::unique_ptr<TLigneEcriture> TFicheEcriture::Montrer(const TLigneEcriture& ligne, bool automatique,
                                                        double montantAffiche) {
    ligne_ = &ligne;
    modeAutomatique_ = automatique;
    montantAutomatique_ = montantAffiche;
    resultat_.reset();
    exec();
    ligne_ = nullptr;
    modeAutomatique_ = false;
    return std::move(resultat_);
}

void TFicheEcriture::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous() || !ligne_)
        return;
    const TLigneEcriture& l = *ligne_;
    EditLibelle->setText(Q(l.Libelle()));
    AfficherDate(EditDate, l.Date());
    const int type = l.TypePaiement() >= 0 && l.TypePaiement() <= 2 ? l.TypePaiement() : 0;
    typesPaiement_->button(type)->setChecked(true);
    EditNumeroCheque->setText(Q(l.NumeroCheque()));
    GroupTypePaiementClick();
    EditMontant->setText(Q(ReelVersTexte(modeAutomatique_ ? montantAutomatique_ : l.Montant())));
    // What was shown, to tell what the user changed: a date kept as shown
    // keeps its time of day, an amount kept as shown keeps its decimals.
    dateAffichee_ = EditDate->text();
    montantAffiche_ = EditMontant->text();
    EditLibelle->setReadOnly(l.Automatique);
    EditMontant->setReadOnly(l.Automatique);
    for (QLineEdit* edit : {static_cast<QLineEdit*>(EditLibelle), static_cast<QLineEdit*>(EditMontant)}) {
        // Read-only fields are greyed as the users know them.
        QPalette p = edit->palette();
        p.setBrush(QPalette::Base,
                   l.Automatique ? palette().brush(QPalette::Button) : palette().brush(QPalette::Base));
        edit->setPalette(p);
    }
    setWindowTitle(l.Automatique ? QStringLiteral("%1 (%2)").arg("Ecriture", "Enregistrement automatique")
                                 : QStringLiteral("Ecriture"));
    EditLibelleChange();
    // A posted line is opened for its date and payment: the focus starts there.
    QLineEdit* premier = l.Automatique ? EditDate : EditLibelle;
    premier->setFocus();
    premier->selectAll();
}

void TFicheEcriture::EditLibelleChange() {
    BoutonOk->setEnabled(!EditLibelle->text().isEmpty());
}

void TFicheEcriture::GroupTypePaiementClick() {
    // Disabled, the field takes the greyed look of a control that does not apply.
    EditNumeroCheque->setEnabled(typesPaiement_->checkedId() == 0);
}

void TFicheEcriture::BoutonOkClick() {
    if (!ChampsEnregistrables(this))
        return;
    if (!ligne_ || EditLibelle->text().isEmpty())
        return;
    const TLigneEcriture& l = *ligne_;
    const std::string libelle = EditLibelle->text().toStdString();
    if (const TCompte* compte = l.Proprietaire(); compte && compte->ExisteAutreLigne(&l, libelle)) {
        SignalerExisteDeja("La ligne d'écriture \"" + libelle + "\"");
        return;
    }
    // The amount is read before anything is stored: a bad one leaves the
    // line as it was and the form open on what was typed.
    double montant = l.Montant();
    if (!l.Automatique && EditMontant->text() != montantAffiche_) {
        const auto lu = LireReel(*EditMontant);
        if (!lu)
            return;
        montant = *lu;
    }
    // A copy made for the line's account and not in it: nobody hears of it.
    std::unique_ptr<TLigneEcriture> saisie = l.Clone(l.Proprietaire());
    if (!l.Automatique)
        saisie->SetLibelle(EditLibelle->text().toStdString());
    if (EditDate->text() != dateAffichee_)
        saisie->SetDate(LireDate(EditDate));
    saisie->SetTypePaiement(typesPaiement_->checkedId());
    // Kept for every payment, so that going back to "Chèque" finds it again.
    saisie->SetNumeroCheque(EditNumeroCheque->text().toStdString());
    if (!l.Automatique)
        saisie->SetMontant(montant);
    resultat_ = std::move(saisie);
    accept();
}

} // namespace tramonta
