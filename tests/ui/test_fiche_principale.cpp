// SPDX-License-Identifier: GPL-3.0-or-later
// The club page on its real widgets: edits reach the document when the
// user leaves each control, the specialities go through their dialog and
// message boxes, and the journal sorts by the column headers.
#include "ui/principal/fiche_principale.h"

#include "core/dates.h"
#include "core/messages.h"
#include "model/exercice.h"
#include "outils_shell.h"
#include "platform/boite_message.h"
#include "ui/communs/agenda.h"
#include "ui/communs/edit_monetaire.h"
#include "ui/principal/fiche_specialite.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tramonta {
namespace {

using test::TaperTouches;

std::vector<std::string> TextesListe(const QListWidget* liste) {
    std::vector<std::string> textes;
    for (int i = 0; i < liste->count(); ++i)
        textes.push_back(liste->item(i)->text().toStdString());
    return textes;
}

std::vector<std::string> Specialites(const TExercice& e) {
    std::vector<std::string> textes;
    for (int i = 0; i < e.NbSpecialites(); ++i)
        textes.push_back(e.GetSpecialite(i));
    return textes;
}

class FichePrincipale : public testing::Test {
  protected:
    void SetUp() override {
        Preparer();
        page = std::make_unique<TFichePrincipale>(exercice);
        page->resize(760, 540);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    }

    // What the document holds before the page is shown.
    virtual void Preparer() {}

    template <class W> W* Controle(const char* nom) { return test::Controle<W>(*page, nom); }

    // Brings the control's tab to the front and gives it the focus.
    void Entrer(QWidget* w) {
        auto* onglets = Controle<QTabWidget>("PageControl");
        for (int i = 0; i < onglets->count(); ++i)
            if (onglets->widget(i)->isAncestorOf(w))
                onglets->setCurrentIndex(i);
        w->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(w->hasFocus());
    }

    // Leaves the control as the user does, with the Tab key.
    void Quitter(QWidget* w) {
        QTest::keyClick(w, Qt::Key_Tab);
        ASSERT_FALSE(w->hasFocus());
    }

