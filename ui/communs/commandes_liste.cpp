// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/communs/commandes_liste.h"

#include "ui/communs/controles.h"

#include <QAbstractItemView>
#include <QAction>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

namespace tramonta {

TNomsCommandes TNomsCommandes::Suffixe(const QString& suffixe) {
    TNomsCommandes noms;
    noms.ajouter = "BoutonAjouter" + suffixe;
    noms.supprimer = "BoutonSupprimer" + suffixe;
    noms.editer = "BoutonEditer" + suffixe;
    noms.menuAjouter = "MenuAjouter" + suffixe;
    noms.menuSupprimer = "MenuSupprimer" + suffixe;
    noms.menuEditer = "MenuEditer" + suffixe;
    return noms;
}

TCommandesListe::TCommandesListe(QAbstractItemView& liste, QWidget* parent, const TNomsCommandes& noms)
    : QObject(parent), liste_(liste) {
    boutonAjouter_ = Bouton("", noms.texteAjouter, parent, noms.bulleAjouter);
    boutonAjouter_->setObjectName(noms.ajouter);
    boutonSupprimer_ = Bouton("", "&Supprimer", parent, noms.bulleSupprimer);
    boutonSupprimer_->setObjectName(noms.supprimer);
    boutonEditer_ = Bouton("", noms.texteEditer, parent, noms.bulleEditer);
    boutonEditer_->setObjectName(noms.editer);

    menu_ = new QMenu(parent);
    if (!noms.menu.isEmpty())
        menu_->setObjectName(noms.menu);
    menuAjouter_ = menu_->addAction("&Ajouter");
    menuAjouter_->setObjectName(noms.menuAjouter);
    menuSupprimer_ = menu_->addAction("&Supprimer");
    menuSupprimer_->setObjectName(noms.menuSupprimer);
    menuEditer_ = menu_->addAction("&Editer");
    menuEditer_->setObjectName(noms.menuEditer);

    connect(boutonAjouter_, &QPushButton::clicked, this, &TCommandesListe::Ajouter);
    connect(boutonSupprimer_, &QPushButton::clicked, this, &TCommandesListe::Supprimer);
    connect(boutonEditer_, &QPushButton::clicked, this, &TCommandesListe::Editer);
    connect(menuAjouter_, &QAction::triggered, this, &TCommandesListe::Ajouter);
    connect(menuSupprimer_, &QAction::triggered, this, &TCommandesListe::Supprimer);
    connect(menuEditer_, &QAction::triggered, this, &TCommandesListe::Editer);
    connect(&liste, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit Editer();
    });
    liste.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&liste, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { menu_->popup(liste_.viewport()->mapToGlobal(p)); });
    connect(liste.selectionModel(), &QItemSelectionModel::selectionChanged, this, &TCommandesListe::Maj);
    // Rows that come and go change the selection without telling it.
    connect(liste.model(), &QAbstractItemModel::rowsRemoved, this, &TCommandesListe::Maj);
    connect(liste.model(), &QAbstractItemModel::modelReset, this, &TCommandesListe::Maj);
    liste.installEventFilter(this);
    Maj();
}

void TCommandesListe::Maj() {
    const bool choisi = liste_.selectionModel() && liste_.selectionModel()->hasSelection();
    boutonSupprimer_->setEnabled(choisi);
    boutonEditer_->setEnabled(choisi);
    menuSupprimer_->setEnabled(choisi);
    menuEditer_->setEnabled(choisi);
}

bool TCommandesListe::eventFilter(QObject* objet, QEvent* e) {
    if (objet == &liste_ && e->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(e)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            emit Editer();
            return true;
        }
        if (touche == Qt::Key_Delete) {
            emit Supprimer();
            return true;
        }
    }
    return QObject::eventFilter(objet, e);
}

} // namespace tramonta
