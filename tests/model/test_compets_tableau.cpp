// SPDX-License-Identifier: GPL-3.0-or-later
// Heat tables: the six draws, placement and propagation of results, page
// geometry and the table's part of the file.
#include "outils_compets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <set>

using namespace tramonta;
using namespace tramonta::test;

namespace {

struct CasModele {
    std::uint8_t type;
    const char* libelle;
    int tours, series, lignes, graines;
    int police, orientation, pages;
    std::int32_t largeur, hauteur;
    int minimum, maximum;
};

const CasModele kModeles[] = {
    {1, "0 à 10", 2, 3, 14, 10, 50, 1, 1, 2040, 1300, 0, 10},
    {2, "9 à 12", 3, 6, 22, 12, 35, 1, 1, 2180, 1320, 9, 12},
    {3, "12 à 20", 3, 7, 32, 20, 35, 1, 1, 2620, 1300, 12, 20},
    {4, "18 à 24", 4, 13, 48, 24, 35, 1, 1, 2680, 1980, 18, 24},
    {5, "24 à 40", 4, 15, 68, 40, 35, 1, 1, 2630, 1950, 24, 40},
    {6, "64", 5, 31, 124, 64, 35, 0, 2, 4150, 2660, 41, 64},
};

void PrintTo(const CasModele& c, std::ostream* os) {
    *os << "type " << int{c.type};
}

class ModeleTableau : public testing::TestWithParam<CasModele> {
  protected:
    TCompet compet;
    TCategorieCompet& categorie = *compet.Categorie(4);

