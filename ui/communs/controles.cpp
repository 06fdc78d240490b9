// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/communs/controles.h"

#include "core/messages.h"
#include "core/texte.h"
#include "model/comptabilite.h"

#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace tramonta {

QToolButton* BoutonOutil(QToolBar* barre, const char* nom, const QString& bulle, const QString& icone,
                         Qt::FocusPolicy focus) {
    auto* b = Nomme(new QToolButton(barre), nom);
    b->setIcon(QIcon(":/icones/" + icone + ".svg"));
    b->setText(bulle);
    b->setToolTip(bulle);
    b->setAccessibleName(bulle);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setFocusPolicy(focus);
    barre->addWidget(b);
    return b;
}

namespace {

// What the user calls the field: its accessible name, or the label that
// names it.
QString NomChamp(QWidget* champ) {
    QString nom = champ->accessibleName();
    if (nom.isEmpty() && champ->window())
        for (const QLabel* l : champ->window()->findChildren<QLabel*>())
            if (l->buddy() == champ)
                nom = l->text().remove('&').remove(QRegularExpression(" *:$"));
    return nom.isEmpty() ? champ->objectName() : nom;
}

} // namespace

QString TexteCompte(const TCompte& compte) {
    QString texte = Q(compte.Article());
    if (!compte.Intitule().empty())
        texte += " - " + Q(compte.Intitule());
    return texte;
}

} // namespace tramonta

namespace tramonta {

bool ChampEnregistrable(QWidget* champ) {
    auto* ligne = qobject_cast<QLineEdit*>(champ);
    auto* memo = qobject_cast<QPlainTextEdit*>(champ);
    if ((!ligne && !memo) || (ligne && (ligne->isReadOnly() || !ligne->inputMask().isEmpty())) ||
        (memo && memo->isReadOnly()))
        return true;
    const std::string texte = S(ligne ? ligne->text() : memo->toPlainText());
    if (TexteEnregistrable(texte))
        return true;
    std::string caracteres;
    const auto liste = CaracteresNonEnregistrables(texte);
    for (const std::string& c : liste)
        caracteres += (caracteres.empty() ? "« " : ", « ") + c + " »";
    const std::string proche = FormeEnregistrable(texte);
    const std::string message =
        Formater("Champ « %s » : %s %s.\n\nLe remplacer par la forme la plus proche, « %s » ?",
                 {S(NomChamp(champ)), caracteres,
                  liste.size() >= 2 ? "ne peuvent pas être enregistrés" : "ne peut pas être enregistré",
                  TexteCourt(proche, 200)});
    if (MessageBoxTexte(message, "Question", MB_YESNO | MB_ICONQUESTION) == IDYES) {
        if (ligne)
            ligne->setText(Q(proche));
        else
            memo->setPlainText(Q(proche));
        return true;
    }
    // The page of the sheet that holds the field comes forward first.
    for (QWidget* w = champ; w && w->parentWidget(); w = w->parentWidget())
        if (auto* pile = qobject_cast<QStackedWidget*>(w->parentWidget())) {
            if (auto* onglets = qobject_cast<QTabWidget*>(pile->parentWidget()))
                onglets->setCurrentWidget(w);
            else
                pile->setCurrentWidget(w);
        }
    champ->setFocus(Qt::OtherFocusReason);
    if (ligne)
        ligne->selectAll();
    return false;
}

void SignalerExisteDeja(const std::string& sujet) {
    MessageBoxTexte(sujet + " existe déjà !", "Erreur", MB_OK | MB_ICONERROR);
}

bool ChampsEnregistrables(QWidget* fenetre) {
    for (QWidget* champ : fenetre->findChildren<QWidget*>())
        if ((qobject_cast<QLineEdit*>(champ) || qobject_cast<QPlainTextEdit*>(champ)) && champ->isEnabled() &&
            !ChampEnregistrable(champ))
            return false;
    return true;
}

} // namespace tramonta
