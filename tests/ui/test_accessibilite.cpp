// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of every window has a name that a screen reader can say.
#include "accessibilite.h"
#include "outils_shell.h"

#include "ui/a_propos.h"
#include "ui/exports_tableur.h"
#include "ui/fiche_adherent.h"
#include "ui/fiche_cartes_meteo.h"
#include "ui/fiche_compte.h"
#include "ui/fiche_configuration_imprimante.h"
#include "ui/fiche_correspondant.h"
#include "ui/fiche_criteres_requete.h"
#include "ui/fiche_ecriture.h"
#include "ui/fiche_import_adherents_csv.h"
#include "ui/fiche_imports.h"
#include "ui/fiche_impression_compta.h"
#include "ui/fiche_liste_comptes.h"
#include "ui/fiche_nouvelle_saison.h"
#include "ui/fiche_preferences.h"
#include "ui/fiche_principale.h"
#include "ui/fiche_protection.h"
#include "ui/fiche_publipostage.h"
#include "ui/fiche_specialite.h"
#include "ui/fiches_edition_compta.h"
#include "ui/fiches_impression_adherents.h"
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
