// SPDX-License-Identifier: GPL-3.0-or-later
// The small dialog that names a correspondent speciality.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;

namespace tramonta {

class TFicheSpecialite : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheSpecialite(QWidget* parent = nullptr);
    // Shows the dialog with `texte` in the field; the text as typed (not
    // trimmed, possibly empty) on "&Ok", nothing on "&Annuler".
    std::optional<std::string> Editer(const std::string& texte);

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    QLineEdit* EditSpecialite;
};

} // namespace tramonta
