// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/partage.h"

#include "core/texte.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace tramonta {

namespace {
// Links followed one after the other before giving up, as the system does.
constexpr int kSautsMax = 40;

std::string Dossier(const std::string& chemin) {
    const auto p = chemin.find_last_of('/');
    if (p == std::string::npos)
        return ".";
    return p == 0 ? "/" : chemin.substr(0, p);
}

std::string TailleLisible(std::int64_t octets) {
    if (octets >= 1024 * 1024 && octets % (1024 * 1024) == 0)
        return std::to_string(octets / (1024 * 1024)) + " Mo";
    if (octets >= 1024 && octets % 1024 == 0)
        return std::to_string(octets / 1024) + " Ko";
    return std::to_string(octets) + " octets";
}

std::string LienRefuse(const std::string& chemin) {
    return Formater("\"%s\" est un lien symbolique posé par un autre utilisateur : Tramonta ne le suit pas.",
                    {chemin});
}

std::string PasOrdinaire(const std::string& chemin) {
    return Formater("\"%s\" n'est pas un fichier ordinaire (dossier, tube ou périphérique) : Tramonta "
                    "ne l'utilise pas.",
                    {chemin});
}

std::string TropGrand(const std::string& chemin, std::int64_t limite) {
    return Formater("Le fichier \"%s\" est trop volumineux (plus de %s).", {chemin, TailleLisible(limite)});
}
} // namespace

EtatOuverture CheminReel(const std::string& chemin, Liens liens, std::string& reel, std::string& message) {
    reel = chemin;
    if (chemin.empty())
        return EtatOuverture::Inexistant;
    std::string courant = chemin;
    for (int saut = 0; saut <= kSautsMax; ++saut) {
        struct stat st {};
        if (::lstat(courant.c_str(), &st) != 0) {
            if (errno != ENOENT && errno != ENOTDIR) {
                message = Formater("Impossible d'accéder au fichier \"%s\".", {chemin});
                return EtatOuverture::Erreur;
            }
            // A link of the user's own to nothing: the file is made where
            // the path is, as before.
            return EtatOuverture::Inexistant;
        }
        if (!S_ISLNK(st.st_mode)) {
            if (courant != chemin) {
                char tampon[PATH_MAX];
                if (::realpath(courant.c_str(), tampon) == nullptr) {
                    message = Formater("Impossible d'accéder au fichier \"%s\".", {chemin});
                    return EtatOuverture::Erreur;
                }
                reel = tampon;
            }
            return EtatOuverture::Ok;
        }
        if (liens == Liens::Jamais) {
            message = Formater("\"%s\" est un lien symbolique : Tramonta ne le suit pas.", {chemin});
            return EtatOuverture::Refuse;
        }
        if (st.st_uid != ::geteuid()) {
            message = LienRefuse(courant == chemin ? chemin : courant);
            return EtatOuverture::Refuse;
        }
        std::vector<char> cible(PATH_MAX + 1);
        const ssize_t n = ::readlink(courant.c_str(), cible.data(), PATH_MAX);
        if (n < 0) {
            message = Formater("Impossible d'accéder au fichier \"%s\".", {chemin});
            return EtatOuverture::Erreur;
        }
        std::string suivant(cible.data(), static_cast<std::size_t>(n));
        if (suivant.empty() || suivant[0] != '/')
            suivant = Dossier(courant) + '/' + suivant;
        courant = std::move(suivant);
    }
    message = Formater("\"%s\" est une boucle de liens symboliques.", {chemin});
    return EtatOuverture::Refuse;
}

