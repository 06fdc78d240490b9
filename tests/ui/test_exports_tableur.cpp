// SPDX-License-Identifier: GPL-3.0-or-later
// "&Fichier" → "&Exporter": the menu, the member export's choices, the file
// written and its journal line, and a write that fails.
#include "outils_shell.h"

#include "core/messages.h"
#include "core/tableur_ecriture.h"
#include "model/export_tableur.h"
#include "ui/bdd/fiche_bdd.h"
#include "ui/bdd/fiche_criteres_requete.h"
#include "ui/fenetre/main_fenetre.h"
#include "ui/fichier/exports_tableur.h"
#include "ui/modeles/tri_liste.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <memory>
#include <sstream>

namespace tramonta {
namespace {

using test::Cliquer;
using test::ScriptDialogues;

// Hides the rows of a list as a search does: through the list's own search
// where it has one, else through the proxy's plain filter on the names.
template <class T>
auto Filtrer(T& tri, const QString& texte, int) -> decltype(tri.SetRecherche(texte), void()) {
    tri.SetRecherche(texte);
}
template <class T> void Filtrer(T& tri, const QString& texte, long) {
    tri.setFilterKeyColumn(0);
    tri.setFilterFixedString(texte);
}

class ExportsTableur : public test::TestFenetre {
  protected:
    void SetUp() override {
        test::TestFenetre::SetUp();
        main_ = std::make_unique<TMain>();
        main_->show();
        QApplication::setActiveWindow(main_.get());
        Adherent("Martin", "Paul", "M", 1990);
        Adherent("Durand", "Léa", "F", 2012);
        Adherent("Petit", "Noé; \"le Jeune\"", "M", 1985);
    }
    void TearDown() override { main_.reset(); }

