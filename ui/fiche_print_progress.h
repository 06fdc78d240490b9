// The small window that follows a long print and offers to stop it. Shown
// without holding the rest of the program; its cancel is seen when the print
// asks, between two copies.
#pragma once

#include "print/impression.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tramonta {

class TFichePrintProgress : public QDialog, public TProgression {
    Q_OBJECT
  public:
    explicit TFichePrintProgress(QWidget* parent = nullptr);

    void Afficher() override;
    void DefinirStatut(const std::string& texte) override;
    void DefinirBornes(int minimum, int maximum) override;
    void Avancer() override;
    bool Annule() override;
    void Masquer() override;

  protected:
    // Only "&Annuler" stops a print; Escape and the close box do nothing.
    void reject() override {}

  private:
    QLabel* LabelStatus;
    QProgressBar* ProgressBar;
    QPushButton* BoutonAnnuler;
    bool annule_ = false;
};

} // namespace tramonta
