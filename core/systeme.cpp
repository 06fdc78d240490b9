// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/systeme.h"

#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace tramonta {

namespace {
SourceUtilisateur& Source() {
    static SourceUtilisateur s;
    return s;
}
} // namespace

std::string NomUtilisateur() {
    if (Source())
        return Source()();
    passwd pw{};
    passwd* resultat = nullptr;
    std::vector<char> tampon(16384);
    if (getpwuid_r(geteuid(), &pw, tampon.data(), tampon.size(), &resultat) != 0 || resultat == nullptr)
        return {};
    return pw.pw_name ? pw.pw_name : "";
}

SourceUtilisateur DefinirSourceUtilisateur(SourceUtilisateur source) {
    SourceUtilisateur ancienne = std::move(Source());
    Source() = std::move(source);
    return ancienne;
}

} // namespace tramonta
