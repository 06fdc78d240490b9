// The program's one message box. The model and the document report through
// it; the window binds it to a real dialog, the command-line tool to standard
// error, and tests script its answers.
#pragma once

#include <functional>
#include <string>

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

} // namespace tramonta
