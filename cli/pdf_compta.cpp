// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pdf.h"

#include "core/dates.h"
#include "core/texte.h"
#include "model/exercice.h"
#include "platform/canevas_qt.h"
#include "print/etats_compta.h"

#include <iostream>
#include <map>
#include <optional>

namespace tramonta {

namespace {

// Options "--nom valeur" and flags "--nom"; nothing when an option is not
// one of those allowed or lacks its value.
std::optional<std::map<std::string, std::string>> LireOptions(const std::vector<std::string>& arguments,
                                                              std::size_t debut,
                                                              const std::vector<std::string>& avecValeur,
                                                              const std::vector<std::string>& drapeaux) {
    std::map<std::string, std::string> options;
    for (std::size_t i = debut; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        auto dans = [&a](const std::vector<std::string>& l) {
            return std::find(l.begin(), l.end(), a) != l.end();
        };
        if (options.count(a))
            return std::nullopt;
        if (dans(avecValeur) && i + 1 < arguments.size())
            options[a] = arguments[++i];
        else if (dans(drapeaux))
            options[a] = "";
        else
            return std::nullopt;
    }
    return options;
}

bool LireDate(const std::map<std::string, std::string>& options, const std::string& nom, TDateTime& date) {
    auto it = options.find(nom);
    if (it == options.end())
        return true;
    date = TexteVersDate(it->second);
    if (date == 0) {
        std::cerr << Formater("Date incorrecte : \"%s\" (JJ/MM/AAAA attendu) !", {it->second}) << '\n';
        return false;
    }
    return true;
}

bool Ecrire(const std::string& sortie, const char* titre, const std::function<void(TCanevas&)>& dessin) {
    if (EcrirePdf(QString::fromStdString(sortie), QString::fromUtf8(titre), Orientation::Portrait, dessin))
        return true;
    std::cerr << Formater("Impossible d'écrire le fichier \"%s\" !", {sortie}) << '\n';
    return false;
}

} // namespace

int PdfCompta(const std::string& genre, const std::vector<std::string>& arguments) {
    if (arguments.size() < 2)
        return 2;
    std::optional<std::map<std::string, std::string>> options;
    if (genre == "bilan")
        options = LireOptions(arguments, 2, {}, {});
    else if (genre == "mouvements")
        options = LireOptions(arguments, 2, {"--du", "--au", "--compte"}, {"--charges", "--produits"});
    else
        options = LireOptions(arguments, 2, {"--du", "--au", "--edition", "--numero", "--compte"}, {});
    if (!options)
        return 2;
    const auto a = [&options](const char* nom) { return options->count(nom) != 0; };
    if (genre == "mouvements" &&
        (a("--du") != a("--au") || int(a("--compte")) + int(a("--charges")) + int(a("--produits")) > 1))
        return 2;
    if (genre == "depots" && (!a("--du") || !a("--au")))
        return 2;

    TExercice exercice;
    if (!exercice.LoadFromFile(arguments[0]))
        return 1;
    const TComptabilite& compta = exercice.Comptabilite();
    const TContexteCompta contexte{exercice.Euro(), exercice.Intitule(), ""};
    const std::string& sortie = arguments[1];

    if (genre == "bilan")
        return Ecrire(sortie, kTitreBilan, [&](TCanevas& c) { DessinerBilan(compta, c, true, contexte); })
                   ? 0
                   : 1;

    const TCompte* compte = nullptr;
    if (a("--compte")) {
        const std::string& article = options->at("--compte");
        if (genre == "mouvements") {
            const int charge = compta.ChercherCompteCharge(article);
            compte = charge >= 0 ? compta.GetCompteCharge(charge)
                                 : compta.GetCompteProduit(compta.ChercherCompteProduit(article));
        } else {
            compte = compta.GetCompteProduit(compta.ChercherCompteProduit(article));
        }
        if (!compte) {
            std::cerr << Formater(genre == "mouvements" ? "Compte \"%s\" inexistant !"
                                                        : "Compte produit \"%s\" inexistant !",
                                  {article})
                      << '\n';
            return 1;
        }
    }

    if (genre == "mouvements") {
        TEditionMouvements edition;
        edition.Genre = compte ? 3 : a("--charges") ? 1 : a("--produits") ? 2 : 0;
        edition.Compte = compte;
        if (!LireDate(*options, "--du", edition.Debut) || !LireDate(*options, "--au", edition.Fin))
            return 1;
        return Ecrire(sortie, kTitreMouvements,
                      [&](TCanevas& c) { DessinerMouvements(compta, c, edition, true, contexte); })
                   ? 0
                   : 1;
    }

    TEditionDepotsBancaires edition;
    edition.Genre = compte ? 1 : 0;
    edition.Compte = compte;
    edition.DateEdition = Aujourdhui();
    if (!LireDate(*options, "--du", edition.Debut) || !LireDate(*options, "--au", edition.Fin) ||
        !LireDate(*options, "--edition", edition.DateEdition))
        return 1;
    if (a("--numero"))
        edition.NumeroDepot = options->at("--numero");
    return Ecrire(sortie, kTitreDepots,
                  [&](TCanevas& c) { DessinerDepots(compta, c, edition, true, contexte); })
               ? 0
               : 1;
}

} // namespace tramonta
