// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pdf.h"

#include "core/texte.h"
#include "model/adherent.h"
#include "model/correspondant.h"
#include "model/exercice.h"
#include "model/requete.h"
#include "platform/canevas_qt.h"
#include "platform/preferences.h"
#include "print/fiches.h"
#include "print/liste_adherents.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <optional>

namespace tramonta {

namespace {

// The name as the program spells it, whatever the case typed, or nothing.
template <std::size_t N>
std::optional<std::string> NomExact(const std::array<const char*, N>& noms, const std::string& nom) {
    for (const char* n : noms)
        if (MemeTexteSansCasse(n, nom))
            return std::string(n);
    return std::nullopt;
}

struct Criteres {
    std::optional<TCriteresRequete> criteres;
    int code = 0; // when there are none: 2 for a wrong usage, 1 for a wrong value (already reported)
};

// No option: every member; otherwise exactly one of "--impayes SOMME",
// "--categorie NOM", "--licence TYPE".
Criteres LireCriteres(const std::vector<std::string>& options) {
    TCriteresRequete c;
    auto erreur = [](const std::string& message) {
        std::cerr << message << '\n';
        return Criteres{std::nullopt, 1};
    };
    if (options.size() == 2 && options[0] == "--impayes") {
        static constexpr std::array<const char*, 4> kSommes = {"licence", "caution", "location", "forfait"};
        c.TypeRequete = TCriteresRequete::ReqRelance;
        c.Relance = -1;
        for (std::size_t i = 0; i < kSommes.size(); ++i)
            if (MemeTexteAscii(kSommes[i], options[1]))
                c.Relance = static_cast<std::int32_t>(i);
        if (c.Relance < 0)
            return erreur(
                Formater("Somme \"%s\" inconnue : licence, caution, location ou forfait.", {options[1]}));
    } else if (options.size() == 2 && options[0] == "--categorie") {
        const auto categorie = NomExact(kCategories, options[1]);
        if (!categorie)
            return erreur(Formater("Catégorie \"%s\" inexistante !", {options[1]}));
        c.TypeRequete = TCriteresRequete::ReqCategorie;
        c.CategorieDemandee = *categorie;
    } else if (options.size() == 2 && options[0] == "--licence") {
        const auto licence = NomExact(kTypesLicence, options[1]);
        if (!licence)
            return erreur(Formater("Type de licence \"%s\" inexistant : Dirigeant, Compétition ou Loisir.",
                                   {options[1]}));
        c.TypeRequete = TCriteresRequete::ReqLicence;
        c.LicenceDemandee = *licence;
    } else if (!options.empty()) {
        return {std::nullopt, 2};
    }
    c.Description = DecrireCriteres(c);
    return {c, 0};
}

// "--champs Ville,Tel1,...": the fields of a member line, named as in the
// settings, whatever their case. Taken out of `options`.
std::optional<ChampsListe> LireChamps(std::vector<std::string>& options, int& code) {
    ChampsListe champs{};
    const auto it = std::find(options.begin(), options.end(), "--champs");
    if (it == options.end())
        return champs;
    if (it + 1 == options.end()) {
        code = 2;
        return std::nullopt;
    }
    std::string liste = *(it + 1);
    options.erase(it, it + 2);
    std::size_t debut = 0;
    while (debut <= liste.size()) {
        std::size_t fin = liste.find(',', debut);
        if (fin == std::string::npos)
            fin = liste.size();
        const std::string nom = liste.substr(debut, fin - debut);
        std::size_t i = 0;
        while (i < kChampsVisibles.size() && !MemeTexteAscii(kChampsVisibles[i], nom))
            ++i;
        if (i == kChampsVisibles.size()) {
            std::cerr << Formater("Champ \"%s\" inconnu !", {nom}) << '\n';
            code = 1;
            return std::nullopt;
        }
        champs[i] = true;
        debut = fin + 1;
    }
    return champs;
}

bool Ecrire(const std::string& sortie, const char* titre, const std::function<void(TCanevas&)>& dessin) {
    if (EcrirePdf(QString::fromStdString(sortie), titre, Orientation::Portrait, dessin))
        return true;
    std::cerr << Formater("Impossible d'écrire le fichier \"%s\" !", {sortie}) << '\n';
    return false;
}

} // namespace

int PdfAdherents(const std::string& genre, const std::vector<std::string>& arguments) {
    if (arguments.size() < 2)
        return 2;
    std::vector<std::string> options(arguments.begin() + 2, arguments.end());
    if ((genre == "adherent" && options.size() != 2) || (genre == "correspondant" && options.size() != 1))
        return 2;
    Criteres criteres;
    ChampsListe champs{};
    if (genre == "requete") {
        int code = 0;
        const auto lus = LireChamps(options, code);
        if (!lus)
            return code;
        champs = *lus;
        criteres = LireCriteres(options);
        if (!criteres.criteres)
            return criteres.code;
    }
    TExercice exercice;
    if (!exercice.LoadFromFile(arguments[0]))
        return 1;
    DefinirTitreEntete(TitreEntetePour(exercice.Intitule()));
    const std::string& sortie = arguments[1];

    if (genre == "adherent") {
        const TAdherent* a = exercice.Adherents().Adherent(exercice.Adherents().Find(options[0], options[1]));
        if (!a) {
            std::cerr << Formater("Adhérent \"%s %s\" inexistant !", {options[0], options[1]}) << '\n';
            return 1;
        }
        return Ecrire(sortie, "Impression adhérent", [a](TCanevas& c) { ImprimerAdherent(*a, c, true); }) ? 0
                                                                                                          : 1;
    }
    if (genre == "correspondant") {
        const TCorrespondant* k =
            exercice.Correspondants().Correspondant(exercice.Correspondants().Find(options[0]));
        if (!k) {
            std::cerr << Formater("Correspondant \"%s\" inexistant !", {options[0]}) << '\n';
            return 1;
        }
        return Ecrire(sortie, "Impression correspondant",
                      [k](TCanevas& c) { ImprimerCorrespondant(*k, c, true); })
                   ? 0
                   : 1;
    }
    // The command line reads no preferences: the names, and the fields asked for.
    const auto lignes = LignesListeAdherents(&exercice.Adherents(), &*criteres.criteres, champs);
    return Ecrire(sortie, "Impression requête adhérents",
                  [&lignes](TCanevas& c) { ImprimerListeAdherents(c, lignes, true); })
               ? 0
               : 1;
}

} // namespace tramonta
