// SPDX-License-Identifier: GPL-3.0-or-later
// The six fixed draws. A category stores only the number of its draw, so the
// structure that each one builds is part of the document format.
#pragma once

#include "model/tableau.h"

#include <cstdint>
#include <memory>

namespace tramonta {

inline constexpr int kNbTypesTableau = 6;

// A draw built from its sheet (one row per heat, see modeles_tableau.cpp).
class TTableauModele : public TTableauCompet {
  public:
    std::uint8_t TypeTableau() const override { return type_; }
    int TaillePolice() const override;
    int OrientationTableau() const override;
    int PagesSuite() const override;

  protected:
    TTableauModele(TCategorieCompet* owner, std::uint8_t type);

  private:
    std::uint8_t type_;
};

class TTableau_0_10 final : public TTableauModele {
  public:
    explicit TTableau_0_10(TCategorieCompet* owner) : TTableauModele(owner, 1) {}
};

class TTableau_9_12 final : public TTableauModele {
  public:
    explicit TTableau_9_12(TCategorieCompet* owner) : TTableauModele(owner, 2) {}
};

class TTableau_12_20 final : public TTableauModele {
  public:
    explicit TTableau_12_20(TCategorieCompet* owner) : TTableauModele(owner, 3) {}
};

class TTableau_18_24 final : public TTableauModele {
  public:
    explicit TTableau_18_24(TCategorieCompet* owner) : TTableauModele(owner, 4) {}
};

class TTableau_24_40 final : public TTableauModele {
  public:
    explicit TTableau_24_40(TCategorieCompet* owner) : TTableauModele(owner, 5) {}
};

// 31 heats do not fit one sheet: tours 1 and 2 print on the first, portrait,
// and tours 3 to 5 on the second, moved back to the left edge.
class TTableau_64 final : public TTableauModele {
  public:
    explicit TTableau_64(TCategorieCompet* owner) : TTableauModele(owner, 6) {}
    bool SautDePageAvant(int serie) const override { return serie == kPremiereSerieFeuille2; }
    void AjusterCadre(int serie, bool zoome, TRect& cadre, bool impression) const override;
    bool EncadrerCategorie(bool impression) const override { return !impression; }
    void SeriesDePage(int page, int& premiere, int& derniere) const override;

  private:
    static constexpr int kPremiereSerieFeuille2 = 25;
};

// The draw of that type under `owner`, or none for 0 and any value above 6.
std::unique_ptr<TTableauCompet> CreerTableau(std::uint8_t type, TCategorieCompet* owner);

// The caption of a type in the competition form ("0 à 10"...), empty outside
// 1..6.
const char* LibelleTypeTableau(int type);
// Whether the form offers that type for n participants.
bool TypeTableauPropose(int type, int nbParticipants);

} // namespace tramonta
