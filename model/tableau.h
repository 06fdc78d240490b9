// SPDX-License-Identifier: GPL-3.0-or-later
// Heat tables: the draw of one competition category, tour after tour, heat
// after heat, one line per surfer slot. The templates (modeles_tableau.h)
// build the structure; this file holds what every draw shares: placement of
// the seeds, carrying the finishers forward, the page geometry and the file
// records.
#pragma once

#include "core/flux.h"
#include "core/modifie.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tramonta {

class TCategorieCompet;
class TTableauCompet;
class TTourCompet;
class TSerieCompet;

// Rectangle as the drawing code takes it: left, top, right, bottom.
struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    bool operator==(const TRect&) const = default;
};

struct TPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const TPoint&) const = default;
};

// One surfer slot of a heat. Every field is -1 until the template fills it.
class TLigneSerie : public TModifiedClass {
  public:
    explicit TLigneSerie(TSerieCompet* owner) : owner_(owner) {}
    TSerieCompet* Owner() const { return owner_; }

    // First tour: the seed that the slot receives. Later tours: the finishing
    // place, in heat SerieOrigine, of the surfer who fills the slot.
    std::int32_t Rang() const { return rang_; }
    // 0 in the first tour, else the number of the heat that feeds the slot.
    std::int32_t SerieOrigine() const { return serieOrigine_; }
    // Position (from 1) of the surfer in the category, or -1 for an empty slot.
    std::int32_t Participant() const { return participant_; }
    // The place typed by the user, or -1.
    std::int32_t Place() const { return place_; }

    // Structure and placement are not edits of the user: no flag.
    void SetRangOrigine(std::int32_t rang, std::int32_t serieOrigine) {
        rang_ = rang;
        serieOrigine_ = serieOrigine;
    }
    void SetParticipant(std::int32_t participant) { participant_ = participant; }
    void SetPlace(std::int32_t place) { Affecter(place_, place); }

    void CopierDe(const TLigneSerie& source);
    void Save(TWriter& w, bool avecStructure);
    void Load(TReader& r);

  private:
    TSerieCompet* owner_;
    std::int32_t rang_ = -1;
    std::int32_t serieOrigine_ = -1;
    std::int32_t participant_ = -1;
    std::int32_t place_ = -1;
};

class TSerieCompet : public TModifiedClass {
  public:
    explicit TSerieCompet(TTourCompet* owner) : owner_(owner) {}
    TTourCompet* Owner() const { return owner_; }

    int Count() const { return lignes_.Count(); }
    TLigneSerie* Ligne(int index) const { return lignes_.Get(index); }
    TLigneSerie* AjouterLigne();

    // Millimetres in the drawing's own space, y downward.
    const TRect& Cadre() const { return cadre_; }
    void SetCadre(std::int32_t gauche, std::int32_t haut, std::int32_t droite, std::int32_t bas) {
        Affecter(cadre_, TRect{gauche, haut, droite, bas});
    }

    int NbOccupees() const;
    // The surfer of the first line that holds this place, or -1.
    std::int32_t ParticipantALaPlace(std::int32_t place) const;

    bool IsModified() const override { return Modified || lignes_.UnModifie(); }
    void CopierDe(const TSerieCompet& source);
    void Save(TWriter& w, bool avecStructure);
    void Load(TReader& r);

  private:
    TTourCompet* owner_;
    TRect cadre_;
    TListePossedee<TLigneSerie> lignes_;
};

class TTourCompet : public TModifiedClass {
  public:
    explicit TTourCompet(TTableauCompet* owner) : owner_(owner) {}
    TTableauCompet* Owner() const { return owner_; }

    int Count() const { return series_.Count(); }
    TSerieCompet* Serie(int index) const { return series_.Get(index); }
    TSerieCompet* AjouterSerie();

    bool IsModified() const override { return Modified || series_.UnModifie(); }
    void Save(TWriter& w, bool avecStructure);
    void Load(TReader& r);

  private:
    friend class TTableauCompet;
    TTableauCompet* owner_;
    TListePossedee<TSerieCompet> series_;
};

class TTableauCompet : public TModifiedClass {
  public:
    explicit TTableauCompet(TCategorieCompet* owner);
    TCategorieCompet* Owner() const { return owner_; }

    // --- What each template answers --------------------------------------
    virtual std::uint8_t TypeTableau() const { return 0; }
    // Font size of heat titles and lines, in 0.1 mm.
    virtual int TaillePolice() const { return 35; }
    // 1 landscape, 0 portrait.
    virtual int OrientationTableau() const { return 1; }
    // A single heat prints in portrait on half an A4 sheet when the user
    // asked for it; the preference is the caller's, the model keeps none.
    virtual int OrientationSerie(bool seriesDemiA4) const { return seriesDemiA4 ? 0 : 1; }
    virtual int PagesLargeur() const { return 1; }
    virtual int PagesSuite() const { return 1; }
    virtual bool SautDePageAvant(int /*serie*/) const { return false; }
    // `cadre` is in 0.1 mm, as CadreSerie gives it.
    virtual void AjusterCadre(int /*serie*/, bool /*zoome*/, TRect& /*cadre*/, bool /*impression*/) const {}
    virtual bool EncadrerCategorie(bool /*impression*/) const { return true; }
    virtual void SeriesDePage(int page, int& premiere, int& derniere) const;

    // --- Structure ---------------------------------------------------------
    int Count() const { return tours_.Count(); }
    TTourCompet* Tour(int index) const { return tours_.Get(index); }
    TTourCompet* AjouterTour();

    // Heats are numbered from 1 over the whole table, tour after tour; the
    // last one is the final.
    int NbSeries() const;
    TSerieCompet* Serie(int numero) const;
    // 0 when the heat is not in this table.
    int NumeroSerie(const TSerieCompet* serie) const;
    // "FINALE" for the last heat, "1/4 FINALE" for a heat of a tour of four;
    // empty for a number outside the table.
    std::string NomSerie(int numero) const;

    // --- Results -------------------------------------------------------------
    // Puts the seeds into the first tour; entered places stay.
    void PlacerParticipants();
    // Carries every place through the later tours, in one pass.
    void Propager();

    // --- Geometry (0.1 mm, y upward, the page top at y = 0) ----------------
    const TRect& ZoneAffichage() const { return zoneAffichage_; }
    // Centres a one-sheet table in the area; any other case draws from (0, 0).
    void SetZoneAffichage(const TRect& zone);
    const TPoint& Origine() const { return origine_; }
    double Zoom() const { return zoom_; }
    void SetZoom(double zoom) { zoom_ = zoom; }
    // The blank left and above the drawing, in millimetres.
    static constexpr TPoint Marge() { return {5, 20}; }
    TRect CadreSerie(const TSerieCompet& serie) const;
    std::int32_t LargeurContenu() const;
    std::int32_t HauteurContenu() const;
    int NbPages() const { return PagesLargeur() * PagesSuite(); }

    // --- Life ---------------------------------------------------------------
    void Clear();
    // Copies the source's structure and results over this table's.
    void Assign(const TTableauCompet& source, TCategorieCompet* owner);
    // Same tours, heats per tour and lines per heat.
    bool MemeForme(const TTableauCompet& autre) const;
    bool IsModified() const override { return Modified || tours_.UnModifie(); }
    void Save(TWriter& w);
    void Load(TReader& r);

  private:
    TCategorieCompet* owner_;
    TListePossedee<TTourCompet> tours_;
    TRect zoneAffichage_;
    TPoint origine_;
    double zoom_ = 1.0;
};

} // namespace tramonta
