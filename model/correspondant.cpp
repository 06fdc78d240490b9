// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/correspondant.h"

#include "core/texte.h"

namespace tramonta {

std::unique_ptr<TCorrespondant> TCorrespondant::Clone(TCorrespondants* nouveauProprietaire) const {
    auto copie = std::make_unique<TCorrespondant>(nouveauProprietaire);
    copie->CopierChamps(*this);
    copie->Modified = IsModified();
    return copie;
}

void TCorrespondant::ChampModifie() {
    if (proprietaire_)
        proprietaire_->ElementModifie(this);
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

int TCorrespondants::Find(const std::string& nom) const {
    return Chercher([&](const TCorrespondant& c) { return MemeTexteAscii(c.Nom(), nom); });
}

bool TCorrespondants::ExisteAutreCorrespondant(const TCorrespondant* soi, const std::string& nom) const {
    return ExisteAutre(soi, [&](const TCorrespondant& c) { return MemeTexteAscii(c.Nom(), nom); });
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

} // namespace tramonta
