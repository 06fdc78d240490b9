// SPDX-License-Identifier: GPL-3.0-or-later
// The database page and its sheets on their real widgets: the member and
// correspondent commands with their journal lines, the sorted lists, the
// member sheet's fields, the automatic postings made from it, and the query
// criteria.
#include "outils_shell.h"

#include "core/dates.h"
#include "core/messages.h"
#include "core/texte.h"
#include "model/enregistrement.h"
#include "model/exercice.h"
#include "platform/boite_message.h"
#include "platform/bureau.h"
#include "ui/bdd/fiche_adherent.h"
#include "ui/bdd/fiche_bdd.h"
#include "ui/bdd/fiche_correspondant.h"
#include "ui/bdd/fiche_criteres_requete.h"
#include "ui/bdd/fiche_liste_comptes.h"
#include "ui/communs/agenda.h"
#include "ui/fenetre/main_fenetre.h"
#include "ui/modeles/tri_liste.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace tramonta {
namespace {

using test::Cliquer;
using test::Controle;
using test::ScriptDialogues;
using test::Taper;

QString Texte(QWidget& fenetre, const char* nom) {
    auto* e = Controle<QLineEdit>(fenetre, nom);
    return e ? e->text() : QString();
}

class FicheBDD : public ::testing::Test {
  protected:
    void SetUp() override {
        DefinirExerciceJournal(&exercice);
        TComptabilite& c = exercice.Comptabilite();
        for (const char* article : {"706", "707"}) {
            auto compte = std::make_unique<TCompte>(&c);
            compte->SetArticle(article);
            compte->SetIntitule(std::string("Produits ") + article);
            c.AjouterCompteProduit(std::move(compte));
        }
        ficheAdherent.OuvrirEcritureAutomatique = [this](TLigneEcriture& l, double montant) {
            ecritures.push_back({&l, montant});
        };
        page = std::make_unique<TFicheBDD>(exercice, ficheAdherent, ficheCorrespondant, ficheCriteres);
        page->resize(760, 520);
        page->show();
    }
    void TearDown() override {
        page.reset();
        DefinirExerciceJournal(nullptr);
    }

    TAdherent& Ajouter(const std::string& nom, const std::string& prenom) {
        auto a = std::make_unique<TAdherent>(&exercice.Adherents());
        a->SetNom(nom);
        a->SetPrenom(prenom);
        return *exercice.Adherents().Adherent(exercice.Adherents().Add(std::move(a)));
    }
    TCompte& Compte(const char* article) {
        TComptabilite& c = exercice.Comptabilite();
        return *c.GetCompteProduit(c.ChercherCompteProduit(article));
    }
    void DefautLicence(const char* article) {
        exercice.Comptabilite().SetCompteLicenceDefini(true);
        exercice.Comptabilite().SetCompteLicence(article);
    }
    QTreeView& ListeAdherents() { return *page->findChild<QTreeView*>("ListViewAdherents"); }
    // Selects the row that shows this member.
    void Choisir(const TAdherent& a) {
        const int ligne = page->TriAdherents().LigneVue(exercice.Adherents().IndexOf(&a));
        ListeAdherents().setCurrentIndex(page->TriAdherents().index(ligne, 0));
    }
    std::vector<std::string> NomsVus() {
        std::vector<std::string> noms;
        const TTriListe& tri = page->TriAdherents();
        for (int i = 0; i < tri.rowCount(); ++i)
            noms.push_back(tri.index(i, 0).data().toString().toStdString());
        return noms;
    }
    std::vector<std::string> Journal() {
        std::vector<std::string> t;
        for (int i = 0; i < exercice.Agenda().Count(); ++i)
            t.push_back(exercice.Agenda().Ligne(i)->Texte());
        return t;
    }
    int Lignes() {
        int n = 0;
        for (int i = 0; i < exercice.Comptabilite().NbComptesProduits(); ++i)
            n += exercice.Comptabilite().GetCompteProduit(i)->NbLignes();
        return n;
    }

    struct Ecriture {
        TLigneEcriture* ligne;
        double montant;
    };
    ScriptMessages messages;
    TExercice exercice;
    TFicheListeComptes listeComptes;
    TFicheAdherent ficheAdherent{listeComptes};
    TFicheCorrespondant ficheCorrespondant;
    TFicheCriteresRequete ficheCriteres;
    std::unique_ptr<TFicheBDD> page;
    std::vector<Ecriture> ecritures;
};

// --- Members: the commands and their journal ---------------------------------

TEST_F(FicheBDD, UnDoublonDansUneAutreCasseEstRefuseEtSesPropresNomsAcceptes) {
    TAdherent& dupont = Ajouter("Dupont", "Zoé");
    {
        ScriptDialogues script;
        script.Puis([](QDialog& d) {
            Taper(d, "EditNom", "DUPONT");
            Taper(d, "EditPrenom", "zoé");
            Cliquer(d, "BoutonOk");
        });
        script.Puis([](QDialog& d) { Cliquer(d, "BoutonAnnuler"); });
        Cliquer(*page, "BoutonAjouterAdherent");
    }
    ASSERT_EQ(messages.Affiches().size(), 1u);
    EXPECT_EQ(messages.Affiches()[0].texte, "L'adhérent \"DUPONT zoé\" existe déjà !");
    EXPECT_EQ(messages.Affiches()[0].titre, "Erreur");
    EXPECT_EQ(exercice.Adherents().Count(), 1);
    EXPECT_TRUE(Journal().empty());

    Choisir(dupont);
    {
        ScriptDialogues script;
        script.Puis([](QDialog& d) { Cliquer(d, "BoutonOk"); });
        Cliquer(*page, "BoutonEditerAdherent");
    }
    EXPECT_EQ(Journal(), std::vector<std::string>{"Modification de l'adhérent \"Dupont Zoé\""});
    EXPECT_EQ(messages.Affiches().size(), 1u);
}

TEST_F(FicheBDD, AjouterEcritLeJournalEtLaLigneDeResume) {
    Ajouter("Abel", "Léo").SetLicenceDirigeant(true);
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        Taper(d, "EditNom", "Martin");
        Taper(d, "EditPrenom", "Paul");
        Cliquer(d, "CheckLicenceCompet");
        Cliquer(d, "BoutonOk");
    });
    Cliquer(*page, "BoutonAjouterAdherent");
    ASSERT_EQ(exercice.Adherents().Count(), 2);
    EXPECT_EQ(Journal(), std::vector<std::string>{"Ajout de l'adhérent \"Martin Paul\""});
    EXPECT_EQ(page->AdherentSelectionne(), exercice.Adherents().Adherent(1)) << "the new member is selected";
    EXPECT_EQ(Controle<QLabel>(*page, "LabelInfosAdherents")->text(),
              "Nb adhérents : 2 - Loisir : 0 - Compétition : 1 - Dirigeant : 1");
    EXPECT_TRUE(Controle<QPushButton>(*page, "BoutonEditerAdherent")->isEnabled());
    EXPECT_TRUE(QFontInfo(Controle<QLabel>(*page, "LabelInfosAdherents")->font()).bold());
}

