// SPDX-License-Identifier: GPL-3.0-or-later
// Members of the club for the season, with their age categories, licence
// kinds and the sums that the club charges them.
#pragma once

#include "core/dates.h"
#include "core/flux.h"
#include "core/modifie.h"
#include "model/champs.h"
#include "model/collection.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tramonta {

class TAdherents;
class TComptabilite;
struct TCriteresRequete;

#define TRAMONTA_CHAMPS_ADHERENT(X)                                                                          \
    X(std::string, Nom, "")                                                                                  \
    X(std::string, Prenom, "")                                                                               \
    X(std::string, Sexe, "M")                                                                                \
    X(TDateTime, DateNaissance, 0.0)                                                                         \
    X(std::string, LieuNaissance, "")                                                                        \
    X(std::string, Adresse, "")                                                                              \
    X(std::int32_t, CodePostal, 0)                                                                           \
    X(std::string, Ville, "")                                                                                \
    X(std::string, Tel1, "")                                                                                 \
    X(std::string, Tel2, "")                                                                                 \
    X(std::string, NumeroLicence, "")                                                                        \
    X(TDateTime, DateDelivrance, 0.0)                                                                        \
    X(bool, CertificatMedical, false)                                                                        \
    X(bool, LicenceCompet, false)                                                                            \
    X(std::int32_t, Classement, 0)                                                                           \
    X(bool, LicenceDirigeant, false)                                                                         \
    X(double, MontantLicence, 0.0)                                                                           \
    X(bool, LicenceEnCompta, false)                                                                          \
    X(std::string, ArticleLicence, "")                                                                       \
    X(double, CautionCombinaison, 0.0)                                                                       \
    X(double, LocationCombinaison, 0.0)                                                                      \
    X(double, ForfaitLecon, 0.0)                                                                             \
    X(std::string, Complement, "")                                                                           \
    X(bool, CautionEnCompta, false)                                                                          \
    X(std::string, ArticleCaution, "")                                                                       \
    X(bool, LocationEnCompta, false)                                                                         \
    X(std::string, ArticleLocation, "")                                                                      \
    X(bool, ForfaitEnCompta, false)                                                                          \
    X(std::string, ArticleForfait, "")                                                                       \
    X(std::string, InformationsComplementaires, "")

// The four sums that a member sheet can post into the ledger.
enum class Enregistrement { Licence, Caution, Location, Forfait };
inline constexpr std::array<Enregistrement, 4> kEnregistrements = {
    Enregistrement::Licence, Enregistrement::Caution, Enregistrement::Location, Enregistrement::Forfait};

// "Licence de %s %s" and its three twins, with the surname then the first name.
std::string LibelleEnregistrement(Enregistrement genre, const std::string& nom, const std::string& prenom);

// "Ondine", "Caneton", "Benjamin", "Minime", "Cadet", "Junior", "Open", in that order.
extern const std::array<const char*, 7> kCategories;
// "Dirigeant", "Compétition", "Loisir".
extern const std::array<const char*, 3> kTypesLicence;

// Only calendar years count, so every member changes category on 1 January.
// A birth year after the current one gives a negative age, to which the rules
// apply as they stand ("Ondine" for a girl, else "Caneton").
std::string CalculerCategorie(const std::string& sexe, TDateTime dateNaissance);

class TAdherent : public TModifiedClass {
    TRAMONTA_CHAMPS(TRAMONTA_CHAMPS_ADHERENT)
  public:
    explicit TAdherent(TAdherents* proprietaire) : proprietaire_(proprietaire) {}
    TAdherents* Proprietaire() const { return proprietaire_; }

    std::string Categorie() const { return CalculerCategorie(Sexe_, DateNaissance_); }
    std::string TypeLicence() const;
    bool Correspond(const TCriteresRequete& criteres) const;

    // The posting of one sum: its amount, whether it is in the ledger, and
    // the Article of the produit account that holds it.
    double Montant(Enregistrement genre) const;
    bool EnCompta(Enregistrement genre) const;
    const std::string& ArticleCompta(Enregistrement genre) const;
    void SetEnCompta(Enregistrement genre, bool valeur);
    void SetArticleCompta(Enregistrement genre, const std::string& article);

    // Takes one posting out of the ledger. True when nothing was posted or the
    // line was removed; otherwise reports the missing account or line in a
    // message box and gives false. The posted flag is cleared in every case.
    bool Desenregistrer(Enregistrement genre);
    bool DesenregistrerLicence() { return Desenregistrer(Enregistrement::Licence); }
    bool DesenregistrerCaution() { return Desenregistrer(Enregistrement::Caution); }
    bool DesenregistrerLocation() { return Desenregistrer(Enregistrement::Location); }
    bool DesenregistrerForfait() { return Desenregistrer(Enregistrement::Forfait); }
    void DesenregistrerTout();

    std::unique_ptr<TAdherent> Clone(TAdherents* nouveauProprietaire) const;
    void Save(TWriter& w);
    void Load(TReader& r);

  protected:
    void ChampModifie() override;

  private:
    TAdherents* proprietaire_;
};

struct StatistiquesAdherents {
    int loisir = 0;
    int competition = 0;
    int dirigeant = 0;
};

class TAdherents : public TCollection<TAdherent, TAdherents> {
  public:
    // The ledger is where the members' automatic postings live; without one
    // (a detached collection) there is nothing to take out on deletion.
    explicit TAdherents(TComptabilite* comptabilite = nullptr) : comptabilite_(comptabilite) {}
    TComptabilite* Comptabilite() const { return comptabilite_; }

    TAdherent* Adherent(int index) const { return Item(index); }
    // Takes the member's postings out of the ledger first.
    bool Delete(int index);
    int Find(const std::string& nom, const std::string& prenom) const;
    // Whether a member other than `soi` bears this name and first name, as
    // Find compares them.
    bool ExisteAutreAdherent(const TAdherent* soi, const std::string& nom, const std::string& prenom) const;
    StatistiquesAdherents Statistiques() const;
    bool Import(const TAdherent& adherent, std::vector<std::string>& rapport);

  private:
    TComptabilite* comptabilite_;
};

} // namespace tramonta
