// SPDX-License-Identifier: GPL-3.0-or-later
// Item models over the document's collections. A model never owns what it
// shows: it reads the collection through a source and follows its change
// notifications, so that a list refreshes the one row of the record that
// changed and never rebuilds itself for one change.
#pragma once

#include "core/texte.h"
#include "model/notification.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QCollatorSortKey>
#include <QIcon>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace tramonta {

// One column of a list: its title, what it shows of a record and how it sorts.
template <class E> struct TColonne {
    using Texte = std::function<QString(const E&)>;
    using Nombre = std::function<double(const E&)>;
    // Numbers and dates sort as numbers; without `nombre` the text sorts with
    // the system locale's case-sensitive collation.
    TColonne(QString t, Texte x, Nombre n = Nombre(), Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter)
        : titre(std::move(t)), texte(std::move(x)), nombre(std::move(n)), alignement(a) {}
    QString titre;
    Texte texte;
    Nombre nombre;
    Qt::Alignment alignement;
};

// What the sort proxy and the views need without knowing the record type.
class TModeleListeBase : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;
    // Negative, zero or positive as row a of the model sorts before, with or
    // after row b by that column.
    virtual int Comparer(int a, int b, int colonne) const = 0;
    // The record of a row, as an opaque pointer (also under RoleElement).
    virtual const void* ElementOpaque(int ligne) const = 0;
    // What a search looks into for a row, in the form of TexteSansAccents;
    // empty for a list that has nothing to search.
    virtual const std::string& CleRecherche(int ligne) const = 0;
    static constexpr int RoleElement = Qt::UserRole + 1;
};

