// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/canevas_enregistreur.h"
#include "print/impression.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

using namespace tramonta;

namespace {

// Writes what the loop asks of it, in order.
class ImprimanteFactice : public TImprimante {
  public:
    explicit ImprimanteFactice(int copies, std::vector<std::string>& trace)
        : copies_(copies), trace_(trace) {}
    void ChoisirImprimanteParDefaut() override { trace_.push_back("défaut"); }
    int NbCopies() const override { return copies_; }
    void DefinirTitre(const std::string& titre) override { trace_.push_back("titre " + titre); }
    void DefinirOrientation(Orientation o) override {
        trace_.push_back(o == Orientation::Portrait ? "portrait" : "paysage");
    }
    TCanevas& DebuterTravail() override {
        trace_.push_back("début");
        ++debuts_;
        if (debuts_ == refusAuDebut)
            throw TErreurImpression("L'imprimante « PDF » refuse les travaux d'impression.");
        canevas_ = std::make_unique<TCanevasEnregistreur>();
        return *canevas_;
    }
    void TerminerTravail() override {
        trace_.push_back("fin " + std::to_string(canevas_->Primitives().size()));
        if (debuts_ == refusALaFin)
            throw TErreurImpression("Le service d'impression ne répond pas.");
        ++imprimees;
    }
    void AbandonnerTravail() override { trace_.push_back("abandon"); }
    int imprimees = 0;
    // The job (counted from 1) that the print system does not take, when it
    // starts or when it is handed over; 0 for none.
    int refusAuDebut = 0;
    int refusALaFin = 0;

  private:
    int debuts_ = 0;
    int copies_;
    std::vector<std::string>& trace_;
    std::unique_ptr<TCanevasEnregistreur> canevas_;
};

class ProgressionFactice : public TProgression {
  public:
    ProgressionFactice(std::vector<std::string>& trace, int annulerALaQuestion)
        : trace_(trace), annulerA_(annulerALaQuestion) {}
    void Afficher() override { trace_.push_back("affiche"); }
    void DefinirStatut(const std::string& t) override { trace_.push_back(t); }
    void DefinirBornes(int a, int b) override {
        trace_.push_back("bornes " + std::to_string(a) + "-" + std::to_string(b));
    }
    void Avancer() override { trace_.push_back("pas"); }
    bool Annule() override { return ++questions_ == annulerA_; }
    void Masquer() override { trace_.push_back("masque"); }

  private:
    std::vector<std::string>& trace_;
    int annulerA_;
    int questions_ = 0;
};

TTravailImpression Travail(bool choisie) {
    TTravailImpression t;
    t.titre = "Impression comptabilité";
    t.statut = "Impression bilan (%d/%d)...";
    t.dessin = [](TCanevas& c) { c.Ligne({0, 0}, {1, 1}); };
    t.ligneJournal = "Impression du bilan comptable";
    t.imprimanteChoisie = choisie;
    return t;
}

TEST(BoucleImpression, UneAnnulationPendantLaDeuxiemeCopieGardeLaPremiereEtLeJournal) {
    std::vector<std::string> trace;
    ImprimanteFactice imprimante(2, trace);
    ProgressionFactice progression(trace, 2);
    std::vector<std::string> journal;
    EXPECT_EQ(ImprimerCopies(imprimante, progression, Travail(false),
                             [&](const std::string& l) { journal.push_back(l); }),
              1);
    EXPECT_EQ(imprimante.imprimees, 1);
    EXPECT_EQ(trace,
              (std::vector<std::string>{"défaut", "titre Impression comptabilité", "portrait", "affiche",
                                        "bornes 1-2", "Impression bilan (1/2)...", "début", "fin 1", "pas",
                                        "Impression bilan (2/2)...", "début", "abandon", "masque"}));
    EXPECT_EQ(journal, std::vector<std::string>{"Impression du bilan comptable"});
}

TEST(BoucleImpression, UneAnnulationPendantLaPremiereCopieNImprimeRienMaisJournalise) {
    std::vector<std::string> trace;
    ImprimanteFactice imprimante(2, trace);
    ProgressionFactice progression(trace, 1);
    int lignes = 0;
    EXPECT_EQ(ImprimerCopies(imprimante, progression, Travail(true), [&](const std::string&) { ++lignes; }),
              0);
    EXPECT_EQ(imprimante.imprimees, 0);
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "début"), 1);
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "abandon"), 1);
    EXPECT_EQ(lignes, 1);
}

TEST(BoucleImpression, SansAnnulationChaqueCopieEstUnTravailEtLImprimanteChoisieReste) {
    std::vector<std::string> trace;
    ImprimanteFactice imprimante(3, trace);
    ProgressionFactice progression(trace, 0);
    int lignes = 0;
    EXPECT_EQ(ImprimerCopies(imprimante, progression, Travail(true), [&](const std::string&) { ++lignes; }),
              3);
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "début"), 3);
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "défaut"), 0);
    EXPECT_EQ(trace.back(), "masque");
    EXPECT_EQ(lignes, 1);
}

TEST(BoucleImpression, UneErreurDImprimanteAbandonneLeTravailEtMasqueLaProgression) {
    std::vector<std::string> trace;
    ImprimanteFactice imprimante(2, trace);
    ProgressionFactice progression(trace, 0);
    TTravailImpression t = Travail(true);
    t.dessin = [](TCanevas&) { throw std::runtime_error("papier coincé"); };
    int lignes = 0;
    EXPECT_THROW(ImprimerCopies(imprimante, progression, t, [&](const std::string&) { ++lignes; }),
                 std::runtime_error);
    EXPECT_EQ(trace.back(), "masque");
    EXPECT_EQ(trace[trace.size() - 2], "abandon");
    EXPECT_EQ(lignes, 0);
}

// A job that did not reach the print system is said by the printer: the loop
// stops there, sends no later copy and records nothing.
TEST(BoucleImpression, UnTravailNonPrisArreteLesCopiesSansJournal) {
    struct Cas {
        int debut, fin, envoyees;
    };
    for (const Cas c : {Cas{1, 0, 0}, Cas{2, 0, 1}, Cas{3, 0, 2}, Cas{0, 1, 0}, Cas{0, 2, 1}}) {
        std::vector<std::string> trace;
        ImprimanteFactice imprimante(3, trace);
        imprimante.refusAuDebut = c.debut;
        imprimante.refusALaFin = c.fin;
        ProgressionFactice progression(trace, 0);
        int lignes = 0;
        try {
            ImprimerCopies(imprimante, progression, Travail(true), [&](const std::string&) { ++lignes; });
            ADD_FAILURE() << "no error for " << c.debut << "/" << c.fin;
        } catch (const TErreurImpression& e) {
            EXPECT_EQ(e.copiesEnvoyees, c.envoyees);
            EXPECT_EQ(e.copiesDemandees, 3);
        }
        EXPECT_EQ(imprimante.imprimees, c.envoyees);
        EXPECT_EQ(std::count(trace.begin(), trace.end(), "début"), c.envoyees + 1) << "no copy after it";
        EXPECT_EQ(trace.back(), "masque");
        EXPECT_EQ(lignes, 0);
    }
}

TEST(BoucleImpression, FormateLesNumerosDeCopie) {
    EXPECT_EQ(FormaterEntiers("Impression mouvements (%d/%d)...", {2, 3}), "Impression mouvements (2/3)...");
    EXPECT_EQ(FormaterEntiers("%d%%d", {1}), "1%d");
}

} // namespace
