// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fenetre/main_fenetre.h"

#include "core/messages.h"
#include "core/partage.h"
#include "model/exercice.h"
#include "model/exercice_fichier.h"
#include "model/export_tableur.h"
#include "model/nouvelle_saison.h"
#include "model/textes_journal.h"
#include "platform/choix_fichier.h"
#include "platform/preferences.h"
#include "platform/raccourci.h"
#include "platform/reglages.h"
#include "ui/bdd/fiche_adherent.h"
#include "ui/bdd/fiche_bdd.h"
#include "ui/bdd/fiche_correspondant.h"
#include "ui/bdd/fiche_criteres_requete.h"
#include "ui/bdd/fiche_liste_comptes.h"
#include "ui/bdd/fiche_publipostage.h"
#include "ui/bdd/fiches_impression_adherents.h"
#include "ui/communs/agenda.h"
#include "ui/communs/fiche_print_progress.h"
#include "ui/communs/sous_vue.h"
#include "ui/compet/fiche_compets.h"
#include "ui/compta/fiche_compta.h"
#include "ui/compta/fiche_compte.h"
#include "ui/compta/fiche_ecriture.h"
#include "ui/compta/fiche_impression_compta.h"
#include "ui/compta/fiches_edition_compta.h"
#include "ui/fenetre/a_propos.h"
#include "ui/fenetre/fiche_cartes_meteo.h"
#include "ui/fenetre/fiche_preferences.h"
#include "ui/fenetre/fiche_protection.h"
#include "ui/fenetre/fichiers_recents.h"
#include "ui/fenetre/surete.h"
#include "ui/fichier/exports_tableur.h"
#include "ui/fichier/fiche_import_adherents_csv.h"
#include "ui/fichier/fiche_imports.h"
#include "ui/fichier/fiche_nouvelle_saison.h"
#include "ui/principal/fiche_principale.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace tramonta {

namespace {
TMain* gInstance = nullptr;

const QString kPosition = QStringLiteral("Position MainFrame");

void Erreur(const std::string& texte) {
    MessageBoxTexte(texte, "Erreur", MB_OK | MB_ICONERROR);
}
} // namespace

TMain* TMain::Instance() {
    return gInstance;
}

// The print previews, their dialogs and the progress window are made the
// first time they are used: the start neither waits for them nor touches the
// print system.
namespace {
// Made at the first call, owned by the main window after.
template <class T, class... Arguments> T& ALaDemande(T*& fiche, Arguments&&... arguments) {
    if (!fiche)
        fiche = new T(std::forward<Arguments>(arguments)...);
    return *fiche;
}
} // namespace

TFicheImpressionAdherent& TMain::FicheImpressionAdherent() {
    return ALaDemande(ficheImpressionAdherent_, this);
}

TFicheImpressionCorrespondant& TMain::FicheImpressionCorrespondant() {
    return ALaDemande(ficheImpressionCorrespondant_, this);
}

TFicheImpressionAdherents& TMain::FicheImpressionAdherents() {
    return ALaDemande(ficheImpressionAdherents_, this);
}

TFichePrintProgress& TMain::FichePrintProgress() {
    return ALaDemande(fichePrintProgress_, this);
}

TFicheImpressionCompta& TMain::FicheImpressionCompta() {
    return ALaDemande(ficheImpressionCompta_, this);
}

TFicheMouvementsCompta& TMain::FicheMouvementsCompta() {
    return ALaDemande(ficheMouvementsCompta_, FicheImpressionCompta(), this);
}

TFicheDepotsBancaires& TMain::FicheDepotsBancaires() {
    return ALaDemande(ficheDepotsBancaires_, FicheImpressionCompta(), this);
}

