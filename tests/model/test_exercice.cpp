// SPDX-License-Identifier: GPL-3.0-or-later
#include "outils_modele.h"

#include "core/fichier.h"
#include "core/texte.h"
#include "model/tableau.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

using namespace tramonta;
using namespace tramonta::test;
namespace fs = std::filesystem;

namespace {

using Octets = std::vector<std::uint8_t>;

class Document : public testing::Test {
  protected:
    void SetUp() override {
        dossier_ =
            fs::temp_directory_path() / ("tramonta-doc-" + std::to_string(::getpid()) + "-" +
                                         testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dossier_);
        fs::create_directories(dossier_);
    }
    void TearDown() override { fs::remove_all(dossier_); }
    std::string Chemin(const char* nom) const { return (dossier_ / nom).string(); }
    static Octets LireOctets(const std::string& chemin) {
        std::ifstream f(chemin, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    static void PoserOctets(const std::string& chemin, const Octets& o) {
        std::ofstream f(chemin, std::ios::binary);
        f.write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
    }
    HorlogeFixe horloge_{EncodeDate(2026, 12, 10) + 0.5};
    CaptureMessages messages_;
    fs::path dossier_;
};

TEST_F(Document, UnDocumentVideCommenceParLaVersionLaSignatureEtTroisTextesVides) {
    TExercice e;
    const Octets o = OctetsDuDocument(e);
    Octets attendu = {0x02, 0x05, 0x06, 0x11};
    for (char c : std::string("SignatureTramonta"))
        attendu.push_back(static_cast<std::uint8_t>(c));
    for (std::uint8_t b : {0x06, 0x00, 0x06, 0x00, 0x06, 0x00, 0x01, 0x00})
        attendu.push_back(b);
    // members: version 1, empty list
    for (std::uint8_t b : {0x02, 0x01, 0x01, 0x00})
        attendu.push_back(b);
    ASSERT_GE(o.size(), attendu.size());
    EXPECT_EQ(Octets(o.begin(), o.begin() + static_cast<long>(attendu.size())), attendu);
    // Nothing follows the journal, the last section; the currency flag stands before it.
    const Octets fin = {0x09, 0x02, 0x01, 0x01, 0x00};
    EXPECT_EQ(Octets(o.end() - 5, o.end()), fin);
}

TEST_F(Document, UnDocumentVideRelitVideEtNonModifie) {
    TExercice e;
    const std::string chemin = Chemin("vide.trm");
    ASSERT_TRUE(e.SaveToFile(chemin));
    TExercice relu;
    ASSERT_TRUE(relu.LoadFromFile(chemin));
    EXPECT_FALSE(relu.IsModified());
    EXPECT_TRUE(relu.Euro());
    EXPECT_EQ(relu.NbSpecialites(), 0);
    EXPECT_EQ(relu.Agenda().Count(), 0);
}

TEST_F(Document, ToutChampFaitLAllerRetourOctetPourOctet) {
    TExercice e;
    RemplirDocument(e);
    EXPECT_TRUE(e.IsModified());
    const std::string chemin = Chemin("plein.trm");
    ASSERT_TRUE(e.SaveToFile(chemin));
    EXPECT_FALSE(e.IsModified());

    TExercice relu;
    ASSERT_TRUE(relu.LoadFromFile(chemin));
    EXPECT_FALSE(relu.IsModified());
    EXPECT_EQ(OctetsDuDocument(relu), LireOctets(chemin));

    // Spot checks that the values, not just the bytes, came back.
    EXPECT_EQ(relu.Intitule(), "Saison 2026");
    EXPECT_EQ(relu.Commentaires(), "Ligne 1\r\nLigne 2 — été");
}

TEST_F(Document, ChaqueSectionEstLueAuBonEndroit) {
    TExercice e;
    RemplirDocument(e);
    TExercice relu;
    Charger(relu, OctetsDuDocument(e));
    EXPECT_EQ(TExercice::DecoderMotPasse(relu.MotPasse()), "vague");
    EXPECT_FALSE(relu.Euro());
    EXPECT_EQ(relu.GetSpecialite(1), "Mairie");
    ASSERT_EQ(relu.Adherents().Count(), 2);
    const TAdherent& a = *relu.Adherents().Adherent(0);
    EXPECT_EQ(a.Prenom(), "Zoé");
    EXPECT_EQ(a.Classement(), -40000);
    EXPECT_EQ(a.ForfaitLecon(), 1e-300);
    EXPECT_EQ(a.ArticleForfait(), "709");
    EXPECT_EQ(a.InformationsComplementaires().size(), 300u);
    EXPECT_EQ(relu.Comptabilite().GetCompteProduit(0)->GetLigne(0)->TypePaiement(), 2);
    EXPECT_TRUE(relu.Comptabilite().GetCompteProduit(0)->GetLigne(0)->Automatique);
    EXPECT_EQ(relu.Comptabilite().NumeroCompte(), 2147483647);
    EXPECT_EQ(relu.Comptabilite().CompteForfaitLecon(), "709");
    EXPECT_EQ(relu.Correspondants().Correspondant(0)->Specialite(), "Mairie");
    EXPECT_EQ(relu.Agenda().Ligne(0)->Utilisateur(), "tresorier");
}

// Old files, built value by value as the earlier versions wrote them.
Octets AncienFichier(int version) {
    TMemoryStream flux;
    {
        TWriter w(flux);
        w.WriteInteger(version);
        w.WriteString("SignatureTramonta");
        w.WriteString("");
        w.WriteString("Saison 1998");
        w.WriteString("");
        if (version >= 3) {
            w.WriteListBegin();
            w.WriteString("Plage");
            w.WriteListEnd();
        }
        // members: one record of version 1
        w.WriteInteger(1);
        w.WriteListBegin();
        EcrireAncienAdherent(w, 1);
        w.WriteListEnd();
        // ledger of version 1: one charge account of version 1 with one line of version 1
        w.WriteInteger(1);
        w.WriteListBegin();
        w.WriteInteger(1);
        w.WriteString("606");
        w.WriteString("Achats");
        w.WriteListBegin();
        w.WriteInteger(1);
        w.WriteString("Wax");
        w.WriteFloat(EncodeDate(1998, 5, 1));
        w.WriteString("");
        w.WriteFloat(12.5);
        w.WriteListEnd();
        w.WriteListEnd();
        w.WriteListBegin();
        w.WriteListEnd();
        // competitions: none
        w.WriteInteger(1);
        w.WriteListBegin();
        w.WriteListEnd();
        if (version >= 2) {
            w.WriteInteger(1);
            w.WriteListBegin();
            w.WriteInteger(1);
            w.WriteString("Club voisin");
            w.WriteString("");
            w.WriteInteger(0);
            for (int i = 0; i < 7; ++i)
                w.WriteString("");
            w.WriteListEnd();
        }
        if (version >= 4)
            w.WriteBoolean(false);
        if (version >= 5) {
            w.WriteInteger(1);
            w.WriteListBegin();
            w.WriteListEnd();
        }
    }
    return flux.Donnees();
}

class AncienneVersion : public Document, public testing::WithParamInterface<int> {};

TEST_P(AncienneVersion, SeLitAvecLesValeursInitialesDeCeQuiManque) {
    const int v = GetParam();
    const std::string chemin = Chemin("ancien.trm");
    PoserOctets(chemin, AncienFichier(v));
    TExercice e;
    ASSERT_TRUE(e.LoadFromFile(chemin)) << (messages_.messages.empty() ? "" : messages_.messages.back());
    EXPECT_FALSE(e.IsModified());
    EXPECT_EQ(e.Intitule(), "Saison 1998");
    EXPECT_EQ(e.NbSpecialites(), v >= 3 ? 1 : 0);
    EXPECT_EQ(e.Euro(), v < 4);
    EXPECT_EQ(e.Correspondants().Count(), v >= 2 ? 1 : 0);
    EXPECT_EQ(e.Agenda().Count(), 0);

    const TAdherent& a = *e.Adherents().Adherent(0);
    EXPECT_EQ(a.MontantLicence(), 40.0);
    EXPECT_FALSE(a.LicenceEnCompta());
    EXPECT_EQ(a.Classement(), 0);
    EXPECT_EQ(a.ForfaitLecon(), 3.0);
    EXPECT_EQ(a.InformationsComplementaires(), "Infos");

    const TComptabilite& c = e.Comptabilite();
    EXPECT_EQ(c.NomBanque(), "");
    EXPECT_EQ(c.CodeBanque(), 0);
    EXPECT_FALSE(c.CompteLicenceDefini());
    ASSERT_EQ(c.NbComptesCharges(), 1);
    EXPECT_EQ(c.GetCompteCharge(0)->Infos(), "");
    const TLigneEcriture& l = *c.GetCompteCharge(0)->GetLigne(0);
    EXPECT_EQ(l.Montant(), 12.5);
    EXPECT_EQ(l.TypePaiement(), 0);
    EXPECT_FALSE(l.Automatique);
    if (v >= 2) {
        EXPECT_EQ(e.Correspondants().Correspondant(0)->Specialite(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, AncienneVersion, testing::Values(1, 2, 3, 4, 5));

TEST_F(Document, UneVersionPlusRecenteSeLitCommeLaCinquieme) {
    Octets o = AncienFichier(5);
    o[1] = 9;
    const std::string chemin = Chemin("futur.trm");
    PoserOctets(chemin, o);
    TExercice e;
    EXPECT_TRUE(e.LoadFromFile(chemin));
}

TEST_F(Document, UnFichierCoupeNImporteOuEstIlisibleEtLaisseLeDocumentVide) {
    TExercice plein;
    RemplirDocument(plein);
    const Octets complet = OctetsDuDocument(plein);
    const std::string chemin = Chemin("coupe.trm");
    for (std::size_t n = 0; n < complet.size(); ++n) {
        PoserOctets(chemin, Octets(complet.begin(), complet.begin() + static_cast<long>(n)));
        TExercice e;
        RemplirDocument(e);
        messages_.messages.clear();
        ASSERT_FALSE(e.LoadFromFile(chemin)) << "coupé à " << n;
        ASSERT_EQ(messages_.messages, std::vector<std::string>{"Erreur : Impossible de lire l'exercice !"});
        ASSERT_EQ(e.Adherents().Count(), 0);
        ASSERT_EQ(e.Intitule(), "");
        ASSERT_FALSE(e.IsModified());
    }
}

TEST_F(Document, UnCheminAbsentDitFichierInexistantEtVideLeDocument) {
    TExercice e;
    RemplirDocument(e);
    EXPECT_FALSE(e.LoadFromFile(Chemin("absent.trm")));
    EXPECT_EQ(messages_.messages, std::vector<std::string>{"Erreur : Fichier inexistant !"});
    EXPECT_EQ(e.Adherents().Count(), 0);
    EXPECT_FALSE(e.IsModified());
}

TEST_F(Document, UnEnregistrementRateGardeLAncienFichierEtLeDocumentModifie) {
    const std::string chemin = Chemin("saison.trm");
    TExercice ancien;
    ancien.SetIntitule("ancien");
    ASSERT_TRUE(ancien.SaveToFile(chemin));
    const Octets avant = LireOctets(chemin);

    TExercice e;
    RemplirDocument(e);
    for (int i = 0; i < 3000; ++i) {
        auto a = std::make_unique<TAdherent>(&e.Adherents());
        a->SetNom("NOM" + std::to_string(i));
        e.Adherents().Add(std::move(a));
    }
    rlimit ancienne{};
    getrlimit(RLIMIT_FSIZE, &ancienne);
    auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = ancienne;
    limite.rlim_cur = 32 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    const bool ok = e.SaveToFile(chemin);
    setrlimit(RLIMIT_FSIZE, &ancienne);
    std::signal(SIGXFSZ, ancienSignal);

    EXPECT_FALSE(ok);
    EXPECT_EQ(messages_.messages, std::vector<std::string>{"Erreur : Impossible d'écrire l'exercice !"});
    EXPECT_EQ(LireOctets(chemin), avant);
    EXPECT_TRUE(e.IsModified()) << "the user must still be offered to save";
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier_), fs::directory_iterator()), 1);
}

TEST_F(Document, EnregistrerDansUnDossierAbsentEchoueAvecSonMessage) {
    TExercice e;
    EXPECT_FALSE(e.SaveToFile(Chemin("absent/saison.trm")));
    EXPECT_EQ(messages_.messages, std::vector<std::string>{"Erreur : Impossible d'écrire l'exercice !"});
}

TEST(Specialites, SuiventLeursRegles) {
    TExercice e;
    EXPECT_EQ(e.AjouterSpecialite("Surf"), 0);
    EXPECT_EQ(e.AjouterSpecialite("École"), 1);
    EXPECT_TRUE(e.IsModified()) << "only the speciality list changed";
    EXPECT_TRUE(e.ExisteSpecialite("surf"));
    EXPECT_TRUE(e.ExisteSpecialite("école"));
    EXPECT_FALSE(e.ExisteSpecialite("Ecole"));
    EXPECT_EQ(e.GetSpecialite(-1), "");
    EXPECT_EQ(e.GetSpecialite(2), "");

    e.Modified = false;
    EXPECT_TRUE(e.RenommerSpecialite(0, "Surf"));
    EXPECT_FALSE(e.IsModified());
    EXPECT_TRUE(e.RenommerSpecialite(0, "École")); // no uniqueness check
    EXPECT_TRUE(e.IsModified());
    EXPECT_FALSE(e.RenommerSpecialite(2, "x"));
    EXPECT_FALSE(e.SupprimerSpecialite(-1));
    EXPECT_TRUE(e.SupprimerSpecialite(0));
    EXPECT_EQ(e.NbSpecialites(), 1);
}

TEST(Modification, ChaqueCollectionRendLeDocumentModifie) {
    const std::vector<std::pair<const char*, std::function<void(TExercice&)>>> cas = {
        {"intitule", [](TExercice& e) { e.SetIntitule("x"); }},
        {"euro", [](TExercice& e) { e.SetEuro(true); }},
        {"adherent", [](TExercice& e) { e.Adherents().Adherent(0)->SetVille("Pau"); }},
        {"ligne", [](TExercice& e) { e.Comptabilite().GetCompteProduit(0)->GetLigne(0)->SetMontant(1); }},
        {"banque", [](TExercice& e) { e.Comptabilite().SetCleRIB(1); }},
        {"correspondant", [](TExercice& e) { e.Correspondants().Correspondant(0)->SetFax("1"); }},
        {"agenda", [](TExercice& e) { e.Agenda().Ligne(0)->SetTexte("x"); }},
        {"meme_valeur_rien", [](TExercice&) {}},
    };
    for (const auto& [nom, changer] : cas) {
        TExercice e;
        RemplirDocument(e);
        Charger(e, OctetsDuDocument(e));
        ASSERT_FALSE(e.IsModified());
        e.SetIntitule(e.Intitule());
        e.Adherents().Adherent(0)->SetNom("DUPONT");
        changer(e);
        EXPECT_EQ(e.IsModified(), std::string(nom) != "meme_valeur_rien") << nom;
    }
}

struct CasMotPasse {
    const char* nom;
    std::string clair;
    std::string code;
};

class MotPasse : public testing::TestWithParam<CasMotPasse> {};

TEST_P(MotPasse, SeBrouilleEtSeDebrouilleExactement) {
    const auto& c = GetParam();
    EXPECT_EQ(Utf8VersCp1252(TExercice::CoderMotPasse(c.clair)), c.code);
    EXPECT_EQ(TExercice::DecoderMotPasse(TExercice::CoderMotPasse(c.clair)), c.clair);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MotPasse,
    testing::Values(CasMotPasse{"exemple", "abc", "vxz"}, CasMotPasse{"vide", "", ""},
                    // Bytes near 255 wrap around.
                    CasMotPasse{"debordement", "ÿþ", std::string("\x14\x14", 2)},
                    CasMotPasse{"vingt", "abcdefghijklmnopqrst",
                                "vxz|~\x80\x82\x84\x86\x88\x8A\x8C\x8E\x90\x92\x94\x96\x98\x9A\x9C"}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(Document, LeMotDePasseEstLaTroisiemeValeurDuFichier) {
    TExercice e;
    e.SetMotPasse(TExercice::CoderMotPasse("abc"));
    const Octets o = OctetsDuDocument(e);
    const Octets attendu = {0x06, 0x03, 0x76, 0x78, 0x7A};
    EXPECT_EQ(Octets(o.begin() + 21, o.begin() + 26), attendu);

    const std::string chemin = Chemin("protege.trm");
    ASSERT_TRUE(e.SaveToFile(chemin));
    TExercice relu;
    ASSERT_TRUE(relu.LoadFromFile(chemin));
    EXPECT_TRUE(relu.VerifierMotPasse([] { return std::optional<std::string>("abc"); }));
    EXPECT_FALSE(relu.VerifierMotPasse([] { return std::optional<std::string>("ABC"); }));
    EXPECT_FALSE(relu.VerifierMotPasse([] { return std::optional<std::string>(); }));
}

TEST(MotPasseVerification, UnDocumentNonProtegeNeDemandeRien) {
    TExercice e;
    bool demande = false;
    EXPECT_TRUE(e.VerifierMotPasse([&] {
        demande = true;
        return std::optional<std::string>();
    }));
    EXPECT_FALSE(demande);
}

TEST(MotPasseVerification, UneLettreHorsWindows1252SeCompareCommeLeFichierLaGarde) {
    TExercice e;
    e.SetMotPasse(TExercice::CoderMotPasse("Żagiel"));
    TExercice relu;
    Charger(relu, OctetsDuDocument(e));
    EXPECT_EQ(TExercice::DecoderMotPasse(relu.MotPasse()), "?agiel");
    EXPECT_TRUE(relu.VerifierMotPasse([] { return std::optional<std::string>("Żagiel"); }));
    EXPECT_FALSE(relu.VerifierMotPasse([] { return std::optional<std::string>("Zagiel"); }));
    EXPECT_EQ(TExercice::MotPasseStocke("Été"), "Été");
}

TEST(MotPasseVerification, LesOctetsHautsSontBrouillesCommeLesAutres) {
    // Every byte value comes back from the scrambled form, also through the file.
    std::string tous;
    for (int i = 1; i < 256; ++i)
        tous.push_back(static_cast<char>(i));
    const std::string clair = Cp1252VersUtf8(tous);
    TExercice e;
    e.SetMotPasse(TExercice::CoderMotPasse(clair));
    TExercice relu;
    Charger(relu, OctetsDuDocument(e));
    EXPECT_EQ(TExercice::DecoderMotPasse(relu.MotPasse()), clair);
}

} // namespace

namespace {
TEST(CopieDeRecuperation, LesDrapeauxRestentCommeIlsEtaient) {
    tramonta::TExercice e;
    e.SetIntitule("Saison");
    auto a = std::make_unique<tramonta::TAdherent>(&e.Adherents());
    a->SetNom("Durand");
    e.Adherents().Add(std::move(a));
    e.AjouterSpecialite("Juge");
    const bool adherent = e.Adherents().Adherent(0)->Modified;
    tramonta::TMemoryStream copie, fichier;
    {
        tramonta::TWriter w(copie);
        e.SaveCopie(w);
    }
    EXPECT_TRUE(e.IsModified());
    EXPECT_TRUE(e.Modified);
    EXPECT_EQ(e.Adherents().Adherent(0)->Modified, adherent);
    {
        tramonta::TWriter w(fichier);
        e.Save(w);
    }
    EXPECT_EQ(copie.Donnees(), fichier.Donnees());
    EXPECT_FALSE(e.IsModified());
    // A copy of a document that is not modified leaves it so.
    tramonta::TMemoryStream encore;
    tramonta::TWriter w(encore);
    e.SaveCopie(w);
    EXPECT_FALSE(e.IsModified());
}
} // namespace

namespace {
// The demonstration season holds heat tables: saving a category builds a
// template table to compare its shape with, and frees it at once. The copy
// must give back the flags of the season's own objects only.
TEST(CopieDeRecuperation, SaisonDeDemonstrationAvecSesTableaux) {
    tramonta::TExercice e;
    ASSERT_TRUE(e.LoadFromFile(std::string(TRAMONTA_EXEMPLES) + "/saison-demo.trm"));
    ASSERT_FALSE(e.IsModified());
    ASSERT_GE(e.Compets().Count(), 2);
    tramonta::TCategorieCompet* categorie = e.Compets().Compet(1)->Categorie(4);
    ASSERT_NE(categorie->Tableau(), nullptr);
    tramonta::TLigneSerie* ligne = categorie->Tableau()->Serie(1)->Ligne(0);
    ligne->SetPlace(ligne->Place() == 1 ? 2 : 1);
    e.SetIntitule(e.Intitule() + " (modifiée)");
    std::vector<std::uint8_t> copies[2];
    for (auto& copie : copies) {
        copie = Ecrire([&](tramonta::TWriter& w) { e.SaveCopie(w); });
        EXPECT_TRUE(e.IsModified());
        EXPECT_TRUE(categorie->IsModified());
        EXPECT_TRUE(ligne->Modified);
        EXPECT_FALSE(e.Compets().Compet(0)->IsModified());
    }
    EXPECT_EQ(copies[0], copies[1]);
    EXPECT_EQ(OctetsDuDocument(e), copies[0]);
    EXPECT_FALSE(e.IsModified());
}
} // namespace
