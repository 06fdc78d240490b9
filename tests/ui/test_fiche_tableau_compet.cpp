// SPDX-License-Identifier: GPL-3.0-or-later
// The heat-table window on its real widgets: places typed into the heats
// with the keyboard and the mouse, carried forward at once, and the windows
// it opens.
#include "ui/compet/fiche_tableau_compet.h"

#include "model/compets.h"
#include "model/modeles_tableau.h"
#include "outils_shell.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tramonta {
namespace {

class FicheTableau : public testing::Test {
  protected:
    void Preparer(std::uint8_t type, int surfeurs) {
        compet.SetIntitule("Coupe");
        TCategorieCompet& c = *compet.Categorie(0);
        for (int i = 1; i <= surfeurs; ++i) {
            auto p = std::make_unique<TParticipantCompet>(&c);
            p->SetNom("Nom" + std::to_string(i));
            p->SetPrenom("P" + std::to_string(i));
            c.Add(std::move(p));
        }
        c.SetTypeTableau(type);
        t = c.Tableau();
        t->PlacerParticipants();
        t->Propager();
        fiche = std::make_unique<TFicheTableauCompet>();
        fiche->SetTableau(t);
        fiche->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fiche.get()));
    }
    void TearDown() override {
        if (fiche)
            fiche->hide();
        fiche.reset();
    }

    void Touche(Qt::Key touche, Qt::KeyboardModifiers m = {}) {
        QWidget* cible = fiche->Editeur() && fiche->Editeur()->isVisible()
                             ? static_cast<QWidget*>(fiche->Editeur())
                             : fiche->PaintBox();
        QTest::keyClick(cible, touche, m);
    }
    void Caractere(char c) { QTest::keyClick(fiche->Editeur(), c); }
    std::pair<int, int> Position() const { return {fiche->Editeur()->Serie, fiche->Editeur()->Ligne}; }
    int Place(int serie, int ligne) const { return t->Serie(serie)->Ligne(ligne - 1)->Place(); }
    int Participant(int serie, int ligne) const { return t->Serie(serie)->Ligne(ligne - 1)->Participant(); }

    TCompet compet;
    TTableauCompet* t = nullptr;
    std::unique_ptr<TFicheTableauCompet> fiche;
};

// One step of a keyboard session: the key, then where the editor stands,
// its text, and what heat 1 line 1 and the final's first line hold.
struct Frappe {
    const char* nom;
    Qt::Key touche;
    Qt::KeyboardModifiers modificateurs;
    char caractere; // sent instead of the key when not 0
    std::pair<int, int> position;
    const char* texte;
};

TEST_F(FicheTableau, SaisieAuClavier) {
    // Six surfers: heats 1 and 2 hold three each (seeds 2, 3, 6 and 1, 4, 5).
    Preparer(1, 6);
    ASSERT_EQ(t->Serie(1)->NbOccupees(), 3);
    const Frappe frappes[] = {
        {"F2 sur la première place", Qt::Key_F2, {}, 0, {1, 1}, ""},
        {"4 refusé dans une série de trois", Qt::Key_unknown, {}, '4', {1, 1}, ""},
        {"0 refusé", Qt::Key_unknown, {}, '0', {1, 1}, ""},
        {"lettre refusée", Qt::Key_unknown, {}, 'a', {1, 1}, ""},
        {"2 accepté", Qt::Key_unknown, {}, '2', {1, 1}, "2"},
        {"un seul chiffre", Qt::Key_unknown, {}, '1', {1, 1}, "2"},
        {"Tab", Qt::Key_Tab, {}, 0, {1, 2}, ""},
        {"1 sur la deuxième", Qt::Key_unknown, {}, '1', {1, 2}, "1"},
        {"Tab jusqu'à la troisième", Qt::Key_Tab, {}, 0, {1, 3}, ""},
        {"les places vides de la série sont sautées", Qt::Key_Tab, {}, 0, {2, 1}, ""},
        {"Shift+Tab revient", Qt::Key_Backtab, Qt::ShiftModifier, 0, {1, 3}, ""},
        {"Shift+Tab encore", Qt::Key_Backtab, Qt::ShiftModifier, 0, {1, 2}, "1"},
    };
    for (const Frappe& f : frappes) {
        if (f.caractere)
            Caractere(f.caractere);
        else
            Touche(f.touche, f.modificateurs);
        ASSERT_NE(fiche->Editeur(), nullptr) << f.nom;
        EXPECT_TRUE(fiche->Editeur()->isVisible()) << f.nom;
        EXPECT_EQ(Position(), f.position) << f.nom;
        EXPECT_EQ(fiche->Editeur()->text().toStdString(), f.texte) << f.nom;
    }
    EXPECT_EQ(Place(1, 1), 2);
    EXPECT_EQ(Place(1, 2), 1);
    // The first of heat 1 (seed 3, line 2) heads the final, the second
    // (seed 2) is third there.
    EXPECT_EQ(Participant(3, 1), 3);
    EXPECT_EQ(Participant(3, 3), 2);
    EXPECT_EQ(fiche->Editeur()->PlaceMax, 3);

    // Esc ends the editing and keeps the place typed.
    Touche(Qt::Key_Backspace);
    Caractere('3');
    Touche(Qt::Key_Escape);
    EXPECT_FALSE(fiche->Editeur()->isVisible());
    EXPECT_TRUE(fiche->isVisible()) << "Esc while editing does not close the window";
    EXPECT_EQ(Place(1, 2), 3);
    EXPECT_EQ(Participant(3, 1), -1) << "no one is first of heat 1 any more";
}

