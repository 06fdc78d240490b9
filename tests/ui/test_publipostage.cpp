// SPDX-License-Identifier: GPL-3.0-or-later
// The mail merge over a scripted word processor: what is written where, the
// order of the calls, the failures, the cancel and the journal.
#include "core/messages.h"
#include "model/exercice.h"
#include "model/requete.h"
#include "outils_publipostage.h"
#include "outils_shell.h"
#include "platform/boite_message.h"
#include "ui/bdd/publipostage.h"
#include "ui/communs/agenda.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tramonta::test {

namespace {

const std::string kConnexion = "Connexion avec Word...";
const std::string kAnalyse = "Analyse du document... (peut prendre quelques minutes !)";
const std::string kDeconnexion = "Déconnexion de Word...";

TAdherent* NouvelAdherent(TExercice& e, const std::string& nom, const std::string& prenom) {
    auto a = std::make_unique<TAdherent>(&e.Adherents());
    a->SetNom(nom);
    a->SetPrenom(prenom);
    TAdherent* brut = a.get();
    e.Adherents().Add(std::move(a));
    return brut;
}

TCorrespondant* NouveauCorrespondant(TExercice& e, const std::string& nom) {
    auto c = std::make_unique<TCorrespondant>(&e.Correspondants());
    c->SetNom(nom);
    c->SetVille("Quimper");
    TCorrespondant* brut = c.get();
    e.Correspondants().Add(std::move(c));
    return brut;
}

class Publipostage : public ::testing::Test {
  protected:
    void SetUp() override { DefinirExerciceJournal(&exercice_); }
    void TearDown() override { DefinirExerciceJournal(nullptr); }

    TResultatPublipostage Lancer() {
        p_.fichier = "/lettres/relance.odt";
        p_.criteres = &criteres_;
        return LancerPublipostage(p_, wp_, progression_);
    }
    std::vector<std::string> Journal() const { return test::Journal(exercice_); }
    long Compter(const std::string& appel) const {
        return std::count(wp_.appels.begin(), wp_.appels.end(), appel);
    }

    TExercice exercice_;
    TCriteresRequete criteres_;
    TPublipostage p_;
    TTraitementFactice wp_;
    TProgressionFactice progression_;
    ScriptMessages messages_;
};

} // namespace

TEST(MotsCles, SeReconnaissentEntiersAuxBlancsPresEtSansCasseAscii) {
    const struct {
        const char* mot;
        int code;
    } cas[] = {
        {"NomAdhérent", 1},
        {"NomAdhérent  ", 1},
        {"\tNomAdhérent\r\n", 1},
        {"nomadhérent", 1},
        {"NOMADHéRENT", 1},
        {"NOMADHÉRENT", 0}, // only ASCII letters fold
        {"PrénomAdhérent", 2},
        {"NomAdhérent,", 0},
        {"NomAdhérents", 0},
        {"Nom Adhérent", 0},
        {"ForfaitLeconAdhérent", 16},
        {"SpécialitéCorrespondant", 110},
        {"", 0},
    };
    for (const auto& c : cas)
        EXPECT_EQ(CodeMotCle(c.mot), c.code) << c.mot;
    for (int code : {1, 16, 101, 110})
        EXPECT_EQ(CodeMotCle(MotCle(code)), code);
}

TEST(MotsCles, DonnentLesValeursDuDestinataire) {
    TExercice e;
    TAdherent& a = *NouvelAdherent(e, "Le Goff", "Maël");
    a.SetDateDelivrance(EncodeDate(2024, 9, 3));
    a.SetCodePostal(29200);
    a.SetMontantLicence(42.5);
    a.SetAdresse("1 rue du Port\r\nBP 3");
    EXPECT_EQ(ValeurMotCle(1, a), "Le Goff");
    EXPECT_EQ(ValeurMotCle(2, a), "Maël");
    EXPECT_EQ(ValeurMotCle(3, a), ""); // no birth date given
    EXPECT_EQ(ValeurMotCle(6, a), "1 rue du Port\r\nBP 3");
    EXPECT_EQ(ValeurMotCle(7, a), "29200");
    EXPECT_EQ(ValeurMotCle(12, a), "03/09/2024");
    EXPECT_EQ(ValeurMotCle(13, a), "42.50");
    EXPECT_EQ(ValeurMotCle(14, a), "0.00");
    TCorrespondant& c = *NouveauCorrespondant(e, "Mairie");
    EXPECT_EQ(ValeurMotCle(101, c), "Mairie");
    EXPECT_EQ(ValeurMotCle(103, c), "0");
    EXPECT_EQ(ValeurMotCle(104, c), "Quimper");
}

