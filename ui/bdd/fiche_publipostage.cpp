// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bdd/fiche_publipostage.h"

#include "model/exercice.h"
#include "platform/choix_fichier.h"
#include "platform/preferences.h"
#include "platform/traitement_texte.h"
#include "ui/bdd/fiche_criteres_requete.h"
#include "ui/bdd/publipostage.h"
#include "ui/communs/fiche_print_progress.h"
#include "ui/modeles/modeles.h"
#include "ui/modeles/tri_liste.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace tramonta {

namespace {

QTreeView* CreerListe(QWidget* parent, const char* nom, const QString& titre) {
    auto* liste = new QTreeView(parent);
    liste->setObjectName(nom);
    liste->setAccessibleName(titre);
    liste->setRootIsDecorated(false);
    liste->setUniformRowHeights(true);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Ctrl+A selects the whole list, as the view does in this mode.
    liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste->setAllColumnsShowFocus(true);
    return liste;
}

QLabel* Gras(QLabel* label) {
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

template <class E, class M>
std::vector<const E*> Selection(const QTreeView* liste, const TTriListe* tri, const M* modele) {
    std::vector<const E*> elements;
    const QItemSelectionModel* selection = liste->selectionModel();
    for (int ligne = 0; ligne < tri->rowCount(); ++ligne)
        if (selection->isRowSelected(ligne, {}))
            if (const E* e = modele->Element(tri->LigneSource(ligne)))
                elements.push_back(e);
    return elements;
}

} // namespace

TFichePublipostage::TFichePublipostage(TExercice& exercice, TFicheCriteresRequete& ficheCriteres,
                                       QWidget* parent)
    : QDialog(parent), ficheCriteres_(ficheCriteres) {
    setObjectName("FichePublipostage");
    setWindowTitle("Publipostage...");
    contenu_ = new QWidget(this);

    modeleAdherents_ = new TModeleAdherents(exercice.Adherents(), this);
    triAdherents_ = new TTriListe(modeleAdherents_, this);
    modeleCorrespondants_ = new TModeleCorrespondants(exercice.Correspondants(), this);
    triCorrespondants_ = new TTriListe(modeleCorrespondants_, this);

    auto* libelleAdherents = new QLabel("Liste des adhérents :", contenu_);
    ListViewAdherents = CreerListe(contenu_, "ListViewAdherents", "Liste des adhérents");
    libelleAdherents->setBuddy(ListViewAdherents);
    triAdherents_->Attacher(ListViewAdherents);
    const int largeursAdherents[] = {125, 125, 70};
    for (int i = 0; i < 3; ++i)
        ListViewAdherents->setColumnWidth(i, largeursAdherents[i]);

    auto* libelleCorrespondants = new QLabel("Liste des correspondants :", contenu_);
    ListViewCorrespondants = CreerListe(contenu_, "ListViewCorrespondants", "Liste des correspondants");
    libelleCorrespondants->setBuddy(ListViewCorrespondants);
    triCorrespondants_->Attacher(ListViewCorrespondants);
    ListViewCorrespondants->setColumnWidth(0, 200);
    ListViewCorrespondants->setColumnWidth(1, 120);

    auto* libelleFichier = new QLabel("Fichier Word utilisé pour le publipostage :", contenu_);
    EditFichierWord = new QLineEdit(contenu_);
    EditFichierWord->setObjectName("EditFichierWord");
    libelleFichier->setBuddy(EditFichierWord);
    BoutonParcourir = new QToolButton(contenu_);
    BoutonParcourir->setObjectName("BoutonParcourir");
    BoutonParcourir->setText("...");
    BoutonParcourir->setToolTip("Parcourir...");
    BoutonParcourir->setAccessibleName("Parcourir...");
    BoutonWord = new QToolButton(contenu_);
    BoutonWord->setObjectName("BoutonWord");
    BoutonWord->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    BoutonWord->setToolTip("Ouvre Word sur ce fichier...");
    BoutonWord->setAccessibleName("Ouvre Word sur ce fichier...");

    BoutonCriteres = new QPushButton("&Critères", contenu_);
    BoutonCriteres->setObjectName("BoutonCriteres");
    LabelCriteres = Gras(new QLabel(contenu_));
    LabelCriteres->setObjectName("LabelCriteres");
    LabelCriteres->setAccessibleName("Critères");
    auto* avis =
        Gras(new QLabel("Important : avant de lancer le publipostage, vérifier que le fichier contient bien "
                        "les mots clés, et que l'imprimante sélectionnée est bien celle que vous voulez "
                        "utiliser !",
                        contenu_));
    avis->setObjectName("LabelImportant");
    avis->setWordWrap(true);
    BoutonLancerPublipostage = new QPushButton("&Lancer le publipostage", contenu_);
    BoutonLancerPublipostage->setObjectName("BoutonLancerPublipostage");
    BoutonFermer = new QPushButton("&Fermer", contenu_);
    BoutonFermer->setObjectName("BoutonFermer");
    BoutonFermer->setDefault(true);

    auto* grille = new QGridLayout(contenu_);
    grille->setContentsMargins(0, 0, 0, 0);
    grille->addWidget(libelleAdherents, 0, 0);
    grille->addWidget(libelleCorrespondants, 0, 1);
    grille->addWidget(ListViewAdherents, 1, 0);
    grille->addWidget(ListViewCorrespondants, 1, 1);
    grille->addWidget(libelleFichier, 2, 0, 1, 2);
    auto* ligneFichier = new QHBoxLayout;
    ligneFichier->addWidget(EditFichierWord, 1);
    ligneFichier->addWidget(BoutonParcourir);
    ligneFichier->addWidget(BoutonWord);
    grille->addLayout(ligneFichier, 3, 0, 1, 2);
    auto* ligneCriteres = new QHBoxLayout;
    ligneCriteres->addWidget(BoutonCriteres);
    ligneCriteres->addWidget(LabelCriteres, 1);
    grille->addLayout(ligneCriteres, 4, 0, 1, 2);
    grille->addWidget(avis, 5, 0, 1, 2);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(BoutonLancerPublipostage);
    boutons->addStretch();
    boutons->addWidget(BoutonFermer);
    grille->addLayout(boutons, 6, 0, 1, 2);
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(contenu_);
    resize(720, 520);

    connect(BoutonParcourir, &QToolButton::clicked, this, &TFichePublipostage::BoutonParcourirClick);
    connect(BoutonWord, &QToolButton::clicked, this, &TFichePublipostage::BoutonWordClick);
    connect(BoutonCriteres, &QPushButton::clicked, this, &TFichePublipostage::BoutonCriteresClick);
    connect(BoutonLancerPublipostage, &QPushButton::clicked, this,
            &TFichePublipostage::BoutonLancerPublipostageClick);
    connect(BoutonFermer, &QPushButton::clicked, this, &QDialog::accept);
    connect(EditFichierWord, &QLineEdit::textChanged, this, &TFichePublipostage::MajEtats);
    for (QTreeView* liste : {ListViewAdherents, ListViewCorrespondants})
        connect(liste->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &TFichePublipostage::MajEtats);
    // A record deleted elsewhere leaves the selection without a word.
    for (TTriListe* tri : {triAdherents_, triCorrespondants_})
        connect(tri, &QAbstractItemModel::rowsRemoved, this, &TFichePublipostage::MajEtats);

    EditFichierWord->setText(QString::fromStdString(LireFichierPublipostage()));
    MajEtats();
}

std::vector<const TAdherent*> TFichePublipostage::AdherentsSelectionnes() const {
    return Selection<TAdherent>(ListViewAdherents, triAdherents_, modeleAdherents_);
}

std::vector<const TCorrespondant*> TFichePublipostage::CorrespondantsSelectionnes() const {
    return Selection<TCorrespondant>(ListViewCorrespondants, triCorrespondants_, modeleCorrespondants_);
}

void TFichePublipostage::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Each showing starts with nothing chosen, the lists in their sort order.
    ListViewAdherents->clearSelection();
    ListViewCorrespondants->clearSelection();
    for (TTriListe* tri : {triAdherents_, triCorrespondants_})
        tri->sort(tri->Etat().Colonne(), tri->Etat().Ordre());
    MajEtats();
}

