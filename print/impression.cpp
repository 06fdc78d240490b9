// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/impression.h"

namespace tramonta {

std::string FormaterEntiers(std::string_view modele, std::initializer_list<int> valeurs) {
    std::string sortie;
    auto suivante = valeurs.begin();
    for (std::size_t i = 0; i < modele.size(); ++i) {
        if (modele[i] == '%' && i + 1 < modele.size() && modele[i + 1] == '%') {
            sortie += '%';
            ++i;
        } else if (modele[i] == '%' && i + 1 < modele.size() && modele[i + 1] == 'd' &&
                   suivante != valeurs.end()) {
            sortie += std::to_string(*suivante++);
            ++i;
        } else {
            sortie += modele[i];
        }
    }
    return sortie;
}

namespace {
// Hides the progress window whichever way the loop leaves, a printer error
// included.
class MasquageProgression {
  public:
    explicit MasquageProgression(TProgression& p) : p_(p) {}
    ~MasquageProgression() { p_.Masquer(); }
    MasquageProgression(const MasquageProgression&) = delete;
    MasquageProgression& operator=(const MasquageProgression&) = delete;

  private:
    TProgression& p_;
};
} // namespace

int ImprimerCopies(TImprimante& imprimante, TProgression& progression, const TTravailImpression& travail,
                   const std::function<void(const std::string&)>& journal) {
    if (!travail.imprimanteChoisie)
        imprimante.ChoisirImprimanteParDefaut();
    imprimante.DefinirTitre(travail.titre);
    imprimante.DefinirOrientation(travail.orientation);
    const int copies = imprimante.NbCopies();
    int terminees = 0;
    try {
        MasquageProgression masquage(progression);
        progression.Afficher();
        progression.DefinirBornes(1, copies);
        for (int k = 1; k <= copies; ++k) {
            progression.DefinirStatut(FormaterEntiers(travail.statut, {k, copies}));
            TCanevas& canevas = imprimante.DebuterTravail();
            try {
                travail.dessin(canevas);
            } catch (...) {
                imprimante.AbandonnerTravail();
                throw;
            }
            if (progression.Annule()) {
                imprimante.AbandonnerTravail();
                break;
            }
            imprimante.TerminerTravail();
            ++terminees;
            progression.Avancer();
        }
    } catch (TErreurImpression& e) {
        e.copiesEnvoyees = terminees;
        e.copiesDemandees = copies;
        throw;
    }
    if (journal)
        journal(travail.ligneJournal);
    return terminees;
}

} // namespace tramonta
