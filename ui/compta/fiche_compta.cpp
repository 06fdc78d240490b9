// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compta/fiche_compta.h"
#include "ui/communs/controles.h"

#include "core/messages.h"
#include "core/monnaie.h"
#include "model/exercice.h"
#include "model/textes_journal.h"
#include "ui/communs/agenda.h"
#include "ui/communs/commandes_liste.h"
#include "ui/compta/fiche_compte.h"
#include "ui/modeles/modeles.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace tramonta {

namespace {
using Liste = TComptabilite::Liste;
constexpr std::array<int, 3> kLargeurs = {70, 200, 100};

std::string Majuscule(const char* s) {
    std::string t = s;
    t[0] = static_cast<char>(t[0] - 'a' + 'A');
    return t;
}
} // namespace

TFicheCompta::TFicheCompta(TExercice& exercice, TFicheCompte& fiche, QWidget* parent)
    : TSousVue(exercice, parent), fiche_(fiche) {
    setObjectName("FicheCompta");
    onglets_[0].liste = Liste::Charges;
    onglets_[0].genre = "charge";
    onglets_[1].liste = Liste::Produits;
    onglets_[1].genre = "produit";

    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");
    PageControl->addTab(CreerOnglet(onglets_[0]), "Charges");
    PageControl->addTab(CreerOnglet(onglets_[1]), "Produits");
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(PageControl);
    RafraichirTotaux();
}

QWidget* TFicheCompta::CreerOnglet(Onglet& o) {
    const std::string genre = Majuscule(o.genre); // "Charge", "Produit"
    auto nom = [&](const char* debut, const char* fin = "") {
        return QString::fromStdString(debut + genre + fin);
    };
    auto* onglet = new QWidget(this);
    o.vue = new QTreeView(onglet);
    o.vue->setObjectName(nom("ListView", "s"));
    o.vue->setAccessibleName(o.liste == Liste::Charges ? "Comptes de charges" : "Comptes de produits");
    o.vue->setRootIsDecorated(false);
    o.vue->setUniformRowHeights(true);
    o.vue->setEditTriggers(QAbstractItemView::NoEditTriggers);
    o.vue->setSelectionMode(QAbstractItemView::SingleSelection);
    o.vue->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Accounts stay in the ledger's order: the headers sort nothing.
    o.vue->header()->setSectionsClickable(false);
    o.vue->header()->setStretchLastSection(false);
    o.vue->setSortingEnabled(false);
    o.modele = new TModeleComptes(Exercice().Comptabilite(), o.liste, this);
    o.vue->setModel(o.modele);
    LargeursColonnes(o, true);

    o.commandes = new TCommandesListe(*o.vue, onglet, TNomsCommandes::Suffixe(nom("Compte")));

    o.total = new QLineEdit(onglet);
    o.total->setObjectName(nom("EditTotal", "s"));
    o.total->setReadOnly(true);
    o.total->setAlignment(Qt::AlignRight);
    QFont gras = o.total->font();
    gras.setBold(true);
    o.total->setFont(gras);
    o.total->setFixedWidth(o.total->fontMetrics().horizontalAdvance(QString(16, '0')));
    auto* libelleTotal =
        new QLabel(o.liste == Liste::Charges ? "Total charges : " : "Total produits : ", onglet);
    libelleTotal->setBuddy(o.total);

    const Liste l = o.liste;
    connect(o.commandes, &TCommandesListe::Ajouter, this, [this, l] { BoutonAjouterCompteClick(l); });
    connect(o.commandes, &TCommandesListe::Supprimer, this, [this, l] { BoutonSupprimerCompteClick(l); });
    connect(o.commandes, &TCommandesListe::Editer, this, [this, l] { BoutonEditerCompteClick(l); });
    // Changes made elsewhere (a posting from a member sheet) reach the
    // totals once the command that made them is over, however many lines
    // it touched.
    o.abonnement = Exercice().Comptabilite().Changements(o.liste).Abonner([this](const TChangement&) {
        if (totauxEnAttente_)
            return;
        totauxEnAttente_ = true;
        QTimer::singleShot(0, this, [this] { RafraichirTotaux(); });
    });
    ListViewChange(o);

    auto* boutons = new QVBoxLayout;
    boutons->addWidget(o.commandes->BoutonAjouter());
    boutons->addWidget(o.commandes->BoutonSupprimer());
    boutons->addWidget(o.commandes->BoutonEditer());
    boutons->addStretch();
    auto* liste = new QHBoxLayout;
    liste->addWidget(o.vue, 1);
    liste->addLayout(boutons);
    auto* total = new QHBoxLayout;
    total->addWidget(libelleTotal);
    total->addWidget(o.total);
    total->addStretch();
    auto* l2 = new QVBoxLayout(onglet);
    l2->addLayout(liste, 1);
    l2->addLayout(total);
    return onglet;
}

