// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QAbstractItemView;
class QAction;
class QMenu;
class QPushButton;

namespace tramonta {

// The names and texts of a list's commands, as each window gives them: the
// tests find the controls by these names.
struct TNomsCommandes {
    QString ajouter, supprimer, editer;             // the buttons
    QString menu;                                   // the context menu (may stay unnamed)
    QString menuAjouter, menuSupprimer, menuEditer; // its actions
    // The pages leave Alt+A and Alt+E to the menu bar ("&Aide", "&Edition").
    QString texteAjouter = "A&jouter";
    QString texteEditer = "E&diter";
    QString bulleAjouter, bulleSupprimer, bulleEditer; // hints; empty: none

    // The usual names: "BoutonAjouter" + suffixe, "BoutonSupprimer" +
    // suffixe, …, "MenuAjouter" + suffixe, …; the menu itself unnamed.
    static TNomsCommandes Suffixe(const QString& suffixe);
};

// A list with its commands: "Ajouter", "Supprimer" and "Editer" as buttons
// and in the list's context menu, Enter or a double click on a row edits,
// Delete deletes. "Supprimer" and "Editer" answer only while a row is
// selected. The buttons and the menu are children of the parent given, for
// the window to lay them out; the window does the work on the signals.
class TCommandesListe : public QObject {
    Q_OBJECT
  public:
    // The list must already show its model: the selection followed is that
    // model's.
    TCommandesListe(QAbstractItemView& liste, QWidget* parent, const TNomsCommandes& noms);

    QPushButton* BoutonAjouter() const { return boutonAjouter_; }
    QPushButton* BoutonSupprimer() const { return boutonSupprimer_; }
    QPushButton* BoutonEditer() const { return boutonEditer_; }
    QMenu* Menu() const { return menu_; }
    QAction* MenuAjouter() const { return menuAjouter_; }
    QAction* MenuSupprimer() const { return menuSupprimer_; }
    QAction* MenuEditer() const { return menuEditer_; }

    // Enables "Supprimer" and "Editer" by the selection. Done on each change
    // of the selection and when rows go; a window calls it when it shows the
    // list again.
    void Maj();

  signals:
    void Ajouter();
    void Supprimer();
    void Editer();

  protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

  private:
    QAbstractItemView& liste_;
    QPushButton* boutonAjouter_;
    QPushButton* boutonSupprimer_;
    QPushButton* boutonEditer_;
    QMenu* menu_;
    QAction* menuAjouter_;
    QAction* menuSupprimer_;
    QAction* menuEditer_;
};

} // namespace tramonta
