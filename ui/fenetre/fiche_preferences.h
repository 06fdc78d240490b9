// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences dialog: the club logo of the accounting reports, the lycra
// colours of the heat tables and the half-A4 heat printing.
#pragma once

#include "platform/preferences.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace tramonta {

class TFichePreferences : public QDialog {
    Q_OBJECT
  public:
    explicit TFichePreferences(QWidget* parent = nullptr);

    // Shows the dialog on a copy of `depart`. The logo chosen or cleared is
    // in Resultat() however the dialog closes; the colours and the check box
    // only when it closes with "Fermer" (Accepted).
    int Executer(const TPreferences& depart);
    const TPreferences& Resultat() const { return copie_; }

    // The preview's size for a picture of w x h: fits 100 x 100 keeping the
    // proportions, halves rounded to the even neighbour; and the ratio.
    struct Apercu {
        int largeur = 0;
        int hauteur = 0;
        double ratio = 0;
    };
    static Apercu TailleApercu(int largeur, int hauteur);

  private:
    void RafraichirApercu();
    void BoutonChangerLogoClick();
    void BoutonEffacerLogoClick();
    void BoutonOkClick();

    TPreferences copie_;
    QTabWidget* Onglets;
    QLineEdit* EditFichierLogo;
    QLabel* ImageLogo;
    QLabel* LabelRatio;
    std::array<QLineEdit*, 5> EditCouleursLycra{};
    QCheckBox* CheckPrintSerieDemiA4;
};

} // namespace tramonta
