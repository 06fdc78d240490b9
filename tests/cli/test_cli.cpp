#include "cli/json_document.h"
#include "model/exercice.h"

#include <gtest/gtest.h>

using namespace tramonta;

TEST(Json, UnDocumentVideDonneSesCles) {
    TExercice e;
    const auto j = DocumentVersJson(e);
    EXPECT_TRUE(j.contains("Adherents"));
}
