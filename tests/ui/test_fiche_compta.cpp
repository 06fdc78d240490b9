// SPDX-License-Identifier: GPL-3.0-or-later
// The accounting page and the account form on their real widgets: accounts
// and lines added, changed and deleted with their journal lines, the
// refusals and the warnings that protect the automatic postings.
#include "outils_shell.h"

#include "core/dates.h"
#include "core/messages.h"
#include "model/exercice.h"
#include "platform/boite_message.h"
#include "platform/programmes.h"
#include "platform/reglages.h"
#include "ui/communs/agenda.h"
#include "ui/compta/fiche_compta.h"
#include "ui/compta/fiche_compte.h"
#include "ui/compta/fiche_ecriture.h"
#include "ui/fenetre/main_fenetre.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tramonta {
namespace {

using test::Cliquer;
using test::Journal;
using test::ScriptDialogues;
using test::Taper;

const std::string kSupprimerCompteAuto =
    "ATTENTION ! Ce compte contient des lignes d'écriture créées par des enregistrements automatiques !\n\r"
    "En le supprimant, ces lignes seront inaccessibles par les objets qui ont fait ces enregistrements.\n\r"
    "Etes vous sûr de vouloir continuer ?";
const std::string kRenommerCompteAuto =
    "ATTENTION ! Ce compte contient des lignes d'écriture créées par des enregistrements automatiques !\n\r"
    "En le renommant, ces lignes seront inaccessibles par les objets qui ont fait ces enregistrements.\n\r"
    "Etes vous sûr de vouloir continuer ?";
const std::string kSupprimerLigneAuto =
    "ATTENTION ! Cette ligne d'écriture a été créée par un enregistrement automatique !\n\r"
    "En la supprimant, elle sera inaccessible par l'objet qui a fait cet enregistrement.\n\r"
    "Etes vous sûr de vouloir continuer ?";
const std::string kToutSupprimerAuto =
    "ATTENTION ! Certaines écritures ont été créées par des enregistrements automatiques !\n\r"
    "En les supprimant, elles seront inaccessibles par les objets qui ont fait ces enregistrements.\n\r"
    "Etes vous sûr de vouloir continuer ?";

TLigneEcriture& AjouterLigne(TCompte& compte, const std::string& libelle, double montant,
                             bool automatique = false) {
    auto l = std::make_unique<TLigneEcriture>(&compte);
    l->SetLibelle(libelle);
    l->SetMontant(montant);
    l->Automatique = automatique;
    TLigneEcriture& r = *l;
    compte.AjouterLigne(std::move(l));
    return r;
}

TCompte& AjouterCompte(TComptabilite& c, TComptabilite::Liste liste, const std::string& article,
                       const std::string& intitule) {
    auto compte = std::make_unique<TCompte>(&c);
    compte->SetArticle(article);
    compte->SetIntitule(intitule);
    TCompte& r = *compte;
    if (liste == TComptabilite::Liste::Charges)
        c.AjouterCompteCharge(std::move(compte));
    else
        c.AjouterCompteProduit(std::move(compte));
    return r;
}

// Lines as "label|amount", to compare an account with what it held.
std::vector<std::string> Lignes(const TCompte& c) {
    std::vector<std::string> t;
    for (int i = 0; i < c.NbLignes(); ++i)
        t.push_back(c.GetLigne(i)->Libelle() + "|" + std::to_string(c.GetLigne(i)->Montant()));
    return t;
}

std::string Cellule(QTreeView* vue, int ligne, int colonne) {
    return vue->model()->index(ligne, colonne).data().toString().toStdString();
}

class Compta : public test::TestFenetre {
  protected:
    void SetUp() override {
        TestFenetre::SetUp();
        DefinirExerciceJournal(&exercice);
        using L = TComptabilite::Liste;
        TComptabilite& c = exercice.Comptabilite();
        TCompte& achats = AjouterCompte(c, L::Charges, "606", "Achats");
        AjouterLigne(achats, "Wax", 45.5);
        AjouterLigne(achats, "Leash", 30);
        AjouterCompte(c, L::Charges, "a12", "Divers");
        TCompte& cotisations = AjouterCompte(c, L::Produits, "706", "Cotisations");
        AjouterLigne(cotisations, "Licence de Garat Ion", 95, true);
        AjouterLigne(cotisations, "Don", 20);
        page = std::make_unique<TFicheCompta>(exercice, fiche);
        page->resize(800, 500);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }
    void TearDown() override {
        page.reset();
        DefinirExerciceJournal(nullptr);
    }

