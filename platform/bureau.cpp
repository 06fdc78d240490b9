// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bureau.h"

#include <QDesktopServices>

namespace tramonta {

namespace {
OuvreurAdresses& Courant() {
    static OuvreurAdresses o;
    return o;
}
} // namespace

bool OuvrirAdresse(const QUrl& adresse) {
    if (Courant())
        return Courant()(adresse);
    return QDesktopServices::openUrl(adresse);
}

OuvreurAdresses DefinirOuvreurAdresses(OuvreurAdresses ouvreur) {
    OuvreurAdresses ancien = std::move(Courant());
    Courant() = std::move(ouvreur);
    return ancien;
}

} // namespace tramonta
