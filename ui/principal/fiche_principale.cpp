// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principal/fiche_principale.h"
#include "ui/communs/controles.h"

#include "core/dates.h"
#include "core/messages.h"
#include "model/exercice.h"
#include "ui/communs/champ_recherche.h"
#include "ui/communs/edit_monetaire.h"
#include "ui/modeles/modeles.h"
#include "ui/modeles/tri_liste.h"
#include "ui/principal/fiche_specialite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tramonta {

namespace {

constexpr const char* kPasDeCompte = "Pas de compte par défaut";
constexpr std::array<int, 3> kLargeursAgenda = {130, 250, 120};

// Keeps a tab's groups at a readable width at the top left, however large
// the window.
QWidget* Colonne(QWidget* parent, std::initializer_list<QWidget*> groupes, int largeur) {
    auto* onglet = new QWidget(parent);
    auto* colonne = new QVBoxLayout;
    for (QWidget* g : groupes) {
        g->setMaximumWidth(largeur);
        colonne->addWidget(g);
    }
    colonne->addStretch();
    auto* ligne = new QHBoxLayout(onglet);
    ligne->addLayout(colonne, 1);
    ligne->addStretch(0);
    return onglet;
}

} // namespace

TFichePrincipale::TFichePrincipale(TExercice& exercice, QWidget* parent) : TSousVue(exercice, parent) {
    setObjectName("FichePrincipale");

    PageControl = Nomme(new QTabWidget(this), "PageControl");
    PageControl->addTab(CreerOngletGeneral(), "Infos générales");
    PageControl->addTab(CreerOngletBase(), "Infos base de données");
    PageControl->addTab(CreerOngletCompta(), "Infos comptabilité");
    PageControl->addTab(CreerOngletHistorique(), "Historique");
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(PageControl);

    // Ctrl+F searches the journal, the one long list of the page.
    auto* chercher = new QShortcut(QKeySequence::Find, this);
    chercher->setContext(Qt::WidgetWithChildrenShortcut);
    connect(chercher, &QShortcut::activated, this, [this] {
        PageControl->setCurrentWidget(ListViewAgenda->parentWidget());
        EditRechercheAgenda->Activer();
    });

    ficheSpecialite_ = new TFicheSpecialite(this);

    using C = TComptabilite;
    combos_ = {{
        {ComboCompteLicence, &C::CompteLicenceDefini, &C::SetCompteLicenceDefini, &C::CompteLicence,
         &C::SetCompteLicence},
        {ComboCompteCautionCombi, &C::CompteCautionCombiDefini, &C::SetCompteCautionCombiDefini,
         &C::CompteCautionCombi, &C::SetCompteCautionCombi},
        {ComboCompteLocationCombi, &C::CompteLocationCombiDefini, &C::SetCompteLocationCombiDefini,
         &C::CompteLocationCombi, &C::SetCompteLocationCombi},
        {ComboCompteForfaitLecon, &C::CompteForfaitLeconDefini, &C::SetCompteForfaitLeconDefini,
         &C::CompteForfaitLecon, &C::SetCompteForfaitLecon},
    }};

    for (QWidget* w : std::initializer_list<QWidget*>{
             EditIntitule, EditCommentaires, EditTitulaireCompte, EditNomBanque, EditCodeBanque,
             EditCodeGuichet, EditNumeroCompte, EditCleRIB, ComboCompteLicence, ComboCompteCautionCombi,
             ComboCompteLocationCombi, ComboCompteForfaitLecon})
        w->installEventFilter(this);
}

QWidget* TFichePrincipale::CreerOngletGeneral() {
    auto* onglet = new QWidget(this);
    auto* groupe = new QGroupBox("Divers ", onglet);
    EditIntitule = Nomme(new QLineEdit(groupe), "EditIntitule");
    EditIntitule->setToolTip("Année de l'exercice...");
    EditCommentaires = Nomme(new QPlainTextEdit(groupe), "EditCommentaires");
    EditCommentaires->setTabChangesFocus(true);
    auto* formulaire = new QFormLayout(groupe);
    formulaire->addRow("Exercice :", EditIntitule);
    formulaire->addRow("Commentaires :", EditCommentaires);
    formulaire->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto* l = new QVBoxLayout(onglet);
    l->addWidget(groupe);
    return onglet;
}