    QTreeView* Vue(const char* nom) { return page->findChild<QTreeView*>(nom); }
    QPushButton* BoutonPage(const char* nom) { return page->findChild<QPushButton*>(nom); }
    void Choisir(QTreeView* vue, int ligne) {
        vue->setFocus();
        vue->setCurrentIndex(vue->model()->index(ligne, 0));
    }
    TCompte& Charge(int i) { return *exercice.Comptabilite().GetCompteCharge(i); }
    TCompte& Produit(int i) { return *exercice.Comptabilite().GetCompteProduit(i); }

    TExercice exercice;
    TFicheEcriture ecriture;
    TFicheCompte fiche{ecriture};
    std::unique_ptr<TFicheCompta> page;
    ScriptDialogues dialogues;
};

// --- The page ---------------------------------------------------------------

TEST_F(Compta, PageMontreLesComptesDansLOrdreDuGrandLivre) {
    auto* tabs = page->findChild<QTabWidget*>("PageControl");
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "Charges");
    EXPECT_EQ(tabs->tabText(1), "Produits");
    QTreeView* charges = Vue("ListViewCharges");
    ASSERT_EQ(charges->model()->rowCount(), 2);
    EXPECT_EQ(charges->model()->headerData(0, Qt::Horizontal).toString(), "Articles");
    EXPECT_EQ(charges->model()->headerData(1, Qt::Horizontal).toString(), "Intitulés");
    EXPECT_EQ(charges->model()->headerData(2, Qt::Horizontal).toString(), "Charges");
    EXPECT_EQ(Vue("ListViewProduits")->model()->headerData(2, Qt::Horizontal).toString(), "Produits");
    EXPECT_EQ(Cellule(charges, 0, 0), "606");
    EXPECT_EQ(Cellule(charges, 0, 2), "75.50");
    EXPECT_EQ(Cellule(charges, 1, 0), "a12");
    EXPECT_EQ(charges->model()->index(0, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignRight,
              Qt::AlignRight);
    // A click on a header sorts nothing.
    QTest::mouseClick(charges->header()->viewport(), Qt::LeftButton, {},
                      QPoint(charges->header()->sectionViewportPosition(0) + 5, 5));
    EXPECT_EQ(Cellule(charges, 0, 0), "606");
    auto* total = page->findChild<QLineEdit*>("EditTotalCharges");
    EXPECT_EQ(total->text(), "75.50");
    EXPECT_TRUE(total->isReadOnly());
    EXPECT_TRUE(total->font().bold());
    EXPECT_EQ(page->findChild<QLineEdit*>("EditTotalProduits")->text(), "115.00");
    EXPECT_EQ(charges->columnWidth(0), 70);
    EXPECT_EQ(charges->columnWidth(1), 200);
    EXPECT_EQ(charges->columnWidth(2), 100);
}

TEST_F(Compta, BoutonsSelonLaSelection) {
    QTreeView* charges = Vue("ListViewCharges");
    for (const char* b : {"BoutonSupprimerCompteCharge", "BoutonEditerCompteCharge"})
        EXPECT_FALSE(BoutonPage(b)->isEnabled()) << b;
    EXPECT_TRUE(BoutonPage("BoutonAjouterCompteCharge")->isEnabled());
    EXPECT_FALSE(page->findChild<QAction*>("MenuEditerCompteCharge")->isEnabled());
    Choisir(charges, 1);
    for (const char* b : {"BoutonSupprimerCompteCharge", "BoutonEditerCompteCharge"})
        EXPECT_TRUE(BoutonPage(b)->isEnabled()) << b;
    EXPECT_TRUE(page->findChild<QAction*>("MenuSupprimerCompteCharge")->isEnabled());
    // The produit tab has its own selection.
    EXPECT_FALSE(BoutonPage("BoutonEditerCompteProduit")->isEnabled());
}

TEST_F(Compta, AjouterUnCompteAvecUneLigne) {
    dialogues.Puis([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Fiche Compte");
        EXPECT_FALSE(d.findChild<QPushButton*>("BoutonOk")->isEnabled());
        Taper(d, "EditNumero", "613");
        EXPECT_TRUE(d.findChild<QPushButton*>("BoutonOk")->isEnabled());
        Taper(d, "EditIntitule", "Locations");
        Cliquer(d, "BoutonAjouter");
        EXPECT_EQ(d.findChild<QLineEdit*>("EditTotal")->text(), "250.00");
        Cliquer(d, "BoutonOk");
    });
    dialogues.Puis([](QDialog& d) {
        EXPECT_EQ(d.objectName(), "FicheEcriture");
        Taper(d, "EditLibelle", "Local");
        Taper(d, "EditMontant", "250");
        Cliquer(d, "BoutonOk");
    });
    Cliquer(*page, "BoutonAjouterCompteCharge");
    ASSERT_EQ(exercice.Comptabilite().NbComptesCharges(), 3);
    EXPECT_EQ(Charge(2).Article(), "613");
    EXPECT_EQ(Charge(2).Intitule(), "Locations");
    EXPECT_EQ(Lignes(Charge(2)), std::vector<std::string>{"Local|250.000000"});
    EXPECT_EQ(Charge(2).GetLigne(0)->Proprietaire(), &Charge(2));
    EXPECT_EQ(Cellule(Vue("ListViewCharges"), 2, 1), "Locations");
    EXPECT_EQ(Journal(exercice), std::vector<std::string>{"Ajout du compte charge \"613\""});
    EXPECT_EQ(page->findChild<QLineEdit*>("EditTotalCharges")->text(), "325.50");
    EXPECT_TRUE(BoutonPage("BoutonEditerCompteCharge")->isEnabled());
}

TEST_F(Compta, AjoutAnnuleNeLaisseRien) {
    dialogues.Puis([](QDialog& d) {
        Taper(d, "EditNumero", "707");
        Cliquer(d, "BoutonAnnuler");
    });
    Cliquer(*page, "BoutonAjouterCompteProduit");
    EXPECT_EQ(exercice.Comptabilite().NbComptesProduits(), 1);
    EXPECT_TRUE(Journal(exercice).empty());
}

TEST_F(Compta, EditerParLaToucheEntree) {
    Choisir(Vue("ListViewCharges"), 0);
    dialogues.Puis([](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("EditNumero")->text(), "606");
        EXPECT_EQ(d.findChild<QLineEdit*>("EditIntitule")->text(), "Achats");
        EXPECT_EQ(d.findChild<QLineEdit*>("EditTotal")->text(), "75.50");
        Taper(d, "EditNumero", "6061");
        Taper(d, "EditIntitule", "Fournitures");
        Cliquer(d, "BoutonOk");
    });
    QTest::keyClick(Vue("ListViewCharges"), Qt::Key_Return);
    EXPECT_EQ(Charge(0).Article(), "6061");
    EXPECT_EQ(Cellule(Vue("ListViewCharges"), 0, 1), "Fournitures");
    EXPECT_EQ(Journal(exercice), std::vector<std::string>{"Modification du compte charge \"6061\""});
}

TEST_F(Compta, EditerParDoubleClic) {
    QTreeView* vue = Vue("ListViewProduits");
    page->findChild<QTabWidget*>("PageControl")->setCurrentIndex(1);
    QCoreApplication::processEvents();
    ASSERT_TRUE(vue->isVisible());
    Choisir(vue, 0);
    dialogues.Puis([](QDialog& d) { Cliquer(d, "BoutonOk"); });
    const QRect r = vue->visualRect(vue->model()->index(0, 1));
    // An item view takes a double click only after the press that selects.
    QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(vue->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(Journal(exercice), std::vector<std::string>{"Modification du compte produit \"706\""});
    // Ok without a change keeps the lines as they were.
    EXPECT_EQ(Lignes(Produit(0)),
              (std::vector<std::string>{"Licence de Garat Ion|95.000000", "Don|20.000000"}));
}

TEST_F(Compta, ChangementVenuDAilleursRafraichitLaLigneEtLeTotal) {
    // As a posting from a member sheet does, outside the page's commands.
    TLigneEcriture& ligne = AjouterLigne(Produit(0), "Licence de Bordes Thomas", 75, true);
    ligne.SetMontant(80);
    QCoreApplication::processEvents();
    EXPECT_EQ(Cellule(Vue("ListViewProduits"), 0, 2), "195.00");
    EXPECT_EQ(page->findChild<QLineEdit*>("EditTotalProduits")->text(), "195.00");
    Produit(0).SetIntitule("Adhésions");
    EXPECT_EQ(Cellule(Vue("ListViewProduits"), 0, 1), "Adhésions");
}

TEST_F(Compta, MenuContextuelDeLaListe) {
    Choisir(Vue("ListViewCharges"), 1);
    messages_.Repondre(IDYES);
    page->findChild<QAction*>("MenuSupprimerCompteCharge")->trigger();
    EXPECT_EQ(exercice.Comptabilite().NbComptesCharges(), 1);
    EXPECT_EQ(Journal(exercice), std::vector<std::string>{"Suppression du compte charge \"a12\""});
    EXPECT_FALSE(page->findChild<QAction*>("MenuSupprimerCompteCharge")->isEnabled());
    dialogues.Puis([](QDialog& d) { Cliquer(d, "BoutonAnnuler"); });
    page->findChild<QAction*>("MenuAjouterCompteCharge")->trigger();
    EXPECT_EQ(exercice.Comptabilite().NbComptesCharges(), 1);
}

struct CasSuppression {
    const char* nom;
    bool produit; // the account with an automatic line
    std::vector<int> reponses;
    std::vector<std::string> questions;
    bool supprime;
};

class SuppressionCompte : public Compta, public testing::WithParamInterface<CasSuppression> {};

TEST_P(SuppressionCompte, ConfirmeeEnUnOuDeuxTemps) {
    const CasSuppression& c = GetParam();
    const char* vue = c.produit ? "ListViewProduits" : "ListViewCharges";
    page->findChild<QTabWidget*>("PageControl")->setCurrentIndex(c.produit ? 1 : 0);
    Choisir(Vue(vue), 0);
    for (int r : c.reponses)
        messages_.Repondre(r);
    QTest::keyClick(Vue(vue), Qt::Key_Delete);
    EXPECT_EQ(Textes(), c.questions);
    for (const auto& m : messages_.Affiches()) {
        EXPECT_EQ(m.titre, "Confirmation");
        EXPECT_EQ(m.drapeaux, MB_YESNO | MB_ICONQUESTION);
    }
    const TComptabilite& compta = exercice.Comptabilite();
    const int reste = c.produit ? compta.NbComptesProduits() : compta.NbComptesCharges();
    EXPECT_EQ(reste, c.supprime ? (c.produit ? 0 : 1) : (c.produit ? 1 : 2));
    if (c.supprime) {
        EXPECT_EQ(Journal(exercice),
                  std::vector<std::string>{c.produit ? "Suppression du compte produit \"706\""
                                                     : "Suppression du compte charge \"606\""});
        EXPECT_FALSE(
            BoutonPage(c.produit ? "BoutonEditerCompteProduit" : "BoutonEditerCompteCharge")->isEnabled());
        EXPECT_EQ(page->findChild<QLineEdit*>(c.produit ? "EditTotalProduits" : "EditTotalCharges")->text(),
                  "0.00");
    } else {
        EXPECT_TRUE(Journal(exercice).empty());
    }
}

const std::string kQuestion = "Etes vous sûr de vouloir supprimer le compte ?";
INSTANTIATE_TEST_SUITE_P(
    Cas, SuppressionCompte,
    testing::Values(
        CasSuppression{"simple_oui", false, {IDYES}, {kQuestion}, true},
        CasSuppression{"simple_non", false, {IDNO}, {kQuestion}, false},
        CasSuppression{"automatique_oui_oui", true, {IDYES, IDYES}, {kQuestion, kSupprimerCompteAuto}, true},
        CasSuppression{"automatique_oui_non", true, {IDYES, IDNO}, {kQuestion, kSupprimerCompteAuto}, false},
        CasSuppression{"automatique_non", true, {IDNO}, {kQuestion}, false}),
    [](const auto& i) { return std::string(i.param.nom); });

// --- The account form ---------------------------------------------------------

class FicheCompte : public Compta {
  protected:
    // Runs the form on an account and stores what it hands back, as the
    // accounting page does.
    int Executer(TCompte& compte) {
        const std::unique_ptr<TCompte> saisi = fiche.Executer(compte);
        if (!saisi)
            return QDialog::Rejected;
        compte.Assign(*saisi);
        return QDialog::Accepted;
    }
    // The same with the given actions.
    int Editer(TCompte& compte, std::function<void(QDialog&)> action) {
        dialogues.Puis(std::move(action));
        return Executer(compte);
    }
};

TEST_F(FicheCompte, AnnulerApresAjoutEtSuppressionLaisseLeCompte) {
    const auto avant = Lignes(Charge(0));
    Charge(0).Modified = false;
    for (int i = 0; i < Charge(0).NbLignes(); ++i)
        Charge(0).GetLigne(i)->Modified = false;
    dialogues.Puis([this](QDialog& d) {
        Cliquer(d, "BoutonAjouter");
        auto* vue = d.findChild<QTreeView*>("ListViewEcritures");
        EXPECT_EQ(vue->model()->rowCount(), 3);
        EXPECT_EQ(d.findChild<QLineEdit*>("EditTotal")->text(), "375.50");
        vue->setFocus();
        vue->setCurrentIndex(vue->model()->index(0, 0));
        messages_.Repondre(IDYES);
        QTest::keyClick(vue, Qt::Key_Delete);
        EXPECT_EQ(vue->model()->rowCount(), 2);
        EXPECT_EQ(d.findChild<QLineEdit*>("EditTotal")->text(), "330.00");
        Cliquer(d, "BoutonAnnuler");
    });
    dialogues.Puis([](QDialog& d) {
        Taper(d, "EditLibelle", "Planche");
        Taper(d, "EditMontant", "300");
        Cliquer(d, "BoutonOk");
    });
    EXPECT_EQ(Executer(Charge(0)), QDialog::Rejected);
    EXPECT_EQ(Lignes(Charge(0)), avant);
    EXPECT_FALSE(Charge(0).IsModified());
    EXPECT_EQ(Textes(), std::vector<std::string>{"Etes vous sûr de vouloir supprimer l'écriture ?"});
}

TEST_F(FicheCompte, OkRecopieLesLignesModifiees) {
    dialogues.Puis([](QDialog& d) {
        auto* vue = d.findChild<QTreeView*>("ListViewEcritures");
        vue->setFocus();
        vue->setCurrentIndex(vue->model()->index(1, 0));
        Cliquer(d, "BoutonEditer");
        EXPECT_EQ(Cellule(vue, 1, 3), "50.00");
        EXPECT_EQ(d.findChild<QLineEdit*>("EditTotal")->text(), "95.50");
        Cliquer(d, "BoutonOk");
    });
    dialogues.Puis([](QDialog& d) {
        Taper(d, "EditMontant", "50");
        Cliquer(d, "BoutonOk");
    });
    EXPECT_EQ(Executer(Charge(0)), QDialog::Accepted);
    EXPECT_EQ(Lignes(Charge(0)), (std::vector<std::string>{"Wax|45.500000", "Leash|50.000000"}));
    EXPECT_EQ(Charge(0).GetLigne(1)->Proprietaire(), &Charge(0));
}

TEST_F(FicheCompte, LignesMontreesAvecPointDInterrogationEtChequeVide) {
    TLigneEcriture& wax = *Charge(0).GetLigne(0);
    wax.SetDate(0);
    wax.SetNumeroCheque("123");
    wax.SetTypePaiement(1);
    TLigneEcriture& leash = *Charge(0).GetLigne(1);
    leash.SetDate(EncodeDate(2026, 4, 1));
    leash.SetNumeroCheque("456");
    Editer(Charge(0), [](QDialog& d) {
        auto* vue = d.findChild<QTreeView*>("ListViewEcritures");
        const QAbstractItemModel* m = vue->model();
        const char* titres[] = {"Libellé", "Date", "N° chèque", "Montant"};
        const int largeurs[] = {150, 70, 100, 70};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(m->headerData(i, Qt::Horizontal).toString(), titres[i]);
            if (i > 0) {
                EXPECT_EQ(vue->columnWidth(i), largeurs[i]);
            }
        }
        EXPECT_EQ(Cellule(vue, 0, 1), "?");
        EXPECT_EQ(Cellule(vue, 0, 2), "");
        EXPECT_EQ(Cellule(vue, 1, 1), "01/04/2026");
        EXPECT_EQ(Cellule(vue, 1, 2), "456");
        EXPECT_EQ(Cellule(vue, 0, 3), "45.50");
        Cliquer(d, "BoutonAnnuler");
    });
    EXPECT_EQ(wax.NumeroCheque(), "123");
}

