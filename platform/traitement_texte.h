// SPDX-License-Identifier: GPL-3.0-or-later
// The word processor that the mail merge drives: the few automation calls
// that it needs, so that the merge runs the same over LibreOffice and over a
// fake one in the tests. Every failure of the word processor is thrown as a
// TErreurTraitementTexte.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace tramonta {

class TErreurTraitementTexte : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The user cancelled while the word processor did not answer: it was stopped.
class TAnnulationTraitementTexte : public TErreurTraitementTexte {
  public:
    using TErreurTraitementTexte::TErreurTraitementTexte;
};

class TTraitementTexte {
  public:
    virtual ~TTraitementTexte() = default;
    // Reaches the word processor: the user's own (the one already running,
    // or a new one) to edit a letter, or a new private one that nobody else
    // uses to merge.
    virtual void Attacher(bool nouvelleInstance) = 0;
    // Brings the word processor to the user's sight.
    virtual void Montrer() = 0;
    // Opens the letter, which becomes the current document.
    virtual void Ouvrir(const std::string& fichier) = 0;
    // The words of the current document as the word processor itself splits
    // them, numbered from 1, each with the blanks that follow it.
    virtual int NombreMots() = 0;
    virtual std::string TexteMot(int index) = 0;
    virtual void EcrireMot(int index, const std::string& texte) = 0;
    // Prints the current document on the word processor's printer.
    virtual void Imprimer() = 0;
    // Non-zero while a print job of the word processor is still going.
    virtual int ImpressionEnCours() = 0;
    virtual void FermerSansEnregistrer() = 0;
    virtual void Quitter() = 0;
    // Asked while a call waits for the word processor: true when the user
    // cancelled, and the call may then give up on a word processor that no
    // longer answers (TAnnulationTraitementTexte). None by default.
    virtual void DefinirAnnulation(std::function<bool()> annulation) { (void)annulation; }
};

using FabriqueTraitementTexte = std::function<std::unique_ptr<TTraitementTexte>()>;

// LibreOffice unless a test put its own; an empty maker puts LibreOffice
// back. Gives the previous maker.
FabriqueTraitementTexte DefinirFabriqueTraitementTexte(FabriqueTraitementTexte fabrique);
std::unique_ptr<TTraitementTexte> CreerTraitementTexte();

} // namespace tramonta
