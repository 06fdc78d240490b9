// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/modeles/tri_liste.h"

#include "core/texte.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeView>

#include <string_view>

namespace tramonta {

Qt::SortOrder TEtatTri::Cliquer(int colonne) {
    if (colonne < 0)
        return ordre_;
    if (static_cast<std::size_t>(colonne) >= prochainCroissant_.size())
        prochainCroissant_.resize(static_cast<std::size_t>(colonne) + 1, true);
    const auto i = static_cast<std::size_t>(colonne);
    colonne_ = colonne;
    ordre_ = prochainCroissant_[i] ? Qt::AscendingOrder : Qt::DescendingOrder;
    prochainCroissant_[i] = !prochainCroissant_[i];
    return ordre_;
}

TTriListe::TTriListe(TModeleListeBase* source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source), etat_(source->columnCount()) {
    setSourceModel(source);
    setDynamicSortFilter(true);
    sort(0, Qt::AscendingOrder);
}

void TTriListe::Attacher(QTreeView* vue) {
    vue_ = vue;
    vue->setModel(this);
    vue->setSortingEnabled(false);
    QHeaderView* entete = vue->header();
    entete->setSectionsClickable(true);
    entete->setSortIndicatorShown(true);
    entete->setSortIndicator(etat_.Colonne(), etat_.Ordre());
    connect(entete, &QHeaderView::sectionClicked, this, &TTriListe::CliquerColonne);
    if (!vue->isVisible()) {
        differe_ = true;
        QSortFilterProxyModel::sort(-1);
        vue->installEventFilter(this);
    }
}

void TTriListe::Trier() {
    if (differe_)
        sort(etat_.Colonne(), etat_.Ordre());
}

void TTriListe::sort(int colonne, Qt::SortOrder ordre) {
    differe_ = false;
    QSortFilterProxyModel::sort(colonne, ordre);
}

bool TTriListe::eventFilter(QObject* objet, QEvent* e) {
    // Before the view lays out and paints the rows it shows.
    if (objet == vue_ && e->type() == QEvent::Show) {
        vue_->removeEventFilter(this);
        Trier();
    }
    return QSortFilterProxyModel::eventFilter(objet, e);
}

void TTriListe::CliquerColonne(int colonne) {
    const Qt::SortOrder ordre = etat_.Cliquer(colonne);
    sort(colonne, ordre);
    if (vue_) {
        vue_->header()->setSortIndicator(colonne, ordre);
        if (vue_->currentIndex().isValid())
            vue_->scrollTo(vue_->currentIndex());
    }
}

int TTriListe::LigneVue(int ligneSource) const {
    // Asking where a row shows sorts what waited: the answer is the order
    // that the user will see.
    const_cast<TTriListe*>(this)->Trier();
    return mapFromSource(source_->index(ligneSource, 0)).row();
}

int TTriListe::LigneSource(int ligneVue) const {
    // Asking where a row shows sorts what waited: the answer is the order
    // that the user will see.
    const_cast<TTriListe*>(this)->Trier();
    return mapToSource(index(ligneVue, 0)).row();
}

void TTriListe::SetRecherche(const QString& texte) {
    std::vector<std::string> mots;
    for (const QString& mot : texte.simplified().split(QChar(' '), Qt::SkipEmptyParts)) {
        std::string plie = TexteSansAccents(mot.toStdString());
        if (!plie.empty())
            mots.push_back(std::move(plie));
    }
    recherche_ = texte;
    // A blank typed after a word changes nothing that is shown.
    if (mots == mots_)
        return;
    mots_ = std::move(mots);
    invalidateRowsFilter();
}

bool TTriListe::filterAcceptsRow(int ligneSource, const QModelIndex& parent) const {
    if (mots_.empty() || parent.isValid())
        return true;
    const std::string_view cle = source_->CleRecherche(ligneSource);
    for (const std::string& mot : mots_)
        if (cle.find(mot) == std::string_view::npos)
            return false;
    return true;
}

bool TTriListe::lessThan(const QModelIndex& a, const QModelIndex& b) const {
    const int r = source_->Comparer(a.row(), b.row(), a.column());
    // Equal keys keep the collection's order, whatever the direction.
    if (r == 0)
        return sortOrder() == Qt::AscendingOrder ? a.row() < b.row() : a.row() > b.row();
    return r < 0;
}

} // namespace tramonta
