// SPDX-License-Identifier: GPL-3.0-or-later
// Two officers on one season file (the lock beside it, the check before a
// save) and the recovery copy after an unexpected end.
#include "outils_shell.h"

#include "core/empreinte.h"
#include "core/flux.h"
#include "core/messages.h"
#include "core/systeme.h"
#include "core/texte.h"
#include "core/verrou.h"
#include "model/exercice.h"
#include "platform/recuperation.h"
#include "ui/fenetre/fichiers_recents.h"
#include "ui/fenetre/main_fenetre.h"
#include "ui/fenetre/surete.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tramonta {
namespace {

using test::Cliquer;
using test::CreerDocument;
using test::CreerSaisonDemo;
using test::IntituleDe;
using test::ScriptDialogues;
using test::Taper;

const std::string kAvertissement = "Ce fichier est déjà ouvert par %s sur %s depuis le %s.";
const std::string kModifieAilleurs =
    "Le fichier a été modifié par ailleurs depuis son ouverture. L'écraser ?";

mode_t Mode(const QString& chemin) {
    struct stat st {};
    return ::lstat(QFile::encodeName(chemin).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// The competitions as the file writes them, heat tables and places included.
std::vector<std::uint8_t> OctetsCompets(TExercice& e) {
    TMemoryStream flux;
    {
        TWriter w(flux);
        for (int i = 0; i < e.Compets().Count(); ++i)
            e.Compets().Compet(i)->Save(w);
    }
    return flux.Donnees();
}

QByteArray Octets(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

class Surete : public test::TestFenetre {
  protected:
    void SetUp() override {
        test::TestFenetre::SetUp();
        ancien_ = DefinirSourceUtilisateur([this] { return utilisateur_; });
        QDir(TRecuperation::Dossier()).removeRecursively();
    }
    void TearDown() override {
        DefinirSourceUtilisateur(ancien_);
        QDir(TRecuperation::Dossier()).removeRecursively();
    }
    std::unique_ptr<TMain> Demarrer(const QStringList& arguments = {}) {
        auto m = std::make_unique<TMain>(arguments);
        m->show();
        return m;
    }
    static std::string Avertissement(const QString& chemin) {
        const auto i = LireVerrou(chemin.toStdString());
        return i ? Formater(kAvertissement, {i->utilisateur, i->machine, i->DateAffichee()})
                 : "<pas de verrou>";
    }
    static void Deposer(TMain& m, const QString& fichier) {
        auto* donnees = new QMimeData;
        donnees->setUrls({QUrl::fromLocalFile(fichier)});
        QDropEvent depot(QPointF(300, 200), Qt::CopyAction, donnees, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject&>(m).event(&depot);
        delete donnees;
    }
    static void Sauver(TMain& m) { m.findChild<QAction*>("MenuSauverExercice1")->trigger(); }
    // Starts the program on `document`, lets it modify the document and
    // write its copy, and kills it.
    void Tuer(const QString& document) {
        auto s = test::Reglages();
        s.setValue("Recuperation/Intervalle", "1");
        s.sync();
        QProcess programme;
        programme.setProgram(TRAMONTA_ESSAI_PANNE);
        programme.setArguments({document, "Saisi avant la panne"});
        programme.start();
        ASSERT_TRUE(programme.waitForStarted(10000));
        const QString copie = TRecuperation::Dossier();
        bool ecrite = false;
        for (int i = 0; i < 600 && !ecrite; ++i) {
            QThread::msleep(50);
            ecrite = !QDir(copie).entryList({"*.trm"}, QDir::Files).isEmpty();
        }
        ::kill(static_cast<pid_t>(programme.processId()), SIGKILL);
        programme.waitForFinished(10000);
        ASSERT_TRUE(ecrite) << programme.readAllStandardError().toStdString();
        EXPECT_EQ(programme.exitStatus(), QProcess::CrashExit);
    }
    static long PidTermine() {
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(0);
        int etat = 0;
        ::waitpid(pid, &etat, 0);
        return static_cast<long>(pid);
    }
    std::string utilisateur_ = "marie";
    SourceUtilisateur ancien_;
};

// --- The lock -------------------------------------------------------------------

enum class Voie { Menu, Depot, Recent, LigneDeCommande };

std::string NomVoie(const ::testing::TestParamInfo<Voie>& i) {
    const char* noms[] = {"menu", "depot", "recent", "ligne_de_commande"};
    return noms[static_cast<int>(i.param)];
}

class DeuxiemeOuverture : public Surete, public ::testing::WithParamInterface<Voie> {};

TEST_P(DeuxiemeOuverture, AvertitAvecLUtilisateurEtLaMachineDuPremier) {
    const QString a = Chemin("a.trm"), b = Chemin("b.trm");
    CreerDocument(a, "A");
    CreerDocument(b, "B");
    auto premiere = Demarrer({a});
    const std::string avertissement = Avertissement(a);
    EXPECT_NE(avertissement.find("par marie sur " + NomMachine() + " depuis le "), std::string::npos)
        << avertissement;
    utilisateur_ = "paul";

    for (const char* reponse : {"&Annuler", "Ouvrir &quand même"}) {
        std::unique_ptr<TMain> seconde;
        if (GetParam() == Voie::LigneDeCommande) {
            messages_.Repondre(reponse);
            seconde = Demarrer({a});
        } else {
            seconde = Demarrer({b});
            seconde->RecentFileList().AddFile(a);
            seconde->Exercice().SetIntitule("B en cours");
            messages_.Repondre(IDNO); // the save question comes first
            messages_.Repondre(reponse);
            switch (GetParam()) {
            case Voie::Menu:
                fichiers_.Repondre(a);
                seconde->findChild<QAction*>("MenuOuvrirExercice")->trigger();
                break;
            case Voie::Depot:
                Deposer(*seconde, a);
                break;
            default:
                seconde->RecentFileList().Items().at(0)->trigger();
                break;
            }
        }
        ASSERT_FALSE(messages_.Affiches().empty());
        const MessageAffiche& m = messages_.Affiches().back();
        EXPECT_EQ(m.texte, avertissement);
        EXPECT_EQ(m.boutons, (std::vector<std::string>{"Ouvrir &quand même", "&Annuler"}));
        if (std::string(reponse) == "&Annuler") {
            // The current document is left as it was.
            EXPECT_EQ(seconde->FichierCourant(), GetParam() == Voie::LigneDeCommande ? QString() : b);
            EXPECT_EQ(seconde->Exercice().Intitule(),
                      GetParam() == Voie::LigneDeCommande ? "" : "B en cours");
        } else {
            EXPECT_EQ(seconde->FichierCourant(), a);
            EXPECT_EQ(seconde->Exercice().Intitule(), "A");
            EXPECT_EQ(LireVerrou(a.toStdString())->utilisateur, "paul");
        }
        messages_.Oublier();
        seconde->Exercice().Clear();
    }
}

INSTANTIATE_TEST_SUITE_P(Chemins, DeuxiemeOuverture,
                         ::testing::Values(Voie::Menu, Voie::Depot, Voie::Recent, Voie::LigneDeCommande),
                         NomVoie);

TEST_F(Surete, LeMemeUtilisateurDansUneAutreFenetreEstAvertiAussi) {
    const QString a = Chemin("a.trm");
    CreerDocument(a, "A");
    auto premiere = Demarrer({a});
    auto seconde = Demarrer();
    messages_.Repondre("&Annuler");
    seconde->OuvrirExercice(a);
    EXPECT_EQ(Textes(), std::vector<std::string>{Avertissement(a)});
    EXPECT_EQ(seconde->FichierCourant(), "");
    // Opening it again in the window that holds it asks nothing.
    premiere->OuvrirExercice(a);
    EXPECT_EQ(messages_.Affiches().size(), 1u);
}

TEST_F(Surete, LeVerrouDUneCopieTermineeEstReprisSansRienDemander) {
    const QString a = Chemin("a.trm");
    CreerDocument(a, "A");
    const long pid = PidTermine();
    TInfosVerrou ancien;
    ancien.utilisateur = "paul";
    ancien.machine = NomMachine();
    ancien.date = "01.12.2026 09:00";
    ancien.processus = {pid, 1};
    QFile f(QString::fromStdString(CheminVerrou(a.toStdString())));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromStdString(FormerVerrou(ancien)));
    f.close();

    auto m = Demarrer({a});
    EXPECT_TRUE(messages_.Affiches().empty());
    EXPECT_EQ(m->FichierCourant(), a);
    const auto repris = LireVerrou(a.toStdString());
    ASSERT_TRUE(repris.has_value());
    EXPECT_EQ(repris->utilisateur, "marie");
    EXPECT_EQ(repris->processus.pid, static_cast<long>(::getpid()));
}

TEST_F(Surete, UnVerrouImpossibleAEcrireNEmpechePasLOuverture) {
    const QString a = Chemin("a.trm");
    CreerDocument(a, "A");
    // Where the lock goes stands a folder: the lock cannot be written.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(CheminVerrou(a.toStdString()))));
    auto m = Demarrer({a});
    EXPECT_TRUE(messages_.Affiches().empty());
    EXPECT_EQ(m->FichierCourant(), a);
    EXPECT_EQ(m->Exercice().Intitule(), "A");
    m->Exercice().SetIntitule("A modifié");
    Sauver(*m);
    EXPECT_EQ(IntituleDe(a), "A modifié");
}

TEST_F(Surete, LeVerrouSuitLeDocumentEtPartEnQuittant) {
    const QString a = Chemin("a.trm"), c = Chemin("c.trm");
    CreerDocument(a, "A");
    const QString verrouA = QString::fromStdString(CheminVerrou(a.toStdString()));
    const QString verrouC = QString::fromStdString(CheminVerrou(c.toStdString()));
    auto m = Demarrer({a});
    EXPECT_TRUE(QFile::exists(verrouA));
    fichiers_.Repondre(c);
    m->findChild<QAction*>("MenuSauverExerciceSous")->trigger();
    EXPECT_FALSE(QFile::exists(verrouA));
    EXPECT_TRUE(QFile::exists(verrouC));
    m->findChild<QAction*>("MenuNouvelExercice")->trigger();
    EXPECT_FALSE(QFile::exists(verrouC));
    m->OuvrirExercice(a);
    EXPECT_TRUE(QFile::exists(verrouA));
    EXPECT_TRUE(m->close());
    EXPECT_FALSE(QFile::exists(verrouA));
    EXPECT_TRUE(messages_.Affiches().empty());
}

TEST_F(Surete, SauverSousUnFichierOuvertAilleursDemandeAvantDEcraser) {
    const QString a = Chemin("a.trm"), b = Chemin("b.trm");
    CreerDocument(a, "A");
    CreerDocument(b, "B de Paul");
    TInfosVerrou paul;
    paul.utilisateur = "paul";
    paul.machine = "poste-de-paul";
    paul.date = "01.12.2026 09:00";
    QFile f(QString::fromStdString(CheminVerrou(b.toStdString())));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromStdString(FormerVerrou(paul)));
    f.close();
    auto m = Demarrer({a});
    m->Exercice().SetIntitule("Mien");

    fichiers_.Repondre(b);
    messages_.Repondre("&Annuler");
    m->findChild<QAction*>("MenuSauverExerciceSous")->trigger();
    ASSERT_EQ(messages_.Affiches().size(), 1u);
    EXPECT_EQ(messages_.Affiches()[0].texte, Avertissement(b) + " L'écraser ?");
    EXPECT_EQ(messages_.Affiches()[0].boutons, (std::vector<std::string>{"É&craser quand même", "&Annuler"}));
    EXPECT_EQ(IntituleDe(b), "B de Paul");
    EXPECT_EQ(m->FichierCourant(), a);
    EXPECT_TRUE(m->Exercice().IsModified());

    fichiers_.Repondre(b);
    messages_.Repondre("É&craser quand même");
    m->findChild<QAction*>("MenuSauverExerciceSous")->trigger();
    EXPECT_EQ(IntituleDe(b), "Mien");
    EXPECT_EQ(m->FichierCourant(), b);
    EXPECT_EQ(LireVerrou(b.toStdString())->utilisateur, "marie");
}

TEST_F(Surete, UneSaisonEnLectureSeuleNEstPasRemplacee) {
    const QString a = Chemin("a.trm"), c = Chemin("c.trm");
    CreerDocument(a, "A");
    ASSERT_EQ(::chmod(QFile::encodeName(a).constData(), 0444), 0);
    const QByteArray original = Octets(a);
    auto m = Demarrer({a});
    ASSERT_EQ(m->FichierCourant(), a);
    m->Exercice().SetIntitule("Modifié");
    Sauver(*m);
    EXPECT_EQ(Textes(), std::vector<std::string>{
                            "Impossible d'écrire l'exercice !\nLe fichier \"" + a.toStdString() +
                            "\" est en lecture seule ou vous n'avez pas le droit d'y écrire : il n'est pas "
                            "remplacé. Enregistrez sous un autre nom."});
    EXPECT_EQ(Octets(a), original);
    EXPECT_EQ(Mode(a), 0444u);
    EXPECT_TRUE(m->Exercice().IsModified());
    // Under another name it goes.
    fichiers_.Repondre(c);
    m->findChild<QAction*>("MenuSauverExerciceSous")->trigger();
    EXPECT_EQ(IntituleDe(c), "Modifié");
    EXPECT_FALSE(m->Exercice().IsModified());
}

// --- The check before a save ------------------------------------------------------

TEST_F(Surete, UneReecritureEntreOuvertureEtSauvegardeFaitDemander) {
    const QString a = Chemin("a.trm"), c = Chemin("c.trm");
    CreerDocument(a, "A");
    auto m = Demarrer({a});
    m->Exercice().SetIntitule("Mon travail");
    CreerDocument(a, "Le travail de Paul");
    const QByteArray autre = Octets(a);

    messages_.Repondre("&Annuler");
    Sauver(*m);
    ASSERT_EQ(messages_.Affiches().size(), 1u);
    EXPECT_EQ(messages_.Affiches()[0].texte, kModifieAilleurs);
    EXPECT_EQ(messages_.Affiches()[0].boutons,
              (std::vector<std::string>{"É&craser", "&Enregistrer sous...", "&Annuler"}));
    EXPECT_EQ(Octets(a), autre);
    EXPECT_TRUE(m->Exercice().IsModified());

    // The save question answered Yes asks the same, and Cancel keeps all.
    messages_.Repondre(IDYES);
    messages_.Repondre("&Annuler");
    EXPECT_FALSE(m->close());
    EXPECT_EQ(Octets(a), autre);
    EXPECT_EQ(m->Exercice().Intitule(), "Mon travail");

    fichiers_.Repondre(c);
    messages_.Repondre("&Enregistrer sous...");
    Sauver(*m);
    EXPECT_EQ(Octets(a), autre);
    EXPECT_EQ(IntituleDe(c), "Mon travail");
    EXPECT_EQ(m->FichierCourant(), c);

    // Saving under its own name again asks the same.
    CreerDocument(c, "Le travail de Paul");
    const QByteArray autreC = Octets(c);
    fichiers_.Repondre(c);
    messages_.Repondre("&Annuler");
    m->findChild<QAction*>("MenuSauverExerciceSous")->trigger();
    EXPECT_EQ(messages_.Affiches().back().texte, kModifieAilleurs);
    EXPECT_EQ(Octets(c), autreC);
    fichiers_.Repondre(c);
    messages_.Repondre("É&craser");
    m->findChild<QAction*>("MenuSauverExerciceSous")->trigger();
    EXPECT_EQ(IntituleDe(c), "Mon travail");

    // Once written, the file is the one known: no question any more.
    messages_.Oublier();
    m->Exercice().SetIntitule("Encore");
    Sauver(*m);
    EXPECT_TRUE(messages_.Affiches().empty());
    EXPECT_EQ(IntituleDe(c), "Encore");
}

TEST_F(Surete, EcraserEcritEtLaCopieDeRecuperationNEstPasUnChangement) {
    const QString a = Chemin("a.trm");
    CreerSaisonDemo(a, "A");
    auto m = Demarrer({a});
    m->Exercice().SetIntitule("Le mien");
    ASSERT_TRUE(m->Surete().EcrireCopie());
    Sauver(*m);
    EXPECT_TRUE(messages_.Affiches().empty());
    EXPECT_EQ(IntituleDe(a), "Le mien");

    m->Exercice().SetIntitule("Le mien encore");
    CreerDocument(a, "Celui de Paul");
    messages_.Repondre("É&craser");
    Sauver(*m);
    EXPECT_EQ(Textes(), std::vector<std::string>{kModifieAilleurs});
    EXPECT_EQ(IntituleDe(a), "Le mien encore");
}

// --- The recovery copy --------------------------------------------------------------

TEST_F(Surete, LaCopieGardeLeDocumentModifieEtPartAvecLaSauvegarde) {
    const QString a = Chemin("a.trm");
    CreerSaisonDemo(a, "A");
    const QByteArray original = Octets(a);
    auto m = Demarrer({a});
    const QString copie = TRecuperation::FichierDeCeProcessus();
    EXPECT_FALSE(m->Surete().EcrireCopie()); // nothing to keep
    EXPECT_FALSE(QFile::exists(copie));
    m->Exercice().SetIntitule("Modifié");
    ASSERT_TRUE(m->Surete().EcrireCopie());
    EXPECT_TRUE(QFile::exists(copie));
    EXPECT_FALSE(copie.startsWith(dossier_.path()));
    EXPECT_TRUE(m->Exercice().IsModified());
    EXPECT_EQ(Octets(a), original);
    messages_.Repondre(IDCANCEL);
    EXPECT_FALSE(m->close()); // still asks to be saved
    Sauver(*m);
    EXPECT_FALSE(QFile::exists(copie));

    struct Cas {
        const char* nom;
        std::function<void()> faire;
    } cas[] = {
        {"non",
         [&] {
             messages_.Repondre(IDNO);
             m->findChild<QAction*>("MenuNouvelExercice")->trigger();
         }},
        {"ouvrir",
         [&] {
             messages_.Repondre(IDNO);
             m->OuvrirExercice(a);
         }},
        {"quitter",
         [&] {
             messages_.Repondre(IDNO);
             EXPECT_TRUE(m->close());
         }},
    };
    for (const Cas& c : cas) {
        m->Exercice().SetIntitule(std::string("Modifié ") + c.nom);
        ASSERT_TRUE(m->Surete().EcrireCopie()) << c.nom;
        c.faire();
        EXPECT_FALSE(QFile::exists(copie)) << c.nom;
    }
}

TEST_F(Surete, UneCopieQuiNePeutSEcrireLaisseLeDocumentModifie) {
    auto m = Demarrer();
    m->Exercice().SetIntitule("Modifié");
    // Where the copy goes stands a folder: the rename fails.
    ASSERT_TRUE(QDir().mkpath(TRecuperation::FichierDeCeProcessus()));
    EXPECT_FALSE(m->Surete().EcrireCopie());
    EXPECT_TRUE(m->Exercice().IsModified());
    EXPECT_TRUE(m->Exercice().Modified);
    EXPECT_TRUE(messages_.Affiches().empty());
    m->Exercice().Clear();
}

TEST_F(Surete, LesCopiesEtLeurDossierSontAuSeulUtilisateur) {
    const QString dossier = TRecuperation::Dossier();
    for (const mode_t masque : {mode_t{022}, mode_t{002}}) {
        SCOPED_TRACE(masque);
        QDir(dossier).removeRecursively();
        const mode_t avant = ::umask(masque);
        {
            auto m = Demarrer();
            m->Exercice().SetIntitule("Adresses et dates de naissance");
            ASSERT_TRUE(m->Surete().EcrireCopie());
            EXPECT_EQ(Mode(dossier), 0700u);
            EXPECT_EQ(Mode(TRecuperation::FichierDeCeProcessus()), 0600u);
            // A folder that an older run left open is closed again.
            ASSERT_EQ(::chmod(QFile::encodeName(dossier).constData(), 0755), 0);
            m->Exercice().SetIntitule("Encore");
            ASSERT_TRUE(m->Surete().EcrireCopie());
            EXPECT_EQ(Mode(dossier), 0700u);
            ASSERT_EQ(::chmod(QFile::encodeName(dossier).constData(), 0775), 0);
            m->Exercice().Clear();
        }
        auto suivant = Demarrer(); // at start, before anything is read
        EXPECT_EQ(Mode(dossier), 0700u);
        ::umask(avant);
    }
}

TEST_F(Surete, UneCopieMiseDeCotePartApresUnMois) {
    const QString dossier = TRecuperation::Dossier();
    ASSERT_TRUE(QDir().mkpath(dossier));
    const QString vieille = dossier + "/vieille.trm.illisible", recente = dossier + "/recente.trm.illisible";
    for (const auto& [chemin, jours] : {std::pair{vieille, 31}, std::pair{recente, 29}}) {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.close();
        const timespec t{std::time(nullptr) - jours * 86400L, 0};
        const timespec temps[2] = {t, t};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(chemin).constData(), temps, 0), 0);
    }
    auto m = Demarrer();
    EXPECT_FALSE(QFile::exists(vieille));
    EXPECT_TRUE(QFile::exists(recente));
    EXPECT_TRUE(messages_.Affiches().empty());
}

// The copy of a protected season, left by a run that stopped.
class CopieProtegee : public Surete, public ::testing::WithParamInterface<const char*> {};

TEST_P(CopieProtegee, DemandeSonMotDePasseAvantDeMontrerQuoiQueCeSoit) {
    const std::string saisi = GetParam();
    const QString a = Chemin("a.trm");
    CreerDocument(a, "Saison", "surf");
    {
        TExercice e;
        ASSERT_TRUE(e.LoadFromFile(a.toStdString()));
        e.SetIntitule("Saisi avant la panne");
        ASSERT_TRUE(TRecuperation::Ecrire(e, a, EmpreinteDe(a.toStdString())));
    }
    const QString copie = TRecuperation::Dossier() + "/" + QString::fromStdString(NomMachine()) +
                          QStringLiteral("-%1-1.trm").arg(PidTermine());
    ASSERT_TRUE(QFile::rename(TRecuperation::FichierDeCeProcessus(), copie));

    messages_.Repondre("&Récupérer");
    ScriptDialogues dialogues;
    dialogues.Puis([&](QDialog& d) {
        EXPECT_EQ(d.objectName(), "FicheProtection");
        Taper(d, "EditMotPasse", QString::fromStdString(saisi));
        Cliquer(d, "BoutonOk");
    });
    auto m = Demarrer();
    if (saisi == "surf") {
        EXPECT_EQ(Textes().size(), 1u);
        EXPECT_EQ(m->Exercice().Intitule(), "Saisi avant la panne");
        EXPECT_EQ(m->FichierCourant(), a);
        m->Exercice().Clear();
    } else {
        ASSERT_EQ(Textes().size(), 2u);
        EXPECT_EQ(Textes()[1], "Mot de passe incorrect !");
        EXPECT_EQ(m->Exercice().Intitule(), "");
        EXPECT_EQ(m->FichierCourant(), "");
        EXPECT_FALSE(m->Exercice().IsModified());
        // A new document, as after a refused open; the copy stays for whoever
        // knows the password.
        EXPECT_EQ(m->Exercice().Agenda().Count(), 1);
        EXPECT_TRUE(QFile::exists(copie));
    }
}

INSTANTIATE_TEST_SUITE_P(MotsDePasse, CopieProtegee, ::testing::Values("surf", "faux"),
                         [](const auto& i) { return std::string(i.param); });

TEST_F(Surete, LIntervalleSeLitDansLesReglages) {
    for (const auto& [valeur, secondes] : std::vector<std::pair<QString, int>>{
             {"", 120}, {"1", 1}, {"45", 45}, {"0", 120}, {"-3", 120}, {"deux", 120}}) {
        auto s = test::Reglages();
        if (valeur.isEmpty())
            s.remove("Recuperation/Intervalle");
        else
            s.setValue("Recuperation/Intervalle", valeur);
        s.sync();
        auto m = Demarrer();
        EXPECT_EQ(m->Surete().Minuterie().interval(), secondes * 1000) << valeur.toStdString();
        EXPECT_TRUE(m->Surete().Minuterie().isActive());
    }
}

// The real program, killed while a document is modified, then started again
// with each of the three answers; the season's file never changes.
class Panne : public Surete, public ::testing::WithParamInterface<const char*> {};

TEST_P(Panne, LaCopieEstProposeeAuDemarrageSuivant) {
    const std::string reponse = GetParam();
    const QString a = Chemin("a.trm");
    CreerSaisonDemo(a, "Saison");
    const QByteArray original = Octets(a);
    Tuer(a);
    EXPECT_EQ(Octets(a), original);

    messages_.Repondre(reponse);
    auto m = Demarrer();
    ASSERT_EQ(messages_.Affiches().size(), 1u);
    const MessageAffiche& boite = messages_.Affiches()[0];
    EXPECT_EQ(boite.titre, "Récupération");
    EXPECT_NE(boite.texte.find("Tramonta s'est fermé de façon inattendue."), std::string::npos);
    EXPECT_NE(boite.texte.find(a.toStdString()), std::string::npos) << boite.texte;
    EXPECT_EQ(boite.boutons, (std::vector<std::string>{"&Récupérer", "&Ouvrir l'enregistré", "&Ignorer"}));
    EXPECT_EQ(Octets(a), original);
    if (reponse == "&Récupérer") {
        EXPECT_EQ(m->Exercice().Intitule(), "Saisi avant la panne");
        EXPECT_TRUE(m->Exercice().IsModified());
        EXPECT_EQ(m->FichierCourant(), a);
        EXPECT_EQ(m->windowTitle(), "Tramonta - " + a);
        // The dead run's lock is taken over, the copy is this run's now.
        EXPECT_EQ(LireVerrou(a.toStdString())->processus.pid, static_cast<long>(::getpid()));
        EXPECT_TRUE(QFile::exists(TRecuperation::FichierDeCeProcessus()));
        // "Sauver" writes it there without taking the copy for a change.
        Sauver(*m);
        EXPECT_EQ(messages_.Affiches().size(), 1u);
        EXPECT_EQ(IntituleDe(a), "Saisi avant la panne");
        EXPECT_FALSE(QFile::exists(TRecuperation::FichierDeCeProcessus()));
        TExercice relu, demo;
        ASSERT_TRUE(relu.LoadFromFile(a.toStdString()));
        ASSERT_TRUE(demo.LoadFromFile(test::CheminSaisonDemo()));
        EXPECT_EQ(OctetsCompets(relu), OctetsCompets(demo));
    } else {
        EXPECT_EQ(m->Exercice().Intitule(), reponse == "&Ignorer" ? "" : "Saison");
        EXPECT_EQ(m->FichierCourant(), reponse == "&Ignorer" ? QString() : a);
        EXPECT_FALSE(m->Exercice().IsModified());
        EXPECT_TRUE(QDir(TRecuperation::Dossier()).entryList({"*.trm"}, QDir::Files).isEmpty());
    }
    // Asked once only.
    messages_.Oublier();
    auto encore = Demarrer();
    EXPECT_TRUE(messages_.Affiches().empty());
}

INSTANTIATE_TEST_SUITE_P(Reponses, Panne, ::testing::Values("&Récupérer", "&Ouvrir l'enregistré", "&Ignorer"),
                         [](const auto& i) {
                             const std::string r = i.param;
                             return r == "&Ignorer"     ? std::string("ignorer")
                                    : r == "&Récupérer" ? std::string("recuperer")
                                                        : std::string("ouvrir_enregistre");
                         });

TEST_F(Surete, UnExerciceJamaisEnregistreNOffrePasLOriginalEtUneCopieAbimeeNeBloqueRien) {
    Tuer(QString());
    messages_.Repondre("&Récupérer");
    {
        auto m = Demarrer();
        ASSERT_EQ(messages_.Affiches().size(), 1u);
        EXPECT_NE(messages_.Affiches()[0].texte.find("un exercice jamais enregistré"), std::string::npos);
        EXPECT_EQ(messages_.Affiches()[0].boutons, (std::vector<std::string>{"&Récupérer", "&Ignorer"}));
        EXPECT_EQ(m->FichierCourant(), "");
        EXPECT_EQ(m->Exercice().Intitule(), "Saisi avant la panne");
        EXPECT_TRUE(m->Exercice().IsModified());
        m->Exercice().Clear();
    }
    // The copy left by the test process itself, damaged, under a dead run's name.
    const QString copie = TRecuperation::Dossier() + "/" + QString::fromStdString(NomMachine()) +
                          QStringLiteral("-%1-1.trm").arg(PidTermine());
    ASSERT_TRUE(QDir().mkpath(TRecuperation::Dossier()));
    QFile f(copie);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("abîmée");
    f.close();
    messages_.Oublier();
    auto m = Demarrer();
    ASSERT_EQ(messages_.Affiches().size(), 1u);
    EXPECT_EQ(messages_.Affiches()[0].titre, "Erreur");
    EXPECT_TRUE(m->isVisible());
    EXPECT_FALSE(QFile::exists(copie));
    // Set aside today, for a month, for the user only.
    EXPECT_EQ(Mode(copie + ".illisible"), 0600u);
    EXPECT_GT(QFileInfo(copie + ".illisible").lastModified().secsTo(QDateTime::currentDateTime()), -60);
    EXPECT_LT(QFileInfo(copie + ".illisible").lastModified().secsTo(QDateTime::currentDateTime()), 3600);
}

} // namespace
} // namespace tramonta
