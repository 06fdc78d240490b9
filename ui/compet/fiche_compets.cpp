// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compet/fiche_compets.h"

#include "core/messages.h"
#include "model/exercice.h"
#include "ui/communs/agenda.h"
#include "ui/communs/controles.h"
#include "ui/compet/fiche_compet.h"
#include "ui/modeles/modeles.h"
#include "ui/modeles/tri_liste.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <memory>

namespace tramonta {

namespace {
QAction* Action(const char* nom, const char* texte, QObject* parent) {
    auto* a = new QAction(texte, parent);
    a->setObjectName(nom);
    return a;
}
} // namespace

TFicheCompets::TFicheCompets(TExercice& exercice, QWidget* parent) : TSousVue(exercice, parent) {
    setObjectName("FicheCompets");

    auto* legende = new QLabel("Liste des compétitions :", this);
    ListView = new QTreeView(this);
    ListView->setObjectName("ListView");
    ListView->setAccessibleName("Liste des compétitions");
    legende->setBuddy(ListView);
    ListView->setRootIsDecorated(false);
    ListView->setUniformRowHeights(true);
    ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView->setContextMenuPolicy(Qt::CustomContextMenu);
    modele_ = new TModeleCompets(exercice.Compets(), this);
    tri_ = new TTriListe(modele_, this);
    tri_->Attacher(ListView);
    ListView->setColumnWidth(0, 160);
    ListView->setColumnWidth(1, 80);
    ListView->setColumnWidth(2, 80);
    ListView->installEventFilter(this);

    // Alt+A and Alt+E belong to the menu bar's "&Aide" and "&Edition".
    BoutonAjouter = Bouton("BoutonAjouter", "A&jouter", this, "Ajout d'une compétition");
    BoutonSupprimer = Bouton("BoutonSupprimer", "&Supprimer", this, "Suppression d'une compétition");
    BoutonEditer = Bouton("BoutonEditer", "E&diter", this, "Edition d'une compétition");

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName("PopupMenu");
    Ajouter1 = Action("Ajouter1", "&Ajouter", this);
    MenuSupprimer = Action("MenuSupprimer", "&Supprimer", this);
    MenuEditer = Action("MenuEditer", "&Editer", this);
    PopupMenu->addActions({Ajouter1, MenuSupprimer, MenuEditer});

    connect(BoutonAjouter, &QPushButton::clicked, this, &TFicheCompets::BoutonAjouterClick);
    connect(BoutonSupprimer, &QPushButton::clicked, this, &TFicheCompets::BoutonSupprimerClick);
    connect(BoutonEditer, &QPushButton::clicked, this, &TFicheCompets::BoutonEditerClick);
    connect(Ajouter1, &QAction::triggered, this, &TFicheCompets::BoutonAjouterClick);
    connect(MenuSupprimer, &QAction::triggered, this, &TFicheCompets::BoutonSupprimerClick);
    connect(MenuEditer, &QAction::triggered, this, &TFicheCompets::BoutonEditerClick);
    connect(ListView, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            BoutonEditerClick();
    });
    connect(ListView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu->popup(ListView->viewport()->mapToGlobal(p)); });
    connect(ListView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFicheCompets::MajCommandes);
    // Rows that come and go change the selection without telling it.
    connect(tri_, &QAbstractItemModel::rowsRemoved, this, &TFicheCompets::MajCommandes);
    connect(tri_, &QAbstractItemModel::modelReset, this, &TFicheCompets::MajCommandes);

    auto* boutons = new QVBoxLayout;
    boutons->addWidget(BoutonAjouter);
    boutons->addWidget(BoutonSupprimer);
    boutons->addWidget(BoutonEditer);
    boutons->addStretch();
    auto* liste = new QVBoxLayout;
    liste->addWidget(legende);
    liste->addWidget(ListView, 1);
    auto* tout = new QHBoxLayout(this);
    tout->addLayout(liste, 1);
    tout->addLayout(boutons);

    ficheCompet_ = new TFicheCompet(this);
    MajCommandes();
}

void TFicheCompets::Afficher() {
    ListView->clearSelection();
    ListView->setCurrentIndex({});
    MajCommandes();
}

TCompet* TFicheCompets::Selection() const {
    const QModelIndexList choisis = ListView->selectionModel()->selectedRows();
    if (choisis.isEmpty())
        return nullptr;
    return modele_->Element(tri_->LigneSource(choisis.front().row()));
}

void TFicheCompets::Selectionner(const TCompet* compet) {
    const int source = Exercice().Compets().IndexOf(compet);
    if (source < 0)
        return;
    const QModelIndex index = tri_->index(tri_->LigneVue(source), 0);
    ListView->setCurrentIndex(index);
    ListView->selectionModel()->select(index,
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ListView->scrollTo(index);
}

void TFicheCompets::MajCommandes() {
    const bool choisie = Selection() != nullptr;
    BoutonSupprimer->setEnabled(choisie);
    BoutonEditer->setEnabled(choisie);
    MenuSupprimer->setEnabled(choisie);
    MenuEditer->setEnabled(choisie);
}

void TFicheCompets::BoutonAjouterClick() {
    TCompets& compets = Exercice().Compets();
    auto compet = std::make_unique<TCompet>(&compets);
    if (ficheCompet_->Executer(*compet) != QDialog::Accepted)
        return;
    const TCompet* ajoutee = compet.get();
    compets.Add(std::move(compet));
    Selectionner(ajoutee);
    AjouterLigneAgenda("Ajout de la compétition \"" + ajoutee->Intitule() + "\"");
    MajCommandes();
}

void TFicheCompets::BoutonSupprimerClick() {
    TCompet* compet = Selection();
    if (!compet)
        return;
    if (MessageBoxTexte("Etes vous sûr de vouloir supprimer la compétition ?", "Confirmation",
                        MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    AjouterLigneAgenda("Suppression de la compétition \"" + compet->Intitule() + "\"");
    TCompets& compets = Exercice().Compets();
    compets.Delete(compets.IndexOf(compet));
    ListView->clearSelection();
    MajCommandes();
}

void TFicheCompets::BoutonEditerClick() {
    TCompet* compet = Selection();
    if (!compet)
        return;
    if (ficheCompet_->Executer(*compet) != QDialog::Accepted)
        return;
    Selectionner(compet);
    AjouterLigneAgenda("Modification de la compétition \"" + compet->Intitule() + "\"");
    MajCommandes();
}

bool TFicheCompets::eventFilter(QObject* objet, QEvent* e) {
    if (objet == ListView && e->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(e);
        if (touche->key() == Qt::Key_Delete) {
            BoutonSupprimerClick();
            return true;
        }
        if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
            BoutonEditerClick();
            return true;
        }
    }
    return TSousVue::eventFilter(objet, e);
}

} // namespace tramonta
