// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the reader of Windows shortcuts (.lnk), which come
// from other machines. The bytes are handed over without a copy, so that a
// read one byte past their end is caught, where a copy of Qt's own would end
// on a terminator that hides it.
#include "platform/raccourci.h"

#include <cstdint>
#include <cstdlib>

using namespace tramonta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const QByteArray octets =
        QByteArray::fromRawData(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    TShellLink lien;
    const TShellLink::Lecture lecture = lien.Lire(octets);
    if (lien.Lu() != (lecture == TShellLink::Lecture::Ok))
        std::abort();
    // The target and the folder come with the separators of this system.
    if (lien.Lu() && (lien.Target().contains('\\') || lien.WorkingDir().contains('\\')))
        std::abort();
    return 0;
}
