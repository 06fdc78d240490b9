// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the reader of a lock ".~lock.NAME#", which other
// officers' copies of the program and LibreOffice write into a shared folder.
// Beyond not crashing, a lock that reads must write back to a text that reads
// to the same fields, and that text must be the one written again.
#include "core/verrou.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace tramonta;

namespace {
bool MemesChamps(const TInfosVerrou& a, const TInfosVerrou& b) {
    return a.nom == b.nom && a.utilisateur == b.utilisateur && a.machine == b.machine && a.date == b.date &&
           a.dossierUtilisateur == b.dossierUtilisateur;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string contenu(reinterpret_cast<const char*>(donnees), taille);
    const auto lu = AnalyserVerrou(contenu);
    if (!lu)
        return 0;
    const std::string ecrit = FormerVerrou(*lu);
    const auto relu = AnalyserVerrou(ecrit);
    if (!relu || !MemesChamps(*lu, *relu))
        std::abort();
    // The process line is written only for a process number that means one.
    if (lu->processus.pid > 0 &&
        (relu->processus.pid != lu->processus.pid || relu->processus.debut != lu->processus.debut))
        std::abort();
    if (FormerVerrou(*relu) != ecrit)
        std::abort();
    return 0;
}
