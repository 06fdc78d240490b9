// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bdd/fiche_adherent.h"
#include "ui/communs/controles.h"

#include "core/dates.h"
#include "core/messages.h"
#include "core/monnaie.h"
#include "core/texte.h"
#include "model/comptabilite.h"
#include "model/enregistrement.h"
#include "ui/bdd/boutons_fiche.h"
#include "ui/bdd/fiche_liste_comptes.h"
#include "ui/communs/edit_monetaire.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tramonta {

namespace {

struct Legendes {
    const char* nonEnregistre;
    const char* enregistre;
};
constexpr std::array<Legendes, 4> kLegendes = {{
    {"Enregistrement de la licence en comptabilité...", "Désenregistrement de la licence en comptabilité..."},
    {"Enr. caution en compta...", "Désenr. caution en compta..."},
    {"Enr. location en compta...", "Désenr. location en compta..."},
    {"Enr. forfait en compta...", "Désenr. forfait en compta..."},
}};
constexpr std::array<const char*, 4> kNomsBoutons = {"BoutonEnrComptaLicence", "BoutonEnrComptaCautionCombi",
                                                     "BoutonEnrComptaLocationCombi",
                                                     "BoutonEnrComptaForfaitLecon"};

QPlainTextEdit* Memo(QWidget* parent, const char* nom) {
    auto* e = Nomme(new QPlainTextEdit(parent), nom);
    e->setTabChangesFocus(true);
    return e;
}

void ErreurConversion(const QString& texte, const char* genre) {
    MessageBoxTexte(Formater("'%s' n'est pas une valeur %s correcte.", {S(texte), genre}), "Tramonta",
                    MB_OK | MB_ICONERROR);
}

// The tab that holds `w`, brought to the front, and `w` focused.
void Montrer(QTabWidget* onglets, QWidget* w) {
    for (int i = 0; i < onglets->count(); ++i)
        if (onglets->widget(i)->isAncestorOf(w))
            onglets->setCurrentIndex(i);
    w->setFocus();
}

} // namespace

TFicheAdherent::TFicheAdherent(TFicheListeComptes& listeComptes, QWidget* parent)
    : QDialog(parent), listeComptes_(listeComptes) {
    setObjectName("FicheAdherent");
    setWindowTitle("Fiche adhérent");

    PageControl = Nomme(new QTabWidget(this), "PageControl");
    PageControl->addTab(CreerOngletEtatCivil(), "Etat civil");
    PageControl->addTab(CreerOngletFFS(), "F.F.S.");
    PageControl->addTab(CreerOngletClub(), "Club");
    PageControl->addTab(CreerOngletDivers(), "Divers");

    const BoutonsFiche b =
        PoserBoutonsFiche(this, PageControl, "Imprimer les données de l'adhérent...", [this] {
            // The preview shows what is typed; the edited member is not touched.
            if (auto copie = ImprimerFiche ? CopieDeLaFiche() : nullptr)
                ImprimerFiche(*copie);
        });
    BoutonOk = b.ok;
    BoutonAnnuler = b.annuler;
    BoutonImprimer = b.imprimer;
    connect(BoutonOk, &QPushButton::clicked, this, &TFicheAdherent::BoutonOkClick);
    connect(BoutonAnnuler, &QPushButton::clicked, this, &TFicheAdherent::reject);

    connect(EditNom, &QLineEdit::textChanged, this, &TFicheAdherent::MajEtats);
    connect(EditPrenom, &QLineEdit::textChanged, this, &TFicheAdherent::MajEtats);
    connect(EditSexe, &QLineEdit::textChanged, this, &TFicheAdherent::EditSexeChange);
    connect(EditDateNaissance, &QLineEdit::textChanged, this, &TFicheAdherent::MajCategorie);
    connect(CheckLicenceCompet, &QCheckBox::toggled, this, &TFicheAdherent::MajEtats);
    for (const auto genre : kEnregistrements)
        MajLegende(genre);
    for (std::size_t i = 0; i < kEnregistrements.size(); ++i)
        connect(boutonsCompta_[i], &QPushButton::clicked, this,
                [this, i] { BoutonEnrComptaClick(kEnregistrements[i]); });
    for (QWidget* w : {static_cast<QWidget*>(EditNom), static_cast<QWidget*>(EditPrenom),
                       static_cast<QWidget*>(EditClassement)})
        w->installEventFilter(this);
}

