// SPDX-License-Identifier: GPL-3.0-or-later
// The word processor over the real LibreOffice, headless. One LibreOffice
// serves every test of the run; the tests are skipped where it is not
// installed.
#include "core/messages.h"
#include "model/exercice.h"
#include "model/requete.h"
#include "outils_lettres.h"
#include "outils_publipostage.h"
#include "platform/boite_message.h"
#include "platform/traitement_texte_libreoffice.h"
#include "ui/bdd/publipostage.h"
#include "ui/communs/agenda.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace tramonta::test {
namespace {

struct LibreOfficePartage {
    QTemporaryDir dossier;
    std::unique_ptr<TTraitementTexteLibreOffice> lo;
};

std::unique_ptr<LibreOfficePartage>& Partage() {
    static std::unique_ptr<LibreOfficePartage> partage;
    return partage;
}

// LibreOffice goes before the application does.
class FinLibreOffice : public ::testing::Environment {
  public:
    void TearDown() override {
        if (Partage() && Partage()->lo)
            Partage()->lo->Quitter();
        Partage().reset();
    }
};
[[maybe_unused]] auto* const kFinLibreOffice = ::testing::AddGlobalTestEnvironment(new FinLibreOffice);

} // namespace

// Copies go as text into the shared folder, so that they read back exactly.
TTraitementTexteLibreOffice* LibreOffice() {
    auto& p = Partage();
    if (!p) {
        p = std::make_unique<LibreOfficePartage>();
        p->lo = std::make_unique<TTraitementTexteLibreOffice>(p->dossier.path(), "txt");
        p->lo->Attacher(true);
    }
    return p->lo.get();
}

QString DossierLibreOffice() {
    return Partage()->dossier.path();
}

#define EXIGER_LIBREOFFICE()                                                                                 \
    do {                                                                                                     \
        if (TTraitementTexteLibreOffice::Soffice().isEmpty())                                                \
            GTEST_SKIP() << "LibreOffice (soffice) n'est pas installé";                                      \
    } while (false)

// A letter written in Word, and a copy printed as PDF, read back as text
// where poppler-utils is installed. Part of the test above: each test
// program under ctest starts its own LibreOffice.
void LettreWordEnPdf() {
    const QString docx = QStringLiteral(TRAMONTA_DONNEES_UI "/lettre_publipostage.docx");
    ASSERT_TRUE(QFile::exists(docx)) << docx.toStdString();
    TTraitementTexteLibreOffice& pdf = *LibreOffice();
    pdf.Ouvrir(docx.toStdString());
    std::vector<std::string> mots;
    for (int i = 1; i <= pdf.NombreMots(); ++i)
        mots.push_back(pdf.TexteMot(i));
    ASSERT_EQ(mots, (std::vector<std::string>{"Bonjour ", "PrénomAdhérent ", "NomAdhérent"}));
    pdf.EcrireMot(3, "Le Goff");
    pdf.EcrireMot(2, "Maël ");
    pdf.DefinirCopies(DossierLibreOffice(), "pdf");
    pdf.Imprimer();
    pdf.DefinirCopies(DossierLibreOffice(), "txt");
    pdf.FermerSansEnregistrer();
    ASSERT_FALSE(pdf.Copies().empty());
    const QString copie = pdf.Copies().back();
    ASSERT_TRUE(copie.endsWith(".pdf"));
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        return;
    QProcess lecture;
    lecture.start(pdftotext, {copie, "-"});
    ASSERT_TRUE(lecture.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(lecture.readAllStandardOutput()).trimmed().toStdString(),
              "Bonjour Maël Le Goff");
}

