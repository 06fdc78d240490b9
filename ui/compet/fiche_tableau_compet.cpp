// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compet/fiche_tableau_compet.h"

#include "model/compets.h"
#include "model/tableau.h"
#include "platform/canevas_qt.h"
#include "ui/communs/controles.h"
#include "ui/communs/fiche_configuration_imprimante.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

#include <cmath>

namespace tramonta {

namespace {

int Pixels(double unites) {
    return static_cast<int>(std::lround(unites * PixelsEcranParUnite()));
}

// The whole table's size on the screen.
QSize TaillePixels(const TTableauCompet& t) {
    return {Pixels(t.LargeurContenu()), Pixels(t.HauteurContenu())};
}

// The table on a canvas over `painter`, page point (0, 0) at the device's
// corner, as on the screen.
void PeindreTableau(TTableauCompet& t, QPainter& painter, const TParametresTableau& parametres) {
    TCanevasQt canevas(painter, PixelsEcranParUnite());
    DessinerTableau(t, canevas, 0, false, parametres);
}

} // namespace

// ---- TEditCompet ----------------------------------------------------------

TEditCompet::TEditCompet(QWidget* parent) : QLineEdit(parent) {
    setObjectName("EditCompet");
    setAccessibleName("Place");
    setMaxLength(1);
    setAlignment(Qt::AlignCenter);
    setFrame(false);
    // The check reads PlaceMax when it runs, so one validator serves every
    // heat the editor moves to.
    class TValidateurPlace : public QValidator {
      public:
        explicit TValidateurPlace(TEditCompet& edit) : QValidator(&edit), edit_(edit) {}
        State validate(QString& texte, int&) const override {
            return edit_.Accepte(texte) ? Acceptable : Invalid;
        }

      private:
        const TEditCompet& edit_;
    };
    setValidator(new TValidateurPlace(*this));
}

bool TEditCompet::Accepte(const QString& texte) const {
    if (texte.isEmpty())
        return true;
    const QChar c = texte.front();
    return texte.size() == 1 && c >= QChar('1') && c <= QChar('9') && c.digitValue() <= PlaceMax;
}

// ---- TBoiteTableau --------------------------------------------------------

TBoiteTableau::TBoiteTableau(TFicheTableauCompet& fiche, QWidget* parent) : QWidget(parent), fiche_(fiche) {
    setObjectName("PaintBox");
    setAccessibleName("Tableau de compétition");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setFocusPolicy(Qt::StrongFocus);
}

void TBoiteTableau::paintEvent(QPaintEvent*) {
    TTableauCompet* t = fiche_.Tableau();
    if (!t)
        return;
    QPainter painter(this);
    PeindreTableau(*t, painter, fiche_.Parametres());
}

void TBoiteTableau::mousePressEvent(QMouseEvent* e) {
    fiche_.TerminerEdition(false);
    setFocus(Qt::MouseFocusReason);
    e->accept();
}

void TBoiteTableau::mouseDoubleClickEvent(QMouseEvent* e) {
    // The paper moves inside the scroll box, so the point is already in the
    // drawing's own pixels whatever the scroll position.
    fiche_.EditerA(e->position().toPoint());
    e->accept();
}

// ---- TFicheChoixImpressionCompet ------------------------------------------

TFicheChoixImpressionCompet::TFicheChoixImpressionCompet(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheChoixImpressionCompet");
    setWindowTitle("Impression tableau compet");
    ComboBox = new QComboBox(this);
    ComboBox->setObjectName("ComboBox");
    ComboBox->setMinimumWidth(240);
    auto* libelle = new QLabel("Impression de :", this);
    libelle->setBuddy(ComboBox);
    auto* ok = new QPushButton("&Ok", this);
    ok->setObjectName("BoutonOk");
    ok->setDefault(true);
    auto* annuler = new QPushButton("&Annuler", this);
    annuler->setObjectName("BoutonAnnuler");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ok);
    boutons->addWidget(annuler);
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(libelle);
    tout->addWidget(ComboBox);
    tout->addLayout(boutons);
}

bool TFicheChoixImpressionCompet::Executer(const TTableauCompet& tableau) {
    tableau_ = &tableau;
    ComboBox->clear();
    for (const std::string& choix : ChoixImpressionTableau(tableau))
        ComboBox->addItem(QString::fromStdString(choix));
    ComboBox->setCurrentIndex(0);
    ComboBox->setFocus();
    const bool ok = exec() == QDialog::Accepted;
    return ok;
}

