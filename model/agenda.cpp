// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/agenda.h"

#include "core/systeme.h"

namespace tramonta {

int TAgenda::Add(std::unique_ptr<TLigneAgenda> ligne) {
    Modified = true;
    const int index = lignes_.Add(std::move(ligne));
    changements_.Ajout(index);
    return index;
}

void TLigneAgenda::ChampModifie() {
    if (proprietaire_)
        proprietaire_->LigneModifiee(this);
}

void TAgenda::Clear() {
    Modified = false;
    Vider();
}

TLigneAgenda* TAgenda::AjouterLigne(const std::string& texte) {
    // Filled before it is appended, so that the list showing the journal
    // receives the whole line at once.
    auto ligne = std::make_unique<TLigneAgenda>(this);
    TLigneAgenda* l = ligne.get();
    l->SetTexte(texte);
    l->SetDateHeure(Maintenant());
    l->SetUtilisateur(NomUtilisateur());
    Add(std::move(ligne));
    return l;
}

void TAgenda::Save(TWriter& w) {
    w.WriteInteger(1);
    w.WriteListBegin();
    for (const auto& l : lignes_) {
        w.WriteInteger(1);
        w.WriteString(l->Texte_);
        w.WriteFloat(l->DateHeure_);
        w.WriteString(l->Utilisateur_);
        l->Modified = false;
    }
    w.WriteListEnd();
    Modified = false;
}

void TAgenda::Load(TReader& r) {
    r.ReadInteger();
    r.ReadListBegin();
    while (!r.EndOfList()) {
        auto l = std::make_unique<TLigneAgenda>(this);
        r.ReadInteger();
        l->Texte_ = r.ReadString();
        l->DateHeure_ = r.ReadFloat();
        l->Utilisateur_ = r.ReadString();
        lignes_.Add(std::move(l));
    }
    r.ReadListEnd();
    Modified = false;
    changements_.Remplacement();
}

} // namespace tramonta
