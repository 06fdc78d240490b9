// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/adherent.h"

#include "core/messages.h"
#include "core/texte.h"
#include "model/comptabilite.h"
#include "model/requete.h"

namespace tramonta {

const std::array<const char*, 7> kCategories = {"Ondine", "Caneton", "Benjamin", "Minime",
                                                "Cadet",  "Junior",  "Open"};
const std::array<const char*, 3> kTypesLicence = {"Dirigeant", "Compétition", "Loisir"};

namespace {
constexpr std::array<const char*, 4> kFormatsLibelle = {"Licence de %s %s", "Caution combinaison de %s %s",
                                                        "Location combinaison de %s %s",
                                                        "Forfait leçon de %s %s"};
constexpr auto Rang(Enregistrement g) {
    return static_cast<std::size_t>(g);
}
} // namespace

std::string LibelleEnregistrement(Enregistrement genre, const std::string& nom, const std::string& prenom) {
    return Formater(kFormatsLibelle[Rang(genre)], {nom, prenom});
}

std::string CalculerCategorie(const std::string& sexe, TDateTime dateNaissance) {
    const int age = DecodeDate(Aujourdhui()).annee - DecodeDate(dateNaissance).annee;
    if (sexe == "F" && age <= 18)
        return "Ondine";
    if (age < 11)
        return "Caneton";
    if (age <= 12)
        return "Benjamin";
    if (age <= 14)
        return "Minime";
    if (age <= 16)
        return "Cadet";
    if (age <= 18)
        return "Junior";
    return "Open";
}

// --- TAdherent --------------------------------------------------------------

std::string TAdherent::TypeLicence() const {
    if (LicenceDirigeant_)
        return kTypesLicence[0];
    if (LicenceCompet_)
        return kTypesLicence[1];
    return kTypesLicence[2];
}

bool TAdherent::Correspond(const TCriteresRequete& c) const {
    switch (c.TypeRequete) {
    case TCriteresRequete::ReqTous:
        return true;
    case TCriteresRequete::ReqRelance:
        if (c.Relance < 0 || c.Relance > 3)
            return false;
        return Montant(kEnregistrements[static_cast<std::size_t>(c.Relance)]) == 0;
    case TCriteresRequete::ReqCategorie:
        return MemeTexteAscii(Categorie(), c.CategorieDemandee);
    case TCriteresRequete::ReqLicence:
        return MemeTexteAscii(TypeLicence(), c.LicenceDemandee);
    default:
        return false;
    }
}

double TAdherent::Montant(Enregistrement g) const {
    const double* m[] = {&MontantLicence_, &CautionCombinaison_, &LocationCombinaison_, &ForfaitLecon_};
    return *m[Rang(g)];
}

bool TAdherent::EnCompta(Enregistrement g) const {
    const bool* b[] = {&LicenceEnCompta_, &CautionEnCompta_, &LocationEnCompta_, &ForfaitEnCompta_};
    return *b[Rang(g)];
}

const std::string& TAdherent::ArticleCompta(Enregistrement g) const {
    const std::string* a[] = {&ArticleLicence_, &ArticleCaution_, &ArticleLocation_, &ArticleForfait_};
    return *a[Rang(g)];
}

void TAdherent::SetEnCompta(Enregistrement g, bool valeur) {
    bool* b[] = {&LicenceEnCompta_, &CautionEnCompta_, &LocationEnCompta_, &ForfaitEnCompta_};
    Affecter(*b[Rang(g)], valeur);
}

void TAdherent::SetArticleCompta(Enregistrement g, const std::string& article) {
    std::string* a[] = {&ArticleLicence_, &ArticleCaution_, &ArticleLocation_, &ArticleForfait_};
    Affecter(*a[Rang(g)], article);
}

bool TAdherent::Desenregistrer(Enregistrement genre) {
    if (!EnCompta(genre))
        return true;
    SetEnCompta(genre, false);
    TComptabilite* compta = proprietaire_ ? proprietaire_->Comptabilite() : nullptr;
    const std::string& article = ArticleCompta(genre);
    const int c = compta ? compta->ChercherCompteProduit(article) : -1;
    if (c < 0) {
        MessageBoxTexte(
            Formater("Impossible de retrouver le compte \"%s\" dans lequel a été fait l'enregistrement !",
                     {article}),
            "Erreur", MB_ICONERROR);
        return false;
    }
    TCompte* compte = compta->GetCompteProduit(c);
    const std::string libelle = LibelleEnregistrement(genre, Nom_, Prenom_);
    const int l = compte->ChercherLigne(libelle);
    if (l < 0) {
        MessageBoxTexte(Formater("Impossible de retrouver la ligne d'écriture \"%s\" dans lequel a été fait "
                                 "l'enregistrement !",
                                 {libelle}),
                        "Erreur", MB_ICONERROR);
        return false;
    }
    compte->SupprimerLigne(l);
    return true;
}

void TAdherent::DesenregistrerTout() {
    for (const auto genre : kEnregistrements)
        Desenregistrer(genre);
}

std::unique_ptr<TAdherent> TAdherent::Clone(TAdherents* nouveauProprietaire) const {
    auto copie = std::make_unique<TAdherent>(nouveauProprietaire);
    copie->CopierChamps(*this);
    copie->Modified = IsModified();
    return copie;
}

void TAdherent::Save(TWriter& w) {
    w.WriteInteger(4);
    w.WriteString(Nom_);
    w.WriteString(Prenom_);
    w.WriteString(Sexe_);
    w.WriteFloat(DateNaissance_);
    w.WriteString(LieuNaissance_);
    w.WriteString(Adresse_);
    w.WriteInteger(CodePostal_);
    w.WriteString(Ville_);
    w.WriteString(Tel1_);
    w.WriteString(Tel2_);
    w.WriteString(NumeroLicence_);
    w.WriteFloat(DateDelivrance_);
    w.WriteBoolean(CertificatMedical_);
    w.WriteBoolean(LicenceCompet_);
    w.WriteInteger(Classement_);
    w.WriteBoolean(LicenceDirigeant_);
    w.WriteFloat(MontantLicence_);
    w.WriteBoolean(LicenceEnCompta_);
    w.WriteString(ArticleLicence_);
    w.WriteFloat(CautionCombinaison_);
    w.WriteFloat(LocationCombinaison_);
    w.WriteFloat(ForfaitLecon_);
    w.WriteString(Complement_);
    w.WriteBoolean(CautionEnCompta_);
    w.WriteString(ArticleCaution_);
    w.WriteBoolean(LocationEnCompta_);
    w.WriteString(ArticleLocation_);
    w.WriteBoolean(ForfaitEnCompta_);
    w.WriteString(ArticleForfait_);
    w.WriteString(InformationsComplementaires_);
    Modified = false;
}

void TAdherent::ChampModifie() {
    if (proprietaire_)
        proprietaire_->ElementModifie(this);
}

void TAdherent::Load(TReader& r) {
    const int v = r.ReadInteger();
    Nom_ = r.ReadString();
    Prenom_ = r.ReadString();
    Sexe_ = r.ReadString();
    DateNaissance_ = r.ReadFloat();
    LieuNaissance_ = r.ReadString();
    Adresse_ = r.ReadString();
    CodePostal_ = r.ReadInteger();
    Ville_ = r.ReadString();
    Tel1_ = r.ReadString();
    Tel2_ = r.ReadString();
    NumeroLicence_ = r.ReadString();
    DateDelivrance_ = r.ReadFloat();
    CertificatMedical_ = r.ReadBoolean();
    LicenceCompet_ = r.ReadBoolean();
    if (v >= 4)
        Classement_ = r.ReadInteger();
    LicenceDirigeant_ = r.ReadBoolean();
    MontantLicence_ = r.ReadFloat();
    // Version 1 wrote a boolean here that meant nothing yet.
    const bool licenceEnCompta = r.ReadBoolean();
    LicenceEnCompta_ = v >= 2 && licenceEnCompta;
    if (v >= 2)
        ArticleLicence_ = r.ReadString();
    CautionCombinaison_ = r.ReadFloat();
    LocationCombinaison_ = r.ReadFloat();
    ForfaitLecon_ = r.ReadFloat();
    Complement_ = r.ReadString();
    if (v >= 3) {
        CautionEnCompta_ = r.ReadBoolean();
        ArticleCaution_ = r.ReadString();
        LocationEnCompta_ = r.ReadBoolean();
        ArticleLocation_ = r.ReadString();
        ForfaitEnCompta_ = r.ReadBoolean();
        ArticleForfait_ = r.ReadString();
    }
    InformationsComplementaires_ = r.ReadString();
    Modified = false;
}

// --- TAdherents -------------------------------------------------------------

bool TAdherents::Delete(int index) {
    TAdherent* a = Adherent(index);
    if (a == nullptr)
        return false;
    a->DesenregistrerTout();
    return TCollection::Delete(index);
}

int TAdherents::Find(const std::string& nom, const std::string& prenom) const {
    return Chercher([&](const TAdherent& a) {
        return MemeTexteAscii(a.Nom(), nom) && MemeTexteAscii(a.Prenom(), prenom);
    });
}

bool TAdherents::ExisteAutreAdherent(const TAdherent* soi, const std::string& nom,
                                     const std::string& prenom) const {
    return ExisteAutre(soi, [&](const TAdherent& a) {
        return MemeTexteAscii(a.Nom(), nom) && MemeTexteAscii(a.Prenom(), prenom);
    });
}

StatistiquesAdherents TAdherents::Statistiques() const {
    StatistiquesAdherents s;
    for (const auto& a : Liste()) {
        if (a->LicenceDirigeant())
            ++s.dirigeant;
        else if (a->LicenceCompet())
            ++s.competition;
        else
            ++s.loisir;
    }
    return s;
}

bool TAdherents::Import(const TAdherent& adherent, std::vector<std::string>& rapport) {
    if (Find(adherent.Nom(), adherent.Prenom()) >= 0)
        rapport.push_back(Formater("Impossible d'importer l'adhérent \"%s %s\" ! Cet adhérent existe déjà.",
                                   {adherent.Nom(), adherent.Prenom()}));
    else
        Add(adherent.Clone(this));
    return true;
}

// --- Queries ----------------------------------------------------------------

std::string DecrireCriteres(const TCriteresRequete& c) {
    switch (c.TypeRequete) {
    case TCriteresRequete::ReqRelance:
        if (c.Relance >= 0 && c.Relance < 4)
            return std::string("Les adhérents qui n'ont pas payé ") + kTextesRelance[c.Relance];
        break;
    case TCriteresRequete::ReqCategorie:
        return "Les adhérents de catégorie '" + c.CategorieDemandee + "'";
    case TCriteresRequete::ReqLicence:
        return "Les adhérents qui ont une licence '" + c.LicenceDemandee + "'";
    default:
        break;
    }
    return "Tous les adhérents";
}

std::vector<TAdherent*> ExecuterRequete(const TAdherents& adherents, const TCriteresRequete& criteres) {
    std::vector<TAdherent*> resultat;
    for (int i = 0; i < adherents.Count(); ++i)
        if (adherents.Adherent(i)->Correspond(criteres))
            resultat.push_back(adherents.Adherent(i));
    return resultat;
}

} // namespace tramonta
