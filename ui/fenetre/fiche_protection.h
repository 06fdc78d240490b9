// SPDX-License-Identifier: GPL-3.0-or-later
// The two password dialogs: the prompt of a protected document, and the
// setting, change or removal of the open document's password.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace tramonta {

// Edits that take a password: twenty characters at most, each shown as "*".
void PreparerEditMotPasse(QLineEdit* edit);

class TFicheProtection : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheProtection(QWidget* parent = nullptr);
    // Shows the prompt with an empty edit; the typed text, or nothing when
    // the user cancels.
    std::optional<std::string> Demander();

  private:
    QLineEdit* EditMotPasse;
};

class TFicheProtectionDocument : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheProtectionDocument(QWidget* parent = nullptr);
    // Shows the dialog with empty edits, the new password accepted only
    // after the current one (in clear) is typed; the password typed as new
    // (empty: no more protection) on "&Ok", nothing on "&Annuler".
    std::optional<std::string> Demander(const std::string& motPasseActuel);

  protected:
    void showEvent(QShowEvent* e) override;

  private slots:
    void EditAncienMotPasseChange();
    void BoutonOkClick();

  private:
    std::string motPasseActuel_;
    QLineEdit* EditAncienMotPasse;
    QLineEdit* EditNouveauMotPasse;
    QLineEdit* EditVerifMotPasse;
    QPushButton* BoutonOk;
};

} // namespace tramonta
