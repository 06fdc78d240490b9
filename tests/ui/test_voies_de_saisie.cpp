// SPDX-License-Identifier: GPL-3.0-or-later
// Every way text comes into a field passes the check that typing passes:
// the keys, Ctrl+V, the context menu's paste, the selection pasted with the
// middle button and a drop, on the real fields of the forms. The middle
// button needs a platform with a selection (X11): ctest runs these cases
// again under Xvfb (SaisieSousX11); elsewhere that route is skipped.
#include "outils_shell.h"

#include "model/compets.h"
#include "ui/bdd/fiche_adherent.h"
#include "ui/compet/fiche_compet.h"
#include "ui/compet/fiche_compets.h"
#include "ui/compet/fiche_tableau_compet.h"
#include "ui/compta/fiche_compte.h"
#include "ui/compta/fiche_ecriture.h"
#include "ui/fenetre/main_fenetre.h"
#include "ui/principal/fiche_principale.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace tramonta {
namespace {

enum class Voie { Frappe, CtrlV, Menu, Milieu, Depot };

const char* NomVoie(Voie v) {
    switch (v) {
    case Voie::Frappe:
        return "frappe";
    case Voie::CtrlV:
        return "ctrl_v";
    case Voie::Menu:
        return "menu";
    case Voie::Milieu:
        return "milieu";
    case Voie::Depot:
        return "depot";
    }
    return "?";
}

// Where the caret stands, in the field's pixels: a click or a drop there
// leaves the caret where it was.
QPoint PointDuCurseur(QLineEdit& edit) {
    return edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
}

void CollerParLeMenu(QLineEdit& edit) {
    bool colle = false;
    const auto coller = [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        const QString coller = '\t' + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction* action : menu->actions())
            if (action->text().endsWith(coller) && action->isEnabled()) {
                action->trigger();
                colle = true;
            }
        menu->close();
    };
    // A menu of our own runs its loop; the standard one pops up and returns.
    QTimer::singleShot(0, coller);
    const QPoint p = PointDuCurseur(edit);
    QContextMenuEvent clic(QContextMenuEvent::Mouse, p, edit.mapToGlobal(p));
    QApplication::sendEvent(&edit, &clic);
    if (!colle)
        coller();
    // The standard menu pops up without waiting: it is there once the
    // event is handled.
    EXPECT_TRUE(QTest::qWaitFor([&] { return colle; }, 2000)) << "no paste entry in the context menu";
}

void CollerAuMilieu(QLineEdit& edit) {
    const QPoint p = PointDuCurseur(edit);
    const QPointF global = edit.mapToGlobal(QPointF(p));
    QMouseEvent appui(QEvent::MouseButtonPress, QPointF(p), global, Qt::MiddleButton, Qt::MiddleButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&edit, &appui);
    QMouseEvent relache(QEvent::MouseButtonRelease, QPointF(p), global, Qt::MiddleButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&edit, &relache);
}

void Deposer(QLineEdit& edit, const QString& texte) {
    QMimeData donnees;
    donnees.setText(texte);
    const QPointF p(PointDuCurseur(edit));
    // A drop comes after the drag has entered and moved over the field.
    QDragEnterEvent entree(p.toPoint(), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &entree);
    QDragMoveEvent survol(p.toPoint(), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &survol);
    QDropEvent depot(p, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &depot);
}

// Brings `texte` into the field by the route.
void Saisir(QLineEdit& edit, Voie voie, const QString& texte) {
    edit.setFocus();
    switch (voie) {
    case Voie::Frappe:
        QTest::keyClicks(&edit, texte);
        break;
    case Voie::CtrlV:
        QGuiApplication::clipboard()->setText(texte);
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        break;
    case Voie::Menu:
        QGuiApplication::clipboard()->setText(texte);
        CollerParLeMenu(edit);
        break;
    case Voie::Milieu:
        QGuiApplication::clipboard()->setText(texte, QClipboard::Selection);
        CollerAuMilieu(edit);
        break;
    case Voie::Depot:
        Deposer(edit, texte);
        break;
    }
}

// A field of a form, found by its name in the window that the main window
// made, and what the form stores from it.
struct Champ {
    const char* nom;
    std::function<QWidget*(TMain&)> fenetre;
};

struct CasSaisie {
    const char* champ; // objectName of the field
    const char* texte; // what comes in
    const char* garde; // what the field then holds (its text as displayed)
};

