// SPDX-License-Identifier: GPL-3.0-or-later
// Surf competitions held in the document: each with six categories, each
// category with its seeded participants and, once a draw is chosen, its heat
// table.
#pragma once

#include "core/dates.h"
#include "core/flux.h"
#include "core/modifie.h"
#include "model/champs.h"
#include "model/collection.h"
#include "model/tableau.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tramonta {

class TCategorieCompet;
class TCompet;
class TCompets;

inline constexpr int kNbCategoriesCompet = 6;
inline constexpr std::array<const char*, kNbCategoriesCompet> kNomsCategoriesCompet = {
    "Benjamins", "Minimes", "Cadets", "Juniors", "Open", "Ondines"};

#define TRAMONTA_CHAMPS_PARTICIPANT(X)                                                                       \
    X(std::string, Nom, "")                                                                                  \
    X(std::string, Prenom, "")                                                                               \
    X(std::string, Club, "")

// Typed in by hand; not linked to the member records.
class TParticipantCompet : public TModifiedClass {
    TRAMONTA_CHAMPS(TRAMONTA_CHAMPS_PARTICIPANT)
  public:
    explicit TParticipantCompet(TCategorieCompet* owner) : owner_(owner) {}
    TCategorieCompet* Owner() const { return owner_; }
    std::unique_ptr<TParticipantCompet> Copie(TCategorieCompet* owner) const;
    void Save(TWriter& w);
    void Load(TReader& r);

  protected:
    void ChampModifie() override;

  private:
    TCategorieCompet* owner_;
};

class TCategorieCompet : public TModifiedClass {
  public:
    explicit TCategorieCompet(TCompet* owner) : owner_(owner) {}
    TCompet* Owner() const { return owner_; }

    // The order of the list is the seeding order: position + 1 is the seed,
    // and the number by which the heat table names the surfer.
    int Count() const { return participants_.Count(); }
    TParticipantCompet* Participant(int index) const { return participants_.Get(index); }
    int Add(std::unique_ptr<TParticipantCompet> participant);
    bool Delete(int index);
    int IndexOf(const TParticipantCompet* p) const { return participants_.IndexOf(p); }
    // Name and first name together, letter case ignored.
    int IndexOfNom(const std::string& nom, const std::string& prenom) const;
    // Whether a participant other than `soi` bears this name and first
    // name, as IndexOfNom compares them.
    bool ExisteAutreParticipant(const TParticipantCompet* soi, const std::string& nom,
                                const std::string& prenom) const;
    // Raises std::out_of_range when either index is outside the list.
    void Move(int de, int vers);

    // 0 no table, 1 to 6 one of the draws; any other value has no table.
    std::uint8_t TypeTableau() const { return typeTableau_; }
    // A new type discards the table and every place entered in it.
    void SetTypeTableau(std::uint8_t type);
    TTableauCompet* Tableau() const { return tableau_.get(); }

    void Clear();
    void Assign(const TCategorieCompet& source, TCompet* owner);
    bool IsModified() const override;
    void Save(TWriter& w);
    void Load(TReader& r);

    // The participants added, removed, moved and changed.
    const TNotificateur& Changements() const { return changements_; }
    void ParticipantModifie(const TParticipantCompet* p) const {
        changements_.Modification(participants_.IndexOf(p));
    }

  private:
    TNotificateur changements_;
    TCompet* owner_;
    TListePossedee<TParticipantCompet> participants_;
    std::uint8_t typeTableau_ = 0;
    std::unique_ptr<TTableauCompet> tableau_;
};

#define TRAMONTA_CHAMPS_COMPET(X)                                                                            \
    X(std::string, Intitule, "")                                                                             \
    X(TDateTime, DateDebut, 0.0)                                                                             \
    X(TDateTime, DateFin, 0.0)                                                                               \
    X(bool, Officielle, false)

class TCompet : public TModifiedClass {
    TRAMONTA_CHAMPS(TRAMONTA_CHAMPS_COMPET)
  public:
    // Six empty categories; both dates the current moment.
    explicit TCompet(TCompets* owner = nullptr);
    TCompet(const TCompet&) = delete;
    TCompet& operator=(const TCompet&) = delete;
    TCompets* Owner() const { return owner_; }

    TCategorieCompet* Categorie(int index) const;
    static std::string NomCategorie(int index);
    std::string NomDeCategorie(const TCategorieCompet* categorie) const;

    std::unique_ptr<TCompet> Copie(TCompets* owner) const;
    // Takes the fields and the six categories of `source` (a form's working
    // copy) and keeps its own owner. The fields go through their setters, so
    // that the list hears only of a field that differs; each category is
    // replaced whole.
    void Assign(const TCompet& source);
    void Clear();
    bool IsModified() const override;
    void Save(TWriter& w);
    void Load(TReader& r);

  protected:
    void ChampModifie() override;

  private:
    TCompets* owner_;
    std::array<std::unique_ptr<TCategorieCompet>, kNbCategoriesCompet> categories_;
};

class TCompets : public TCollection<TCompet, TCompets> {
  public:
    TCompet* Compet(int index) const { return Item(index); }
    // Letter case ignored, accented letters included; no trimming.
    int IndexOfIntitule(const std::string& intitule) const;
    // Whether a competition other than `soi` bears this title, as
    // IndexOfIntitule compares them.
    bool ExisteAutreCompet(const TCompet* soi, const std::string& intitule) const;
    // Appends a copy of a competition of another document, unless one of the
    // same title is here already; that case adds a line to the report.
    bool ImportCompet(const TCompet& source, std::vector<std::string>& rapport);
};

} // namespace tramonta
