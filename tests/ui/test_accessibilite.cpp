// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of every window has a name that a screen reader can say.
#include "accessibilite.h"
#include "outils_shell.h"

#include "ui/bdd/fiche_adherent.h"
#include "ui/bdd/fiche_correspondant.h"
#include "ui/bdd/fiche_criteres_requete.h"
#include "ui/bdd/fiche_liste_comptes.h"
#include "ui/bdd/fiche_publipostage.h"
#include "ui/bdd/fiches_impression_adherents.h"
#include "ui/communs/fiche_configuration_imprimante.h"
#include "ui/compta/fiche_compte.h"
#include "ui/compta/fiche_ecriture.h"
#include "ui/compta/fiche_impression_compta.h"
#include "ui/compta/fiches_edition_compta.h"
#include "ui/fenetre/a_propos.h"
#include "ui/fenetre/fiche_cartes_meteo.h"
#include "ui/fenetre/fiche_preferences.h"
#include "ui/fenetre/fiche_protection.h"
#include "ui/fenetre/main_fenetre.h"
#include "ui/fichier/exports_tableur.h"
#include "ui/fichier/fiche_import_adherents_csv.h"
#include "ui/fichier/fiche_imports.h"
#include "ui/fichier/fiche_nouvelle_saison.h"
#include "ui/principal/fiche_principale.h"
#include "ui/principal/fiche_specialite.h"

#include <QAccessible>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <array>

#include <functional>
#include <memory>