// Every control that takes the focus is named for screen readers, by its
// label or its own name.
TEST_F(FicheBDD, ChaqueControleAUnNomAccessible) {
    for (QWidget* fenetre : std::initializer_list<QWidget*>{page.get(), &ficheAdherent, &ficheCorrespondant,
                                                            &ficheCriteres, &listeComptes})
        for (QWidget* w : fenetre->findChildren<QWidget*>()) {
            if (!(w->inherits("QLineEdit") || w->inherits("QPlainTextEdit") || w->inherits("QComboBox") ||
                  w->inherits("QAbstractButton") || w->inherits("QTreeView")) ||
                w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(a, nullptr);
            EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty())
                << fenetre->objectName().toStdString() << "/" << w->objectName().toStdString();
        }
}

TEST_F(FicheBDD, TrierDeuxFoisSurNomRenverseEtUnAjoutGardeLeSens) {
    Ajouter("Bernard", "a");
    Ajouter("Albert", "b");
    Ajouter("Charles", "c");
    EXPECT_EQ(NomsVus(), (std::vector<std::string>{"Albert", "Bernard", "Charles"}));
    page->TriAdherents().CliquerColonne(0);
    EXPECT_EQ(NomsVus(), (std::vector<std::string>{"Albert", "Bernard", "Charles"})) << "first click";
    page->TriAdherents().CliquerColonne(0);
    EXPECT_EQ(NomsVus(), (std::vector<std::string>{"Charles", "Bernard", "Albert"}));
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        Taper(d, "EditNom", "Denis");
        Taper(d, "EditPrenom", "d");
        Cliquer(d, "BoutonOk");
    });
    Cliquer(*page, "BoutonAjouterAdherent");
    EXPECT_EQ(NomsVus(), (std::vector<std::string>{"Denis", "Charles", "Bernard", "Albert"}));
}

TEST_F(FicheBDD, SupprimerUnAdherentAQuatreEcrituresNeLaisseAucuneLigne) {
    TAdherent& a = Ajouter("Dupont", "Zoé");
    for (auto genre : kEnregistrements)
        Enregistrer(a, genre, Compte(genre == Enregistrement::Licence ? "706" : "707"));
    ASSERT_EQ(Lignes(), 4);
    // The journal line must name a member that still exists.
    int adherentsAuJournal = -1;
    const TAbonnement suivi = exercice.Agenda().Changements().Abonner(
        [&](const TChangement&) { adherentsAuJournal = exercice.Adherents().Count(); });
    Choisir(a);
    messages.Repondre(IDNO);
    Cliquer(*page, "BoutonSupprimerAdherent");
    EXPECT_EQ(exercice.Adherents().Count(), 1) << "No keeps the member";
    messages.Repondre(IDYES);
    QTest::keyClick(&ListeAdherents(), Qt::Key_Delete);
    EXPECT_EQ(messages.Affiches().back().texte, "Etes vous sûr de vouloir supprimer l'adhérent ?");
    EXPECT_EQ(messages.Affiches().back().titre, "Confirmation");
    EXPECT_EQ(messages.Affiches().back().drapeaux, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(exercice.Adherents().Count(), 0);
    EXPECT_EQ(Lignes(), 0);
    EXPECT_EQ(Journal(), std::vector<std::string>{"Suppression de l'adhérent \"Dupont Zoé\""});
    EXPECT_EQ(adherentsAuJournal, 1);
    EXPECT_FALSE(Controle<QPushButton>(*page, "BoutonSupprimerAdherent")->isEnabled());
    EXPECT_EQ(Controle<QLabel>(*page, "LabelInfosAdherents")->text(),
              "Nb adhérents : 0 - Loisir : 0 - Compétition : 0 - Dirigeant : 0");
}

TEST_F(FicheBDD, EntreeEditeEtLeMenuSuitLaSelection) {
    TAdherent& a = Ajouter("Dupont", "Zoé");
    auto* menu = Controle<QMenu>(*page, "PopupMenuAdherents");
    ASSERT_NE(menu, nullptr);
    const auto actions = menu->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), "&Ajouter");
    EXPECT_FALSE(actions[1]->isEnabled()) << "nothing selected";
    EXPECT_FALSE(actions[2]->isEnabled());
    Choisir(a);
    EXPECT_TRUE(actions[1]->isEnabled());
    EXPECT_TRUE(actions[2]->isEnabled());
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Fiche adhérent");
        Taper(d, "EditPrenom", "Zoë");
        Cliquer(d, "BoutonOk");
    });
    QTest::keyClick(&ListeAdherents(), Qt::Key_Return);
    EXPECT_EQ(a.Prenom(), "Zoë");
    EXPECT_EQ(page->AdherentSelectionne(), &a);
}

// A season file holding members of these names only, for a main window to open.
void EcrireClub(const QString& chemin, std::initializer_list<const char*> noms) {
    TExercice e;
    for (const char* nom : noms) {
        auto a = std::make_unique<TAdherent>(&e.Adherents());
        a->SetNom(nom);
        e.Adherents().Add(std::move(a));
    }
    ASSERT_TRUE(e.SaveToFile(chemin.toStdString()));
}