QWidget* TFicheAdherent::CreerOngletEtatCivil() {
    auto* onglet = new QWidget(this);
    EditNom = Nomme(new QLineEdit(onglet), "EditNom");
    EditPrenom = Nomme(new QLineEdit(onglet), "EditPrenom");
    EditSexe = Nomme(new QLineEdit(onglet), "EditSexe");
    EditSexe->setMaximumWidth(EditSexe->fontMetrics().horizontalAdvance("MMM") + 12);
    EditDateNaissance = EditMasque(onglet, "EditDateNaissance", kMasqueDate);
    EditCategorie = Nomme(new QLineEdit(onglet), "EditCategorie");
    EditCategorie->setReadOnly(true);
    EditCategorie->setFocusPolicy(Qt::NoFocus);
    QFont gras = EditCategorie->font();
    gras.setBold(true);
    EditCategorie->setFont(gras);
    EditLieuNaissance = Nomme(new QLineEdit(onglet), "EditLieuNaissance");
    EditAdresse = Memo(onglet, "EditAdresse");
    EditAdresse->setMaximumHeight(EditAdresse->fontMetrics().lineSpacing() * 4 + 12);
    EditCodePostal = EditMasque(onglet, "EditCodePostal", kMasqueCodePostal);
    EditVille = Nomme(new QLineEdit(onglet), "EditVille");
    EditTel1 = EditMasque(onglet, "EditTel1", kMasqueTelephone);
    EditTel2 = EditMasque(onglet, "EditTel2", kMasqueTelephone);
    const int largeurMasque = EditTel1->fontMetrics().horizontalAdvance("00-00-00-00-00") + 20;
    for (QLineEdit* e : {EditDateNaissance, EditCodePostal, EditTel1, EditTel2})
        e->setMaximumWidth(largeurMasque);

    auto* f = new QFormLayout(onglet);
    f->addRow("Nom :", EditNom);
    f->addRow("Prénom :", EditPrenom);
    f->addRow("Sexe :", EditSexe);
    f->addRow("Date de naissance :", EditDateNaissance);
    f->addRow("Categorie :", EditCategorie);
    f->addRow("Lieu de naissance :", EditLieuNaissance);
    f->addRow("Adresse :", EditAdresse);
    f->addRow("Code postal :", EditCodePostal);
    f->addRow("Ville :", EditVille);
    f->addRow("Tél. 1 :", EditTel1);
    f->addRow("Tél. 2 :", EditTel2);
    EditCategorie->setAccessibleName("Categorie");
    return onglet;
}

QWidget* TFicheAdherent::CreerOngletFFS() {
    auto* onglet = new QWidget(this);
    EditNumeroLicence = Nomme(new QLineEdit(onglet), "EditNumeroLicence");
    EditDateDelivrance = EditMasque(onglet, "EditDateDelivrance", kMasqueDate);
    EditDateDelivrance->setMaximumWidth(EditDateDelivrance->fontMetrics().horizontalAdvance("00/00/0000") +
                                        20);
    CheckCertificatMedical = Nomme(new QCheckBox("Certificat médical", onglet), "CheckCertificatMedical");
    CheckLicenceCompet = Nomme(new QCheckBox("Licence compétition", onglet), "CheckLicenceCompet");
    EditClassement = Nomme(new QLineEdit(onglet), "EditClassement");
    // Only what may make an integer can be typed; what still is not one
    // ("-" alone, too many digits) is caught when the field is left.
    EditClassement->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), EditClassement));
    LabelClassement = Nomme(new QLabel("Classement :", onglet), "LabelClassement");
    LabelClassement->setBuddy(EditClassement);
    CheckLicenceDirigeant = Nomme(new QCheckBox("Licence dirigeant", onglet), "CheckLicenceDirigeant");
    EditMontantLicence = Nomme(new TEditMonetaire(onglet), "EditMontantLicence");

    auto* f = new QFormLayout(onglet);
    f->addRow("N° licence :", EditNumeroLicence);
    f->addRow("Date de délivrance :", EditDateDelivrance);
    f->addRow(QString(), CheckCertificatMedical);
    f->addRow(QString(), CheckLicenceCompet);
    f->addRow(LabelClassement, EditClassement);
    f->addRow(QString(), CheckLicenceDirigeant);
    auto* libelle = new QLabel("Montant licence :", onglet);
    libelle->setBuddy(EditMontantLicence);
    auto* bouton = Nomme(new QPushButton(onglet), kNomsBoutons[0]);
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(EditMontantLicence);
    ligne->addWidget(bouton);
    f->addRow(libelle, ligne);
    boutonsCompta_[0] = bouton;
    editsMontant_[0] = EditMontantLicence;
    return onglet;
}

