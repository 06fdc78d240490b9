// SPDX-License-Identifier: GPL-3.0-or-later
// The search fields of the database page on their real widgets: what a typed
// text keeps of the sorted lists, the count beside the summary, Escape, the
// keyboard between field and list, and the commands on a filtered list.
#include "outils_shell.h"

#include "core/messages.h"
#include "model/exercice.h"
#include "platform/boite_message.h"
#include "ui/bdd/fiche_adherent.h"
#include "ui/bdd/fiche_bdd.h"
#include "ui/bdd/fiche_correspondant.h"
#include "ui/bdd/fiche_criteres_requete.h"
#include "ui/bdd/fiche_liste_comptes.h"
#include "ui/communs/agenda.h"
#include "ui/modeles/tri_liste.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tramonta {
namespace {

using test::Cliquer;
using test::ScriptDialogues;
using test::TaperTouches;
using Noms = std::vector<std::string>;

class Recherche : public ::testing::Test {
  protected:
    void SetUp() override {
        DefinirExerciceJournal(&exercice);
        Ajouter("Dupont", "Marie", "FFS-1201", "Biarritz");
        Ajouter("dupré", "Élise", "FFS-0042", "Anglet");
        Ajouter("Martin", "Jérôme", "", "Saint-Étienne");
        Ajouter("Lécole", "Paul", "FFS-1202", "Bidart");
        Ajouter("Bernard", "Chloé", "", "École-Valentin");
        page = std::make_unique<TFicheBDD>(exercice, ficheAdherent, ficheCorrespondant, ficheCriteres);
        page->resize(760, 520);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    }
    void TearDown() override {
        page.reset();
        DefinirExerciceJournal(nullptr);
    }

    TAdherent& Ajouter(const std::string& nom, const std::string& prenom, const std::string& licence = {},
                       const std::string& ville = {}) {
        auto a = std::make_unique<TAdherent>(&exercice.Adherents());
        a->SetNom(nom);
        a->SetPrenom(prenom);
        a->SetNumeroLicence(licence);
        a->SetVille(ville);
        return *exercice.Adherents().Adherent(exercice.Adherents().Add(std::move(a)));
    }
    TAdherent& Membre(const std::string& nom) {
        TAdherents& a = exercice.Adherents();
        for (int i = 0; i < a.Count(); ++i)
            if (a.Adherent(i)->Nom() == nom)
                return *a.Adherent(i);
        ADD_FAILURE() << nom;
        return *a.Adherent(0);
    }

    QLineEdit* Champ(const char* nom = "EditRechercheAdherents") {
        auto* e = page->findChild<QLineEdit*>(nom);
        EXPECT_NE(e, nullptr) << nom;
        return e;
    }
    QLabel* Compte(const char* nom = "LabelRechercheAdherents") {
        auto* l = page->findChild<QLabel*>(nom);
        EXPECT_NE(l, nullptr) << nom;
        return l;
    }
    QTreeView& Liste(const char* nom = "ListViewAdherents") { return *page->findChild<QTreeView*>(nom); }
    Noms NomsVus(const char* liste = "ListViewAdherents") {
        Noms noms;
        const QAbstractItemModel& m = *Liste(liste).model();
        for (int i = 0; i < m.rowCount(); ++i)
            noms.push_back(m.index(i, 0).data().toString().toStdString());
        return noms;
    }
    // The names of the whole sorted list that are among `gardes`, in its order.
    Noms Parmi(const Noms& tous, const std::set<std::string>& gardes) {
        Noms v;
        std::copy_if(tous.begin(), tous.end(), std::back_inserter(v),
                     [&](const std::string& n) { return gardes.count(n) > 0; });
        return v;
    }
    void Chercher(const QString& texte, const char* champ = "EditRechercheAdherents") {
        QLineEdit* e = Champ(champ);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        TaperTouches(e, texte);
        ASSERT_EQ(e->text(), texte);
    }