int TFicheChoixImpressionCompet::Selection() const {
    return tableau_ ? SelecteurImpression(*tableau_, ComboBox->currentIndex()) : 0;
}

// ---- TFicheAideTouches ----------------------------------------------------

TFicheAideTouches::TFicheAideTouches(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheAideTouches");
    setWindowTitle("Aide pour remplir le tableau de compétition");
    auto* tout = new QVBoxLayout(this);
    for (const char* ligne :
         {"Touches pour remplir les places dans le tableau de compétition :", "- F2 pour lancer l'édition",
          "- Esc. pour arrêter l'édition", "- Tab pour passer à la place suivante",
          "- Shift+Tab pour revenir à la place précédente",
          "- Double clic pour éditer la place sur laquelle le double clic a été fait",
          "- Clic pour arrêter l'édition"})
        tout->addWidget(new QLabel(ligne, this));
    auto* fermer = new QPushButton("&Fermer", this);
    fermer->setObjectName("BoutonFermer");
    fermer->setDefault(true);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(fermer);
    tout->addLayout(boutons);
    setFixedSize(sizeHint());
}

// ---- TFicheTableauCompet --------------------------------------------------

TFicheTableauCompet::TFicheTableauCompet(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheTableauCompet");
    setWindowTitle("Tableau de compétition");
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(960, 680);

    auto* barre = new QToolBar(this);
    barre->setObjectName("ToolBar");
    barre->setIconSize(QSize(24, 24));
    BoutonPrintSetup = BoutonOutil(barre, "BoutonPrintSetup", "Configuration de l'imprimante...",
                                   "CONFIG_IMPRIMANTE", Qt::TabFocus);
    BoutonPrint = BoutonOutil(barre, "BoutonPrint", "Imprimer", "IMPRIMER", Qt::TabFocus);
    BoutonCopier = BoutonOutil(barre, "BoutonCopier", "Copie le tableau dans le presse papier...", "COPIER",
                               Qt::TabFocus);
    BoutonAide = BoutonOutil(barre, "BoutonAide", "Aide...", "AIDE", Qt::TabFocus);

    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName("ScrollBox");
    scrollBox_->setWidgetResizable(false);
    scrollBox_->setBackgroundRole(QPalette::Base);
    paintBox_ = new TBoiteTableau(*this);
    scrollBox_->setWidget(paintBox_);

    auto* tout = new QVBoxLayout(this);
    tout->setContentsMargins(0, 0, 0, 0);
    tout->setSpacing(0);
    tout->addWidget(barre);
    tout->addWidget(scrollBox_, 1);

    choix_ = new TFicheChoixImpressionCompet(this);
    aide_ = new TFicheAideTouches(this);

    connect(BoutonPrintSetup, &QToolButton::clicked, this, &TFicheTableauCompet::BoutonPrintSetupClick);
    connect(BoutonPrint, &QToolButton::clicked, this, &TFicheTableauCompet::BoutonPrintClick);
    connect(BoutonCopier, &QToolButton::clicked, this, &TFicheTableauCompet::BoutonCopierClick);
    connect(BoutonAide, &QToolButton::clicked, this, &TFicheTableauCompet::BoutonAideClick);
}

int TFicheTableauCompet::Executer(TTableauCompet& tableau, const TParametresTableau& parametres) {
    parametres_ = parametres;
    SetTableau(&tableau);
    const int r = exec();
    SetTableau(nullptr);
    return r;
}

void TFicheTableauCompet::SetTableau(TTableauCompet* tableau) {
    TerminerEdition(true);
    tableau_ = tableau;
    paintBox_->resize(tableau ? TaillePixels(*tableau) : QSize(0, 0));
    scrollBox_->horizontalScrollBar()->setValue(0);
    scrollBox_->verticalScrollBar()->setValue(0);
    paintBox_->update();
}

QRect TFicheTableauCompet::CadrePlacePixels(int serie, int ligne) const {
    const TSerieCompet* s = tableau_ ? tableau_->Serie(serie) : nullptr;
    if (!s)
        return {};
    const TRect r = CadrePlace(*tableau_, *s, ligne);
    const QPoint hautGauche(Pixels(r.Left), Pixels(-r.Top));
    const QPoint basDroite(Pixels(r.Right), Pixels(-r.Bottom));
    return QRect(hautGauche, QSize(basDroite.x() - hautGauche.x(), basDroite.y() - hautGauche.y()));
}

