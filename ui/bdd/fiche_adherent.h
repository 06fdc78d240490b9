// SPDX-License-Identifier: GPL-3.0-or-later
// The member sheet: one member's civil status, federation licence, club sums
// and notes, and the buttons that post or take out each sum in the ledger.
// It edits the member itself, not a copy: postings act at once.
#pragma once

#include "model/adherent.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace tramonta {

class TEditMonetaire;
class TFicheListeComptes;
class TLigneEcriture;

class TFicheAdherent : public QDialog {
    Q_OBJECT
  public:
    TFicheAdherent(TFicheListeComptes& listeComptes, QWidget* parent = nullptr);

    // Shows the sheet on `adherent` (not owned). `nouveau` for a member made
    // for its collection but not added yet: cancelling then takes its
    // postings back out. Gives QDialog::Accepted once the values are stored.
    int Editer(TAdherent& adherent, bool nouveau);
    TAdherent* Adherent() const { return adherent_; }
    bool Nouveau() const { return nouveau_; }

    // Opens the entry form in automatic mode on a line just posted, with
    // the amount typed on the sheet to display.
    std::function<void(TLigneEcriture& ligne, double montantAffiche)> OuvrirEcritureAutomatique;

    // A member holding the sheet's current values, owned by the edited
    // member's collection but never added to it (what "&Imprimer" prints);
    // nullptr, after the error box, when a typed value is not a number.
    std::unique_ptr<TAdherent> CopieDeLaFiche() const;
    // Shows the sheet preview of that copy; "&Imprimer" is enabled once set.
    std::function<void(const TAdherent&)> ImprimerFiche;

    void reject() override;

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

  private:
    // What the controls hold once converted.
    struct Saisie {
        std::array<double, 4> montants{};
        std::int32_t classement = 0;
        std::optional<std::int32_t> codePostal; // none: the stored one stays
    };

    QWidget* CreerOngletEtatCivil();
    QWidget* CreerOngletFFS();
    QWidget* CreerOngletClub();
    QWidget* CreerOngletDivers();

    void Remplir();
    void MajEtats();
    void MajCategorie();
    void MajLegende(Enregistrement genre);
    void EditSexeChange();
    void StockerNomsNouveau();
    bool EditClassementExit();
    void BoutonOkClick();
    void BoutonEnrComptaClick(Enregistrement genre);
    std::optional<double> LireMontant(TEditMonetaire* edit) const;
    std::optional<Saisie> Lire() const;
    void Stocker(TAdherent& cible, const Saisie& saisie) const;

    TFicheListeComptes& listeComptes_;
    TAdherent* adherent_ = nullptr;
    bool nouveau_ = false;

    QTabWidget* PageControl;
    QLineEdit* EditNom;
    QLineEdit* EditPrenom;
    QLineEdit* EditSexe;
    QLineEdit* EditDateNaissance;
    QLineEdit* EditCategorie;
    QLineEdit* EditLieuNaissance;
    QPlainTextEdit* EditAdresse;
    QLineEdit* EditCodePostal;
    QLineEdit* EditVille;
    QLineEdit* EditTel1;
    QLineEdit* EditTel2;
    QLineEdit* EditNumeroLicence;
    QLineEdit* EditDateDelivrance;
    QCheckBox* CheckCertificatMedical;
    QCheckBox* CheckLicenceCompet;
    QLabel* LabelClassement;
    QLineEdit* EditClassement;
    QCheckBox* CheckLicenceDirigeant;
    TEditMonetaire* EditMontantLicence;
    TEditMonetaire* EditCautionCombinaison;
    TEditMonetaire* EditLocationCombinaison;
    TEditMonetaire* EditForfaitLecon;
    QPlainTextEdit* EditComplement;
    QPlainTextEdit* EditInformationsComplementaires;
    QPushButton* BoutonOk;
    QPushButton* BoutonAnnuler;
    QPushButton* BoutonImprimer;
    // In the order of kEnregistrements.
    std::array<QPushButton*, 4> boutonsCompta_{};
    std::array<TEditMonetaire*, 4> editsMontant_{};
};

} // namespace tramonta
