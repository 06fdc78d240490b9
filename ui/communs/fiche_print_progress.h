// SPDX-License-Identifier: GPL-3.0-or-later
// The small window that shows which copy is printing and lets the user
// cancel between two copies. Made once by the main window, shown without
// holding the rest of the program.
#pragma once

#include "print/impression.h"

#include <QDialog>

#include <functional>

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
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    QLabel* LabelStatus;
    QProgressBar* ProgressBar;
    QPushButton* BoutonAnnuler;
    bool annule_ = false;
};

// The one that the main window names; without one (a window tried alone),
// one owned by `fenetre`.
TFichePrintProgress& ProgressionImpression(QWidget* fenetre);

// The main window names the progress window of every print, made when first
// asked for. Forgotten only by the window that named it, so that a second
// main window keeps its own.
void DefinirProgressionImpression(const QObject* fenetre, std::function<TFichePrintProgress&()> progression);
void OublierProgressionImpression(const QObject* fenetre);

} // namespace tramonta
