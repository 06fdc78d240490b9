// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programmes.h"

#include "platform/reglages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <map>
#include <memory>
#include <utility>

#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tramonta {

namespace {
LanceurProgrammes& Courant() {
    static LanceurProgrammes l;
    return l;
}

// The programs started so far, by path, with how to know that each still runs.
std::map<QString, ProgrammeEnCours>& Lances() {
    static std::map<QString, ProgrammeEnCours> lances;
    return lances;
}

// The state letter and the start time of a process, from /proc; empty when
// there is no such process.
std::pair<QByteArray, QByteArray> EtatProcessus(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray ligne = stat.readAll();
    // After the name between parentheses: the state, then the fields from
    // the fourth; the start time is the 22nd.
    const qsizetype fin = ligne.lastIndexOf(')');
    if (fin < 0)
        return {};
    const QList<QByteArray> champs = ligne.mid(fin + 2).split(' ');
    return champs.size() > 19 ? std::pair{champs[0], champs[19]} : std::pair<QByteArray, QByteArray>{};
}

// Started apart, so that it outlives this program. The process is watched
// through a pidfd, which names that process and no other even once its
// number is reused; where the system gives none, through its start time.
ProgrammeEnCours LancerApart(const QString& chemin) {
    qint64 pid = 0;
    if (!QProcess::startDetached(chemin, {}, {}, &pid) || pid <= 0)
        return {};
    const int fd = static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
    const int erreur = errno;
    if (fd >= 0) {
        auto descripteur = std::shared_ptr<int>(new int(fd), [](int* d) {
            ::close(*d);
            delete d;
        });
        return [descripteur] {
            pollfd p{*descripteur, POLLIN, 0};
            // Readable once the process has ended.
            return ::poll(&p, 1, 0) == 0;
        };
    }
    const auto depart = EtatProcessus(pid).second;
    if (erreur == ESRCH || depart.isEmpty())
        return [] { return false; };
    return [pid, depart] {
        const auto [etat, debut] = EtatProcessus(pid);
        return debut == depart && etat != "Z" && etat != "X";
    };
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
    auto& lances = Lances();
    if (const auto it = lances.find(chemin); it != lances.end() && it->second && it->second())
        return true;
    ProgrammeEnCours enCours = Courant() ? Courant()(chemin) : LancerApart(chemin);
    if (!enCours) {
        lances.erase(chemin);
        return false;
    }
    lances[chemin] = std::move(enCours);
    return true;
}

LanceurProgrammes DefinirLanceurProgrammes(LanceurProgrammes lanceur) {
    LanceurProgrammes ancien = std::move(Courant());
    Courant() = std::move(lanceur);
    Lances().clear();
    return ancien;
}

} // namespace tramonta
