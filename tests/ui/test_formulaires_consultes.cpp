// SPDX-License-Identifier: GPL-3.0-or-later
// Looking changes nothing: every form that works on a record or a working
// copy, opened from the main window on the demonstration season, every tab,
// category, row and choice visited without typing, then confirmed with "Ok",
// leaves every record as it was (but for the journal line of the
// confirmation), and the document unmodified where nothing is written. The
// same forms edited and closed with "Annuler" leave the document exactly as
// it was.
#include "outils_shell.h"

#include "cli/json_document.h"
#include "model/exercice.h"
#include "model/tableau.h"
#include "ui/bdd/fiche_criteres_requete.h"
#include "ui/communs/sous_vue.h"
#include "ui/compet/fiche_compet.h"
#include "ui/compet/fiche_tableau_compet.h"
#include "ui/fenetre/main_fenetre.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tramonta {
namespace {

using test::Controle;
using test::Journal;
using test::ScriptDialogues;
using Json = nlohmann::ordered_json;

// How a form is closed once looked through.
enum class Fin { Ok, AnnulerApresSaisie };

// The document field by field, without its journal.
Json Contenu(const TExercice& e) {
    Json j = DocumentVersJson(e);
    j.erase("Agenda");
    return j;
}

void Selectionner(QTreeView* liste, int ligne) {
    const QModelIndex i = liste->model()->index(ligne, 0);
    liste->setCurrentIndex(i);
    liste->selectionModel()->select(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// Shows the page (0 club, 1 database, 2 accounting, 3 competitions).
QWidget& Page(TMain& m, int numero) {
    const char* boutons[] = {"BoutonPrincipal", "BoutonBDD", "BoutonCompta", "BoutonCompet"};
    Controle<QAbstractButton>(m, boutons[numero])->click();
    return *m.Page(numero);
}

// Each tab of the form shown in turn, its page given to `faire`; the whole
// form when it has no tabs.
template <class Faire> void PourChaqueOnglet(QDialog& d, Faire&& faire) {
    auto* onglets = d.findChild<QTabWidget*>("PageControl");
    const int n = onglets ? onglets->count() : 1;
    for (int o = 0; o < n; ++o) {
        if (onglets)
            onglets->setCurrentIndex(o);
        faire(onglets ? onglets->widget(o) : &d);
    }
}

// Every field of every tab visited in turn, as Tab would: a field's exit
// runs what it runs when the user leaves it.
void VisiterChamps(QDialog& d) {
    PourChaqueOnglet(d, [](QWidget* racine) {
        for (QWidget* w : racine->findChildren<QWidget*>())
            if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                 qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w)) &&
                w->isEnabled() && w->isVisible() && w->focusPolicy() != Qt::NoFocus)
                w->setFocus(Qt::TabFocusReason);
    });
    QApplication::processEvents();
}

// What a user types to change every field: a digit at the end of each
// line, a line to each memo, every check box turned over.
void SaisirPartout(QDialog& d) {
    PourChaqueOnglet(d, [](QWidget* racine) {
        for (auto* e : racine->findChildren<QLineEdit*>())
            if (e->isEnabled() && !e->isReadOnly() && e->isVisible()) {
                e->setFocus(Qt::TabFocusReason);
                e->end(false);
                QTest::keyClicks(e, "7");
            }
        for (auto* e : racine->findChildren<QPlainTextEdit*>())
            if (e->isEnabled() && !e->isReadOnly() && e->isVisible()) {
                e->setFocus(Qt::TabFocusReason);
                e->moveCursor(QTextCursor::End);
                QTest::keyClicks(e, "Ajout");
            }
        for (auto* c : racine->findChildren<QCheckBox*>())
            if (c->isEnabled() && c->isVisible())
                c->click();
    });
}

// A form that refuses to close fails the test, and is closed all the same
// so that the next one can open.
void Confirmer(QDialog& d) {
    auto* ok = Controle<QAbstractButton>(d, "BoutonOk");
    if (ok->isEnabled())
        ok->click();
    if (d.isVisible()) {
        ADD_FAILURE() << d.objectName().toStdString() << " : \"Ok\" refusé";
        d.reject();
    }
}

void Fermer(QDialog& d, Fin fin) {
    if (fin == Fin::Ok) {
        Confirmer(d);
    } else {
        SaisirPartout(d);
        Controle<QAbstractButton>(d, "BoutonAnnuler")->click();
    }
}

// Each row of `liste` (a list of the page) opened with `bouton`, looked
// through, then closed.
void ChaqueLigne(QWidget& page, const char* liste, const char* bouton, ScriptDialogues& d,
                 std::function<void(QDialog&)> action) {
    auto* vue = Controle<QTreeView>(page, liste);
    for (int i = 0; i < vue->model()->rowCount(); ++i) {
        Selectionner(vue, i);
        d.Puis(action);
        Controle<QAbstractButton>(page, bouton)->click();
    }
}