// The page in the main window works on the window's document and journal.
TEST(FicheBDDFenetre, LaPageDeLaFenetreSuitLeDocumentOuvert) {
    test::ViderReglages();
    QTemporaryDir dossier;
    const QString chemin = QDir(dossier.path()).filePath("club.trm");
    ASSERT_NO_FATAL_FAILURE(EcrireClub(chemin, {"Abel", "Bixente"}));
    ScriptMessages messages;
    TMain m({chemin});
    m.show();
    Cliquer(m, "BoutonBDD");
    auto* page = m.findChild<TFicheBDD*>("FicheBDD");
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isVisible());
    auto* infos = Controle<QLabel>(*page, "LabelInfosAdherents");
    EXPECT_EQ(infos->text(), "Nb adhérents : 2 - Loisir : 2 - Compétition : 0 - Dirigeant : 0");
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        Taper(d, "EditNom", "Cazaux");
        Taper(d, "EditPrenom", "Léa");
        Cliquer(d, "BoutonOk");
    });
    Cliquer(*page, "BoutonAjouterAdherent");
    EXPECT_EQ(m.Exercice().Agenda().Ligne(m.Exercice().Agenda().Count() - 1)->Texte(),
              "Ajout de l'adhérent \"Cazaux Léa\"");
    EXPECT_TRUE(m.Exercice().IsModified());
    messages.Repondre(IDNO);
    m.MenuNouvelExerciceClick();
    EXPECT_EQ(infos->text(), "Nb adhérents : 0 - Loisir : 0 - Compétition : 0 - Dirigeant : 0");
    EXPECT_EQ(page->TriAdherents().rowCount(), 0);
}

// The members' list of a page out of view waits to be sorted until it is
// first shown: it must then show, in order, every change made before (the
// file opened, members added, renamed, removed) and follow the later ones.
TEST(FicheBDDFenetre, UneListeTrieeALaPremiereVueMontreLesChangementsDAvantEtDApres) {
    test::ViderReglages();
    QTemporaryDir dossier;
    const QString chemin = QDir(dossier.path()).filePath("club.trm");
    ASSERT_NO_FATAL_FAILURE(EcrireClub(chemin, {"Etchart", "Abel", "Dufau", "Camou"}));
    ScriptMessages messages;
    TMain m({chemin});
    m.show();
    auto* page = m.findChild<TFicheBDD*>("FicheBDD");
    ASSERT_NE(page, nullptr);
    auto* liste = page->findChild<QTreeView*>("ListViewAdherents");
    ASSERT_NE(liste, nullptr);
    ASSERT_FALSE(liste->isVisible());
    auto nomsVus = [liste] {
        std::vector<std::string> noms;
        for (int i = 0; i < liste->model()->rowCount(); ++i)
            noms.push_back(liste->model()->index(i, 0).data().toString().toStdString());
        return noms;
    };
    TAdherents& adherents = m.Exercice().Adherents();
    auto ajouter = [&adherents](const char* nom) {
        auto a = std::make_unique<TAdherent>(&adherents);
        a->SetNom(nom);
        adherents.Add(std::move(a));
    };
    auto membre = [&adherents](const char* nom) {
        for (int i = 0; i < adherents.Count(); ++i)
            if (adherents.Adherent(i)->Nom() == nom)
                return adherents.Adherent(i);
        return static_cast<TAdherent*>(nullptr);
    };
    ajouter("Bordes");
    membre("Abel")->SetNom("Zubiri");
    adherents.Delete(adherents.IndexOf(membre("Dufau")));

    Cliquer(m, "BoutonBDD");
    ASSERT_TRUE(liste->isVisible());
    EXPECT_EQ(nomsVus(), (std::vector<std::string>{"Bordes", "Camou", "Etchart", "Zubiri"}));

    ajouter("Arrieta");
    membre("Camou")->SetNom("Uhart");
    adherents.Delete(adherents.IndexOf(membre("Etchart")));
    EXPECT_EQ(nomsVus(), (std::vector<std::string>{"Arrieta", "Bordes", "Uhart", "Zubiri"}));
}

// In the main window, a posting opens the entry form in automatic mode on
// the new line, showing the sum typed on the sheet.
TEST(FicheBDDFenetre, EnregistrerOuvreLaFicheEcritureEnModeAutomatique) {
    test::ViderReglages();
    ScriptMessages messages;
    TMain m;
    m.show();
    TComptabilite& c = m.Exercice().Comptabilite();
    auto compte = std::make_unique<TCompte>(&c);
    compte->SetArticle("706");
    c.AjouterCompteProduit(std::move(compte));
    c.SetCompteLicenceDefini(true);
    c.SetCompteLicence("706");
    Cliquer(m, "BoutonBDD");
    auto* page = m.findChild<TFicheBDD*>("FicheBDD");
    ASSERT_NE(page, nullptr);
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        Taper(d, "EditNom", "Dupont");
        Taper(d, "EditPrenom", "Zoé");
        Taper(d, "EditMontantLicence", "42.5");
        Cliquer(d, "BoutonEnrComptaLicence");
    });
    script.Puis([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Ecriture (Enregistrement automatique)");
        EXPECT_EQ(Texte(d, "EditLibelle"), "Licence de Dupont Zoé");
        EXPECT_EQ(Texte(d, "EditMontant"), "42.50");
        Cliquer(d, "BoutonAnnuler");
    });
    script.Puis([](QDialog& d) { Cliquer(d, "BoutonOk"); });
    Cliquer(*page, "BoutonAjouterAdherent");
    const TCompte& licences = *c.GetCompteProduit(0);
    ASSERT_EQ(licences.NbLignes(), 1) << "the line stays when the entry form is cancelled";
    EXPECT_EQ(licences.GetLigne(0)->Montant(), 42.5);
    EXPECT_EQ(licences.GetLigne(0)->TypePaiement(), 0);
    EXPECT_TRUE(m.Exercice().Adherents().Adherent(0)->LicenceEnCompta());
}

