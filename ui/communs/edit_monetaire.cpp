// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/communs/edit_monetaire.h"

#include "core/monnaie.h"
#include "platform/application.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <charconv>
#include <memory>
#include <string>

namespace tramonta {

TEditMonetaire::TEditMonetaire(QWidget* parent) : QLineEdit(parent) {
    // An input method would compose text past the filter; drops go through
    // it (dropEvent).
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool TEditMonetaire::Accepte(QChar c) const {
    if (c >= u'0' && c <= u'9')
        return true;
    if (c == u'.')
        return !text().contains(u'.');
    if (c == u'-') {
        if (text().startsWith(u'-'))
            return false;
        const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
        return caret == 0;
    }
    return false;
}

void TEditMonetaire::Saisir(const QString& texte) {
    if (isReadOnly())
        return;
    for (QChar c : texte)
        if (Accepte(c))
            insert(QString(c));
}

void TEditMonetaire::Coller(QClipboard::Mode mode) {
    Saisir(QGuiApplication::clipboard()->text(mode));
}

void TEditMonetaire::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) {
        Coller();
        e->accept();
        return;
    }
    // Copying, cutting, undoing and selecting leave only what was there.
    if (e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Cut) || e->matches(QKeySequence::Undo) ||
        e->matches(QKeySequence::Redo) || e->matches(QKeySequence::SelectAll)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    switch (e->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QLineEdit::keyPressEvent(e);
        return;
    default:
        break;
    }
    const QString texte = e->text();
    // Keys that type nothing move the caret or the selection.
    if (texte.isEmpty()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (texte.size() == 1 && Accepte(texte.front()) && !(e->modifiers() & Qt::ControlModifier)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    e->accept();
}

void TEditMonetaire::contextMenuEvent(QContextMenuEvent* e) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    // The standard entries carry their shortcut after a tab: that of Paste
    // finds its entry in any language.
    const QString coller = '\t' + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* action : menu->actions()) {
        if (action->text().endsWith(coller)) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] { Coller(); });
        }
    }
    menu->exec(e->globalPos());
}

void TEditMonetaire::mouseReleaseEvent(QMouseEvent* e) {
    // The middle button pastes the selection where the press put the caret,
    // as the standard edit does, but filtered.
    if (e->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly()) {
            deselect();
            Coller(QClipboard::Selection);
        }
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void TEditMonetaire::dropEvent(QDropEvent* e) {
    if (isReadOnly() || !e->mimeData()->hasText()) {
        e->ignore();
        return;
    }
    deselect();
    setCursorPosition(cursorPositionAt(e->position().toPoint()));
    Saisir(e->mimeData()->text());
    e->acceptProposedAction();
}

std::optional<double> LireReel(const QLineEdit& edit) {
    const std::string texte = edit.text().trimmed().toStdString();
    if (const auto valeur = TexteVersReel(texte))
        return valeur;
    SignalerEchec("'" + texte + "' n'est pas une valeur flottante correcte");
    return std::nullopt;
}

std::optional<std::int32_t> LireEntier(const QLineEdit& edit) {
    const std::string texte = edit.text().trimmed().toStdString();
    std::int32_t valeur = 0;
    const char* fin = texte.data() + texte.size();
    const auto [p, erreur] = std::from_chars(texte.data(), fin, valeur);
    if (!texte.empty() && erreur == std::errc() && p == fin)
        return valeur;
    SignalerEchec("'" + texte + "' n'est pas une valeur entière correcte");
    return std::nullopt;
}

} // namespace tramonta
