// SPDX-License-Identifier: GPL-3.0-or-later
// Checks that a screen reader can name every control of a window. Call it on
// each new window or page:
//     EXPECT_EQ(test::ControlesSansNom(fenetre), QStringList{});
#pragma once

#include <QStringList>

class QWidget;

namespace tramonta::test {

// Walks `fenetre` and all its children, hidden ones and those of other tabs
// included (not the windows it owns: dialogs and menus are checked on
// their own), and gives one line ("objectName (class): what is missing") for
// each control that takes the keyboard focus without a name to say:
// - an edit, combo box, spin box, list or slider needs an accessible name or
//   a label whose buddy it is (QFormLayout::addRow with a text makes one);
// - a button needs a text; one that shows only an icon (a tool button in
//   icon mode, or one without a letter or digit in its text) needs a tooltip and the same text as
//   accessible name, so that the hint is what the reader says; one that
//   shows a text is named by that text (what a voice-control user says is
//   what the button shows) and its tooltip, when it has one, is its
//   accessible description.
// The parts inside a control (a combo box's edit, a spin box's edit, a list's
// viewport, a tab bar's scroll arrows) are the control's own and are not
// listed.
QStringList ControlesSansNom(const QWidget& fenetre);

// Gives one line ("Alt+X : « &Texte » (objectName), « ... » (...)") for each
// Alt+letter that more than one control of the window answers: labels with
// a buddy, buttons (push, tool, check and radio), group boxes, the tabs of a
// tab bar and the menus of the window's menu bar, enabled or not, as far as
// they show when the window does (a page of a stack or of a tab control
// that is not the current one does not; the windows the window owns are
// checked on their own).
QStringList RaccourcisEnDouble(const QWidget& fenetre);

} // namespace tramonta::test
