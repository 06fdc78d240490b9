// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/traitement_texte_libreoffice.h"

#include "pilote_libreoffice_texte.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <utility>

#include <sys/prctl.h>
#include <unistd.h>

namespace tramonta {

namespace {

FabriqueTraitementTexte& Fabrique() {
    static FabriqueTraitementTexte fabrique;
    return fabrique;
}

// A program of the path, found only in its absolute folders: a "." or an
// empty entry would run whatever lies in the current folder under that name.
QString Executable(const QString& nom) {
    QStringList dossiers;
    for (const QString& d : qEnvironmentVariable("PATH").split(':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(d))
            dossiers << d;
    return dossiers.isEmpty() ? QString() : QStandardPaths::findExecutable(nom, dossiers);
}

// python3-uno belongs to the system's Python, which a Python of the user's
// own earlier in the path would not see.
QString Python() {
    if (QFile::exists("/usr/bin/python3"))
        return "/usr/bin/python3";
    return Executable("python3");
}

// How long a cancelled call may still take to answer: the copy under way
// ends normally when LibreOffice answers, and is cut off when it is stuck.
constexpr int kDelaiAnnulationMs = 2000;

} // namespace

FabriqueTraitementTexte DefinirFabriqueTraitementTexte(FabriqueTraitementTexte fabrique) {
    return std::exchange(Fabrique(), std::move(fabrique));
}

std::unique_ptr<TTraitementTexte> CreerTraitementTexte() {
    if (Fabrique())
        return Fabrique()();
    return std::make_unique<TTraitementTexteLibreOffice>();
}

TTraitementTexteLibreOffice::TTraitementTexteLibreOffice(QString dossierCopies, QString suffixeCopies)
    : dossierCopies_(std::move(dossierCopies)), suffixeCopies_(std::move(suffixeCopies)) {}

TTraitementTexteLibreOffice::~TTraitementTexteLibreOffice() {
    Arreter();
}

QString TTraitementTexteLibreOffice::Soffice() {
    for (const char* nom : {"soffice", "libreoffice"}) {
        const QString chemin = Executable(nom);
        if (!chemin.isEmpty())
            return chemin;
    }
    return {};
}

void TTraitementTexteLibreOffice::Attacher(bool nouvelleInstance) {
    Arreter();
    const QString soffice = Soffice();
    if (soffice.isEmpty())
        throw TErreurTraitementTexte("LibreOffice n'est pas installé");
    if (!nouvelleInstance) {
        // The user's LibreOffice takes the letter itself when it opens.
        visible_ = true;
        return;
    }
    visible_ = false;
    const QString python = Python();
    if (python.isEmpty())
        throw TErreurTraitementTexte("python3 n'est pas installé");
    // One private folder (0700) for the run: the driver's file alone in its
    // own folder, which is also the working folder (Python looks for modules
    // beside the script it runs), and LibreOffice's profile.
    profil_ = std::make_unique<QTemporaryDir>(QDir::temp().filePath("tramonta-libreoffice-XXXXXX"));
    const QDir prive(profil_->path());
    if (!profil_->isValid() || !prive.mkdir("pilote") || !prive.mkdir("profil"))
        throw TErreurTraitementTexte("dossier de profil impossible à créer");
    const QString script = prive.filePath("pilote/pilote_libreoffice.py");
    QSaveFile fichier(script);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(kPiloteLibreOffice) < 0 || !fichier.commit())
        throw TErreurTraitementTexte("pilote de LibreOffice impossible à écrire");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner);

