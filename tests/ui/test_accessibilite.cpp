// Every control of every window has a name that a screen reader can say.
#include "accessibilite.h"
#include "outils_shell.h"

#include "ui/a_propos.h"
#include "ui/fiche_cartes_meteo.h"
#include "ui/fiche_imports.h"
#include "ui/fiche_preferences.h"
#include "ui/fiche_principale.h"
#include "ui/fiche_protection.h"
#include "ui/fiche_specialite.h"
#include "ui/main_fenetre.h"

#include <QToolButton>

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
        CasFenetre{"cartes_meteo", [](TMain& m) -> QWidget* { return &m.FicheCartesMeteo(); }}),
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
          Cas{"BoutonPreferences", "Préférences..."}, Cas{"BoutonPrincipal", "Page principale"},
          Cas{"BoutonBDD", "Page base de données"}, Cas{"BoutonCompta", "Page comptabilité"},
          Cas{"BoutonCompet", "Page compétition"}}) {
        auto* b = main.findChild<QToolButton*>(c.bouton);
        ASSERT_NE(b, nullptr) << c.bouton;
        EXPECT_EQ(b->toolTip(), QString(c.bulle)) << c.bouton;
        EXPECT_EQ(b->accessibleName(), QString(c.bulle)) << c.bouton;
    }
}

} // namespace
} // namespace tramonta
