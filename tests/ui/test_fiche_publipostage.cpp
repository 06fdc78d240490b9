// SPDX-License-Identifier: GPL-3.0-or-later
// The mail merge dialog on its real widgets, over a scripted word processor.
#include "core/messages.h"
#include "model/exercice.h"
#include "outils_publipostage.h"
#include "outils_shell.h"
#include "platform/preferences.h"
#include "ui/bdd/fiche_criteres_requete.h"
#include "ui/bdd/fiche_publipostage.h"
#include "ui/communs/agenda.h"
#include "ui/communs/fiche_print_progress.h"
#include "ui/modeles/tri_liste.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>

#include <memory>

namespace tramonta::test {
namespace {

class FichePublipostage : public TestFenetre {
  protected:
    void SetUp() override {
        TestFenetre::SetUp();
        DefinirExerciceJournal(&exercice_);
        DefinirFabriqueTraitementTexte([this] {
            ++creations_;
            auto wp = std::make_unique<TTraitementFactice>();
            wp->lettre = lettre_;
            wp->avant = avant_;
            dernier_ = wp.get();
            // The test reads the calls after the dialog dropped the object.
            return std::unique_ptr<TTraitementTexte>(new Temoin(std::move(wp), this));
        });
        lettre_ = {"Bonjour ", "PrénomAdhérent ", "NomAdhérent ", "NomCorrespondant"};
        for (auto [nom, prenom, montant] :
             {std::tuple{"Tanguy", "Awen", 0.0}, std::tuple{"Le Goff", "Maël", 40.0},
              std::tuple{"Abgrall", "Yann", 40.0}}) {
            auto a = std::make_unique<TAdherent>(&exercice_.Adherents());
            a->SetNom(nom);
            a->SetPrenom(prenom);
            a->SetMontantLicence(montant);
            exercice_.Adherents().Add(std::move(a));
        }
        auto c = std::make_unique<TCorrespondant>(&exercice_.Correspondants());
        c->SetNom("Mairie");
        exercice_.Correspondants().Add(std::move(c));
        lettre_chemin_ = Chemin("lettre.odt");
        QFile f(lettre_chemin_);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    void TearDown() override {
        fiche_.reset();
        DefinirFabriqueTraitementTexte({});
        DefinirExerciceJournal(nullptr);
    }

    // Keeps the calls of each word processor that the dialog made.
    class Temoin : public TTraitementTexte {
      public:
        Temoin(std::unique_ptr<TTraitementFactice> wp, FichePublipostage* test)
            : wp_(std::move(wp)), test_(test) {}
        ~Temoin() override {
            test_->appels_.insert(test_->appels_.end(), wp_->appels.begin(), wp_->appels.end());
            test_->copies_.insert(test_->copies_.end(), wp_->copies.begin(), wp_->copies.end());
            test_->dernier_ = nullptr;
        }
        void Attacher(bool n) override { wp_->Attacher(n); }
        void Montrer() override { wp_->Montrer(); }
        void Ouvrir(const std::string& f) override { wp_->Ouvrir(f); }
        int NombreMots() override { return wp_->NombreMots(); }
        std::string TexteMot(int i) override { return wp_->TexteMot(i); }
        void EcrireMot(int i, const std::string& t) override { wp_->EcrireMot(i, t); }
        void Imprimer() override { wp_->Imprimer(); }
        int ImpressionEnCours() override { return wp_->ImpressionEnCours(); }
        void FermerSansEnregistrer() override { wp_->FermerSansEnregistrer(); }
        void Quitter() override { wp_->Quitter(); }

      private:
        std::unique_ptr<TTraitementFactice> wp_;
        FichePublipostage* test_;
    };

    TFichePublipostage& Fiche() {
        if (!fiche_) {
            fiche_ = std::make_unique<TFichePublipostage>(exercice_, criteres_);
            fiche_->show();
        }
        return *fiche_;
    }
    QTreeView* Liste(const char* nom) { return Fiche().findChild<QTreeView*>(nom); }
    bool Actif(const char* bouton) { return Fiche().findChild<QAbstractButton*>(bouton)->isEnabled(); }
    QString Criteres() { return Fiche().findChild<QLabel*>("LabelCriteres")->text(); }
    // Rows as shown, counted from 0.
    void Selectionner(const char* liste, std::initializer_list<int> lignes) {
        QTreeView* vue = Liste(liste);
        vue->clearSelection();
        for (int l : lignes)
            vue->selectionModel()->select(vue->model()->index(l, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    std::vector<std::string> Journal() const { return test::Journal(exercice_); }

    TExercice exercice_;
    TFicheCriteresRequete criteres_;
    std::unique_ptr<TFichePublipostage> fiche_;
    std::vector<std::string> lettre_;
    std::function<void(const std::string&)> avant_;
    QString lettre_chemin_;
    int creations_ = 0;
    TTraitementFactice* dernier_ = nullptr;
    std::vector<std::string> appels_;
    std::vector<std::string> copies_;
};

TEST_F(FichePublipostage, LesBoutonsSuiventLeFichierEtLesSelections) {
    const struct {
        bool fichier;
        std::initializer_list<int> adherents;
        std::initializer_list<int> correspondants;
        bool word, lancer, criteres;
    } cas[] = {
        {false, {}, {}, false, false, false}, {false, {0}, {}, false, false, false},
        {true, {}, {}, true, false, false},   {true, {0, 2}, {}, true, true, true},
        {true, {}, {0}, true, true, false},   {true, {1}, {0}, true, false, false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(::testing::Message() << c.fichier << c.adherents.size() << c.correspondants.size());
        Taper(Fiche(), "EditFichierWord", c.fichier ? lettre_chemin_ : Chemin("absente.odt"));
        Selectionner("ListViewAdherents", c.adherents);
        Selectionner("ListViewCorrespondants", c.correspondants);
        EXPECT_EQ(Actif("BoutonWord"), c.word);
        EXPECT_EQ(Actif("BoutonLancerPublipostage"), c.lancer);
        EXPECT_EQ(Actif("BoutonCriteres"), c.criteres);
        EXPECT_EQ(Criteres(), c.criteres ? "Tous les adhérents" : "");
    }
}

TEST_F(FichePublipostage, LesListesSelectionnentPlusieursLignesEtToutAvecCtrlA) {
    QTreeView* adherents = Liste("ListViewAdherents");
    EXPECT_EQ(adherents->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(Liste("ListViewCorrespondants")->selectionMode(), QAbstractItemView::ExtendedSelection);
    adherents->setFocus();
    QTest::keyClick(adherents, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(adherents->selectionModel()->selectedRows().size(), 3);
    // In the order shown, sorted by name.
    const auto selection = Fiche().AdherentsSelectionnes();
    ASSERT_EQ(selection.size(), 3u);
    EXPECT_EQ(selection[0]->Nom(), "Abgrall");
    EXPECT_EQ(selection[2]->Nom(), "Tanguy");
    // The first click on the column in use keeps the order, the second turns it.
    Fiche().TriAdherents().CliquerColonne(0);
    Fiche().TriAdherents().CliquerColonne(0);
    EXPECT_EQ(Fiche().AdherentsSelectionnes()[0]->Nom(), "Tanguy");
}

TEST_F(FichePublipostage, LeNomDuFichierTapeRevientAuLancementSuivant) {
    Taper(Fiche(), "EditFichierWord", lettre_chemin_);
    Cliquer(Fiche(), "BoutonFermer");
    EXPECT_EQ(LireFichierPublipostage(), lettre_chemin_.toStdString());
    fiche_.reset();
    EXPECT_EQ(Fiche().findChild<QLineEdit*>("EditFichierWord")->text(), lettre_chemin_);
}

TEST_F(FichePublipostage, ParcourirPartDuFichierCourantEtLeRemplace) {
    Taper(Fiche(), "EditFichierWord", Chemin("ancienne.doc"));
    fichiers_.Repondre(lettre_chemin_);
    Cliquer(Fiche(), "BoutonParcourir");
    ASSERT_EQ(fichiers_.Demandes().size(), 1u);
    EXPECT_EQ(fichiers_.Demandes()[0].titre, "Ouverture du fichier de publipostage...");
    EXPECT_EQ(fichiers_.Demandes()[0].initial, Chemin("ancienne.doc"));
    EXPECT_EQ(Fiche().findChild<QLineEdit*>("EditFichierWord")->text(), lettre_chemin_);
    EXPECT_TRUE(Actif("BoutonWord"));
}

TEST_F(FichePublipostage, LeBoutonWordOuvreLaLettreChezLUtilisateur) {
    Taper(Fiche(), "EditFichierWord", lettre_chemin_);
    Cliquer(Fiche(), "BoutonWord");
    EXPECT_EQ(appels_,
              (std::vector<std::string>{"Attacher", "Montrer", "Ouvrir " + lettre_chemin_.toStdString()}));
    EXPECT_TRUE(messages_.Affiches().empty());

    for (const char* echec : {"Attacher", "Ouvrir"}) {
        avant_ = [echec](const std::string& appel) {
            if (appel.starts_with(echec))
                throw TErreurTraitementTexte("panne");
        };
        messages_.Repondre(IDOK);
        Cliquer(Fiche(), "BoutonWord");
        ASSERT_FALSE(messages_.Affiches().empty());
        EXPECT_EQ(messages_.Affiches().back().texte,
                  std::string("Erreur de communication avec Word !\n\r") +
                      (echec == std::string("Attacher")
                           ? "OuvrirWord : impossible d'établir la communication OLE avec l'objet Word."
                           : "BoutonWordClick : propriété de l'objet Word incorrecte.") +
                      "\n\rContacter l'auteur.");
    }
}

TEST_F(FichePublipostage, DesCriteresQuiExcluentToutLeMondeNeDemarrentRien) {
    Taper(Fiche(), "EditFichierWord", lettre_chemin_);
    Selectionner("ListViewAdherents", {0, 1}); // Abgrall and Le Goff have paid
    ScriptDialogues dialogues;
    dialogues.Puis([](QDialog& d) {
        Cliquer(d, "RadioButtonRelance");
        Cliquer(d, "BoutonOk");
    });
    Cliquer(Fiche(), "BoutonCriteres");
    EXPECT_EQ(Criteres(), "Les adhérents qui n'ont pas payé la licence");
    messages_.Repondre(IDOK);
    Cliquer(Fiche(), "BoutonLancerPublipostage");
    EXPECT_EQ(Textes(),
              (std::vector<std::string>{
                  "Il n'y a rien à imprimer ! Aucun adhérent ne correspond aux critères choisis !"}));
    EXPECT_TRUE(appels_.empty());
    EXPECT_TRUE(Journal().empty());

    // Tanguy owes the licence: one letter.
    Selectionner("ListViewAdherents", {0, 1, 2});
    messages_.Repondre(IDYES);
    Cliquer(Fiche(), "BoutonLancerPublipostage");
    EXPECT_EQ(copies_, (std::vector<std::string>{"Bonjour Awen Tanguy NomCorrespondant"}));
}

TEST_F(FichePublipostage, LancerImprimeUneCopieParDestinataireDansLOrdreAffiche) {
    Taper(Fiche(), "EditFichierWord", lettre_chemin_);
    Selectionner("ListViewAdherents", {0, 2});
    messages_.Repondre(IDYES);
    Cliquer(Fiche(), "BoutonLancerPublipostage");
    EXPECT_EQ(copies_, (std::vector<std::string>{"Bonjour Yann Abgrall NomCorrespondant",
                                                 "Bonjour Awen Tanguy NomCorrespondant"}));
    EXPECT_EQ(appels_.front(), "Attacher(nouvelle)");
    EXPECT_EQ(appels_.back(), "Quitter");
    EXPECT_EQ(Journal(), (std::vector<std::string>{"Lancement d'un publipostage avec le fichier \"" +
                                                   lettre_chemin_.toStdString() + "\""}));
    auto* progression = Fiche().findChild<TFichePrintProgress*>();
    ASSERT_NE(progression, nullptr);
    EXPECT_FALSE(progression->isVisible());
    EXPECT_TRUE(Actif("BoutonLancerPublipostage"));
}

TEST_F(FichePublipostage, AnnulerPendantLeTirageFinitLaCopieQuitteEtNeJournaliseRien) {
    Taper(Fiche(), "EditFichierWord", lettre_chemin_);
    Selectionner("ListViewAdherents", {0, 1, 2});
    avant_ = [this](const std::string& appel) {
        if (appel != "Imprimer")
            return;
        auto* progression = Fiche().findChild<TFichePrintProgress*>();
        ASSERT_TRUE(progression->isVisible());
        EXPECT_EQ(progression->findChild<QLabel*>("LabelStatus")->text(), "Adhérent Abgrall Yann");
        // The merge's controls wait while the progress window answers.
        EXPECT_FALSE(Actif("BoutonFermer"));
        Cliquer(*progression, "BoutonAnnuler");
    };
    messages_.Repondre(IDYES);
    Cliquer(Fiche(), "BoutonLancerPublipostage");
    EXPECT_EQ(copies_, (std::vector<std::string>{"Bonjour Yann Abgrall NomCorrespondant"}));
    EXPECT_EQ(appels_.back(), "Quitter");
    EXPECT_TRUE(Journal().empty());
    EXPECT_TRUE(Actif("BoutonFermer"));
}

} // namespace
} // namespace tramonta::test
