// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fichier/exports_tableur.h"

#include "core/fichier.h"
#include "core/messages.h"
#include "core/partage.h"
#include "core/texte.h"
#include "model/exercice.h"
#include "model/export_tableur.h"
#include "model/requete.h"
#include "model/textes_journal.h"
#include "platform/choix_fichier.h"
#include "ui/communs/agenda.h"
#include "ui/communs/boutons_dialogue.h"
#include "ui/communs/controles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <sstream>

namespace tramonta {

namespace {

const QString kFiltreCsv = QStringLiteral("Fichier CSV (*.csv)");

// A title may hold what a file name cannot.
QString NomDeFichier(QString nom) {
    for (const QChar c : {QChar('/'), QChar('\\'), QChar(':'), QChar('*'), QChar('?'), QChar('"'), QChar('<'),
                          QChar('>'), QChar('|')})
        nom.replace(c, '-');
    return nom.trimmed();
}

} // namespace

TFicheExportAdherents::TFicheExportAdherents(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheExportAdherents");
    setWindowTitle("Exporter les adhérents");
    CheckAffiches =
        Nomme(new QCheckBox("Seulement les adhérents affichés (recherche en cours)", this), "CheckAffiches");
    CheckCriteres =
        Nomme(new QCheckBox("Seulement les adhérents qui répondent aux critères de la requête", this),
              "CheckCriteres");
    LabelCriteres = Nomme(new QLabel(this), "LabelCriteres");
    LabelCriteres->setIndent(24);
    LabelCriteres->setWordWrap(true);
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(CheckAffiches);
    tout->addWidget(CheckCriteres);
    tout->addWidget(LabelCriteres);
    tout->addStretch();
    tout->addLayout(BoutonsOkAnnuler(this));
}

bool TFicheExportAdherents::Executer(const std::string& criteres) {
    CheckAffiches->setChecked(false);
    CheckCriteres->setChecked(false);
    CheckCriteres->setEnabled(!criteres.empty());
    LabelCriteres->setText(criteres.empty()
                               ? QStringLiteral("(aucun critère : bouton « Requête » de la base de données)")
                               : "(" + Q(criteres) + ")");
    LabelCriteres->setEnabled(!criteres.empty());
    CheckAffiches->setFocus();
    return exec() == QDialog::Accepted;
}

bool TFicheExportAdherents::SeulementAffiches() const {
    return CheckAffiches->isChecked();
}

bool TFicheExportAdherents::SeulementCriteres() const {
    return CheckCriteres->isEnabled() && CheckCriteres->isChecked();
}

TFicheExportParticipants::TFicheExportParticipants(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheExportParticipants");
    setWindowTitle("Exporter les participants");
    ComboBoxCompetition = Nomme(new QComboBox(this), "ComboBoxCompetition");
    ComboBoxCompetition->setMinimumContentsLength(30);
    auto* libelle = new QLabel("&Compétition :", this);
    libelle->setBuddy(ComboBoxCompetition);
    auto* formulaire = new QFormLayout;
    formulaire->addRow(libelle, ComboBoxCompetition);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(formulaire);
    tout->addLayout(BoutonsOkAnnuler(this));
}

std::optional<int> TFicheExportParticipants::Executer(const std::vector<std::string>& intitules) {
    ComboBoxCompetition->clear();
    for (const auto& t : intitules)
        ComboBoxCompetition->addItem(Q(t));
    ComboBoxCompetition->setCurrentIndex(intitules.empty() ? -1 : 0);
    ComboBoxCompetition->setFocus();
    if (exec() != QDialog::Accepted || ComboBoxCompetition->currentIndex() < 0)
        return std::nullopt;
    return ComboBoxCompetition->currentIndex();
}

TExportsTableur::TExportsTableur(QWidget& fenetre, TSourcesExports sources)
    : QObject(&fenetre), fenetre_(fenetre), sources_(std::move(sources)) {
    ficheAdherents_ = new TFicheExportAdherents(&fenetre);
    ficheParticipants_ = new TFicheExportParticipants(&fenetre);
}

void TExportsTableur::CreerMenu(QMenu& fichier) {
    QMenu* exporter = fichier.addMenu("&Exporter");
    exporter->setObjectName("MenuExporter");
    auto action = [&](const char* nom, const char* texte, void (TExportsTableur::*commande)()) {
        QAction* a = exporter->addAction(texte);
        a->setObjectName(nom);
        connect(a, &QAction::triggered, this, commande);
        return a;
    };
    action("MenuExporterAdherents", "&Adhérents (CSV)...", &TExportsTableur::MenuExporterAdherentsClick);
    action("MenuExporterCorrespondants", "&Correspondants (CSV)...",
           &TExportsTableur::MenuExporterCorrespondantsClick);
    action("MenuExporterEcritures", "&Ecritures (CSV)...", &TExportsTableur::MenuExporterEcrituresClick);
    actionParticipants_ = action("MenuExporterParticipants", "&Participants d'une compétition (CSV)...",
                                 &TExportsTableur::MenuExporterParticipantsClick);
    connect(exporter, &QMenu::aboutToShow, this,
            [this] { actionParticipants_->setEnabled(sources_.exercice().Compets().Count() > 0); });
}

std::optional<QString> TExportsTableur::DemanderFichier(const QString& titre, const QString& nom) const {
    DemandeFichier d;
    d.sens = DemandeFichier::Sens::Enregistrer;
    d.titre = titre;
    d.filtre = kFiltreCsv;
    d.suffixe = "csv";
    // Beside the season's file, where the officer looks for it first.
    const QString document = sources_.fichierCourant();
    d.initial = document.isEmpty() ? nom : QFileInfo(document).dir().filePath(nom);
    return ChoisirFichier(&fenetre_, d);
}

bool TExportsTableur::Ecrire(const QString& chemin, const std::string& octets) const {
    const std::string cible = chemin.toStdString();
    std::string erreur = Formater("Impossible d'écrire le fichier \"%s\" !", {cible});
    // The season's own file chosen by mistake would be lost under a CSV.
    const QString document = sources_.fichierCourant();
    if (!document.isEmpty() && MemeFichier(cible, document.toStdString())) {
        erreur += "\nC'est le fichier de l'exercice lui-même : choisissez un autre nom.";
    } else {
        TEcriture ecriture;
        if (EcrireFichierOctets(cible, octets, &ecriture))
            return true;
        if (!ecriture.refus.empty())
            erreur += '\n' + ecriture.refus;
    }
    MessageBoxTexte(erreur, "Erreur", MB_OK | MB_ICONERROR);
    return false;
}

void TExportsTableur::MenuExporterAdherentsClick() {
    sources_.validerSaisie();
    TExercice& exercice = sources_.exercice();
    const TCriteresRequete& criteres = sources_.criteres();
    const bool avecCriteres = criteres.TypeRequete != TCriteresRequete::ReqTous;
    if (!ficheAdherents_->Executer(avecCriteres ? DecrireCriteres(criteres) : std::string()))
        return;
    const auto chemin = DemanderFichier("Export des adhérents", "Adhérents.csv");
    if (!chemin)
        return;
    // Taken once the file is chosen, since the file dialog lets events
    // through: the list's order when the user asks for what it shows, the
    // season's order otherwise, as the command-line export gives it.
    std::vector<const TAdherent*> adherents;
    if (ficheAdherents_->SeulementAffiches())
        adherents = sources_.adherentsAffiches();
    else
        adherents = TousLesAdherents(exercice.Adherents());
    if (ficheAdherents_->SeulementCriteres())
        std::erase_if(adherents, [&](const TAdherent* a) { return !a->Correspond(criteres); });
    std::ostringstream csv;
    ExporterAdherents(adherents, csv);
    if (!Ecrire(*chemin, csv.str()))
        return;
    AjouterLigneAgenda(TexteJournalExportAdherents(chemin->toStdString(), adherents.size()));
}

void TExportsTableur::MenuExporterCorrespondantsClick() {
    sources_.validerSaisie();
    const auto chemin = DemanderFichier("Export des correspondants", "Correspondants.csv");
    if (!chemin)
        return;
    const auto correspondants = TousLesCorrespondants(sources_.exercice().Correspondants());
    std::ostringstream csv;
    ExporterCorrespondants(correspondants, csv);
    if (!Ecrire(*chemin, csv.str()))
        return;
    AjouterLigneAgenda(TexteJournalExportCorrespondants(chemin->toStdString(), correspondants.size()));
}

void TExportsTableur::MenuExporterEcrituresClick() {
    sources_.validerSaisie();
    const auto chemin = DemanderFichier("Export des écritures", "Ecritures.csv");
    if (!chemin)
        return;
    const TComptabilite& compta = sources_.exercice().Comptabilite();
    std::size_t n = 0;
    for (int i = 0; i < compta.NbComptesCharges(); ++i)
        n += static_cast<std::size_t>(compta.GetCompteCharge(i)->NbLignes());
    for (int i = 0; i < compta.NbComptesProduits(); ++i)
        n += static_cast<std::size_t>(compta.GetCompteProduit(i)->NbLignes());
    std::ostringstream csv;
    ExporterEcritures(compta, csv);
    if (!Ecrire(*chemin, csv.str()))
        return;
    AjouterLigneAgenda(TexteJournalExportEcritures(chemin->toStdString(), n));
}

void TExportsTableur::MenuExporterParticipantsClick() {
    sources_.validerSaisie();
    const TCompets& compets = sources_.exercice().Compets();
    if (compets.Count() == 0) {
        MessageBoxTexte("Aucune compétition dans l'exercice !", "Informations", MB_OK | MB_ICONINFORMATION);
        return;
    }
    std::vector<std::string> intitules;
    for (int i = 0; i < compets.Count(); ++i)
        intitules.push_back(compets.Compet(i)->Intitule());
    const auto choix = ficheParticipants_->Executer(intitules);
    if (!choix)
        return;
    const TCompet* compet = compets.Compet(*choix);
    if (!compet)
        return;
    const auto chemin = DemanderFichier("Export des participants",
                                        NomDeFichier("Participants " + Q(compet->Intitule())) + ".csv");
    if (!chemin)
        return;
    // The file dialog lets events through: the competition is looked up again.
    compet = compets.Compet(*choix);
    if (!compet)
        return;
    std::size_t n = 0;
    for (int c = 0; c < kNbCategoriesCompet; ++c)
        n += static_cast<std::size_t>(compet->Categorie(c)->Count());
    std::ostringstream csv;
    ExporterParticipants(*compet, csv);
    if (!Ecrire(*chemin, csv.str()))
        return;
    AjouterLigneAgenda(TexteJournalExportParticipants(*compet, chemin->toStdString(), n));
}

} // namespace tramonta
