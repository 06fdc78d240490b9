// SPDX-License-Identifier: GPL-3.0-or-later
#include "commun/chien_de_garde.h"
#include "core/dates.h"
#include "core/empreinte.h"
#include "core/systeme.h"
#include "core/verrou.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tramonta;
namespace fs = std::filesystem;

namespace {

class Verrou : public testing::Test {
  protected:
    void SetUp() override {
        dossier_ =
            fs::temp_directory_path() / ("tramonta-verrou-" + std::to_string(::getpid()) + "-" +
                                         testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dossier_);
        fs::create_directories(dossier_);
        document_ = (dossier_ / "saison 2026.trm").string();
        Poser(document_, "contenu");
        ancienUtilisateur_ = DefinirSourceUtilisateur([] { return std::string("marie"); });
        ancienneHorloge_ = DefinirHorloge([] { return EncodeDate(2026, 12, 10) + (14 * 60 + 5) / 1440.0; });
    }
    void TearDown() override {
        DefinirSourceUtilisateur(ancienUtilisateur_);
        DefinirHorloge(ancienneHorloge_);
        DefinirNomMachine(std::nullopt);
        fs::remove_all(dossier_);
    }
    static std::string Lire(const std::string& p) {
        std::ifstream f(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    static void Poser(const std::string& p, const std::string& contenu) {
        std::ofstream(p, std::ios::binary) << contenu;
    }
    // A process of this machine that has ended.
    static TProcessus ProcessusTermine() {
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(0);
        int etat = 0;
        ::waitpid(pid, &etat, 0);
        return {static_cast<long>(pid), 1};
    }
    fs::path dossier_;
    std::string document_;
    SourceUtilisateur ancienUtilisateur_;
    Horloge ancienneHorloge_;
};

TEST_F(Verrou, LeFichierEstCeluiDeLibreOfficeAvecLeProcessusEnPlus) {
    TVerrou v;
    ASSERT_TRUE(v.Prendre(document_, "file:///home/marie/.config/Ventaro/Tramonta"));
    const std::string chemin = (dossier_ / ".~lock.saison 2026.trm#").string();
    EXPECT_EQ(CheminVerrou(document_), chemin);
    const TProcessus moi = ProcessusCourant();
    EXPECT_EQ(Lire(chemin), "marie,marie," + NomMachine() +
                                ",10.12.2026 14:05,file:///home/marie/.config/Ventaro/Tramonta;\nTramonta," +
                                std::to_string(moi.pid) + "," + std::to_string(moi.debut) + ";");
    v.Liberer();
    EXPECT_FALSE(fs::exists(chemin));
}

TEST_F(Verrou, UnVerrouDeLibreOfficeSeLitAvecSesEchappements) {
    const auto i = AnalyserVerrou("Dupont\\, Jean,jdupont,poste-7,09.12.2026 18:30,file:///home/j/.config/"
                                  "libreoffice/4;");
    ASSERT_TRUE(i.has_value());
    EXPECT_EQ(i->NomAffiche(), "Dupont, Jean");
    EXPECT_EQ(i->utilisateur, "jdupont");
    EXPECT_EQ(i->machine, "poste-7");
    EXPECT_EQ(i->DateAffichee(), "09/12/2026 18:30");
    EXPECT_EQ(i->processus.pid, 0);
    EXPECT_EQ(AnalyserVerrou(FormerVerrou(*i))->nom, "Dupont, Jean");
    EXPECT_EQ(AnalyserVerrou(",sans,nom,date,url;")->NomAffiche(), "sans");
    for (const char* mauvais : {"", "a,b,c", "a,b,c,d;", "a,b,c,d,e,f;"})
        EXPECT_FALSE(AnalyserVerrou(mauvais).has_value()) << mauvais;
}

TEST_F(Verrou, QuiTientLeFichier) {
    EXPECT_EQ(EvaluerVerrou(document_, nullptr), EtatVerrou::Libre);
    TVerrou mien;
    ASSERT_TRUE(mien.Prendre(document_));
    EXPECT_EQ(EvaluerVerrou(document_, &mien), EtatVerrou::AMoi);
    // Another window of this run that holds it.
    TVerrou autreFenetre;
    EXPECT_EQ(EvaluerVerrou(document_, &autreFenetre), EtatVerrou::Occupe);
    mien.Liberer();

    const std::string verrou = CheminVerrou(document_);
    struct Cas {
        const char* nom;
        std::string machine;
        TProcessus processus;
        EtatVerrou attendu;
    } cas[] = {
        {"autre machine", "ailleurs", ProcessusCourant(), EtatVerrou::Occupe},
        {"autre programme", NomMachine(), {}, EtatVerrou::Occupe},
        {"autre copie vivante", NomMachine(), {static_cast<long>(::getppid()), 0}, EtatVerrou::Occupe},
        {"copie terminee", NomMachine(), ProcessusTermine(), EtatVerrou::Abandonne},
        {"numero redonne", NomMachine(), {static_cast<long>(::getpid()), 1}, EtatVerrou::Abandonne},
        {"ce processus sans fenetre", NomMachine(), ProcessusCourant(), EtatVerrou::Abandonne},
    };
    for (const Cas& c : cas) {
        TInfosVerrou i;
        i.utilisateur = "paul";
        i.machine = c.machine;
        i.date = "01.12.2026 09:00";
        i.processus = c.processus;
        Poser(verrou, FormerVerrou(i));
        TInfosVerrou lu;
        EXPECT_EQ(EvaluerVerrou(document_, nullptr, &lu), c.attendu) << c.nom;
        EXPECT_EQ(lu.utilisateur, "paul") << c.nom;
    }
    Poser(verrou, "pas un verrou");
    EXPECT_EQ(EvaluerVerrou(document_, nullptr), EtatVerrou::Libre);
}

TEST_F(Verrou, LeVerrouDUnAutreResteQuandOnLibere) {
    TVerrou v;
    ASSERT_TRUE(v.Prendre(document_));
    // Another copy opened it anyway and wrote its own lock.
    Poser(CheminVerrou(document_), "x,paul,ailleurs,01.12.2026 09:00,;");
    v.Liberer();
    EXPECT_EQ(Lire(CheminVerrou(document_)), "x,paul,ailleurs,01.12.2026 09:00,;");
}

TEST_F(Verrou, UnVerrouQuiNePeutSEcrireNeLaisseRien) {
    // A folder where the lock goes: even root cannot write it.
    fs::create_directory(CheminVerrou(document_));
    TVerrou v;
    EXPECT_FALSE(v.Prendre(document_));
    EXPECT_TRUE(v.Document().empty());
    fs::remove(CheminVerrou(document_));
    EXPECT_FALSE(v.Prendre((dossier_ / "absent" / "a.trm").string()));
}

TEST_F(Verrou, LEmpreinteVoitUneReecritureMaisPasUneCopieIdentique) {
    const TEmpreinte e = EmpreinteDe(document_);
    ASSERT_TRUE(e.connue);
    EXPECT_EQ(e.taille, 7);
    EXPECT_FALSE(ChangeDepuis(e, document_));
    Poser(document_, "contenu"); // same bytes, written again
    EXPECT_FALSE(ChangeDepuis(e, document_));
    Poser(document_, "CONTENU"); // same size, other bytes
    EXPECT_TRUE(ChangeDepuis(e, document_));
    Poser(document_, "contenu plus long");
    EXPECT_TRUE(ChangeDepuis(e, document_));
    fs::remove(document_);
    EXPECT_FALSE(ChangeDepuis(e, document_));
    EXPECT_FALSE(EmpreinteDe(document_).connue);
    EXPECT_FALSE(ChangeDepuis(TEmpreinte{}, document_));
}

// The hash sees the bytes, not how they were handed to it: a save hashes
// them in blocks as it writes, the check on disk in the blocks it reads.
TEST(Hachage, LesMemesOctetsCoupesAutrementDonnentLaMemeValeur) {
    std::string octets(1000, '\0');
    for (std::size_t i = 0; i < octets.size(); ++i)
        octets[i] = static_cast<char>(i * 131 + 7);
    for (const std::size_t taille : {std::size_t{0}, std::size_t{1}, std::size_t{31}, std::size_t{32},
                                     std::size_t{33}, std::size_t{95}, std::size_t{1000}}) {
        const std::string_view texte(octets.data(), taille);
        const std::uint64_t entier = EmpreinteDOctets(texte.data(), texte.size()).hachage;
        for (const std::size_t morceau : {std::size_t{1}, std::size_t{5}, std::size_t{31}, std::size_t{33}}) {
            THacheur h;
            for (std::size_t i = 0; i < taille; i += morceau)
                h.Ajouter(texte.data() + i, std::min(morceau, taille - i));
            EXPECT_EQ(h.Resultat(), entier) << taille << " octets par morceaux de " << morceau;
        }
        // One byte changed anywhere, or one byte more, is another value.
        for (const std::size_t i : {std::size_t{0}, taille / 2, taille - 1}) {
            if (i >= taille)
                continue;
            std::string autre(texte);
            autre[i] = static_cast<char>(autre[i] ^ 1);
            EXPECT_NE(EmpreinteDOctets(autre.data(), autre.size()).hachage, entier)
                << taille << ", octet " << i;
        }
        const std::string plus = std::string(texte) + '\0';
        EXPECT_NE(EmpreinteDOctets(plus.data(), plus.size()).hachage, entier) << taille;
    }
}

// What another member of the group may put where the lock goes: the lock is
// read and replaced without anything there being opened for writing or
// waited for.
TEST_F(Verrou, CeQuiEstALaPlaceDuVerrouNEstNiSuiviNiAttendu) {
    const fs::path sentinelle = dossier_ / "sentinelle";
    Poser(sentinelle.string(), "sentinelle");
    const fs::path verrou = CheminVerrou(document_);
    const passwd* nobody = ::getpwnam("nobody");
    struct Cas {
        const char* nom;
        std::function<void()> poser;
    };
    const Cas cas[] = {
        {"lien_vers_sentinelle", [&] { fs::create_symlink(sentinelle, verrou); }},
        {"lien_d_un_autre_vers_sentinelle",
         [&] {
             fs::create_symlink(sentinelle, verrou);
             if (nobody && ::geteuid() == 0) {
                 ASSERT_EQ(::lchown(verrou.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
             }
         }},
        {"tube", [&] { ASSERT_EQ(::mkfifo(verrou.c_str(), 0666), 0); }},
        {"fichier_de_1_Mio",
         [&] { Poser(verrou.string(), "x,paul,ailleurs,01.12.2026 09:00,;" + std::string(1 << 20, ' ')); }},
        {"lien_vers_dev_zero", [&] { fs::create_symlink("/dev/zero", verrou); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        c.poser();
        {
            test::TChienDeGarde garde(c.nom);
            EXPECT_FALSE(LireVerrou(document_).has_value());
            EXPECT_EQ(EvaluerVerrou(document_, nullptr), EtatVerrou::Libre);
            TVerrou v;
            ASSERT_TRUE(v.Prendre(document_));
            const struct stat st = [&] {
                struct stat s {};
                ::lstat(verrou.c_str(), &s);
                return s;
            }();
            EXPECT_TRUE(S_ISREG(st.st_mode));
            EXPECT_EQ(st.st_mode & 0777, 0644u);
            EXPECT_EQ(LireVerrou(document_)->utilisateur, "marie");
            EXPECT_EQ(EvaluerVerrou(document_, &v), EtatVerrou::AMoi);
            v.Liberer();
        }
        EXPECT_FALSE(fs::exists(fs::symlink_status(verrou)));
        EXPECT_EQ(Lire(sentinelle.string()), "sentinelle");
        // Only the document and the sentinel: no temporary lock left.
        EXPECT_EQ(std::distance(fs::directory_iterator(dossier_), fs::directory_iterator()), 2);
    }
}

} // namespace
