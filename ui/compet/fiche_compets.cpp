// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compet/fiche_compets.h"

#include "core/messages.h"
#include "model/exercice.h"
#include "model/textes_journal.h"
#include "ui/communs/agenda.h"
#include "ui/communs/commandes_liste.h"
#include "ui/communs/controles.h"
#include "ui/compet/fiche_compet.h"
#include "ui/modeles/modeles.h"
#include "ui/modeles/tri_liste.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTreeView>
#include <QVBoxLayout>

#include <memory>

namespace tramonta {

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
    modele_ = new TModeleCompets(exercice.Compets(), this);
    tri_ = new TTriListe(modele_, this);
    tri_->Attacher(ListView);
    ListView->setColumnWidth(0, 160);
    ListView->setColumnWidth(1, 80);
    ListView->setColumnWidth(2, 80);

    TNomsCommandes noms = TNomsCommandes::Suffixe({});
    noms.menu = "PopupMenu";
    noms.menuAjouter = "Ajouter1";
    noms.bulleAjouter = "Ajout d'une compétition";
    noms.bulleSupprimer = "Suppression d'une compétition";
    noms.bulleEditer = "Edition d'une compétition";
    commandes_ = new TCommandesListe(*ListView, this, noms);
    connect(commandes_, &TCommandesListe::Ajouter, this, &TFicheCompets::BoutonAjouterClick);
    connect(commandes_, &TCommandesListe::Supprimer, this, &TFicheCompets::BoutonSupprimerClick);
    connect(commandes_, &TCommandesListe::Editer, this, &TFicheCompets::BoutonEditerClick);

    auto* boutons = new QVBoxLayout;
    boutons->addWidget(commandes_->BoutonAjouter());
    boutons->addWidget(commandes_->BoutonSupprimer());
    boutons->addWidget(commandes_->BoutonEditer());
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
    commandes_->Maj();
}

void TFicheCompets::BoutonAjouterClick() {
    TCompets& compets = Exercice().Compets();
    const TCompet nouvelle(&compets);
    std::unique_ptr<TCompet> compet = ficheCompet_->Executer(nouvelle);
    if (!compet)
        return;
    const TCompet* ajoutee = compet.get();
    compets.Add(std::move(compet));
    Selectionner(ajoutee);
    AjouterLigneAgenda(TexteJournal(TActeJournal::Ajout, *ajoutee));
    MajCommandes();
}

void TFicheCompets::BoutonSupprimerClick() {
    TCompet* compet = Selection();
    if (!compet)
        return;
    if (MessageBoxTexte("Etes vous sûr de vouloir supprimer la compétition ?", "Confirmation",
                        MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    AjouterLigneAgenda(TexteJournal(TActeJournal::Suppression, *compet));
    TCompets& compets = Exercice().Compets();
    compets.Delete(compets.IndexOf(compet));
    ListView->clearSelection();
    MajCommandes();
}

void TFicheCompets::BoutonEditerClick() {
    TCompet* compet = Selection();
    if (!compet)
        return;
    const std::unique_ptr<TCompet> saisie = ficheCompet_->Executer(*compet);
    if (!saisie)
        return;
    compet->Assign(*saisie);
    Selectionner(compet);
    AjouterLigneAgenda(TexteJournal(TActeJournal::Modification, *compet));
    MajCommandes();
}

} // namespace tramonta
