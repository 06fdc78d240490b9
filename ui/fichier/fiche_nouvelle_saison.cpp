// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fichier/fiche_nouvelle_saison.h"
#include "ui/communs/controles.h"

#include "core/dates.h"
#include "core/monnaie.h"
#include "model/exercice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace tramonta {

namespace {
QLabel* Liste(const char* nom, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(nom);
    l->setWordWrap(true);
    l->setTextFormat(Qt::RichText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setMinimumWidth(l->fontMetrics().averageCharWidth() * 44);
    return l;
}

QString Puces(const QStringList& lignes) {
    QString html = "<ul style=\"-qt-list-indent: 1;\">";
    for (const QString& l : lignes)
        html += "<li style=\"margin-bottom: 4px;\">" + l.toHtmlEscaped() + "</li>";
    return html + "</ul>";
}

QString TexteCompte(const TCompte& compte, const char* genre) {
    return TexteCompte(compte) + QStringLiteral(" (%1)").arg(genre);
}
} // namespace

TFicheNouvelleSaison::TFicheNouvelleSaison(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheNouvelleSaison");
    setWindowTitle("Nouvel exercice à partir de celui-ci");

    EditIntitule = new QLineEdit(this);
    EditIntitule->setObjectName("EditIntitule");
    auto* libelleIntitule = new QLabel("&Intitulé du nouvel exercice :", this);
    libelleIntitule->setBuddy(EditIntitule);
    EditIntitule->setAccessibleName("Intitulé du nouvel exercice");

    auto* repris = new QGroupBox("Repris dans le nouvel exercice ", this);
    repris->setObjectName("GroupeRepris");
    LabelRepris = Liste("LabelRepris", repris);
    (new QVBoxLayout(repris))->addWidget(LabelRepris);
    auto* nonRepris = new QGroupBox("Non repris ", this);
    nonRepris->setObjectName("GroupeNonRepris");
    LabelNonRepris = Liste("LabelNonRepris", nonRepris);
    (new QVBoxLayout(nonRepris))->addWidget(LabelNonRepris);
    auto* colonnes = new QHBoxLayout;
    colonnes->addWidget(repris, 1);
    colonnes->addWidget(nonRepris, 1);

    CheckReport = new QCheckBox(this);
    CheckReport->setObjectName("CheckReport");
    // The amount joins the caption once a season is shown; the box is named
    // from the start.
    CheckReport->setText("&Reporter le résultat de l'exercice");
    CheckReport->setAccessibleName("Reporter le résultat de l'exercice");
    ComboCompteReport = new QComboBox(this);
    ComboCompteReport->setObjectName("ComboCompteReport");
    ComboCompteReport->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboCompteReport->setMinimumContentsLength(28);
    LabelCompteReport = new QLabel("dans le &compte :", this);
    LabelCompteReport->setBuddy(ComboCompteReport);
    ComboCompteReport->setAccessibleName("Compte du report");
    auto* ligneCompte = new QHBoxLayout;
    ligneCompte->addSpacing(20);
    ligneCompte->addWidget(LabelCompteReport);
    ligneCompte->addWidget(ComboCompteReport, 1);

    BoutonOk = Bouton("BoutonOk", "&Ok", this);
    BoutonOk->setDefault(true);
    auto* annuler = Bouton("BoutonAnnuler", "&Annuler", this);
    connect(BoutonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(CheckReport, &QCheckBox::toggled, this, &TFicheNouvelleSaison::CheckReportClick);

    auto* intitule = new QHBoxLayout;
    intitule->addWidget(libelleIntitule);
    intitule->addWidget(EditIntitule, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(BoutonOk);
    boutons->addWidget(annuler);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(intitule);
    tout->addLayout(colonnes);
    tout->addWidget(CheckReport);
    tout->addLayout(ligneCompte);
    tout->addStretch(1);
    tout->addLayout(boutons);
}

int TFicheNouvelleSaison::Executer(const TExercice& exercice) {
    EditIntitule->setText(Q(IntituleSaisonSuivante(exercice.Intitule())));
    EditIntitule->selectAll();

    const TComptabilite& c = exercice.Comptabilite();
    int lignes = 0;
    for (int i = 0; i < c.NbComptesCharges(); ++i)
        lignes += c.GetCompteCharge(i)->NbLignes();
    for (int i = 0; i < c.NbComptesProduits(); ++i)
        lignes += c.GetCompteProduit(i)->NbLignes();
    const int comptes = c.NbComptesCharges() + c.NbComptesProduits();
    LabelRepris->setText(Puces({
        "Les commentaires, les spécialités et la monnaie",
        "Les coordonnées bancaires et les comptes par défaut",
        "La protection par mot de passe",
        QStringLiteral("Les correspondants (%1)").arg(exercice.Correspondants().Count()),
        QStringLiteral("Les adhérents (%1) : état civil, adresse, téléphones, numéro et types de licence, "
                       "classement, notes")
            .arg(exercice.Adherents().Count()),
        QStringLiteral("Les comptes (%1) : numéro, intitulé et infos, sans leurs écritures").arg(comptes),
    }));
    LabelNonRepris->setText(Puces({
        QStringLiteral("Les écritures des comptes (%1)").arg(lignes),
        QStringLiteral("Les compétitions (%1)").arg(exercice.Compets().Count()),
        "L'historique, qui repart de \"Création\"",
        "Pour chaque adhérent : les montants de licence, caution, location et forfait, leur "
        "enregistrement en compta, le certificat médical et la date de délivrance de la licence",
    }));

    // A wrapped label does not tell the layout its height: each column gets
    // the height that its text takes at its narrowest.
    for (QLabel* l : {LabelRepris, LabelNonRepris})
        l->setMinimumHeight(l->heightForWidth(l->minimumWidth()));
    adjustSize();

    const double resultat = ResultatSigne(exercice);
    CheckReport->setText(QStringLiteral("&Reporter le résultat de l'exercice (%1 : %2)")
                             .arg(Q(c.LibelleResultat()), Q(ReelVersTexte(std::fabs(resultat)))));
    CheckReport->setAccessibleName(CheckReport->text().remove('&'));
    ComboCompteReport->clear();
    // Produit accounts first: a carried result is most often booked as income.
    for (int i = 0; i < c.NbComptesProduits(); ++i)
        ComboCompteReport->addItem(TexteCompte(*c.GetCompteProduit(i), "produit"),
                                   Q(c.GetCompteProduit(i)->Article()));
    for (int i = 0; i < c.NbComptesCharges(); ++i)
        ComboCompteReport->addItem(TexteCompte(*c.GetCompteCharge(i), "charge"),
                                   Q(c.GetCompteCharge(i)->Article()));
    ComboCompteReport->setCurrentIndex(comptes > 0 ? 0 : -1);
    CheckReport->setChecked(false);
    CheckReport->setEnabled(comptes > 0);
    CheckReport->setToolTip(comptes > 0 ? QString() : "Aucun compte ne peut recevoir le report");
    CheckReportClick();
    EditIntitule->setFocus();
    return exec();
}

void TFicheNouvelleSaison::CheckReportClick() {
    const bool actif = CheckReport->isChecked();
    LabelCompteReport->setEnabled(actif);
    ComboCompteReport->setEnabled(actif);
}

OptionsNouvelleSaison TFicheNouvelleSaison::Options() const {
    OptionsNouvelleSaison o;
    o.intitule = EditIntitule->text().toStdString();
    o.reporterResultat = CheckReport->isChecked() && ComboCompteReport->currentIndex() >= 0;
    o.articleReport = ComboCompteReport->currentData().toString().toStdString();
    o.dateReport = Aujourdhui();
    return o;
}

} // namespace tramonta