const Champ kChamps[] = {
    {"EditMontant", [](TMain& m) -> QWidget* { return &m.FicheEcriture(); }},
    {"EditMontantLicence", [](TMain& m) -> QWidget* { return &m.FicheAdherent(); }},
    {"EditCautionCombinaison", [](TMain& m) -> QWidget* { return &m.FicheAdherent(); }},
    {"EditNumero", [](TMain& m) -> QWidget* { return &m.FicheCompte(); }},
    {"EditCodeBanque", [](TMain& m) -> QWidget* { return m.Page(0); }},
    {"EditDateNaissance", [](TMain& m) -> QWidget* { return &m.FicheAdherent(); }},
    {"EditCodePostal", [](TMain& m) -> QWidget* { return &m.FicheAdherent(); }},
    {"EditTel1", [](TMain& m) -> QWidget* { return &m.FicheAdherent(); }},
    {"EditDateDebut",
     [](TMain& m) -> QWidget* { return &static_cast<TFicheCompets*>(m.Page(3))->FicheCompet(); }},
    {"EditPlace",
     [](TMain& m) -> QWidget* {
         return &static_cast<TFicheCompets*>(m.Page(3))->FicheCompet().FichePlaceParticipant();
     }},
    {"EditClassement", [](TMain& m) -> QWidget* { return &m.FicheAdherent(); }},
};

const CasSaisie kCasSaisie[] = {
    // The amounts: what typing would keep, and nothing else.
    {"EditMontant", "1e5", "15"},
    {"EditMontant", "-12.5.3", "-12.53"},
    {"EditMontant", "1 234,50 F", "123450"},
    {"EditMontantLicence", "abc", ""},
    {"EditMontantLicence", "45.50", "45.50"},
    {"EditCautionCombinaison", "1e5", "15"},
    // The account number ("N° article :").
    {"EditNumero", "abc", ""},
    {"EditNumero", "706", "706"},
    {"EditNumero", "70a6", "706"},
    {"EditCodeBanque", "12x345", "12345"},
    // The masked fields: the mask holds whatever the route.
    {"EditDateNaissance", "07/03/2010", "07/03/2010"},
    {"EditDateNaissance", "ab/cd/efgh", "__/__/____"},
    {"EditCodePostal", "64200", "64200"},
    {"EditCodePostal", "abcde", "_____"},
    {"EditTel1", "0559001122", "05-59-00-11-22"},
    {"EditTel1", "abc", "__-__-__-__-__"},
    {"EditDateDebut", "25/12/2026", "25/12/2026"},
    {"EditDateDebut", "x", "__/__/____"},
    // The fields with a validator: the place in the seeding order, the
    // ranking.
    {"EditPlace", "12", "12"},
    {"EditPlace", "abc", ""},
    {"EditPlace", "x", ""},
    {"EditClassement", "-42", "-42"},
    {"EditClassement", "x", ""},
};

using Parametre = std::tuple<CasSaisie, Voie>;

class VoiesDeSaisie : public test::TestFenetre, public testing::WithParamInterface<Parametre> {
  protected:
    void SetUp() override {
        TestFenetre::SetUp();
        if (std::get<Voie>(GetParam()) == Voie::Milieu &&
            !QGuiApplication::clipboard()->supportsSelection()) {
            if (std::getenv("TRAMONTA_EXIGER_X11"))
                FAIL() << "no selection on the platform " << QGuiApplication::platformName().toStdString();
            GTEST_SKIP() << "no selection on the platform " << QGuiApplication::platformName().toStdString();
        }
    }
    void TearDown() override {
        QGuiApplication::clipboard()->clear();
        if (QGuiApplication::clipboard()->supportsSelection())
            QGuiApplication::clipboard()->clear(QClipboard::Selection);
    }
};

