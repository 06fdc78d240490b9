// SPDX-License-Identifier: GPL-3.0-or-later
// The real print path, through the CUPS library, against print servers of
// the test's own: a cupsd started here with its configuration, port, spool
// and state in a temporary folder (when CUPS is installed), and a listener
// that accepts connections and never answers. No job goes anywhere else.
#include "outils_impression.h"
#include "outils_shell.h"

#include "core/dates.h"
#include "model/exercice.h"
#include "ui/communs/fiche_configuration_imprimante.h"
#include "ui/compta/fiche_impression_compta.h"
#include "ui/fenetre/main_fenetre.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/prctl.h>

namespace tramonta {
namespace {

using test::Cliquer;
using test::ScriptDialogues;

QString Programme(const char* nom) {
    QString chemin = QStandardPaths::findExecutable(nom);
    if (chemin.isEmpty())
        chemin = QStandardPaths::findExecutable(nom, {"/usr/sbin", "/sbin"});
    return chemin;
}

// A free port of the loopback interface, for a server to listen on.
quint16 PortLibre() {
    QTcpServer s;
    if (!s.listen(QHostAddress::LocalHost))
        return 0;
    return s.serverPort();
}

// cupsd with everything of its own in a temporary folder; one raw queue
// "PDF", the server's default, whose jobs' documents stay in the spool. It
// is stopped by the destructor, and dies with the test program if that one
// dies first.
class ServeurCups {
  public:
    static bool Installe() {
        return !Programme("cupsd").isEmpty() && !Programme("lpadmin").isEmpty() &&
               !Programme("cupsreject").isEmpty();
    }
    ~ServeurCups() { Arreter(); }

    // Empty when it runs; otherwise why not.
    QString Demarrer() {
        if (!dossier_.isValid())
            return "dossier temporaire";
        port_ = PortLibre();
        const QDir d(dossier_.path());
        for (const char* s : {"spool", "etat", "cache", "tmp", "journaux"})
            d.mkpath(s);
        Ecrire("cupsd.conf", QString("Listen 127.0.0.1:%1\n"
                                     "LogLevel info\n"
                                     "Browsing No\n"
                                     "WebInterface No\n"
                                     "DefaultAuthType None\n"
                                     "PreserveJobFiles Yes\n"
                                     "DefaultPolicy ouverte\n"
                                     "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                     "<Policy ouverte>\n"
                                     "  JobPrivateAccess all\n  JobPrivateValues none\n"
                                     "  SubscriptionPrivateAccess all\n  SubscriptionPrivateValues none\n"
                                     "  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                                     "</Policy>\n")
                                 .arg(port_));
        Ecrire("cups-files.conf", QString("ServerRoot %1\n"
                                          "StateDir %1/etat\n"
                                          "CacheDir %1/cache\n"
                                          "RequestRoot %1/spool\n"
                                          "TempDir %1/tmp\n"
                                          "ErrorLog %1/journaux/error_log\n"
                                          "AccessLog %1/journaux/access_log\n"
                                          "PageLog %1/journaux/page_log\n"
                                          "Printcap %1/printcap\n")
                                      .arg(dossier_.path()));
        cupsd_.setProgram(Programme("cupsd"));
        cupsd_.setArguments({"-f", "-c", d.filePath("cupsd.conf"), "-s", d.filePath("cups-files.conf")});
        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        cupsd_.start();
        if (!cupsd_.waitForStarted(10000))
            return "cupsd ne démarre pas";
        bool pret = false;
        for (int i = 0; i < 100 && !pret && cupsd_.state() == QProcess::Running; ++i) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port_);
            pret = s.waitForConnected(200);
            if (!pret)
                QThread::msleep(100);
        }
        if (!pret)
            return "cupsd n'écoute pas : " + QString::fromUtf8(cupsd_.readAll()) + Journal();
        if (!Commande("lpadmin", {"-p", "PDF", "-E", "-v", "file:///dev/null", "-m", "raw"}) ||
            !Commande("lpadmin", {"-d", "PDF"}))
            return "lpadmin : " + sortie_;
        return {};
    }

    void Arreter() {
        if (cupsd_.state() == QProcess::NotRunning)
            return;
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(10000)) {
            cupsd_.kill();
            cupsd_.waitForFinished(5000);
        }
    }

