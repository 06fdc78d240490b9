// SPDX-License-Identifier: GPL-3.0-or-later
// The recent-file list of the File menu: most recent first, each path once
// (case ignored), at most MaxEntries, as numbered menu items.
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <vector>

class QAction;
class QMenu;

namespace tramonta {

class TRecentFileList : public QObject {
    Q_OBJECT
  public:
    // Sub-items of MenuItem's own menu, or items of the menu holding
    // MenuItem, just before or just after it.
    enum Mode { rflBefore, rflAfter, rflSubMenu };

    explicit TRecentFileList(QObject* parent = nullptr) : QObject(parent) {}

    // In sub-menu mode `item` is the action of a sub-menu (QMenu::menuAction);
    // otherwise `menu` is the menu that holds it.
    void SetMenuItem(QMenu* menu, QAction* item);
    void SetMaxEntries(int n);
    void SetMode(Mode mode);
    void SetInitialCounter(int n);
    int MaxEntries() const { return maxEntries_; }
    Mode GetMode() const { return mode_; }

    const QStringList& RecentList() const { return liste_; }
    void AddFile(const QString& chemin);
    void RemoveFile(const QString& chemin);

    // Each path followed by "|"; reading back keeps every non-blank piece in
    // order, without the limit.
    QString Texte() const;
    void SetTexte(const QString& texte);

    // The menu items made, in list order.
    const std::vector<QAction*>& Items() const { return items_; }

    // Gets its own copy of the path: the list may change during the call.
    std::function<void(QString chemin)> OnMenuClick;

  private:
    void MettreAJourMenu();
    QMenu* menu_ = nullptr;
    QAction* item_ = nullptr;
    QStringList liste_;
    int maxEntries_ = 5;
    Mode mode_ = rflSubMenu;
    int initialCounter_ = 0;
    std::vector<QAction*> items_;
};

} // namespace tramonta