TEST(LibreOffice, OuvreLesMotsLesEcritEtImprimeChaqueCopieEnTexteOuEnPdf) {
    EXIGER_LIBREOFFICE();
    QTemporaryDir dossier;
    const QString lettre = QDir(dossier.path()).filePath("lettre.fodt");
    ASSERT_TRUE(
        EcrireLettre(lettre, {"Cher PrénomAdhérent NomAdhérent,",
                              "Nom<text:span text:style-name=\"Gras\">Adhérent</text:span> "
                              "NomAdhérent<text:s text:c=\"2\"/>fin. VilleAdhérent.",
                              "<table:table table:name=\"T\"><table:table-column/><table:table-row>"
                              "<table:table-cell><text:p>CodePostalAdhérent</text:p></table:table-cell>"
                              "</table:table-row></table:table>"}));
    TTraitementTexte& lo = *LibreOffice();
    const std::size_t avant = LibreOffice()->Copies().size();
    lo.Ouvrir(lettre.toStdString());
    std::vector<std::string> mots;
    for (int i = 1; i <= lo.NombreMots(); ++i)
        mots.push_back(lo.TexteMot(i));
    // Whole words with their blanks; punctuation stays outside; a word in two
    // runs of different styles is one word; the table comes after the body.
    EXPECT_EQ(mots,
              (std::vector<std::string>{"Cher ", "PrénomAdhérent ", "NomAdhérent", "NomAdhérent ",
                                        "NomAdhérent  ", "fin", "VilleAdhérent", "CodePostalAdhérent"}));

    // From the last word to the first, as the merge does: a value of several
    // lines, words side by side, blanks kept.
    lo.EcrireMot(8, "29200");
    lo.EcrireMot(7, "Brest");
    lo.EcrireMot(5, "Le Goff  ");
    lo.EcrireMot(4, "1 rue du Port\r\nBP 3 ");
    lo.EcrireMot(3, "Le Goff");
    lo.EcrireMot(2, "Maël ");
    EXPECT_EQ(lo.TexteMot(2), "Maël ");
    lo.Imprimer();
    EXPECT_EQ(lo.ImpressionEnCours(), 0);
    lo.FermerSansEnregistrer();
    auto* reel = LibreOffice();
    ASSERT_EQ(reel->Copies().size(), avant + 1);
    EXPECT_EQ(LireCopie(reel->Copies().back()),
              "Cher Maël Le Goff,\n1 rue du Port\nBP 3 Le Goff  fin. Brest.\n29200");

    // Closed without saving: the letter opens with its keywords again.
    lo.Ouvrir(lettre.toStdString());
    EXPECT_EQ(lo.NombreMots(), 8);
    EXPECT_EQ(lo.TexteMot(2), "PrénomAdhérent ");
    EXPECT_THROW(lo.TexteMot(0), TErreurTraitementTexte);
    EXPECT_THROW(lo.TexteMot(9), TErreurTraitementTexte);
    lo.FermerSansEnregistrer();

    EXPECT_THROW(lo.Ouvrir(QDir(dossier.path()).filePath("absente.odt").toStdString()),
                 TErreurTraitementTexte);
    EXPECT_THROW(lo.Imprimer(), TErreurTraitementTexte);
    // Still answering after the failures.
    lo.Ouvrir(lettre.toStdString());
    EXPECT_EQ(lo.NombreMots(), 8);
    lo.FermerSansEnregistrer();

    LettreWordEnPdf();
}

// The shared LibreOffice under a merge: it stays running when the merge
// attaches and quits.
class LibreOfficeDurable : public TTraitementTexte {
  public:
    explicit LibreOfficeDurable(TTraitementTexte& lo) : lo_(lo) {}
    int quitter = 0;
    void Attacher(bool) override {}
    void Montrer() override { lo_.Montrer(); }
    void Ouvrir(const std::string& f) override { lo_.Ouvrir(f); }
    int NombreMots() override { return lo_.NombreMots(); }
    std::string TexteMot(int i) override { return lo_.TexteMot(i); }
    void EcrireMot(int i, const std::string& t) override { lo_.EcrireMot(i, t); }
    void Imprimer() override { lo_.Imprimer(); }
    int ImpressionEnCours() override { return lo_.ImpressionEnCours(); }
    void FermerSansEnregistrer() override { lo_.FermerSansEnregistrer(); }
    void Quitter() override { ++quitter; }

  private:
    TTraitementTexte& lo_;
};

