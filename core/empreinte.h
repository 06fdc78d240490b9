// SPDX-License-Identifier: GPL-3.0-or-later
// What a document file on disk was when this program read or last wrote it:
// another program or another officer who saved it in between changed it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tramonta {

struct TEmpreinte {
    bool connue = false; // false: no file was read or written there
    std::int64_t taille = 0;
    std::int64_t modification = 0; // nanoseconds since 1970
    std::uint64_t hachage = 0;     // of the whole content
};

// The fingerprint's hash of a run of bytes given in pieces of any sizes:
// the same bytes give the same value however they are cut.
class THacheur {
  public:
    THacheur();
    void Ajouter(const void* octets, std::size_t n);
    std::uint64_t Resultat() const;

  private:
    void Bandes(const unsigned char* p, std::size_t bandes);
    std::array<std::uint64_t, 4> voies_;
    std::array<unsigned char, 32> attente_{}; // the start of a stripe not yet whole
    std::size_t enAttente_ = 0;
    std::uint64_t total_ = 0;
};

// Not connue when the file cannot be read (nor when it is not a regular
// file: a link of another user, a pipe).
TEmpreinte EmpreinteDe(const std::string& chemin);
// Of bytes in memory: the very bytes that a save wrote or a load read, so
// that another officer's save in between is not taken for ours. No time.
TEmpreinte EmpreinteDOctets(const void* octets, std::size_t n);

// True when the file now on disk is not the one of `avant`. A file rewritten
// with the same bytes (a synchronising client touching it) has not changed;
// a file gone has not either: writing it again loses nobody's work.
bool ChangeDepuis(const TEmpreinte& avant, const std::string& chemin);

} // namespace tramonta
