// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/empreinte.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tramonta {

TEmpreinte EmpreinteDe(const std::string& chemin) {
    TEmpreinte e;
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return e;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return e;
    }
    // FNV-1a over 64 bits: not a protection against anyone, only a sure
    // sign that the bytes differ.
    std::uint64_t h = 14695981039346656037ull;
    unsigned char tampon[65536];
    std::int64_t lus = 0;
    for (;;) {
        const ssize_t n = ::read(fd, tampon, sizeof tampon);
        if (n < 0) {
            ::close(fd);
            return e;
        }
        if (n == 0)
            break;
        for (ssize_t i = 0; i < n; ++i) {
            h ^= tampon[i];
            h *= 1099511628211ull;
        }
        lus += n;
    }
    ::close(fd);
    e.connue = true;
    e.taille = lus;
    e.modification = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
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