    ScriptMessages messages;
    TExercice exercice;
    TFicheListeComptes listeComptes;
    TFicheAdherent ficheAdherent{listeComptes};
    TFicheCorrespondant ficheCorrespondant;
    TFicheCriteresRequete ficheCriteres;
    std::unique_ptr<TFicheBDD> page;
};

// Each typed text against each sort of the list: the rows kept are the
// matching ones, in the order the whole list has.
TEST_F(Recherche, LeFiltreGardeLOrdreDuTri) {
    struct Cas {
        const char* tape;
        std::set<std::string> gardes;
    };
    const std::set<std::string> tous = {"Dupont", "dupré", "Martin", "Lécole", "Bernard"};
    const Cas cas[] = {
        {"", tous},
        {"dup", {"Dupont", "dupré"}},
        {"DUPRE", {"dupré"}},
        {"ecole", {"Lécole", "Bernard"}},
        {"ÉCOLE", {"Lécole", "Bernard"}},
        {"ffs-120", {"Dupont", "Lécole"}},
        {"etienne", {"Martin"}},
        {"jerome", {"Martin"}},
        {"dup mar", {"Dupont"}},
        {"marie dup", {"Dupont"}},
        {"  elise  ", {"dupré"}},
        {"anglet bidart", {}},
        {"zzz", {}},
        {"   ", tous},
    };
    struct Tri {
        const char* nom;
        std::vector<int> clics;
    };
    const Tri tris[] = {{"nom montant", {}}, {"nom descendant", {0, 0}}, {"prénom", {1}}, {"licence", {2}}};
    for (const Tri& t : tris) {
        SCOPED_TRACE(t.nom);
        page = std::make_unique<TFicheBDD>(exercice, ficheAdherent, ficheCorrespondant, ficheCriteres);
        page->show();
        for (int colonne : t.clics)
            page->TriAdherents().CliquerColonne(colonne);
        Champ()->clear();
        const Noms ordre = NomsVus();
        ASSERT_EQ(ordre.size(), 5u);
        for (const Cas& c : cas) {
            SCOPED_TRACE(c.tape);
            Chercher(QString::fromUtf8(c.tape));
            EXPECT_EQ(NomsVus(), Parmi(ordre, c.gardes));
        }
        // A header click during a search sorts what is shown.
        Chercher("b");
        page->TriAdherents().CliquerColonne(0);
        page->TriAdherents().CliquerColonne(0);
        const Noms filtres = NomsVus();
        Champ()->clear();
        EXPECT_EQ(filtres, Parmi(NomsVus(), {"Dupont", "Lécole", "Bernard"}));
    }
}

TEST_F(Recherche, LeCompteSAfficheSeulementPendantUneRechercheEtEchapVide) {
    const Noms tous = NomsVus();
    EXPECT_FALSE(Compte()->isVisible());
    Chercher("dup");
    EXPECT_TRUE(Compte()->isVisible());
    EXPECT_EQ(Compte()->text(), "2 sur 5");
    EXPECT_EQ(page->findChild<QLabel*>("LabelInfosAdherents")->text(),
              "Nb adhérents : 5 - Loisir : 5 - Compétition : 0 - Dirigeant : 0")
        << "the summary stays that of the whole season";
    Chercher("zzz");
    EXPECT_EQ(Compte()->text(), "0 sur 5");

    QTest::keyClick(Champ(), Qt::Key_Escape);
    EXPECT_EQ(Champ()->text(), "");
    EXPECT_EQ(NomsVus(), tous) << "every row back, in the sorted order";
    EXPECT_FALSE(Compte()->isVisible());

    // With nothing typed, Escape is left to the page.
    QKeyEvent echap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(Champ(), &echap);
    EXPECT_FALSE(echap.isAccepted());
}

// Records added, renamed or deleted during a search show or leave as they
// match; the count follows, the buttons too.
TEST_F(Recherche, LesChangementsPendantUneRechercheSuiventLeFiltre) {
    Chercher("dup");
    Ajouter("Duparc", "Anne");
    EXPECT_EQ(NomsVus(), (Noms{"Duparc", "Dupont", "dupré"}));
    EXPECT_EQ(Compte()->text(), "3 sur 6");
    Ajouter("Zidane", "Léa");
    EXPECT_EQ(NomsVus().size(), 3u) << "a member that does not match stays hidden";
    EXPECT_EQ(Compte()->text(), "3 sur 7");

    // Selected, then renamed away from the search: the row goes, and the
    // selection moves to a row still shown, as after a deletion.
    const int ligne = page->TriAdherents().LigneVue(exercice.Adherents().IndexOf(&Membre("Dupont")));
    Liste().setCurrentIndex(page->TriAdherents().index(ligne, 0));
    ASSERT_EQ(page->AdherentSelectionne(), &Membre("Dupont"));
    ASSERT_TRUE(page->findChild<QPushButton*>("BoutonEditerAdherent")->isEnabled());
    Membre("Dupont").SetNom("Durand");
    EXPECT_EQ(NomsVus(), (Noms{"Duparc", "dupré"}));
    EXPECT_EQ(Compte()->text(), "2 sur 7");
    const TAdherent* choisi = page->AdherentSelectionne();
    EXPECT_NE(choisi, &Membre("Durand"));
    EXPECT_TRUE(choisi == nullptr || choisi->Nom().starts_with("Dup") || choisi->Nom() == "dupré");
    EXPECT_EQ(page->findChild<QPushButton*>("BoutonEditerAdherent")->isEnabled(), choisi != nullptr);

    // Renamed into the search: it comes in at its sorted place.
    Membre("Martin").SetNom("Dupin");
    EXPECT_EQ(NomsVus(), (Noms{"Duparc", "Dupin", "dupré"}));
    Membre("Zidane").SetVille("Dupuy");
    EXPECT_EQ(Compte()->text(), "4 sur 7") << "the town counts too";

    exercice.Adherents().Delete(exercice.Adherents().IndexOf(&Membre("Duparc")));
    EXPECT_EQ(Compte()->text(), "3 sur 6");
    exercice.Adherents().Delete(exercice.Adherents().IndexOf(&Membre("Bernard")));
    EXPECT_EQ(Compte()->text(), "3 sur 5") << "a hidden member deleted";
    QTest::keyClick(Champ(), Qt::Key_Escape);
    EXPECT_EQ(NomsVus().size(), 5u);
}

// Down from the field goes to the first row shown; Enter there and Delete
// act on the member of that row, not on the row of the same number in the
// whole list.
TEST_F(Recherche, LesCommandesAgissentSurLeMembreDeLaLigneFiltree) {
    Chercher("ecole");
    ASSERT_EQ(NomsVus().size(), 2u);
    const std::string premier = NomsVus()[0];
    const std::string second = NomsVus()[1];
    QTest::keyClick(Champ(), Qt::Key_Down);
    ASSERT_TRUE(Liste().hasFocus());
    ASSERT_NE(page->AdherentSelectionne(), nullptr);
    EXPECT_EQ(page->AdherentSelectionne()->Nom(), premier);
    QTest::keyClick(&Liste(), Qt::Key_Down);
    ASSERT_EQ(page->AdherentSelectionne()->Nom(), second);

    ScriptDialogues script;
    script.Puis([&](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("EditNom")->text().toStdString(), second);
        test::Taper(d, "EditPrenom", "Louise");
        Cliquer(d, "BoutonOk");
    });
    QTest::keyClick(&Liste(), Qt::Key_Return);
    EXPECT_EQ(Membre(second).Prenom(), "Louise");
    EXPECT_EQ(exercice.Agenda().Ligne(exercice.Agenda().Count() - 1)->Texte(),
              "Modification de l'adhérent \"" + second + " Louise\"");