    TTableauCompet& Tableau() {
        categorie.SetTypeTableau(GetParam().type);
        return *categorie.Tableau();
    }
};

TEST_P(ModeleTableau, LaStructureSuitLaFeuilleDeTirage) {
    const CasModele& m = GetParam();
    TTableauCompet& t = Tableau();
    EXPECT_EQ(t.TypeTableau(), m.type);
    EXPECT_EQ(t.Owner(), &categorie);
    EXPECT_EQ(t.Count(), m.tours);
    EXPECT_EQ(t.NbSeries(), m.series);
    EXPECT_EQ(static_cast<int>(ToutesLesLignes(t).size()), m.lignes);
    EXPECT_EQ(t.Serie(0), nullptr);
    EXPECT_EQ(t.Serie(m.series + 1), nullptr);

    std::map<int, int> graines;
    std::map<std::pair<int, int>, int> envois; // (heat, place) -> slots fed
    int numero = 0;
    for (int i = 0; i < t.Count(); ++i) {
        const TTourCompet& tour = *t.Tour(i);
        const int premiereDuTour = numero + 1;
        for (int s = 0; s < tour.Count(); ++s) {
            const TSerieCompet& serie = *tour.Serie(s);
            ++numero;
            EXPECT_EQ(t.Serie(numero), &serie);
            EXPECT_EQ(t.NumeroSerie(&serie), numero);
            EXPECT_EQ(t.NomSerie(numero),
                      numero == m.series ? "FINALE" : "1/" + std::to_string(tour.Count()) + " FINALE");
            EXPECT_GE(serie.Count(), 3);
            EXPECT_LE(serie.Count(), 5);
            for (int l = 0; l < serie.Count(); ++l) {
                const TLigneSerie& li = *serie.Ligne(l);
                EXPECT_EQ(li.Participant(), -1);
                EXPECT_EQ(li.Place(), -1);
                if (i == 0) {
                    EXPECT_EQ(li.SerieOrigine(), 0);
                    ++graines[li.Rang()];
                } else {
                    EXPECT_GE(li.SerieOrigine(), 1) << "heat " << numero;
                    EXPECT_LT(li.SerieOrigine(), premiereDuTour) << "heat " << numero;
                    ++envois[{li.SerieOrigine(), li.Rang()}];
                }
            }
        }
    }
    ASSERT_EQ(static_cast<int>(graines.size()), m.graines);
    EXPECT_EQ(graines.begin()->first, 1);
    EXPECT_EQ(graines.rbegin()->first, m.graines);
    for (const auto& [graine, fois] : graines)
        EXPECT_EQ(fois, 1) << "seed " << graine;
    // Every heat but the final sends its first and its second, once each,
    // and nothing else.
    EXPECT_EQ(static_cast<int>(envois.size()), 2 * (m.series - 1));
    for (int n = 1; n < m.series; ++n)
        for (int place : {1, 2})
            EXPECT_EQ(envois[std::pair(n, place)], 1) << "heat " << n << " place " << place;
}

TEST_P(ModeleTableau, RepondSelonSonModele) {
    const CasModele& m = GetParam();
    TTableauCompet& t = Tableau();
    EXPECT_EQ(t.TaillePolice(), m.police);
    EXPECT_EQ(t.OrientationTableau(), m.orientation);
    EXPECT_EQ(t.OrientationSerie(true), 0);
    EXPECT_EQ(t.OrientationSerie(false), 1);
    EXPECT_EQ(t.PagesLargeur(), 1);
    EXPECT_EQ(t.NbPages(), m.pages);
    EXPECT_STREQ(LibelleTypeTableau(m.type), m.libelle);
    if (m.minimum > 0) {
        EXPECT_FALSE(TypeTableauPropose(m.type, m.minimum - 1));
    }
    EXPECT_TRUE(TypeTableauPropose(m.type, m.minimum));
    EXPECT_TRUE(TypeTableauPropose(m.type, m.maximum));
    EXPECT_FALSE(TypeTableauPropose(m.type, m.maximum + 1));
}

TEST_P(ModeleTableau, LaTailleDuContenuSuitLeCadreLePlusLointain) {
    const CasModele& m = GetParam();
    TTableauCompet& t = Tableau();
    EXPECT_EQ(t.LargeurContenu(), m.largeur);
    EXPECT_EQ(t.HauteurContenu(), m.hauteur);
    // Printing centres a one-sheet table on the landscape page; a two-sheet
    // table is drawn from the page corner.
    t.SetZoneAffichage({0, 0, 2970, 2100});
    const TPoint centre{(2970 - m.largeur) / 2, -((2100 - m.hauteur) / 2)};
    EXPECT_EQ(t.Origine(), m.pages == 1 ? centre : TPoint());
    t.SetZoneAffichage({});
    EXPECT_EQ(t.Origine(), (TPoint{0, 0}));
}

// Places typed as the line order in every heat, then one single pass: each
// later slot holds the surfer who finished at its place in its source heat,
// and nobody stands twice in one tour. Clearing the winner of heat 1 then
// empties every slot down the road that he had opened, and only those.
TEST_P(ModeleTableau, UnePassePropageJusquALaFinaleEtUnEffacementVideLaSuite) {
    const CasModele& m = GetParam();
    AjouterSurfeurs(categorie, m.graines);
    TTableauCompet& t = Tableau();
    for (int n = 1; n <= t.NbSeries(); ++n)
        for (int l = 0; l < t.Serie(n)->Count(); ++l)
            t.Serie(n)->Ligne(l)->SetPlace(l + 1);
    t.PlacerParticipants();
    t.Propager();

    for (int i = 0; i < t.Count(); ++i) {
        std::set<int> presents;
        for (int s = 0; s < t.Tour(i)->Count(); ++s)
            for (int l = 0; l < t.Tour(i)->Serie(s)->Count(); ++l) {
                const TLigneSerie& li = *t.Tour(i)->Serie(s)->Ligne(l);
                ASSERT_NE(li.Participant(), -1);
                EXPECT_TRUE(presents.insert(li.Participant()).second) << "tour " << i + 1;
                if (i > 0) {
                    EXPECT_EQ(li.Participant(),
                              t.Serie(li.SerieOrigine())->Ligne(li.Rang() - 1)->Participant());
                }
            }
    }

    // Follow the winner of heat 1 through the slots his places open.
    std::vector<const TLigneSerie*> chemin;
    int serie = 1, place = 1;
    for (bool trouve = true; trouve;) {
        trouve = false;
        for (const TLigneSerie* l : ToutesLesLignes(t))
            if (l->SerieOrigine() == serie && l->Rang() == place) {
                chemin.push_back(l);
                const TSerieCompet* s = l->Owner();
                serie = t.NumeroSerie(s);
                for (int k = 0; k < s->Count(); ++k)
                    if (s->Ligne(k) == l)
                        place = k + 1;
                trouve = true;
                break;
            }
    }
    ASSERT_FALSE(chemin.empty());
    t.Serie(1)->Ligne(0)->SetPlace(-1);
    t.Propager();
    int vides = 0;
    for (int i = 1; i < t.Count(); ++i)
        for (int s = 0; s < t.Tour(i)->Count(); ++s)
            for (int l = 0; l < t.Tour(i)->Serie(s)->Count(); ++l) {
                const TLigneSerie* li = t.Tour(i)->Serie(s)->Ligne(l);
                const bool dansLeChemin = std::find(chemin.begin(), chemin.end(), li) != chemin.end();
                EXPECT_EQ(li->Participant() == -1, dansLeChemin);
                vides += li->Participant() == -1;
            }
    EXPECT_EQ(vides, static_cast<int>(chemin.size()));
}

INSTANTIATE_TEST_SUITE_P(Six, ModeleTableau, testing::ValuesIn(kModeles),
                         [](const auto& info) { return "Type" + std::to_string(info.param.type); });

// A few heats of each sheet, copied from the draw sheets by hand.
struct CasSerie {
    std::uint8_t type;
    int numero;
    TRect cadre;
    const char* lignes;
};

TEST(ModeleTableauFeuille, LesSeriesOntLeurCadreEtLeursLignes) {
    const CasSerie cas[] = {
        {1, 1, {0, 0, 94, 49}, "2 3 6 7 9"},
        {1, 2, {100, 0, 194, 49}, "1 4 5 8 10"},
        {1, 3, {0, 63, 94, 105}, "1/1 1/2 2/1 2/2"},
        {2, 3, {141, 0, 208, 32}, "1 6 7 12"},
        {2, 4, {0, 41, 67, 67}, "1/1 1/2 2/3"},
        {2, 5, {71, 41, 138, 67}, "1/3 2/1 2/2"},
        {2, 6, {0, 77, 67, 107}, "1/4 1/5 2/4 2/5"},
        {3, 4, {191, 0, 252, 33}, "4 5 12 13 17"},
        {3, 7, {0, 77, 61, 105}, "1/5 1/6 2/5 2/6"},
        {4, 6, {131, 34, 193, 64}, "6 7 18 19"},
        {4, 10, {196, 72, 258, 96}, "1/5 1/6 2/4"},
        {4, 13, {0, 143, 62, 173}, "1/11 1/12 2/11 2/12"},
        {5, 1, {0, 0, 60, 30}, "6 11 22 27 35"},
        {5, 12, {193, 74, 253, 100}, "1/7 1/8 2/5 2/6"},
        {5, 15, {0, 143, 60, 170}, "1/13 1/14 2/13 2/14"},
        {6, 9, {0, 125, 64, 151}, "1 32 33 64"},
        {6, 24, {132, 215, 197, 241}, "1/15 1/16 2/13 2/14"},
        {6, 25, {210, 15, 275, 41}, "1/17 1/18 2/19 2/20"},
        {6, 30, {275, 170, 340, 196}, "1/27 1/28 2/25 2/26"},
        {6, 31, {340, 110, 405, 136}, "1/29 1/30 2/29 2/30"},
    };
    for (const CasSerie& c : cas) {
        const auto t = CreerTableau(c.type, nullptr);
        const TSerieCompet* s = t->Serie(c.numero);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->Cadre(), c.cadre) << "type " << int{c.type} << " heat " << c.numero;
        EXPECT_EQ(LignesEnTexte(*s), c.lignes) << "type " << int{c.type} << " heat " << c.numero;
    }
}