TEST(MotsCles, LaCarteGardeLOrdreEtUneSeuleFoisChaqueMot) {
    TCarteMotsCles carte;
    carte.Ajouter(4, 1);
    carte.Ajouter(2, 8);
    carte.Ajouter(4, 2);
    carte.Ajouter(9, 101);
    EXPECT_EQ(carte.Paires(), (std::vector<std::pair<int, int>>{{4, 1}, {2, 8}, {9, 101}}));
    EXPECT_EQ(carte.Nombre(CodeAdherent), 2);
    EXPECT_EQ(carte.Nombre(CodeCorrespondant), 1);
}

TEST_F(Publipostage, RemplitChaqueCopieDuDernierMotAuPremierAvecSesBlancs) {
    wp_.lettre = {"Cher ", "PrénomAdhérent ",        "NomAdhérent  ",    "né ",
                  "le ",   "DateNaissanceAdhérent ", "AdresseAdhérent ", "VilleAdhérent",
                  ", ",    "NomCorrespondant ",      "nomadhérent"};
    TAdherent* a = NouvelAdherent(exercice_, "Le Goff", "Maël");
    a->SetAdresse("1 rue du Port\r\nBP 3");
    a->SetVille("Brest");
    TAdherent* b = NouvelAdherent(exercice_, "Tanguy", "Awen");
    b->SetDateNaissance(EncodeDate(2010, 5, 17));
    p_.adherents = {b, a};
    messages_.Repondre(IDYES);

    EXPECT_EQ(Lancer(), TResultatPublipostage::Termine);

    EXPECT_EQ(wp_.copies,
              (std::vector<std::string>{
                  "Cher Awen Tanguy  né le 17/05/2010  , NomCorrespondant Tanguy",
                  "Cher Maël Le Goff  né le  1 rue du Port\r\nBP 3 Brest, NomCorrespondant Le Goff"}));
    const std::vector<std::string> copie = {"Ouvrir /lettres/relance.odt",
                                            "Ecrire(11)",
                                            "Ecrire(8)",
                                            "Ecrire(7)",
                                            "Ecrire(6)",
                                            "Ecrire(3)",
                                            "Ecrire(2)",
                                            "Imprimer",
                                            "Attente",
                                            "Fermer"};
    std::vector<std::string> attendus = {"Attacher(nouvelle)", "Ouvrir /lettres/relance.odt", "Fermer"};
    for (int i = 0; i < 2; ++i)
        attendus.insert(attendus.end(), copie.begin(), copie.end());
    attendus.push_back("Quitter");
    EXPECT_EQ(wp_.appels, attendus);
    EXPECT_EQ(progression_.statuts, (std::vector<std::string>{kConnexion, kAnalyse, "Adhérent Tanguy Awen",
                                                              "Adhérent Le Goff Maël", kDeconnexion}));
    EXPECT_EQ(progression_.minimum, 0);
    EXPECT_EQ(progression_.maximum, 2);
    EXPECT_EQ(progression_.pas, 2);
    EXPECT_FALSE(progression_.visible);
    ASSERT_EQ(messages_.Affiches().size(), 1u);
    EXPECT_EQ(messages_.Affiches()[0].texte, "Mots clés trouvés dans le fichier \"/lettres/relance.odt\" :\n"
                                             "NomAdhérent (2 fois), PrénomAdhérent, DateNaissanceAdhérent, "
                                             "AdresseAdhérent, VilleAdhérent.\n"
                                             "Ceux-ci ne seront pas remplacés : NomCorrespondant.\n\n"
                                             "Imprimer les 2 lettres ?");
    EXPECT_EQ(messages_.Affiches()[0].titre, "Publipostage");
    EXPECT_EQ(messages_.Affiches()[0].drapeaux, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(Journal(), (std::vector<std::string>{
                             "Lancement d'un publipostage avec le fichier \"/lettres/relance.odt\""}));
}

TEST_F(Publipostage, UnCorrespondantNeRemplitQueSesMotsCles) {
    wp_.lettre = {"NomCorrespondant ", "VilleCorrespondant ", "NomAdhérent"};
    p_.correspondants = {NouveauCorrespondant(exercice_, "Mairie")};
    messages_.Repondre(IDYES);
    EXPECT_EQ(Lancer(), TResultatPublipostage::Termine);
    EXPECT_EQ(wp_.copies, (std::vector<std::string>{"Mairie Quimper NomAdhérent"}));
    EXPECT_EQ(progression_.statuts[2], "Correspondant Mairie");
    EXPECT_EQ(Journal().size(), 1u);
}

TEST_F(Publipostage, SeulsLesAdherentsQuiCorrespondentAuxCriteresRecoiventLaLettre) {
    wp_.lettre = {"NomAdhérent"};
    TAdherent* paye = NouvelAdherent(exercice_, "Paye", "Yann");
    paye->SetMontantLicence(40);
    TAdherent* impaye = NouvelAdherent(exercice_, "Impaye", "Anna");
    criteres_.TypeRequete = TCriteresRequete::ReqRelance;
    criteres_.Relance = 0;
    p_.adherents = {paye, impaye};
    messages_.Repondre(IDYES);
    EXPECT_EQ(Lancer(), TResultatPublipostage::Termine);
    EXPECT_EQ(wp_.copies, (std::vector<std::string>{"Impaye"}));
    EXPECT_EQ(progression_.maximum, 1);
}

TEST_F(Publipostage, PersonneAEcrireDonneLeMessageEtNeDemarreRien) {
    TAdherent* paye = NouvelAdherent(exercice_, "Paye", "Yann");
    paye->SetMontantLicence(40);
    criteres_.TypeRequete = TCriteresRequete::ReqRelance;
    p_.adherents = {paye};
    messages_.Repondre(IDOK);
    EXPECT_EQ(Lancer(), TResultatPublipostage::RienAImprimer);
    ASSERT_EQ(messages_.Affiches().size(), 1u);
    EXPECT_EQ(messages_.Affiches()[0].texte,
              "Il n'y a rien à imprimer ! Aucun adhérent ne correspond aux critères choisis !");
    EXPECT_EQ(messages_.Affiches()[0].titre, "Publipostage");
    EXPECT_EQ(messages_.Affiches()[0].drapeaux, MB_ICONINFORMATION);
    EXPECT_TRUE(wp_.appels.empty());
    EXPECT_TRUE(progression_.statuts.empty());
    EXPECT_TRUE(Journal().empty());
}

TEST_F(Publipostage, SansMotCleDeLaFamilleLUtilisateurEstPrevenuAvantToutImpression) {
    wp_.lettre = {"Nom", "Adhérent ", "NomCorrespondant"};
    p_.adherents = {NouvelAdherent(exercice_, "Le Goff", "Maël")};
    for (int reponse : {int(IDNO), int(IDYES)}) {
        SCOPED_TRACE(reponse);
        wp_.appels.clear();
        wp_.copies.clear();
        messages_.Oublier();
        messages_.Repondre(reponse);
        EXPECT_EQ(Lancer(),
                  reponse == IDNO ? TResultatPublipostage::Abandonne : TResultatPublipostage::Termine);
        ASSERT_EQ(messages_.Affiches().size(), 1u);
        EXPECT_EQ(
            messages_.Affiches()[0].texte,
            "Le fichier \"/lettres/relance.odt\" ne contient aucun mot clé des adhérents (NomAdhérent, "
            "PrénomAdhérent, AdresseAdhérent...) : toutes les lettres seraient identiques.\n"
            "Un mot clé n'est reconnu que s'il est écrit en un seul mot, sans espace ni faute de frappe.\n\n"
            "Imprimer quand même la lettre ?");
        EXPECT_EQ(wp_.copies.size(), reponse == IDNO ? 0u : 1u);
        EXPECT_EQ(wp_.appels.back(), "Quitter");
        EXPECT_FALSE(progression_.visible);
    }
    EXPECT_EQ(Journal().size(), 1u);
}

TEST_F(Publipostage, UnAnnulerFinitLaCopieEnCoursQuitteEtNeJournaliseRien) {
    wp_.lettre = {"NomAdhérent"};
    p_.adherents = {NouvelAdherent(exercice_, "A", "a"), NouvelAdherent(exercice_, "B", "b"),
                    NouvelAdherent(exercice_, "C", "c")};
    progression_.annulerApres = 1;
    messages_.Repondre(IDYES);
    EXPECT_EQ(Lancer(), TResultatPublipostage::Annule);
    EXPECT_EQ(wp_.copies, (std::vector<std::string>{"A"}));
    EXPECT_EQ(wp_.appels.back(), "Quitter");
    EXPECT_EQ(progression_.statuts.back(), kDeconnexion);
    EXPECT_FALSE(progression_.visible);
    EXPECT_TRUE(Journal().empty());
}

TEST_F(Publipostage, UnAnnulerPendantLAnalyseNImprimeRien) {
    wp_.lettre = {"NomAdhérent ", "VilleAdhérent"};
    p_.adherents = {NouvelAdherent(exercice_, "A", "a")};
    wp_.avant = [this](const std::string& appel) {
        if (appel.starts_with("Ouvrir"))
            progression_.annule = true;
    };
    EXPECT_EQ(Lancer(), TResultatPublipostage::Annule);
    EXPECT_TRUE(messages_.Affiches().empty());
    EXPECT_TRUE(wp_.copies.empty());
    EXPECT_EQ(wp_.appels, (std::vector<std::string>{"Attacher(nouvelle)", "Ouvrir /lettres/relance.odt",
                                                    "Fermer", "Quitter"}));
    EXPECT_TRUE(Journal().empty());
}

TEST_F(Publipostage, LesEchecsDuTraitementDeTexteDonnentLaBoiteDErreur) {
    const std::string attache = "Erreur de communication avec Word !\n\rOuvrirWord : impossible d'établir la "
                                "communication OLE avec l'objet Word.\n\rContacter l'auteur.";
    const std::string appel =
        "Erreur de communication avec Word !\n\rBoutonLancerPublipostageClick : erreur lors "
        "de l'appel des propriétés de l'objet Word.\n\rContacter l'auteur.";
    const struct {
        const char* echec;
        std::string message;
        bool quitte;
        std::size_t copies;
    } cas[] = {
        {"Attacher(nouvelle)", attache, false, 0},
        {"Ouvrir /lettres/relance.odt", appel, true, 0},
        {"Imprimer", appel, true, 0},
        {"Ecrire(1)", appel, true, 0},
        {"Attente", appel, true, 1},
    };
    wp_.lettre = {"NomAdhérent"};
    p_.adherents = {NouvelAdherent(exercice_, "A", "a")};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.echec);
        wp_.appels.clear();
        wp_.copies.clear();
        messages_.Oublier();
        wp_.avant = [&c](const std::string& nom) {
            if (nom == c.echec)
                throw TErreurTraitementTexte("panne");
        };
        if (c.quitte && std::string(c.echec) != "Ouvrir /lettres/relance.odt")
            messages_.Repondre(IDYES);
        messages_.Repondre(IDOK);
        EXPECT_EQ(Lancer(), TResultatPublipostage::Erreur);
        ASSERT_FALSE(messages_.Affiches().empty());
        EXPECT_EQ(messages_.Affiches().back().texte, c.message);
        EXPECT_EQ(messages_.Affiches().back().titre, "Erreur");
        EXPECT_EQ(messages_.Affiches().back().drapeaux, MB_ICONERROR);
        EXPECT_EQ(wp_.appels.back() == "Quitter", c.quitte);
        EXPECT_EQ(wp_.copies.size(), c.copies);
        EXPECT_FALSE(progression_.visible);
    }
    // A merge that did not run, or broke off, is not journalled.
    EXPECT_TRUE(Journal().empty());
}

TEST_F(Publipostage, AttendLaFinDeLImpressionAvantDeFermer) {
    wp_.lettre = {"NomAdhérent"};
    p_.adherents = {NouvelAdherent(exercice_, "A", "a")};
    wp_.occupe = 1;
    messages_.Repondre(IDYES);
    EXPECT_EQ(Lancer(), TResultatPublipostage::Termine);
    EXPECT_EQ(Compter("Attente"), 2);
    const auto imprimer = std::find(wp_.appels.begin(), wp_.appels.end(), "Imprimer");
    EXPECT_EQ(std::vector<std::string>(imprimer, wp_.appels.end()),
              (std::vector<std::string>{"Imprimer", "Attente", "Attente", "Fermer", "Quitter"}));
}

} // namespace tramonta::test
