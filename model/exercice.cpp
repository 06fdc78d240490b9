// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/exercice.h"

#include "core/fichier.h"
#include "core/messages.h"
#include "core/texte.h"
#include "model/exercice_fichier.h"

namespace tramonta {

TExercice::TExercice() : adherents_(&comptabilite_), correspondants_(this) {
    Clear();
}

std::string TExercice::GetSpecialite(int index) const {
    if (index < 0 || index >= NbSpecialites())
        return {};
    return specialites_[static_cast<std::size_t>(index)];
}

bool TExercice::ExisteSpecialite(const std::string& texte) const {
    for (const auto& s : specialites_)
        if (MemeTexteSansCasse(s, texte))
            return true;
    return false;
}

int TExercice::AjouterSpecialite(const std::string& texte) {
    specialites_.push_back(texte);
    Modified = true;
    return NbSpecialites() - 1;
}

bool TExercice::RenommerSpecialite(int index, const std::string& texte) {
    if (index < 0 || index >= NbSpecialites())
        return false;
    Affecter(specialites_[static_cast<std::size_t>(index)], texte);
    return true;
}

bool TExercice::SupprimerSpecialite(int index) {
    if (index < 0 || index >= NbSpecialites())
        return false;
    specialites_.erase(specialites_.begin() + index);
    Modified = true;
    return true;
}

namespace {
std::string Brouiller(const std::string& texte, int sens) {
    std::string octets = Utf8VersCp1252(texte);
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const int decalage = 20 + static_cast<int>(i + 1);
        octets[i] = static_cast<char>((static_cast<unsigned char>(octets[i]) + sens * decalage) & 0xFF);
    }
    return Cp1252VersUtf8(octets);
}
} // namespace

std::string TExercice::CoderMotPasse(const std::string& clair) {
    return Brouiller(clair, +1);
}
std::string TExercice::DecoderMotPasse(const std::string& code) {
    return Brouiller(code, -1);
}

std::string TExercice::MotPasseStocke(const std::string& saisi) {
    return Cp1252VersUtf8(Utf8VersCp1252(saisi));
}

bool TExercice::VerifierMotPasse(const std::function<std::optional<std::string>()>& demander) const {
    const std::string clair = DecoderMotPasse(motPasse_);
    if (clair.empty())
        return true;
    const std::optional<std::string> saisi = demander ? demander() : std::nullopt;
    return saisi.has_value() && MotPasseStocke(*saisi) == clair;
}

bool TExercice::Importer(const TExercice& autre, std::vector<std::string>& rapport) {
    for (const auto& s : autre.specialites_) {
        if (ExisteSpecialite(s))
            rapport.push_back(
                Formater("Impossible d'importer la spécialité \"%s\" ! Cette spécialité existe déjà.", {s}));
        else
            AjouterSpecialite(s);
    }
    SetEuro(autre.Euro());

    TComptabilite& c = comptabilite_;
    const TComptabilite& o = autre.comptabilite_;
    if (c.TitulaireCompte().empty())
        c.SetTitulaireCompte(o.TitulaireCompte());
    if (c.NomBanque().empty())
        c.SetNomBanque(o.NomBanque());
    if (c.CodeBanque() == 0)
        c.SetCodeBanque(o.CodeBanque());
    if (c.CodeGuichet() == 0)
        c.SetCodeGuichet(o.CodeGuichet());
    if (c.NumeroCompte() == 0)
        c.SetNumeroCompte(o.NumeroCompte());
    if (c.CleRIB() == 0)
        c.SetCleRIB(o.CleRIB());
    if (!c.CompteLicenceDefini()) {
        c.SetCompteLicenceDefini(o.CompteLicenceDefini());
        c.SetCompteLicence(o.CompteLicence());
    }
    if (!c.CompteCautionCombiDefini()) {
        c.SetCompteCautionCombiDefini(o.CompteCautionCombiDefini());
        c.SetCompteCautionCombi(o.CompteCautionCombi());
    }
    if (!c.CompteLocationCombiDefini()) {
        c.SetCompteLocationCombiDefini(o.CompteLocationCombiDefini());
        c.SetCompteLocationCombi(o.CompteLocationCombi());
    }
    if (!c.CompteForfaitLeconDefini()) {
        c.SetCompteForfaitLeconDefini(o.CompteForfaitLeconDefini());
        c.SetCompteForfaitLecon(o.CompteForfaitLecon());
    }
    return true;
}