struct CasNumero {
    const char* nom;
    int compte; // charge index
    const char* numero;
    bool refuse;
};

class Renumerotation : public FicheCompte, public testing::WithParamInterface<CasNumero> {};

TEST_P(Renumerotation, NumeroDUnAutreCompteRefuseDansLesDeuxListes) {
    const CasNumero& c = GetParam();
    TCompte& compte = Charge(c.compte);
    const std::string avant = compte.Article();
    messages_.Repondre(IDOK);
    Editer(compte, [&](QDialog& d) {
        // Letters come from the program: the field takes only digits typed.
        d.findChild<QLineEdit*>("EditNumero")->setText(c.numero);
        Cliquer(d, "BoutonOk");
        EXPECT_EQ(d.isVisible(), c.refuse);
        if (d.isVisible())
            Cliquer(d, "BoutonAnnuler");
    });
    if (c.refuse) {
        ASSERT_EQ(messages_.Affiches().size(), 1u);
        EXPECT_EQ(Textes()[0], "Le compte \"" + std::string(c.numero) + "\" existe déjà !");
        EXPECT_EQ(messages_.Affiches()[0].titre, "Erreur");
        EXPECT_EQ(messages_.Affiches()[0].drapeaux, MB_OK | MB_ICONERROR);
        EXPECT_EQ(compte.Article(), avant);
    } else {
        EXPECT_TRUE(messages_.Affiches().empty());
        EXPECT_EQ(compte.Article(), c.numero);
    }
}

