// SPDX-License-Identifier: GPL-3.0-or-later
#include "outils_modele.h"

#include "core/tableur_lecture.h"
#include "model/import_tableur.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tramonta;
using namespace tramonta::test;

namespace {

using Textes = std::vector<std::string>;

TTableurLu Lire(const std::string& octets) {
    TTableurLu lu;
    std::string erreur;
    EXPECT_TRUE(LireTableur(octets, lu, erreur)) << erreur;
    return lu;
}

struct CasTitre {
    const char* titre;
    const char* cle;
};

class Titre : public testing::TestWithParam<CasTitre> {};

TEST_P(Titre, SeCompareSansCasseNiAccentsNiBlancsNiDeuxPoints) {
    EXPECT_EQ(CleTitre(GetParam().titre), GetParam().cle);
}

INSTANTIATE_TEST_SUITE_P(Table, Titre,
                         testing::Values(CasTitre{"NOM", "nom"}, CasTitre{"prenom", "prenom"},
                                         CasTitre{"Prénom :", "prenom"}, CasTitre{"PRÉNOM:", "prenom"},
                                         CasTitre{"  Date   de\tnaissance ", "date de naissance"},
                                         CasTitre{"\u00A0Ville\u00A0:\u00A0", "ville"},
                                         CasTitre{"Tél. 1", "tel. 1"}, CasTitre{"", ""},
                                         CasTitre{" : ", ""}));

TEST(AnalyseTitres, PlaceChaqueColonneEtListeCellesQuIlNePlacePas) {
    const TTableurLu lu = Lire("NOM;prenom;Pointure;Date de naissance :;Nom;;Ville\n"
                               "DURAND;Jean;42;01/02/2003;X;;Seignosse\n");
    TApercuImport apercu;
    std::string erreur;
    ASSERT_TRUE(AnalyserTitres(lu, apercu, erreur)) << erreur;
    std::vector<std::string> champs;
    for (const TColonneImport& c : apercu.colonnes)
        champs.push_back(c.colonne < 0 ? "-" : c.champ);
    // A second "Nom" would overwrite the first: it is ignored and said.
    EXPECT_EQ(champs, (Textes{"Nom", "Prénom", "-", "Date de naissance", "-", "-", "Ville"}));
    EXPECT_EQ(apercu.colonnes[2].titre, "Pointure");
    EXPECT_EQ(apercu.titresIgnores, (Textes{"Pointure", "Nom"}));
    EXPECT_EQ(apercu.nombreLignes, 1u);
    ASSERT_EQ(apercu.premieresLignes.size(), 1u);
    EXPECT_EQ(apercu.premieresLignes[0].numero, 2);
}

TEST(AnalyseTitres, ListeAuPlusVingtTitresChacunCoupe) {
    Textes titres;
    for (int i = 1; i <= 25; ++i)
        titres.push_back("T" + std::to_string(i));
    titres[0] = std::string(100, 'x');
    const std::string liste = ListeTitres(titres);
    EXPECT_TRUE(liste.starts_with("« " + std::string(60, 'x') + "… », « T2 », ")) << liste;
    EXPECT_TRUE(liste.ends_with("« T20 » … et 5 autres")) << liste;
    EXPECT_EQ(ListeTitres({"A", "B"}), "« A », « B »");
}

TEST(AnalyseTitres, ReconnaitLesTitresUsuelsDesAutresFichiers) {
    const TTableurLu lu = Lire("Nom de famille;Prénoms;Né(e) le;CP;Commune;Téléphone;Portable;"
                               "Numéro de licence;Observations\n");
    TApercuImport apercu;
    std::string erreur;
    ASSERT_TRUE(AnalyserTitres(lu, apercu, erreur)) << erreur;
    std::vector<std::string> champs;
    for (const TColonneImport& c : apercu.colonnes)
        champs.push_back(c.champ);
    EXPECT_EQ(champs, (Textes{"Nom", "Prénom", "Date de naissance", "Code postal", "Ville", "Tél. 1",
                              "Tél. 2", "N° licence", "Informations complémentaires"}));
}

TEST(AnalyseTitres, NeGardeQueLesPremieresLignesPourLApercu) {
    std::string csv = "Nom\n";
    for (int i = 0; i < 30; ++i)
        csv += "N" + std::to_string(i) + "\n";
    TApercuImport apercu;
    std::string erreur;
    ASSERT_TRUE(AnalyserTitres(Lire(csv), apercu, erreur));
    EXPECT_EQ(apercu.nombreLignes, 30u);
    ASSERT_EQ(apercu.premieresLignes.size(), TApercuImport::kLignesApercu);
    EXPECT_EQ(apercu.premieresLignes.back().champs, Textes{"N19"});
}

// --- The bad files ----------------------------------------------------------------

struct CasFichier {
    const char* nom;
    std::string octets;
    // The reader's error, when the file cannot even be read.
    const char* erreurLecture;
    bool reussi;
    int ajoutes;
    int ignores;
    Textes rapport;
    Textes noms; // "NOM Prénom" of the members after the import
    TFormeTexte forme = TFormeTexte::Refuser;
};

void PrintTo(const CasFichier& c, std::ostream* os) {
    *os << c.nom;
}

class FichierImporte : public testing::TestWithParam<CasFichier> {};

TEST_P(FichierImporte, DonneLeRapportEtLesAdherentsAttendus) {
    const CasFichier& cas = GetParam();
    TExercice e;
    auto existant = std::make_unique<TAdherent>(&e.Adherents());
    existant->SetNom("MARTIN");
    existant->SetPrenom("Léa");
    e.Adherents().Add(std::move(existant));
    OctetsDuDocument(e); // as if saved: nothing is modified
    ASSERT_FALSE(e.Adherents().IsModified());

    TTableurLu lu;
    std::string erreur;
    const bool lisible = LireTableur(cas.octets, lu, erreur);
    if (cas.erreurLecture) {
        EXPECT_FALSE(lisible);
        EXPECT_EQ(erreur, cas.erreurLecture);
        return;
    }
    ASSERT_TRUE(lisible) << erreur;
    const TRapportImport r = ImporterAdherents(e.Adherents(), lu, cas.forme);
    EXPECT_EQ(r.reussi, cas.reussi);
    EXPECT_EQ(r.ajoutes, cas.ajoutes);
    EXPECT_EQ(r.ignores, cas.ignores);
    EXPECT_EQ(r.lignes, cas.rapport);
    const auto noms = [&] {
        Textes n;
        for (int i = 0; i < e.Adherents().Count(); ++i)
            n.push_back(e.Adherents().Adherent(i)->Nom() + " " + e.Adherents().Adherent(i)->Prenom());
        return n;
    };
    EXPECT_EQ(noms(), cas.noms);
    EXPECT_EQ(e.Adherents().IsModified(), cas.ajoutes > 0);
    // Saved and read back, every text is the one that was imported: none
    // changes silently at the save.
    Charger(e, OctetsDuDocument(e));
    EXPECT_EQ(noms(), cas.noms);
}

// The texts of a file that the season file cannot hold: where they are, and
// what they would become.
const char* const kNonEnregistrables = "Nom;Prénom;Ville;Date de naissance\n"
                                       "KOWALSKI;Łukasz;Paris;01/02/2003\u202F\n"
                                       "Nguyễn;Văn;Hanoï\u202FCentre;\n"
                                       "DURAND;Jean;Ł;\n"
                                       "KOWALSKI;Lukasz;;\n";

const char* const kSansTitres = "Le fichier est vide : sa première ligne doit donner les titres des colonnes "
                                "(« Nom », « Prénom », …).";

INSTANTIATE_TEST_SUITE_P(
    Table, FichierImporte,
    testing::Values(
        CasFichier{"vide", "", nullptr, false, 0, 0, {kSansTitres}, {"MARTIN Léa"}},
        CasFichier{
            "lignes_blanches_seules", "\r\n;;\r\n\r\n", nullptr, false, 0, 0, {kSansTitres}, {"MARTIN Léa"}},
        // Data where the titles should be: no title is known.
        CasFichier{
            "sans_ligne_de_titres",
            "DURAND;Jean;M\nDUPONT;Paul;M\n",
            nullptr,
            false,
            0,
            0,
            {"Aucun titre de la première ligne n'est celui d'un champ d'adhérent (« DURAND », « Jean », "
             "« M ») : la première ligne doit donner les titres des colonnes (« Nom », « Prénom », …)."},
            {"MARTIN Léa"}},
        CasFichier{
            "titres_inconnus",
            "Pointure;Couleur\n42;bleu\n",
            nullptr,
            false,
            0,
            0,
            {"Aucun titre de la première ligne n'est celui d'un champ d'adhérent (« Pointure », "
             "« Couleur ») : la première ligne doit donner les titres des colonnes (« Nom », « Prénom », "
             "…)."},
            {"MARTIN Léa"}},
        CasFichier{"sans_colonne_nom",
                   "Prénom;Ville\nJean;Hossegor\n",
                   nullptr,
                   false,
                   0,
                   0,
                   {"Le fichier ne contient pas de colonne « Nom »."},
                   {"MARTIN Léa"}},
        CasFichier{"ligne_coupee",
                   "Nom;Prénom\nDURAND;Jean\nDUPONT;\"Paul\n",
                   "Le fichier s'arrête au milieu d'un champ entre guillemets commencé à la ligne 3.",
                   false,
                   0,
                   0,
                   {},
                   {}},
        CasFichier{
            "date_illisible",
            "Nom;Prénom;Date de naissance\nDURAND;Jean;31/02/2009\nDUPONT;Paul;14/07/2010\n",
            nullptr,
            true,
            2,
            0,
            {"Ligne 2 : « 31/02/2009 » illisible dans la colonne « Date de naissance », champ non importé.",
             "Import terminé : 2 adhérents ajoutés, 0 ignoré."},
            {"MARTIN Léa", "DURAND Jean", "DUPONT Paul"}},
        CasFichier{"montant_illisible",
                   "Nom;Prénom;Montant licence\r\nDURAND;Jean;trente\r\n",
                   nullptr,
                   true,
                   1,
                   0,
                   {"Ligne 2 : « trente » illisible dans la colonne « Montant licence », champ non importé.",
                    "Import terminé : 1 adhérent ajouté, 0 ignoré."},
                   {"MARTIN Léa", "DURAND Jean"}},
        CasFichier{"windows_1252",
                   "Nom;Pr\xE9nom;Ville\r\nDURAND;\xC9lodie;Saint-P\xE9"
                   "e\r\n",
                   nullptr,
                   true,
                   1,
                   0,
                   {"Import terminé : 1 adhérent ajouté, 0 ignoré."},
                   {"MARTIN Léa", "DURAND Élodie"}},
        CasFichier{"virgule_et_marque",
                   "\xEF\xBB\xBFnom,prénom\nDURAND,Élodie\n",
                   nullptr,
                   true,
                   1,
                   0,
                   {"Import terminé : 1 adhérent ajouté, 0 ignoré."},
                   {"MARTIN Léa", "DURAND Élodie"}},
        CasFichier{"fins_de_ligne_cr",
                   "Nom;Prénom\rDURAND;Jean\rDUPONT;Paul\r",
                   nullptr,
                   true,
                   2,
                   0,
                   {"Import terminé : 2 adhérents ajoutés, 0 ignoré."},
                   {"MARTIN Léa", "DURAND Jean", "DUPONT Paul"}},
        // Already in the season, twice in the file, or without a name.
        CasFichier{"doublons_et_sans_nom",
                   "Nom;Prénom\nMARTIN;Léa\nDURAND;Jean\n;Paul\nDurand;Jean\nDURAND;Jeanne\n",
                   nullptr,
                   true,
                   2,
                   3,
                   {"Ligne 2 : impossible d'importer l'adhérent \"MARTIN Léa\" ! Cet adhérent existe déjà.",
                    "Ligne 4 : adhérent sans nom, ligne ignorée.",
                    "Ligne 5 : impossible d'importer l'adhérent \"Durand Jean\" ! Cet adhérent existe déjà.",
                    "Import terminé : 2 adhérents ajoutés, 3 ignorés."},
                   {"MARTIN Léa", "DURAND Jean", "DURAND Jeanne"}},
        // The season import's comparison: a-z fold, accented letters must match.
        CasFichier{"casse_des_doublons",
                   "Nom;Prénom\nmartin;LéA\nMARTIN;LÉA\n",
                   nullptr,
                   true,
                   1,
                   1,
                   {"Ligne 2 : impossible d'importer l'adhérent \"martin LéA\" ! Cet adhérent existe déjà.",
                    "Import terminé : 1 adhérent ajouté, 1 ignoré."},
                   {"MARTIN Léa", "MARTIN LÉA"}},
        // Nothing is added before the user took the nearest forms; a date
        // is read, not stored as a text.
        CasFichier{"caracteres_non_enregistrables_refuses",
                   kNonEnregistrables,
                   nullptr,
                   false,
                   0,
                   0,
                   {"Ligne 2, colonne « Prénom » : « Ł » ne peut pas être enregistré.",
                    "Ligne 3, colonne « Nom » : « ễ » ne peut pas être enregistré.",
                    "Ligne 3, colonne « Prénom » : « ă » ne peut pas être enregistré.",
                    "Ligne 3, colonne « Ville » : « \u202F » ne peut pas être enregistré.",
                    "Ligne 4, colonne « Ville » : « Ł » ne peut pas être enregistré.",
                    "Aucun adhérent n'a été importé : la saison ne peut enregistrer que les caractères de "
                    "Windows-1252."},
                   {"MARTIN Léa"}},
        // Each replacement is said, and two people who become the same are
        // reported as such rather than merged.
        CasFichier{
            "caracteres_non_enregistrables_sous_la_forme_proche",
            kNonEnregistrables,
            nullptr,
            true,
            3,
            1,
            {"Ligne 2, colonne « Prénom » : « Łukasz » enregistré sous la forme « Lukasz ».",
             "Ligne 3, colonne « Nom » : « Nguyễn » enregistré sous la forme « Nguyen ».",
             "Ligne 3, colonne « Prénom » : « Văn » enregistré sous la forme « Van ».",
             "Ligne 3, colonne « Ville » : « Hanoï\u202FCentre » enregistré sous la forme « Hanoï Centre ».",
             "Ligne 4, colonne « Ville » : « Ł » enregistré sous la forme « L ».",
             "Ligne 5 : impossible d'importer l'adhérent \"KOWALSKI Lukasz\" ! Cet adhérent existe déjà.",
             "Import terminé : 3 adhérents ajoutés, 1 ignoré."},
            {"MARTIN Léa", "KOWALSKI Lukasz", "Nguyen Van", "DURAND Jean"},
            TFormeTexte::FormeProche},
        // The apostrophe that an export puts before a formula sign comes off,
        // and only there.
        CasFichier{"apostrophe_des_formules_retiree",
                   "Nom;Prénom\n'=1+1;''=x\n'-Dupont;'Ami\n",
                   nullptr,
                   true,
                   2,
                   0,
                   {"Import terminé : 2 adhérents ajoutés, 0 ignoré."},
                   {"MARTIN Léa", "=1+1 '=x", "-Dupont 'Ami"}},
        // The message names at most 20 of the titles.
        CasFichier{
            "trente_titres_inconnus",
            [] {
                std::string titres;
                for (int i = 1; i <= 30; ++i)
                    titres += (i > 1 ? ";T" : "T") + std::to_string(i);
                return titres + "\n";
            }(),
            nullptr,
            false,
            0,
            0,
            {"Aucun titre de la première ligne n'est celui d'un champ d'adhérent (« T1 », « T2 », « T3 », "
             "« T4 », « T5 », « T6 », « T7 », « T8 », « T9 », « T10 », « T11 », « T12 », « T13 », "
             "« T14 », « T15 », « T16 », « T17 », « T18 », « T19 », « T20 » … et 10 autres) : la "
             "première ligne doit donner les titres des colonnes (« Nom », « Prénom », …)."},
            {"MARTIN Léa"}},
        // Only titles: nothing to add, which is no error.
        CasFichier{"titres_seuls",
                   "Nom;Prénom\n",
                   nullptr,
                   true,
                   0,
                   0,
                   {"Import terminé : 0 adhérent ajouté, 0 ignoré."},
                   {"MARTIN Léa"}}),
    [](const testing::TestParamInfo<CasFichier>& info) { return std::string(info.param.nom); });

TEST(ImportTableur, UnChampIllisibleLaisseLaValeurDUnNouvelAdherent) {
    TAdherents adherents;
    const TRapportImport r =
        ImporterAdherents(adherents, Lire("Nom;Date de naissance;Ville\nDURAND;hier;Hossegor\n"));
    ASSERT_EQ(r.ajoutes, 1);
    const TAdherent* a = adherents.Adherent(0);
    EXPECT_EQ(a->DateNaissance(), 0.0);
    EXPECT_EQ(a->Ville(), "Hossegor");
}

TEST(ImportTableur, UneAnneeSurDeuxChiffresSeLitCommeLeTableurLAffichait) {
    TAdherents adherents;
    const TRapportImport r = ImporterAdherents(adherents, Lire("Nom;Date de naissance;Date de délivrance\n"
                                                               "A;04/12/68;01/09/26\n"
                                                               "B;4/1/29;1/9/30\n"
                                                               "C;04/12/6;04/12/689\n"));
    EXPECT_EQ(adherents.Adherent(0)->DateNaissance(), EncodeDate(1968, 12, 4));
    EXPECT_EQ(adherents.Adherent(0)->DateDelivrance(), EncodeDate(2026, 9, 1));
    EXPECT_EQ(adherents.Adherent(1)->DateNaissance(), EncodeDate(2029, 1, 4));
    EXPECT_EQ(adherents.Adherent(1)->DateDelivrance(), EncodeDate(1930, 9, 1));
    // One digit or three are no year.
    EXPECT_EQ(r.lignes,
              (Textes{"Ligne 4 : « 04/12/6 » illisible dans la colonne « Date de naissance », champ non "
                      "importé.",
                      "Ligne 4 : « 04/12/689 » illisible dans la colonne « Date de délivrance », champ "
                      "non importé.",
                      "Import terminé : 3 adhérents ajoutés, 0 ignoré."}));
}

TEST(ImportTableur, LesAdherentsArriventSansEcrituresEnCompta) {
    // Whatever the file says of them, the members come without ledger lines.
    const TTableurLu lu = Lire("Nom;Montant licence;Licence en compta\nDURAND;45,50;Oui\n");
    TApercuImport apercu;
    std::string erreur;
    ASSERT_TRUE(AnalyserTitres(lu, apercu, erreur));
    EXPECT_EQ(apercu.titresIgnores, Textes{"Licence en compta"});
    TAdherents adherents;
    ASSERT_EQ(ImporterAdherents(adherents, lu).ajoutes, 1);
    EXPECT_EQ(adherents.Adherent(0)->MontantLicence(), 45.5);
    for (const Enregistrement g : kEnregistrements)
        EXPECT_FALSE(adherents.Adherent(0)->EnCompta(g));
}

TEST(ImportTableur, LaCategorieCalculeeEstConnueMaisPasLue) {
    const TTableurLu lu = Lire("Nom;Catégorie;Date de naissance\nDURAND;Open;14/03/2015\n");
    TApercuImport apercu;
    std::string erreur;
    ASSERT_TRUE(AnalyserTitres(lu, apercu, erreur));
    EXPECT_TRUE(apercu.colonnes[1].calculee);
    EXPECT_EQ(apercu.colonnes[1].colonne, -1);
    EXPECT_EQ(apercu.titresIgnores, Textes{});
    TAdherents adherents;
    const TRapportImport r = ImporterAdherents(adherents, lu);
    EXPECT_EQ(r.lignes, Textes{"Import terminé : 1 adhérent ajouté, 0 ignoré."});
    EXPECT_EQ(adherents.Adherent(0)->DateNaissance(), EncodeDate(2015, 3, 14));
}

TEST(ImportTableur, ResumeAuSingulierEtAuPluriel) {
    TRapportImport r;
    EXPECT_EQ(ResumeImport(r), "0 adhérent ajouté, 0 ignoré");
    r.ajoutes = 12;
    r.ignores = 2;
    EXPECT_EQ(ResumeImport(r), "12 adhérents ajoutés, 2 ignorés");
    r.ajoutes = 1;
    r.ignores = 1;
    EXPECT_EQ(ResumeImport(r), "1 adhérent ajouté, 1 ignoré");
}

} // namespace
