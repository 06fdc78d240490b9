// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/adherent.h"
#include "model/correspondant.h"
#include "print/canevas_enregistreur.h"
#include "print/fiches.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tramonta;

namespace {

// Where a text's cell starts; (0, 0) when it was not drawn.
TPoint Position(const TCanevasEnregistreur& c, std::string_view texte) {
    const TPrimitive* p = c.ChercherTexte(texte);
    return p ? TPoint{p->rect.Left, p->rect.Top} : TPoint{};
}

std::vector<TRect> Regles(const TCanevasEnregistreur& c) {
    std::vector<TRect> regles;
    for (const TPrimitive& p : c.Primitives())
        if (p.genre == TPrimitive::Genre::Ligne)
            regles.push_back(p.rect);
    return regles;
}

// Characters 12 units wide, about Tahoma's narrowest: every label fits before
// its value column as the layout places it.
TCanevasEnregistreur Etroit() {
    return TCanevasEnregistreur([](const TPolice& police, std::string_view texte) {
        return TTaille{12 * TCanevasEnregistreur::MetriqueFixe(police, texte).cx / (police.Hauteur / 2),
                       police.Hauteur};
    });
}

struct CasAdresse {
    const char* adresse;
    std::vector<std::string> lignes;
    int yCodePostal;
};

class AdresseAdherent : public testing::TestWithParam<CasAdresse> {};

TEST_P(AdresseAdherent, PlaceLeCodePostalSousSaDerniereLigne) {
    TAdherents adherents;
    TAdherent a(&adherents);
    a.SetAdresse(GetParam().adresse);
    a.SetCodePostal(64200);
    a.SetVille("Biarritz");
    TCanevasEnregistreur c = Etroit();
    ImprimerAdherent(a, c, false);
    EXPECT_EQ(Position(c, "Adresse :"), (TPoint{300, -600}));
    int y = -600;
    for (const std::string& ligne : GetParam().lignes) {
        EXPECT_EQ(Position(c, ligne), (TPoint{610, y})) << ligne;
        y -= 80;
    }
    const int yCp = GetParam().yCodePostal;
    EXPECT_EQ(Position(c, "Code postal :"), (TPoint{300, yCp}));
    EXPECT_EQ(Position(c, "64200"), (TPoint{610, yCp}));
    EXPECT_EQ(Position(c, "Ville :"), (TPoint{1100, yCp}));
    EXPECT_EQ(Position(c, "Biarritz"), (TPoint{1410, yCp}));
    EXPECT_EQ(Position(c, "Tél. 1 :"), (TPoint{300, yCp - 80}));
    EXPECT_EQ(Position(c, "Tél. 2 :"), (TPoint{1100, yCp - 80}));
    // The civil-status rule runs from the name row to just under the telephones.
    EXPECT_EQ(Regles(c).front(), (TRect{250, -280, 250, yCp - 120}));
    EXPECT_EQ(Position(c, "F.F.S."), (TPoint{200, yCp - 240}));
    EXPECT_EQ(Position(c, "Numéro licence :"), (TPoint{300, yCp - 320}));
}

INSTANTIATE_TEST_SUITE_P(
    Figures, AdresseAdherent,
    testing::Values(CasAdresse{"", {}, -600}, CasAdresse{"1 rue du Port", {"1 rue du Port"}, -680},
                    CasAdresse{"Résidence Les Vagues\r\n1 rue du Port\r\nBP 12",
                               {"Résidence Les Vagues", "1 rue du Port", "BP 12"},
                               -840},
                    // A final line break opens no empty line.
                    CasAdresse{"1 rue du Port\r\nBP 12\r\n", {"1 rue du Port", "BP 12"}, -760}));

TEST(FicheAdherent, PlaceLEtatCivilEnDeuxColonnes) {
    TAdherents adherents;
    TAdherent a(&adherents);
    a.SetNom("DUPONT");
    a.SetPrenom("Zoé");
    a.SetSexe("F");
    a.SetDateNaissance(EncodeDate(2010, 3, 7));
    a.SetLieuNaissance("Bayonne");
    TCanevasEnregistreur c = Etroit();
    ImprimerAdherent(a, c, false);
    EXPECT_EQ(Position(c, "Etat civil"), (TPoint{200, -200}));
    EXPECT_EQ(Position(c, "Nom :"), (TPoint{300, -280}));
    EXPECT_EQ(Position(c, "DUPONT"), (TPoint{610, -280}));
    EXPECT_EQ(Position(c, "Prénom :"), (TPoint{300, -360}));
    EXPECT_EQ(Position(c, "Zoé"), (TPoint{610, -360}));
    EXPECT_EQ(Position(c, "Sexe :"), (TPoint{300, -440}));
    EXPECT_EQ(Position(c, "F"), (TPoint{610, -440}));
    EXPECT_EQ(Position(c, "Date naissance :"), (TPoint{300, -520}));
    EXPECT_EQ(Position(c, "07/03/2010"), (TPoint{610, -520}));
    EXPECT_EQ(Position(c, "Lieu naissance :"), (TPoint{1100, -520}));
    EXPECT_EQ(Position(c, "Bayonne"), (TPoint{1410, -520}));
    // Without a header the sheet starts with its first block.
    EXPECT_EQ(c.Primitives().front().texte, "Etat civil");
    // Bold for the three block titles only, every text 50 high.
    for (const TPrimitive& p : c.Primitives()) {
        if (p.genre != TPrimitive::Genre::Texte)
            continue;
        const bool titre = p.texte == "Etat civil" || p.texte == "F.F.S." || p.texte == "Club";
        EXPECT_EQ(p.etat.Police.Gras, titre) << p.texte;
        EXPECT_EQ(p.etat.Police.Hauteur, 50) << p.texte;
        EXPECT_EQ(p.etat.Police.Nom, "Tahoma");
    }
    for (const TPrimitive& p : c.Primitives()) {
        if (p.genre == TPrimitive::Genre::Ligne) {
            EXPECT_EQ(p.etat.EpaisseurPlume, 5);
        }
    }
    EXPECT_EQ(c.Etat(), TEtatCanevas{});
}

struct CasLicences {
    bool certificat, competition, dirigeant;
    const char* rangee; // nullptr: no row
};

class LicencesAdherent : public testing::TestWithParam<CasLicences> {};

TEST_P(LicencesAdherent, NOuvrentUneRangeeQueLorsquUneCaseEstCochee) {
    TAdherents adherents;
    TAdherent a(&adherents);
    a.SetNumeroLicence("L-2026-17");
    a.SetDateDelivrance(EncodeDate(2026, 9, 1));
    a.SetCertificatMedical(GetParam().certificat);
    a.SetLicenceCompet(GetParam().competition);
    a.SetLicenceDirigeant(GetParam().dirigeant);
    a.SetMontantLicence(45);
    a.SetCautionCombinaison(150);
    a.SetLocationCombinaison(30.5);
    a.SetForfaitLecon(0);
    TCanevasEnregistreur c = Etroit();
    ImprimerAdherent(a, c, false);
    // Empty address: telephones at -680, licence number 240 lower.
    const int yNumero = -920;
    EXPECT_EQ(Position(c, "Numéro licence :"), (TPoint{300, yNumero}));
    EXPECT_EQ(Position(c, "L-2026-17"), (TPoint{620, yNumero}));
    EXPECT_EQ(Position(c, "Date délivrance :"), (TPoint{1100, yNumero}));
    EXPECT_EQ(Position(c, "01/09/2026"), (TPoint{1420, yNumero}));
    int y = yNumero - 80;
    if (GetParam().rangee) {
        EXPECT_EQ(Position(c, GetParam().rangee), (TPoint{300, y}));
        y -= 80;
    }
    // Nothing else between the number row and the amount.
    const auto textes = c.Textes();
    const auto numero = std::find(textes.begin(), textes.end(), "01/09/2026");
    const auto montant = std::find(textes.begin(), textes.end(), "Montant licence :");
    EXPECT_EQ(montant - numero, GetParam().rangee ? 2 : 1);
    EXPECT_EQ(Position(c, "Montant licence :"), (TPoint{300, y}));
    EXPECT_EQ(Position(c, "45.00"), (TPoint{620, y}));
    EXPECT_EQ(Position(c, "Club"), (TPoint{200, y - 160}));
    EXPECT_EQ(Position(c, "Caution combinaison :"), (TPoint{300, y - 240}));
    EXPECT_EQ(Position(c, "150.00"), (TPoint{730, y - 240}));
    EXPECT_EQ(Position(c, "Location combinaison :"), (TPoint{300, y - 320}));
    EXPECT_EQ(Position(c, "30.50"), (TPoint{730, y - 320}));
    EXPECT_EQ(Position(c, "Forfait leçon :"), (TPoint{300, y - 400}));
    EXPECT_EQ(Position(c, "0.00"), (TPoint{730, y - 400}));
    EXPECT_EQ(Regles(c),
              (std::vector<TRect>{
                  {250, -280, 250, -720}, {250, yNumero, 250, y - 40}, {250, y - 240, 250, y - 440}}));
}

INSTANTIATE_TEST_SUITE_P(
    Figures, LicencesAdherent,
    testing::Values(CasLicences{false, false, false, nullptr},
                    CasLicences{true, false, false, "Certificat médical fourni    "},
                    CasLicences{false, true, false, "Licence compétition    "},
                    CasLicences{false, false, true, "Licence dirigeant"},
                    CasLicences{true, true, true,
                                "Certificat médical fourni    Licence compétition    Licence dirigeant"}));

TEST(FicheAdherent, ImprimeLesDatesManquantesCommeLeJourZero) {
    TAdherents adherents;
    TAdherent a(&adherents);
    TCanevasEnregistreur c = Etroit();
    ImprimerAdherent(a, c, false);
    EXPECT_EQ(Position(c, "30/12/1899"), (TPoint{610, -520}));
    const auto textes = c.Textes();
    EXPECT_EQ(std::count(textes.begin(), textes.end(), "30/12/1899"), 2);
    EXPECT_EQ(Position(c, "0"), (TPoint{610, -600}));
}

// With wide characters (25 units) some labels are wider than their column:
// those alone push their value, 5 units after the label; every other value
// of the block keeps its column.
TEST(FicheAdherent, SeulUnLibelleTropLargePousseSaValeur) {
    TAdherents adherents;
    TAdherent a(&adherents);
    a.SetNom("DUPONT");
    a.SetSexe("F");
    a.SetLieuNaissance("Urrugne");
    a.SetAdresse("1 rue du Port");
    a.SetCodePostal(64200);
    a.SetVille("Biarritz");
    a.SetTel1("0559");
    a.SetTel2("0660");
    a.SetNumeroLicence("L1");
    a.SetMontantLicence(1);
    a.SetCautionCombinaison(2);
    a.SetLocationCombinaison(3);
    a.SetForfaitLecon(4);
    TCanevasEnregistreur c;
    ImprimerAdherent(a, c, false);
    struct Cas {
        const char* valeur;
        int x;
    };
    const Cas cas[] = {
        {"DUPONT", 610},               // "Nom :", 125 wide, within its 310
        {"F", 610},                    // "Sexe :"
        {"30/12/1899", 300 + 400 + 5}, // "Date naissance :", 400
        {"Urrugne", 1100 + 400 + 5},   // "Lieu naissance :", 400 in 310
        {"1 rue du Port", 610},        // "Adresse :", 225
        {"64200", 300 + 325 + 5},      // "Code postal :", 325
        {"Biarritz", 1410},            // "Ville :"
        {"0559", 610},                 // "Tél. 1 :"
        {"0660", 1410},                // "Tél. 2 :"
        {"L1", 300 + 400 + 5},         // "Numéro licence :", 400 in 320
        {"1.00", 300 + 425 + 5},       // "Montant licence :"
        {"2.00", 300 + 525 + 5},       // "Caution combinaison :", 525 in 430
        {"3.00", 300 + 550 + 5},       // "Location combinaison :"
        {"4.00", 730},                 // "Forfait leçon :", 375 in 430
    };
    for (const Cas& k : cas)
        EXPECT_EQ(Position(c, k.valeur).X, k.x) << k.valeur;
    // The delivery date: "Date délivrance :" (425) is wider than its 320.
    std::vector<int> dates;
    for (const TPrimitive& p : c.Primitives())
        if (p.genre == TPrimitive::Genre::Texte && p.texte == "30/12/1899")
            dates.push_back(p.rect.Left);
    EXPECT_EQ(dates, (std::vector<int>{705, 1100 + 425 + 5}));
    // No text runs into the next one on its row.
    const auto& p = c.Primitives();
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        if (p[i].genre == TPrimitive::Genre::Texte && p[i + 1].genre == TPrimitive::Genre::Texte &&
            p[i].rect.Top == p[i + 1].rect.Top && p[i + 1].rect.Left > p[i].rect.Left) {
            EXPECT_LT(p[i].rect.Right, p[i + 1].rect.Left) << p[i].texte << " / " << p[i + 1].texte;
        }
    }
}