QWidget* TFichePrincipale::CreerOngletBase() {
    auto* onglet = new QWidget(this);
    auto* groupe = new QGroupBox("Spécialités correspondants ", onglet);
    ListBoxSpecialitesCorrespondants = Nomme(new QListWidget(groupe), "ListBoxSpecialitesCorrespondants");
    ListBoxSpecialitesCorrespondants->setToolTip("Liste des spécialisés correspondants");
    ListBoxSpecialitesCorrespondants->setAccessibleName("Spécialités correspondants");
    ListBoxSpecialitesCorrespondants->setSelectionMode(QAbstractItemView::SingleSelection);
    // Alt+A belongs to the menu bar's "&Aide".
    BoutonAjouterSpecialite = Bouton("BoutonAjouterSpecialite", "A&jouter", groupe);
    BoutonSupprimerSpecialite = Bouton("BoutonSupprimerSpecialite", "&Supprimer", groupe);
    BoutonRenommerSpecialite = Bouton("BoutonRenommerSpecialite", "&Renommer", groupe);
    connect(BoutonAjouterSpecialite, &QPushButton::clicked, this,
            &TFichePrincipale::BoutonAjouterSpecialiteClick);
    connect(BoutonSupprimerSpecialite, &QPushButton::clicked, this,
            &TFichePrincipale::BoutonSupprimerSpecialiteClick);
    connect(BoutonRenommerSpecialite, &QPushButton::clicked, this,
            &TFichePrincipale::BoutonRenommerSpecialiteClick);
    connect(ListBoxSpecialitesCorrespondants, &QListWidget::itemSelectionChanged, this,
            &TFichePrincipale::MajBoutonsSpecialites);
    connect(ListBoxSpecialitesCorrespondants, &QListWidget::itemDoubleClicked, this,
            &TFichePrincipale::BoutonRenommerSpecialiteClick);

    auto* boutons = new QVBoxLayout;
    boutons->addWidget(BoutonAjouterSpecialite);
    boutons->addWidget(BoutonSupprimerSpecialite);
    boutons->addWidget(BoutonRenommerSpecialite);
    boutons->addStretch();
    auto* l = new QHBoxLayout(groupe);
    l->addWidget(ListBoxSpecialitesCorrespondants, 1);
    l->addLayout(boutons);
    groupe->setMinimumHeight(220);
    return Colonne(this, {groupe}, 480);
}

