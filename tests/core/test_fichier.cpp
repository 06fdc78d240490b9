// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fichier.h"

#include "commun/chien_de_garde.h"
#include "core/empreinte.h"
#include "core/partage.h"
#include "core/tableur_lecture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
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
    TEcriture e;
    EXPECT_FALSE(EcrireFichier(
        cible, [](TWriter& w) { w.WriteInteger(1); }, &e));
    fs::permissions(dossier_, fs::perms::owner_all);
    EXPECT_EQ(e.refus, "Vous n'avez pas le droit d'écrire dans le dossier \"" + dossier_.string() + "\".");
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

// --- A shared folder where another user put what he liked -------------------------

namespace {

struct Autre {
    uid_t uid = 0;
    gid_t gid = 0;
};

// The user "nobody" stands for the other officer.
std::optional<Autre> AutreUtilisateur() {
    const passwd* pw = ::getpwnam("nobody");
    if (!pw)
        return std::nullopt;
    return Autre{pw->pw_uid, pw->pw_gid};
}

struct stat Etat(const fs::path& p) {
    struct stat st {};
    ::lstat(p.c_str(), &st);
    return st;
}

class Partage : public Fichier {
  protected:
    void SetUp() override {
        Fichier::SetUp();
        if (::geteuid() != 0)
            GTEST_SKIP() << "il faut être root pour poser les fichiers d'un autre utilisateur";
        const auto autre = AutreUtilisateur();
        if (!autre)
            GTEST_SKIP() << "pas d'utilisateur nobody";
        autre_ = *autre;
        partage_ = dossier_ / "partage";
        fs::create_directories(partage_);
        fs::create_directories(dossier_ / "dehors");
        sentinelle_ = dossier_ / "dehors" / "sentinelle";
        Poser(sentinelle_, "sentinelle");
        masque_ = ::umask(022);
    }
    void TearDown() override {
        ::umask(masque_);
        Fichier::TearDown();
    }
    // A link that the other user made.
    void LienDeLAutre(const fs::path& cible, const fs::path& lien) {
        fs::create_symlink(cible, lien);
        ASSERT_EQ(::lchown(lien.c_str(), autre_.uid, autre_.gid), 0);
    }
    std::vector<std::string> Contenu(const fs::path& dossier) {
        std::vector<std::string> noms;
        for (const auto& e : fs::directory_iterator(dossier))
            noms.push_back(e.path().filename().string());
        std::sort(noms.begin(), noms.end());
        return noms;
    }
    Autre autre_;
    fs::path partage_, sentinelle_;
    mode_t masque_ = 022;
};

TEST_F(Partage, UneSauvegardeNeRemplaceQueCeQueLUtilisateurPeutEcrireEtGardeSonProprietaire) {
    struct Cas {
        const char* nom;
        std::function<void(const fs::path&)> poser;
        bool ecrit;
        std::function<void(const fs::path&)> verifier;
    };
    const fs::path dehors = dossier_ / "dehors" / "nouveau";
    const Cas cas[] = {
        {"lecture_seule",
         [&](const fs::path& p) {
             Poser(p, "ancien");
             fs::permissions(p, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         },
         false, [&](const fs::path& p) { EXPECT_EQ(Lire(p), "ancien"); }},
        {"tube", [&](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0666), 0); }, false,
         [&](const fs::path& p) { EXPECT_TRUE(S_ISFIFO(Etat(p).st_mode)); }},
        {"dossier", [&](const fs::path& p) { fs::create_directory(p); }, false,
         [&](const fs::path& p) { EXPECT_TRUE(fs::is_directory(p)); }},
        {"lien_d_un_autre_vers_un_fichier_dehors", [&](const fs::path& p) { LienDeLAutre(sentinelle_, p); },
         false, [&](const fs::path& p) { EXPECT_TRUE(fs::is_symlink(p)); }},
        {"lien_d_un_autre_vers_rien_dehors", [&](const fs::path& p) { LienDeLAutre(dehors, p); }, false,
         [&](const fs::path&) { EXPECT_FALSE(fs::exists(dehors)); }},
        {"lien_d_un_autre_vers_dev_zero", [&](const fs::path& p) { LienDeLAutre("/dev/zero", p); }, false,
         [&](const fs::path& p) { EXPECT_TRUE(fs::is_symlink(p)); }},
        {"fichier_d_un_autre",
         [&](const fs::path& p) {
             Poser(p, "ancien");
             ASSERT_EQ(::chown(p.c_str(), autre_.uid, autre_.gid), 0);
             ASSERT_EQ(::chmod(p.c_str(), 0640), 0);
         },
         true,
         [&](const fs::path& p) {
             const struct stat st = Etat(p);
             EXPECT_EQ(st.st_uid, autre_.uid);
             EXPECT_EQ(st.st_gid, autre_.gid);
             EXPECT_EQ(st.st_mode & 07777, 0640u);
         }},
        {"bits_set_id",
         [&](const fs::path& p) {
             Poser(p, "ancien");
             ASSERT_EQ(::chmod(p.c_str(), 06770), 0);
         },
         true, [&](const fs::path& p) { EXPECT_EQ(Etat(p).st_mode & 07777, 0770u); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const fs::path cible = partage_ / (std::string(c.nom) + ".trm");
        c.poser(cible);
        TEcriture ecriture;
        bool ok = false;
        {
            test::TChienDeGarde garde(c.nom);
            ok = EcrireFichierOctets(cible, "nouveau", &ecriture);
        }
        EXPECT_EQ(ok, c.ecrit);
        EXPECT_EQ(ecriture.refus.empty(), c.ecrit) << ecriture.refus;
        if (ok) {
            EXPECT_EQ(Lire(cible), "nouveau");
        }
        c.verifier(cible);
        EXPECT_EQ(Lire(sentinelle_), "sentinelle");
        EXPECT_EQ(Contenu(dossier_ / "dehors"), std::vector<std::string>{"sentinelle"});
    }
    // No temporary file left behind.
    EXPECT_EQ(Contenu(partage_).size(), std::size(cas));
}

TEST_F(Partage, LeMessageDeRefusDitPourquoi) {
    const fs::path seule = partage_ / "saison.trm";
    Poser(seule, "ancien");
    ::chmod(seule.c_str(), 0444);
    TEcriture e;
    EXPECT_FALSE(EcrireFichierOctets(seule, "x", &e));
    EXPECT_EQ(e.refus, "Le fichier \"" + seule.string() +
                           "\" est en lecture seule ou vous n'avez pas le droit d'y écrire : il n'est pas "
                           "remplacé. Enregistrez sous un autre nom.");
    const fs::path lien = partage_ / "lien.trm";
    LienDeLAutre(sentinelle_, lien);
    EXPECT_FALSE(EcrireFichierOctets(lien, "x", &e));
    EXPECT_EQ(e.refus,
              "\"" + lien.string() +
                  "\" est un lien symbolique posé par un autre utilisateur : Tramonta ne le suit pas.");
}

TEST_F(Partage, UnDossierSetgidDonneSonGroupeAuNouveauFichierEtLAncienGardeLeSien) {
    ASSERT_EQ(::chown(partage_.c_str(), 0, autre_.gid), 0);
    ASSERT_EQ(::chmod(partage_.c_str(), 02775), 0);
    const fs::path ancien = partage_ / "ancien.trm", nouveau = partage_ / "nouveau.trm";
    Poser(ancien, "ancien");
    ASSERT_EQ(::chown(ancien.c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod(ancien.c_str(), 0664), 0);
    ASSERT_TRUE(EcrireFichierOctets(ancien, "a"));
    ASSERT_TRUE(EcrireFichierOctets(nouveau, "n"));
    EXPECT_EQ(Etat(ancien).st_gid, 0u);
    EXPECT_EQ(Etat(ancien).st_mode & 07777, 0664u);
    EXPECT_EQ(Etat(nouveau).st_gid, autre_.gid);
    EXPECT_EQ(Etat(nouveau).st_mode & 07777, 0644u); // the umask of a new file
}

TEST_F(Partage, UnLienDeLUtilisateurMeneASaCibleEtUneCopiePriveeEstA0600) {
    const fs::path vrai = partage_ / "vrai.trm", lien = partage_ / "lien.trm";
    Poser(vrai, "ancien");
    ::chmod(vrai.c_str(), 0664);
    fs::create_symlink(vrai, lien);
    TEcriture e;
    ASSERT_TRUE(EcrireFichierOctets(lien, "par le lien", &e));
    EXPECT_TRUE(fs::is_symlink(lien));
    EXPECT_EQ(Lire(vrai), "par le lien");
    // The fingerprint is the bytes written, the same as the file's.
    const TEmpreinte surDisque = EmpreinteDe(vrai.string());
    EXPECT_TRUE(e.empreinte.connue);
    EXPECT_EQ(e.empreinte.taille, surDisque.taille);
    EXPECT_EQ(e.empreinte.hachage, surDisque.hachage);

    for (const mode_t masque : {mode_t{022}, mode_t{002}, mode_t{0}}) {
        ::umask(masque);
        TEcriture prive;
        prive.prive = true;
        ASSERT_TRUE(EcrireFichierOctets(vrai, "à moi seul", &prive));
        EXPECT_EQ(Etat(vrai).st_mode & 07777, 0600u) << masque;
    }
}

// What the other officer, who is not root, may do: run in a child process as
// "nobody", since root writes everywhere.
TEST_F(Partage, UnUtilisateurOrdinaireNeRemplacePasLeFichierDUnAutre) {
    ASSERT_EQ(::chmod(partage_.c_str(), 0777), 0);
    const fs::path aRoot = partage_ / "root.trm", lienRoot = partage_ / "lien.trm",
                   sien = partage_ / "sien.trm";
    Poser(aRoot, "à root");
    ::chmod(aRoot.c_str(), 0644);
    fs::create_symlink(sien, lienRoot); // made by root: another user's link for nobody
    Poser(sien, "à nobody");
    ASSERT_EQ(::chown(sien.c_str(), autre_.uid, autre_.gid), 0);
    ASSERT_EQ(::chmod(sien.c_str(), 0600), 0);
    int tube[2];
    ASSERT_EQ(::pipe(tube), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(tube[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(autre_.gid) != 0 || ::setuid(autre_.uid) != 0)
            ::_exit(3);
        std::string r;
        for (const fs::path& p : {aRoot, lienRoot, sien}) {
            TEcriture e;
            r += EcrireFichierOctets(p, "de nobody", &e) ? "écrit" : e.refus.empty() ? "échec" : "refusé";
            r += '\n';
        }
        (void)!::write(tube[1], r.data(), r.size());
        ::_exit(0);
    }
    ::close(tube[1]);
    std::string r;
    char t[256];
    for (ssize_t n; (n = ::read(tube[0], t, sizeof t)) > 0;)
        r.append(t, static_cast<std::size_t>(n));
    ::close(tube[0]);
    int etat = 0;
    ::waitpid(pid, &etat, 0);
    ASSERT_TRUE(WIFEXITED(etat) && WEXITSTATUS(etat) == 0);
    EXPECT_EQ(r, "refusé\nrefusé\nécrit\n");
    EXPECT_EQ(Lire(aRoot), "à root");
    EXPECT_EQ(Lire(sien), "de nobody");
    EXPECT_EQ(Etat(sien).st_mode & 07777, 0600u);
}

TEST_F(Partage, UnFichierALirePeutEtreUnTubeUnLienOuUnPeripherique) {
    const fs::path tube = partage_ / "tube", gros = partage_ / "gros.trm";
    ASSERT_EQ(::mkfifo(tube.c_str(), 0666), 0);
    { std::ofstream f(gros, std::ios::binary); }
    fs::resize_file(gros, static_cast<std::uintmax_t>(kTailleMaxDocument) + 1); // sparse
    struct Cas {
        const char* nom;
        fs::path chemin;
    };
    std::vector<Cas> cas = {{"tube", tube}, {"dev_zero", "/dev/zero"}, {"trop_gros", gros}};
    const auto lien = [&](const char* nom, const fs::path& cible, bool autre) {
        const fs::path p = partage_ / nom;
        if (autre)
            LienDeLAutre(cible, p);
        else
            fs::create_symlink(cible, p);
        cas.push_back({nom, p});
    };
    lien("lien_vers_tube", tube, false);
    lien("lien_vers_dev_zero", "/dev/zero", false);
    lien("lien_d_un_autre_vers_sentinelle", sentinelle_, true);
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        test::TChienDeGarde garde(c.nom);
        TLecture lecture;
        EXPECT_EQ(LireFichier(
                      c.chemin, [](TReader& r) { r.ReadInteger(); }, &lecture),
                  ResultatLecture::Refuse);
        EXPECT_FALSE(lecture.message.empty());
        EXPECT_FALSE(EmpreinteDe(c.chemin).connue);
        TTableurLu tableur;
        std::string erreur;
        EXPECT_FALSE(LireFichierTableur(c.chemin, tableur, erreur));
        EXPECT_FALSE(erreur.empty());
    }
    TLecture lecture;
    LireFichier(
        tube, [](TReader&) {}, &lecture);
    EXPECT_EQ(lecture.message, "\"" + tube.string() +
                                   "\" n'est pas un fichier ordinaire (dossier, tube ou périphérique) : "
                                   "Tramonta ne l'utilise pas.");
}

} // namespace