template <class E> class TModeleListe : public TModeleListeBase {
  public:
    // How the model reaches a collection: its count, its element by index and
    // the notifier of its changes. A source can be changed (a form that shows
    // another account or another category).
    struct Source {
        std::function<int()> nombre;
        std::function<E*(int)> element;
        const TNotificateur* changements = nullptr;
    };

    explicit TModeleListe(std::vector<TColonne<E>> colonnes, QObject* parent = nullptr)
        : TModeleListeBase(parent), colonnes_(std::move(colonnes)), cles_(colonnes_.size()) {
        collateur_.setCaseSensitivity(Qt::CaseSensitive);
    }

    void SetSource(Source source) {
        beginResetModel();
        abonnement_.Resilier();
        source_ = std::move(source);
        if (source_.changements)
            abonnement_ = source_.changements->Abonner([this](const TChangement& c) { Changement(c); });
        ViderCles();
        endResetModel();
    }
    void SetIcone(const QIcon& icone) { icone_ = icone; }
    // The fields of a record that a search looks into, joined by line ends so
    // that no typed word runs from one field into the next.
    using Recherche = std::function<std::string(const E&)>;
    void SetRecherche(Recherche recherche) {
        recherche_ = std::move(recherche);
        clesRecherche_.clear();
    }

    // Shows the collection again from scratch (a document opened or made
    // new), the selection included.
    void Reinitialiser() {
        beginResetModel();
        ViderCles();
        endResetModel();
    }
    // Redraws every row, keeping the selection.
    void Rafraichir() {
        ViderCles();
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }

    E* Element(int ligne) const {
        return source_.element && ligne >= 0 && ligne < rowCount() ? source_.element(ligne) : nullptr;
    }
    E* Element(const QModelIndex& index) const { return index.isValid() ? Element(index.row()) : nullptr; }
    const void* ElementOpaque(int ligne) const override { return Element(ligne); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !source_.nombre ? 0 : source_.nombre();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(colonnes_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const E* e = Element(index);
        if (!e || index.column() >= columnCount())
            return {};
        const TColonne<E>& c = colonnes_[static_cast<std::size_t>(index.column())];
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return c.texte(*e);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(c.alignement);
        case Qt::DecorationRole:
            if (index.column() == 0 && !icone_.isNull())
                return icone_;
            return {};
        case RoleElement:
            return QVariant::fromValue(const_cast<void*>(static_cast<const void*>(e)));
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
            return {};
        const TColonne<E>& c = colonnes_[static_cast<std::size_t>(section)];
        if (role == Qt::DisplayRole)
            return c.titre;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(c.alignement);
        return {};
    }

    int Comparer(int a, int b, int colonne) const override {
        if (colonne < 0 || colonne >= columnCount())
            return 0;
        const Cle& ca = CleDe(a, colonne);
        const Cle& cb = CleDe(b, colonne);
        if (const auto* na = std::get_if<double>(&ca)) {
            const double nb = std::get<double>(cb);
            return *na < nb ? -1 : (nb < *na ? 1 : 0);
        }
        return std::get<QCollatorSortKey>(ca).compare(std::get<QCollatorSortKey>(cb));
    }

    // Made on the first search, then once per record each time it changes,
    // so that a keystroke over 20 000 rows only runs substring searches.
    const std::string& CleRecherche(int ligne) const override {
        static const std::string vide;
        if (!recherche_ || ligne < 0 || ligne >= rowCount())
            return vide;
        if (clesRecherche_.size() != static_cast<std::size_t>(rowCount()))
            clesRecherche_.assign(static_cast<std::size_t>(rowCount()), std::nullopt);
        auto& cle = clesRecherche_[static_cast<std::size_t>(ligne)];
        if (!cle)
            cle.emplace(TexteSansAccents(recherche_(*Element(ligne))));
        return *cle;
    }

  private:
    using Cle = std::variant<double, QCollatorSortKey>;

    // Keys are made once per record and column, and kept until the record
    // changes, so that a sort of 20 000 rows compares prepared keys.
    const Cle& CleDe(int ligne, int colonne) const {
        auto& cles = cles_[static_cast<std::size_t>(colonne)];
        if (cles.size() != static_cast<std::size_t>(rowCount()))
            cles.assign(static_cast<std::size_t>(rowCount()), std::nullopt);
        auto& cle = cles[static_cast<std::size_t>(ligne)];
        if (!cle) {
            const TColonne<E>& c = colonnes_[static_cast<std::size_t>(colonne)];
            const E& e = *Element(ligne);
            if (c.nombre)
                cle.emplace(c.nombre(e));
            else
                cle.emplace(collateur_.sortKey(c.texte(e)));
        }
        return *cle;
    }

    void ViderCles() {
        for (auto& cles : cles_)
            cles.clear();
        clesRecherche_.clear();
    }

    void Changement(const TChangement& c) {
        const auto ligne = static_cast<std::ptrdiff_t>(c.index);
        switch (c.genre) {
        case TChangement::Ajout:
            beginInsertRows({}, c.index, c.index);
            for (auto& cles : cles_)
                if (!cles.empty())
                    cles.insert(cles.begin() + ligne, std::nullopt);
            if (!clesRecherche_.empty())
                clesRecherche_.insert(clesRecherche_.begin() + ligne, std::nullopt);
            endInsertRows();
            break;
        case TChangement::Suppression:
            beginRemoveRows({}, c.index, c.index);
            for (auto& cles : cles_)
                if (ligne < static_cast<std::ptrdiff_t>(cles.size()))
                    cles.erase(cles.begin() + ligne);
            if (ligne < static_cast<std::ptrdiff_t>(clesRecherche_.size()))
                clesRecherche_.erase(clesRecherche_.begin() + ligne);
            endRemoveRows();
            break;
        case TChangement::Deplacement:
            beginMoveRows({}, c.index, c.index, {}, c.vers > c.index ? c.vers + 1 : c.vers);
            ViderCles();
            endMoveRows();
            break;
        case TChangement::Modification:
            for (auto& cles : cles_)
                if (ligne < static_cast<std::ptrdiff_t>(cles.size()))
                    cles[static_cast<std::size_t>(ligne)].reset();
            // Before the signal: the filter of the sort proxy reads it again.
            if (ligne < static_cast<std::ptrdiff_t>(clesRecherche_.size()))
                clesRecherche_[static_cast<std::size_t>(ligne)].reset();
            emit dataChanged(index(c.index, 0), index(c.index, columnCount() - 1));
            break;
        case TChangement::Remplacement:
            beginResetModel();
            ViderCles();
            endResetModel();
            break;
        }
    }

    std::vector<TColonne<E>> colonnes_;
    Source source_;
    TAbonnement abonnement_;
    QIcon icone_;
    QCollator collateur_;
    mutable std::vector<std::vector<std::optional<Cle>>> cles_;
    Recherche recherche_;
    mutable std::vector<std::optional<std::string>> clesRecherche_;
};

} // namespace tramonta
