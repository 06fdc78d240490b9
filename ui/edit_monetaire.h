// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric edit used for every amount and numeric code: only what makes a
// number can be typed into it.
#pragma once

#include <QLineEdit>

#include <cstdint>
#include <optional>

namespace tramonta {

// Typed characters are filtered: digits, one '.', a '-' at the very start,
// and Backspace. Text that the program puts in the field is not filtered;
// callers read the text and convert it themselves.
//
// The clipboard works as in any field, but a paste is taken as typing: each
// pasted character goes through the same filter, so "12 345" pastes as
// "12345" and the field never holds what could not have been typed.
class TEditMonetaire : public QLineEdit {
    Q_OBJECT
  public:
    explicit TEditMonetaire(QWidget* parent = nullptr);

    // Whether `c`, typed with the field as it stands, would be kept.
    bool Accepte(QChar c) const;

    // Inserts the clipboard's text at the caret, filtered.
    void Coller();

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
};

// The field's text, trimmed, as a number written with "."; when it is not
// one (empty, a lone "-" or ".", out of range), the program's error box says
// "'%s' n'est pas une valeur flottante correcte." (or "entière") with the
// text, and nothing is given: the caller keeps its form open.
std::optional<double> LireReel(const QLineEdit& edit);
std::optional<std::int32_t> LireEntier(const QLineEdit& edit);

} // namespace tramonta
