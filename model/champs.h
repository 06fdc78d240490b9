// SPDX-License-Identifier: GPL-3.0-or-later
// Records whose fields are listed once and expanded into storage, accessors
// and visitors, so that the field list cannot drift between them.
#pragma once

#include <bit>
#include <cstdint>

namespace tramonta {
template <class T> bool Identique(const T& a, const T& b) {
    if constexpr (std::is_same_v<T, double>)
        return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
    else
        return a == b;
}
} // namespace tramonta

#define TRAMONTA_DECLARER_CHAMP(Type, Nom, Initial)                                                          \
  public:                                                                                                    \
    const Type& Nom() const {                                                                                \
        return Nom##_;                                                                                       \
    }                                                                                                        \
    void Set##Nom(const Type& valeur) {                                                                      \
        Affecter(Nom##_, valeur);                                                                            \
    }                                                                                                        \
                                                                                                             \
  private:                                                                                                   \
    Type Nom##_ = Initial;

#define TRAMONTA_VISITER_CHAMP(Type, Nom, Initial) visiteur(#Nom, Nom##_);
#define TRAMONTA_MODIFIER_CHAMP(Type, Nom, Initial)                                                          \
    {                                                                                                        \
        Type valeur = Nom##_;                                                                                \
        visiteur(#Nom, valeur);                                                                              \
        if (!::tramonta::Identique(Nom##_, valeur)) {                                                        \
            Nom##_ = valeur;                                                                                 \
            Modified = true;                                                                                 \
            ChampModifie();                                                                                  \
        }                                                                                                    \
    }
#define TRAMONTA_COPIER_CHAMP(Type, Nom, Initial) Set##Nom(source.Nom());
#define TRAMONTA_COMPARER_CHAMP(Type, Nom, Initial) &&::tramonta::Identique(Nom##_, autre.Nom##_)
#define TRAMONTA_REINITIALISER_CHAMP(Type, Nom, Initial) Nom##_ = Initial;

// Inside a class: the fields, plus VisiterChamps (name and value of each
// field, in order) and ModifierChamps (the same, storing back what differs to
// the bit, so that a -0 or a NaN brought in from outside is kept as it came).
#define TRAMONTA_CHAMPS(LISTE)                                                                               \
    LISTE(TRAMONTA_DECLARER_CHAMP)                                                                           \
  public:                                                                                                    \
    template <class V> void VisiterChamps(V&& visiteur) const {                                              \
        LISTE(TRAMONTA_VISITER_CHAMP)                                                                        \
    }                                                                                                        \
    template <class V> void ModifierChamps(V&& visiteur) {                                                   \
        LISTE(TRAMONTA_MODIFIER_CHAMP)                                                                       \
    }                                                                                                        \
    /* Copies every field through the setters. */                                                            \
    template <class S> void CopierChamps(const S& source) {                                                  \
        LISTE(TRAMONTA_COPIER_CHAMP)                                                                         \
    }                                                                                                        \
    /* Whether every field is the same as in `autre`, numbers to the bit. */                                 \
    template <class S> bool MemesChamps(const S& autre) const {                                              \
        return true LISTE(TRAMONTA_COMPARER_CHAMP);                                                          \
    }                                                                                                        \
                                                                                                             \
  protected:                                                                                                 \
    void ReinitialiserChamps() {                                                                             \
        LISTE(TRAMONTA_REINITIALISER_CHAMP)                                                                  \
    }                                                                                                        \
                                                                                                             \
  private:
