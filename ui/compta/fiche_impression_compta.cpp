// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compta/fiche_impression_compta.h"

#include "model/exercice.h"
#include "platform/preferences.h"

#include <QFileInfo>
#include <QHideEvent>
#include <QShowEvent>

namespace tramonta {

TFicheImpressionCompta::TFicheImpressionCompta(QWidget* parent) : TFicheApercu(parent) {
    setObjectName("FicheImpressionCompta");
    setWindowTitle("Impression comptabilité...");
}

int TFicheImpressionCompta::Montrer(const TExercice& exercice, Genre genre) {
    compta_ = &exercice.Comptabilite();
    genre_ = genre;
    contexte_.Euro = exercice.Euro();
    contexte_.Intitule = exercice.Intitule();
    const std::string& logo = Preferences().FichierLogo;
    contexte_.FichierLogo =
        !logo.empty() && QFileInfo::exists(QString::fromStdString(logo)) ? logo : std::string();
    return exec();
}

int TFicheImpressionCompta::MontrerBilan(const TExercice& exercice) {
    return Montrer(exercice, Bilan);
}

int TFicheImpressionCompta::MontrerMouvements(const TExercice& exercice, const TEditionMouvements& edition) {
    mouvements_ = edition;
    return Montrer(exercice, Mouvements);
}

int TFicheImpressionCompta::MontrerDepots(const TExercice& exercice, const TEditionDepotsBancaires& edition) {
    depots_ = edition;
    return Montrer(exercice, Depots);
}

int TFicheImpressionCompta::MontrerMouvementsCompte(const TExercice& exercice, const TCompte& compte) {
    TEditionMouvements edition;
    edition.Genre = 3;
    edition.Compte = &compte;
    return MontrerMouvements(exercice, edition);
}

int TFicheImpressionCompta::Dessiner(TCanevas& c, bool impression) const {
    if (!compta_)
        return 1;
    switch (genre_) {
    case Mouvements:
        return DessinerMouvements(*compta_, c, mouvements_, impression, contexte_);
    case Depots:
        return DessinerDepots(*compta_, c, depots_, impression, contexte_);
    case Bilan:
        break;
    }
    return DessinerBilan(*compta_, c, impression, contexte_);
}

void TFicheImpressionCompta::showEvent(QShowEvent* e) {
    TFicheApercu::showEvent(e);
    PaintBox->DefinirDessin([this](TCanevas& c) { return Dessiner(c, false); });
    PaintBox->setFocus();
}

void TFicheImpressionCompta::hideEvent(QHideEvent* e) {
    // The ledger and the accounts belong to the document and to the caller:
    // nothing of them stays here once the window is closed.
    PaintBox->DefinirDessin({});
    compta_ = nullptr;
    mouvements_ = {};
    depots_ = {};
    TFicheApercu::hideEvent(e);
}

void TFicheImpressionCompta::BoutonPrintClick() {
    if (!compta_)
        return;
    TTravailImpression travail;
    travail.orientation = Orientation::Portrait;
    switch (genre_) {
    case Bilan:
        travail.titre = kTitreBilan;
        travail.statut = "Impression bilan (%d/%d)...";
        travail.ligneJournal = LigneJournalBilan();
        break;
    case Mouvements:
        travail.titre = kTitreMouvements;
        travail.statut = "Impression mouvements (%d/%d)...";
        travail.ligneJournal = LigneJournalMouvements(mouvements_);
        break;
    case Depots:
        travail.titre = kTitreDepots;
        travail.statut = "Impression dépôts bancaires (%d/%d)...";
        travail.ligneJournal = LigneJournalDepots(depots_);
        break;
    }
    travail.dessin = [this](TCanevas& c) { Dessiner(c, true); };
    static const char* const kNoms[] = {"bilan", "mouvements", "depots"};
    Imprimer(std::move(travail), kNoms[genre_]);
}

} // namespace tramonta
