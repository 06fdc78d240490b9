// SPDX-License-Identifier: GPL-3.0-or-later
// The heat-table window's paint of the 64-surfer draw: the whole table on
// one screen image, which is what a paint of the window at its largest costs
// and a bound of what each scroll step repaints.
#include "model/compets.h"
#include "model/modeles_tableau.h"
#include "platform/application.h"
#include "platform/canevas_qt.h"
#include "print/canevas_enregistreur.h"
#include "print/tableau_compet.h"
#include "ui/compet/fiche_tableau_compet.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

using namespace tramonta;

namespace {

// 64 surfers with every first-tour place typed, so that every slot of every
// tour holds a name.
TTableauCompet& Tableau64(TCompet& compet) {
    TCategorieCompet& c = *compet.Categorie(4);
    for (int i = 1; i <= 64; ++i) {
        auto p = std::make_unique<TParticipantCompet>(&c);
        p->SetNom("Nom" + std::to_string(i));
        p->SetPrenom("Prénom" + std::to_string(i));
        p->SetClub("Club " + std::to_string(i % 7));
        c.Add(std::move(p));
    }
    c.SetTypeTableau(6);
    TTableauCompet& t = *c.Tableau();
    t.PlacerParticipants();
    for (int n = 1; n <= t.NbSeries(); ++n)
        for (int l = 0; l < t.Serie(n)->Count(); ++l)
            t.Serie(n)->Ligne(l)->SetPlace(l + 1);
    t.Propager();
    return t;
}

void PeindreTableau64(benchmark::State& etat) {
    TCompet compet;
    TTableauCompet& t = Tableau64(compet);
    TFicheTableauCompet fiche;
    fiche.SetTableau(&t);
    QImage image;
    for (auto _ : etat) {
        image = fiche.Image();
        benchmark::DoNotOptimize(image.constBits());
    }
    etat.counters["largeur_px"] = image.width();
    etat.counters["hauteur_px"] = image.height();
}

void MettreEnPageTableau64(benchmark::State& etat) {
    TCompet compet;
    TTableauCompet& t = Tableau64(compet);
    const TParametresTableau parametres;
    std::size_t primitives = 0;
    for (auto _ : etat) {
        TCanevasEnregistreur c;
        DessinerTableau(t, c, 0, false, parametres);
        primitives = c.Primitives().size();
    }
    etat.counters["primitives"] = static_cast<double>(primitives);
}

} // namespace

BENCHMARK(PeindreTableau64)->Unit(benchmark::kMillisecond);
BENCHMARK(MettreEnPageTableau64)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    EnregistrerPoliceTahoma();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
