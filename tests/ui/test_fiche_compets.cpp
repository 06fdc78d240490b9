// SPDX-License-Identifier: GPL-3.0-or-later
// The competitions page and the competition form on their real widgets:
// the list and its journal lines, the working copy that only Ok stores, the
// participants' commands, the table types that follow the participant count,
// and the small participant and place forms.
#include "ui/compet/fiche_compets.h"

#include "core/dates.h"
#include "core/flux.h"
#include "core/messages.h"
#include "model/exercice.h"
#include "model/modeles_tableau.h"
#include "outils_shell.h"
#include "platform/imprimante_qt.h"
#include "platform/preferences.h"
#include "print/canevas_enregistreur.h"
#include "ui/communs/agenda.h"
#include "ui/communs/apercu.h"
#include "ui/compet/fiche_compet.h"
#include "ui/compet/fiche_impression_compet.h"
#include "ui/compet/fiche_tableau_compet.h"
#include "ui/modeles/tri_liste.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace tramonta {
namespace {

using test::Cliquer;
using test::Controle;
using test::Journal;
using test::ScriptDialogues;
using test::Taper;

const char* const kRadios[] = {"Radio_0_10",  "Radio_9_12",  "Radio_12_20",
                               "Radio_18_24", "Radio_24_40", "Radio_64"};

std::vector<std::uint8_t> Octets(TCompet& c) {
    TMemoryStream flux;
    {
        TWriter w(flux);
        c.Save(w);
    }
    return flux.Donnees();
}

void AjouterSurfeurs(TCategorieCompet& c, int n, int premier = 1) {
    for (int i = premier; i < premier + n; ++i) {
        auto p = std::make_unique<TParticipantCompet>(&c);
        p->SetNom("Nom" + std::to_string(i));
        p->SetPrenom("Prenom" + std::to_string(i));
        c.Add(std::move(p));
    }
}

std::vector<std::string> Noms(const TCategorieCompet& c) {
    std::vector<std::string> noms;
    for (int i = 0; i < c.Count(); ++i)
        noms.push_back(c.Participant(i)->Nom());
    return noms;
}

class FicheCompets : public test::TestFenetre {
  protected:
    void SetUp() override {
        test::TestFenetre::SetUp();
        DefinirExerciceJournal(&exercice);
        page = std::make_unique<TFicheCompets>(exercice);
        page->resize(640, 420);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }
    void TearDown() override {
        page.reset();
        DefinirExerciceJournal(nullptr);
    }

    TCompet& NouvelleCompet(const std::string& intitule, double debut = 45000, double fin = 45001) {
        auto c = std::make_unique<TCompet>(&exercice.Compets());
        c->SetIntitule(intitule);
        c->SetDateDebut(debut);
        c->SetDateFin(fin);
        TCompet& ref = *c;
        exercice.Compets().Add(std::move(c));
        return ref;
    }

