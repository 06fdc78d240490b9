// SPDX-License-Identifier: GPL-3.0-or-later
// The accounting previews opened from the main window's menu, their dialogs,
// and printing them (to a PDF file: the tests' print system has no printer).
#include "outils_shell.h"

#include "core/dates.h"
#include "model/exercice.h"
#include "platform/canevas_qt.h"
#include "platform/preferences.h"
#include "ui/communs/fiche_print_progress.h"
#include "ui/compta/fiche_impression_compta.h"
#include "ui/compta/fiches_edition_compta.h"
#include "ui/fenetre/main_fenetre.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace tramonta {
namespace {

using test::ScriptDialogues;

class ImpressionCompta : public test::TestFenetre {
  protected:
    void SetUp() override {
        test::TestFenetre::SetUp();
        m = std::make_unique<TMain>();
        m->show();
        TComptabilite& c = m->Exercice().Comptabilite();
        for (int i = 0; i < 39; ++i)
            AjouterCompte(true, std::to_string(600 + i), "Charge " + std::to_string(i), 10);
        AjouterCompte(false, "706", "Licences", 45);
        AjouterCompte(false, "708", "", 20);
        c.SetTitulaireCompte("Surf Club");
    }
    void AjouterCompte(bool charge, const std::string& article, const std::string& intitule, double montant) {
        TComptabilite& c = m->Exercice().Comptabilite();
        auto compte = std::make_unique<TCompte>(&c);
        compte->SetArticle(article);
        compte->SetIntitule(intitule);
        auto l = std::make_unique<TLigneEcriture>(compte.get());
        l->SetLibelle("Ligne " + article);
        l->SetDate(EncodeDate(2026, 1, 15));
        l->SetMontant(montant);
        compte->AjouterLigne(std::move(l));
        if (charge)
            c.AjouterCompteCharge(std::move(compte));
        else
            c.AjouterCompteProduit(std::move(compte));
    }
    void Declencher(const char* action) {
        auto* a = m->findChild<QAction*>(action);
        ASSERT_NE(a, nullptr) << action;
        EXPECT_TRUE(a->isEnabled()) << action;
        a->trigger();
    }
    std::string DerniereLigneJournal() const {
        const TAgenda& a = m->Exercice().Agenda();
        return a.Ligne(a.Count() - 1)->Texte();
    }
    std::unique_ptr<TMain> m;
};

TEST_F(ImpressionCompta, LeBilanSOuvreSurSesDeuxPagesEtSImprime) {
    const QString pdf = Chemin("bilan.pdf");
    fichiers_.Repondre(pdf);
    ScriptDialogues dialogues;
    dialogues.Puis([&](QDialog& d) {
        auto& f = static_cast<TFicheImpressionCompta&>(d);
        EXPECT_EQ(f.windowTitle(), "Impression comptabilité...");
        EXPECT_EQ(test::Controle<QToolButton>(f, "BoutonPrintSetup")->toolTip(),
                  "Configuration de l'imprimante...");
        EXPECT_EQ(test::Controle<QToolButton>(f, "BoutonPrint")->accessibleName(), "Imprimer");
        EXPECT_EQ(test::Controle<TApercu>(f, "PaintBox")->NbPages(), 2);
        QScrollBar* v = test::Controle<TApercu>(f, "PaintBox")->verticalScrollBar();
        EXPECT_EQ(v->value(), 0);
        EXPECT_EQ(v->maximum() + test::Controle<TApercu>(f, "PaintBox")->viewport()->height(),
                  UnitesVersPixels(2 * 2970));
        test::Cliquer(f, "BoutonPrint");
        f.reject();
    });
    Declencher("MenuBilanComptable");
    ASSERT_EQ(dialogues.Vus().size(), 1u);
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
    ASSERT_EQ(fichiers_.Demandes().size(), 1u);
    EXPECT_EQ(fichiers_.Demandes()[0].suffixe, "pdf");
    EXPECT_EQ(DerniereLigneJournal(), "Impression du bilan comptable");
    EXPECT_FALSE(m->FichePrintProgress().isVisible());
    // Nothing of the ledger stays in the hidden window.
    TCanevasEnregistreur vide;
    m->FicheImpressionCompta().Dessiner(vide, false);
    EXPECT_TRUE(vide.Primitives().empty());
}

TEST_F(ImpressionCompta, RenoncerAuFichierPdfNImprimeRien) {
    const int lignes = m->Exercice().Agenda().Count();
    ScriptDialogues dialogues;
    dialogues.Puis([&](QDialog& d) {
        test::Cliquer(d, "BoutonPrint");
        d.reject();
    });
    Declencher("MenuBilanComptable");
    EXPECT_EQ(m->Exercice().Agenda().Count(), lignes);
}

TEST_F(ImpressionCompta, LesMouvementsSeChoisissentDansLeurDialogue) {
    fichiers_.Repondre(Chemin("m.pdf"));
    ScriptDialogues dialogues;
    dialogues.Puis([&](QDialog& d) {
        auto& f = static_cast<TFicheMouvementsCompta&>(d);
        EXPECT_EQ(f.windowTitle(), "Mouvements...");
        EXPECT_EQ(test::Controle<QComboBox>(f, "ComboCompte")->count(), 3 + 39 + 2);
        EXPECT_EQ(test::Controle<QComboBox>(f, "ComboCompte")->itemText(0), "Tous les comptes");
        EXPECT_EQ(test::Controle<QComboBox>(f, "ComboCompte")->itemText(3), "600 - Charge 0 (charge)");
        EXPECT_EQ(test::Controle<QComboBox>(f, "ComboCompte")->itemText(43), "708 (produit)");
        EXPECT_EQ(test::Controle<QComboBox>(f, "ComboCompte")->currentIndex(), 0);
        EXPECT_EQ(f.focusWidget(), test::Controle<QLineEdit>(f, "EditDebutMvt"));
        EXPECT_FALSE(test::Controle<QPushButton>(f, "BoutonEdition")->isEnabled());
        test::Taper(f, "EditDebutMvt", "01012026");
        EXPECT_FALSE(test::Controle<QPushButton>(f, "BoutonEdition")->isEnabled());
        test::Taper(f, "EditFinmvt", "31012026");
        EXPECT_TRUE(test::Controle<QPushButton>(f, "BoutonEdition")->isEnabled());
        test::Controle<QComboBox>(f, "ComboCompte")->setCurrentIndex(42);
        test::Cliquer(f, "BoutonEdition");
        // The dialog stays for another report.
        EXPECT_TRUE(f.isVisible());
        test::Cliquer(f, "BoutonFermer");
    });
    dialogues.Puis([&](QDialog& d) {
        auto& f = static_cast<TFicheImpressionCompta&>(d);
        EXPECT_EQ(f.GenreCourant(), TFicheImpressionCompta::Mouvements);
        TCanevasEnregistreur c;
        f.Dessiner(c, false);
        EXPECT_TRUE(c.ChercherTexte("• Mouvements du compte \"706\" entre 01/01/2026 et 31/01/2026"));
        EXPECT_TRUE(c.ChercherTexte("45.00 €"));
        test::Cliquer(f, "BoutonPrint");
        f.reject();
    });
    Declencher("MenuMouvements");
    EXPECT_EQ(DerniereLigneJournal(),
              "Impression des mouvements bancaires du compte 706 entre le 01/01/2026 et le 31/01/2026");
}

TEST_F(ImpressionCompta, LesDepotsProposentLaDateDuJour) {
    ScriptDialogues dialogues;
    dialogues.Puis([&](QDialog& d) {
        auto& f = static_cast<TFicheDepotsBancaires&>(d);
        EXPECT_EQ(f.windowTitle(), "Dépôts bancaires");
        EXPECT_EQ(test::Controle<QLineEdit>(f, "EditDateEdition")->text().toStdString(),
                  DateVersTexte(Aujourdhui()));
        EXPECT_EQ(test::Controle<QComboBox>(f, "ComboCompte")->count(), 3);
        EXPECT_EQ(test::Controle<QComboBox>(f, "ComboCompte")->itemText(1), "706 - Licences");
        EXPECT_EQ(test::Controle<QComboBox>(f, "ComboCompte")->itemText(2), "708");
        test::Taper(f, "EditDebutPeriode", "01012026");
        test::Taper(f, "EditFinPeriode", "31012026");
        EXPECT_TRUE(test::Controle<QPushButton>(f, "BoutonEdition")->isEnabled());
        test::Taper(f, "EditDateEdition", "3");
        EXPECT_FALSE(test::Controle<QPushButton>(f, "BoutonEdition")->isEnabled());
        test::Taper(f, "EditDateEdition", "01022026");
        test::Taper(f, "EditNumeroDepot", "7");
        test::Controle<QComboBox>(f, "ComboCompte")->setCurrentIndex(2);
        test::Cliquer(f, "BoutonEdition");
        test::Cliquer(f, "BoutonFermer");
    });
    dialogues.Puis([&](QDialog& d) {
        auto& f = static_cast<TFicheImpressionCompta&>(d);
        TCanevasEnregistreur c;
        f.Dessiner(c, false);
        EXPECT_TRUE(c.ChercherTexte("Edition du 01/02/2026 n°7"));
        EXPECT_TRUE(c.ChercherTexte("• Ligne 708"));
        EXPECT_FALSE(c.ChercherTexte("• Ligne 706"));
        f.reject();
    });
    Declencher("MenuDepotsBancaires");
    EXPECT_EQ(dialogues.Vus().size(), 2u);
}

TEST_F(ImpressionCompta, LesMouvementsDUnCompteSontSansPeriode) {
    TCompte copie(&m->Exercice().Comptabilite());
    copie.SetArticle("512");
    auto l = std::make_unique<TLigneEcriture>(&copie);
    l->SetLibelle("Sans date");
    l->SetDate(0);
    copie.AjouterLigne(std::move(l));
    ScriptDialogues dialogues;
    dialogues.Puis([&](QDialog& d) {
        TCanevasEnregistreur c;
        static_cast<TFicheImpressionCompta&>(d).Dessiner(c, false);
        EXPECT_TRUE(c.ChercherTexte("• Mouvements du compte \"512\""));
        EXPECT_TRUE(c.ChercherTexte("Sans date"));
        d.reject();
    });
    m->FicheImpressionCompta().MontrerMouvementsCompte(m->Exercice(), copie);
}

TEST_F(ImpressionCompta, LeLogoDuClubSeCentreAuDessusDuTitre) {
    QImage logo(96, 48, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    const QString fichier = Chemin("logo.png");
    ASSERT_TRUE(logo.save(fichier));
    const std::string ancien = Preferences().FichierLogo;
    Preferences().FichierLogo = fichier.toStdString();
    ScriptDialogues dialogues;
    dialogues.Puis([&](QDialog& d) {
        TCanevasEnregistreurQt c;
        static_cast<TFicheImpressionCompta&>(d).Dessiner(c, false);
        ASSERT_FALSE(c.Primitives().empty());
        const TPrimitive& image = c.Primitives().front();
        EXPECT_EQ(image.genre, TPrimitive::Genre::Image);
        const int largeur = PixelsVersUnites(96);
        EXPECT_EQ(image.rect.Left, 150 + (1800 - largeur) / 2);
        EXPECT_EQ(image.rect.Top, -150);
        EXPECT_EQ(c.ChercherTexte("Compte d'exploitation de l'exercice ")->decoupe->Top,
                  -150 - PixelsVersUnites(48) - 100);
        d.reject();
    });
    Declencher("MenuBilanComptable");
    Preferences().FichierLogo = ancien;
}

TEST(FichePrintProgress, AfficheLeStatutEtRetientLAnnulation) {
    TFichePrintProgress f;
    f.Afficher();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.windowTitle(), "Impression en cours...");
    EXPECT_TRUE(test::Controle<QLabel>(f, "LabelStatus")->text().isEmpty());
    f.DefinirBornes(1, 3);
    f.DefinirStatut("Impression bilan (1/3)...");
    f.Avancer();
    EXPECT_EQ(test::Controle<QLabel>(f, "LabelStatus")->text(), "Impression bilan (1/3)...");
    EXPECT_EQ(test::Controle<QProgressBar>(f, "ProgressBar")->value(), 2);
    EXPECT_FALSE(f.Annule());
    QTest::mouseClick(test::Controle<QPushButton>(f, "BoutonAnnuler"), Qt::LeftButton);
    EXPECT_TRUE(f.Annule());
    f.Masquer();
    f.Afficher();
    EXPECT_FALSE(f.Annule());
    f.Masquer();
}

TEST(Apercu, NePeintQueLesPagesEnVue) {
    TApercu apercu;
    apercu.resize(1000, 400);
    // One text at the top of each of 50 pages.
    apercu.DefinirDessin([](TCanevas& c) {
        for (int p = 0; p < 50; ++p)
            c.Texte({150, -p * 2970 - 150}, "Page " + std::to_string(p + 1));
        return 50;
    });
    EXPECT_EQ(apercu.NbPages(), 50);
    apercu.verticalScrollBar()->setValue(UnitesVersPixels(10 * 2970));
    QImage image(1200, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    // A counting canvas is not at hand here: the painted image holds ink
    // only where page 11 starts.
    apercu.Peindre(painter, image.rect());
    painter.end();
    int encre = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 80)
                ++encre;
    EXPECT_GT(encre, 0);
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() / 2),
              apercu.palette().color(QPalette::Dark).rgb());
}

} // namespace
} // namespace tramonta
