// SPDX-License-Identifier: GPL-3.0-or-later
// The account form: an account's number, title and notes, and its entry
// lines, edited on a working copy that goes back to the account only on Ok.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace tramonta {

class TCommandesListe;
class TCompte;
class TEditMonetaire;
class TFicheEcriture;
class TLigneEcriture;
class TModeleLignes;

class TFicheCompte : public QDialog {
    Q_OBJECT
  public:
    // The lines are edited in `ecriture`, the program's one entry form.
    explicit TFicheCompte(TFicheEcriture& ecriture, QWidget* parent = nullptr);
    ~TFicheCompte() override;

    // Shows the form on `compte` (an account of its ledger, or a new one made
    // for the ledger and not added yet), which it leaves as it is: on "&Ok",
    // the working copy holding what was typed and the lines as edited, for
    // the caller to store (`TCompte::Assign`, or an addition to the ledger);
    // nothing on "&Annuler".
    std::unique_ptr<TCompte> Executer(const TCompte& compte);

    // Opens the movements report of an account (the working copy, every
    // line); "&Mouvements" stays disabled without it.
    std::function<void(const TCompte&)> MontrerMouvements;

    // The copy whose lines the form edits; none before the first showing.
    TCompte* CompteTravail() const { return travail_.get(); }

  protected:
    void showEvent(QShowEvent* e) override;

  private slots:
    void EditNumeroChange();
    void ListViewEcrituresChange();
    void BoutonAjouterClick();
    void BoutonEditerClick();
    void BoutonSupprimerClick();
    void BoutonToutSupprimerClick();
    void BoutonMouvementsClick();
    void BoutonCalculetteClick();
    void BoutonEuroConverterClick();
    void BoutonOkClick();

  private:
    TLigneEcriture* LigneSelectionnee() const;
    void RafraichirTotal();
    // Stores the typed fields into the working copy.
    void Enregistrer();

    TFicheEcriture& ecriture_;
    // The account shown, while the form is open.
    const TCompte* compte_ = nullptr;
    std::unique_ptr<TCompte> travail_;
    TModeleLignes* modele_;

    TEditMonetaire* EditNumero;
    QLineEdit* EditIntitule;
    QPlainTextEdit* EditInfos;
    QTreeView* ListViewEcritures;
    QLineEdit* EditTotal;
    TCommandesListe* commandes_;
    QPushButton* BoutonToutSupprimer;
    QPushButton* BoutonMouvements;
    QPushButton* BoutonCalculette;
    QPushButton* BoutonEuroConverter;
    QPushButton* BoutonOk;
};

} // namespace tramonta