TMain::TMain(const QStringList& arguments, QWidget* parent) : QMainWindow(parent) {
    setObjectName("Main");
    setWindowIcon(QIcon(":/icones/TRAMONTA.svg"));
    resize(980, 680);

    // The splash shows while the rest is made, and for five seconds.
    splash_ = new TEcranAccueil(this);
    timerSplash_ = new QTimer(this);
    timerSplash_->setObjectName("TimerSplash");
    timerSplash_->setInterval(5000);
    timerSplash_->setSingleShot(true);
    connect(timerSplash_, &QTimer::timeout, this, &TMain::TimerSplashTimer);
    if (QScreen* ecran = QGuiApplication::primaryScreen())
        splash_->move(ecran->availableGeometry().center() - splash_->rect().center());

    // Every dialog is made once, hidden, and reused for the whole run.
    aboutForm_ = new TAboutForm(this);
    ficheEcriture_ = new TFicheEcriture(this);
    ficheCompte_ = new TFicheCompte(*ficheEcriture_, this);
    ficheProtectionDocument_ = new TFicheProtectionDocument(this);
    ficheProtection_ = new TFicheProtection(this);
    fichePreferences_ = new TFichePreferences(this);
    ficheImports_ = new TFicheImports(this);
    ficheImports_->DemanderMotPasse = [this] { return ficheProtection_->Demander(); };
    ficheImportAdherentsCsv_ = new TFicheImportAdherentsCsv(this);
    ficheCartesMeteo_ = new TFicheCartesMeteo(this);
    ficheListeComptes_ = new TFicheListeComptes(this);
    ficheAdherent_ = new TFicheAdherent(*ficheListeComptes_, this);
    ficheAdherent_->OuvrirEcritureAutomatique = [this](TLigneEcriture& ligne, double montantAffiche) {
        if (const auto saisie = ficheEcriture_->ExecuterAutomatique(ligne, montantAffiche))
            ligne.CopierChamps(*saisie);
    };
    ficheAdherent_->ImprimerFiche = [this](const TAdherent& a) { FicheImpressionAdherent().Montrer(a); };
    ficheCorrespondant_ = new TFicheCorrespondant(this);
    ficheCorrespondant_->ImprimerFiche = [this](const TCorrespondant& c) {
        FicheImpressionCorrespondant().Montrer(c);
    };
    ficheCriteresRequete_ = new TFicheCriteresRequete(this);
    ficheNouvelleSaison_ = new TFicheNouvelleSaison(this);
    ficheCompte_->MontrerMouvements = [this](const TCompte& compte) {
        FicheImpressionCompta().MontrerMouvementsCompte(*exercice_, compte);
    };

    recentFileList_ = new TRecentFileList(this);
    recentFileList_->SetMaxEntries(4);
    recentFileList_->SetMode(TRecentFileList::rflSubMenu);
    recentFileList_->SetInitialCounter(0);
    recentFileList_->OnMenuClick = [this](QString chemin) { OuvrirExercice(std::move(chemin)); };
    CreerMenus();
    recentFileList_->SetTexte(ReadRegString("MRU", "MRU", QString()));

    exercice_ = std::make_unique<TExercice>();
    fichePublipostage_ = new TFichePublipostage(*exercice_, *ficheCriteresRequete_, this);
    fichePublipostage_->SetProgression([this]() -> TProgression& { return FichePrintProgress(); });
    DefinirExerciceJournal(exercice_.get());
    DefinirProgressionImpression(this, [this]() -> TFichePrintProgress& { return FichePrintProgress(); });
    gInstance = this;
    surete_ = new TSurete(
        *exercice_, [this] { return fichierCourant_; }, this);
    surete_->DemanderMotPasse = [this] { return ficheProtection_->Demander(); };
    CreerPanneau();
    RafraichirPages();
    CreerExercice();
    // After an unexpected end, the copy it left comes before the file named.
    const TSurete::Recuperation recuperation = surete_->ProposerRecuperation();
    if (recuperation.choix == TSurete::Recuperation::Recuperee) {
        fichierCourant_ = recuperation.chemin;
        MettreAJourTitre();
        RafraichirPages();
    } else if (recuperation.choix == TSurete::Recuperation::OuvrirEnregistre) {
        OuvrirExercice(recuperation.chemin);
    } else {
        if (recuperation.choix == TSurete::Recuperation::Refusee)
            CreerExercice();
        if (arguments.size() == 1)
            OuvrirExercice(arguments.constFirst());
    }
    setAcceptDrops(true);
    RestoreWindowPosition(*this, kPosition);
    // Showing a window lets pending events through: the splash waits until
    // everything that they may reach exists.
    splash_->show();
    timerSplash_->start();
}