TEST_F(FicheTableau, TabDeLaDerniereSerieRevientALaPremiere) {
    Preparer(1, 6);
    for (int s = 1; s <= 2; ++s)
        for (int l = 1; l <= 3; ++l)
            t->Serie(s)->Ligne(l - 1)->SetPlace(l);
    t->Propager();
    ASSERT_EQ(t->Serie(3)->NbOccupees(), 4);
    fiche->EditerA(fiche->CadrePlacePixels(3, 4).center());
    ASSERT_NE(fiche->Editeur(), nullptr);
    EXPECT_EQ(Position(), (std::pair{3, 4}));
    EXPECT_EQ(fiche->Editeur()->PlaceMax, 4);
    Touche(Qt::Key_Tab);
    EXPECT_EQ(Position(), (std::pair{1, 1}));
    EXPECT_EQ(fiche->Editeur()->text(), "1");
    Touche(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Position(), (std::pair{3, 4}));
}

TEST_F(FicheTableau, EffacerUnePlaceVideCeQuElleNourrissait) {
    Preparer(1, 6);
    Touche(Qt::Key_F2);
    Caractere('1');
    Touche(Qt::Key_Tab);
    EXPECT_EQ(Participant(3, 1), 2);
    Touche(Qt::Key_Backtab, Qt::ShiftModifier);
    Touche(Qt::Key_Backspace);
    EXPECT_EQ(fiche->Editeur()->text(), "");
    // A click on the paper ends the editing and validates.
    QTest::mouseClick(fiche->PaintBox(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(fiche->Editeur()->isVisible());
    EXPECT_EQ(Place(1, 1), -1);
    EXPECT_EQ(Participant(3, 1), -1);
}

TEST_F(FicheTableau, DoubleClicSurUnePlaceAussiApresDefilement) {
    Preparer(6, 64);
    fiche->resize(400, 300);
    QTest::qWait(0);
    QScrollBar* v = fiche->ScrollBox()->verticalScrollBar();
    QScrollBar* h = fiche->ScrollBox()->horizontalScrollBar();
    ASSERT_GT(v->maximum(), 0);
    ASSERT_GT(h->maximum(), 0);
    // The final's first place, far right: an empty slot, nothing to edit.
    h->setValue(h->maximum());
    const QPoint finale = fiche->CadrePlacePixels(31, 1).center();
    QTest::mouseClick(fiche->PaintBox(), Qt::LeftButton, {}, finale);
    QTest::mouseDClick(fiche->PaintBox(), Qt::LeftButton, {}, finale);
    EXPECT_TRUE(!fiche->Editeur() || !fiche->Editeur()->isVisible());

    // Heat 16 at the bottom left, scrolled into view.
    h->setValue(0);
    v->setValue(v->maximum());

    const QPoint seize = fiche->CadrePlacePixels(16, 2).center();
    QTest::mouseClick(fiche->PaintBox(), Qt::LeftButton, {}, seize);
    QTest::mouseDClick(fiche->PaintBox(), Qt::LeftButton, {}, seize);
    EXPECT_TRUE(fiche->Editeur()->isVisible());
    EXPECT_EQ(Position(), (std::pair{16, 2}));
    EXPECT_TRUE(fiche->CadrePlacePixels(16, 2).contains(fiche->Editeur()->geometry().center()));
    EXPECT_GT(v->value(), 0);
    EXPECT_TRUE(fiche->Editeur()->hasFocus());
}

TEST_F(FicheTableau, F2SansParticipantsNeFaitRien) {
    Preparer(1, 0);
    Touche(Qt::Key_F2);
    EXPECT_EQ(fiche->Editeur(), nullptr);
}

TEST_F(FicheTableau, FermerDetruitLEditeurApresAvoirValide) {
    Preparer(1, 6);
    Touche(Qt::Key_F2);
    Caractere('3');
    fiche->hide();
    EXPECT_EQ(fiche->Editeur(), nullptr);
    EXPECT_EQ(Place(1, 1), 3);
}

TEST_F(FicheTableau, ChoixDImpressionEtAide) {
    Preparer(6, 41);
    test::ScriptDialogues d;
    d.Puis([](QDialog& choix) {
        EXPECT_EQ(choix.windowTitle(), "Impression tableau compet");
        auto* combo = choix.findChild<QComboBox*>("ComboBox");
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->count(), 34);
        EXPECT_EQ(combo->itemText(2), "Tableau entier - page n°2");
        EXPECT_EQ(combo->itemText(33), "Série finale");
        combo->setCurrentIndex(2);
        test::Cliquer(choix, "BoutonAnnuler");
    });
    EXPECT_FALSE(fiche->FicheChoixImpression().Executer(*t));
    EXPECT_EQ(fiche->FicheChoixImpression().Selection(), -2);

    d.Puis([](QDialog& aide) {
        EXPECT_EQ(aide.windowTitle(), "Aide pour remplir le tableau de compétition");
        std::vector<std::string> lignes;
        for (QLabel* l : aide.findChildren<QLabel*>())
            lignes.push_back(l->text().toStdString());
        EXPECT_EQ(lignes.size(), 7u);
        EXPECT_EQ(lignes.front(), "Touches pour remplir les places dans le tableau de compétition :");
        EXPECT_EQ(lignes.back(), "- Clic pour arrêter l'édition");
        test::Cliquer(aide, "BoutonFermer");
    });
    test::Cliquer(*fiche, "BoutonAide");
}

TEST_F(FicheTableau, CopieALaTailleDuTableau) {
    Preparer(1, 4);
    const QImage image = fiche->Image();
    EXPECT_EQ(image.size(), fiche->PaintBox()->size());
    EXPECT_FALSE(image.isNull());
    // Not all white: the table is drawn on it.
    int encre = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            encre += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(encre, 1000);
}

} // namespace
} // namespace tramonta
