// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_document.h"

#include "model/exercice.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace tramonta {

using Json = nlohmann::ordered_json;

namespace {

// JSON has no NaN nor infinities; they travel as strings so that every
// double comes back as it went.
Json VersJson(double v) {
    if (std::isnan(v))
        return "NaN";
    if (std::isinf(v))
        return v > 0 ? "Infinity" : "-Infinity";
    return v;
}
Json VersJson(bool v) {
    return v;
}
Json VersJson(std::int32_t v) {
    return v;
}
Json VersJson(const std::string& v) {
    return v;
}

void DepuisJson(const nlohmann::json& j, double& v) {
    if (j.is_string()) {
        const auto& s = j.get_ref<const std::string&>();
        if (s == "NaN")
            v = std::numeric_limits<double>::quiet_NaN();
        else if (s == "Infinity")
            v = std::numeric_limits<double>::infinity();
        else if (s == "-Infinity")
            v = -std::numeric_limits<double>::infinity();
        else
            throw std::invalid_argument("nombre attendu : " + s);
        return;
    }
    if (!j.is_number())
        throw std::invalid_argument("nombre attendu");
    v = j.get<double>();
}
void DepuisJson(const nlohmann::json& j, bool& v) {
    v = j.get<bool>();
}
void DepuisJson(const nlohmann::json& j, std::int32_t& v) {
    if (!j.is_number_integer())
        throw std::invalid_argument("entier attendu");
    const auto n = j.get<std::int64_t>();
    if (j.is_number_unsigned() || n < std::numeric_limits<std::int32_t>::min() ||
        n > std::numeric_limits<std::int32_t>::max()) {
        if (!(j.is_number_unsigned() && j.get<std::uint64_t>() <= std::numeric_limits<std::int32_t>::max()))
            throw std::invalid_argument("entier hors de l'intervalle 32 bits");
    }
    v = static_cast<std::int32_t>(n);
}
void DepuisJson(const nlohmann::json& j, std::string& v) {
    v = j.get<std::string>();
}

template <class R> Json Champs(const R& r) {
    Json j = Json::object();
    r.VisiterChamps([&](const char* nom, const auto& valeur) { j[nom] = VersJson(valeur); });
    return j;
}

template <class R> void LireChamps(const nlohmann::json& j, R& r) {
    if (!j.is_object())
        throw std::invalid_argument("objet attendu");
    r.ModifierChamps([&](const char* nom, auto& valeur) {
        if (auto it = j.find(nom); it != j.end())
            DepuisJson(*it, valeur);
    });
}

const nlohmann::json& Tableau(const nlohmann::json& j, const char* cle) {
    static const nlohmann::json vide = nlohmann::json::array();
    auto it = j.find(cle);
    if (it == j.end())
        return vide;
    if (!it->is_array())
        throw std::invalid_argument(std::string("tableau attendu : ") + cle);
    return *it;
}

Json CompteVersJson(const TCompte& c) {
    Json j = Champs(c);
    Json lignes = Json::array();
    for (int i = 0; i < c.NbLignes(); ++i) {
        Json l = Champs(*c.GetLigne(i));
        l["Automatique"] = c.GetLigne(i)->Automatique;
        lignes.push_back(std::move(l));
    }
    j["Lignes"] = std::move(lignes);
    return j;
}

std::unique_ptr<TCompte> JsonVersCompte(const nlohmann::json& j, TComptabilite* compta) {
    auto compte = std::make_unique<TCompte>(compta);
    LireChamps(j, *compte);
    for (const auto& jl : Tableau(j, "Lignes")) {
        auto ligne = std::make_unique<TLigneEcriture>(compte.get());
        LireChamps(jl, *ligne);
        if (auto it = jl.find("Automatique"); it != jl.end())
            DepuisJson(*it, ligne->Automatique);
        compte->AjouterLigne(std::move(ligne));
    }
    return compte;
}

// The table as it stands in memory: for a table of the current file version
// that is the template's structure with the stored results.
Json TableauVersJson(const TTableauCompet& t) {
    Json tours = Json::array();
    for (int i = 0; i < t.Count(); ++i) {
        const TTourCompet& tour = *t.Tour(i);
        Json series = Json::array();
        for (int s = 0; s < tour.Count(); ++s) {
            const TSerieCompet& serie = *tour.Serie(s);
            const TRect& c = serie.Cadre();
            Json lignes = Json::array();
            for (int l = 0; l < serie.Count(); ++l) {
                const TLigneSerie& ligne = *serie.Ligne(l);
                lignes.push_back(Json{{"Rang", ligne.Rang()},
                                      {"SerieOrigine", ligne.SerieOrigine()},
                                      {"Participant", ligne.Participant()},
                                      {"Place", ligne.Place()}});
            }
            series.push_back(Json{{"Cadre", Json::array({c.Left, c.Top, c.Right, c.Bottom})},
                                  {"Lignes", std::move(lignes)}});
        }
        tours.push_back(Json{{"Series", std::move(series)}});
    }
    return Json{{"Tours", std::move(tours)}};
}

Json CompetVersJson(const TCompet& c) {
    Json j = Champs(c);
    Json categories = Json::array();
    for (int i = 0; i < kNbCategoriesCompet; ++i) {
        const TCategorieCompet& cat = *c.Categorie(i);
        Json participants = Json::array();
        for (int p = 0; p < cat.Count(); ++p)
            participants.push_back(Champs(*cat.Participant(p)));
        Json jc = Json::object();
        jc["Participants"] = std::move(participants);
        jc["TypeTableau"] = cat.TypeTableau();
        jc["Tableau"] = cat.Tableau() ? TableauVersJson(*cat.Tableau()) : Json(nullptr);
        categories.push_back(std::move(jc));
    }
    j["Categories"] = std::move(categories);
    return j;
}

// The structure always comes from the template of the type; the JSON only
// fills the results of its lines, in order. Lines beyond the template's are
// ignored, missing ones stay empty.
void JsonVersTableau(const nlohmann::json& j, TTableauCompet& t) {
    if (!j.is_object())
        throw std::invalid_argument("objet attendu : Tableau");
    std::vector<TLigneSerie*> lignes;
    for (int i = 0; i < t.Count(); ++i)
        for (int s = 0; s < t.Tour(i)->Count(); ++s)
            for (int l = 0; l < t.Tour(i)->Serie(s)->Count(); ++l)
                lignes.push_back(t.Tour(i)->Serie(s)->Ligne(l));
    std::size_t suivante = 0;
    for (const auto& jt : Tableau(j, "Tours"))
        for (const auto& js : Tableau(jt, "Series"))
            for (const auto& jl : Tableau(js, "Lignes")) {
                if (suivante == lignes.size())
                    return;
                TLigneSerie& ligne = *lignes[suivante++];
                std::int32_t v = -1;
                if (auto it = jl.find("Participant"); it != jl.end()) {
                    DepuisJson(*it, v);
                    ligne.SetParticipant(v);
                }
                if (auto it = jl.find("Place"); it != jl.end()) {
                    DepuisJson(*it, v);
                    ligne.SetPlace(v);
                }
            }
}

std::unique_ptr<TCompet> JsonVersCompet(const nlohmann::json& j, TCompets* compets) {
    auto compet = std::make_unique<TCompet>(compets);
    LireChamps(j, *compet);
    const auto& categories = Tableau(j, "Categories");
    if (categories.size() > kNbCategoriesCompet)
        throw std::invalid_argument("six catégories au plus");
    int index = 0;
    for (const auto& jc : categories) {
        if (!jc.is_object())
            throw std::invalid_argument("objet attendu : catégorie");
        TCategorieCompet& cat = *compet->Categorie(index++);
        for (const auto& jp : Tableau(jc, "Participants")) {
            auto p = std::make_unique<TParticipantCompet>(&cat);
            LireChamps(jp, *p);
            cat.Add(std::move(p));
        }
        if (auto it = jc.find("TypeTableau"); it != jc.end()) {
            std::int32_t type = 0;
            DepuisJson(*it, type);
            // Kept in 8 bits, as the file keeps it.
            cat.SetTypeTableau(static_cast<std::uint8_t>(type));
        }
        if (auto it = jc.find("Tableau"); it != jc.end() && !it->is_null() && cat.Tableau())
            JsonVersTableau(*it, *cat.Tableau());
    }
    return compet;
}

} // namespace