INSTANTIATE_TEST_SUITE_P(Cas, Renumerotation,
                         testing::Values(CasNumero{"numero_d_un_produit", 0, "706", true},
                                         CasNumero{"numero_d_une_autre_charge", 0, "A12", true},
                                         CasNumero{"sa_propre_casse", 1, "A12", false},
                                         CasNumero{"numero_libre", 0, "607", false}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(FicheCompte, NouveauCompteAuNumeroExistantRefuse) {
    TCompte nouveau(&exercice.Comptabilite());
    messages_.Repondre(IDOK);
    Editer(nouveau, [](QDialog& d) {
        Taper(d, "EditNumero", "606");
        Cliquer(d, "BoutonOk");
        EXPECT_TRUE(d.isVisible());
        Cliquer(d, "BoutonAnnuler");
    });
    EXPECT_EQ(Textes(), std::vector<std::string>{"Le compte \"606\" existe déjà !"});
}

TEST_F(FicheCompte, RenommerUnCompteAutomatiqueDemandeConfirmation) {
    messages_.Repondre(IDNO);
    messages_.Repondre(IDYES);
    Editer(Produit(0), [](QDialog& d) {
        Taper(d, "EditNumero", "7061");
        Cliquer(d, "BoutonOk");
        EXPECT_TRUE(d.isVisible());
        Cliquer(d, "BoutonOk");
    });
    EXPECT_EQ(Textes(), (std::vector<std::string>{kRenommerCompteAuto, kRenommerCompteAuto}));
    EXPECT_EQ(messages_.Affiches()[0].titre, "Confirmation");
    EXPECT_EQ(Produit(0).Article(), "7061");
}

TEST_F(FicheCompte, GarderLeNumeroNeDemandeRien) {
    Editer(Produit(0), [](QDialog& d) {
        Taper(d, "EditIntitule", "Adhesions");
        Cliquer(d, "BoutonOk");
    });
    EXPECT_TRUE(messages_.Affiches().empty());
    EXPECT_EQ(Produit(0).Intitule(), "Adhesions");
}

TEST_F(FicheCompte, SupprimerUneLigneAutomatiqueEnDeuxTemps) {
    messages_.Repondre(IDYES);
    messages_.Repondre(IDNO);
    messages_.Repondre(IDYES);
    messages_.Repondre(IDYES);
    Editer(Produit(0), [](QDialog& d) {
        auto* vue = d.findChild<QTreeView*>("ListViewEcritures");
        vue->setFocus();
        vue->setCurrentIndex(vue->model()->index(0, 0));
        Cliquer(d, "BoutonSupprimer");
        EXPECT_EQ(vue->model()->rowCount(), 2);
        Cliquer(d, "BoutonSupprimer");
        EXPECT_EQ(vue->model()->rowCount(), 1);
        EXPECT_EQ(Cellule(vue, 0, 0), "Don");
        EXPECT_FALSE(d.findChild<QPushButton*>("BoutonSupprimer")->isEnabled());
        Cliquer(d, "BoutonOk");
    });
    const std::string q = "Etes vous sûr de vouloir supprimer l'écriture ?";
    EXPECT_EQ(Textes(), (std::vector<std::string>{q, kSupprimerLigneAuto, q, kSupprimerLigneAuto}));
    EXPECT_EQ(Lignes(Produit(0)), std::vector<std::string>{"Don|20.000000"});
}

struct CasToutSupprimer {
    const char* nom;
    bool produit;
    std::vector<int> reponses;
    bool vide;
};

class ToutSupprimer : public FicheCompte, public testing::WithParamInterface<CasToutSupprimer> {};

TEST_P(ToutSupprimer, AvertitPourLesLignesAutomatiques) {
    const CasToutSupprimer& c = GetParam();
    TCompte& compte = c.produit ? Produit(0) : Charge(0);
    const auto avant = Lignes(compte);
    for (int r : c.reponses)
        messages_.Repondre(r);
    Editer(compte, [&](QDialog& d) {
        Cliquer(d, "BoutonToutSupprimer");
        EXPECT_EQ(d.findChild<QTreeView*>("ListViewEcritures")->model()->rowCount() == 0, c.vide);
        if (c.vide) {
            EXPECT_EQ(d.findChild<QLineEdit*>("EditTotal")->text(), "0.00");
        }
        Cliquer(d, "BoutonOk");
    });
    std::vector<std::string> attendues{"Etes vous sûr de vouloir supprimer toutes les écritures ?"};
    if (c.produit && c.reponses.front() == IDYES)
        attendues.push_back(kToutSupprimerAuto);
    EXPECT_EQ(Textes(), attendues);
    if (c.vide) {
        EXPECT_EQ(compte.NbLignes(), 0);
        EXPECT_TRUE(compte.IsModified());
    } else {
        EXPECT_EQ(Lignes(compte), avant);
    }
}

INSTANTIATE_TEST_SUITE_P(Cas, ToutSupprimer,
                         testing::Values(CasToutSupprimer{"sans_automatique", false, {IDYES}, true},
                                         CasToutSupprimer{"sans_automatique_non", false, {IDNO}, false},
                                         CasToutSupprimer{"automatique_oui_oui", true, {IDYES, IDYES}, true},
                                         CasToutSupprimer{"automatique_oui_non", true, {IDYES, IDNO}, false}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(FicheCompte, ProgrammesAbsentsDesactivesPresentsLances) {
    QStringList lances;
    auto ancien = DefinirLanceurProgrammes([&](const QString& p) {
        lances << p;
        return ProgrammeEnCours([] { return true; });
    });
    WriteRegString("Comptabilité", "Convertisseur", "absent-de-ce-dossier");
    Editer(Charge(0), [](QDialog& d) {
        EXPECT_FALSE(d.findChild<QPushButton*>("BoutonEuroConverter")->isEnabled());
        EXPECT_EQ(d.findChild<QPushButton*>("BoutonCalculette")->isEnabled(), !TrouverCalculette().isEmpty());
        // Without a report to open, "&Mouvements" is disabled.
        EXPECT_FALSE(d.findChild<QPushButton*>("BoutonMouvements")->isEnabled());
        Cliquer(d, "BoutonAnnuler");
    });
    const QString convertisseur = Chemin("euro");
    {
        QFile f(convertisseur);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }
    WriteRegString("Comptabilité", "Convertisseur", convertisseur);
    Editer(Charge(0), [](QDialog& d) {
        auto* b = d.findChild<QPushButton*>("BoutonEuroConverter");
        EXPECT_TRUE(b->isEnabled());
        Cliquer(d, "BoutonEuroConverter");
        Cliquer(d, "BoutonAnnuler");
    });
    EXPECT_EQ(lances, QStringList{convertisseur});
    DefinirLanceurProgrammes(ancien);
}

// A program that the form started and that still runs is not started
// again, whichever showing of the form asks; once it has ended, the next
// click starts it anew.
TEST_F(FicheCompte, CalculetteEtConvertisseurNeSeLancentQuUneFois) {
    // A calculator and a converter of our own, so that both buttons work
    // whatever the machine has installed.
    const QString dossier = Chemin("programmes");
    ASSERT_TRUE(QDir().mkpath(dossier));
    for (const char* nom : {"gnome-calculator", "convertisseur"}) {
        QFile f(QDir(dossier).filePath(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }
    const QByteArray ancienChemin = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dossier) + ":" + ancienChemin);
    const QString convertisseur = QDir(dossier).filePath("convertisseur");
    WriteRegString("Comptabilité", "Convertisseur", convertisseur);
    const QString calculette = TrouverCalculette();
    ASSERT_EQ(calculette, QDir(dossier).filePath("gnome-calculator"));

    QStringList lances;
    std::map<QString, bool> enCours;
    auto ancien = DefinirLanceurProgrammes([&](const QString& p) {
        lances << p;
        enCours[p] = true;
        return ProgrammeEnCours([&enCours, p] { return enCours[p]; });
    });
    struct Etape {
        const char* bouton;
        const char* fin; // a program that ends before the click, or nullptr
        int lances;      // starts so far
    };
    const Etape etapes[] = {
        {"BoutonCalculette", nullptr, 1},      {"BoutonCalculette", nullptr, 1},
        {"BoutonEuroConverter", nullptr, 2},   {"BoutonEuroConverter", nullptr, 2},
        {"BoutonCalculette", "calculette", 3}, {"BoutonCalculette", nullptr, 3},
        {"BoutonEuroConverter", nullptr, 3},
    };
    Editer(Charge(0), [&](QDialog& d) {
        for (const Etape& e : etapes) {
            if (e.fin)
                enCours[calculette] = false;
            auto* b = d.findChild<QPushButton*>(e.bouton);
            ASSERT_TRUE(b->isEnabled()) << e.bouton;
            Cliquer(d, e.bouton);
            EXPECT_TRUE(b->isEnabled()) << e.bouton;
            EXPECT_EQ(lances.size(), e.lances) << e.bouton;
        }
        Cliquer(d, "BoutonAnnuler");
    });
    // The next showing still knows both copies: they run, nothing starts;
    // once they have ended, each click starts its program.
    Editer(Charge(0), [&](QDialog& d) {
        Cliquer(d, "BoutonCalculette");
        Cliquer(d, "BoutonEuroConverter");
        EXPECT_EQ(lances.size(), 3);
        for (auto& [chemin, vivant] : enCours)
            vivant = false;
        Cliquer(d, "BoutonCalculette");
        Cliquer(d, "BoutonEuroConverter");
        Cliquer(d, "BoutonAnnuler");
    });
    EXPECT_EQ(lances, (QStringList{calculette, convertisseur, calculette, calculette, convertisseur}));
    DefinirLanceurProgrammes(ancien);
    qputenv("PATH", ancienChemin);
}

TEST_F(FicheCompte, MouvementsDuCompteEnCoursDEdition) {
    std::vector<std::string> montres;
    fiche.MontrerMouvements = [&](const TCompte& c) {
        EXPECT_EQ(&c, fiche.CompteTravail());
        montres.push_back(c.Article() + ":" + std::to_string(c.NbLignes()));
    };
    Editer(Charge(0), [](QDialog& d) {
        Taper(d, "EditNumero", "6062");
        Cliquer(d, "BoutonMouvements");
        Cliquer(d, "BoutonAnnuler");
    });
    EXPECT_EQ(montres, std::vector<std::string>{"6062:2"});
    EXPECT_EQ(Charge(0).Article(), "606");
}

TEST_F(FicheCompte, ChampsNommesPourLesAidesTechniques) {
    Editer(Charge(0), [](QDialog& d) {
        for (QWidget* w : d.findChildren<QWidget*>()) {
            if (!w->inherits("QLineEdit") && !w->inherits("QPlainTextEdit") && !w->inherits("QTreeView"))
                continue;
            if (w->objectName().isEmpty() || w->parent() != &d)
                continue;
            bool nomme = !w->accessibleName().isEmpty();
            for (QLabel* l : d.findChildren<QLabel*>())
                nomme = nomme || l->buddy() == w;
            EXPECT_TRUE(nomme) << w->objectName().toStdString();
        }
        Cliquer(d, "BoutonAnnuler");
    });
}

// --- In the main window ---------------------------------------------------------

class ComptaFenetre : public test::TestFenetre {};

TEST_F(ComptaFenetre, TroisiemePageEstLaComptabilite) {
    TMain main;
    auto* page = qobject_cast<TFicheCompta*>(main.Page(2));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->objectName(), "FicheCompta");
    // The account form opens the movements report of the main window.
    EXPECT_TRUE(static_cast<bool>(main.FicheCompte().MontrerMouvements));
    // A document opened anew shows its accounts.
    AjouterCompte(main.Exercice().Comptabilite(), TComptabilite::Liste::Produits, "706", "Cotisations");
    main.RafraichirPages();
    EXPECT_EQ(page->findChild<QTreeView*>("ListViewProduits")->model()->rowCount(), 1);
    main.CreerExercice();
    EXPECT_EQ(page->findChild<QTreeView*>("ListViewProduits")->model()->rowCount(), 0);
}

} // namespace
} // namespace tramonta