QWidget* TFichePrincipale::CreerOngletCompta() {
    auto* monnaie = new QGroupBox("Monnaie ", this);
    CheckBoxEuro = Nomme(new QCheckBox("Montants en Euro", monnaie), "CheckBoxEuro");
    CheckBoxEuro->setToolTip("Indique si les valeurs monétaires sont en Euros ou en Francs");
    connect(CheckBoxEuro, &QCheckBox::clicked, this, [this](bool coche) { Exercice().SetEuro(coche); });
    (new QVBoxLayout(monnaie))->addWidget(CheckBoxEuro);

    auto* compte = new QGroupBox("Infos compte ", this);
    EditTitulaireCompte = Nomme(new QLineEdit(compte), "EditTitulaireCompte");
    EditNomBanque = Nomme(new QLineEdit(compte), "EditNomBanque");
    EditCodeBanque = Nomme(new TEditMonetaire(compte), "EditCodeBanque");
    EditCodeGuichet = Nomme(new TEditMonetaire(compte), "EditCodeGuichet");
    EditNumeroCompte = Nomme(new TEditMonetaire(compte), "EditNumeroCompte");
    EditCleRIB = Nomme(new TEditMonetaire(compte), "EditCleRIB");
    // Wide enough for the longest code a bank gives, eleven digits.
    const int largeurCode = EditCodeBanque->fontMetrics().horizontalAdvance(QString(14, '0'));
    for (TEditMonetaire* e : {EditCodeBanque, EditCodeGuichet, EditNumeroCompte, EditCleRIB})
        e->setFixedWidth(largeurCode);
    auto* formCompte = new QFormLayout(compte);
    formCompte->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    formCompte->addRow("Titulaire :", EditTitulaireCompte);
    formCompte->addRow("Nom banque :", EditNomBanque);
    formCompte->addRow("Code banque :", EditCodeBanque);
    formCompte->addRow("Code guichet :", EditCodeGuichet);
    formCompte->addRow("N° compte :", EditNumeroCompte);
    formCompte->addRow("Clé RIB :", EditCleRIB);

    auto* defauts = new QGroupBox("Comptes par défaut pour les enregistrements automatiques ", this);
    auto combo = [&](const char* nom) {
        auto* c = Nomme(new QComboBox(defauts), nom);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(24);
        return c;
    };
    ComboCompteLicence = combo("ComboCompteLicence");
    ComboCompteCautionCombi = combo("ComboCompteCautionCombi");
    ComboCompteLocationCombi = combo("ComboCompteLocationCombi");
    ComboCompteForfaitLecon = combo("ComboCompteForfaitLecon");
    auto* formDefauts = new QFormLayout(defauts);
    formDefauts->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    formDefauts->addRow("Licence :", ComboCompteLicence);
    formDefauts->addRow("Caution combi :", ComboCompteCautionCombi);
    formDefauts->addRow("Location combi :", ComboCompteLocationCombi);
    formDefauts->addRow("Forfait leçon :", ComboCompteForfaitLecon);

    return Colonne(this, {monnaie, compte, defauts}, 520);
}

QWidget* TFichePrincipale::CreerOngletHistorique() {
    auto* onglet = new QWidget(this);
    ListViewAgenda = Nomme(new QTreeView(onglet), "ListViewAgenda");
    ListViewAgenda->setToolTip("Historique des opérations");
    ListViewAgenda->setAccessibleName("Historique des opérations");
    ListViewAgenda->setRootIsDecorated(false);
    ListViewAgenda->setUniformRowHeights(true);
    ListViewAgenda->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListViewAgenda->setSelectionMode(QAbstractItemView::SingleSelection);
    modeleAgenda_ = new TModeleAgenda(Exercice().Agenda(), this);
    triAgenda_ = new TTriListe(modeleAgenda_, this);
    triAgenda_->Attacher(ListViewAgenda);
    LargeursAgenda(true);
    ListViewAgenda->header()->setStretchLastSection(true);
    auto* compte = Nomme(new QLabel(onglet), "LabelRechercheAgenda");
    QFont gras = compte->font();
    gras.setBold(true);
    compte->setFont(gras);
    const QString aide = "Rechercher (date, intitulé, utilisateur)";
    EditRechercheAgenda = Nomme(new TChampRecherche(*triAgenda_, *ListViewAgenda, *compte, aide, onglet),
                                "EditRechercheAgenda");
    EditRechercheAgenda->setMinimumWidth(EditRechercheAgenda->fontMetrics().horizontalAdvance(aide) + 40);
    setTabOrder(EditRechercheAgenda, ListViewAgenda);
    auto* haut = new QHBoxLayout;
    haut->addStretch();
    haut->addWidget(EditRechercheAgenda);
    auto* l = new QVBoxLayout(onglet);
    l->addLayout(haut);
    l->addWidget(ListViewAgenda);
    l->addWidget(compte);
    return onglet;
}

