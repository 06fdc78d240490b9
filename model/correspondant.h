// The club's outside contacts, each with one speciality of the document's list.
#pragma once

#include "core/flux.h"
#include "core/modifie.h"
#include "model/champs.h"

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

  private:
    TCorrespondants* proprietaire_;
};

class TCorrespondants : public TModifiedClass {
  public:
    // The document gives the correspondent sheet its speciality list.
    explicit TCorrespondants(TExercice* exercice = nullptr) : exercice_(exercice) {}
    TExercice* Exercice() const { return exercice_; }

    int Count() const { return liste_.Count(); }
    TCorrespondant* Correspondant(int index) const { return liste_.Get(index); }
    int Add(std::unique_ptr<TCorrespondant> correspondant);
    bool Delete(int index);
    int IndexOf(const TCorrespondant* c) const { return liste_.IndexOf(c); }
    int Find(const std::string& nom) const;
    void Clear();
    bool IsModified() const override { return Modified || liste_.UnModifie(); }
    bool Import(const TCorrespondant& correspondant, std::vector<std::string>& rapport);
    void Save(TWriter& w);
    void Load(TReader& r);

  private:
    TExercice* exercice_;
    TListePossedee<TCorrespondant> liste_;
};

} // namespace tramonta
