// The one way to write the journal: appends a line stamped with the date, the
// time and the login name to the open document's journal, and rebuilds the
// journal list of the main page. Does nothing when no main window exists.
#pragma once

#include <string>

namespace tramonta {

void AjouterLigneAgenda(const std::string& texte);

} // namespace tramonta