// In the main window, "&Requête" and the sheets' "&Imprimer" open the
// previews, on the confirmed criteria and on the values typed.
TEST(FicheBDDFenetre, RequeteEtImprimerOuvrentLesApercus) {
    test::ViderReglages();
    ScriptMessages messages;
    TMain m;
    m.show();
    auto a = std::make_unique<TAdherent>(&m.Exercice().Adherents());
    a->SetNom("Dupont");
    m.Exercice().Adherents().Add(std::move(a));
    Cliquer(m, "BoutonBDD");
    auto* page = m.findChild<TFicheBDD*>("FicheBDD");
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(Controle<QPushButton>(*page, "BoutonRequete")->isEnabled());
    ScriptDialogues script;
    script.Puis([](QDialog& d) { Cliquer(d, "BoutonOk"); });
    script.Puis([](QDialog& d) { d.reject(); });
    Cliquer(*page, "BoutonRequete");
    ASSERT_EQ(script.Vus().size(), 2u);
    EXPECT_EQ(script.Vus()[0], static_cast<QDialog*>(&m.FicheCriteresRequete()));
    EXPECT_NE(script.Vus()[1], script.Vus()[0]);

    page->TriAdherents().sort(0);
    page->findChild<QTreeView*>("ListViewAdherents")->setCurrentIndex(page->TriAdherents().index(0, 0));
    script.Puis([](QDialog& d) {
        ASSERT_TRUE(Controle<QPushButton>(d, "BoutonImprimer")->isEnabled());
        Taper(d, "EditVille", "Anglet");
        Cliquer(d, "BoutonImprimer");
    });
    script.Puis([](QDialog& d) { d.reject(); });
    script.Puis([](QDialog& d) { Cliquer(d, "BoutonAnnuler"); });
    Cliquer(*page, "BoutonEditerAdherent");
    ASSERT_EQ(script.Vus().size(), 5u);
    EXPECT_NE(script.Vus()[3], static_cast<QDialog*>(&m.FicheAdherent())) << "the preview";
    EXPECT_EQ(m.Exercice().Adherents().Adherent(0)->Ville(), "") << "the member itself is not changed";
}

// --- The member sheet ----------------------------------------------------------

TEST_F(FicheBDD, UneFicheSansDateApresUneFicheDateeMontreUnChampVide) {
    TAdherent& date = Ajouter("Avec", "Date");
    date.SetDateDelivrance(EncodeDate(2024, 9, 1));
    date.SetDateNaissance(EncodeDate(2008, 3, 2));
    date.SetClassement(12);
    date.SetLicenceCompet(true);
    date.SetInformationsComplementaires("Notes\r\nsur deux lignes");
    TAdherent& sans = Ajouter("Sans", "Date");
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        EXPECT_EQ(Texte(d, "EditDateDelivrance"), "01/09/2024");
        EXPECT_EQ(Texte(d, "EditClassement"), "12");
        Cliquer(d, "BoutonAnnuler");
    });
    script.Puis([](QDialog& d) {
        EXPECT_EQ(Controle<QLineEdit>(d, "EditDateDelivrance")->displayText(), "__/__/____");
        EXPECT_EQ(Controle<QLineEdit>(d, "EditDateNaissance")->displayText(), "__/__/____");
        EXPECT_EQ(Texte(d, "EditCategorie"), "");
        EXPECT_EQ(Texte(d, "EditClassement"), "");
        EXPECT_FALSE(Controle<QLineEdit>(d, "EditClassement")->isEnabled());
        EXPECT_TRUE(Controle<QPlainTextEdit>(d, "EditInformationsComplementaires")->toPlainText().isEmpty());
        Cliquer(d, "BoutonOk");
    });
    EXPECT_EQ(ficheAdherent.Editer(date, false), QDialog::Rejected);
    EXPECT_EQ(ficheAdherent.Editer(sans, false), QDialog::Accepted);
    EXPECT_EQ(sans.DateDelivrance(), 0);
    EXPECT_EQ(sans.DateNaissance(), 0);
    EXPECT_EQ(sans.Classement(), 0);
    EXPECT_EQ(date.InformationsComplementaires(), "Notes\r\nsur deux lignes");
}

TEST_F(FicheBDD, ToutesLesValeursSontStockeesAuOk) {
    TAdherent& a = Ajouter("Ancien", "Nom");
    a.SetCodePostal(33000);
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        Taper(d, "EditNom", "Lacroix");
        Taper(d, "EditDateNaissance", "31022010"); // no such day: 0
        Taper(d, "EditCodePostal", "");
        Taper(d, "EditTel1", "0559757340");
        Taper(d, "EditDateDelivrance", "15092024");
        Taper(d, "EditMontantLicence", "45.5");
        Taper(d, "EditForfaitLecon", "");
        Cliquer(d, "CheckLicenceCompet");
        Taper(d, "EditClassement", "-3");
        Cliquer(d, "BoutonOk");
    });
    ASSERT_EQ(ficheAdherent.Editer(a, false), QDialog::Accepted);
    EXPECT_EQ(a.Nom(), "Lacroix");
    EXPECT_EQ(a.DateNaissance(), 0);
    EXPECT_EQ(a.CodePostal(), 0) << "a cleared code clears the stored one";
    EXPECT_EQ(a.Tel1(), "05-59-75-73-40");
    EXPECT_EQ(a.Tel2(), "");
    EXPECT_EQ(a.DateDelivrance(), EncodeDate(2024, 9, 15));
    EXPECT_EQ(a.MontantLicence(), 45.5);
    EXPECT_EQ(a.ForfaitLecon(), 0);
    EXPECT_TRUE(a.LicenceCompet());
    EXPECT_EQ(a.Classement(), -3);
}