TMain::~TMain() {
    // The pages and the mail merge hold a reference to the document: they
    // go first.
    for (TSousVue*& p : pages_) {
        delete p;
        p = nullptr;
    }
    delete fichePublipostage_;
    fichePublipostage_ = nullptr;
    if (ExerciceJournal() == exercice_.get())
        DefinirExerciceJournal(nullptr);
    delete surete_;
    surete_ = nullptr;
    exercice_.reset();
    WriteRegString("MRU", "MRU", recentFileList_->Texte());
    OublierProgressionImpression(this);
    if (gInstance == this)
        gInstance = nullptr;
}

QAction* TMain::Action(const char* nom, const QString& texte, const QString& icone) {
    auto* a = new QAction(texte, this);
    a->setObjectName(nom);
    if (!icone.isEmpty())
        a->setIcon(QIcon(":/icones/" + icone + ".svg"));
    return a;
}

void TMain::CreerMenus() {
    QMenuBar* barre = menuBar();
    barre->setObjectName("MainMenu1");

    QMenu* fichier = barre->addMenu("&Fichier");
    fichier->setObjectName("MenuFichier");
    QAction* nouvel = Action("MenuNouvelExercice", "&Nouvel exercice", "NOUVEAU");
    nouvel->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* nouvelleSaison = Action("MenuNouvelExerciceAPartir", "Nouvel exercice à &partir de celui-ci…");
    QAction* ouvrir = Action("MenuOuvrirExercice", "&Ouvrir un exercice...", "OUVRIR");
    ouvrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* sauver = Action("MenuSauverExercice1", "&Sauver l'exercice", "ENREGISTRER");
    sauver->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* sauverSous = Action("MenuSauverExerciceSous", "&Sauver l'exercice sous...");
    fichier->addAction(nouvel);
    fichier->addAction(nouvelleSaison);
    fichier->addAction(ouvrir);
    fichier->addAction(sauver);
    fichier->addAction(sauverSous);
    fichier->addSeparator();
    QMenu* recents = fichier->addMenu("&Fichiers récents");
    recents->setObjectName("FichiersRecents");
    recents->menuAction()->setObjectName("MenuFichiersRecents");
    recentFileList_->SetMenuItem(fichier, recents->menuAction());
    QMenu* importer = fichier->addMenu("&Importer");
    importer->setObjectName("MenuImporter");
    QAction* importerTramonta = Action("MenuImporterFichierTramonta", "&Fichier Tramonta");
    importer->addAction(importerTramonta);
    QAction* importerCsv = Action("MenuImporterAdherentsCsv", "&Adhérents (CSV)...");
    importer->addAction(importerCsv);
    connect(importerCsv, &QAction::triggered, this, &TMain::MenuImporterAdherentsCsvClick);
    TSourcesExports sources;
    sources.validerSaisie = [this] { ValiderSaisie(); };
    sources.exercice = [this]() -> TExercice& { return Exercice(); };
    sources.fichierCourant = [this] { return FichierCourant(); };
    sources.adherentsAffiches = [this] {
        auto* bdd = qobject_cast<TFicheBDD*>(Page(1));
        return bdd ? bdd->AdherentsAffiches() : TousLesAdherents(Exercice().Adherents());
    };
    sources.criteres = [this]() -> const TCriteresRequete& { return FicheCriteresRequete().Criteres(); };
    exportsTableur_ = new TExportsTableur(*this, std::move(sources));
    exportsTableur_->CreerMenu(*fichier);
    fichier->addSeparator();
    QAction* quitter = Action("MenuQuitter", "&Quitter");
    quitter->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    fichier->addAction(quitter);

    QMenu* edition = barre->addMenu("&Edition");
    edition->setObjectName("MenuEdition");
    QMenu* base = edition->addMenu("&Base de données");
    QAction* publipostage = Action("MenuPublipostage", "&Publipostage...");
    base->addAction(publipostage);
    QMenu* compta = edition->addMenu("&Comptabilité");
    QAction* bilan = Action("MenuBilanComptable", "&Bilan comptable...");
    QAction* mouvements = Action("MenuMouvements", "&Mouvements...");
    QAction* depots = Action("MenuDepotsBancaires", "Dépôts bancaires...");
    compta->addActions({bilan, mouvements, depots});
    connect(bilan, &QAction::triggered, this, &TMain::MenuBilanComptableClick);
    connect(mouvements, &QAction::triggered, this, &TMain::MenuMouvementsClick);
    connect(depots, &QAction::triggered, this, &TMain::MenuDepotsBancairesClick);
    connect(publipostage, &QAction::triggered, this, [this] { fichePublipostage_->exec(); });

    QMenu* outils = barre->addMenu("&Outils");
    outils->setObjectName("MenuOutils");
    QAction* protection = Action("MenuProtection", "&Protection", "CADENAS");
    QAction* preferences = Action("MenuPreferences", "Pré&férences", "PREFERENCES");
    QAction* cartes = Action("MenuCartesMeteo", "&Cartes météo");
    outils->addActions({protection, preferences, cartes});

    QMenu* aide = barre->addMenu("&Aide");
    aide->setObjectName("MenuAide");
    QAction* aPropos = Action("MenuAPropos", "A &propos", "AIDE");
    aide->addAction(aPropos);

    connect(nouvel, &QAction::triggered, this, &TMain::MenuNouvelExerciceClick);
    connect(nouvelleSaison, &QAction::triggered, this, &TMain::MenuNouvelExerciceAPartirClick);
    connect(ouvrir, &QAction::triggered, this, &TMain::MenuOuvrirExerciceClick);
    connect(sauver, &QAction::triggered, this, &TMain::MenuSauverExercice1Click);
    connect(sauverSous, &QAction::triggered, this, &TMain::MenuSauverExerciceSousClick);
    connect(importerTramonta, &QAction::triggered, this, &TMain::MenuImporterFichierTramontaClick);
    connect(quitter, &QAction::triggered, this, &QWidget::close);
    connect(protection, &QAction::triggered, this, &TMain::MenuProtectionClick);
    connect(preferences, &QAction::triggered, this, &TMain::MenuPreferencesClick);
    connect(cartes, &QAction::triggered, this, &TMain::MenuCartesMeteoClick);
    connect(aPropos, &QAction::triggered, this, &TMain::MenuAProposClick);

    // The tool bar runs the same handlers; its hints show in the status bar.
    QToolBar* outilsBarre = addToolBar("Barre d'outils");
    outilsBarre->setObjectName("MainToolbar");
    outilsBarre->setMovable(false);
    outilsBarre->setIconSize(QSize(24, 24));
    struct Bouton {
        const char* nom;
        QAction* action;
        const char* bulle;
    };
    const Bouton boutons[] = {{"BoutonNouveau", nouvel, "Nouvel exercice"},
                              {"BoutonOuvrir", ouvrir, "Ouvrir un exercice"},
                              {"BoutonEnregistrer", sauver, "Sauver l'exercice"},
                              {"BoutonAide", aPropos, "A propos de Tramonta..."},
                              {nullptr, nullptr, nullptr},
                              {"BoutonPreferences", preferences, "Préférences..."}};
    for (const Bouton& b : boutons) {
        if (!b.action) {
            outilsBarre->addSeparator();
            continue;
        }
        auto* bouton = new QToolButton(outilsBarre);
        bouton->setObjectName(b.nom);
        bouton->setIcon(b.action->icon());
        // An icon alone says nothing to a screen reader: the hint is its name.
        bouton->setToolTip(b.bulle);
        bouton->setAccessibleName(b.bulle);
        bouton->setStatusTip(b.bulle);
        bouton->setAutoRaise(true);
        connect(bouton, &QToolButton::clicked, b.action, &QAction::trigger);
        outilsBarre->addWidget(bouton);
    }

    auto* etat = new QStatusBar(this);
    etat->setObjectName("StatusBar");
    setStatusBar(etat);
}

