// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/communs/champ_recherche.h"

#include "ui/modeles/tri_liste.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLabel>

namespace tramonta {

TChampRecherche::TChampRecherche(TTriListe& tri, QAbstractItemView& liste, QLabel& compte,
                                 const QString& aide, QWidget* parent)
    : QLineEdit(parent), tri_(tri), liste_(liste), compte_(compte) {
    setClearButtonEnabled(true);
    setPlaceholderText(aide);
    setToolTip(aide);
    setAccessibleName("Rechercher");
    setAccessibleDescription(aide);
    compte_.hide();
    connect(this, &QLineEdit::textChanged, this, &TChampRecherche::Filtrer);
    // The total changes with rows that the search hides, which the proxy
    // does not tell: both models are followed.
    for (const QAbstractItemModel* m : {static_cast<const QAbstractItemModel*>(&tri_),
                                        static_cast<const QAbstractItemModel*>(tri_.Source())}) {
        connect(m, &QAbstractItemModel::rowsInserted, this, &TChampRecherche::MajCompte);
        connect(m, &QAbstractItemModel::rowsRemoved, this, &TChampRecherche::MajCompte);
        connect(m, &QAbstractItemModel::modelReset, this, &TChampRecherche::MajCompte);
        connect(m, &QAbstractItemModel::layoutChanged, this, &TChampRecherche::MajCompte);
    }
}

void TChampRecherche::Activer() {
    setFocus(Qt::ShortcutFocusReason);
    selectAll();
}

void TChampRecherche::Filtrer(const QString& texte) {
    tri_.SetRecherche(texte);
    MajCompte();
    // The selected record stays in view when the rows around it change.
    if (const QModelIndex courant = liste_.currentIndex(); courant.isValid())
        liste_.scrollTo(courant);
}

void TChampRecherche::MajCompte() {
    compte_.setVisible(tri_.RechercheActive());
    // Without a search the count is hidden: not asking the sorted list its
    // rows leaves its sorting (keys of every record) to the first time it
    // is shown, which a large season opened on another page may never need.
    if (tri_.RechercheActive())
        compte_.setText(QString("%1 sur %2").arg(tri_.rowCount()).arg(tri_.Source()->rowCount()));
}

void TChampRecherche::keyPressEvent(QKeyEvent* e) {
    // Escape with nothing typed goes on to the page, as before the field was there.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier && !text().isEmpty()) {
        clear();
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Down && e->modifiers() == Qt::NoModifier) {
        if (tri_.rowCount() > 0) {
            if (!liste_.currentIndex().isValid())
                liste_.setCurrentIndex(tri_.index(0, 0));
            liste_.setFocus(Qt::TabFocusReason);
        }
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

} // namespace tramonta