    void Adherent(const char* nom, const char* prenom, const char* sexe, int annee) {
        TAdherents& adherents = main_->Exercice().Adherents();
        auto a = std::make_unique<TAdherent>(&adherents);
        a->SetNom(nom);
        a->SetPrenom(prenom);
        a->SetSexe(sexe);
        a->SetDateNaissance(EncodeDate(annee, 6, 1));
        adherents.Add(std::move(a));
    }
    void Declencher(const char* action) {
        auto* a = main_->findChild<QAction*>(action);
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
    }
    // The bytes as written: QString would drop the byte-order mark.
    std::string Lire(const QString& chemin) {
        QFile f(chemin);
        if (!f.open(QIODevice::ReadOnly))
            return "<absent>";
        return f.readAll().toStdString();
    }
    // The first field of every row after the titles.
    QStringList Noms(const QString& chemin) {
        QStringList lignes = QString::fromStdString(Lire(chemin)).split("\r\n", Qt::SkipEmptyParts);
        QStringList noms;
        for (int i = 1; i < lignes.size(); ++i)
            noms << lignes[i].section(';', 0, 0);
        return noms;
    }
    std::string DerniereLigneJournal() {
        const TAgenda& agenda = main_->Exercice().Agenda();
        return agenda.Count() ? agenda.Ligne(agenda.Count() - 1)->Texte() : std::string();
    }
    // Ticks the member dialog's boxes, then "&Ok".
    static std::function<void(QDialog&)> Choisir(bool affiches, bool criteres) {
        return [=](QDialog& d) {
            d.findChild<QCheckBox*>("CheckAffiches")->setChecked(affiches);
            d.findChild<QCheckBox*>("CheckCriteres")->setChecked(criteres);
            Cliquer(d, "BoutonOk");
        };
    }
    std::unique_ptr<TMain> main_;
};

TEST_F(ExportsTableur, LeMenuExporterSuitImporterEtTientQuatreCommandes) {
    auto* fichier = main_->findChild<QMenu*>("MenuFichier");
    ASSERT_NE(fichier, nullptr);
    const QList<QAction*> actions = fichier->actions();
    int importer = -1, exporter = -1;
    for (int i = 0; i < actions.size(); ++i) {
        if (actions[i]->menu() && actions[i]->menu()->objectName() == "MenuImporter")
            importer = i;
        if (actions[i]->menu() && actions[i]->menu()->objectName() == "MenuExporter")
            exporter = i;
    }
    ASSERT_GE(importer, 0);
    ASSERT_GT(exporter, importer);
    EXPECT_EQ(actions[exporter]->text(), "&Exporter");
    QStringList textes;
    for (QAction* a : actions[exporter]->menu()->actions())
        textes << a->objectName() + " " + a->text();
    EXPECT_EQ(textes, (QStringList{"MenuExporterAdherents &Adhérents (CSV)...",
                                   "MenuExporterCorrespondants &Correspondants (CSV)...",
                                   "MenuExporterEcritures &Ecritures (CSV)...",
                                   "MenuExporterParticipants &Participants d'une compétition (CSV)..."}));
}

TEST_F(ExportsTableur, LesParticipantsNeSOffrentQuAvecUneCompetition) {
    QMenu* exporter = main_->findChild<QMenu*>("MenuExporter");
    auto* participants = main_->findChild<QAction*>("MenuExporterParticipants");
    emit exporter->aboutToShow();
    EXPECT_FALSE(participants->isEnabled());
    for (const char* nom : {"MenuExporterAdherents", "MenuExporterCorrespondants", "MenuExporterEcritures"})
        EXPECT_TRUE(main_->findChild<QAction*>(nom)->isEnabled()) << nom;
    auto compet = std::make_unique<TCompet>(&main_->Exercice().Compets());
    main_->Exercice().Compets().Add(std::move(compet));
    emit exporter->aboutToShow();
    EXPECT_TRUE(participants->isEnabled());
}

TEST_F(ExportsTableur, TousLesAdherentsDansLOrdreDeLExerciceParDefaut) {
    ScriptDialogues dialogues;
    dialogues.Puis([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Exporter les adhérents");
        EXPECT_FALSE(d.findChild<QCheckBox*>("CheckAffiches")->isChecked());
        EXPECT_FALSE(d.findChild<QCheckBox*>("CheckCriteres")->isChecked());
        // No query criteria have been chosen yet.
        EXPECT_FALSE(d.findChild<QCheckBox*>("CheckCriteres")->isEnabled());
        Cliquer(d, "BoutonOk");
    });
    fichiers_.Repondre(Chemin("adherents.csv"));
    Declencher("MenuExporterAdherents");
    ASSERT_EQ(fichiers_.Demandes().size(), 1u);
    const DemandeFichier& demande = fichiers_.Demandes()[0];
    EXPECT_EQ(demande.sens, DemandeFichier::Sens::Enregistrer);
    EXPECT_EQ(demande.filtre, "Fichier CSV (*.csv)");
    EXPECT_EQ(demande.suffixe, "csv");
    std::ostringstream attendu;
    ExporterAdherents(TousLesAdherents(main_->Exercice().Adherents()), attendu);
    QFile f(Chemin("adherents.csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), attendu.str());
    EXPECT_EQ(Noms(Chemin("adherents.csv")), (QStringList{"Martin", "Durand", "Petit"}));
    EXPECT_EQ(DerniereLigneJournal(), "Export des adhérents vers le fichier \"" +
                                          Chemin("adherents.csv").toStdString() + "\" (3 adhérents)");
    EXPECT_EQ(Textes(), std::vector<std::string>{});
}

TEST_F(ExportsTableur, LesAdherentsAffichesSuiventLeTriEtLeFiltreDeLaListe) {
    auto* bdd = qobject_cast<TFicheBDD*>(main_->Page(1));
    ASSERT_NE(bdd, nullptr);
    bdd->TriAdherents().sort(0, Qt::DescendingOrder);
    ScriptDialogues dialogues;
    dialogues.Puis(Choisir(true, false));
    fichiers_.Repondre(Chemin("tries.csv"));
    Declencher("MenuExporterAdherents");
    EXPECT_EQ(Noms(Chemin("tries.csv")), (QStringList{"Petit", "Martin", "Durand"}));

    Filtrer(bdd->TriAdherents(), "t", 0);
    ASSERT_EQ(bdd->AdherentsAffiches().size(), 2u);
    dialogues.Puis(Choisir(true, false));
    fichiers_.Repondre(Chemin("filtres.csv"));
    Declencher("MenuExporterAdherents");
    EXPECT_EQ(Noms(Chemin("filtres.csv")), (QStringList{"Petit", "Martin"}));
    EXPECT_EQ(DerniereLigneJournal(), "Export des adhérents vers le fichier \"" +
                                          Chemin("filtres.csv").toStdString() + "\" (2 adhérents)");

    // Unticked, the box gives every member whatever the list shows.
    dialogues.Puis(Choisir(false, false));
    fichiers_.Repondre(Chemin("tous.csv"));
    Declencher("MenuExporterAdherents");
    EXPECT_EQ(Noms(Chemin("tous.csv")).size(), 3);
}

TEST_F(ExportsTableur, LesCriteresDeLaRequeteChoisissentLesAdherents) {
    ScriptDialogues dialogues;
    dialogues.Puis([](QDialog& d) {
        Cliquer(d, "RadioButtonCategorie");
        d.findChild<QComboBox*>("ComboBoxCategorie")->setCurrentText("Open");
        Cliquer(d, "BoutonOk");
    });
    ASSERT_TRUE(main_->FicheCriteresRequete().Executer());
    dialogues.Puis([](QDialog& d) {
        EXPECT_TRUE(d.findChild<QCheckBox*>("CheckCriteres")->isEnabled());
        d.findChild<QCheckBox*>("CheckCriteres")->setChecked(true);
        Cliquer(d, "BoutonOk");
    });
    fichiers_.Repondre(Chemin("open.csv"));
    Declencher("MenuExporterAdherents");
    EXPECT_EQ(Noms(Chemin("open.csv")), (QStringList{"Martin", "Petit"}));

    // Both boxes: the members shown that match, in the list's order.
    auto* bdd = qobject_cast<TFicheBDD*>(main_->Page(1));
    bdd->TriAdherents().sort(0, Qt::DescendingOrder);
    Filtrer(bdd->TriAdherents(), "Mar", 0);
    dialogues.Puis(Choisir(true, true));
    fichiers_.Repondre(Chemin("deux.csv"));
    Declencher("MenuExporterAdherents");
    EXPECT_EQ(Noms(Chemin("deux.csv")), (QStringList{"Martin"}));
}

TEST_F(ExportsTableur, AnnulerLeDialogueOuLeChoixDuFichierNEcritRien) {
    const int lignes = main_->Exercice().Agenda().Count();
    ScriptDialogues dialogues;
    dialogues.Puis([](QDialog& d) { Cliquer(d, "BoutonAnnuler"); });
    Declencher("MenuExporterAdherents");
    EXPECT_TRUE(fichiers_.Demandes().empty());
    dialogues.Puis(Choisir(false, false));
    fichiers_.Repondre(std::nullopt);
    Declencher("MenuExporterAdherents");
    fichiers_.Repondre(std::nullopt);
    Declencher("MenuExporterEcritures");
    EXPECT_EQ(main_->Exercice().Agenda().Count(), lignes);
}

TEST_F(ExportsTableur, UneEcritureImpossibleSeSignaleEtNeSeJournalisePas) {
    const int lignes = main_->Exercice().Agenda().Count();
    fichiers_.Repondre(Chemin("absent/correspondants.csv"));
    messages_.Repondre(IDOK);
    Declencher("MenuExporterCorrespondants");
    ASSERT_EQ(messages_.Affiches().size(), 1u);
    EXPECT_EQ(messages_.Affiches()[0].texte, "Impossible d'écrire le fichier \"" +
                                                 Chemin("absent/correspondants.csv").toStdString() + "\" !");
    EXPECT_EQ(messages_.Affiches()[0].titre, "Erreur");
    EXPECT_EQ(main_->Exercice().Agenda().Count(), lignes);
}

TEST_F(ExportsTableur, CorrespondantsEtEcrituresSEcriventEtSeJournalisent) {
    auto c = std::make_unique<TCorrespondant>(&main_->Exercice().Correspondants());
    c->SetNom("Mairie");
    main_->Exercice().Correspondants().Add(std::move(c));
    fichiers_.Repondre(Chemin("c.csv"));
    Declencher("MenuExporterCorrespondants");
    EXPECT_TRUE(Lire(Chemin("c.csv")).starts_with("\xEF\xBB\xBFNom;Adresse;"));
    EXPECT_EQ(Noms(Chemin("c.csv")), QStringList{"Mairie"});
    EXPECT_EQ(DerniereLigneJournal(), "Export des correspondants vers le fichier \"" +
                                          Chemin("c.csv").toStdString() + "\" (1 correspondant)");

    TComptabilite& compta = main_->Exercice().Comptabilite();
    auto compte = std::make_unique<TCompte>(&compta);
    compte->SetArticle("706");
    auto ligne = std::make_unique<TLigneEcriture>(compte.get());
    ligne->SetMontant(12.5);
    compte->AjouterLigne(std::move(ligne));
    compta.AjouterCompteProduit(std::move(compte));
    fichiers_.Repondre(Chemin("e.csv"));
    Declencher("MenuExporterEcritures");
    EXPECT_EQ(Noms(Chemin("e.csv")), QStringList{"706"});
    EXPECT_EQ(DerniereLigneJournal(),
              "Export des écritures vers le fichier \"" + Chemin("e.csv").toStdString() + "\" (1 écriture)");
}

TEST_F(ExportsTableur, LesParticipantsDeLaCompetitionChoisie) {
    for (const char* intitule : {"Coupe d'automne", "Championnat"}) {
        auto compet = std::make_unique<TCompet>(&main_->Exercice().Compets());
        compet->SetIntitule(intitule);
        auto p = std::make_unique<TParticipantCompet>(compet->Categorie(4));
        p->SetNom(std::string("Surfeur de ") + intitule);
        compet->Categorie(4)->Add(std::move(p));
        main_->Exercice().Compets().Add(std::move(compet));
    }
    ScriptDialogues dialogues;
    dialogues.Puis([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Exporter les participants");
        auto* combo = d.findChild<QComboBox*>("ComboBoxCompetition");
        ASSERT_EQ(combo->count(), 2);
        EXPECT_EQ(combo->itemText(1), "Championnat");
        combo->setCurrentIndex(1);
        Cliquer(d, "BoutonOk");
    });
    fichiers_.Repondre(Chemin("p.csv"));
    Declencher("MenuExporterParticipants");
    ASSERT_EQ(fichiers_.Demandes().size(), 1u);
    EXPECT_TRUE(fichiers_.Demandes()[0].initial.endsWith("Participants Championnat.csv"));
    EXPECT_EQ(Lire(Chemin("p.csv")), "\xEF\xBB\xBF"
                                     "Catégorie;Tête de série;Nom;Prénom;Club\r\n"
                                     "Open;1;Surfeur de Championnat;;\r\n");
    EXPECT_EQ(DerniereLigneJournal(),
              "Export des participants de la compétition \"Championnat\" vers le fichier \"" +
                  Chemin("p.csv").toStdString() + "\" (1 participant)");
}

TEST_F(ExportsTableur, SansCompetitionLesParticipantsLeDisent) {
    messages_.Repondre(IDOK);
    Declencher("MenuExporterParticipants");
    EXPECT_EQ(Textes(), std::vector<std::string>{"Aucune compétition dans l'exercice !"});
    EXPECT_TRUE(fichiers_.Demandes().empty());
}

} // namespace
} // namespace tramonta
