// SPDX-License-Identifier: GPL-3.0-or-later
// The demonstration season: it builds from its JSON source, reads back as it
// was written, and holds together as a club's real season would.
#include "cli/json_document.h"
#include "model/exercice.h"
#include "model/modeles_tableau.h"
#include "outils_cli.h"
#include "outils_modele.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace tramonta;
using namespace tramonta::test;
namespace fs = std::filesystem;

namespace {

const std::string kSource = std::string(TRAMONTA_EXEMPLES) + "/saison-demo.json";
const std::string kSaison = std::string(TRAMONTA_EXEMPLES) + "/saison-demo.trm";

// Every key of `source` is in `relu` with the same value; `relu` may hold
// more (fields left at their initial value, the structure of heat tables).
void ContenuDans(const nlohmann::json& source, const nlohmann::json& relu, const std::string& chemin) {
    if (source.is_object()) {
        ASSERT_TRUE(relu.is_object()) << chemin;
        for (const auto& [cle, valeur] : source.items()) {
            ASSERT_TRUE(relu.contains(cle)) << chemin << "/" << cle;
            ContenuDans(valeur, relu[cle], chemin + "/" + cle);
        }
    } else if (source.is_array()) {
        ASSERT_TRUE(relu.is_array()) << chemin;
        ASSERT_EQ(source.size(), relu.size()) << chemin;
        for (std::size_t i = 0; i < source.size(); ++i)
            ContenuDans(source[i], relu[i], chemin + "/" + std::to_string(i));
    } else if (source.is_number()) {
        EXPECT_EQ(source.get<double>(), relu.get<double>()) << chemin;
    } else {
        EXPECT_EQ(source, relu) << chemin;
    }
}

using Demo = TestCli;

TEST_F(Demo, SeConstruitEtRedonneSaSource) {
    const std::string trm = Chemin("demo.trm");
    const SortieCli create = Lancer({"create", kSource, trm});
    ASSERT_EQ(create.code, 0);
    EXPECT_EQ(create.err, "");
    const SortieCli dump = Lancer({"dump", trm});
    ASSERT_EQ(dump.code, 0);
    const auto source = nlohmann::json::parse(LireFichierTexte(kSource));
    const auto relu = nlohmann::json::parse(dump.out);
    ContenuDans(source, relu, "");
    // The file that the README points at is the one the source gives.
    EXPECT_EQ(LireFichierTexte(trm), LireFichierTexte(kSaison));
}

// The season is read as in its year, so that the members keep their
// categories however old the example gets.
class SaisonDemo : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(saison.LoadFromFile(kSaison)); }
    HorlogeFixe horloge{EncodeDate(2026, 9, 1)};
    TExercice saison;
};

TEST_F(SaisonDemo, ToutesLesCategoriesEtLicences) {
    std::set<std::string> categories, licences;
    const TAdherents& adherents = saison.Adherents();
    EXPECT_GE(adherents.Count(), 35);
    for (int i = 0; i < adherents.Count(); ++i) {
        categories.insert(adherents.Adherent(i)->Categorie());
        licences.insert(adherents.Adherent(i)->TypeLicence());
    }
    EXPECT_EQ(categories, std::set<std::string>(kCategories.begin(), kCategories.end()));
    EXPECT_EQ(licences, std::set<std::string>(kTypesLicence.begin(), kTypesLicence.end()));
}