// The season file holds Windows-1252: a text that it cannot hold is named
// with its nearest form at "OK"; "Non" leaves the sheet open on the field and
// the member untouched, "Oui" takes the nearest form.
TEST_F(FicheBDD, UnTexteQueLaSaisonNePeutEnregistrerEstProposeSousSaFormeProche) {
    TAdherent& a = Ajouter("Dupont", "Zoé");
    ScriptDialogues script;
    script.Puis([this](QDialog& d) {
        Taper(d, "EditPrenom", "Łukasz");
        Taper(d, "EditVille", "Paris\u202F15e");
        Taper(d, "EditTel1", "0559757340");
        messages.Repondre(IDNO);
        Cliquer(d, "BoutonOk");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), Controle<QLineEdit>(d, "EditPrenom"));
        EXPECT_EQ(Controle<QLineEdit>(d, "EditPrenom")->text(), "Łukasz");
        messages.Repondre(IDYES);
        messages.Repondre(IDYES);
        Cliquer(d, "BoutonOk");
    });
    ASSERT_EQ(ficheAdherent.Editer(a, false), QDialog::Accepted);
    EXPECT_EQ(
        messages.Textes(),
        (std::vector<std::string>{
            "Champ « Prénom » : « Ł » ne peut pas être enregistré.\n\nLe remplacer par la forme la plus "
            "proche, « Lukasz » ?",
            "Champ « Prénom » : « Ł » ne peut pas être enregistré.\n\nLe remplacer par la forme la plus "
            "proche, « Lukasz » ?",
            "Champ « Ville » : « \u202F » ne peut pas être enregistré.\n\nLe remplacer par la forme la plus "
            "proche, « Paris 15e » ?"}));
    EXPECT_EQ(a.Prenom(), "Lukasz");
    EXPECT_EQ(a.Ville(), "Paris 15e");
    EXPECT_EQ(a.Tel1(), "05-59-75-73-40");
    EXPECT_TRUE(TexteEnregistrable(a.Prenom() + a.Ville()));
}

TEST_F(FicheBDD, UnClassementQuiNEstPasEntierEstSignaleEnQuittantLeChamp) {
    TAdherent& a = Ajouter("Dupont", "Zoé");
    a.SetLicenceCompet(true);
    ScriptDialogues script;
    script.Puis([this](QDialog& d) {
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        Controle<QTabWidget>(d, "PageControl")->setCurrentIndex(1);
        Taper(d, "EditClassement", "-");
        Controle<QLineEdit>(d, "EditNumeroLicence")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(messages.Textes(),
                  std::vector<std::string>{"Le classement doit être une valeur entière !"});
        EXPECT_TRUE(Controle<QLineEdit>(d, "EditClassement")->hasFocus());
        Cliquer(d, "BoutonOk");
        EXPECT_EQ(messages.Textes().back(), "'-' n'est pas une valeur entière correcte.");
        EXPECT_TRUE(d.isVisible());
        d.reject();
    });
    EXPECT_EQ(ficheAdherent.Editer(a, false), QDialog::Rejected);
    EXPECT_EQ(a.Classement(), 0);
}

struct CasSexe {
    const char* nom;
    const char* touches;
    const char* attendu;
    const char* categorie; // born 17 years ago
};

class SexeTape : public FicheBDD, public ::testing::WithParamInterface<CasSexe> {};

TEST_P(SexeTape, GardeSeulementMOuFEnCapitale) {
    const CasSexe& c = GetParam();
    TAdherent& a = Ajouter("Dupont", "Camille");
    const int annee = DecodeDate(Aujourdhui()).annee - 17;
    a.SetDateNaissance(EncodeDate(annee, 6, 1));
    ScriptDialogues script;
    script.Puis([&c](QDialog& d) {
        auto* sexe = Controle<QLineEdit>(d, "EditSexe");
        sexe->setFocus();
        sexe->selectAll();
        for (const QChar ch : QString::fromUtf8(c.touches))
            QTest::sendKeyEvent(QTest::Click, sexe, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        EXPECT_EQ(sexe->text(), c.attendu);
        EXPECT_EQ(Texte(d, "EditCategorie"), c.categorie);
        Cliquer(d, "BoutonOk");
    });
    ASSERT_EQ(ficheAdherent.Editer(a, false), QDialog::Accepted);
    EXPECT_EQ(a.Sexe(), c.attendu);
    EXPECT_EQ(a.Categorie(), c.categorie);
}

INSTANTIATE_TEST_SUITE_P(Touches, SexeTape,
                         ::testing::Values(CasSexe{"m", "m", "M", "Junior"}, CasSexe{"f", "f", "F", "Ondine"},
                                           CasSexe{"F", "F", "F", "Ondine"}, CasSexe{"x", "x", "", "Junior"},
                                           CasSexe{"accent", "é", "", "Junior"},
                                           CasSexe{"deux", "MF", "", "Junior"},
                                           CasSexe{"puisF", "xf", "F", "Ondine"}),
                         [](const auto& i) { return std::string(i.param.nom); });

// --- Postings from the sheet ---------------------------------------------------

TEST_F(FicheBDD, EnregistrerRenommerPuisDesenregistrer) {
    DefautLicence("706");
    ScriptDialogues script;
    script.Puis([this](QDialog& d) {
        auto* bouton = Controle<QPushButton>(d, "BoutonEnrComptaLicence");
        EXPECT_FALSE(bouton->isEnabled()) << "no names yet";
        Taper(d, "EditNom", "Dupont");
        Taper(d, "EditPrenom", "Zoé");
        Taper(d, "EditMontantLicence", "40");
        EXPECT_TRUE(bouton->isEnabled());
        EXPECT_EQ(bouton->text(), "Enregistrement de la licence en comptabilité...");
        Cliquer(d, "BoutonEnrComptaLicence");
        EXPECT_EQ(bouton->text(), "Désenregistrement de la licence en comptabilité...");
        Cliquer(d, "BoutonOk");
    });
    Cliquer(*page, "BoutonAjouterAdherent");
    ASSERT_EQ(exercice.Adherents().Count(), 1);
    TAdherent& a = *exercice.Adherents().Adherent(0);
    ASSERT_EQ(ecritures.size(), 1u);
    EXPECT_EQ(ecritures[0].montant, 40) << "the typed amount is displayed";
    ASSERT_EQ(Compte("706").NbLignes(), 1);
    const TLigneEcriture& ligne = *Compte("706").GetLigne(0);
    EXPECT_EQ(ecritures[0].ligne, &ligne);
    EXPECT_EQ(ligne.Libelle(), "Licence de Dupont Zoé");
    EXPECT_EQ(ligne.Montant(), 40) << "re-amounted on OK";
    EXPECT_TRUE(ligne.Automatique);
    EXPECT_TRUE(a.LicenceEnCompta());
    EXPECT_EQ(a.ArticleLicence(), "706");

    Choisir(a);
    script.Puis([](QDialog& d) {
        Taper(d, "EditNom", "Durand");
        Cliquer(d, "BoutonOk");
    });
    Cliquer(*page, "BoutonEditerAdherent");
    EXPECT_EQ(ligne.Libelle(), "Licence de Durand Zoé");
    EXPECT_EQ(Journal().back(), "Modification de l'adhérent \"Durand Zoé\"");

    script.Puis([](QDialog& d) {
        Cliquer(d, "BoutonEnrComptaLicence");
        EXPECT_EQ(Controle<QPushButton>(d, "BoutonEnrComptaLicence")->text(),
                  "Enregistrement de la licence en comptabilité...");
        Cliquer(d, "BoutonAnnuler");
    });
    Cliquer(*page, "BoutonEditerAdherent");
    EXPECT_EQ(Compte("706").NbLignes(), 0) << "an existing member's cancel keeps what the buttons did";
    EXPECT_FALSE(a.LicenceEnCompta());
    EXPECT_TRUE(messages.Affiches().empty());
}

TEST_F(FicheBDD, SansCompteParDefautLUtilisateurChoisitLeCompte) {
    TAdherent& a = Ajouter("Dupont", "Zoé");
    a.SetCautionCombinaison(150);
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        Controle<QTabWidget>(d, "PageControl")->setCurrentIndex(2);
        Cliquer(d, "BoutonEnrComptaCautionCombi");
    });
    script.Puis([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Liste des comptes");
        auto* combo = Controle<QComboBox>(d, "ComboBoxComptes");
        ASSERT_EQ(combo->count(), 2);
        EXPECT_EQ(combo->itemText(0), "706 - Produits 706");
        EXPECT_EQ(combo->currentIndex(), 0);
        combo->setCurrentIndex(1);
        Cliquer(d, "BoutonOk");
    });
    script.Puis([](QDialog& d) { Cliquer(d, "BoutonOk"); });
    ASSERT_EQ(ficheAdherent.Editer(a, false), QDialog::Accepted);
    EXPECT_EQ(a.ArticleCaution(), "707");
    ASSERT_EQ(Compte("707").NbLignes(), 1);
    EXPECT_EQ(Compte("707").GetLigne(0)->Libelle(), "Caution combinaison de Dupont Zoé");
    EXPECT_EQ(Compte("707").GetLigne(0)->Montant(), 150);
}