// ---- The forms ----

// Every row of one tab of the database page opened in its sheet.
std::function<void(TMain&, ScriptDialogues&, Fin)> FichesBDD(int onglet, const char* liste,
                                                             const char* bouton) {
    return [=](TMain& m, ScriptDialogues& d, Fin fin) {
        QWidget& page = Page(m, 1);
        Controle<QTabWidget>(page, "PageControl")->setCurrentIndex(onglet);
        ChaqueLigne(page, liste, bouton, d, [fin](QDialog& f) {
            VisiterChamps(f);
            Fermer(f, fin);
        });
    };
}

// Each account of both lists in the account form, each of its lines opened
// in the entry form; with Annuler, the lines are edited and confirmed in
// the entry form, and the account form is cancelled.
void Comptes(TMain& m, ScriptDialogues& d, Fin fin) {
    QWidget& page = Page(m, 2);
    for (const char* genre : {"Charge", "Produit"}) {
        Controle<QTabWidget>(page, "PageControl")->setCurrentIndex(std::string(genre) == "Charge" ? 0 : 1);
        const std::string liste = std::string("ListView") + genre + "s";
        const std::string bouton = std::string("BoutonEditerCompte") + genre;
        ChaqueLigne(page, liste.c_str(), bouton.c_str(), d, [&d, fin](QDialog& compte) {
            VisiterChamps(compte);
            ChaqueLigne(compte, "ListViewEcritures", "BoutonEditer", d, [fin](QDialog& ecriture) {
                EXPECT_EQ(ecriture.objectName(), "FicheEcriture");
                VisiterChamps(ecriture);
                // Edited and confirmed here: only the account form's
                // "Annuler" gives it up.
                if (fin == Fin::AnnulerApresSaisie) {
                    for (const char* r : {"RadioVirement", "RadioEspeces", "RadioCheque"})
                        Controle<QRadioButton>(ecriture, r)->click();
                    for (const char* e : {"EditLibelle", "EditNumeroCheque"})
                        if (auto* edit = Controle<QLineEdit>(ecriture, e); !edit->isReadOnly()) {
                            edit->setFocus(Qt::TabFocusReason);
                            edit->end(false);
                            QTest::keyClicks(edit, "7");
                        }
                }
                Confirmer(ecriture);
            });
            Fermer(compte, fin);
        });
    }
}

// Every category of every competition shown, its heat table opened and
// every place visited with Tab, each participant opened in the participant
// form and in the place form.
void Competitions(TMain& m, ScriptDialogues& d, Fin fin) {
    QWidget& page = Page(m, 3);
    ChaqueLigne(page, "ListView", "BoutonEditer", d, [&d, fin](QDialog& f) {
        auto& fiche = static_cast<TFicheCompet&>(f);
        VisiterChamps(f);
        auto* categories = Controle<QComboBox>(f, "ComboBoxCategorie");
        for (int c = 0; c < categories->count(); ++c) {
            categories->setCurrentIndex(c);
            auto* participants = Controle<QTreeView>(f, "ListViewParticipants");
            for (int p = 0; p < participants->model()->rowCount(); ++p) {
                Selectionner(participants, p);
                d.Puis([fin](QDialog& participant) {
                    EXPECT_EQ(participant.objectName(), "FicheParticipant");
                    VisiterChamps(participant);
                    Fermer(participant, fin);
                });
                Controle<QAbstractButton>(f, "BoutonEditerParticipant")->click();
                d.Puis([fin](QDialog& place) {
                    EXPECT_EQ(place.objectName(), "FichePlaceParticipant");
                    VisiterChamps(place);
                    Fermer(place, fin);
                });
                Controle<QAbstractButton>(f, "BoutonPlacerParticipant")->click();
            }
            d.Puis([fin](QDialog& fenetre) {
                auto& t = static_cast<TFicheTableauCompet&>(fenetre);
                if (!t.Tableau()) {
                    ADD_FAILURE() << "pas de tableau";
                    fenetre.reject();
                    return;
                }
                int occupees = 0;
                for (int s = 1; s <= t.Tableau()->NbSeries(); ++s)
                    occupees += t.Tableau()->Serie(s)->NbOccupees();
                QTest::keyClick(t.PaintBox(), Qt::Key_F2);
                if (occupees > 0 && t.Editeur()) {
                    if (fin == Fin::AnnulerApresSaisie) {
                        t.Editeur()->selectAll();
                        QTest::keyClick(t.Editeur(), Qt::Key_Backspace);
                    }
                    for (int k = 0; k < occupees; ++k)
                        QTest::keyClick(t.Editeur(), Qt::Key_Tab);
                    QTest::keyClick(t.Editeur(), Qt::Key_Escape);
                }
                fenetre.reject();
            });
            Controle<QAbstractButton>(f, "BoutonTableau")->click();
            if (fin == Fin::AnnulerApresSaisie)
                for (const char* r : {"Radio_0_10", "Radio_9_12", "Radio_12_20", "Radio_18_24"})
                    if (auto* radio = Controle<QRadioButton>(f, r);
                        radio->isEnabled() && !radio->isChecked()) {
                        radio->click();
                        break;
                    }
        }
        EXPECT_NE(fiche.Copie(), nullptr);
        Fermer(f, fin);
    });
}