void TMain::CreerPanneau() {
    auto* centre = new QWidget(this);
    auto* panneau = new QFrame(centre);
    panneau->setObjectName("PanneauPrincipal");
    panneau->setFixedWidth(169);
    panneau->setFrameShape(QFrame::StyledPanel);
    boutonsPages_ = new QButtonGroup(this);
    boutonsPages_->setExclusive(true);
    auto* colonne = new QVBoxLayout(panneau);
    colonne->setContentsMargins(6, 6, 6, 6);
    colonne->setSpacing(6);
    struct PageBouton {
        const char* nom;
        const char* texte;
        const char* bulle;
        const char* icone;
    };
    const PageBouton boutons[] = {{"BoutonPrincipal", "Principal ", "Page principale", "PAGE_PRINCIPAL"},
                                  {"BoutonBDD", "Base de données", "Page base de données", "PAGE_BDD"},
                                  {"BoutonCompta", "Compta", "Page comptabilité", "PAGE_COMPTA"},
                                  {"BoutonCompet", "Compétition", "Page compétition", "PAGE_COMPET"}};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QToolButton(panneau);
        b->setObjectName(boutons[i].nom);
        b->setText(boutons[i].texte);
        // The button says its text; the hint describes it. A voice-control
        // user names the button by what it shows.
        b->setToolTip(boutons[i].bulle);
        b->setAccessibleDescription(boutons[i].bulle);
        b->setStatusTip(boutons[i].bulle);
        b->setIcon(QIcon(QStringLiteral(":/icones/%1.svg").arg(boutons[i].icone)));
        b->setIconSize(QSize(48, 48));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setMinimumHeight(88);
        boutonsPages_->addButton(b, i);
        colonne->addWidget(b);
    }
    colonne->addStretch();
    // A button turned on by any means (a click, the keyboard, a screen
    // reader's toggle action) brings its page.
    connect(boutonsPages_, &QButtonGroup::idToggled, this, [this](int numero, bool enfonce) {
        if (enfonce && numero != pageCourante_)
            ChoisirPage(numero);
    });

    zonePages_ = new QStackedWidget(centre);
    zonePages_->setObjectName("ZonePages");
    pages_[0] = new TFichePrincipale(*exercice_, zonePages_);
    auto* bdd =
        new TFicheBDD(*exercice_, *ficheAdherent_, *ficheCorrespondant_, *ficheCriteresRequete_, zonePages_);
    bdd->AfficherListeAdherents = [this](TAdherents& adherents, const TCriteresRequete& criteres) {
        FicheImpressionAdherents().Montrer(adherents, criteres);
    };
    pages_[1] = bdd;
    pages_[2] = new TFicheCompta(*exercice_, *ficheCompte_, zonePages_);
    pages_[3] = new TFicheCompets(*exercice_, zonePages_);
    const char* noms[] = {"FichePrincipale", "FicheBDD", "FicheCompta", "FicheCompets"};
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        pages_[i]->setObjectName(noms[i]);
        zonePages_->addWidget(pages_[i]);
    }

    auto* ligne = new QHBoxLayout(centre);
    ligne->setContentsMargins(0, 0, 0, 0);
    ligne->setSpacing(0);
    ligne->addWidget(panneau);
    ligne->addWidget(zonePages_, 1);
    setCentralWidget(centre);
}

