// SPDX-License-Identifier: GPL-3.0-or-later
// The accounting page: the charge and produit accounts of the ledger, each
// list with its commands and the total of its tab.
#pragma once

#include "model/comptabilite.h"
#include "model/notification.h"
#include "ui/communs/sous_vue.h"

#include <array>

class QLineEdit;
class QTabWidget;
class QTreeView;

namespace tramonta {

class TCommandesListe;
class TFicheCompte;
class TModeleComptes;

class TFicheCompta : public TSousVue {
    Q_OBJECT
  public:
    // Accounts are edited in `fiche`, the program's one account form.
    TFicheCompta(TExercice& exercice, TFicheCompte& fiche, QWidget* parent = nullptr);

    // Rebuilds both lists from the ledger, and the buttons and totals.
    void Afficher() override;

    // The commands of one tab, by button, menu, double click and keys.
    void BoutonAjouterCompteClick(TComptabilite::Liste liste);
    void BoutonEditerCompteClick(TComptabilite::Liste liste);
    void BoutonSupprimerCompteClick(TComptabilite::Liste liste);

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    // What each of the two tabs holds.
    struct Onglet {
        TComptabilite::Liste liste;
        const char* genre; // "charge" or "produit", in the controls' names
        QTreeView* vue = nullptr;
        TModeleComptes* modele = nullptr;
        TCommandesListe* commandes = nullptr;
        QLineEdit* total = nullptr;
        TAbonnement abonnement;
    };

    QWidget* CreerOnglet(Onglet& o);
    Onglet& OngletDe(TComptabilite::Liste liste);
    TCompte* CompteSelectionne(const Onglet& o) const;
    void ListViewChange(Onglet& o);
    void RafraichirTotaux();
    void LargeursColonnes(Onglet& o, bool toutes);

    TFicheCompte& fiche_;
    QTabWidget* PageControl;
    std::array<Onglet, 2> onglets_;
    bool totauxEnAttente_ = false;
};

} // namespace tramonta
