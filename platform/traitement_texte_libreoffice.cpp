// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/traitement_texte_libreoffice.h"

#include "pilote_libreoffice_texte.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <utility>

namespace tramonta {

namespace {

FabriqueTraitementTexte& Fabrique() {
    static FabriqueTraitementTexte fabrique;
    return fabrique;
}

// python3-uno belongs to the system's Python, which a Python of the user's
// own earlier in the path would not see.
QString Python() {
    if (QFile::exists("/usr/bin/python3"))
        return "/usr/bin/python3";
    return QStandardPaths::findExecutable("python3");
}

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
        const QString chemin = QStandardPaths::findExecutable(nom);
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
    profil_ = std::make_unique<QTemporaryDir>(QDir::temp().filePath("tramonta-libreoffice-XXXXXX"));
    if (!profil_->isValid())
        throw TErreurTraitementTexte("dossier de profil impossible à créer");
    pilote_ = std::make_unique<QProcess>();
    pilote_->setProcessChannelMode(QProcess::SeparateChannels);
    pilote_->setStandardErrorFile(QProcess::nullDevice());
    pilote_->start(python, {"-c", QString::fromUtf8(kPiloteLibreOffice), profil_->path(), soffice});
    if (!pilote_->waitForStarted(30000)) {
        Arreter();
        throw TErreurTraitementTexte("python3 ne démarre pas");
    }
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
        try {
            Demander({{"op", "quitter"}}, 60000);
        } catch (const TErreurTraitementTexte&) {
            // Arreter below ends it all the same.
        }
    }
    Arreter();
    visible_ = false;
}

void TTraitementTexteLibreOffice::Arreter() {
    if (pilote_) {
        if (pilote_->state() != QProcess::NotRunning) {
            // End of input makes the driver close LibreOffice and leave.
            pilote_->closeWriteChannel();
            if (!pilote_->waitForFinished(30000)) {
                pilote_->kill();
                pilote_->waitForFinished(5000);
            }
        }
        pilote_.reset();
    }
    profil_.reset();
    mots_.clear();
}

QJsonObject TTraitementTexteLibreOffice::Demander(const QJsonObject& demande, int delaiMs) {
    if (!pilote_ || pilote_->state() != QProcess::Running)
        throw TErreurTraitementTexte("LibreOffice n'est pas attaché");
    if (!demande.isEmpty()) {
        pilote_->write(QJsonDocument(demande).toJson(QJsonDocument::Compact) + "\n");
        if (!pilote_->waitForBytesWritten(delaiMs))
            throw TErreurTraitementTexte("LibreOffice ne reçoit pas la demande");
    }
    while (!pilote_->canReadLine()) {
        if (!pilote_->waitForReadyRead(delaiMs)) {
            Arreter();
            throw TErreurTraitementTexte("LibreOffice ne répond pas");
        }
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
