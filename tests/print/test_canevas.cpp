// SPDX-License-Identifier: GPL-3.0-or-later
#include "outils_modele.h"
#include "print/canevas_enregistreur.h"

#include <gtest/gtest.h>

using namespace tramonta;
using namespace tramonta::test;

namespace {

struct CasSaut {
    bool impression;
    int page;
    int bas;       // bottom of a 60-high box
    bool saute;    // a break is made
    int hautApres; // its top afterwards
    int pageApres;
    int lignePointillee; // y of the dotted boundary, 0 for none
};

class SautDePage : public testing::TestWithParam<CasSaut> {};

TEST_P(SautDePage, DeplaceLaBoiteSelonSaProfondeur) {
    const CasSaut& cas = GetParam();
    TCanevasEnregistreur c;
    TPoint position{150, cas.bas + 60};
    TRect r{150, cas.bas + 60, 1950, cas.bas};
    int page = cas.page;
    EXPECT_EQ(AdjustRect(c, r, position, cas.impression, page), cas.saute);
    EXPECT_EQ(r.Top, cas.hautApres);
    EXPECT_EQ(r.Bottom, cas.hautApres - 60);
    EXPECT_EQ(position, (TPoint{150, cas.hautApres}));
    EXPECT_EQ(r.Left, 150);
    EXPECT_EQ(r.Right, 1950);
    EXPECT_EQ(page, cas.pageApres);
    EXPECT_EQ(c.NbPagesImprimante(), cas.saute && cas.impression ? 1 : 0);
    const auto& p = c.Primitives();
    if (cas.lignePointillee == 0) {
        EXPECT_EQ(std::count_if(p.begin(), p.end(),
                                [](const TPrimitive& x) { return x.genre == TPrimitive::Genre::Ligne; }),
                  0);
    } else {
        ASSERT_EQ(p.size(), 1u);
        EXPECT_EQ(p[0].genre, TPrimitive::Genre::Ligne);
        EXPECT_EQ(p[0].rect, (TRect{0, cas.lignePointillee, 2100, cas.lignePointillee}));
        EXPECT_EQ(p[0].etat.EpaisseurPlume, 2);
        EXPECT_EQ(p[0].etat.Style, StylePlume::Pointille);
    }
    // The pen comes back as it was.
    EXPECT_EQ(c.Etat(), TEtatCanevas{});
}

INSTANTIATE_TEST_SUITE_P(Figures, SautDePage,
                         testing::Values(CasSaut{true, 1, -2820, false, -2760, 1, 0},
                                         CasSaut{true, 1, -2821, true, -150, 2, 0},
                                         CasSaut{true, 3, -2821, true, -150, 4, 0},
                                         CasSaut{false, 2, -5790, false, -5730, 2, 0},
                                         CasSaut{false, 2, -5791, true, -6090, 3, -5940},
                                         CasSaut{false, 1, -2821, true, -3120, 2, -2970}));

TEST(SautDePage, UnRectangleHorsPositionEstSignaleEtGarde) {
    CaptureMessages messages;
    TCanevasEnregistreur c;
    TPoint position{150, -150};
    TRect r{150, -200, 1950, -260};
    int page = 1;
    EXPECT_FALSE(AdjustRect(c, r, position, true, page));
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"Debug : AdjustRect ! Erreur logique : rc.TopLeft <> pt !"});
    EXPECT_EQ(r, (TRect{150, -200, 1950, -260}));
}

TEST(Canevas, LaSauvegardeRendLEtatQuelleQueSoitLaSortie) {
    TCanevasEnregistreur c;
    c.HauteurPolice(60);
    const TEtatCanevas avant = c.Etat();
    try {
        TSauvegardeCanevas s(c);
        c.Gras(true);
        c.EpaisseurPlume(5);
        c.Style(StylePlume::Pointille);
        c.NomPolice("Arial");
        c.Origine({10, -20});
        throw 1;
    } catch (int) {
    }
    EXPECT_EQ(c.Etat(), avant);
}

TEST(Canevas, LOriginePousseChaquePrimitive) {
    TCanevasEnregistreur c;
    c.Origine({100, -200});
    c.Ligne({0, 0}, {10, -10});
    c.Texte({5, -5}, "abc");
    ASSERT_EQ(c.Primitives().size(), 2u);
    EXPECT_EQ(c.Primitives()[0].rect, (TRect{100, -200, 110, -210}));
    EXPECT_EQ(CoinHautGauche(c.Primitives()[1].rect), (TPoint{105, -205}));
}

TEST(Canevas, LesMesuresFixesCompentLesCaracteres) {
    TCanevasEnregistreur c;
    c.HauteurPolice(40);
    EXPECT_EQ(c.MesurerTexte("abcd"), (TTaille{80, 40}));
    EXPECT_EQ(c.MesurerTexte("12.00 €"), (TTaille{140, 40}));
    EXPECT_EQ(c.MesurerTexte(""), (TTaille{0, 40}));
}

struct CasAlignement {
    Alignement a;
    int xDansRect; // TexteDansRect
    int xAligne;   // TexteAligne, 5 units inside
};

class Alignements : public testing::TestWithParam<CasAlignement> {};