QWidget* TFicheAdherent::CreerOngletClub() {
    auto* onglet = new QWidget(this);
    EditCautionCombinaison = Nomme(new TEditMonetaire(onglet), "EditCautionCombinaison");
    EditLocationCombinaison = Nomme(new TEditMonetaire(onglet), "EditLocationCombinaison");
    EditForfaitLecon = Nomme(new TEditMonetaire(onglet), "EditForfaitLecon");
    EditComplement = Memo(onglet, "EditComplement");
    auto* f = new QFormLayout(onglet);
    const std::array<std::pair<const char*, TEditMonetaire*>, 3> sommes = {{
        {"Caution combinaison :", EditCautionCombinaison},
        {"Location combinaison :", EditLocationCombinaison},
        {"Forfait leçons :", EditForfaitLecon},
    }};
    for (std::size_t i = 0; i < sommes.size(); ++i) {
        auto* libelle = new QLabel(sommes[i].first, onglet);
        libelle->setBuddy(sommes[i].second);
        auto* bouton = Nomme(new QPushButton(onglet), kNomsBoutons[i + 1]);
        auto* ligne = new QHBoxLayout;
        ligne->addWidget(sommes[i].second);
        ligne->addWidget(bouton);
        f->addRow(libelle, ligne);
        boutonsCompta_[i + 1] = bouton;
        editsMontant_[i + 1] = sommes[i].second;
    }
    f->addRow("Autre :", EditComplement);
    return onglet;
}

QWidget* TFicheAdherent::CreerOngletDivers() {
    auto* onglet = new QWidget(this);
    EditInformationsComplementaires = Memo(onglet, "EditInformationsComplementaires");
    auto* libelle = new QLabel("Informations complémentaires :", onglet);
    libelle->setBuddy(EditInformationsComplementaires);
    auto* l = new QVBoxLayout(onglet);
    l->addWidget(libelle);
    l->addWidget(EditInformationsComplementaires);
    return onglet;
}

int TFicheAdherent::Editer(TAdherent& adherent, bool nouveau) {
    adherent_ = &adherent;
    nouveau_ = nouveau;
    Remplir();
    const int r = exec();
    adherent_ = nullptr;
    return r;
}

void TFicheAdherent::Remplir() {
    const TAdherent& a = *adherent_;
    PageControl->setCurrentIndex(0);
    EditNom->setText(Q(a.Nom()));
    EditPrenom->setText(Q(a.Prenom()));
    EditSexe->setText(Q(a.Sexe()));
    AfficherDate(EditDateNaissance, a.DateNaissance());
    EditLieuNaissance->setText(Q(a.LieuNaissance()));
    EditAdresse->setPlainText(VersAffichage(a.Adresse()));
    EditCodePostal->setText(a.CodePostal() == 0 ? QString() : QString::number(a.CodePostal()));
    EditVille->setText(Q(a.Ville()));
    EditTel1->setText(Q(a.Tel1()));
    EditTel2->setText(Q(a.Tel2()));
    EditNumeroLicence->setText(Q(a.NumeroLicence()));
    AfficherDate(EditDateDelivrance, a.DateDelivrance());
    CheckCertificatMedical->setChecked(a.CertificatMedical());
    CheckLicenceCompet->setChecked(a.LicenceCompet());
    EditClassement->setText(a.Classement() == 0 ? QString() : QString::number(a.Classement()));
    CheckLicenceDirigeant->setChecked(a.LicenceDirigeant());
    for (std::size_t i = 0; i < kEnregistrements.size(); ++i) {
        editsMontant_[i]->setText(Q(ReelVersTexte(a.Montant(kEnregistrements[i]))));
        MajLegende(kEnregistrements[i]);
    }
    EditComplement->setPlainText(VersAffichage(a.Complement()));
    EditInformationsComplementaires->setPlainText(VersAffichage(a.InformationsComplementaires()));
    MajEtats();
    MajCategorie();
    BoutonImprimer->setEnabled(static_cast<bool>(ImprimerFiche));
    EditNom->setFocus();
}