TEST(ModeleTableauFeuille, AucunModeleHorsDeUnASix) {
    for (int type : {0, 7, 8, 255})
        EXPECT_EQ(CreerTableau(static_cast<std::uint8_t>(type), nullptr), nullptr) << type;
    EXPECT_NE(dynamic_cast<TTableau_0_10*>(CreerTableau(1, nullptr).get()), nullptr);
    EXPECT_NE(dynamic_cast<TTableau_64*>(CreerTableau(6, nullptr).get()), nullptr);
    EXPECT_STREQ(LibelleTypeTableau(0), "");
    EXPECT_FALSE(TypeTableauPropose(7, 10));
}

// --- Placement and propagation ----------------------------------------------

class Placement : public testing::Test {
  protected:
    TCompet compet;
    TCategorieCompet& categorie = *compet.Categorie(0);

    TTableauCompet& Table(std::uint8_t type, int surfeurs) {
        AjouterSurfeurs(categorie, surfeurs);
        categorie.SetTypeTableau(type);
        categorie.Tableau()->PlacerParticipants();
        return *categorie.Tableau();
    }
    static std::vector<int> Participants(const TSerieCompet& s) {
        std::vector<int> v;
        for (int l = 0; l < s.Count(); ++l)
            v.push_back(s.Ligne(l)->Participant());
        return v;
    }
};

