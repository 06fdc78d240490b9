// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheet exports of a large season: 20 000 members, 100 000 entry lines.
#include "bench/grande_compta.h"
#include "model/exercice.h"
#include "model/export_tableur.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

using namespace tramonta;

namespace {

TExercice& GrandDocument() {
    static const std::unique_ptr<TExercice> e = [] {
        auto d = std::make_unique<TExercice>();
        for (int i = 0; i < 20000; ++i) {
            auto a = std::make_unique<TAdherent>(&d->Adherents());
            a->SetNom("NOM" + std::to_string(i) + (i % 7 == 0 ? "; dit \"Vague\"" : ""));
            a->SetPrenom("Prénom" + std::to_string(i));
            a->SetDateNaissance(30000 + i % 9000);
            a->SetAdresse("12 avenue de la Plage\r\nRésidence des Dunes");
            a->SetCodePostal(64200);
            a->SetVille("Biarritz");
            a->SetTel1("05-59-24-00-00");
            a->SetMontantLicence(45.5);
            a->SetCautionCombinaison(150);
            a->SetInformationsComplementaires(i % 10 == 0 ? std::string(400, 'n') : "");
            d->Adherents().Add(std::move(a));
        }
        RemplirGrandeComptabilite(d->Comptabilite());
        return d;
    }();
    return *e;
}

void BM_ExporterAdherents(benchmark::State& etat) {
    TExercice& e = GrandDocument();
    std::size_t taille = 0;
    for (auto _ : etat) {
        std::ostringstream sortie;
        ExporterAdherents(TousLesAdherents(e.Adherents()), sortie);
        taille = sortie.str().size();
        benchmark::DoNotOptimize(taille);
    }
    etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations() * taille));
}
BENCHMARK(BM_ExporterAdherents)->Unit(benchmark::kMillisecond);

void BM_ExporterEcritures(benchmark::State& etat) {
    TExercice& e = GrandDocument();
    std::size_t taille = 0;
    for (auto _ : etat) {
        std::ostringstream sortie;
        ExporterEcritures(e.Comptabilite(), sortie);
        taille = sortie.str().size();
        benchmark::DoNotOptimize(taille);
    }
    etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations() * taille));
}
BENCHMARK(BM_ExporterEcritures)->Unit(benchmark::kMillisecond);

} // namespace
