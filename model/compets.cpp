// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/compets.h"

#include "core/texte.h"
#include "model/modeles_tableau.h"

#include <stdexcept>

namespace tramonta {

// --- TParticipantCompet ---------------------------------------------------

std::unique_ptr<TParticipantCompet> TParticipantCompet::Copie(TCategorieCompet* owner) const {
    auto copie = std::make_unique<TParticipantCompet>(owner);
    copie->CopierChamps(*this);
    copie->Modified = IsModified();
    return copie;
}

void TParticipantCompet::Save(TWriter& w) {
    w.WriteInteger(1);
    w.WriteString(Nom_);
    w.WriteString(Prenom_);
    w.WriteString(Club_);
    Modified = false;
}

void TParticipantCompet::Load(TReader& r) {
    r.ReadInteger();
    Nom_ = r.ReadString();
    Prenom_ = r.ReadString();
    Club_ = r.ReadString();
    Modified = false;
}

// --- TCategorieCompet -----------------------------------------------------

void TParticipantCompet::ChampModifie() {
    if (owner_)
        owner_->ParticipantModifie(this);
}

int TCategorieCompet::Add(std::unique_ptr<TParticipantCompet> participant) {
    Modified = true;
    const int index = participants_.Add(std::move(participant));
    changements_.Ajout(index);
    return index;
}

bool TCategorieCompet::Delete(int index) {
    if (!participants_.Delete(index))
        return false;
    Modified = true;
    changements_.Suppression(index);
    return true;
}

int TCategorieCompet::IndexOfNom(const std::string& nom, const std::string& prenom) const {
    for (int i = 0; i < participants_.Count(); ++i) {
        const TParticipantCompet* p = participants_.Get(i);
        if (MemeTexteSansCasse(p->Nom(), nom) && MemeTexteSansCasse(p->Prenom(), prenom))
            return i;
    }
    return -1;
}

bool TCategorieCompet::ExisteAutreParticipant(const TParticipantCompet* soi, const std::string& nom,
                                              const std::string& prenom) const {
    if (soi && MemeTexteSansCasse(soi->Nom(), nom) && MemeTexteSansCasse(soi->Prenom(), prenom))
        return false;
    for (int i = 0; i < participants_.Count(); ++i) {
        const TParticipantCompet* p = participants_.Get(i);
        if (p != soi && MemeTexteSansCasse(p->Nom(), nom) && MemeTexteSansCasse(p->Prenom(), prenom))
            return true;
    }
    return false;
}

void TCategorieCompet::Move(int de, int vers) {
    for (const int index : {de, vers})
        if (index < 0 || index >= participants_.Count())
            throw std::out_of_range("Index de liste hors limites (" + std::to_string(index) + ")");
    if (de == vers)
        return;
    participants_.Move(de, vers);
    Modified = true;
    changements_.Deplacement(de, vers);
}

void TCategorieCompet::SetTypeTableau(std::uint8_t type) {
    if (type == typeTableau_)
        return;
    typeTableau_ = type;
    tableau_ = CreerTableau(type, this);
    Modified = true;
}

void TCategorieCompet::Clear() {
    Modified = false;
    participants_.Clear();
    typeTableau_ = 0;
    tableau_.reset();
    changements_.Remplacement();
}

void TCategorieCompet::Assign(const TCategorieCompet& source, TCompet* owner) {
    owner_ = owner;
    participants_.Clear();
    for (const auto& p : source.participants_)
        participants_.Add(p->Copie(this));
    typeTableau_ = source.typeTableau_;
    tableau_ = CreerTableau(typeTableau_, this);
    if (tableau_ && source.tableau_)
        tableau_->Assign(*source.tableau_, this);
    Modified = source.IsModified();
    changements_.Remplacement();
}

bool TCategorieCompet::IsModified() const {
    return Modified || participants_.UnModifie() || (tableau_ && tableau_->IsModified());
}

void TCategorieCompet::Save(TWriter& w) {
    w.WriteInteger(1);
    w.WriteListBegin();
    for (const auto& p : participants_)
        p->Save(w);
    w.WriteListEnd();
    w.WriteInteger(typeTableau_);
    if (tableau_)
        tableau_->Save(w);
    Modified = false;
}

void TCategorieCompet::Load(TReader& r) {
    r.ReadInteger();
    r.ReadListBegin();
    while (!r.EndOfList()) {
        auto p = std::make_unique<TParticipantCompet>(this);
        p->Load(r);
        participants_.Add(std::move(p));
    }
    r.ReadListEnd();
    // The type is a byte in memory: only its low 8 bits count.
    typeTableau_ = static_cast<std::uint8_t>(r.ReadInteger());
    tableau_ = CreerTableau(typeTableau_, this);
    if (tableau_)
        tableau_->Load(r);
    Modified = false;
    changements_.Remplacement();
}

// --- TCompet --------------------------------------------------------------

TCompet::TCompet(TCompets* owner) : owner_(owner) {
    for (auto& c : categories_)
        c = std::make_unique<TCategorieCompet>(this);
    Clear();
}

void TCompet::ChampModifie() {
    if (owner_)
        owner_->ElementModifie(this);
}

TCategorieCompet* TCompet::Categorie(int index) const {
    return index >= 0 && index < kNbCategoriesCompet ? categories_[static_cast<std::size_t>(index)].get()
                                                     : nullptr;
}

std::string TCompet::NomCategorie(int index) {
    return index >= 0 && index < kNbCategoriesCompet ? kNomsCategoriesCompet[static_cast<std::size_t>(index)]
                                                     : "Erreur ???";
}

std::string TCompet::NomDeCategorie(const TCategorieCompet* categorie) const {
    for (int i = 0; i < kNbCategoriesCompet; ++i)
        if (categories_[static_cast<std::size_t>(i)].get() == categorie)
            return NomCategorie(i);
    return NomCategorie(-1);
}

std::unique_ptr<TCompet> TCompet::Copie(TCompets* owner) const {
    auto copie = std::make_unique<TCompet>(owner);
    copie->CopierChamps(*this);
    for (std::size_t i = 0; i < categories_.size(); ++i)
        copie->categories_[i]->Assign(*categories_[i], copie.get());
    copie->Modified = IsModified();
    return copie;
}

void TCompet::Assign(const TCompet& source) {
    if (&source == this)
        return;
    CopierChamps(source);
    for (std::size_t i = 0; i < categories_.size(); ++i)
        categories_[i]->Assign(*source.categories_[i], this);
}

void TCompet::Clear() {
    Modified = false;
    ReinitialiserChamps();
    DateDebut_ = DateFin_ = Maintenant();
    for (auto& c : categories_)
        c->Clear();
}

bool TCompet::IsModified() const {
    return Modified ||
           std::any_of(categories_.begin(), categories_.end(), [](const auto& c) { return c->IsModified(); });
}

void TCompet::Save(TWriter& w) {
    w.WriteInteger(2);
    w.WriteString(Intitule_);
    w.WriteFloat(DateDebut_);
    w.WriteFloat(DateFin_);
    w.WriteBoolean(Officielle_);
    for (auto& c : categories_)
        c->Save(w);
    Modified = false;
}

void TCompet::Load(TReader& r) {
    const int version = r.ReadInteger();
    Intitule_ = r.ReadString();
    DateDebut_ = r.ReadFloat();
    DateFin_ = r.ReadFloat();
    Officielle_ = r.ReadBoolean();
    // The first files had no "Ondines" category.
    const int nbCategories = version >= 2 ? kNbCategoriesCompet : kNbCategoriesCompet - 1;
    for (int i = 0; i < nbCategories; ++i)
        categories_[static_cast<std::size_t>(i)]->Load(r);
    Modified = false;
}

// --- TCompets -------------------------------------------------------------

int TCompets::IndexOfIntitule(const std::string& intitule) const {
    return Chercher([&](const TCompet& c) { return MemeTexteSansCasse(c.Intitule(), intitule); });
}

bool TCompets::ExisteAutreCompet(const TCompet* soi, const std::string& intitule) const {
    return ExisteAutre(soi, [&](const TCompet& c) { return MemeTexteSansCasse(c.Intitule(), intitule); });
}

bool TCompets::ImportCompet(const TCompet& source, std::vector<std::string>& rapport) {
    if (IndexOfIntitule(source.Intitule()) >= 0)
        rapport.push_back(
            Formater("Impossible d'importer la compétition \"%s\" ! Cette compétition existe déjà.",
                     {source.Intitule()}));
    else
        Add(source.Copie(this));
    return true;
}

} // namespace tramonta
