// SPDX-License-Identifier: GPL-3.0-or-later
// What the numeric edit keeps of what is typed or pasted into it.
#include "ui/communs/edit_monetaire.h"

#include "core/messages.h"
#include "platform/boite_message.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tramonta {
namespace {

struct CasFrappe {
    const char* nom;
    const char* initial; // text put there by the program
    int caret;           // caret position before typing; -1 = end of text
    const char* frappe;  // characters typed one by one
    const char* attendu;
};

const CasFrappe kCasFrappe[] = {
    {"chiffres", "", -1, "0123456789", "0123456789"},
    {"un_seul_point", "", -1, "12.5.3", "12.53"},
    {"point_deja_la", "3.14", -1, ".1", "3.141"},
    {"moins_au_debut", "", -1, "-12", "-12"},
    {"moins_apres_des_chiffres", "12", -1, "-", "12"},
    {"moins_caret_au_debut", "12", 0, "-", "-12"},
    {"second_moins", "-12", 0, "-", "-12"},
    {"moins_au_milieu", "", -1, "1-2", "12"},
    {"lettres_et_signes", "", -1, "a1 b,2+e=/", "12"},
    {"virgule_decimale", "", -1, "3,5", "35"},
    {"texte_du_programme_non_filtre", "abc", -1, "1", "abc1"},
};

class FrappeMonetaire : public testing::TestWithParam<CasFrappe> {};

TEST_P(FrappeMonetaire, GardeCeQueLeFiltreAccepte) {
    const CasFrappe& c = GetParam();
    TEditMonetaire edit;
    edit.setText(c.initial);
    edit.setCursorPosition(c.caret < 0 ? edit.text().size() : c.caret);
    QTest::keyClicks(&edit, c.frappe);
    EXPECT_EQ(edit.text().toStdString(), c.attendu);
}

INSTANTIATE_TEST_SUITE_P(Cas, FrappeMonetaire, testing::ValuesIn(kCasFrappe),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST(EditMonetaire, EffacementEtDeplacementsPassent) {
    TEditMonetaire edit;
    edit.setText("1234");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClicks(&edit, "9");
    EXPECT_EQ(edit.text(), "293");
}

TEST(EditMonetaire, RaccourcisDeCaracteresDeControleNeTapentRien) {
    TEditMonetaire edit;
    edit.setText("12");
    QTest::keyClick(&edit, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "12");
}

struct CasCollage {
    const char* nom;
    const char* initial;
    const char* presse_papiers;
    const char* attendu;
};

const CasCollage kCasCollage[] = {
    {"espaces_retires", "", "12 345", "12345"},     {"montant_avec_point", "", "1 234.50 €", "1234.50"},
    {"second_point_retire", "3.1", "4.5", "3.145"}, {"moins_seulement_au_debut", "", "-4-2", "-42"},
    {"rien_de_numerique", "7", "abc", "7"},
};

class CollageMonetaire : public testing::TestWithParam<CasCollage> {};

// A paste is filtered as if its characters had been typed.
TEST_P(CollageMonetaire, FiltreCommeUneFrappe) {
    const CasCollage& c = GetParam();
    TEditMonetaire edit;
    edit.setText(c.initial);
    edit.end(false);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(c.presse_papiers));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text().toStdString(), c.attendu);
}

INSTANTIATE_TEST_SUITE_P(Cas, CollageMonetaire, testing::ValuesIn(kCasCollage),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST(EditMonetaire, CollerDuMenuFiltreAussi) {
    TEditMonetaire edit;
    edit.show();
    edit.setText("1");
    edit.end(false);
    QGuiApplication::clipboard()->setText("2a3");
    bool colle = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (action->text().endsWith(
                    "\t" + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText))) {
                action->trigger();
                colle = true;
            }
        menu->close();
    });
    QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(2, 2), edit.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&edit, &clic);
    EXPECT_TRUE(colle);
    EXPECT_EQ(edit.text(), "123");
}

TEST(EditMonetaire, CopierDonneLeTexte) {
    TEditMonetaire edit;
    edit.setText("01234");
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "01234");
}

// What the forms read from a numeric field, and the box they show otherwise.
struct CasLecture {
    const char* texte;
    bool entier;
    const char* message; // nullptr: the value reads
};

TEST(EditMonetaire, LectureDesNombres) {
    const CasLecture cas[] = {
        {" 12.50 ", false, nullptr},
        {"-3", false, nullptr},
        {"-", false, "'-' n'est pas une valeur flottante correcte."},
        {"", false, "'' n'est pas une valeur flottante correcte."},
        {"42", true, nullptr},
        {"4.2", true, "'4.2' n'est pas une valeur entière correcte."},
        {"99999999999", true, "'99999999999' n'est pas une valeur entière correcte."},
    };
    for (const CasLecture& c : cas) {
        ScriptMessages messages;
        messages.Repondre(IDOK);
        TEditMonetaire edit;
        edit.setText(c.texte);
        const bool lu = c.entier ? LireEntier(edit).has_value() : LireReel(edit).has_value();
        EXPECT_EQ(lu, c.message == nullptr) << c.texte;
        if (c.message) {
            ASSERT_EQ(messages.Affiches().size(), 1u) << c.texte;
            EXPECT_EQ(messages.Affiches()[0].texte, c.message);
            EXPECT_EQ(messages.Affiches()[0].titre, "Tramonta");
            EXPECT_EQ(messages.Affiches()[0].drapeaux, MB_OK | MB_ICONERROR);
        }
    }
    TEditMonetaire edit;
    edit.setText("-1500.5");
    EXPECT_EQ(LireReel(edit), -1500.5);
}

} // namespace
} // namespace tramonta
