// SPDX-License-Identifier: GPL-3.0-or-later
// Correspondents, the journal and the merge of another document's general
// information.
#include "outils_modele.h"

#include <gtest/gtest.h>

using namespace tramonta;
using namespace tramonta::test;

namespace {

TEST(Correspondants, LaRecherchePlieSeulementLAscii) {
    TCorrespondants liste;
    for (const char* nom : {"Mairie d'Anglet", "école de surf"}) {
        auto c = std::make_unique<TCorrespondant>(&liste);
        c->SetNom(nom);
        liste.Add(std::move(c));
    }
    EXPECT_EQ(liste.Find("MAIRIE D'ANGLET"), 0);
    EXPECT_EQ(liste.Find("École de surf"), -1);
    EXPECT_EQ(liste.Find("école DE SURF"), 1);
    EXPECT_EQ(liste.Correspondant(2), nullptr);
    EXPECT_FALSE(liste.Delete(2));
    EXPECT_TRUE(liste.Delete(0));
    EXPECT_EQ(liste.Count(), 1);
}

TEST(Correspondants, UnEnregistrementDeVersion1NAPasDeSpecialite) {
    TMemoryStream flux;
    {
        TWriter w(flux);
        w.WriteInteger(1);
        w.WriteString("Nom");
        w.WriteString("Adresse");
        w.WriteInteger(64000);
        for (int i = 0; i < 7; ++i)
            w.WriteString("x" + std::to_string(i));
    }
    TMemoryStream lecture(flux.Donnees());
    TReader r(lecture);
    TCorrespondant c(nullptr);
    c.Load(r);
    EXPECT_EQ(c.InformationsComplementaires(), "x6");
    EXPECT_EQ(c.Specialite(), "");
}

TEST(Correspondants, ImporterSignaleLesNomsExistants) {
    TExercice cible, source;
    RemplirDocument(cible);
    RemplirDocument(source);
    auto autre = std::make_unique<TCorrespondant>(&source.Correspondants());
    autre->SetNom("Surf shop");
    source.Correspondants().Add(std::move(autre));
    std::vector<std::string> rapport;
    for (int i = 0; i < source.Correspondants().Count(); ++i)
        cible.Correspondants().Import(*source.Correspondants().Correspondant(i), rapport);
    EXPECT_EQ(
        rapport,
        std::vector<std::string>{
            "Impossible d'importer le correspondant \"Mairie d'Anglet\" ! Ce correspondant existe déjà."});
    EXPECT_EQ(cible.Correspondants().Count(), 2);
}

TEST(Agenda, UneLigneEstHorodateeEtSigneeParLUtilisateur) {
    HorlogeFixe h(EncodeDate(2026, 12, 10) + 0.75);
    TExercice e;
    const TLigneAgenda* l = e.Agenda().AjouterLigne("Création");
    EXPECT_EQ(l->Texte(), "Création");
    EXPECT_EQ(l->DateHeure(), EncodeDate(2026, 12, 10) + 0.75);
    EXPECT_EQ(l->Utilisateur(), "tresorier");
    EXPECT_EQ(l->Proprietaire(), &e.Agenda());
    EXPECT_TRUE(e.IsModified());
}

TEST(Agenda, UneSectionVideSeRelitEtSeReecritEnVersion1) {
    TAgenda a;
    TMemoryStream flux;
    {
        TWriter w(flux);
        a.Save(w);
    }
    EXPECT_EQ(flux.Donnees(), (std::vector<std::uint8_t>{2, 1, 1, 0}));
}

TEST(Agenda, LesLignesGardentLeurOrdreEtLeursFlagsSontEffacesParLaLecture) {
    TAgenda a;
    for (int i = 0; i < 3; ++i)
        a.AjouterLigne("ligne " + std::to_string(i));
    TMemoryStream flux;
    {
        TWriter w(flux);
        a.Save(w);
    }
    EXPECT_FALSE(a.IsModified());
    TMemoryStream lecture(flux.Donnees());
    TReader r(lecture);
    TAgenda relu;
    relu.Load(r);
    ASSERT_EQ(relu.Count(), 3);
    EXPECT_EQ(relu.Ligne(2)->Texte(), "ligne 2");
    EXPECT_FALSE(relu.IsModified());
    relu.Ligne(0)->SetDateHeure(relu.Ligne(0)->DateHeure());
    EXPECT_FALSE(relu.IsModified());
}

class InfosGenerales : public testing::Test {
  protected:
    void SetUp() override {
        RemplirDocument(source_);
        cible_.AjouterSpecialite("mairie");
        cible_.Comptabilite().SetNomBanque("Crédit Maritime");
        cible_.Comptabilite().SetCodeGuichet(55);
        cible_.Comptabilite().SetCompteCautionCombiDefini(true);
        cible_.Comptabilite().SetCompteCautionCombi("7000");
    }
    TExercice source_, cible_;
};

TEST_F(InfosGenerales, NeRemplissentQueCeQuiEstVide) {
    std::vector<std::string> rapport;
    EXPECT_TRUE(cible_.Importer(source_, rapport));
    EXPECT_EQ(rapport, std::vector<std::string>{
                           "Impossible d'importer la spécialité \"Mairie\" ! Cette spécialité existe déjà."});
    EXPECT_EQ(cible_.NbSpecialites(), 2);
    EXPECT_EQ(cible_.GetSpecialite(1), "Fournisseur");
    EXPECT_FALSE(cible_.Euro()) << "the currency flag always takes the source's value";
    const TComptabilite& c = cible_.Comptabilite();
    EXPECT_EQ(c.TitulaireCompte(), "Surf Club de la Côte");
    EXPECT_EQ(c.NomBanque(), "Crédit Maritime");
    EXPECT_EQ(c.CodeBanque(), 10907);
    EXPECT_EQ(c.CodeGuichet(), 55);
    EXPECT_EQ(c.CompteLicence(), "706");
    EXPECT_EQ(c.CompteCautionCombi(), "7000");
    EXPECT_TRUE(c.CompteForfaitLeconDefini());
}

TEST_F(InfosGenerales, NeTouchentNiTitreNiCommentairesNiMotDePasseNiJournal) {
    std::vector<std::string> rapport;
    cible_.Importer(source_, rapport);
    EXPECT_EQ(cible_.Intitule(), "");
    EXPECT_EQ(cible_.Commentaires(), "");
    EXPECT_EQ(cible_.MotPasse(), "");
    EXPECT_EQ(cible_.Agenda().Count(), 0);
}

// The whole merge runs in the model: importing a copy of a document adds
// nothing and reports every duplicate in the order of the steps.
TEST_F(InfosGenerales, ImporterUneCopieNAjouteRienEtRapporteChaqueDoublon) {
    TExercice copie;
    RemplirDocument(copie);
    TChoixImport tout{true, true, true, true, true, true, false};
    const auto rapport = copie.ImporterDepuis(source_, tout);
    ASSERT_FALSE(rapport.empty());
    EXPECT_EQ(rapport.back(), "Import terminé !");
    EXPECT_EQ(copie.Adherents().Count(), source_.Adherents().Count());
    EXPECT_EQ(copie.Comptabilite().NbComptesProduits(), source_.Comptabilite().NbComptesProduits());
    const auto nb = static_cast<std::size_t>(source_.Comptabilite().NbComptesCharges() +
                                             source_.Comptabilite().NbComptesProduits() +
                                             source_.NbSpecialites() + source_.Adherents().Count() +
                                             source_.Correspondants().Count() + source_.Compets().Count());
    EXPECT_EQ(rapport.size(), nb + 1);
    EXPECT_EQ(rapport.front().rfind("Impossible d'importer le compte charge", 0), 0u) << rapport.front();
}

TEST_F(InfosGenerales, RienDeCocheNeRapporteQueLaFin) {
    EXPECT_EQ(cible_.ImporterDepuis(source_, {}), std::vector<std::string>{"Import terminé !"});
    EXPECT_EQ(cible_.Adherents().Count(), 0);
}

} // namespace