    void Remplacer(QLineEdit* edit, const QString& texte) {
        Entrer(edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        TaperTouches(edit, texte);
    }

    void Cliquer(QWidget* bouton) { QTest::mouseClick(bouton, Qt::LeftButton); }

    TExercice exercice;
    std::unique_ptr<TFichePrincipale> page;
    ScriptMessages messages;
};

// ---- Title, comments, currency ----

TEST_F(FichePrincipale, IntituleEtCommentairesRangesEnQuittantLeChamp) {
    auto* intitule = Controle<QLineEdit>("EditIntitule");
    Remplacer(intitule, "Saison 2024");
    EXPECT_EQ(exercice.Intitule(), "") << "nothing is stored while the field has the focus";
    Quitter(intitule);
    EXPECT_EQ(exercice.Intitule(), "Saison 2024");

    auto* commentaires = Controle<QPlainTextEdit>("EditCommentaires");
    Entrer(commentaires);
    QTest::keyClicks(commentaires, "Ligne 1");
    QTest::keyClick(commentaires, Qt::Key_Return);
    TaperTouches(commentaires, "Été");
    EXPECT_EQ(exercice.Commentaires(), "");
    Quitter(commentaires);
    EXPECT_EQ(exercice.Commentaires(), "Ligne 1\r\nÉté");
    EXPECT_TRUE(exercice.IsModified());
}

TEST_F(FichePrincipale, UneAnnulationJusquAuTexteChargeRangeCeTexte) {
    exercice.SetCommentaires("Bureau");
    page->Afficher();
    auto* commentaires = Controle<QPlainTextEdit>("EditCommentaires");
    Entrer(commentaires);
    commentaires->moveCursor(QTextCursor::End);
    TaperTouches(commentaires, " élu");
    Quitter(commentaires);
    ASSERT_EQ(exercice.Commentaires(), "Bureau élu");

    // Undoing back to the loaded text clears the editor's modified flag; the
    // document must still follow what the screen shows.
    Entrer(commentaires);
    while (commentaires->document()->isUndoAvailable())
        commentaires->undo();
    ASSERT_EQ(commentaires->toPlainText(), "Bureau");
    Quitter(commentaires);
    EXPECT_EQ(exercice.Commentaires(), "Bureau");
}

TEST_F(FichePrincipale, PasserParDesCommentairesAuxFinsDeLigneDiversesNeLesReecritPas) {
    for (const char* texte : {"Un\r\nDeux", "Un\rDeux", "Un\nDeux", "Un\r\n\r\nDeux\r\n"}) {
        exercice.SetCommentaires(texte);
        exercice.Modified = false;
        page->Afficher();
        auto* commentaires = Controle<QPlainTextEdit>("EditCommentaires");
        Entrer(commentaires);
        Quitter(commentaires);
        EXPECT_EQ(exercice.Commentaires(), texte);
        EXPECT_FALSE(exercice.IsModified()) << texte;
    }
}

TEST_F(FichePrincipale, AfficherReprendLeDocument) {
    exercice.SetIntitule("2023-2024");
    exercice.SetCommentaires("Bureau :\r\nPrésident");
    exercice.SetEuro(false);
    page->Afficher();
    EXPECT_EQ(Controle<QLineEdit>("EditIntitule")->text(), "2023-2024");
    EXPECT_EQ(Controle<QPlainTextEdit>("EditCommentaires")->toPlainText(), "Bureau :\nPrésident");
    EXPECT_FALSE(Controle<QCheckBox>("CheckBoxEuro")->isChecked());

    // Passing through the comments without typing leaves the document as it was.
    exercice.Modified = false;
    auto* commentaires = Controle<QPlainTextEdit>("EditCommentaires");
    Entrer(commentaires);
    Quitter(commentaires);
    EXPECT_FALSE(exercice.IsModified());
}

TEST_F(FichePrincipale, CaseEuroRangeeAuClic) {
    auto* euro = Controle<QCheckBox>("CheckBoxEuro");
    Entrer(euro);
    EXPECT_TRUE(euro->isChecked()) << "a new document counts in euros";
    QTest::keyClick(euro, Qt::Key_Space);
    EXPECT_FALSE(exercice.Euro());
    QTest::keyClick(euro, Qt::Key_Space);
    EXPECT_TRUE(exercice.Euro());
}

TEST_F(FichePrincipale, TitulaireEtBanqueRangesEnQuittantLeChamp) {
    auto* titulaire = Controle<QLineEdit>("EditTitulaireCompte");
    auto* banque = Controle<QLineEdit>("EditNomBanque");
    Remplacer(titulaire, "Surf Club des Vagues");
    Quitter(titulaire);
    Remplacer(banque, "Crédit Côtier");
    Quitter(banque);
    EXPECT_EQ(exercice.Comptabilite().TitulaireCompte(), "Surf Club des Vagues");
    EXPECT_EQ(exercice.Comptabilite().NomBanque(), "Crédit Côtier");
}

// ---- Bank codes ----

using Getter = const std::int32_t& (TComptabilite::*)() const;
using Setter = void (TComptabilite::*)(const std::int32_t&);

struct CasCode {
    const char* nom;
    const char* champ;
    Getter lire;
    Setter ecrire;
    std::int32_t avant;
    const char* frappe;
    std::int32_t range;  // in the ledger after leaving the field
    const char* affiche; // in the field after the next Afficher
};

using C = TComptabilite;
const CasCode kCasCodes[] = {
    {"zeros_en_tete", "EditCodeBanque", &C::CodeBanque, &C::SetCodeBanque, 0, "01234", 1234, "1234"},
    {"guichet", "EditCodeGuichet", &C::CodeGuichet, &C::SetCodeGuichet, 0, "00042", 42, "42"},
    {"onze_chiffres", "EditNumeroCompte", &C::NumeroCompte, &C::SetNumeroCompte, 42, "12345678901", 42, "42"},
    {"plus_grand_entier", "EditNumeroCompte", &C::NumeroCompte, &C::SetNumeroCompte, 0, "2147483647",
     2147483647, "2147483647"},
    {"vide_vaut_zero", "EditCleRIB", &C::CleRIB, &C::SetCleRIB, 17, "", 0, ""},
    {"moins_seul", "EditCodeBanque", &C::CodeBanque, &C::SetCodeBanque, 5, "-", 5, "5"},
    {"point", "EditCodeGuichet", &C::CodeGuichet, &C::SetCodeGuichet, 5, "1.5", 5, "5"},
    {"negatif", "EditCleRIB", &C::CleRIB, &C::SetCleRIB, 0, "-12", -12, "-12"},
};

class CodeBancaire : public FichePrincipale, public testing::WithParamInterface<CasCode> {
    void Preparer() override { (exercice.Comptabilite().*GetParam().ecrire)(GetParam().avant); }
};

TEST_P(CodeBancaire, RangeSeulementUnEntier32Bits) {
    const CasCode& c = GetParam();
    auto* edit = Controle<TEditMonetaire>(c.champ);
    Remplacer(edit, c.frappe);
    Quitter(edit);
    EXPECT_EQ((exercice.Comptabilite().*c.lire)(), c.range);
    EXPECT_EQ(edit->text(), c.frappe) << "the typed text stays until the next display";
    page->Afficher();
    EXPECT_EQ(edit->text(), c.affiche);
}

INSTANTIATE_TEST_SUITE_P(Cas, CodeBancaire, testing::ValuesIn(kCasCodes),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST_F(FichePrincipale, CodeNulAfficheVide) {
    exercice.Comptabilite().SetCodeBanque(30004);
    page->Afficher();
    EXPECT_EQ(Controle<TEditMonetaire>("EditCodeBanque")->text(), "30004");
    EXPECT_EQ(Controle<TEditMonetaire>("EditCodeGuichet")->text(), "");
}

// ---- Default accounts ----

using LireDrapeau = const bool& (TComptabilite::*)() const;
using EcrireDrapeau = void (TComptabilite::*)(const bool&);
using LireArticle = const std::string& (TComptabilite::*)() const;
using EcrireArticle = void (TComptabilite::*)(const std::string&);

struct Defaut {
    const char* combo;
    LireDrapeau defini;
    EcrireDrapeau setDefini;
    LireArticle article;
    EcrireArticle setArticle;
};

const Defaut kDefauts[] = {
    {"ComboCompteLicence", &C::CompteLicenceDefini, &C::SetCompteLicenceDefini, &C::CompteLicence,
     &C::SetCompteLicence},
    {"ComboCompteCautionCombi", &C::CompteCautionCombiDefini, &C::SetCompteCautionCombiDefini,
     &C::CompteCautionCombi, &C::SetCompteCautionCombi},
    {"ComboCompteLocationCombi", &C::CompteLocationCombiDefini, &C::SetCompteLocationCombiDefini,
     &C::CompteLocationCombi, &C::SetCompteLocationCombi},
    {"ComboCompteForfaitLecon", &C::CompteForfaitLeconDefini, &C::SetCompteForfaitLeconDefini,
     &C::CompteForfaitLecon, &C::SetCompteForfaitLecon},
};

class CompteParDefaut : public FichePrincipale, public testing::WithParamInterface<Defaut> {
  protected:
    void Preparer() override {
        TComptabilite& c = exercice.Comptabilite();
        auto compte = [&](const char* article, const char* intitule) {
            auto k = std::make_unique<TCompte>(&c);
            k->SetArticle(article);
            k->SetIntitule(intitule);
            return k;
        };
        c.AjouterCompteCharge(compte("606", "Achats"));
        c.AjouterCompteProduit(compte("706", "Licences"));
        c.AjouterCompteProduit(compte("708", ""));
        c.AjouterCompteProduit(compte("LEC", "Cours"));
    }
    TComptabilite& Compta() { return exercice.Comptabilite(); }
    std::vector<std::string> Entrees(const QComboBox* combo) {
        std::vector<std::string> textes;
        for (int i = 0; i < combo->count(); ++i)
            textes.push_back(combo->itemText(i).toStdString());
        return textes;
    }
};

TEST_P(CompteParDefaut, ProposeLesComptesProduits) {
    auto* combo = Controle<QComboBox>(GetParam().combo);
    EXPECT_EQ(Entrees(combo),
              (std::vector<std::string>{"Pas de compte par défaut", "706 - Licences", "708", "LEC - Cours"}));
    EXPECT_EQ(combo->currentIndex(), 0);
}

TEST_P(CompteParDefaut, ChoixRangeEnQuittant) {
    const Defaut& d = GetParam();
    auto* combo = Controle<QComboBox>(d.combo);
    Entrer(combo);
    QTest::keyClick(combo, Qt::Key_End);
    EXPECT_FALSE((Compta().*d.defini)());
    Quitter(combo);
    EXPECT_TRUE((Compta().*d.defini)());
    EXPECT_EQ((Compta().*d.article)(), "LEC");

    // "No default" clears the flag and keeps the account for the file.
    Entrer(combo);
    QTest::keyClick(combo, Qt::Key_Home);
    Quitter(combo);
    EXPECT_FALSE((Compta().*d.defini)());
    EXPECT_EQ((Compta().*d.article)(), "LEC");
    page->Afficher();
    EXPECT_EQ(combo->currentText(), "Pas de compte par défaut");
}

TEST_P(CompteParDefaut, CompteDefiniSelectionneSansCasse) {
    const Defaut& d = GetParam();
    (Compta().*d.setDefini)(true);
    (Compta().*d.setArticle)("lec");
    page->Afficher();
    EXPECT_EQ(Controle<QComboBox>(d.combo)->currentText(), "LEC - Cours");
}

TEST_P(CompteParDefaut, CompteDisparuLaisseLaBoiteVide) {
    const Defaut& d = GetParam();
    (Compta().*d.setDefini)(true);
    (Compta().*d.setArticle)("709");
    page->Afficher();
    auto* combo = Controle<QComboBox>(d.combo);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), "");
    // Leaving the empty box changes nothing: the default stays defined.
    Entrer(combo);
    Quitter(combo);
    EXPECT_TRUE((Compta().*d.defini)());
    EXPECT_EQ((Compta().*d.article)(), "709");
}

INSTANTIATE_TEST_SUITE_P(Boites, CompteParDefaut, testing::ValuesIn(kDefauts),
                         [](const auto& info) { return std::string(info.param.combo); });

// ---- Specialities ----

class Specialite : public FichePrincipale {
  protected:
    void Preparer() override {
        for (const char* s : {"Surf", "École", "Voile"})
            exercice.AjouterSpecialite(s);
    }

