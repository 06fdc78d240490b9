// SPDX-License-Identifier: GPL-3.0-or-later
// The club's outside contacts, each with one speciality of the document's list.
#pragma once

#include "core/flux.h"
#include "core/modifie.h"
#include "model/champs.h"
#include "model/collection.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tramonta {

class TCorrespondants;
class TExercice;

#define TRAMONTA_CHAMPS_CORRESPONDANT(X)                                                                     \
    X(std::string, Nom, "")                                                                                  \
    X(std::string, Adresse, "")                                                                              \
    X(std::int32_t, CodePostal, 0)                                                                           \
    X(std::string, Ville, "")                                                                                \
    X(std::string, Tel1, "")                                                                                 \
    X(std::string, Tel2, "")                                                                                 \
    X(std::string, Fax, "")                                                                                  \
    X(std::string, EMail, "")                                                                                \
    X(std::string, SiteWeb, "")                                                                              \
    X(std::string, InformationsComplementaires, "")                                                          \
    X(std::string, Specialite, "")

class TCorrespondant : public TModifiedClass {
    TRAMONTA_CHAMPS(TRAMONTA_CHAMPS_CORRESPONDANT)
  public:
    explicit TCorrespondant(TCorrespondants* proprietaire) : proprietaire_(proprietaire) {}
    TCorrespondants* Proprietaire() const { return proprietaire_; }
    std::unique_ptr<TCorrespondant> Clone(TCorrespondants* nouveauProprietaire) const;
    void Save(TWriter& w);
    void Load(TReader& r);

  protected:
    void ChampModifie() override;

  private:
    TCorrespondants* proprietaire_;
};

class TCorrespondants : public TCollection<TCorrespondant, TCorrespondants> {
  public:
    // The document gives the correspondent sheet its speciality list.
    explicit TCorrespondants(TExercice* exercice = nullptr) : exercice_(exercice) {}
    TExercice* Exercice() const { return exercice_; }

    TCorrespondant* Correspondant(int index) const { return Item(index); }
    int Find(const std::string& nom) const;
    // Whether a correspondent other than `soi` bears this name, as Find
    // compares them.
    bool ExisteAutreCorrespondant(const TCorrespondant* soi, const std::string& nom) const;
    bool Import(const TCorrespondant& correspondant, std::vector<std::string>& rapport);

  private:
    TExercice* exercice_;
};

} // namespace tramonta
