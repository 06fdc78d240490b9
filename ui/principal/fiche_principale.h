// SPDX-License-Identifier: GPL-3.0-or-later
// The club page: the season's title and comments, the correspondent
// specialities, the currency, the bank identity, the default posting
// accounts, and the journal.
#pragma once

#include "ui/communs/sous_vue.h"

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeView;

namespace tramonta {

class TChampRecherche;
class TComptabilite;
class TModeleAgenda;
class TTriListe;
class TEditMonetaire;
class TFicheSpecialite;

class TFichePrincipale : public TSousVue {
    Q_OBJECT
  public:
    explicit TFichePrincipale(TExercice& exercice, QWidget* parent = nullptr);

    // Reloads every control from the document. The journal list follows the
    // journal by itself.
    void Afficher() override;
    TTriListe& TriAgenda() const { return *triAgenda_; }

    TFicheSpecialite& FicheSpecialite() const { return *ficheSpecialite_; }

  protected:
    void showEvent(QShowEvent* e) override;
    // Edits are written back when their control loses the focus.
    bool eventFilter(QObject* objet, QEvent* e) override;

  private:
    // A default-account box and the ledger's flag and account number that it edits.
    struct ComboDefaut {
        QComboBox* combo;
        const bool& (TComptabilite::*defini)() const;
        void (TComptabilite::*setDefini)(const bool&);
        const std::string& (TComptabilite::*article)() const;
        void (TComptabilite::*setArticle)(const std::string&);
    };

    QWidget* CreerOngletGeneral();
    QWidget* CreerOngletBase();
    QWidget* CreerOngletCompta();
    QWidget* CreerOngletHistorique();

    void Quitter(QObject* controle);
    void EditCodeExit(TEditMonetaire* edit);
    void RemplirCombo(const ComboDefaut& c);
    void ComboExit(const ComboDefaut& c);

    int SpecialiteSelectionnee() const;
    void MajBoutonsSpecialites();
    void BoutonAjouterSpecialiteClick();
    void BoutonRenommerSpecialiteClick();
    void BoutonSupprimerSpecialiteClick();

    void LargeursAgenda(bool toutes);

    QTabWidget* PageControl;
    QLineEdit* EditIntitule;
    QPlainTextEdit* EditCommentaires;
    QListWidget* ListBoxSpecialitesCorrespondants;
    QPushButton* BoutonAjouterSpecialite;
    QPushButton* BoutonSupprimerSpecialite;
    QPushButton* BoutonRenommerSpecialite;
    QCheckBox* CheckBoxEuro;
    QLineEdit* EditTitulaireCompte;
    QLineEdit* EditNomBanque;
    TEditMonetaire* EditCodeBanque;
    TEditMonetaire* EditCodeGuichet;
    TEditMonetaire* EditNumeroCompte;
    TEditMonetaire* EditCleRIB;
    QComboBox* ComboCompteLicence;
    QComboBox* ComboCompteCautionCombi;
    QComboBox* ComboCompteLocationCombi;
    QComboBox* ComboCompteForfaitLecon;
    QTreeView* ListViewAgenda;
    TChampRecherche* EditRechercheAgenda;
    TFicheSpecialite* ficheSpecialite_;
    std::array<ComboDefaut, 4> combos_;

    TModeleAgenda* modeleAgenda_;
    TTriListe* triAgenda_;
};

} // namespace tramonta