    QListWidget* Liste() { return Controle<QListWidget>("ListBoxSpecialitesCorrespondants"); }

    // Answers the next speciality dialog: notes the text it came with, types
    // `texte` over it and presses `bouton`.
    void RepondreFiche(const QString& texte, const char* bouton) {
        QTimer::singleShot(0, [this, texte, bouton] {
            auto* fiche = qobject_cast<TFicheSpecialite*>(QApplication::activeModalWidget());
            ASSERT_NE(fiche, nullptr);
            auto* edit = fiche->findChild<QLineEdit*>("EditSpecialite");
            textePropose = edit->text().toStdString();
            editAvaitLeFocus = fiche->focusWidget() == edit;
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            TaperTouches(edit, texte);
            QTest::mouseClick(fiche->findChild<QPushButton*>(bouton), Qt::LeftButton);
        });
    }

    void Selectionner(int index) {
        Entrer(Liste());
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {},
                          Liste()->visualItemRect(Liste()->item(index)).center());
    }

    std::string textePropose;
    bool editAvaitLeFocus = false;
};

struct CasAjout {
    const char* texte;
    bool accepte;
};

TEST_F(Specialite, AjoutRefuseUnDoublonSansEgardALaCasse) {
    const CasAjout cas[] = {{"surf", false},  {"SURF", false},     {"école", false},
                            {"ÉCOLE", false}, {"Bodyboard", true}, {"Surf ", true}};
    for (const CasAjout& c : cas) {
        SCOPED_TRACE(c.texte);
        const auto avant = Specialites(exercice);
        messages.Oublier();
        RepondreFiche(QString::fromUtf8(c.texte), "BoutonOk");
        Cliquer(Controle<QPushButton>("BoutonAjouterSpecialite"));
        EXPECT_EQ(textePropose, "");
        EXPECT_TRUE(editAvaitLeFocus);
        auto attendu = avant;
        if (c.accepte) {
            attendu.push_back(c.texte);
            EXPECT_TRUE(messages.Affiches().empty());
        } else {
            ASSERT_EQ(messages.Affiches().size(), 1u);
            EXPECT_EQ(messages.Affiches()[0].texte, "La spécialité existe déjà !");
            EXPECT_EQ(messages.Affiches()[0].titre, "Erreur");
            EXPECT_EQ(messages.Affiches()[0].drapeaux, MB_ICONERROR);
        }
        EXPECT_EQ(Specialites(exercice), attendu);
        EXPECT_EQ(TextesListe(Liste()), attendu);
    }
}