TEST_F(Placement, LesGrainesManquantesLaissentLeurCouloirVide) {
    TTableauCompet& t = Table(1, 7);
    EXPECT_EQ(Participants(*t.Serie(1)), (std::vector<int>{2, 3, 6, 7, -1}));
    EXPECT_EQ(Participants(*t.Serie(2)), (std::vector<int>{1, 4, 5, -1, -1}));
    EXPECT_EQ(t.Serie(1)->NbOccupees(), 4);
    EXPECT_EQ(t.Serie(2)->NbOccupees(), 3);
    EXPECT_EQ(t.Serie(3)->NbOccupees(), 0);
}

TEST_F(Placement, AvecQuaranteEtUnSurfeursChaqueSerieGardeSaTeteDeSerie) {
    TTableauCompet& t = Table(6, 41);
    int vides = 0;
    for (int n = 1; n <= 16; ++n) {
        const TSerieCompet& s = *t.Serie(n);
        vides += s.Count() - s.NbOccupees();
        bool tete = false;
        for (int l = 0; l < s.Count(); ++l)
            tete = tete || (s.Ligne(l)->Participant() >= 1 && s.Ligne(l)->Participant() <= 16);
        EXPECT_TRUE(tete) << "heat " << n;
    }
    EXPECT_EQ(vides, 23);
}

TEST_F(Placement, LaFinaleSeRemplitDansLOrdreDeLaFeuille) {
    TTableauCompet& t = Table(1, 10);
    t.Serie(1)->Ligne(3)->SetPlace(1); // seed 7
    t.Serie(1)->Ligne(0)->SetPlace(2); // seed 2
    t.Serie(2)->Ligne(4)->SetPlace(1); // seed 10
    t.Serie(2)->Ligne(1)->SetPlace(2); // seed 4
    t.Propager();
    EXPECT_EQ(Participants(*t.Serie(3)), (std::vector<int>{7, 10, 2, 4}));
    EXPECT_EQ(t.Serie(1)->ParticipantALaPlace(1), 7);
    EXPECT_EQ(t.Serie(1)->ParticipantALaPlace(3), -1);
    EXPECT_EQ(t.Serie(1)->ParticipantALaPlace(-1), -1);
}

TEST_F(Placement, LesPlacesRestentSurLesCouloirsQuandLOrdreChange) {
    TTableauCompet& t = Table(1, 10);
    t.Serie(2)->Ligne(0)->SetPlace(1); // seed 1 wins heat 2
    t.Propager();
    EXPECT_EQ(t.Serie(3)->Ligne(1)->Participant(), 1);
    categorie.Move(0, 1); // seeds 1 and 2 swap
    t.PlacerParticipants();
    t.Propager();
    EXPECT_EQ(t.Serie(1)->Ligne(0)->Participant(), 2);
    EXPECT_EQ(t.Serie(2)->Ligne(0)->Participant(), 1);
    EXPECT_EQ(t.Serie(2)->Ligne(0)->Place(), 1);
    // The surfer now seeded first is Nom2, who inherits the slot and its place.
    EXPECT_EQ(categorie.Participant(0)->Nom(), "Nom2");
    EXPECT_EQ(t.Serie(3)->Ligne(1)->Participant(), 1);
}