nlohmann::ordered_json DocumentVersJson(const TExercice& e) {
    Json j = Json::object();
    j["MotPasse"] = e.MotPasse();
    j["Intitule"] = e.Intitule();
    j["Commentaires"] = e.Commentaires();
    Json specialites = Json::array();
    for (int i = 0; i < e.NbSpecialites(); ++i)
        specialites.push_back(e.GetSpecialite(i));
    j["Specialites"] = std::move(specialites);
    j["Euro"] = e.Euro();

    Json adherents = Json::array();
    for (int i = 0; i < e.Adherents().Count(); ++i)
        adherents.push_back(Champs(*e.Adherents().Adherent(i)));
    j["Adherents"] = std::move(adherents);

    const TComptabilite& c = e.Comptabilite();
    Json compta = Json::object();
    Json charges = Json::array(), produits = Json::array();
    for (int i = 0; i < c.NbComptesCharges(); ++i)
        charges.push_back(CompteVersJson(*c.GetCompteCharge(i)));
    for (int i = 0; i < c.NbComptesProduits(); ++i)
        produits.push_back(CompteVersJson(*c.GetCompteProduit(i)));
    compta["Charges"] = std::move(charges);
    compta["Produits"] = std::move(produits);
    compta.update(Champs(c));
    j["Comptabilite"] = std::move(compta);

    Json compets = Json::array();
    for (int i = 0; i < e.Compets().Count(); ++i)
        compets.push_back(CompetVersJson(*e.Compets().Compet(i)));
    j["Compets"] = std::move(compets);

    Json correspondants = Json::array();
    for (int i = 0; i < e.Correspondants().Count(); ++i)
        correspondants.push_back(Champs(*e.Correspondants().Correspondant(i)));
    j["Correspondants"] = std::move(correspondants);

    Json agenda = Json::array();
    for (int i = 0; i < e.Agenda().Count(); ++i)
        agenda.push_back(Champs(*e.Agenda().Ligne(i)));
    j["Agenda"] = std::move(agenda);
    return j;
}

