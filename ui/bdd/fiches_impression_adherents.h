// SPDX-License-Identifier: GPL-3.0-or-later
// The previews of the member side, from which they are printed: the sheet of
// one member, the sheet of one correspondent, and the list of the members
// that a query selects with its choice of fields.
#pragma once

#include "print/liste_adherents.h"
#include "ui/communs/fiche_apercu.h"

#include <string>
#include <vector>

namespace tramonta {

class TAdherent;
class TAdherents;
class TCorrespondant;
class TFicheChoixChamps;
struct TCriteresRequete;

class TFicheImpressionAdherent : public TFicheApercu {
    Q_OBJECT
  public:
    explicit TFicheImpressionAdherent(QWidget* parent = nullptr);
    // The member sheet's "&Imprimer": shows the sheet of `adherent` (the
    // sheet's working copy, which need only live while the window shows)
    // modally.
    int Montrer(const TAdherent& adherent);
    void Dessiner(TCanevas& c, bool impression) const;

  protected:
    void BoutonPrintClick() override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    const TAdherent* adherent_ = nullptr;
};

class TFicheImpressionCorrespondant : public TFicheApercu {
    Q_OBJECT
  public:
    explicit TFicheImpressionCorrespondant(QWidget* parent = nullptr);
    // The correspondent sheet's "&Imprimer", as for a member.
    int Montrer(const TCorrespondant& correspondant);
    void Dessiner(TCanevas& c, bool impression) const;

  protected:
    void BoutonPrintClick() override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    const TCorrespondant* correspondant_ = nullptr;
};

class TFicheImpressionAdherents : public TFicheApercu {
    Q_OBJECT
  public:
    explicit TFicheImpressionAdherents(QWidget* parent = nullptr);
    // The database page's "&Requête": the list of the members of `adherents`
    // that the confirmed `criteres` select, with the fields of the
    // preferences. Both need only live while the window shows.
    int Montrer(const TAdherents& adherents, const TCriteresRequete& criteres);
    int Dessiner(TCanevas& c, bool impression) const;

    const std::vector<std::string>& Lignes() const { return lignes_; }
    TFicheChoixChamps& FicheChoixChamps() { return *ficheChoixChamps_; }

  protected:
    void BoutonPrintClick() override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private slots:
    // Asks for the fields; on "&Ok" stores them in the preferences, rebuilds
    // the lines and redraws.
    void BoutonChampsClick();

  private:
    QToolButton* BoutonChamps;
    void ConstruireLignes();
    const TAdherents* adherents_ = nullptr;
    const TCriteresRequete* criteres_ = nullptr;
    std::vector<std::string> lignes_;
    TFicheChoixChamps* ficheChoixChamps_;
};

} // namespace tramonta
