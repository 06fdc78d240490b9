// SPDX-License-Identifier: GPL-3.0-or-later
// What the collections tell the lists that show them.
#include "model/exercice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tramonta {
namespace {

// Every change told, as "genre:index[>vers]".
class Journal {
  public:
    explicit Journal(const TNotificateur& n)
        : abonnement_(n.Abonner([this](const TChangement& c) { vus.push_back(Texte(c)); })) {}
    std::vector<std::string> vus;
    std::vector<std::string> Prendre() { return std::exchange(vus, {}); }

  private:
    static std::string Texte(const TChangement& c) {
        static const char* genres[] = {"ajout", "suppression", "deplacement", "modification", "remplacement"};
        std::string t = genres[c.genre];
        if (c.genre != TChangement::Remplacement)
            t += ":" + std::to_string(c.index);
        if (c.genre == TChangement::Deplacement)
            t += ">" + std::to_string(c.vers);
        return t;
    }
    TAbonnement abonnement_;
};

using Vus = std::vector<std::string>;

TEST(Notifications, AdherentsAjoutModificationSuppression) {
    TExercice e;
    TAdherents& a = e.Adherents();
    Journal j(a.Changements());
    for (const char* nom : {"Arrieta", "Bidart", "Castets"}) {
        auto m = std::make_unique<TAdherent>(&a);
        // A member made for the collection but not added yet tells nothing.
        m->SetNom(nom);
        a.Add(std::move(m));
    }
    EXPECT_EQ(j.Prendre(), (Vus{"ajout:0", "ajout:1", "ajout:2"}));

    a.Adherent(2)->SetPrenom("Léa");
    a.Adherent(2)->SetPrenom("Léa"); // the same value is no change
    EXPECT_EQ(j.Prendre(), (Vus{"modification:2"}));

    a.Delete(0);
    // The member that moved up is still found at its new place.
    a.Adherent(1)->SetVille("Anglet");
    EXPECT_EQ(j.Prendre(), (Vus{"suppression:0", "modification:1"}));

    e.Clear();
    EXPECT_EQ(j.Prendre(), (Vus{"remplacement"}));
}

TEST(Notifications, UnAbonnementResilieNEntendPlusRien) {
    TCorrespondants c;
    auto j = std::make_unique<Journal>(c.Changements());
    c.Add(std::make_unique<TCorrespondant>(&c));
    EXPECT_EQ(j->Prendre(), (Vus{"ajout:0"}));
    j.reset();
    c.Add(std::make_unique<TCorrespondant>(&c)); // must not reach the destroyed observer
    EXPECT_EQ(c.Count(), 2);
}

TEST(Notifications, UnObservateurSurvitASaCollection) {
    auto c = std::make_unique<TCompets>();
    Journal j(c->Changements());
    c.reset();
    EXPECT_TRUE(j.vus.empty());
}

TEST(Notifications, ComptesEtLignes) {
    TComptabilite compta;
    Journal charges(compta.Changements(TComptabilite::Liste::Charges));
    Journal produits(compta.Changements(TComptabilite::Liste::Produits));
    compta.AjouterCompteCharge(std::make_unique<TCompte>(&compta));
    compta.AjouterCompteProduit(std::make_unique<TCompte>(&compta));
    compta.AjouterCompteProduit(std::make_unique<TCompte>(&compta));
    EXPECT_EQ(charges.Prendre(), (Vus{"ajout:0"}));
    EXPECT_EQ(produits.Prendre(), (Vus{"ajout:0", "ajout:1"}));

    TCompte* compte = compta.GetCompteProduit(1);
    Journal lignes(compte->Changements());
    auto l = std::make_unique<TLigneEcriture>(compte);
    l->SetMontant(25);
    compte->AjouterLigne(std::move(l));
    compte->GetLigne(0)->SetMontant(30);
    compte->SetIntitule("Cotisations");
    // The account's row shows its total: a line added or changed changes it.
    EXPECT_EQ(lignes.Prendre(), (Vus{"ajout:0", "modification:0"}));
    EXPECT_EQ(produits.Prendre(), (Vus{"modification:1", "modification:1", "modification:1"}));
    EXPECT_TRUE(charges.vus.empty());

    compte->SupprimerLigne(0);
    compte->ViderLignes();
    EXPECT_EQ(lignes.Prendre(), (Vus{"suppression:0", "remplacement"}));
    compta.SupprimerCompteProduit(0);
    EXPECT_EQ(produits.Prendre(), (Vus{"modification:1", "modification:1", "suppression:0"}));

    // A working copy of an account tells its own lines, never the ledger.
    TCompte copie(&compta);
    Journal lignesCopie(copie.Changements());
    copie.AjouterLigne(std::make_unique<TLigneEcriture>(&copie));
    EXPECT_EQ(lignesCopie.Prendre(), (Vus{"ajout:0"}));
    EXPECT_TRUE(produits.vus.empty());

    compta.Clear();
    EXPECT_EQ(charges.Prendre(), (Vus{"remplacement"}));
    EXPECT_EQ(produits.Prendre(), (Vus{"remplacement"}));
}

TEST(Notifications, ParticipantsDeplaces) {
    TCompet compet;
    TCategorieCompet& cat = *compet.Categorie(0);
    Journal j(cat.Changements());
    for (const char* nom : {"A", "B", "C"}) {
        auto p = std::make_unique<TParticipantCompet>(&cat);
        p->SetNom(nom);
        cat.Add(std::move(p));
    }
    cat.Move(0, 2);
    cat.Move(1, 1); // no move, nothing told
    // After the move, the participant's row is found where it went.
    cat.Participant(2)->SetClub("Biarritz");
    EXPECT_EQ(j.Prendre(), (Vus{"ajout:0", "ajout:1", "ajout:2", "deplacement:0>2", "modification:2"}));
    TCategorieCompet autre(&compet);
    cat.Assign(autre, &compet);
    EXPECT_EQ(j.Prendre(), (Vus{"remplacement"}));
}

TEST(Notifications, AgendaEtChargement) {
    TExercice e;
    Journal j(e.Agenda().Changements());
    Journal m(e.Adherents().Changements());
    e.Agenda().AjouterLigne("Création");
    // The line reaches the list filled, in one addition.
    EXPECT_EQ(j.Prendre(), (Vus{"ajout:0"}));
    e.Agenda().Ligne(0)->SetUtilisateur("paul");
    EXPECT_EQ(j.Prendre(), (Vus{"modification:0"}));

    auto a = std::make_unique<TAdherent>(&e.Adherents());
    a->SetNom("Etchart");
    e.Adherents().Add(std::move(a));
    TMemoryStream flux;
    {
        TWriter w(flux);
        e.Save(w);
    }
    flux.Seek(0, Origine::Debut);
    e.Clear();
    m.Prendre();
    j.Prendre();
    TReader r(flux);
    e.Load(r);
    // A load replaces everything, and says so once it is done.
    EXPECT_FALSE(m.vus.empty());
    EXPECT_EQ(m.vus.back(), "remplacement");
    EXPECT_EQ(j.vus.back(), "remplacement");
    EXPECT_EQ(e.Adherents().Count(), 1);
}

} // namespace
} // namespace tramonta
