// SPDX-License-Identifier: GPL-3.0-or-later
// The competition form and the two small forms it opens: a participant's
// names and club, and a participant's place in the seeding order.
//
// The form works on a working copy of the competition's six categories:
// participants, table types and the places typed in the heat tables reach
// the competition only through Ok.
#pragma once

#include "core/dates.h"

#include <QDialog>
#include <QTreeView>

#include <array>
#include <memory>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tramonta {

class TCategorieCompet;
class TCommandesListe;
class TCompet;
class TFicheImpressionCompet;
class TFicheTableauCompet;
class TModeleParticipants;
class TParticipantCompet;

class TFicheParticipant : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheParticipant(QWidget* parent = nullptr);
    ~TFicheParticipant() override;
    // Shows the form on `participant`, which belongs to the category where
    // its names must be unique (a new one is made for it and not added yet).
    // Gives a copy holding what was typed on "&Ok", nothing on "&Annuler";
    // the participant itself is left as it is.
    std::unique_ptr<TParticipantCompet> Editer(const TParticipantCompet& participant);

  protected:
    void showEvent(QShowEvent* e) override;

  private slots:
    void BoutonOkClick();

  private:
    void MajOk();
    const TParticipantCompet* participant_ = nullptr;
    std::unique_ptr<TParticipantCompet> resultat_;
    QLineEdit* EditNom;
    QLineEdit* EditPrenom;
    QLineEdit* EditClub;
    QPushButton* BoutonOk;
};

class TFichePlaceParticipant : public QDialog {
    Q_OBJECT
  public:
    explicit TFichePlaceParticipant(QWidget* parent = nullptr);
    // Shows the form on the current place among `maximum` participants,
    // both counted from 1; the new place on "&Ok", nothing on "&Annuler".
    std::optional<int> Demander(int place, int maximum);

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    int Valeur() const;
    void MajOk();
    int maximum_ = 0;
    QLineEdit* EditPlace;
    QPushButton* BoutonOk;
};

// The participant list: items are reordered by dragging them inside it, and
// it scrolls by itself while an item is held near its top or bottom edge.
class TListeParticipants : public QTreeView {
    Q_OBJECT
  public:
    explicit TListeParticipants(QWidget* parent = nullptr);
    // What a drag from this list carries; a drop of anything else is refused.
    QMimeData* DonneesGlisser(int ligne) const;
    QTimer& TimerDrag() const { return *timerDrag_; }

  signals:
    // The dragged row dropped on the row `vers`.
    void Deposer(int de, int vers);

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

  private:
    int LigneGlissee(const QMimeData* donnees) const;
    void TimerDragTimer();
    QTimer* timerDrag_;
    QPoint depart_;
    int sens_ = 0; // -1 up, 1 down
};

class TFicheCompet : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheCompet(QWidget* parent = nullptr);
    ~TFicheCompet() override;

    // Shows the form on `compet` (a competition of its list, or a new one
    // made for the list and not added yet), which it leaves as it is: the
    // form works on a copy, handed back on "&Ok" for the caller to store
    // (`TCompet::Assign`, or an addition to the list); nothing on
    // "&Annuler".
    std::unique_ptr<TCompet> Executer(const TCompet& compet);

    // The working copy of the last showing; none before the first.
    TCompet* Copie() const { return copie_.get(); }
    TCategorieCompet* CategorieAffichee() const;
    TFicheParticipant& FicheParticipant() const { return *ficheParticipant_; }
    TFichePlaceParticipant& FichePlaceParticipant() const { return *fichePlaceParticipant_; }
    // The heat-table window and the participants preview, made when first
    // asked for.
    TFicheTableauCompet& FicheTableauCompet();
    TFicheImpressionCompet& FicheImpressionCompet();

  protected:
    void showEvent(QShowEvent* e) override;

  private slots:
    void BoutonOkClick();
    void BoutonAjouterParticipantClick();
    void BoutonSupprimerParticipantClick();
    void BoutonEditerParticipantClick();
    void BoutonMonterParticipantClick();
    void BoutonDescendreParticipantClick();
    void BoutonPlacerParticipantClick();
    void BoutonTableauClick();

  private:
    // -1 for all six categories.
    void ImprimerParticipants(int categorie);
    void AfficherCategorie();
    void MajCommandes();
    // Enables the types that fit the displayed category's participants.
    void MajDisponibles();
    // The first enabled type (1 to 6), 0 when none fits.
    int PremierTypeDisponible() const;
    // After the user added or removed a participant: availability, and a
    // type that no longer fits switched to the first that does.
    void MajTypes();
    void ChoisirType(int type);
    void StockerChamps();
    // The date typed in `edit`, or `stockee` when the field shows it as it
    // was shown.
    TDateTime DateLue(const QLineEdit* edit, TDateTime stockee) const;
    int LigneSelectionnee() const;
    void Deplacer(int de, int vers);

    // The competition shown, while the form is open.
    const TCompet* compet_ = nullptr;
    std::unique_ptr<TCompet> copie_;
    // The two dates as shown when the form opened.
    std::array<QString, 2> datesAffichees_;
    QLineEdit* EditIntitule;
    QLineEdit* EditDateDebut;
    QLineEdit* EditDateFin;
    QCheckBox* CheckOfficielle;
    QComboBox* ComboBoxCategorie;
    TListeParticipants* ListViewParticipants;
    TModeleParticipants* modeleParticipants_;
    QPushButton* BoutonAjouterParticipant;
    QPushButton* BoutonSupprimerParticipant;
    QPushButton* BoutonEditerParticipant;
    QPushButton* BoutonMonterParticipant;
    QPushButton* BoutonDescendreParticipant;
    QPushButton* BoutonPlacerParticipant;
    TCommandesListe* commandesParticipants_;
    QAction* MenuMonterParticipant;
    QAction* MenuDescendreParticipant;
    std::array<QRadioButton*, 6> radios_{};
    QButtonGroup* groupeTypes_;
    QPushButton* BoutonTableau;
    QPushButton* BoutonImprimer;
    QMenu* PopupMenuImprimer;
    QLabel* LabelNbParticipants;
    QLabel* LabelPlaceParticipant;
    QPushButton* BoutonOk;
    QPushButton* BoutonAnnuler;
    TFicheParticipant* ficheParticipant_;
    TFichePlaceParticipant* fichePlaceParticipant_;
    TFicheTableauCompet* ficheTableauCompet_ = nullptr;
    TFicheImpressionCompet* ficheImpressionCompet_ = nullptr;
};

} // namespace tramonta