void TFicheTableauCompet::CreerEditeur() {
    if (editeur_)
        return;
    editeur_ = new TEditCompet(paintBox_);
    editeur_->installEventFilter(this);
}

void TFicheTableauCompet::DebuterEdition() {
    if (!tableau_ || !tableau_->Owner() || tableau_->Owner()->Count() == 0)
        return;
    if (editeur_ && editeur_->isVisible())
        return;
    CreerEditeur();
    // From heat 1, line 1, on to the first slot that holds a surfer: a place
    // belongs to a surfer.
    editeur_->Serie = 1;
    editeur_->Ligne = 1;
    const TSerieCompet* s = tableau_->Serie(1);
    if (s && s->Count() > 0 && s->Ligne(0)->Participant() == -1)
        Avancer(1);
    PlacerEditeur(editeur_->Serie, editeur_->Ligne);
    editeur_->show();
    ChargerEditeur();
    editeur_->setFocus();
}

void TFicheTableauCompet::EditerA(QPoint point) {
    if (!tableau_)
        return;
    for (int n = 1; n <= tableau_->NbSeries(); ++n) {
        const TSerieCompet& s = *tableau_->Serie(n);
        for (int k = 1; k <= s.Count(); ++k) {
            if (!CadrePlacePixels(n, k).contains(point) || s.Ligne(k - 1)->Participant() == -1)
                continue;
            CreerEditeur();
            PlacerEditeur(n, k);
            editeur_->show();
            ChargerEditeur();
            editeur_->setFocus();
            return;
        }
    }
}

void TFicheTableauCompet::TerminerEdition(bool detruire) {
    if (!editeur_)
        return;
    ValiderEdition();
    editeur_->hide();
    if (detruire) {
        editeur_->removeEventFilter(this);
        delete editeur_;
        editeur_ = nullptr;
    }
}

void TFicheTableauCompet::Avancer(int sens) {
    int n = editeur_->Serie;
    int k = editeur_->Ligne;
    const int nb = tableau_->NbSeries();
    int total = 0;
    for (int i = 1; i <= nb; ++i)
        total += tableau_->Serie(i)->Count();
    // Never more steps than there are lines: an empty table leaves the
    // editor where it is.
    for (int pas = 0; pas < total; ++pas) {
        k += sens;
        if (sens > 0 && k > tableau_->Serie(n)->Count()) {
            n = n >= nb ? 1 : n + 1;
            k = 1;
        } else if (sens < 0 && k < 1) {
            n = n <= 1 ? nb : n - 1;
            k = tableau_->Serie(n)->Count();
        }
        const TLigneSerie* l = tableau_->Serie(n)->Ligne(k - 1);
        if (l && l->Participant() != -1) {
            editeur_->Serie = n;
            editeur_->Ligne = k;
            return;
        }
    }
}

void TFicheTableauCompet::LigneSuivante() {
    if (!editeur_ || !tableau_)
        return;
    ValiderEdition();
    Avancer(1);
    PlacerEditeur(editeur_->Serie, editeur_->Ligne);
    ChargerEditeur();
}

void TFicheTableauCompet::LignePrecedente() {
    if (!editeur_ || !tableau_)
        return;
    ValiderEdition();
    Avancer(-1);
    PlacerEditeur(editeur_->Serie, editeur_->Ligne);
    ChargerEditeur();
}

void TFicheTableauCompet::PlacerEditeur(int serie, int ligne) {
    const TSerieCompet* s = tableau_ ? tableau_->Serie(serie) : nullptr;
    if (!editeur_ || !s)
        return;
    editeur_->Serie = serie;
    editeur_->Ligne = ligne;
    editeur_->PlaceMax = s->NbOccupees();
    editeur_->setGeometry(CadrePlacePixels(serie, ligne).adjusted(1, 1, 0, 0));
    scrollBox_->ensureWidgetVisible(editeur_, 20, 20);
}

