// SPDX-License-Identifier: GPL-3.0-or-later
// The entry form on its real widgets: what it stores into a line, what it
// refuses, and its automatic mode for the postings of the member sheet.
#include "outils_shell.h"

#include "core/dates.h"
#include "core/messages.h"
#include "model/comptabilite.h"
#include "platform/boite_message.h"
#include "ui/communs/edit_monetaire.h"
#include "ui/compta/fiche_ecriture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tramonta {
namespace {

using test::Cliquer;
using test::ScriptDialogues;
using test::Taper;

// Empties a field with the keyboard, then types: the numeric field refuses a
// "." typed over a selection that holds one.
void Retaper(QDialog& d, const char* nom, const QString& texte) {
    auto* e = d.findChild<QLineEdit*>(nom);
    ASSERT_NE(e, nullptr) << nom;
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, texte);
}

QLineEdit* Edit(QDialog& d, const char* nom) {
    auto* e = d.findChild<QLineEdit*>(nom);
    EXPECT_NE(e, nullptr) << nom;
    return e;
}

class FicheEcriture : public testing::Test {
  protected:
    void SetUp() override {
        horloge_ = DefinirHorloge([] { return kMaintenant; });
        auto existante = std::make_unique<TLigneEcriture>(&compte);
        existante->SetLibelle("Cotisation Dupont");
        existante->SetDate(EncodeDate(2026, 3, 2) + 0.5);
        existante->SetMontant(120.257);
        existante->SetNumeroCheque("0001234");
        compte.AjouterLigne(std::move(existante));
    }
    void TearDown() override { DefinirHorloge(horloge_); }

    TLigneEcriture& Existante() { return *compte.GetLigne(0); }

    // Runs the form on a line and stores what it hands back, as the account
    // form and the member sheet do.
    int Executer(TLigneEcriture& ligne) { return Stocker(ligne, fiche.Executer(ligne)); }
    int ExecuterAutomatique(TLigneEcriture& ligne, double montantAffiche) {
        return Stocker(ligne, fiche.ExecuterAutomatique(ligne, montantAffiche));
    }
    static int Stocker(TLigneEcriture& ligne, const std::unique_ptr<TLigneEcriture>& saisie) {
        if (!saisie)
            return QDialog::Rejected;
        ligne.CopierChamps(*saisie);
        return QDialog::Accepted;
    }

    static constexpr TDateTime kMaintenant = 46100.75;
    Horloge horloge_;
    TComptabilite comptabilite;
    TCompte compte{&comptabilite};
    TFicheEcriture fiche;
    ScriptMessages messages;
    ScriptDialogues dialogues;
};

TEST_F(FicheEcriture, NouvelleLigneRecoitCeQuiEstTape) {
    TLigneEcriture ligne(&compte);
    dialogues.Puis([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Ecriture");
        EXPECT_EQ(Edit(d, "EditLibelle")->text(), "");
        EXPECT_FALSE(d.findChild<QPushButton*>("BoutonOk")->isEnabled());
        EXPECT_EQ(Edit(d, "EditMontant")->text(), "0.00");
        EXPECT_FALSE(Edit(d, "EditLibelle")->isReadOnly());
        EXPECT_FALSE(Edit(d, "EditMontant")->isReadOnly());
        EXPECT_TRUE(d.findChild<QRadioButton*>("RadioCheque")->isChecked());
        EXPECT_TRUE(Edit(d, "EditNumeroCheque")->isEnabled());
        Taper(d, "EditLibelle", "Subvention mairie");
        EXPECT_TRUE(d.findChild<QPushButton*>("BoutonOk")->isEnabled());
        Taper(d, "EditDate", "15032026");
        EXPECT_EQ(Edit(d, "EditDate")->text(), "15/03/2026");
        Taper(d, "EditNumeroCheque", "778");
        Cliquer(d, "RadioVirement");
        EXPECT_FALSE(Edit(d, "EditNumeroCheque")->isEnabled());
        Taper(d, "EditMontant", "-1500.5");
        Cliquer(d, "BoutonOk");
    });
    EXPECT_EQ(Executer(ligne), QDialog::Accepted);
    EXPECT_EQ(ligne.Libelle(), "Subvention mairie");
    EXPECT_EQ(ligne.Date(), EncodeDate(2026, 3, 15));
    EXPECT_EQ(ligne.TypePaiement(), 2);
    // Kept although the payment is not by cheque.
    EXPECT_EQ(ligne.NumeroCheque(), "778");
    EXPECT_EQ(ligne.Montant(), -1500.5);
    EXPECT_TRUE(messages.Affiches().empty());
}

