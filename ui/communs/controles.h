// SPDX-License-Identifier: GPL-3.0-or-later
// What the pages and sheets share to show and read the document's values:
// texts between the model's UTF-8 and Qt, multi-line texts with their
// Windows line ends, masked edits for dates, postal codes and telephones.
#pragma once

#include "core/dates.h"

#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <algorithm>
#include <string>

class QToolBar;
class QToolButton;

namespace tramonta {

class TCompte;

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string S(const QString& s) {
    return s.toStdString();
}

// Multi-line texts keep Windows line ends in the document. A lone CR ends a
// line in an editor too: mapping it here keeps the text that the editor
// gives back equal to the one shown, so passing through a field rewrites
// nothing.
inline QString VersAffichage(const std::string& s) {
    return Q(s).replace("\r\n", "\n").replace('\r', '\n');
}
inline std::string VersDocument(const QString& s) {
    QString t = s;
    return S(t.replace('\n', "\r\n"));
}

template <class W, class N> W* Nomme(W* w, const N& nom) {
    w->setObjectName(nom);
    return w;
}

// A push button named for the tests, with its hint as tooltip when it has one.
inline QPushButton* Bouton(const char* nom, const QString& texte, QWidget* parent,
                           const QString& bulle = {}) {
    auto* b = Nomme(new QPushButton(texte, parent), nom);
    if (!bulle.isEmpty())
        b->setToolTip(bulle);
    return b;
}

// The same for the buttons of a dialog whose Enter belongs to one default
// button: these never take it over when they get the focus.
inline QPushButton* BoutonSansDefaut(const char* nom, const QString& texte, QWidget* parent,
                                     const QString& bulle = {}) {
    auto* b = Bouton(nom, texte, parent, bulle);
    b->setAutoDefault(false);
    return b;
}

// An icon button added to a window's toolbar, named for the tests, its hint
// (tooltip, text and accessible name) `bulle`, its picture the resource
// icon `icone`. The previews' buttons take the focus on a click too
// (`Qt::StrongFocus`); the heat table's leave it to the place being typed.
QToolButton* BoutonOutil(QToolBar* barre, const char* nom, const QString& bulle, const QString& icone,
                         Qt::FocusPolicy focus = Qt::StrongFocus);

inline constexpr const char* kMasqueDate = "00/00/0000;_";
inline constexpr const char* kMasqueCodePostal = "00000;_";
inline constexpr const char* kMasqueTelephone = "00-00-00-00-00;_";

inline QLineEdit* EditMasque(QWidget* parent, const char* nom, const char* masque) {
    auto* e = Nomme(new QLineEdit(parent), nom);
    e->setInputMask(masque);
    return e;
}

// A date edit as wide as a date, read by position: an incomplete or invalid
// date gives 0.
inline QLineEdit* EditDate(QWidget* parent, const char* nom) {
    auto* e = EditMasque(parent, nom, kMasqueDate);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance("00/00/00000") + 16);
    return e;
}
inline TDateTime LireDate(const QLineEdit* e) {
    return TexteVersDate(S(e->displayText()));
}
inline void AfficherDate(QLineEdit* e, TDateTime date) {
    if (date == 0)
        e->clear();
    else
        e->setText(Q(DateVersTexte(date)));
}

// A telephone as typed through its mask, blanks for what was not typed;
// empty when no digit was.
inline std::string LireTelephone(const QLineEdit* e) {
    QString t = e->displayText();
    if (!std::any_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); }))
        return {};
    return S(t.replace('_', ' '));
}

// "706 - Cotisations", or the number alone when the account has no title.
QString TexteCompte(const TCompte& compte);

// The season file holds Windows-1252, so that a text with another character
// would change silently at the next save. A field (QLineEdit, QPlainTextEdit)
// whose text it cannot hold is named to the user with those characters and
// the text's nearest storable form (FormeEnregistrable): "Oui" puts that form
// in the field and gives true, "Non" puts the focus back in the field and
// gives false, so that the caller stores nothing. True at once for a text
// that the file can hold, and for a read-only or masked field.
bool ChampEnregistrable(QWidget* champ);
// The same for every editable text field of a window, in their order, up to
// the first refused: what a sheet asks before storing on its "OK".
bool ChampsEnregistrables(QWidget* fenetre);

// Refuses a name that another record of the list bears already: "`sujet`
// existe déjà !" as an error, where `sujet` names the record ("Le compte
// \"512\"").
void SignalerExisteDeja(const std::string& sujet);

} // namespace tramonta
