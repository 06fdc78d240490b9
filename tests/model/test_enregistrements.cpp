// SPDX-License-Identifier: GPL-3.0-or-later
// The automatic postings of a member's sums: the account they go to, the
// line they make or take over, and the relabel and re-amount of a
// confirmed sheet, down to the un-post that must find the line again.
#include "model/enregistrement.h"

#include "outils_modele.h"

#include <gtest/gtest.h>

#include <memory>

namespace tramonta {
namespace {

using test::CaptureMessages;
using test::HorlogeFixe;

class Enregistrements : public testing::Test {
  protected:
    void SetUp() override {
        TComptabilite& c = e_.Comptabilite();
        for (const char* article : {"706", "707"}) {
            auto compte = std::make_unique<TCompte>(&c);
            compte->SetArticle(article);
            c.AjouterCompteProduit(std::move(compte));
        }
        auto a = std::make_unique<TAdherent>(&e_.Adherents());
        a->SetNom("Dupont");
        a->SetPrenom("Zoé");
        a->SetMontantLicence(40);
        a->SetCautionCombinaison(150);
        adherent_ = e_.Adherents().Adherent(e_.Adherents().Add(std::move(a)));
    }
    TCompte& Compte(const char* article) {
        TComptabilite& c = e_.Comptabilite();
        return *c.GetCompteProduit(c.ChercherCompteProduit(article));
    }
    static TSaisieEnregistrements Saisie(const TAdherent& a) {
        return {a.Nom(),
                a.Prenom(),
                {a.MontantLicence(), a.CautionCombinaison(), a.LocationCombinaison(), a.ForfaitLecon()}};
    }