// Each posting a member remembers is a line of its account, and every
// automatic line of the ledger is one member's posting.
TEST_F(SaisonDemo, EnregistrementsAutomatiquesCoherents) {
    const TComptabilite& compta = saison.Comptabilite();
    std::set<const TLigneEcriture*> postees;
    const TAdherents& adherents = saison.Adherents();
    for (int i = 0; i < adherents.Count(); ++i) {
        const TAdherent& a = *adherents.Adherent(i);
        struct Somme {
            Enregistrement genre;
            bool postee;
            const std::string& article;
            double montant;
        };
        const Somme sommes[] = {
            {Enregistrement::Licence, a.LicenceEnCompta(), a.ArticleLicence(), a.MontantLicence()},
            {Enregistrement::Caution, a.CautionEnCompta(), a.ArticleCaution(), a.CautionCombinaison()},
            {Enregistrement::Location, a.LocationEnCompta(), a.ArticleLocation(), a.LocationCombinaison()},
            {Enregistrement::Forfait, a.ForfaitEnCompta(), a.ArticleForfait(), a.ForfaitLecon()},
        };
        for (const Somme& s : sommes) {
            if (!s.postee)
                continue;
            const std::string libelle = LibelleEnregistrement(s.genre, a.Nom(), a.Prenom());
            SCOPED_TRACE(libelle);
            const TCompte* compte = compta.GetCompteProduit(compta.ChercherCompteProduit(s.article));
            ASSERT_NE(compte, nullptr);
            const TLigneEcriture* ligne = compte->GetLigne(compte->ChercherLigne(libelle));
            ASSERT_NE(ligne, nullptr);
            EXPECT_TRUE(ligne->Automatique);
            EXPECT_EQ(ligne->Montant(), s.montant);
            postees.insert(ligne);
        }
    }
    std::size_t automatiques = 0;
    for (int i = 0; i < compta.NbComptesProduits(); ++i)
        for (int l = 0; l < compta.GetCompteProduit(i)->NbLignes(); ++l)
            automatiques += compta.GetCompteProduit(i)->GetLigne(l)->Automatique;
    for (int i = 0; i < compta.NbComptesCharges(); ++i)
        EXPECT_FALSE(compta.GetCompteCharge(i)->ContientLignesAutomatiques());
    EXPECT_EQ(automatiques, postees.size());
    EXPECT_GE(compta.NbComptesCharges() + compta.NbComptesProduits(), 12);
}

TEST_F(SaisonDemo, ComptesParDefautExistent) {
    const TComptabilite& c = saison.Comptabilite();
    for (const auto& [defini, article] : {std::pair{c.CompteLicenceDefini(), c.CompteLicence()},
                                          {c.CompteCautionCombiDefini(), c.CompteCautionCombi()},
                                          {c.CompteLocationCombiDefini(), c.CompteLocationCombi()},
                                          {c.CompteForfaitLeconDefini(), c.CompteForfaitLecon()}}) {
        EXPECT_TRUE(defini);
        EXPECT_GE(c.ChercherCompteProduit(article), 0) << article;
    }
}

TEST_F(SaisonDemo, CorrespondantsAvecSpecialitesDeLaListe) {
    const TCorrespondants& correspondants = saison.Correspondants();
    ASSERT_GT(correspondants.Count(), 0);
    for (int i = 0; i < correspondants.Count(); ++i)
        EXPECT_TRUE(saison.ExisteSpecialite(correspondants.Correspondant(i)->Specialite()))
            << correspondants.Correspondant(i)->Nom();
}

TEST_F(SaisonDemo, CompetitionsAvecTableauxEtPlaces) {
    const TCompets& compets = saison.Compets();
    ASSERT_EQ(compets.Count(), 2);
    for (int c = 0; c < compets.Count(); ++c) {
        const TCompet& compet = *compets.Compet(c);
        SCOPED_TRACE(compet.Intitule());
        int places = 0, tableaux = 0;
        for (int k = 0; k < kNbCategoriesCompet; ++k) {
            const TCategorieCompet& cat = *compet.Categorie(k);
            EXPECT_GT(cat.Count(), 0);
            if (!cat.Tableau())
                continue;
            ++tableaux;
            EXPECT_TRUE(TypeTableauPropose(cat.TypeTableau(), cat.Count())) << compet.NomCategorie(k);
            const TTableauCompet& t = *cat.Tableau();
            for (int n = 1; n <= t.NbSeries(); ++n)
                for (int l = 0; l < t.Serie(n)->Count(); ++l) {
                    const TLigneSerie& ligne = *t.Serie(n)->Ligne(l);
                    EXPECT_LE(ligne.Participant(), cat.Count());
                    places += ligne.Place() > 0;
                }
        }
        EXPECT_GT(tableaux, 0);
        EXPECT_GT(places, 0);
    }
}

TEST_F(SaisonDemo, JournalCommenceParLaCreationDansLOrdreDuTemps) {
    const TAgenda& agenda = saison.Agenda();
    ASSERT_GT(agenda.Count(), 1);
    EXPECT_EQ(agenda.Ligne(0)->Texte(), "Création");
    for (int i = 1; i < agenda.Count(); ++i)
        EXPECT_LE(agenda.Ligne(i - 1)->DateHeure(), agenda.Ligne(i)->DateHeure());
    EXPECT_FALSE(saison.IsModified());
}

} // namespace
