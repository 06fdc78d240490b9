// SPDX-License-Identifier: GPL-3.0-or-later
// A private print system for the tests: its printers are the test's, and a
// job is kept in memory, never sent anywhere, whatever printers the machine
// has. The test program installs one without any printer before the first
// test; a test that wants printers installs its own for its duration.
#pragma once

#include "platform/systeme_impression.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tramonta::test {

class SystemeImpressionFactice : public TSystemeImpression {
  public:
    struct Travail {
        std::string imprimante;
        std::string titre;
        std::string pdf;
    };

    // What the print system is.
    std::vector<std::string> imprimantes;
    std::string parDefaut;
    std::set<std::string> refusantes;
    // The print server answers nothing any more.
    bool muet = false;
    // Hands in the job of this number (counted from 1) and then goes
    // silent, as a server stopped while the program prints.
    int muetApres = 0;

    // What it was asked.
    std::vector<Travail> travaux;
    int questions = 0;

    TImprimantes Imprimantes() override {
        ++questions;
        if (muet)
            throw TErreurImpression(TexteServiceMuet({}));
        return {imprimantes, parDefaut};
    }
    void Verifier(const std::string& imprimante) override {
        ++questions;
        if (muet)
            throw TErreurImpression(TexteServiceMuet(imprimante));
        if (std::find(imprimantes.begin(), imprimantes.end(), imprimante) == imprimantes.end())
            throw TErreurImpression("L'imprimante « " + imprimante + " » n'existe pas.");
        if (refusantes.count(imprimante))
            throw TErreurImpression(TexteRefus(imprimante));
    }
    int Envoyer(const std::string& imprimante, std::string_view pdf, const std::string& titre) override {
        ++questions;
        if (muet)
            throw TErreurImpression(TexteServiceMuet(imprimante));
        travaux.push_back({imprimante, titre, std::string(pdf)});
        if (muetApres && static_cast<int>(travaux.size()) >= muetApres)
            muet = true;
        return static_cast<int>(travaux.size());
    }
};

// Installs a print system for its lifetime, then puts back the one before.
class SystemeImpressionPrive {
  public:
    explicit SystemeImpressionPrive(std::unique_ptr<TSystemeImpression> systeme = nullptr) {
        if (!systeme) {
            auto factice = std::make_unique<SystemeImpressionFactice>();
            factice_ = factice.get();
            systeme = std::move(factice);
        }
        precedent_ = DefinirSystemeImpression(std::move(systeme));
    }
    ~SystemeImpressionPrive() { DefinirSystemeImpression(std::move(precedent_)); }
    SystemeImpressionPrive(const SystemeImpressionPrive&) = delete;
    SystemeImpressionPrive& operator=(const SystemeImpressionPrive&) = delete;

    // The fake one, when none was given.
    SystemeImpressionFactice& operator*() const { return *factice_; }
    SystemeImpressionFactice* operator->() const { return factice_; }

  private:
    SystemeImpressionFactice* factice_ = nullptr;
    std::unique_ptr<TSystemeImpression> precedent_;
};

} // namespace tramonta::test