    QString Adresse() const { return QString("127.0.0.1:%1").arg(port_); }

    // A CUPS command run on this server.
    bool Commande(const char* programme, QStringList arguments) {
        QProcess p;
        arguments.prepend(Adresse());
        arguments.prepend("-h");
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(Programme(programme), arguments);
        const bool fini = p.waitForFinished(20000);
        sortie_ = QString::fromUtf8(p.readAll());
        return fini && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    // The documents of the jobs received, in their order, once `n` of them
    // are there (or after ten seconds).
    std::vector<QString> Documents(std::size_t n) const {
        QStringList noms;
        for (int i = 0; i < 100; ++i) {
            noms = QDir(dossier_.filePath("spool")).entryList({"d*"}, QDir::Files, QDir::Name);
            if (std::size_t(noms.size()) >= n)
                break;
            QThread::msleep(100);
        }
        std::vector<QString> documents;
        for (const QString& nom : noms)
            documents.push_back(dossier_.filePath("spool/" + nom));
        return documents;
    }

    // Whether the control file of job `travail` names the job `titre`.
    bool TitreDuTravail(int travail, const QByteArray& titre) const {
        const QString chemin = dossier_.filePath(QString("spool/c%1").arg(travail, 5, 10, QChar('0')));
        for (int i = 0; i < 100; ++i) {
            QFile f(chemin);
            if (f.open(QIODevice::ReadOnly) && f.readAll().contains(titre))
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    QString Journal() const {
        QFile f(dossier_.filePath("journaux/error_log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

  private:
    void Ecrire(const char* nom, const QString& texte) {
        QFile f(QDir(dossier_.path()).filePath(nom));
        if (f.open(QIODevice::WriteOnly))
            f.write(texte.toUtf8());
    }
    QTemporaryDir dossier_;
    QProcess cupsd_;
    quint16 port_ = 0;
    QString sortie_;
};

QString TexteDuPdf(const QString& fichier) {
    QProcess p;
    p.start("pdftotext", {"-layout", fichier, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The main window with a small ledger, its print system pointed at a
// server of the test.
class AvecServeur : public test::TestFenetre {
  protected:
    void Ouvrir(const QString& adresse) {
        systeme_ =
            std::make_unique<test::SystemeImpressionPrive>(CreerSystemeImpressionCups(adresse.toStdString()));
        m = std::make_unique<TMain>();
        m->show();
        m->Exercice().SetIntitule("Saison 2026");
        TComptabilite& c = m->Exercice().Comptabilite();
        auto compte = std::make_unique<TCompte>(&c);
        compte->SetArticle("706");
        compte->SetIntitule("Licences");
        auto l = std::make_unique<TLigneEcriture>(compte.get());
        l->SetLibelle("Licence de MARTIN Paul");
        l->SetDate(EncodeDate(2026, 1, 15));
        l->SetMontant(45);
        compte->AjouterLigne(std::move(l));
        c.AjouterCompteProduit(std::move(compte));
    }
    void TearDown() override {
        m.reset();
        systeme_.reset();
    }
    int LignesJournal() const { return m->Exercice().Agenda().Count(); }
    void ImprimerBilan() {
        ScriptDialogues d;
        d.Puis([](QDialog& f) {
            Cliquer(f, "BoutonPrint");
            f.reject();
        });
        m->MenuBilanComptableClick();
    }
    std::unique_ptr<test::SystemeImpressionPrive> systeme_;
    std::unique_ptr<TMain> m;
};

class ImpressionCups : public AvecServeur {
  protected:
    void SetUp() override {
        AvecServeur::SetUp();
        if (!ServeurCups::Installe())
            GTEST_SKIP() << "CUPS n'est pas installé (cupsd, lpadmin, cupsreject)";
        const QString erreur = serveur_.Demarrer();
        ASSERT_TRUE(erreur.isEmpty()) << erreur.toStdString();
        Ouvrir(serveur_.Adresse());
    }
    ServeurCups serveur_;
};

TEST_F(ImpressionCups, LeBilanArriveAuServeurAvecSonTexteEtSonNom) {
    const int lignes = LignesJournal();
    ImprimerBilan();
    EXPECT_TRUE(Textes().empty()) << Textes().front();
    EXPECT_EQ(LignesJournal(), lignes + 1);
    const std::vector<QString> documents = serveur_.Documents(1);
    ASSERT_EQ(documents.size(), 1u) << serveur_.Journal().toStdString();
    EXPECT_TRUE(serveur_.TitreDuTravail(1, "Bilan comptable"));
    if (!QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        const QString texte = TexteDuPdf(documents[0]);
        EXPECT_TRUE(texte.contains("Compte d'exploitation de l'exercice Saison 2026")) << texte.toStdString();
        EXPECT_TRUE(texte.contains("Licences")) << texte.toStdString();
    }

    // Two copies chosen in the printer setup: two jobs.
    ScriptDialogues d;
    d.Puis([](QDialog& f) {
        Cliquer(f, "BoutonPrintSetup");
        Cliquer(f, "BoutonPrint");
        f.reject();
    });
    d.Puis([](QDialog& c) {
        auto& fiche = static_cast<TFicheConfigurationImprimante&>(c);
        EXPECT_EQ(fiche.Imprimante(), "PDF");
        test::Controle<QSpinBox>(fiche, "EditCopies")->setValue(2);
        Cliquer(c, "BoutonOk");
    });
    m->MenuBilanComptableClick();
    EXPECT_TRUE(Textes().empty()) << Textes().front();
    EXPECT_EQ(LignesJournal(), lignes + 2);
    EXPECT_EQ(serveur_.Documents(3).size(), 3u);
}

TEST_F(ImpressionCups, UneFileQuiRefuseEtUnServeurArreteLeDisentSansJournal) {
    ASSERT_TRUE(serveur_.Commande("cupsreject", {"PDF"}));
    const int lignes = LignesJournal();
    ImprimerBilan();
    EXPECT_EQ(Textes(), std::vector<std::string>{"L'imprimante « PDF » refuse les travaux d'impression."});
    EXPECT_EQ(LignesJournal(), lignes);
    EXPECT_TRUE(serveur_.Documents(0).empty());

    ASSERT_TRUE(serveur_.Commande("cupsaccept", {"PDF"}));
    serveur_.Arreter();
    messages_.Oublier();
    ImprimerBilan();
    ASSERT_EQ(Textes().size(), 1u);
    EXPECT_EQ(Textes()[0].rfind("Le service d'impression ne répond pas.", 0), 0u) << Textes()[0];
    EXPECT_EQ(LignesJournal(), lignes);
}

// A server that takes the connection and never answers: the print says so
// within the delay instead of waiting for ever, and the program starts
// without asking it anything.
class ServeurMuet : public AvecServeur {
  protected:
    void SetUp() override {
        AvecServeur::SetUp();
        ASSERT_TRUE(ecoute_.listen(QHostAddress::LocalHost));
        adresse_ = QString("127.0.0.1:%1").arg(ecoute_.serverPort());
    }
    QTcpServer ecoute_;
    QString adresse_;
};

TEST_F(ServeurMuet, LImpressionLeDit) {
    Ouvrir(adresse_);
    const int lignes = LignesJournal();
    ImprimerBilan();
    EXPECT_EQ(Textes(), std::vector<std::string>{"Le service d'impression ne répond pas."});
    EXPECT_EQ(LignesJournal(), lignes);
    EXPECT_TRUE(ecoute_.hasPendingConnections() || ecoute_.waitForNewConnection(0));
}

#ifdef TRAMONTA_ESSAI_DEMARRAGE
TEST_F(ServeurMuet, LeProgrammeDemarreSansLInterroger) {
    QProcess programme;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("CUPS_SERVER", adresse_);
    env.insert("HOME", dossier_.path());
    env.insert("XDG_CONFIG_HOME", Chemin("config"));
    env.insert("XDG_DATA_HOME", Chemin("donnees"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    programme.setProcessEnvironment(env);
    programme.start(TRAMONTA_ESSAI_DEMARRAGE, {});
    ASSERT_TRUE(programme.waitForFinished(120000)) << "the start waits on the print server";
    EXPECT_EQ(programme.exitCode(), 0);
    EXPECT_TRUE(programme.readAllStandardOutput().contains("fenêtre affichée"));
    EXPECT_FALSE(ecoute_.waitForNewConnection(0)) << "the start asked the print server";
}
#endif

} // namespace
} // namespace tramonta
