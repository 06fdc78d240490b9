// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compet/fiche_compet.h"
#include "ui/communs/boutons_dialogue.h"
#include "ui/communs/commandes_liste.h"
#include "ui/communs/controles.h"

#include "core/dates.h"
#include "core/messages.h"
#include "model/compets.h"
#include "model/modeles_tableau.h"
#include "platform/preferences.h"
#include "ui/compet/fiche_impression_compet.h"
#include "ui/compet/fiche_tableau_compet.h"
#include "ui/modeles/modeles.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tramonta {

namespace {

constexpr const char* kTypeGlisser = "application/x-tramonta-participant";
// How close to the list's top or bottom edge a held item makes it scroll.
constexpr int kBordDefilement = 20;

QAction* Action(const char* nom, const QString& texte, QObject* parent) {
    return Nomme(new QAction(texte, parent), nom);
}

const char* const kNomsRadios[] = {"Radio_0_10",  "Radio_9_12",  "Radio_12_20",
                                   "Radio_18_24", "Radio_24_40", "Radio_64"};

} // namespace

// ---- TFicheParticipant ----------------------------------------------------

TFicheParticipant::TFicheParticipant(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheParticipant");
    setWindowTitle("Participant");
    EditNom = Nomme(new QLineEdit(this), "EditNom");
    EditPrenom = Nomme(new QLineEdit(this), "EditPrenom");
    EditClub = Nomme(new QLineEdit(this), "EditClub");
    EditNom->setMinimumWidth(240);
    auto* formulaire = new QFormLayout;
    formulaire->addRow("&Nom :", EditNom);
    formulaire->addRow("&Prénom :", EditPrenom);
    formulaire->addRow("&Club :", EditClub);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(formulaire);
    tout->addLayout(BoutonsOkAnnuler(this, BoutonOk));
    connect(BoutonOk, &QPushButton::clicked, this, &TFicheParticipant::BoutonOkClick);
    connect(EditNom, &QLineEdit::textChanged, this, &TFicheParticipant::MajOk);
    connect(EditPrenom, &QLineEdit::textChanged, this, &TFicheParticipant::MajOk);
}

TFicheParticipant::~TFicheParticipant() = default;

std::unique_ptr<TParticipantCompet> TFicheParticipant::Editer(const TParticipantCompet& participant) {
    participant_ = &participant;
    resultat_.reset();
    EditNom->setText(Q(participant.Nom()));
    EditPrenom->setText(Q(participant.Prenom()));
    EditClub->setText(Q(participant.Club()));
    MajOk();
    exec();
    participant_ = nullptr;
    return std::move(resultat_);
}

void TFicheParticipant::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    EditNom->setFocus();
    EditNom->selectAll();
}

void TFicheParticipant::MajOk() {
    BoutonOk->setEnabled(!EditNom->text().isEmpty());
}

void TFicheParticipant::BoutonOkClick() {
    if (!ChampsEnregistrables(this))
        return;
    if (!participant_ || EditNom->text().isEmpty())
        return;
    const std::string nom = EditNom->text().toStdString();
    const std::string prenom = EditPrenom->text().toStdString();
    if (const TCategorieCompet* c = participant_->Owner();
        c && c->ExisteAutreParticipant(participant_, nom, prenom)) {
        SignalerExisteDeja("Le participant \"" + nom + " " + prenom + "\"");
        return;
    }
    resultat_ = participant_->Copie(participant_->Owner());
    resultat_->SetNom(nom);
    resultat_->SetPrenom(prenom);
    resultat_->SetClub(EditClub->text().toStdString());
    accept();
}

// ---- TFichePlaceParticipant -----------------------------------------------

TFichePlaceParticipant::TFichePlaceParticipant(QWidget* parent) : QDialog(parent) {
    setObjectName("FichePlaceParticipant");
    setWindowTitle("Place du participant");
    EditPlace = Nomme(new QLineEdit(this), "EditPlace");
    // Digits only; what is pasted obeys the same rule.
    EditPlace->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), EditPlace));
    auto* formulaire = new QFormLayout;
    formulaire->addRow("&Nouvelle place :", EditPlace);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(formulaire);
    tout->addLayout(BoutonsOkAnnuler(this, BoutonOk));
    connect(EditPlace, &QLineEdit::textChanged, this, &TFichePlaceParticipant::MajOk);
    connect(BoutonOk, &QPushButton::clicked, this, [this] {
        if (BoutonOk->isEnabled())
            accept();
    });
    setFixedSize(sizeHint());
}