TEST_F(FicheBDD, AnnulerLeChoixDuCompteNEnregistreRien) {
    TAdherent& a = Ajouter("Dupont", "Zoé");
    ScriptDialogues script;
    script.Puis([](QDialog& d) { Cliquer(d, "BoutonEnrComptaForfaitLecon"); });
    script.Puis([](QDialog& d) { Cliquer(d, "BoutonAnnuler"); });
    script.Puis([](QDialog& d) {
        EXPECT_EQ(Controle<QPushButton>(d, "BoutonEnrComptaForfaitLecon")->text(),
                  "Enr. forfait en compta...");
        Cliquer(d, "BoutonOk");
    });
    ficheAdherent.Editer(a, false);
    EXPECT_FALSE(a.ForfaitEnCompta());
    EXPECT_EQ(Lignes(), 0);
    EXPECT_TRUE(ecritures.empty());
}

TEST_F(FicheBDD, AnnulerUnNouvelAdherentApresEnregistrementNeLaisseAucuneLigne) {
    DefautLicence("706");
    exercice.Comptabilite().SetCompteCautionCombiDefini(true);
    exercice.Comptabilite().SetCompteCautionCombi("707");
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        Taper(d, "EditNom", "Neuf");
        Taper(d, "EditPrenom", "Jean");
        Cliquer(d, "BoutonEnrComptaLicence");
        Cliquer(d, "BoutonEnrComptaCautionCombi");
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    Cliquer(*page, "BoutonAjouterAdherent");
    EXPECT_EQ(ecritures.size(), 2u);
    EXPECT_EQ(Lignes(), 0);
    EXPECT_EQ(exercice.Adherents().Count(), 0);
    EXPECT_TRUE(Journal().empty());
    EXPECT_TRUE(messages.Affiches().empty());
}

TEST_F(FicheBDD, DesenregistrerApresRenumerotationSignaleLeCompteEtLaLigne) {
    TAdherent& a = Ajouter("Dupont", "Zoé");
    Enregistrer(a, Enregistrement::Licence, Compte("706"));
    Enregistrer(a, Enregistrement::Caution, Compte("707"));
    Compte("706").SetArticle("7060");
    Compte("707").GetLigne(0)->SetLibelle("Caution rendue");
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        Cliquer(d, "BoutonEnrComptaLicence");
        Cliquer(d, "BoutonEnrComptaCautionCombi");
        EXPECT_EQ(Controle<QPushButton>(d, "BoutonEnrComptaLicence")->text(),
                  "Enregistrement de la licence en comptabilité...");
        EXPECT_EQ(Controle<QPushButton>(d, "BoutonEnrComptaCautionCombi")->text(),
                  "Enr. caution en compta...");
        Cliquer(d, "BoutonOk");
    });
    ficheAdherent.Editer(a, false);
    EXPECT_EQ(
        messages.Textes(),
        (std::vector<std::string>{
            "Impossible de retrouver le compte \"706\" dans lequel a été fait l'enregistrement !",
            "Impossible de retrouver la ligne d'écriture \"Caution combinaison de Dupont Zoé\" dans lequel a "
            "été fait l'enregistrement !"}));
    EXPECT_EQ(messages.Affiches()[0].titre, "Erreur");
    EXPECT_EQ(Compte("7060").NbLignes(), 1) << "the line stays in the renumbered account";
    EXPECT_FALSE(a.LicenceEnCompta());
    EXPECT_FALSE(a.CautionEnCompta());
}

