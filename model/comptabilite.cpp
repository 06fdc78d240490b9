// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/comptabilite.h"

#include "core/texte.h"

#include <cmath>

namespace tramonta {

namespace {
int Chercher(const TListePossedee<TCompte>& liste, const std::string& article) {
    for (int i = 0; i < liste.Count(); ++i)
        if (MemeTexteAscii(liste.Get(i)->Article(), article))
            return i;
    return -1;
}

double Somme(const TListePossedee<TCompte>& liste) {
    double total = 0;
    for (const auto& c : liste)
        total += c->Total();
    return total;
}
} // namespace

// --- TLigneEcriture ---------------------------------------------------------

std::unique_ptr<TLigneEcriture> TLigneEcriture::Clone(TCompte* nouveauProprietaire) const {
    auto copie = std::make_unique<TLigneEcriture>(nouveauProprietaire);
    copie->CopierChamps(*this);
    copie->Automatique = Automatique;
    copie->Modified = Modified;
    return copie;
}

void TLigneEcriture::Save(TWriter& w) {
    w.WriteInteger(3);
    w.WriteString(Libelle_);
    w.WriteFloat(Date_);
    w.WriteString(NumeroCheque_);
    w.WriteFloat(Montant_);
    w.WriteInteger(TypePaiement_);
    w.WriteBoolean(Automatique);
    Modified = false;
}

void TLigneEcriture::Load(TReader& r) {
    const int version = r.ReadInteger();
    Libelle_ = r.ReadString();
    Date_ = r.ReadFloat();
    NumeroCheque_ = r.ReadString();
    Montant_ = r.ReadFloat();
    if (version >= 2)
        TypePaiement_ = r.ReadInteger();
    if (version >= 3)
        Automatique = r.ReadBoolean();
    Modified = false;
}

// --- TCompte ----------------------------------------------------------------

void TLigneEcriture::ChampModifie() {
    if (proprietaire_)
        proprietaire_->LigneModifiee(this);
}

int TCompte::AjouterLigne(std::unique_ptr<TLigneEcriture> ligne) {
    Modified = true;
    const int index = lignes_.Add(std::move(ligne));
    changements_.Ajout(index);
    Change();
    return index;
}

bool TCompte::SupprimerLigne(int index) {
    if (!lignes_.Delete(index))
        return false;
    Modified = true;
    changements_.Suppression(index);
    Change();
    return true;
}

void TCompte::ViderLignes() {
    lignes_.Clear();
    changements_.Remplacement();
    Change();
}

void TCompte::LigneModifiee(const TLigneEcriture* ligne) {
    const int index = lignes_.IndexOf(ligne);
    if (index < 0)
        return;
    changements_.Modification(index);
    Change();
}

void TCompte::ChampModifie() {
    Change();
}

void TCompte::Change() {
    if (proprietaire_)
        proprietaire_->CompteModifie(this);
}

int TCompte::ChercherLigne(const std::string& libelle) const {
    for (int i = 0; i < lignes_.Count(); ++i)
        if (MemeTexteAscii(lignes_.Get(i)->Libelle(), libelle))
            return i;
    return -1;
}

bool TCompte::ExisteAutreLigne(const TLigneEcriture* soi, const std::string& libelle) const {
    // As for every name check: keeping its own name is never refused.
    if (soi && MemeTexteAscii(soi->Libelle(), libelle))
        return false;
    for (int i = 0; i < lignes_.Count(); ++i)
        if (lignes_.Get(i) != soi && MemeTexteAscii(lignes_.Get(i)->Libelle(), libelle))
            return true;
    return false;
}

double TCompte::Total() const {
    double total = 0;
    for (const auto& l : lignes_)
        total += l->Montant();
    return total;
}

bool TCompte::ContientLignesAutomatiques() const {
    for (const auto& l : lignes_)
        if (l->Automatique)
            return true;
    return false;
}

int TCompte::LignesEntre(std::vector<TLigneEcriture*>& liste, TDateTime debut, TDateTime fin) const {
    liste.clear();
    // Postings carry the time of day: the period runs to the end of its last day.
    const double finExclue = std::floor(fin) + 1.0;
    for (const auto& l : lignes_)
        if (debut == 0 || fin == 0 || (debut <= l->Date() && l->Date() < finExclue))
            liste.push_back(l.get());
    return static_cast<int>(liste.size());
}

double TCompte::SommeLignes(const std::vector<TLigneEcriture*>& liste) {
    double total = 0;
    for (const auto* l : liste)
        total += l->Montant();
    return total;
}

std::unique_ptr<TCompte> TCompte::Clone(TComptabilite* nouveauProprietaire) const {
    auto copie = std::make_unique<TCompte>(nouveauProprietaire);
    copie->CopierChamps(*this);
    for (const auto& l : lignes_)
        copie->lignes_.Add(l->Clone(copie.get()));
    copie->Modified = IsModified();
    return copie;
}

void TCompte::Assign(const TCompte& source) {
    if (&source == this)
        return;
    CopierChamps(source);
    bool memes = lignes_.Count() == source.lignes_.Count();
    for (int i = 0; memes && i < lignes_.Count(); ++i) {
        const TLigneEcriture& a = *lignes_.Get(i);
        const TLigneEcriture& b = *source.lignes_.Get(i);
        memes = a.Automatique == b.Automatique && a.MemesChamps(b);
    }
    if (memes)
        return;
    ViderLignes();
    Modified = true;
    for (const auto& l : source.lignes_)
        AjouterLigne(l->Clone(this));
}

void TCompte::Save(TWriter& w) {
    w.WriteInteger(2);
    w.WriteString(Article_);
    w.WriteString(Intitule_);
    w.WriteString(Infos_);
    w.WriteListBegin();
    for (const auto& l : lignes_)
        l->Save(w);
    w.WriteListEnd();
    Modified = false;
}

void TCompte::Load(TReader& r) {
    const int version = r.ReadInteger();
    Article_ = r.ReadString();
    Intitule_ = r.ReadString();
    if (version >= 2)
        Infos_ = r.ReadString();
    r.ReadListBegin();
    while (!r.EndOfList()) {
        auto ligne = std::make_unique<TLigneEcriture>(this, TLigneEcriture::ALire{});
        ligne->Load(r);
        lignes_.Add(std::move(ligne));
    }
    r.ReadListEnd();
    Modified = false;
    changements_.Remplacement();
}

// --- TComptabilite ----------------------------------------------------------

void TComptabilite::CompteModifie(const TCompte* compte) const {
    // An account made for this ledger but not added yet (a form's working
    // copy) is in neither list and tells nobody.
    if (const int c = charges_.IndexOf(compte); c >= 0)
        changementsCharges_.Modification(c);
    else
        changementsProduits_.Modification(produits_.IndexOf(compte));
}

int TComptabilite::AjouterCompteCharge(std::unique_ptr<TCompte> compte) {
    Modified = true;
    const int index = charges_.Add(std::move(compte));
    changementsCharges_.Ajout(index);
    return index;
}

int TComptabilite::AjouterCompteProduit(std::unique_ptr<TCompte> compte) {
    Modified = true;
    const int index = produits_.Add(std::move(compte));
    changementsProduits_.Ajout(index);
    return index;
}

bool TComptabilite::SupprimerCompteCharge(int index) {
    if (!charges_.Delete(index))
        return false;
    Modified = true;
    changementsCharges_.Suppression(index);
    return true;
}

bool TComptabilite::SupprimerCompteProduit(int index) {
    if (!produits_.Delete(index))
        return false;
    Modified = true;
    changementsProduits_.Suppression(index);
    return true;
}

int TComptabilite::ChercherCompteCharge(const std::string& article) const {
    return Chercher(charges_, article);
}
int TComptabilite::ChercherCompteProduit(const std::string& article) const {
    return Chercher(produits_, article);
}
bool TComptabilite::ExisteAutreCompte(const TCompte* soi, const std::string& article) const {
    if (soi && MemeTexteAscii(soi->Article(), article))
        return false;
    for (const TListePossedee<TCompte>* liste : {&charges_, &produits_})
        for (int i = 0; i < liste->Count(); ++i)
            if (liste->Get(i) != soi && MemeTexteAscii(liste->Get(i)->Article(), article))
                return true;
    return false;
}
double TComptabilite::TotalCharges() const {
    return Somme(charges_);
}
double TComptabilite::TotalProduits() const {
    return Somme(produits_);
}

std::string TComptabilite::LibelleResultat() const {
    const double charges = TotalCharges();
    const double produits = TotalProduits();
    if (charges > produits)
        return "DEFICIT DE CLOTURE";
    if (produits > charges)
        return "EXCEDENT DE CLOTURE";
    return "CLOTURE";
}

double TComptabilite::MontantResultat() const {
    return std::fabs(TotalProduits() - TotalCharges());
}

bool TComptabilite::ImporterCompteCharge(const TCompte& compte, bool fusionnerLignes,
                                         std::vector<std::string>& messages) {
    return Importer(Liste::Charges, compte, fusionnerLignes, messages);
}

bool TComptabilite::ImporterCompteProduit(const TCompte& compte, bool fusionnerLignes,
                                          std::vector<std::string>& messages) {
    return Importer(Liste::Produits, compte, fusionnerLignes, messages);
}

bool TComptabilite::Importer(Liste l, const TCompte& compte, bool fusionnerLignes,
                             std::vector<std::string>& messages) {
    const bool charges = l == Liste::Charges;
    const int c = ChercherCompteCharge(compte.Article());
    const int p = ChercherCompteProduit(compte.Article());
    if (c < 0 && p < 0) {
        if (charges)
            AjouterCompteCharge(compte.Clone(this));
        else
            AjouterCompteProduit(compte.Clone(this));
        return true;
    }
    const int ici = charges ? c : p;
    const char* genre = charges ? "charge" : "produit";
    if (fusionnerLignes && ici >= 0) {
        TCompte* cible = ListeDe(l).Get(ici);
        for (int i = 0; i < compte.NbLignes(); ++i) {
            const TLigneEcriture* ligne = compte.GetLigne(i);
            if (cible->ChercherLigne(ligne->Libelle()) >= 0)
                messages.push_back(Formater(std::string("Impossible d'importer l'écriture \"%s\" compte ") +
                                                genre + " \"%s\" ! Cette ligne existe déjà.",
                                            {ligne->Libelle(), compte.Article()}));
            else
                cible->AjouterLigne(ligne->Clone(cible));
        }
        return true;
    }
    messages.push_back(
        Formater(std::string("Impossible d'importer le compte ") + genre + " \"%s\" ! Ce compte existe déjà.",
                 {compte.Article()}));
    return true;
}

void TComptabilite::Clear() {
    charges_.Clear();
    produits_.Clear();
    ReinitialiserChamps();
    Modified = false;
    changementsCharges_.Remplacement();
    changementsProduits_.Remplacement();
}

bool TComptabilite::IsModified() const {
    return Modified || charges_.UnModifie() || produits_.UnModifie();
}

void TComptabilite::Save(TWriter& w) {
    w.WriteInteger(3);
    for (auto* liste : {&charges_, &produits_}) {
        w.WriteListBegin();
        for (const auto& c : *liste)
            c->Save(w);
        w.WriteListEnd();
    }
    w.WriteString(TitulaireCompte_);
    w.WriteString(NomBanque_);
    w.WriteInteger(CodeBanque_);
    w.WriteInteger(CodeGuichet_);
    w.WriteInteger(NumeroCompte_);
    w.WriteInteger(CleRIB_);
    w.WriteBoolean(CompteLicenceDefini_);
    w.WriteString(CompteLicence_);
    w.WriteBoolean(CompteCautionCombiDefini_);
    w.WriteString(CompteCautionCombi_);
    w.WriteBoolean(CompteLocationCombiDefini_);
    w.WriteString(CompteLocationCombi_);
    w.WriteBoolean(CompteForfaitLeconDefini_);
    w.WriteString(CompteForfaitLecon_);
    Modified = false;
}

void TComptabilite::Load(TReader& r) {
    const int version = r.ReadInteger();
    for (auto* liste : {&charges_, &produits_}) {
        r.ReadListBegin();
        while (!r.EndOfList()) {
            auto compte = std::make_unique<TCompte>(this);
            compte->Load(r);
            liste->Add(std::move(compte));
        }
        r.ReadListEnd();
    }
    if (version >= 2) {
        TitulaireCompte_ = r.ReadString();
        NomBanque_ = r.ReadString();
        CodeBanque_ = r.ReadInteger();
        CodeGuichet_ = r.ReadInteger();
        NumeroCompte_ = r.ReadInteger();
        CleRIB_ = r.ReadInteger();
    }
    if (version >= 3) {
        CompteLicenceDefini_ = r.ReadBoolean();
        CompteLicence_ = r.ReadString();
        CompteCautionCombiDefini_ = r.ReadBoolean();
        CompteCautionCombi_ = r.ReadString();
        CompteLocationCombiDefini_ = r.ReadBoolean();
        CompteLocationCombi_ = r.ReadString();
        CompteForfaitLeconDefini_ = r.ReadBoolean();
        CompteForfaitLecon_ = r.ReadString();
    }
    Modified = false;
    changementsCharges_.Remplacement();
    changementsProduits_.Remplacement();
}

} // namespace tramonta