TEST_F(Specialite, AjoutAnnuleNeChangeRien) {
    exercice.Modified = false;
    RepondreFiche("Kitesurf", "BoutonAnnuler");
    Cliquer(Controle<QPushButton>("BoutonAjouterSpecialite"));
    EXPECT_EQ(Specialites(exercice), (std::vector<std::string>{"Surf", "École", "Voile"}));
    EXPECT_FALSE(exercice.IsModified());
}

TEST_F(Specialite, TexteVideAjouteUneFoisPuisRefuse) {
    RepondreFiche("", "BoutonOk");
    Cliquer(Controle<QPushButton>("BoutonAjouterSpecialite"));
    EXPECT_EQ(Specialites(exercice), (std::vector<std::string>{"Surf", "École", "Voile", ""}));
    RepondreFiche("", "BoutonOk");
    Cliquer(Controle<QPushButton>("BoutonAjouterSpecialite"));
    EXPECT_EQ(exercice.NbSpecialites(), 4);
    ASSERT_EQ(messages.Affiches().size(), 1u);
    EXPECT_EQ(messages.Affiches()[0].texte, "La spécialité existe déjà !");
}

TEST_F(Specialite, RenommerNeControlePasLesDoublons) {
    Selectionner(2);
    RepondreFiche("surf", "BoutonOk");
    Cliquer(Controle<QPushButton>("BoutonRenommerSpecialite"));
    EXPECT_EQ(textePropose, "Voile");
    EXPECT_TRUE(messages.Affiches().empty());
    EXPECT_EQ(Specialites(exercice), (std::vector<std::string>{"Surf", "École", "surf"}));
    EXPECT_EQ(TextesListe(Liste()), Specialites(exercice));
}

