// SPDX-License-Identifier: GPL-3.0-or-later
// The participants list of a competition in preview, page by page as it
// prints, with its copy to the clipboard and the header comment.
#pragma once

#include "ui/communs/fiche_apercu.h"

class QLineEdit;

namespace tramonta {

class TCompet;

// Edits the header comment kept in the settings.
class TFicheSaisieCommentaire : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheSaisieCommentaire(QWidget* parent = nullptr);
    // Shows the stored comment; Ok stores the text, even empty.
    int Executer();

  private:
    QLineEdit* EditCommentaire;
};

class TFicheImpressionCompet : public TFicheApercu {
    Q_OBJECT
  public:
    explicit TFicheImpressionCompet(QWidget* parent = nullptr);

    // `categorie`: 0 to 5, or -1 for all six. The competition (the form's
    // working copy) need only live while the window shows.
    int Montrer(const TCompet& compet, int categorie);

    int Dessiner(TCanevas& c, bool impression) const;
    TFicheSaisieCommentaire& FicheSaisieCommentaire() const { return *commentaire_; }
    QImage Image() const;

  protected:
    void BoutonPrintClick() override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private slots:
    void BoutonCopierClick();
    void BoutonCommentaireClick();

  private:
    QToolButton* BoutonCopier;
    QToolButton* BoutonCommentaire;
    const TCompet* compet_ = nullptr;
    int categorie_ = -1;
    TFicheSaisieCommentaire* commentaire_;
};

} // namespace tramonta
