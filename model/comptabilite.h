// SPDX-License-Identifier: GPL-3.0-or-later
// The club's bookkeeping: charge and produit accounts holding dated entry
// lines, the club's bank identity and the default posting accounts.
#pragma once

#include "core/dates.h"
#include "core/flux.h"
#include "core/modifie.h"
#include "model/champs.h"
#include "model/notification.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tramonta {

class TComptabilite;
class TCompte;

#define TRAMONTA_CHAMPS_LIGNE(X)                                                                             \
    X(std::string, Libelle, "")                                                                              \
    X(TDateTime, Date, 0.0)                                                                                  \
    X(std::string, NumeroCheque, "")                                                                         \
    X(double, Montant, 0.0)                                                                                  \
    X(std::int32_t, TypePaiement, 0)

class TLigneEcriture : public TModifiedClass {
    TRAMONTA_CHAMPS(TRAMONTA_CHAMPS_LIGNE)
  public:
    // A new line is dated now (date and time of day), so that a line whose
    // date nobody gives still falls in the current period.
    explicit TLigneEcriture(TCompte* proprietaire) : proprietaire_(proprietaire) { Date_ = Maintenant(); }
    // A line about to be read from a file, which gives its date: the clock
    // is not asked a hundred thousand times for a large ledger.
    struct ALire {};
    TLigneEcriture(TCompte* proprietaire, ALire) : proprietaire_(proprietaire) {}
    TCompte* Proprietaire() const { return proprietaire_; }
    // Stored directly: marking a line automatic is not an edit of its own.
    bool Automatique = false;
    std::unique_ptr<TLigneEcriture> Clone(TCompte* nouveauProprietaire) const;
    void Save(TWriter& w);
    void Load(TReader& r);

  protected:
    void ChampModifie() override;

  private:
    TCompte* proprietaire_;
};

#define TRAMONTA_CHAMPS_COMPTE(X)                                                                            \
    X(std::string, Article, "")                                                                              \
    X(std::string, Intitule, "")                                                                             \
    X(std::string, Infos, "")

class TCompte : public TModifiedClass {
    TRAMONTA_CHAMPS(TRAMONTA_CHAMPS_COMPTE)
  public:
    explicit TCompte(TComptabilite* proprietaire) : proprietaire_(proprietaire) {}
    TComptabilite* Proprietaire() const { return proprietaire_; }

    int NbLignes() const { return lignes_.Count(); }
    TLigneEcriture* GetLigne(int index) const { return lignes_.Get(index); }
    int AjouterLigne(std::unique_ptr<TLigneEcriture> ligne);
    bool SupprimerLigne(int index);
    int IndexLigne(const TLigneEcriture* ligne) const { return lignes_.IndexOf(ligne); }
    int ChercherLigne(const std::string& libelle) const;
    // Whether a line other than `soi` bears this label, as ChercherLigne
    // compares them.
    bool ExisteAutreLigne(const TLigneEcriture* soi, const std::string& libelle) const;
    void ViderLignes();

    double Total() const;
    bool ContientLignesAutomatiques() const;
    // Lines from `debut` to the whole day of `fin`; every line when either is 0.
    int LignesEntre(std::vector<TLigneEcriture*>& liste, TDateTime debut, TDateTime fin) const;
    static double SommeLignes(const std::vector<TLigneEcriture*>& liste);

    std::unique_ptr<TCompte> Clone(TComptabilite* nouveauProprietaire) const;
    // Takes the fields and the lines of `source` (the account form's working
    // copy) and keeps its own ledger. The fields go through their setters,
    // so that the ledger hears only of a field that differs; the lines are
    // replaced, and the account marked, only when they differ from its own.
    void Assign(const TCompte& source);
    bool IsModified() const override { return Modified || lignes_.UnModifie(); }
    void Save(TWriter& w);
    void Load(TReader& r);

