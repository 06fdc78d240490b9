// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programmes.h"

#include "platform/reglages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace tramonta {

namespace {
LanceurProgrammes& Courant() {
    static LanceurProgrammes l;
    return l;
}
} // namespace

QString TrouverCalculette() {
    static const char* const kCalculettes[] = {"gnome-calculator", "kcalc",        "mate-calc", "galculator",
                                               "qalculate-gtk",    "qalculate-qt", "xcalc"};
    for (const char* nom : kCalculettes) {
        const QString chemin = QStandardPaths::findExecutable(nom);
        if (!chemin.isEmpty())
            return chemin;
    }
    return {};
}

QString TrouverConvertisseurEuro() {
    const QString nom = ReadRegString("Comptabilité", "Convertisseur", "convertisseur-euro");
    if (nom.isEmpty())
        return {};
    const QFileInfo f(QDir(QCoreApplication::applicationDirPath()).filePath(nom));
    return f.isFile() && f.isExecutable() ? f.absoluteFilePath() : QString();
}

bool LancerProgramme(const QString& chemin) {
    if (Courant())
        return Courant()(chemin);
    return QProcess::startDetached(chemin, {});
}

LanceurProgrammes DefinirLanceurProgrammes(LanceurProgrammes lanceur) {
    LanceurProgrammes ancien = std::move(Courant());
    Courant() = std::move(lanceur);
    return ancien;
}

} // namespace tramonta
