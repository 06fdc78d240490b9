// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/recuperation.h"

#include "core/fichier.h"
#include "core/verrou.h"
#include "model/exercice.h"
#include "platform/reglages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tramonta {

namespace {
const char* const kSignatureCopie = "RecuperationTramonta";
constexpr int kVersionCopie = 1;

QString NomDe(const TProcessus& p) {
    return QString::fromStdString(NomMachine()) + QStringLiteral("-%1-%2.trm").arg(p.pid).arg(p.debut);
}

void EcrireEntete(TWriter& w, const QString& original, const TEmpreinte& e) {
    w.WriteInteger(kVersionCopie);
    w.WriteString(kSignatureCopie);
    w.WriteString(original.toStdString());
    w.WriteFloat(Maintenant());
    w.WriteBoolean(e.connue);
    // Sizes and times do not fit the stream's 32-bit integers.
    w.WriteString(std::to_string(e.taille));
    w.WriteString(std::to_string(e.modification));
    w.WriteString(std::to_string(e.hachage));
}

void LireEntete(TReader& r, TCopieRecuperation& c) {
    if (r.ReadInteger() < 1 || r.ReadString() != kSignatureCopie)
        throw EReadError("pas une copie de récupération");
    c.original = QString::fromStdString(r.ReadString());
    c.date = r.ReadFloat();
    c.empreinte.connue = r.ReadBoolean();
    try {
        c.empreinte.taille = std::stoll(r.ReadString());
        c.empreinte.modification = std::stoll(r.ReadString());
        c.empreinte.hachage = std::stoull(r.ReadString());
    } catch (const std::logic_error&) {
        throw EReadError("empreinte illisible");
    }
}

// The folder of the copies, made or tightened to the user's alone; false
// when it is not a folder of the user's (a link, another user's).
bool PreparerDossier() {
    const QString dossier = TRecuperation::Dossier();
    if (!QDir().mkpath(QFileInfo(dossier).path()))
        return false;
    const QByteArray chemin = QFile::encodeName(dossier);
    if (::mkdir(chemin.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st {};
    if (::lstat(chemin.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    return (st.st_mode & 077) == 0 || ::chmod(chemin.constData(), 0700) == 0;
}
} // namespace

int IntervalleRecuperation() {
    bool ok = false;
    const int n = ReadRegString("Recuperation", "Intervalle", "120").trimmed().toInt(&ok);
    return ok && n >= 1 ? n : 120;
}

QString TRecuperation::Dossier() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/recuperation";
}

QString TRecuperation::FichierDeCeProcessus() {
    return Dossier() + '/' + NomDe(ProcessusCourant());
}

bool TRecuperation::Ecrire(TExercice& exercice, const QString& original, const TEmpreinte& empreinte) {
    if (!PreparerDossier())
        return false;
    TEcriture ecriture;
    ecriture.prive = true;
    return EcrireFichier(
        FichierDeCeProcessus().toStdString(),
        [&](TWriter& w) {
            EcrireEntete(w, original, empreinte);
            exercice.SaveCopie(w);
        },
        &ecriture);
}

void TRecuperation::Supprimer() {
    QFile::remove(FichierDeCeProcessus());
}

std::vector<TCopieRecuperation> TRecuperation::Abandonnees() {
    std::vector<TCopieRecuperation> copies;
    // A folder left open by an older run is closed before anything is read.
    if (!PreparerDossier())
        return copies;
    const QString machine = QString::fromStdString(NomMachine());
    const QDir dossier(Dossier());
    for (const QString& nom : dossier.entryList({"*.trm"}, QDir::Files)) {
        // "machine-pid-start.trm": the machine's name may hold dashes.
        const QStringList parties = nom.chopped(4).split('-');
        if (parties.size() < 3)
            continue;
        if (parties.mid(0, parties.size() - 2).join('-') != machine)
            continue; // another machine's run, on a shared home folder
        bool ok1 = false, ok2 = false;
        const TProcessus p{parties[parties.size() - 2].toLong(&ok1),
                           parties[parties.size() - 1].toULongLong(&ok2)};
        if (!ok1 || !ok2 || ProcessusVivant(p))
            continue;
        TCopieRecuperation c;
        c.fichier = dossier.filePath(nom);
        TExercice essai;
        c.lisible = LireFichier(c.fichier.toStdString(), [&](TReader& r) {
                        LireEntete(r, c);
                        essai.Load(r);
                    }) == ResultatLecture::Ok;
        copies.push_back(c);
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const auto& a, const auto& b) { return a.date > b.date; });
    return copies;
}

bool TRecuperation::Charger(const TCopieRecuperation& copie, TExercice& exercice) {
    exercice.Clear();
    TCopieRecuperation lue;
    if (LireFichier(copie.fichier.toStdString(), [&](TReader& r) {
            LireEntete(r, lue);
            exercice.Load(r);
        }) == ResultatLecture::Ok)
        return true;
    exercice.Clear();
    return false;
}

void TRecuperation::MettreDeCote(const TCopieRecuperation& copie) {
    const QString cote = copie.fichier + ".illisible";
    QFile::remove(cote);
    if (!QFile::rename(copie.fichier, cote)) {
        QFile::remove(copie.fichier);
        return;
    }
    // Its time is now the day it was set aside, which its removal counts from.
    const QByteArray chemin = QFile::encodeName(cote);
    ::utimensat(AT_FDCWD, chemin.constData(), nullptr, AT_SYMLINK_NOFOLLOW);
    ::chmod(chemin.constData(), 0600);
}

void TRecuperation::OublierMisesDeCote() {
    const QDir dossier(Dossier());
    const std::int64_t limite = static_cast<std::int64_t>(::time(nullptr)) - kJoursMiseDeCote * 86400LL;
    for (const QString& nom : dossier.entryList({"*.illisible"}, QDir::Files | QDir::Hidden | QDir::System)) {
        const QByteArray chemin = QFile::encodeName(dossier.filePath(nom));
        struct stat st {};
        if (::lstat(chemin.constData(), &st) == 0 && static_cast<std::int64_t>(st.st_mtime) < limite)
            ::unlink(chemin.constData());
    }
}

void TRecuperation::Adopter(const TCopieRecuperation& copie) {
    const QString cible = FichierDeCeProcessus();
    if (copie.fichier == cible)
        return;
    QFile::remove(cible);
    QFile::rename(copie.fichier, cible);
}

} // namespace tramonta
