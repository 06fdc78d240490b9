// SPDX-License-Identifier: GPL-3.0-or-later
// The mail merge: one copy of a letter per chosen member or correspondent,
// its keywords filled by the word processor. The dialog hands over what the
// user chose; the run talks to the word processor and the progress window
// only through their interfaces.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tramonta {

class TAdherent;
class TCorrespondant;
class TProgression;
class TTraitementTexte;
struct TCriteresRequete;

// Codes 1 to 16 are the member keywords, 101 to 110 the correspondent ones.
inline bool CodeAdherent(int code) {
    return code >= 1 && code <= 16;
}
inline bool CodeCorrespondant(int code) {
    return code >= 101 && code <= 110;
}

// The code of a word of the letter: blanks and control characters at both
// ends do not count, letters compare with ASCII case folding. 0 for a word
// that is no keyword.
int CodeMotCle(std::string_view mot);
// "NomAdhérent" for 1, and so on; empty for an unknown code.
std::string MotCle(int code);

// The text that replaces a keyword of the recipient's family. A date that
// was never given is written empty.
std::string ValeurMotCle(int code, const TAdherent& adherent);
std::string ValeurMotCle(int code, const TCorrespondant& correspondant);

// The keywords of the letter as (word number, code) pairs, in the order
// found; a word number is kept once.
class TCarteMotsCles {
  public:
    void Ajouter(int index, int code);
    const std::vector<std::pair<int, int>>& Paires() const { return paires_; }
    // How many of the letter's keywords belong to the family.
    int Nombre(bool (*famille)(int)) const;

  private:
    std::vector<std::pair<int, int>> paires_;
};

// Fills the open document for one recipient (exactly one of the two given):
// from the last keyword to the first, so that a value of several words
// never moves a keyword still to be written, and each with the blanks that
// followed it.
void RemplirCopie(TTraitementTexte& traitement, const TCarteMotsCles& carte, const TAdherent* adherent,
                  const TCorrespondant* correspondant);

struct TPublipostage {
    std::string fichier;
    // The selected items of each list, in the order shown.
    std::vector<const TAdherent*> adherents;
    std::vector<const TCorrespondant*> correspondants;
    // Selected members are merged only when they match.
    const TCriteresRequete* criteres = nullptr;
};

enum class TResultatPublipostage {
    RienAImprimer, // nobody to write to: nothing started
    Abandonne,     // the user stopped it after seeing the keywords
    Annule,        // cancelled from the progress window
    Erreur,        // the word processor failed, and was told to quit
    Termine,
};

// The whole run, up to the journal line, written only when the merge went
// to its end.
TResultatPublipostage LancerPublipostage(const TPublipostage& publipostage, TTraitementTexte& traitement,
                                         TProgression& progression);

// The box of every word-processor failure.
void ErreurTraitementTexte(const std::string& message);

} // namespace tramonta
