// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store, the preferences record, the window placement, the
// desktop association and the shortcut reader, in temporary folders.
#include "outils_shell.h"

#include "core/messages.h"
#include "platform/application.h"
#include "platform/association.h"
#include "platform/boite_message.h"
#include "platform/choix_fichier.h"
#include "platform/preferences.h"
#include "platform/programmes.h"
#include "platform/raccourci.h"
#include "platform/reglages.h"
#include "ui/fenetre/fichiers_recents.h"
#include "ui/fenetre/main_fenetre.h"
#include "ui/fenetre/programme.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace tramonta {
namespace {

using test::CreerDocument;
using test::Reglages;

class Reglage : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ViderReglages();
        Preferences() = TPreferences();
    }
    void TearDown() override { Preferences() = TPreferences(); }
};

TEST_F(Reglage, UnPremierDemarrageDonneLesValeursParDefaut) {
    LirePreferences();
    EXPECT_EQ(Preferences(), TPreferences());
    const TPreferences& p = Preferences();
    EXPECT_EQ((std::vector<std::string>(p.CouleursLycra.begin() + 1, p.CouleursLycra.end())),
              (std::vector<std::string>{"BLEU", "BLANC", "ROUGE", "JAUNE", "NOIR"}));
    EXPECT_FALSE(p.SeriesDemiA4);
    for (bool champ : p.ChampsVisibles)
        EXPECT_FALSE(champ);
    EXPECT_EQ(LireCommentaireParticipants(), "Liste des participants");
    EXPECT_EQ(LireFichierPublipostage(), "");
}

TEST_F(Reglage, LesPreferencesSEcriventEnTexteEtSeRelisent) {
    TPreferences& p = Preferences();
    p.CouleursLycra = {"", "VERT", "BLANC", "ROSE", "JAUNE", "GRIS"};
    p.SeriesDemiA4 = true;
    p.ChampsVisibles[0] = p.ChampsVisibles[6] = p.ChampsVisibles[15] = true;
    p.FichierLogo = "/tmp/logo.bmp";
    const TPreferences ecrites = p;
    EcrirePreferences();
    EcrireCommentaireParticipants("Inscrits à l'Open");
    EcrireFichierPublipostage("/home/club/lettre.odt");

    // Section and value names as the program has always had them; strings.
    const std::map<QString, QString> attendues = {
        {"Competition/Couleur lycra 1", "VERT"},
        {"Competition/Couleur lycra 5", "GRIS"},
        {"Competition/Impression séries en demi A4", "1"},
        {"Base de données/Visu Sexe", "1"},
        {"Base de données/Visu DateNaissance", "0"},
        {"Base de données/Visu NumeroLicence", "1"},
        {"Base de données/Visu ForfaitLecon", "1"},
        {"Edition participants/Commentaire", "Inscrits à l'Open"},
        {"Publipostage/Fichier Word", "/home/club/lettre.odt"},
    };
    QSettings brut = Reglages();
    for (const auto& [cle, valeur] : attendues) {
        EXPECT_EQ(brut.value(cle).typeId(), QMetaType::QString) << cle.toStdString();
        EXPECT_EQ(brut.value(cle).toString(), valeur) << cle.toStdString();
    }
    EXPECT_EQ(brut.allKeys().filter("Base de données/").size(), 16);
    EXPECT_FALSE(brut.allKeys().join(' ').contains("Logo")); // the logo is never kept

    Preferences() = TPreferences();
    LirePreferences();
    TPreferences relues = Preferences();
    EXPECT_EQ(relues.FichierLogo, ""); // the logo is empty again after a restart
    relues.FichierLogo = ecrites.FichierLogo;
    EXPECT_EQ(relues, ecrites);
    EXPECT_EQ(LireCommentaireParticipants(), "Inscrits à l'Open");
    EXPECT_EQ(LireFichierPublipostage(), "/home/club/lettre.odt");
}

struct CasLecture {
    const char* stocke; // nullptr: no value
    int entier;         // read with the default 7
    bool booleen;       // read with the default true
};

class LectureReglage : public Reglage, public ::testing::WithParamInterface<CasLecture> {};

