// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fichier.h"

#include <cerrno>
#include <climits>
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

// A link is followed, so that a save replaces the file it names and not the link.
std::string CibleReelle(const std::string& chemin) {
    char tampon[PATH_MAX];
    if (::realpath(chemin.c_str(), tampon) != nullptr)
        return tampon;
    return chemin;
}

void SynchroniserDossier(const std::string& dossier) {
    const int fd = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
} // namespace

ResultatLecture LireFichier(const std::string& chemin, const std::function<void(TReader&)>& lire) {
    struct stat st {};
    if (chemin.empty() || ::stat(chemin.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return ResultatLecture::Inexistant;
    try {
        TFileStream flux(chemin, TFileStream::Mode::Lecture);
        TReader lecteur(flux, 4096);
        lire(lecteur);
    } catch (const EStreamError&) {
        return ResultatLecture::Illisible;
    } catch (const std::bad_alloc&) {
        return ResultatLecture::Illisible;
    }
    return ResultatLecture::Ok;
}

namespace {
// The safe write itself; `ecrire` fills the temporary file and gives false,
// or raises, when it could not.
bool EcrireParTemporaire(const std::string& chemin, const std::function<bool(TStream&)>& ecrire) {
    if (chemin.empty())
        return false;
    const std::string cible = CibleReelle(chemin);
    const std::string dossier = Dossier(cible);
    std::string modele = dossier + "/." + NomSeul(cible) + ".XXXXXX";
    std::vector<char> nom(modele.begin(), modele.end());
    nom.push_back('\0');
    const int fd = ::mkstemp(nom.data());
    if (fd < 0)
        return false;
    const std::string temporaire(nom.data());

    // The new file gets the old one's permissions, or the usual ones for a new file.
    struct stat st {};
    if (::stat(cible.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t masque = ::umask(0);
        ::umask(masque);
        ::fchmod(fd, 0666 & ~masque);
    }

    bool ok = false;
    {
        TFileStream flux(fd);
        try {
            ok = ecrire(flux);
        } catch (const EStreamError&) {
        } catch (const std::bad_alloc&) {
        }
        ok = ok && flux.Synchroniser();
        ok = flux.Fermer() && ok;
    }
    if (ok && ::rename(temporaire.c_str(), cible.c_str()) == 0) {
        SynchroniserDossier(dossier);
        return true;
    }
    ::unlink(temporaire.c_str());
    return false;
}
} // namespace

bool EcrireFichier(const std::string& chemin, const std::function<void(TWriter&)>& ecrire) {
    return EcrireParTemporaire(chemin, [&](TStream& flux) {
        TWriter ecrivain(flux, 4096);
        ecrire(ecrivain);
        ecrivain.FlushBuffer();
        return true;
    });
}

bool EcrireFichierOctets(const std::string& chemin, std::string_view octets) {
    return EcrireParTemporaire(
        chemin, [&](TStream& flux) { return flux.Write(octets.data(), octets.size()) == octets.size(); });
}

} // namespace tramonta