// The correspondent sheet follows the same rule.
TEST(FicheCorrespondant, SeulUnLibelleTropLargePousseSaValeur) {
    TCorrespondants correspondants;
    TCorrespondant k(&correspondants);
    k.SetNom("Surf Shop");
    k.SetCodePostal(40150);
    k.SetSpecialite("Fournisseur");
    k.SetSiteWeb("www.surfshop.fr");
    TCanevasEnregistreur c;
    ImprimerCorrespondant(k, c, false);
    EXPECT_EQ(Position(c, "Surf Shop").X, 610);       // "Nom :"
    EXPECT_EQ(Position(c, "40150").X, 300 + 325 + 5); // "Code postal :", 325 in 310
    EXPECT_EQ(Position(c, "Fournisseur").X, 610);     // "Spécialité :", 300
    EXPECT_EQ(Position(c, "www.surfshop.fr").X, 610); // "Site Web :", 250
}

class TitreEnteteFixe : public testing::Test {
  protected:
    void SetUp() override { ancien_ = TitreEntete(); }
    void TearDown() override { DefinirTitreEntete(ancien_); }
    std::string ancien_;
};

TEST_F(TitreEnteteFixe, NImprimeLEnteteQueSurPapier) {
    EXPECT_EQ(TitreEntetePour(""), "Tramonta");
    EXPECT_EQ(TitreEntetePour("Saison 2026"), "Tramonta - Saison 2026");
    DefinirTitreEntete(TitreEntetePour("Saison 2026"));
    TAdherents adherents;
    TAdherent a(&adherents);
    TCanevasEnregistreur papier;
    ImprimerAdherent(a, papier, true);
    const TPrimitive& entete = papier.Primitives().front();
    EXPECT_EQ(entete.texte, "Tramonta - Saison 2026 - Fiche adhérent");
    EXPECT_EQ((TPoint{entete.rect.Left, entete.rect.Top}), (TPoint{200, -50}));
    EXPECT_EQ(entete.etat.Police.Hauteur, 40);
    EXPECT_FALSE(entete.etat.Police.Gras);

    TCorrespondants correspondants;
    TCorrespondant k(&correspondants);
    TCanevasEnregistreur papierK, ecranK;
    ImprimerCorrespondant(k, papierK, true);
    ImprimerCorrespondant(k, ecranK, false);
    EXPECT_EQ(papierK.Primitives().front().texte, "Tramonta - Saison 2026 - Fiche correspondant");
    EXPECT_EQ(ecranK.Primitives().front().texte, "Général");
    EXPECT_EQ(papierK.Primitives().size(), ecranK.Primitives().size() + 1);
}

