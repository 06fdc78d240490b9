// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/modeles_tableau.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <string_view>

namespace tramonta {

namespace {

// One heat of a draw sheet: its number, its tour, its box in millimetres
// (left, top, right, bottom, y downward), then its lines in order. A line
// "9" receives seed 9; a line "2/3" receives the second of heat 3.
struct SerieModele {
    int numero;
    int tour;
    TRect cadre;
    std::string_view lignes;
};

// clang-format off
constexpr SerieModele kDessin_0_10[] = {
    {1, 1, {0, 0, 94, 49},     "2 3 6 7 9"},
    {2, 1, {100, 0, 194, 49},  "1 4 5 8 10"},
    {3, 2, {0, 63, 94, 105},   "1/1 1/2 2/1 2/2"},
};

constexpr SerieModele kDessin_9_12[] = {
    {1, 1, {0, 0, 67, 32},     "3 4 9 10"},
    {2, 1, {71, 0, 138, 32},   "2 5 8 11"},
    {3, 1, {141, 0, 208, 32},  "1 6 7 12"},
    {4, 2, {0, 41, 67, 67},    "1/1 1/2 2/3"},
    {5, 2, {71, 41, 138, 67},  "1/3 2/1 2/2"},
    {6, 3, {0, 77, 67, 107},   "1/4 1/5 2/4 2/5"},
};

constexpr SerieModele kDessin_12_20[] = {
    {1, 1, {0, 0, 61, 33},     "3 6 11 14 18"},
    {2, 1, {64, 0, 125, 33},   "2 7 10 15 19"},
    {3, 1, {127, 0, 188, 33},  "1 8 9 16 20"},
    {4, 1, {191, 0, 252, 33},  "4 5 12 13 17"},
    {5, 2, {0, 41, 61, 69},    "1/1 1/2 2/3 2/4"},
    {6, 2, {64, 41, 125, 69},  "1/3 1/4 2/1 2/2"},
    {7, 3, {0, 77, 61, 105},   "1/5 1/6 2/5 2/6"},
};

constexpr SerieModele kDessin_18_24[] = {
    {1, 1, {0, 0, 62, 30},      "5 8 17 20"},
    {2, 1, {66, 0, 128, 30},    "3 10 15 22"},
    {3, 1, {131, 0, 193, 30},   "2 11 14 23"},
    {4, 1, {0, 34, 62, 64},     "1 12 13 24"},
    {5, 1, {66, 34, 128, 64},   "4 9 16 21"},
    {6, 1, {131, 34, 193, 64},  "6 7 18 19"},
    {7, 2, {0, 72, 62, 96},     "1/1 1/2 2/3"},
    {8, 2, {66, 72, 128, 96},   "1/3 2/1 2/2"},
    {9, 2, {131, 72, 193, 96},  "1/4 2/5 2/6"},
    {10, 2, {196, 72, 258, 96}, "1/5 1/6 2/4"},
    {11, 3, {0, 105, 62, 135},  "1/7 1/8 2/9 2/10"},
    {12, 3, {66, 105, 128, 135}, "1/9 1/10 2/7 2/8"},
    {13, 4, {0, 143, 62, 173},  "1/11 1/12 2/11 2/12"},
};

constexpr SerieModele kDessin_24_40[] = {
    {1, 1, {0, 0, 60, 30},       "6 11 22 27 35"},
    {2, 1, {64, 0, 124, 30},     "3 14 19 30 38"},
    {3, 1, {129, 0, 189, 30},    "7 10 23 26 34"},
    {4, 1, {193, 0, 253, 30},    "2 15 18 31 39"},
    {5, 1, {0, 35, 60, 65},      "1 16 17 32 40"},
    {6, 1, {64, 35, 124, 65},    "8 9 24 25 33"},
    {7, 1, {129, 35, 189, 65},   "4 13 20 29 37"},
    {8, 1, {193, 35, 253, 65},   "5 12 21 28 36"},
    {9, 2, {0, 74, 60, 100},     "1/1 1/2 2/3 2/4"},
    {10, 2, {64, 74, 124, 100},  "1/3 1/4 2/1 2/2"},
    {11, 2, {129, 74, 189, 100}, "1/5 1/6 2/7 2/8"},
    {12, 2, {193, 74, 253, 100}, "1/7 1/8 2/5 2/6"},
    {13, 3, {0, 107, 60, 134},   "1/9 1/10 2/11 2/12"},
    {14, 3, {64, 107, 124, 134}, "1/11 1/12 2/9 2/10"},
    {15, 4, {0, 143, 60, 170},   "1/13 1/14 2/13 2/14"},
};

constexpr SerieModele kDessin_64[] = {
    {1, 1, {0, 0, 64, 26},         "3 30 35 62"},
    {2, 1, {66, 0, 130, 26},       "14 19 46 51"},
    {3, 1, {0, 30, 64, 56},        "6 27 38 59"},
    {4, 1, {66, 30, 130, 56},      "11 22 43 54"},
    {5, 1, {0, 60, 64, 86},        "7 26 39 58"},
    {6, 1, {66, 60, 130, 86},      "10 23 42 55"},
    {7, 1, {0, 90, 64, 116},       "2 31 34 63"},
    {8, 1, {66, 90, 130, 116},     "15 18 47 50"},
    {9, 1, {0, 125, 64, 151},      "1 32 33 64"},
    {10, 1, {66, 125, 130, 151},   "16 17 48 49"},
    {11, 1, {0, 155, 64, 181},     "8 25 40 57"},
    {12, 1, {66, 155, 130, 181},   "9 24 41 56"},
    {13, 1, {0, 185, 64, 211},     "4 29 36 61"},
    {14, 1, {66, 185, 130, 211},   "13 20 45 52"},
    {15, 1, {0, 215, 64, 241},     "5 28 37 60"},
    {16, 1, {66, 215, 130, 241},   "12 21 44 53"},
    {17, 2, {132, 0, 197, 26},     "1/1 1/2 2/3 2/4"},
    {18, 2, {132, 30, 197, 56},    "1/3 1/4 2/1 2/2"},
    {19, 2, {132, 60, 197, 86},    "1/5 1/6 2/7 2/8"},
    {20, 2, {132, 90, 197, 116},   "1/7 1/8 2/5 2/6"},
    {21, 2, {132, 125, 197, 151},  "1/9 1/10 2/11 2/12"},
    {22, 2, {132, 155, 197, 181},  "1/11 1/12 2/9 2/10"},
    {23, 2, {132, 185, 197, 211},  "1/13 1/14 2/15 2/16"},
    {24, 2, {132, 215, 197, 241},  "1/15 1/16 2/13 2/14"},
    {25, 3, {210, 15, 275, 41},    "1/17 1/18 2/19 2/20"},
    {26, 3, {210, 75, 275, 101},   "1/19 1/20 2/17 2/18"},
    {27, 3, {210, 140, 275, 166},  "1/21 1/22 2/23 2/24"},
    {28, 3, {210, 200, 275, 226},  "1/23 1/24 2/21 2/22"},
    {29, 4, {275, 45, 340, 71},    "1/25 1/26 2/27 2/28"},
    {30, 4, {275, 170, 340, 196},  "1/27 1/28 2/25 2/26"},
    {31, 5, {340, 110, 405, 136},  "1/29 1/30 2/29 2/30"},
};
// clang-format on

struct Modele {
    const char* libelle;
    int minimum;
    int maximum;
    int taillePolice;
    int orientation;
    int pagesSuite;
    std::span<const SerieModele> dessin;
};

constexpr std::array<Modele, kNbTypesTableau> kModeles = {{
    {"0 à 10", 0, 10, 50, 1, 1, kDessin_0_10},
    {"9 à 12", 9, 12, 35, 1, 1, kDessin_9_12},
    {"12 à 20", 12, 20, 35, 1, 1, kDessin_12_20},
    {"18 à 24", 18, 24, 35, 1, 1, kDessin_18_24},
    {"24 à 40", 24, 40, 35, 1, 1, kDessin_24_40},
    {"64", 41, 64, 35, 0, 2, kDessin_64},
}};

const Modele* ModeleDuType(int type) {
    return type >= 1 && type <= kNbTypesTableau ? &kModeles[static_cast<std::size_t>(type - 1)] : nullptr;
}

// --- Reading a heat's lines -------------------------------------------------

struct LigneModele {
    int rang = 0;
    int origine = 0;
};

struct LignesModele {
    std::array<LigneModele, 5> lignes{};
    int nombre = 0;
    bool valide = true;
};

constexpr LignesModele Lire(std::string_view texte) {
    LignesModele r;
    std::size_t i = 0;
    auto nombre = [&] {
        int v = 0;
        const std::size_t debut = i;
        while (i < texte.size() && texte[i] >= '0' && texte[i] <= '9')
            v = v * 10 + (texte[i++] - '0');
        r.valide = r.valide && i > debut;
        return v;
    };
    while (r.valide && i < texte.size()) {
        if (texte[i] == ' ') {
            ++i;
            continue;
        }
        LigneModele l;
        l.rang = nombre();
        if (i < texte.size() && texte[i] == '/') {
            ++i;
            l.origine = nombre();
        }
        if ((i < texte.size() && texte[i] != ' ') || r.nombre == 5)
            r.valide = false;
        else
            r.lignes[static_cast<std::size_t>(r.nombre++)] = l;
    }
    return r;
}

// The sheets are checked when the program is compiled: heats numbered in
// building order, tours in order, 3 to 5 lines a heat, every seed from 1 to
// the highest exactly once in the first tour, later slots fed only by heats
// of earlier tours, and every heat but the final sending its first and its
// second on exactly once.
constexpr bool Coherent(std::span<const SerieModele> dessin) {
    const int nbSeries = static_cast<int>(dessin.size());
    std::array<int, 65> graines{};
    std::array<int, 64> premiers{}, seconds{};
    int nbGraines = 0, tour = 1, premiereDuTour = 1;
    for (int k = 0; k < nbSeries; ++k) {
        const SerieModele& s = dessin[static_cast<std::size_t>(k)];
        if (s.numero != k + 1 || nbSeries > 64)
            return false;
        if (s.tour != tour) {
            if (s.tour != tour + 1 || k == 0)
                return false;
            tour = s.tour;
            premiereDuTour = s.numero;
        }
        const LignesModele l = Lire(s.lignes);
        if (!l.valide || l.nombre < 3)
            return false;
        for (int i = 0; i < l.nombre; ++i) {
            const LigneModele& li = l.lignes[static_cast<std::size_t>(i)];
            if (tour == 1) {
                if (li.origine != 0 || li.rang < 1 || li.rang > 64)
                    return false;
                ++graines[static_cast<std::size_t>(li.rang)];
                ++nbGraines;
            } else {
                if (li.origine < 1 || li.origine >= premiereDuTour || li.rang < 1 || li.rang > 2)
                    return false;
                ++(li.rang == 1 ? premiers : seconds)[static_cast<std::size_t>(li.origine - 1)];
            }
        }
    }
    for (int g = 1; g <= nbGraines; ++g)
        if (graines[static_cast<std::size_t>(g)] != 1)
            return false;
    for (int n = 0; n < nbSeries; ++n) {
        const int attendu = n + 1 < nbSeries ? 1 : 0;
        if (premiers[static_cast<std::size_t>(n)] != attendu ||
            seconds[static_cast<std::size_t>(n)] != attendu)
            return false;
    }
    return nbSeries > 0;
}

static_assert(Coherent(kDessin_0_10));
static_assert(Coherent(kDessin_9_12));
static_assert(Coherent(kDessin_12_20));
static_assert(Coherent(kDessin_18_24));
static_assert(Coherent(kDessin_24_40));
static_assert(Coherent(kDessin_64));

void Construire(TTableauCompet& tableau, std::span<const SerieModele> dessin) {
    TTourCompet* tour = nullptr;
    int numeroTour = 0;
    for (const SerieModele& s : dessin) {
        if (s.tour != numeroTour) {
            tour = tableau.AjouterTour();
            numeroTour = s.tour;
        }
        TSerieCompet* serie = tour->AjouterSerie();
        serie->SetCadre(s.cadre.Left, s.cadre.Top, s.cadre.Right, s.cadre.Bottom);
        const LignesModele l = Lire(s.lignes);
        for (int i = 0; i < l.nombre; ++i) {
            const LigneModele& li = l.lignes[static_cast<std::size_t>(i)];
            serie->AjouterLigne()->SetRangOrigine(li.rang, li.origine);
        }
    }
}

} // namespace

// --- TTableauModele -----------------------------------------------------------

TTableauModele::TTableauModele(TCategorieCompet* owner, std::uint8_t type)
    : TTableauCompet(owner), type_(type) {
    Construire(*this, ModeleDuType(type)->dessin);
}

int TTableauModele::TaillePolice() const {
    return ModeleDuType(type_)->taillePolice;
}
int TTableauModele::OrientationTableau() const {
    return ModeleDuType(type_)->orientation;
}
int TTableauModele::PagesSuite() const {
    return ModeleDuType(type_)->pagesSuite;
}

// --- TTableau_64 --------------------------------------------------------------

void TTableau_64::AjusterCadre(int serie, bool zoome, TRect& cadre, bool impression) const {
    if (!impression || zoome || serie < kPremiereSerieFeuille2)
        return;
    // The second sheet starts 210 mm further right in the drawing.
    constexpr std::int64_t decalage = 2100;
    auto decaler = [](std::int32_t& x) {
        x = static_cast<std::int32_t>(
            std::max<std::int64_t>(x - decalage, std::numeric_limits<std::int32_t>::min()));
    };
    decaler(cadre.Left);
    decaler(cadre.Right);
}

void TTableau_64::SeriesDePage(int page, int& premiere, int& derniere) const {
    if (page == 0) {
        TTableauCompet::SeriesDePage(page, premiere, derniere);
    } else if (page == 1) {
        premiere = 1;
        derniere = kPremiereSerieFeuille2 - 1;
    } else {
        premiere = kPremiereSerieFeuille2;
        derniere = NbSeries();
    }
}

// --- Factory ------------------------------------------------------------------

std::unique_ptr<TTableauCompet> CreerTableau(std::uint8_t type, TCategorieCompet* owner) {
    switch (type) {
    case 1:
        return std::make_unique<TTableau_0_10>(owner);
    case 2:
        return std::make_unique<TTableau_9_12>(owner);
    case 3:
        return std::make_unique<TTableau_12_20>(owner);
    case 4:
        return std::make_unique<TTableau_18_24>(owner);
    case 5:
        return std::make_unique<TTableau_24_40>(owner);
    case 6:
        return std::make_unique<TTableau_64>(owner);
    default:
        return nullptr;
    }
}

const char* LibelleTypeTableau(int type) {
    const Modele* m = ModeleDuType(type);
    return m ? m->libelle : "";
}

bool TypeTableauPropose(int type, int nbParticipants) {
    const Modele* m = ModeleDuType(type);
    return m && nbParticipants >= m->minimum && nbParticipants <= m->maximum;
}

} // namespace tramonta
