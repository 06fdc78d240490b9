// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/empreinte.h"

#include "core/partage.h"

#include <cerrno>
#include <unistd.h>

namespace tramonta {

namespace {
// FNV-1a over 64 bits: not a protection against anyone, only a sure sign
// that the bytes differ.
constexpr std::uint64_t kDepart = 14695981039346656037ull;

void Hacher(std::uint64_t& h, const unsigned char* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        h ^= p[i];
        h *= 1099511628211ull;
    }
}
} // namespace

TEmpreinte EmpreinteDe(const std::string& chemin) {
    TEmpreinte e;
    // Past the largest season read, no file is one of ours to compare.
    TFichierPartage fichier(chemin, Liens::Personnels, kTailleMaxDocument);
    if (fichier.Etat() != EtatOuverture::Ok)
        return e;
    std::uint64_t h = kDepart;
    unsigned char tampon[65536];
    std::int64_t lus = 0;
    for (;;) {
        const ssize_t n = ::read(fichier.Descripteur(), tampon, sizeof tampon);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return e;
        if (n == 0)
            break;
        Hacher(h, tampon, static_cast<std::size_t>(n));
        lus += n;
    }
    const struct stat& st = fichier.Infos();
    e.connue = true;
    e.taille = lus;
    e.modification = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    e.hachage = h;
    return e;
}

TEmpreinte EmpreinteDOctets(const void* octets, std::size_t n) {
    TEmpreinte e;
    std::uint64_t h = kDepart;
    Hacher(h, static_cast<const unsigned char*>(octets), n);
    e.connue = true;
    e.taille = static_cast<std::int64_t>(n);
    e.hachage = h;
    return e;
}

bool ChangeDepuis(const TEmpreinte& avant, const std::string& chemin) {
    if (!avant.connue)
        return false;
    const TEmpreinte maintenant = EmpreinteDe(chemin);
    if (!maintenant.connue)
        return false;
    return maintenant.taille != avant.taille || maintenant.hachage != avant.hachage;
}

} // namespace tramonta
