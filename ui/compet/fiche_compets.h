// SPDX-License-Identifier: GPL-3.0-or-later
// The competitions page: the season's competitions, added, edited and
// deleted through the competition form.
#pragma once

#include "ui/communs/sous_vue.h"

class QTreeView;

namespace tramonta {

class TCommandesListe;
class TCompet;
class TFicheCompet;
class TModeleCompets;
class TTriListe;

class TFicheCompets : public TSousVue {
    Q_OBJECT
  public:
    explicit TFicheCompets(TExercice& exercice, QWidget* parent = nullptr);

    // The list follows the collection by itself; this brings the commands up
    // to date after the document changed as a whole.
    void Afficher() override;

    TFicheCompet& FicheCompet() const { return *ficheCompet_; }
    TTriListe& Tri() const { return *tri_; }

    void BoutonAjouterClick();
    void BoutonSupprimerClick();
    void BoutonEditerClick();

  private:
    TCompet* Selection() const;
    void Selectionner(const TCompet* compet);
    void MajCommandes();

    QTreeView* ListView;
    TCommandesListe* commandes_;
    TFicheCompet* ficheCompet_;
    TModeleCompets* modele_;
    TTriListe* tri_;
};

} // namespace tramonta
