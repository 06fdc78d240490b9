// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/tableau.h"

#include "model/compets.h"
#include "model/modeles_tableau.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tramonta {

namespace {

// Nearest integer, halves to the even neighbour, as the drawing code rounds.
// A zoom gone wild (huge, infinite, NaN) must not overflow: the value is held
// far inside the 64-bit range and NaN counts as 0.
std::int64_t Arrondi(double v) {
    if (std::isnan(v))
        return 0;
    constexpr double limite = 1.0e15;
    v = std::clamp(v, -limite, limite);
    double entier = std::floor(v);
    const double reste = v - entier;
    if (reste > 0.5 || (reste == 0.5 && std::fmod(entier, 2.0) != 0.0))
        entier += 1.0;
    return static_cast<std::int64_t>(entier);
}

// Rectangles from an old file can hold any 32-bit value; the arithmetic is
// done in 64 bits and the result held to the 32-bit range.
std::int32_t Borne(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

} // namespace

// --- TLigneSerie ----------------------------------------------------------

void TLigneSerie::CopierDe(const TLigneSerie& source) {
    rang_ = source.rang_;
    serieOrigine_ = source.serieOrigine_;
    participant_ = source.participant_;
    place_ = source.place_;
}

void TLigneSerie::Save(TWriter& w, bool avecStructure) {
    w.WriteInteger(avecStructure ? 1 : 2);
    if (avecStructure) {
        w.WriteInteger(rang_);
        w.WriteInteger(serieOrigine_);
    }
    w.WriteInteger(participant_);
    w.WriteInteger(place_);
    Modified = false;
}

void TLigneSerie::Load(TReader& r) {
    if (r.ReadInteger() < 2) {
        rang_ = r.ReadInteger();
        serieOrigine_ = r.ReadInteger();
    }
    participant_ = r.ReadInteger();
    place_ = r.ReadInteger();
    Modified = false;
}

// --- TSerieCompet ---------------------------------------------------------

TLigneSerie* TSerieCompet::AjouterLigne() {
    const int i = lignes_.Add(std::make_unique<TLigneSerie>(this));
    return lignes_.Get(i);
}

int TSerieCompet::NbOccupees() const {
    return static_cast<int>(
        std::count_if(lignes_.begin(), lignes_.end(), [](const auto& l) { return l->Participant() != -1; }));
}

std::int32_t TSerieCompet::ParticipantALaPlace(std::int32_t place) const {
    // -1 is "no place entered": a slot fed from place -1 (only an old,
    // damaged file can hold one) must stay empty rather than take whoever
    // has not finished.
    if (place < 1)
        return -1;
    for (const auto& l : lignes_)
        if (l->Place() == place)
            return l->Participant();
    return -1;
}

void TSerieCompet::CopierDe(const TSerieCompet& source) {
    cadre_ = source.cadre_;
    lignes_.Clear();
    for (const auto& l : source.lignes_)
        AjouterLigne()->CopierDe(*l);
}

void TSerieCompet::Save(TWriter& w, bool avecStructure) {
    w.WriteInteger(avecStructure ? 1 : 2);
    if (avecStructure)
        w.WriteListBegin();
    for (const auto& l : lignes_)
        l->Save(w, avecStructure);
    if (avecStructure) {
        w.WriteListEnd();
        w.WriteInteger(cadre_.Left);
        w.WriteInteger(cadre_.Top);
        w.WriteInteger(cadre_.Right);
        w.WriteInteger(cadre_.Bottom);
    }
    Modified = false;
}

void TSerieCompet::Load(TReader& r) {
    if (r.ReadInteger() >= 2) {
        for (const auto& l : lignes_)
            l->Load(r);
    } else {
        lignes_.Clear();
        r.ReadListBegin();
        while (!r.EndOfList())
            AjouterLigne()->Load(r);
        r.ReadListEnd();
        cadre_.Left = r.ReadInteger();
        cadre_.Top = r.ReadInteger();
        cadre_.Right = r.ReadInteger();
        cadre_.Bottom = r.ReadInteger();
    }
    Modified = false;
}

// --- TTourCompet ----------------------------------------------------------

TSerieCompet* TTourCompet::AjouterSerie() {
    const int i = series_.Add(std::make_unique<TSerieCompet>(this));
    return series_.Get(i);
}

void TTourCompet::Save(TWriter& w, bool avecStructure) {
    w.WriteInteger(avecStructure ? 1 : 2);
    if (avecStructure)
        w.WriteListBegin();
    for (const auto& s : series_)
        s->Save(w, avecStructure);
    if (avecStructure)
        w.WriteListEnd();
    Modified = false;
}

void TTourCompet::Load(TReader& r) {
    if (r.ReadInteger() >= 2) {
        for (const auto& s : series_)
            s->Load(r);
    } else {
        series_.Clear();
        r.ReadListBegin();
        while (!r.EndOfList())
            AjouterSerie()->Load(r);
        r.ReadListEnd();
    }
    Modified = false;
}

// --- TTableauCompet -------------------------------------------------------

TTableauCompet::TTableauCompet(TCategorieCompet* owner) : owner_(owner) {
    Clear();
}

void TTableauCompet::SeriesDePage(int, int& premiere, int& derniere) const {
    premiere = 1;
    derniere = NbSeries();
}

TTourCompet* TTableauCompet::AjouterTour() {
    const int i = tours_.Add(std::make_unique<TTourCompet>(this));
    return tours_.Get(i);
}

int TTableauCompet::NbSeries() const {
    int n = 0;
    for (const auto& t : tours_)
        n += t->Count();
    return n;
}

TSerieCompet* TTableauCompet::Serie(int numero) const {
    if (numero < 1)
        return nullptr;
    for (const auto& t : tours_) {
        if (numero <= t->Count())
            return t->Serie(numero - 1);
        numero -= t->Count();
    }
    return nullptr;
}

int TTableauCompet::NumeroSerie(const TSerieCompet* serie) const {
    int avant = 0;
    for (const auto& t : tours_) {
        const int i = t->series_.IndexOf(serie);
        if (i >= 0)
            return avant + i + 1;
        avant += t->Count();
    }
    return 0;
}

std::string TTableauCompet::NomSerie(int numero) const {
    const TSerieCompet* serie = Serie(numero);
    if (!serie)
        return {};
    if (numero == NbSeries())
        return "FINALE";
    return "1/" + std::to_string(serie->Owner()->Count()) + " FINALE";
}

void TTableauCompet::PlacerParticipants() {
    for (const auto& t : tours_)
        for (int s = 0; s < t->Count(); ++s)
            for (int l = 0; l < t->Serie(s)->Count(); ++l)
                t->Serie(s)->Ligne(l)->SetParticipant(-1);
    const TTourCompet* premier = Tour(0);
    if (!premier)
        return;
    const int n = owner_ ? owner_->Count() : 0;
    for (int s = 0; s < premier->Count(); ++s) {
        const TSerieCompet* serie = premier->Serie(s);
        for (int l = 0; l < serie->Count(); ++l) {
            TLigneSerie* ligne = serie->Ligne(l);
            // A seed below 1 only comes from a damaged old file; such a slot
            // stays empty instead of naming a surfer who does not exist.
            if (ligne->Rang() >= 1 && ligne->Rang() <= n)
                ligne->SetParticipant(ligne->Rang());
        }
    }
}

void TTableauCompet::Propager() {
    for (int t = 1; t < Count(); ++t) {
        const TTourCompet* tour = Tour(t);
        for (int s = 0; s < tour->Count(); ++s) {
            const TSerieCompet* serie = tour->Serie(s);
            for (int l = 0; l < serie->Count(); ++l) {
                TLigneSerie* ligne = serie->Ligne(l);
                // An old file may name a heat that does not exist: the slot
                // is then simply empty.
                const TSerieCompet* source = Serie(ligne->SerieOrigine());
                ligne->SetParticipant(source ? source->ParticipantALaPlace(ligne->Rang()) : -1);
            }
        }
    }
}

TRect TTableauCompet::CadreSerie(const TSerieCompet& serie) const {
    const TRect& c = serie.Cadre();
    const TPoint m = Marge();
    const std::int64_t ox = origine_.X, oy = origine_.Y;
    return TRect{
        Borne((static_cast<std::int64_t>(c.Left) + m.X) * 10 + ox),
        Borne(oy - (static_cast<std::int64_t>(c.Top) + m.Y) * 10),
        Borne(Arrondi(c.Right * 10.0 * zoom_) + m.X * 10 + ox),
        Borne(oy - Arrondi(c.Bottom * 10.0 * zoom_) - m.Y * 10),
    };
}

std::int32_t TTableauCompet::LargeurContenu() const {
    std::int64_t droite = Marge().X;
    for (const auto& t : tours_)
        for (int s = 0; s < t->Count(); ++s)
            droite = std::max(droite, Arrondi(t->Serie(s)->Cadre().Right * 10.0 * zoom_) + Marge().X * 10);
    return Borne(50 + droite);
}

std::int32_t TTableauCompet::HauteurContenu() const {
    std::int64_t bas = Marge().Y;
    for (const auto& t : tours_)
        for (int s = 0; s < t->Count(); ++s)
            bas = std::max(bas, Arrondi(t->Serie(s)->Cadre().Bottom * 10.0 * zoom_) + Marge().Y * 10);
    return Borne(50 + bas);
}

void TTableauCompet::SetZoneAffichage(const TRect& zone) {
    zoneAffichage_ = zone;
    const std::int64_t largeur = std::abs(static_cast<std::int64_t>(zone.Right) - zone.Left);
    const std::int64_t hauteur = std::abs(static_cast<std::int64_t>(zone.Bottom) - zone.Top);
    if (largeur != 0 && hauteur != 0 && NbPages() == 1)
        origine_ = TPoint{Borne(zone.Left + (largeur - LargeurContenu()) / 2),
                          Borne(-(zone.Top + (hauteur - HauteurContenu()) / 2))};
    else
        origine_ = TPoint{};
}

void TTableauCompet::Clear() {
    tours_.Clear();
    zoneAffichage_ = TRect{};
    origine_ = TPoint{};
    zoom_ = 1.0;
    Modified = false;
}

void TTableauCompet::Assign(const TTableauCompet& source, TCategorieCompet* owner) {
    owner_ = owner;
    tours_.Clear();
    for (const auto& ts : source.tours_) {
        TTourCompet* tour = AjouterTour();
        for (int s = 0; s < ts->Count(); ++s)
            tour->AjouterSerie()->CopierDe(*ts->Serie(s));
    }
    Modified = source.IsModified();
}

bool TTableauCompet::MemeForme(const TTableauCompet& autre) const {
    if (Count() != autre.Count())
        return false;
    for (int t = 0; t < Count(); ++t) {
        const TTourCompet* a = Tour(t);
        const TTourCompet* b = autre.Tour(t);
        if (a->Count() != b->Count())
            return false;
        for (int s = 0; s < a->Count(); ++s)
            if (a->Serie(s)->Count() != b->Serie(s)->Count())
                return false;
    }
    return true;
}

void TTableauCompet::Save(TWriter& w) {
    // The file keeps only the results and lets the reader rebuild the
    // template. A table read from an old file may have another shape than
    // today's template; its results written alone would then be read against
    // the wrong lines and the rest of the file after them, so such a table
    // keeps the old layout, which carries its own structure.
    const auto modele = CreerTableau(TypeTableau(), nullptr);
    const bool avecStructure = modele && !MemeForme(*modele);
    w.WriteInteger(avecStructure ? 1 : 2);
    if (avecStructure)
        w.WriteListBegin();
    for (const auto& t : tours_)
        t->Save(w, avecStructure);
    if (avecStructure)
        w.WriteListEnd();
    Modified = false;
}

void TTableauCompet::Load(TReader& r) {
    if (r.ReadInteger() >= 2) {
        for (const auto& t : tours_)
            t->Load(r);
    } else {
        Clear();
        r.ReadListBegin();
        while (!r.EndOfList())
            AjouterTour()->Load(r);
        r.ReadListEnd();
    }
    Modified = false;
}

} // namespace tramonta