void TMain::ChoisirPage(int numero) {
    pageCourante_ = numero;
    AfficherPage();
}

void TMain::AfficherPage() {
    if (QAbstractButton* b = boutonsPages_->button(pageCourante_))
        b->setChecked(true);
    zonePages_->setCurrentIndex(pageCourante_);
}

void TMain::RafraichirPages() {
    for (TSousVue* p : pages_)
        if (p)
            p->Afficher();
}

void TMain::MettreAJourTitre() {
    setWindowTitle(fichierCourant_.isEmpty() ? QStringLiteral("Tramonta") : "Tramonta - " + fichierCourant_);
}

void TMain::CreerExercice() {
    exercice_->Clear();
    RafraichirPages();
    pageCourante_ = 0;
    AfficherPage();
    fichierCourant_.clear();
    MettreAJourTitre();
    surete_->Ferme();
    // A new document holds its "Création" line but is not yet worth saving.
    AjouterLigneAgenda(TexteJournalCreation());
    TAgenda& agenda = exercice_->Agenda();
    agenda.Modified = false;
    if (TLigneAgenda* l = agenda.Ligne(agenda.Count() - 1))
        l->Modified = false;
}

void TMain::ValiderSaisie() {
    // Moving the focus away and back makes the focused edit store its
    // pending text into the document.
    QWidget* focus = focusWidget();
    if (!focus)
        return;
    focus->clearFocus();
    focus->setFocus(Qt::OtherFocusReason);
}

