// SPDX-License-Identifier: GPL-3.0-or-later
// The print system as the program uses it: the printers with the default
// one, the state of one printer before a job, and a PDF document handed over
// as one job whose outcome is read back. Nothing here is asked before a
// print or a printer setup asks it, and a print server that does not answer
// within a few seconds is an error, never a wait.
#pragma once

#include "print/impression.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tramonta {

class TSystemeImpression {
  public:
    virtual ~TSystemeImpression() = default;

    struct TImprimantes {
        // In the print server's order.
        std::vector<std::string> noms;
        // One of `noms`, or empty when the server names none.
        std::string parDefaut;
    };
    // A machine without any print server has no printer; a print server
    // that was there and no longer answers throws TErreurImpression.
    virtual TImprimantes Imprimantes() = 0;
    // Before each job: throws TErreurImpression when the printer is unknown,
    // refuses jobs or cannot be asked.
    virtual void Verifier(const std::string& imprimante) = 0;
    // Hands the PDF document to the printer as one job titled `titre` and
    // gives the job's number once the print server has taken it; throws
    // TErreurImpression otherwise.
    virtual int Envoyer(const std::string& imprimante, std::string_view pdf, const std::string& titre) = 0;
};

// The print system of the run: CUPS, made on first use (which asks nothing
// yet), unless another one was set.
TSystemeImpression& SystemeImpression();
// Replaces it (tests: a private target); gives back the previous one. Empty
// restores CUPS.
std::unique_ptr<TSystemeImpression> DefinirSystemeImpression(std::unique_ptr<TSystemeImpression> systeme);

// The CUPS print server named (`"hôte:port"` or a local socket's path), or,
// when empty, the user's as CUPS finds it (CUPS_SERVER, client.conf, the
// local server). Every connection and answer is awaited at most `delai`
// seconds.
std::unique_ptr<TSystemeImpression> CreerSystemeImpressionCups(const std::string& serveur = {},
                                                               double delai = 3.0);

// The texts of the errors, for the messages and their tests.
std::string TexteServiceMuet(const std::string& imprimante);
std::string TexteRefus(const std::string& imprimante);

} // namespace tramonta