TEST_F(Specialite, DoubleClicRenomme) {
    Selectionner(1);
    RepondreFiche("Écoles", "BoutonOk");
    QTest::mouseDClick(Liste()->viewport(), Qt::LeftButton, {},
                       Liste()->visualItemRect(Liste()->item(1)).center());
    EXPECT_EQ(textePropose, "École");
    EXPECT_EQ(Specialites(exercice), (std::vector<std::string>{"Surf", "Écoles", "Voile"}));
}

TEST_F(Specialite, RenommerAnnuleGardeLeNom) {
    Selectionner(0);
    RepondreFiche("Longboard", "BoutonAnnuler");
    Cliquer(Controle<QPushButton>("BoutonRenommerSpecialite"));
    EXPECT_EQ(Specialites(exercice), (std::vector<std::string>{"Surf", "École", "Voile"}));
    EXPECT_EQ(TextesListe(Liste()), Specialites(exercice));
}

TEST_F(Specialite, SupprimerDemandeConfirmation) {
    struct Cas {
        int reponse;
        std::vector<std::string> reste;
    };
    const Cas cas[] = {{IDNO, {"Surf", "École", "Voile"}}, {IDYES, {"Surf", "Voile"}}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.reponse);
        messages.Oublier();
        messages.Repondre(c.reponse);
        Selectionner(1);
        Cliquer(Controle<QPushButton>("BoutonSupprimerSpecialite"));
        ASSERT_EQ(messages.Affiches().size(), 1u);
        EXPECT_EQ(messages.Affiches()[0].texte, "Etes vous sûr de vouloir supprimer la spécialité ?");
        EXPECT_EQ(messages.Affiches()[0].titre, "Confirmation");
        EXPECT_EQ(messages.Affiches()[0].drapeaux, MB_YESNO | MB_ICONQUESTION);
        EXPECT_EQ(Specialites(exercice), c.reste);
        EXPECT_EQ(TextesListe(Liste()), c.reste);
    }
}