    // The lines added, removed and changed. The ledger is told too that the
    // account changed, since its total may have.
    const TNotificateur& Changements() const { return changements_; }
    void LigneModifiee(const TLigneEcriture* ligne);

  protected:
    void ChampModifie() override;

  private:
    void Change();
    TComptabilite* proprietaire_;
    TListePossedee<TLigneEcriture> lignes_;
    TNotificateur changements_;
};

#define TRAMONTA_CHAMPS_BANQUE(X)                                                                            \
    X(std::string, TitulaireCompte, "")                                                                      \
    X(std::string, NomBanque, "")                                                                            \
    X(std::int32_t, CodeBanque, 0)                                                                           \
    X(std::int32_t, CodeGuichet, 0)                                                                          \
    X(std::int32_t, NumeroCompte, 0)                                                                         \
    X(std::int32_t, CleRIB, 0)                                                                               \
    X(bool, CompteLicenceDefini, false)                                                                      \
    X(std::string, CompteLicence, "")                                                                        \
    X(bool, CompteCautionCombiDefini, false)                                                                 \
    X(std::string, CompteCautionCombi, "")                                                                   \
    X(bool, CompteLocationCombiDefini, false)                                                                \
    X(std::string, CompteLocationCombi, "")                                                                  \
    X(bool, CompteForfaitLeconDefini, false)                                                                 \
    X(std::string, CompteForfaitLecon, "")

class TComptabilite : public TModifiedClass {
    TRAMONTA_CHAMPS(TRAMONTA_CHAMPS_BANQUE)
  public:
    enum class Liste { Charges, Produits };

    int NbComptesCharges() const { return charges_.Count(); }
    TCompte* GetCompteCharge(int index) const { return charges_.Get(index); }
    int AjouterCompteCharge(std::unique_ptr<TCompte> compte);
    bool SupprimerCompteCharge(int index);
    int IndexCompteCharge(const TCompte* compte) const { return charges_.IndexOf(compte); }
    int ChercherCompteCharge(const std::string& article) const;
    double TotalCharges() const;
    bool ImporterCompteCharge(const TCompte& compte, bool fusionnerLignes,
                              std::vector<std::string>& messages);

    int NbComptesProduits() const { return produits_.Count(); }
    TCompte* GetCompteProduit(int index) const { return produits_.Get(index); }
    int AjouterCompteProduit(std::unique_ptr<TCompte> compte);
    bool SupprimerCompteProduit(int index);
    int IndexCompteProduit(const TCompte* compte) const { return produits_.IndexOf(compte); }
    int ChercherCompteProduit(const std::string& article) const;
    double TotalProduits() const;
    // Whether an account other than `soi`, of either list, bears this
    // number: a number names one account across charges and products.
    bool ExisteAutreCompte(const TCompte* soi, const std::string& article) const;
    bool ImporterCompteProduit(const TCompte& compte, bool fusionnerLignes,
                               std::vector<std::string>& messages);

    // "DEFICIT DE CLOTURE", "EXCEDENT DE CLOTURE" or "CLOTURE", and the amount
    // shown beside it.
    std::string LibelleResultat() const;
    double MontantResultat() const;

    void Clear();
    bool IsModified() const override;
    void Save(TWriter& w);
    void Load(TReader& r);

    // The accounts added, removed and changed (their number, title, notes or
    // total) in one of the two lists.
    const TNotificateur& Changements(Liste l) const {
        return l == Liste::Charges ? changementsCharges_ : changementsProduits_;
    }
    void CompteModifie(const TCompte* compte) const;

  private:
    TListePossedee<TCompte>& ListeDe(Liste l) { return l == Liste::Charges ? charges_ : produits_; }
    TNotificateur changementsCharges_;
    TNotificateur changementsProduits_;
    bool Importer(Liste l, const TCompte& compte, bool fusionnerLignes, std::vector<std::string>& messages);
    TListePossedee<TCompte> charges_;
    TListePossedee<TCompte> produits_;
};

} // namespace tramonta