void Criteres(TMain& m, ScriptDialogues& d, Fin fin) {
    QWidget& page = Page(m, 1);
    Controle<QTabWidget>(page, "PageControl")->setCurrentIndex(0);
    auto* fiche = m.findChild<TFicheCriteresRequete*>("FicheCriteresRequete");
    ASSERT_NE(fiche, nullptr);
    const TCriteresRequete avant = fiche->Criteres();
    d.Puis([fin](QDialog& f) {
        VisiterChamps(f);
        if (fin == Fin::AnnulerApresSaisie)
            for (auto* r : f.findChildren<QRadioButton*>()) {
                r->click();
                for (auto* c : f.findChildren<QComboBox*>())
                    if (c->isEnabled() && c->count() > 1)
                        c->setCurrentIndex(c->count() - 1);
            }
        Fermer(f, fin);
    });
    // Confirmed, the list of the members that the criteria keep is shown.
    if (fin == Fin::Ok)
        d.Puis([](QDialog& apercu) { apercu.reject(); });
    Controle<QAbstractButton>(page, "BoutonRequete")->click();
    const TCriteresRequete& apres = fiche->Criteres();
    EXPECT_EQ(apres.TypeRequete, avant.TypeRequete);
    EXPECT_EQ(apres.Relance, avant.Relance);
    EXPECT_EQ(apres.CategorieDemandee, avant.CategorieDemandee);
    EXPECT_EQ(apres.LicenceDemandee, avant.LicenceDemandee);
}

// The club page has no "Ok": a field stores what it holds when it is left.
void PageClub(TMain& m, ScriptDialogues&, Fin) {
    QWidget& page = Page(m, 0);
    auto* onglets = page.findChild<QTabWidget*>("PageControl");
    const int n = onglets ? onglets->count() : 1;
    for (int o = 0; o < n; ++o) {
        if (onglets)
            onglets->setCurrentIndex(o);
        QWidget* racine = onglets ? onglets->widget(o) : &page;
        for (QWidget* w : racine->findChildren<QWidget*>())
            if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                 qobject_cast<QComboBox*>(w)) &&
                w->isEnabled() && w->isVisible() && w->focusPolicy() != Qt::NoFocus)
                w->setFocus(Qt::TabFocusReason);
    }
    Page(m, 1);
    QApplication::processEvents();
}

void Protection(TMain& m, ScriptDialogues& d, Fin fin) {
    d.Puis([fin](QDialog& f) {
        EXPECT_EQ(f.objectName(), "FicheProtectionDocument");
        VisiterChamps(f);
        if (fin == Fin::AnnulerApresSaisie) {
            test::Taper(f, "EditNouveauMotPasse", "secret");
            test::Taper(f, "EditVerifMotPasse", "secret");
        }
        Fermer(f, fin);
    });
    Controle<QAction>(m, "MenuProtection")->trigger();
}

// ---- The table ----

struct CasFormulaire {
    const char* nom;
    std::function<void(TMain&, ScriptDialogues&, Fin)> parcourir;
    // The journal lines that "Ok" writes, from the document before; none:
    // the document stays unmodified.
    std::function<std::vector<std::string>(const TExercice&)> journal;
};

std::vector<std::string> Aucune(const TExercice&) {
    return {};
}

