// SPDX-License-Identifier: GPL-3.0-or-later
#include "outils_modele.h"

#include "model/requete.h"

#include <gtest/gtest.h>

using namespace tramonta;
using namespace tramonta::test;

namespace {

struct CasCategorie {
    const char* sexe;
    int anneeNaissance; // today is in 2026
    const char* categorie;
};

class Categorie : public testing::TestWithParam<CasCategorie> {};

TEST_P(Categorie, NeCompteQueLesAnneesCiviles) {
    HorlogeFixe h(EncodeDate(2026, 1, 1) + 0.1);
    const auto& c = GetParam();
    for (auto [mois, jour] : {std::pair{1, 1}, std::pair{12, 31}})
        EXPECT_EQ(CalculerCategorie(c.sexe, EncodeDate(c.anneeNaissance, mois, jour)), c.categorie)
            << c.sexe << " né(e) le " << jour << "/" << mois << "/" << c.anneeNaissance;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Categorie,
    testing::Values(CasCategorie{"F", 2008, "Ondine"}, CasCategorie{"F", 2007, "Open"},
                    CasCategorie{"F", 2020, "Ondine"}, CasCategorie{"M", 2016, "Caneton"},
                    CasCategorie{"M", 2015, "Benjamin"}, CasCategorie{"M", 2014, "Benjamin"},
                    CasCategorie{"M", 2013, "Minime"}, CasCategorie{"M", 2012, "Minime"},
                    CasCategorie{"M", 2011, "Cadet"}, CasCategorie{"M", 2010, "Cadet"},
                    CasCategorie{"M", 2009, "Junior"}, CasCategorie{"M", 2008, "Junior"},
                    CasCategorie{"M", 2007, "Open"}, CasCategorie{"", 2000, "Open"},
                    // A small f is not "F": such a member never is "Ondine".
                    CasCategorie{"f", 2012, "Minime"},
                    // Born after the current year: a negative age, to which the rules apply as they stand.
                    CasCategorie{"F", 2027, "Ondine"}, CasCategorie{"M", 2030, "Caneton"}));

TEST(Categorie, SansDateDeNaissanceCEstOpen) {
    EXPECT_EQ(CalculerCategorie("F", 0), "Open");
    EXPECT_EQ(CalculerCategorie("M", 0), "Open");
}

TEST(Categorie, ChangeAuPremierJanvier) {
    const double naissance = EncodeDate(2008, 6, 15);
    {
        HorlogeFixe h(EncodeDate(2026, 12, 31) + 0.99);
        EXPECT_EQ(CalculerCategorie("M", naissance), "Junior");
    }
    HorlogeFixe h(EncodeDate(2027, 1, 1));
    EXPECT_EQ(CalculerCategorie("M", naissance), "Open");
}

TEST(Licence, DirigeantPrimeSurCompetitionQuiPrimeSurLoisir) {
    TAdherents liste;
    auto ajouter = [&](bool competition, bool dirigeant) {
        auto a = std::make_unique<TAdherent>(&liste);
        a->SetLicenceCompet(competition);
        a->SetLicenceDirigeant(dirigeant);
        liste.Add(std::move(a));
    };
    ajouter(false, false);
    ajouter(true, false);
    ajouter(true, true);
    ajouter(false, true);
    ajouter(false, false);
    EXPECT_EQ(liste.Adherent(0)->TypeLicence(), "Loisir");
    EXPECT_EQ(liste.Adherent(1)->TypeLicence(), "Compétition");
    EXPECT_EQ(liste.Adherent(2)->TypeLicence(), "Dirigeant");
    const auto s = liste.Statistiques();
    EXPECT_EQ(s.loisir, 2);
    EXPECT_EQ(s.competition, 1);
    EXPECT_EQ(s.dirigeant, 2);
}

struct CasRecherche {
    const char* nom;
    const char* prenom;
    int attendu;
};

class Recherche : public testing::TestWithParam<CasRecherche> {};

TEST_P(Recherche, PlieSeulementLesLettresAscii) {
    TAdherents liste;
    for (auto [n, p] : {std::pair{"Dupont", "Zoé"}, std::pair{"Éric", "Paul"}, std::pair{"Dupont", "Zoé"}}) {
        auto a = std::make_unique<TAdherent>(&liste);
        a->SetNom(n);
        a->SetPrenom(p);
        liste.Add(std::move(a));
    }
    EXPECT_EQ(liste.Find(GetParam().nom, GetParam().prenom), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Table, Recherche,
                         testing::Values(CasRecherche{"DUPONT", "zoé", 0}, CasRecherche{"dupont", "ZOé", 0},
                                         CasRecherche{"DUPONT", "ZOÉ", -1},
                                         CasRecherche{"ÉRIC", "paul", 0 + 1},
                                         CasRecherche{"éric", "Paul", -1}, CasRecherche{"Dupont", "", -1}));

TEST(Collection, LesIndicesHorsLimitesNeLevertRien) {
    TAdherents liste;
    EXPECT_EQ(liste.Adherent(-1), nullptr);
    EXPECT_EQ(liste.Adherent(0), nullptr);
    EXPECT_FALSE(liste.Delete(0));
    EXPECT_FALSE(liste.IsModified());
}

TEST(Collection, LaCopieGardeLesChampsEtLEtatModifie) {
    TExercice e;
    RemplirDocument(e);
    TAdherent& source = *e.Adherents().Adherent(0);
    TAdherents autre;
    auto copie = source.Clone(&autre);
    EXPECT_EQ(copie->Proprietaire(), &autre);
    EXPECT_TRUE(copie->Modified);
    int n = 0;
    source.VisiterChamps([&](const char* nom, const auto& valeur) {
        copie->VisiterChamps([&](const char* autreNom, const auto& autreValeur) {
            if constexpr (std::is_same_v<decltype(valeur), decltype(autreValeur)>)
                if (std::string_view(nom) == autreNom) {
                    EXPECT_EQ(valeur, autreValeur) << nom;
                    ++n;
                }
        });
    });
    EXPECT_EQ(n, 30);

    source.Modified = false;
    EXPECT_FALSE(source.Clone(&autre)->Modified);
}

TEST(Collection, ImporterSignaleLesDoublonsEtCopieLesAutres) {
    TExercice cible, source;
    RemplirDocument(cible);
    RemplirDocument(source);
    auto nouveau = std::make_unique<TAdherent>(&source.Adherents());
    nouveau->SetNom("NOUVEAU");
    source.Adherents().Add(std::move(nouveau));
    std::vector<std::string> rapport;
    for (int i = 0; i < source.Adherents().Count(); ++i)
        EXPECT_TRUE(cible.Adherents().Import(*source.Adherents().Adherent(i), rapport));
    EXPECT_EQ(rapport, (std::vector<std::string>{
                           "Impossible d'importer l'adhérent \"DUPONT Zoé\" ! Cet adhérent existe déjà.",
                           "Impossible d'importer l'adhérent \"MARTIN Léo\" ! Cet adhérent existe déjà."}));
    ASSERT_EQ(cible.Adherents().Count(), 3);
    EXPECT_EQ(cible.Adherents().Adherent(2)->Nom(), "NOUVEAU");
    EXPECT_EQ(cible.Adherents().Adherent(2)->Proprietaire(), &cible.Adherents());
}

class AncienAdherentTest : public testing::TestWithParam<int> {};

TEST_P(AncienAdherentTest, GardeLesValeursInitialesDeCeQuiManque) {
    const int v = GetParam();
    TMemoryStream flux(Ecrire([v](TWriter& w) { EcrireAncienAdherent(w, v); }));
    TReader r(flux);
    TAdherent a(nullptr);
    a.Load(r);
    EXPECT_EQ(a.Prenom(), "Prénom");
    EXPECT_EQ(a.CodePostal(), 40000);
    EXPECT_EQ(a.Classement(), 0);
    EXPECT_EQ(a.LicenceEnCompta(), v >= 2) << "version 1 wrote a boolean here that meant nothing";
    EXPECT_EQ(a.ArticleLicence(), v >= 2 ? "706" : "");
    EXPECT_EQ(a.CautionEnCompta(), v >= 3);
    EXPECT_EQ(a.ArticleForfait(), v >= 3 ? "709" : "");
    EXPECT_EQ(a.ForfaitLecon(), 3.0);
    EXPECT_EQ(a.InformationsComplementaires(), "Infos");
    EXPECT_FALSE(a.IsModified());
}

INSTANTIATE_TEST_SUITE_P(Versions, AncienAdherentTest, testing::Values(1, 2, 3));

class Desenregistrement : public testing::Test {
  protected:
    void SetUp() override {
        RemplirDocument(e_);
        TComptabilite& c = e_.Comptabilite();
        for (const char* article : {"707", "708", "709"}) {
            auto compte = std::make_unique<TCompte>(&c);
            compte->SetArticle(article);
            c.AjouterCompteProduit(std::move(compte));
        }
        adherent_ = e_.Adherents().Adherent(0);
        for (auto genre : kEnregistrements) {
            TCompte* compte = c.GetCompteProduit(c.ChercherCompteProduit(adherent_->ArticleCompta(genre)));
            auto ligne = std::make_unique<TLigneEcriture>(compte);
            ligne->SetLibelle(LibelleEnregistrement(genre, "dupont", "ZOé"));
            ligne->Automatique = true;
            compte->AjouterLigne(std::move(ligne));
        }
    }
    int LignesAutomatiques() {
        int n = 0;
        for (int i = 0; i < e_.Comptabilite().NbComptesProduits(); ++i) {
            const TCompte* c = e_.Comptabilite().GetCompteProduit(i);
            for (int j = 0; j < c->NbLignes(); ++j)
                n += c->GetLigne(j)->Automatique;
        }
        return n;
    }
    TExercice e_;
    TAdherent* adherent_ = nullptr;
    CaptureMessages messages_;
};

TEST_F(Desenregistrement, SupprimerUnAdherentRetireSesQuatreEcritures) {
    // RemplirDocument's line "Licence de DUPONT Zoé" is found first (labels fold ASCII case).
    ASSERT_EQ(LignesAutomatiques(), 5);
    EXPECT_TRUE(e_.Adherents().Delete(0));
    EXPECT_EQ(LignesAutomatiques(), 1);
    EXPECT_TRUE(messages_.messages.empty());
    EXPECT_EQ(e_.Adherents().Count(), 1);
}

TEST_F(Desenregistrement, UnCompteOuUneLigneDisparusSontSignalesEtLaSuppressionContinue) {
    e_.Comptabilite().GetCompteProduit(1)->SetArticle("7070"); // renumbered: the deposit's account is lost
    adherent_->SetArticleLocation("999");
    TCompte* forfait = e_.Comptabilite().GetCompteProduit(e_.Comptabilite().ChercherCompteProduit("709"));
    forfait->ViderLignes();
    EXPECT_TRUE(e_.Adherents().Delete(0));
    EXPECT_EQ(
        messages_.messages,
        (std::vector<std::string>{
            "Erreur : Impossible de retrouver le compte \"707\" dans lequel a été fait l'enregistrement !",
            "Erreur : Impossible de retrouver le compte \"999\" dans lequel a été fait l'enregistrement !",
            "Erreur : Impossible de retrouver la ligne d'écriture \"Forfait leçon de DUPONT Zoé\" dans "
            "lequel a "
            "été fait l'enregistrement !"}));
    EXPECT_EQ(e_.Adherents().Count(), 1);
}

TEST_F(Desenregistrement, LeDrapeauTombeMemeQuandLEcritureEstIntrouvable) {
    adherent_->SetArticleLicence("000");
    EXPECT_FALSE(adherent_->DesenregistrerLicence());
    EXPECT_FALSE(adherent_->LicenceEnCompta());
    EXPECT_EQ(adherent_->ArticleLicence(), "000") << "the account field keeps its value";
    EXPECT_TRUE(adherent_->DesenregistrerLicence()) << "nothing posted any more";
    EXPECT_TRUE(adherent_->DesenregistrerCaution());
    EXPECT_FALSE(adherent_->CautionEnCompta());
}

struct CasRequete {
    const char* nom;
    TCriteresRequete criteres;
    std::vector<std::string> attendus;
};

class Requete : public testing::TestWithParam<CasRequete> {};

TEST_P(Requete, SelectionneDansLOrdreDeLaCollection) {
    HorlogeFixe h(EncodeDate(2026, 6, 1));
    TAdherents liste;
    struct Membre {
        const char* nom;
        const char* sexe;
        int annee;
        double licence;
        bool enCompta, competition, dirigeant;
    };
    for (const Membre& m : {Membre{"Fille17", "F", 2009, 0, true, true, false},
                            Membre{"Garcon17", "M", 2009, 40, false, true, true},
                            Membre{"SansDate", "M", 0, 40, false, false, false},
                            Membre{"Femme30", "F", 1996, 0, false, false, false}}) {
        auto a = std::make_unique<TAdherent>(&liste);
        a->SetNom(m.nom);
        a->SetSexe(m.sexe);
        a->SetDateNaissance(m.annee ? EncodeDate(m.annee, 3, 1) : 0);
        a->SetMontantLicence(m.licence);
        a->SetLicenceEnCompta(m.enCompta);
        a->SetLicenceCompet(m.competition);
        a->SetLicenceDirigeant(m.dirigeant);
        liste.Add(std::move(a));
    }
    std::vector<std::string> noms;
    for (const TAdherent* a : ExecuterRequete(liste, GetParam().criteres))
        noms.push_back(a->Nom());
    EXPECT_EQ(noms, GetParam().attendus);
}

TCriteresRequete Criteres(std::int32_t type, std::int32_t relance = 0, const char* categorie = "",
                          const char* licence = "") {
    TCriteresRequete c;
    c.TypeRequete = type;
    c.Relance = relance;
    c.CategorieDemandee = categorie;
    c.LicenceDemandee = licence;
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Requete,
    testing::Values(CasRequete{"tous", Criteres(0), {"Fille17", "Garcon17", "SansDate", "Femme30"}},
                    // An unpaid sum is a sum of 0, whatever the ledger says.
                    CasRequete{"licence_impayee", Criteres(1, 0), {"Fille17", "Femme30"}},
                    CasRequete{
                        "caution_impayee", Criteres(1, 1), {"Fille17", "Garcon17", "SansDate", "Femme30"}},
                    CasRequete{"relance_inconnue", Criteres(1, 4), {}},
                    CasRequete{"ondine", Criteres(2, 0, "Ondine"), {"Fille17"}},
                    CasRequete{"junior", Criteres(2, 0, "Junior"), {"Garcon17"}},
                    CasRequete{"open_casse_ascii", Criteres(2, 0, "OPEN"), {"SansDate", "Femme30"}},
                    CasRequete{"competition", Criteres(3, 0, "", "Compétition"), {"Fille17"}},
                    CasRequete{"dirigeant", Criteres(3, 0, "", "dirigeant"), {"Garcon17"}},
                    CasRequete{"type_inconnu", Criteres(7), {}}),
    [](const auto& info) { return std::string(info.param.nom); });

} // namespace

TEST(DescriptionRequete, UnePhraseParTypeEtParSomme) {
    struct Cas {
        TCriteresRequete criteres;
        const char* attendue;
    };
    for (const Cas& c :
         {Cas{Criteres(0), "Tous les adhérents"},
          Cas{Criteres(1, 0), "Les adhérents qui n'ont pas payé la licence"},
          Cas{Criteres(1, 1), "Les adhérents qui n'ont pas payé la caution combinaison"},
          Cas{Criteres(1, 2), "Les adhérents qui n'ont pas payé la location combinaison"},
          Cas{Criteres(1, 3), "Les adhérents qui n'ont pas payé le forfait leçon"},
          Cas{Criteres(2, 0, "Ondine"), "Les adhérents de catégorie 'Ondine'"},
          Cas{Criteres(3, 0, "", "Compétition"), "Les adhérents qui ont une licence 'Compétition'"},
          // Outside the known values the sentence stays the general one.
          Cas{Criteres(1, 9), "Tous les adhérents"}, Cas{Criteres(7), "Tous les adhérents"}})
        EXPECT_EQ(DecrireCriteres(c.criteres), c.attendue);
}
