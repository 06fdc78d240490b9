// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bdd/fiche_choix_champs.h"
#include "ui/communs/boutons_dialogue.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tramonta {

namespace {

struct Champ {
    const char* nom;
    const char* libelle;
};

// In the order of ChampsListe.
constexpr std::array<Champ, 16> kChamps = {{{"CheckBoxSexe", "Sexe"},
                                            {"CheckBoxDateNaissance", "Date de naissance"},
                                            {"CheckBoxLieuNaissance", "Lieu de naissance"},
                                            {"CheckBoxVille", "Ville"},
                                            {"CheckBoxTel1", "Téléphone 1"},
                                            {"CheckBoxTel2", "Téléphone 2"},
                                            {"CheckBoxNumeroLicence", "Numéro de licence"},
                                            {"CheckBoxDateDelivrance", "Date de délivrance"},
                                            {"CheckBoxCertificatMedical", "Certificat médical"},
                                            {"CheckBoxLicenceCompet", "Licence compétition"},
                                            {"CheckBoxClassement", "Classement compétition"},
                                            {"CheckBoxLicenceDirigeant", "Licence dirigeant"},
                                            {"CheckBoxMontantLicence", "Montant licence"},
                                            {"CheckBoxCautionCombinaison", "Caution combinaison"},
                                            {"CheckBoxLocationCombinaison", "Location combinaison"},
                                            {"CheckBoxForfaitLecon", "Forfait leçon"}}};

QLabel* Titre(const QString& texte, QWidget* parent) {
    auto* titre = new QLabel(texte, parent);
    QFont police = titre->font();
    police.setBold(true);
    titre->setFont(police);
    return titre;
}

} // namespace

TFicheChoixChamps::TFicheChoixChamps(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheChoixChamps");
    setWindowTitle("Champs à visualiser");

    // The names always come first: shown, never a choice.
    auto* nom = new QCheckBox("Nom", this);
    nom->setObjectName("CheckBoxNom");
    auto* prenom = new QCheckBox("Prénom", this);
    prenom->setObjectName("CheckBoxPrenom");
    for (QCheckBox* c : {nom, prenom}) {
        c->setChecked(true);
        c->setEnabled(false);
    }
    for (std::size_t i = 0; i < kChamps.size(); ++i) {
        CheckBoxes[i] = new QCheckBox(QString::fromUtf8(kChamps[i].libelle), this);
        CheckBoxes[i]->setObjectName(kChamps[i].nom);
    }

    // Three columns as on the member sheet: civil status, federation, club.
    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(24);
    auto colonne = [&](int x, const QString& titre, std::vector<QCheckBox*> cases) {
        grille->addWidget(Titre(titre, this), 0, x);
        int y = 1;
        for (QCheckBox* c : cases)
            grille->addWidget(c, y++, x);
    };
    const auto& c = CheckBoxes;
    colonne(0, "Etat Civil", {nom, prenom, c[0], c[1], c[2], c[3], c[4], c[5]});
    colonne(1, "FFS", {c[6], c[7], c[8], c[9], c[10], c[11], c[12]});
    colonne(2, "Club", {c[13], c[14], c[15]});
    grille->setRowStretch(9, 1);

    auto* tout = new QVBoxLayout(this);
    tout->addLayout(grille);
    tout->addSpacing(8);
    tout->addLayout(BoutonsOkAnnuler(this));
    setFixedSize(sizeHint());
}

std::optional<ChampsListe> TFicheChoixChamps::Choisir(const ChampsListe& actuels) {
    for (std::size_t i = 0; i < CheckBoxes.size(); ++i)
        CheckBoxes[i]->setChecked(actuels[i]);
    CheckBoxes[0]->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    ChampsListe choix{};
    for (std::size_t i = 0; i < CheckBoxes.size(); ++i)
        choix[i] = CheckBoxes[i]->isChecked();
    return choix;
}

} // namespace tramonta