namespace {
void Remplir(const nlohmann::json& j, TExercice& e) {
    if (!j.is_object())
        throw std::invalid_argument("objet attendu");
    auto texte = [&](const char* cle, auto&& affecter) {
        if (auto it = j.find(cle); it != j.end()) {
            std::string s;
            DepuisJson(*it, s);
            affecter(s);
        }
    };
    texte("MotPasse", [&](const std::string& s) { e.SetMotPasse(s); });
    texte("Intitule", [&](const std::string& s) { e.SetIntitule(s); });
    texte("Commentaires", [&](const std::string& s) { e.SetCommentaires(s); });
    for (const auto& s : Tableau(j, "Specialites"))
        e.AjouterSpecialite(s.get<std::string>());
    if (auto it = j.find("Euro"); it != j.end())
        e.SetEuro(it->get<bool>());

    for (const auto& ja : Tableau(j, "Adherents")) {
        auto a = std::make_unique<TAdherent>(&e.Adherents());
        LireChamps(ja, *a);
        e.Adherents().Add(std::move(a));
    }

    if (auto it = j.find("Comptabilite"); it != j.end()) {
        TComptabilite& c = e.Comptabilite();
        for (const auto& jc : Tableau(*it, "Charges"))
            c.AjouterCompteCharge(JsonVersCompte(jc, &c));
        for (const auto& jc : Tableau(*it, "Produits"))
            c.AjouterCompteProduit(JsonVersCompte(jc, &c));
        LireChamps(*it, c);
    }

    for (const auto& jc : Tableau(j, "Compets"))
        e.Compets().Add(JsonVersCompet(jc, &e.Compets()));

    for (const auto& jc : Tableau(j, "Correspondants")) {
        auto c = std::make_unique<TCorrespondant>(&e.Correspondants());
        LireChamps(jc, *c);
        e.Correspondants().Add(std::move(c));
    }

    for (const auto& jl : Tableau(j, "Agenda")) {
        auto l = std::make_unique<TLigneAgenda>(&e.Agenda());
        LireChamps(jl, *l);
        e.Agenda().Add(std::move(l));
    }
}
} // namespace

void JsonVersDocument(const nlohmann::json& j, TExercice& e) {
    try {
        Remplir(j, e);
    } catch (...) {
        // A refused document leaves nothing of what was read before the
        // fault, as a failed load leaves the document empty.
        e.Clear();
        throw;
    }
}

} // namespace tramonta
