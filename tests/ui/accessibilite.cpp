// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibilite.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>
#include <QWidget>

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
            const bool icone = SansEsperluette(b->text()).isEmpty() ||
                               (outil && outil->toolButtonStyle() == Qt::ToolButtonIconOnly);
            if (icone && b->toolTip().isEmpty())
                manques << Nom(w) + " : bouton à icône sans bulle d'aide";
            else if ((icone || (outil && !b->toolTip().isEmpty())) && nomAccessible != b->toolTip())
                manques << Nom(w) + " : nom accessible différent de la bulle « " + b->toolTip() + " »";
        } else if (EstSaisie(w)) {
            if (nomAccessible.isEmpty() && !avecEtiquette.contains(w))
                manques << Nom(w) + " : ni étiquette (buddy) ni nom accessible";
        }
    }
    return manques;
}

} // namespace tramonta::test
