// SPDX-License-Identifier: GPL-3.0-or-later
// The page canvas over QPainter: cell heights, the euro sign, and drawn texts
// ending where their measure says, so that right-aligned amounts line up.
#include "platform/application.h"
#include "platform/canevas_qt.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace tramonta {
namespace {

class CanevasQt : public testing::Test {
  protected:
    static void SetUpTestSuite() { tahoma_ = EnregistrerPoliceTahoma(); }
    // The right-most and lowest inked columns and rows of an image.
    static QRect Encre(const QImage& image) {
        QRect r;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    r |= QRect(x, y, 1, 1);
        return r;
    }
    static inline bool tahoma_ = false;
};

TEST_F(CanevasQt, LaHauteurDonneeEstCelleDeLaCellule) {
    for (bool gras : {false, true}) {
        TPolice p;
        p.Hauteur = 500;
        p.Gras = gras;
        const QFont f = PoliceQt(p);
        if (tahoma_) {
            EXPECT_EQ(QFontInfo(f).family(), "Tahoma");
        }
        const QFontMetricsF m(f);
        EXPECT_NEAR(m.ascent() + m.descent(), 500, 5) << gras;
        EXPECT_TRUE(m.inFontUcs4(0x20AC)) << "euro";
        EXPECT_EQ(MesurerTexteQt(p, "abc").cy, 500);
        EXPECT_GT(MesurerTexteQt(p, "€").cx, 0);
    }
}

TEST_F(CanevasQt, UnMontantAligneADroiteFinitOuSaMesureLeDit) {
    // One pixel a unit, the page's top-left corner at the image's.
    QImage image(1000, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        TCanevasQt c(painter, 1.0);
        c.HauteurPolice(45);
        c.Gras(true);
        EXPECT_EQ(TexteAligne(c, {100, -50, 900, -110}, "8940.90 €", Alignement::Droite), 45);
    }
    painter.end();
    const QRect encre = Encre(image);
    ASSERT_FALSE(encre.isNull());
    // The ink stops at most at the advance, short of it by the sign's own
    // right bearing.
    EXPECT_LE(encre.right(), 900 - 5);
    EXPECT_GE(encre.right(), 900 - 5 - 10);
    // Vertically within its cell, centred in the row.
    EXPECT_GE(encre.top(), 57);
    EXPECT_LE(encre.bottom(), 57 + 45);
}

TEST_F(CanevasQt, LesCadresEtLesTraitsTombentSurLeursCoordonnees) {
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        TCanevasQt c(painter, 1.0, QPointF(0, 0));
        c.EpaisseurPlume(5);
        c.Origine({50, -50});
        c.Cadre({0, 0, 200, -100});
    }
    painter.end();
    const QRect encre = Encre(image);
    EXPECT_NEAR(encre.left(), 50 - 2, 1);
    EXPECT_NEAR(encre.top(), 50 - 2, 1);
    EXPECT_NEAR(encre.right(), 250 + 2, 1);
    EXPECT_NEAR(encre.bottom(), 150 + 2, 1);
    EXPECT_EQ(qGray(image.pixel(150, 100)), 255);
}

} // namespace
} // namespace tramonta
