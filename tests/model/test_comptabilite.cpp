// SPDX-License-Identifier: GPL-3.0-or-later
#include "outils_modele.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tramonta;
using namespace tramonta::test;

namespace {

TCompte* AjouterCompte(TComptabilite& c, bool charge, const char* article, std::vector<double> montants = {},
                       std::vector<const char*> libelles = {}) {
    auto compte = std::make_unique<TCompte>(&c);
    compte->SetArticle(article);
    for (std::size_t i = 0; i < montants.size(); ++i) {
        auto l = std::make_unique<TLigneEcriture>(compte.get());
        l->SetMontant(montants[i]);
        l->SetLibelle(i < libelles.size() ? libelles[i] : "ligne");
        compte->AjouterLigne(std::move(l));
    }
    TCompte* p = compte.get();
    if (charge)
        c.AjouterCompteCharge(std::move(compte));
    else
        c.AjouterCompteProduit(std::move(compte));
    return p;
}

struct CasResultat {
    std::vector<double> charges;
    std::vector<double> produits;
    const char* libelle;
    double montant;
};

class Resultat : public testing::TestWithParam<CasResultat> {};

TEST_P(Resultat, CompareProduitsEtCharges) {
    TComptabilite c;
    AjouterCompte(c, true, "606", GetParam().charges);
    AjouterCompte(c, false, "706", GetParam().produits);
    EXPECT_EQ(c.LibelleResultat(), GetParam().libelle);
    EXPECT_DOUBLE_EQ(c.MontantResultat(), GetParam().montant);
}

INSTANTIATE_TEST_SUITE_P(Table, Resultat,
                         testing::Values(CasResultat{{}, {}, "CLOTURE", 0},
                                         CasResultat{{100, 50.5}, {120}, "DEFICIT DE CLOTURE", 30.5},
                                         CasResultat{{10}, {25, -5}, "EXCEDENT DE CLOTURE", 10},
                                         CasResultat{{40}, {40}, "CLOTURE", 0}));

TEST(Comptabilite, UnLedgerVideAZeroPartout) {
    TComptabilite c;
    EXPECT_EQ(c.TotalCharges(), 0);
    EXPECT_EQ(c.TotalProduits(), 0);
    EXPECT_EQ(AjouterCompte(c, true, "1")->Total(), 0);
    EXPECT_EQ(c.GetCompteCharge(1), nullptr);
    EXPECT_EQ(c.GetCompteProduit(-1), nullptr);
    EXPECT_FALSE(c.SupprimerCompteProduit(0));
}

TEST(Comptabilite, UneLigneNeuveEstDateeDeMaintenantSansEtreModifiee) {
    const TDateTime maintenant = EncodeDate(2026, 12, 10) + 0.75;
    HorlogeFixe horloge(maintenant);
    TComptabilite c;
    TCompte compte(&c);
    TLigneEcriture ligne(&compte);
    EXPECT_EQ(ligne.Date(), maintenant);
    EXPECT_EQ(ligne.Libelle(), "");
    EXPECT_EQ(ligne.Montant(), 0.0);
    EXPECT_EQ(ligne.TypePaiement(), 0);
    EXPECT_FALSE(ligne.Automatique);
    EXPECT_FALSE(ligne.IsModified());
    // A copy keeps the date of its original, not the clock's.
    HorlogeFixe plusTard(maintenant + 3);
    EXPECT_EQ(ligne.Clone(&compte)->Date(), maintenant);
}

TEST(Comptabilite, LaRechercheDArticlePlieLAsciiEtPrendLePremier) {
    TComptabilite c;
    AjouterCompte(c, true, "a12");
    AjouterCompte(c, true, "A12");
    AjouterCompte(c, true, "é1");
    EXPECT_EQ(c.ChercherCompteCharge("A12"), 0);
    EXPECT_EQ(c.ChercherCompteCharge("É1"), -1);
    EXPECT_EQ(c.ChercherCompteCharge("é1"), 2);
    EXPECT_EQ(c.ChercherCompteProduit("a12"), -1);
}

TEST(Comptabilite, LignesEntrePrendToutLeDernierJour) {
    TComptabilite c;
    TCompte* compte = AjouterCompte(c, false, "706", {1, 2, 4, 8, 16});
    const double dates[] = {EncodeDate(2026, 1, 1) - 0.01, EncodeDate(2026, 1, 1),
                            EncodeDate(2026, 1, 15) + 0.5, EncodeDate(2026, 1, 31) + 14.0 / 24,
                            EncodeDate(2026, 2, 1)};
    for (int i = 0; i < 5; ++i)
        compte->GetLigne(i)->SetDate(dates[i]);
    std::vector<TLigneEcriture*> lignes = {compte->GetLigne(0)};
    const double debut = EncodeDate(2026, 1, 1), fin = EncodeDate(2026, 1, 31);
    // A posting of 31/01 at 14:00 belongs to January.
    EXPECT_EQ(compte->LignesEntre(lignes, debut, fin), 3);
    EXPECT_EQ(TCompte::SommeLignes(lignes), 14);
    EXPECT_EQ(compte->LignesEntre(lignes, 0, fin), 5);
    EXPECT_EQ(compte->LignesEntre(lignes, debut, 0), 5);
    EXPECT_EQ(compte->LignesEntre(lignes, fin, debut), 0);
}

TEST(Comptabilite, AjouterEtSupprimerMarquentLeProprietaire) {
    TComptabilite c;
    TCompte* compte = AjouterCompte(c, true, "606", {5});
    EXPECT_TRUE(c.Modified);
    TMemoryStream flux;
    {
        TWriter w(flux);
        c.Save(w);
    }
    EXPECT_FALSE(c.IsModified());
    compte->GetLigne(0)->Automatique = true;
    EXPECT_FALSE(c.IsModified()) << "marking a line automatic is not an edit";
    compte->ViderLignes();
    EXPECT_FALSE(c.IsModified()) << "the caller marks an emptied account";
    EXPECT_FALSE(compte->SupprimerLigne(0));
    EXPECT_TRUE(c.SupprimerCompteCharge(0));
    EXPECT_TRUE(c.IsModified());
}

TEST(Comptabilite, LaCopieDUnCompteNonModifieRestePropreMaisLAjoutMarqueLeLedger) {
    TComptabilite source, cible;
    AjouterCompte(source, false, "706", {1.5, 2.5}, {"a", "b"});
    source.GetCompteProduit(0)->GetLigne(1)->Automatique = true;
    TMemoryStream flux;
    {
        TWriter w(flux);
        source.Save(w);
    }
    auto copie = source.GetCompteProduit(0)->Clone(&cible);
    EXPECT_FALSE(copie->IsModified());
    EXPECT_EQ(copie->Total(), 4.0);
    EXPECT_TRUE(copie->GetLigne(1)->Automatique);
    EXPECT_EQ(copie->GetLigne(0)->Proprietaire(), copie.get());
    cible.AjouterCompteProduit(std::move(copie));
    EXPECT_TRUE(cible.IsModified());
}

// The account form hands back its working copy and the page assigns it: a
// field that differs tells the ledger's list, and the lines are replaced
// (the account marked) only when one of them differs, automatic mark
// included; a copy only looked at leaves the account clean and tells
// nothing.
TEST(Comptabilite, AssignDUneCopieNeRemplaceQueCeQuiDiffere) {
    struct Cas {
        const char* nom;
        std::function<void(TCompte&)> edition;
        std::vector<std::string> compte; // what the account's own list hears
        int lignesProduits;              // rows refreshed in the produit accounts' list
        bool modifie;
    };
    const Cas cas[] = {
        {"looked at", [](TCompte&) {}, {}, 0, false},
        {"title", [](TCompte& c) { c.SetIntitule("Licences"); }, {}, 1, true},
        {"amount",
         [](TCompte& c) { c.GetLigne(1)->SetMontant(3); },
         {"remplacement", "ajout", "ajout"},
         3,
         true},
        {"automatic",
         [](TCompte& c) { c.GetLigne(0)->Automatique = true; },
         {"remplacement", "ajout", "ajout"},
         3,
         true},
        {"line removed", [](TCompte& c) { c.SupprimerLigne(0); }, {"remplacement", "ajout"}, 2, true},
        {"amount typed, then put back",
         [](TCompte& c) {
             c.GetLigne(0)->SetMontant(9);
             c.GetLigne(0)->SetMontant(1.5);
         },
         {},
         0,
         false},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        TComptabilite compta;
        TCompte& compte = *AjouterCompte(compta, false, "706", {1.5, 2.5}, {"a", "b"});
        Ecrire([&](TWriter& w) { compta.Save(w); });
        auto copie = compte.Clone(&compta);
        k.edition(*copie);
        std::vector<std::string> vus;
        int produits = 0;
        const TAbonnement a = compte.Changements().Abonner([&](const TChangement& c) {
            vus.push_back(c.genre == TChangement::Remplacement ? "remplacement"
                          : c.genre == TChangement::Ajout      ? "ajout"
                                                               : "autre");
        });
        const TAbonnement b =
            compta.Changements(TComptabilite::Liste::Produits).Abonner([&](const TChangement& c) {
                if (c.genre == TChangement::Modification)
                    ++produits;
            });
        compte.Assign(*copie);
        EXPECT_EQ(vus, k.compte);
        EXPECT_EQ(produits, k.lignesProduits);
        EXPECT_EQ(compte.IsModified(), k.modifie);
        EXPECT_EQ(Ecrire([&](TWriter& w) { compte.Save(w); }), Ecrire([&](TWriter& w) { copie->Save(w); }));
        for (int i = 0; i < compte.NbLignes(); ++i)
            EXPECT_EQ(compte.GetLigne(i)->Proprietaire(), &compte);
    }
}

TEST(Import, UnCompteAbsentEstCopieUnCompteExistantSignale) {
    TComptabilite cible, source;
    AjouterCompte(cible, true, "606", {1}, {"Wax"});
    AjouterCompte(cible, false, "706");
    AjouterCompte(source, true, "606", {2, 3}, {"WAX", "Leash"});
    AjouterCompte(source, true, "706", {4}, {"x"});
    AjouterCompte(source, true, "607", {5}, {"y"});
    std::vector<std::string> messages;
    for (int i = 0; i < source.NbComptesCharges(); ++i)
        EXPECT_TRUE(cible.ImporterCompteCharge(*source.GetCompteCharge(i), false, messages));
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Impossible d'importer le compte charge \"606\" ! Ce compte existe déjà.",
                            "Impossible d'importer le compte charge \"706\" ! Ce compte existe déjà."}));
    ASSERT_EQ(cible.NbComptesCharges(), 2);
    EXPECT_EQ(cible.GetCompteCharge(1)->Article(), "607");
    EXPECT_EQ(cible.GetCompteCharge(1)->Total(), 5);
}

