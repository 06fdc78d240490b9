// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fichier.h"

#include "core/partage.h"
#include "core/texte.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tramonta {

namespace {
std::string Dossier(const std::string& chemin) {
    const auto p = chemin.find_last_of('/');
    if (p == std::string::npos)
        return ".";
    return p == 0 ? "/" : chemin.substr(0, p);
}

std::string NomSeul(const std::string& chemin) {
    const auto p = chemin.find_last_of('/');
    return p == std::string::npos ? chemin : chemin.substr(p + 1);
}

void SynchroniserDossier(const std::string& dossier) {
    const int fd = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

mode_t Masque() {
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return masque;
}

// The temporary file takes the place of the old one: its owner, group and
// permissions. Only the administrator may give a file away; anybody else
// keeps at least the group, which the other officers read it through. When
// even the group cannot be kept, the group gets no more than the others, so
// that the user's own group is not handed what the file's group had.
void ReprendreProprietaire(int fd, const TCibleEcriture& cible) {
    mode_t mode = cible.st.st_mode & 0777;
    if (::fchown(fd, cible.st.st_uid, cible.st.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), cible.st.st_gid) != 0) {
        struct stat st {};
        if (::fstat(fd, &st) == 0 && st.st_gid != cible.st.st_gid)
            mode = (mode & ~static_cast<mode_t>(070)) | ((mode & 07) << 3);
    }
    ::fchmod(fd, mode);
}

bool EcrireTout(int fd, std::string_view octets) {
    const char* p = octets.data();
    std::size_t reste = octets.size();
    while (reste > 0) {
        const ssize_t n = ::write(fd, p, reste);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        reste -= static_cast<std::size_t>(n);
    }
    return true;
}
} // namespace

ResultatLecture LireFichier(const std::string& chemin, const std::function<void(TReader&)>& lire,
                            TLecture* details) {
    if (details)
        *details = {};
    // A folder at the path is no file to open.
    struct stat st {};
    if (::stat(chemin.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return ResultatLecture::Inexistant;
    TFichierPartage fichier(chemin, Liens::Personnels, kTailleMaxDocument);
    std::string octets;
    fichier.LireTout(octets);
    switch (fichier.Etat()) {
    case EtatOuverture::Ok:
        break;
    case EtatOuverture::Inexistant:
        return ResultatLecture::Inexistant;
    case EtatOuverture::Refuse:
        if (details)
            details->message = fichier.Message();
        return ResultatLecture::Refuse;
    case EtatOuverture::Erreur:
        return ResultatLecture::Illisible;
    }
    if (details)
        details->empreinte = EmpreinteDOctets(octets.data(), octets.size());
    try {
        TVueOctets flux(octets);
        TReader lecteur(flux);
        lire(lecteur);
    } catch (const EStreamError&) {
        return ResultatLecture::Illisible;
    } catch (const std::bad_alloc&) {
        return ResultatLecture::Illisible;
    }
    if (details) {
        const struct stat& lu = fichier.Infos();
        details->empreinte.modification =
            static_cast<std::int64_t>(lu.st_mtim.tv_sec) * 1000000000 + lu.st_mtim.tv_nsec;
    }
    return ResultatLecture::Ok;
}

namespace {
// Hands the bytes of a save to the temporary file as they come, hashing them
// on the way: what reaches the disk and its fingerprint are the very same
// bytes, and a large season is never held whole in memory a second time.
class TFluxSauvegarde : public TStream {
  public:
    TFluxSauvegarde(int fd, THacheur& hacheur) : fd_(fd), hacheur_(hacheur) {}
    std::size_t Read(void*, std::size_t) override { return 0; }
    std::size_t Write(const void* tampon, std::size_t n) override {
        const std::string_view octets(static_cast<const char*>(tampon), n);
        if (!EcrireTout(fd_, octets))
            return 0;
        hacheur_.Ajouter(tampon, n);
        ecrits_ += n;
        return n;
    }
    std::int64_t Seek(std::int64_t, Origine) override { return static_cast<std::int64_t>(ecrits_); }

  private:
    int fd_;
    THacheur& hacheur_;
    std::size_t ecrits_ = 0;
};

// The safe write itself: `remplir` writes the content into the temporary
// file's descriptor and feeds the hasher; false from it abandons the save.
bool EcrireParTemporaire(const std::string& chemin, TEcriture* details,
                         const std::function<bool(int, THacheur&)>& remplir) {
    TEcriture local;
    TEcriture& e = details ? *details : local;
    e.refus.clear();
    e.empreinte = {};
    TCibleEcriture cible;
    if (!VerifierCibleEcriture(chemin, cible, e.refus))
        return false;
    const std::string dossier = Dossier(cible.chemin);
    // mkstemp creates with O_EXCL: nothing that another user put in the
    // folder is ever opened for writing.
    const std::string modele = dossier + "/." + NomSeul(cible.chemin) + ".XXXXXX";
    std::vector<char> nom(modele.begin(), modele.end());
    nom.push_back('\0');
    const int fd = ::mkstemp(nom.data());
    if (fd < 0) {
        if (errno == EACCES || errno == EPERM || errno == EROFS)
            e.refus = Formater("Vous n'avez pas le droit d'écrire dans le dossier \"%s\".", {dossier});
        return false;
    }
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    const std::string temporaire(nom.data());

    if (e.prive)
        ::fchmod(fd, 0600);
    else if (cible.existe)
        ReprendreProprietaire(fd, cible);
    else
        ::fchmod(fd, 0666 & ~Masque()); // a new file, as any program makes it

    THacheur hacheur;
    bool ok = false;
    try {
        ok = remplir(fd, hacheur);
    } catch (...) {
        ::close(fd);
        ::unlink(temporaire.c_str());
        throw;
    }
    ok = ok && ::fsync(fd) == 0;
    struct stat st {};
    ok = ok && ::fstat(fd, &st) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temporaire.c_str(), cible.chemin.c_str()) == 0) {
        SynchroniserDossier(dossier);
        e.empreinte.connue = true;
        e.empreinte.taille = st.st_size;
        e.empreinte.hachage = hacheur.Resultat();
        e.empreinte.modification =
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        return true;
    }
    ::unlink(temporaire.c_str());
    return false;
}
} // namespace

bool EcrireFichierOctets(const std::string& chemin, std::string_view octets, TEcriture* details) {
    return EcrireParTemporaire(chemin, details, [octets](int fd, THacheur& hacheur) {
        hacheur.Ajouter(octets.data(), octets.size());
        return EcrireTout(fd, octets);
    });
}

bool EcrireFichier(const std::string& chemin, const std::function<void(TWriter&)>& ecrire,
                   TEcriture* details) {
    return EcrireParTemporaire(chemin, details, [&ecrire](int fd, THacheur& hacheur) {
        try {
            TFluxSauvegarde flux(fd, hacheur);
            TWriter ecrivain(flux, 65536);
            ecrire(ecrivain);
            ecrivain.FlushBuffer();
            return true;
        } catch (const EStreamError&) {
            return false;
        } catch (const std::bad_alloc&) {
            return false;
        }
    });
}

} // namespace tramonta
