// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting of a list by column clicks. Each column keeps the direction that
// its next click gives (ascending at first); a click sorts by the column in
// that direction and then inverts it, so the first click on the column in
// use changes nothing and each later one reverses the order. Between clicks
// the list keeps the order that the user sees: a record added or changed
// takes its place in that order.
//
// A search keeps the rows whose search key holds every word typed, whatever
// their case and accents, in that same order; a record added or changed
// during a search shows or leaves as it matches.
#pragma once

#include "ui/modeles/modele_liste.h"

#include <QSortFilterProxyModel>

#include <string>
#include <vector>

class QTreeView;

namespace tramonta {

// The click rule alone, so that it is tested without a view.
class TEtatTri {
  public:
    explicit TEtatTri(int colonnes = 0) : prochainCroissant_(static_cast<std::size_t>(colonnes), true) {}
    int Colonne() const { return colonne_; }
    Qt::SortOrder Ordre() const { return ordre_; }
    // The order that the click gives.
    Qt::SortOrder Cliquer(int colonne);

  private:
    std::vector<bool> prochainCroissant_;
    int colonne_ = 0;
    Qt::SortOrder ordre_ = Qt::AscendingOrder;
};

class TTriListe : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    // Sorted by the first column, ascending, from the start.
    TTriListe(TModeleListeBase* source, QObject* parent = nullptr);

    TModeleListeBase* Source() const { return source_; }
    const TEtatTri& Etat() const { return etat_; }
    // Makes `vue` show this model and sort on its header clicks. While the
    // view has never been on the screen, the rows keep the collection's order
    // and the sort waits (a season opened with its lists on pages out of
    // view makes no sort keys): the first showing sorts them, as does
    // anything that asks for the order the user sees (LigneVue, LigneSource,
    // Trier, a sort, a column click).
    void Attacher(QTreeView* vue);
    // Puts the rows in the order of the column in use, if that waited.
    void Trier();
    void sort(int colonne, Qt::SortOrder ordre = Qt::AscendingOrder) override;
    void CliquerColonne(int colonne);
    // The row of the view that shows a row of the source, and back.
    int LigneVue(int ligneSource) const;
    int LigneSource(int ligneVue) const;

    // Words apart, blanks ignored; an empty text shows every row.
    void SetRecherche(const QString& texte);
    const QString& Recherche() const { return recherche_; }
    bool RechercheActive() const { return !mots_.empty(); }

  protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    bool lessThan(const QModelIndex& a, const QModelIndex& b) const override;
    bool filterAcceptsRow(int ligneSource, const QModelIndex& parent) const override;

  private:
    TModeleListeBase* source_;
    TEtatTri etat_;
    QTreeView* vue_ = nullptr;
    bool differe_ = false;
    QString recherche_;
    std::vector<std::string> mots_;
};

} // namespace tramonta