void TFicheTableauCompet::ChargerEditeur() {
    const TSerieCompet* s = tableau_ && editeur_ ? tableau_->Serie(editeur_->Serie) : nullptr;
    const TLigneSerie* l = s ? s->Ligne(editeur_->Ligne - 1) : nullptr;
    if (!l)
        return;
    editeur_->setText(l->Place() == -1 ? QString() : QString::number(l->Place()));
    editeur_->selectAll();
}

void TFicheTableauCompet::ValiderEdition() {
    if (!editeur_ || !editeur_->isVisible() || !tableau_)
        return;
    TSerieCompet* s = tableau_->Serie(editeur_->Serie);
    TLigneSerie* l = s ? s->Ligne(editeur_->Ligne - 1) : nullptr;
    if (!l)
        return;
    bool ok = false;
    const int valeur = editeur_->text().toInt(&ok);
    l->SetPlace(editeur_->text().isEmpty() || !ok ? -1 : valeur);
    tableau_->Propager();
    paintBox_->update();
}

bool TFicheTableauCompet::eventFilter(QObject* objet, QEvent* e) {
    if (objet == editeur_ && e->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(e);
        const bool libre = !(touche->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
        if (libre && touche->key() == Qt::Key_Tab && !(touche->modifiers() & Qt::ShiftModifier)) {
            LigneSuivante();
            return true;
        }
        if (libre && (touche->key() == Qt::Key_Backtab ||
                      (touche->key() == Qt::Key_Tab && (touche->modifiers() & Qt::ShiftModifier)))) {
            LignePrecedente();
            return true;
        }
        if (touche->key() == Qt::Key_Escape) {
            TerminerEdition(false);
            paintBox_->setFocus();
            return true;
        }
        if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
            // Enter validates the place and stays on it.
            ValiderEdition();
            ChargerEditeur();
            return true;
        }
    }
    return QDialog::eventFilter(objet, e);
}

void TFicheTableauCompet::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F2) {
        DebuterEdition();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFicheTableauCompet::mousePressEvent(QMouseEvent* e) {
    TerminerEdition(false);
    QDialog::mousePressEvent(e);
}

void TFicheTableauCompet::mouseDoubleClickEvent(QMouseEvent* e) {
    EditerA(paintBox_->mapFrom(this, e->position().toPoint()));
}

void TFicheTableauCompet::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // F2 starts the editing at once.
    paintBox_->setFocus();
}

void TFicheTableauCompet::hideEvent(QHideEvent* e) {
    TerminerEdition(true);
    QDialog::hideEvent(e);
}

void TFicheTableauCompet::BoutonPrintSetupClick() {
    ConfigurerImprimante(this, imprimante_);
}

void TFicheTableauCompet::BoutonPrintClick() {
    TerminerEdition(false);
    if (!tableau_ || !choix_->Executer(*tableau_))
        return;
    const int selecteur = choix_->Selection();
    TTableauCompet* t = tableau_;
    const TCategorieCompet* categorie = t->Owner();
    const TCompet* compet = categorie ? categorie->Owner() : nullptr;
    TTravailImpression travail;
    travail.titre = "Tableau de compétition";
    travail.orientation =
        (selecteur > 0 ? t->OrientationSerie(parametres_.SeriesDemiA4) : t->OrientationTableau()) == 0
            ? Orientation::Portrait
            : Orientation::Paysage;
    travail.statut = "Impression tableau de compétition (%d/%d)...";
    const TParametresTableau parametres = parametres_;
    travail.dessin = [t, selecteur, parametres](TCanevas& c) {
        t->SetZoneAffichage({0, 0, 2970, 2100});
        DessinerTableau(*t, c, selecteur, true, parametres);
        t->SetZoneAffichage({0, 0, 0, 0});
    };
    if (compet)
        travail.ligneJournal = "Impression du tableau de compétition \"" + compet->Intitule() + "\" - " +
                               compet->NomDeCategorie(categorie);
    LancerImpression(this, imprimante_, std::move(travail), "Tableau de compétition");
}

QImage TFicheTableauCompet::Image() const {
    if (!tableau_)
        return {};
    QImage image(TaillePixels(*tableau_), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PeindreTableau(*tableau_, painter, parametres_);
    return image;
}

void TFicheTableauCompet::BoutonCopierClick() {
    if (!tableau_)
        return;
    TerminerEdition(false);
    QApplication::clipboard()->setImage(Image());
}

void TFicheTableauCompet::BoutonAideClick() {
    aide_->exec();
}

} // namespace tramonta
