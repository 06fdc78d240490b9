// SPDX-License-Identifier: GPL-3.0-or-later
// The officer's round: the members exported, opened in LibreOffice Calc (in
// French), saved again as CSV the way Calc writes it, and imported into an
// empty season. Skipped where LibreOffice is not installed.
#include "outils_cli.h"
#include "outils_modele.h"

#include "core/tableur_lecture.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

using namespace tramonta;
using namespace tramonta::test;

namespace {

class CliImportLibreOffice : public TestCli {
  protected:
    void SetUp() override {
        TestCli::SetUp();
        if (std::system("command -v soffice >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "LibreOffice absent";
        // A profile of its own, in French: dates day first, decimal comma.
        std::filesystem::create_directories(dossier_ / "profil" / "user");
        std::ofstream(dossier_ / "profil" / "user" / "registrymodifications.xcu")
            << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
               "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
               "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
               "<item oor:path=\"/org.openoffice.Setup/L10N\"><prop oor:name=\"ooSetupSystemLocale\" "
               "oor:op=\"fuse\"><value>fr-FR</value></prop></item>\n"
               "<item oor:path=\"/org.openoffice.Setup/L10N\"><prop oor:name=\"ooLocale\" "
               "oor:op=\"fuse\"><value>fr-FR</value></prop></item>\n"
               "</oor:items>\n";
    }

    // soffice --convert-to in the test's folder; true when the file came out.
    bool Convertir(const std::string& source, const std::string& format, const std::string& filtreEntree,
                   const std::string& sortie) {
        const std::filesystem::path dossierSortie = dossier_ / ("sortie-" + sortie);
        std::string commande = "HOME=" + Q(dossier_.string()) + " soffice --headless --norestore " +
                               Q("-env:UserInstallation=file://" + (dossier_ / "profil").string()) +
                               " --convert-to " + Q(format) + " --outdir " + Q(dossierSortie.string());
        if (!filtreEntree.empty())
            commande += " --infilter=" + Q(filtreEntree);
        commande += " " + Q(Chemin(source)) + " >/dev/null 2>&1";
        if (std::system(commande.c_str()) != 0)
            return false;
        std::error_code ec;
        for (const auto& f : std::filesystem::directory_iterator(dossierSortie, ec)) {
            std::filesystem::rename(f.path(), Chemin(sortie), ec);
            return !ec;
        }
        return false;
    }

    nlohmann::json Adherents(const std::string& document) {
        const SortieCli d = Lancer({"dump", Chemin(document)});
        EXPECT_EQ(d.code, 0) << d.err;
        return nlohmann::json::parse(d.out)["Adherents"];
    }
};

TEST_F(CliImportLibreOffice, UnFichierRepasseParCalcRevientAuxMemesAdherents) {
    {
        TExercice e;
        for (int n = 0; n < 3; ++n) {
            auto a = std::make_unique<TAdherent>(&e.Adherents());
            a->SetNom("D'ÉSQUERRÉ; \"le Grand\" " + std::to_string(n));
            a->SetPrenom("Zoé\nMarie-Ève");
            a->SetSexe(n % 2 ? "F" : "M");
            a->SetDateNaissance(EncodeDate(2009 + n, 12, 4));
            a->SetLieuNaissance("Saint-Jean-de-Luz");
            a->SetAdresse("1 rue des Dunes\r\nBât. « B »; esc. 2");
            a->SetCodePostal(64200);
            a->SetVille("Biarritz");
            a->SetTel1("05 59 24 00 0" + std::to_string(n));
            a->SetNumeroLicence("FFS-26-4010" + std::to_string(n));
            a->SetDateDelivrance(EncodeDate(2026, 9, 1 + n));
            a->SetCertificatMedical(true);
            a->SetLicenceCompet(n == 1);
            a->SetClassement(12 + n);
            a->SetMontantLicence(1234.56);
            a->SetCautionCombinaison(150);
            a->SetLocationCombinaison(30.25);
            a->SetForfaitLecon(0.1);
            a->SetComplement("Planche \"longboard\"");
            a->SetInformationsComplementaires("Allergie; pollen\r\n\r\nPrévenir la mère…");
            e.Adherents().Add(std::move(a));
        }
        ASSERT_TRUE(e.SaveToFile(Chemin("source.trm")));
    }
    SortieCli s = Lancer({"export", "adherents", Chemin("source.trm"), Chemin("export.csv")});
    ASSERT_EQ(s.code, 0) << s.err;
    // Read as Calc reads a French file: ";", UTF-8, French formats.
    ASSERT_TRUE(Convertir("export.csv", "ods", "CSV:59,34,76,1,,1036", "classeur.ods"));
    // Calc's own CSV: "," and the Windows character set.
    ASSERT_TRUE(Convertir("classeur.ods", "csv", "", "calc.csv"));
    // The same saved as UTF-8 with ";", the values rather than what the
    // cells show: short dates, two-digit years.
    ASSERT_TRUE(Convertir("classeur.ods", "csv:Text - txt - csv (StarCalc):59,34,76,1", "", "calc-utf8.csv"));

    // What the two files are, so that both ways of reading are gone through.
    TTableurLu lu;
    std::string erreur;
    ASSERT_TRUE(LireFichierTableur(Chemin("calc.csv"), lu, erreur)) << erreur;
    EXPECT_EQ(lu.separateur, ',');
    EXPECT_EQ(lu.encodage, EncodageTableur::Windows1252);
    ASSERT_TRUE(LireFichierTableur(Chemin("calc-utf8.csv"), lu, erreur)) << erreur;
    EXPECT_EQ(lu.separateur, ';');
    EXPECT_EQ(lu.encodage, EncodageTableur::Utf8);

    const nlohmann::json attendu = Adherents("source.trm");
    for (const char* csv : {"calc.csv", "calc-utf8.csv"}) {
        const std::string document = std::string(csv) + ".trm";
        ASSERT_TRUE(TExercice().SaveToFile(Chemin(document)));
        s = Lancer({"import", "adherents", Chemin(document), Chemin(csv)});
        ASSERT_EQ(s.code, 0) << csv << " : " << s.err;
        EXPECT_EQ(s.out, "Import terminé : 3 adhérents ajoutés, 0 ignoré.\n") << csv;
        EXPECT_EQ(Adherents(document), attendu) << csv << " :\n" << Lire(Chemin(csv));
    }
}

} // namespace
