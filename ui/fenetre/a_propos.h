// SPDX-License-Identifier: GPL-3.0-or-later
// The about box and the splash window shown at start-up.
#pragma once

#include <QDialog>

namespace tramonta {

class TAboutForm : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutForm(QWidget* parent = nullptr);
};

// Borderless, centred over its owner; a click closes it.
class TEcranAccueil : public QWidget {
    Q_OBJECT
  public:
    explicit TEcranAccueil(QWidget* parent = nullptr);

  protected:
    void mousePressEvent(QMouseEvent* e) override;
};

} // namespace tramonta