// Columns that have no width (at creation, or closed by the user) get their usual one; the date column is
// made wide enough for its icon and a full date and time in the font in use.
void TFichePrincipale::LargeursAgenda(bool toutes) {
    const int date = ListViewAgenda->fontMetrics().horizontalAdvance("00/00/0000 00:00:00") +
                     ListViewAgenda->iconSize().width() + 40;
    for (int i = 0; i < 3; ++i)
        if (toutes || ListViewAgenda->columnWidth(i) == 0)
            ListViewAgenda->setColumnWidth(i,
                                           i == 0 ? std::max(kLargeursAgenda[0], date) : kLargeursAgenda[i]);
}

void TFichePrincipale::showEvent(QShowEvent* e) {
    TSousVue::showEvent(e);
    // A window restored from the task bar shows again without being opened.
    if (e->spontaneous())
        return;
    LargeursAgenda(false);
    Afficher();
}

void TFichePrincipale::Afficher() {
    TExercice& e = Exercice();
    EditIntitule->setText(Q(e.Intitule()));
    EditCommentaires->setPlainText(VersAffichage(e.Commentaires()));
    EditCommentaires->document()->setModified(false);

    ListBoxSpecialitesCorrespondants->setUpdatesEnabled(false);
    ListBoxSpecialitesCorrespondants->clear();
    for (int i = 0; i < e.NbSpecialites(); ++i)
        ListBoxSpecialitesCorrespondants->addItem(Q(e.GetSpecialite(i)));
    ListBoxSpecialitesCorrespondants->setUpdatesEnabled(true);
    MajBoutonsSpecialites();

    CheckBoxEuro->setChecked(e.Euro());
    const TComptabilite& c = e.Comptabilite();
    EditTitulaireCompte->setText(Q(c.TitulaireCompte()));
    EditNomBanque->setText(Q(c.NomBanque()));
    auto code = [](std::int32_t v) { return v == 0 ? QString() : QString::number(v); };
    EditCodeBanque->setText(code(c.CodeBanque()));
    EditCodeGuichet->setText(code(c.CodeGuichet()));
    EditNumeroCompte->setText(code(c.NumeroCompte()));
    EditCleRIB->setText(code(c.CleRIB()));
    for (const ComboDefaut& d : combos_)
        RemplirCombo(d);
}

bool TFichePrincipale::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == QEvent::FocusOut)
        Quitter(objet);
    return TSousVue::eventFilter(objet, e);
}

void TFichePrincipale::Quitter(QObject* controle) {
    // A text that the season file cannot hold is not stored as it is: the
    // user takes its nearest form or goes back to the field.
    if (auto* champ = qobject_cast<QWidget*>(controle); champ && !ChampEnregistrable(champ))
        return;
    TExercice& e = Exercice();
    TComptabilite& c = e.Comptabilite();
    if (controle == EditIntitule)
        e.SetIntitule(EditIntitule->text().toStdString());
    else if (controle == EditCommentaires) {
        // Only a text that differs from the document's goes back, so that
        // passing through the field does not rewrite its line ends. The
        // editor's modified flag would not do: an undo back to the loaded
        // text clears it while the document holds what was stored before.
        const QString texte = EditCommentaires->toPlainText();
        if (texte != VersAffichage(e.Commentaires()))
            e.SetCommentaires(VersDocument(texte));
    } else if (controle == EditTitulaireCompte)
        c.SetTitulaireCompte(EditTitulaireCompte->text().toStdString());
    else if (controle == EditNomBanque)
        c.SetNomBanque(EditNomBanque->text().toStdString());
    else if (auto* code = qobject_cast<TEditMonetaire*>(controle))
        EditCodeExit(code);
    else
        for (const ComboDefaut& d : combos_)
            if (controle == d.combo)
                ComboExit(d);
}

