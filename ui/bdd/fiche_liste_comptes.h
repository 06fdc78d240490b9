// SPDX-License-Identifier: GPL-3.0-or-later
// The choice of the produit account that receives a member's sum when the
// ledger has no default account for it.
#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace tramonta {

class TCompte;
class TComptabilite;

class TFicheListeComptes : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheListeComptes(QWidget* parent = nullptr);
    // Offers the ledger's produit accounts, the first one selected; the
    // chosen account on "&Ok", nullptr on "&Annuler". With no produit
    // account the dialog can only be cancelled.
    TCompte* Choisir(const TComptabilite& comptabilite);

  private:
    void MajBoutons();
    QComboBox* ComboBoxComptes;
    QPushButton* BoutonOk;
};

} // namespace tramonta