int TMain::DemanderSauvegarde() {
    ValiderSaisie();
    if (!exercice_->IsModified())
        return IDYES;
    const int r = MessageBoxTexte("Voulez-vous sauver l'exercice en cours ?", "Question",
                                  MB_YESNOCANCEL | MB_ICONQUESTION);
    if (r == IDYES && !MenuSauverExercice1Click())
        return IDCANCEL;
    if (r == IDNO)
        surete_->OublierCopie();
    return r;
}

void TMain::OuvrirExercice(QString chemin) {
    if (DemanderSauvegarde() == IDCANCEL)
        return;
    // A shortcut or a symbolic link opens its target, and the title shows it.
    QString fichier;
    if (!ResoudreRaccourci(chemin, fichier))
        return;
    const QString absolu = fichier.isEmpty() ? fichier : QFileInfo(fichier).absoluteFilePath();
    if (!surete_->AvantOuverture(absolu))
        return;
    fichierCourant_ = absolu;
    TEmpreinte empreinte;
    if (!ChargerExercice(*exercice_, fichierCourant_.toStdString(), &empreinte)) {
        recentFileList_->RemoveFile(fichierCourant_);
        fichierCourant_.clear();
        surete_->Ferme();
        RafraichirPages();
    } else if (exercice_->VerifierMotPasse([this] { return ficheProtection_->Demander(); })) {
        surete_->Ouvert(fichierCourant_, empreinte);
        RafraichirPages();
        recentFileList_->AddFile(fichierCourant_);
    } else {
        Erreur("Mot de passe incorrect !");
        CreerExercice();
    }
    MettreAJourTitre();
    pageCourante_ = 0;
    AfficherPage();
}

void TMain::MenuNouvelExerciceClick() {
    if (DemanderSauvegarde() != IDCANCEL)
        CreerExercice();
}

void TMain::MenuNouvelExerciceAPartirClick() {
    if (DemanderSauvegarde() == IDCANCEL)
        return;
    if (ficheNouvelleSaison_->Executer(*exercice_) != QDialog::Accepted)
        return;
    std::string erreur;
    if (!CommencerNouvelleSaison(*exercice_, ficheNouvelleSaison_->Options(), erreur)) {
        Erreur(erreur);
        return;
    }
    // The file it came from stays as it is: the first save asks for a name.
    fichierCourant_.clear();
    surete_->Ferme();
    MettreAJourTitre();
    RafraichirPages();
    pageCourante_ = 0;
    AfficherPage();
}

void TMain::MenuOuvrirExerciceClick() {
    DemandeFichier d;
    d.titre = "Ouverture d'un fichier Tramonta...";
    d.filtre = kFiltreTramonta;
    d.suffixe = "trm";
    d.initial = fichierCourant_;
    if (const auto chemin = ChoisirFichier(this, d))
        OuvrirExercice(*chemin);
}

bool TMain::MenuSauverExercice1Click() {
    ValiderSaisie();
    if (fichierCourant_.isEmpty())
        return MenuSauverExerciceSousClick();
    if (!exercice_->IsModified())
        return true;
    switch (surete_->AvantEcriture(fichierCourant_)) {
    case TSurete::Ecriture::Annuler:
        return false;
    case TSurete::Ecriture::EnregistrerSous:
        return MenuSauverExerciceSousClick();
    case TSurete::Ecriture::Ecraser:
        break;
    }
    TEmpreinte empreinte;
    if (!EnregistrerExercice(*exercice_, fichierCourant_.toStdString(), &empreinte))
        return false;
    surete_->Ecrit(fichierCourant_, empreinte);
    return true;
}

