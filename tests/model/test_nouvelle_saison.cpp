// SPDX-License-Identifier: GPL-3.0-or-later
// The next season built from the closing one: what it keeps, what it drops,
// and the carried result.
#include "model/nouvelle_saison.h"
#include "outils_modele.h"

#include <gtest/gtest.h>

#include <bit>
#include <map>
#include <set>
#include <sstream>

namespace tramonta {
namespace {

using test::HorlogeFixe;
using test::OctetsDuDocument;
using test::RemplirDocument;

// --- The proposed title --------------------------------------------------------

struct CasIntitule {
    const char* avant;
    const char* apres;
};

class IntituleSuivant : public ::testing::TestWithParam<CasIntitule> {};

TEST_P(IntituleSuivant, AvanceLesAnneesOuAjouteSuite) {
    EXPECT_EQ(IntituleSaisonSuivante(GetParam().avant), GetParam().apres);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, IntituleSuivant,
    ::testing::Values(CasIntitule{"2025-2026", "2026-2027"}, CasIntitule{"Saison 2026", "Saison 2027"},
                      CasIntitule{"2026", "2027"}, CasIntitule{"Saison2026", "Saison2027"},
                      CasIntitule{"2025/26", "2026/27"}, CasIntitule{"2025-26", "2026-27"},
                      CasIntitule{"1999/00", "2000/01"}, CasIntitule{"2099-2100", "2100-2101"},
                      // A short number that does not follow the year is left alone.
                      CasIntitule{"2025/31", "2026/31"},
                      CasIntitule{"2025-2026 (suite)", "2026-2027 (suite)"}, CasIntitule{"9999", "10000"},
                      CasIntitule{"0999", "1000"},
                      // Numbers of another length are no years.
                      CasIntitule{"Saison 12345", "Saison 12345 (suite)"},
                      CasIntitule{"Exercice 99", "Exercice 99 (suite)"},
                      CasIntitule{"Été des vagues", "Été des vagues (suite)"}, CasIntitule{"", "(suite)"}));

// --- What is kept and what is dropped ------------------------------------------------

// Every field of a record by name, doubles to the bit.
template <class R> std::map<std::string, std::string> Champs(const R& r) {
    std::map<std::string, std::string> champs;
    r.VisiterChamps([&](const char* nom, const auto& valeur) {
        std::ostringstream s;
        using T = std::decay_t<decltype(valeur)>;
        if constexpr (std::is_same_v<T, double>)
            s << std::bit_cast<std::uint64_t>(valeur);
        else
            s << valeur;
        champs[nom] = s.str();
    });
    return champs;
}

const std::set<std::string> kChampsAdherentRepartis = {
    "DateDelivrance",     "CertificatMedical",   "MontantLicence",  "LicenceEnCompta", "ArticleLicence",
    "CautionCombinaison", "LocationCombinaison", "ForfaitLecon",    "CautionEnCompta", "ArticleCaution",
    "LocationEnCompta",   "ArticleLocation",     "ForfaitEnCompta", "ArticleForfait"};

// Without `article`, no carried result.
OptionsNouvelleSaison Options(const std::string& intitule, const std::string& article = {},
                              TDateTime date = 0) {
    OptionsNouvelleSaison o;
    o.intitule = intitule;
    o.reporterResultat = !article.empty();
    o.articleReport = article;
    o.dateReport = date;
    return o;
}

void AjouterCompet(TExercice& e) {
    auto c = std::make_unique<TCompet>(&e.Compets());
    c->SetIntitule("Coupe de la Côte");
    e.Compets().Add(std::move(c));
}

class NouvelleSaison : public ::testing::Test {
  protected:
    HorlogeFixe horloge_{EncodeDate(2027, 9, 1) + 0.5};
};

TEST_F(NouvelleSaison, GardeEtEffaceExactementLesChampsPrevus) {
    TExercice ancienne;
    RemplirDocument(ancienne);
    AjouterCompet(ancienne);
    const auto avant = OctetsDuDocument(ancienne);

    TExercice nouvelle;
    std::string erreur;
    ASSERT_TRUE(ConstruireNouvelleSaison(ancienne, nouvelle, Options("Saison 2027"), erreur)) << erreur;
    EXPECT_EQ(OctetsDuDocument(ancienne), avant);

    EXPECT_EQ(nouvelle.Intitule(), "Saison 2027");
    EXPECT_EQ(nouvelle.Commentaires(), ancienne.Commentaires());
    EXPECT_EQ(nouvelle.MotPasse(), ancienne.MotPasse());
    EXPECT_EQ(nouvelle.Euro(), ancienne.Euro());
    ASSERT_EQ(nouvelle.NbSpecialites(), 2);
    EXPECT_EQ(nouvelle.GetSpecialite(1), "Mairie");

    const TComptabilite& c = nouvelle.Comptabilite();
    EXPECT_EQ(Champs(c), Champs(ancienne.Comptabilite())); // bank identity and default accounts
    ASSERT_EQ(c.NbComptesCharges(), 1);
    ASSERT_EQ(c.NbComptesProduits(), 1);
    EXPECT_EQ(Champs(*c.GetCompteCharge(0)), Champs(*ancienne.Comptabilite().GetCompteCharge(0)));
    EXPECT_EQ(Champs(*c.GetCompteProduit(0)), Champs(*ancienne.Comptabilite().GetCompteProduit(0)));
    EXPECT_EQ(c.GetCompteCharge(0)->NbLignes(), 0);
    EXPECT_EQ(c.GetCompteProduit(0)->NbLignes(), 0);

    ASSERT_EQ(nouvelle.Adherents().Count(), 2);
    const TAdherent vierge(nullptr);
    for (int i = 0; i < 2; ++i) {
        const auto garde = Champs(*ancienne.Adherents().Adherent(i));
        const auto initial = Champs(vierge);
        for (const auto& [nom, valeur] : Champs(*nouvelle.Adherents().Adherent(i)))
            EXPECT_EQ(valeur, kChampsAdherentRepartis.count(nom) ? initial.at(nom) : garde.at(nom))
                << "adhérent " << i << ", " << nom;
    }
    EXPECT_EQ(nouvelle.Adherents().Adherent(0)->Proprietaire(), &nouvelle.Adherents());

    ASSERT_EQ(nouvelle.Correspondants().Count(), 1);
    EXPECT_EQ(Champs(*nouvelle.Correspondants().Correspondant(0)),
              Champs(*ancienne.Correspondants().Correspondant(0)));
    EXPECT_EQ(nouvelle.Compets().Count(), 0);

    ASSERT_EQ(nouvelle.Agenda().Count(), 2);
    EXPECT_EQ(nouvelle.Agenda().Ligne(0)->Texte(), "Création");
    EXPECT_EQ(nouvelle.Agenda().Ligne(1)->Texte(), "Reprise de l'exercice \"Saison 2026\"");
    EXPECT_EQ(nouvelle.Agenda().Ligne(1)->DateHeure(), EncodeDate(2027, 9, 1) + 0.5);
    EXPECT_EQ(nouvelle.Agenda().Ligne(1)->Utilisateur(), "tresorier");
}

TEST_F(NouvelleSaison, SurPlaceLeMemeObjetRecoitLaSaisonSuivanteModifiee) {
    TExercice temoin, reference;
    RemplirDocument(temoin);
    std::string erreur;
    ASSERT_TRUE(ConstruireNouvelleSaison(temoin, reference, Options("Suite"), erreur));

    TExercice exercice;
    RemplirDocument(exercice);
    AjouterCompet(exercice);
    OctetsDuDocument(exercice); // saved: nothing left to mark it
    TAdherents* adherents = &exercice.Adherents();
    ASSERT_TRUE(CommencerNouvelleSaison(exercice, Options("Suite"), erreur));
    EXPECT_TRUE(exercice.IsModified());
    EXPECT_EQ(&exercice.Adherents(), adherents);
    EXPECT_EQ(exercice.Adherents().Adherent(0)->Proprietaire(), adherents);
    EXPECT_EQ(OctetsDuDocument(exercice), OctetsDuDocument(reference));
}

TEST_F(NouvelleSaison, LaCategorieSuitLaDateDuJour) {
    TExercice ancienne;
    auto a = std::make_unique<TAdherent>(&ancienne.Adherents());
    a->SetNom("PETIT");
    a->SetDateNaissance(EncodeDate(2014, 6, 1));
    ancienne.Adherents().Add(std::move(a));
    std::string categorieAvant;
    {
        HorlogeFixe juin(EncodeDate(2026, 6, 30));
        categorieAvant = ancienne.Adherents().Adherent(0)->Categorie();
    }
    TExercice nouvelle;
    std::string erreur;
    ASSERT_TRUE(ConstruireNouvelleSaison(ancienne, nouvelle, Options(""), erreur));
    HorlogeFixe janvier(EncodeDate(2027, 1, 2));
    EXPECT_EQ(categorieAvant, "Benjamin");
    EXPECT_EQ(nouvelle.Adherents().Adherent(0)->Categorie(), "Minime");
}

// --- The carried result ----------------------------------------------------------

struct CasReport {
    const char* nom;
    double produits;
    double charges;
    const char* article; // 706 is a produit account, 606 a charge account
    double montant;
};

class ReportResultat : public NouvelleSaison, public ::testing::WithParamInterface<CasReport> {};

TEST_P(ReportResultat, UneLigneDuBonSigneDansLeCompteChoisi) {
    const CasReport& cas = GetParam();
    TExercice ancienne;
    ancienne.SetIntitule("2026-2027");
    TComptabilite& c = ancienne.Comptabilite();
    for (const char* article : {"706", "606"}) {
        auto compte = std::make_unique<TCompte>(&c);
        compte->SetArticle(article);
        auto ligne = std::make_unique<TLigneEcriture>(compte.get());
        // Three lines of 0.1 and one of the rest: the sum drifts below the cent.
        for (int i = 0; i < 3; ++i) {
            auto l = std::make_unique<TLigneEcriture>(compte.get());
            l->SetLibelle("Dixième " + std::to_string(i));
            l->SetMontant(0.1);
            compte->AjouterLigne(std::move(l));
        }
        ligne->SetLibelle("Reste");
        ligne->SetMontant((article[0] == '7' ? cas.produits : cas.charges) - 0.3);
        compte->AjouterLigne(std::move(ligne));
        if (article[0] == '7')
            c.AjouterCompteProduit(std::move(compte));
        else
            c.AjouterCompteCharge(std::move(compte));
    }

    TExercice nouvelle;
    std::string erreur;
    const OptionsNouvelleSaison options = Options("2027-2028", cas.article, EncodeDate(2027, 9, 1));
    ASSERT_TRUE(ConstruireNouvelleSaison(ancienne, nouvelle, options, erreur)) << erreur;
    const TComptabilite& n = nouvelle.Comptabilite();
    const TCompte* choisi = cas.article[0] == '7' ? n.GetCompteProduit(0) : n.GetCompteCharge(0);
    const TCompte* autre = cas.article[0] == '7' ? n.GetCompteCharge(0) : n.GetCompteProduit(0);
    ASSERT_EQ(choisi->NbLignes(), 1);
    EXPECT_EQ(autre->NbLignes(), 0);
    const TLigneEcriture& l = *choisi->GetLigne(0);
    EXPECT_EQ(l.Libelle(), "Report de l'exercice précédent");
    EXPECT_EQ(l.Date(), EncodeDate(2027, 9, 1));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(l.Montant()), std::bit_cast<std::uint64_t>(cas.montant));
    EXPECT_FALSE(l.Automatique);
    // The new season opens on the result the old one closed on.
    EXPECT_EQ(ResultatSigne(nouvelle), ResultatSigne(ancienne));
    EXPECT_EQ(n.LibelleResultat(), c.LibelleResultat());
}

INSTANTIATE_TEST_SUITE_P(Cas, ReportResultat,
                         ::testing::Values(CasReport{"excedent_en_produit", 1250.4, 1000, "706", 250.4},
                                           CasReport{"deficit_en_produit", 1000, 1250.4, "706", -250.4},
                                           CasReport{"excedent_en_charge", 1250.4, 1000, "606", -250.4},
                                           CasReport{"deficit_en_charge", 1000, 1250.4, "606", 250.4},
                                           // Nothing to carry still gives the line, at +0.
                                           CasReport{"equilibre_en_charge", 1000, 1000, "606", 0.0},
                                           // The sums drift below the cent; the line does not.
                                           CasReport{"centimes_en_produit", 0.3, 0.7, "706", -0.4}),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST_F(NouvelleSaison, UnCompteDeReportInconnuNeConstruitRien) {
    TExercice ancienne;
    RemplirDocument(ancienne);
    TExercice nouvelle;
    nouvelle.SetIntitule("Déjà là");
    std::string erreur;
    EXPECT_FALSE(ConstruireNouvelleSaison(ancienne, nouvelle, Options("X", "999"), erreur));
    EXPECT_EQ(erreur, "Le compte \"999\" n'existe pas !");
    EXPECT_EQ(nouvelle.Intitule(), "");
    EXPECT_EQ(nouvelle.Adherents().Count(), 0);

    const auto avant = OctetsDuDocument(ancienne);
    EXPECT_FALSE(CommencerNouvelleSaison(ancienne, Options("X", "999"), erreur));
    EXPECT_EQ(OctetsDuDocument(ancienne), avant);
}

} // namespace
} // namespace tramonta
