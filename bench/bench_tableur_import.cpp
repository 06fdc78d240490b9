// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and importing a spreadsheet file of members: 20 000 rows of every
// column, into an empty season and into one that already holds them all.
#include "core/tableur_lecture.h"
#include "model/adherent.h"
#include "model/export_tableur.h"
#include "model/import_tableur.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

using namespace tramonta;

namespace {

void Remplir(TAdherents& adherents, int nombre) {
    for (int i = 0; i < nombre; ++i) {
        auto a = std::make_unique<TAdherent>(&adherents);
        a->SetNom("NOM" + std::to_string(i));
        a->SetPrenom("Prénom" + std::to_string(i));
        a->SetDateNaissance(30000 + i % 9000);
        a->SetAdresse("12 avenue de la Plage\r\n64200 Biarritz");
        a->SetCodePostal(64200);
        a->SetVille("Biarritz");
        a->SetTel1("05.59.24.00.00");
        a->SetMontantLicence(45.5);
        a->SetInformationsComplementaires(i % 10 == 0 ? "Allergie; \"pénicilline\"" : "");
        adherents.Add(std::move(a));
    }
}

std::string Fichier(int nombre) {
    TAdherents adherents;
    Remplir(adherents, nombre);
    std::ostringstream sortie;
    ExporterAdherents(TousLesAdherents(adherents), sortie);
    return sortie.str();
}

void BM_LireTableur(benchmark::State& state) {
    const std::string octets = Fichier(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TTableurLu lu;
        std::string erreur;
        benchmark::DoNotOptimize(LireTableur(octets, lu, erreur));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * octets.size()));
}
BENCHMARK(BM_LireTableur)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_ImporterDansUnExerciceVide(benchmark::State& state) {
    TTableurLu lu;
    std::string erreur;
    LireTableur(Fichier(static_cast<int>(state.range(0))), lu, erreur);
    for (auto _ : state) {
        TAdherents adherents;
        benchmark::DoNotOptimize(ImporterAdherents(adherents, lu).ajoutes);
    }
}
BENCHMARK(BM_ImporterDansUnExerciceVide)->Arg(300)->Arg(20000)->Unit(benchmark::kMillisecond);

// Every row already there: each one is a duplicate to find.
void BM_ImporterQueDesDoublons(benchmark::State& state) {
    const int nombre = static_cast<int>(state.range(0));
    TTableurLu lu;
    std::string erreur;
    LireTableur(Fichier(nombre), lu, erreur);
    TAdherents adherents;
    Remplir(adherents, nombre);
    for (auto _ : state)
        benchmark::DoNotOptimize(ImporterAdherents(adherents, lu).ignores);
}
BENCHMARK(BM_ImporterQueDesDoublons)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
