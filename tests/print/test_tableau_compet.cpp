// SPDX-License-Identifier: GPL-3.0-or-later
// The heat tables and the participants list as they are laid out on the
// page canvas, read back from the recording canvas.
#include "core/flux.h"
#include "model/compets.h"
#include "model/modeles_tableau.h"
#include "print/canevas_enregistreur.h"
#include "print/participants_compet.h"
#include "print/tableau_compet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace tramonta;

namespace {

using Genre = TPrimitive::Genre;

void AjouterSurfeurs(TCategorieCompet& c, int n, const std::string& club = "") {
    for (int i = 1; i <= n; ++i) {
        auto p = std::make_unique<TParticipantCompet>(&c);
        p->SetNom("Nom" + std::to_string(i));
        p->SetPrenom("Prenom" + std::to_string(i));
        p->SetClub(club);
        c.Add(std::move(p));
    }
}

std::vector<const TPrimitive*> DeGenre(const TCanevasEnregistreur& c, Genre g) {
    std::vector<const TPrimitive*> v;
    for (const TPrimitive& p : c.Primitives())
        if (p.genre == g)
            v.push_back(&p);
    return v;
}

// The text drawn inside a rectangle (its cell's left and top within it).
std::vector<std::string> TextesDans(const TCanevasEnregistreur& c, const TRect& r) {
    std::vector<std::string> t;
    for (const TPrimitive* p : DeGenre(c, Genre::Texte))
        if (p->rect.Left >= r.Left && p->rect.Left < r.Right && p->rect.Top <= r.Top &&
            p->rect.Top > r.Bottom)
            t.push_back(p->texte);
    return t;
}

class Tableau : public testing::Test {
  protected:
    TCategorieCompet& Preparer(std::uint8_t type, int surfeurs) {
        compet.SetIntitule("Coupe d'été");
        compet.SetDateDebut(EncodeDate(2024, 7, 14));
        compet.SetDateFin(EncodeDate(2024, 7, 15));
        TCategorieCompet& c = *compet.Categorie(0);
        AjouterSurfeurs(c, surfeurs, "Hossegor");
        c.SetTypeTableau(type);
        c.Tableau()->PlacerParticipants();
        c.Tableau()->Propager();
        return c;
    }
    TTableauCompet& T() { return *compet.Categorie(0)->Tableau(); }

