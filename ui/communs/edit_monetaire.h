// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric edit used for every amount and numeric code: only what makes a
// number can be typed into it.
#pragma once

#include <QClipboard>
#include <QLineEdit>

#include <cstdint>
#include <optional>

namespace tramonta {

// Typed characters are filtered: digits, one '.', a '-' at the very start,
// and Backspace. Text that the program puts in the field is not filtered;
// callers read the text and convert it themselves.
//
// The clipboard works as in any field, but whatever brings text in is taken
// as typing: Ctrl+V, the context menu's paste, the selection pasted with the
// middle button and a drop all pass each character through the same filter,
// so "12 345" pastes as "12345" and the field never holds what could not
// have been typed.
class TEditMonetaire : public QLineEdit {
    Q_OBJECT
  public:
    explicit TEditMonetaire(QWidget* parent = nullptr);

    // Whether `c`, typed with the field as it stands, would be kept.
    bool Accepte(QChar c) const;

    // Inserts `texte` at the caret as if its characters had been typed one
    // by one; the one way text comes in other than from the program.
    void Saisir(const QString& texte);

    // Inserts the clipboard's text (or the selection's) at the caret, filtered.
    void Coller(QClipboard::Mode mode = QClipboard::Clipboard);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void dropEvent(QDropEvent* e) override;
};

// The field's text, trimmed, as a number written with "."; when it is not
// one (empty, a lone "-" or ".", out of range), the program's error box says
// "'%s' n'est pas une valeur flottante correcte." (or "entière") with the
// text, and nothing is given: the caller keeps its form open.
std::optional<double> LireReel(const QLineEdit& edit);
std::optional<std::int32_t> LireEntier(const QLineEdit& edit);

} // namespace tramonta
