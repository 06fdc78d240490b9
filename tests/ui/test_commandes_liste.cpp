// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of a list: every way in leads to its one command, and
// "Supprimer" and "Editer" follow the selection.
#include "ui/communs/commandes_liste.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tramonta {
namespace {

class CommandesListe : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* texte : {"Alpha", "Bravo", "Charlie"})
            modele.appendRow(new QStandardItem(texte));
        liste = new QTreeView(&fenetre);
        liste->setModel(&modele);
        liste->setSelectionMode(QAbstractItemView::SingleSelection);
        liste->setSelectionBehavior(QAbstractItemView::SelectRows);
        TNomsCommandes noms = TNomsCommandes::Suffixe("Essai");
        noms.menu = "PopupMenuEssai";
        noms.bulleAjouter = "Ajout d'un essai";
        commandes = new TCommandesListe(*liste, &fenetre, noms);
        auto* l = new QVBoxLayout(&fenetre);
        l->addWidget(liste);
        for (QPushButton* b :
             {commandes->BoutonAjouter(), commandes->BoutonSupprimer(), commandes->BoutonEditer()})
            l->addWidget(b);
        Noter('A', &TCommandesListe::Ajouter);
        Noter('S', &TCommandesListe::Supprimer);
        Noter('E', &TCommandesListe::Editer);
        fenetre.resize(300, 300);
        fenetre.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    }

    // Each command received writes its letter.
    void Noter(char lettre, void (TCommandesListe::*signal)()) {
        QObject::connect(commandes, signal, [this, lettre] { recues += lettre; });
    }

    void Choisir(int ligne) {
        liste->setCurrentIndex(modele.index(ligne, 0));
        liste->selectionModel()->select(modele.index(ligne, 0),
                                        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    bool Actives() const {
        const bool b = commandes->BoutonSupprimer()->isEnabled();
        EXPECT_EQ(commandes->BoutonEditer()->isEnabled(), b);
        EXPECT_EQ(commandes->MenuSupprimer()->isEnabled(), b);
        EXPECT_EQ(commandes->MenuEditer()->isEnabled(), b);
        EXPECT_TRUE(commandes->BoutonAjouter()->isEnabled());
        EXPECT_TRUE(commandes->MenuAjouter()->isEnabled());
        return b;
    }

    QWidget fenetre;
    QStandardItemModel modele;
    QTreeView* liste = nullptr;
    TCommandesListe* commandes = nullptr;
    std::string recues;
};

TEST_F(CommandesListe, NomsTextesEtBulles) {
    EXPECT_EQ(fenetre.findChild<QPushButton*>("BoutonAjouterEssai")->text(), "A&jouter");
    EXPECT_EQ(fenetre.findChild<QPushButton*>("BoutonSupprimerEssai")->text(), "&Supprimer");
    EXPECT_EQ(fenetre.findChild<QPushButton*>("BoutonEditerEssai")->text(), "E&diter");
    EXPECT_EQ(fenetre.findChild<QPushButton*>("BoutonAjouterEssai")->toolTip(), "Ajout d'un essai");
    EXPECT_TRUE(fenetre.findChild<QPushButton*>("BoutonEditerEssai")->toolTip().isEmpty());
    auto* menu = fenetre.findChild<QMenu*>("PopupMenuEssai");
    ASSERT_NE(menu, nullptr);
    QStringList textes;
    for (QAction* a : menu->actions())
        textes << a->objectName() + "=" + a->text();
    EXPECT_EQ(textes, QStringList({"MenuAjouterEssai=&Ajouter", "MenuSupprimerEssai=&Supprimer",
                                   "MenuEditerEssai=&Editer"}));
}

TEST_F(CommandesListe, SupprimerEtEditerSuiventLaSelection) {
    EXPECT_FALSE(Actives());
    Choisir(1);
    EXPECT_TRUE(Actives());
    liste->clearSelection();
    EXPECT_FALSE(Actives());
    // Rows that go change the selection without telling it; the commands
    // follow what stays selected.
    Choisir(2);
    EXPECT_TRUE(Actives());
    modele.removeRow(2);
    EXPECT_EQ(Actives(), liste->selectionModel()->hasSelection());
    liste->clearSelection();
    EXPECT_FALSE(Actives());
    Choisir(0);
    modele.clear();
    EXPECT_FALSE(Actives());
}

struct CasVoie {
    const char* nom;
    bool choisie; // a row selected before
    std::function<void()> voie;
    std::string attendu;
};

TEST_F(CommandesListe, ChaqueVoieMeneASaCommande) {
    const auto point = [this](int ligne) { return liste->visualRect(modele.index(ligne, 0)).center(); };
    const CasVoie cas[] = {
        {"bouton_ajouter", false, [this] { QTest::mouseClick(commandes->BoutonAjouter(), Qt::LeftButton); },
         "A"},
        {"bouton_supprimer", true,
         [this] { QTest::mouseClick(commandes->BoutonSupprimer(), Qt::LeftButton); }, "S"},
        {"bouton_editer", true, [this] { QTest::mouseClick(commandes->BoutonEditer(), Qt::LeftButton); },
         "E"},
        {"menu_ajouter", false, [this] { commandes->MenuAjouter()->trigger(); }, "A"},
        {"menu_supprimer", true, [this] { commandes->MenuSupprimer()->trigger(); }, "S"},
        {"menu_editer", true, [this] { commandes->MenuEditer()->trigger(); }, "E"},
        {"entree", true, [this] { QTest::keyClick(liste, Qt::Key_Return); }, "E"},
        {"entree_pave", true, [this] { QTest::keyClick(liste, Qt::Key_Enter); }, "E"},
        {"suppr", true, [this] { QTest::keyClick(liste, Qt::Key_Delete); }, "S"},
        {"double_clic_ligne", false,
         [this, point] {
             // As the window system sends it: a click, then the second press
             // as a double click.
             QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, point(1));
             QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, point(1));
         },
         "E"},
        {"double_clic_hors_lignes", false,
         [this] {
             const QPoint vide(5, liste->viewport()->height() - 5);
             QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, vide);
             QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, vide);
         },
         ""},
        {"autre_touche", true, [this] { QTest::keyClick(liste, Qt::Key_Down); }, ""},
    };
    for (const CasVoie& c : cas) {
        SCOPED_TRACE(c.nom);
        recues.clear();
        liste->clearSelection();
        if (c.choisie)
            Choisir(0);
        liste->setFocus();
        c.voie();
        EXPECT_EQ(recues, c.attendu);
    }
}

TEST_F(CommandesListe, LeClicDroitOuvreLeMenu) {
    Choisir(0);
    emit liste->customContextMenuRequested(liste->visualRect(modele.index(0, 0)).center());
    EXPECT_TRUE(commandes->Menu()->isVisible());
    commandes->Menu()->close();
}

} // namespace
} // namespace tramonta
