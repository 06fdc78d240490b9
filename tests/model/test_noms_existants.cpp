// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a name is taken by another record of its list: what the forms ask
// before storing a member, a correspondent, an account, an entry line, a
// participant or a competition, and the club page before adding a speciality.
#include "model/exercice.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace tramonta;

namespace {

// The list holds `noms` in order; `soi` is the position of the record being
// edited, -1 for a record made for the list and not added yet. Members and
// participants all have the first name "Jean" here.
using Existe = std::function<bool(const std::vector<std::string>& noms, int soi, const std::string& nom)>;

struct Genre {
    const char* quoi;
    // Whether accented letters fold too ("É" equals "é"), or only a-z/A-Z.
    bool accentsPlies;
    Existe existe;
};

// One record of `proprietaire` per name, named by `nommer`, added by
// `ajouter`; gives the record at `soi`, or, for -1, `nouveau`, made for the
// same owner and not added.
template <class Element, class Proprietaire, class Nommer, class Ajouter>
const Element* Remplir(Proprietaire* proprietaire, const std::vector<std::string>& noms, int soi,
                       Nommer nommer, Ajouter ajouter, std::unique_ptr<Element>& nouveau) {
    std::vector<const Element*> faits;
    for (const auto& n : noms) {
        auto e = std::make_unique<Element>(proprietaire);
        nommer(*e, n);
        faits.push_back(e.get());
        ajouter(std::move(e));
    }
    nouveau = std::make_unique<Element>(proprietaire);
    return soi < 0 ? nouveau.get() : faits.at(static_cast<std::size_t>(soi));
}

template <class Personne> void NommerJean(Personne& p, const std::string& nom) {
    p.SetNom(nom);
    p.SetPrenom("Jean");
}

// A collection of records named by one text.
template <class Liste, class Element, auto Nommer, auto ExisteAutre>
bool DansCollection(const std::vector<std::string>& noms, int soi, const std::string& nom) {
    Liste l;
    std::unique_ptr<Element> n;
    auto* e = Remplir(
        &l, noms, soi, [](Element& x, const std::string& texte) { (x.*Nommer)(texte); },
        [&](auto x) { l.Add(std::move(x)); }, n);
    return (l.*ExisteAutre)(e, nom);
}

const std::vector<Genre>& Genres() {
    static const std::vector<Genre> genres{
        {"adhérents", false,
         [](const std::vector<std::string>& noms, int soi, const std::string& nom) {
             TAdherents l;
             std::unique_ptr<TAdherent> n;
             auto* a = Remplir(
                 &l, noms, soi, NommerJean<TAdherent>, [&](auto e) { l.Add(std::move(e)); }, n);
             return l.ExisteAutreAdherent(a, nom, "Jean");
         }},
        {"correspondants", false,
         DansCollection<TCorrespondants, TCorrespondant, &TCorrespondant::SetNom,
                        &TCorrespondants::ExisteAutreCorrespondant>},
        // Charges and products in turn: a number names one account across
        // both lists.
        {"comptes", false,
         [](const std::vector<std::string>& noms, int soi, const std::string& nom) {
             TComptabilite compta;
             std::unique_ptr<TCompte> n;
             bool charge = true;
             auto* c = Remplir(
                 &compta, noms, soi, [](TCompte& e, const std::string& x) { e.SetArticle(x); },
                 [&](std::unique_ptr<TCompte> e) {
                     charge ? compta.AjouterCompteCharge(std::move(e))
                            : compta.AjouterCompteProduit(std::move(e));
                     charge = !charge;
                 },
                 n);
             return compta.ExisteAutreCompte(c, nom);
         }},
        {"lignes d'écriture", false,
         [](const std::vector<std::string>& noms, int soi, const std::string& nom) {
             TCompte compte(nullptr);
             std::unique_ptr<TLigneEcriture> n;
             auto* l = Remplir(
                 &compte, noms, soi, [](TLigneEcriture& e, const std::string& x) { e.SetLibelle(x); },
                 [&](auto e) { compte.AjouterLigne(std::move(e)); }, n);
             return compte.ExisteAutreLigne(l, nom);
         }},
        {"participants", true,
         [](const std::vector<std::string>& noms, int soi, const std::string& nom) {
             TCategorieCompet categorie(nullptr);
             std::unique_ptr<TParticipantCompet> n;
             auto* p = Remplir(
                 &categorie, noms, soi, NommerJean<TParticipantCompet>,
                 [&](auto e) { categorie.Add(std::move(e)); }, n);
             return categorie.ExisteAutreParticipant(p, nom, "Jean");
         }},
        {"compétitions", true,
         DansCollection<TCompets, TCompet, &TCompet::SetIntitule, &TCompets::ExisteAutreCompet>},
    };
    return genres;
}

struct Cas {
    const char* quoi;
    std::vector<std::string> noms;
    int soi;
    std::string nom;
    bool siAscii;   // the answer when only a-z/A-Z fold
    bool siAccents; // the answer when accented letters fold too
};

TEST(NomsExistants, UnAutreQueSoiPorteLeNom) {
    const std::vector<Cas> cas{
        {"liste vide", {}, -1, "Dupont", false, false},
        {"le sien, inchangé", {"Dupont"}, 0, "Dupont", false, false},
        {"le sien, en majuscules", {"Dupont"}, 0, "DUPONT", false, false},
        {"celui d'un autre", {"Dupont", "Martin"}, 1, "Dupont", true, true},
        {"celui d'un autre, pour un nouveau", {"Dupont"}, -1, "Dupont", true, true},
        {"un autre en minuscules", {"Dupont"}, -1, "dupont", true, true},
        {"un autre, accent en majuscule", {"École"}, -1, "école", false, true},
        {"un autre, sans l'accent", {"École"}, -1, "Ecole", false, false},
        {"un autre, un blanc de plus", {"Dupont"}, -1, "Dupont ", false, false},
        // A file that already holds the name twice: either record can still
        // be confirmed under its own name, but no third one may take it.
        {"un double déjà là, gardé", {"Dupont", "Dupont"}, 1, "Dupont", false, false},
        {"un double déjà là, pris par un autre", {"Dupont", "Dupont", "Martin"}, 2, "Dupont", true, true},
        {"un nom libre", {"Dupont", "Martin"}, 0, "Durand", false, false},
    };
    for (const Genre& g : Genres())
        for (const Cas& c : cas) {
            SCOPED_TRACE(std::string(g.quoi) + " : " + c.quoi);
            EXPECT_EQ(g.existe(c.noms, c.soi, c.nom), g.accentsPlies ? c.siAccents : c.siAscii);
        }
}

// Members and participants are named by both names together.
TEST(NomsExistants, LePrenomCompteAussi) {
    struct CasPrenom {
        const char* quoi;
        int soi;
        std::string nom, prenom;
        bool attendu;
    };
    const std::vector<CasPrenom> cas{
        {"même nom, autre prénom", -1, "Dupont", "Paul", false},
        {"les deux, casse changée", -1, "DUPONT", "jean", true},
        {"les deux, le sien", 0, "Dupont", "Jean", false},
        {"prénom vide", -1, "Dupont", "", false},
    };
    for (const CasPrenom& c : cas) {
        SCOPED_TRACE(c.quoi);
        TAdherents adherents;
        std::unique_ptr<TAdherent> nouveau;
        auto* a = Remplir(
            &adherents, {"Dupont"}, c.soi, NommerJean<TAdherent>,
            [&](auto e) { adherents.Add(std::move(e)); }, nouveau);
        EXPECT_EQ(adherents.ExisteAutreAdherent(a, c.nom, c.prenom), c.attendu);

        TCategorieCompet categorie(nullptr);
        std::unique_ptr<TParticipantCompet> inscrit;
        auto* p = Remplir(
            &categorie, {"Dupont"}, c.soi, NommerJean<TParticipantCompet>,
            [&](auto e) { categorie.Add(std::move(e)); }, inscrit);
        EXPECT_EQ(categorie.ExisteAutreParticipant(p, c.nom, c.prenom), c.attendu);
    }
}

// A speciality is only checked when it is added: renaming one may change
// just its case.
TEST(NomsExistants, UneSpecialiteExisteQuelleQueSoitSaCasse) {
    const std::vector<std::tuple<std::vector<std::string>, std::string, bool>> cas{
        {{}, "Mairie", false},      {{"Mairie"}, "Mairie", true}, {{"Mairie"}, "MAIRIE", true},
        {{"École"}, "école", true}, {{"École"}, "Ecole", false},  {{"Mairie", "Port"}, "Plage", false},
    };
    for (const auto& [specialites, texte, attendu] : cas) {
        SCOPED_TRACE(texte);
        TExercice e;
        for (const auto& s : specialites)
            e.AjouterSpecialite(s);
        EXPECT_EQ(e.ExisteSpecialite(texte), attendu);
    }
}

} // namespace
