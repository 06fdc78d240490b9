#include "model/correspondant.h"

#include "core/texte.h"

namespace tramonta {

std::unique_ptr<TCorrespondant> TCorrespondant::Clone(TCorrespondants* nouveauProprietaire) const {
    auto copie = std::make_unique<TCorrespondant>(nouveauProprietaire);
    copie->CopierChamps(*this);
    copie->Modified = IsModified();
    return copie;
}

void TCorrespondant::Save(TWriter& w) {
    w.WriteInteger(2);
    w.WriteString(Nom_);
    w.WriteString(Adresse_);
    w.WriteInteger(CodePostal_);
    for (const std::string* s :
         {&Ville_, &Tel1_, &Tel2_, &Fax_, &EMail_, &SiteWeb_, &InformationsComplementaires_, &Specialite_})
        w.WriteString(*s);
    Modified = false;
}

void TCorrespondant::Load(TReader& r) {
    const int version = r.ReadInteger();
    Nom_ = r.ReadString();
    Adresse_ = r.ReadString();
    CodePostal_ = r.ReadInteger();
    for (std::string* s : {&Ville_, &Tel1_, &Tel2_, &Fax_, &EMail_, &SiteWeb_, &InformationsComplementaires_})
        *s = r.ReadString();
    if (version >= 2)
        Specialite_ = r.ReadString();
    Modified = false;
}

int TCorrespondants::Add(std::unique_ptr<TCorrespondant> correspondant) {
    Modified = true;
    return liste_.Add(std::move(correspondant));
}

bool TCorrespondants::Delete(int index) {
    if (!liste_.Delete(index))
        return false;
    Modified = true;
    return true;
}

int TCorrespondants::Find(const std::string& nom) const {
    for (int i = 0; i < liste_.Count(); ++i)
        if (MemeTexteAscii(liste_.Get(i)->Nom(), nom))
            return i;
    return -1;
}

void TCorrespondants::Clear() {
    liste_.Clear();
    Modified = false;
}

bool TCorrespondants::Import(const TCorrespondant& correspondant, std::vector<std::string>& rapport) {
    if (Find(correspondant.Nom()) >= 0)
        rapport.push_back(
            Formater("Impossible d'importer le correspondant \"%s\" ! Ce correspondant existe déjà.",
                     {correspondant.Nom()}));
    else
        Add(correspondant.Clone(this));
    return true;
}

void TCorrespondants::Save(TWriter& w) {
    w.WriteInteger(1);
    w.WriteListBegin();
    for (const auto& c : liste_)
        c->Save(w);
    w.WriteListEnd();
    Modified = false;
}

void TCorrespondants::Load(TReader& r) {
    r.ReadInteger();
    r.ReadListBegin();
    while (!r.EndOfList()) {
        auto c = std::make_unique<TCorrespondant>(this);
        c->Load(r);
        liste_.Add(std::move(c));
    }
    r.ReadListEnd();
    Modified = false;
}

} // namespace tramonta
