// SPDX-License-Identifier: GPL-3.0-or-later
// Fixtures shared by the model tests: a fixed clock and user, captured
// messages, and a document that fills every field.
#pragma once

#include "core/dates.h"
#include "core/flux.h"
#include "core/messages.h"
#include "core/systeme.h"
#include "model/exercice.h"

#include <string>
#include <vector>

namespace tramonta::test {

class HorlogeFixe {
  public:
    explicit HorlogeFixe(TDateTime maintenant) {
        ancienne_ = DefinirHorloge([maintenant] { return maintenant; });
        ancienUtilisateur_ = DefinirSourceUtilisateur([] { return std::string("tresorier"); });
    }
    ~HorlogeFixe() {
        DefinirHorloge(ancienne_);
        DefinirSourceUtilisateur(ancienUtilisateur_);
    }
    HorlogeFixe(const HorlogeFixe&) = delete;
    HorlogeFixe& operator=(const HorlogeFixe&) = delete;

  private:
    Horloge ancienne_;
    SourceUtilisateur ancienUtilisateur_;
};

// Records "Titre : texte" for every message box, answering OK.
class CaptureMessages {
  public:
    CaptureMessages() {
        ancien_ = DefinirGestionnaireMessages([this](const std::string& t, const std::string& titre, int) {
            messages.push_back(titre + " : " + t);
            return static_cast<int>(IDOK);
        });
    }
    ~CaptureMessages() { DefinirGestionnaireMessages(ancien_); }
    CaptureMessages(const CaptureMessages&) = delete;
    CaptureMessages& operator=(const CaptureMessages&) = delete;
    std::vector<std::string> messages;

  private:
    GestionnaireMessages ancien_;
};

inline std::vector<std::uint8_t> OctetsDuDocument(TExercice& e) {
    TMemoryStream flux;
    {
        TWriter w(flux);
        e.Save(w);
    }
    return flux.Donnees();
}

inline void Charger(TExercice& e, const std::vector<std::uint8_t>& octets) {
    TMemoryStream flux(octets);
    TReader r(flux);
    e.Clear();
    e.Load(r);
}

// The bytes that `ecrire` puts in a stream.
template <class F> std::vector<std::uint8_t> Ecrire(F&& ecrire) {
    TMemoryStream flux;
    {
        TWriter w(flux);
        ecrire(w);
    }
    return flux.Donnees();
}

template <class F> void Lire(const std::vector<std::uint8_t>& octets, F&& lire) {
    TMemoryStream flux(octets);
    TReader r(flux);
    lire(r);
}

// A member record of version 1, 2 or 3, as those versions wrote it: "NOM"
// "Prénom", licence 40 posted in "706", sums 1, 2 and 3, notes "Infos".
void EcrireAncienAdherent(TWriter& w, int version);

// A season that sets every field of every record to a value other than its
// initial one, so that a field lost on the way shows.
void RemplirDocument(TExercice& e);

} // namespace tramonta::test
