// SPDX-License-Identifier: GPL-3.0-or-later
// "Nouvel exercice à partir de celui-ci…": the save question, the dialog and
// the new season brought into the main window.
#include "outils_shell.h"

#include "core/messages.h"
#include "ui/communs/sous_vue.h"
#include "ui/fenetre/main_fenetre.h"
#include "ui/fichier/fiche_nouvelle_saison.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>

#include <memory>

namespace tramonta {
namespace {

using test::ScriptDialogues;

// A closing season: two members (the first with a certificate and a posted
// licence), a charge and a produit account with one line each, a competition.
void CreerSaison(const QString& chemin) {
    TExercice e;
    e.SetIntitule("Saison 2026");
    TComptabilite& c = e.Comptabilite();
    for (const char* article : {"606", "706"}) {
        auto compte = std::make_unique<TCompte>(&c);
        compte->SetArticle(article);
        compte->SetIntitule(article[0] == '6' ? "Achats" : "Licences");
        auto ligne = std::make_unique<TLigneEcriture>(compte.get());
        ligne->SetLibelle("Ligne");
        ligne->SetMontant(article[0] == '6' ? 300 : 250.5); // a deficit of 49.50
        compte->AjouterLigne(std::move(ligne));
        if (article[0] == '6')
            c.AjouterCompteCharge(std::move(compte));
        else
            c.AjouterCompteProduit(std::move(compte));
    }
    for (const char* nom : {"DUPONT", "MARTIN"}) {
        auto a = std::make_unique<TAdherent>(&e.Adherents());
        a->SetNom(nom);
        a->SetCertificatMedical(true);
        a->SetMontantLicence(40);
        e.Adherents().Add(std::move(a));
    }
    auto compet = std::make_unique<TCompet>(&e.Compets());
    compet->SetIntitule("Coupe");
    e.Compets().Add(std::move(compet));
    ASSERT_TRUE(e.SaveToFile(chemin.toStdString()));
}

QByteArray Octets(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class NouvelleSaisonFenetre : public test::TestFenetre {
  protected:
    void SetUp() override {
        test::TestFenetre::SetUp();
        ancien_ = Chemin("ancien.trm");
        CreerSaison(ancien_);
        octets_ = Octets(ancien_);
        main_ = std::make_unique<TMain>(QStringList{ancien_});
        main_->show();
        QApplication::setActiveWindow(main_.get());
    }
    void Declencher() {
        auto* a = main_->findChild<QAction*>("MenuNouvelExerciceAPartir");
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), "Nouvel exercice à &partir de celui-ci…");
        a->trigger();
    }
    // The old season is still the open one, untouched.
    void AttendreAncienneSaison(bool modifie) {
        TExercice& e = main_->Exercice();
        EXPECT_EQ(e.Intitule(), modifie ? "Saison 2026 modifiée" : "Saison 2026");
        EXPECT_EQ(e.IsModified(), modifie);
        EXPECT_EQ(e.Compets().Count(), 1);
        EXPECT_TRUE(e.Adherents().Adherent(0)->CertificatMedical());
        EXPECT_EQ(e.Comptabilite().GetCompteCharge(0)->NbLignes(), 1);
        EXPECT_EQ(main_->FichierCourant(), ancien_);
        EXPECT_EQ(main_->windowTitle(), "Tramonta - " + ancien_);
        EXPECT_EQ(Octets(ancien_), octets_);
    }
    QString ancien_;
    QByteArray octets_;
    std::unique_ptr<TMain> main_;
};

TEST_F(NouvelleSaisonFenetre, LeDialogueMontreCeQuiEstReprisEtAnnulerNeChangeRien) {
    ScriptDialogues dialogues;
    dialogues.Puis([](QDialog& d) {
        EXPECT_EQ(d.objectName(), "FicheNouvelleSaison");
        EXPECT_EQ(d.windowTitle(), "Nouvel exercice à partir de celui-ci");
        EXPECT_EQ(d.findChild<QLineEdit*>("EditIntitule")->text(), "Saison 2027");
        auto* report = d.findChild<QCheckBox*>("CheckReport");
        EXPECT_FALSE(report->isChecked());
        EXPECT_TRUE(report->isEnabled());
        EXPECT_EQ(report->text(), "&Reporter le résultat de l'exercice (DEFICIT DE CLOTURE : 49.50)");
        auto* combo = d.findChild<QComboBox*>("ComboCompteReport");
        EXPECT_FALSE(combo->isEnabled());
        ASSERT_EQ(combo->count(), 2);
        EXPECT_EQ(combo->itemText(0), "706 - Licences (produit)");
        EXPECT_EQ(combo->itemText(1), "606 - Achats (charge)");
        test::Cliquer(d, "CheckReport");
        EXPECT_TRUE(combo->isEnabled());
        const QString repris = d.findChild<QLabel*>("LabelRepris")->text();
        const QString nonRepris = d.findChild<QLabel*>("LabelNonRepris")->text();
        EXPECT_TRUE(repris.contains("Les adhérents (2)")) << repris.toStdString();
        EXPECT_TRUE(repris.contains("Les comptes (2)")) << repris.toStdString();
        EXPECT_TRUE(nonRepris.contains("Les compétitions (1)")) << nonRepris.toStdString();
        EXPECT_TRUE(nonRepris.contains("Les écritures des comptes (2)")) << nonRepris.toStdString();
        test::Taper(d, "EditIntitule", "Autre titre");
        test::Cliquer(d, "BoutonAnnuler");
    });
    Declencher();
    EXPECT_TRUE(messages_.Affiches().empty()); // nothing to save: no question
    AttendreAncienneSaison(false);
}

TEST_F(NouvelleSaisonFenetre, AnnulerLaQuestionNOuvrePasLeDialogue) {
    main_->Exercice().SetIntitule("Saison 2026 modifiée");
    messages_.Repondre(IDCANCEL);
    bool montre = false;
    QTimer::singleShot(0, main_.get(), [&montre] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            montre = true;
            d->reject();
        }
    });
    Declencher();
    QCoreApplication::processEvents();
    EXPECT_FALSE(montre);
    EXPECT_EQ(test::TestFenetre::Textes(),
              std::vector<std::string>{"Voulez-vous sauver l'exercice en cours ?"});
    AttendreAncienneSaison(true);
}

