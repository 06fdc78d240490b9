// SPDX-License-Identifier: GPL-3.0-or-later
#include "outils_modele.h"
#include "print/canevas_enregistreur.h"
#include "print/etats_compta.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tramonta;
using namespace tramonta::test;

namespace {

TCompte* Compte(TComptabilite& c, bool charge, const std::string& article, const std::string& intitule = "") {
    auto compte = std::make_unique<TCompte>(&c);
    compte->SetArticle(article);
    compte->SetIntitule(intitule);
    TCompte* p = compte.get();
    if (charge)
        c.AjouterCompteCharge(std::move(compte));
    else
        c.AjouterCompteProduit(std::move(compte));
    return p;
}

TLigneEcriture* Ligne(TCompte* compte, const std::string& libelle, TDateTime date, double montant,
                      const std::string& cheque = "") {
    auto l = std::make_unique<TLigneEcriture>(compte);
    l->SetLibelle(libelle);
    l->SetDate(date);
    l->SetMontant(montant);
    l->SetNumeroCheque(cheque);
    TLigneEcriture* p = l.get();
    compte->AjouterLigne(std::move(l));
    return p;
}

// The lines drawn along the whole width at one y.
std::vector<const TPrimitive*> TraitsA(const TCanevasEnregistreur& c, int y) {
    std::vector<const TPrimitive*> traits;
    for (const auto& p : c.Primitives())
        if (p.genre == TPrimitive::Genre::Ligne && p.rect.Top == y && p.rect.Bottom == y)
            traits.push_back(&p);
    return traits;
}

class EtatsCompta : public testing::Test {
  protected:
    HorlogeFixe horloge{EncodeDate(2026, 3, 14) + 0.5};
    TComptabilite compta;
    TContexteCompta contexte{true, "2025-2026", ""};
};

TEST_F(EtatsCompta, LaPremierePageDuBilanTientTrenteHuitComptes) {
    for (int i = 0; i < 39; ++i)
        Ligne(Compte(compta, true, std::to_string(600 + i), "Compte " + std::to_string(i)), "l", 1, 1);
    for (bool impression : {false, true}) {
        SCOPED_TRACE(impression);
        TCanevasEnregistreur c;
        EXPECT_EQ(DessinerBilan(compta, c, impression, contexte), 2);
        const TPrimitive* titre = c.ChercherTexte("Compte d'exploitation de l'exercice 2025-2026");
        ASSERT_TRUE(titre);
        EXPECT_TRUE(c.ChercherTexte("Edition du 14/03/2026"));
        const auto cadre =
            std::find_if(c.Primitives().begin(), c.Primitives().end(),
                         [](const TPrimitive& p) { return p.genre == TPrimitive::Genre::Cadre; });
        ASSERT_NE(cadre, c.Primitives().end());
        EXPECT_EQ(cadre->rect, (TRect{150, -150, 1950, -350}));
        EXPECT_EQ(cadre->etat.EpaisseurPlume, 5);
        EXPECT_EQ(cadre->etat.Police.Hauteur, 60);
        EXPECT_EQ(c.ChercherTexte("ARTICLES")->decoupe->Top, -450);
        EXPECT_TRUE(c.ChercherTexte("ARTICLES")->etat.Police.Gras);
        // The 38th row ends at 2790 on the first page.
        const TPrimitive* r38 = c.ChercherTexte("637");
        ASSERT_TRUE(r38);
        EXPECT_EQ(r38->decoupe->Bottom, -2790);
        EXPECT_EQ(r38->page, 0);
        const TPrimitive* r39 = c.ChercherTexte("638");
        ASSERT_TRUE(r39);
        const int haut = impression ? -150 : -(2970 + 150);
        EXPECT_EQ(r39->decoupe->Top, haut);
        EXPECT_EQ(r39->page, impression ? 1 : 0);
        EXPECT_EQ(c.NbPagesImprimante(), impression ? 1 : 0);
        // A thin rule at the top of the row that opened the page.
        const auto regles = TraitsA(c, haut);
        ASSERT_EQ(regles.size(), 1u);
        EXPECT_EQ(regles[0]->etat.EpaisseurPlume, 1);
        EXPECT_EQ(regles[0]->rect.Left, 150);
        EXPECT_EQ(regles[0]->rect.Right, 1950);
        // The preview marks the boundary with a dotted line.
        const auto limite = TraitsA(c, -2970);
        ASSERT_EQ(limite.size(), impression ? 0u : 1u);
        if (!impression) {
            EXPECT_EQ(limite[0]->etat.Style, StylePlume::Pointille);
        }
        EXPECT_EQ(c.Etat(), TEtatCanevas{});
    }
}

TEST_F(EtatsCompta, DesTotauxEgauxFontUneCloture) {
    Ligne(Compte(compta, true, "606", "Achats"), "a", 1, 40);
    Ligne(Compte(compta, false, "706", "Cotisations"), "b", 1, 25);
    Ligne(compta.GetCompteProduit(0), "c", 1, 15);
    TCanevasEnregistreur c;
    EXPECT_EQ(DessinerBilan(compta, c, false, contexte), 1);
    const auto textes = c.Textes();
    EXPECT_EQ(textes.back(), "0.00 €");
    EXPECT_EQ(textes[textes.size() - 2], "CLOTURE");
    const TPrimitive* cloture = c.ChercherTexte("CLOTURE");
    EXPECT_TRUE(cloture->etat.Police.Gras);
    EXPECT_EQ(cloture->decoupe->Left, 160);
    for (const char* t : {"TOTAL CHARGES", "TOTAL PRODUITS", "40.00 €", "Cotisations", "Achats"})
        EXPECT_TRUE(c.ChercherTexte(t)) << t;
    // Amounts end 5 units inside their cell, which ends at x + 1790.
    const TPrimitive* montant = c.ChercherTexte("40.00 €");
    EXPECT_EQ(montant->rect.Right, 150 + 1790 - 5);
    EXPECT_FALSE(montant->decoupe);
}

TEST_F(EtatsCompta, LeSigneDesMontantsSuitLaMonnaie) {
    Ligne(Compte(compta, true, "606"), "a", 1, 12.5);
    Ligne(Compte(compta, false, "706"), "b", 1, 20);
    contexte.Euro = false;
    TCanevasEnregistreur c;
    DessinerBilan(compta, c, false, contexte);
    EXPECT_TRUE(c.ChercherTexte("12.50 F"));
    EXPECT_TRUE(c.ChercherTexte("EXCEDENT DE CLOTURE"));
    EXPECT_TRUE(c.ChercherTexte("7.50 F"));
    EXPECT_EQ(MontantVersTexte(-3, true), "-3.00 €");
}

TEST_F(EtatsCompta, LeLogoEstCentreAuDessusDuTitre) {
    contexte.FichierLogo = "/club/logo.bmp";
    TCanevasEnregistreur c;
    c.DefinirImage("/club/logo.bmp", {400, 200});
    DessinerBilan(compta, c, false, contexte);
    ASSERT_EQ(c.Primitives().front().genre, TPrimitive::Genre::Image);
    EXPECT_EQ(c.Primitives().front().rect, (TRect{850, -150, 1250, -350}));
    EXPECT_EQ(c.ChercherTexte("Compte d'exploitation de l'exercice 2025-2026")->decoupe->Top, -450);
    // A file that cannot be read is skipped without a word.
    CaptureMessages messages;
    TCanevasEnregistreur sans;
    contexte.FichierLogo = "/club/absent.bmp";
    DessinerBilan(compta, sans, false, contexte);
    EXPECT_NE(sans.Primitives().front().genre, TPrimitive::Genre::Image);
    EXPECT_EQ(sans.ChercherTexte("Compte d'exploitation de l'exercice 2025-2026")->decoupe->Top, -150);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(EtatsCompta, UnePeriodeDeMouvementsPrendSesDeuxJours) {
    TCompte* compte = Compte(compta, true, "606");
    Ligne(compte, "veille", EncodeDate(2025, 12, 31), 1);
    Ligne(compte, "premier", EncodeDate(2026, 1, 1), 2);
    Ligne(compte, "dernier", EncodeDate(2026, 1, 31), 4);
    Ligne(compte, "lendemain", EncodeDate(2026, 2, 1), 8);
    Compte(compta, false, "706"); // no line: prints nothing
    TEditionMouvements edition{0, nullptr, EncodeDate(2026, 1, 1), EncodeDate(2026, 1, 31)};
    TCanevasEnregistreur c;
    EXPECT_EQ(DessinerMouvements(compta, c, edition, false, contexte), 1);
    EXPECT_EQ(c.Textes(),
              (std::vector<std::string>{
                  "Mouvements comptables", "• Mouvements du compte \"606\" entre 01/01/2026 et 31/01/2026",
                  "premier", "01/01/2026", "2.00 €", "dernier", "31/01/2026", "4.00 €", "TOTAL", "6.00 €"}));
    const TPrimitive* entete =
        c.ChercherTexte("• Mouvements du compte \"606\" entre 01/01/2026 et 31/01/2026");
    EXPECT_EQ(entete->decoupe->Top, -350);
    EXPECT_EQ(c.ChercherTexte("premier")->decoupe->Left, 200);
    EXPECT_EQ(LigneJournalMouvements(edition),
              "Impression des mouvements bancaires de tous les comptes entre le 01/01/2026 et le 31/01/2026");
}

TEST_F(EtatsCompta, LesMouvementsDUnCompteSansPeriodeListentTout) {
    TCompte* compte = Compte(compta, false, "706");
    Ligne(compte, "sans date", 0, 1);
    Ligne(compte, "datée", EncodeDate(2026, 5, 1), 2);
    Ligne(Compte(compta, false, "707"), "autre", 1, 2);
    TEditionMouvements edition{3, compte, 0, 0};
    TCanevasEnregistreur c;
    DessinerMouvements(compta, c, edition, false, contexte);
    EXPECT_TRUE(c.ChercherTexte("• Mouvements du compte \"706\""));
    EXPECT_TRUE(c.ChercherTexte("sans date"));
    EXPECT_TRUE(c.ChercherTexte("30/12/1899"));
    EXPECT_FALSE(c.ChercherTexte("autre"));
    EXPECT_EQ(LigneJournalMouvements(edition), "Impression des mouvements bancaires du compte 706");
    EXPECT_EQ(LigneJournalMouvements({1, nullptr, 0, 5}),
              "Impression des mouvements bancaires de tous les comptes charge");
    // Nothing in the period: only the title box.
    TCanevasEnregistreur vide;
    DessinerMouvements(compta, vide, {2, nullptr, EncodeDate(2030, 1, 1), EncodeDate(2030, 1, 2)}, false,
                       contexte);
    EXPECT_EQ(vide.Textes(), std::vector<std::string>{"Mouvements comptables"});
}

TEST_F(EtatsCompta, UnLongReleveDeMouvementsSePagineSansPerte) {
    TCompte* compte = Compte(compta, true, "606");
    for (int i = 0; i < 200; ++i)
        Ligne(compte, "l" + std::to_string(i), EncodeDate(2026, 1, 1), 1);
    TCanevasEnregistreur c;
    const int pages = DessinerMouvements(compta, c, {0, nullptr, 0, 0}, true, contexte);
    EXPECT_EQ(pages, c.NbPagesImprimante() + 1);
    EXPECT_EQ(pages, 5);
    for (const auto& p : c.Primitives())
        if (p.genre == TPrimitive::Genre::Texte) {
            ASSERT_GT(p.rect.Bottom, -2821) << p.texte;
        }
    EXPECT_TRUE(c.ChercherTexte("200.00 €"));
}

TEST_F(EtatsCompta, LesDepotsSansNumeroNImprimentPasLeSigne) {
    compta.SetTitulaireCompte("Surf Club");
    compta.SetNomBanque("Banque du Port");
    compta.SetNumeroCompte(123456);
    TCompte* p1 = Compte(compta, false, "706");
    Ligne(p1, "Licence de DUPONT Jean", EncodeDate(2026, 2, 3), 45, "0001234");
    Ligne(p1, "Hors période", EncodeDate(2026, 4, 3), 1000);
    Ligne(Compte(compta, false, "708"), "Caution de MARTIN Léa", EncodeDate(2026, 2, 28) + 0.75, 150);
    TEditionDepotsBancaires edition{
        0, nullptr, EncodeDate(2026, 2, 1), EncodeDate(2026, 2, 28), EncodeDate(2026, 3, 1), ""};
    TCanevasEnregistreur c;
    EXPECT_EQ(DessinerDepots(compta, c, edition, false, contexte), 1);
    EXPECT_EQ(c.Textes(), (std::vector<std::string>{
                              "Dépôts bancaires", "Chèques de 01/02/2026 au 28/02/2026",
                              "Edition du 01/03/2026", "Intitulé du compte :", "Titulaire : Surf Club",
                              "Etablissement domiciliaire : Banque du Port", "Numéro : 123456",
                              "• Licence de DUPONT Jean", "0001234", "03/02/2026", "45.00 €",
                              "• Caution de MARTIN Léa", "28/02/2026", "150.00 €", "• TOTAL", "195.00 €"}));
    EXPECT_TRUE(c.ChercherTexte("Intitulé du compte :")->etat.Police.Gras);
    EXPECT_FALSE(c.ChercherTexte("Titulaire : Surf Club")->etat.Police.Gras);
    EXPECT_EQ(
        LigneJournalDepots(edition),
        "Impression des dépôts bancaires de tous les comptes produits entre le 01/02/2026 et le 28/02/2026");

    edition.NumeroDepot = "17";
    edition.Genre = 1;
    edition.Compte = p1;
    edition.Debut = EncodeDate(2027, 1, 1);
    edition.Fin = EncodeDate(2027, 1, 2);
    TCanevasEnregistreur numero;
    DessinerDepots(compta, numero, edition, false, contexte);
    EXPECT_TRUE(numero.ChercherTexte("Edition du 01/03/2026 n°17"));
    EXPECT_EQ(numero.Textes().back(), "0.00 €");
    EXPECT_EQ(LigneJournalDepots(edition),
              "Impression des dépôts bancaires du compte 706 entre le 01/01/2027 et le 02/01/2027");
}

} // namespace
