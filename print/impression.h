// SPDX-License-Identifier: GPL-3.0-or-later
// The print loop that every print command runs: one job per copy under a
// progress window whose cancel aborts the job in progress only, then the
// journal line, also after a cancel. A job that the print system did not
// take stops the loop and writes no journal line: what did not reach the
// printer is not recorded as printed. The printer and the progress window are
// interfaces so that the loop runs the same over Qt and in tests.
#pragma once

#include "print/canevas.h"

#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tramonta {

// A job that did not reach the print system. The text is the user's: it
// names the printer and the reason. The loop fills in how many copies had
// been sent before it, out of how many.
class TErreurImpression : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    int copiesEnvoyees = 0;
    int copiesDemandees = 0;
};

class TImprimante {
  public:
    virtual ~TImprimante() = default;
    // The system's default printer, for when the user chose none.
    virtual void ChoisirImprimanteParDefaut() = 0;
    virtual int NbCopies() const = 0;
    virtual void DefinirTitre(const std::string& titre) = 0;
    virtual void DefinirOrientation(Orientation orientation) = 0;
    // Begins a job and gives its canvas, in page units with the top of the
    // first page at y = 0. A printer that cannot take a job (unknown,
    // refusing jobs, print system silent) throws TErreurImpression.
    virtual TCanevas& DebuterTravail() = 0;
    // Hands the job to the print system; throws TErreurImpression when the
    // print system did not take it.
    virtual void TerminerTravail() = 0;
    virtual void AbandonnerTravail() = 0;
};

class TProgression {
  public:
    virtual ~TProgression() = default;
    // Empty status, range 0 to 100 at 0, not cancelled; shown without
    // holding the rest of the program.
    virtual void Afficher() = 0;
    virtual void DefinirStatut(const std::string& texte) = 0;
    virtual void DefinirBornes(int minimum, int maximum) = 0;
    virtual void Avancer() = 0;
    // Lets pending events through first, so that a click on the cancel
    // button is seen.
    virtual bool Annule() = 0;
    virtual void Masquer() = 0;
};

struct TTravailImpression {
    std::string titre;
    Orientation orientation = Orientation::Portrait;
    // The copy's status, "%d" replaced by the copy's number, then by the
    // number of copies: "Impression bilan (%d/%d)...".
    std::string statut;
    // Draws the whole document on the printer's canvas in printing mode.
    std::function<void(TCanevas&)> dessin;
    std::string ligneJournal;
    // The user chose a printer in the window; otherwise the default one.
    bool imprimanteChoisie = false;
};

// Gives the number of copies ended (the cancelled one not counted). A
// TErreurImpression leaves the loop at once, with the copies sent counted in
// it: the copies after it are not sent and no journal line is written.
int ImprimerCopies(TImprimante& imprimante, TProgression& progression, const TTravailImpression& travail,
                   const std::function<void(const std::string&)>& journal);

// "%d" replaced in turn by each value, "%%" by "%".
std::string FormaterEntiers(std::string_view modele, std::initializer_list<int> valeurs);

} // namespace tramonta