TFichierPartage::TFichierPartage(const std::string& chemin, Liens liens, std::int64_t limite)
    : chemin_(chemin), limite_(limite) {
    std::string reel;
    etat_ = CheminReel(chemin, liens, reel, message_);
    if (etat_ != EtatOuverture::Ok)
        return;
    // Looked at before the open, so that a device is never opened at all;
    // fstat below then checks what was really opened.
    struct stat avant {};
    if (::lstat(reel.c_str(), &avant) == 0 && S_ISDIR(avant.st_mode)) {
        // Nobody's trap: a folder named where a file was expected.
        etat_ = EtatOuverture::Erreur;
        message_ = Formater("Impossible de lire le fichier \"%s\".", {chemin});
        return;
    }
    if (::lstat(reel.c_str(), &avant) == 0 && !S_ISREG(avant.st_mode)) {
        etat_ = EtatOuverture::Refuse;
        message_ = S_ISLNK(avant.st_mode)
                       ? Formater("\"%s\" est un lien symbolique : Tramonta ne le suit pas.", {chemin})
                       : PasOrdinaire(chemin);
        return;
    }
    fd_ = ::open(reel.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
        switch (errno) {
        case ENOENT:
            etat_ = EtatOuverture::Inexistant;
            break;
        case ELOOP:
            etat_ = EtatOuverture::Refuse;
            message_ = Formater("\"%s\" est un lien symbolique : Tramonta ne le suit pas.", {chemin});
            break;
        case EACCES:
        case EPERM:
            etat_ = EtatOuverture::Refuse;
            message_ = Formater("Vous n'avez pas le droit de lire le fichier \"%s\".", {chemin});
            break;
        default:
            etat_ = EtatOuverture::Erreur;
            message_ = Formater("Impossible d'ouvrir le fichier \"%s\".", {chemin});
            break;
        }
        return;
    }
    if (::fstat(fd_, &st_) != 0 || !S_ISREG(st_.st_mode)) {
        etat_ = EtatOuverture::Refuse;
        message_ = PasOrdinaire(chemin);
        ::close(fd_);
        fd_ = -1;
        return;
    }
    if (limite_ > 0 && st_.st_size > limite_) {
        etat_ = EtatOuverture::Refuse;
        message_ = TropGrand(chemin, limite_);
        ::close(fd_);
        fd_ = -1;
        return;
    }
    // A regular file: reads may wait for the disk as usual.
    const int drapeaux = ::fcntl(fd_, F_GETFL);
    if (drapeaux >= 0)
        ::fcntl(fd_, F_SETFL, drapeaux & ~O_NONBLOCK);
    etat_ = EtatOuverture::Ok;
}

TFichierPartage::~TFichierPartage() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool TFichierPartage::LireTout(std::string& contenu) {
    contenu.clear();
    if (etat_ != EtatOuverture::Ok)
        return false;
    if (st_.st_size > 0)
        contenu.reserve(static_cast<std::size_t>(st_.st_size));
    char tampon[65536];
    for (;;) {
        const ssize_t n = ::read(fd_, tampon, sizeof tampon);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            etat_ = EtatOuverture::Erreur;
            message_ = Formater("Impossible de lire le fichier \"%s\".", {chemin_});
            contenu.clear();
            return false;
        }
        if (n == 0)
            return true;
        contenu.append(tampon, static_cast<std::size_t>(n));
        if (limite_ > 0 && static_cast<std::int64_t>(contenu.size()) > limite_) {
            etat_ = EtatOuverture::Refuse;
            message_ = TropGrand(chemin_, limite_);
            contenu.clear();
            return false;
        }
    }
}

EtatOuverture LireFichierPartage(const std::string& chemin, Liens liens, std::int64_t limite,
                                 std::string& contenu, std::string& message) {
    TFichierPartage f(chemin, liens, limite);
    f.LireTout(contenu);
    message = f.Message();
    return f.Etat();
}

bool VerifierCibleEcriture(const std::string& chemin, TCibleEcriture& cible, std::string& refus) {
    cible = {};
    if (chemin.empty())
        return false;
    std::string reel;
    const EtatOuverture e = CheminReel(chemin, Liens::Personnels, reel, refus);
    if (e == EtatOuverture::Refuse || e == EtatOuverture::Erreur)
        return false;
    cible.chemin = reel;
    if (e == EtatOuverture::Inexistant)
        return true;
    if (::lstat(reel.c_str(), &cible.st) != 0)
        return errno == ENOENT;
    if (!S_ISREG(cible.st.st_mode)) {
        refus = PasOrdinaire(chemin);
        return false;
    }
    if ((cible.st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, reel.c_str(), W_OK, AT_EACCESS) != 0) {
        refus = Formater("Le fichier \"%s\" est en lecture seule ou vous n'avez pas le droit d'y écrire : "
                         "il n'est pas remplacé. Enregistrez sous un autre nom.",
                         {chemin});
        return false;
    }
    cible.existe = true;
    return true;
}

bool MemeFichier(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace tramonta