TEST_F(FicheEcriture, OkSansRienChangerNeModifiePasLaLigne) {
    Existante().Modified = false;
    dialogues.Puis([](QDialog& d) {
        EXPECT_EQ(Edit(d, "EditDate")->text(), "02/03/2026");
        EXPECT_EQ(Edit(d, "EditMontant")->text(), "120.26");
        Cliquer(d, "BoutonOk");
    });
    EXPECT_EQ(Executer(Existante()), QDialog::Accepted);
    // The time of day and the third decimal are not lost to the display.
    EXPECT_EQ(Existante().Date(), EncodeDate(2026, 3, 2) + 0.5);
    EXPECT_EQ(Existante().Montant(), 120.257);
    EXPECT_FALSE(Existante().Modified);
}

struct CasDate {
    const char* nom;
    const char* tape; // nullptr: the field is emptied
    TDateTime attendue;
};

class DateTapee : public FicheEcriture, public testing::WithParamInterface<CasDate> {};

TEST_P(DateTapee, DateIllisibleDevientZero) {
    const CasDate& c = GetParam();
    dialogues.Puis([&c](QDialog& d) {
        if (c.tape)
            Taper(d, "EditDate", c.tape);
        else
            Retaper(d, "EditDate", "");
        Cliquer(d, "BoutonOk");
    });
    EXPECT_EQ(Executer(Existante()), QDialog::Accepted);
    EXPECT_EQ(Existante().Date(), c.attendue);
}

