// SPDX-License-Identifier: GPL-3.0-or-later
// A word processor and a progress window that the mail-merge tests script:
// the letter is a list of words, each print keeps the words of the copy.
#pragma once

#include "platform/traitement_texte.h"
#include "print/impression.h"

#include <functional>
#include <string>
#include <vector>

namespace tramonta::test {

class TTraitementFactice : public TTraitementTexte {
  public:
    std::vector<std::string> lettre;
    // Every call by name ("Attacher(1)", "Ouvrir", "Ecrire(3)", ...).
    std::vector<std::string> appels;
    // Each copy printed, its words joined.
    std::vector<std::string> copies;
    // Called with each call's name before it runs: a test throws from it.
    std::function<void(const std::string&)> avant;
    // How many times the background print status answers "busy".
    int occupe = 0;

    void Attacher(bool nouvelle) override { Appel(nouvelle ? "Attacher(nouvelle)" : "Attacher"); }
    void Montrer() override { Appel("Montrer"); }
    void Ouvrir(const std::string& fichier) override {
        Appel("Ouvrir " + fichier);
        mots_ = lettre;
        ouvert_ = true;
    }
    int NombreMots() override {
        Verifier();
        return static_cast<int>(mots_.size());
    }
    std::string TexteMot(int i) override {
        Verifier();
        if (i < 1 || i > NombreMots())
            throw TErreurTraitementTexte("mot inexistant");
        return mots_[static_cast<std::size_t>(i - 1)];
    }
    void EcrireMot(int i, const std::string& texte) override {
        Appel("Ecrire(" + std::to_string(i) + ")");
        TexteMot(i);
        mots_[static_cast<std::size_t>(i - 1)] = texte;
    }
    void Imprimer() override {
        Appel("Imprimer");
        Verifier();
        std::string copie;
        for (const auto& m : mots_)
            copie += m;
        copies.push_back(copie);
    }
    int ImpressionEnCours() override {
        Appel("Attente");
        return occupe > 0 ? occupe-- : 0;
    }
    void FermerSansEnregistrer() override {
        Appel("Fermer");
        ouvert_ = false;
    }
    void Quitter() override { Appel("Quitter"); }

  private:
    void Appel(const std::string& nom) {
        appels.push_back(nom);
        if (avant)
            avant(nom);
    }
    void Verifier() const {
        if (!ouvert_)
            throw TErreurTraitementTexte("aucun document");
    }
    std::vector<std::string> mots_;
    bool ouvert_ = false;
};

class TProgressionFactice : public TProgression {
  public:
    std::vector<std::string> statuts;
    int minimum = -1, maximum = -1, pas = 0;
    bool visible = false;
    bool annule = false;
    // Cancels once this many steps were made (negative: never).
    int annulerApres = -1;

    void Afficher() override {
        visible = true;
        annule = false;
    }
    void DefinirStatut(const std::string& texte) override { statuts.push_back(texte); }
    void DefinirBornes(int mini, int maxi) override {
        minimum = mini;
        maximum = maxi;
    }
    void Avancer() override {
        if (++pas == annulerApres)
            annule = true;
    }
    bool Annule() override { return annule; }
    void Masquer() override { visible = false; }
};

} // namespace tramonta::test
