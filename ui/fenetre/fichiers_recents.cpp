// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fenetre/fichiers_recents.h"

#include <QAction>
#include <QMenu>

namespace tramonta {

namespace {
qsizetype Position(const QStringList& liste, const QString& chemin) {
    for (qsizetype i = 0; i < liste.size(); ++i)
        if (liste[i].compare(chemin, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
} // namespace

void TRecentFileList::SetMenuItem(QMenu* menu, QAction* item) {
    menu_ = menu;
    item_ = item;
    MettreAJourMenu();
}

void TRecentFileList::SetMaxEntries(int n) {
    maxEntries_ = n;
}

void TRecentFileList::SetMode(Mode mode) {
    mode_ = mode;
    MettreAJourMenu();
}

void TRecentFileList::SetInitialCounter(int n) {
    initialCounter_ = n;
    MettreAJourMenu();
}

void TRecentFileList::AddFile(const QString& chemin) {
    const qsizetype i = Position(liste_, chemin);
    if (i == 0)
        return;
    if (i > 0)
        liste_.removeAt(i);
    liste_.prepend(chemin);
    while (liste_.size() > maxEntries_)
        liste_.removeLast();
    MettreAJourMenu();
}

void TRecentFileList::RemoveFile(const QString& chemin) {
    const qsizetype i = Position(liste_, chemin);
    if (i >= 0)
        liste_.removeAt(i);
    MettreAJourMenu();
}

QString TRecentFileList::Texte() const {
    QString t;
    for (const QString& c : liste_)
        t += c + '|';
    return t;
}

void TRecentFileList::SetTexte(const QString& texte) {
    liste_.clear();
    for (const QString& morceau : texte.split('|')) {
        const QString c = morceau.trimmed();
        if (!c.isEmpty())
            liste_ << c;
    }
    MettreAJourMenu();
}

void TRecentFileList::MettreAJourMenu() {
    for (QAction* a : items_)
        delete a;
    items_.clear();
    if (!item_)
        return;
    QMenu* sousMenu = item_->menu();
    QMenu* cible = mode_ == rflSubMenu ? sousMenu : menu_;
    if (!cible)
        return;
    const QList<QAction*> actions = cible->actions();
    const qsizetype position = actions.indexOf(item_);
    QAction* avant = nullptr; // the items go before this one (nullptr: at the end)
    if (mode_ == rflBefore)
        avant = item_;
    else if (mode_ == rflAfter && position >= 0 && position + 1 < actions.size())
        avant = actions[position + 1];
    for (int i = 0; i < liste_.size(); ++i) {
        // "&" before the number: the digit is the item's keyboard shortcut.
        QString chemin = liste_[i];
        chemin.replace('&', "&&"); // an "&" of the path is no shortcut
        auto* a = new QAction(QStringLiteral("&%1 %2").arg(initialCounter_ + i).arg(chemin), cible);
        a->setData(i);
        a->setObjectName(QStringLiteral("FichierRecent%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] {
            // A copy: the open may save under a new name first, which
            // changes the list while the path is still in use.
            if (OnMenuClick && i < liste_.size())
                OnMenuClick(QString(liste_[i]));
        });
        cible->insertAction(avant, a);
        items_.push_back(a);
    }
    // An empty sub-menu would open on nothing.
    if (mode_ == rflSubMenu)
        item_->setEnabled(!liste_.isEmpty());
}

} // namespace tramonta
