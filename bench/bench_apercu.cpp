// SPDX-License-Identifier: GPL-3.0-or-later
// A long movements report in the preview: recording it once (what opening
// the preview costs) and painting one screen of it (what each scroll step
// costs), for 200 pages and for 100 000 lines.
#include "core/dates.h"
#include "model/comptabilite.h"
#include "platform/application.h"
#include "platform/canevas_qt.h"
#include "print/etats_compta.h"
#include "ui/communs/apercu.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <benchmark/benchmark.h>

using namespace tramonta;

namespace {

// One charge account of `lignes` lines: 44 lines to a page.
std::unique_ptr<TComptabilite> Grand(int lignes) {
    auto compta = std::make_unique<TComptabilite>();
    auto compte = std::make_unique<TCompte>(compta.get());
    compte->SetArticle("606");
    for (int i = 0; i < lignes; ++i) {
        auto l = std::make_unique<TLigneEcriture>(compte.get());
        l->SetLibelle("Achat de matériel n°" + std::to_string(i));
        l->SetDate(EncodeDate(2026, 1, 1) + i % 365);
        l->SetMontant(12.5 + i % 100);
        compte->AjouterLigne(std::move(l));
    }
    compta->AjouterCompteCharge(std::move(compte));
    return compta;
}

TApercu::Dessin Dessin(const TComptabilite& compta) {
    return [&compta](TCanevas& c) {
        return DessinerMouvements(compta, c, TEditionMouvements{}, false, TContexteCompta{});
    };
}

void Enregistrer(benchmark::State& etat) {
    const auto compta = Grand(static_cast<int>(etat.range(0)));
    TApercu apercu;
    for (auto _ : etat)
        apercu.DefinirDessin(Dessin(*compta));
    etat.counters["pages"] = apercu.NbPages();
    etat.counters["primitives"] = static_cast<double>(apercu.Primitives().size());
}

void PeindreUnEcran(benchmark::State& etat) {
    const auto compta = Grand(static_cast<int>(etat.range(0)));
    TApercu apercu;
    apercu.resize(900, 800);
    apercu.DefinirDessin(Dessin(*compta));
    QScrollBar* v = apercu.verticalScrollBar();
    v->setRange(0, 1 << 30);
    v->setValue(UnitesVersPixels(apercu.NbPages() / 2 * kHauteurA4 + 2000));
    QImage image(900, 800, QImage::Format_RGB32);
    for (auto _ : etat) {
        QPainter painter(&image);
        apercu.Peindre(painter, image.rect());
    }
    etat.counters["pages"] = apercu.NbPages();
}

} // namespace

BENCHMARK(Enregistrer)->Arg(8800)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PeindreUnEcran)->Arg(8800)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    EnregistrerPoliceTahoma();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
