// SPDX-License-Identifier: GPL-3.0-or-later
// Members written to a spreadsheet file and read back into an empty season
// come back field by field.
#include "outils_modele.h"

#include "core/tableur_lecture.h"
#include "model/export_tableur.h"
#include "model/import_tableur.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace tramonta;
using namespace tramonta::test;

namespace {

using Champs = std::vector<std::pair<std::string, std::string>>;

// The ledger's side of a member: a spreadsheet file does not carry it.
const std::set<std::string> kHorsTableur = {"LicenceEnCompta", "ArticleLicence",   "CautionEnCompta",
                                            "ArticleCaution",  "LocationEnCompta", "ArticleLocation",
                                            "ForfaitEnCompta", "ArticleForfait"};

Champs ChampsDe(const TAdherent& a) {
    Champs champs;
    a.VisiterChamps([&](const char* nom, const auto& valeur) {
        using T = std::decay_t<decltype(valeur)>;
        std::string texte;
        if constexpr (std::is_same_v<T, std::string>)
            texte = valeur;
        else if constexpr (std::is_same_v<T, double>)
            texte = std::to_string(std::bit_cast<std::uint64_t>(valeur)); // to the bit
        else
            texte = std::to_string(valeur);
        champs.emplace_back(nom, texte);
    });
    return champs;
}

void Remplir(TAdherent& a, int n) {
    const std::string k = std::to_string(n);
    a.SetNom("D'ÉSQUERRÉ; \"le Grand\" " + k);
    a.SetPrenom("Élodie\nMarie-Ève " + k);
    a.SetSexe(n % 2 ? "F" : "M");
    a.SetDateNaissance(EncodeDate(2009 + n, 3, 14));
    a.SetLieuNaissance("Saint-Jean-de-Luz; \"Côte basque\"");
    a.SetAdresse("1 rue des Dunes\r\nBât. « B »; esc. " + k + "\r\n\"Chez Mme Öhler\"");
    a.SetCodePostal(6000 + n);
    a.SetVille("Hossegor\nLandes");
    a.SetTel1("05 58 43 " + k + k);
    a.SetTel2("+33 6 12 34 56 7" + k);
    a.SetNumeroLicence("FFS-2026-00" + k);
    a.SetDateDelivrance(EncodeDate(2026, 9, 1 + n));
    a.SetCertificatMedical(true);
    a.SetLicenceCompet(n != 1);
    a.SetClassement(12 + n);
    a.SetLicenceDirigeant(true);
    a.SetMontantLicence(45.5 + n);
    a.SetCautionCombinaison(150);
    a.SetLocationCombinaison(30.25);
    a.SetForfaitLecon(1234.56);
    a.SetComplement("Planche « longboard »;\r\nprêt \"à l'essai\"");
    a.SetInformationsComplementaires("Allergie; pénicilline\r\n\r\nPrévenir \"maman\" au 06…");
    // Not in the file: they must come back as a new member has them.
    a.SetLicenceEnCompta(true);
    a.SetArticleLicence("706");
    a.SetCautionEnCompta(true);
    a.SetArticleCaution("165");
    a.SetLocationEnCompta(true);
    a.SetArticleLocation("708");
    a.SetForfaitEnCompta(true);
    a.SetArticleForfait("7061");
}

TEST(AllerRetourTableur, LesAdherentsReviennentChampParChamp) {
    TAdherents source;
    for (int n = 0; n < 3; ++n) {
        auto a = std::make_unique<TAdherent>(&source);
        Remplir(*a, n);
        source.Add(std::move(a));
    }
    std::ostringstream fichier;
    ExporterAdherents(TousLesAdherents(source), fichier);

    TTableurLu lu;
    std::string erreur;
    ASSERT_TRUE(LireTableur(fichier.str(), lu, erreur)) << erreur;
    EXPECT_EQ(lu.encodage, EncodageTableur::Utf8AvecMarque);
    EXPECT_EQ(lu.separateur, ';');
    TApercuImport apercu;
    ASSERT_TRUE(AnalyserTitres(lu, apercu, erreur)) << erreur;
    EXPECT_EQ(apercu.titresIgnores, std::vector<std::string>{});

    TExercice cible;
    const TRapportImport rapport = ImporterAdherents(cible.Adherents(), lu);
    EXPECT_EQ(rapport.lignes, std::vector<std::string>{"Import terminé : 3 adhérents ajoutés, 0 ignoré."});
    ASSERT_EQ(cible.Adherents().Count(), 3);

    const Champs neuf = ChampsDe(TAdherent(nullptr));
    for (int n = 0; n < 3; ++n) {
        const Champs avant = ChampsDe(*source.Adherent(n));
        const Champs apres = ChampsDe(*cible.Adherents().Adherent(n));
        ASSERT_EQ(apres.size(), avant.size());
        for (std::size_t i = 0; i < avant.size(); ++i) {
            const bool horsTableur = kHorsTableur.count(avant[i].first) > 0;
            EXPECT_EQ(apres[i].second, horsTableur ? neuf[i].second : avant[i].second)
                << "adhérent " << n << ", " << avant[i].first;
        }
    }
}

} // namespace