bool TMain::MenuSauverExerciceSousClick() {
    ValiderSaisie();
    DemandeFichier d;
    d.sens = DemandeFichier::Sens::Enregistrer;
    d.titre = "Sauvegarde d'un fichier Tramonta";
    d.filtre = kFiltreTramonta;
    d.suffixe = "trm";
    d.initial = fichierCourant_;
    const auto chemin = ChoisirFichier(this, d);
    if (!chemin)
        return false;
    const QString absolu = QFileInfo(*chemin).absoluteFilePath();
    // The same file again: someone may have changed it meanwhile. Another
    // file may be open in another officer's window.
    if (absolu == fichierCourant_ ||
        (!fichierCourant_.isEmpty() && MemeFichier(absolu.toStdString(), fichierCourant_.toStdString()))) {
        switch (surete_->AvantEcriture(fichierCourant_)) {
        case TSurete::Ecriture::Annuler:
            return false;
        case TSurete::Ecriture::EnregistrerSous:
            return MenuSauverExerciceSousClick();
        case TSurete::Ecriture::Ecraser:
            break;
        }
    } else if (!surete_->AvantEcritureSous(absolu)) {
        return false;
    }
    fichierCourant_ = absolu;
    MettreAJourTitre();
    TEmpreinte empreinte;
    const bool ecrit = EnregistrerExercice(*exercice_, fichierCourant_.toStdString(), &empreinte);
    if (ecrit)
        surete_->Ecrit(fichierCourant_, empreinte);
    recentFileList_->AddFile(fichierCourant_);
    return ecrit;
}

void TMain::MenuImporterFichierTramontaClick() {
    if (ficheImports_->Executer(*exercice_) == QDialog::Accepted)
        RafraichirPages();
}

void TMain::MenuImporterAdherentsCsvClick() {
    if (ImporterAdherentsCsv(this, *exercice_, *ficheImportAdherentsCsv_))
        RafraichirPages();
}

void TMain::MenuProtectionClick() {
    const std::optional<std::string> nouveau =
        ficheProtectionDocument_->Demander(TExercice::DecoderMotPasse(exercice_->MotPasse()));
    if (!nouveau)
        return;
    exercice_->SetMotPasse(TExercice::CoderMotPasse(*nouveau));
    MessageBoxTexte("Le nouveau mot de passe sera pris en compte dès la prochaine sauvegarde de l'exercice.",
                    "Informations", MB_OK | MB_ICONINFORMATION);
}

void TMain::MenuPreferencesClick() {
    // The result keeps only what the way the dialog was closed lets through.
    fichePreferences_->Executer(Preferences());
    Preferences() = fichePreferences_->Resultat();
}

void TMain::MenuCartesMeteoClick() {
    ficheCartesMeteo_->Executer(Preferences().ServeurCartes);
}

void TMain::MenuAProposClick() {
    aboutForm_->exec();
}

void TMain::TimerSplashTimer() {
    timerSplash_->stop();
    if (splash_)
        splash_->close();
}

void TMain::closeEvent(QCloseEvent* e) {
    if (DemanderSauvegarde() == IDCANCEL) {
        e->ignore();
        return;
    }
    SaveWindowPosition(*this, kPosition);
    surete_->Quitter();
    TimerSplashTimer();
    e->accept();
    emit Fermee();
}

void TMain::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void TMain::dropEvent(QDropEvent* e) {
    QStringList fichiers;
    for (const QUrl& u : e->mimeData()->urls())
        if (u.isLocalFile())
            fichiers << u.toLocalFile();
    if (fichiers.isEmpty())
        return;
    e->acceptProposedAction();
    if (fichiers.size() >= 2) {
        Erreur("Impossible d'ouvrir plusieurs fichiers à la fois !");
        return;
    }
    OuvrirExercice(fichiers.constFirst());
}

void TMain::MenuBilanComptableClick() {
    FicheImpressionCompta().MontrerBilan(*exercice_);
}

void TMain::MenuMouvementsClick() {
    FicheMouvementsCompta().Executer(*exercice_);
}

void TMain::MenuDepotsBancairesClick() {
    FicheDepotsBancaires().Executer(*exercice_);
}

} // namespace tramonta
