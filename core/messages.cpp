// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/messages.h"

#include <cstdio>

namespace tramonta {

namespace {
GestionnaireMessages& Courant() {
    static GestionnaireMessages g;
    return g;
}

int ParDefaut(const std::string& texte, const std::string& titre, int drapeaux) {
    std::fprintf(stderr, "%s : %s\n", titre.c_str(), texte.c_str());
    switch (drapeaux & 0x0F) {
    case MB_YESNO:
        return IDNO;
    case MB_YESNOCANCEL:
    case MB_OKCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}
} // namespace

GestionnaireMessages DefinirGestionnaireMessages(GestionnaireMessages gestionnaire) {
    GestionnaireMessages ancien = std::move(Courant());
    Courant() = std::move(gestionnaire);
    return ancien;
}

namespace {
GestionnaireBoutons& CourantBoutons() {
    static GestionnaireBoutons g;
    return g;
}
} // namespace

GestionnaireBoutons DefinirGestionnaireBoutons(GestionnaireBoutons gestionnaire) {
    GestionnaireBoutons ancien = std::move(CourantBoutons());
    CourantBoutons() = std::move(gestionnaire);
    return ancien;
}

int MessageBoxBoutons(const std::string& texte, const std::string& titre, int drapeaux,
                      const BoutonsMessage& boutons) {
    if (CourantBoutons())
        return CourantBoutons()(texte, titre, drapeaux, boutons);
    std::fprintf(stderr, "%s : %s\n", titre.c_str(), texte.c_str());
    return boutons.echap;
}

int MessageBoxTexte(const std::string& texte, const std::string& titre, int drapeaux) {
    if (Courant())
        return Courant()(texte, titre, drapeaux);
    return ParDefaut(texte, titre, drapeaux);
}

} // namespace tramonta