TEST_F(Specialite, BoutonsSuiventLaSelection) {
    auto* supprimer = Controle<QPushButton>("BoutonSupprimerSpecialite");
    auto* renommer = Controle<QPushButton>("BoutonRenommerSpecialite");
    EXPECT_TRUE(Controle<QPushButton>("BoutonAjouterSpecialite")->isEnabled());
    EXPECT_FALSE(supprimer->isEnabled());
    EXPECT_FALSE(renommer->isEnabled());
    Selectionner(0);
    EXPECT_TRUE(supprimer->isEnabled());
    EXPECT_TRUE(renommer->isEnabled());
    messages.Repondre(IDYES);
    Cliquer(supprimer);
    EXPECT_FALSE(supprimer->isEnabled());
    EXPECT_FALSE(renommer->isEnabled());
    Selectionner(0);
    page->Afficher();
    EXPECT_FALSE(supprimer->isEnabled());
}

// ---- Journal ----

class Historique : public FichePrincipale {
  protected:
    // Journal order differs from every sort order; "Marie" comes before
    // "marie" so that a case-blind sort would keep them the wrong way; "Luc"
    // saved in the very second of paul's line, after it, so that equal keys
    // show their order in both directions.
    void Preparer() override {
        const TDateTime jour = EncodeDate(2024, 3, 9) + 10.0 / 24;
        const TDateTime seconde = 1.0 / 86400;
        Ligne("Modification du compte produit \"706\"", "Marie", jour + 2 * seconde + 0.4 * seconde);
        Ligne("Ajout de l'adhérent \"Dupont Jean\"", "marie", jour + 2 * seconde + 0.2 * seconde);
        Ligne("Création", "Zoé", jour - 3);
        Ligne("Impression du bilan comptable", "Élodie", jour + 5);
        Ligne("ajout manuel", "paul", jour + 1);
        Ligne("Sauvegarde de l'exercice", "Luc", jour + 1);
    }

    void Ligne(const char* texte, const char* utilisateur, TDateTime quand) {
        auto l = std::make_unique<TLigneAgenda>(&exercice.Agenda());
        l->SetTexte(texte);
        l->SetUtilisateur(utilisateur);
        l->SetDateHeure(quand);
        exercice.Agenda().Add(std::move(l));
    }

