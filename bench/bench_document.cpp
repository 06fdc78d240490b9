// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading a large season: 20 000 members, 200 accounts holding
// 100 000 lines, 20 000 journal lines. Beside the load and save through a
// file, the same bytes read and written the way they do it (4 KiB blocks;
// temporary file, fsync, rename), as the floor that the format's own work
// is measured against.
#include "bench/grande_compta.h"
#include "model/exercice.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

using namespace tramonta;

namespace {

std::unique_ptr<TExercice> GrandDocument() {
    auto e = std::make_unique<TExercice>();
    e->SetIntitule("Saison 2026");
    for (int i = 0; i < 20; ++i)
        e->AjouterSpecialite("Spécialité " + std::to_string(i));
    for (int i = 0; i < 20000; ++i) {
        auto a = std::make_unique<TAdherent>(&e->Adherents());
        a->SetNom("NOM" + std::to_string(i));
        a->SetPrenom("Prénom" + std::to_string(i));
        a->SetDateNaissance(30000 + i % 9000);
        a->SetAdresse("12 avenue de la Plage\r\n64200 Biarritz");
        a->SetVille("Biarritz");
        a->SetTel1("05.59.24.00.00");
        a->SetMontantLicence(45.5);
        a->SetLicenceEnCompta(true);
        a->SetArticleLicence("706");
        a->SetInformationsComplementaires(i % 10 == 0 ? std::string(400, 'n') : "");
        e->Adherents().Add(std::move(a));
    }
    RemplirGrandeComptabilite(e->Comptabilite());
    for (int i = 0; i < 20000; ++i) {
        auto l = std::make_unique<TLigneAgenda>(&e->Agenda());
        l->SetTexte("Modification de l'adhérent \"NOM" + std::to_string(i) + "\"");
        l->SetDateHeure(46000 + i / 100.0);
        l->SetUtilisateur("tresorier");
        e->Agenda().Add(std::move(l));
    }
    return e;
}

const std::vector<std::uint8_t>& OctetsDuGrandDocument() {
    static const std::vector<std::uint8_t> octets = [] {
        auto e = GrandDocument();
        TMemoryStream flux;
        {
            TWriter w(flux);
            e->Save(w);
        }
        return flux.Donnees();
    }();
    return octets;
}

void BM_Enregistrer(benchmark::State& etat) {
    auto e = GrandDocument();
    std::size_t taille = 0;
    for (auto _ : etat) {
        TMemoryStream flux;
        {
            TWriter w(flux);
            e->Save(w);
        }
        taille = flux.Donnees().size();
        benchmark::DoNotOptimize(taille);
    }
    etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations() * taille));
}
BENCHMARK(BM_Enregistrer)->Unit(benchmark::kMillisecond);

void BM_Charger(benchmark::State& etat) {
    const auto& octets = OctetsDuGrandDocument();
    for (auto _ : etat) {
        TExercice e;
        TMemoryStream flux(octets);
        TReader r(flux);
        e.Load(r);
        benchmark::DoNotOptimize(e.Adherents().Count());
    }
    etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations() * octets.size()));
}
BENCHMARK(BM_Charger)->Unit(benchmark::kMillisecond);

// Through a real file, with the flush to the disk that a save makes.
void BM_EnregistrerFichier(benchmark::State& etat) {
    auto e = GrandDocument();
    const std::string chemin =
        (std::filesystem::temp_directory_path() / ("bench-" + std::to_string(::getpid()) + ".trm")).string();
    for (auto _ : etat)
        benchmark::DoNotOptimize(e->SaveToFile(chemin));
    etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations() * std::filesystem::file_size(chemin)));
    std::filesystem::remove(chemin);
}
BENCHMARK(BM_EnregistrerFichier)->Unit(benchmark::kMillisecond);

void BM_ChargerFichier(benchmark::State& etat) {
    const std::string chemin =
        (std::filesystem::temp_directory_path() / ("bench-l-" + std::to_string(::getpid()) + ".trm"))
            .string();
    GrandDocument()->SaveToFile(chemin);
    for (auto _ : etat) {
        TExercice e;
        benchmark::DoNotOptimize(e.LoadFromFile(chemin));
    }
    etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations() * std::filesystem::file_size(chemin)));
    std::filesystem::remove(chemin);
}
BENCHMARK(BM_ChargerFichier)->Unit(benchmark::kMillisecond);

std::string CheminTemporaire(const char* nom) {
    return (std::filesystem::temp_directory_path() / (nom + std::to_string(::getpid()) + ".trm")).string();
}

// Reads a file in 4 KiB blocks into memory, as the loader's reader does.
void BM_LireOctetsFichier(benchmark::State& etat) {
    const std::string chemin = CheminTemporaire("bench-o-");
    GrandDocument()->SaveToFile(chemin);
    const auto taille = std::filesystem::file_size(chemin);
    for (auto _ : etat) {
        std::vector<std::uint8_t> octets(taille);
        const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
        std::size_t lus = 0;
        for (ssize_t r = 1; r > 0 && lus < taille; lus += static_cast<std::size_t>(r))
            r = ::read(fd, octets.data() + lus, std::min<std::size_t>(4096, taille - lus));
        ::close(fd);
        benchmark::DoNotOptimize(octets.data());
    }
    etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations() * taille));
    std::filesystem::remove(chemin);
}
BENCHMARK(BM_LireOctetsFichier)->Unit(benchmark::kMillisecond);

// Writes the bytes of the large season as a save does: a temporary file in
// the same folder, 4 KiB blocks, fsync, rename, fsync of the folder.
void BM_EcrireOctetsFichier(benchmark::State& etat) {
    const auto& octets = OctetsDuGrandDocument();
    const std::string chemin = CheminTemporaire("bench-e-");
    const std::string dossier = std::filesystem::path(chemin).parent_path().string();
    for (auto _ : etat) {
        std::string modele = chemin + ".XXXXXX";
        const int fd = ::mkstemp(modele.data());
        for (std::size_t i = 0; i < octets.size(); i += 4096)
            benchmark::DoNotOptimize(
                ::write(fd, octets.data() + i, std::min<std::size_t>(4096, octets.size() - i)));
        ::fsync(fd);
        ::close(fd);
        ::rename(modele.c_str(), chemin.c_str());
        const int d = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::fsync(d);
        ::close(d);
    }
    etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations() * octets.size()));
    std::filesystem::remove(chemin);
}
BENCHMARK(BM_EcrireOctetsFichier)->Unit(benchmark::kMillisecond);

} // namespace
