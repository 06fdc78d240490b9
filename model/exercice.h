// SPDX-License-Identifier: GPL-3.0-or-later
// The document: everything the club records for one season, kept in one file.
#pragma once

#include "core/flux.h"
#include "core/modifie.h"
#include "model/adherent.h"
#include "model/agenda.h"
#include "model/compets.h"
#include "model/comptabilite.h"
#include "model/correspondant.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tramonta {

inline constexpr const char* kSignature = "SignatureTramonta";
inline constexpr int kVersionFichier = 5;

// What the user ticked for an import of another season's file.
struct TChoixImport {
    bool InfosGenerales = false;
    bool Adherents = false;
    bool Correspondants = false;
    bool ComptesCharge = false;
    bool ComptesProduit = false;
    bool Competitions = false;
    // Merge the lines of an account that both documents hold.
    bool Ecritures = false;
};

class TExercice : public TModifiedClass {
  public:
    TExercice();
    TExercice(const TExercice&) = delete;
    TExercice& operator=(const TExercice&) = delete;

    const std::string& Intitule() const { return intitule_; }
    const std::string& Commentaires() const { return commentaires_; }
    const std::string& MotPasse() const { return motPasse_; }
    bool Euro() const { return euro_; }
    void SetIntitule(const std::string& v) { Affecter(intitule_, v); }
    void SetCommentaires(const std::string& v) { Affecter(commentaires_, v); }
    // Takes the already scrambled text.
    void SetMotPasse(const std::string& v) { Affecter(motPasse_, v); }
    void SetEuro(bool v) { Affecter(euro_, v); }

    int NbSpecialites() const { return static_cast<int>(specialites_.size()); }
    std::string GetSpecialite(int index) const;
    bool ExisteSpecialite(const std::string& texte) const;
    int AjouterSpecialite(const std::string& texte);
    bool RenommerSpecialite(int index, const std::string& texte);
    bool SupprimerSpecialite(int index);

    TAdherents& Adherents() { return adherents_; }
    TComptabilite& Comptabilite() { return comptabilite_; }
    TCompets& Compets() { return compets_; }
    TCorrespondants& Correspondants() { return correspondants_; }
    TAgenda& Agenda() { return agenda_; }
    const TAdherents& Adherents() const { return adherents_; }
    const TComptabilite& Comptabilite() const { return comptabilite_; }
    const TCompets& Compets() const { return compets_; }
    const TCorrespondants& Correspondants() const { return correspondants_; }
    const TAgenda& Agenda() const { return agenda_; }

    // The scrambling hides the password from a casual look at the file; it is
    // not encryption. Byte i (from 1) of the Windows-1252 text moves by 20 + i.
    static std::string CoderMotPasse(const std::string& clair);
    static std::string DecoderMotPasse(const std::string& code);
    // The typed text as the file keeps it: a letter that Windows-1252 cannot
    // hold is stored as "?", so a typed password compares in that form.
    static std::string MotPasseStocke(const std::string& saisi);

    // Asks the password of a protected document through `demander`, which
    // gives the typed text or nothing when the user cancels. True when the
    // document is not protected or the exact password was typed (in the form
    // the file keeps it).
    bool VerifierMotPasse(const std::function<std::optional<std::string>()>& demander) const;

    // Merges the specialities, currency flag, bank identity and default
    // accounts of another document, reporting the specialities that exist.
    bool Importer(const TExercice& autre, std::vector<std::string>& rapport);

    // Merges what is chosen of another document: never overwrites nor
    // deletes, appends what is new and reports each duplicate. The accounts
    // come before the general information, so that imported default accounts
    // name accounts already here. The report ends with "Import terminé !".
    std::vector<std::string> ImporterDepuis(const TExercice& source, const TChoixImport& choix);

    void Clear();
    bool IsModified() const override;
    void Save(TWriter& w);
    void Load(TReader& r);
    // Writes what Save writes but leaves every modified flag as it was: a
    // recovery copy does not make the document look saved.
    void SaveCopie(TWriter& w) {
        TConservationDrapeaux conservation;
        Save(w);
    }

    // Report their failure in a message box ("Fichier inexistant !",
    // "Impossible de lire l'exercice !", "Impossible d'écrire l'exercice !").
    // A failed load leaves the document empty; a failed save leaves the file
    // that was there untouched.
    bool LoadFromFile(const std::string& chemin);
    bool SaveToFile(const std::string& chemin);

  private:
    std::string intitule_;
    std::string commentaires_;
    std::vector<std::string> specialites_;
    TComptabilite comptabilite_; // before the members: they take their postings out of it
    TAdherents adherents_;
    TCompets compets_;
    TCorrespondants correspondants_;
    std::string motPasse_;
    bool euro_ = true;
    TAgenda agenda_;
};

} // namespace tramonta
