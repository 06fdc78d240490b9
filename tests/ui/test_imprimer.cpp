// SPDX-License-Identifier: GPL-3.0-or-later
// Printing from the preview windows through the program's print system,
// here a private one whose printers are the test's: the printer setup
// chooses and prints nothing, a job that the print system does not take is
// said and not journalled, the PDF fallback holds for one job, and the start
// asks the print system nothing.
#include "outils_impression.h"
#include "outils_shell.h"

#include "core/dates.h"
#include "core/messages.h"
#include "model/exercice.h"
#include "ui/communs/fiche_configuration_imprimante.h"
#include "ui/communs/fiche_print_progress.h"
#include "ui/compta/fiche_impression_compta.h"
#include "ui/fenetre/main_fenetre.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace tramonta {
namespace {

using test::Cliquer;
using test::ScriptDialogues;

class Imprimer : public test::TestFenetre {
  protected:
    void SetUp() override {
        test::TestFenetre::SetUp();
        systeme_->imprimantes = {"Bureau", "PDF"};
        systeme_->parDefaut = "Bureau";
        m = std::make_unique<TMain>();
        m->show();
        TComptabilite& c = m->Exercice().Comptabilite();
        auto compte = std::make_unique<TCompte>(&c);
        compte->SetArticle("706");
        compte->SetIntitule("Licences");
        auto l = std::make_unique<TLigneEcriture>(compte.get());
        l->SetLibelle("Licence de MARTIN Paul");
        l->SetDate(EncodeDate(2026, 1, 15));
        l->SetMontant(45);
        compte->AjouterLigne(std::move(l));
        c.AjouterCompteProduit(std::move(compte));
        m->Exercice().SetIntitule("Saison 2026");
    }
    int LignesJournal() const { return m->Exercice().Agenda().Count(); }
    std::string DerniereLigneJournal() const {
        const TAgenda& a = m->Exercice().Agenda();
        return a.Ligne(a.Count() - 1)->Texte();
    }
    // The balance's preview, with `action` run on it.
    void Bilan(std::function<void(TFicheImpressionCompta&)> action) {
        ScriptDialogues d;
        d.Puis([&](QDialog& f) {
            action(static_cast<TFicheImpressionCompta&>(f));
            f.reject();
        });
        m->MenuBilanComptableClick();
    }
    static QString TexteDuPdf(const std::string& pdf) {
        QProcess p;
        p.start("pdftotext", {"-", "-"});
        p.write(pdf.data(), qint64(pdf.size()));
        p.closeWriteChannel();
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    test::SystemeImpressionPrive systeme_;
    std::unique_ptr<TMain> m;
};

TEST_F(Imprimer, LeDemarrageNeDemandeRienAuSystemeDImpression) {
    // Made at start-up, they would have asked for printers: they are made
    // when first used.
    EXPECT_EQ(m->findChild<TFicheApercu*>(), nullptr);
    EXPECT_EQ(m->findChild<TFichePrintProgress*>(), nullptr);
    EXPECT_EQ(systeme_->questions, 0);
    // Looking at a preview asks nothing either.
    Bilan([](TFicheImpressionCompta& f) { EXPECT_EQ(test::Controle<TApercu>(f, "PaintBox")->NbPages(), 1); });
    EXPECT_EQ(systeme_->questions, 0);
    EXPECT_EQ(&m->FicheImpressionCompta(), m->findChild<TFicheImpressionCompta*>("FicheImpressionCompta"));
}

TEST_F(Imprimer, LaConfigurationChoisitSansImprimerPuisLImpressionSuitLeChoix) {
    const int lignes = LignesJournal();
    ScriptDialogues d;
    d.Puis([&](QDialog& f) {
        Cliquer(f, "BoutonPrintSetup");
        EXPECT_TRUE(systeme_->travaux.empty()) << "the setup prints nothing";
        EXPECT_EQ(LignesJournal(), lignes);
        Cliquer(f, "BoutonPrint");
        f.reject();
    });
    d.Puis([](QDialog& c) {
        auto& fiche = static_cast<TFicheConfigurationImprimante&>(c);
        EXPECT_EQ(c.objectName(), "FicheConfigurationImprimante");
        EXPECT_EQ(test::Controle<QPushButton>(fiche, "BoutonOk")->text(), "OK");
        EXPECT_TRUE(test::Controle<QPushButton>(fiche, "BoutonOk")->isDefault());
        ASSERT_EQ(test::Controle<QComboBox>(fiche, "ComboImprimante")->count(), 2);
        EXPECT_EQ(test::Controle<QComboBox>(fiche, "ComboImprimante")->currentText(), "Bureau")
            << "the default printer first";
        EXPECT_FALSE(test::Controle<QLabel>(fiche, "LabelAucune")->isVisibleTo(&c));
        EXPECT_EQ(test::Controle<QSpinBox>(fiche, "EditCopies")->value(), 1);
        test::Controle<QComboBox>(fiche, "ComboImprimante")->setCurrentIndex(1);
        test::Controle<QSpinBox>(fiche, "EditCopies")->setValue(2);
        Cliquer(c, "BoutonOk");
    });
    m->MenuBilanComptableClick();
    EXPECT_TRUE(m->FicheImpressionCompta().ImprimanteChoisie());
    ASSERT_EQ(systeme_->travaux.size(), 2u) << "one job per copy";
    for (const auto& t : systeme_->travaux) {
        EXPECT_EQ(t.imprimante, "PDF");
        EXPECT_EQ(t.titre, "Bilan comptable");
        EXPECT_EQ(t.pdf.substr(0, 5), "%PDF-");
    }
    EXPECT_EQ(LignesJournal(), lignes + 1);
    EXPECT_EQ(DerniereLigneJournal(), "Impression du bilan comptable");
    EXPECT_TRUE(fichiers_.Demandes().empty());
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        return;
    const QString texte = TexteDuPdf(systeme_->travaux[0].pdf);
    EXPECT_TRUE(texte.contains("Compte d'exploitation de l'exercice Saison 2026")) << texte.toStdString();
    EXPECT_TRUE(texte.contains("Licences")) << texte.toStdString();
}

TEST_F(Imprimer, UneConfigurationAnnuleeNeChangeRien) {
    ScriptDialogues d;
    d.Puis([](QDialog& f) {
        Cliquer(f, "BoutonPrintSetup");
        f.reject();
    });
    d.Puis([](QDialog& c) {
        auto& fiche = static_cast<TFicheConfigurationImprimante&>(c);
        test::Controle<QComboBox>(fiche, "ComboImprimante")->setCurrentIndex(1);
        test::Controle<QSpinBox>(fiche, "EditCopies")->setValue(5);
        Cliquer(c, "BoutonAnnuler");
    });
    m->MenuBilanComptableClick();
    EXPECT_FALSE(m->FicheImpressionCompta().ImprimanteChoisie());
    EXPECT_EQ(m->FicheImpressionCompta().Imprimante().Copies(), 1);
}

// Each report's jobs carry its own name, so that a print queue tells them
// apart; without a chosen printer they go to the default one.
TEST_F(Imprimer, ChaqueEtatPorteSonNom) {
    TEditionMouvements mouvements;
    TEditionDepotsBancaires depots;
    depots.Debut = EncodeDate(2026, 1, 1);
    depots.Fin = EncodeDate(2026, 1, 31);
    TFicheImpressionCompta& fiche = m->FicheImpressionCompta();
    const std::vector<std::function<void()>> montrer = {
        [&] { fiche.MontrerBilan(m->Exercice()); },
        [&] { fiche.MontrerMouvements(m->Exercice(), mouvements); },
        [&] { fiche.MontrerDepots(m->Exercice(), depots); },
    };
    for (const auto& f : montrer) {
        ScriptDialogues d;
        d.Puis([](QDialog& a) {
            Cliquer(a, "BoutonPrint");
            a.reject();
        });
        f();
    }
    ASSERT_EQ(systeme_->travaux.size(), 3u);
    EXPECT_EQ(systeme_->travaux[0].titre, "Bilan comptable");
    EXPECT_EQ(systeme_->travaux[1].titre, "Mouvements");
    EXPECT_EQ(systeme_->travaux[2].titre, "Dépôts bancaires");
    for (const auto& t : systeme_->travaux)
        EXPECT_EQ(t.imprimante, "Bureau");
}

// Every print shows the progress window of the main window that lives;
// a main window that closes takes back only its own, and without any a
// window prints with one of its own.
TEST_F(Imprimer, LaProgressionEstCelleDeLaFenetrePrincipale) {
    QWidget fenetre;
    EXPECT_EQ(&ProgressionImpression(&fenetre), &m->FichePrintProgress());
    auto seconde = std::make_unique<TMain>();
    EXPECT_EQ(&ProgressionImpression(&fenetre), &seconde->FichePrintProgress());
    m.reset();
    EXPECT_EQ(&ProgressionImpression(&fenetre), &seconde->FichePrintProgress());
    seconde.reset();
    TFichePrintProgress& propre = ProgressionImpression(&fenetre);
    EXPECT_EQ(propre.parent(), &fenetre);
    EXPECT_EQ(&ProgressionImpression(&fenetre), &propre);
}

// A job that did not reach the print system is said, names the printer and
// the reason, and is not journalled; the copies after it are not sent.
TEST_F(Imprimer, UnTravailNonPrisEstDitEtNonJournalise) {
    struct Cas {
        const char* nom;
        std::function<void(test::SystemeImpressionFactice&)> panne;
        std::vector<std::string> textes;
        std::size_t envoyes;
    };
    const std::vector<Cas> cas = {
        {"refus",
         [](auto& s) { s.refusantes = {"PDF"}; },
         {"L'imprimante « PDF » refuse les travaux d'impression."},
         0},
        {"serveur muet", [](auto& s) { s.muet = true; }, {"Le service d'impression ne répond pas."}, 0},
        {"serveur arrêté après la première copie",
         [](auto& s) { s.muetApres = 1; },
         {"Le service d'impression ne répond pas.", "Imprimante : « PDF »",
          "Copies envoyées avant l'erreur : 1 sur 2."},
         1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        TImprimanteQt& imprimante = m->FicheImpressionCompta().Imprimante();
        imprimante.Choisir("PDF", 2);
        systeme_->travaux.clear();
        systeme_->refusantes.clear();
        systeme_->muet = false;
        systeme_->muetApres = 0;
        c.panne(*systeme_);
        messages_.Oublier();
        const int lignes = LignesJournal();
        Bilan([](TFicheImpressionCompta& f) { Cliquer(f, "BoutonPrint"); });
        EXPECT_EQ(systeme_->travaux.size(), c.envoyes);
        ASSERT_EQ(messages_.Affiches().size(), 1u);
        const MessageAffiche& message = messages_.Affiches()[0];
        EXPECT_EQ(message.titre, "Erreur");
        EXPECT_EQ(message.drapeaux, MB_OK | MB_ICONERROR);
        for (const std::string& t : c.textes)
            EXPECT_NE(message.texte.find(t), std::string::npos) << message.texte;
        EXPECT_EQ(LignesJournal(), lignes);
        EXPECT_FALSE(m->FichePrintProgress().isVisible());
    }
}

// Without any printer, the print goes to a PDF file for that job only: once
// a printer exists, the next print goes to it and the file stays as it was;
// without printer again, a file is asked for again.
TEST_F(Imprimer, LeRepliSurPdfNeVautQuePourSonTravail) {
    systeme_->imprimantes.clear();
    systeme_->parDefaut.clear();
    const QString pdf = Chemin("bilan.pdf");
    fichiers_.Repondre(pdf);
    Bilan([](TFicheImpressionCompta& f) { Cliquer(f, "BoutonPrint"); });
    ASSERT_EQ(fichiers_.Demandes().size(), 1u);
    EXPECT_EQ(fichiers_.Demandes()[0].titre, "Aucune imprimante : enregistrer en PDF");
    QFile fichier(pdf);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    const QByteArray avant = fichier.readAll();
    fichier.close();
    EXPECT_TRUE(avant.startsWith("%PDF-"));
    EXPECT_EQ(DerniereLigneJournal(), "Impression du bilan comptable");

    systeme_->imprimantes = {"PDF"};
    Bilan([](TFicheImpressionCompta& f) { Cliquer(f, "BoutonPrint"); });
    EXPECT_EQ(fichiers_.Demandes().size(), 1u) << "a printer now: no file asked";
    ASSERT_EQ(systeme_->travaux.size(), 1u);
    EXPECT_EQ(systeme_->travaux[0].imprimante, "PDF");
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    EXPECT_EQ(fichier.readAll(), avant);
    fichier.close();

    systeme_->imprimantes.clear();
    const int lignes = LignesJournal();
    fichiers_.Repondre(std::nullopt);
    Bilan([](TFicheImpressionCompta& f) { Cliquer(f, "BoutonPrint"); });
    EXPECT_EQ(fichiers_.Demandes().size(), 2u) << "no printer again: the file is asked for again";
    EXPECT_EQ(LignesJournal(), lignes) << "a file given up prints nothing";
}

TEST_F(Imprimer, LaConfigurationSansImprimanteLeDit) {
    systeme_->imprimantes.clear();
    ScriptDialogues d;
    d.Puis([](QDialog& f) {
        Cliquer(f, "BoutonPrintSetup");
        f.reject();
    });
    d.Puis([](QDialog& c) {
        auto& fiche = static_cast<TFicheConfigurationImprimante&>(c);
        EXPECT_FALSE(test::Controle<QComboBox>(fiche, "ComboImprimante")->isEnabled());
        EXPECT_TRUE(test::Controle<QLabel>(fiche, "LabelAucune")->isVisibleTo(&c));
        EXPECT_EQ(test::Controle<QLabel>(fiche, "LabelAucune")->text(),
                  "Aucune imprimante : l'impression s'enregistrera en PDF.");
        Cliquer(c, "BoutonOk");
    });
    m->MenuBilanComptableClick();
    EXPECT_FALSE(m->FicheImpressionCompta().ImprimanteChoisie());
}

TEST_F(Imprimer, UnServiceMuetALaConfigurationLeDit) {
    systeme_->muet = true;
    Bilan([](TFicheImpressionCompta& f) { Cliquer(f, "BoutonPrintSetup"); });
    EXPECT_EQ(Textes(), std::vector<std::string>{"Le service d'impression ne répond pas."});
    EXPECT_FALSE(m->FicheImpressionCompta().ImprimanteChoisie());
}

} // namespace
} // namespace tramonta