TEST(Import, AvecFusionLesLignesNouvellesRejoignentLeCompte) {
    TComptabilite cible, source;
    AjouterCompte(cible, false, "706", {1}, {"Licence de A"});
    AjouterCompte(cible, true, "606");
    AjouterCompte(source, false, "706", {2, 3}, {"licence de a", "Licence de B"});
    AjouterCompte(source, false, "606", {4}, {"z"});
    std::vector<std::string> messages;
    for (int i = 0; i < source.NbComptesProduits(); ++i)
        cible.ImporterCompteProduit(*source.GetCompteProduit(i), true, messages);
    // An article that exists among the charges is never merged into the produits.
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Impossible d'importer l'écriture \"licence de a\" compte produit \"706\" ! "
                            "Cette ligne existe déjà.",
                            "Impossible d'importer le compte produit \"606\" ! Ce compte existe déjà."}));
    EXPECT_EQ(cible.GetCompteProduit(0)->NbLignes(), 2);
    EXPECT_EQ(cible.GetCompteProduit(0)->Total(), 4);
    EXPECT_EQ(cible.NbComptesProduits(), 1);
}

std::vector<std::uint8_t> AncienLedger(int version, int versionCompte, int versionLigne) {
    TMemoryStream flux;
    {
        TWriter w(flux);
        w.WriteInteger(version);
        w.WriteListBegin();
        w.WriteListEnd();
        w.WriteListBegin();
        w.WriteInteger(versionCompte);
        w.WriteString("706");
        w.WriteString("Licences");
        if (versionCompte >= 2)
            w.WriteString("Infos");
        w.WriteListBegin();
        w.WriteInteger(versionLigne);
        w.WriteString("L");
        w.WriteFloat(45000);
        w.WriteString("C1");
        w.WriteFloat(9.5);
        if (versionLigne >= 2)
            w.WriteInteger(1);
        if (versionLigne >= 3)
            w.WriteBoolean(true);
        w.WriteListEnd();
        w.WriteListEnd();
        if (version >= 2) {
            w.WriteString("Club");
            w.WriteString("Banque");
            for (int i = 1; i <= 4; ++i)
                w.WriteInteger(i);
        }
        if (version >= 3)
            for (const char* a : {"706", "707", "708", "709"}) {
                w.WriteBoolean(true);
                w.WriteString(a);
            }
    }
    return flux.Donnees();
}

