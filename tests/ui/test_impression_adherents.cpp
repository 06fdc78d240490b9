// SPDX-License-Identifier: GPL-3.0-or-later
// The member, correspondent and member-list previews, opened as the database
// page opens them, and their printing to a PDF file, the tests' print system
// having no printer.
#include "outils_shell.h"

#include "model/adherent.h"
#include "model/agenda.h"
#include "model/correspondant.h"
#include "model/requete.h"
#include "platform/imprimante_qt.h"
#include "platform/preferences.h"
#include "ui/bdd/fiche_choix_champs.h"
#include "ui/bdd/fiches_impression_adherents.h"
#include "ui/fenetre/main_fenetre.h"

#include <QCheckBox>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QToolButton>

#include <memory>

namespace tramonta {
namespace {

using test::Cliquer;
using test::ScriptDialogues;

class ImpressionAdherents : public test::TestFenetre {
  protected:
    void SetUp() override {
        TestFenetre::SetUp();
        ancienChamps_ = Preferences().ChampsVisibles;
        Preferences().ChampsVisibles = {};
        main_ = std::make_unique<TMain>();
        main_->Exercice().SetIntitule("Saison 2026");
    }
    void TearDown() override { Preferences().ChampsVisibles = ancienChamps_; }

    TAdherent& Ajouter(const std::string& nom, const std::string& prenom, const std::string& ville) {
        TAdherents& adherents = main_->Exercice().Adherents();
        auto a = std::make_unique<TAdherent>(&adherents);
        a->SetNom(nom);
        a->SetPrenom(prenom);
        a->SetVille(ville);
        TAdherent& ref = *a;
        adherents.Add(std::move(a));
        return ref;
    }
    std::string DerniereLigneAgenda() const {
        const TAgenda& agenda = main_->Exercice().Agenda();
        return agenda.Count() ? agenda.Ligne(agenda.Count() - 1)->Texte() : std::string();
    }
    // The text of a PDF file, as pdftotext reads it.
    static QString TexteDuPdf(const QString& fichier) {
        QProcess p;
        p.start("pdftotext", {"-layout", fichier, "-"});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    static bool Pdftotext() { return !QStandardPaths::findExecutable("pdftotext").isEmpty(); }

    std::unique_ptr<TMain> main_;
    ChampsListe ancienChamps_{};
};

TEST_F(ImpressionAdherents, LaListeSuitLaRequeteEtLeChoixDesChamps) {
    Ajouter("MARTIN", "Paul", "Anglet");
    Ajouter("DUPONT", "Zoé", "Biarritz").SetMontantLicence(40);
    Ajouter("ÉTIENNE", "Luc", "Bidart");
    TCriteresRequete criteres;
    criteres.TypeRequete = TCriteresRequete::ReqRelance;
    criteres.Description = DecrireCriteres(criteres);
    TFicheImpressionAdherents& fiche = main_->FicheImpressionAdherents();
    ScriptDialogues script;
    script.Puis([&](QDialog& d) {
        EXPECT_EQ(&d, &fiche);
        EXPECT_EQ(d.windowTitle(), "Impression d'adhérents...");
        EXPECT_EQ(fiche.Lignes(), (std::vector<std::string>{"Les adhérents qui n'ont pas payé la licence",
                                                            "ÉTIENNE Luc", "MARTIN Paul"}));
        EXPECT_EQ(test::Controle<TApercu>(fiche, "PaintBox")->NbPages(), 1);
        auto* champs = d.findChild<QToolButton*>("BoutonChamps");
        ASSERT_NE(champs, nullptr);
        EXPECT_EQ(champs->toolTip(), champs->accessibleName());
        Cliquer(d, "BoutonChamps"); // cancelled below: nothing changes
        EXPECT_EQ(fiche.Lignes().back(), "MARTIN Paul");
        Cliquer(d, "BoutonChamps");
        EXPECT_EQ(fiche.Lignes().back(), "MARTIN Paul - Ville : Anglet");
        EXPECT_TRUE(Preferences().ChampsVisibles[3]);
        d.reject();
    });
    script.Puis([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Champs à visualiser");
        Cliquer(d, "CheckBoxVille");
        Cliquer(d, "BoutonAnnuler");
    });
    script.Puis([](QDialog& d) {
        // The names always come first and cannot be unticked.
        for (const char* nom : {"CheckBoxNom", "CheckBoxPrenom"}) {
            auto* c = d.findChild<QCheckBox*>(nom);
            ASSERT_NE(c, nullptr);
            EXPECT_TRUE(c->isChecked());
            EXPECT_FALSE(c->isEnabled());
        }
        EXPECT_FALSE(d.findChild<QCheckBox*>("CheckBoxVille")->isChecked());
        Cliquer(d, "CheckBoxVille");
        Cliquer(d, "BoutonOk");
    });
    fiche.Montrer(main_->Exercice().Adherents(), criteres);
    // Nothing of the collection or the criteria stays in the hidden window.
    EXPECT_TRUE(fiche.Lignes().empty());
    EXPECT_TRUE(test::Controle<TApercu>(fiche, "PaintBox")->Primitives().empty());
}

TEST_F(ImpressionAdherents, LaFicheDUnAdherentSApercoitSansEnteteEtSImprimeAvec) {
    TAdherents copie;
    TAdherent adherent(&copie);
    adherent.SetNom("DUPONT");
    adherent.SetPrenom("Zoé");
    adherent.SetAdresse("Résidence Les Vagues\r\n1 rue du Port\r\nBP 12");
    const QString pdf = Chemin("adherent.pdf");
    fichiers_.Repondre(pdf);
    TFicheImpressionAdherent& fiche = main_->FicheImpressionAdherent();
    ScriptDialogues script;
    script.Puis([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Impression d'un adhérent...");
        std::vector<std::string> textes;
        for (const TPrimitive& p : test::Controle<TApercu>(fiche, "PaintBox")->Primitives())
            textes.push_back(p.texte);
        EXPECT_NE(std::find(textes.begin(), textes.end(), "DUPONT"), textes.end());
        EXPECT_EQ(std::find(textes.begin(), textes.end(), "Tramonta - Saison 2026 - Fiche adhérent"),
                  textes.end());
        Cliquer(d, "BoutonPrint");
        d.reject();
    });
    fiche.Montrer(adherent);
    EXPECT_EQ(DerniereLigneAgenda(), "Impression de l'adhérent \"DUPONT Zoé\"");
    ASSERT_TRUE(QFile::exists(pdf));
    if (!Pdftotext())
        GTEST_SKIP() << "pdftotext absent";
    const QString texte = TexteDuPdf(pdf);
    EXPECT_TRUE(texte.contains("Tramonta - Saison 2026 - Fiche adhérent")) << texte.toStdString();
    EXPECT_TRUE(texte.contains("Résidence Les Vagues")) << texte.toStdString();
    EXPECT_TRUE(texte.contains("Code postal :")) << texte.toStdString();
}

TEST_F(ImpressionAdherents, LaFicheDUnCorrespondantSImprimeEtSeJournalise) {
    TCorrespondants copie;
    TCorrespondant correspondant(&copie);
    correspondant.SetNom("Surf Shop");
    correspondant.SetSpecialite("Fournisseur");
    const QString pdf = Chemin("correspondant.pdf");
    fichiers_.Repondre(pdf);
    TFicheImpressionCorrespondant& fiche = main_->FicheImpressionCorrespondant();
    ScriptDialogues script;
    script.Puis([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Impression d'un correspondant...");
        Cliquer(d, "BoutonPrint");
        d.reject();
    });
    fiche.Montrer(correspondant);
    EXPECT_EQ(DerniereLigneAgenda(), "Impression du correspondant \"Surf Shop\"");
    ASSERT_TRUE(QFile::exists(pdf));
    if (!Pdftotext())
        GTEST_SKIP() << "pdftotext absent";
    const QString texte = TexteDuPdf(pdf);
    EXPECT_TRUE(texte.contains("Tramonta - Saison 2026 - Fiche correspondant")) << texte.toStdString();
    EXPECT_TRUE(texte.contains("Fournisseur")) << texte.toStdString();
}

TEST_F(ImpressionAdherents, UnPdfRefuseNImprimeRienEtNeJournaliseRien) {
    Ajouter("MARTIN", "Paul", "Anglet");
    TCriteresRequete criteres;
    const std::string avant = DerniereLigneAgenda();
    fichiers_.Repondre(std::nullopt);
    ScriptDialogues script;
    script.Puis([&](QDialog& d) {
        Cliquer(d, "BoutonPrint");
        d.reject();
    });
    main_->FicheImpressionAdherents().Montrer(main_->Exercice().Adherents(), criteres);
    EXPECT_EQ(DerniereLigneAgenda(), avant);
}

TEST_F(ImpressionAdherents, LaListeImprimeeSeJournalise) {
    TCriteresRequete criteres;
    criteres.TypeRequete = TCriteresRequete::ReqCategorie;
    criteres.CategorieDemandee = "Cadet";
    criteres.Description = DecrireCriteres(criteres);
    const QString pdf = Chemin("requete.pdf");
    fichiers_.Repondre(pdf);
    ScriptDialogues script;
    script.Puis([&](QDialog& d) {
        Cliquer(d, "BoutonPrint");
        d.reject();
    });
    main_->FicheImpressionAdherents().Montrer(main_->Exercice().Adherents(), criteres);
    EXPECT_EQ(DerniereLigneAgenda(), "Impression requête d'adhérents");
    if (!Pdftotext())
        GTEST_SKIP() << "pdftotext absent";
    const QString texte = TexteDuPdf(pdf);
    EXPECT_TRUE(texte.contains("Requête sur les adhérents")) << texte.toStdString();
    EXPECT_TRUE(texte.contains("Aucun adhérent ne correspond à la requête...")) << texte.toStdString();
}

} // namespace
} // namespace tramonta
