// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheet (CSV) files as French spreadsheets expect them: UTF-8 with a
// byte-order mark, ";" between fields, CRLF line ends, dates "dd/mm/yyyy",
// amounts with a decimal comma, booleans "Oui"/"Non". The readers of the
// same value forms sit beside the writers, so that what one side writes the
// other reads back.
#pragma once

#include "core/dates.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tramonta {

inline constexpr std::string_view kMarqueUtf8 = "\xEF\xBB\xBF";
inline constexpr char kSeparateurTableur = ';';
inline constexpr std::string_view kFinLigneTableur = "\r\n";

// The field as it goes between separators: quoted, with every quote doubled,
// when it holds ";", a quote, CR or LF, or begins or ends with a blank (which
// a spreadsheet would otherwise trim); as it is otherwise.
std::string ChampTableur(std::string_view texte);

// A spreadsheet takes a cell that begins with "=", "+", "-", "@", a tab or a
// carriage return (or the full-width "＝＋－＠") for a formula, which may
// send other cells away or run a command. A text column is written through
// TexteSansFormule: such a text gets an apostrophe in front, which shows it
// as text; so does a text that begins with apostrophes followed by one of
// those characters, so that AvecFormule, which takes one apostrophe off
// exactly those texts, gives back every text as it was. Amounts, dates and
// numbers are written as they are ("-3" stays a number).
std::string TexteSansFormule(std::string_view texte);
std::string AvecFormule(std::string_view champ);

// Writes the byte-order mark first, then one row per call.
class TEcrivainTableur {
  public:
    explicit TEcrivainTableur(std::ostream& sortie);
    void Ligne(const std::vector<std::string>& champs);

  private:
    std::ostream& sortie_;
};

// "dd/mm/yyyy"; empty for 0 (a missing date). The time of day is dropped.
std::string DateTableur(TDateTime date);
// The shortest decimal form that reads back to the same number, with a
// decimal comma and no thousands separator: 12 → "12", 12.5 → "12,5",
// 1234.56 → "1234,56". A value that is not a number gives an empty field.
std::string MontantTableur(double montant);
std::string BooleenTableur(bool valeur); // "Oui" / "Non"

// The readers trim blanks (NBSP included) around the text. An empty text is a
// valid value (date 0, amount 0, false); nothing means the text cannot be read.

// "dd/mm/yyyy", "d/m/yyyy" or "yyyy-mm-dd", optionally followed by a time of
// day, which is ignored.
std::optional<TDateTime> LireDateTableur(std::string_view texte);
// "12,50", "12.50", "-3", "1 234,50" (blank, NBSP or narrow NBSP between
// thousands), "1.234,50" or "1,234.50" (the last separator being the decimal
// one, unless it comes twice: "1.234.567"), with or without a "€" sign.
std::optional<double> LireMontantTableur(std::string_view texte);
// A whole number of the int32 range, optionally signed, blanks allowed
// between thousands ("33 000").
std::optional<std::int32_t> LireEntierTableur(std::string_view texte);
// Oui/Non, O/N, 1/0, Vrai/Faux, x (ticked), Yes/No, True/False, any case and
// accents; empty is false.
std::optional<bool> LireBooleenTableur(std::string_view texte);

} // namespace tramonta
