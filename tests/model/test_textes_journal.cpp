// SPDX-License-Identifier: GPL-3.0-or-later
// The journal's lines, word for word: the officers read them back to know
// who did what, and older seasons hold the same words.
#include "model/exercice.h"
#include "model/import_tableur.h"
#include "model/textes_journal.h"

#include <gtest/gtest.h>

using namespace tramonta;

namespace {

TEST(TextesJournal, ChaqueActeSurChaqueEnregistrement) {
    TExercice e;
    TAdherent adherent(&e.Adherents());
    adherent.SetNom("Dupont");
    adherent.SetPrenom("Zoé");
    TCorrespondant correspondant(&e.Correspondants());
    correspondant.SetNom("Mairie d'Anglet");
    TCompet compet(&e.Compets());
    compet.SetIntitule("Coupe de Noël");
    TCompte compte(&e.Comptabilite());
    compte.SetArticle("613");
    using A = TActeJournal;
    using L = TComptabilite::Liste;
    const std::vector<std::pair<std::string, std::string>> cas{
        {TexteJournal(A::Ajout, adherent), "Ajout de l'adhérent \"Dupont Zoé\""},
        {TexteJournal(A::Modification, adherent), "Modification de l'adhérent \"Dupont Zoé\""},
        {TexteJournal(A::Suppression, adherent), "Suppression de l'adhérent \"Dupont Zoé\""},
        {TexteJournal(A::Ajout, correspondant), "Ajout du correspondant \"Mairie d'Anglet\""},
        {TexteJournal(A::Modification, correspondant), "Modification du correspondant \"Mairie d'Anglet\""},
        {TexteJournal(A::Suppression, correspondant), "Suppression du correspondant \"Mairie d'Anglet\""},
        {TexteJournal(A::Ajout, compet), "Ajout de la compétition \"Coupe de Noël\""},
        {TexteJournal(A::Modification, compet), "Modification de la compétition \"Coupe de Noël\""},
        {TexteJournal(A::Suppression, compet), "Suppression de la compétition \"Coupe de Noël\""},
        {TexteJournal(A::Ajout, compte, L::Charges), "Ajout du compte charge \"613\""},
        {TexteJournal(A::Modification, compte, L::Produits), "Modification du compte produit \"613\""},
        {TexteJournal(A::Suppression, compte, L::Charges), "Suppression du compte charge \"613\""},
        {TexteJournalExportAdherents("/tmp/Adhérents.csv", 12),
         "Export des adhérents vers le fichier \"/tmp/Adhérents.csv\" (12 adhérents)"},
        {TexteJournalExportAdherents("a.csv", 1),
         "Export des adhérents vers le fichier \"a.csv\" (1 adhérent)"},
        {TexteJournalExportCorrespondants("c.csv", 0),
         "Export des correspondants vers le fichier \"c.csv\" (0 correspondant)"},
        {TexteJournalExportEcritures("e.csv", 2),
         "Export des écritures vers le fichier \"e.csv\" (2 écritures)"},
        {TexteJournalExportParticipants(compet, "p.csv", 64),
         "Export des participants de la compétition \"Coupe de Noël\" vers le fichier \"p.csv\" (64 "
         "participants)"},
        {TexteJournalPublipostage("/lettres/relance.odt"),
         "Lancement d'un publipostage avec le fichier \"/lettres/relance.odt\""},
        {TexteJournalCreation(), "Création"},
        {TexteJournalReprise("Saison 2024"), "Reprise de l'exercice \"Saison 2024\""},
    };
    for (const auto& [fait, attendu] : cas)
        EXPECT_EQ(fait, attendu);
}

// A value that holds "%s" is written as it is, not taken for a place.
TEST(TextesJournal, LesValeursSontCopieesTellesQuelles) {
    TCompet compet(nullptr);
    compet.SetIntitule("Open 100%s");
    EXPECT_EQ(TexteJournalExportParticipants(compet, "%s.csv", 1),
              "Export des participants de la compétition \"Open 100%s\" vers le fichier \"%s.csv\" (1 "
              "participant)");
}

TEST(TextesJournal, LImportCsvResumeSonRapport) {
    TRapportImport rapport;
    rapport.ajoutes = 2;
    rapport.ignores = 1;
    EXPECT_EQ(TexteJournalImportCsv("club.csv", rapport),
              "Import CSV de \"club.csv\" : 2 adhérents ajoutés, 1 ignoré");
}

} // namespace
