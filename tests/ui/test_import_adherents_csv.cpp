// SPDX-License-Identifier: GPL-3.0-or-later
// "Fichier" → "Importer" → "Adhérents (CSV)...", driven through the main window.
#include "outils_shell.h"

#include "core/messages.h"
#include "ui/communs/sous_vue.h"
#include "ui/fenetre/main_fenetre.h"
#include "ui/fichier/fiche_import_adherents_csv.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTreeView>

#include <memory>

namespace tramonta {
namespace {

using test::Cliquer;
using test::ScriptDialogues;

class ImportCsv : public test::TestFenetre {
  protected:
    void SetUp() override {
        TestFenetre::SetUp();
        main_ = std::make_unique<TMain>();
        main_->show();
        TAdherents& adherents = main_->Exercice().Adherents();
        auto a = std::make_unique<TAdherent>(&adherents);
        a->SetNom("MARTIN");
        a->SetPrenom("Léa");
        adherents.Add(std::move(a));
        csv_ = Chemin("club.csv");
        QFile f(csv_);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        // Windows-1252, as an old spreadsheet writes it.
        f.write("NOM;Pr\xE9nom;Pointure;Ville\r\n"
                "DURAND;\xC9lodie;38;Hossegor\r\n"
                "MARTIN;L\xE9"
                "a;40;Seignosse\r\n"
                "DUPONT;Paul;44;\"Capbreton\r\nLandes\"\r\n");
    }
    void Declencher() {
        QAction* action = main_->findChild<QAction*>("MenuImporterAdherentsCsv");
        ASSERT_NE(action, nullptr);
        action->trigger();
    }
    static QStringList Colonne(const QAbstractItemModel& m, int colonne) {
        QStringList t;
        for (int i = 0; i < m.rowCount(); ++i)
            t << m.index(i, colonne).data().toString();
        return t;
    }
    std::unique_ptr<TMain> main_;
    QString csv_;
};

TEST_F(ImportCsv, LeMenuEstSousImporterAvecLeFichierTramonta) {
    auto* menu = main_->findChild<QMenu*>("MenuImporter");
    ASSERT_NE(menu, nullptr);
    QStringList textes;
    for (QAction* a : menu->actions())
        textes << a->text();
    EXPECT_EQ(textes, (QStringList{"&Fichier Tramonta", "&Adhérents (CSV)..."}));
}

TEST_F(ImportCsv, AnnulerApresLApercuNeChangeRien) {
    fichiers_.Repondre(csv_);
    ScriptDialogues dialogues;
    dialogues.Puis([&](QDialog& d) {
        EXPECT_EQ(d.objectName(), "FicheImportAdherentsCsv");
        EXPECT_EQ(d.windowTitle(), "Importer des adhérents");
        EXPECT_EQ(d.findChild<QLabel*>("LabelFichier")->text(), "Fichier : club.csv");
        EXPECT_EQ(d.findChild<QLabel*>("LabelFormat")->text(),
                  "Séparateur : point-virgule (;)    Encodage : Windows-1252");
        const QAbstractItemModel& colonnes = *d.findChild<QTreeView*>("ListeColonnes")->model();
        EXPECT_EQ(Colonne(colonnes, 0), (QStringList{"NOM", "Prénom", "Pointure", "Ville"}));
        EXPECT_EQ(Colonne(colonnes, 1), (QStringList{"Nom", "Prénom", "(ignorée)", "Ville"}));
        EXPECT_EQ(d.findChild<QLabel*>("LabelIgnores")->text(), "Colonnes ignorées : « Pointure »");
        const QAbstractItemModel& apercu = *d.findChild<QTableView*>("ApercuLignes")->model();
        EXPECT_EQ(apercu.rowCount(), 3);
        EXPECT_EQ(d.findChild<QLabel*>("LabelApercu")->text(), "A&perçu des 3 lignes :");
        EXPECT_EQ(apercu.headerData(1, Qt::Horizontal).toString(), "Prénom");
        EXPECT_EQ(apercu.headerData(2, Qt::Vertical).toInt(), 4); // the file's own line numbers
        EXPECT_EQ(Colonne(apercu, 1), (QStringList{"Élodie", "Léa", "Paul"}));
        EXPECT_EQ(apercu.index(2, 3).data().toString(), "Capbreton Landes");
        EXPECT_FALSE(d.findChild<QPlainTextEdit*>("MemoResultat")->isVisible());
        Cliquer(d, "BoutonAnnuler");
    });
    Declencher();
    ASSERT_EQ(fichiers_.Demandes().size(), 1u);
    EXPECT_EQ(fichiers_.Demandes()[0].filtre, "Fichier CSV (*.csv *.txt);;Tous les fichiers (*)");
    EXPECT_EQ(main_->Exercice().Adherents().Count(), 1);
    EXPECT_EQ(main_->Exercice().Agenda().Count(), 1); // "Création" alone
    EXPECT_TRUE(Textes().empty());
}

TEST_F(ImportCsv, ImporterAjouteMontreLeRapportEtEcritUneLigneDeJournal) {
    fichiers_.Repondre(csv_);
    ScriptDialogues dialogues;
    QString rapport;
    dialogues.Puis([&](QDialog& d) {
        Cliquer(d, "BoutonImporter");
        auto* memo = d.findChild<QPlainTextEdit*>("MemoResultat");
        EXPECT_TRUE(memo->isVisible());
        EXPECT_TRUE(memo->isReadOnly());
        rapport = memo->toPlainText();
        EXPECT_FALSE(d.findChild<QWidget*>("BoutonImporter")->isVisible());
        Cliquer(d, "BoutonFermer");
    });
    const int avant = main_->Exercice().Agenda().Count();
    Declencher();
    EXPECT_EQ(rapport,
              "Ligne 3 : impossible d'importer l'adhérent \"MARTIN Léa\" ! Cet adhérent existe déjà.\n"
              "Import terminé : 2 adhérents ajoutés, 1 ignoré.");
    TAdherents& adherents = main_->Exercice().Adherents();
    ASSERT_EQ(adherents.Count(), 3);
    EXPECT_EQ(adherents.Adherent(1)->Prenom(), "Élodie");
    EXPECT_EQ(adherents.Adherent(2)->Ville(), "Capbreton\r\nLandes");
    ASSERT_EQ(main_->Exercice().Agenda().Count(), avant + 1);
    EXPECT_EQ(main_->Exercice().Agenda().Ligne(avant)->Texte(),
              "Import CSV de \"club.csv\" : 2 adhérents ajoutés, 1 ignoré");
    EXPECT_TRUE(main_->Exercice().IsModified());
    // The members page shows them without anything else to do.
    auto* liste = main_->Page(1)->findChild<QTreeView*>("ListViewAdherents");
    ASSERT_NE(liste, nullptr);
    EXPECT_EQ(liste->model()->rowCount(), 3);
}

// Texts that the season file cannot hold: the user is told where, with
// their nearest forms, before anything is added. "Non" adds nothing.
TEST_F(ImportCsv, LesCaracteresNonEnregistrablesSontProposesSousLeurFormeProche) {
    const QString chemin = Chemin("polonais.csv");
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Nom;Prénom;Ville\nKOWALSKI;Łukasz;Paris\nNguyễn;Anh;Hanoï\u202FCentre\n");
    f.close();
    const std::string question =
        "La saison ne peut enregistrer que les caractères de Windows-1252 :\n"
        "Ligne 2, colonne « Prénom » : « Ł » ne peut pas être enregistré : « Lukasz ».\n"
        "Ligne 3, colonne « Nom » : « ễ » ne peut pas être enregistré : « Nguyen ».\n"
        "Ligne 3, colonne « Ville » : « \u202F » ne peut pas être enregistré : « Hanoï Centre ».\n"
        "\nImporter ces textes sous la forme la plus proche, donnée après chacun ?\n"
        "(Non : aucun adhérent n'est importé.)";

    fichiers_.Repondre(chemin);
    messages_.Repondre(IDNO);
    Declencher();
    EXPECT_EQ(Textes(), std::vector<std::string>{question});
    EXPECT_EQ(main_->Exercice().Adherents().Count(), 1);

    messages_.Oublier();
    fichiers_.Repondre(chemin);
    messages_.Repondre(IDYES);
    ScriptDialogues dialogues;
    QString rapport;
    dialogues.Puis([&](QDialog& d) {
        Cliquer(d, "BoutonImporter");
        rapport = d.findChild<QPlainTextEdit*>("MemoResultat")->toPlainText();
        Cliquer(d, "BoutonFermer");
    });
    Declencher();
    EXPECT_EQ(Textes(), std::vector<std::string>{question});
    EXPECT_TRUE(
        rapport.startsWith("Ligne 2, colonne « Prénom » : « Łukasz » enregistré sous la forme « Lukasz »."))
        << rapport.toStdString();
    TAdherents& adherents = main_->Exercice().Adherents();
    ASSERT_EQ(adherents.Count(), 3);
    EXPECT_EQ(adherents.Adherent(1)->Prenom(), "Lukasz");
    EXPECT_EQ(adherents.Adherent(2)->Nom(), "Nguyen");
    EXPECT_EQ(adherents.Adherent(2)->Ville(), "Hanoï Centre");
}

// A title row past the limits is refused with a short message, and the
// preview lists at most 20 ignored titles.
TEST_F(ImportCsv, LesColonnesEnTropSontRefuseesOuResumees) {
    const QString chemin = Chemin("large.csv");
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QByteArray titres = "Nom";
    for (int i = 1; i <= 25; ++i)
        titres += ";Inconnu " + QByteArray::number(i);
    f.write(titres + "\nDURAND\n");
    f.close();
    fichiers_.Repondre(chemin);
    ScriptDialogues dialogues;
    dialogues.Puis([&](QDialog& d) {
        const QString ignores = d.findChild<QLabel*>("LabelIgnores")->text();
        EXPECT_TRUE(ignores.startsWith("Colonnes ignorées : « Inconnu 1 », « Inconnu 2 », "))
            << ignores.toStdString();
        EXPECT_TRUE(ignores.endsWith("« Inconnu 20 » … et 5 autres")) << ignores.toStdString();
        Cliquer(d, "BoutonAnnuler");
    });
    Declencher();
    EXPECT_TRUE(Textes().empty());
}

struct CasRefus {
    const char* nom;
    QByteArray contenu; // empty: no file at all
    const char* message;
};

class ImportCsvRefuse : public ImportCsv, public ::testing::WithParamInterface<CasRefus> {};

TEST_P(ImportCsvRefuse, VaALaBoiteDErreurSansDialogue) {
    const QString chemin = Chemin("autre.csv");
    if (!GetParam().contenu.isEmpty()) {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(GetParam().contenu);
    }
    fichiers_.Repondre(chemin);
    Declencher();
    QString attendu(GetParam().message);
    if (attendu.contains("%1"))
        attendu = attendu.arg(chemin);
    EXPECT_EQ(Textes(), std::vector<std::string>{attendu.toStdString()});
    EXPECT_EQ(messages_.Affiches().at(0).titre, "Erreur");
    EXPECT_EQ(main_->Exercice().Adherents().Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ImportCsvRefuse,
    ::testing::Values(
        CasRefus{"sans_nom", "Prénom;Ville\nJean;Hossegor\n",
                 "Le fichier ne contient pas de colonne « Nom »."},
        CasRefus{"absent", {}, "Le fichier \"%1\" est introuvable."},
        CasRefus{"trop_de_colonnes", QByteArray("Nom") + QByteArray(100000, ';') + "\n",
                 "Ligne 1 : plus de 512 colonnes. Ce fichier n'est pas un tableau d'adhérents, ou "
                 "il faut d'abord en retirer les colonnes vides depuis le tableur."},
        CasRefus{"coupe", "Nom\n\"DURAND\n",
                 "Le fichier s'arrête au milieu d'un champ entre guillemets commencé à la ligne "
                 "2."}),
    [](const auto& i) { return std::string(i.param.nom); });

} // namespace
} // namespace tramonta