int TFichePlaceParticipant::Valeur() const {
    bool ok = false;
    const int v = EditPlace->text().toInt(&ok);
    return ok ? v : 0;
}

void TFichePlaceParticipant::MajOk() {
    const int v = Valeur();
    BoutonOk->setEnabled(v >= 1 && v <= maximum_);
}

std::optional<int> TFichePlaceParticipant::Demander(int place, int maximum) {
    maximum_ = maximum;
    EditPlace->setText(QString::number(place));
    MajOk();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Valeur();
}

void TFichePlaceParticipant::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    EditPlace->setFocus();
    EditPlace->selectAll();
}

// ---- TListeParticipants ---------------------------------------------------

TListeParticipants::TListeParticipants(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    setVerticalScrollMode(ScrollPerItem);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    // The list scrolls by its own timer while an item is held near an edge.
    setAutoScroll(false);
    setDropIndicatorShown(true);
    timerDrag_ = Nomme(new QTimer(this), "TimerDrag");
    timerDrag_->setInterval(500);
    connect(timerDrag_, &QTimer::timeout, this, &TListeParticipants::TimerDragTimer);
}

QMimeData* TListeParticipants::DonneesGlisser(int ligne) const {
    auto* d = new QMimeData;
    d->setData(kTypeGlisser,
               QByteArray::number(reinterpret_cast<quintptr>(this)) + ':' + QByteArray::number(ligne));
    return d;
}

int TListeParticipants::LigneGlissee(const QMimeData* donnees) const {
    if (!donnees || !donnees->hasFormat(kTypeGlisser))
        return -1;
    const QList<QByteArray> parties = donnees->data(kTypeGlisser).split(':');
    if (parties.size() != 2 || parties[0] != QByteArray::number(reinterpret_cast<quintptr>(this)))
        return -1;
    bool ok = false;
    const int ligne = parties[1].toInt(&ok);
    return ok && model() && ligne >= 0 && ligne < model()->rowCount() ? ligne : -1;
}

void TListeParticipants::mousePressEvent(QMouseEvent* e) {
    depart_ = e->position().toPoint();
    QTreeView::mousePressEvent(e);
}

