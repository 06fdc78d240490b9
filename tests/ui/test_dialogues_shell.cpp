// SPDX-License-Identifier: GPL-3.0-or-later
// The password, import, preferences and weather-chart dialogs, driven as the
// user would through the main window.
#include "outils_shell.h"

#include "core/messages.h"
#include "platform/application.h"
#include "platform/boite_message.h"
#include "platform/bureau.h"
#include "platform/choix_fichier.h"
#include "platform/preferences.h"
#include "ui/fenetre/fiche_cartes_meteo.h"
#include "ui/fenetre/fiche_preferences.h"
#include "ui/fenetre/fichiers_recents.h"
#include "ui/fenetre/main_fenetre.h"
#include "ui/fichier/fiche_imports.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

namespace tramonta {
namespace {

using test::Cliquer;
using test::CreerDocument;
using test::ScriptDialogues;
using test::Taper;

class Dialogues : public test::TestFenetre {
  protected:
    void SetUp() override {
        TestFenetre::SetUp();
        main_ = std::make_unique<TMain>();
        main_->show();
    }
    void Declencher(const char* action) { main_->findChild<QAction*>(action)->trigger(); }
    std::unique_ptr<TMain> main_;
};

// --- Opening a protected document ---------------------------------------------

struct CasMotPasse {
    const char* nom;
    const char* tape; // nullptr: the prompt is cancelled
    bool accepte;
};

class OuvertureProtegee : public Dialogues, public ::testing::WithParamInterface<CasMotPasse> {};

TEST_P(OuvertureProtegee, SeulLeMotDePasseExactOuvre) {
    const CasMotPasse& c = GetParam();
    const QString f = Chemin("protege.trm");
    CreerDocument(f, "Protégé", "surf");
    ScriptDialogues dialogues;
    dialogues.Puis([&](QDialog& d) {
        EXPECT_EQ(d.objectName(), "FicheProtection");
        EXPECT_EQ(d.windowTitle(), "Protection");
        auto* edit = d.findChild<QLineEdit*>("EditMotPasse");
        EXPECT_TRUE(edit->text().isEmpty());
        if (!c.tape) {
            Cliquer(d, "BoutonAnnuler");
            return;
        }
        Taper(d, "EditMotPasse", c.tape);
        EXPECT_EQ(edit->displayText(), QString(static_cast<int>(strlen(c.tape)), '*'));
        Cliquer(d, "BoutonOk");
    });
    main_->OuvrirExercice(f);
    if (c.accepte) {
        EXPECT_TRUE(messages_.Affiches().empty());
        EXPECT_EQ(main_->Exercice().Intitule(), "Protégé");
        EXPECT_EQ(main_->FichierCourant(), f);
        EXPECT_EQ(main_->RecentFileList().RecentList(), QStringList{f});
        return;
    }
    ASSERT_EQ(Textes(), std::vector<std::string>{"Mot de passe incorrect !"});
    EXPECT_EQ(messages_.Affiches()[0].titre, "Erreur");
    EXPECT_EQ(main_->Exercice().Intitule(), "");
    EXPECT_EQ(main_->FichierCourant(), "");
    EXPECT_EQ(main_->windowTitle(), "Tramonta");
    ASSERT_EQ(main_->Exercice().Agenda().Count(), 1);
    EXPECT_EQ(main_->Exercice().Agenda().Ligne(0)->Texte(), "Création");
    EXPECT_TRUE(main_->RecentFileList().RecentList().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Saisies, OuvertureProtegee,
                         ::testing::Values(CasMotPasse{"exact", "surf", true},
                                           CasMotPasse{"faux", "surd", false},
                                           CasMotPasse{"majuscules", "SURF", false},
                                           CasMotPasse{"vide", "", false},
                                           CasMotPasse{"annule", nullptr, false}),
                         [](const auto& i) { return std::string(i.param.nom); });

// Types a text that may hold letters outside Latin-1, which come as the
// keyboard sends them: a key event that carries the character.
void TaperLettres(QDialog& d, const char* nom, const QString& texte) {
    auto* e = d.findChild<QLineEdit*>(nom);
    ASSERT_NE(e, nullptr) << nom;
    e->setFocus();
    e->selectAll();
    for (QChar c : texte)
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A letter that Windows-1252 cannot hold ("Ż") is kept in the file as "?": the
// password typed as it was set must still open the document and let it be
// changed.
TEST_F(Dialogues, UnMotDePasseHorsWindows1252OuvreEtSeChange) {
    const QString f = Chemin("protege.trm");
    CreerDocument(f, "Protégé", "Żagiel");
    ScriptDialogues dialogues;
    dialogues.Puis([](QDialog& d) {
        TaperLettres(d, "EditMotPasse", "Żagiel");
        Cliquer(d, "BoutonOk");
    });
    main_->OuvrirExercice(f);
    EXPECT_TRUE(messages_.Affiches().empty());
    EXPECT_EQ(main_->Exercice().Intitule(), "Protégé");

    dialogues.Puis([](QDialog& d) {
        TaperLettres(d, "EditAncienMotPasse", "Żagiel");
        EXPECT_TRUE(d.findChild<QAbstractButton*>("BoutonOk")->isEnabled());
        EXPECT_TRUE(d.findChild<QLineEdit*>("EditNouveauMotPasse")->isEnabled());
        Taper(d, "EditNouveauMotPasse", "houle");
        Taper(d, "EditVerifMotPasse", "houle");
        Cliquer(d, "BoutonOk");
    });
    Declencher("MenuProtection");
    EXPECT_EQ(main_->Exercice().MotPasse(), TExercice::CoderMotPasse("houle"));
    main_->Exercice().Clear();
}

// --- Setting the password -------------------------------------------------------

TEST_F(Dialogues, ProtegerUnDocumentLibre) {
    ScriptDialogues dialogues;
    dialogues.Puis([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Protection du document");
        for (const char* e : {"EditAncienMotPasse", "EditNouveauMotPasse", "EditVerifMotPasse"}) {
            auto* edit = d.findChild<QLineEdit*>(e);
            EXPECT_TRUE(edit->isEnabled()) << e;
            EXPECT_EQ(edit->maxLength(), 20) << e;
            EXPECT_EQ(edit->echoMode(), QLineEdit::Password) << e;
        }
        EXPECT_TRUE(d.findChild<QAbstractButton*>("BoutonOk")->isEnabled());
        Taper(d, "EditNouveauMotPasse", "vague");
        Taper(d, "EditVerifMotPasse", "vague");
        Cliquer(d, "BoutonOk");
    });
    Declencher("MenuProtection");
    EXPECT_EQ(main_->Exercice().MotPasse(), TExercice::CoderMotPasse("vague"));
    EXPECT_TRUE(main_->Exercice().IsModified());
    ASSERT_EQ(Textes(),
              std::vector<std::string>{"Le nouveau mot de passe sera pris en compte dès la prochaine "
                                       "sauvegarde de l'exercice."});
    EXPECT_EQ(messages_.Affiches()[0].titre, "Informations");
    EXPECT_EQ(messages_.Affiches()[0].drapeaux, MB_OK | MB_ICONINFORMATION);
    main_->Exercice().Clear();
}

TEST_F(Dialogues, ChangerUnMotDePasseDemandeLAncienEtUneVerificationConcordante) {
    main_->Exercice().SetMotPasse(TExercice::CoderMotPasse("surf"));
    main_->Exercice().Modified = false;
    ScriptDialogues dialogues;
    dialogues.Puis([this](QDialog& d) {
        auto* ok = d.findChild<QAbstractButton*>("BoutonOk");
        auto* nouveau = d.findChild<QLineEdit*>("EditNouveauMotPasse");
        struct Etape {
            const char* ancien;
            bool active;
        };
        for (const Etape& e :
             {Etape{"", false}, Etape{"sur", false}, Etape{"SURF", false}, Etape{"surf", true}}) {
            Taper(d, "EditAncienMotPasse", e.ancien);
            EXPECT_EQ(ok->isEnabled(), e.active) << e.ancien;
            EXPECT_EQ(nouveau->isEnabled(), e.active) << e.ancien;
        }
        Taper(d, "EditNouveauMotPasse", "houle");
        Taper(d, "EditVerifMotPasse", "houla");
        Cliquer(d, "BoutonOk");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Textes(),
                  std::vector<std::string>{"Le nouveau mot de passe et la vérification ne concordent "
                                           "pas !"});
        EXPECT_EQ(nouveau->text(), "houle"); // the texts stay
        Taper(d, "EditVerifMotPasse", "houle");
        Cliquer(d, "BoutonOk");
    });
    Declencher("MenuProtection");
    EXPECT_EQ(main_->Exercice().MotPasse(), TExercice::CoderMotPasse("houle"));
    main_->Exercice().Clear();
}

TEST_F(Dialogues, EnleverLeMotDePasseOuAnnulerRienNeChange) {
    main_->Exercice().SetMotPasse(TExercice::CoderMotPasse("surf"));
    ScriptDialogues dialogues;
    dialogues.Puis([](QDialog& d) {
        Taper(d, "EditAncienMotPasse", "surf");
        Taper(d, "EditNouveauMotPasse", "autre");
        Cliquer(d, "BoutonAnnuler");
    });
    dialogues.Puis([](QDialog& d) {
        // A new showing starts with empty edits.
        EXPECT_TRUE(d.findChild<QLineEdit*>("EditAncienMotPasse")->text().isEmpty());
        EXPECT_FALSE(d.findChild<QAbstractButton*>("BoutonOk")->isEnabled());
        Taper(d, "EditAncienMotPasse", "surf");
        Cliquer(d, "BoutonOk");
    });
    Declencher("MenuProtection");
    EXPECT_EQ(main_->Exercice().MotPasse(), TExercice::CoderMotPasse("surf"));
    EXPECT_TRUE(messages_.Affiches().empty());
    Declencher("MenuProtection");
    EXPECT_EQ(main_->Exercice().MotPasse(), "");
    main_->Exercice().Clear();
}

// --- Import -----------------------------------------------------------------------

void Remplir(TExercice& e) {
    e.SetIntitule("Saison");
    e.AjouterSpecialite("Surf");
    e.AjouterSpecialite("Voile");
    for (const char* article : {"601", "602"}) {
        auto c = std::make_unique<TCompte>(&e.Comptabilite());
        c->SetArticle(article);
        e.Comptabilite().AjouterCompteCharge(std::move(c));
    }
    auto p = std::make_unique<TCompte>(&e.Comptabilite());
    p->SetArticle("706");
    e.Comptabilite().AjouterCompteProduit(std::move(p));
    for (const auto& [nom, prenom] : {std::pair{"DUPONT", "Jean"}, std::pair{"MARTIN", "Léa"}}) {
        auto a = std::make_unique<TAdherent>(&e.Adherents());
        a->SetNom(nom);
        a->SetPrenom(prenom);
        e.Adherents().Add(std::move(a));
    }
    auto c = std::make_unique<TCorrespondant>(&e.Correspondants());
    c->SetNom("Mairie");
    e.Correspondants().Add(std::move(c));
    auto compet = std::make_unique<TCompet>(&e.Compets());
    compet->SetIntitule("Open de printemps");
    e.Compets().Add(std::move(compet));
}

const char* const kCasesImport[] = {"CheckInfosGenerales", "CheckAdherents",      "CheckCorrespondants",
                                    "CheckComptesCharge",  "CheckComptesProduit", "CheckCompetitions"};

TEST_F(Dialogues, ImporterUneCopieDuDocumentOuvertRapporteChaqueDoublonDansLOrdre) {
    const QString f = Chemin("saison.trm");
    {
        TExercice e;
        Remplir(e);
        ASSERT_TRUE(e.SaveToFile(f.toStdString()));
    }
    main_->OuvrirExercice(f);
    ScriptDialogues dialogues;
    QStringList rapport;
    dialogues.Puis([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Import d'un fichier Tramonta");
        Taper(d, "EditSource", f);
        for (const char* c : kCasesImport)
            Cliquer(d, c);
        EXPECT_TRUE(d.findChild<QCheckBox*>("CheckEcritures")->isEnabled());
        Cliquer(d, "BoutonImporter");
        rapport = d.findChild<QPlainTextEdit*>("MemoResultat")->toPlainText().split('\n');
        Cliquer(d, "BoutonFermer");
    });
    Declencher("MenuImporterFichierTramonta");
    EXPECT_EQ(
        rapport,
        (QStringList{"Impossible d'importer le compte charge \"601\" ! Ce compte existe déjà.",
                     "Impossible d'importer le compte charge \"602\" ! Ce compte existe déjà.",
                     "Impossible d'importer le compte produit \"706\" ! Ce compte existe déjà.",
                     "Impossible d'importer la spécialité \"Surf\" ! Cette spécialité existe déjà.",
                     "Impossible d'importer la spécialité \"Voile\" ! Cette spécialité existe déjà.",
                     "Impossible d'importer l'adhérent \"DUPONT Jean\" ! Cet adhérent existe déjà.",
                     "Impossible d'importer l'adhérent \"MARTIN Léa\" ! Cet adhérent existe déjà.",
                     "Impossible d'importer le correspondant \"Mairie\" ! Ce correspondant existe déjà.",
                     "Impossible d'importer la compétition \"Open de printemps\" ! Cette compétition existe "
                     "déjà.",
                     "Import terminé !"}));
    EXPECT_EQ(main_->Exercice().Adherents().Count(), 2);
    EXPECT_EQ(main_->Exercice().NbSpecialites(), 2);
    EXPECT_FALSE(main_->Exercice().IsModified());
}

TEST_F(Dialogues, ImporterAjouteCeQuiManqueEtSeulLImportFaitRendOk) {
    const QString f = Chemin("autre.trm");
    {
        TExercice e;
        Remplir(e);
        ASSERT_TRUE(e.SaveToFile(f.toStdString()));
    }
    TFicheImports& fiche = main_->FicheImports();
    ScriptDialogues dialogues;
    dialogues.Puis([&](QDialog& d) { Cliquer(d, "BoutonFermer"); });
    EXPECT_EQ(fiche.Executer(main_->Exercice()), QDialog::Rejected);
    dialogues.Puis([&](QDialog& d) {
        Taper(d, "EditSource", f);
        Cliquer(d, "CheckAdherents");
        Cliquer(d, "BoutonImporter");
        EXPECT_EQ(d.findChild<QPlainTextEdit*>("MemoResultat")->toPlainText(), "Import terminé !");
        // Escape after an import ends like "Fermer": the pages must be redisplayed.
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_EQ(fiche.Executer(main_->Exercice()), QDialog::Accepted);
    EXPECT_EQ(main_->Exercice().Adherents().Count(), 2);
    EXPECT_EQ(main_->Exercice().Correspondants().Count(), 0);
    main_->Exercice().Clear();
}

TEST_F(Dialogues, UnImportImpossibleOuRefuseNeToucheARien) {
    const QString protege = Chemin("protege.trm");
    {
        TExercice e;
        Remplir(e);
        e.SetMotPasse(TExercice::CoderMotPasse("surf"));
        ASSERT_TRUE(e.SaveToFile(protege.toStdString()));
    }
    ScriptDialogues dialogues;
    dialogues.Puis([&](QDialog& d) {
        auto* memo = d.findChild<QPlainTextEdit*>("MemoResultat");
        Taper(d, "EditSource", Chemin("absent.trm"));
        Cliquer(d, "CheckAdherents");
        Cliquer(d, "BoutonImporter");
        EXPECT_EQ(memo->toPlainText(), "Import impossible !");
        Taper(d, "EditSource", protege);
        Cliquer(d, "BoutonImporter"); // asks the password: the next action answers
        EXPECT_EQ(memo->toPlainText(), "");
        Cliquer(d, "BoutonFermer");
    });
    dialogues.Puis([](QDialog& d) {
        EXPECT_EQ(d.objectName(), "FicheProtection");
        Taper(d, "EditMotPasse", "SURF");
        Cliquer(d, "BoutonOk");
    });
    Declencher("MenuImporterFichierTramonta");
    EXPECT_EQ(Textes(), (std::vector<std::string>{"Fichier inexistant !", "Mot de passe incorrect !"}));
    EXPECT_EQ(main_->Exercice().Adherents().Count(), 0);
    EXPECT_FALSE(main_->Exercice().IsModified());
}

TEST_F(Dialogues, LesEcrituresNeSActiventQuAvecUnCompte) {
    ScriptDialogues dialogues;
    dialogues.Puis([](QDialog& d) {
        auto* ecritures = d.findChild<QCheckBox*>("CheckEcritures");
        struct Etape {
            const char* caseCliquee;
            bool active;
        };
        EXPECT_FALSE(ecritures->isEnabled());
        for (const Etape& e : {Etape{"CheckAdherents", false}, Etape{"CheckComptesCharge", true},
                               Etape{"CheckComptesProduit", true}, Etape{"CheckComptesCharge", true},
                               Etape{"CheckComptesProduit", false}}) {
            Cliquer(d, e.caseCliquee);
            EXPECT_EQ(ecritures->isEnabled(), e.active) << e.caseCliquee;
        }
        Cliquer(d, "CheckComptesCharge");
        Cliquer(d, "CheckEcritures");
        Cliquer(d, "BoutonFermer");
    });
    dialogues.Puis([](QDialog& d) {
        // A new showing: boxes unticked, the option kept but disabled.
        for (const char* c : kCasesImport)
            EXPECT_FALSE(d.findChild<QCheckBox*>(c)->isChecked()) << c;
        EXPECT_TRUE(d.findChild<QCheckBox*>("CheckEcritures")->isChecked());
        EXPECT_FALSE(d.findChild<QCheckBox*>("CheckEcritures")->isEnabled());
        Cliquer(d, "BoutonFermer");
    });
    Declencher("MenuImporterFichierTramonta");
    Declencher("MenuImporterFichierTramonta");
}

// --- Preferences ----------------------------------------------------------------

struct CasLogo {
    int largeur, hauteur;
    int apercuL, apercuH;
    const char* ratio;
};

class ApercuLogo : public Dialogues, public ::testing::WithParamInterface<CasLogo> {};

TEST_P(ApercuLogo, LeLogoTientDansCentPixelsEnGardantSesProportions) {
    const CasLogo& c = GetParam();
    const QString logo = Chemin("logo.bmp");
    QImage image(c.largeur, c.hauteur, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(logo));
    fichiers_.Repondre(logo);
    ScriptDialogues dialogues;
    dialogues.Puis([&](QDialog& d) {
        auto* apercu = d.findChild<QLabel*>("ImageLogo");
        auto* ratio = d.findChild<QLabel*>("LabelRatio");
        EXPECT_FALSE(apercu->isVisible());
        Cliquer(d, "BoutonChangerLogo");
        EXPECT_EQ(d.findChild<QLineEdit*>("EditFichierLogo")->text(), logo);
        EXPECT_TRUE(apercu->isVisible());
        EXPECT_EQ(apercu->size(), QSize(c.apercuL, c.apercuH));
        EXPECT_EQ(ratio->text(), QString("Ratio : ") + c.ratio);
        d.reject(); // the logo is taken however the dialog closes
    });
    Declencher("MenuPreferences");
    EXPECT_EQ(Preferences().FichierLogo, logo.toStdString());
    Preferences().FichierLogo.clear();
}

INSTANTIATE_TEST_SUITE_P(Tailles, ApercuLogo,
                         ::testing::Values(CasLogo{200, 50, 100, 25, "0.50"},
                                           CasLogo{40, 20, 100, 50, "2.50"}, CasLogo{8, 3, 100, 38, "12.50"},
                                           CasLogo{8, 1, 100, 12, "12.50"},
                                           CasLogo{100, 100, 100, 100, "1.00"}),
                         [](const auto& i) {
                             return std::to_string(i.param.largeur) + "x" + std::to_string(i.param.hauteur);
                         });

TEST_F(Dialogues, LesCouleursEtLeDemiA4NePassentQueParFermer) {
    const TPreferences avant = Preferences();
    ScriptDialogues dialogues;
    for (bool fermer : {false, true})
        dialogues.Puis([fermer](QDialog& d) {
            Taper(d, "EditCouleurLycra1", "VERT");
            Taper(d, "EditCouleurLycra5", "ORANGE");
            Cliquer(d, "CheckPrintSerieDemiA4");
            if (fermer)
                Cliquer(d, "BoutonOk");
            else
                QTest::keyClick(&d, Qt::Key_Escape);
        });
    Declencher("MenuPreferences");
    EXPECT_EQ(Preferences(), avant);
    Declencher("MenuPreferences");
    EXPECT_EQ(Preferences().CouleursLycra[1], "VERT");
    EXPECT_EQ(Preferences().CouleursLycra[2], "BLANC");
    EXPECT_EQ(Preferences().CouleursLycra[5], "ORANGE");
    EXPECT_EQ(Preferences().SeriesDemiA4, !avant.SeriesDemiA4);
    Preferences() = avant;
}

TEST_F(Dialogues, EffacerLeLogoCacheLApercu) {
    const QString logo = Chemin("logo.png");
    QImage(10, 10, QImage::Format_RGB32).save(logo);
    Preferences().FichierLogo = logo.toStdString();
    ScriptDialogues dialogues;
    dialogues.Puis([&](QDialog& d) {
        EXPECT_TRUE(d.findChild<QLabel*>("ImageLogo")->isVisible());
        Cliquer(d, "BoutonEffacerLogo");
        EXPECT_FALSE(d.findChild<QLabel*>("ImageLogo")->isVisible());
        EXPECT_FALSE(d.findChild<QLabel*>("LabelRatio")->isVisible());
        EXPECT_TRUE(d.findChild<QLineEdit*>("EditFichierLogo")->text().isEmpty());
        Cliquer(d, "BoutonOk");
    });
    Declencher("MenuPreferences");
    EXPECT_EQ(Preferences().FichierLogo, "");
}

// --- Weather charts -------------------------------------------------------------

TEST_F(Dialogues, ChaqueRegionEtChaqueHorizonDonnentLeurAdresse) {
    const char* regions[] = {"natl", "satl", "indo", "npac", "spac", "glbl"};
    const char* heures[] = {"000", "012", "024", "036", "048", "060", "072",
                            "084", "096", "108", "120", "132", "144", nullptr};
    Preferences().ServeurCartes = "cartes.exemple.org";
    std::vector<QUrl> ouvertes;
    const OuvreurAdresses ancien = DefinirOuvreurAdresses([&](const QUrl& u) {
        ouvertes.push_back(u);
        return true;
    });
    ScriptDialogues dialogues;
    std::vector<QString> attendues;
    dialogues.Puis([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Cartes météo sur Internet...");
        for (int r = 0; r < 6; ++r)
            for (int h = 0; h < 14; ++h) {
                Cliquer(d, QStringLiteral("RadioGroupSituation%1").arg(r).toLatin1().constData());
                Cliquer(d, QStringLiteral("RadioGroupPrevisions%1").arg(h).toLatin1().constData());
                Cliquer(d, "BoutonRecupererCarte");
                attendues.push_back(QString("http://cartes.exemple.org/wam/") +
                                    (heures[h] ? QString("gifs/%1_swht_%2.gif").arg(regions[r], heures[h])
                                               : QString("all_%1.html").arg(regions[r])));
            }
        Cliquer(d, "BoutonOk");
    });
    Declencher("MenuCartesMeteo");
    DefinirOuvreurAdresses(ancien);
    ASSERT_EQ(ouvertes.size(), attendues.size());
    for (std::size_t i = 0; i < attendues.size(); ++i)
        EXPECT_EQ(ouvertes[i].toString(), attendues[i]);
    Preferences() = TPreferences();
}

TEST_F(Dialogues, LesChoixDesCartesRestentDUneFoisALAutre) {
    std::vector<QUrl> ouvertes;
    const OuvreurAdresses ancien = DefinirOuvreurAdresses([&](const QUrl& u) {
        ouvertes.push_back(u);
        return true;
    });
    ScriptDialogues dialogues;
    dialogues.Puis([](QDialog& d) {
        Cliquer(d, "BoutonRecupererCarte"); // the first showing: north Atlantic, now
        Cliquer(d, "RadioGroupSituation4");
        Cliquer(d, "RadioGroupPrevisions13");
        Cliquer(d, "BoutonOk");
    });
    dialogues.Puis([](QDialog& d) {
        EXPECT_TRUE(d.findChild<QRadioButton*>("RadioGroupSituation4")->isChecked());
        EXPECT_TRUE(d.findChild<QRadioButton*>("RadioGroupPrevisions13")->isChecked());
        Cliquer(d, "BoutonRecupererCarte");
        Cliquer(d, "BoutonOk");
    });
    Declencher("MenuCartesMeteo");
    Declencher("MenuCartesMeteo");
    DefinirOuvreurAdresses(ancien);
    ASSERT_EQ(ouvertes.size(), 2u);
    const QString base = QString("http://") + kServeurCartesParDefaut + "/wam/";
    EXPECT_EQ(ouvertes[0].toString(), base + "gifs/natl_swht_000.gif");
    EXPECT_EQ(ouvertes[1].toString(), base + "all_spac.html");
}

// --- The real message box ------------------------------------------------------

struct CasBouton {
    const char* texte;
    int reponse;
};

class BoiteMessageFrancaise : public ::testing::TestWithParam<CasBouton> {};

TEST_P(BoiteMessageFrancaise, LesBoutonsStandardSontEnFrancais) {
    InstallerBoiteMessageQt();
    ScriptDialogues dialogues;
    QStringList boutons;
    dialogues.Puis([&](QDialog& d) {
        auto& boite = static_cast<QMessageBox&>(d);
        EXPECT_EQ(boite.windowTitle(), "Question");
        EXPECT_EQ(boite.text(), "Voulez-vous sauver l'exercice en cours ?");
        EXPECT_EQ(boite.icon(), QMessageBox::Question);
        for (QAbstractButton* b : boite.buttons())
            boutons << b->text().remove('&');
        for (QAbstractButton* b : boite.buttons())
            if (b->text().remove('&') == GetParam().texte) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
    });
    EXPECT_EQ(MessageBoxTexte("Voulez-vous sauver l'exercice en cours ?", "Question",
                              MB_YESNOCANCEL | MB_ICONQUESTION),
              GetParam().reponse);
    boutons.sort();
    EXPECT_EQ(boutons, (QStringList{"Annuler", "Non", "Oui"}));
}

INSTANTIATE_TEST_SUITE_P(Boutons, BoiteMessageFrancaise,
                         ::testing::Values(CasBouton{"Oui", IDYES}, CasBouton{"Non", IDNO},
                                           CasBouton{"Annuler", IDCANCEL}),
                         [](const auto& i) { return std::string(i.param.texte); });

} // namespace
} // namespace tramonta