TEST(FicheCorrespondant, DonneUneRangeeAChaqueChampSousLAdresse) {
    TCorrespondants correspondants;
    TCorrespondant k(&correspondants);
    k.SetNom("Surf Shop");
    k.SetAdresse("Zone artisanale\r\n12 avenue de la Plage");
    k.SetCodePostal(40150);
    k.SetVille("Hossegor");
    k.SetTel1("05.58.00.00.01");
    k.SetTel2("06.00.00.00.02");
    k.SetFax("05.58.00.00.03");
    k.SetSpecialite("Fournisseur");
    k.SetEMail("contact@surfshop.fr");
    k.SetSiteWeb("www.surfshop.fr");
    k.SetInformationsComplementaires("Ne pas imprimer");
    TCanevasEnregistreur c = Etroit();
    ImprimerCorrespondant(k, c, false);
    EXPECT_EQ(Position(c, "Général"), (TPoint{200, -200}));
    EXPECT_TRUE(c.ChercherTexte("Général")->etat.Police.Gras);
    EXPECT_EQ(Position(c, "Nom :"), (TPoint{300, -280}));
    EXPECT_EQ(Position(c, "Surf Shop"), (TPoint{610, -280}));
    EXPECT_EQ(Position(c, "Adresse :"), (TPoint{300, -360}));
    EXPECT_EQ(Position(c, "Zone artisanale"), (TPoint{610, -360}));
    EXPECT_EQ(Position(c, "12 avenue de la Plage"), (TPoint{610, -440}));
    EXPECT_EQ(Position(c, "Code postal :"), (TPoint{300, -520}));
    EXPECT_EQ(Position(c, "40150"), (TPoint{610, -520}));
    EXPECT_EQ(Position(c, "Ville :"), (TPoint{1100, -520}));
    EXPECT_EQ(Position(c, "Hossegor"), (TPoint{1410, -520}));
    EXPECT_EQ(Position(c, "Tél. 1 :"), (TPoint{300, -600}));
    EXPECT_EQ(Position(c, "06.00.00.00.02"), (TPoint{1410, -600}));
    EXPECT_EQ(Position(c, "Fax :"), (TPoint{300, -680}));
    EXPECT_EQ(Position(c, "Spécialité :"), (TPoint{300, -760}));
    EXPECT_EQ(Position(c, "Fournisseur"), (TPoint{610, -760}));
    EXPECT_EQ(Position(c, "E-Mail :"), (TPoint{300, -840}));
    EXPECT_EQ(Position(c, "Site Web :"), (TPoint{300, -920}));
    EXPECT_EQ(Position(c, "www.surfshop.fr"), (TPoint{610, -920}));
    EXPECT_EQ(c.ChercherTexte("Ne pas imprimer"), nullptr);
    EXPECT_EQ(Regles(c), (std::vector<TRect>{TRect{250, -280, 250, -960}}));
    EXPECT_EQ(c.Etat(), TEtatCanevas{});
}

} // namespace