TEST_F(FicheBDD, UnMontantQuiNEstPasUnNombreArreteLEnregistrementAvantToutLigne) {
    DefautLicence("706");
    TAdherent& a = Ajouter("Dupont", "Zoé");
    ScriptDialogues script;
    script.Puis([this](QDialog& d) {
        Taper(d, "EditMontantLicence", "-");
        Cliquer(d, "BoutonEnrComptaLicence");
        ASSERT_EQ(messages.Affiches().size(), 1u);
        EXPECT_EQ(messages.Affiches()[0].texte, "'-' n'est pas une valeur flottante correcte.");
        EXPECT_EQ(messages.Affiches()[0].titre, "Tramonta");
        Cliquer(d, "BoutonOk");
        EXPECT_TRUE(d.isVisible()) << "nor can the sheet be confirmed";
        d.reject();
    });
    ficheAdherent.Editer(a, false);
    EXPECT_EQ(Lignes(), 0);
    EXPECT_FALSE(a.LicenceEnCompta());
    EXPECT_TRUE(ecritures.empty());
}

TEST_F(FicheBDD, LaCopieDeLaFichePorteLesValeursTapeesSansToucherLAdherent) {
    TAdherent& a = Ajouter("Dupont", "Zoé");
    std::unique_ptr<TAdherent> copie;
    ScriptDialogues script;
    script.Puis([&](QDialog& d) {
        Taper(d, "EditVille", "Biarritz");
        copie = ficheAdherent.CopieDeLaFiche();
        d.reject();
    });
    ficheAdherent.Editer(a, false);
    ASSERT_NE(copie, nullptr);
    EXPECT_EQ(copie->Ville(), "Biarritz");
    EXPECT_EQ(copie->Proprietaire(), &exercice.Adherents());
    EXPECT_EQ(a.Ville(), "");
    EXPECT_EQ(exercice.Adherents().Count(), 1);
}

// --- Correspondents ------------------------------------------------------------

TEST_F(FicheBDD, LaSpecialiteEstPreselectionneeSansCasseEtUneDisparueDevientVide) {
    exercice.AjouterSpecialite("Fournisseur");
    exercice.AjouterSpecialite("École");
    auto c = std::make_unique<TCorrespondant>(&exercice.Correspondants());
    c->SetNom("Surf Shop");
    c->SetSpecialite("éCOLE");
    TCorrespondant& shop =
        *exercice.Correspondants().Correspondant(exercice.Correspondants().Add(std::move(c)));
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        EXPECT_EQ(Controle<QComboBox>(d, "ComboBoxSpecialite")->currentText(), "École");
        Cliquer(d, "BoutonAnnuler");
    });
    ficheCorrespondant.Editer(shop);
    EXPECT_EQ(shop.Specialite(), "éCOLE");
    shop.SetSpecialite("Mairie");
    script.Puis([](QDialog& d) {
        EXPECT_EQ(Controle<QComboBox>(d, "ComboBoxSpecialite")->currentIndex(), -1);
        Cliquer(d, "BoutonOk");
    });
    ficheCorrespondant.Editer(shop);
    EXPECT_EQ(shop.Specialite(), "");
}

TEST_F(FicheBDD, UnCorrespondantEnDoubleEstRefuseEtLesAjoutsJournalises) {
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        Taper(d, "EditNom", "Mairie");
        Cliquer(d, "BoutonOk");
    });
    Cliquer(*page, "BoutonAjouterCorrespondant");
    script.Puis([](QDialog& d) {
        Taper(d, "EditNom", "MAIRIE");
        Cliquer(d, "BoutonOk");
    });
    script.Puis([](QDialog& d) { Cliquer(d, "BoutonAnnuler"); });
    Cliquer(*page, "BoutonAjouterCorrespondant");
    EXPECT_EQ(messages.Textes(), std::vector<std::string>{"Le correspondant \"MAIRIE\" existe déjà !"});
    EXPECT_EQ(exercice.Correspondants().Count(), 1);
    EXPECT_EQ(Controle<QLabel>(*page, "LabelInfosCorrespondants")->text(), "Nb correspondants : 1");
    messages.Repondre(IDYES);
    Cliquer(*page, "BoutonSupprimerCorrespondant");
    EXPECT_EQ(exercice.Correspondants().Count(), 0);
    EXPECT_EQ(Journal(), (std::vector<std::string>{"Ajout du correspondant \"Mairie\"",
                                                   "Suppression du correspondant \"Mairie\""}));
}

TEST_F(FicheBDD, LesBoutonsDAdresseAjoutentLeSchemaQuandIlManque) {
    std::vector<QString> ouvertes;
    const OuvreurAdresses ancien = DefinirOuvreurAdresses([&](const QUrl& u) {
        ouvertes.push_back(u.toString());
        return true;
    });
    TCorrespondant c(&exercice.Correspondants());
    c.SetEMail("club@exemple.fr");
    c.SetSiteWeb("www.exemple.fr");
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        Cliquer(d, "BoutonEnvoyerEMail");
        Cliquer(d, "BoutonOuvrirSiteWeb");
        Taper(d, "EditSiteWeb", "https://surf.exemple.fr");
        Cliquer(d, "BoutonOuvrirSiteWeb");
        Taper(d, "EditEMail", "mailto:bureau@exemple.fr");
        Cliquer(d, "BoutonEnvoyerEMail");
        Taper(d, "EditEMail", "");
        EXPECT_FALSE(Controle<QPushButton>(d, "BoutonEnvoyerEMail")->isEnabled());
        Cliquer(d, "BoutonAnnuler");
    });
    ficheCorrespondant.Editer(c);
    DefinirOuvreurAdresses(ancien);
    EXPECT_EQ(ouvertes, (std::vector<QString>{"mailto:club@exemple.fr", "http://www.exemple.fr",
                                              "https://surf.exemple.fr", "mailto:bureau@exemple.fr"}));
}