    QTreeView* Liste() { return page->findChild<QTreeView*>("ListView"); }
    std::vector<std::string> Colonne(int colonne) {
        std::vector<std::string> t;
        auto* m = Liste()->model();
        for (int i = 0; i < m->rowCount(); ++i)
            t.push_back(m->index(i, colonne).data().toString().toStdString());
        return t;
    }
    void Choisir(int ligne) {
        Liste()->setCurrentIndex(Liste()->model()->index(ligne, 0));
        Liste()->selectionModel()->select(Liste()->model()->index(ligne, 0),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    // Opens the form on the competition at `ligne` of the list and runs
    // `action` on it.
    void Editer(int ligne, std::function<void(QDialog&)> action) {
        Choisir(ligne);
        ScriptDialogues d;
        d.Puis(std::move(action));
        Cliquer(*page, "BoutonEditer");
    }

    TExercice exercice;
    std::unique_ptr<TFicheCompets> page;
};

std::vector<bool> Disponibles(QWidget& d) {
    std::vector<bool> v;
    for (const char* r : kRadios)
        v.push_back(Controle<QRadioButton>(d, r)->isEnabled());
    return v;
}

std::string Coche(QWidget& d) {
    for (const char* r : kRadios)
        if (Controle<QRadioButton>(d, r)->isChecked())
            return r;
    return "";
}

void ChoisirParticipant(QWidget& d, int ligne) {
    auto* l = Controle<QTreeView>(d, "ListViewParticipants");
    l->selectionModel()->select(l->model()->index(ligne, 0),
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    l->setCurrentIndex(l->model()->index(ligne, 0));
}

// ---- The page ----

TEST_F(FicheCompets, AjoutParLeFormulaireEtLigneDuJournal) {
    EXPECT_FALSE(page->findChild<QPushButton*>("BoutonEditer")->isEnabled());
    EXPECT_FALSE(page->findChild<QPushButton*>("BoutonSupprimer")->isEnabled());
    ScriptDialogues d;
    d.Puis([](QDialog& f) {
        EXPECT_EQ(f.windowTitle(), "Compétition");
        EXPECT_FALSE(Controle<QPushButton>(f, "BoutonOk")->isEnabled())
            << "an empty title cannot be confirmed";
        Taper(f, "EditIntitule", "Coupe d'été");
        Taper(f, "EditDateDebut", "14072024");
        Taper(f, "EditDateFin", "15072024");
        Cliquer(f, "CheckOfficielle");
        Cliquer(f, "BoutonOk");
    });
    Cliquer(*page, "BoutonAjouter");
    ASSERT_EQ(exercice.Compets().Count(), 1);
    const TCompet& c = *exercice.Compets().Compet(0);
    EXPECT_EQ(c.Intitule(), "Coupe d'été");
    EXPECT_EQ(DateVersTexte(c.DateDebut()), "14/07/2024");
    EXPECT_EQ(DateVersTexte(c.DateFin()), "15/07/2024");
    EXPECT_TRUE(c.Officielle());
    EXPECT_EQ(Journal(exercice).back(), "Ajout de la compétition \"Coupe d'été\"");
    EXPECT_EQ(Colonne(1), std::vector<std::string>{"14/07/2024"});
    EXPECT_TRUE(page->findChild<QPushButton*>("BoutonEditer")->isEnabled()) << "the new one is selected";
}

TEST_F(FicheCompets, AnnulerUnAjoutNeLaissePasDeTrace) {
    ScriptDialogues d;
    d.Puis([](QDialog& f) {
        Taper(f, "EditIntitule", "Brouillon");
        Cliquer(f, "BoutonAnnuler");
    });
    const auto avant = Journal(exercice);
    Cliquer(*page, "BoutonAjouter");
    EXPECT_EQ(exercice.Compets().Count(), 0);
    EXPECT_EQ(Journal(exercice), avant);
}

TEST_F(FicheCompets, IntituleEnDoubleRefuseSansCasse) {
    NouvelleCompet("Coupe de Noël");
    ScriptDialogues d;
    d.Puis([this](QDialog& f) {
        Taper(f, "EditIntitule", "COUPE DE NOËL");
        Cliquer(f, "BoutonOk");
        EXPECT_TRUE(f.isVisible()) << "the form stays open";
        EXPECT_EQ(Textes(), std::vector<std::string>{"La compétition \"COUPE DE NOËL\" existe déjà !"});
        EXPECT_EQ(messages_.Affiches().back().titre, "Erreur");
        Cliquer(f, "BoutonAnnuler");
    });
    Cliquer(*page, "BoutonAjouter");
    EXPECT_EQ(exercice.Compets().Count(), 1);

    // Its own title, kept, is no duplicate.
    messages_.Oublier();
    Editer(0, [](QDialog& f) { Cliquer(f, "BoutonOk"); });
    EXPECT_TRUE(Textes().empty());
    EXPECT_EQ(Journal(exercice).back(), "Modification de la compétition \"Coupe de Noël\"");
}

TEST_F(FicheCompets, SuppressionConfirmeeEtJournal) {
    NouvelleCompet("A");
    NouvelleCompet("B");
    Choisir(1);
    messages_.Repondre(IDNO);
    QTest::keyClick(Liste(), Qt::Key_Delete);
    EXPECT_EQ(exercice.Compets().Count(), 2);
    EXPECT_EQ(Textes().back(), "Etes vous sûr de vouloir supprimer la compétition ?");
    EXPECT_EQ(messages_.Affiches().back().titre, "Confirmation");
    messages_.Repondre(IDYES);
    Cliquer(*page, "BoutonSupprimer");
    ASSERT_EQ(exercice.Compets().Count(), 1);
    EXPECT_EQ(exercice.Compets().Compet(0)->Intitule(), "A");
    EXPECT_EQ(Journal(exercice).back(), "Suppression de la compétition \"B\"");
    EXPECT_FALSE(page->findChild<QPushButton*>("BoutonSupprimer")->isEnabled());
}

TEST_F(FicheCompets, DeuxClicsSurDateDebutTrientCroissantPuisDecroissant) {
    NouvelleCompet("Milieu", 45100);
    NouvelleCompet("Sans date", 0);
    NouvelleCompet("Début", 45000);
    EXPECT_EQ(Colonne(0), (std::vector<std::string>{"Début", "Milieu", "Sans date"}));
    QHeaderView* entete = Liste()->header();
    QTest::mouseClick(entete->viewport(), Qt::LeftButton, {},
                      QPoint(entete->sectionViewportPosition(1) + 10, entete->height() / 2));
    EXPECT_EQ(Colonne(1), (std::vector<std::string>{"?", DateVersTexte(45000), DateVersTexte(45100)}));
    QTest::mouseClick(entete->viewport(), Qt::LeftButton, {},
                      QPoint(entete->sectionViewportPosition(1) + 10, entete->height() / 2));
    EXPECT_EQ(Colonne(1), (std::vector<std::string>{DateVersTexte(45100), DateVersTexte(45000), "?"}));
}

TEST_F(FicheCompets, EntreeEtDoubleClicEditent) {
    NouvelleCompet("Open");
    Choisir(0);
    int vus = 0;
    auto editer = [&](std::function<void()> geste) {
        ScriptDialogues d;
        d.Puis([&](QDialog& f) {
            ++vus;
            f.reject();
        });
        geste();
    };
    editer([this] {
        // A double click as the window system sends it: a click, then the
        // second press as a double click.
        const QPoint p = Liste()->visualRect(Liste()->model()->index(0, 0)).center();
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(Liste()->viewport(), Qt::LeftButton, {}, p);
    });
    EXPECT_EQ(vus, 1);
    editer([this] { QTest::keyClick(Liste(), Qt::Key_Return); });
    EXPECT_EQ(vus, 2);
}

// ---- Table types ----

struct CasTypes {
    int participants;
    std::vector<bool> disponibles;
    const char* coche; // after the display of a category of type 0
    std::uint8_t type; // the category's type then
};

class TypesDisponibles : public FicheCompets, public testing::WithParamInterface<CasTypes> {};

TEST_P(TypesDisponibles, SelonLeNombreDeParticipants) {
    const CasTypes& c = GetParam();
    TCompet& compet = NouvelleCompet("Test");
    AjouterSurfeurs(*compet.Categorie(0), c.participants);
    Editer(0, [&](QDialog& f) {
        EXPECT_EQ(Disponibles(f), c.disponibles);
        EXPECT_EQ(Coche(f), c.coche);
        auto& fiche = static_cast<TFicheCompet&>(f);
        EXPECT_EQ(fiche.CategorieAffichee()->TypeTableau(), c.type);
        EXPECT_EQ(Controle<QLabel>(f, "LabelNbParticipants")->text(), QString::number(c.participants));
        Cliquer(f, "BoutonAnnuler");
    });
    EXPECT_EQ(compet.Categorie(0)->TypeTableau(), 0) << "only Ok stores the type";
}

const CasTypes kCasTypes[] = {
    {0, {true, false, false, false, false, false}, "Radio_0_10", 0},
    {9, {true, true, false, false, false, false}, "Radio_0_10", 0},
    {10, {true, true, false, false, false, false}, "Radio_0_10", 0},
    // A category without a table shows the first type that fits; showing
    // it stores nothing.
    {11, {false, true, false, false, false, false}, "Radio_9_12", 0},
    {41, {false, false, false, false, false, true}, "Radio_64", 0},
    {64, {false, false, false, false, false, true}, "Radio_64", 0},
    // None is turned on anew: the one on stays on, disabled.
    {65, {false, false, false, false, false, false}, "Radio_0_10", 0},
};
INSTANTIATE_TEST_SUITE_P(Cas, TypesDisponibles, testing::ValuesIn(kCasTypes),
                         [](const auto& info) { return std::to_string(info.param.participants); });

TEST_F(FicheCompets, OnziemeParticipantPasseAuTableau9_12) {
    TCompet& compet = NouvelleCompet("Test");
    AjouterSurfeurs(*compet.Categorie(0), 10);
    compet.Categorie(0)->SetTypeTableau(1);
    ScriptDialogues d;
    d.Puis([&](QDialog& f) {
        auto& fiche = static_cast<TFicheCompet&>(f);
        EXPECT_EQ(Coche(f), "Radio_0_10");
        // A place typed in the old table goes with it.
        fiche.CategorieAffichee()->Tableau()->Serie(1)->Ligne(0)->SetPlace(1);
        Cliquer(f, "BoutonAjouterParticipant");
        EXPECT_EQ(Coche(f), "Radio_9_12");
        const TTableauCompet* t = fiche.CategorieAffichee()->Tableau();
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->TypeTableau(), 2);
        EXPECT_EQ(t->Serie(1)->Ligne(0)->Place(), -1);
        EXPECT_EQ(Controle<QLabel>(f, "LabelNbParticipants")->text(), "11");
        Cliquer(f, "BoutonOk");
    });
    d.Puis([](QDialog& p) {
        EXPECT_EQ(p.windowTitle(), "Participant");
        Taper(p, "EditNom", "Onze");
        Taper(p, "EditPrenom", "Léa");
        Taper(p, "EditClub", "Hossegor");
        Cliquer(p, "BoutonOk");
    });
    Choisir(0);
    Cliquer(*page, "BoutonEditer");
    EXPECT_EQ(compet.Categorie(0)->TypeTableau(), 2);
    ASSERT_EQ(compet.Categorie(0)->Count(), 11);
    EXPECT_EQ(compet.Categorie(0)->Participant(10)->Club(), "Hossegor");
}

TEST_F(FicheCompets, UnClicSurUnTypeRemplaceLeTableau) {
    TCompet& compet = NouvelleCompet("Test");
    AjouterSurfeurs(*compet.Categorie(2), 12);
    Editer(0, [&](QDialog& f) {
        auto& fiche = static_cast<TFicheCompet&>(f);
        Controle<QComboBox>(f, "ComboBoxCategorie")->setCurrentIndex(2);
        EXPECT_EQ(Disponibles(f), (std::vector<bool>{false, true, true, false, false, false}));
        Cliquer(f, "Radio_12_20");
        EXPECT_EQ(fiche.CategorieAffichee()->TypeTableau(), 3);
        Cliquer(f, "BoutonOk");
    });
    EXPECT_EQ(compet.Categorie(2)->TypeTableau(), 3);
    EXPECT_EQ(compet.Categorie(0)->TypeTableau(), 0) << "an empty category keeps no table unless shown";
}

// ---- Looking changes nothing ----

// The demonstration season, whose categories hold heat tables of several
// types with places entered.
class CompetsDemo : public FicheCompets {
  protected:
    void SetUp() override {
        FicheCompets::SetUp();
        ASSERT_TRUE(exercice.LoadFromFile(test::CheminSaisonDemo()));
        page->Afficher();
    }
    int LigneDe(const std::string& intitule) {
        const std::vector<std::string> titres = Colonne(0);
        const auto i = std::find(titres.begin(), titres.end(), intitule);
        EXPECT_NE(i, titres.end()) << intitule;
        return static_cast<int>(i - titres.begin());
    }
    TCompet& Compet(const std::string& intitule) {
        return *exercice.Compets().Compet(exercice.Compets().IndexOfIntitule(intitule));
    }
};

int IndexCategorie(const char* nom) {
    for (int i = 0; i < kNbCategoriesCompet; ++i)
        if (TCompet::NomCategorie(i) == nom)
            return i;
    return -1;
}

// Browsing the categories one after the other, whatever type the one shown
// before had, shows each one's own type and changes none of them.
TEST_F(CompetsDemo, ParcourirLesCategoriesPuisOkNeChangeRien) {
    const char* const parcours[] = {"Open",   "Juniors", "Benjamins", "Ondines",
                                    "Cadets", "Minimes", "Open",      "Benjamins"};
    // A competition added in the program carries the time of its creation,
    // which the date fields do not show.
    TCompet& datee = Compet("Championnat départemental");
    datee.SetDateDebut(datee.DateDebut() + 10.5 / 24);
    datee.SetDateFin(datee.DateFin() + 18.0 / 24);
    for (const std::string intitule : {"Coupe d'automne des Vagues", "Championnat départemental"}) {
        SCOPED_TRACE(intitule);
        TCompet& compet = Compet(intitule);
        const auto avant = Octets(compet);
        Editer(LigneDe(intitule), [&](QDialog& f) {
            auto* combo = Controle<QComboBox>(f, "ComboBoxCategorie");
            for (const char* nom : parcours) {
                combo->setCurrentIndex(IndexCategorie(nom));
                const TCategorieCompet& c = *compet.Categorie(IndexCategorie(nom));
                EXPECT_EQ(Coche(f), kRadios[c.TypeTableau() - 1]) << nom;
                for (int t = 1; t <= kNbTypesTableau; ++t)
                    EXPECT_EQ(Controle<QRadioButton>(f, kRadios[t - 1])->isEnabled(),
                              TypeTableauPropose(t, c.Count()))
                        << nom << " " << t;
            }
            Cliquer(f, "BoutonOk");
        });
        EXPECT_EQ(Octets(compet), avant);
        EXPECT_EQ(Journal(exercice).back(), "Modification de la compétition \"" + intitule + "\"");
    }
}

// A type that does not fit the participants (an older or hand-made file)
// stays selected and stored until the user picks another.
TEST_F(CompetsDemo, UnTypeQuiNeConvientPasResteChoisi) {
    TCompet& compet = Compet("Coupe d'automne des Vagues");
    const int open = IndexCategorie("Open");
    TCategorieCompet& c = *compet.Categorie(open);
    ASSERT_EQ(c.Count(), 20);
    c.SetTypeTableau(1);
    c.Tableau()->Serie(1)->Ligne(0)->SetPlace(2);
    const auto avant = Octets(compet);
    Editer(LigneDe(compet.Intitule()), [&](QDialog& f) {
        auto& fiche = static_cast<TFicheCompet&>(f);
        auto* combo = Controle<QComboBox>(f, "ComboBoxCategorie");
        for (const char* nom : {"Open", "Juniors", "Open"}) {
            combo->setCurrentIndex(IndexCategorie(nom));
            if (std::string(nom) == "Open") {
                EXPECT_EQ(Coche(f), "Radio_0_10");
                EXPECT_EQ(Disponibles(f), (std::vector<bool>{false, false, true, true, false, false}));
                EXPECT_EQ(fiche.CategorieAffichee()->TypeTableau(), 1);
            }
        }
        Cliquer(f, "BoutonOk");
    });
    EXPECT_EQ(Octets(compet), avant);

    // The user's click changes it.
    Editer(LigneDe(compet.Intitule()), [&](QDialog& f) {
        Controle<QComboBox>(f, "ComboBoxCategorie")->setCurrentIndex(open);
        Cliquer(f, "Radio_18_24");
        EXPECT_EQ(Coche(f), "Radio_18_24");
        Cliquer(f, "BoutonOk");
    });
    EXPECT_EQ(c.TypeTableau(), 4);
}

// ---- The working copy ----

TEST_F(FicheCompets, AnnulerLaisseLaCompetitionIntacte) {
    TCompet& compet = NouvelleCompet("Intacte");
    AjouterSurfeurs(*compet.Categorie(0), 3);
    compet.Categorie(0)->SetTypeTableau(1);
    compet.Categorie(0)->Tableau()->Serie(1)->Ligne(0)->SetPlace(2);
    const auto avant = Octets(compet);
    ASSERT_FALSE(compet.IsModified());
    ScriptDialogues d;
    d.Puis([&](QDialog& f) {
        auto& fiche = static_cast<TFicheCompet&>(f);
        Taper(f, "EditIntitule", "Autre");
        Cliquer(f, "BoutonAjouterParticipant");
        ChoisirParticipant(f, 0);
        Cliquer(f, "BoutonDescendreParticipant");
        TTableauCompet* t = fiche.CategorieAffichee()->Tableau();
        t->Serie(1)->Ligne(1)->SetPlace(1);
        t->Serie(2)->Ligne(0)->SetPlace(3);
        Controle<QComboBox>(f, "ComboBoxCategorie")->setCurrentIndex(4);
        Cliquer(f, "BoutonAnnuler");
    });
    d.Puis([](QDialog& p) {
        Taper(p, "EditNom", "Nouveau");
        Cliquer(p, "BoutonOk");
    });
    Choisir(0);
    Cliquer(*page, "BoutonEditer");
    EXPECT_FALSE(compet.IsModified());
    EXPECT_EQ(Octets(compet), avant);
    EXPECT_EQ(compet.Intitule(), "Intacte");

    // The next showing starts again from the competition.
    Editer(0, [](QDialog& f) {
        EXPECT_EQ(Controle<QLabel>(f, "LabelNbParticipants")->text(), "3");
        EXPECT_EQ(static_cast<TFicheCompet&>(f).CategorieAffichee()->Tableau()->Serie(1)->Ligne(1)->Place(),
                  -1);
        Cliquer(f, "BoutonAnnuler");
    });
}

// The form hands back its copy and the page stores it: until then the
// competition is untouched, even once "Ok" is clicked. The page's store
// tells the list of each field that changed on the competition's own row
// and writes one journal line; a form looked through and confirmed, or
// edited and cancelled, tells the list nothing and leaves every byte.
struct CasStockage {
    const char* nom;
    std::function<void(QDialog&)> saisie;
    const char* bouton;
    std::vector<int> lignesChangees;
    std::vector<std::string> journal; // the lines added
    std::vector<std::string> participants;
};

TEST_F(FicheCompets, LaPageStockeLaCopieRendueParLeFormulaire) {
    const std::vector<std::string> ordre{"Nom1", "Nom2", "Nom3"};
    const auto parcourir = [](QDialog& f) {
        auto* combo = Controle<QComboBox>(f, "ComboBoxCategorie");
        for (int i : {3, 5, 0})
            combo->setCurrentIndex(i);
    };
    const auto descendre = [](QDialog& f) {
        ChoisirParticipant(f, 0);
        Cliquer(f, "BoutonDescendreParticipant");
    };
    const CasStockage cas[] = {
        {"looked", parcourir, "BoutonOk", {}, {"Modification de la compétition \"Coupe\""}, ordre},
        {"cancelled",
         [&](QDialog& f) {
             Taper(f, "EditIntitule", "Coupe d'hiver");
             Cliquer(f, "CheckOfficielle");
             descendre(f);
         },
         "BoutonAnnuler",
         {},
         {},
         ordre},
        {"title and official",
         [](QDialog& f) {
             Taper(f, "EditIntitule", "Coupe d'hiver");
             Cliquer(f, "CheckOfficielle");
         },
         "BoutonOk",
         {1, 1},
         {"Modification de la compétition \"Coupe d'hiver\""},
         ordre},
        {"participants",
         descendre,
         "BoutonOk",
         {},
         {"Modification de la compétition \"Coupe\""},
         {"Nom2", "Nom1", "Nom3"}},
    };
    const auto ligneDe = [this](const std::string& intitule) {
        const std::vector<std::string> titres = Colonne(0);
        return static_cast<int>(std::find(titres.begin(), titres.end(), intitule) - titres.begin());
    };
    for (const CasStockage& c : cas) {
        SCOPED_TRACE(c.nom);
        exercice.Compets().Clear();
        NouvelleCompet("Automne", 45100, 45101);
        TCompet& compet = NouvelleCompet("Coupe");
        AjouterSurfeurs(*compet.Categorie(0), 3);
        const auto avant = Octets(compet);
        const auto journal = Journal(exercice);
        std::vector<int> lignes;
        const TAbonnement abonnement = exercice.Compets().Changements().Abonner([&](const TChangement& ch) {
            EXPECT_EQ(ch.genre, TChangement::Modification);
            lignes.push_back(ch.index);
        });
        Editer(ligneDe("Coupe"), [&](QDialog& f) {
            c.saisie(f);
            Cliquer(f, c.bouton);
            EXPECT_FALSE(f.isVisible());
            // The form has closed; the page has not stored anything yet.
            EXPECT_EQ(compet.Intitule(), "Coupe");
            EXPECT_FALSE(compet.Officielle());
            EXPECT_EQ(Noms(*compet.Categorie(0)), ordre);
            EXPECT_TRUE(lignes.empty());
        });
        EXPECT_EQ(lignes, c.lignesChangees);
        ASSERT_EQ(exercice.Compets().Count(), 2);
        EXPECT_EQ(exercice.Compets().Compet(1), &compet) << "the competition stays where it was";
        EXPECT_EQ(Noms(*compet.Categorie(0)), c.participants);
        if (c.lignesChangees.empty() && c.participants == ordre) {
            EXPECT_EQ(Octets(compet), avant);
        }
        std::vector<std::string> ajoutees = Journal(exercice);
        ajoutees.erase(ajoutees.begin(), ajoutees.begin() + static_cast<std::ptrdiff_t>(journal.size()));
        EXPECT_EQ(ajoutees, c.journal);
        EXPECT_LT(ligneDe(compet.Intitule()), 2) << "the list shows the stored title";
    }
}

TEST_F(FicheCompets, PlacesDuTableauAnnuleesAvecLeFormulaire) {
    TCompet& compet = NouvelleCompet("Intacte");
    AjouterSurfeurs(*compet.Categorie(0), 6);
    const auto avant = Octets(compet);
    ScriptDialogues d;
    d.Puis([&](QDialog& f) {
        Taper(f, "EditIntitule", "Renommée");
        Cliquer(f, "BoutonTableau");
        auto& fiche = static_cast<TFicheCompet&>(f);
        EXPECT_EQ(fiche.CategorieAffichee()->Tableau()->Serie(1)->Ligne(0)->Place(), 2);
        EXPECT_EQ(fiche.Copie()->Intitule(), "Renommée") << "the table's headers show the form's title";
        Cliquer(f, "BoutonAnnuler");
    });
    d.Puis([](QDialog& tableau) {
        EXPECT_EQ(tableau.windowTitle(), "Tableau de compétition");
        auto& t = static_cast<TFicheTableauCompet&>(tableau);
        QTest::keyClick(t.PaintBox(), Qt::Key_F2);
        ASSERT_NE(t.Editeur(), nullptr);
        QTest::keyClick(t.Editeur(), '2');
        QTest::keyClick(t.Editeur(), Qt::Key_Tab);
        tableau.reject();
    });
    Choisir(0);
    Cliquer(*page, "BoutonEditer");
    EXPECT_EQ(Octets(compet), avant);
    EXPECT_EQ(compet.Categorie(0)->TypeTableau(), 0);
    EXPECT_FALSE(compet.IsModified());
}

TEST_F(FicheCompets, DateIllisibleRangeeAZero) {
    NouvelleCompet("Test");
    Editer(0, [](QDialog& f) {
        Taper(f, "EditDateDebut", "3112");
        Taper(f, "EditDateFin", "31022024");
        Cliquer(f, "BoutonOk");
    });
    EXPECT_EQ(exercice.Compets().Compet(0)->DateDebut(), 0);
    EXPECT_EQ(exercice.Compets().Compet(0)->DateFin(), 0);
    EXPECT_EQ(Colonne(1), std::vector<std::string>{"?"});
}

// ---- Participants ----

TEST_F(FicheCompets, MonterDescendreEtBornes) {
    TCompet& compet = NouvelleCompet("Test");
    AjouterSurfeurs(*compet.Categorie(0), 3);
    Editer(0, [&](QDialog& f) {
        auto& fiche = static_cast<TFicheCompet&>(f);
        ChoisirParticipant(f, 0);
        EXPECT_FALSE(Controle<QPushButton>(f, "BoutonMonterParticipant")->isEnabled());
        EXPECT_TRUE(Controle<QPushButton>(f, "BoutonDescendreParticipant")->isEnabled());
        EXPECT_EQ(Controle<QLabel>(f, "LabelPlaceParticipant")->text(), "1");
        Cliquer(f, "BoutonDescendreParticipant");
        Cliquer(f, "BoutonDescendreParticipant");
        EXPECT_EQ(Noms(*fiche.CategorieAffichee()), (std::vector<std::string>{"Nom2", "Nom3", "Nom1"}));
        EXPECT_EQ(Controle<QLabel>(f, "LabelPlaceParticipant")->text(), "3");
        EXPECT_FALSE(Controle<QPushButton>(f, "BoutonDescendreParticipant")->isEnabled());
        Cliquer(f, "BoutonMonterParticipant");
        EXPECT_EQ(Noms(*fiche.CategorieAffichee()), (std::vector<std::string>{"Nom2", "Nom1", "Nom3"}));
        auto* liste = Controle<QTreeView>(f, "ListViewParticipants");
        EXPECT_EQ(liste->model()->index(1, 0).data().toString(), "Nom1") << "the list follows";
        EXPECT_EQ(liste->currentIndex().row(), 1);
        Cliquer(f, "BoutonOk");
    });
    EXPECT_EQ(Noms(*compet.Categorie(0)), (std::vector<std::string>{"Nom2", "Nom1", "Nom3"}));
}

TEST_F(FicheCompets, SupprimerEtEditerUnParticipant) {
    TCompet& compet = NouvelleCompet("Test");
    AjouterSurfeurs(*compet.Categorie(0), 3);
    ScriptDialogues d;
    d.Puis([&](QDialog& f) {
        ChoisirParticipant(f, 1);
        messages_.Repondre(IDYES);
        QTest::keyClick(Controle<QTreeView>(f, "ListViewParticipants"), Qt::Key_Delete);
        EXPECT_EQ(Textes().back(), "Etes vous sûr de vouloir supprimer le participant ?");
        EXPECT_EQ(Controle<QLabel>(f, "LabelNbParticipants")->text(), "2");
        EXPECT_FALSE(Controle<QPushButton>(f, "BoutonEditerParticipant")->isEnabled());
        ChoisirParticipant(f, 1);
        QTest::keyClick(Controle<QTreeView>(f, "ListViewParticipants"), Qt::Key_Return);
        EXPECT_EQ(Controle<QTreeView>(f, "ListViewParticipants")->model()->index(1, 2).data().toString(),
                  "Lacanau");
        Cliquer(f, "BoutonOk");
    });
    d.Puis([](QDialog& p) {
        // Another participant's names, in other letters, are refused.
        Taper(p, "EditNom", "NOM1");
        Taper(p, "EditPrenom", "prenom1");
        Cliquer(p, "BoutonOk");
        EXPECT_TRUE(p.isVisible());
        Taper(p, "EditPrenom", "Autre");
        Taper(p, "EditClub", "Lacanau");
        Cliquer(p, "BoutonOk");
    });
    Choisir(0);
    Cliquer(*page, "BoutonEditer");
    EXPECT_EQ(Noms(*compet.Categorie(0)), (std::vector<std::string>{"Nom1", "NOM1"}));
    EXPECT_EQ(compet.Categorie(0)->Participant(1)->Prenom(), "Autre");
}

TEST_F(FicheCompets, DoublonDeParticipantRefuse) {
    TCompet& compet = NouvelleCompet("Test");
    AjouterSurfeurs(*compet.Categorie(0), 2);
    ScriptDialogues d;
    d.Puis([&](QDialog& f) {
        Cliquer(f, "BoutonAjouterParticipant");
        EXPECT_EQ(Controle<QLabel>(f, "LabelNbParticipants")->text(), "2");
        Cliquer(f, "BoutonAnnuler");
    });
    d.Puis([this](QDialog& p) {
        EXPECT_FALSE(Controle<QPushButton>(p, "BoutonOk")->isEnabled());
        Taper(p, "EditNom", "nom2");
        Taper(p, "EditPrenom", "PRENOM2");
        Cliquer(p, "BoutonOk");
        EXPECT_TRUE(p.isVisible());
        EXPECT_EQ(Textes().back(), "Le participant \"nom2 PRENOM2\" existe déjà !");
        Cliquer(p, "BoutonAnnuler");
    });
    Choisir(0);
    Cliquer(*page, "BoutonEditer");
}

struct CasPlace {
    const char* frappe;
    const char* texte;
    bool ok;
};

TEST_F(FicheCompets, FormulaireDePlaceBornes) {
    TCompet& compet = NouvelleCompet("Test");
    AjouterSurfeurs(*compet.Categorie(0), 3);
    const CasPlace cas[] = {{"0", "0", false}, {"1", "1", true},  {"3", "3", true},
                            {"4", "4", false}, {"a2", "2", true}, {"", "", false}};
    ScriptDialogues d;
    d.Puis([&](QDialog& f) {
        ChoisirParticipant(f, 2);
        Cliquer(f, "BoutonPlacerParticipant");
        EXPECT_EQ(Noms(*static_cast<TFicheCompet&>(f).CategorieAffichee()),
                  (std::vector<std::string>{"Nom3", "Nom1", "Nom2"}));
        EXPECT_EQ(Controle<QLabel>(f, "LabelPlaceParticipant")->text(), "1");
        Cliquer(f, "BoutonAnnuler");
    });
    d.Puis([&](QDialog& p) {
        EXPECT_EQ(p.windowTitle(), "Place du participant");
        auto* edit = Controle<QLineEdit>(p, "EditPlace");
        EXPECT_EQ(edit->text(), "3");
        for (const CasPlace& c : cas) {
            Taper(p, "EditPlace", c.frappe);
            EXPECT_EQ(edit->text(), c.texte) << c.frappe;
            EXPECT_EQ(Controle<QPushButton>(p, "BoutonOk")->isEnabled(), c.ok) << c.frappe;
        }
        Taper(p, "EditPlace", "1");
        Cliquer(p, "BoutonOk");
    });
    Choisir(0);
    Cliquer(*page, "BoutonEditer");
}

TEST_F(FicheCompets, GlisserDeposerDansLaListe) {
    TCompet& compet = NouvelleCompet("Test");
    AjouterSurfeurs(*compet.Categorie(0), 40);
    Editer(0, [&](QDialog& f) {
        auto& fiche = static_cast<TFicheCompet&>(f);
        auto* liste = Controle<TListeParticipants>(f, "ListViewParticipants");
        QWidget* vue = liste->viewport();
        auto envoyer = [&](QEvent::Type genre, QPoint p, QMimeData* donnees) {
            QDragEnterEvent entree(p, Qt::MoveAction, donnees, Qt::LeftButton, {});
            QApplication::sendEvent(vue, &entree);
            if (genre == QEvent::DragMove) {
                QDragMoveEvent e(p, Qt::MoveAction, donnees, Qt::LeftButton, {});
                QApplication::sendEvent(vue, &e);
                return e.isAccepted();
            }
            QDropEvent e(p, Qt::MoveAction, donnees, Qt::LeftButton, {});
            QApplication::sendEvent(vue, &e);
            return e.isAccepted();
        };
        std::unique_ptr<QMimeData> donnees(liste->DonneesGlisser(0));
        QMimeData etranger;
        etranger.setText("Nom9");

        EXPECT_FALSE(envoyer(QEvent::DragMove, QPoint(10, vue->height() / 2), &etranger));
        EXPECT_TRUE(envoyer(QEvent::DragMove, QPoint(10, vue->height() / 2), donnees.get()));
        EXPECT_FALSE(liste->TimerDrag().isActive());
        // Held near the bottom edge, the list scrolls one line per tick.
        EXPECT_TRUE(envoyer(QEvent::DragMove, QPoint(10, vue->height() - 5), donnees.get()));
        EXPECT_TRUE(liste->TimerDrag().isActive());
        EXPECT_EQ(liste->TimerDrag().interval(), 500);
        const int avant = liste->verticalScrollBar()->value();
        QMetaObject::invokeMethod(&liste->TimerDrag(), "timeout");
        QTest::qWait(0);
        EXPECT_EQ(liste->verticalScrollBar()->value(), avant + 1);
        envoyer(QEvent::DragMove, QPoint(10, 5), donnees.get());
        EXPECT_TRUE(liste->TimerDrag().isActive());
        QMetaObject::invokeMethod(&liste->TimerDrag(), "timeout");
        EXPECT_EQ(liste->verticalScrollBar()->value(), avant);

        // Dropped on the third row, the first participant takes its place.
        const QPoint troisieme = liste->visualRect(liste->model()->index(2, 0)).center();
        EXPECT_TRUE(envoyer(QEvent::Drop, troisieme, donnees.get()));
        EXPECT_FALSE(liste->TimerDrag().isActive());
        EXPECT_EQ(Noms(*fiche.CategorieAffichee()).at(2), "Nom1");
        EXPECT_EQ(Controle<QLabel>(f, "LabelPlaceParticipant")->text(), "3");
        envoyer(QEvent::Drop, troisieme, &etranger);
        EXPECT_EQ(Noms(*fiche.CategorieAffichee()).at(2), "Nom1");
        Cliquer(f, "BoutonAnnuler");
    });
}

// ---- Printing ----

TEST_F(FicheCompets, ListeDesParticipantsApercuCommentaireEtImpression) {
    TCompet& compet = NouvelleCompet("Coupe");
    AjouterSurfeurs(*compet.Categorie(0), 40);
    AjouterSurfeurs(*compet.Categorie(4), 2);
    const QString pdf = Chemin("participants.pdf");
    fichiers_.Repondre(pdf);
    ScriptDialogues d;
    d.Puis([](QDialog& f) {
        f.findChild<QAction*>("MenuImprimerToutes")->trigger();
        Cliquer(f, "BoutonAnnuler");
    });
    d.Puis([](QDialog& a) {
        auto& apercu = static_cast<TFicheImpressionCompet&>(a);
        EXPECT_EQ(a.windowTitle(), "Impression des participants...");
        EXPECT_EQ(Controle<QToolButton>(a, "BoutonCommentaire")->accessibleName(),
                  "Commentaire en entête...");
        EXPECT_EQ(test::Controle<TApercu>(apercu, "PaintBox")->NbPages(), 2)
            << "42 surfers and two category titles";
        Cliquer(a, "BoutonCommentaire");
        EXPECT_EQ(LireCommentaireParticipants(), "");
        TCanevasEnregistreur c;
        apercu.Dessiner(c, false);
        EXPECT_EQ(c.ChercherTexte("Liste des participants"), nullptr);
        EXPECT_NE(c.ChercherTexte("Open"), nullptr);
        EXPECT_EQ(c.ChercherTexte("Minimes"), nullptr) << "an empty category is left out";
        Cliquer(a, "BoutonPrint");
        a.reject();
    });
    d.Puis([](QDialog& c) {
        EXPECT_EQ(c.windowTitle(), "Saisie d'un commentaire...");
        EXPECT_EQ(c.findChild<QLineEdit*>("EditCommentaire")->text(), "Liste des participants");
        Taper(c, "EditCommentaire", "");
        Cliquer(c, "BoutonOk");
    });
    Choisir(0);
    Cliquer(*page, "BoutonEditer");
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_EQ(Journal(exercice).back(), "Impression des participants de la compétition \"Coupe\"");
    EXPECT_EQ(compet.Intitule(), "Coupe");
}

TEST_F(FicheCompets, ImpressionDUneSerieDuTableau) {
    TCompet& compet = NouvelleCompet("Coupe");
    AjouterSurfeurs(*compet.Categorie(0), 6);
    const auto avant = Octets(compet);
    const QString pdf = Chemin("serie.pdf");
    fichiers_.Repondre(pdf);
    ScriptDialogues d;
    d.Puis([](QDialog& f) {
        Cliquer(f, "BoutonTableau");
        Cliquer(f, "BoutonAnnuler");
    });
    d.Puis([](QDialog& t) {
        Cliquer(t, "BoutonPrint");
        t.reject();
    });
    d.Puis([](QDialog& choix) {
        auto* combo = choix.findChild<QComboBox*>("ComboBox");
        ASSERT_EQ(combo->count(), 4);
        combo->setCurrentIndex(2);
        EXPECT_EQ(combo->currentText(), "Série n°2");
        Cliquer(choix, "BoutonOk");
    });
    Choisir(0);
    Cliquer(*page, "BoutonEditer");
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_EQ(Journal(exercice).back(), "Impression du tableau de compétition \"Coupe\" - Benjamins");
    EXPECT_EQ(Octets(compet), avant);
}

} // namespace
} // namespace tramonta
