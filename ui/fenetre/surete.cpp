// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fenetre/surete.h"

#include "core/messages.h"
#include "core/texte.h"
#include "model/exercice.h"
#include "platform/recuperation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace tramonta {

namespace {
std::string DossierUtilisateur() {
    // Where LibreOffice writes its own profile's address; ours names our
    // settings folder, so that neither takes the other's lock for its own.
    return QUrl::fromLocalFile(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .toString()
        .toStdString();
}
} // namespace

TSurete::TSurete(TExercice& exercice, std::function<QString()> fichier, QObject* parent)
    : QObject(parent), exercice_(exercice), fichier_(std::move(fichier)) {
    minuterie_ = new QTimer(this);
    minuterie_->setObjectName("TimerRecuperation");
    minuterie_->setInterval(IntervalleRecuperation() * 1000);
    connect(minuterie_, &QTimer::timeout, this, [this] { EcrireCopie(); });
    minuterie_->start();
}

TSurete::~TSurete() = default;

namespace {
const char* const kDejaOuvert = "Ce fichier est déjà ouvert par %s sur %s depuis le %s.";
}

bool TSurete::AvantOuverture(const QString& chemin) {
    TInfosVerrou infos;
    if (EvaluerVerrou(chemin.toStdString(), &verrou_, &infos) != EtatVerrou::Occupe)
        return true;
    BoutonsMessage boutons{{"Ouvrir &quand même", "&Annuler"}, 1, 1};
    return MessageBoxBoutons(Formater(kDejaOuvert, {infos.NomAffiche(), infos.machine, infos.DateAffichee()}),
                             "Question", MB_ICONWARNING, boutons) == 0;
}

bool TSurete::AvantEcritureSous(const QString& chemin) {
    TInfosVerrou infos;
    if (EvaluerVerrou(chemin.toStdString(), &verrou_, &infos) != EtatVerrou::Occupe)
        return true;
    // The other officer's next save would find the file changed under him
    // and ask; replacing it is a deliberate choice all the same.
    BoutonsMessage boutons{{"É&craser quand même", "&Annuler"}, 1, 1};
    return MessageBoxBoutons(Formater(std::string(kDejaOuvert) + " L'écraser ?",
                                      {infos.NomAffiche(), infos.machine, infos.DateAffichee()}),
                             "Question", MB_ICONWARNING, boutons) == 0;
}

void TSurete::PrendreVerrou(const QString& chemin) {
    if (verrou_.Document() != chemin.toStdString())
        verrou_.Prendre(chemin.toStdString(), DossierUtilisateur());
}

void TSurete::Ouvert(const QString& chemin, const TEmpreinte& empreinte) {
    PrendreVerrou(chemin);
    empreinte_ = empreinte;
    OublierCopie();
}

void TSurete::Ferme() {
    verrou_.Liberer();
    empreinte_ = {};
    OublierCopie();
}

void TSurete::Quitter() {
    Ferme();
}

TSurete::Ecriture TSurete::AvantEcriture(const QString& chemin) {
    if (!ChangeDepuis(empreinte_, chemin.toStdString()))
        return Ecriture::Ecraser;
    BoutonsMessage boutons{{"É&craser", "&Enregistrer sous...", "&Annuler"}, 2, 2};
    switch (MessageBoxBoutons("Le fichier a été modifié par ailleurs depuis son ouverture. L'écraser ?",
                              "Question", MB_ICONWARNING, boutons)) {
    case 0:
        return Ecriture::Ecraser;
    case 1:
        return Ecriture::EnregistrerSous;
    default:
        return Ecriture::Annuler;
    }
}

void TSurete::Ecrit(const QString& chemin, const TEmpreinte& empreinte) {
    if (verrou_.Document() != chemin.toStdString())
        PrendreVerrou(chemin);
    empreinte_ = empreinte;
    OublierCopie();
}

void TSurete::OublierCopie() {
    // The copy is written in one go on this thread, so no save can come in
    // between; a nested event loop would be a fault here.
    Q_ASSERT(!ecritureCopie_);
    TRecuperation::Supprimer();
}

bool TSurete::EcrireCopie() {
    if (ecritureCopie_ || !exercice_.IsModified())
        return false;
    ecritureCopie_ = true;
    // A copy that cannot be written is not worth a box every two minutes:
    // the document stays modified and the next turn tries again.
    const bool ecrit = TRecuperation::Ecrire(exercice_, fichier_(), empreinte_);
    ecritureCopie_ = false;
    return ecrit;
}

int TSurete::DemanderRecuperation(const QString& original, double date, bool originalExiste) {
    BoutonsMessage boutons;
    boutons.textes = {"&Récupérer"};
    if (originalExiste)
        boutons.textes.push_back("&Ouvrir l'enregistré");
    boutons.textes.push_back("&Ignorer");
    boutons.defaut = 0;
    boutons.echap = -1; // deleting the copy takes a deliberate choice
    const std::string nom = original.isEmpty() ? std::string("un exercice jamais enregistré")
                                               : QDir::toNativeSeparators(original).toStdString();
    const int choix =
        MessageBoxBoutons(Formater("Tramonta s'est fermé de façon inattendue. Une copie de récupération de "
                                   "l'exercice a été conservée.\n\nFichier : %s\nCopie du %s",
                                   {nom, DateHeureVersTexte(date)}),
                          "Récupération", MB_ICONWARNING, boutons);
    // Without "Ouvrir l'enregistré", "Ignorer" is the second button.
    return !originalExiste && choix == 1 ? 2 : choix;
}

TSurete::Recuperation TSurete::ProposerRecuperation() {
    Recuperation r;
    TRecuperation::OublierMisesDeCote();
    for (const TCopieRecuperation& copie : TRecuperation::Abandonnees()) {
        if (!copie.lisible) {
            MessageBoxTexte(
                "La copie de récupération laissée par Tramonta est illisible : elle est mise de côté.",
                "Erreur", MB_OK | MB_ICONERROR);
            TRecuperation::MettreDeCote(copie);
            continue;
        }
        const bool original = !copie.original.isEmpty() && QFileInfo::exists(copie.original);
        const int choix = DemanderRecuperation(copie.original, copie.date, original);
        if (choix == 0 || choix < 0) {
            if (!TRecuperation::Charger(copie, exercice_)) {
                MessageBoxTexte("Impossible de lire l'exercice !", "Erreur", MB_OK | MB_ICONERROR);
                continue;
            }
            // The copy holds the whole season: no more to be seen without its
            // password than the file itself. Refused, the copy stays for
            // whoever knows it.
            if (!exercice_.VerifierMotPasse(DemanderMotPasse)) {
                exercice_.Clear();
                MessageBoxTexte("Mot de passe incorrect !", "Erreur", MB_OK | MB_ICONERROR);
                r.choix = Recuperation::Refusee;
                return r;
            }
            // Bound to the original, so that a save writes it there; it
            // stays modified until then.
            exercice_.Modified = true;
            TRecuperation::Adopter(copie);
            empreinte_ = copie.empreinte;
            if (!copie.original.isEmpty()) {
                const EtatVerrou e = EvaluerVerrou(copie.original.toStdString(), &verrou_);
                if (e != EtatVerrou::Occupe)
                    PrendreVerrou(copie.original);
            }
            r.choix = Recuperation::Recuperee;
            r.chemin = copie.original;
            return r;
        }
        QFile::remove(copie.fichier);
        if (choix == 1) {
            r.choix = Recuperation::OuvrirEnregistre;
            r.chemin = copie.original;
            return r;
        }
    }
    return r;
}

} // namespace tramonta