// --- Query criteria ------------------------------------------------------------

TEST_F(FicheBDD, LesCriteresSuiventLOkEtUneAnnulationGardeLesPrecedents) {
    EXPECT_EQ(ficheCriteres.Criteres().TypeRequete, TCriteresRequete::ReqTous);
    EXPECT_EQ(ficheCriteres.Criteres().Description, "Tous les adhérents");
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Critères de sélection des adhérents");
        for (const char* combo : {"ComboBoxRelance", "ComboBoxCategorie", "ComboBoxLicence"})
            EXPECT_FALSE(Controle<QComboBox>(d, combo)->isEnabled()) << combo;
        Cliquer(d, "RadioButtonCategorie");
        EXPECT_TRUE(Controle<QComboBox>(d, "ComboBoxCategorie")->isEnabled());
        EXPECT_FALSE(Controle<QComboBox>(d, "ComboBoxLicence")->isEnabled());
        Controle<QComboBox>(d, "ComboBoxCategorie")->setCurrentText("Junior");
        Cliquer(d, "BoutonOk");
    });
    EXPECT_TRUE(ficheCriteres.Executer());
    EXPECT_EQ(ficheCriteres.Criteres().TypeRequete, TCriteresRequete::ReqCategorie);
    EXPECT_EQ(ficheCriteres.Criteres().CategorieDemandee, "Junior");
    EXPECT_EQ(ficheCriteres.Criteres().Description, "Les adhérents de catégorie 'Junior'");

    script.Puis([](QDialog& d) {
        Cliquer(d, "RadioButtonRelance");
        Controle<QComboBox>(d, "ComboBoxRelance")->setCurrentIndex(2);
        Cliquer(d, "BoutonAnnuler");
    });
    EXPECT_FALSE(ficheCriteres.Executer());
    EXPECT_EQ(ficheCriteres.Criteres().TypeRequete, TCriteresRequete::ReqCategorie);
    EXPECT_EQ(ficheCriteres.Criteres().Description, "Les adhérents de catégorie 'Junior'");

    script.Puis([](QDialog& d) {
        EXPECT_TRUE(Controle<QRadioButton>(d, "RadioButtonCategorie")->isChecked())
            << "the criteria in force";
        Cliquer(d, "RadioButtonRelance");
        Controle<QComboBox>(d, "ComboBoxRelance")->setCurrentIndex(3);
        Cliquer(d, "BoutonOk");
    });
    EXPECT_TRUE(ficheCriteres.Executer());
    EXPECT_EQ(ficheCriteres.Criteres().Relance, 3);
    EXPECT_EQ(ficheCriteres.Criteres().Description, "Les adhérents qui n'ont pas payé le forfait leçon");
}

// Each opening shows the confirmed criteria, the first one included: a
// choice given up is never shown again.
TEST_F(FicheBDD, ChaqueOuvertureMontreLesCriteresConfirmes) {
    struct Ouverture {
        const char* coche;     // the radio button on at the opening; nullptr: none
        std::array<int, 3> vu; // the entries shown: unpaid sum, category, licence
        const char* radio;     // then clicked
        const char* combo;     // and its entry chosen
        int entree;
        bool ok;
    };
    const char* combos[] = {"ComboBoxRelance", "ComboBoxCategorie", "ComboBoxLicence"};
    const char* radios[] = {"RadioButtonRelance", "RadioButtonCategorie", "RadioButtonLicence"};
    const Ouverture ouvertures[] = {
        {nullptr, {0, 0, 0}, "RadioButtonCategorie", "ComboBoxCategorie", 3, false},
        {nullptr, {0, 0, 0}, "RadioButtonLicence", "ComboBoxLicence", 1, true},
        {"RadioButtonLicence", {0, 0, 1}, "RadioButtonRelance", "ComboBoxRelance", 2, false},
        {"RadioButtonLicence", {0, 0, 1}, "RadioButtonCategorie", "ComboBoxCategorie", 2, true},
        {"RadioButtonCategorie", {0, 2, 1}, "RadioButtonTous", nullptr, 0, false},
        {"RadioButtonCategorie", {0, 2, 1}, "RadioButtonTous", nullptr, 0, true},
        {"RadioButtonTous", {0, 2, 1}, nullptr, nullptr, 0, false},
    };
    ScriptDialogues script;
    int n = 0;
    for (const Ouverture& o : ouvertures) {
        script.Puis([&](QDialog& d) {
            for (const char* r :
                 {"RadioButtonTous", "RadioButtonRelance", "RadioButtonCategorie", "RadioButtonLicence"})
                EXPECT_EQ(Controle<QRadioButton>(d, r)->isChecked(), o.coche && std::string(o.coche) == r)
                    << "opening " << n << ": " << r;
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(Controle<QComboBox>(d, combos[i])->currentIndex(), o.vu[i]) << "opening " << n;
                EXPECT_EQ(Controle<QComboBox>(d, combos[i])->isEnabled(),
                          o.coche && std::string(o.coche) == radios[i])
                    << "opening " << n << ": " << combos[i];
            }
            if (o.radio)
                Cliquer(d, o.radio);
            if (o.combo)
                Controle<QComboBox>(d, o.combo)->setCurrentIndex(o.entree);
            Cliquer(d, o.ok ? "BoutonOk" : "BoutonAnnuler");
        });
        EXPECT_EQ(ficheCriteres.Executer(), o.ok);
        ++n;
    }
    EXPECT_EQ(ficheCriteres.Criteres().TypeRequete, TCriteresRequete::ReqTous);
}

TEST_F(FicheBDD, SansCompteProduitLeChoixNePeutQuEtreAnnule) {
    TComptabilite vide;
    ScriptDialogues script;
    script.Puis([](QDialog& d) {
        EXPECT_FALSE(Controle<QPushButton>(d, "BoutonOk")->isEnabled());
        Cliquer(d, "BoutonAnnuler");
    });
    EXPECT_EQ(listeComptes.Choisir(vide), nullptr);
}

} // namespace
} // namespace tramonta
