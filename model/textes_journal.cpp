// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/textes_journal.h"

#include "core/texte.h"
#include "model/adherent.h"
#include "model/compets.h"
#include "model/correspondant.h"
#include "model/import_tableur.h"

namespace tramonta {

namespace {

// The act that opens the line, in the order of TActeJournal; the record's
// noun follows with its article.
std::string Acte(TActeJournal acte) {
    static constexpr const char* kActes[] = {"Ajout ", "Modification ", "Suppression "};
    return kActes[static_cast<int>(acte)];
}

std::string Cite(const std::string& nom) {
    return "\"" + nom + "\"";
}

std::string Compte(std::size_t n, const char* singulier) {
    return std::to_string(n) + " " + singulier + (n > 1 ? "s" : "");
}

} // namespace

std::string TexteJournal(TActeJournal acte, const TAdherent& adherent) {
    return Acte(acte) + "de l'adhérent " + Cite(adherent.Nom() + " " + adherent.Prenom());
}

std::string TexteJournal(TActeJournal acte, const TCorrespondant& correspondant) {
    return Acte(acte) + "du correspondant " + Cite(correspondant.Nom());
}

std::string TexteJournal(TActeJournal acte, const TCompet& compet) {
    return Acte(acte) + "de la compétition " + Cite(compet.Intitule());
}

std::string TexteJournal(TActeJournal acte, const TCompte& compte, TComptabilite::Liste liste) {
    const char* genre = liste == TComptabilite::Liste::Charges ? "charge" : "produit";
    return Acte(acte) + "du compte " + genre + " " + Cite(compte.Article());
}

std::string TexteJournalExportAdherents(const std::string& chemin, std::size_t nombre) {
    return Formater("Export des adhérents vers le fichier \"%s\" (%s)", {chemin, Compte(nombre, "adhérent")});
}

std::string TexteJournalExportCorrespondants(const std::string& chemin, std::size_t nombre) {
    return Formater("Export des correspondants vers le fichier \"%s\" (%s)",
                    {chemin, Compte(nombre, "correspondant")});
}

std::string TexteJournalExportEcritures(const std::string& chemin, std::size_t nombre) {
    return Formater("Export des écritures vers le fichier \"%s\" (%s)", {chemin, Compte(nombre, "écriture")});
}

std::string TexteJournalExportParticipants(const TCompet& compet, const std::string& chemin,
                                           std::size_t nombre) {
    return Formater("Export des participants de la compétition \"%s\" vers le fichier \"%s\" (%s)",
                    {compet.Intitule(), chemin, Compte(nombre, "participant")});
}

std::string TexteJournalImportCsv(const std::string& nomFichier, const TRapportImport& rapport) {
    return Formater("Import CSV de \"%s\" : %s", {nomFichier, ResumeImport(rapport)});
}

std::string TexteJournalPublipostage(const std::string& fichier) {
    return "Lancement d'un publipostage avec le fichier " + Cite(fichier);
}

std::string TexteJournalCreation() {
    return "Création";
}

std::string TexteJournalReprise(const std::string& intituleExercice) {
    return Formater("Reprise de l'exercice \"%s\"", {intituleExercice});
}

} // namespace tramonta