void TFicheAdherent::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    PageControl->setCurrentIndex(0);
    EditNom->setFocus();
}

void TFicheAdherent::MajEtats() {
    const bool nom = !EditNom->text().isEmpty();
    BoutonOk->setEnabled(nom);
    for (QPushButton* b : boutonsCompta_)
        b->setEnabled(nom && !EditPrenom->text().isEmpty());
    LabelClassement->setEnabled(CheckLicenceCompet->isChecked());
    EditClassement->setEnabled(CheckLicenceCompet->isChecked());
}

void TFicheAdherent::MajCategorie() {
    const TDateTime date = LireDate(EditDateNaissance);
    EditCategorie->setText(date == 0 ? QString() : Q(CalculerCategorie(S(EditSexe->text()), date)));
}

void TFicheAdherent::MajLegende(Enregistrement genre) {
    const auto i = static_cast<std::size_t>(genre);
    const bool enCompta = adherent_ && adherent_->EnCompta(genre);
    boutonsCompta_[i]->setText(enCompta ? kLegendes[i].enregistre : kLegendes[i].nonEnregistre);
}

void TFicheAdherent::EditSexeChange() {
    // Typed letters turn to capitals; anything but "M" or "F" goes.
    const QString t = EditSexe->text().toUpper();
    const QString garde = t == "M" || t == "F" ? t : QString();
    if (garde != EditSexe->text()) {
        EditSexe->setText(garde);
        return; // the change of text comes back here
    }
    MajCategorie();
}

void TFicheAdherent::StockerNomsNouveau() {
    // A new member carries its names from the moment they are typed, so that
    // a posting made before "&Ok" is labelled with them.
    if (!adherent_ || !nouveau_)
        return;
    if (adherent_->Nom().empty())
        adherent_->SetNom(S(EditNom->text()));
    if (adherent_->Prenom().empty())
        adherent_->SetPrenom(S(EditPrenom->text()));
}

bool TFicheAdherent::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == QEvent::FocusOut && adherent_) {
        const auto raison = static_cast<QFocusEvent*>(e)->reason();
        // Another window taking the focus is not the user leaving the field.
        if (raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason) {
            if (objet == EditNom || objet == EditPrenom)
                StockerNomsNouveau();
            else if (objet == EditClassement && !BoutonAnnuler->underMouse())
                EditClassementExit();
        }
    }
    return QDialog::eventFilter(objet, e);
}

bool TFicheAdherent::EditClassementExit() {
    const QString t = EditClassement->text();
    bool ok = true;
    if (!t.isEmpty())
        t.toInt(&ok);
    if (ok)
        return true;
    MessageBoxTexte("Le classement doit être une valeur entière !", "Erreur", MB_OK | MB_ICONERROR);
    Montrer(PageControl, EditClassement);
    return false;
}

std::optional<double> TFicheAdherent::LireMontant(TEditMonetaire* edit) const {
    const QString t = edit->text().trimmed();
    // A field left empty is a sum of nothing.
    if (t.isEmpty())
        return 0.0;
    if (const auto v = TexteVersReel(S(t)))
        return v;
    ErreurConversion(t, "flottante");
    Montrer(PageControl, edit);
    return std::nullopt;
}

std::optional<TFicheAdherent::Saisie> TFicheAdherent::Lire() const {
    Saisie s;
    const QString classement = EditClassement->text();
    if (!classement.isEmpty()) {
        bool ok = false;
        s.classement = classement.toInt(&ok);
        if (!ok) {
            ErreurConversion(classement, "entière");
            Montrer(PageControl, EditClassement);
            return std::nullopt;
        }
    }
    for (std::size_t i = 0; i < editsMontant_.size(); ++i) {
        const auto m = LireMontant(editsMontant_[i]);
        if (!m)
            return std::nullopt;
        s.montants[i] = *m;
    }
    // Clearing the field clears the code; with the mask nothing else but
    // digits can be there.
    bool ok = false;
    const int code = EditCodePostal->text().toInt(&ok);
    if (EditCodePostal->text().isEmpty())
        s.codePostal = 0;
    else if (ok)
        s.codePostal = code;
    return s;
}

