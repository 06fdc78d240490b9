// SPDX-License-Identifier: GPL-3.0-or-later
// The journal: one line per confirmed action, never edited nor removed.
#pragma once

#include "core/dates.h"
#include "core/flux.h"
#include "core/modifie.h"
#include "model/champs.h"
#include "model/notification.h"

#include <string>

namespace tramonta {

class TAgenda;

#define TRAMONTA_CHAMPS_LIGNE_AGENDA(X)                                                                      \
    X(std::string, Texte, "")                                                                                \
    X(TDateTime, DateHeure, 0.0)                                                                             \
    X(std::string, Utilisateur, "")

class TLigneAgenda : public TModifiedClass {
    TRAMONTA_CHAMPS(TRAMONTA_CHAMPS_LIGNE_AGENDA)
  public:
    explicit TLigneAgenda(TAgenda* proprietaire) : proprietaire_(proprietaire) {}
    TAgenda* Proprietaire() const { return proprietaire_; }
    friend class TAgenda;

  protected:
    void ChampModifie() override;

  private:
    TAgenda* proprietaire_;
};

class TAgenda : public TModifiedClass {
  public:
    int Count() const { return lignes_.Count(); }
    TLigneAgenda* Ligne(int index) const { return lignes_.Get(index); }
    int Add(std::unique_ptr<TLigneAgenda> ligne);
    void Vider() {
        lignes_.Clear();
        changements_.Remplacement();
    }
    void Clear();
    // Appends a line stamped with the current local date-time and the login name.
    TLigneAgenda* AjouterLigne(const std::string& texte);
    bool IsModified() const override { return Modified || lignes_.UnModifie(); }
    void Save(TWriter& w);
    void Load(TReader& r);

    const TNotificateur& Changements() const { return changements_; }
    void LigneModifiee(const TLigneAgenda* ligne) const { changements_.Modification(lignes_.IndexOf(ligne)); }

  private:
    TListePossedee<TLigneAgenda> lignes_;
    TNotificateur changements_;
};

} // namespace tramonta
