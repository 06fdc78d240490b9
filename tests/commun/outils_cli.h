// SPDX-License-Identifier: GPL-3.0-or-later
// Running the real tramonta-cli from a test, in a temporary folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tramonta::test {

struct SortieCli {
    int code = -1;
    std::string out;
    std::string err;
};

// One argument for the shell, whatever quotes it holds.
inline std::string Q(const std::string& texte) {
    std::string q = "'";
    for (char c : texte)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string LireFichierTexte(const std::filesystem::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

class TestCli : public testing::Test {
  protected:
    void SetUp() override {
        dossier_ = std::filesystem::temp_directory_path() /
                   ("tramonta-cli-" + std::to_string(::getpid()) + "-" +
                    testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-" +
                    testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dossier_);
        std::filesystem::create_directories(dossier_);
    }
    void TearDown() override { std::filesystem::remove_all(dossier_); }

    std::string Chemin(const std::string& nom) const { return (dossier_ / nom).string(); }
    static std::string Lire(const std::string& chemin) { return LireFichierTexte(chemin); }

    SortieCli Lancer(const std::vector<std::string>& arguments) {
        std::string commande = Q(TRAMONTA_CLI);
        for (const auto& a : arguments)
            commande += " " + Q(a);
        commande += " >" + Q(Chemin("stdout")) + " 2>" + Q(Chemin("stderr"));
        const int r = std::system(commande.c_str());
        return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, Lire(Chemin("stdout")), Lire(Chemin("stderr"))};
    }

    std::filesystem::path dossier_;
};

} // namespace tramonta::test
