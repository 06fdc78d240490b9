// SPDX-License-Identifier: GPL-3.0-or-later
// An exported file opened by LibreOffice Calc, as a French officer's
// spreadsheet opens it: converted headless to ODS and read back, the dates
// must be dates and the amounts numbers.
#include "outils_cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

using namespace tramonta::test;
namespace fs = std::filesystem;

namespace {

std::string Sortie(const std::string& commande) {
    std::string texte;
    if (FILE* f = ::popen(commande.c_str(), "r")) {
        char tampon[4096];
        std::size_t n;
        while ((n = std::fread(tampon, 1, sizeof tampon, f)) > 0)
            texte.append(tampon, n);
        ::pclose(f);
    }
    return texte;
}

std::string Soffice() {
    for (const char* nom : {"soffice", "libreoffice"}) {
        const std::string chemin = Sortie(std::string("command -v ") + nom + " 2>/dev/null");
        if (!chemin.empty())
            return chemin.substr(0, chemin.find('\n'));
    }
    return {};
}

// The cells of a sheet's content.xml, each as its opening tag and its text
// (the paragraphs joined by "\n"), row after row, a repeated cell as many
// times as it stands for.
struct Cellule {
    std::string balise;
    std::string texte;
};

std::vector<std::vector<Cellule>> Lignes(const std::string& xml) {
    std::vector<std::vector<Cellule>> lignes;
    static const std::regex ligne(R"(<table:table-row[^>]*>(.*?)</table:table-row>)");
    static const std::regex cellule(
        R"((<table:table-cell[^>]*/>)|(<table:table-cell[^>]*>)(.*?)</table:table-cell>)");
    static const std::regex paragraphe(R"(<text:p>(.*?)</text:p>)");
    for (auto l = std::sregex_iterator(xml.begin(), xml.end(), ligne); l != std::sregex_iterator(); ++l) {
        const std::string contenu = (*l)[1];
        std::vector<Cellule> cellules;
        for (auto c = std::sregex_iterator(contenu.begin(), contenu.end(), cellule);
             c != std::sregex_iterator(); ++c) {
            Cellule x;
            x.balise = (*c)[1].matched ? (*c)[1].str() : (*c)[2].str();
            const std::string interieur = (*c)[3];
            for (auto p = std::sregex_iterator(interieur.begin(), interieur.end(), paragraphe);
                 p != std::sregex_iterator(); ++p)
                x.texte += (x.texte.empty() ? "" : "\n") + (*p)[1].str();
            static const std::regex repete(R"re(table:number-columns-repeated="([0-9]+)")re");
            std::smatch m;
            const int fois = std::regex_search(x.balise, m, repete) ? std::stoi(m[1]) : 1;
            cellules.insert(cellules.end(), static_cast<std::size_t>(std::min(fois, 1024)), x);
        }
        lignes.push_back(cellules);
    }
    return lignes;
}

// The cell under a title of the first row, in the given row.
const Cellule* Sous(const std::vector<std::vector<Cellule>>& lignes, const std::string& titre,
                    std::size_t ligne) {
    if (lignes.empty() || ligne >= lignes.size())
        return nullptr;
    for (std::size_t i = 0; i < lignes[0].size(); ++i)
        if (lignes[0][i].texte == titre)
            return i < lignes[ligne].size() ? &lignes[ligne][i] : nullptr;
    return nullptr;
}

class ExportCalc : public TestCli {
  protected:
    // Calc opens the file as its CSV import would for a French user: ";",
    // '"' around texts, UTF-8, from the first line, standard columns, fr-FR.
    std::vector<std::vector<Cellule>> OuvrirDansCalc(const std::string& csv) {
        const std::string soffice = Soffice();
        const std::string profil = "file://" + Chemin("profil");
        const std::string commande = Q(soffice) + " -env:UserInstallation=" + Q(profil) +
                                     " --headless --convert-to ods --infilter=" + Q("CSV:59,34,76,1,,1036") +
                                     " --outdir " + Q(Chemin("ods")) + " " + Q(Chemin(csv)) +
                                     " >/dev/null 2>&1";
        EXPECT_EQ(std::system(commande.c_str()), 0) << commande;
        const std::string ods = Chemin("ods/" + fs::path(csv).stem().string() + ".ods");
        EXPECT_TRUE(fs::exists(ods)) << ods;
        return Lignes(Sortie("unzip -p " + Q(ods) + " content.xml"));
    }
};

TEST_F(ExportCalc, DatesEtMontantsSontDesDatesEtDesNombresDansCalc) {
    if (Soffice().empty())
        GTEST_SKIP() << "LibreOffice (soffice) n'est pas installé";
    if (Sortie("command -v unzip").empty())
        GTEST_SKIP() << "unzip n'est pas installé";
    const std::string source = R"json({
      "Adherents": [
        {"Nom": "Le Gall; dit \"Vague\"", "Prenom": "Hélène", "Sexe": "F", "DateNaissance": 40275.0,
         "MontantLicence": 45.5, "CautionCombinaison": 1234567.89, "CertificatMedical": true,
         "Adresse": "1 rue du Port\r\nBâtiment B"},
        {"Nom": "Martin", "Prenom": "Paul"}]
    })json";
    std::ofstream(Chemin("saison.json"), std::ios::binary) << source;
    ASSERT_EQ(Lancer({"create", Chemin("saison.json"), Chemin("saison.trm")}).code, 0);
    const SortieCli r = Lancer({"export", "adherents", Chemin("saison.trm"), Chemin("adherents.csv")});
    ASSERT_EQ(r.code, 0) << r.err;

    const auto lignes = OuvrirDansCalc("adherents.csv");
    ASSERT_EQ(lignes.size(), 3u);
    // The titles, accents and all, each in its own column.
    EXPECT_EQ(lignes[0][0].texte, "Nom");
    EXPECT_EQ(lignes[0][1].texte, "Prénom");

    const Cellule* nom = Sous(lignes, "Nom", 1);
    ASSERT_NE(nom, nullptr);
    EXPECT_EQ(nom->texte, "Le Gall; dit &quot;Vague&quot;");
    const Cellule* adresse = Sous(lignes, "Adresse", 1);
    ASSERT_NE(adresse, nullptr);
    EXPECT_EQ(adresse->texte, "1 rue du Port\nBâtiment B");

    const Cellule* naissance = Sous(lignes, "Date de naissance", 1);
    ASSERT_NE(naissance, nullptr);
    EXPECT_NE(naissance->balise.find("office:value-type=\"date\""), std::string::npos) << naissance->balise;
    EXPECT_NE(naissance->balise.find("office:date-value=\"2010-04-07\""), std::string::npos)
        << naissance->balise;

    const Cellule* licence = Sous(lignes, "Montant licence", 1);
    ASSERT_NE(licence, nullptr);
    EXPECT_NE(licence->balise.find("office:value-type=\"float\""), std::string::npos) << licence->balise;
    EXPECT_NE(licence->balise.find("office:value=\"45.5\""), std::string::npos) << licence->balise;
    const Cellule* caution = Sous(lignes, "Caution combinaison", 1);
    ASSERT_NE(caution, nullptr);
    EXPECT_NE(caution->balise.find("office:value=\"1234567.89\""), std::string::npos) << caution->balise;

    const Cellule* certificat = Sous(lignes, "Certificat médical", 1);
    ASSERT_NE(certificat, nullptr);
    EXPECT_EQ(certificat->texte, "Oui");
    // The second member has no birth date: the cell stays empty, not 1899.
    const Cellule* sansDate = Sous(lignes, "Date de naissance", 2);
    ASSERT_NE(sansDate, nullptr);
    EXPECT_EQ(sansDate->balise.find("office:value-type"), std::string::npos) << sansDate->balise;
}

} // namespace
