// SPDX-License-Identifier: GPL-3.0-or-later
// Members brought in from a spreadsheet's CSV file: the file's titles are
// matched to the member columns, then each row becomes a new member. Like the
// import of another season, it never overwrites a member already there.
#pragma once

#include "core/tableur_lecture.h"

#include <string>
#include <vector>

namespace tramonta {

class TAdherents;

// The form in which a title is compared: case, accents, blanks around it,
// runs of blanks inside it and a trailing colon do not count, so that
// "NOM", "prenom" and "Prénom :" find their columns.
std::string CleTitre(std::string_view titre);

// Where one column of the file goes.
struct TColonneImport {
    std::string titre; // as the file writes it
    int colonne = -1;  // index in the member column table, -1 when the column is ignored
    std::string champ; // the title of that member column, empty when ignored
    // A column that the program computes (the category): known, but not
    // read (`colonne` is -1, `champ` names it).
    bool calculee = false;
};

// What the user sees before importing.
struct TApercuImport {
    static constexpr std::size_t kLignesApercu = 20;
    std::vector<TColonneImport> colonnes; // one per column of the file, in its order
    // The non-empty titles that no member column takes (unknown, or a second
    // column of the same title); computed columns are not among them.
    std::vector<std::string> titresIgnores;
    std::vector<TLigneTableur> premieresLignes; // the first kLignesApercu rows
    std::size_t nombreLignes = 0;
};

// False with a French message when the file has no title row, when none of
// its titles is known, or when it has no "Nom" column.
bool AnalyserTitres(const TTableurLu& tableur, TApercuImport& apercu, std::string& erreur);

// A text of the file that the season file cannot hold (it holds
// Windows-1252), found before anything is added.
struct TTexteNonEnregistrable {
    int ligne = 0;
    std::string colonne; // the title in the file
    std::string texte;
    std::vector<std::string> caracteres; // as CaracteresNonEnregistrables gives them
};

// Every such text of the columns that are read as texts, in the order of the file.
std::vector<TTexteNonEnregistrable> TextesNonEnregistrables(const TTableurLu& tableur,
                                                            const TApercuImport& apercu);

// "Ligne 4, colonne « Prénom » : « Ł » ne peut pas être enregistré".
std::string MessageNonEnregistrable(const TTexteNonEnregistrable& texte);

// The lines of a list of messages, the first `maximum` of them, then
// "… et N autres" for the rest.
std::vector<std::string> PremieresLignes(const std::vector<std::string>& lignes, std::size_t maximum = 20);

// "« A », « B », … et N autres": at most 20 titles, each cut to 60 characters.
std::string ListeTitres(const std::vector<std::string>& titres);

struct TRapportImport {
    bool reussi = false; // false when the titles were refused (then nothing was added)
    std::vector<std::string> lignes;
    int ajoutes = 0;
    int ignores = 0;
};

// What becomes of a text that the season file cannot hold.
enum class TFormeTexte {
    Refuser,    // the import is refused, nothing added, and the texts listed
    FormeProche // the nearest storable form goes in (FormeEnregistrable), and the report says so
};

// Adds one member per row. A row without a name, or whose name and first
// name are already there (a member of the season, or an earlier row of the
// file), is reported and skipped; a value that cannot be read is reported with
// its line and column, and the member is added without it. The members come
// without ledger lines: their posting flags stay cleared. The report ends
// with the counts. No text changes silently: see TFormeTexte.
TRapportImport ImporterAdherents(TAdherents& adherents, const TTableurLu& tableur,
                                 TFormeTexte forme = TFormeTexte::Refuser);

// "3 adhérents ajoutés, 1 ignoré", for the journal and the report.
std::string ResumeImport(const TRapportImport& rapport);

} // namespace tramonta