void TFichePublipostage::done(int resultat) {
    // Not while a merge runs: the lists it reads are the dialog's.
    if (enCours_)
        return;
    EcrireFichierPublipostage(EditFichierWord->text().toStdString());
    QDialog::done(resultat);
}

void TFichePublipostage::MajEtats() {
    const bool existe = QFileInfo(EditFichierWord->text()).isFile();
    const bool adherents = ListViewAdherents->selectionModel()->hasSelection();
    const bool correspondants = ListViewCorrespondants->selectionModel()->hasSelection();
    BoutonWord->setEnabled(existe);
    BoutonLancerPublipostage->setEnabled(existe && adherents != correspondants);
    const bool criteres = existe && adherents && !correspondants;
    BoutonCriteres->setEnabled(criteres);
    LabelCriteres->setText(criteres ? QString::fromStdString(ficheCriteres_.Criteres().Description)
                                    : QString());
}

void TFichePublipostage::BoutonParcourirClick() {
    DemandeFichier d;
    d.titre = "Ouverture du fichier de publipostage...";
    d.filtre = "Lettres (*.odt *.docx *.doc *.rtf);;Fichiers Word (*.doc *.docx);;Tous les fichiers (*)";
    d.suffixe = "doc";
    d.initial = EditFichierWord->text();
    if (const auto chemin = ChoisirFichier(this, d))
        EditFichierWord->setText(*chemin);
    MajEtats();
}

void TFichePublipostage::BoutonWordClick() {
    const auto traitement = CreerTraitementTexte();
    try {
        traitement->Attacher(false);
    } catch (const TErreurTraitementTexte&) {
        ErreurTraitementTexte("OuvrirWord : impossible d'établir la communication OLE avec l'objet Word.");
        return;
    }
    try {
        traitement->Montrer();
        // The letter stays open for the user to edit; nothing holds it here.
        traitement->Ouvrir(EditFichierWord->text().toStdString());
    } catch (const TErreurTraitementTexte&) {
        ErreurTraitementTexte("BoutonWordClick : propriété de l'objet Word incorrecte.");
    }
}

void TFichePublipostage::BoutonCriteresClick() {
    if (ficheCriteres_.Executer())
        MajEtats();
}

void TFichePublipostage::BoutonLancerPublipostageClick() {
    TPublipostage p;
    p.fichier = EditFichierWord->text().toStdString();
    p.adherents = AdherentsSelectionnes();
    p.correspondants = CorrespondantsSelectionnes();
    p.criteres = &ficheCriteres_.Criteres();
    const auto traitement = CreerTraitementTexte();
    // The progress window stays usable; the rest waits for the end.
    enCours_ = true;
    contenu_->setEnabled(false);
    // The program's one progress window, given by the main window; a window
    // of its own only when the dialog is used alone.
    if (!progression_ && !propre_)
        propre_ = new TFichePrintProgress(this);
    LancerPublipostage(p, *traitement, progression_ ? progression_() : *propre_);
    contenu_->setEnabled(true);
    enCours_ = false;
    MajEtats();
}

} // namespace tramonta
