#include "model/agenda.h"

#include "core/systeme.h"

namespace tramonta {

int TAgenda::Add(std::unique_ptr<TLigneAgenda> ligne) {
    Modified = true;
    return lignes_.Add(std::move(ligne));
}

void TAgenda::Clear() {
    Modified = false;
    Vider();
}

TLigneAgenda* TAgenda::AjouterLigne(const std::string& texte) {
    auto ligne = std::make_unique<TLigneAgenda>(this);
    TLigneAgenda* l = ligne.get();
    Add(std::move(ligne));
    l->SetTexte(texte);
    l->SetDateHeure(Maintenant());
    l->SetUtilisateur(NomUtilisateur());
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
}

} // namespace tramonta