TEST_F(NouvelleSaisonFenetre, OkOuvreLaSaisonSuivanteJamaisSauvee) {
    main_->Exercice().SetIntitule("Saison 2026 modifiée");
    messages_.Repondre(IDYES); // the old season is saved first
    ScriptDialogues dialogues;
    dialogues.Puis([](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("EditIntitule")->text(),
                  "Saison 2027 modifiée"); // the title just saved
        // Typed keys are ASCII only in QTest.
        d.findChild<QLineEdit*>("EditIntitule")->setText("Été 2027");
        test::Cliquer(d, "CheckReport");
        auto* combo = d.findChild<QComboBox*>("ComboCompteReport");
        combo->setCurrentIndex(combo->findData("606"));
        test::Cliquer(d, "BoutonOk");
    });
    Declencher();
    EXPECT_EQ(test::IntituleDe(ancien_), "Saison 2026 modifiée");

    TExercice& e = main_->Exercice();
    EXPECT_EQ(e.Intitule(), "Été 2027");
    EXPECT_TRUE(e.IsModified());
    EXPECT_EQ(main_->FichierCourant(), QString());
    EXPECT_EQ(main_->windowTitle(), "Tramonta");
    EXPECT_EQ(main_->PageCourante(), 0);
    EXPECT_EQ(e.Compets().Count(), 0);
    ASSERT_EQ(e.Adherents().Count(), 2);
    EXPECT_FALSE(e.Adherents().Adherent(1)->CertificatMedical());
    EXPECT_EQ(e.Adherents().Adherent(1)->MontantLicence(), 0.0);
    // A deficit of 49.50 carried into a charge account is a charge of 49.50.
    const TCompte& achats = *e.Comptabilite().GetCompteCharge(0);
    ASSERT_EQ(achats.NbLignes(), 1);
    EXPECT_EQ(achats.GetLigne(0)->Libelle(), "Report de l'exercice précédent");
    EXPECT_EQ(achats.GetLigne(0)->Montant(), 49.5);
    EXPECT_EQ(achats.GetLigne(0)->Date(), Aujourdhui());
    EXPECT_EQ(e.Comptabilite().GetCompteProduit(0)->NbLignes(), 0);
    ASSERT_EQ(e.Agenda().Count(), 2);
    EXPECT_EQ(e.Agenda().Ligne(1)->Texte(), "Reprise de l'exercice \"Saison 2026 modifiée\"");
    auto* intitule = main_->Page(0)->findChild<QLineEdit*>("EditIntitule");
    ASSERT_NE(intitule, nullptr);
    EXPECT_EQ(intitule->text(), "Été 2027");

    // The first save asks for a file name; the old file stays as it was saved.
    const QByteArray ancien = Octets(ancien_);
    fichiers_.Repondre(Chemin("nouveau.trm"));
    main_->findChild<QAction*>("MenuSauverExercice1")->trigger();
    EXPECT_EQ(fichiers_.Demandes().size(), 1u);
    EXPECT_EQ(test::IntituleDe(Chemin("nouveau.trm")), "Été 2027");
    EXPECT_EQ(main_->windowTitle(), "Tramonta - " + Chemin("nouveau.trm"));
    EXPECT_EQ(Octets(ancien_), ancien);
}

} // namespace
} // namespace tramonta