TEST_P(LectureReglage, UneValeurAbsenteOuIllisibleDonneLeDefaut) {
    const CasLecture& c = GetParam();
    if (c.stocke)
        WriteRegString("Essai", "Valeur", c.stocke);
    EXPECT_EQ(ReadRegInteger("Essai", "Valeur", 7), c.entier);
    EXPECT_EQ(ReadRegBool("Essai", "Valeur", true), c.booleen);
}

INSTANTIATE_TEST_SUITE_P(Valeurs, LectureReglage,
                         ::testing::Values(CasLecture{nullptr, 7, true}, CasLecture{"0", 0, false},
                                           CasLecture{"1", 1, true}, CasLecture{"2", 2, true},
                                           CasLecture{"-3", -3, true}, CasLecture{"abc", 7, true},
                                           CasLecture{"", 7, true}),
                         [](const auto& i) { return "cas" + std::to_string(i.index); });

struct CasPlacement {
    const char* nom;
    bool agrandie;
};

class Placement : public Reglage, public ::testing::WithParamInterface<CasPlacement> {};

TEST_P(Placement, LaFenetreRevientCommeElleEtaitSurSaTailleNormale) {
    ScriptMessages messages;
    const QRect normale(20, 10, 740, 585); // inside the 800 x 600 offscreen screen
    {
        TMain m;
        m.show();
        m.setGeometry(normale);
        if (GetParam().agrandie)
            m.showMaximized();
        ASSERT_TRUE(m.close());
    }
    QSettings brut = Reglages();
    EXPECT_EQ(brut.value("Position MainFrame/Width").toString(), "740");
    EXPECT_EQ(brut.value("Position MainFrame/Height").toString(), "585");
    EXPECT_EQ(brut.value("Position MainFrame/Left").toString(), "20");
    EXPECT_EQ(brut.value("Position MainFrame/Top").toString(), "10");
    EXPECT_EQ(brut.value("Position MainFrame/WindowState").toString(), GetParam().agrandie ? "2" : "0");
    TMain m;
    m.show();
    EXPECT_EQ(m.isMaximized(), GetParam().agrandie);
    EXPECT_EQ(m.normalGeometry(), normale);
}