namespace tramonta {
namespace {

struct CasFenetre {
    const char* nom;
    std::function<QWidget*(TMain&)> fenetre;
};

class NomsAccessibles : public test::TestFenetre, public ::testing::WithParamInterface<CasFenetre> {};

TEST_P(NomsAccessibles, ChaqueControleADeQuoiEtreNomme) {
    TMain main;
    QWidget* fenetre = GetParam().fenetre(main);
    ASSERT_NE(fenetre, nullptr);
    EXPECT_EQ(test::ControlesSansNom(*fenetre), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Fenetres, NomsAccessibles,
    ::testing::Values(
        CasFenetre{"principale", [](TMain& m) -> QWidget* { return &m; }},
        CasFenetre{"page_club", [](TMain& m) -> QWidget* { return m.Page(0); }},
        CasFenetre{"specialite",
                   [](TMain& m) -> QWidget* { return m.Page(0)->findChild<TFicheSpecialite*>(); }},
        CasFenetre{"a_propos", [](TMain& m) -> QWidget* { return &m.AboutForm(); }},
        CasFenetre{"accueil", [](TMain& m) -> QWidget* { return m.findChild<TEcranAccueil*>(); }},
        CasFenetre{"protection", [](TMain& m) -> QWidget* { return &m.FicheProtection(); }},
        CasFenetre{"protection_document", [](TMain& m) -> QWidget* { return &m.FicheProtectionDocument(); }},
        CasFenetre{"preferences", [](TMain& m) -> QWidget* { return &m.FichePreferences(); }},
        CasFenetre{"imports", [](TMain& m) -> QWidget* { return &m.FicheImports(); }},
        CasFenetre{"import_adherents_csv", [](TMain& m) -> QWidget* { return &m.FicheImportAdherentsCsv(); }},
        CasFenetre{"cartes_meteo", [](TMain& m) -> QWidget* { return &m.FicheCartesMeteo(); }},
        CasFenetre{"page_bdd", [](TMain& m) -> QWidget* { return m.Page(1); }},
        CasFenetre{"page_compta", [](TMain& m) -> QWidget* { return m.Page(2); }},
        CasFenetre{"page_compets", [](TMain& m) -> QWidget* { return m.Page(3); }},
        CasFenetre{"adherent", [](TMain& m) -> QWidget* { return &m.FicheAdherent(); }},
        CasFenetre{"correspondant", [](TMain& m) -> QWidget* { return &m.FicheCorrespondant(); }},
        CasFenetre{"criteres", [](TMain& m) -> QWidget* { return &m.FicheCriteresRequete(); }},
        CasFenetre{"liste_comptes", [](TMain& m) -> QWidget* { return &m.FicheListeComptes(); }},
        CasFenetre{"compte", [](TMain& m) -> QWidget* { return &m.FicheCompte(); }},
        CasFenetre{"ecriture", [](TMain& m) -> QWidget* { return &m.FicheEcriture(); }},
        CasFenetre{"publipostage", [](TMain& m) -> QWidget* { return &m.FichePublipostage(); }},
        CasFenetre{"nouvelle_saison", [](TMain& m) -> QWidget* { return &m.FicheNouvelleSaison(); }},
        CasFenetre{"impression_compta", [](TMain& m) -> QWidget* { return &m.FicheImpressionCompta(); }},
        CasFenetre{"mouvements", [](TMain& m) -> QWidget* { return &m.FicheMouvementsCompta(); }},
        CasFenetre{"depots", [](TMain& m) -> QWidget* { return &m.FicheDepotsBancaires(); }},
        CasFenetre{"impression_adherent", [](TMain& m) -> QWidget* { return &m.FicheImpressionAdherent(); }},
        CasFenetre{"configuration_imprimante",
                   [](TMain& m) -> QWidget* { return new TFicheConfigurationImprimante(&m); }},
        CasFenetre{"impression_adherents",
                   [](TMain& m) -> QWidget* { return &m.FicheImpressionAdherents(); }},
        CasFenetre{"export_adherents",
                   [](TMain& m) -> QWidget* { return &m.ExportsTableur().FicheExportAdherents(); }},
        CasFenetre{"export_participants",
                   [](TMain& m) -> QWidget* { return &m.ExportsTableur().FicheExportParticipants(); }}),
    [](const auto& i) { return std::string(i.param.nom); });

using BoutonsAIcone = test::TestFenetre;

// The hints of the icon buttons are what the reader says, word for word.
TEST_F(BoutonsAIcone, DisentLeurBulle) {
    TMain main;
    struct Cas {
        const char* bouton;
        const char* bulle;
    };
    for (const Cas& c :
         {Cas{"BoutonNouveau", "Nouvel exercice"}, Cas{"BoutonOuvrir", "Ouvrir un exercice"},
          Cas{"BoutonEnregistrer", "Sauver l'exercice"}, Cas{"BoutonAide", "A propos de Tramonta..."},
          Cas{"BoutonPreferences", "Préférences..."}}) {
        auto* b = main.findChild<QToolButton*>(c.bouton);
        ASSERT_NE(b, nullptr) << c.bouton;
        EXPECT_EQ(b->toolTip(), QString(c.bulle)) << c.bouton;
        EXPECT_EQ(b->accessibleName(), QString(c.bulle)) << c.bouton;
    }
}

using BoutonsDePage = test::TestFenetre;

// The page buttons show a text: the reader says that text, and the hint is
// the button's description.
TEST_F(BoutonsDePage, DisentLeurTexteEtDecriventLeurBulle) {
    TMain main;
    struct Cas {
        const char* bouton;
        const char* texte;
        const char* bulle;
    };
    for (const Cas& c : {Cas{"BoutonPrincipal", "Principal", "Page principale"},
                         Cas{"BoutonBDD", "Base de données", "Page base de données"},
                         Cas{"BoutonCompta", "Compta", "Page comptabilité"},
                         Cas{"BoutonCompet", "Compétition", "Page compétition"}}) {
        auto* b = main.findChild<QToolButton*>(c.bouton);
        ASSERT_NE(b, nullptr) << c.bouton;
        EXPECT_EQ(b->toolTip(), QString(c.bulle)) << c.bouton;
        QAccessibleInterface* ia = QAccessible::queryAccessibleInterface(b);
        ASSERT_NE(ia, nullptr) << c.bouton;
        EXPECT_EQ(ia->text(QAccessible::Name).trimmed(), QString(c.texte)) << c.bouton;
        EXPECT_EQ(ia->text(QAccessible::Description), QString(c.bulle)) << c.bouton;
    }
}

// A screen reader or a switch device acts on a page button through its
// accessible action: the page follows as it does a click.
TEST_F(BoutonsDePage, LActionAccessibleMontreLaPage) {
    TMain main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    struct Cas {
        const char* bouton;
        QString action;
        int page; // the page on screen afterwards
    };
    const Cas cas[] = {
        {"BoutonCompta", QAccessibleActionInterface::toggleAction(), 2},
        {"BoutonCompet", QAccessibleActionInterface::pressAction(), 3},
        {"BoutonBDD", QAccessibleActionInterface::toggleAction(), 1},
        // The page shown stays: its button cannot be turned off.
        {"BoutonBDD", QAccessibleActionInterface::toggleAction(), 1},
        {"BoutonPrincipal", QAccessibleActionInterface::pressAction(), 0},
    };
    auto* zone = main.findChild<QStackedWidget*>("ZonePages");
    ASSERT_NE(zone, nullptr);
    for (const Cas& c : cas) {
        auto* b = main.findChild<QToolButton*>(c.bouton);
        ASSERT_NE(b, nullptr) << c.bouton;
        QAccessibleInterface* ia = QAccessible::queryAccessibleInterface(b);
        ASSERT_NE(ia, nullptr);
        ASSERT_NE(ia->actionInterface(), nullptr);
        ia->actionInterface()->doAction(c.action);
        // A press is an animated click: it lands a moment later.
        QWidget* page = main.Page(c.page);
        EXPECT_TRUE(QTest::qWaitFor([&] { return zone->currentWidget() == page; }, 2000)) << c.bouton;
        EXPECT_EQ(main.PageCourante(), c.page) << c.bouton;
        EXPECT_TRUE(main.findChild<QToolButton*>(std::array{"BoutonPrincipal", "BoutonBDD", "BoutonCompta",
                                                            "BoutonCompet"}[c.page])
                        ->isChecked())
            << c.bouton;
    }
    main.hide();
}

using RaccourcisClavier = test::TestFenetre;

// Each Alt+letter is answered by one control per window: the main window
// with each of its pages, and every window that it owns, each tab of each
// in turn.
TEST_F(RaccourcisClavier, ChaqueLettreUneSeuleFoisParFenetre) {
    TMain main;
    QList<QWidget*> fenetres{&main};
    for (QWidget* w : main.findChildren<QWidget*>())
        if (w->isWindow() && !qobject_cast<QMenu*>(w))
            fenetres << w;
    QStringList doubles;
    for (QWidget* f : fenetres) {
        const QString nom = f->objectName().isEmpty() ? f->metaObject()->className() : f->objectName();
        const auto verifier = [&](const QString& ou) {
            for (const QString& ligne : test::RaccourcisEnDouble(*f))
                doubles << nom + ou + " : " + ligne;
        };
        verifier({});
        for (QStackedWidget* pile : f->findChildren<QStackedWidget*>()) {
            if (pile->window() != f)
                continue;
            auto* onglets = qobject_cast<QTabWidget*>(pile->parentWidget());
            const int courant = pile->currentIndex();
            for (int i = 0; i < pile->count(); ++i) {
                if (i == courant)
                    continue;
                onglets ? onglets->setCurrentIndex(i) : pile->setCurrentIndex(i);
                verifier(QStringLiteral(" [%1 %2]")
                             .arg(onglets ? onglets->objectName() : pile->objectName())
                             .arg(i));
            }
            onglets ? onglets->setCurrentIndex(courant) : pile->setCurrentIndex(courant);
        }
    }
    EXPECT_TRUE(doubles.isEmpty()) << doubles.join("\n").toStdString();
}

} // namespace
} // namespace tramonta
