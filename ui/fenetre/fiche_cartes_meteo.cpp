// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fenetre/fiche_cartes_meteo.h"

#include "platform/bureau.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tramonta {

namespace {
struct Choix {
    const char* libelle;
    const char* code;
};

constexpr Choix kRegions[TFicheCartesMeteo::kNbRegions] = {
    {"Atlantique nord", "natl"}, {"Atlantique sud", "satl"}, {"Océan indien", "indo"},
    {"Pacifique nord", "npac"},  {"Pacifique sud", "spac"},  {"Globale", "glbl"}};

constexpr Choix kHorizons[TFicheCartesMeteo::kNbHorizons] = {
    {"Maintenant", "000"},        {"à 12 h", "012"},  {"à 24 h (1 jour)", "024"},   {"à 36 h", "036"},
    {"à 48 h (2 jours)", "048"},  {"à 60 h", "060"},  {"à 72 h (3 jours)", "072"},  {"à 84 h", "084"},
    {"à 96 h (4 jours)", "096"},  {"à 108 h", "108"}, {"à 120 h (5 jours)", "120"}, {"à 132 h", "132"},
    {"à 144 h (6 jours)", "144"}, {"Tout", nullptr}};

template <std::size_t N>
QGroupBox* Groupe(const char* nom, const QString& titre, const Choix (&choix)[N], QButtonGroup*& boutons,
                  QWidget* parent) {
    auto* g = new QGroupBox(titre, parent);
    g->setObjectName(nom);
    boutons = new QButtonGroup(g);
    auto* grille = new QGridLayout(g);
    const int lignes = static_cast<int>((N + 1) / 2); // two columns, filled down first
    for (std::size_t i = 0; i < N; ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(choix[i].libelle), g);
        r->setObjectName(QStringLiteral("%1%2").arg(nom).arg(i));
        boutons->addButton(r, static_cast<int>(i));
        grille->addWidget(r, static_cast<int>(i) % lignes, static_cast<int>(i) / lignes);
    }
    boutons->button(0)->setChecked(true);
    return g;
}
} // namespace

TFicheCartesMeteo::TFicheCartesMeteo(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheCartesMeteo");
    setWindowTitle("Cartes météo sur Internet...");
    auto* intro =
        new QLabel("Cette fiche permet de récupérer les cartes météo des vagues sur Internet et les "
                   "afficher  dans votre navigateur par défaut.\n"
                   "Merci au service de prévision des vagues qui met ses cartes à la disposition de "
                   "tous.",
                   this);
    intro->setObjectName("LabelIntro");
    intro->setWordWrap(true);
    auto* situation = Groupe("RadioGroupSituation", "Situation géographique ", kRegions, situation_, this);
    auto* previsions = Groupe("RadioGroupPrevisions", "Prévisions ", kHorizons, previsions_, this);
    auto* recuperer = new QPushButton("Récupérer la carte...", this);
    recuperer->setObjectName("BoutonRecupererCarte");
    recuperer->setAutoDefault(false);
    auto* fermer = new QPushButton("&Fermer", this);
    fermer->setObjectName("BoutonOk");
    fermer->setAutoDefault(false);
    URLLabel = new QLabel(this);
    URLLabel->setObjectName("URLLabel");
    URLLabel->hide();
    connect(recuperer, &QPushButton::clicked, this, &TFicheCartesMeteo::BoutonRecupererCarteClick);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(recuperer);
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(intro);
    tout->addWidget(situation);
    tout->addWidget(previsions);
    tout->addLayout(boutons);
    setMinimumWidth(440);
}

QString TFicheCartesMeteo::AdresseCarte(const QString& serveur, int region, int horizon) {
    if (region < 0 || region >= kNbRegions || horizon < 0 || horizon >= kNbHorizons)
        return {};
    const QString r = QString::fromLatin1(kRegions[region].code);
    QString adresse = serveur + "/wam/";
    if (!kHorizons[horizon].code)
        adresse += "all_" + r + ".html";
    else
        adresse += "gifs/" + r + "_swht_" + QString::fromLatin1(kHorizons[horizon].code) + ".gif";
    return adresse;
}

int TFicheCartesMeteo::Situation() const {
    return situation_->checkedId();
}
int TFicheCartesMeteo::Prevision() const {
    return previsions_->checkedId();
}

void TFicheCartesMeteo::Executer(const std::string& serveur) {
    serveur_ = serveur;
    exec();
}

void TFicheCartesMeteo::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // The choices are kept from one showing to the next.
    situation_->checkedButton()->setFocus();
}

void TFicheCartesMeteo::BoutonRecupererCarteClick() {
    URLLabel->setText(AdresseCarte(QString::fromStdString(serveur_), Situation(), Prevision()));
    OuvrirAdresse(QUrl("http://" + URLLabel->text()));
}

} // namespace tramonta