    pilote_ = std::make_unique<QProcess>();
    pilote_->setProcessChannelMode(QProcess::SeparateChannels);
    pilote_->setStandardErrorFile(QProcess::nullDevice());
    pilote_->setWorkingDirectory(prive.filePath("pilote"));
    // A process group of its own, which LibreOffice joins, so that stopping
    // the group stops everything the driver started; and the driver is told
    // when the program ends, however it ends.
    pilote_->setChildProcessModifier([] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    // The group outlives the driver when the driver alone is killed:
    // LibreOffice goes as soon as the driver is seen gone.
    QObject::connect(pilote_.get(), &QProcess::finished, pilote_.get(), [this] { TuerGroupe(); });
    pilote_->start(python, {"-I", script, prive.filePath("profil"), soffice});
    if (!pilote_->waitForStarted(30000)) {
        Arreter();
        throw TErreurTraitementTexte("python3 ne démarre pas");
    }
    groupe_ = static_cast<int>(pilote_->processId());
    // The first answer comes once LibreOffice listens on its pipe.
    Demander(QJsonObject(), 120000);
}

void TTraitementTexteLibreOffice::Montrer() {
    if (!visible_ && !pilote_)
        throw TErreurTraitementTexte("LibreOffice n'est pas attaché");
}

void TTraitementTexteLibreOffice::Ouvrir(const std::string& fichier) {
    if (visible_) {
        if (!QProcess::startDetached(Soffice(), {QString::fromStdString(fichier)}))
            throw TErreurTraitementTexte("LibreOffice ne démarre pas");
        return;
    }
    const QJsonObject reponse = Demander({{"op", "ouvrir"}, {"fichier", QString::fromStdString(fichier)}});
    mots_.clear();
    for (const QJsonValue& mot : reponse.value("mots").toArray())
        mots_.push_back(mot.toString().toStdString());
}

int TTraitementTexteLibreOffice::NombreMots() {
    return static_cast<int>(mots_.size());
}

std::string TTraitementTexteLibreOffice::TexteMot(int index) {
    if (index < 1 || index > NombreMots())
        throw TErreurTraitementTexte("mot " + std::to_string(index) + " inexistant");
    return mots_[static_cast<std::size_t>(index - 1)];
}

void TTraitementTexteLibreOffice::EcrireMot(int index, const std::string& texte) {
    TexteMot(index);
    Demander({{"op", "ecrire"}, {"index", index}, {"texte", QString::fromStdString(texte)}});
    mots_[static_cast<std::size_t>(index - 1)] = texte;
}

void TTraitementTexteLibreOffice::Imprimer() {
    QJsonObject demande{{"op", "imprimer"}};
    if (!dossierCopies_.isEmpty()) {
        const QString nom =
            QString("copie-%1.%2").arg(copies_.size() + 1, 3, 10, QChar('0')).arg(suffixeCopies_);
        const QString chemin = QDir(dossierCopies_).filePath(nom);
        demande.insert("fichier", chemin);
        Demander(demande);
        copies_.push_back(chemin);
        return;
    }
    Demander(demande);
}

// The driver prints with LibreOffice's own wait, so nothing is pending once
// Imprimer came back.
int TTraitementTexteLibreOffice::ImpressionEnCours() {
    if (!pilote_)
        throw TErreurTraitementTexte("LibreOffice n'est pas attaché");
    return 0;
}

void TTraitementTexteLibreOffice::FermerSansEnregistrer() {
    Demander({{"op", "fermer"}});
    mots_.clear();
}

void TTraitementTexteLibreOffice::Quitter() {
    if (pilote_ && pilote_->state() == QProcess::Running) {
        // LibreOffice closes in its own time, even after a cancel.
        const auto annulation = std::exchange(annulation_, nullptr);
        const auto remettre = qScopeGuard([&] { annulation_ = annulation; });
        try {
            Demander({{"op", "quitter"}}, 60000);
        } catch (const TErreurTraitementTexte&) {
            // Arreter below ends it all the same.
        }
    }
    Arreter();
    visible_ = false;
}

void TTraitementTexteLibreOffice::TuerGroupe() {
    if (groupe_ > 0) {
        ::kill(-groupe_, SIGKILL);
        groupe_ = 0;
    }
}

void TTraitementTexteLibreOffice::Arreter(bool attendre) {
    if (pilote_) {
        if (pilote_->state() != QProcess::NotRunning) {
            // End of input makes the driver close LibreOffice and leave.
            pilote_->closeWriteChannel();
            if (attendre)
                Attendre([this] { return pilote_->state() == QProcess::NotRunning; }, 30000);
        }
        // Whatever is left of the group: a LibreOffice that did not close,
        // or the driver itself.
        TuerGroupe();
        if (pilote_->state() != QProcess::NotRunning) {
            pilote_->kill();
            pilote_->waitForFinished(5000);
        }
        pilote_->disconnect();
        pilote_.reset();
    }
    profil_.reset();
    mots_.clear();
}

bool TTraitementTexteLibreOffice::Attendre(const std::function<bool()>& fini, int delaiMs, bool annulable) {
    QElapsedTimer ecoule;
    ecoule.start();
    qint64 annuleA = -1;
    while (!fini()) {
        if (ecoule.elapsed() >= delaiMs)
            return false;
        if (QCoreApplication::instance()) {
            // The program's events go on, so that the progress window paints
            // and its "Annuler" can be pressed while LibreOffice works.
            QEventLoop boucle;
            QTimer::singleShot(50, &boucle, &QEventLoop::quit);
            QObject::connect(pilote_.get(), &QProcess::readyReadStandardOutput, &boucle, &QEventLoop::quit);
            QObject::connect(pilote_.get(), &QProcess::finished, &boucle, &QEventLoop::quit);
            boucle.exec();
        } else {
            pilote_->waitForReadyRead(50);
        }
        if (annulable && annuleA < 0 && annulation_ && annulation_())
            annuleA = ecoule.elapsed();
        if (annuleA >= 0 && !fini() && ecoule.elapsed() - annuleA >= kDelaiAnnulationMs) {
            Arreter(false);
            throw TAnnulationTraitementTexte("publipostage annulé");
        }
    }
    return true;
}

QJsonObject TTraitementTexteLibreOffice::Demander(const QJsonObject& demande, int delaiMs) {
    if (!pilote_ || pilote_->state() != QProcess::Running)
        throw TErreurTraitementTexte("LibreOffice n'est pas attaché");
    if (!demande.isEmpty()) {
        pilote_->write(QJsonDocument(demande).toJson(QJsonDocument::Compact) + "\n");
        if (!pilote_->waitForBytesWritten(delaiMs))
            throw TErreurTraitementTexte("LibreOffice ne reçoit pas la demande");
    }
    const bool repondu = Attendre(
        [this] { return pilote_->canReadLine() || pilote_->state() != QProcess::Running; }, delaiMs, true);
    if (!repondu || !pilote_->canReadLine()) {
        // Stuck, or gone: nothing of it stays behind.
        Arreter(false);
        throw TErreurTraitementTexte("LibreOffice ne répond pas");
    }
    QJsonParseError erreur{};
    const QJsonObject reponse = QJsonDocument::fromJson(pilote_->readLine(), &erreur).object();
    if (erreur.error != QJsonParseError::NoError)
        throw TErreurTraitementTexte("réponse illisible de LibreOffice");
    if (!reponse.value("ok").toBool())
        throw TErreurTraitementTexte(reponse.value("erreur").toString().toStdString());
    return reponse;
}

} // namespace tramonta
