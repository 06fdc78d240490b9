// SPDX-License-Identifier: GPL-3.0-or-later
// The choice of the fields that follow the names on the printed member list.
#pragma once

#include "print/liste_adherents.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;

namespace tramonta {

class TFicheChoixChamps : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheChoixChamps(QWidget* parent = nullptr);
    // Shows `actuels` ticked; the boxes as left on "&Ok", nothing on "&Annuler".
    std::optional<ChampsListe> Choisir(const ChampsListe& actuels);

    // In the order of the fields of a member line.
    std::array<QCheckBox*, 16> CheckBoxes{};
};

} // namespace tramonta
