// SPDX-License-Identifier: GPL-3.0-or-later
// The database page of a club of 20 000 members: opening it, sorting by a
// column, refreshing the list after one member changed, typing into its
// search field, and opening the member sheet. Runs offscreen.
#include "model/exercice.h"
#include "platform/application.h"
#include "ui/bdd/fiche_adherent.h"
#include "ui/bdd/fiche_bdd.h"
#include "ui/bdd/fiche_correspondant.h"
#include "ui/bdd/fiche_criteres_requete.h"
#include "ui/bdd/fiche_liste_comptes.h"
#include "ui/modeles/tri_liste.h"

#include <QLineEdit>
#include <QTimer>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iterator>
#include <memory>
#include <string>

using namespace tramonta;

namespace {

constexpr int kAdherents = 20000;

// Names in no particular order, so that a sort has work to do.
std::unique_ptr<TExercice> GrandClub() {
    auto e = std::make_unique<TExercice>();
    for (int i = 0; i < kAdherents; ++i) {
        auto a = std::make_unique<TAdherent>(&e->Adherents());
        const int n = (i * 7919) % kAdherents;
        a->SetNom("Nom" + std::to_string(n));
        a->SetPrenom("Prénom" + std::to_string(kAdherents - n));
        a->SetLicenceCompet(i % 3 == 0);
        a->SetLicenceDirigeant(i % 17 == 0);
        a->SetDateNaissance(30000 + i % 9000);
        a->SetMontantLicence(45.5);
        a->SetNumeroLicence("FFS-" + std::to_string(100000 + i));
        a->SetVille(i % 5 == 0 ? "Saint-Jean-de-Luz" : (i % 5 == 1 ? "Biarritz" : "Anglet"));
        e->Adherents().Add(std::move(a));
    }
    return e;
}

struct Fiches {
    TFicheListeComptes listeComptes;
    TFicheAdherent adherent{listeComptes};
    TFicheCorrespondant correspondant;
    TFicheCriteresRequete criteres;
};

void PageOuverte(benchmark::State& state) {
    auto e = GrandClub();
    Fiches f;
    for (auto _ : state) {
        TFicheBDD page(*e, f.adherent, f.correspondant, f.criteres);
        page.resize(800, 600);
        page.show();
        page.Afficher();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(page.TriAdherents().rowCount());
    }
}
BENCHMARK(PageOuverte)->Unit(benchmark::kMillisecond);

void TriParColonne(benchmark::State& state) {
    auto e = GrandClub();
    Fiches f;
    TFicheBDD page(*e, f.adherent, f.correspondant, f.criteres);
    page.show();
    int colonne = 0;
    for (auto _ : state) {
        colonne = (colonne + 1) % 3;
        page.TriAdherents().CliquerColonne(colonne);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(TriParColonne)->Unit(benchmark::kMillisecond);

void UnChangementRafraichi(benchmark::State& state) {
    auto e = GrandClub();
    Fiches f;
    TFicheBDD page(*e, f.adherent, f.correspondant, f.criteres);
    page.show();
    TAdherent& a = *e->Adherents().Adherent(kAdherents / 2);
    int i = 0;
    for (auto _ : state) {
        // A renamed member moves to its place in the sorted list.
        a.SetNom("Nom" + std::to_string(i++ % kAdherents) + "b");
        QCoreApplication::processEvents();
    }
}
BENCHMARK(UnChangementRafraichi)->Unit(benchmark::kMicrosecond);

// One keystroke in the search field, list redrawn: a letter more each time,
// then letters taken back ("nom1" keeps about half the list, "nom1234" one
// row, "" every row).
void RechercheFrappe(benchmark::State& state) {
    auto e = GrandClub();
    Fiches f;
    TFicheBDD page(*e, f.adherent, f.correspondant, f.criteres);
    page.resize(800, 600);
    page.show();
    auto* champ = page.findChild<QLineEdit*>("EditRechercheAdherents");
    const char* frappes[] = {"n",      "no",    "nom",  "nom1", "nom12", "nom123", "nom1234",
                             "nom123", "nom12", "nom1", "nom",  "no",    "n",      ""};
    std::size_t i = 0;
    for (auto _ : state) {
        champ->setText(frappes[i++ % std::size(frappes)]);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(RechercheFrappe)->Unit(benchmark::kMillisecond);

// The first letter typed on a page just opened, with no search key made yet.
void RecherchePremiereFrappe(benchmark::State& state) {
    auto e = GrandClub();
    Fiches f;
    for (auto _ : state) {
        state.PauseTiming();
        auto page = std::make_unique<TFicheBDD>(*e, f.adherent, f.correspondant, f.criteres);
        page->resize(800, 600);
        page->show();
        QCoreApplication::processEvents();
        auto* champ = page->findChild<QLineEdit*>("EditRechercheAdherents");
        state.ResumeTiming();
        champ->setText("b");
        QCoreApplication::processEvents();
        state.PauseTiming();
        page.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(RecherchePremiereFrappe)->Unit(benchmark::kMillisecond);

void FicheAdherentOuverte(benchmark::State& state) {
    auto e = GrandClub();
    Fiches f;
    TAdherent& a = *e->Adherents().Adherent(kAdherents / 3);
    for (auto _ : state) {
        // Shown, filled, then closed as soon as its event loop runs.
        QTimer::singleShot(0, &f.adherent, [&f] { f.adherent.done(QDialog::Rejected); });
        f.adherent.Editer(a, false);
    }
}
BENCHMARK(FicheAdherentOuverte)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
