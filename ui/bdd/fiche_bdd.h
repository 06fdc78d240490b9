// SPDX-License-Identifier: GPL-3.0-or-later
// The database page: the members and the correspondents of the season, each
// in a sorted list with its add, delete and edit commands, and the member
// query.
#pragma once

#include "model/notification.h"
#include "ui/communs/sous_vue.h"

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTabWidget;
class QTreeView;
class QVBoxLayout;

namespace tramonta {

class TAdherent;
class TAdherents;
class TChampRecherche;
class TCommandesListe;
class TCorrespondant;
class TFicheAdherent;
class TFicheCorrespondant;
class TFicheCriteresRequete;
class TModeleAdherents;
class TModeleCorrespondants;
class TTriListe;
struct TCriteresRequete;

class TFicheBDD : public TSousVue {
    Q_OBJECT
  public:
    // The sheets are the main window's, made once and reused.
    TFicheBDD(TExercice& exercice, TFicheAdherent& ficheAdherent, TFicheCorrespondant& ficheCorrespondant,
              TFicheCriteresRequete& ficheCriteres, QWidget* parent = nullptr);

    // The lists follow the collections by themselves; this brings the
    // buttons and the summary lines up to date.
    void Afficher() override;

    TTriListe& TriAdherents() const { return *triAdherents_; }
    TTriListe& TriCorrespondants() const { return *triCorrespondants_; }
    // The record behind the selected row, or nullptr.
    TAdherent* AdherentSelectionne() const;
    TCorrespondant* CorrespondantSelectionne() const;
    // The records of the list rows, in the order the user sees them (sorted,
    // and only those that a filter of the list lets through).
    std::vector<const TAdherent*> AdherentsAffiches() const;
    std::vector<const TCorrespondant*> CorrespondantsAffiches() const;

    // The member list preview of the query, given the members and the
    // criteria just confirmed. It comes with the printing; until it is set,
    // "&Requête" stays disabled.
    std::function<void(TAdherents& adherents, const TCriteresRequete& criteres)> AfficherListeAdherents;

    void BoutonAjouterAdherentClick();
    void BoutonSupprimerAdherentClick();
    void BoutonEditerAdherentClick();
    void BoutonRequeteClick();
    void BoutonAjouterCorrespondantClick();
    void BoutonSupprimerCorrespondantClick();
    void BoutonEditerCorrespondantClick();

  protected:
    // Enter edits and Delete deletes the selected record of a list.

  private:
    struct Onglet {
        QTreeView* liste;
        TCommandesListe* commandes;
        QLabel* infos;
        TChampRecherche* recherche;
        QLabel* compte;
        QVBoxLayout* boutons;
    };
    QWidget* CreerOnglet(Onglet& o, TTriListe& tri, const char* suffixe, const char* nomLibelle,
                         const char* titre, const char* genre, const char* aide);
    void MajBoutons();
    void MajInfos();
    void Selectionner(QTreeView* liste, TTriListe* tri, int ligneSource);
    int LigneSelectionnee(const QTreeView* liste, const TTriListe* tri) const;

    QTabWidget* PageControl;
    QPushButton* BoutonRequete;
    Onglet adherents_{};
    Onglet correspondants_{};
    TFicheAdherent& ficheAdherent_;
    TFicheCorrespondant& ficheCorrespondant_;
    TFicheCriteresRequete& ficheCriteres_;
    TModeleAdherents* modeleAdherents_;
    TModeleCorrespondants* modeleCorrespondants_;
    TTriListe* triAdherents_;
    TTriListe* triCorrespondants_;
    TAbonnement suiviAdherents_;
    TAbonnement suiviCorrespondants_;
};

} // namespace tramonta
