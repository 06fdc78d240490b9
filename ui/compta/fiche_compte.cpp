// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compta/fiche_compte.h"
#include "ui/communs/commandes_liste.h"
#include "ui/communs/controles.h"

#include "core/messages.h"
#include "core/monnaie.h"
#include "model/comptabilite.h"
#include "platform/programmes.h"
#include "ui/communs/edit_monetaire.h"
#include "ui/compta/fiche_ecriture.h"
#include "ui/modeles/modeles.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeView>
#include <QVBoxLayout>

namespace tramonta {

namespace {

// Warnings are three sentences, each on its own line.
std::string Avertissement(const char* a, const char* b) {
    return std::string(a) + "\n\r" + b + "\n\rEtes vous sûr de vouloir continuer ?";
}

bool Confirmer(const std::string& texte) {
    return MessageBoxTexte(texte, "Confirmation", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

const char* const kLigneAutomatique =
    "ATTENTION ! Cette ligne d'écriture a été créée par un enregistrement automatique !";
const char* const kSupprimerLigneAutomatique =
    "En la supprimant, elle sera inaccessible par l'objet qui a fait cet enregistrement.";
const char* const kLignesAutomatiques =
    "ATTENTION ! Certaines écritures ont été créées par des enregistrements automatiques !";
const char* const kSupprimerLignesAutomatiques =
    "En les supprimant, elles seront inaccessibles par les objets qui ont fait ces enregistrements.";
const char* const kCompteAutomatique =
    "ATTENTION ! Ce compte contient des lignes d'écriture créées par des enregistrements automatiques !";
const char* const kRenommerCompteAutomatique =
    "En le renommant, ces lignes seront inaccessibles par les objets qui ont fait ces enregistrements.";

} // namespace

TFicheCompte::TFicheCompte(TFicheEcriture& ecriture, QWidget* parent) : QDialog(parent), ecriture_(ecriture) {
    setObjectName("FicheCompte");
    setWindowTitle("Fiche Compte");

    auto* banniere = new QLabel(this);
    banniere->setObjectName("ImageCompte");
    banniere->setPixmap(QIcon(":/icones/BITMAP_COMPTE.svg").pixmap(48, 48));

    EditNumero = new TEditMonetaire(this);
    EditNumero->setObjectName("EditNumero");
    EditNumero->setFixedWidth(EditNumero->fontMetrics().horizontalAdvance(QString(14, '0')));
    EditIntitule = new QLineEdit(this);
    EditIntitule->setObjectName("EditIntitule");
    EditInfos = new QPlainTextEdit(this);
    EditInfos->setObjectName("EditInfos");
    EditInfos->setTabChangesFocus(true);
    EditInfos->setFixedHeight(EditInfos->fontMetrics().lineSpacing() * 3 + 12);

    ListViewEcritures = new QTreeView(this);
    ListViewEcritures->setObjectName("ListViewEcritures");
    ListViewEcritures->setRootIsDecorated(false);
    ListViewEcritures->setUniformRowHeights(true);
    ListViewEcritures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListViewEcritures->setSelectionMode(QAbstractItemView::SingleSelection);
    ListViewEcritures->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListViewEcritures->setMinimumSize(440, 220);
    modele_ = new TModeleLignes(this);
    ListViewEcritures->setModel(modele_);
    ListViewEcritures->header()->setSectionsClickable(false);
    ListViewEcritures->header()->setStretchLastSection(false);
    const int largeurs[] = {150, 70, 100, 70};
    for (int i = 0; i < 4; ++i)
        ListViewEcritures->setColumnWidth(i, largeurs[i]);
    ListViewEcritures->header()->setSectionResizeMode(0, QHeaderView::Stretch);

    EditTotal = new QLineEdit(this);
    EditTotal->setObjectName("EditTotal");
    EditTotal->setReadOnly(true);
    EditTotal->setAlignment(Qt::AlignRight);
    QFont gras = EditTotal->font();
    gras.setBold(true);
    EditTotal->setFont(gras);
    EditTotal->setFixedWidth(EditTotal->fontMetrics().horizontalAdvance(QString(14, '0')));

    // "&Annuler" holds Alt+A and "Convertisseur &Euro" Alt+E.
    commandes_ = new TCommandesListe(*ListViewEcritures, this, TNomsCommandes::Suffixe({}));
    BoutonToutSupprimer = Bouton("BoutonToutSupprimer", "&Tout Suppr.", this);
    BoutonMouvements = Bouton("BoutonMouvements", "&Mouvements", this);
    BoutonCalculette = Bouton("BoutonCalculette", "&Calculette", this);
    BoutonEuroConverter = Bouton("BoutonEuroConverter", "Convertisseur &Euro", this);
    BoutonOk = Bouton("BoutonOk", "&Ok", this);
    auto* annuler = Bouton("BoutonAnnuler", "&Annuler", this);
    BoutonOk->setDefault(true);

    connect(EditNumero, &QLineEdit::textChanged, this, &TFicheCompte::EditNumeroChange);
    connect(commandes_, &TCommandesListe::Ajouter, this, &TFicheCompte::BoutonAjouterClick);
    connect(commandes_, &TCommandesListe::Supprimer, this, &TFicheCompte::BoutonSupprimerClick);
    connect(commandes_, &TCommandesListe::Editer, this, &TFicheCompte::BoutonEditerClick);
    connect(BoutonToutSupprimer, &QPushButton::clicked, this, &TFicheCompte::BoutonToutSupprimerClick);
    connect(BoutonMouvements, &QPushButton::clicked, this, &TFicheCompte::BoutonMouvementsClick);
    connect(BoutonCalculette, &QPushButton::clicked, this, &TFicheCompte::BoutonCalculetteClick);
    connect(BoutonEuroConverter, &QPushButton::clicked, this, &TFicheCompte::BoutonEuroConverterClick);
    connect(BoutonOk, &QPushButton::clicked, this, &TFicheCompte::BoutonOkClick);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);

    auto* formulaire = new QFormLayout;
    formulaire->addRow("N° article :", EditNumero);
    formulaire->addRow("Intitulé :", EditIntitule);
    formulaire->addRow("Infos :", EditInfos);
    auto* libelleEcritures = new QLabel("Ecritures :", this);
    libelleEcritures->setBuddy(ListViewEcritures);
    ListViewEcritures->setAccessibleName("Ecritures");
    auto* libelleTotal = new QLabel("Total : ", this);
    libelleTotal->setBuddy(EditTotal);
    EditTotal->setAccessibleName("Total");

    auto* boutonsLignes = new QVBoxLayout;
    for (QPushButton* b : {commandes_->BoutonAjouter(), commandes_->BoutonSupprimer(),
                           commandes_->BoutonEditer(), BoutonToutSupprimer})
        boutonsLignes->addWidget(b);
    boutonsLignes->addStretch();
    for (QPushButton* b : {BoutonMouvements, BoutonCalculette, BoutonEuroConverter})
        boutonsLignes->addWidget(b);
    auto* lignes = new QHBoxLayout;
    lignes->addWidget(ListViewEcritures, 1);
    lignes->addLayout(boutonsLignes);
    auto* total = new QHBoxLayout;
    total->addStretch();
    total->addWidget(libelleTotal);
    total->addWidget(EditTotal);

    auto* haut = new QHBoxLayout;
    haut->addWidget(banniere, 0, Qt::AlignTop);
    haut->addLayout(formulaire, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(BoutonOk);
    boutons->addWidget(annuler);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addWidget(libelleEcritures);
    tout->addLayout(lignes, 1);
    tout->addLayout(total);
    tout->addLayout(boutons);
    resize(sizeHint().width() + 80, sizeHint().height());
}

TFicheCompte::~TFicheCompte() {
    // The list lets go of the working account before it goes.
    modele_->SetCompte(nullptr);
}

std::unique_ptr<TCompte> TFicheCompte::Executer(const TCompte& compte) {
    compte_ = &compte;
    const int r = exec();
    compte_ = nullptr;
    // The copies of a large account are not kept between two showings: the
    // working copy goes to the caller, or is emptied.
    modele_->SetCompte(nullptr);
    if (r == QDialog::Accepted && travail_)
        return std::move(travail_);
    if (travail_)
        travail_->ViderLignes();
    return nullptr;
}

void TFicheCompte::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous() || !compte_)
        return;
    const TCompte& c = *compte_;
    // Made for the account's ledger, so that it finds its way like the
    // account, but never added to it: the ledger hears nothing of it.
    if (!travail_ || travail_->Proprietaire() != c.Proprietaire()) {
        modele_->SetCompte(nullptr);
        travail_ = std::make_unique<TCompte>(c.Proprietaire());
    }
    EditNumero->setText(Q(c.Article()));
    EditIntitule->setText(Q(c.Intitule()));
    EditInfos->setPlainText(VersAffichage(c.Infos()));
    EditInfos->document()->setModified(false);
    // The list is detached while the copy fills, so that it resets once
    // instead of growing line by line.
    modele_->SetCompte(nullptr);
    travail_->ViderLignes();
    for (int i = 0; i < c.NbLignes(); ++i) {
        auto copie = c.GetLigne(i)->Clone(travail_.get());
        copie->Modified = false;
        travail_->AjouterLigne(std::move(copie));
    }
    travail_->Modified = false;
    modele_->SetCompte(travail_.get());
    EditNumeroChange();
    ListViewEcrituresChange();
    RafraichirTotal();
    // Whether the programs are there is asked at each showing, so that one
    // installed meanwhile is found.
    BoutonMouvements->setEnabled(static_cast<bool>(MontrerMouvements));
    BoutonCalculette->setEnabled(!TrouverCalculette().isEmpty());
    BoutonEuroConverter->setEnabled(!TrouverConvertisseurEuro().isEmpty());
    EditNumero->setFocus();
}

TLigneEcriture* TFicheCompte::LigneSelectionnee() const {
    const auto choisies = ListViewEcritures->selectionModel()->selectedRows();
    return choisies.isEmpty() ? nullptr : modele_->Element(choisies.front());
}

void TFicheCompte::EditNumeroChange() {
    BoutonOk->setEnabled(!EditNumero->text().isEmpty());
}

void TFicheCompte::ListViewEcrituresChange() {
    commandes_->Maj();
}

void TFicheCompte::RafraichirTotal() {
    EditTotal->setText(travail_ ? Q(ReelVersTexte(travail_->Total())) : QString());
}

void TFicheCompte::BoutonAjouterClick() {
    if (!travail_)
        return;
    const TLigneEcriture nouvelle(travail_.get());
    std::unique_ptr<TLigneEcriture> ligne = ecriture_.Executer(nouvelle);
    if (!ligne)
        return;
    const int index = travail_->AjouterLigne(std::move(ligne));
    const QModelIndex i = modele_->index(index, 0);
    ListViewEcritures->setCurrentIndex(i);
    ListViewEcritures->scrollTo(i);
    RafraichirTotal();
}

void TFicheCompte::BoutonEditerClick() {
    TLigneEcriture* ligne = LigneSelectionnee();
    if (!ligne)
        return;
    // The row refreshes itself from the line's change notifications.
    if (const auto saisie = ecriture_.Executer(*ligne))
        ligne->CopierChamps(*saisie);
    RafraichirTotal();
}

void TFicheCompte::BoutonSupprimerClick() {
    TLigneEcriture* ligne = LigneSelectionnee();
    if (!ligne)
        return;
    if (!Confirmer("Etes vous sûr de vouloir supprimer l'écriture ?"))
        return;
    if (ligne->Automatique && !Confirmer(Avertissement(kLigneAutomatique, kSupprimerLigneAutomatique)))
        return;
    travail_->SupprimerLigne(travail_->IndexLigne(ligne));
    RafraichirTotal();
}

void TFicheCompte::BoutonToutSupprimerClick() {
    if (!travail_ || !Confirmer("Etes vous sûr de vouloir supprimer toutes les écritures ?"))
        return;
    if (travail_->ContientLignesAutomatiques() &&
        !Confirmer(Avertissement(kLignesAutomatiques, kSupprimerLignesAutomatiques)))
        return;
    travail_->ViderLignes();
    travail_->Modified = true;
    RafraichirTotal();
}

void TFicheCompte::BoutonMouvementsClick() {
    if (!travail_ || !MontrerMouvements)
        return;
    // The report heads its page with the number as typed, not yet stored.
    travail_->SetArticle(EditNumero->text().toStdString());
    MontrerMouvements(*travail_);
}

void TFicheCompte::BoutonCalculetteClick() {
    const QString chemin = TrouverCalculette();
    if (chemin.isEmpty() || !LancerProgramme(chemin))
        BoutonCalculette->setEnabled(false);
}

void TFicheCompte::BoutonEuroConverterClick() {
    const QString chemin = TrouverConvertisseurEuro();
    if (chemin.isEmpty() || !LancerProgramme(chemin))
        BoutonEuroConverter->setEnabled(false);
}

void TFicheCompte::BoutonOkClick() {
    if (!ChampsEnregistrables(this))
        return;
    if (!compte_ || !travail_ || EditNumero->text().isEmpty())
        return;
    const TCompte& c = *compte_;
    const TComptabilite* comptabilite = c.Proprietaire();
    const std::string numero = EditNumero->text().toStdString();
    if (comptabilite && comptabilite->ExisteAutreCompte(&c, numero)) {
        SignalerExisteDeja("Le compte \"" + numero + "\"");
        return;
    }
    if (numero != c.Article() && c.ContientLignesAutomatiques() &&
        !Confirmer(Avertissement(kCompteAutomatique, kRenommerCompteAutomatique)))
        return;
    Enregistrer();
    accept();
}

void TFicheCompte::Enregistrer() {
    TCompte& c = *travail_;
    c.SetArticle(EditNumero->text().toStdString());
    c.SetIntitule(EditIntitule->text().toStdString());
    // Notes that the user did not touch keep their line ends.
    c.SetInfos(EditInfos->document()->isModified() ? VersDocument(EditInfos->toPlainText())
                                                   : compte_->Infos());
}

} // namespace tramonta