TEST(LibreOffice, LePublipostageRemplitChaqueLettreParLesMotsEntiers) {
    EXIGER_LIBREOFFICE();
    QTemporaryDir dossier;
    const QString lettre = QDir(dossier.path()).filePath("relance.fodt");
    ASSERT_TRUE(
        EcrireLettre(lettre, {"Cher PrénomAdhérent NomAdhérent,", "NomAdhérent", "AdresseAdhérent",
                              "CodePostalAdhérent VilleAdhérent",
                              "Rappel : NomAdhérent<text:s text:c=\"2\"/>doit payer. NomCorrespondant"}));
    TExercice exercice;
    std::vector<const TAdherent*> adherents;
    for (auto [nom, prenom, adresse] :
         {std::tuple{"Le Goff", "Maël", "1 rue du Port\r\nRésidence des Dunes\r\nBP 3"},
          std::tuple{"Nom", "Prénom", "Adhérent"}}) {
        auto a = std::make_unique<TAdherent>(&exercice.Adherents());
        a->SetNom(nom);
        a->SetPrenom(prenom);
        a->SetAdresse(adresse);
        a->SetCodePostal(29200);
        a->SetVille("Brest");
        adherents.push_back(a.get());
        exercice.Adherents().Add(std::move(a));
    }
    DefinirExerciceJournal(&exercice);
    ScriptMessages messages;
    messages.Repondre(IDYES);
    TCriteresRequete tous;
    TPublipostage p{lettre.toStdString(), adherents, {}, &tous};
    TTraitementTexteLibreOffice& lo = *LibreOffice();
    const std::size_t avant = lo.Copies().size();
    LibreOfficeDurable durable(lo);
    TProgressionFactice progression;
    EXPECT_EQ(LancerPublipostage(p, durable, progression), TResultatPublipostage::Termine);
    DefinirExerciceJournal(nullptr);
    EXPECT_EQ(durable.quitter, 1);
    ASSERT_EQ(messages.Affiches().size(), 1u);
    EXPECT_NE(messages.Affiches()[0].texte.find("NomAdhérent (3 fois), PrénomAdhérent, AdresseAdhérent, "
                                                "CodePostalAdhérent, VilleAdhérent."),
              std::string::npos)
        << messages.Affiches()[0].texte;
    ASSERT_EQ(lo.Copies().size(), avant + 2);
    EXPECT_EQ(LireCopie(lo.Copies()[avant]),
              "Cher Maël Le Goff,\nLe Goff\n1 rue du Port\nRésidence des Dunes\nBP "
              "3\n29200 Brest\nRappel : Le Goff  doit payer. NomCorrespondant");
    // Values that look like keywords are never taken for keywords.
    EXPECT_EQ(LireCopie(lo.Copies()[avant + 1]),
              "Cher Prénom Nom,\nNom\nAdhérent\n29200 Brest\nRappel : Nom  doit payer. NomCorrespondant");
    EXPECT_EQ(exercice.Agenda().Count(), 1);
}

// The live processes of a process group (zombies, which only wait for their
// parent to read them, do not count).
int ProcessusDuGroupe(int groupe) {
    int n = 0;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray ligne = stat.readAll();
        const auto champs = ligne.mid(ligne.lastIndexOf(')') + 2).split(' ');
        if (champs.size() > 2 && champs[0] != "Z" && champs[2].toInt() == groupe)
            ++n;
    }
    return n;
}

bool GroupeTermine(int groupe, int delaiMs = 10000) {
    QElapsedTimer t;
    t.start();
    while (ProcessusDuGroupe(groupe) > 0) {
        if (t.elapsed() > delaiMs)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(50);
    }
    return true;
}