class AncienLedgerTest : public testing::TestWithParam<int> {};

TEST_P(AncienLedgerTest, GardeLesValeursInitialesDeCeQuiManque) {
    const int v = GetParam();
    TMemoryStream flux(AncienLedger(v, std::min(v, 2), v));
    TReader r(flux);
    TComptabilite c;
    c.Load(r);
    EXPECT_FALSE(c.IsModified());
    const TCompte& compte = *c.GetCompteProduit(0);
    EXPECT_EQ(compte.Infos(), v >= 2 ? "Infos" : "");
    EXPECT_EQ(compte.GetLigne(0)->Montant(), 9.5);
    EXPECT_EQ(compte.GetLigne(0)->TypePaiement(), v >= 2 ? 1 : 0);
    EXPECT_EQ(compte.GetLigne(0)->Automatique, v >= 3);
    EXPECT_EQ(c.NomBanque(), v >= 2 ? "Banque" : "");
    EXPECT_EQ(c.CleRIB(), v >= 2 ? 4 : 0);
    EXPECT_EQ(c.CompteForfaitLeconDefini(), v >= 3);
    EXPECT_EQ(c.CompteForfaitLecon(), v >= 3 ? "709" : "");
}

INSTANTIATE_TEST_SUITE_P(Versions, AncienLedgerTest, testing::Values(1, 2, 3));

} // namespace