const CasFormulaire kFormulaires[] = {
    {"fiche_adherent", FichesBDD(0, "ListViewAdherents", "BoutonEditerAdherent"),
     [](const TExercice& e) {
         std::vector<std::string> l;
         for (int i = 0; i < e.Adherents().Count(); ++i)
             l.push_back("Modification de l'adhérent \"" + e.Adherents().Adherent(i)->Nom() + " " +
                         e.Adherents().Adherent(i)->Prenom() + "\"");
         return l;
     }},
    {"fiche_correspondant", FichesBDD(1, "ListViewCorrespondants", "BoutonEditerCorrespondant"),
     [](const TExercice& e) {
         std::vector<std::string> l;
         for (int i = 0; i < e.Correspondants().Count(); ++i)
             l.push_back("Modification du correspondant \"" + e.Correspondants().Correspondant(i)->Nom() +
                         "\"");
         return l;
     }},
    {"fiches_compte_et_ecriture", Comptes,
     [](const TExercice& e) {
         std::vector<std::string> l;
         const TComptabilite& c = e.Comptabilite();
         for (int i = 0; i < c.NbComptesCharges(); ++i)
             l.push_back("Modification du compte charge \"" + c.GetCompteCharge(i)->Article() + "\"");
         for (int i = 0; i < c.NbComptesProduits(); ++i)
             l.push_back("Modification du compte produit \"" + c.GetCompteProduit(i)->Article() + "\"");
         return l;
     }},
    {"fiches_competition_tableau_participant_place", Competitions,
     [](const TExercice& e) {
         std::vector<std::string> l;
         for (int i = 0; i < e.Compets().Count(); ++i)
             l.push_back("Modification de la compétition \"" + e.Compets().Compet(i)->Intitule() + "\"");
         return l;
     }},
    {"criteres_de_requete", Criteres, Aucune},
    {"page_club", PageClub, Aucune},
    {"protection", Protection, Aucune},
};

class FormulairesConsultes : public test::TestFenetre, public testing::WithParamInterface<CasFormulaire> {
  protected:
    void SetUp() override {
        test::TestFenetre::SetUp();
        chemin_ = Chemin("demo.trm");
        ASSERT_TRUE(QFile::copy(QString::fromStdString(test::CheminSaisonDemo()), chemin_));
        Demarrer();
    }
    void TearDown() override { Arreter(); }
    void Demarrer() {
        m_ = std::make_unique<TMain>(QStringList{chemin_});
        m_->show();
        QApplication::setActiveWindow(m_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_.get()));
        ASSERT_EQ(m_->FichierCourant(), chemin_);
        ASSERT_FALSE(m_->Exercice().IsModified());
    }
    void Arreter() {
        if (m_)
            m_->Exercice().Clear(); // no save question at the end
        m_.reset();
    }
    QString chemin_;
    std::unique_ptr<TMain> m_;
};

void ComparerContenu(const Json& avant, const Json& apres) {
    EXPECT_TRUE(avant == apres) << Json::diff(avant, apres).dump(1);
}

TEST_P(FormulairesConsultes, RegarderPuisOkNeChangeRienEtAnnulerRendTout) {
    const CasFormulaire& cas = GetParam();
    TExercice& e = m_->Exercice();
    const Json avant = Contenu(e);
    const std::vector<std::string> journalAvant = Journal(e);
    std::vector<std::string> attendues = cas.journal(e);
    {
        SCOPED_TRACE("Ok");
        {
            ScriptDialogues d;
            cas.parcourir(*m_, d, Fin::Ok);
        }
        ComparerContenu(avant, Contenu(e));
        std::vector<std::string> journal = Journal(e);
        ASSERT_GE(journal.size(), journalAvant.size());
        EXPECT_TRUE(std::equal(journalAvant.begin(), journalAvant.end(), journal.begin()));
        std::vector<std::string> ajoutees(journal.begin() + static_cast<std::ptrdiff_t>(journalAvant.size()),
                                          journal.end());
        std::sort(ajoutees.begin(), ajoutees.end());
        std::sort(attendues.begin(), attendues.end());
        EXPECT_EQ(ajoutees, attendues);
        if (attendues.empty()) {
            EXPECT_FALSE(e.IsModified());
        }
        // No error box, no question: only the protection tells when its
        // password takes effect.
        for (const std::string& t : Textes())
            EXPECT_EQ(
                t, "Le nouveau mot de passe sera pris en compte dès la prochaine sauvegarde de l'exercice.");
        messages_.Oublier();
    }

    // Edited, then cancelled: the document as it was, journal included. The
    // club page has nothing to cancel.
    if (std::string(cas.nom) == "page_club")
        return;
    Arreter();
    Demarrer();
    TExercice& relu = m_->Exercice();
    const std::vector<std::string> journalRelu = Journal(relu);
    {
        SCOPED_TRACE("Annuler");
        {
            ScriptDialogues d;
            cas.parcourir(*m_, d, Fin::AnnulerApresSaisie);
        }
        ComparerContenu(avant, Contenu(relu));
        EXPECT_EQ(Journal(relu), journalRelu);
        EXPECT_FALSE(relu.IsModified());
    }
}

INSTANTIATE_TEST_SUITE_P(Formulaires, FormulairesConsultes, testing::ValuesIn(kFormulaires),
                         [](const auto& i) { return std::string(i.param.nom); });

} // namespace
} // namespace tramonta