    QTreeView* Liste() { return Controle<QTreeView>("ListViewAgenda"); }

    std::vector<std::string> Colonne(int colonne) {
        std::vector<std::string> textes;
        const QAbstractItemModel* m = Liste()->model();
        for (int i = 0; i < m->rowCount(); ++i)
            textes.push_back(m->index(i, colonne).data().toString().toStdString());
        return textes;
    }

    void ClicEntete(int colonne) {
        QHeaderView* entete = Liste()->header();
        const QPoint centre(entete->sectionViewportPosition(colonne) + entete->sectionSize(colonne) / 2,
                            entete->height() / 2);
        QTest::mouseClick(entete->viewport(), Qt::LeftButton, {}, centre);
    }

    void SetUp() override {
        FichePrincipale::SetUp();
        Entrer(Liste());
    }
};

using Users = std::vector<std::string>;
const Users kParDate = {"Zoé", "marie", "Marie", "paul", "Luc", "Élodie"};
// Equal dates keep the journal's order whichever the direction.
const Users kParDateDescendante = {"Élodie", "paul", "Luc", "Marie", "marie", "Zoé"};
const Users kParUtilisateur = {"Élodie", "Luc", "marie", "Marie", "paul", "Zoé"};
// By text in the French order, where "Ajout de..." comes before "ajout manuel"
// and "ajout manuel" before "Création", unlike the order of character codes.
const Users kParTexte = {"marie", "paul", "Zoé", "Élodie", "Marie", "Luc"};

Users Inverse(Users u) {
    return {u.rbegin(), u.rend()};
}

TEST_F(Historique, LignesAffichees) {
    EXPECT_EQ(Colonne(0), (std::vector<std::string>{"06/03/2024 10:00:00", "09/03/2024 10:00:02",
                                                    "09/03/2024 10:00:02", "10/03/2024 10:00:00",
                                                    "10/03/2024 10:00:00", "14/03/2024 10:00:00"}));
    EXPECT_EQ(Colonne(1)[0], "Création");
    const QAbstractItemModel* m = Liste()->model();
    EXPECT_EQ(m->headerData(0, Qt::Horizontal), "Date");
    EXPECT_EQ(m->headerData(1, Qt::Horizontal), "Intitulé");
    EXPECT_EQ(m->headerData(2, Qt::Horizontal), "Utilisateur");
}

TEST_F(Historique, ClicsSurLesEntetes) {
    struct Cas {
        const char* nom;
        std::vector<int> clics;
        Users ordre;
    };
    const Cas cas[] = {
        {"sans clic, par date", {}, kParDate},
        {"premier clic montant", {2}, kParUtilisateur},
        {"second clic descendant", {2, 2}, Inverse(kParUtilisateur)},
        {"troisieme clic montant", {2, 2, 2}, kParUtilisateur},
        {"texte", {1}, kParTexte},
        {"date montante au premier clic", {0}, kParDate},
        {"date descendante au second", {0, 0}, kParDateDescendante},
        {"chaque colonne garde son sens", {2, 1, 2}, Inverse(kParUtilisateur)},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        page = std::make_unique<TFichePrincipale>(exercice);
        page->resize(760, 540);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
        Entrer(Liste());
        for (int colonne : c.clics)
            ClicEntete(colonne);
        EXPECT_EQ(Colonne(2), c.ordre);
    }
}

// A line added later takes its place in the order on screen; the next click
// on the same column reverses it.
TEST_F(Historique, UneLigneAjouteeGardeLOrdreAffiche) {
    ClicEntete(2);
    EXPECT_EQ(Colonne(2), kParUtilisateur);
    Ligne("Ajout du correspondant \"Mairie\"", "jean", EncodeDate(2024, 3, 20));
    EXPECT_EQ(Colonne(2), (Users{"Élodie", "jean", "Luc", "marie", "Marie", "paul", "Zoé"}));
    ClicEntete(2);
    EXPECT_EQ(Colonne(2), (Users{"Zoé", "paul", "Marie", "marie", "Luc", "jean", "Élodie"}));
    Ligne("Ajout du correspondant \"Port\"", "Nina", EncodeDate(2024, 3, 21));
    EXPECT_EQ(Colonne(2), (Users{"Zoé", "paul", "Nina", "Marie", "marie", "Luc", "jean", "Élodie"}));
}