void TListeParticipants::mouseMoveEvent(QMouseEvent* e) {
    const QModelIndex index = indexAt(depart_);
    if (!(e->buttons() & Qt::LeftButton) || !index.isValid() ||
        (e->position().toPoint() - depart_).manhattanLength() < QApplication::startDragDistance()) {
        QTreeView::mouseMoveEvent(e);
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(DonneesGlisser(index.row()));
    drag->exec(Qt::MoveAction);
    timerDrag_->stop();
}

void TListeParticipants::dragEnterEvent(QDragEnterEvent* e) {
    if (LigneGlissee(e->mimeData()) < 0) {
        e->ignore();
        return;
    }
    e->setDropAction(Qt::MoveAction);
    e->accept();
}

void TListeParticipants::dragMoveEvent(QDragMoveEvent* e) {
    if (LigneGlissee(e->mimeData()) < 0) {
        e->ignore();
        timerDrag_->stop();
        return;
    }
    e->setDropAction(Qt::MoveAction);
    e->accept();
    const int y = e->position().toPoint().y();
    if (y < kBordDefilement)
        sens_ = -1;
    else if (y > viewport()->height() - kBordDefilement)
        sens_ = 1;
    else
        sens_ = 0;
    if (sens_ == 0)
        timerDrag_->stop();
    else if (!timerDrag_->isActive())
        timerDrag_->start();
}

void TListeParticipants::dragLeaveEvent(QDragLeaveEvent* e) {
    timerDrag_->stop();
    QTreeView::dragLeaveEvent(e);
}

void TListeParticipants::dropEvent(QDropEvent* e) {
    timerDrag_->stop();
    const int de = LigneGlissee(e->mimeData());
    if (de < 0) {
        e->ignore();
        return;
    }
    e->setDropAction(Qt::MoveAction);
    e->accept();
    const QModelIndex cible = indexAt(e->position().toPoint());
    if (cible.isValid())
        emit Deposer(de, cible.row());
}

void TListeParticipants::TimerDragTimer() {
    QScrollBar* barre = verticalScrollBar();
    barre->setValue(barre->value() + sens_ * barre->singleStep());
    viewport()->update();
}

// ---- TFicheCompet ---------------------------------------------------------

TFicheCompet::TFicheCompet(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheCompet");
    setWindowTitle("Compétition");

    EditIntitule = Nomme(new QLineEdit(this), "EditIntitule");
    EditDateDebut = EditDate(this, "EditDateDebut");
    EditDateFin = EditDate(this, "EditDateFin");
    CheckOfficielle = Nomme(new QCheckBox("Compétition officielle", this), "CheckOfficielle");
    // One Alt+letter per control of the form: "&Imprimer", "&Descendre" and
    // "&Annuler" hold I, D and A, so the title, the start date and the
    // participants' addition take other letters of theirs.
    auto* entete = new QFormLayout;
    entete->addRow("In&titulé :", EditIntitule);
    auto* dates = new QHBoxLayout;
    auto* debut = new QLabel("Date déb&ut :", this);
    debut->setBuddy(EditDateDebut);
    auto* fin = new QLabel("Date &fin :", this);
    fin->setBuddy(EditDateFin);
    dates->addWidget(debut);
    dates->addWidget(EditDateDebut);
    dates->addSpacing(12);
    dates->addWidget(fin);
    dates->addWidget(EditDateFin);
    dates->addStretch();
    dates->addWidget(CheckOfficielle);
    entete->addRow(dates);

    ComboBoxCategorie = Nomme(new QComboBox(this), "ComboBoxCategorie");
    ComboBoxCategorie->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBoxCategorie->setMinimumContentsLength(12);
    auto* categorie = new QLabel("&Catégorie :", this);
    categorie->setBuddy(ComboBoxCategorie);

    ListViewParticipants = Nomme(new TListeParticipants(this), "ListViewParticipants");
    ListViewParticipants->setAccessibleName("Participants");
    modeleParticipants_ = new TModeleParticipants(this);
    ListViewParticipants->setModel(modeleParticipants_);
    ListViewParticipants->setColumnWidth(0, 140);
    ListViewParticipants->setColumnWidth(1, 120);

    TNomsCommandes noms = TNomsCommandes::Suffixe("Participant");
    noms.texteEditer = "&Editer";
    noms.menu = "PopupMenuParticipant";
    commandesParticipants_ = new TCommandesListe(*ListViewParticipants, this, noms);
    BoutonAjouterParticipant = commandesParticipants_->BoutonAjouter();
    BoutonSupprimerParticipant = commandesParticipants_->BoutonSupprimer();
    BoutonEditerParticipant = commandesParticipants_->BoutonEditer();
    BoutonMonterParticipant =
        Bouton("BoutonMonterParticipant", "&Monter", this, "Monte le participant d'une place");
    BoutonDescendreParticipant =
        Bouton("BoutonDescendreParticipant", "&Descendre", this, "Descend le participant d'une place");
    BoutonPlacerParticipant = Bouton("BoutonPlacerParticipant", "&Placer", this, "Place le participant");

    MenuMonterParticipant = Action("MenuMonterParticipant", "&Monter", this);
    MenuDescendreParticipant = Action("MenuDescendreParticipant", "&Descendre", this);
    commandesParticipants_->Menu()->addActions({MenuMonterParticipant, MenuDescendreParticipant});

    auto* groupe = new QGroupBox("Type de tableau ", this);
    groupeTypes_ = new QButtonGroup(this);
    groupeTypes_->setExclusive(true);
    auto* grille = new QGridLayout(groupe);
    for (int i = 0; i < kNbTypesTableau; ++i) {
        auto* r = Nomme(new QRadioButton(LibelleTypeTableau(i + 1), groupe), kNomsRadios[i]);
        radios_[static_cast<std::size_t>(i)] = r;
        groupeTypes_->addButton(r, i);
        grille->addWidget(r, i % 3, i / 3);
    }
    radios_[0]->setChecked(true);
    connect(groupeTypes_, &QButtonGroup::idClicked, this, [this](int i) { ChoisirType(i + 1); });

    BoutonTableau = Bouton("BoutonTableau", "Tableau", this);
    BoutonImprimer = Bouton("BoutonImprimer", "&Imprimer", this, "Imprimer la liste des participants");
    PopupMenuImprimer = Nomme(new QMenu(this), "PopupMenuImprimer");
    QAction* imprimerCategorie =
        Action("MenuImprimerCategorie", "Participants de la catégorie courante...", PopupMenuImprimer);
    QAction* imprimerTout =
        Action("MenuImprimerToutes", "Participants de toutes les catégories...", PopupMenuImprimer);
    PopupMenuImprimer->addActions({imprimerCategorie, imprimerTout});

    auto* nb = new QLabel("Nombre de participants : ", this);
    LabelNbParticipants = Nomme(new QLabel(this), "LabelNbParticipants");
    auto* place = new QLabel("Place du participant sélectionné :", this);
    LabelPlaceParticipant = Nomme(new QLabel(this), "LabelPlaceParticipant");
    QFont gras = LabelNbParticipants->font();
    gras.setBold(true);
    for (QLabel* l : {nb, LabelNbParticipants, place, LabelPlaceParticipant})
        l->setFont(gras);

    BoutonOk = Bouton("BoutonOk", "&Ok", this);
    BoutonOk->setDefault(true);
    BoutonAnnuler = Bouton("BoutonAnnuler", "&Annuler", this);

    ficheParticipant_ = new TFicheParticipant(this);
    fichePlaceParticipant_ = new TFichePlaceParticipant(this);

    // Layout: the heading fields, then the category with its participants
    // and their commands, the table type, and the form's buttons.
    auto* commandes = new QVBoxLayout;
    for (QPushButton* b : {BoutonAjouterParticipant, BoutonSupprimerParticipant, BoutonEditerParticipant,
                           BoutonMonterParticipant, BoutonDescendreParticipant, BoutonPlacerParticipant})
        commandes->addWidget(b);
    commandes->addStretch();
    auto* participants = new QHBoxLayout;
    participants->addWidget(ListViewParticipants, 1);
    participants->addLayout(commandes);
    auto* ligneCategorie = new QHBoxLayout;
    ligneCategorie->addWidget(categorie);
    ligneCategorie->addWidget(ComboBoxCategorie);
    ligneCategorie->addStretch();
    auto* compteurs = new QGridLayout;
    compteurs->addWidget(nb, 0, 0);
    compteurs->addWidget(LabelNbParticipants, 0, 1);
    compteurs->addWidget(place, 1, 0);
    compteurs->addWidget(LabelPlaceParticipant, 1, 1);
    compteurs->setColumnStretch(2, 1);
    auto* tableau = new QHBoxLayout;
    tableau->addWidget(groupe, 1);
    auto* boutonsTableau = new QVBoxLayout;
    boutonsTableau->addWidget(BoutonTableau);
    boutonsTableau->addWidget(BoutonImprimer);
    boutonsTableau->addStretch();
    tableau->addLayout(boutonsTableau);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(BoutonOk);
    bas->addWidget(BoutonAnnuler);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(entete);
    tout->addLayout(ligneCategorie);
    tout->addLayout(participants, 1);
    tout->addLayout(compteurs);
    tout->addLayout(tableau);
    tout->addLayout(bas);
    resize(620, 560);

    connect(EditIntitule, &QLineEdit::textChanged, this,
            [this](const QString& t) { BoutonOk->setEnabled(!t.isEmpty()); });
    connect(ComboBoxCategorie, &QComboBox::currentIndexChanged, this, [this] { AfficherCategorie(); });
    // Up, down and the place follow the selection with the list's commands.
    connect(ListViewParticipants->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFicheCompet::MajCommandes);
    connect(modeleParticipants_, &QAbstractItemModel::rowsRemoved, this, &TFicheCompet::MajCommandes);
    connect(modeleParticipants_, &QAbstractItemModel::modelReset, this, &TFicheCompet::MajCommandes);
    connect(commandesParticipants_, &TCommandesListe::Ajouter, this,
            &TFicheCompet::BoutonAjouterParticipantClick);
    connect(commandesParticipants_, &TCommandesListe::Supprimer, this,
            &TFicheCompet::BoutonSupprimerParticipantClick);
    connect(commandesParticipants_, &TCommandesListe::Editer, this,
            &TFicheCompet::BoutonEditerParticipantClick);
    connect(ListViewParticipants, &TListeParticipants::Deposer, this, &TFicheCompet::Deplacer);
    for (auto [bouton, menu, action] : {std::tuple{BoutonMonterParticipant, MenuMonterParticipant,
                                                   &TFicheCompet::BoutonMonterParticipantClick},
                                        std::tuple{BoutonDescendreParticipant, MenuDescendreParticipant,
                                                   &TFicheCompet::BoutonDescendreParticipantClick}}) {
        connect(bouton, &QPushButton::clicked, this, action);
        connect(menu, &QAction::triggered, this, action);
    }
    connect(BoutonPlacerParticipant, &QPushButton::clicked, this,
            &TFicheCompet::BoutonPlacerParticipantClick);
    connect(BoutonTableau, &QPushButton::clicked, this, &TFicheCompet::BoutonTableauClick);
    connect(BoutonImprimer, &QPushButton::clicked, this, [this] {
        PopupMenuImprimer->popup(BoutonImprimer->mapToGlobal(QPoint(0, BoutonImprimer->height())));
    });
    connect(imprimerCategorie, &QAction::triggered, this,
            [this] { ImprimerParticipants(ComboBoxCategorie->currentIndex()); });
    connect(imprimerTout, &QAction::triggered, this, [this] { ImprimerParticipants(-1); });
    connect(BoutonOk, &QPushButton::clicked, this, &TFicheCompet::BoutonOkClick);
    connect(BoutonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

TFicheCompet::~TFicheCompet() {
    // The list follows a category of the copy: it lets go first.
    modeleParticipants_->SetCategorie(nullptr);
}

std::unique_ptr<TCompet> TFicheCompet::Executer(const TCompet& compet) {
    compet_ = &compet;
    // Made for the competition's list, so that it finds its way like the
    // competition, but never added to it: the list hears nothing of it.
    if (!copie_ || copie_->Owner() != compet.Owner()) {
        modeleParticipants_->SetCategorie(nullptr);
        copie_ = std::make_unique<TCompet>(compet.Owner());
    }
    copie_->Assign(compet);

    EditIntitule->setText(Q(compet.Intitule()));
    BoutonOk->setEnabled(!EditIntitule->text().isEmpty());
    AfficherDate(EditDateDebut, compet.DateDebut());
    AfficherDate(EditDateFin, compet.DateFin());
    datesAffichees_ = {EditDateDebut->text(), EditDateFin->text()};
    CheckOfficielle->setChecked(compet.Officielle());

    {
        const QSignalBlocker bloque(ComboBoxCategorie);
        ComboBoxCategorie->clear();
        for (int i = 0; i < kNbCategoriesCompet; ++i)
            ComboBoxCategorie->addItem(Q(TCompet::NomCategorie(i)));
        ComboBoxCategorie->setCurrentIndex(0);
    }
    AfficherCategorie();
    const int r = exec();
    compet_ = nullptr;
    // The copy keeps its categories until the next showing.
    if (r != QDialog::Accepted)
        return nullptr;
    return copie_->Copie(compet.Owner());
}

void TFicheCompet::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    EditIntitule->setFocus();
}

TCategorieCompet* TFicheCompet::CategorieAffichee() const {
    return copie_ ? copie_->Categorie(ComboBoxCategorie->currentIndex()) : nullptr;
}

void TFicheCompet::AfficherCategorie() {
    TCategorieCompet* c = CategorieAffichee();
    modeleParticipants_->SetCategorie(c);
    MajCommandes();
    // Showing a category never changes it: its own type is selected first,
    // even one that no longer fits its participants (an older file), and
    // the availability only greys the other types. A category without a
    // table shows the first type that fits, which "Tableau" would apply.
    const int type = c ? c->TypeTableau() : 0;
    MajDisponibles();
    if (type >= 1 && type <= kNbTypesTableau)
        radios_[static_cast<std::size_t>(type - 1)]->setChecked(true);
    else if (const int propose = PremierTypeDisponible(); propose > 0)
        radios_[static_cast<std::size_t>(propose - 1)]->setChecked(true);
}

int TFicheCompet::LigneSelectionnee() const {
    const QModelIndexList choisis = ListViewParticipants->selectionModel()->selectedRows();
    return choisis.isEmpty() ? -1 : choisis.front().row();
}

void TFicheCompet::MajCommandes() {
    const TCategorieCompet* c = CategorieAffichee();
    const int n = c ? c->Count() : 0;
    const int ligne = LigneSelectionnee();
    const bool choisi = ligne >= 0;
    commandesParticipants_->Maj();
    BoutonPlacerParticipant->setEnabled(choisi);
    const bool monter = choisi && ligne > 0;
    const bool descendre = choisi && ligne < n - 1;
    BoutonMonterParticipant->setEnabled(monter);
    MenuMonterParticipant->setEnabled(monter);
    BoutonDescendreParticipant->setEnabled(descendre);
    MenuDescendreParticipant->setEnabled(descendre);
    LabelNbParticipants->setText(QString::number(n));
    LabelPlaceParticipant->setText(choisi ? QString::number(ligne + 1) : QString());
}

void TFicheCompet::MajDisponibles() {
    const TCategorieCompet* c = CategorieAffichee();
    const int n = c ? c->Count() : 0;
    for (int i = 0; i < kNbTypesTableau; ++i)
        radios_[static_cast<std::size_t>(i)]->setEnabled(TypeTableauPropose(i + 1, n));
}

int TFicheCompet::PremierTypeDisponible() const {
    for (int i = 0; i < kNbTypesTableau; ++i)
        if (radios_[static_cast<std::size_t>(i)]->isEnabled())
            return i + 1;
    return 0;
}

void TFicheCompet::MajTypes() {
    MajDisponibles();
    // Only a change of the participants made by the user gets here: when
    // the type on no longer fits them, the first that fits replaces it, as
    // the user's click on it would.
    const int coche = groupeTypes_->checkedId();
    if (coche >= 0 && radios_[static_cast<std::size_t>(coche)]->isEnabled())
        return;
    if (const int type = PremierTypeDisponible(); type > 0) {
        radios_[static_cast<std::size_t>(type - 1)]->setChecked(true);
        ChoisirType(type);
    }
}

void TFicheCompet::ChoisirType(int type) {
    if (TCategorieCompet* c = CategorieAffichee())
        c->SetTypeTableau(static_cast<std::uint8_t>(type));
}

TDateTime TFicheCompet::DateLue(const QLineEdit* edit, TDateTime stockee) const {
    // A date left as shown keeps its time of day: a competition added by
    // the program carries the time of its creation, which the field does
    // not show.
    const QString& affichee = edit == EditDateDebut ? datesAffichees_[0] : datesAffichees_[1];
    return edit->text() == affichee ? stockee : LireDate(edit);
}

void TFicheCompet::StockerChamps() {
    copie_->SetIntitule(EditIntitule->text().toStdString());
    copie_->SetDateDebut(DateLue(EditDateDebut, compet_ ? compet_->DateDebut() : 0));
    copie_->SetDateFin(DateLue(EditDateFin, compet_ ? compet_->DateFin() : 0));
    copie_->SetOfficielle(CheckOfficielle->isChecked());
}

void TFicheCompet::BoutonOkClick() {
    if (!ChampsEnregistrables(this))
        return;
    if (!compet_ || EditIntitule->text().isEmpty())
        return;
    const std::string intitule = EditIntitule->text().toStdString();
    if (const TCompets* compets = compet_->Owner();
        compets && compets->ExisteAutreCompet(compet_, intitule)) {
        SignalerExisteDeja("La compétition \"" + intitule + "\"");
        return;
    }
    StockerChamps();
    accept();
}

void TFicheCompet::BoutonAjouterParticipantClick() {
    TCategorieCompet* c = CategorieAffichee();
    if (!c)
        return;
    const TParticipantCompet nouveau(c);
    std::unique_ptr<TParticipantCompet> p = ficheParticipant_->Editer(nouveau);
    if (!p)
        return;
    const int index = c->Add(std::move(p));
    const QModelIndex i = modeleParticipants_->index(index, 0);
    ListViewParticipants->setCurrentIndex(i);
    ListViewParticipants->scrollTo(i);
    MajTypes();
    MajCommandes();
}

void TFicheCompet::BoutonSupprimerParticipantClick() {
    TCategorieCompet* c = CategorieAffichee();
    const int ligne = LigneSelectionnee();
    if (!c || ligne < 0)
        return;
    if (MessageBoxTexte("Etes vous sûr de vouloir supprimer le participant ?", "Confirmation",
                        MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    c->Delete(ligne);
    ListViewParticipants->clearSelection();
    MajTypes();
    MajCommandes();
}

void TFicheCompet::BoutonEditerParticipantClick() {
    TCategorieCompet* c = CategorieAffichee();
    const int ligne = LigneSelectionnee();
    if (!c || ligne < 0)
        return;
    TParticipantCompet& participant = *c->Participant(ligne);
    if (const auto saisi = ficheParticipant_->Editer(participant))
        participant.CopierChamps(*saisi);
}

void TFicheCompet::BoutonMonterParticipantClick() {
    const int ligne = LigneSelectionnee();
    if (ligne > 0)
        Deplacer(ligne, ligne - 1);
}

void TFicheCompet::BoutonDescendreParticipantClick() {
    const TCategorieCompet* c = CategorieAffichee();
    const int ligne = LigneSelectionnee();
    if (c && ligne >= 0 && ligne < c->Count() - 1)
        Deplacer(ligne, ligne + 1);
}

void TFicheCompet::BoutonPlacerParticipantClick() {
    const TCategorieCompet* c = CategorieAffichee();
    const int ligne = LigneSelectionnee();
    if (!c || ligne < 0)
        return;
    if (const auto place = fichePlaceParticipant_->Demander(ligne + 1, c->Count()))
        Deplacer(ligne, *place - 1);
}

void TFicheCompet::Deplacer(int de, int vers) {
    TCategorieCompet* c = CategorieAffichee();
    if (!c || de == vers || de < 0 || vers < 0 || de >= c->Count() || vers >= c->Count())
        return;
    c->Move(de, vers);
    const QModelIndex i = modeleParticipants_->index(vers, 0);
    ListViewParticipants->selectionModel()->select(i, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    ListViewParticipants->setCurrentIndex(i);
    ListViewParticipants->setFocus();
    ListViewParticipants->scrollTo(i);
    MajCommandes();
}

void TFicheCompet::BoutonTableauClick() {
    TCategorieCompet* c = CategorieAffichee();
    if (!c)
        return;
    if (!c->Tableau() && groupeTypes_->checkedId() >= 0)
        ChoisirType(groupeTypes_->checkedId() + 1);
    StockerChamps();
    TTableauCompet* t = c->Tableau();
    if (!t)
        return;
    t->PlacerParticipants();
    t->Propager();
    const TPreferences& preferences = Preferences();
    TParametresTableau parametres;
    parametres.CouleursLycra = preferences.CouleursLycra;
    parametres.SeriesDemiA4 = preferences.SeriesDemiA4;
    // The table is the copy's, and goes with the next type chosen.
    FicheTableauCompet().Executer(*t, parametres);
}

TFicheTableauCompet& TFicheCompet::FicheTableauCompet() {
    if (!ficheTableauCompet_)
        ficheTableauCompet_ = new TFicheTableauCompet(this);
    return *ficheTableauCompet_;
}

TFicheImpressionCompet& TFicheCompet::FicheImpressionCompet() {
    if (!ficheImpressionCompet_)
        ficheImpressionCompet_ = new TFicheImpressionCompet(this);
    return *ficheImpressionCompet_;
}

void TFicheCompet::ImprimerParticipants(int categorie) {
    if (!copie_)
        return;
    StockerChamps();
    FicheImpressionCompet().Montrer(*copie_, categorie);
}

} // namespace tramonta
