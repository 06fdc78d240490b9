// SPDX-License-Identifier: GPL-3.0-or-later
// The preview of the accounting reports (balance, movements, bank deposits),
// from which they are printed.
#pragma once

#include "print/etats_compta.h"
#include "ui/communs/fiche_apercu.h"

namespace tramonta {

class TExercice;

class TFicheImpressionCompta : public TFicheApercu {
    Q_OBJECT
  public:
    enum Genre { Bilan = 0, Mouvements = 1, Depots = 2 };

    explicit TFicheImpressionCompta(QWidget* parent = nullptr);

    // Each shows the report of the document's ledger modally. The parameters
    // are the caller's and need only live while the window shows.
    int MontrerBilan(const TExercice& exercice);
    int MontrerMouvements(const TExercice& exercice, const TEditionMouvements& edition);
    int MontrerDepots(const TExercice& exercice, const TEditionDepotsBancaires& edition);
    // The movements of one account, all its lines (both dates 0): the account
    // form's "&Mouvements". The account may be a working copy.
    int MontrerMouvementsCompte(const TExercice& exercice, const TCompte& compte);

    // Draws the current report on a canvas; gives the number of pages.
    int Dessiner(TCanevas& c, bool impression) const;
    Genre GenreCourant() const { return genre_; }

  protected:
    void BoutonPrintClick() override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    int Montrer(const TExercice& exercice, Genre genre);
    const TComptabilite* compta_ = nullptr;
    Genre genre_ = Bilan;
    TContexteCompta contexte_;
    TEditionMouvements mouvements_;
    TEditionDepotsBancaires depots_;
};

} // namespace tramonta