std::vector<std::string> TExercice::ImporterDepuis(const TExercice& source, const TChoixImport& choix) {
    std::vector<std::string> rapport;
    const TComptabilite& autre = source.Comptabilite();
    // Each merge rule may stop its loop by answering false; none does today.
    if (choix.ComptesCharge)
        for (int i = 0; i < autre.NbComptesCharges(); ++i)
            if (!comptabilite_.ImporterCompteCharge(*autre.GetCompteCharge(i), choix.Ecritures, rapport))
                break;
    if (choix.ComptesProduit)
        for (int i = 0; i < autre.NbComptesProduits(); ++i)
            if (!comptabilite_.ImporterCompteProduit(*autre.GetCompteProduit(i), choix.Ecritures, rapport))
                break;
    if (choix.InfosGenerales)
        Importer(source, rapport);
    if (choix.Adherents)
        for (int i = 0; i < source.Adherents().Count(); ++i)
            if (!adherents_.Import(*source.Adherents().Adherent(i), rapport))
                break;
    if (choix.Correspondants)
        for (int i = 0; i < source.Correspondants().Count(); ++i)
            if (!correspondants_.Import(*source.Correspondants().Correspondant(i), rapport))
                break;
    if (choix.Competitions)
        for (int i = 0; i < source.Compets().Count(); ++i)
            if (!compets_.ImportCompet(*source.Compets().Compet(i), rapport))
                break;
    rapport.push_back("Import terminé !");
    return rapport;
}

void TExercice::Clear() {
    Modified = false;
    intitule_.clear();
    commentaires_.clear();
    motPasse_.clear();
    specialites_.clear();
    adherents_.Clear();
    comptabilite_.Clear();
    compets_.Clear();
    correspondants_.Clear();
    agenda_.Clear();
    euro_ = true;
}

bool TExercice::IsModified() const {
    return Modified || adherents_.IsModified() || comptabilite_.IsModified() || compets_.IsModified() ||
           correspondants_.IsModified() || agenda_.IsModified();
}

void TExercice::Save(TWriter& w) {
    w.WriteInteger(kVersionFichier);
    w.WriteString(kSignature);
    w.WriteString(motPasse_);
    w.WriteString(intitule_);
    w.WriteString(commentaires_);
    w.WriteListBegin();
    for (const auto& s : specialites_)
        w.WriteString(s);
    w.WriteListEnd();
    adherents_.Save(w);
    comptabilite_.Save(w);
    compets_.Save(w);
    correspondants_.Save(w);
    w.WriteBoolean(euro_);
    agenda_.Save(w);
    Modified = false;
}

void TExercice::Load(TReader& r) {
    const int version = r.ReadInteger();
    r.ReadString(); // the signature is not checked: a foreign file fails on its layout
    motPasse_ = r.ReadString();
    intitule_ = r.ReadString();
    commentaires_ = r.ReadString();
    if (version >= 3) {
        r.ReadListBegin();
        while (!r.EndOfList())
            specialites_.push_back(r.ReadString());
        r.ReadListEnd();
    }
    adherents_.Load(r);
    comptabilite_.Load(r);
    compets_.Load(r);
    if (version >= 2)
        correspondants_.Load(r);
    if (version >= 4)
        euro_ = r.ReadBoolean();
    if (version >= 5)
        agenda_.Load(r);
    Modified = false;
}

bool ChargerExercice(TExercice& exercice, const std::string& chemin, TEmpreinte* empreinte) {
    exercice.Clear();
    TLecture lecture;
    switch (LireFichier(
        chemin, [&exercice](TReader& r) { exercice.Load(r); }, &lecture)) {
    case ResultatLecture::Ok:
        if (empreinte)
            *empreinte = lecture.empreinte;
        return true;
    case ResultatLecture::Inexistant:
        MessageBoxTexte("Fichier inexistant !", "Erreur", MB_ICONERROR);
        break;
    case ResultatLecture::Illisible:
        MessageBoxTexte("Impossible de lire l'exercice !", "Erreur", MB_ICONERROR);
        break;
    case ResultatLecture::Refuse:
        MessageBoxTexte("Impossible de lire l'exercice !\n" + lecture.message, "Erreur", MB_ICONERROR);
        break;
    }
    exercice.Clear();
    return false;
}

bool EnregistrerExercice(TExercice& exercice, const std::string& chemin, TEmpreinte* empreinte) {
    TEcriture ecriture;
    if (EcrireFichier(
            chemin, [&exercice](TWriter& w) { exercice.Save(w); }, &ecriture)) {
        if (empreinte)
            *empreinte = ecriture.empreinte;
        return true;
    }
    // Writing cleared the flags on the way; nothing reached the disk, so the
    // user must still be offered to save.
    exercice.Modified = true;
    MessageBoxTexte(ecriture.refus.empty() ? std::string("Impossible d'écrire l'exercice !")
                                           : "Impossible d'écrire l'exercice !\n" + ecriture.refus,
                    "Erreur", MB_ICONERROR);
    return false;
}

bool TExercice::LoadFromFile(const std::string& chemin) {
    return ChargerExercice(*this, chemin);
}

bool TExercice::SaveToFile(const std::string& chemin) {
    return EnregistrerExercice(*this, chemin);
}

} // namespace tramonta