INSTANTIATE_TEST_SUITE_P(Cas, DateTapee,
                         testing::Values(CasDate{"valide", "01092025", EncodeDate(2025, 9, 1)},
                                         CasDate{"vide", nullptr, 0},
                                         CasDate{"trente_et_un_fevrier", "31022026", 0},
                                         CasDate{"incomplete", "0103", 0}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(FicheEcriture, LigneSansDateMontreLeMasqueVide) {
    Existante().SetDate(0);
    dialogues.Puis([](QDialog& d) {
        EXPECT_EQ(Edit(d, "EditDate")->displayText(), "__/__/____");
        Cliquer(d, "BoutonOk");
    });
    EXPECT_EQ(Executer(Existante()), QDialog::Accepted);
    EXPECT_EQ(Existante().Date(), 0);
}

TEST_F(FicheEcriture, LibelleDUneAutreLigneRefuseSansTenirCompteDeLaCasse) {
    TLigneEcriture ligne(&compte);
    dialogues.Puis([this](QDialog& d) {
        Taper(d, "EditLibelle", "COTISATION dupont");
        Taper(d, "EditMontant", "15");
        Cliquer(d, "BoutonOk");
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(messages.Affiches().size(), 1u);
        EXPECT_EQ(messages.Affiches()[0].texte, "La ligne d'écriture \"COTISATION dupont\" existe déjà !");
        EXPECT_EQ(messages.Affiches()[0].titre, "Erreur");
        EXPECT_EQ(messages.Affiches()[0].drapeaux, MB_OK | MB_ICONERROR);
        Cliquer(d, "BoutonAnnuler");
    });
    messages.Repondre(IDOK);
    EXPECT_EQ(Executer(ligne), QDialog::Rejected);
    EXPECT_EQ(ligne.Libelle(), "");
    EXPECT_EQ(ligne.Montant(), 0);
}

TEST_F(FicheEcriture, SonPropreLibelleEstAccepteMemeEnChangeantLaCasse) {
    dialogues.Puis([](QDialog& d) {
        Taper(d, "EditLibelle", "cotisation DUPONT");
        Cliquer(d, "BoutonOk");
    });
    EXPECT_EQ(Executer(Existante()), QDialog::Accepted);
    EXPECT_EQ(Existante().Libelle(), "cotisation DUPONT");
    EXPECT_TRUE(messages.Affiches().empty());
}

TEST_F(FicheEcriture, NumeroDeChequeSeulementPourUnCheque) {
    Existante().SetTypePaiement(1);
    dialogues.Puis([](QDialog& d) {
        EXPECT_TRUE(d.findChild<QRadioButton*>("RadioEspeces")->isChecked());
        EXPECT_FALSE(Edit(d, "EditNumeroCheque")->isEnabled());
        EXPECT_EQ(Edit(d, "EditNumeroCheque")->text(), "0001234");
        Cliquer(d, "RadioCheque");
        EXPECT_TRUE(Edit(d, "EditNumeroCheque")->isEnabled());
        Cliquer(d, "BoutonOk");
    });
    EXPECT_EQ(Executer(Existante()), QDialog::Accepted);
    EXPECT_EQ(Existante().TypePaiement(), 0);
    EXPECT_EQ(Existante().NumeroCheque(), "0001234");
}

// Reopened, a line shows its own payment and "Ok" keeps it, whichever it is.
struct CasPaiement {
    int type;
    const char* radio;
};

class PaiementRouvert : public FicheEcriture, public testing::WithParamInterface<CasPaiement> {};

TEST_P(PaiementRouvert, OkGardeLeTypeDePaiement) {
    const CasPaiement& c = GetParam();
    Existante().SetTypePaiement(c.type);
    Existante().Modified = false;
    dialogues.Puis([&c](QDialog& d) {
        EXPECT_TRUE(d.findChild<QRadioButton*>(c.radio)->isChecked());
        EXPECT_EQ(Edit(d, "EditNumeroCheque")->isEnabled(), c.type == 0);
        Cliquer(d, "BoutonOk");
    });
    EXPECT_EQ(Executer(Existante()), QDialog::Accepted);
    EXPECT_EQ(Existante().TypePaiement(), c.type);
    EXPECT_FALSE(Existante().Modified);
}

INSTANTIATE_TEST_SUITE_P(Cas, PaiementRouvert,
                         testing::Values(CasPaiement{0, "RadioCheque"}, CasPaiement{1, "RadioEspeces"},
                                         CasPaiement{2, "RadioVirement"}),
                         [](const auto& i) { return std::string(i.param.radio); });

// --- A typed amount that is not a number -------------------------------------

struct CasMontant {
    const char* nom;
    const char* tape;
};

class MontantIncorrect : public FicheEcriture, public testing::WithParamInterface<CasMontant> {};

TEST_P(MontantIncorrect, BoiteDErreurEtRienNEstEnregistre) {
    const CasMontant& c = GetParam();
    const std::string attendu = "'" + std::string(c.tape) + "' n'est pas une valeur flottante correcte.";
    dialogues.Puis([&](QDialog& d) {
        Taper(d, "EditLibelle", "Autre libelle");
        Cliquer(d, "RadioEspeces");
        Retaper(d, "EditMontant", c.tape);
        Cliquer(d, "BoutonOk");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Edit(d, "EditMontant")->text(), c.tape);
        EXPECT_EQ(Edit(d, "EditLibelle")->text(), "Autre libelle");
        ASSERT_EQ(messages.Affiches().size(), 1u);
        EXPECT_EQ(messages.Affiches()[0].texte, attendu);
        EXPECT_EQ(messages.Affiches()[0].titre, "Tramonta");
        EXPECT_EQ(messages.Affiches()[0].drapeaux, MB_OK | MB_ICONERROR);
        Cliquer(d, "BoutonAnnuler");
    });
    messages.Repondre(IDOK);
    Existante().Modified = false;
    EXPECT_EQ(Executer(Existante()), QDialog::Rejected);
    EXPECT_EQ(Existante().Libelle(), "Cotisation Dupont");
    EXPECT_EQ(Existante().TypePaiement(), 0);
    EXPECT_EQ(Existante().Montant(), 120.257);
    EXPECT_FALSE(Existante().Modified);
}

INSTANTIATE_TEST_SUITE_P(Cas, MontantIncorrect,
                         testing::Values(CasMontant{"moins_seul", "-"}, CasMontant{"point_seul", "."},
                                         CasMontant{"moins_point", "-."}, CasMontant{"vide", ""}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(FicheEcriture, NombreHorsLimitesRefuse) {
    TLigneEcriture ligne(&compte);
    const QString enorme(400, '9');
    dialogues.Puis([&](QDialog& d) {
        Taper(d, "EditLibelle", "Enorme");
        Retaper(d, "EditMontant", enorme);
        Cliquer(d, "BoutonOk");
        EXPECT_TRUE(d.isVisible());
        Cliquer(d, "BoutonAnnuler");
    });
    messages.Repondre(IDOK);
    EXPECT_EQ(Executer(ligne), QDialog::Rejected);
    ASSERT_EQ(messages.Affiches().size(), 1u);
    EXPECT_EQ(messages.Affiches()[0].texte,
              "'" + enorme.toStdString() + "' n'est pas une valeur flottante correcte.");
}

// --- Automatic mode ------------------------------------------------------------

TEST_F(FicheEcriture, ModeAutomatiqueNeChangeQueDateTypeEtCheque) {
    auto posee = std::make_unique<TLigneEcriture>(&compte);
    posee->SetLibelle("Licence de Etchegaray Maïté");
    posee->SetMontant(80);
    posee->Automatique = true;
    TLigneEcriture& ligne = *posee;
    compte.AjouterLigne(std::move(posee));
    dialogues.Puis([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Ecriture (Enregistrement automatique)");
        EXPECT_EQ(Edit(d, "EditLibelle")->text(), "Licence de Etchegaray Maïté");
        EXPECT_TRUE(Edit(d, "EditLibelle")->isReadOnly());
        EXPECT_TRUE(Edit(d, "EditMontant")->isReadOnly());
        // The sum typed on the sheet, not yet the line's.
        EXPECT_EQ(Edit(d, "EditMontant")->text(), "95.50");
        QTest::keyClicks(Edit(d, "EditLibelle"), "xyz");
        QTest::keyClicks(Edit(d, "EditMontant"), "7");
        Taper(d, "EditDate", "20092025");
        Taper(d, "EditNumeroCheque", "55");
        Cliquer(d, "BoutonOk");
    });
    EXPECT_EQ(ExecuterAutomatique(ligne, 95.5), QDialog::Accepted);
    EXPECT_EQ(ligne.Libelle(), "Licence de Etchegaray Maïté");
    EXPECT_EQ(ligne.Montant(), 80);
    EXPECT_EQ(ligne.Date(), EncodeDate(2025, 9, 20));
    EXPECT_EQ(ligne.NumeroCheque(), "55");
    EXPECT_TRUE(ligne.Automatique);
    EXPECT_TRUE(messages.Affiches().empty());

    // Shown again for a line typed by hand, the form is back to normal.
    dialogues.Puis([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Ecriture");
        EXPECT_FALSE(Edit(d, "EditLibelle")->isReadOnly());
        EXPECT_FALSE(Edit(d, "EditMontant")->isReadOnly());
        EXPECT_EQ(Edit(d, "EditMontant")->text(), "120.26");
        Cliquer(d, "BoutonAnnuler");
    });
    EXPECT_EQ(Executer(Existante()), QDialog::Rejected);
}

TEST_F(FicheEcriture, ModeAutomatiqueAnnuleLaisseLaLigne) {
    TLigneEcriture ligne(&compte);
    ligne.SetLibelle("Forfait leçon de Garat Ion");
    ligne.SetMontant(150);
    ligne.Automatique = true;
    const TDateTime date = ligne.Date();
    dialogues.Puis([](QDialog& d) {
        Taper(d, "EditDate", "01012020");
        Cliquer(d, "RadioVirement");
        Cliquer(d, "BoutonAnnuler");
    });
    EXPECT_EQ(ExecuterAutomatique(ligne, 150), QDialog::Rejected);
    EXPECT_EQ(ligne.Date(), date);
    EXPECT_EQ(ligne.TypePaiement(), 0);
}

TEST_F(FicheEcriture, ChampsNommesPourLesAidesTechniques) {
    dialogues.Puis([](QDialog& d) {
        for (const char* nom : {"EditLibelle", "EditDate", "EditNumeroCheque", "EditMontant"}) {
            QLineEdit* e = Edit(d, nom);
            const auto* libelle = [&]() -> QLabel* {
                for (QLabel* l : d.findChildren<QLabel*>())
                    if (l->buddy() == e)
                        return l;
                return nullptr;
            }();
            EXPECT_TRUE(libelle || !e->accessibleName().isEmpty()) << nom;
        }
        Cliquer(d, "BoutonAnnuler");
    });
    Executer(Existante());
}

} // namespace
} // namespace tramonta