    HorlogeFixe horloge_{EncodeDate(2024, 9, 14) + 0.5};
    CaptureMessages messages_;
    TExercice e_;
    TAdherent* adherent_ = nullptr;
};

TEST_F(Enregistrements, LeCompteParDefautNeComptePasQuandIlADisparu) {
    TComptabilite& c = e_.Comptabilite();
    EXPECT_EQ(CompteParDefaut(c, Enregistrement::Licence), nullptr) << "none chosen";
    c.SetCompteLicence("706");
    EXPECT_EQ(CompteParDefaut(c, Enregistrement::Licence), nullptr) << "a number without its flag";
    c.SetCompteLicenceDefini(true);
    EXPECT_EQ(CompteParDefaut(c, Enregistrement::Licence), &Compte("706"));
    EXPECT_EQ(CompteParDefaut(c, Enregistrement::Caution), nullptr) << "each sum has its own";
    c.SetCompteForfaitLeconDefini(true);
    c.SetCompteForfaitLecon("707");
    EXPECT_EQ(CompteParDefaut(c, Enregistrement::Forfait), &Compte("707"));
    Compte("706").SetArticle("7060");
    EXPECT_EQ(CompteParDefaut(c, Enregistrement::Licence), nullptr) << "renumbered since";
}

TEST_F(Enregistrements, UneNouvelleLigneEstDateeDuJourPayeeParChequeEtAutomatique) {
    TLigneEcriture& l = Enregistrer(*adherent_, Enregistrement::Caution, Compte("707"));
    EXPECT_TRUE(adherent_->CautionEnCompta());
    EXPECT_EQ(adherent_->ArticleCaution(), "707");
    ASSERT_EQ(Compte("707").NbLignes(), 1);
    EXPECT_EQ(Compte("707").GetLigne(0), &l);
    EXPECT_EQ(l.Libelle(), "Caution combinaison de Dupont Zoé");
    EXPECT_EQ(l.Montant(), 150);
    EXPECT_EQ(l.Date(), EncodeDate(2024, 9, 14) + 0.5);
    EXPECT_EQ(l.TypePaiement(), 0);
    EXPECT_TRUE(l.Automatique);
    EXPECT_FALSE(adherent_->LicenceEnCompta()) << "the other sums are not touched";
}

TEST_F(Enregistrements, UneLigneDeMemeLibelleEstRepriseAuLieuDEnFaireUneSeconde) {
    auto tapee = std::make_unique<TLigneEcriture>(&Compte("706"));
    tapee->SetLibelle("LICENCE DE DUPONT ZOé");
    tapee->SetMontant(12);
    tapee->SetTypePaiement(1);
    Compte("706").AjouterLigne(std::move(tapee));
    TLigneEcriture& l = Enregistrer(*adherent_, Enregistrement::Licence, Compte("706"));
    ASSERT_EQ(Compte("706").NbLignes(), 1);
    EXPECT_EQ(&l, Compte("706").GetLigne(0));
    EXPECT_TRUE(l.Automatique);
    EXPECT_EQ(l.Montant(), 40);
    EXPECT_EQ(l.TypePaiement(), 1) << "what the user typed stays";
    EXPECT_EQ(l.Libelle(), "LICENCE DE DUPONT ZOé");
}

TEST_F(Enregistrements, RenommerPuisDesenregistrerRetrouveLaLigne) {
    Enregistrer(*adherent_, Enregistrement::Licence, Compte("706"));
    Enregistrer(*adherent_, Enregistrement::Caution, Compte("707"));
    TSaisieEnregistrements saisie = Saisie(*adherent_);
    saisie.nom = "Durand";
    saisie.prenom = "Léa";
    AccorderEnregistrements(*adherent_, saisie);
    EXPECT_EQ(Compte("706").GetLigne(0)->Libelle(), "Licence de Durand Léa");
    EXPECT_EQ(Compte("707").GetLigne(0)->Libelle(), "Caution combinaison de Durand Léa");
    adherent_->SetNom(saisie.nom);
    adherent_->SetPrenom(saisie.prenom);
    EXPECT_TRUE(adherent_->DesenregistrerLicence());
    EXPECT_TRUE(adherent_->DesenregistrerCaution());
    EXPECT_EQ(Compte("706").NbLignes(), 0);
    EXPECT_EQ(Compte("707").NbLignes(), 0);
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(Enregistrements, UnChangementDeCasseSeulNeRelibellePas) {
    Enregistrer(*adherent_, Enregistrement::Licence, Compte("706"));
    TSaisieEnregistrements saisie = Saisie(*adherent_);
    saisie.nom = "DUPONT";
    AccorderEnregistrements(*adherent_, saisie);
    EXPECT_EQ(Compte("706").GetLigne(0)->Libelle(), "Licence de Dupont Zoé");
}

TEST_F(Enregistrements, LeNouveauMontantVaALaLigneSousLesNouveauxNoms) {
    Enregistrer(*adherent_, Enregistrement::Licence, Compte("706"));
    TSaisieEnregistrements saisie = Saisie(*adherent_);
    saisie.nom = "Martin";
    saisie.montants[0] = 45.5;
    saisie.montants[1] = 99; // not posted: nothing to re-amount
    AccorderEnregistrements(*adherent_, saisie);
    const TLigneEcriture& l = *Compte("706").GetLigne(0);
    EXPECT_EQ(l.Libelle(), "Licence de Martin Zoé");
    EXPECT_EQ(l.Montant(), 45.5);
    EXPECT_EQ(Compte("707").NbLignes(), 0);
}

TEST_F(Enregistrements, UnLienDejaRompuResteRompuSansMessage) {
    Enregistrer(*adherent_, Enregistrement::Licence, Compte("706"));
    Enregistrer(*adherent_, Enregistrement::Caution, Compte("707"));
    Compte("706").SetArticle("7060");
    Compte("707").GetLigne(0)->SetLibelle("Caution rendue");
    TSaisieEnregistrements saisie = Saisie(*adherent_);
    saisie.nom = "Martin";
    saisie.montants = {1, 2, 0, 0};
    AccorderEnregistrements(*adherent_, saisie);
    EXPECT_EQ(Compte("7060").GetLigne(0)->Libelle(), "Licence de Dupont Zoé");
    EXPECT_EQ(Compte("7060").GetLigne(0)->Montant(), 40);
    EXPECT_EQ(Compte("707").GetLigne(0)->Libelle(), "Caution rendue");
    EXPECT_EQ(Compte("707").GetLigne(0)->Montant(), 150);
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(Enregistrements, UnCompteRenumeroteEstSignaleAuDesenregistrementEtGardeSaLigne) {
    Enregistrer(*adherent_, Enregistrement::Licence, Compte("706"));
    Compte("706").SetArticle("7061");
    EXPECT_FALSE(adherent_->DesenregistrerLicence());
    EXPECT_EQ(
        messages_.messages,
        std::vector<std::string>{
            "Erreur : Impossible de retrouver le compte \"706\" dans lequel a été fait l'enregistrement !"});
    EXPECT_EQ(Compte("7061").NbLignes(), 1);
    EXPECT_FALSE(adherent_->LicenceEnCompta()) << "the member can post again";
}

} // namespace
} // namespace tramonta
