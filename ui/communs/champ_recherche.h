// SPDX-License-Identifier: GPL-3.0-or-later
// The search field above a long list: it filters the list as one types,
// Escape empties it, Down goes into the list, and a label beside the list's
// summary tells how many rows of how many are shown while a search is on.
#pragma once

#include <QLineEdit>

class QAbstractItemView;
class QLabel;

namespace tramonta {

class TTriListe;

class TChampRecherche : public QLineEdit {
    Q_OBJECT
  public:
    // `compte` is the label of the count, "12 sur 340"; hidden without a search.
    TChampRecherche(TTriListe& tri, QAbstractItemView& liste, QLabel& compte, const QString& aide,
                    QWidget* parent = nullptr);

    // Ctrl+F: the focus here, the text selected so that typing replaces it.
    void Activer();

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void Filtrer(const QString& texte);
    void MajCompte();

    TTriListe& tri_;
    QAbstractItemView& liste_;
    QLabel& compte_;
};

} // namespace tramonta