void TFicheAdherent::Stocker(TAdherent& a, const Saisie& s) const {
    a.SetNom(S(EditNom->text()));
    a.SetPrenom(S(EditPrenom->text()));
    a.SetSexe(S(EditSexe->text()));
    a.SetDateNaissance(LireDate(EditDateNaissance));
    a.SetLieuNaissance(S(EditLieuNaissance->text()));
    a.SetAdresse(VersDocument(EditAdresse->toPlainText()));
    if (s.codePostal)
        a.SetCodePostal(*s.codePostal);
    a.SetVille(S(EditVille->text()));
    a.SetTel1(LireTelephone(EditTel1));
    a.SetTel2(LireTelephone(EditTel2));
    a.SetNumeroLicence(S(EditNumeroLicence->text()));
    a.SetDateDelivrance(LireDate(EditDateDelivrance));
    a.SetCertificatMedical(CheckCertificatMedical->isChecked());
    a.SetLicenceCompet(CheckLicenceCompet->isChecked());
    a.SetClassement(s.classement);
    a.SetLicenceDirigeant(CheckLicenceDirigeant->isChecked());
    a.SetMontantLicence(s.montants[0]);
    a.SetCautionCombinaison(s.montants[1]);
    a.SetLocationCombinaison(s.montants[2]);
    a.SetForfaitLecon(s.montants[3]);
    a.SetComplement(VersDocument(EditComplement->toPlainText()));
    a.SetInformationsComplementaires(VersDocument(EditInformationsComplementaires->toPlainText()));
}

void TFicheAdherent::BoutonOkClick() {
    if (!ChampsEnregistrables(this))
        return;
    TAdherent& a = *adherent_;
    const std::string nom = S(EditNom->text());
    const std::string prenom = S(EditPrenom->text());
    if (const TAdherents* collection = a.Proprietaire();
        collection && collection->ExisteAutreAdherent(&a, nom, prenom)) {
        SignalerExisteDeja("L'adhérent \"" + nom + " " + prenom + "\"");
        Montrer(PageControl, EditNom);
        return;
    }
    // Every value is read before anything changes, so that a refused one
    // leaves the member and its postings as they were.
    const auto saisie = Lire();
    if (!saisie)
        return;
    AccorderEnregistrements(a, {nom, prenom, saisie->montants});
    Stocker(a, *saisie);
    accept();
}

void TFicheAdherent::reject() {
    // A new member is thrown away: what its buttons posted goes with it.
    if (adherent_ && nouveau_)
        adherent_->DesenregistrerTout();
    QDialog::reject();
}

void TFicheAdherent::BoutonEnrComptaClick(Enregistrement genre) {
    if (!adherent_)
        return;
    TAdherent& a = *adherent_;
    StockerNomsNouveau();
    if (a.EnCompta(genre)) {
        a.Desenregistrer(genre);
        MajLegende(genre);
        return;
    }
    // The typed amount must be a number before any line is made.
    const auto affiche = LireMontant(editsMontant_[static_cast<std::size_t>(genre)]);
    if (!affiche)
        return;
    TComptabilite* compta = a.Proprietaire() ? a.Proprietaire()->Comptabilite() : nullptr;
    if (!compta)
        return;
    TCompte* compte = CompteParDefaut(*compta, genre);
    if (!compte)
        compte = listeComptes_.Choisir(*compta);
    if (!compte)
        return;
    TLigneEcriture& ligne = Enregistrer(a, genre, *compte);
    MajLegende(genre);
    if (OuvrirEcritureAutomatique)
        OuvrirEcritureAutomatique(ligne, *affiche);
}

std::unique_ptr<TAdherent> TFicheAdherent::CopieDeLaFiche() const {
    if (!adherent_)
        return nullptr;
    const auto saisie = Lire();
    if (!saisie)
        return nullptr;
    auto copie = adherent_->Clone(adherent_->Proprietaire());
    Stocker(*copie, *saisie);
    return copie;
}

} // namespace tramonta
