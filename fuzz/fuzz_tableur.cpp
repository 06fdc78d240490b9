// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the spreadsheet (CSV) reader, then every value
// reader to every field, then the member import with its title matching.
// Beyond not crashing: a value that reads must write to a text that reads
// back to the same value, and the members that were imported must export to
// a file that imports again to the very same export.
#include "core/tableur_ecriture.h"
#include "core/tableur_lecture.h"
#include "model/exercice.h"
#include "model/export_tableur.h"
#include "model/import_tableur.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

using namespace tramonta;

namespace {
void LireValeurs(std::string_view champ) {
    if (const auto d = LireDateTableur(champ); d && LireDateTableur(DateTableur(*d)) != *d)
        std::abort();
    if (const auto m = LireMontantTableur(champ); m && LireMontantTableur(MontantTableur(*m)) != *m)
        std::abort();
    if (const auto n = LireEntierTableur(champ); n && LireEntierTableur(std::to_string(*n)) != *n)
        std::abort();
    if (const auto b = LireBooleenTableur(champ); b && LireBooleenTableur(BooleenTableur(*b)) != *b)
        std::abort();
    CleTitre(champ);
}

std::string Exporter(const TExercice& e) {
    std::ostringstream sortie;
    ExporterAdherents(TousLesAdherents(e.Adherents()), sortie);
    return sortie.str();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
    TTableurLu lu;
    std::string erreur;
    if (!LireTableur(octets, lu, erreur))
        return 0;
    for (const std::string& titre : lu.titres.champs)
        LireValeurs(titre);
    for (const TLigneTableur& ligne : lu.lignes)
        for (const std::string& champ : ligne.champs)
            LireValeurs(champ);

    TExercice premier;
    const TRapportImport rapport = ImporterAdherents(premier.Adherents(), lu);
    if (!rapport.reussi)
        return 0;
    const std::string exporte = Exporter(premier);

    // The program's own file, read again: nothing unreadable, nobody left out.
    TTableurLu relu;
    if (!LireTableur(exporte, relu, erreur) || relu.encodage != EncodageTableur::Utf8AvecMarque ||
        relu.separateur != kSeparateurTableur)
        std::abort();
    TExercice second;
    const TRapportImport rapportRelu = ImporterAdherents(second.Adherents(), relu);
    if (!rapportRelu.reussi || rapportRelu.ajoutes != premier.Adherents().Count() ||
        rapportRelu.ignores != 0 || rapportRelu.lignes.size() != 1)
        std::abort();
    if (Exporter(second) != exporte)
        std::abort();
    return 0;
}