    messages.Repondre(IDYES);
    QTest::keyClick(&Liste(), Qt::Key_Delete);
    EXPECT_EQ(exercice.Adherents().Count(), 4);
    for (int i = 0; i < exercice.Adherents().Count(); ++i)
        EXPECT_NE(exercice.Adherents().Adherent(i)->Nom(), second);
    EXPECT_EQ(NomsVus(), (Noms{premier}));
    EXPECT_EQ(Compte()->text(), "1 sur 4");
}

// A member made during a search that matches it is shown and selected; one
// that does not is added all the same, and the count tells it.
TEST_F(Recherche, UnAjoutPendantUneRecherche) {
    Chercher("dup");
    ScriptDialogues script;
    for (const char* nom : {"Dupuis", "Larralde"})
        script.Puis([nom](QDialog& d) {
            test::Taper(d, "EditNom", nom);
            test::Taper(d, "EditPrenom", "Iban");
            Cliquer(d, "BoutonOk");
        });
    Cliquer(*page, "BoutonAjouterAdherent");
    ASSERT_EQ(exercice.Adherents().Count(), 6);
    ASSERT_NE(page->AdherentSelectionne(), nullptr);
    EXPECT_EQ(page->AdherentSelectionne()->Nom(), "Dupuis");
    Cliquer(*page, "BoutonAjouterAdherent");
    EXPECT_EQ(exercice.Adherents().Count(), 7);
    EXPECT_EQ(Compte()->text(), "3 sur 7");
    EXPECT_EQ(page->AdherentSelectionne(), nullptr);
    EXPECT_FALSE(page->findChild<QPushButton*>("BoutonEditerAdherent")->isEnabled());
}