TEST_P(VoiesDeSaisie, PasseLeControleDeLaFrappe) {
    const auto& [cas, voie] = GetParam();
    TMain main;
    const Champ* champ = nullptr;
    for (const Champ& c : kChamps)
        if (std::string(c.nom) == cas.champ)
            champ = &c;
    ASSERT_NE(champ, nullptr) << cas.champ;
    QWidget* fenetre = champ->fenetre(main);
    ASSERT_NE(fenetre, nullptr);
    auto* edit = fenetre->findChild<QLineEdit*>(cas.champ);
    ASSERT_NE(edit, nullptr) << cas.champ;
    QWidget* cadre = fenetre->window();
    cadre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(cadre));
    // The field's page (of the main window, of a tab control) in view.
    for (QWidget* p = edit; p && !p->isWindow(); p = p->parentWidget())
        if (auto* pile = qobject_cast<QStackedWidget*>(p->parentWidget())) {
            if (auto* onglets = qobject_cast<QTabWidget*>(pile->parentWidget()))
                onglets->setCurrentWidget(p);
            else
                pile->setCurrentWidget(p);
        }
    ASSERT_TRUE(edit->isVisible()) << cas.champ;
    edit->clear();
    edit->setCursorPosition(0);
    Saisir(*edit, voie, QString::fromUtf8(cas.texte));
    EXPECT_EQ(edit->displayText().toStdString(), cas.garde);
    cadre->hide();
}

INSTANTIATE_TEST_SUITE_P(Champs, VoiesDeSaisie,
                         testing::Combine(testing::ValuesIn(kCasSaisie),
                                          testing::Values(Voie::Frappe, Voie::CtrlV, Voie::Menu, Voie::Milieu,
                                                          Voie::Depot)),
                         [](const testing::TestParamInfo<Parametre>& i) {
                             std::string nom = std::string(std::get<0>(i.param).champ) + "_" +
                                               std::to_string(i.index / 5) + "_" +
                                               NomVoie(std::get<1>(i.param));
                             return nom;
                         });

// The place editor of a heat table: one digit from 1 to the number of
// surfers of the heat, whatever the route; what it refuses is never stored.
struct CasPlace {
    const char* texte;
    int place; // stored on the line; -1: none
};

class PlacesParToutesLesVoies : public test::TestFenetre,
                                public testing::WithParamInterface<std::tuple<CasPlace, Voie>> {
  protected:
    void SetUp() override {
        TestFenetre::SetUp();
        if (std::get<Voie>(GetParam()) == Voie::Milieu &&
            !QGuiApplication::clipboard()->supportsSelection()) {
            if (std::getenv("TRAMONTA_EXIGER_X11"))
                FAIL() << "no selection on the platform " << QGuiApplication::platformName().toStdString();
            GTEST_SKIP() << "no selection on the platform " << QGuiApplication::platformName().toStdString();
        }
    }
};

TEST_P(PlacesParToutesLesVoies, SeuleUnePlaceDeLaSerieEstGardee) {
    const auto& [cas, voie] = GetParam();
    // Six surfers: the first heat holds three.
    TCompet compet;
    compet.SetIntitule("Coupe");
    TCategorieCompet& c = *compet.Categorie(0);
    for (int i = 1; i <= 6; ++i) {
        auto p = std::make_unique<TParticipantCompet>(&c);
        p->SetNom("Nom" + std::to_string(i));
        c.Add(std::move(p));
    }
    c.SetTypeTableau(1);
    TTableauCompet* t = c.Tableau();
    t->PlacerParticipants();
    t->Propager();
    TFicheTableauCompet fiche;
    fiche.SetTableau(t);
    fiche.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fiche));
    QTest::keyClick(fiche.PaintBox(), Qt::Key_F2);
    TEditCompet* editeur = fiche.Editeur();
    ASSERT_NE(editeur, nullptr);
    ASSERT_EQ(editeur->PlaceMax, 3);
    ASSERT_EQ(editeur->text(), "");
    Saisir(*editeur, voie, QString::fromUtf8(cas.texte));
    // Enter stores the place and stays on it.
    QTest::keyClick(editeur, Qt::Key_Return);
    EXPECT_EQ(t->Serie(1)->Ligne(0)->Place(), cas.place) << cas.texte;
    fiche.hide();
}

INSTANTIATE_TEST_SUITE_P(
    Places, PlacesParToutesLesVoies,
    testing::Combine(testing::Values(CasPlace{"2", 2}, CasPlace{"3", 3}, CasPlace{"9", -1}, CasPlace{"0", -1},
                                     CasPlace{"4", -1}, CasPlace{"a", -1}),
                     testing::Values(Voie::Frappe, Voie::CtrlV, Voie::Menu, Voie::Milieu, Voie::Depot)),
    [](const testing::TestParamInfo<std::tuple<CasPlace, Voie>>& i) {
        return "cas" + std::to_string(i.index / 5) + "_" + NomVoie(std::get<1>(i.param));
    });

} // namespace
} // namespace tramonta