// The journal written by the program reaches the list at once, and a new
// document empties it but for its own first line.
TEST_F(Historique, LaListeSuitLeJournal) {
    DefinirExerciceJournal(&exercice);
    AjouterLigneAgenda("Impression du bilan comptable");
    EXPECT_EQ(Liste()->model()->rowCount(), 7);
    exercice.Clear();
    EXPECT_EQ(Liste()->model()->rowCount(), 0);
    AjouterLigneAgenda("Création");
    EXPECT_EQ(Colonne(1), (Users{"Création"}));
    DefinirExerciceJournal(nullptr);
}

// The journal's search looks into the date as shown, the text and the user,
// keeps the order of the column clicked, and Escape brings every line back.
TEST_F(Historique, LaRechercheFiltreSansDefaireLeTri) {
    auto* champ = Controle<QLineEdit>("EditRechercheAgenda");
    auto* compte = Controle<QLabel>("LabelRechercheAgenda");
    struct Cas {
        const char* tape;
        Users vus;
    };
    const Cas cas[] = {
        {"ajout", {"marie", "paul"}}, {"ELODIE", {"Élodie"}},    {"09/03/2024", {"marie", "Marie"}},
        {"marie 706", {"Marie"}},     {"creation zoe", {"Zoé"}}, {"", kParDate},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.tape);
        Remplacer(champ, QString::fromUtf8(c.tape));
        EXPECT_EQ(Colonne(2), c.vus);
        EXPECT_EQ(compte->isVisible(), *c.tape != 0);
        if (*c.tape) {
            EXPECT_EQ(compte->text(), QString("%1 sur 6").arg(c.vus.size()));
        }
    }
    ClicEntete(2);
    ClicEntete(2);
    Remplacer(champ, "marie");
    EXPECT_EQ(Colonne(2), (Users{"Marie", "marie"}));
    Ligne("Ajout de l'adhérent \"Marie Curie\"", "jean", EncodeDate(2024, 3, 20));
    Ligne("Sauvegarde", "jean", EncodeDate(2024, 3, 21));
    EXPECT_EQ(Colonne(2), (Users{"Marie", "marie", "jean"}));
    EXPECT_EQ(compte->text(), "3 sur 8");
    QTest::keyClick(champ, Qt::Key_Escape);
    EXPECT_EQ(champ->text(), "");
    EXPECT_EQ(Colonne(2), (Users{"Zoé", "paul", "Marie", "marie", "Luc", "jean", "jean", "Élodie"}));
    EXPECT_FALSE(compte->isVisible());
}

// Ctrl+F anywhere on the page brings the journal forward with the focus in
// its search field; Down goes on into the list.
TEST_F(Historique, CtrlFOuvreLaRechercheDuJournal) {
    auto* onglets = Controle<QTabWidget>("PageControl");
    auto* intitule = Controle<QLineEdit>("EditIntitule");
    Entrer(intitule);
    QTest::keyClick(intitule, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(onglets->currentIndex(), 3);
    auto* champ = Controle<QLineEdit>("EditRechercheAgenda");
    ASSERT_TRUE(champ->hasFocus());
    TaperTouches(champ, "paul");
    QTest::keyClick(champ, Qt::Key_Down);
    EXPECT_TRUE(Liste()->hasFocus());
    EXPECT_EQ(Liste()->currentIndex().row(), 0);
    EXPECT_EQ(Liste()->currentIndex().data().toString(), "10/03/2024 10:00:00");
}

} // namespace
} // namespace tramonta