    TCompet compet;
    TParametresTableau parametres;
    TCanevasEnregistreur canevas;
};

TEST_F(Tableau, BoiteDeSerieTraitsEtTextes) {
    Preparer(1, 7);
    TTableauCompet& t = T();
    const TSerieCompet& s = *t.Serie(1);
    DessinerSerie(t, s, canevas, 1, false, parametres);
    const TRect r = t.CadreSerie(s);
    ASSERT_EQ(r, (TRect{50, -200, 990, -690}));
    const int h = (r.Top - r.Bottom) / 7; // five lines, a title row and a header row
    ASSERT_EQ(h, 70);

    const auto cadres = DeGenre(canevas, Genre::Cadre);
    ASSERT_EQ(cadres.size(), 1u);
    EXPECT_EQ(cadres[0]->rect, r);
    EXPECT_EQ(cadres[0]->etat.EpaisseurPlume, 5);

    std::vector<TRect> lignes;
    for (const TPrimitive* p : DeGenre(canevas, Genre::Ligne))
        lignes.push_back(p->rect);
    const int w = r.Right - r.Left;
    auto x = [&](double f) { return r.Left + static_cast<int>(std::nearbyint(w * f)); };
    std::vector<TRect> attendues{{r.Left, r.Top - h, r.Right - 5, r.Top - h}};
    for (int k = 2; k <= 6; ++k)
        attendues.push_back({r.Left, r.Top - k * h, r.Right, r.Top - k * h});
    for (double f : {0.16, 0.24, 0.76, 0.88})
        attendues.push_back({x(f), r.Top - h, x(f), r.Bottom});
    EXPECT_EQ(lignes, attendues);
    EXPECT_EQ(DeGenre(canevas, Genre::Ligne)[1]->etat.EpaisseurPlume, 1);

    const TPrimitive* titre = canevas.ChercherTexte("1/2 FINALE");
    ASSERT_NE(titre, nullptr);
    EXPECT_TRUE(titre->etat.Police.Gras);
    EXPECT_EQ(titre->etat.Police.Hauteur, 50);
    EXPECT_EQ(titre->etat.Police.Nom, "Tahoma");
    EXPECT_EQ(TextesDans(canevas, {x(0.88), r.Top, r.Right, r.Top - h}), std::vector<std::string>{"1"});
    EXPECT_EQ(TextesDans(canevas, {r.Left, r.Top - h, r.Right, r.Top - 2 * h}),
              (std::vector<std::string>{"Couleur", "Rg", "Nom-Prénom", "Club", "Place"}));
    EXPECT_EQ(canevas.ChercherTexte("Couleur")->etat.Police.Hauteur, 40);
    EXPECT_FALSE(canevas.ChercherTexte("Couleur")->etat.Police.Gras);

    // Seeds 2, 3, 6, 7, 9: the ninth is missing among seven surfers.
    const std::vector<std::vector<std::string>> rangees{{"BLEU", "2", "Nom2 Prenom2", "Hossegor"},
                                                        {"BLANC", "3", "Nom3 Prenom3", "Hossegor"},
                                                        {"ROUGE", "6", "Nom6 Prenom6", "Hossegor"},
                                                        {"JAUNE", "7", "Nom7 Prenom7", "Hossegor"},
                                                        {"NOIR", "9"}};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(TextesDans(canevas, {r.Left, r.Top - (k + 1) * h, r.Right, r.Top - (k + 2) * h}),
                  rangees[static_cast<std::size_t>(k - 1)])
            << "line " << k;
    EXPECT_EQ(canevas.ChercherTexte("Nom2 Prenom2")->etat.Police.Hauteur, 50);
    EXPECT_EQ(canevas.ChercherTexte("BLEU")->etat.Police.Hauteur, 40);
    EXPECT_EQ(canevas.Etat(), TEtatCanevas{}) << "the canvas comes back as it was";
}

TEST_F(Tableau, FinaleSansNumeroEtRangsVenusDUneSerie) {
    Preparer(1, 10);
    TTableauCompet& t = T();
    t.Serie(1)->Ligne(0)->SetPlace(2);
    t.Serie(1)->Ligne(1)->SetPlace(1);
    t.Propager();
    DessinerSerie(t, *t.Serie(3), canevas, 3, false, parametres);
    EXPECT_NE(canevas.ChercherTexte("FINALE"), nullptr);
    EXPECT_EQ(canevas.ChercherTexte("3"), nullptr) << "the final shows no number";
    for (const char* rang : {"1.1", "1.2", "2.1", "2.2"})
        EXPECT_NE(canevas.ChercherTexte(rang), nullptr) << rang;
    // The first of heat 1 is seed 3, who finished first.
    const TRect r = t.CadreSerie(*t.Serie(3));
    const int h = (r.Top - r.Bottom) / 6;
    EXPECT_EQ(TextesDans(canevas, {r.Left, r.Top - 2 * h, r.Right, r.Top - 3 * h}),
              (std::vector<std::string>{"BLEU", "1.1", "Nom3 Prenom3", "Hossegor"}));

    TCanevasEnregistreur places;
    DessinerSerie(t, *t.Serie(1), places, 1, false, parametres);
    const TRect cellule = CadrePlace(t, *t.Serie(1), 1);
    EXPECT_EQ(TextesDans(places, cellule), std::vector<std::string>{"2"});
    EXPECT_EQ(TextesDans(places, CadrePlace(t, *t.Serie(1), 3)), std::vector<std::string>{});
}

TEST_F(Tableau, CouleursDesPreferences) {
    Preparer(1, 3);
    parametres.CouleursLycra = {"", "VERT", "ROSE", "GRIS", "OR", "ARGENT"};
    DessinerSerie(T(), *T().Serie(2), canevas, 2, false, parametres);
    for (const char* c : {"VERT", "ROSE", "GRIS", "OR", "ARGENT"})
        EXPECT_NE(canevas.ChercherTexte(c), nullptr) << c;
}

TEST_F(Tableau, EcranBandeauEncadreSansEntete) {
    Preparer(1, 4);
    DessinerTableau(T(), canevas, 0, false, parametres);
    const TPrimitive* bandeau = canevas.ChercherTexte("Benjamins");
    ASSERT_NE(bandeau, nullptr);
    EXPECT_EQ(bandeau->etat.Police.Hauteur, 60);
    EXPECT_EQ(bandeau->rect.Left, 70) << "the frame pushes the name 2 mm in";
    EXPECT_EQ(DeGenre(canevas, Genre::Cadre).front()->rect,
              (TRect{50, -50, T().LargeurContenu() - 50, -150}));
    EXPECT_EQ(canevas.ChercherTexte("Coupe d'été (14/07/2024 - 15/07/2024)"), nullptr);
    EXPECT_EQ(DeGenre(canevas, Genre::Cadre).size(), 4u);
}

TEST(EnteteCompet, UneDateOuDeux) {
    TCompet c;
    c.SetIntitule("Open");
    c.SetDateDebut(EncodeDate(2024, 7, 14));
    c.SetDateFin(EncodeDate(2024, 7, 14));
    EXPECT_EQ(EnteteCompet(c), "Open (14/07/2024)");
    c.SetDateFin(EncodeDate(2024, 7, 16));
    EXPECT_EQ(EnteteCompet(c), "Open (14/07/2024 - 16/07/2024)");
}

TEST_F(Tableau, SerieSeuleAgrandieEnPaysage) {
    Preparer(1, 10);
    TTableauCompet& t = T();
    t.SetZoneAffichage({0, 0, 2970, 2100});
    const TPoint origine = t.Origine();
    {
        // Writing the table clears its flags.
        TMemoryStream flux;
        TWriter w(flux);
        t.Save(w);
    }
    ASSERT_FALSE(t.IsModified());
    DessinerTableau(t, canevas, 2, true, parametres);
    const TPrimitive* entete = canevas.ChercherTexte("Coupe d'été (14/07/2024 - 15/07/2024) - Benjamins");
    ASSERT_NE(entete, nullptr);
    EXPECT_EQ(entete->rect.Left, 50);
    EXPECT_EQ(entete->rect.Top, 0);
    EXPECT_EQ(entete->etat.Police.Hauteur, 40);
    EXPECT_EQ(canevas.ChercherTexte("Benjamins"), nullptr) << "no banner for a heat";
    // zoom = min((297 - 10) / 94, (210 - 10) / 49) - 0.2
    const double zoom = 287.0 / 94 - 0.2;
    const auto cadres = DeGenre(canevas, Genre::Cadre);
    ASSERT_EQ(cadres.size(), 1u);
    EXPECT_EQ(cadres[0]->rect, (TRect{50, -200, static_cast<int>(std::nearbyint(940 * zoom)) + 50,
                                      -static_cast<int>(std::nearbyint(490 * zoom)) - 200}));
    EXPECT_EQ(canevas.ChercherTexte("1/2 FINALE")->etat.Police.Hauteur,
              static_cast<int>(std::nearbyint(50 * zoom)));
    // The table and the heat are as they were.
    EXPECT_EQ(t.Zoom(), 1.0);
    EXPECT_EQ(t.Origine(), origine);
    EXPECT_EQ(t.Serie(2)->Cadre(), (TRect{100, 0, 194, 49}));
    EXPECT_FALSE(t.IsModified()) << "printing changes nothing of the document";
}

TEST(ZoomSerie, DemiA4) {
    const TRect zone{0, 0, 2970, 2100};
    EXPECT_DOUBLE_EQ(ZoomSerie(zone, 94, 49, false), 287.0 / 94 - 0.2);
    // Half an A4 portrait sheet: 200 mm across, 138.5 mm down.
    EXPECT_DOUBLE_EQ(ZoomSerie(zone, 94, 49, true), std::min(200.0 / 94, 138.5 / 49) - 0.2);
}

TEST_F(Tableau, Tableau64DeuxFeuilles) {
    Preparer(6, 64);
    TTableauCompet& t = T();
    t.SetZoneAffichage({0, 0, 2970, 2100});
    DessinerTableau(t, canevas, 0, true, parametres);
    EXPECT_EQ(canevas.NbPagesImprimante(), 1) << "one break, before heat 25";
    const auto cadres = DeGenre(canevas, Genre::Cadre);
    ASSERT_EQ(cadres.size(), 31u) << "no frame round the banner on paper";
    for (std::size_t i = 0; i < 24; ++i)
        EXPECT_EQ(cadres[i]->page, 0);
    for (std::size_t i = 24; i < 31; ++i)
        EXPECT_EQ(cadres[i]->page, 1);
    // Tours 3 to 5 stand at the left edge of the second sheet.
    EXPECT_EQ(cadres[24]->rect.Left, (210 + 5) * 10 - 2100);
    EXPECT_NE(canevas.ChercherTexte("Benjamins"), nullptr);
    EXPECT_EQ(canevas.ChercherTexte("Benjamins")->rect.Left, 50);

    TCanevasEnregistreur page2;
    DessinerTableau(t, page2, -2, true, parametres);
    const auto cadres2 = DeGenre(page2, Genre::Cadre);
    ASSERT_EQ(cadres2.size(), 7u);
    EXPECT_EQ(cadres2[0]->rect.Left, 50);
    EXPECT_EQ(page2.ChercherTexte("Benjamins"), nullptr);
    EXPECT_EQ(page2.ChercherTexte("Coupe d'été (14/07/2024 - 15/07/2024)"), nullptr);
    EXPECT_EQ(page2.NbPagesImprimante(), 0);
    EXPECT_NE(page2.ChercherTexte("FINALE"), nullptr);

    TCanevasEnregistreur page1;
    DessinerTableau(t, page1, -1, true, parametres);
    EXPECT_EQ(DeGenre(page1, Genre::Cadre).size(), 24u);
    EXPECT_NE(page1.ChercherTexte("Benjamins"), nullptr);
    EXPECT_NE(page1.ChercherTexte("Coupe d'été (14/07/2024 - 15/07/2024)"), nullptr);

    // On screen the table is one piece, 405 mm wide, its banner framed.
    TCanevasEnregistreur ecran;
    DessinerTableau(t, ecran, 0, false, parametres);
    const auto cadresEcran = DeGenre(ecran, Genre::Cadre);
    ASSERT_EQ(cadresEcran.size(), 32u);
    EXPECT_EQ(cadresEcran[25]->rect.Left, 2150);
    EXPECT_EQ(ecran.NbPagesImprimante(), 0);
}

TEST_F(Tableau, ChoixDImpressionDuTableau64) {
    Preparer(6, 41);
    std::vector<std::string> attendu{"Tableau entier", "Tableau entier - page n°1",
                                     "Tableau entier - page n°2"};
    for (int k = 1; k <= 30; ++k)
        attendu.push_back("Série n°" + std::to_string(k));
    attendu.emplace_back("Série finale");
    EXPECT_EQ(ChoixImpressionTableau(T()), attendu);
    const std::vector<std::pair<int, int>> selecteurs{{0, 0}, {1, -1}, {2, -2}, {3, 1}, {32, 30}, {33, 31}};
    for (auto [index, selecteur] : selecteurs)
        EXPECT_EQ(SelecteurImpression(T(), index), selecteur) << index;
}

TEST_F(Tableau, ChoixDImpressionDUnTableauDUneFeuille) {
    Preparer(1, 5);
    EXPECT_EQ(ChoixImpressionTableau(T()),
              (std::vector<std::string>{"Tableau entier", "Série n°1", "Série n°2", "Série finale"}));
    EXPECT_EQ(SelecteurImpression(T(), 2), 2);
    EXPECT_EQ(SelecteurImpression(T(), 3), 3);
}

// ---- Participants list ----

class Participants : public testing::Test {
  protected:
    void SetUp() override {
        compet.SetIntitule("Coupe d'été");
        compet.SetDateDebut(EncodeDate(2024, 7, 14));
        compet.SetDateFin(EncodeDate(2024, 7, 14));
    }
    TCompet compet;
    TCanevasEnregistreur canevas;
};

TEST_F(Participants, CadreDeTitreDe10Ou20mm) {
    AjouterSurfeurs(*compet.Categorie(1), 2);
    EXPECT_EQ(DessinerParticipants(compet, canevas, -1, false, "Liste des participants"), 1);
    ASSERT_FALSE(DeGenre(canevas, Genre::Cadre).empty());
    EXPECT_EQ(DeGenre(canevas, Genre::Cadre)[0]->rect, (TRect{150, -150, 1950, -350}));
    EXPECT_EQ(DeGenre(canevas, Genre::Cadre)[0]->etat.EpaisseurPlume, 5);
    const TPrimitive* titre = canevas.ChercherTexte("Coupe d'été");
    const TPrimitive* commentaire = canevas.ChercherTexte("Liste des participants");
    ASSERT_NE(titre, nullptr);
    ASSERT_NE(commentaire, nullptr);
    EXPECT_TRUE(titre->etat.Police.Gras);
    EXPECT_GT(titre->rect.Top, commentaire->rect.Top);
    EXPECT_LE(commentaire->rect.Top, -250);
    // The category 10 mm under the box, then its surfers.
    const TPrimitive* categorie = canevas.ChercherTexte("Minimes");
    ASSERT_NE(categorie, nullptr);
    EXPECT_EQ(categorie->rect.Top, -550 - (80 - 60) / 2);
    EXPECT_TRUE(categorie->etat.Police.Gras);
    EXPECT_EQ(canevas.Textes(), (std::vector<std::string>{"Coupe d'été", "Liste des participants", "Minimes",
                                                          "1 - Nom1 Prenom1 ", "2 - Nom2 Prenom2 "}));
    EXPECT_EQ(canevas.Etat(), TEtatCanevas{});

    TCanevasEnregistreur sans;
    DessinerParticipants(compet, sans, -1, false, "");
    EXPECT_EQ(DeGenre(sans, Genre::Cadre)[0]->rect, (TRect{150, -150, 1950, -250}));
    EXPECT_EQ(sans.ChercherTexte("Minimes")->rect.Top, -450 - 10);
}

TEST_F(Participants, CategoriesVidesOmisesEtClubEntreParentheses) {
    TCategorieCompet& open = *compet.Categorie(4);
    auto p = std::make_unique<TParticipantCompet>(&open);
    p->SetNom("Dupont");
    p->SetPrenom("Léa");
    p->SetClub("Hossegor");
    open.Add(std::move(p));
    AjouterSurfeurs(*compet.Categorie(0), 1);
    DessinerParticipants(compet, canevas, -1, true, "");
    EXPECT_EQ(canevas.Textes(),
              (std::vector<std::string>{"Coupe d'été (14/07/2024)", "Coupe d'été", "Benjamins",
                                        "1 - Nom1 Prenom1 ", "Open", "1 - Dupont Léa (Hossegor)"}));
    TCanevasEnregistreur une;
    DessinerParticipants(compet, une, 4, false, "");
    EXPECT_EQ(une.Textes(), (std::vector<std::string>{"Coupe d'été", "Open", "1 - Dupont Léa (Hossegor)"}));

    TCompet vide;
    vide.SetIntitule("Vide");
    TCanevasEnregistreur seul;
    EXPECT_EQ(DessinerParticipants(vide, seul, -1, false, ""), 1);
    EXPECT_EQ(seul.Textes(), std::vector<std::string>{"Vide"});
    EXPECT_EQ(DeGenre(seul, Genre::Cadre).size(), 1u);
}

TEST_F(Participants, SautsDePage) {
    AjouterSurfeurs(*compet.Categorie(0), 40);
    DessinerParticipants(compet, canevas, 0, false, "Liste des participants");
    // The 36th ends 2790 below the top; the 37th would reach 2850 and starts
    // 15 mm under the top of page 2, after a dotted boundary.
    const TPrimitive* trente6 = canevas.ChercherTexte("36 - Nom36 Prenom36 ");
    const TPrimitive* trente7 = canevas.ChercherTexte("37 - Nom37 Prenom37 ");
    ASSERT_NE(trente6, nullptr);
    ASSERT_NE(trente7, nullptr);
    EXPECT_EQ(trente6->rect.Top, -2730 - (60 - 45) / 2);
    EXPECT_EQ(trente7->rect.Top, -3120 - (60 - 45) / 2);
    const auto lignes = DeGenre(canevas, Genre::Ligne);
    ASSERT_EQ(lignes.size(), 1u);
    EXPECT_EQ(lignes[0]->rect, (TRect{0, -2970, 2100, -2970}));
    EXPECT_EQ(lignes[0]->etat.Style, StylePlume::Pointille);
    EXPECT_EQ(CompterPages(compet, 0, "Liste des participants"), 2);
    EXPECT_EQ(CompterPages(compet, 1, "Liste des participants"), 1);

    TCanevasEnregistreur papier;
    EXPECT_EQ(DessinerParticipants(compet, papier, 0, true, "Liste des participants"), 2);
    EXPECT_EQ(papier.NbPagesImprimante(), 1);
    EXPECT_EQ(papier.ChercherTexte("37 - Nom37 Prenom37 ")->rect.Top, -150 - 7);
}

} // namespace
