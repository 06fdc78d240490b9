// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tableur_lecture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace tramonta;

namespace {

using Champs = std::vector<std::string>;

struct Ligne {
    int numero;
    Champs champs;
};

struct CasLecture {
    const char* nom;
    std::string octets;
    char separateur;
    EncodageTableur encodage;
    Champs titres;
    std::vector<Ligne> lignes;
};

void PrintTo(const CasLecture& c, std::ostream* os) {
    *os << c.nom;
}

class Lecture : public testing::TestWithParam<CasLecture> {};

TEST_P(Lecture, DonneLesChampsEtLesNumerosDeLigne) {
    const CasLecture& cas = GetParam();
    TTableurLu lu;
    std::string erreur;
    ASSERT_TRUE(LireTableur(cas.octets, lu, erreur)) << erreur;
    EXPECT_EQ(erreur, "");
    EXPECT_EQ(lu.separateur, cas.separateur);
    EXPECT_EQ(lu.encodage, cas.encodage);
    EXPECT_EQ(lu.titres.champs, cas.titres);
    ASSERT_EQ(lu.lignes.size(), cas.lignes.size());
    for (std::size_t i = 0; i < cas.lignes.size(); ++i) {
        EXPECT_EQ(lu.lignes[i].numero, cas.lignes[i].numero) << "ligne " << i;
        EXPECT_EQ(lu.lignes[i].champs, cas.lignes[i].champs) << "ligne " << i;
    }
}

const EncodageTableur kMarque = EncodageTableur::Utf8AvecMarque;
const EncodageTableur kUtf8 = EncodageTableur::Utf8;
const EncodageTableur kCp1252 = EncodageTableur::Windows1252;

INSTANTIATE_TEST_SUITE_P(
    Table, Lecture,
    testing::Values(CasLecture{"marque_point_virgule",
                               "\xEF\xBB\xBFNom;Prénom\r\nDurand;Élodie\r\n",
                               ';',
                               kMarque,
                               {"Nom", "Prénom"},
                               {{2, {"Durand", "Élodie"}}}},
                    CasLecture{"sans_marque",
                               "Nom;Prénom\nDurand;Élodie\n",
                               ';',
                               kUtf8,
                               {"Nom", "Prénom"},
                               {{2, {"Durand", "Élodie"}}}},
                    CasLecture{"windows_1252",
                               "Nom;Pr\xE9nom\r\nDurand;\xC9lodie\r\n",
                               ';',
                               kCp1252,
                               {"Nom", "Prénom"},
                               {{2, {"Durand", "Élodie"}}}},
                    CasLecture{"virgule",
                               "Nom,Prénom,Ville\nDurand,Jean,\"Hossegor; Landes\"\n",
                               ',',
                               kUtf8,
                               {"Nom", "Prénom", "Ville"},
                               {{2, {"Durand", "Jean", "Hossegor; Landes"}}}},
                    // One field either way: the tie goes to ";".
                    CasLecture{"egalite", "Nom\nDurand\n", ';', kUtf8, {"Nom"}, {{2, {"Durand"}}}},
                    CasLecture{"virgule_entre_guillemets_ne_compte_pas",
                               "\"Nom, prénom\";Ville\nDurand Jean;Seignosse\n",
                               ';',
                               kUtf8,
                               {"Nom, prénom", "Ville"},
                               {{2, {"Durand Jean", "Seignosse"}}}},
                    CasLecture{"fins_de_ligne_cr",
                               "Nom;Prénom\rDurand;Jean\rMartin;Paul",
                               ';',
                               kUtf8,
                               {"Nom", "Prénom"},
                               {{2, {"Durand", "Jean"}}, {3, {"Martin", "Paul"}}}},
                    CasLecture{"fins_de_ligne_melangees",
                               "Nom\r\nA\nB\rC",
                               ';',
                               kUtf8,
                               {"Nom"},
                               {{2, {"A"}}, {3, {"B"}}, {4, {"C"}}}},
                    CasLecture{"guillemets_doubles_et_separateur",
                               "Nom;Notes\n\"Le \"\"Grand\"\" Bleu\";\"a;b\"\n",
                               ';',
                               kUtf8,
                               {"Nom", "Notes"},
                               {{2, {"Le \"Grand\" Bleu", "a;b"}}}},
                    // A field over three lines: the next record begins on line 4.
                    CasLecture{"saut_de_ligne_dans_un_champ",
                               "Nom;Adresse\r\nDurand;\"1 rue\r\nBât. B\nEsc. 2\"\r\nMartin;\"\"\r\n",
                               ';',
                               kUtf8,
                               {"Nom", "Adresse"},
                               {{2, {"Durand", "1 rue\r\nBât. B\nEsc. 2"}}, {5, {"Martin", ""}}}},
                    CasLecture{"lignes_vides_sautees",
                               "\r\nNom;Prénom\r\n\r\n;\r\n  \r\nDurand;Jean\r\n;;\r\n",
                               ';',
                               kUtf8,
                               {"Nom", "Prénom"},
                               {{6, {"Durand", "Jean"}}}},
                    CasLecture{"champs_vides_gardes",
                               "Nom;Prénom;Ville\n;Jean;\n",
                               ';',
                               kUtf8,
                               {"Nom", "Prénom", "Ville"},
                               {{2, {"", "Jean", ""}}}},
                    CasLecture{"annonce_du_separateur",
                               "sep=,\r\nNom,Prénom\r\nDurand,Jean\r\n",
                               ',',
                               kUtf8,
                               {"Nom", "Prénom"},
                               {{3, {"Durand", "Jean"}}}},
                    // An octet that is not UTF-8 behind a UTF-8 mark is still kept.
                    CasLecture{"marque_et_octet_egare",
                               "\xEF\xBB\xBFNom\n\xC9lodie\n",
                               ';',
                               kMarque,
                               {"Nom"},
                               {{2, {"Élodie"}}}},
                    // Without a mark too: one stray byte among UTF-8 letters is read
                    // as Windows-1252, the rest stays UTF-8.
                    CasLecture{"utf8_et_octet_egare",
                               "Nom;Prénom\nDurand;\xC9lodie\nNguyễn;Zoé\n",
                               ';',
                               kUtf8,
                               {"Nom", "Prénom"},
                               {{2, {"Durand", "Élodie"}}, {3, {"Nguyễn", "Zoé"}}}},
                    // As many stray bytes as sequences: Windows-1252 ("Ã©" is two letters).
                    CasLecture{"windows_1252_qui_ressemble_a_utf8",
                               "Nom\n\xC3\xA9t\xE9\n",
                               ';',
                               kCp1252,
                               {"Nom"},
                               {{2, {"Ã©té"}}}},
                    CasLecture{"texte_apres_le_guillemet_fermant",
                               "Nom;Ville\n\"Durand\" fils;Capbreton\n",
                               ';',
                               kUtf8,
                               {"Nom", "Ville"},
                               {{2, {"Durand fils", "Capbreton"}}}},
                    CasLecture{"tabulations",
                               "Nom\tPrénom\tVille\nDurand\tJean\t\"Hossegor; Landes\"\n",
                               '\t',
                               kUtf8,
                               {"Nom", "Prénom", "Ville"},
                               {{2, {"Durand", "Jean", "Hossegor; Landes"}}}},
                    // A spreadsheet's "Unicode text": UTF-16 in either byte order, tabs between fields.
                    CasLecture{"utf16_petit_boutiste",
                               std::string("\xFF\xFEN\0o\0m\0\t\0P\0r\0\xE9\0n\0o\0m\0\r\0\n\0"
                                           "D\0u\0r\0a\0n\0d\0\t\0\xC9\0l\0o\0d\0i\0e\0<\xD8\x04\xDF\r\0\n\0",
                                           60),
                               '\t',
                               EncodageTableur::Utf16,
                               {"Nom", "Prénom"},
                               {{2, {"Durand", "Élodie🌄"}}}},
                    CasLecture{"utf16_grand_boutiste",
                               std::string("\xFE\xFF\0N\0o\0m\0;\0V\0\n\0D\0;\0\xE9", 20),
                               ';',
                               EncodageTableur::Utf16,
                               {"Nom", "V"},
                               {{2, {"D", "é"}}}},
                    CasLecture{"vide", "", ';', kUtf8, {}, {}},
                    // A spreadsheet's empty rows: blank whatever the separator.
                    CasLecture{"separateurs_seuls", ";;\r\n;;\r\n", ';', kUtf8, {}, {}},
                    CasLecture{"marque_seule", "\xEF\xBB\xBF", ';', kMarque, {}, {}}),
    [](const testing::TestParamInfo<CasLecture>& info) { return std::string(info.param.nom); });

struct CasErreur {
    const char* nom;
    std::string octets;
    const char* erreur;
};

void PrintTo(const CasErreur& c, std::ostream* os) {
    *os << c.nom;
}

class ErreurLecture : public testing::TestWithParam<CasErreur> {};

TEST_P(ErreurLecture, EstSignalee) {
    TTableurLu lu;
    std::string erreur;
    EXPECT_FALSE(LireTableur(GetParam().octets, lu, erreur));
    EXPECT_EQ(erreur, GetParam().erreur);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ErreurLecture,
    testing::Values(
        // The quote opened on line 3 is never closed: that line is named.
        CasErreur{"coupe_dans_des_guillemets", "Nom;Notes\nDurand;ok\nMartin;\"début\nsuite\n",
                  "Le fichier s'arrête au milieu d'un champ entre guillemets commencé à la ligne 3."},
        CasErreur{"coupe_dans_les_titres", "\"Nom",
                  "Le fichier s'arrête au milieu d'un champ entre "
                  "guillemets commencé à la ligne 1."},
        CasErreur{"classeur_zip", std::string("PK\x03\x04\x14\x00", 6),
                  "Ce fichier est un classeur de tableur, pas un fichier CSV : enregistrez-le d'abord au "
                  "format CSV depuis le tableur."},
        CasErreur{"classeur_ancien", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1",
                  "Ce fichier est un classeur de tableur, pas un fichier CSV : enregistrez-le d'abord au "
                  "format CSV depuis le tableur."},
        // The limits, whatever the separator: a title row of a million
        // columns is refused at the 513th, which no separator trial hides.
        CasErreur{"trop_de_colonnes_point_virgule", "Nom" + std::string(512, ';') + "\nDurand\n",
                  "Ligne 1 : plus de 512 colonnes. Ce fichier n'est pas un tableau d'adhérents, ou il faut "
                  "d'abord en retirer les colonnes vides depuis le tableur."},
        CasErreur{"un_million_de_colonnes", std::string(1000000, ','),
                  "Ligne 1 : plus de 512 colonnes. Ce fichier n'est pas un tableau d'adhérents, ou il faut "
                  "d'abord en retirer les colonnes vides depuis le tableur."},
        CasErreur{"trop_de_colonnes_plus_loin", "Nom;Prénom\nDurand;Jean\n" + std::string(600, ';') + "\n",
                  "Ligne 3 : plus de 512 colonnes. Ce fichier n'est pas un tableau d'adhérents, ou il faut "
                  "d'abord en retirer les colonnes vides depuis le tableur."},
        CasErreur{"champ_trop_long", "Nom;Notes\nDurand;" + std::string(1024 * 1024 + 1, 'x') + "\n",
                  "Ligne 2 : un champ dépasse 1 Mio (1048576 octets). Ce fichier n'est pas un tableau "
                  "d'adhérents, ou un guillemet n'y est pas refermé."},
        CasErreur{"champ_entre_guillemets_trop_long",
                  "Nom;Notes\nDurand;\"" + std::string(1024 * 1024 + 1, '\n') + "\"\n",
                  "Ligne 2 : un champ dépasse 1 Mio (1048576 octets). Ce fichier n'est pas un tableau "
                  "d'adhérents, ou un guillemet n'y est pas refermé."}),
    [](const testing::TestParamInfo<CasErreur>& info) { return std::string(info.param.nom); });

TEST(LectureFichierTableur, LitLeDisqueEtSignaleUnFichierAbsent) {
    const auto dossier = std::filesystem::temp_directory_path() / "tramonta_tableur_lecture";
    std::filesystem::create_directories(dossier);
    const std::string chemin = (dossier / "adherents.csv").string();
    {
        std::ofstream f(chemin, std::ios::binary);
        f << "Nom;Prénom\r\nDurand;Jean\r\n";
    }
    TTableurLu lu;
    std::string erreur;
    ASSERT_TRUE(LireFichierTableur(chemin, lu, erreur)) << erreur;
    ASSERT_EQ(lu.lignes.size(), 1u);
    EXPECT_EQ(lu.lignes[0].champs, (Champs{"Durand", "Jean"}));

    const std::string absent = (dossier / "absent.csv").string();
    EXPECT_FALSE(LireFichierTableur(absent, lu, erreur));
    EXPECT_EQ(erreur, "Le fichier \"" + absent + "\" est introuvable.");
    EXPECT_FALSE(LireFichierTableur(dossier.string(), lu, erreur));
    EXPECT_EQ(erreur, "Impossible de lire le fichier \"" + dossier.string() + "\".");
    std::filesystem::remove_all(dossier);
}

} // namespace