TEST_F(Placement, UnePlaceEnDoubleDonneLaPremiereLigneEtUnePlaceAbsenteUnCouloirVide) {
    TTableauCompet& t = Table(1, 10);
    t.Serie(1)->Ligne(2)->SetPlace(1);
    t.Serie(1)->Ligne(1)->SetPlace(1);
    t.Propager();
    EXPECT_EQ(t.Serie(3)->Ligne(0)->Participant(), 3);  // line 2 (seed 3) comes first
    EXPECT_EQ(t.Serie(3)->Ligne(2)->Participant(), -1); // nobody is second of heat 1
    // A fresh placement keeps every place typed.
    t.PlacerParticipants();
    EXPECT_EQ(t.Serie(1)->Ligne(2)->Place(), 1);
    EXPECT_EQ(t.Serie(3)->Ligne(0)->Participant(), -1);
}

TEST_F(Placement, LeDrapeauNeBougeQueSurUnePlaceSaisie) {
    TTableauCompet& t = Table(1, 10);
    Ecrire([&](TWriter& w) { categorie.Save(w); });
    ASSERT_FALSE(categorie.IsModified());
    t.PlacerParticipants();
    t.Propager();
    EXPECT_FALSE(t.IsModified());
    t.Serie(3)->Ligne(0)->SetPlace(-1);
    EXPECT_FALSE(t.IsModified());
    t.Serie(3)->Ligne(0)->SetPlace(2);
    EXPECT_TRUE(t.IsModified());
    EXPECT_TRUE(categorie.IsModified());
}

// --- Geometry ----------------------------------------------------------------

struct CasCadre {
    TRect cadre; // mm
    double zoom;
    TPoint origine;
    TRect attendu; // 0.1 mm
};

TEST(TableauGeometrie, LeCadreDUneSerieAjouteLaMargeLOrigineEtLeZoom) {
    const CasCadre cas[] = {
        {{0, 0, 94, 49}, 1.0, {0, 0}, {50, -200, 990, -690}},
        {{100, 63, 194, 105}, 1.0, {465, -400}, {1515, -1230, 2455, -1650}},
        // The zoom scales only the far edges, rounding halves to even.
        {{0, 0, 1, 3}, 0.25, {0, 0}, {50, -200, 52, -208}},
        {{0, 0, 3, 1}, 0.25, {0, 0}, {50, -200, 58, -202}},
        {{0, 0, -1, -3}, 0.25, {0, 0}, {50, -200, 48, -192}},
        {{0, 0, 94, 49}, 2.0, {0, 0}, {50, -200, 1930, -1180}},
        // Figures from a damaged old file stay inside the 32-bit range.
        {{std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max(),
          std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::min()},
         1.0,
         {0, 0},
         {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(),
          std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()}},
    };
    for (const CasCadre& c : cas) {
        TTableauCompet t(nullptr);
        TSerieCompet* s = t.AjouterTour()->AjouterSerie();
        s->SetCadre(c.cadre.Left, c.cadre.Top, c.cadre.Right, c.cadre.Bottom);
        t.SetZoom(c.zoom);
        // The origin comes from centring in a zone of the right size.
        if (c.origine != TPoint{}) {
            t.SetZoneAffichage(
                {0, 0, 2 * c.origine.X + t.LargeurContenu(), -2 * c.origine.Y + t.HauteurContenu()});
            ASSERT_EQ(t.Origine(), c.origine);
        }
        EXPECT_EQ(t.CadreSerie(*s), c.attendu) << c.cadre.Left << "," << c.cadre.Right << " zoom " << c.zoom;
    }
}

TEST(TableauGeometrie, LeCentrageTronqueVersZeroEtPrendLesTaillesAbsolues) {
    struct Cas {
        TRect zone;
        TPoint origine;
    } cas[] = {
        {{0, 0, 2970, 2100}, {465, -400}},
        {{2970, 2100, 0, 0}, {3435, -2500}}, // corners given the other way
                                             // round
        {{10, 20, 2049, 1319}, {10, -20}},   // (-1) / 2 is 0, not -1
        {{10, 20, 2053, 1323}, {11, -21}},
        {{0, 0, 0, 2100}, {0, 0}},
        {{0, 0, 2970, 0}, {0, 0}},
    };
    TTableau_0_10 t(nullptr);
    for (const auto& c : cas) {
        t.SetZoneAffichage(c.zone);
        EXPECT_EQ(t.ZoneAffichage(), c.zone);
        EXPECT_EQ(t.Origine(), c.origine) << c.zone.Left << " " << c.zone.Top;
    }
    t.SetZoom(2.0);
    EXPECT_EQ(t.LargeurContenu(), 50 + 1940 * 2 + 50);
    EXPECT_EQ(t.HauteurContenu(), 50 + 1050 * 2 + 200);
}

