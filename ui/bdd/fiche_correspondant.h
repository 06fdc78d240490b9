// SPDX-License-Identifier: GPL-3.0-or-later
// The correspondent sheet: one outside contact, its speciality chosen from
// the document's list, and buttons that write to it or open its web site.
#pragma once

#include "model/correspondant.h"

#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace tramonta {

class TFicheCorrespondant : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheCorrespondant(QWidget* parent = nullptr);

    // Shows the sheet on `correspondant` (not owned); QDialog::Accepted once
    // the values are stored.
    int Editer(TCorrespondant& correspondant);
    TCorrespondant* Correspondant() const { return correspondant_; }

    // A correspondent holding the sheet's values, owned by the edited one's
    // collection but never added to it (what "&Imprimer" prints).
    std::unique_ptr<TCorrespondant> CopieDeLaFiche() const;
    // Shows the sheet preview of that copy; "&Imprimer" is enabled once set.
    std::function<void(const TCorrespondant&)> ImprimerFiche;

    // "mailto:" or "http://" before the typed address, unless it already
    // carries a scheme of its own.
    static QString AdresseMail(const QString& saisie);
    static QString AdresseWeb(const QString& saisie);

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void Remplir();
    void MajEtats();
    void Stocker(TCorrespondant& cible) const;
    void BoutonOkClick();
    void BoutonEnvoyerEMailClick();
    void BoutonOuvrirSiteWebClick();

    TCorrespondant* correspondant_ = nullptr;

    QTabWidget* PageControl;
    QLineEdit* EditNom;
    QPlainTextEdit* EditAdresse;
    QLineEdit* EditCodePostal;
    QLineEdit* EditVille;
    QLineEdit* EditTel1;
    QLineEdit* EditTel2;
    QLineEdit* EditFax;
    QLineEdit* EditEMail;
    QPushButton* BoutonEnvoyerEMail;
    QLineEdit* EditSiteWeb;
    QPushButton* BoutonOuvrirSiteWeb;
    QComboBox* ComboBoxSpecialite;
    QPlainTextEdit* EditInformationsComplementaires;
    QPushButton* BoutonOk;
    QPushButton* BoutonAnnuler;
    QPushButton* BoutonImprimer;
};

} // namespace tramonta
