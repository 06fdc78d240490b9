// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/choix_fichier.h"

#include <QFileDialog>
#include <QFileInfo>

namespace tramonta {

namespace {
ScriptFichiers*& Script() {
    static ScriptFichiers* s = nullptr;
    return s;
}
} // namespace

ScriptFichiers::ScriptFichiers() {
    Script() = this;
}
ScriptFichiers::~ScriptFichiers() {
    Script() = nullptr;
}

std::optional<QString> ChoisirFichier(QWidget* parent, const DemandeFichier& demande) {
    if (ScriptFichiers* s = Script()) {
        s->demandes_.push_back(demande);
        if (s->reponses_.empty())
            return std::nullopt;
        auto r = s->reponses_.front();
        s->reponses_.pop_front();
        return r;
    }
    const bool ouvrir = demande.sens == DemandeFichier::Sens::Ouvrir;
    QFileDialog dialogue(parent, demande.titre);
    dialogue.setNameFilters(demande.filtre.split(";;"));
    dialogue.setDefaultSuffix(demande.suffixe);
    dialogue.setAcceptMode(ouvrir ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialogue.setFileMode(ouvrir ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!demande.initial.isEmpty()) {
        const QFileInfo info(demande.initial);
        if (info.isDir()) {
            dialogue.setDirectory(demande.initial);
        } else {
            dialogue.setDirectory(info.absolutePath());
            dialogue.selectFile(info.fileName());
        }
    }
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chemin = dialogue.selectedFiles().constFirst();
    if (!ouvrir && !QFileInfo(chemin).absoluteDir().exists())
        return std::nullopt;
    return chemin;
}

} // namespace tramonta