TEST(TableauGeometrie, UnTableauSansSerieGardeLesMarges) {
    TTableauCompet t(nullptr);
    EXPECT_EQ(t.TypeTableau(), 0);
    EXPECT_EQ(t.LargeurContenu(), 55);
    EXPECT_EQ(t.HauteurContenu(), 70);
    EXPECT_EQ(t.NbSeries(), 0);
    EXPECT_EQ(t.NomSerie(1), "");
    t.PlacerParticipants();
    t.Propager();
    int premiere = 0, derniere = -1;
    t.SeriesDePage(0, premiere, derniere);
    EXPECT_EQ(premiere, 1);
    EXPECT_EQ(derniere, 0);
    EXPECT_EQ(TTableauCompet::Marge(), (TPoint{5, 20}));
}

TEST(Tableau64, DeuxFeuillesLaSecondeRameneeAGauche) {
    TTableau_64 t(nullptr);
    for (int n = 0; n <= 40; ++n)
        EXPECT_EQ(t.SautDePageAvant(n), n == 25) << n;
    EXPECT_FALSE(TTableau_24_40(nullptr).SautDePageAvant(25));

    struct Cas {
        int serie;
        bool zoome, impression;
        std::int32_t decalage;
    } cas[] = {{25, false, true, -2100}, {31, false, true, -2100}, {24, false, true, 0},
               {25, true, true, 0},      {25, false, false, 0},    {1, false, false, 0}};
    for (const auto& c : cas) {
        TRect r = t.CadreSerie(*t.Serie(c.serie));
        const TRect avant = r;
        t.AjusterCadre(c.serie, c.zoome, r, c.impression);
        EXPECT_EQ(r, (TRect{avant.Left + c.decalage, avant.Top, avant.Right + c.decalage, avant.Bottom}))
            << c.serie << c.zoome << c.impression;
    }
    // Heat 25 then stands at the left margin of the second sheet.
    TRect r = t.CadreSerie(*t.Serie(25));
    t.AjusterCadre(25, false, r, true);
    EXPECT_EQ(r.Left, 50);

    EXPECT_FALSE(t.EncadrerCategorie(true));
    EXPECT_TRUE(t.EncadrerCategorie(false));
    EXPECT_TRUE(TTableau_0_10(nullptr).EncadrerCategorie(true));

    struct Page {
        int page, premiere, derniere;
    } pages[] = {{0, 1, 31}, {1, 1, 24}, {2, 25, 31}, {3, 25, 31}, {-1, 25, 31}};
    for (const auto& p : pages) {
        int premiere = 0, derniere = 0;
        t.SeriesDePage(p.page, premiere, derniere);
        EXPECT_EQ(premiere, p.premiere) << p.page;
        EXPECT_EQ(derniere, p.derniere) << p.page;
    }
    int premiere = 0, derniere = 0;
    TTableau_9_12(nullptr).SeriesDePage(1, premiere, derniere);
    EXPECT_EQ(std::pair(premiere, derniere), std::pair(1, 6));
}

// --- The table in the file -----------------------------------------------------

