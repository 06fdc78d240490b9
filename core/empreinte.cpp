// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/empreinte.h"

#include "core/partage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tramonta {

namespace {
// Four lanes of 64-bit multiply-and-rotate rounds over 32-byte stripes, in
// the manner of xxHash64: not a protection against anyone, only a sure sign
// that the bytes differ, made at several bytes a cycle so that the load and
// the save of a large season do not wait for it.
constexpr std::uint64_t kP1 = 0x9E3779B185EBCA87ull;
constexpr std::uint64_t kP2 = 0xC2B2AE3D27D4EB4Full;
constexpr std::uint64_t kP3 = 0x165667B19E3779F9ull;
constexpr std::uint64_t kP4 = 0x85EBCA77C2B2AE63ull;
constexpr std::uint64_t kP5 = 0x27D4EB2F165667C5ull;

constexpr std::uint64_t Rotation(std::uint64_t x, int r) {
    return (x << r) | (x >> (64 - r));
}

constexpr std::uint64_t Tour(std::uint64_t acc, std::uint64_t mot) {
    return Rotation(acc + mot * kP2, 31) * kP1;
}

constexpr std::uint64_t Fusion(std::uint64_t h, std::uint64_t voie) {
    return (h ^ Tour(0, voie)) * kP1 + kP4;
}

std::uint64_t Mot(const unsigned char* p) {
    std::uint64_t m;
    std::memcpy(&m, p, sizeof m);
    return m;
}
} // namespace

THacheur::THacheur() : voies_{kP1 + kP2, kP2, 0, 0 - kP1} {}

void THacheur::Bandes(const unsigned char* p, std::size_t bandes) {
    std::uint64_t a = voies_[0], b = voies_[1], c = voies_[2], d = voies_[3];
    for (std::size_t i = 0; i < bandes; ++i, p += 32) {
        a = Tour(a, Mot(p));
        b = Tour(b, Mot(p + 8));
        c = Tour(c, Mot(p + 16));
        d = Tour(d, Mot(p + 24));
    }
    voies_ = {a, b, c, d};
}

void THacheur::Ajouter(const void* octets, std::size_t n) {
    const auto* p = static_cast<const unsigned char*>(octets);
    total_ += n;
    if (enAttente_ > 0) {
        const std::size_t k = std::min(n, attente_.size() - enAttente_);
        std::memcpy(attente_.data() + enAttente_, p, k);
        enAttente_ += k;
        p += k;
        n -= k;
        if (enAttente_ < attente_.size())
            return;
        Bandes(attente_.data(), 1);
        enAttente_ = 0;
    }
    Bandes(p, n / 32);
    p += n / 32 * 32;
    n %= 32;
    std::memcpy(attente_.data(), p, n);
    enAttente_ = n;
}

std::uint64_t THacheur::Resultat() const {
    std::uint64_t h;
    if (total_ >= 32) {
        h = Rotation(voies_[0], 1) + Rotation(voies_[1], 7) + Rotation(voies_[2], 12) +
            Rotation(voies_[3], 18);
        for (const std::uint64_t v : voies_)
            h = Fusion(h, v);
    } else {
        h = kP5;
    }
    h += total_;
    const unsigned char* p = attente_.data();
    std::size_t n = enAttente_;
    for (; n >= 8; n -= 8, p += 8)
        h = Rotation(h ^ Tour(0, Mot(p)), 27) * kP1 + kP4;
    for (; n > 0; --n, ++p)
        h = Rotation(h ^ (*p * kP5), 11) * kP1;
    h ^= h >> 33;
    h *= kP2;
    h ^= h >> 29;
    h *= kP3;
    h ^= h >> 32;
    return h;
}

TEmpreinte EmpreinteDe(const std::string& chemin) {
    TEmpreinte e;
    // Past the largest season read, no file is one of ours to compare.
    TFichierPartage fichier(chemin, Liens::Personnels, kTailleMaxDocument);
    if (fichier.Etat() != EtatOuverture::Ok)
        return e;
    THacheur h;
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
        h.Ajouter(tampon, static_cast<std::size_t>(n));
        lus += n;
    }
    const struct stat& st = fichier.Infos();
    e.connue = true;
    e.taille = lus;
    e.modification = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    e.hachage = h.Resultat();
    return e;
}

TEmpreinte EmpreinteDOctets(const void* octets, std::size_t n) {
    TEmpreinte e;
    THacheur h;
    h.Ajouter(octets, n);
    e.connue = true;
    e.taille = static_cast<std::int64_t>(n);
    e.hachage = h.Resultat();
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
