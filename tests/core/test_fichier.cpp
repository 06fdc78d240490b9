// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fichier.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

using namespace tramonta;
namespace fs = std::filesystem;

namespace {

class Fichier : public testing::Test {
  protected:
    void SetUp() override {
        dossier_ =
            fs::temp_directory_path() / ("tramonta-fichier-" + std::to_string(::getpid()) + "-" +
                                         testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dossier_);
        fs::create_directories(dossier_);
    }
    void TearDown() override {
        fs::permissions(dossier_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dossier_);
    }
    std::string Lire(const fs::path& p) {
        std::ifstream f(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    void Poser(const fs::path& p, const std::string& contenu) {
        std::ofstream(p, std::ios::binary) << contenu;
    }
    std::size_t NbFichiers() {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dossier_), fs::directory_iterator()));
    }
    fs::path dossier_;
};

void EcrireBeaucoup(TWriter& w) {
    for (int i = 0; i < 100000; ++i)
        w.WriteString("ligne d'écriture numéro " + std::to_string(i));
}

TEST_F(Fichier, UneEcritureReussieRemplaceLeFichier) {
    const fs::path cible = dossier_ / "saison.trm";
    Poser(cible, "ancien contenu");
    ASSERT_TRUE(EcrireFichier(cible, [](TWriter& w) { w.WriteInteger(5); }));
    EXPECT_EQ(Lire(cible), std::string("\x02\x05", 2));
    EXPECT_EQ(NbFichiers(), 1u);
}

TEST_F(Fichier, UnDisquePleinEnCoursDEcritureLaisseLAncienFichierIntact) {
    const fs::path cible = dossier_ / "saison.trm";
    Poser(cible, "ancien contenu");
    // A file size limit makes the kernel refuse the writes past 64 KiB, as a
    // full disk would.
    rlimit ancienne{};
    getrlimit(RLIMIT_FSIZE, &ancienne);
    auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = ancienne;
    limite.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    const bool ok = EcrireFichier(cible, EcrireBeaucoup);
    setrlimit(RLIMIT_FSIZE, &ancienne);
    std::signal(SIGXFSZ, ancienSignal);

    EXPECT_FALSE(ok);
    EXPECT_EQ(Lire(cible), "ancien contenu");
    EXPECT_EQ(NbFichiers(), 1u) << "le fichier temporaire doit disparaître";
}

TEST_F(Fichier, UnDossierInexistantEchoueSansRienCreer) {
    EXPECT_FALSE(EcrireFichier(dossier_ / "absent" / "saison.trm", [](TWriter& w) { w.WriteInteger(1); }));
    EXPECT_EQ(NbFichiers(), 0u);
}

TEST_F(Fichier, UnDossierSansDroitDEcritureEchoueEtGardeLeFichier) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root écrit partout : les droits ne l'arrêtent pas";
    const fs::path cible = dossier_ / "saison.trm";
    Poser(cible, "ancien contenu");
    fs::permissions(dossier_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(EcrireFichier(cible, [](TWriter& w) { w.WriteInteger(1); }));
    fs::permissions(dossier_, fs::perms::owner_all);
    EXPECT_EQ(Lire(cible), "ancien contenu");
}

TEST_F(Fichier, UnLienSymboliqueResteUnLienVersLeFichierEcrit) {
    const fs::path vrai = dossier_ / "vrai.trm";
    const fs::path lien = dossier_ / "lien.trm";
    Poser(vrai, "ancien");
    fs::create_symlink(vrai, lien);
    ASSERT_TRUE(EcrireFichier(lien, [](TWriter& w) { w.WriteBoolean(true); }));
    EXPECT_TRUE(fs::is_symlink(lien));
    EXPECT_EQ(Lire(vrai), "\x09");
}

TEST_F(Fichier, UneErreurDeLectureEstIllisibleEtUnCheminAbsentInexistant) {
    const fs::path cible = dossier_ / "coupe.trm";
    Poser(cible, std::string("\x06\x05"
                             "ab",
                             4));
    EXPECT_EQ(LireFichier(cible, [](TReader& r) { r.ReadString(); }), ResultatLecture::Illisible);
    EXPECT_EQ(LireFichier(dossier_ / "absent.trm", [](TReader&) {}), ResultatLecture::Inexistant);
    EXPECT_EQ(LireFichier(dossier_, [](TReader&) {}), ResultatLecture::Inexistant);
}

} // namespace

namespace {

TEST_F(Fichier, DesOctetsSEcriventAussiParLeFichierTemporaire) {
    const fs::path cible = dossier_ / "export.csv";
    Poser(cible, "ancien contenu");
    const std::string octets("\xEF\xBB\xBFNom;Prénom\r\n\0fin", 21);
    ASSERT_TRUE(EcrireFichierOctets(cible, octets));
    EXPECT_EQ(Lire(cible), octets);
    EXPECT_EQ(NbFichiers(), 1u);
}

TEST_F(Fichier, DesOctetsSurUnDisquePleinLaissentLAncienFichier) {
    const fs::path cible = dossier_ / "export.csv";
    Poser(cible, "ancien contenu");
    rlimit ancienne{};
    getrlimit(RLIMIT_FSIZE, &ancienne);
    auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = ancienne;
    limite.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    const bool ok = EcrireFichierOctets(cible, std::string(200 * 1024, 'x'));
    setrlimit(RLIMIT_FSIZE, &ancienne);
    std::signal(SIGXFSZ, ancienSignal);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Lire(cible), "ancien contenu");
    EXPECT_EQ(NbFichiers(), 1u);
}

} // namespace
