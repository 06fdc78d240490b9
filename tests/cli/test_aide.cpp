// SPDX-License-Identifier: GPL-3.0-or-later
// The usage that --help prints, and the manual pages that must follow it.
#include "outils_cli.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

using namespace tramonta::test;

namespace {

using Aide = TestCli;

TEST_F(Aide, HelpEtHEcriventLUsageSurLaSortieStandardEtRendent0) {
    const std::string usageErreur = Lancer({}).err;
    ASSERT_EQ(usageErreur.rfind("Usage :\n", 0), 0u) << usageErreur;
    for (const char* option : {"--help", "-h"}) {
        const SortieCli s = Lancer({option});
        EXPECT_EQ(s.code, 0) << option;
        EXPECT_EQ(s.err, "") << option;
        // The very text that a wrong usage gives on standard error.
        EXPECT_EQ(s.out, usageErreur) << option;
    }
}

TEST_F(Aide, VersionEcritLeNomEtLaVersion) {
    const SortieCli s = Lancer({"--version"});
    EXPECT_EQ(s.code, 0);
    EXPECT_TRUE(std::regex_match(s.out, std::regex("tramonta-cli [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << s.out;
}

TEST_F(Aide, UneOptionDAideAvecDAutresArgumentsEstUnUsageIncorrect) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--help", "dump"}, {"-h", "x.trm"}, {"--aide"}, {"--version", "x"}}) {
        const SortieCli s = Lancer(arguments);
        EXPECT_EQ(s.code, 2) << arguments[0];
        EXPECT_EQ(s.out, "") << arguments[0];
    }
}

// --- The manual pages -------------------------------------------------------

// The page's troff source as it reads once rendered, near enough to find
// the commands and options: "\-" is a hyphen, font changes go.
std::string PageManuel(const std::string& nom) {
    const std::string source = LireFichierTexte(std::string(TRAMONTA_MANUEL) + "/" + nom);
    EXPECT_FALSE(source.empty()) << nom;
    std::string texte = std::regex_replace(source, std::regex(R"(\\-)"), "-");
    return std::regex_replace(texte, std::regex(R"(\\f[BIRP])"), "");
}

struct Usage {
    std::set<std::string> commandes; // "dump", "pdf bilan"...
    std::set<std::string> options;   // "--force"...
};

// The commands are the lower-case words after the program's name on each
// usage line; the options, every "--word" of the usage.
Usage LireUsage(const std::string& texte, const std::string& programme) {
    Usage u;
    std::istringstream lignes(texte);
    std::string ligne;
    while (std::getline(lignes, ligne)) {
        std::istringstream mots(ligne);
        std::string mot;
        if (mots >> mot && mot == programme) {
            std::string commande;
            while (mots >> mot && std::regex_match(mot, std::regex("[a-z][a-z-]*")))
                commande += (commande.empty() ? "" : " ") + mot;
            if (!commande.empty())
                u.commandes.insert(commande);
        }
        const std::regex option("--[a-z]+");
        for (auto it = std::sregex_iterator(ligne.begin(), ligne.end(), option); it != std::sregex_iterator();
             ++it)
            u.options.insert(it->str());
    }
    return u;
}

// The commands of the page's synopsis: its ".B programme command" lines.
std::set<std::string> CommandesDuSynopsis(const std::string& page, const std::string& programme) {
    std::set<std::string> commandes;
    const std::regex ligne("\n\\.B " + programme + " ([a-z][a-z -]*[a-z])\n");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), ligne); it != std::sregex_iterator(); ++it)
        commandes.insert((*it)[1].str());
    return commandes;
}

void VerifierPage(const std::string& nomPage, const std::string& programme, const Usage& usage) {
    const std::string page = PageManuel(nomPage);
    for (const std::string& commande : usage.commandes)
        EXPECT_NE(page.find(programme + " " + commande + "\n"), std::string::npos)
            << nomPage << " ne donne pas la commande « " << commande << " »";
    for (const std::string& option : usage.options)
        EXPECT_NE(page.find(option), std::string::npos) << nomPage << " ne décrit pas l'option " << option;
    for (const std::string& commande : CommandesDuSynopsis(page, programme))
        EXPECT_TRUE(usage.commandes.count(commande))
            << nomPage << " donne « " << commande << " », que l'usage ne connaît pas";
}

TEST_F(Aide, LesPagesDeManuelDonnentChaqueCommandeEtChaqueOptionDeLUsage) {
    const SortieCli aide = Lancer({"--help"});
    ASSERT_EQ(aide.code, 0);
    const Usage usage = LireUsage(aide.out, "tramonta-cli");
    // The reading itself: the usage names the commands that scripts use.
    for (const char* commande : {"dump", "create", "tableau", "nouvelle-saison"})
        EXPECT_TRUE(usage.commandes.count(commande)) << commande;
    EXPECT_TRUE(usage.options.count("--force"));
    for (const char* page : {"tramonta-cli.1", "tramonta-cli.fr.1"})
        VerifierPage(page, "tramonta-cli", usage);
}

#ifdef TRAMONTA_PROGRAMME
// The window program answers --help from a terminal without any display:
// with no X server to reach, making its application would abort.
TEST_F(Aide, LeProgrammeEcritSonUsageSansEcranEtSesPagesLeSuivent) {
    const std::string commande = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb " +
                                 Q(TRAMONTA_PROGRAMME) + " --help >" + Q(Chemin("stdout")) + " 2>" +
                                 Q(Chemin("stderr"));
    const int r = std::system(commande.c_str());
    ASSERT_TRUE(WIFEXITED(r));
    EXPECT_EQ(WEXITSTATUS(r), 0) << Lire(Chemin("stderr"));
    const std::string aide = Lire(Chemin("stdout"));
    EXPECT_EQ(aide.rfind("Usage :\n  tramonta [FICHIER.trm]\n", 0), 0u) << aide;
    const Usage usage = LireUsage(aide, "tramonta");
    EXPECT_TRUE(usage.options.count("--version"));
    for (const char* page : {"tramonta.1", "tramonta.fr.1"})
        VerifierPage(page, "tramonta", usage);
}
#endif

} // namespace
