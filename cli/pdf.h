// SPDX-License-Identifier: GPL-3.0-or-later
// `tramonta-cli pdf ...`: printed documents written to PDF files without a
// screen, drawn by the same routines as the printer.
#pragma once

#include <string>
#include <vector>

namespace tramonta {

// `arguments` follow "pdf": the document's kind, the season file, the PDF
// file, then the kind's options. 0 when written, 1 for a wrong file,
// account or date (a French message on standard error), 2 for a wrong usage.
int CommandePdf(const std::vector<std::string>& arguments);

// The accounting reports: "bilan", "mouvements", "depots".
int PdfCompta(const std::string& genre, const std::vector<std::string>& arguments);

// The member side: "adherent" (NOM PRENOM), "correspondant" (NOM) and
// "requete" ([--impayes SOMME | --categorie NOM | --licence TYPE] [--champs LISTE]).
int PdfAdherents(const std::string& genre, const std::vector<std::string>& arguments);
// The competitions: "tableau" (a heat table, a sheet or a heat) and
// "participants".
int PdfCompets(const std::string& genre, const std::vector<std::string>& arguments);

// Usage lines of the pdf commands.
extern const char* const kUsagePdf;

} // namespace tramonta
