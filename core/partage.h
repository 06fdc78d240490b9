// SPDX-License-Identifier: GPL-3.0-or-later
// Files in a folder that other users share. A season usually lives in a
// folder that the club's officers share, and any of them may put a link, a
// pipe or a huge file where this program expects its own file. Every file of
// such a folder is opened through here: the open never follows a link and
// never blocks, and only a regular file is used, within a size limit where
// its content is small.
#pragma once

#include <cstdint>
#include <string>
#include <sys/stat.h>

namespace tramonta {

// The largest document file read: far beyond any club's season, short of
// what would exhaust the memory.
inline constexpr std::int64_t kTailleMaxDocument = 512LL * 1024 * 1024;

// How a symbolic link at the path is treated.
enum class Liens {
    // Never followed: a file that the program names itself (a lock).
    Jamais,
    // A link that the user owns leads to its target's real path, as the
    // user made it for that; a link owned by anybody else is refused, as
    // another user may have put it there to turn the program's work
    // against a file of the user's.
    Personnels,
};

enum class EtatOuverture {
    Ok,
    Inexistant, // nothing at the path
    Refuse,     // a link of another user, not a regular file, too large, not allowed
    Erreur,     // the system could not open or read it, or a folder stands there
};

// Where `chemin` leads under `liens`: itself, or the real path of a link of
// the user's own. Inexistant when nothing is at the path (for a link of the
// user's own to nothing as well, `reel` is then the path itself); Refuse with
// a message otherwise.
EtatOuverture CheminReel(const std::string& chemin, Liens liens, std::string& reel, std::string& message);

// An open file of a shared folder, closed when it ends.
class TFichierPartage {
  public:
    // Opens for reading: O_NOFOLLOW, O_NONBLOCK, then fstat. `limite` is the
    // largest size accepted, 0 for none.
    TFichierPartage(const std::string& chemin, Liens liens, std::int64_t limite = 0);
    ~TFichierPartage();
    TFichierPartage(const TFichierPartage&) = delete;
    TFichierPartage& operator=(const TFichierPartage&) = delete;

    EtatOuverture Etat() const { return etat_; }
    // In French, for the user, when the file was refused or could not be read.
    const std::string& Message() const { return message_; }
    int Descripteur() const { return fd_; }
    const struct stat& Infos() const { return st_; }
    // Reads the whole file; false (Etat Erreur or Refuse, with a message)
    // when it could not, or when it grew past the limit meanwhile.
    bool LireTout(std::string& contenu);

  private:
    int fd_ = -1;
    EtatOuverture etat_ = EtatOuverture::Erreur;
    std::string message_;
    std::string chemin_;
    std::int64_t limite_ = 0;
    struct stat st_ {};
};

// The whole content of a file of a shared folder.
EtatOuverture LireFichierPartage(const std::string& chemin, Liens liens, std::int64_t limite,
                                 std::string& contenu, std::string& message);

// Where a safe save of `chemin` goes, checked before anything is written:
// the path (or, for a link of the user's own, its real path), absent or a
// regular file that the user may write. A file without any write permission
// is refused also for the administrator, who passes every other check: it is
// a season that somebody made read-only on purpose.
struct TCibleEcriture {
    std::string chemin; // where the temporary file is renamed to
    bool existe = false;
    struct stat st {}; // of the file replaced, when it exists
};
bool VerifierCibleEcriture(const std::string& chemin, TCibleEcriture& cible, std::string& refus);

// True when both paths name one file (the same device and inode, whatever
// the names or links between them).
bool MemeFichier(const std::string& a, const std::string& b);

} // namespace tramonta
