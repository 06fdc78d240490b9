// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dates.h"
#include "model/adherent.h"
#include "model/requete.h"
#include "print/canevas_enregistreur.h"
#include "print/liste_adherents.h"

#include <gtest/gtest.h>

using namespace tramonta;

namespace {

TAdherent& Ajouter(TAdherents& adherents, const std::string& nom, const std::string& prenom) {
    auto a = std::make_unique<TAdherent>(&adherents);
    a->SetNom(nom);
    a->SetPrenom(prenom);
    TAdherent& ref = *a;
    adherents.Add(std::move(a));
    return ref;
}

ChampsListe Champs(std::initializer_list<std::size_t> coches) {
    ChampsListe champs{};
    for (std::size_t i : coches)
        champs[i] = true;
    return champs;
}

TEST(LignesListeAdherents, DonnentLaDescriptionPuisLesNomsTriesSansCasseNiAccents) {
    TAdherents adherents;
    Ajouter(adherents, "martin", "Paul");
    Ajouter(adherents, "Éric", "Zoé");
    Ajouter(adherents, "DUPONT", "Anne");
    Ajouter(adherents, "Fabre", "Luc");
    Ajouter(adherents, "d'Arcy", "Jean");
    TCriteresRequete criteres;
    EXPECT_EQ(LignesListeAdherents(&adherents, &criteres, {}),
              (std::vector<std::string>{"Tous les adhérents", "d'Arcy Jean", "DUPONT Anne", "Éric Zoé",
                                        "Fabre Luc", "martin Paul"}));
}

TEST(LignesListeAdherents, NeGardentQueLesAdherentsQuiCorrespondent) {
    TAdherents adherents;
    Ajouter(adherents, "PAYE", "Pierre").SetMontantLicence(40);
    Ajouter(adherents, "DOIT", "Denise");
    // Posted in the ledger but at 0: still unpaid for the query.
    Ajouter(adherents, "ZERO", "Zacharie").SetLicenceEnCompta(true);
    TCriteresRequete criteres;
    criteres.TypeRequete = TCriteresRequete::ReqRelance;
    criteres.Relance = 0;
    criteres.Description = DecrireCriteres(criteres);
    EXPECT_EQ(LignesListeAdherents(&adherents, &criteres, {}),
              (std::vector<std::string>{"Les adhérents qui n'ont pas payé la licence", "DOIT Denise",
                                        "ZERO Zacharie"}));
}

TEST(LignesListeAdherents, SansPersonneNeGardentQueLaDescription) {
    TAdherents adherents;
    TCriteresRequete criteres;
    criteres.Description = "Les adhérents de catégorie 'Cadet'";
    EXPECT_EQ(LignesListeAdherents(&adherents, &criteres, {}),
              std::vector<std::string>{"Les adhérents de catégorie 'Cadet'"});
}

TEST(LignesListeAdherents, SansCollectionOuSansCriteresDisentErreur) {
    TAdherents adherents;
    TCriteresRequete criteres;
    EXPECT_EQ(LignesListeAdherents(nullptr, &criteres, {}), std::vector<std::string>{"Erreur"});
    EXPECT_EQ(LignesListeAdherents(&adherents, nullptr, {}), std::vector<std::string>{"Erreur"});
}

TEST(LigneAdherent, AjouteTousLesChampsChoisisDansLOrdreDuDialogue) {
    TAdherents adherents;
    TAdherent& a = Ajouter(adherents, "DUPONT", "Zoé");
    a.SetSexe("F");
    a.SetDateNaissance(EncodeDate(2010, 3, 7));
    a.SetLieuNaissance("Biarritz");
    a.SetVille("Anglet");
    a.SetTel1("05.59.00.00.01");
    a.SetTel2("06.00.00.00.02");
    a.SetNumeroLicence("L123");
    a.SetCertificatMedical(true);
    a.SetClassement(12);
    a.SetLicenceDirigeant(true);
    a.SetMontantLicence(45.5);
    a.SetCautionCombinaison(100);
    a.SetLocationCombinaison(0);
    a.SetForfaitLecon(120.25);
    ChampsListe tous;
    tous.fill(true);
    EXPECT_EQ(
        LigneAdherent(a, tous),
        "DUPONT Zoé - Sexe : F - Date naissance : 07/03/2010 - Lieu naissance : Biarritz - Ville : Anglet"
        " - Tél. 1 : 05.59.00.00.01 - Tél. 2 : 06.00.00.00.02 - Numéro licence : L123"
        // A missing date prints as the day 0 of the calendar.
        " - Date délivrance licence : 30/12/1899 - Certificat médical : Oui - Licence compétition : Non"
        " - Classement compétition : 12 - Licence dirigeant : Oui - Montant licence : 45.50"
        " - Caution combinaison : 100.00 - Location combinaison : 0.00 - Forfait leçon : 120.25");
}

TEST(LigneAdherent, NAjouteQueLesChampsCoches) {
    TAdherents adherents;
    TAdherent& a = Ajouter(adherents, "DUPONT", "Zoé");
    a.SetVille("Anglet");
    a.SetLicenceCompet(true);
    EXPECT_EQ(LigneAdherent(a, {}), "DUPONT Zoé");
    EXPECT_EQ(LigneAdherent(a, Champs({9, 3})), "DUPONT Zoé - Ville : Anglet - Licence compétition : Oui");
}

TPoint Position(const TCanevasEnregistreur& c, std::string_view texte) {
    const TPrimitive* p = c.ChercherTexte(texte);
    return p ? TPoint{p->rect.Left, p->rect.Top} : TPoint{};
}

// "Membre 00" to "Membre 59": short lines, one text line each.
std::vector<std::string> Lignes(int n) {
    std::vector<std::string> lignes{"Tous les adhérents"};
    for (int i = 0; i < n; ++i) {
        const std::string numero = std::to_string(i);
        lignes.push_back("Membre " + std::string(numero.size() < 2 ? 1 : 0, '0') + numero);
    }
    return lignes;
}

TEST(ListeAdherents, SansPersonneImprimeLeCadreEtUneSeuleLigne) {
    TCanevasEnregistreur c;
    EXPECT_EQ(ImprimerListeAdherents(c, {"Les adhérents de catégorie 'Cadet'"}, false), 1);
    EXPECT_EQ(c.Textes(),
              (std::vector<std::string>{"Requête sur les adhérents", "Les adhérents de catégorie 'Cadet'",
                                        "Aucun adhérent ne correspond à la requête..."}));
    const TPrimitive& cadre = c.Primitives().front();
    EXPECT_EQ(cadre.genre, TPrimitive::Genre::Cadre);
    EXPECT_EQ(cadre.rect, (TRect{150, -150, 1950, -350}));
    EXPECT_EQ(cadre.etat.EpaisseurPlume, 5);
    // Each title centred in its half of the frame, 60 high (30 a character).
    const TPrimitive* titre = c.ChercherTexte("Requête sur les adhérents");
    EXPECT_EQ(Position(c, "Requête sur les adhérents"), (TPoint{150 + (1800 - 25 * 30) / 2, -170}));
    EXPECT_EQ(titre->etat.Police.Hauteur, 60);
    EXPECT_EQ(Position(c, "Les adhérents de catégorie 'Cadet'"), (TPoint{150 + (1800 - 34 * 30) / 2, -270}));
    EXPECT_EQ(Position(c, "Aucun adhérent ne correspond à la requête..."), (TPoint{150, -450}));
    EXPECT_EQ(c.ChercherTexte("Aucun adhérent ne correspond à la requête...")->etat.Police.Hauteur, 50);
    EXPECT_EQ(c.Etat(), TEtatCanevas{});
}

TEST(ListeAdherents, ReplieUneLongueLigneEtDescendLaSuivanteDeTouteSaHauteur) {
    // Ten words of nine letters: seven fit in 1800 units at 25 a character.
    std::string longue;
    for (int i = 0; i < 10; ++i)
        longue += std::string(i ? " " : "") + "abcdefgh" + static_cast<char>('0' + i);
    TCanevasEnregistreur c;
    ImprimerListeAdherents(c, {"Tous les adhérents", longue, "DUPONT Zoé"}, false);
    EXPECT_EQ(Position(c, "abcdefgh0 abcdefgh1 abcdefgh2 abcdefgh3 abcdefgh4 abcdefgh5 abcdefgh6"),
              (TPoint{150, -450}));
    EXPECT_EQ(Position(c, "abcdefgh7 abcdefgh8 abcdefgh9"), (TPoint{150, -500}));
    EXPECT_EQ(Position(c, "DUPONT Zoé"), (TPoint{150, -550}));
}

TEST(ListeAdherents, SurPapierPasseALaPageSuivanteA150DuHaut) {
    TCanevasEnregistreur c;
    EXPECT_EQ(ImprimerListeAdherents(c, Lignes(60), true), 2);
    EXPECT_EQ(c.NbPagesImprimante(), 1);
    // Line 46 ends at -2800; line 47 would end at -2850.
    EXPECT_EQ(Position(c, "Membre 46"), (TPoint{150, -2750}));
    EXPECT_EQ(c.ChercherTexte("Membre 46")->page, 0);
    EXPECT_EQ(Position(c, "Membre 47"), (TPoint{150, -150}));
    EXPECT_EQ(c.ChercherTexte("Membre 47")->page, 1);
    EXPECT_EQ(Position(c, "Membre 48"), (TPoint{150, -200}));
}

TEST(ListeAdherents, SurUnApercuEmpileLesPagesAvecLeurLimitePointillee) {
    TCanevasEnregistreur c;
    EXPECT_EQ(ImprimerListeAdherents(c, Lignes(110), false), 3);
    EXPECT_EQ(c.NbPagesImprimante(), 0);
    EXPECT_EQ(Position(c, "Membre 47"), (TPoint{150, -3120}));
    // Page 2 holds 53 lines from 150 below its top; the 54th would end 2850 below it.
    EXPECT_EQ(Position(c, "Membre 99"), (TPoint{150, -3120 - 52 * 50}));
    EXPECT_EQ(Position(c, "Membre 100"), (TPoint{150, -2 * 2970 - 150}));
    std::vector<int> limites;
    for (const TPrimitive& p : c.Primitives())
        if (p.genre == TPrimitive::Genre::Ligne && p.etat.Style == StylePlume::Pointille)
            limites.push_back(p.rect.Top);
    EXPECT_EQ(limites, (std::vector<int>{-2970, -5940}));
}

TEST(ListeAdherents, DeplaceUneLigneReplieeToutEntiereSurLaPageSuivante) {
    std::vector<std::string> lignes = Lignes(46);
    // Its three text lines would run from -2750 to -2900.
    lignes.push_back(std::string(150, 'x'));
    TCanevasEnregistreur c;
    EXPECT_EQ(ImprimerListeAdherents(c, lignes, true), 2);
    EXPECT_EQ(Position(c, "Membre 45"), (TPoint{150, -2700}));
    EXPECT_EQ(Position(c, std::string(72, 'x')), (TPoint{150, -150}));
    EXPECT_EQ(c.ChercherTexte(std::string(72, 'x'))->page, 1);
}

} // namespace
