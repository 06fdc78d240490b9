// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's document commands, driven through its menus, tool bar,
// dropped files and scripted dialogs.
#include "outils_shell.h"

#include "core/messages.h"
#include "platform/boite_message.h"
#include "platform/choix_fichier.h"
#include "ui/communs/agenda.h"
#include "ui/communs/sous_vue.h"
#include "ui/fenetre/fichiers_recents.h"
#include "ui/fenetre/main_fenetre.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>

#include <memory>
#include <stdexcept>

namespace tramonta {
namespace {

using test::CreerDocument;
using test::IntituleDe;
using test::ScriptDialogues;

QByteArray Octets(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

class MainFenetre : public test::TestFenetre {
  protected:
    std::unique_ptr<TMain> Demarrer(const QStringList& arguments = {}) {
        auto m = std::make_unique<TMain>(arguments);
        m->show();
        QApplication::setActiveWindow(m.get());
        return m;
    }
    static void Declencher(TMain& m, const char* action) {
        auto* a = m.findChild<QAction*>(action);
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
    }
    static void Deposer(TMain& m, const QStringList& fichiers) {
        auto* donnees = new QMimeData;
        QList<QUrl> urls;
        for (const QString& f : fichiers)
            urls << QUrl::fromLocalFile(f);
        donnees->setUrls(urls);
        QDropEvent depot(QPointF(300, 200), Qt::CopyAction, donnees, Qt::LeftButton, Qt::NoModifier);
        // Qt delivers a drop only during a drag of its own: the window's
        // handler gets the event as the desktop's drop would reach it.
        static_cast<QObject&>(m).event(&depot);
        delete donnees;
    }
};

// --- Start-up ---------------------------------------------------------------

struct CasDemarrage {
    const char* nom;
    int nbArguments; // 0, 1 or 2 documents named on the command line
    bool ouvert;
};

class Demarrage : public MainFenetre, public ::testing::WithParamInterface<CasDemarrage> {};

TEST_P(Demarrage, OuvreLeDocumentSeulementAvecUnArgument) {
    const CasDemarrage& c = GetParam();
    CreerDocument(Chemin("a.trm"), "Saison A");
    CreerDocument(Chemin("b.trm"), "Saison B");
    QStringList arguments;
    for (int i = 0; i < c.nbArguments; ++i)
        arguments << Chemin(i == 0 ? "a.trm" : "b.trm");
    auto m = Demarrer(arguments);
    EXPECT_EQ(m->FichierCourant(), c.ouvert ? Chemin("a.trm") : QString());
    EXPECT_EQ(m->Exercice().Intitule(), c.ouvert ? "Saison A" : "");
    EXPECT_EQ(m->windowTitle(), c.ouvert ? "Tramonta - " + Chemin("a.trm") : QString("Tramonta"));
    EXPECT_EQ(m->PageCourante(), 0);
    EXPECT_FALSE(m->Exercice().IsModified());
    if (!c.ouvert) {
        ASSERT_EQ(m->Exercice().Agenda().Count(), 1);
        EXPECT_EQ(m->Exercice().Agenda().Ligne(0)->Texte(), "Création");
    }
    // Quitting at once asks nothing.
    EXPECT_TRUE(m->close());
    EXPECT_TRUE(messages_.Affiches().empty());
}

INSTANTIATE_TEST_SUITE_P(Arguments, Demarrage,
                         ::testing::Values(CasDemarrage{"aucun", 0, false}, CasDemarrage{"un", 1, true},
                                           CasDemarrage{"deux", 2, false}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(MainFenetre, UnCheminRelatifEstOuvertSousSonCheminComplet) {
    CreerDocument(Chemin("a.trm"), "Saison A");
    const QString ancien = QDir::currentPath();
    QDir::setCurrent(dossier_.path());
    auto m = Demarrer({"a.trm"});
    QDir::setCurrent(ancien);
    EXPECT_EQ(m->windowTitle(), "Tramonta - " + Chemin("a.trm"));
}

TEST_F(MainFenetre, LesQuatreBoutonsDePageEnAlternance) {
    auto m = Demarrer();
    const char* boutons[] = {"BoutonPrincipal", "BoutonBDD", "BoutonCompta", "BoutonCompet"};
    const char* pages[] = {"FichePrincipale", "FicheBDD", "FicheCompta", "FicheCompets"};
    for (int i : {2, 1, 3, 0}) {
        test::Cliquer(*m, boutons[i]);
        EXPECT_EQ(m->PageCourante(), i);
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(m->findChild<QAbstractButton*>(boutons[j])->isChecked(), i == j) << boutons[j];
            EXPECT_EQ(m->findChild<QWidget*>(pages[j])->isVisible(), i == j) << pages[j];
        }
    }
}

TEST_F(MainFenetre, LAccueilSAfficheCinqSecondesEtSeFermeAuClic) {
    auto m = Demarrer();
    auto* accueil = m->findChild<QWidget*>("EcranAccueil");
    ASSERT_NE(accueil, nullptr);
    EXPECT_TRUE(accueil->isVisible());
    auto* minuterie = m->findChild<QTimer*>("TimerSplash");
    ASSERT_NE(minuterie, nullptr);
    EXPECT_EQ(minuterie->interval(), 5000);
    EXPECT_TRUE(minuterie->isActive());
    EXPECT_TRUE(minuterie->isSingleShot());
    QTest::mouseClick(accueil, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m->findChild<QWidget*>("EcranAccueil"), nullptr);
    m->TimerSplashTimer(); // the timer firing after a click finds nothing to close
    EXPECT_FALSE(minuterie->isActive());
}

// --- The save question --------------------------------------------------------

enum class Commande { Nouveau, Ouvrir, Deposer, Recent, Quitter };

struct CasQuestion {
    Commande commande;
    int reponse;
};

// Every command that leaves the document, with every answer to the question.
class QuestionSauvegarde : public MainFenetre,
                           public ::testing::WithParamInterface<std::tuple<Commande, int>> {};

TEST_P(QuestionSauvegarde, OuiSauveNonAbandonneAnnulerGardeTout) {
    const CasQuestion c{std::get<0>(GetParam()), std::get<1>(GetParam())};
    const QString a = Chemin("a.trm"), b = Chemin("b.trm");
    CreerDocument(a, "A");
    CreerDocument(b, "B");
    auto m = Demarrer({b});
    m->OuvrirExercice(a); // b is now in the recent files, below a
    m->Exercice().SetIntitule("A modifié");
    messages_.Repondre(c.reponse);
    bool ferme = false;
    switch (c.commande) {
    case Commande::Nouveau:
        Declencher(*m, "MenuNouvelExercice");
        break;
    case Commande::Ouvrir:
        fichiers_.Repondre(b);
        Declencher(*m, "MenuOuvrirExercice");
        break;
    case Commande::Deposer:
        Deposer(*m, {b});
        break;
    case Commande::Recent:
        m->RecentFileList().Items().at(1)->trigger();
        break;
    case Commande::Quitter:
        ferme = m->close();
        break;
    }
    ASSERT_EQ(messages_.Affiches().size(), 1u);
    EXPECT_EQ(messages_.Affiches()[0].texte, "Voulez-vous sauver l'exercice en cours ?");
    EXPECT_EQ(messages_.Affiches()[0].titre, "Question");
    EXPECT_EQ(messages_.Affiches()[0].drapeaux, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(IntituleDe(a), c.reponse == IDYES ? "A modifié" : "A");
    if (c.reponse == IDCANCEL) {
        EXPECT_FALSE(ferme);
        EXPECT_TRUE(m->isVisible());
        EXPECT_EQ(m->Exercice().Intitule(), "A modifié");
        EXPECT_EQ(m->FichierCourant(), a);
        return;
    }
    switch (c.commande) {
    case Commande::Nouveau:
        EXPECT_EQ(m->Exercice().Intitule(), "");
        break;
    case Commande::Quitter:
        EXPECT_TRUE(ferme);
        break;
    default:
        EXPECT_EQ(m->Exercice().Intitule(), "B");
        EXPECT_EQ(m->FichierCourant(), b);
    }
}

std::string NomQuestion(const ::testing::TestParamInfo<std::tuple<Commande, int>>& info) {
    static const char* const kCommandes[] = {"nouveau", "ouvrir", "deposer", "recent", "quitter"};
    const int r = std::get<1>(info.param);
    return std::string(kCommandes[static_cast<int>(std::get<0>(info.param))]) + (r == IDYES  ? "_oui"
                                                                                 : r == IDNO ? "_non"
                                                                                             : "_annuler");
}

INSTANTIATE_TEST_SUITE_P(Chemins, QuestionSauvegarde,
                         ::testing::Combine(::testing::Values(Commande::Nouveau, Commande::Ouvrir,
                                                              Commande::Deposer, Commande::Recent,
                                                              Commande::Quitter),
                                            ::testing::Values(IDYES, IDNO, IDCANCEL)),
                         NomQuestion);

TEST_F(MainFenetre, OuiSansQueLaSauvegardeAitLieuNePerdRien) {
    auto m = Demarrer();
    m->Exercice().SetIntitule("Jamais sauvé");
    // Yes, then the save-as dialog cancelled: nothing must be thrown away.
    messages_.Repondre(IDYES);
    Declencher(*m, "MenuNouvelExercice");
    EXPECT_EQ(m->Exercice().Intitule(), "Jamais sauvé");
    messages_.Repondre(IDYES);
    EXPECT_FALSE(m->close());
    EXPECT_EQ(fichiers_.Demandes().size(), 2u);
    m->Exercice().Clear();
}

TEST_F(MainFenetre, OuiEtEcritureImpossibleNePerdRienNonPlus) {
    const QString a = Chemin("a.trm");
    CreerDocument(a, "A");
    auto m = Demarrer({a});
    m->Exercice().SetIntitule("A modifié");
    QDir(dossier_.path()).removeRecursively(); // the folder is gone: the save fails
    messages_.Repondre(IDYES);
    Declencher(*m, "MenuNouvelExercice");
    EXPECT_EQ(m->Exercice().Intitule(), "A modifié");
    EXPECT_EQ(Textes(), (std::vector<std::string>{"Voulez-vous sauver l'exercice en cours ?",
                                                  "Impossible d'écrire l'exercice !"}));
    m->Exercice().Clear();
}

TEST_F(MainFenetre, LaSaisieEnCoursEstValideeAvantLaSauvegardeEtLaQuestion) {
    const QString a = Chemin("a.trm");
    CreerDocument(a, "A");
    auto m = Demarrer({a});
    // An edit of a page that stores its text when it loses the focus.
    auto* edit = new QLineEdit(m->Page(0));
    edit->show();
    QObject::connect(edit, &QLineEdit::editingFinished,
                     [&] { m->Exercice().SetIntitule(edit->text().toStdString()); });
    edit->setFocus();
    QTest::keyClicks(edit, "Saisi");
    Declencher(*m, "MenuSauverExercice1");
    EXPECT_EQ(IntituleDe(a), "Saisi");

    QTest::keyClicks(edit, " encore");
    messages_.Repondre(IDCANCEL);
    EXPECT_FALSE(m->close());
    ASSERT_EQ(messages_.Affiches().size(), 1u);
    EXPECT_EQ(m->Exercice().Intitule(), "Saisi encore");
    m->Exercice().Clear();
}

// --- Save and save as ---------------------------------------------------------

TEST_F(MainFenetre, SauverUnDocumentNonModifieNEcritRien) {
    const QString a = Chemin("a.trm");
    CreerDocument(a, "A");
    auto m = Demarrer({a});
    CreerDocument(a, "Changé ailleurs");
    Declencher(*m, "MenuSauverExercice1");
    EXPECT_EQ(IntituleDe(a), "Changé ailleurs");
    EXPECT_TRUE(fichiers_.Demandes().empty());
}

TEST_F(MainFenetre, SauverSousEcritToujoursEtPrendLeNouveauNom) {
    const QString a = Chemin("a.trm"), c = Chemin("c.trm");
    test::CreerSaisonDemo(a, "A");
    auto m = Demarrer({a});
    fichiers_.Repondre(c);
    Declencher(*m, "MenuSauverExerciceSous");
    ASSERT_EQ(fichiers_.Demandes().size(), 1u);
    const DemandeFichier& d = fichiers_.Demandes()[0];
    EXPECT_EQ(d.sens, DemandeFichier::Sens::Enregistrer);
    EXPECT_EQ(d.titre, "Sauvegarde d'un fichier Tramonta");
    EXPECT_EQ(d.initial, a);
    EXPECT_EQ(d.suffixe, "trm");
    EXPECT_EQ(IntituleDe(c), "A");
    EXPECT_EQ(Octets(c), Octets(a)) << "the season, heat tables included, written as it was read";
    EXPECT_EQ(m->FichierCourant(), c);
    EXPECT_EQ(m->windowTitle(), "Tramonta - " + c);
    EXPECT_EQ(m->RecentFileList().RecentList(), (QStringList{c, a}));
}

TEST_F(MainFenetre, SauverUnDocumentSansNomDemandeOuLEcrire) {
    auto m = Demarrer();
    m->Exercice().SetIntitule("Neuf");
    fichiers_.Repondre(Chemin("neuf.trm"));
    Declencher(*m, "MenuSauverExercice1");
    EXPECT_EQ(IntituleDe(Chemin("neuf.trm")), "Neuf");
    EXPECT_FALSE(m->Exercice().IsModified());
}

TEST_F(MainFenetre, OuvrirPartDuFichierCourantEtDemandeApresLeChoix) {
    const QString a = Chemin("a.trm");
    CreerDocument(a, "A");
    auto m = Demarrer({a});
    m->Exercice().SetIntitule("A modifié");
    // The dialog cancelled: no question.
    Declencher(*m, "MenuOuvrirExercice");
    ASSERT_EQ(fichiers_.Demandes().size(), 1u);
    EXPECT_EQ(fichiers_.Demandes()[0].titre, "Ouverture d'un fichier Tramonta...");
    EXPECT_EQ(fichiers_.Demandes()[0].initial, a);
    EXPECT_EQ(fichiers_.Demandes()[0].sens, DemandeFichier::Sens::Ouvrir);
    EXPECT_TRUE(messages_.Affiches().empty());
    m->Exercice().Clear();
}

TEST_F(MainFenetre, UnFichierIllisibleLaisseUnDocumentVideEtSortDesRecents) {
    const QString a = Chemin("a.trm"), b = Chemin("b.trm");
    CreerDocument(a, "A");
    CreerDocument(b, "B");
    auto m = Demarrer({a});
    m->OuvrirExercice(b);
    QFile::remove(a);
    m->OuvrirExercice(a);
    EXPECT_EQ(Textes(), std::vector<std::string>{"Fichier inexistant !"});
    EXPECT_EQ(m->Exercice().Intitule(), "");
    EXPECT_EQ(m->FichierCourant(), "");
    EXPECT_EQ(m->windowTitle(), "Tramonta");
    EXPECT_EQ(m->RecentFileList().RecentList(), QStringList{b});
}

// --- Recent files -------------------------------------------------------------

TEST_F(MainFenetre, LesFichiersRecentsGardentLesQuatreDerniersDansLOrdre) {
    QStringList f;
    for (int i = 1; i <= 5; ++i) {
        f << Chemin(QStringLiteral("f%1.trm").arg(i));
        CreerDocument(f.last(), "F");
    }
    {
        auto m = Demarrer();
        for (const QString& c : f)
            m->OuvrirExercice(c);
        EXPECT_EQ(m->RecentFileList().RecentList(), (QStringList{f[4], f[3], f[2], f[1]}));
        m->OuvrirExercice(f[4]); // already first: nothing moves
        EXPECT_EQ(m->RecentFileList().RecentList(), (QStringList{f[4], f[3], f[2], f[1]}));
        m->OuvrirExercice(f[2].toUpper() == f[2] ? f[2] : f[2]);
        EXPECT_EQ(m->RecentFileList().RecentList(), (QStringList{f[2], f[4], f[3], f[1]}));
        const auto& items = m->RecentFileList().Items();
        ASSERT_EQ(items.size(), 4u);
        EXPECT_EQ(items[0]->text(), "&0 " + f[2]);
        EXPECT_EQ(items[3]->text(), "&3 " + f[1]);
        EXPECT_EQ(items[0]->parent(), m->findChild<QMenu*>("FichiersRecents"));
        items[3]->trigger();
        EXPECT_EQ(m->FichierCourant(), f[1]);
    }
    EXPECT_EQ(test::Reglages().value("MRU/MRU").toString(),
              f[1] + '|' + f[2] + '|' + f[4] + '|' + f[3] + '|');
    auto m = Demarrer();
    EXPECT_EQ(m->RecentFileList().RecentList(), (QStringList{f[1], f[2], f[4], f[3]}));
}

// A recent file clicked while the document asks to be saved: the save may
// change the recent list (a new name goes first, the last one drops out)
// while the clicked path is still to be opened.
enum class AvantRecent { OuiSauverSous, OuiSurSonNom, Non };

class RecentApresQuestion : public MainFenetre, public ::testing::WithParamInterface<AvantRecent> {};

TEST_P(RecentApresQuestion, OuvreLeFichierClique) {
    QStringList f;
    for (int i = 0; i < 4; ++i) {
        f << Chemin(QStringLiteral("f%1.trm").arg(i));
        CreerDocument(f.last(), QStringLiteral("F%1").arg(i).toStdString());
    }
    const QString courant = Chemin("courant.trm"), neuf = Chemin("neuf.trm");
    CreerDocument(courant, "Courant");
    auto m = Demarrer();
    if (GetParam() == AvantRecent::OuiSurSonNom)
        m->OuvrirExercice(courant);
    m->RecentFileList().SetTexte(f.join('|'));
    m->Exercice().SetIntitule("Modifié");
    messages_.Repondre(GetParam() == AvantRecent::Non ? IDNO : IDYES);
    if (GetParam() == AvantRecent::OuiSauverSous)
        fichiers_.Repondre(neuf);
    m->RecentFileList().Items().at(3)->trigger(); // the last one, which a new name pushes out
    ASSERT_EQ(Textes(), std::vector<std::string>{"Voulez-vous sauver l'exercice en cours ?"});
    EXPECT_EQ(m->FichierCourant(), f[3]);
    EXPECT_EQ(m->Exercice().Intitule(), "F3");
    EXPECT_EQ(m->RecentFileList().RecentList().value(0), f[3]);
    switch (GetParam()) {
    case AvantRecent::OuiSauverSous:
        EXPECT_EQ(IntituleDe(neuf), "Modifié");
        EXPECT_EQ(m->RecentFileList().RecentList(), (QStringList{f[3], neuf, f[0], f[1]}));
        break;
    case AvantRecent::OuiSurSonNom:
        EXPECT_EQ(IntituleDe(courant), "Modifié");
        break;
    case AvantRecent::Non:
        EXPECT_EQ(IntituleDe(courant), "Courant");
        EXPECT_EQ(m->RecentFileList().RecentList(), (QStringList{f[3], f[0], f[1], f[2]}));
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Reponses, RecentApresQuestion,
                         ::testing::Values(AvantRecent::OuiSauverSous, AvantRecent::OuiSurSonNom,
                                           AvantRecent::Non),
                         [](const auto& i) {
                             return std::string(i.param == AvantRecent::OuiSauverSous  ? "oui_sauver_sous"
                                                : i.param == AvantRecent::OuiSurSonNom ? "oui_sur_son_nom"
                                                                                       : "non");
                         });

struct CasMode {
    const char* nom;
    TRecentFileList::Mode mode;
    QStringList attendu; // texts of the menu that the items go into
};

class ModesFichiersRecents : public ::testing::TestWithParam<CasMode> {};

TEST_P(ModesFichiersRecents, LesEntreesSePlacentSelonLeMode) {
    const CasMode& c = GetParam();
    QMenu menu;
    menu.addAction("Avant");
    QMenu* sous = menu.addMenu("Récents");
    menu.addAction("Après");
    TRecentFileList liste;
    liste.SetMaxEntries(3);
    liste.SetInitialCounter(1);
    liste.SetMode(c.mode);
    liste.SetMenuItem(&menu, sous->menuAction());
    for (const char* f : {"/c/un", "/c/deux", "/c/R&D"})
        liste.AddFile(f);
    QStringList textes;
    for (QAction* a : (c.mode == TRecentFileList::rflSubMenu ? sous : &menu)->actions())
        textes << a->text();
    EXPECT_EQ(textes, c.attendu);
    QStringList ouverts;
    liste.OnMenuClick = [&](const QString& chemin) { ouverts << chemin; };
    liste.Items()[0]->trigger();
    EXPECT_EQ(ouverts, QStringList{"/c/R&D"});
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ModesFichiersRecents,
    ::testing::Values(
        CasMode{"sous_menu", TRecentFileList::rflSubMenu, {"&1 /c/R&&D", "&2 /c/deux", "&3 /c/un"}},
        CasMode{"avant",
                TRecentFileList::rflBefore,
                {"Avant", "&1 /c/R&&D", "&2 /c/deux", "&3 /c/un", "Récents", "Après"}},
        CasMode{"apres",
                TRecentFileList::rflAfter,
                {"Avant", "Récents", "&1 /c/R&&D", "&2 /c/deux", "&3 /c/un", "Après"}}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(FichiersRecents, LaFormeTexteSeRelitSansLimiteNiMorceauxVides) {
    TRecentFileList liste;
    liste.SetMaxEntries(2);
    liste.SetTexte(" /a | |/b|/c||/d");
    EXPECT_EQ(liste.RecentList(), (QStringList{"/a", "/b", "/c", "/d"}));
    EXPECT_EQ(liste.Texte(), "/a|/b|/c|/d|");
    liste.AddFile("/B"); // case ignored: moves, then the limit applies
    EXPECT_EQ(liste.RecentList(), (QStringList{"/B", "/a"}));
    liste.RemoveFile("/A");
    EXPECT_EQ(liste.RecentList(), QStringList{"/B"});
}

// --- Dropped files, failures ------------------------------------------------

TEST_F(MainFenetre, DeuxFichiersDeposesSontRefusesSansQuestion) {
    const QString a = Chemin("a.trm"), b = Chemin("b.trm");
    CreerDocument(a, "A");
    CreerDocument(b, "B");
    auto m = Demarrer();
    m->Exercice().SetIntitule("En cours");
    Deposer(*m, {a, b});
    ASSERT_EQ(messages_.Affiches().size(), 1u);
    EXPECT_EQ(messages_.Affiches()[0].texte, "Impossible d'ouvrir plusieurs fichiers à la fois !");
    EXPECT_EQ(messages_.Affiches()[0].titre, "Erreur");
    EXPECT_EQ(messages_.Affiches()[0].drapeaux, MB_OK | MB_ICONERROR);
    EXPECT_EQ(m->Exercice().Intitule(), "En cours");
    m->Exercice().Clear();
    Deposer(*m, {b});
    EXPECT_EQ(m->Exercice().Intitule(), "B");
}

TEST_F(MainFenetre, UneErreurNonTraiteeFinitDansLaBoiteParDefautEtLeProgrammeContinue) {
    auto m = Demarrer();
    int appels = 0;
    QObject::connect(m->findChild<QAction*>("MenuNouvelExercice"), &QAction::triggered, [&] {
        ++appels;
        throw std::invalid_argument("'12a' n'est pas une valeur entière correcte");
    });
    for (int fois = 1; fois <= 2; ++fois) {
        test::Cliquer(*m, "BoutonNouveau");
        EXPECT_EQ(appels, fois);
        ASSERT_EQ(messages_.Affiches().size(), static_cast<std::size_t>(fois));
        EXPECT_EQ(messages_.Affiches().back().texte, "'12a' n'est pas une valeur entière correcte.");
        EXPECT_EQ(messages_.Affiches().back().titre, "Tramonta");
        EXPECT_EQ(messages_.Affiches().back().drapeaux, MB_OK | MB_ICONERROR);
    }
    EXPECT_TRUE(m->isVisible());
}

// --- The journal ----------------------------------------------------------------

TEST_F(MainFenetre, UnNouveauDocumentNaQueSaLigneCreationEtNEstPasModifie) {
    auto m = Demarrer();
    m->Exercice().SetIntitule("x");
    messages_.Repondre(IDNO);
    Declencher(*m, "MenuNouvelExercice");
    ASSERT_EQ(m->Exercice().Agenda().Count(), 1);
    EXPECT_EQ(m->Exercice().Agenda().Ligne(0)->Texte(), "Création");
    EXPECT_FALSE(m->Exercice().IsModified());
    AjouterLigneAgenda("Ajout de la compétition \"Open\"");
    EXPECT_EQ(m->Exercice().Agenda().Count(), 2);
    EXPECT_TRUE(m->Exercice().IsModified());
    m->Exercice().Clear();
}

// --- Every dialog is made once -------------------------------------------------

struct CasDialogue {
    const char* nom;
    const char* action;
    const char* fermer;
};

class DialoguesUniques : public MainFenetre, public ::testing::WithParamInterface<CasDialogue> {};

TEST_P(DialoguesUniques, LaMemeFenetreSertAChaqueFois) {
    const CasDialogue& c = GetParam();
    auto m = Demarrer();
    const auto nbDialogues = m->findChildren<QDialog*>().size();
    ScriptDialogues dialogues;
    for (int i = 0; i < 2; ++i) {
        dialogues.Puis([&](QDialog& d) { test::Cliquer(d, c.fermer); });
        Declencher(*m, c.action);
    }
    ASSERT_EQ(dialogues.Vus().size(), 2u);
    EXPECT_EQ(dialogues.Vus()[0], dialogues.Vus()[1]);
    EXPECT_EQ(dialogues.Vus()[0]->parent(), m.get());
    EXPECT_EQ(m->findChildren<QDialog*>().size(), nbDialogues);
    EXPECT_FALSE(m->Exercice().IsModified());
}

INSTANTIATE_TEST_SUITE_P(Commandes, DialoguesUniques,
                         ::testing::Values(CasDialogue{"protection", "MenuProtection", "BoutonAnnuler"},
                                           CasDialogue{"preferences", "MenuPreferences", "BoutonOk"},
                                           CasDialogue{"cartes", "MenuCartesMeteo", "BoutonOk"},
                                           CasDialogue{"imports", "MenuImporterFichierTramonta",
                                                       "BoutonFermer"},
                                           CasDialogue{"a_propos", "MenuAPropos", "BoutonOk"},
                                           CasDialogue{"publipostage", "MenuPublipostage", "BoutonFermer"}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(MainFenetre, LesMenusPortentLeursRaccourcis) {
    auto m = Demarrer();
    const std::pair<const char*, QKeySequence> attendus[] = {{"MenuNouvelExercice", QKeySequence("Ctrl+N")},
                                                             {"MenuOuvrirExercice", QKeySequence("Ctrl+O")},
                                                             {"MenuSauverExercice1", QKeySequence("Ctrl+S")},
                                                             {"MenuQuitter", QKeySequence("Alt+F4")}};
    for (const auto& [nom, touches] : attendus)
        EXPECT_EQ(m->findChild<QAction*>(nom)->shortcut(), touches) << nom;
}

} // namespace
} // namespace tramonta
