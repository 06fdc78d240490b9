// SPDX-License-Identifier: GPL-3.0-or-later
// The item models over the collections and the sort of the lists.
#include "core/dates.h"
#include "model/exercice.h"
#include "ui/modeles/modeles.h"
#include "ui/modeles/tri_liste.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tramonta {
namespace {

TAdherent* Ajouter(TAdherents& a, const char* nom, const char* prenom = "") {
    auto m = std::make_unique<TAdherent>(&a);
    m->SetNom(nom);
    m->SetPrenom(prenom);
    TAdherent* p = m.get();
    a.Add(std::move(m));
    return p;
}

std::vector<std::string> Colonne(const QAbstractItemModel& m, int colonne) {
    std::vector<std::string> v;
    for (int i = 0; i < m.rowCount(); ++i)
        v.push_back(m.index(i, colonne).data().toString().toStdString());
    return v;
}

using Noms = std::vector<std::string>;

TEST(ModeleListe, UneModificationRafraichitUneLigne) {
    TAdherents a;
    Ajouter(a, "Arrieta");
    TAdherent* b = Ajouter(a, "Bidart");
    TModeleAdherents m(a);
    QSignalSpy change(&m, &QAbstractItemModel::dataChanged);
    QSignalSpy insere(&m, &QAbstractItemModel::rowsInserted);
    QSignalSpy retire(&m, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reinit(&m, &QAbstractItemModel::modelReset);

    b->SetLicenceDirigeant(true);
    ASSERT_EQ(change.count(), 1);
    EXPECT_EQ(change[0][0].toModelIndex().row(), 1);
    EXPECT_EQ(change[0][1].toModelIndex().row(), 1);
    EXPECT_EQ(m.index(1, 2).data().toString(), "Dirigeant");

    Ajouter(a, "Castets");
    ASSERT_EQ(insere.count(), 1);
    EXPECT_EQ(insere[0][1].toInt(), 2);
    EXPECT_EQ(m.rowCount(), 3);

    a.Delete(0);
    ASSERT_EQ(retire.count(), 1);
    EXPECT_EQ(retire[0][1].toInt(), 0);
    EXPECT_EQ(Colonne(m, 0), (Noms{"Bidart", "Castets"}));
    EXPECT_EQ(m.Element(0), b);

    a.Clear();
    EXPECT_EQ(reinit.count(), 1);
    EXPECT_EQ(m.rowCount(), 0);
    EXPECT_EQ(change.count(), 1) << "no row was refreshed for the additions and removals";
}

TEST(ModeleListe, LesColonnesViennentDesChamps) {
    TExercice e;
    auto c = std::make_unique<TCompet>(&e.Compets());
    c->SetIntitule("Coupe d'été");
    c->SetDateDebut(EncodeDate(2026, 7, 14) + 0.5);
    c->SetDateFin(0);
    e.Compets().Add(std::move(c));
    TModeleCompets compets(e.Compets());
    EXPECT_EQ(Colonne(compets, 1), (Noms{"14/07/2026"}));
    EXPECT_EQ(Colonne(compets, 2), (Noms{"?"}));

    TComptabilite& compta = e.Comptabilite();
    auto compte = std::make_unique<TCompte>(&compta);
    compte->SetArticle("706");
    TCompte* p = compte.get();
    compta.AjouterCompteProduit(std::move(compte));
    TModeleComptes produits(compta, TComptabilite::Liste::Produits);
    TModeleLignes lignes;
    lignes.SetCompte(p);
    EXPECT_EQ(produits.headerData(2, Qt::Horizontal, Qt::DisplayRole), "Produits");
    auto l = std::make_unique<TLigneEcriture>(p);
    l->SetMontant(-12.5);
    l->SetNumeroCheque("123");
    l->SetTypePaiement(1);
    p->AjouterLigne(std::move(l));
    // The total follows the lines; a cheque number shows only for a cheque.
    EXPECT_EQ(Colonne(produits, 2), (Noms{"-12.50"}));
    EXPECT_EQ(Colonne(lignes, 2), (Noms{""}));
    p->GetLigne(0)->SetTypePaiement(0);
    EXPECT_EQ(Colonne(lignes, 2), (Noms{"123"}));
    EXPECT_EQ(lignes.index(0, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
              Qt::AlignRight);
}

// The system locale's collation, case-sensitive: accents do not push a name
// to the end, and a small letter comes before its capital.
TEST(TriListe, OrdreDeLaLangue) {
    TAdherents a;
    for (const char* nom : {"Zubiri", "écuyer", "Eche", "etchart", "Élissalde", "eche", "Abadie"})
        Ajouter(a, nom);
    TModeleAdherents m(a);
    TTriListe tri(&m);
    EXPECT_EQ(Colonne(tri, 0), (Noms{"Abadie", "eche", "Eche", "écuyer", "Élissalde", "etchart", "Zubiri"}));
}

TEST(TriListe, LesClicsEtLOrdreAffiche) {
    TAdherents a;
    for (const char* nom : {"Bidart", "Arrieta", "Castets"})
        Ajouter(a, nom, "x");
    TModeleAdherents m(a);
    TTriListe tri(&m);
    EXPECT_EQ(Colonne(tri, 0), (Noms{"Arrieta", "Bidart", "Castets"}));
    tri.CliquerColonne(0); // the column in use: nothing moves
    EXPECT_EQ(Colonne(tri, 0), (Noms{"Arrieta", "Bidart", "Castets"}));
    tri.CliquerColonne(0);
    EXPECT_EQ(Colonne(tri, 0), (Noms{"Castets", "Bidart", "Arrieta"}));
    // An addition and a change keep the direction on screen.
    Ajouter(a, "Dufau", "x");
    a.Adherent(1)->SetNom("Aaron");
    EXPECT_EQ(Colonne(tri, 0), (Noms{"Dufau", "Castets", "Bidart", "Aaron"}));
    tri.CliquerColonne(0);
    EXPECT_EQ(Colonne(tri, 0), (Noms{"Aaron", "Bidart", "Castets", "Dufau"}));
}

// The search keys are kept per row: an addition, a deletion and a whole
// collection replaced (a season opened during a search) must not leave a
// row searched on another record's key.
TEST(TriListe, LesClesDeRechercheSuiventLesLignes) {
    TAdherents a;
    for (const char* nom : {"Bidart", "Arrieta", "Castets"})
        Ajouter(a, nom);
    TModeleAdherents m(a);
    TTriListe tri(&m);
    tri.SetRecherche("a");
    EXPECT_EQ(Colonne(tri, 0), (Noms{"Arrieta", "Bidart", "Castets"}));
    tri.SetRecherche("bid");
    EXPECT_EQ(Colonne(tri, 0), (Noms{"Bidart"}));
    EXPECT_TRUE(tri.RechercheActive());
    a.Delete(0);
    Ajouter(a, "Bidegain");
    EXPECT_EQ(Colonne(tri, 0), (Noms{"Bidegain"}));
    tri.SetRecherche("cast");
    EXPECT_EQ(Colonne(tri, 0), (Noms{"Castets"}));
    a.Clear();
    for (const char* nom : {"Castaing", "Dufau", "Castelnau"})
        Ajouter(a, nom);
    a.Changements().Remplacement();
    EXPECT_EQ(Colonne(tri, 0), (Noms{"Castaing", "Castelnau"}));
    tri.SetRecherche(" \t ");
    EXPECT_FALSE(tri.RechercheActive());
    EXPECT_EQ(Colonne(tri, 0).size(), 3u);
}

TEST(TriListe, ChaqueColonneGardeSonSens) {
    TEtatTri t(3);
    EXPECT_EQ(t.Cliquer(1), Qt::AscendingOrder);
    EXPECT_EQ(t.Cliquer(1), Qt::DescendingOrder);
    EXPECT_EQ(t.Cliquer(2), Qt::AscendingOrder);
    EXPECT_EQ(t.Cliquer(1), Qt::AscendingOrder);
    EXPECT_EQ(t.Colonne(), 1);
}

TEST(TriListe, DatesCommeNombres) {
    TCompets compets;
    for (double d : {EncodeDate(2026, 1, 10), 0.0, EncodeDate(2025, 12, 31)}) {
        auto c = std::make_unique<TCompet>(&compets);
        c->SetDateDebut(d);
        compets.Add(std::move(c));
    }
    TModeleCompets m(compets);
    TTriListe tri(&m);
    tri.CliquerColonne(1);
    // A date of 0 shows "?" and comes first.
    EXPECT_EQ(Colonne(tri, 1), (Noms{"?", "31/12/2025", "10/01/2026"}));
}

} // namespace
} // namespace tramonta
