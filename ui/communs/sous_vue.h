// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace tramonta {

class TExercice;

// Base of the four pages of the main window: each shows its part of the
// document and redisplays it on Afficher.
class TSousVue : public QWidget {
    Q_OBJECT
  public:
    TSousVue(TExercice& exercice, QWidget* parent = nullptr) : QWidget(parent), exercice_(exercice) {}
    TExercice& Exercice() const { return exercice_; }
    virtual void Afficher() {}

  private:
    TExercice& exercice_;
};

} // namespace tramonta
