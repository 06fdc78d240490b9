// SPDX-License-Identifier: GPL-3.0-or-later
// The accounting page over a large ledger (500 accounts holding 100 000
// lines): shown, and refreshed after one change; and the account form opened
// on an account of 5 000 lines. Drawn offscreen.
#include "model/exercice.h"
#include "platform/boite_message.h"
#include "ui/communs/agenda.h"
#include "ui/compta/fiche_compta.h"
#include "ui/compta/fiche_compte.h"
#include "ui/compta/fiche_ecriture.h"

#include <QApplication>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

using namespace tramonta;

namespace {

void RemplirCompte(TCompte& compte, int lignes) {
    for (int l = 0; l < lignes; ++l) {
        auto ligne = std::make_unique<TLigneEcriture>(&compte);
        ligne->SetLibelle("Ecriture " + std::to_string(l));
        ligne->SetDate(46000 + l % 300);
        ligne->SetNumeroCheque(std::to_string(1000000 + l));
        ligne->SetMontant(12.5 + l % 97);
        ligne->SetTypePaiement(l % 3);
        compte.AjouterLigne(std::move(ligne));
    }
}

// 250 charge and 250 produit accounts of 200 lines each.
std::unique_ptr<TExercice> GrandeCompta() {
    auto e = std::make_unique<TExercice>();
    TComptabilite& c = e->Comptabilite();
    for (int k = 0; k < 500; ++k) {
        auto compte = std::make_unique<TCompte>(&c);
        compte->SetArticle(std::to_string(6000 + k));
        compte->SetIntitule("Compte " + std::to_string(k));
        RemplirCompte(*compte, 200);
        if (k % 2 == 0)
            c.AjouterCompteCharge(std::move(compte));
        else
            c.AjouterCompteProduit(std::move(compte));
    }
    return e;
}

struct Page {
    std::unique_ptr<TExercice> exercice = GrandeCompta();
    TFicheEcriture ecriture;
    TFicheCompte fiche{ecriture};
    TFicheCompta page{*exercice, fiche};
    Page() { page.resize(900, 600); }
};

// Shown as the main window shows it after opening the document: rebuilt
// from the ledger and drawn.
void BM_PageAffichee(benchmark::State& state) {
    Page p;
    for (auto _ : state) {
        p.page.hide();
        p.page.Afficher();
        p.page.show();
        p.page.repaint();
    }
}
BENCHMARK(BM_PageAffichee)->Unit(benchmark::kMillisecond);

// One line's amount changes (as a posting from a member sheet does): the
// row and the tab total are refreshed and drawn.
void BM_PageApresUnChangement(benchmark::State& state) {
    Page p;
    p.page.show();
    QCoreApplication::processEvents();
    TLigneEcriture* ligne = p.exercice->Comptabilite().GetCompteCharge(125)->GetLigne(100);
    double montant = 1;
    for (auto _ : state) {
        ligne->SetMontant(montant += 1);
        QCoreApplication::processEvents();
        p.page.repaint();
    }
}
BENCHMARK(BM_PageApresUnChangement)->Unit(benchmark::kMillisecond);

// The account form opened on 5 000 lines, drawn, then closed.
void BM_FicheCompteOuverte(benchmark::State& state) {
    TExercice e;
    TComptabilite& c = e.Comptabilite();
    auto compte = std::make_unique<TCompte>(&c);
    compte->SetArticle("706");
    RemplirCompte(*compte, 5000);
    TCompte& grand = *compte;
    c.AjouterCompteProduit(std::move(compte));
    TFicheEcriture ecriture;
    TFicheCompte fiche(ecriture);
    for (auto _ : state) {
        QTimer::singleShot(0, &fiche, [&fiche] {
            fiche.repaint();
            fiche.reject();
        });
        fiche.Executer(grand);
    }
}
BENCHMARK(BM_FicheCompteOuverte)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
