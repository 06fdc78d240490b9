// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bdd/fiche_bdd.h"
#include "ui/communs/controles.h"

#include "core/messages.h"
#include "core/texte.h"
#include "model/exercice.h"
#include "model/textes_journal.h"
#include "ui/bdd/fiche_adherent.h"
#include "ui/bdd/fiche_correspondant.h"
#include "ui/bdd/fiche_criteres_requete.h"
#include "ui/communs/agenda.h"
#include "ui/communs/champ_recherche.h"
#include "ui/communs/commandes_liste.h"
#include "ui/modeles/modeles.h"
#include "ui/modeles/tri_liste.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include <memory>

namespace tramonta {

TFicheBDD::TFicheBDD(TExercice& exercice, TFicheAdherent& ficheAdherent,
                     TFicheCorrespondant& ficheCorrespondant, TFicheCriteresRequete& ficheCriteres,
                     QWidget* parent)
    : TSousVue(exercice, parent), ficheAdherent_(ficheAdherent), ficheCorrespondant_(ficheCorrespondant),
      ficheCriteres_(ficheCriteres) {
    setObjectName("FicheBDD");
    modeleAdherents_ = new TModeleAdherents(exercice.Adherents(), this);
    triAdherents_ = new TTriListe(modeleAdherents_, this);
    modeleCorrespondants_ = new TModeleCorrespondants(exercice.Correspondants(), this);
    triCorrespondants_ = new TTriListe(modeleCorrespondants_, this);

    PageControl = Nomme(new QTabWidget(this), "PageControl");
    QWidget* pageAdherents =
        CreerOnglet(adherents_, *triAdherents_, "Adherent", "Label1",
                    "Liste des adhérents :", "d'un adhérent", "Rechercher (nom, prénom, licence, ville)");
    pageAdherents->setObjectName("PageAdherents");
    QWidget* pageCorrespondants = CreerOnglet(correspondants_, *triCorrespondants_, "Correspondant", "Label2",
                                              "Liste des correspondants :", "d'un correspondant",
                                              "Rechercher (nom, ville, spécialité)");
    pageCorrespondants->setObjectName("PageCorrespondants");
    PageControl->addTab(pageAdherents, "Adhérents");
    PageControl->addTab(pageCorrespondants, "Correspondants");

    BoutonRequete = Nomme(new QPushButton("&Requête", pageAdherents), "BoutonRequete");
    BoutonRequete->setToolTip("Requête sur les adhérents");
    adherents_.boutons->insertWidget(3, BoutonRequete);
    connect(BoutonRequete, &QPushButton::clicked, this, &TFicheBDD::BoutonRequeteClick);

    adherents_.liste->setAccessibleName("Liste des adhérents");
    correspondants_.liste->setAccessibleName("Liste des correspondants");
    const int largeursAdherents[] = {160, 160, 70};
    for (int i = 0; i < 3; ++i)
        adherents_.liste->setColumnWidth(i, largeursAdherents[i]);
    const int largeursCorrespondants[] = {200, 120};
    for (int i = 0; i < 2; ++i)
        correspondants_.liste->setColumnWidth(i, largeursCorrespondants[i]);

    connect(adherents_.commandes, &TCommandesListe::Ajouter, this, &TFicheBDD::BoutonAjouterAdherentClick);
    connect(adherents_.commandes, &TCommandesListe::Supprimer, this,
            &TFicheBDD::BoutonSupprimerAdherentClick);
    connect(adherents_.commandes, &TCommandesListe::Editer, this, &TFicheBDD::BoutonEditerAdherentClick);
    connect(correspondants_.commandes, &TCommandesListe::Ajouter, this,
            &TFicheBDD::BoutonAjouterCorrespondantClick);
    connect(correspondants_.commandes, &TCommandesListe::Supprimer, this,
            &TFicheBDD::BoutonSupprimerCorrespondantClick);
    connect(correspondants_.commandes, &TCommandesListe::Editer, this,
            &TFicheBDD::BoutonEditerCorrespondantClick);
    // The query's button is brought up to date with the lists' commands.
    for (const Onglet* o : {&adherents_, &correspondants_})
        connect(o->liste->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &TFicheBDD::MajBoutons);

    // Ctrl+F searches the list of the tab in view.
    auto* chercher = new QShortcut(QKeySequence::Find, this);
    chercher->setContext(Qt::WidgetWithChildrenShortcut);
    connect(chercher, &QShortcut::activated, this, [this] {
        (PageControl->currentIndex() == 0 ? adherents_ : correspondants_).recherche->Activer();
    });
    // The summaries follow every change: an addition, a deletion, a licence
    // ticked on a sheet, a whole document opened.
    suiviAdherents_ = exercice.Adherents().Changements().Abonner([this](const TChangement&) { MajInfos(); });
    suiviCorrespondants_ =
        exercice.Correspondants().Changements().Abonner([this](const TChangement&) { MajInfos(); });

    auto* tout = new QVBoxLayout(this);
    tout->addWidget(PageControl);
    MajBoutons();
    MajInfos();
}

QWidget* TFicheBDD::CreerOnglet(Onglet& o, TTriListe& tri, const char* suffixe, const char* nomLibelle,
                                const char* titre, const char* genre, const char* aide) {
    auto* page = new QWidget(this);
    const QString s = QString::fromLatin1(suffixe);
    auto* libelle = Nomme(new QLabel(titre, page), nomLibelle);
    o.liste = Nomme(new QTreeView(page), "ListView" + s + "s");
    o.liste->setRootIsDecorated(false);
    o.liste->setUniformRowHeights(true);
    o.liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    o.liste->setSelectionMode(QAbstractItemView::SingleSelection);
    o.liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    o.liste->setAllColumnsShowFocus(true);
    libelle->setBuddy(o.liste);
    tri.Attacher(o.liste);

    TNomsCommandes noms = TNomsCommandes::Suffixe(s);
    noms.menu = "PopupMenu" + s + "s";
    noms.bulleAjouter = QString("Ajout %1").arg(genre);
    noms.bulleSupprimer = QString("Suppression %1").arg(genre);
    noms.bulleEditer = QString("Edition %1").arg(genre);
    o.commandes = new TCommandesListe(*o.liste, page, noms);

    o.infos = Nomme(new QLabel(page), "LabelInfos" + s + "s");
    QFont gras = o.infos->font();
    gras.setBold(true);
    o.infos->setFont(gras);
    o.compte = Nomme(new QLabel(page), "LabelRecherche" + s + "s");
    o.compte->setFont(gras);
    o.recherche = Nomme(new TChampRecherche(tri, *o.liste, *o.compte, aide, page), "EditRecherche" + s + "s");
    o.recherche->setMinimumWidth(o.recherche->fontMetrics().horizontalAdvance(aide) + 40);

    auto* boutons = o.boutons = new QVBoxLayout;
    boutons->addWidget(o.commandes->BoutonAjouter());
    boutons->addWidget(o.commandes->BoutonSupprimer());
    boutons->addWidget(o.commandes->BoutonEditer());
    boutons->addStretch();
    auto* haut = new QHBoxLayout;
    haut->addWidget(libelle);
    haut->addStretch();
    haut->addWidget(o.recherche);
    auto* bas = new QHBoxLayout;
    bas->addWidget(o.infos);
    bas->addSpacing(24);
    bas->addWidget(o.compte);
    bas->addStretch();
    // The search field ends where the list ends, the buttons stand beside the list.
    auto* l = new QGridLayout(page);
    l->addLayout(haut, 0, 0);
    l->addWidget(o.liste, 1, 0);
    l->addLayout(boutons, 1, 1);
    l->addLayout(bas, 2, 0, 1, 2);
    l->setRowStretch(1, 1);
    l->setColumnStretch(0, 1);
    // The field comes first, then the list it filters, then its commands.
    setTabOrder(o.recherche, o.liste);
    setTabOrder(o.liste, o.commandes->BoutonAjouter());
    setTabOrder(o.commandes->BoutonAjouter(), o.commandes->BoutonSupprimer());
    setTabOrder(o.commandes->BoutonSupprimer(), o.commandes->BoutonEditer());
    return page;
}

void TFicheBDD::Afficher() {
    MajBoutons();
    MajInfos();
}

int TFicheBDD::LigneSelectionnee(const QTreeView* liste, const TTriListe* tri) const {
    const QModelIndexList lignes = liste->selectionModel()->selectedRows();
    if (lignes.isEmpty())
        return -1;
    return tri->mapToSource(lignes.constFirst()).row();
}

TAdherent* TFicheBDD::AdherentSelectionne() const {
    return Exercice().Adherents().Adherent(LigneSelectionnee(adherents_.liste, triAdherents_));
}

TCorrespondant* TFicheBDD::CorrespondantSelectionne() const {
    return Exercice().Correspondants().Correspondant(
        LigneSelectionnee(correspondants_.liste, triCorrespondants_));
}

std::vector<const TAdherent*> TFicheBDD::AdherentsAffiches() const {
    triAdherents_->Trier();
    std::vector<const TAdherent*> r;
    r.reserve(static_cast<std::size_t>(triAdherents_->rowCount()));
    for (int i = 0; i < triAdherents_->rowCount(); ++i)
        if (const TAdherent* a =
                Exercice().Adherents().Adherent(triAdherents_->mapToSource(triAdherents_->index(i, 0)).row()))
            r.push_back(a);
    return r;
}

std::vector<const TCorrespondant*> TFicheBDD::CorrespondantsAffiches() const {
    triCorrespondants_->Trier();
    std::vector<const TCorrespondant*> r;
    r.reserve(static_cast<std::size_t>(triCorrespondants_->rowCount()));
    for (int i = 0; i < triCorrespondants_->rowCount(); ++i)
        if (const TCorrespondant* c = Exercice().Correspondants().Correspondant(
                triCorrespondants_->mapToSource(triCorrespondants_->index(i, 0)).row()))
            r.push_back(c);
    return r;
}

void TFicheBDD::Selectionner(QTreeView* liste, TTriListe* tri, int ligneSource) {
    const QModelIndex i = tri->index(tri->LigneVue(ligneSource), 0);
    liste->selectionModel()->setCurrentIndex(i,
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    liste->scrollTo(i);
}

void TFicheBDD::MajBoutons() {
    for (Onglet* o : {&adherents_, &correspondants_})
        o->commandes->Maj();
    // The query shows its members in the list preview, which comes with the
    // printing.
    BoutonRequete->setEnabled(static_cast<bool>(AfficherListeAdherents));
}

void TFicheBDD::MajInfos() {
    const TAdherents& a = Exercice().Adherents();
    const StatistiquesAdherents s = a.Statistiques();
    adherents_.infos->setText(QString("Nb adhérents : %1 - Loisir : %2 - Compétition : %3 - Dirigeant : %4")
                                  .arg(a.Count())
                                  .arg(s.loisir)
                                  .arg(s.competition)
                                  .arg(s.dirigeant));
    correspondants_.infos->setText(
        QString("Nb correspondants : %1").arg(Exercice().Correspondants().Count()));
}

// --- Members ----------------------------------------------------------------

void TFicheBDD::BoutonAjouterAdherentClick() {
    TAdherents& adherents = Exercice().Adherents();
    auto adherent = std::make_unique<TAdherent>(&adherents);
    if (ficheAdherent_.Editer(*adherent, true) != QDialog::Accepted)
        return;
    const std::string texte = TexteJournal(TActeJournal::Ajout, *adherent);
    const int index = adherents.Add(std::move(adherent));
    Selectionner(adherents_.liste, triAdherents_, index);
    AjouterLigneAgenda(texte);
    MajBoutons();
}

void TFicheBDD::BoutonSupprimerAdherentClick() {
    TAdherent* a = AdherentSelectionne();
    if (!a)
        return;
    if (MessageBoxTexte("Etes vous sûr de vouloir supprimer l'adhérent ?", "Confirmation",
                        MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    // The journal names the member before it goes.
    AjouterLigneAgenda(TexteJournal(TActeJournal::Suppression, *a));
    TAdherents& adherents = Exercice().Adherents();
    adherents.Delete(adherents.IndexOf(a));
    MajBoutons();
}

void TFicheBDD::BoutonEditerAdherentClick() {
    TAdherent* a = AdherentSelectionne();
    if (!a)
        return;
    if (ficheAdherent_.Editer(*a, false) != QDialog::Accepted)
        return;
    AjouterLigneAgenda(TexteJournal(TActeJournal::Modification, *a));
    if (const QModelIndex i = adherents_.liste->currentIndex(); i.isValid())
        adherents_.liste->scrollTo(i);
}

void TFicheBDD::BoutonRequeteClick() {
    if (!AfficherListeAdherents || !ficheCriteres_.Executer())
        return;
    AfficherListeAdherents(Exercice().Adherents(), ficheCriteres_.Criteres());
}

// --- Correspondents ---------------------------------------------------------

void TFicheBDD::BoutonAjouterCorrespondantClick() {
    TCorrespondants& correspondants = Exercice().Correspondants();
    auto c = std::make_unique<TCorrespondant>(&correspondants);
    if (ficheCorrespondant_.Editer(*c) != QDialog::Accepted)
        return;
    const std::string texte = TexteJournal(TActeJournal::Ajout, *c);
    const int index = correspondants.Add(std::move(c));
    Selectionner(correspondants_.liste, triCorrespondants_, index);
    AjouterLigneAgenda(texte);
    MajBoutons();
}

void TFicheBDD::BoutonSupprimerCorrespondantClick() {
    TCorrespondant* c = CorrespondantSelectionne();
    if (!c)
        return;
    if (MessageBoxTexte("Etes vous sûr de vouloir supprimer le correspondant ?", "Confirmation",
                        MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    AjouterLigneAgenda(TexteJournal(TActeJournal::Suppression, *c));
    TCorrespondants& correspondants = Exercice().Correspondants();
    correspondants.Delete(correspondants.IndexOf(c));
    MajBoutons();
}

void TFicheBDD::BoutonEditerCorrespondantClick() {
    TCorrespondant* c = CorrespondantSelectionne();
    if (!c)
        return;
    if (ficheCorrespondant_.Editer(*c) != QDialog::Accepted)
        return;
    AjouterLigneAgenda(TexteJournal(TActeJournal::Modification, *c));
}

} // namespace tramonta