TEST_F(Recherche, CtrlFVaAuChampDeLOngletAffiche) {
    Liste().setFocus();
    QTest::keyClick(&Liste(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(Champ()->hasFocus());
    Chercher("mar");
    QTest::keyClick(&Liste(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(Champ()->hasFocus());
    EXPECT_EQ(Champ()->selectedText(), "mar") << "typing replaces the search";

    page->findChild<QTabWidget*>("PageControl")->setCurrentIndex(1);
    Liste("ListViewCorrespondants").setFocus();
    QTest::keyClick(&Liste("ListViewCorrespondants"), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(Champ("EditRechercheCorrespondants")->hasFocus());
    EXPECT_EQ(Champ()->text(), "mar") << "each list keeps its own search";
}

TEST_F(Recherche, LesCorrespondantsSurNomVilleEtSpecialite) {
    struct Correspondant {
        const char* nom;
        const char* ville;
        const char* specialite;
    };
    for (const Correspondant& c : {Correspondant{"Mairie d'Anglet", "Anglet", ""},
                                   Correspondant{"Surf Shop Océan", "Biarritz", "Matériel"},
                                   Correspondant{"Docteur Etchegaray", "Bayonne", "Médecin"}}) {
        auto k = std::make_unique<TCorrespondant>(&exercice.Correspondants());
        k->SetNom(c.nom);
        k->SetVille(c.ville);
        k->SetSpecialite(c.specialite);
        exercice.Correspondants().Add(std::move(k));
    }
    page->findChild<QTabWidget*>("PageControl")->setCurrentIndex(1);
    const char* champ = "EditRechercheCorrespondants";
    const char* liste = "ListViewCorrespondants";
    struct Cas {
        const char* tape;
        Noms vus;
    };
    for (const Cas& c : {Cas{"anglet", {"Mairie d'Anglet"}}, Cas{"medecin", {"Docteur Etchegaray"}},
                         Cas{"ocean biarritz", {"Surf Shop Océan"}}, Cas{"materiel bayonne", {}},
                         Cas{"a", {"Docteur Etchegaray", "Mairie d'Anglet", "Surf Shop Océan"}}}) {
        SCOPED_TRACE(c.tape);
        Chercher(QString::fromUtf8(c.tape), champ);
        EXPECT_EQ(NomsVus(liste), c.vus);
        EXPECT_EQ(Compte("LabelRechercheCorrespondants")->text(), QString("%1 sur 3").arg(c.vus.size()));
    }
    EXPECT_EQ(NomsVus().size(), 5u) << "the members' list is not searched";
}

} // namespace
} // namespace tramonta