// An old table: one tour of one heat of two lines, then a tour whose only
// heat is fed by a heat that does not exist, by place -1 and by heat 2 itself.
std::vector<std::uint8_t> AncienTableau() {
    return Ecrire([](TWriter& w) {
        w.WriteInteger(1);
        w.WriteListBegin();
        { // tour 1
            w.WriteInteger(1);
            w.WriteListBegin();
            w.WriteInteger(1);
            w.WriteListBegin();
            for (auto [rang, place] : {std::pair{2, -1}, {0, 2}, {1, 1}, {1000, 3}}) {
                w.WriteInteger(1);
                w.WriteInteger(rang);
                w.WriteInteger(0);
                w.WriteInteger(77); // a stale participant
                w.WriteInteger(place);
            }
            w.WriteListEnd();
            for (int v : {1, 2, 30, 40})
                w.WriteInteger(v);
            w.WriteListEnd();
        }
        { // tour 2
            w.WriteInteger(1);
            w.WriteListBegin();
            w.WriteInteger(1);
            w.WriteListBegin();
            for (auto [rang, origine] : {std::pair{1, 1}, {1, 99}, {-1, 1}, {1, 2}, {2, -5}}) {
                w.WriteInteger(1);
                w.WriteInteger(rang);
                w.WriteInteger(origine);
                w.WriteInteger(-1);
                w.WriteInteger(-1);
            }
            w.WriteListEnd();
            for (int v : {0, 50, 30, 80})
                w.WriteInteger(v);
            w.WriteListEnd();
        }
        w.WriteListEnd();
    });
}

TEST(TableauFichier, UnAncienTableauRemplaceLaStructureDuModele) {
    TCompet compet;
    TCategorieCompet& c = *compet.Categorie(0);
    AjouterSurfeurs(c, 3);
    c.SetTypeTableau(1);
    TTableauCompet& t = *c.Tableau();
    t.SetZoom(3.0);
    Lire(AncienTableau(), [&](TReader& r) { t.Load(r); });
    EXPECT_FALSE(t.IsModified());
    EXPECT_EQ(t.TypeTableau(), 1);
    EXPECT_EQ(t.Zoom(), 1.0);
    ASSERT_EQ(t.Count(), 2);
    ASSERT_EQ(t.NbSeries(), 2);
    EXPECT_EQ(t.Serie(1)->Cadre(), (TRect{1, 2, 30, 40}));
    EXPECT_EQ(t.Serie(2)->Cadre(), (TRect{0, 50, 30, 80}));
    EXPECT_EQ(LignesEnTexte(*t.Serie(1)), "2 0 1 1000");
    EXPECT_EQ(t.Serie(1)->Ligne(0)->Participant(), 77);
    EXPECT_EQ(t.NomSerie(1), "1/1 FINALE");
    EXPECT_EQ(t.NomSerie(2), "FINALE");

    // Seeds outside 1..3, sources that name no heat and place -1 (which
    // seed 2 "holds") leave slots empty.
    t.PlacerParticipants();
    t.Propager();
    std::vector<int> premiers, seconds;
    for (int l = 0; l < 4; ++l)
        premiers.push_back(t.Serie(1)->Ligne(l)->Participant());
    for (int l = 0; l < 5; ++l)
        seconds.push_back(t.Serie(2)->Ligne(l)->Participant());
    EXPECT_EQ(premiers, (std::vector<int>{2, -1, 1, -1}));
    EXPECT_EQ(seconds, (std::vector<int>{1, -1, -1, -1, -1}));
}

TEST(TableauFichier, UnAncienTableauDAutreFormeGardeSaStructureALEnregistrement) {
    TCategorieCompet c(nullptr);
    c.SetTypeTableau(1);
    Lire(AncienTableau(), [&](TReader& r) { c.Tableau()->Load(r); });
    const auto premier = Ecrire([&](TWriter& w) { c.Save(w); });
    TCategorieCompet relue(nullptr);
    Lire(premier, [&](TReader& r) { relue.Load(r); });
    ASSERT_NE(relue.Tableau(), nullptr);
    EXPECT_EQ(relue.Tableau()->NbSeries(), 2);
    EXPECT_EQ(relue.Tableau()->Serie(1)->Cadre(), (TRect{1, 2, 30, 40}));
    EXPECT_EQ(LignesEnTexte(*relue.Tableau()->Serie(2)), "1/1 1/99 -1/1 1/2 2/-5");
    EXPECT_EQ(Ecrire([&](TWriter& w) { relue.Save(w); }), premier);
}

