// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/boite_message.h"

#include "core/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tramonta {

namespace {
// The caption, the text and the icon, alike for every box of the program.
void Preparer(QMessageBox& boite, const std::string& texte, const std::string& titre, int drapeaux) {
    boite.setWindowTitle(QString::fromStdString(titre));
    // Messages break their lines the Windows way, in either order of the two
    // bytes; they show as plain text, whatever a typed label holds.
    QString t = QString::fromStdString(texte);
    t.replace("\r\n", "\n").replace("\n\r", "\n").replace('\r', '\n');
    boite.setTextFormat(Qt::PlainText);
    boite.setText(t);
    switch (drapeaux & 0xF0) {
    case MB_ICONERROR:
        boite.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        boite.setIcon(QMessageBox::Question);
        break;
    case MB_ICONWARNING:
        boite.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONINFORMATION:
        boite.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
}

int AfficherQt(const std::string& texte, const std::string& titre, int drapeaux) {
    QMessageBox boite(QApplication::activeWindow());
    Preparer(boite, texte, titre, drapeaux);
    switch (drapeaux & 0x0F) {
    case MB_YESNO:
        boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        boite.setDefaultButton(QMessageBox::Yes);
        break;
    case MB_YESNOCANCEL:
        boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        boite.setDefaultButton(QMessageBox::Yes);
        boite.setEscapeButton(QMessageBox::Cancel);
        break;
    case MB_OKCANCEL:
        boite.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    default:
        boite.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (boite.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}
int AfficherBoutonsQt(const std::string& texte, const std::string& titre, int drapeaux,
                      const BoutonsMessage& boutons) {
    QMessageBox boite(QApplication::activeWindow());
    boite.setObjectName("BoiteMessage");
    Preparer(boite, texte, titre, drapeaux);
    std::vector<QPushButton*> poussoirs;
    for (const std::string& t : boutons.textes) {
        auto* b = boite.addButton(QString::fromStdString(t), QMessageBox::ActionRole);
        b->setObjectName(QStringLiteral("Bouton%1").arg(poussoirs.size()));
        poussoirs.push_back(b);
    }
    const auto indice = [&](int i) { return i >= 0 && i < int(poussoirs.size()) ? poussoirs[i] : nullptr; };
    if (QPushButton* b = indice(boutons.defaut))
        boite.setDefaultButton(b);
    if (QPushButton* b = indice(boutons.echap))
        boite.setEscapeButton(b);
    boite.exec();
    for (std::size_t i = 0; i < poussoirs.size(); ++i)
        if (boite.clickedButton() == poussoirs[i])
            return static_cast<int>(i);
    return boutons.echap;
}
} // namespace

void InstallerBoiteMessageQt() {
    DefinirGestionnaireMessages(AfficherQt);
    DefinirGestionnaireBoutons(AfficherBoutonsQt);
}

ScriptMessages::ScriptMessages() {
    DefinirGestionnaireMessages(
        [this](const std::string& texte, const std::string& titre, int drapeaux) -> int {
            affiches_.push_back({texte, titre, drapeaux, {}});
            if (reponses_.empty()) {
                const int boutons = drapeaux & 0x0F;
                return boutons == MB_YESNO ? IDNO : boutons ? IDCANCEL : IDOK;
            }
            const auto r = reponses_.front();
            reponses_.pop_front();
            return std::holds_alternative<int>(r) ? std::get<int>(r) : IDCANCEL;
        });
    DefinirGestionnaireBoutons([this](const std::string& texte, const std::string& titre, int drapeaux,
                                      const BoutonsMessage& boutons) -> int {
        affiches_.push_back({texte, titre, drapeaux, boutons.textes});
        if (reponses_.empty())
            return boutons.echap;
        const auto r = reponses_.front();
        reponses_.pop_front();
        if (std::holds_alternative<int>(r))
            return std::get<int>(r);
        for (std::size_t i = 0; i < boutons.textes.size(); ++i)
            if (boutons.textes[i] == std::get<std::string>(r))
                return static_cast<int>(i);
        return boutons.echap;
    });
}

ScriptMessages::~ScriptMessages() {
    InstallerBoiteMessageQt();
}

} // namespace tramonta