// The driver is started isolated, from a private folder: modules lying in
// the program's working folder or in PYTHONPATH are never imported. And
// LibreOffice goes with the driver whatever way it ends: cancelled while
// stuck, the driver killed, the program's object destroyed.
TEST(LibreOffice, LePiloteEstIsoleEtLibreOfficeSArreteAvecLui) {
    EXIGER_LIBREOFFICE();
    QTemporaryDir piege;
    const QString temoin = QDir(piege.path()).filePath("temoin");
    for (const char* module : {"uno.py", "json.py", "os.py", "subprocess.py"}) {
        QFile f(QDir(piege.path()).filePath(module));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QString("open('%1', 'w').write('%2')\n").arg(temoin, QString::fromUtf8(module)).toUtf8());
    }
    const QString courant = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(piege.path()));
    const QByteArray cheminPython = qgetenv("PYTHONPATH");
    qputenv("PYTHONPATH", piege.path().toUtf8());
    const auto remettre = qScopeGuard([&] {
        QDir::setCurrent(courant);
        if (cheminPython.isNull())
            qunsetenv("PYTHONPATH");
        else
            qputenv("PYTHONPATH", cheminPython);
    });
    const QString lettre = QDir(piege.path()).filePath("lettre.fodt");
    ASSERT_TRUE(EcrireLettre(lettre, {"Cher NomAdhérent,"}));

    // Cancelled while LibreOffice is stuck (stopped): given up within the
    // cancel's delay, and nothing left running.
    {
        TTraitementTexteLibreOffice lo;
        lo.Attacher(true);
        const int groupe = lo.Groupe();
        ASSERT_GT(groupe, 0);
        EXPECT_GE(ProcessusDuGroupe(groupe), 2) << "LibreOffice runs in the driver's group";
        lo.Ouvrir(lettre.toStdString());
        EXPECT_EQ(lo.NombreMots(), 2); // "Cher" and "NomAdhérent,"
        lo.FermerSansEnregistrer();
        ::kill(-groupe, SIGSTOP);
        bool annule = false;
        lo.DefinirAnnulation([&] { return annule = true; });
        QElapsedTimer t;
        t.start();
        EXPECT_THROW(lo.Ouvrir(lettre.toStdString()), TAnnulationTraitementTexte);
        EXPECT_LT(t.elapsed(), 10000);
        EXPECT_TRUE(annule);
        EXPECT_EQ(lo.Groupe(), 0);
        EXPECT_TRUE(GroupeTermine(groupe));
        EXPECT_NO_THROW(lo.Quitter());
    }
    // The driver killed: LibreOffice goes as soon as that is seen.
    {
        TTraitementTexteLibreOffice lo;
        lo.Attacher(true);
        const int groupe = lo.Groupe();
        ASSERT_GT(groupe, 0);
        ::kill(groupe, SIGKILL);
        EXPECT_TRUE(GroupeTermine(groupe));
        EXPECT_THROW(lo.Ouvrir(lettre.toStdString()), TErreurTraitementTexte);
    }
    // The driver told to stop, as when the program ends: it takes
    // LibreOffice with it, even with nobody to notice.
    {
        TTraitementTexteLibreOffice lo;
        lo.Attacher(true);
        const int groupe = lo.Groupe();
        ASSERT_GT(groupe, 0);
        ::kill(groupe, SIGTERM);
        QElapsedTimer t;
        t.start();
        while (ProcessusDuGroupe(groupe) > 0 && t.elapsed() < 10000)
            QThread::msleep(50);
        EXPECT_EQ(ProcessusDuGroupe(groupe), 0);
    }
    // The object destroyed: nothing of the group outlives it.
    int groupe = 0;
    {
        TTraitementTexteLibreOffice lo;
        lo.Attacher(true);
        groupe = lo.Groupe();
        ASSERT_GT(groupe, 0);
    }
    EXPECT_EQ(ProcessusDuGroupe(groupe), 0);
    EXPECT_FALSE(QFile::exists(temoin))
        << "a module of the working folder was imported: " << QFile(temoin).readAll().toStdString();
}

TEST(LibreOffice, RienNeMarcheAvantAttacher) {
    TTraitementTexteLibreOffice lo;
    EXPECT_THROW(lo.Ouvrir("/tmp/x.odt"), TErreurTraitementTexte);
    EXPECT_THROW(lo.Imprimer(), TErreurTraitementTexte);
    EXPECT_THROW(lo.Montrer(), TErreurTraitementTexte);
    EXPECT_NO_THROW(lo.Quitter());
}

} // namespace tramonta::test
