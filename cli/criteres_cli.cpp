#include "cli/criteres_cli.h"

#include "core/texte.h"
#include "model/adherent.h"

#include <array>

namespace tramonta {

namespace {

// The name as the program spells it, or nothing.
template <std::size_t N>
std::optional<std::string> Chercher(const std::array<const char*, N>& noms, const std::string& nom) {
    for (const char* n : noms)
        if (MemeTexteSansCasse(n, nom))
            return std::string(n);
    return std::nullopt;
}

} // namespace

std::optional<TCriteresRequete> CriteresDepuisOptions(const std::vector<std::string>& options,
                                                      std::string& erreur) {
    TCriteresRequete criteres;
    if (options.empty()) {
        criteres.Description = DecrireCriteres(criteres);
        return criteres;
    }
    if (options.size() != 2) {
        erreur = "Une seule option parmi --impayes, --categorie et --licence, suivie de sa valeur.";
        return std::nullopt;
    }
    const std::string& option = options[0];
    const std::string& valeur = options[1];
    if (option == "--impayes") {
        static constexpr std::array<const char*, 4> kSommes = {"licence", "caution", "location", "forfait"};
        criteres.TypeRequete = TCriteresRequete::ReqRelance;
        criteres.Relance = -1;
        for (std::size_t i = 0; i < kSommes.size(); ++i)
            if (MemeTexteAscii(kSommes[i], valeur))
                criteres.Relance = static_cast<std::int32_t>(i);
        if (criteres.Relance < 0) {
            erreur = Formater("Somme \"%s\" inconnue : licence, caution, location ou forfait.", {valeur});
            return std::nullopt;
        }
    } else if (option == "--categorie") {
        const auto categorie = Chercher(kCategories, valeur);
        if (!categorie) {
            erreur = Formater("Catégorie \"%s\" inexistante !", {valeur});
            return std::nullopt;
        }
        criteres.TypeRequete = TCriteresRequete::ReqCategorie;
        criteres.CategorieDemandee = *categorie;
    } else if (option == "--licence") {
        const auto licence = Chercher(kTypesLicence, valeur);
        if (!licence) {
            erreur = Formater("Type de licence \"%s\" inexistant !", {valeur});
            return std::nullopt;
        }
        criteres.TypeRequete = TCriteresRequete::ReqLicence;
        criteres.LicenceDemandee = *licence;
    } else {
        erreur = Formater("Option \"%s\" inconnue !", {option});
        return std::nullopt;
    }
    criteres.Description = DecrireCriteres(criteres);
    return criteres;
}

} // namespace tramonta
