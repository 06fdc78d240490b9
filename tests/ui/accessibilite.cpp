// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibilite.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>
#include <QWidget>

#include <algorithm>

namespace tramonta::test {

namespace {
QString SansEsperluette(QString texte) {
    texte.remove(QRegularExpression("&(?!&)"));
    return texte.trimmed();
}

bool EstSaisie(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
           (qobject_cast<const QAbstractSlider*>(w) && !qobject_cast<const QScrollBar*>(w));
}

// Inside another control: the combo box's edit, the spin box's edit, the
// widgets of a list's viewport.
bool DansUnControle(const QWidget* w, const QWidget& fenetre) {
    for (const QWidget* p = w->parentWidget(); p && p != &fenetre; p = p->parentWidget())
        if (EstSaisie(p) || qobject_cast<const QAbstractButton*>(p) || qobject_cast<const QTabBar*>(p))
            return true;
    return false;
}

QString Nom(const QWidget* w) {
    const QString nom = w->objectName().isEmpty() ? QStringLiteral("<sans nom d'objet>") : w->objectName();
    return nom + " (" + w->metaObject()->className() + ")";
}
} // namespace

QStringList ControlesSansNom(const QWidget& fenetre) {
    QSet<const QWidget*> avecEtiquette;
    for (const QLabel* l : fenetre.findChildren<QLabel*>())
        if (l->buddy() && !SansEsperluette(l->text()).isEmpty())
            avecEtiquette.insert(l->buddy());

    QStringList manques;
    for (const QWidget* w : fenetre.findChildren<QWidget*>()) {
        // A window of its own (a dialog the window owns, a menu) is checked
        // on its own.
        if (w->window() != fenetre.window() || w->focusPolicy() == Qt::NoFocus || DansUnControle(w, fenetre))
            continue;
        const QString nomAccessible = w->accessibleName().trimmed();
        if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            const auto* outil = qobject_cast<const QToolButton*>(w);
            // A text without a letter or a digit ("...") says no more than
            // an icon.
            const QString texte = SansEsperluette(b->text());
            const bool icone =
                std::none_of(texte.begin(), texte.end(), [](QChar c) { return c.isLetterOrNumber(); }) ||
                (outil && outil->toolButtonStyle() == Qt::ToolButtonIconOnly);
            QAccessibleInterface* ia = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w));
            const QString dit = ia ? ia->text(QAccessible::Name).trimmed() : QString();
            const QString decrit = ia ? ia->text(QAccessible::Description) : QString();
            if (icone && b->toolTip().isEmpty())
                manques << Nom(w) + " : bouton à icône sans bulle d'aide";
            else if (icone && dit != b->toolTip())
                manques << Nom(w) + " : nom accessible différent de la bulle « " + b->toolTip() + " »";
            else if (!icone && dit != SansEsperluette(b->text()))
                manques << Nom(w) + " : nom accessible « " + dit + " » différent du texte affiché";
            else if (!icone && !b->toolTip().isEmpty() && decrit != b->toolTip())
                manques << Nom(w) + " : description différente de la bulle « " + b->toolTip() + " »";
        } else if (EstSaisie(w)) {
            if (nomAccessible.isEmpty() && !avecEtiquette.contains(w))
                manques << Nom(w) + " : ni étiquette (buddy) ni nom accessible";
        }
    }
    return manques;
}

namespace {
// The Alt+letter that `texte` gives, or 0.
int Lettre(const QString& texte) {
    const QKeySequence sequence = QKeySequence::mnemonic(texte);
    return sequence.isEmpty() ? 0 : sequence[0].key();
}
} // namespace

QStringList RaccourcisEnDouble(const QWidget& fenetre) {
    const QWidget* racine = fenetre.window();
    // Shown with the window: neither hidden itself nor inside something
    // hidden, up to the window.
    const auto visible = [racine](const QWidget* w) { return w == racine || w->isVisibleTo(racine); };
    QMap<int, QStringList> usages;
    const auto noter = [&](const QString& texte, const QObject* o) {
        if (const int l = Lettre(texte))
            usages[l] << "« " + texte + " » (" +
                             (o->objectName().isEmpty() ? QString(o->metaObject()->className())
                                                        : o->objectName()) +
                             ")";
    };
    for (const QWidget* w : racine->findChildren<QWidget*>()) {
        if (w->window() != racine || !visible(w))
            continue;
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            if (l->buddy())
                noter(l->text(), l);
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            noter(b->text(), b);
        } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
            noter(g->title(), g);
        } else if (const auto* t = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i)
                if (t->isTabVisible(i))
                    noter(t->tabText(i), t);
        } else if (const auto* m = qobject_cast<const QMenuBar*>(w)) {
            for (const QAction* a : m->actions())
                if (a->isVisible() && !a->isSeparator())
                    noter(a->text(), a->menu() ? static_cast<const QObject*>(a->menu()) : a);
        }
    }
    QStringList doubles;
    for (auto it = usages.cbegin(); it != usages.cend(); ++it)
        if (it->size() > 1)
            doubles << "Alt+" + QKeySequence(it.key()).toString() + " : " + it->join(", ");
    return doubles;
}

} // namespace tramonta::test
