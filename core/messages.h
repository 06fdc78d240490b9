// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one message box. The model and the document report through
// it; the window binds it to a real dialog, the command-line tool to standard
// error, and tests script its answers.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tramonta {

enum DrapeauxMessage : int {
    MB_OK = 0,
    MB_OKCANCEL = 1,
    MB_YESNOCANCEL = 3,
    MB_YESNO = 4,
    MB_ICONERROR = 16,
    MB_ICONQUESTION = 32,
    MB_ICONWARNING = 48,
    MB_ICONINFORMATION = 64,
};

enum ReponseMessage : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

using GestionnaireMessages =
    std::function<int(const std::string& texte, const std::string& titre, int drapeaux)>;

// Gives the previous handler; an empty handler restores the default one,
// which writes "titre : texte" on standard error and answers OK, No or Cancel.
GestionnaireMessages DefinirGestionnaireMessages(GestionnaireMessages gestionnaire);

int MessageBoxTexte(const std::string& texte, const std::string& titre, int drapeaux);

// The same box with buttons of its own ("&" before a button's access key).
// `drapeaux` gives only the icon; the answer is the index of the button
// pressed. `echap` is the button that Escape and the close box press.
struct BoutonsMessage {
    std::vector<std::string> textes;
    int defaut = 0;
    int echap = 0;
};
using GestionnaireBoutons = std::function<int(const std::string& texte, const std::string& titre,
                                              int drapeaux, const BoutonsMessage& boutons)>;
// As above; the default handler writes on standard error and presses `echap`.
GestionnaireBoutons DefinirGestionnaireBoutons(GestionnaireBoutons gestionnaire);
int MessageBoxBoutons(const std::string& texte, const std::string& titre, int drapeaux,
                      const BoutonsMessage& boutons);

} // namespace tramonta
