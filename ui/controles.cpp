// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controles.h"

#include "model/comptabilite.h"

namespace tramonta {

QString TexteCompte(const TCompte& compte) {
    QString texte = Q(compte.Article());
    if (!compte.Intitule().empty())
        texte += " - " + Q(compte.Intitule());
    return texte;
}

} // namespace tramonta
