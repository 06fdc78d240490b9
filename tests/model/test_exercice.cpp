#include "model/exercice.h"

#include <gtest/gtest.h>

using namespace tramonta;

TEST(Exercice, UnDocumentNeufEstVide) {
    TExercice e;
    EXPECT_FALSE(e.IsModified());
    EXPECT_TRUE(e.Euro());
}
