// SPDX-License-Identifier: GPL-3.0-or-later
// The heat-table window: one category's table drawn as it prints, with the
// finishing places typed straight into the heats and carried forward at
// once; printing of the whole table, a sheet or one heat; a copy to the
// clipboard; and the small windows it opens.
#pragma once

#include "platform/imprimante_qt.h"
#include "print/tableau_compet.h"

#include <QDialog>
#include <QLineEdit>

class QComboBox;
class QScrollArea;
class QToolButton;

namespace tramonta {

class TTableauCompet;

// The one-digit place editor over a place cell.
class TEditCompet : public QLineEdit {
    Q_OBJECT
  public:
    explicit TEditCompet(QWidget* parent = nullptr);
    int Serie = 0;    // heat number, from 1
    int Ligne = 0;    // line in the heat, from 1
    int PlaceMax = 0; // the heat's number of surfers

    // Whether the editor may hold `texte`: nothing, or one digit from 1 to
    // PlaceMax. Typing, pasting, the middle button and a drop all end in
    // this one check, the editor's validator: what it refuses leaves the
    // place as it was.
    bool Accepte(const QString& texte) const;
};

class TFicheTableauCompet;

// The paper the table is drawn on, inside the scroll box.
class TBoiteTableau : public QWidget {
    Q_OBJECT
  public:
    explicit TBoiteTableau(TFicheTableauCompet& fiche, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    TFicheTableauCompet& fiche_;
};

class TFicheChoixImpressionCompet : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheChoixImpressionCompet(QWidget* parent = nullptr);
    // Fills the list from the table and shows the dialog; true on Ok.
    bool Executer(const TTableauCompet& tableau);
    // 0 the whole table, -p sheet p, n heat n.
    int Selection() const;

  private:
    QComboBox* ComboBox;
    const TTableauCompet* tableau_ = nullptr;
};

class TFicheAideTouches : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheAideTouches(QWidget* parent = nullptr);
};

class TFicheTableauCompet : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheTableauCompet(QWidget* parent = nullptr);

    // Shows the window modally on `tableau`, drawn with `parametres` (the
    // preferences' colours and half-A4 choice); the places typed go straight
    // into the table, which the window lets go of when it closes.
    int Executer(TTableauCompet& tableau, const TParametresTableau& parametres);
    // The table shown, or none; the paper takes the table's size.
    void SetTableau(TTableauCompet* tableau);
    TTableauCompet* Tableau() const { return tableau_; }
    const TParametresTableau& Parametres() const { return parametres_; }

    TEditCompet* Editeur() const { return editeur_; }
    TBoiteTableau* PaintBox() const { return paintBox_; }
    QScrollArea* ScrollBox() const { return scrollBox_; }
    TFicheChoixImpressionCompet& FicheChoixImpression() const { return *choix_; }
    TFicheAideTouches& FicheAideTouches() const { return *aide_; }
    TImprimanteQt& Imprimante() { return imprimante_; }
    bool ImprimanteChoisie() const { return !imprimante_.ImprimanteChoisie().empty(); }

    // A place cell in the paper's pixels.
    QRect CadrePlacePixels(int serie, int ligne) const;

    void DebuterEdition();
    void EditerA(QPoint pointPaintBox);
    void TerminerEdition(bool detruire);
    void LigneSuivante();
    void LignePrecedente();
    void PlacerEditeur(int serie, int ligne);
    void ChargerEditeur();
    void ValiderEdition();

    // The table drawn for the clipboard.
    QImage Image() const;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

  private slots:
    void BoutonPrintSetupClick();
    void BoutonPrintClick();
    void BoutonCopierClick();
    void BoutonAideClick();

  private:
    void CreerEditeur();
    // Steps from the editor's line by `sens` lines to the next occupied one.
    void Avancer(int sens);

    TTableauCompet* tableau_ = nullptr;
    TParametresTableau parametres_;
    QScrollArea* scrollBox_;
    TBoiteTableau* paintBox_;
    TEditCompet* editeur_ = nullptr;
    QToolButton* BoutonPrintSetup;
    QToolButton* BoutonPrint;
    QToolButton* BoutonCopier;
    QToolButton* BoutonAide;
    TFicheChoixImpressionCompet* choix_;
    TFicheAideTouches* aide_;
    TImprimanteQt imprimante_;
};

} // namespace tramonta