void TFichePrincipale::EditCodeExit(TEditMonetaire* edit) {
    std::int32_t valeur = 0;
    if (!edit->text().isEmpty()) {
        bool ok = false;
        valeur = edit->text().toInt(&ok);
        // A '.', a lone '-' or a number beyond 32 bits: the field keeps its
        // previous value, and the display brings it back.
        if (!ok)
            return;
    }
    TComptabilite& c = Exercice().Comptabilite();
    if (edit == EditCodeBanque)
        c.SetCodeBanque(valeur);
    else if (edit == EditCodeGuichet)
        c.SetCodeGuichet(valeur);
    else if (edit == EditNumeroCompte)
        c.SetNumeroCompte(valeur);
    else if (edit == EditCleRIB)
        c.SetCleRIB(valeur);
}

void TFichePrincipale::RemplirCombo(const ComboDefaut& d) {
    const TComptabilite& c = Exercice().Comptabilite();
    QComboBox* combo = d.combo;
    combo->clear();
    combo->addItem(kPasDeCompte);
    // Only produit accounts: the sums posted from a member sheet are income.
    for (int i = 0; i < c.NbComptesProduits(); ++i) {
        const TCompte& compte = *c.GetCompteProduit(i);
        combo->addItem(TexteCompte(compte), Q(compte.Article()));
    }
    combo->setCurrentIndex(0);
    if ((c.*d.defini)()) {
        const TCompte* compte = c.GetCompteProduit(c.ChercherCompteProduit((c.*d.article)()));
        // An account since deleted or renumbered leaves the box empty.
        combo->setCurrentIndex(compte ? combo->findText(TexteCompte(*compte)) : -1);
    }
}

void TFichePrincipale::ComboExit(const ComboDefaut& d) {
    const int index = d.combo->currentIndex();
    if (index < 0)
        return;
    TComptabilite& c = Exercice().Comptabilite();
    if (index == 0) {
        // The account number stays, so that choosing it again is one click.
        (c.*d.setDefini)(false);
        return;
    }
    (c.*d.setDefini)(true);
    (c.*d.setArticle)(d.combo->itemData(index).toString().toStdString());
}

int TFichePrincipale::SpecialiteSelectionnee() const {
    const auto choisis = ListBoxSpecialitesCorrespondants->selectedItems();
    return choisis.isEmpty() ? -1 : ListBoxSpecialitesCorrespondants->row(choisis.front());
}

void TFichePrincipale::MajBoutonsSpecialites() {
    const bool choisie = SpecialiteSelectionnee() >= 0;
    BoutonSupprimerSpecialite->setEnabled(choisie);
    BoutonRenommerSpecialite->setEnabled(choisie);
}

void TFichePrincipale::BoutonAjouterSpecialiteClick() {
    const auto texte = ficheSpecialite_->Editer("");
    if (!texte)
        return;
    TExercice& e = Exercice();
    if (e.ExisteSpecialite(*texte)) {
        SignalerExisteDeja("La spécialité");
        return;
    }
    e.AjouterSpecialite(*texte);
    ListBoxSpecialitesCorrespondants->addItem(Q(*texte));
}

void TFichePrincipale::BoutonRenommerSpecialiteClick() {
    const int index = SpecialiteSelectionnee();
    if (index < 0)
        return;
    TExercice& e = Exercice();
    const auto texte = ficheSpecialite_->Editer(e.GetSpecialite(index));
    if (!texte)
        return;
    // Two entries may then differ only by case: renaming is the way to
    // correct one, and the list accepts it as the user typed it.
    e.RenommerSpecialite(index, *texte);
    ListBoxSpecialitesCorrespondants->item(index)->setText(Q(*texte));
    MajBoutonsSpecialites();
}

void TFichePrincipale::BoutonSupprimerSpecialiteClick() {
    const int index = SpecialiteSelectionnee();
    if (index < 0)
        return;
    if (MessageBoxTexte("Etes vous sûr de vouloir supprimer la spécialité ?", "Confirmation",
                        MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    Exercice().SupprimerSpecialite(index);
    delete ListBoxSpecialitesCorrespondants->takeItem(index);
    ListBoxSpecialitesCorrespondants->clearSelection();
    ListBoxSpecialitesCorrespondants->setCurrentRow(-1);
    MajBoutonsSpecialites();
}

} // namespace tramonta