TEST_P(Alignements, PlacentLeTexteEtLeCentrentVerticalement) {
    TCanevasEnregistreur c;
    c.HauteurPolice(40); // "abcd" is 80 wide
    const TRect r{100, -100, 401, -161};
    TexteDansRect(c, r, "abcd", GetParam().a);
    EXPECT_EQ(TexteAligne(c, r, "abcd", GetParam().a), 40);
    const auto& p = c.Primitives();
    ASSERT_EQ(p.size(), 2u);
    // (61 - 40) / 2 truncates to 10.
    EXPECT_EQ(CoinHautGauche(p[0].rect), (TPoint{GetParam().xDansRect, -110}));
    ASSERT_TRUE(p[0].decoupe);
    EXPECT_EQ(*p[0].decoupe, r);
    EXPECT_EQ(CoinHautGauche(p[1].rect), (TPoint{GetParam().xAligne, -110}));
}

INSTANTIATE_TEST_SUITE_P(Trois, Alignements,
                         testing::Values(CasAlignement{Alignement::Gauche, 100, 105},
                                         CasAlignement{Alignement::Centre, 210, 210},
                                         CasAlignement{Alignement::Droite, 321, 316}));

// Cut to its cell, a centred text too wide for it keeps its beginning.
TEST(Alignements, UnTexteTropLargeCommenceAuBordGauche) {
    TCanevasEnregistreur c;
    c.HauteurPolice(40); // 20 units a character
    const TRect r{100, -100, 180, -160};
    TexteDansRect(c, r, "Biarritz Olympique", Alignement::Centre);
    TexteDansRect(c, r, "abcd", Alignement::Centre);
    const auto& p = c.Primitives();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].rect.Left, 100);
    EXPECT_EQ(p[1].rect.Left, 100) << "exactly as wide: centred, which is the same place";
}

TEST(TexteMultiligne, CoupeAuxBlancsEtAuxRetoursALaLigne) {
    TCanevasEnregistreur c;
    c.HauteurPolice(20); // 10 units a character
    EXPECT_EQ(CouperLignes(c, "un deux trois quatre", 90),
              (std::vector<std::string>{"un deux", "trois", "quatre"}));
    EXPECT_EQ(CouperLignes(c, "ab\r\ncd\nef", 1000), (std::vector<std::string>{"ab", "cd", "ef"}));
    // A word wider than the box is cut where it stops fitting.
    EXPECT_EQ(CouperLignes(c, "x abcdefghijk y", 40),
              (std::vector<std::string>{"x", "abcd", "efgh", "ijk", "y"}));
    EXPECT_EQ(CouperLignes(c, "", 40), std::vector<std::string>{""});
}

TEST(TexteMultiligne, MesureEtDessineLeMemeBloc) {
    TCanevasEnregistreur c;
    c.HauteurPolice(50);
    const std::string texte(100, 'a'); // 2500 wide: two lines in 1800
    TRect r{150, -450, 1950, -450};
    EXPECT_EQ(MesurerTexteMultiligne(c, r, texte + " b"), 100);
    EXPECT_EQ(r, (TRect{150, -450, 1950, -550}));
    EXPECT_TRUE(c.Primitives().empty());
    EXPECT_EQ(TexteMultiligne(c, r, texte + " b"), 100);
    ASSERT_EQ(c.Primitives().size(), 2u);
    EXPECT_EQ(CoinHautGauche(c.Primitives()[0].rect), (TPoint{150, -450}));
    EXPECT_EQ(CoinHautGauche(c.Primitives()[1].rect), (TPoint{150, -500}));
    EXPECT_EQ(c.Primitives()[1].texte, std::string(28, 'a') + " b");
}

TEST(Textes, DecoupeLesLignesDUneAdresse) {
    EXPECT_TRUE(DecouperLignes("").empty());
    EXPECT_EQ(DecouperLignes("1 rue\r\nBat. B\r\nEsc. 2"),
              (std::vector<std::string>{"1 rue", "Bat. B", "Esc. 2"}));
    EXPECT_EQ(DecouperLignes("1 rue\r\n"), std::vector<std::string>{"1 rue"});
    EXPECT_EQ(DecouperLignes("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(BoolVersTexte(true), "Oui");
    EXPECT_EQ(BoolVersTexte(false), "Non");
    EXPECT_EQ(LargeurRect({10, -5, 4, -50}), 6);
    EXPECT_EQ(HauteurRect({10, -5, 4, -50}), 45);
}

TEST(Rejouer, RedonneLesMemesPrimitivesSurUnAutreCanevas) {
    TCanevasEnregistreur source;
    source.Origine({0, -2970});
    source.EpaisseurPlume(5);
    source.Cadre({150, -150, 1950, -350});
    source.Gras(true);
    TexteDansRect(source, {150, -150, 1950, -350}, "Titre", Alignement::Centre);
    source.Remplir({0, 0, 10, -10}, kBlanc);
    source.Image({0, 0, 100, -100}, "logo.bmp");
    TCanevasEnregistreur cible;
    for (const auto& p : source.Primitives())
        Rejouer(p, cible);
    ASSERT_EQ(cible.Primitives().size(), source.Primitives().size());
    for (std::size_t i = 0; i < cible.Primitives().size(); ++i) {
        EXPECT_EQ(cible.Primitives()[i].rect, source.Primitives()[i].rect);
        EXPECT_EQ(cible.Primitives()[i].texte, source.Primitives()[i].texte);
        EXPECT_EQ(cible.Primitives()[i].etat.Police, source.Primitives()[i].etat.Police);
    }
}

} // namespace