INSTANTIATE_TEST_SUITE_P(Etats, Placement,
                         ::testing::Values(CasPlacement{"normale", false}, CasPlacement{"agrandie", true}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(Reglage, LesPreferencesSontLuesAvantLaFenetreEtEcritesApres) {
    WriteRegString("Competition", "Couleur lycra 1", "VERT");
    ScriptMessages messages;
    std::string vueParLaFenetre;
    std::function<void()> quandVisible = [&] {
        TMain* m = TMain::Instance();
        if (!m || !m->isVisible()) {
            QTimer::singleShot(0, quandVisible);
            return;
        }
        vueParLaFenetre = Preferences().CouleursLycra[1];
        Preferences().CouleursLycra[2] = "ORANGE";
        // Still in memory only while the window lives.
        EXPECT_EQ(ReadRegString("Competition", "Couleur lycra 2", ""), "");
        m->close();
    };
    QTimer::singleShot(0, quandVisible);
    auto& application = static_cast<TApplication&>(*QCoreApplication::instance());
    EXPECT_EQ(ExecuterTramonta(application, {}), 0);
    EXPECT_EQ(vueParLaFenetre, "VERT");
    EXPECT_EQ(ReadRegString("Competition", "Couleur lycra 2", ""), "ORANGE");
    EXPECT_EQ(TMain::Instance(), nullptr);
}

// --- The desktop association ----------------------------------------------------

class Association : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(utilisateur_.isValid());
        ASSERT_TRUE(systeme_.isValid());
        ASSERT_TRUE(configuration_.isValid());
        anciens_ = {qgetenv("XDG_DATA_HOME"), qgetenv("XDG_DATA_DIRS"), qgetenv("XDG_CONFIG_HOME")};
        qputenv("XDG_DATA_HOME", utilisateur_.path().toUtf8());
        qputenv("XDG_DATA_DIRS", systeme_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", configuration_.path().toUtf8());
        association_.PathToApp = "/opt/club/bin/tramonta";
        association_.IconPath = ":/icones/TRAMONTA.svg";
        association_.IconeDocument = ":/icones/DOCUMENT_TRAMONTA.svg";
        association_.Lancer = [this](const QString& p, const QStringList& a) {
            lances_ << p + ' ' + a.join(' ');
        };
    }
    void TearDown() override {
        qputenv("XDG_DATA_HOME", anciens_[0]);
        qputenv("XDG_DATA_DIRS", anciens_[1]);
        qputenv("XDG_CONFIG_HOME", anciens_[2]);
    }
    // Every file of the user's folders with its content and time.
    std::map<QString, std::pair<QByteArray, QDateTime>> Etat() const {
        std::map<QString, std::pair<QByteArray, QDateTime>> e;
        for (const QTemporaryDir* d : {&utilisateur_, &configuration_}) {
            QDirIterator it(d->path(), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString f = it.next();
                QFile fichier(f);
                fichier.open(QIODevice::ReadOnly);
                e[f] = {fichier.readAll(), QFileInfo(f).lastModified()};
            }
        }
        return e;
    }
    static QString Lire(const QString& f) {
        QFile fichier(f);
        fichier.open(QIODevice::ReadOnly);
        return QString::fromUtf8(fichier.readAll());
    }
    static void Ecrire(const QString& f, const QString& contenu) {
        QDir().mkpath(QFileInfo(f).absolutePath());
        QFile fichier(f);
        fichier.open(QIODevice::WriteOnly);
        fichier.write(contenu.toUtf8());
    }
    QTemporaryDir utilisateur_, systeme_, configuration_;
    std::array<QByteArray, 3> anciens_;
    TMILAssociate association_;
    QStringList lances_;
};

TEST_F(Association, LePremierDemarrageEnregistreLeSecondNEcritRien) {
    EXPECT_TRUE(association_.AssociatedExtensions().isEmpty());
    EXPECT_TRUE(association_.Verifier());
    const QString donnees = utilisateur_.path();
    const QString entree = Lire(donnees + "/applications/tramonta.desktop");
    EXPECT_TRUE(entree.contains("\nExec=\"/opt/club/bin/tramonta\" %f\n"));
    EXPECT_TRUE(entree.contains("\nMimeType=application/x-tramonta;\n"));
    EXPECT_TRUE(entree.contains("\nIcon=tramonta\n"));
    const QString type = Lire(donnees + "/mime/packages/tramonta.xml");
    EXPECT_TRUE(type.contains("<mime-type type=\"application/x-tramonta\">"));
    EXPECT_TRUE(type.contains("<glob pattern=\"*.trm\"/>"));
    EXPECT_TRUE(type.contains("Fichiers Tramonta"));
    EXPECT_TRUE(QFile::exists(donnees + "/icons/hicolor/scalable/apps/tramonta.svg"));
    EXPECT_TRUE(QFile::exists(donnees + "/icons/hicolor/scalable/mimetypes/application-x-tramonta.svg"));
    EXPECT_TRUE(Lire(configuration_.path() + "/mimeapps.list")
                    .contains("[Default Applications]\napplication/x-tramonta=tramonta.desktop\n"));
    EXPECT_EQ(lances_, (QStringList{"update-mime-database " + donnees + "/mime",
                                    "update-desktop-database " + donnees + "/applications"}));
    EXPECT_EQ(association_.AssociatedExtensions(), QStringList{".trm"});

    const auto avant = Etat();
    lances_.clear();
    EXPECT_FALSE(association_.Verifier(".TRM"));
    EXPECT_EQ(Etat(), avant);
    EXPECT_TRUE(lances_.isEmpty());
}

TEST_F(Association, UnProgrammeInstallePourTousSuffit) {
    Ecrire(systeme_.path() + "/applications/tramonta.desktop",
           "[Desktop Entry]\nType=Application\nName=Tramonta\nExec=tramonta "
           "%f\nMimeType=application/x-tramonta;\n");
    Ecrire(
        systeme_.path() + "/mime/packages/tramonta.xml",
        "<?xml version=\"1.0\"?>\n<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">"
        "<mime-type type=\"application/x-tramonta\"><glob pattern=\"*.TRM\"/></mime-type></mime-info>\n");
    EXPECT_FALSE(association_.Verifier());
    EXPECT_TRUE(Etat().empty());
}

TEST_F(Association, UnAutreProgrammeNeComptePasEtLeChoixDeLUtilisateurResteIntact) {
    // Another program opens *.trm: this one still registers itself, but the
    // user's own default for the type is left as it is.
    Ecrire(
        systeme_.path() + "/applications/autre.desktop",
        "[Desktop Entry]\nType=Application\nName=Autre\nExec=autre %f\nMimeType=application/x-tramonta;\n");
    Ecrire(
        systeme_.path() + "/mime/packages/tramonta.xml",
        "<?xml version=\"1.0\"?>\n<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">"
        "<mime-type type=\"application/x-tramonta\"><glob pattern=\"*.trm\"/></mime-type></mime-info>\n");
    const QString choix =
        "[Default Applications]\napplication/x-tramonta=autre.desktop\ntext/plain=gedit.desktop\n";
    Ecrire(configuration_.path() + "/mimeapps.list", choix);
    EXPECT_TRUE(association_.Verifier());
    EXPECT_EQ(Lire(configuration_.path() + "/mimeapps.list"), choix);
    EXPECT_TRUE(QFile::exists(utilisateur_.path() + "/applications/tramonta.desktop"));
}

TEST_F(Association, UnCheminAvecDesGuillemetsEstEchappeDansLaCommande) {
    association_.PathToApp = "/home/léa/Mes \"outils\"/tramonta";
    EXPECT_EQ(association_.Commande(), "\"/home/léa/Mes \\\"outils\\\"/tramonta\" %f");
}

// --- Shortcuts ----------------------------------------------------------------------

// A shell-link file as Windows writes it: header, an item list, the link
// information with the local path, then the counted strings.
struct Lien {
    QByteArray chemin;   // local base path, in the system code page
    QString description; // empty: none
    QString relatif;     // empty: none
    bool unicode = true;
    int couperChaines = 0; // bytes removed from the end
    bool entete = true;
};

void U16(QByteArray& o, int v) {
    o.append(char(v & 0xFF));
    o.append(char((v >> 8) & 0xFF));
}
void U32(QByteArray& o, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        o.append(char((v >> (8 * i)) & 0xFF));
}

QByteArray FabriquerLien(const Lien& l) {
    QByteArray o;
    std::uint32_t drapeaux = 0x1 | 0x2;
    if (!l.description.isEmpty())
        drapeaux |= 0x4;
    if (!l.relatif.isEmpty())
        drapeaux |= 0x8;
    if (l.unicode)
        drapeaux |= 0x80;
    U32(o, l.entete ? 0x4C : 0x50);
    o.append(QByteArray::fromHex("0114020000000000C000000000000046"));
    U32(o, drapeaux);
    U32(o, 0x20);
    o.append(QByteArray(24, '\0')); // times
    U32(o, 1234);                   // file size
    U32(o, 0);                      // icon index
    U32(o, 1);                      // show command
    U16(o, 0);                      // hot key
    o.append(QByteArray(10, '\0'));
    U16(o, 4); // an item list of four bytes, skipped
    o.append(QByteArray(4, '\x07'));
    // Link information: header of 0x1C, a volume id, the path, the suffix.
    QByteArray volume;
    U32(volume, 0x10);
    U32(volume, 3);
    U32(volume, 0x1234);
    U32(volume, 0x10);
    const std::uint32_t debutVolume = 0x1C;
    const std::uint32_t debutChemin = debutVolume + std::uint32_t(volume.size());
    const std::uint32_t debutSuffixe = debutChemin + std::uint32_t(l.chemin.size()) + 1;
    const std::uint32_t taille = debutSuffixe + 1;
    U32(o, taille);
    U32(o, 0x1C);
    U32(o, 1);
    U32(o, debutVolume);
    U32(o, debutChemin);
    U32(o, 0);
    U32(o, debutSuffixe);
    o.append(volume);
    o.append(l.chemin);
    o.append('\0');
    o.append('\0');
    for (const QString& s : {l.description, l.relatif}) {
        if (s.isEmpty())
            continue;
        U16(o, int(s.size()));
        if (l.unicode)
            for (QChar c : s)
                U16(o, c.unicode());
        else
            o.append(s.toLatin1());
    }
    o.chop(l.couperChaines);
    return o;
}

TEST(Raccourci, LaCibleEtLaDescriptionSontLuesDuFichier) {
    for (bool unicode : {true, false}) {
        TShellLink lien;
        Lien l;
        l.chemin = "C:\\Club\\Saison \xE9t\xE9.trm"; // "été" in the Windows code page
        l.description = "Saison d'été";
        l.unicode = unicode;
        EXPECT_EQ(lien.Lire(FabriquerLien(l)), TShellLink::Lecture::Ok);
        EXPECT_EQ(lien.Target(), "C:/Club/Saison été.trm");
        EXPECT_EQ(lien.Description(), "Saison d'été");
        EXPECT_EQ(lien.ShowCmd(), 1);
    }
}

class OuvertureRaccourci : public test::TestFenetre {
  protected:
    void SetUp() override {
        TestFenetre::SetUp();
        QDir(dossier_.path()).mkpath("docs");
        QDir(dossier_.path()).mkpath("liens");
        cible_ = Chemin("docs/saison.trm");
        CreerDocument(cible_, "Saison");
        main_ = std::make_unique<TMain>();
    }
    void EcrireLien(const QString& nom, const Lien& l) {
        QFile f(Chemin(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(FabriquerLien(l));
    }
    QString cible_;
    std::unique_ptr<TMain> main_;
};

struct CasRaccourci {
    const char* nom;
    const char* fichier;
    bool versCible; // the link's path is the real target (else a Windows path)
};

class RaccourciOuvert : public OuvertureRaccourci, public ::testing::WithParamInterface<CasRaccourci> {};

TEST_P(RaccourciOuvert, LeTitreMontreLaCibleEtNonLeRaccourci) {
    const CasRaccourci& c = GetParam();
    Lien l;
    l.chemin = c.versCible ? cible_.toLocal8Bit() : QByteArray("D:\\Club\\saison.trm");
    if (!c.versCible) // the folder copied from Windows keeps the file beside its shortcut
        QFile::copy(cible_, Chemin("liens/saison.trm"));
    EcrireLien(QString("liens/") + c.fichier, l);
    main_->OuvrirExercice(Chemin(QString("liens/") + c.fichier));
    EXPECT_TRUE(messages_.Affiches().empty());
    const QString attendu = c.versCible ? cible_ : Chemin("liens/saison.trm");
    EXPECT_EQ(main_->FichierCourant(), attendu);
    EXPECT_EQ(main_->windowTitle(), "Tramonta - " + attendu);
    EXPECT_EQ(main_->Exercice().Intitule(), "Saison");
}

INSTANTIATE_TEST_SUITE_P(Liens, RaccourciOuvert,
                         ::testing::Values(CasRaccourci{"minuscules", "saison.lnk", true},
                                           CasRaccourci{"majuscules", "SAISON.LNK", true},
                                           CasRaccourci{"melange", "Saison.Lnk", true},
                                           CasRaccourci{"copie_de_windows", "saison.lnk", false}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(OuvertureRaccourci, UnLienSymboliqueOuvreSaCible) {
    ASSERT_TRUE(QFile::link(cible_, Chemin("liens/raccourci.trm")));
    main_->OuvrirExercice(Chemin("liens/raccourci.trm"));
    EXPECT_EQ(main_->windowTitle(), "Tramonta - " + cible_);
    EXPECT_EQ(main_->RecentFileList().RecentList(), QStringList{cible_});
}

struct CasLienFautif {
    const char* nom;
    bool entete;
    int couper;
    const char* message;
};

class LienFautif : public OuvertureRaccourci, public ::testing::WithParamInterface<CasLienFautif> {};

TEST_P(LienFautif, UnMessageEtLeDocumentResteLa) {
    const CasLienFautif& c = GetParam();
    Lien l;
    l.chemin = cible_.toLocal8Bit();
    l.description = "Saison";
    l.entete = c.entete;
    l.couperChaines = c.couper;
    EcrireLien("liens/faux.lnk", l);
    main_->OuvrirExercice(cible_);
    main_->OuvrirExercice(Chemin("liens/faux.lnk"));
    ASSERT_EQ(messages_.Affiches().size(), 1u);
    EXPECT_EQ(messages_.Affiches()[0].texte, c.message);
    EXPECT_EQ(messages_.Affiches()[0].titre, "Erreur !");
    EXPECT_EQ(messages_.Affiches()[0].drapeaux, MB_OK | MB_ICONERROR);
    EXPECT_EQ(main_->Exercice().Intitule(), "Saison");
    EXPECT_EQ(main_->FichierCourant(), cible_);
}

INSTANTIATE_TEST_SUITE_P(
    Fautes, LienFautif,
    ::testing::Values(CasLienFautif{"pas_un_lien", false, 0, "Fichier lien incorrect"},
                      CasLienFautif{"coupe_dans_l_entete", true, 200, "Fichier lien incorrect"},
                      CasLienFautif{"chaine_coupee", true, 3, "Erreur de lecture du fichier lien"}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(OuvertureRaccourci, UnRaccourciAbsentEstIncorrect) {
    main_->OuvrirExercice(Chemin("liens/absent.lnk"));
    ASSERT_EQ(messages_.Affiches().size(), 1u);
    EXPECT_EQ(messages_.Affiches()[0].texte, "Fichier lien incorrect");
}

} // namespace
} // namespace tramonta

namespace tramonta {
namespace {

// The real file dialog, not the scripted one: it must open on the current
// file's folder with that file chosen, for opening as for saving.
class DialogueFichier : public testing::TestWithParam<DemandeFichier::Sens> {};

TEST_P(DialogueFichier, SOuvreSurLeFichierCourant) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("saison.trm");
    test::CreerDocument(chemin, "Saison");
    DemandeFichier d;
    d.sens = GetParam();
    d.titre = "Choix";
    d.filtre = kFiltreTramonta;
    d.suffixe = "trm";
    d.initial = chemin;
    QStringList choisis;
    QString dossierMontre;
    {
        test::ScriptDialogues script;
        script.Puis([&](QDialog& dlg) {
            auto* f = qobject_cast<QFileDialog*>(&dlg);
            ASSERT_NE(f, nullptr);
            choisis = f->selectedFiles();
            dossierMontre = f->directory().absolutePath();
            dlg.reject();
        });
        EXPECT_FALSE(ChoisirFichier(nullptr, d).has_value());
    }
    EXPECT_EQ(QFileInfo(dossierMontre).canonicalFilePath(), QFileInfo(dossier.path()).canonicalFilePath());
    ASSERT_EQ(choisis.size(), 1);
    EXPECT_EQ(QFileInfo(choisis.front()).canonicalFilePath(), QFileInfo(chemin).canonicalFilePath());
}

INSTANTIATE_TEST_SUITE_P(Sens, DialogueFichier,
                         testing::Values(DemandeFichier::Sens::Ouvrir, DemandeFichier::Sens::Enregistrer));

// The real start: a program that still runs is not started a second time,
// one that has ended is. The program writes its number when it starts and
// runs while its marker file exists.
TEST(Programmes, UnProgrammeEnCoursNeDemarrePasDeuxFois) {
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString programme = dossier.filePath("programme");
    const QString marqueur = dossier.filePath("vivant");
    const QString pids = dossier.filePath("pids");
    {
        QFile f(programme);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\necho $$ >> '%1'\nwhile [ -e '%2' ]; do sleep 0.02; done\n")
                    .arg(pids, marqueur)
                    .toUtf8());
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }
    const auto demarres = [&] {
        QFile f(pids);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)
                                           : QStringList{};
    };
    // Ended once it is gone or a zombie that nobody has reaped yet.
    const auto fini = [](const QString& pid) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            return true;
        const QByteArray ligne = stat.readAll();
        const qsizetype parenthese = ligne.lastIndexOf(')');
        return parenthese < 0 || ligne.mid(parenthese + 2, 1) == "Z";
    };
    DefinirLanceurProgrammes({});
    QFile(marqueur).open(QIODevice::WriteOnly);
    ASSERT_TRUE(LancerProgramme(programme));
    ASSERT_TRUE(QTest::qWaitFor([&] { return demarres().size() == 1; }, 5000));
    EXPECT_TRUE(LancerProgramme(programme));
    QTest::qWait(200);
    EXPECT_EQ(demarres().size(), 1) << "a second copy started while the first runs";

    QFile::remove(marqueur);
    const QString premier = demarres().front();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fini(premier); }, 5000));
    QFile(marqueur).open(QIODevice::WriteOnly);
    EXPECT_TRUE(LancerProgramme(programme));
    EXPECT_TRUE(QTest::qWaitFor([&] { return demarres().size() == 2; }, 5000));
    QFile::remove(marqueur);
    EXPECT_FALSE(LancerProgramme(dossier.filePath("absent")));
}

} // namespace
} // namespace tramonta