TEST(TableauFichier, UnAncienTableauDeLaFormeDuModeleSEnregistreEnVersion2) {
    // The template's own structure, stored the old way with other boxes.
    const auto modele = CreerTableau(2, nullptr);
    const auto ancien = Ecrire([&](TWriter& w) {
        w.WriteInteger(1);
        w.WriteListBegin();
        for (int i = 0; i < modele->Count(); ++i) {
            w.WriteInteger(1);
            w.WriteListBegin();
            for (int s = 0; s < modele->Tour(i)->Count(); ++s) {
                const TSerieCompet& serie = *modele->Tour(i)->Serie(s);
                w.WriteInteger(1);
                w.WriteListBegin();
                for (int l = 0; l < serie.Count(); ++l) {
                    w.WriteInteger(1);
                    w.WriteInteger(serie.Ligne(l)->Rang());
                    w.WriteInteger(serie.Ligne(l)->SerieOrigine());
                    w.WriteInteger(-1);
                    w.WriteInteger(l == 0 ? 1 : -1);
                }
                w.WriteListEnd();
                for (int v : {s, s, s + 10, s + 10})
                    w.WriteInteger(v);
            }
            w.WriteListEnd();
        }
        w.WriteListEnd();
    });
    TTableau_9_12 t(nullptr);
    Lire(ancien, [&](TReader& r) { t.Load(r); });
    EXPECT_EQ(t.Serie(1)->Cadre(), (TRect{0, 0, 10, 10}));

    const auto attendu = Ecrire([&](TWriter& w) {
        w.WriteInteger(2);
        for (int i = 0; i < modele->Count(); ++i) {
            w.WriteInteger(2);
            for (int s = 0; s < modele->Tour(i)->Count(); ++s) {
                w.WriteInteger(2);
                for (int l = 0; l < modele->Tour(i)->Serie(s)->Count(); ++l) {
                    w.WriteInteger(2);
                    w.WriteInteger(-1);
                    w.WriteInteger(l == 0 ? 1 : -1);
                }
            }
        }
    });
    EXPECT_EQ(Ecrire([&](TWriter& w) { t.Save(w); }), attendu);
}

TEST(TableauFichier, LaVersion2LitLesResultatsSurLaStructureDuModele) {
    TTableau_0_10 source(nullptr);
    int k = 0;
    for (TLigneSerie* l : ToutesLesLignes(source)) {
        l->SetParticipant(k % 11);
        l->SetPlace(k++ % 6 - 1);
    }
    const auto octets = Ecrire([&](TWriter& w) { source.Save(w); });
    EXPECT_FALSE(source.IsModified());
    TTableau_0_10 relu(nullptr);
    Lire(octets, [&](TReader& r) { relu.Load(r); });
    const auto a = ToutesLesLignes(source), b = ToutesLesLignes(relu);
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(b[i]->Participant(), a[i]->Participant());
        EXPECT_EQ(b[i]->Place(), a[i]->Place());
        EXPECT_EQ(b[i]->Rang(), a[i]->Rang());
    }
    EXPECT_FALSE(relu.IsModified());
    EXPECT_EQ(Ecrire([&](TWriter& w) { relu.Save(w); }), octets);
}

TEST(TableauFichier, AssignCopieStructureEtResultatsEtLeDrapeau) {
    TCategorieCompet c(nullptr);
    c.SetTypeTableau(2);
    TTableau_0_10 source(nullptr);
    source.Serie(2)->Ligne(1)->SetPlace(3);
    source.Serie(2)->Ligne(1)->SetParticipant(4);
    source.Serie(3)->SetCadre(1, 2, 3, 4);
    for (bool modifie : {true, false}) {
        if (!modifie)
            Ecrire([&](TWriter& w) { source.Save(w); });
        TTableau_9_12 copie(nullptr);
        copie.Assign(source, &c);
        EXPECT_EQ(copie.Owner(), &c);
        EXPECT_EQ(copie.IsModified(), modifie);
        EXPECT_EQ(copie.NbSeries(), 3);
        EXPECT_EQ(copie.Serie(3)->Cadre(), (TRect{1, 2, 3, 4}));
        EXPECT_EQ(LignesEnTexte(*copie.Serie(1)), "2 3 6 7 9");
        EXPECT_EQ(copie.Serie(2)->Ligne(1)->Place(), 3);
        EXPECT_EQ(copie.Serie(2)->Ligne(1)->Participant(), 4);
        EXPECT_EQ(copie.Serie(2)->Owner()->Owner(), &copie);
    }
}

} // namespace
