// SPDX-License-Identifier: GPL-3.0-or-later
// The list models of the program on long lists: 20 000 members against 200,
// and a journal of 20 000 lines. A sort compares keys made once per record;
// an addition or a change signals one row, whatever the length of the list.
#include "model/exercice.h"
#include "ui/modeles/modeles.h"
#include "ui/modeles/tri_liste.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

using namespace tramonta;

namespace {

constexpr std::array<const char*, 12> kNoms = {"Etchegaray", "Élissalde",  "Arrieta",    "bidart",
                                               "Dufau",      "Çabalette",  "Irigoyen",   "Lafitte",
                                               "Zubiri",     "Oyharçabal", "Etcheverry", "écheverria"};
constexpr std::array<const char*, 8> kPrenoms = {"Maïté", "Iñaki", "Léa",   "Ander",
                                                 "Amaia", "Peio",  "Élise", "Joanes"};

void Remplir(TAdherents& a, int nombre) {
    for (int i = 0; i < nombre; ++i) {
        auto m = std::make_unique<TAdherent>(&a);
        m->SetNom(std::string(kNoms[static_cast<std::size_t>(i) % kNoms.size()]) +
                  std::to_string(i * 7919 % nombre));
        m->SetPrenom(kPrenoms[static_cast<std::size_t>(i / 3) % kPrenoms.size()]);
        m->SetLicenceCompet(i % 3 == 0);
        m->SetLicenceDirigeant(i % 17 == 0);
        a.Add(std::move(m));
    }
}

// The model and its sorted view over a collection that is replaced, as when
// a season is opened: keys are made and the whole list sorted.
void BM_AdherentsOuverture(benchmark::State& state) {
    TExercice e;
    TModeleAdherents modele(e.Adherents());
    TTriListe tri(&modele);
    for (auto _ : state) {
        state.PauseTiming();
        e.Adherents().Clear();
        Remplir(e.Adherents(), static_cast<int>(state.range(0)));
        state.ResumeTiming();
        // A load ends with "everything replaced".
        e.Adherents().Changements().Remplacement();
        benchmark::DoNotOptimize(tri.index(0, 0));
    }
}
BENCHMARK(BM_AdherentsOuverture)->Arg(200)->Arg(20000)->Unit(benchmark::kMillisecond);

// A click on each column: the first click sorts by it, keys made once.
void BM_AdherentsTriColonne(benchmark::State& state) {
    TExercice e;
    Remplir(e.Adherents(), static_cast<int>(state.range(0)));
    TModeleAdherents modele(e.Adherents());
    TTriListe tri(&modele);
    int colonne = 0;
    for (auto _ : state) {
        tri.CliquerColonne(colonne);
        colonne = (colonne + 1) % 3;
        benchmark::DoNotOptimize(tri.index(0, 0));
    }
}
BENCHMARK(BM_AdherentsTriColonne)->Arg(200)->Arg(20000)->Unit(benchmark::kMillisecond);

// One member added to a sorted list of n, then taken out again.
void BM_AdherentsAjout(benchmark::State& state) {
    TExercice e;
    Remplir(e.Adherents(), static_cast<int>(state.range(0)));
    TModeleAdherents modele(e.Adherents());
    TTriListe tri(&modele);
    tri.CliquerColonne(0);
    for (auto _ : state) {
        auto m = std::make_unique<TAdherent>(&e.Adherents());
        m->SetNom("Haramboure");
        m->SetPrenom("Txomin");
        e.Adherents().Add(std::move(m));
        state.PauseTiming();
        e.Adherents().Delete(e.Adherents().Count() - 1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AdherentsAjout)->Arg(200)->Arg(20000)->Unit(benchmark::kMicrosecond);

// One member renamed in a sorted list of n: its row is signalled and moves.
void BM_AdherentsModification(benchmark::State& state) {
    TExercice e;
    Remplir(e.Adherents(), static_cast<int>(state.range(0)));
    TModeleAdherents modele(e.Adherents());
    TTriListe tri(&modele);
    tri.CliquerColonne(0);
    TAdherent* m = e.Adherents().Adherent(e.Adherents().Count() / 2);
    bool bascule = false;
    for (auto _ : state) {
        m->SetNom(bascule ? "Aguirre" : "Zabala");
        bascule = !bascule;
    }
}
BENCHMARK(BM_AdherentsModification)->Arg(200)->Arg(20000)->Unit(benchmark::kMicrosecond);

// The journal of the club page: 20 000 lines replaced and sorted by date,
// then one line written.
void BM_AgendaOuverture(benchmark::State& state) {
    TExercice e;
    TModeleAgenda modele(e.Agenda());
    TTriListe tri(&modele);
    for (auto _ : state) {
        state.PauseTiming();
        e.Agenda().Clear();
        for (int i = 0; i < 20000; ++i) {
            auto l = std::make_unique<TLigneAgenda>(&e.Agenda());
            l->SetTexte("Modification de l'adhérent \"" + std::to_string(i) + "\"");
            l->SetDateHeure(46000 + i / 100.0);
            l->SetUtilisateur(i % 2 ? "secretaire" : "tresorier");
            e.Agenda().Add(std::move(l));
        }
        state.ResumeTiming();
        e.Agenda().Changements().Remplacement();
        benchmark::DoNotOptimize(tri.index(0, 0));
    }
}
BENCHMARK(BM_AgendaOuverture)->Unit(benchmark::kMillisecond);

// Typing into the search of a sorted list of n members: one letter more each
// keystroke, then letters taken back, as a user narrows and widens a search.
constexpr std::array<const char*, 10> kFrappes = {"e",    "et",  "etc", "etch", "etche",
                                                  "etch", "etc", "et",  "e",    ""};

void BM_AdherentsRechercheFrappe(benchmark::State& state) {
    TExercice e;
    Remplir(e.Adherents(), static_cast<int>(state.range(0)));
    TModeleAdherents modele(e.Adherents());
    TTriListe tri(&modele);
    tri.SetRecherche("x");
    std::size_t i = 0;
    for (auto _ : state) {
        tri.SetRecherche(kFrappes[i++ % kFrappes.size()]);
        benchmark::DoNotOptimize(tri.rowCount());
    }
}
BENCHMARK(BM_AdherentsRechercheFrappe)->Arg(200)->Arg(20000)->Unit(benchmark::kMillisecond);

// The first letter on a list just opened, whose search keys are not made yet.
void BM_AdherentsPremiereFrappe(benchmark::State& state) {
    TExercice e;
    Remplir(e.Adherents(), static_cast<int>(state.range(0)));
    TModeleAdherents modele(e.Adherents());
    TTriListe tri(&modele);
    for (auto _ : state) {
        state.PauseTiming();
        tri.SetRecherche("");
        modele.Reinitialiser();
        benchmark::DoNotOptimize(tri.index(0, 0));
        state.ResumeTiming();
        tri.SetRecherche("e");
        benchmark::DoNotOptimize(tri.rowCount());
    }
}
BENCHMARK(BM_AdherentsPremiereFrappe)->Arg(200)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_AgendaNouvelleLigne(benchmark::State& state) {
    TExercice e;
    for (int i = 0; i < 20000; ++i)
        e.Agenda().AjouterLigne("Ajout de l'adhérent \"" + std::to_string(i) + "\"");
    TModeleAgenda modele(e.Agenda());
    TTriListe tri(&modele);
    tri.CliquerColonne(1);
    for (auto _ : state)
        e.Agenda().AjouterLigne("Impression du bilan comptable");
}
BENCHMARK(BM_AgendaNouvelleLigne)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