TFicheCompta::Onglet& TFicheCompta::OngletDe(Liste liste) {
    return onglets_[liste == Liste::Charges ? 0 : 1];
}

// A column that has no width (closed by the user) gets its usual one back.
void TFicheCompta::LargeursColonnes(Onglet& o, bool toutes) {
    for (int i = 0; i < 3; ++i)
        if (toutes || o.vue->columnWidth(i) == 0)
            o.vue->setColumnWidth(i, kLargeurs[static_cast<std::size_t>(i)]);
}

TCompte* TFicheCompta::CompteSelectionne(const Onglet& o) const {
    const auto choisis = o.vue->selectionModel()->selectedRows();
    return choisis.isEmpty() ? nullptr : o.modele->Element(choisis.front());
}

void TFicheCompta::ListViewChange(Onglet& o) {
    o.commandes->Maj();
}

void TFicheCompta::RafraichirTotaux() {
    totauxEnAttente_ = false;
    const TComptabilite& c = Exercice().Comptabilite();
    onglets_[0].total->setText(Q(ReelVersTexte(c.TotalCharges())));
    onglets_[1].total->setText(Q(ReelVersTexte(c.TotalProduits())));
}

void TFicheCompta::Afficher() {
    for (Onglet& o : onglets_) {
        o.modele->Reinitialiser();
        ListViewChange(o);
    }
    RafraichirTotaux();
}

void TFicheCompta::showEvent(QShowEvent* e) {
    TSousVue::showEvent(e);
    if (e->spontaneous())
        return;
    for (Onglet& o : onglets_) {
        LargeursColonnes(o, false);
        // Texts follow the ledger's notifications; a redraw costs only the
        // rows in sight.
        o.modele->Rafraichir();
    }
    RafraichirTotaux();
}

void TFicheCompta::BoutonAjouterCompteClick(Liste liste) {
    Onglet& o = OngletDe(liste);
    TComptabilite& c = Exercice().Comptabilite();
    const TCompte nouveau(&c);
    std::unique_ptr<TCompte> compte = fiche_.Executer(nouveau);
    if (!compte)
        return;
    const std::string texte = TexteJournal(TActeJournal::Ajout, *compte, liste);
    const int index = liste == Liste::Charges ? c.AjouterCompteCharge(std::move(compte))
                                              : c.AjouterCompteProduit(std::move(compte));
    AjouterLigneAgenda(texte);
    const QModelIndex i = o.modele->index(index, 0);
    o.vue->setCurrentIndex(i);
    o.vue->scrollTo(i);
    RafraichirTotaux();
}

void TFicheCompta::BoutonEditerCompteClick(Liste liste) {
    Onglet& o = OngletDe(liste);
    TCompte* compte = CompteSelectionne(o);
    if (!compte)
        return;
    const std::unique_ptr<TCompte> saisi = fiche_.Executer(*compte);
    if (!saisi)
        return;
    compte->Assign(*saisi);
    // The row follows the account's own notifications.
    AjouterLigneAgenda(TexteJournal(TActeJournal::Modification, *compte, liste));
    RafraichirTotaux();
}

void TFicheCompta::BoutonSupprimerCompteClick(Liste liste) {
    Onglet& o = OngletDe(liste);
    TCompte* compte = CompteSelectionne(o);
    if (!compte)
        return;
    auto confirmer = [](const std::string& texte) {
        return MessageBoxTexte(texte, "Confirmation", MB_YESNO | MB_ICONQUESTION) == IDYES;
    };
    if (!confirmer("Etes vous sûr de vouloir supprimer le compte ?"))
        return;
    if (compte->ContientLignesAutomatiques() &&
        !confirmer(
            "ATTENTION ! Ce compte contient des lignes d'écriture créées par des enregistrements "
            "automatiques !\n\rEn le supprimant, ces lignes seront inaccessibles par les objets qui ont "
            "fait ces enregistrements.\n\rEtes vous sûr de vouloir continuer ?"))
        return;
    AjouterLigneAgenda(TexteJournal(TActeJournal::Suppression, *compte, liste));
    TComptabilite& c = Exercice().Comptabilite();
    if (liste == Liste::Charges)
        c.SupprimerCompteCharge(c.IndexCompteCharge(compte));
    else
        c.SupprimerCompteProduit(c.IndexCompteProduit(compte));
    ListViewChange(o);
    RafraichirTotaux();
}

} // namespace tramonta
