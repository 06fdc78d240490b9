// SPDX-License-Identifier: GPL-3.0-or-later
// The flag guard of the recovery copy: what a save changes comes back, and
// nothing is written into an object that the save built and freed.
#include "core/modifie.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <new>

using namespace tramonta;

namespace {

TEST(ConservationDrapeaux, LesDrapeauxQuiSurviventRetrouventLeurValeur) {
    TModifiedClass a, b, c;
    a.Modified = true;
    {
        TConservationDrapeaux garde;
        a.Modified = false;
        b.Modified = true;
        b.Modified = false;
        b.Modified = true;
        c.Modified = c.Modified; // unchanged
    }
    EXPECT_TRUE(a.Modified);
    EXPECT_FALSE(b.Modified);
    EXPECT_FALSE(c.Modified);
    // Outside a guard a change stays.
    a.Modified = false;
    EXPECT_FALSE(a.Modified);
}

TEST(ConservationDrapeaux, UnDrapeauDetruitPendantLaGardeEnSort) {
    // A flag in storage the test keeps: once the flag is destroyed, its bytes
    // must stay as the test wrote them when the guard ends (a write there is
    // a write into freed memory).
    alignas(TDrapeau) unsigned char place[sizeof(TDrapeau)];
    TModifiedClass survivant;
    {
        TConservationDrapeaux garde;
        auto* temporaire = new (place) TDrapeau(false);
        *temporaire = true;
        survivant.Modified = true;
        temporaire->~TDrapeau();
        std::memset(place, 0x5a, sizeof place);
        // An object built and freed as a save builds a template to compare with.
        auto modele = std::make_unique<TModifiedClass>();
        modele->Modified = true;
        modele.reset();
    }
    for (unsigned char octet : place)
        EXPECT_EQ(octet, 0x5a);
    EXPECT_FALSE(survivant.Modified);
}

TEST(ConservationDrapeaux, GardesImbriquees) {
    TModifiedClass a, b;
    {
        TConservationDrapeaux exterieure;
        a.Modified = true;
        {
            TConservationDrapeaux interieure;
            b.Modified = true;
            auto temporaire = std::make_unique<TModifiedClass>();
            temporaire->Modified = true;
        }
        EXPECT_TRUE(a.Modified);
        EXPECT_FALSE(b.Modified);
        // Noted by the outer guard, destroyed under the inner one.
        auto dedans = std::make_unique<TModifiedClass>();
        dedans->Modified = true;
        {
            TConservationDrapeaux interieure;
            dedans.reset();
        }
    }
    EXPECT_FALSE(a.Modified);
    EXPECT_FALSE(b.Modified);
}

} // namespace
