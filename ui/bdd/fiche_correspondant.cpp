// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bdd/fiche_correspondant.h"
#include "ui/communs/controles.h"

#include "core/messages.h"
#include "core/texte.h"
#include "model/exercice.h"
#include "platform/bureau.h"
#include "ui/bdd/boutons_fiche.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace tramonta {

namespace {

// An address button beside its field, named by its hint.
QPushButton* BoutonAdresse(QWidget* parent, const char* nom, const char* bulle) {
    auto* b = Nomme(new QPushButton("...", parent), nom);
    b->setToolTip(bulle);
    b->setAccessibleName(bulle);
    b->setFixedWidth(b->fontMetrics().horizontalAdvance("....") + 16);
    return b;
}

QHBoxLayout* Ligne(QWidget* a, QWidget* b) {
    auto* l = new QHBoxLayout;
    l->addWidget(a);
    l->addWidget(b);
    return l;
}

} // namespace

QString TFicheCorrespondant::AdresseMail(const QString& saisie) {
    const QString t = saisie.trimmed();
    return t.startsWith("mailto:", Qt::CaseInsensitive) ? t : "mailto:" + t;
}

QString TFicheCorrespondant::AdresseWeb(const QString& saisie) {
    const QString t = saisie.trimmed();
    static const QRegularExpression schema(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    return schema.match(t).hasMatch() ? t : "http://" + t;
}

TFicheCorrespondant::TFicheCorrespondant(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheCorrespondant");
    setWindowTitle("Fiche correspondant");

    PageControl = Nomme(new QTabWidget(this), "PageControl");
    auto* general = new QWidget(PageControl);
    EditNom = Nomme(new QLineEdit(general), "EditNom");
    EditAdresse = Nomme(new QPlainTextEdit(general), "EditAdresse");
    EditAdresse->setTabChangesFocus(true);
    EditAdresse->setMaximumHeight(EditAdresse->fontMetrics().lineSpacing() * 4 + 12);
    EditCodePostal = EditMasque(general, "EditCodePostal", kMasqueCodePostal);
    EditVille = Nomme(new QLineEdit(general), "EditVille");
    EditTel1 = EditMasque(general, "EditTel1", kMasqueTelephone);
    EditTel2 = EditMasque(general, "EditTel2", kMasqueTelephone);
    EditFax = EditMasque(general, "EditFax", kMasqueTelephone);
    const int largeurMasque = EditTel1->fontMetrics().horizontalAdvance("00-00-00-00-00") + 20;
    for (QLineEdit* e : {EditCodePostal, EditTel1, EditTel2, EditFax})
        e->setMaximumWidth(largeurMasque);
    EditEMail = Nomme(new QLineEdit(general), "EditEMail");
    BoutonEnvoyerEMail =
        BoutonAdresse(general, "BoutonEnvoyerEMail", "Envoie un mail à l'adresse ci-contre...");
    EditSiteWeb = Nomme(new QLineEdit(general), "EditSiteWeb");
    BoutonOuvrirSiteWeb = BoutonAdresse(general, "BoutonOuvrirSiteWeb", "Ouvre le site Web ci-contre...");
    ComboBoxSpecialite = Nomme(new QComboBox(general), "ComboBoxSpecialite");
    ComboBoxSpecialite->setEditable(false);
    ComboBoxSpecialite->setMinimumContentsLength(20);
    ComboBoxSpecialite->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* f = new QFormLayout(general);
    f->addRow("Nom :", EditNom);
    f->addRow("Adresse :", EditAdresse);
    f->addRow("Code postal :", EditCodePostal);
    f->addRow("Ville :", EditVille);
    f->addRow("Tél. 1 :", EditTel1);
    f->addRow("Tél. 2 :", EditTel2);
    f->addRow("Fax. :", EditFax);
    auto* mail = new QLabel("e-mail :", general);
    mail->setBuddy(EditEMail);
    f->addRow(mail, Ligne(EditEMail, BoutonEnvoyerEMail));
    auto* web = new QLabel("Site Web :", general);
    web->setBuddy(EditSiteWeb);
    f->addRow(web, Ligne(EditSiteWeb, BoutonOuvrirSiteWeb));
    f->addRow("Spécialité :", ComboBoxSpecialite);
    PageControl->addTab(general, "Général");

    auto* divers = new QWidget(PageControl);
    EditInformationsComplementaires = Nomme(new QPlainTextEdit(divers), "EditInformationsComplementaires");
    EditInformationsComplementaires->setTabChangesFocus(true);
    auto* libelle = new QLabel("Informations complémentaires :", divers);
    libelle->setBuddy(EditInformationsComplementaires);
    auto* l = new QVBoxLayout(divers);
    l->addWidget(libelle);
    l->addWidget(EditInformationsComplementaires);
    PageControl->addTab(divers, "Divers");

    const BoutonsFiche b =
        PoserBoutonsFiche(this, PageControl, "Imprimer les données du correspondant...", [this] {
            // The preview shows what is typed; the edited record is not touched.
            if (auto copie = ImprimerFiche ? CopieDeLaFiche() : nullptr)
                ImprimerFiche(*copie);
        });
    BoutonOk = b.ok;
    BoutonAnnuler = b.annuler;
    BoutonImprimer = b.imprimer;

    connect(BoutonOk, &QPushButton::clicked, this, &TFicheCorrespondant::BoutonOkClick);
    connect(BoutonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(BoutonEnvoyerEMail, &QPushButton::clicked, this, &TFicheCorrespondant::BoutonEnvoyerEMailClick);
    connect(BoutonOuvrirSiteWeb, &QPushButton::clicked, this, &TFicheCorrespondant::BoutonOuvrirSiteWebClick);
    for (QLineEdit* e : {EditNom, EditEMail, EditSiteWeb})
        connect(e, &QLineEdit::textChanged, this, &TFicheCorrespondant::MajEtats);
}

int TFicheCorrespondant::Editer(TCorrespondant& correspondant) {
    correspondant_ = &correspondant;
    Remplir();
    const int r = exec();
    correspondant_ = nullptr;
    return r;
}

void TFicheCorrespondant::Remplir() {
    const TCorrespondant& c = *correspondant_;
    PageControl->setCurrentIndex(0);
    ComboBoxSpecialite->clear();
    int choisie = -1;
    if (const TExercice* e = c.Proprietaire() ? c.Proprietaire()->Exercice() : nullptr)
        for (int i = 0; i < e->NbSpecialites(); ++i) {
            ComboBoxSpecialite->addItem(Q(e->GetSpecialite(i)));
            if (choisie < 0 && MemeTexteSansCasse(e->GetSpecialite(i), c.Specialite()))
                choisie = i;
        }
    // A speciality deleted since shows as none.
    ComboBoxSpecialite->setCurrentIndex(choisie);
    EditNom->setText(Q(c.Nom()));
    EditAdresse->setPlainText(VersAffichage(c.Adresse()));
    EditCodePostal->setText(c.CodePostal() == 0 ? QString() : QString::number(c.CodePostal()));
    EditVille->setText(Q(c.Ville()));
    EditTel1->setText(Q(c.Tel1()));
    EditTel2->setText(Q(c.Tel2()));
    EditFax->setText(Q(c.Fax()));
    EditEMail->setText(Q(c.EMail()));
    EditSiteWeb->setText(Q(c.SiteWeb()));
    EditInformationsComplementaires->setPlainText(VersAffichage(c.InformationsComplementaires()));
    MajEtats();
    BoutonImprimer->setEnabled(static_cast<bool>(ImprimerFiche));
    EditNom->setFocus();
}

void TFicheCorrespondant::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    PageControl->setCurrentIndex(0);
    EditNom->setFocus();
}

void TFicheCorrespondant::MajEtats() {
    BoutonOk->setEnabled(!EditNom->text().isEmpty());
    // An address button has nothing to open while its field is empty.
    BoutonEnvoyerEMail->setEnabled(!EditEMail->text().trimmed().isEmpty());
    BoutonOuvrirSiteWeb->setEnabled(!EditSiteWeb->text().trimmed().isEmpty());
}

void TFicheCorrespondant::Stocker(TCorrespondant& c) const {
    c.SetNom(S(EditNom->text()));
    c.SetAdresse(VersDocument(EditAdresse->toPlainText()));
    if (EditCodePostal->text().isEmpty())
        c.SetCodePostal(0);
    else {
        bool ok = false;
        const int code = EditCodePostal->text().toInt(&ok);
        if (ok)
            c.SetCodePostal(code);
    }
    c.SetVille(S(EditVille->text()));
    c.SetTel1(LireTelephone(EditTel1));
    c.SetTel2(LireTelephone(EditTel2));
    c.SetFax(LireTelephone(EditFax));
    c.SetEMail(S(EditEMail->text()));
    c.SetSiteWeb(S(EditSiteWeb->text()));
    c.SetInformationsComplementaires(VersDocument(EditInformationsComplementaires->toPlainText()));
    c.SetSpecialite(ComboBoxSpecialite->currentIndex() < 0 ? std::string()
                                                           : S(ComboBoxSpecialite->currentText()));
}

void TFicheCorrespondant::BoutonOkClick() {
    if (!ChampsEnregistrables(this))
        return;
    TCorrespondant& c = *correspondant_;
    const std::string nom = S(EditNom->text());
    if (const TCorrespondants* collection = c.Proprietaire();
        collection && collection->ExisteAutreCorrespondant(&c, nom)) {
        SignalerExisteDeja("Le correspondant \"" + nom + "\"");
        PageControl->setCurrentIndex(0);
        EditNom->setFocus();
        return;
    }
    Stocker(c);
    accept();
}

void TFicheCorrespondant::BoutonEnvoyerEMailClick() {
    OuvrirAdresse(QUrl(AdresseMail(EditEMail->text()), QUrl::TolerantMode));
}

void TFicheCorrespondant::BoutonOuvrirSiteWebClick() {
    OuvrirAdresse(QUrl(AdresseWeb(EditSiteWeb->text()), QUrl::TolerantMode));
}

std::unique_ptr<TCorrespondant> TFicheCorrespondant::CopieDeLaFiche() const {
    if (!correspondant_)
        return nullptr;
    auto copie = correspondant_->Clone(correspondant_->Proprietaire());
    Stocker(*copie);
    return copie;
}

} // namespace tramonta
