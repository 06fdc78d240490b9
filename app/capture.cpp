// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the real windows, drawn offscreen: the main window on each of
// its pages and the dialogs. Used for the README and to check the look at
// any scale (QT_SCALE_FACTOR=2).
//   tramonta-capture DOSSIER [DOCUMENT]
#include "model/adherent.h"
#include "model/correspondant.h"
#include "model/exercice.h"
#include "model/requete.h"
#include "platform/application.h"
#include "platform/boite_message.h"
#include "platform/preferences.h"
#include "ui/bdd/fiche_adherent.h"
#include "ui/bdd/fiche_correspondant.h"
#include "ui/bdd/fiches_impression_adherents.h"
#include "ui/communs/sous_vue.h"
#include "ui/compet/fiche_compet.h"
#include "ui/compet/fiche_compets.h"
#include "ui/compet/fiche_impression_compet.h"
#include "ui/compet/fiche_tableau_compet.h"
#include "ui/compta/fiche_compte.h"
#include "ui/compta/fiche_ecriture.h"
#include "ui/compta/fiche_impression_compta.h"
#include "ui/compta/fiches_edition_compta.h"
#include "ui/fenetre/a_propos.h"
#include "ui/fenetre/fiche_cartes_meteo.h"
#include "ui/fenetre/fiche_preferences.h"
#include "ui/fenetre/fiche_protection.h"
#include "ui/fenetre/main_fenetre.h"
#include "ui/fenetre/surete.h"
#include "ui/fichier/exports_tableur.h"
#include "ui/fichier/fiche_import_adherents_csv.h"
#include "ui/fichier/fiche_imports.h"
#include "ui/fichier/fiche_nouvelle_saison.h"

#include "core/dates.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace tramonta;

namespace {
void Enregistrer(QWidget& w, const QString& fichier) {
    w.grab().save(fichier);
    std::printf("%s\n", qPrintable(fichier));
}

// Grabs a modal dialog once its event loop runs, then closes it.
void CapturerDialogue(QDialog& d, const QString& fichier, const std::function<void()>& montrer) {
    QTimer::singleShot(0, &d, [&d, fichier] {
        Enregistrer(d, fichier);
        d.done(QDialog::Rejected);
    });
    montrer();
}
// The member sheet (the first member whose address has two lines), the
// first correspondent's sheet, and the members with a competition licence
// with their town, telephone and licence number.
void CapturerImpressionsAdherents(TMain& fenetre, const QDir& dossier) {
    const TAdherents& adherents = fenetre.Exercice().Adherents();
    const TAdherent* membre = adherents.Adherent(0);
    for (int i = 0; i < adherents.Count(); ++i)
        if (adherents.Adherent(i)->Adresse().find('\n') != std::string::npos) {
            membre = adherents.Adherent(i);
            break;
        }
    if (membre)
        CapturerDialogue(fenetre.FicheImpressionAdherent(), dossier.filePath("impression-adherent.png"),
                         [&] { fenetre.FicheImpressionAdherent().Montrer(*membre); });
    if (const TCorrespondant* correspondant = fenetre.Exercice().Correspondants().Correspondant(0))
        CapturerDialogue(fenetre.FicheImpressionCorrespondant(),
                         dossier.filePath("impression-correspondant.png"),
                         [&] { fenetre.FicheImpressionCorrespondant().Montrer(*correspondant); });
    TCriteresRequete criteres;
    criteres.TypeRequete = TCriteresRequete::ReqLicence;
    criteres.LicenceDemandee = kTypesLicence[1];
    criteres.Description = DecrireCriteres(criteres);
    const auto champs = Preferences().ChampsVisibles;
    Preferences().ChampsVisibles = {};
    for (std::size_t champ : {3, 4, 6})
        Preferences().ChampsVisibles[champ] = true;
    CapturerDialogue(fenetre.FicheImpressionAdherents(), dossier.filePath("impression-requete.png"),
                     [&] { fenetre.FicheImpressionAdherents().Montrer(adherents, criteres); });
    Preferences().ChampsVisibles = champs;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's settings are neither read nor written.
    QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toUtf8());
    TApplication application(argc, argv);
    ChargerTraductionsQt(application);
    ChargerPoliceTahoma(application);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "tramonta-capture DOSSIER [DOCUMENT]\n");
        return 2;
    }
    const QDir dossier(args[1]);
    QDir().mkpath(dossier.path());
    TMain fenetre(args.size() > 2 ? QStringList{args[2]} : QStringList{});
    fenetre.TimerSplashTimer();
    fenetre.resize(1000, 680);
    fenetre.show();
    const char* pages[] = {"BoutonPrincipal", "BoutonBDD", "BoutonCompta", "BoutonCompet"};
    const char* noms[] = {"principal", "base-de-donnees", "comptabilite", "competition"};
    for (int i = 0; i < 4; ++i) {
        fenetre.findChild<QAbstractButton*>(pages[i])->click();
        QCoreApplication::processEvents();
        Enregistrer(fenetre, dossier.filePath(QStringLiteral("page-%1.png").arg(noms[i])));
    }
    CapturerImpressionsAdherents(fenetre, dossier);
    // The member list under a search: the first letters of its first member.
    if (auto* recherche = fenetre.Page(1)->findChild<QLineEdit*>("EditRechercheAdherents")) {
        fenetre.findChild<QAbstractButton*>("BoutonBDD")->click();
        const TAdherent* premier = fenetre.Exercice().Adherents().Adherent(0);
        recherche->setText(premier ? QString::fromStdString(premier->Nom()).left(3) : QStringLiteral("a"));
        QCoreApplication::processEvents();
        Enregistrer(fenetre, dossier.filePath("page-base-de-donnees-recherche.png"));
        recherche->clear();
    }
    fenetre.findChild<QAbstractButton*>("BoutonPrincipal")->click();
    // The sheets on the season's first member and correspondent.
    TExercice& exercice = fenetre.Exercice();
    if (TAdherent* a = exercice.Adherents().Adherent(0))
        CapturerDialogue(fenetre.FicheAdherent(), dossier.filePath("fiche-adherent.png"),
                         [&] { fenetre.FicheAdherent().Editer(*a, false); });
    if (TCorrespondant* c = exercice.Correspondants().Correspondant(0))
        CapturerDialogue(fenetre.FicheCorrespondant(), dossier.filePath("fiche-correspondant.png"),
                         [&] { fenetre.FicheCorrespondant().Editer(*c); });
    // The club page's own tabs: the sheets have a PageControl too.
    if (auto* onglets = fenetre.Page(0)->findChild<QTabWidget*>("PageControl")) {
        onglets->setCurrentIndex(onglets->count() - 1);
        QCoreApplication::processEvents();
        Enregistrer(fenetre, dossier.filePath("page-historique.png"));
        onglets->setCurrentIndex(0);
    }
    CapturerDialogue(fenetre.FicheProtection(), dossier.filePath("protection.png"),
                     [&] { fenetre.FicheProtection().Demander(); });
    CapturerDialogue(fenetre.FicheProtectionDocument(), dossier.filePath("protection-document.png"),
                     [&] { fenetre.FicheProtectionDocument().exec(); });
    CapturerDialogue(fenetre.FicheImports(), dossier.filePath("imports.png"),
                     [&] { fenetre.FicheImports().Executer(fenetre.Exercice()); });
    {
        TTableurLu tableur;
        TApercuImport apercu;
        std::string erreur;
        LireTableur("Nom;Prénom;Sexe;Date de naissance;Ville;Taille\r\n"
                    "DURAND;Élodie;F;14/03/2009;Hossegor;1,62\r\n"
                    "MARTIN;Paul;M;02/11/2011;Capbreton;1,48\r\n",
                    tableur, erreur);
        AnalyserTitres(tableur, apercu, erreur);
        CapturerDialogue(
            fenetre.FicheImportAdherentsCsv(), dossier.filePath("import-adherents-csv.png"),
            [&] { fenetre.FicheImportAdherentsCsv().Executer("adherents.csv", tableur, apercu, nullptr); });
    }
    CapturerDialogue(fenetre.FicheNouvelleSaison(), dossier.filePath("nouvelle-saison.png"),
                     [&] { fenetre.FicheNouvelleSaison().Executer(fenetre.Exercice()); });
    CapturerDialogue(fenetre.FichePreferences(), dossier.filePath("preferences.png"),
                     [&] { fenetre.FichePreferences().Executer(Preferences()); });
    CapturerDialogue(fenetre.FicheCartesMeteo(), dossier.filePath("cartes-meteo.png"),
                     [&] { fenetre.FicheCartesMeteo().exec(); });
    CapturerDialogue(fenetre.AboutForm(), dossier.filePath("a-propos.png"),
                     [&] { fenetre.AboutForm().exec(); });
    CapturerDialogue(
        fenetre.ExportsTableur().FicheExportAdherents(), dossier.filePath("export-adherents.png"), [&] {
            fenetre.ExportsTableur().FicheExportAdherents().Executer("Les adhérents de catégorie 'Open'");
        });
    CapturerDialogue(fenetre.ExportsTableur().FicheExportParticipants(),
                     dossier.filePath("export-participants.png"), [&] {
                         std::vector<std::string> intitules;
                         for (int i = 0; i < fenetre.Exercice().Compets().Count(); ++i)
                             intitules.push_back(fenetre.Exercice().Compets().Compet(i)->Intitule());
                         fenetre.ExportsTableur().FicheExportParticipants().Executer(intitules);
                     });
    // The account form and the entry form on the season's first produit
    // account that has lines, on copies so that nothing of the document moves.
    const TComptabilite& compta = fenetre.Exercice().Comptabilite();
    const TCompte* exemple = nullptr;
    for (int i = 0; i < compta.NbComptesProduits() && !exemple; ++i)
        if (compta.GetCompteProduit(i)->NbLignes() > 0)
            exemple = compta.GetCompteProduit(i);
    if (exemple) {
        auto compte = exemple->Clone(const_cast<TComptabilite*>(&compta));
        CapturerDialogue(fenetre.FicheCompte(), dossier.filePath("fiche-compte.png"),
                         [&] { fenetre.FicheCompte().Executer(*compte); });
        CapturerDialogue(fenetre.FicheEcriture(), dossier.filePath("fiche-ecriture.png"),
                         [&] { fenetre.FicheEcriture().Executer(*compte->GetLigne(0)); });
    }
    // The accounting previews, on the document's ledger.
    TFicheImpressionCompta& apercu = fenetre.FicheImpressionCompta();
    apercu.resize(900, 900);
    CapturerDialogue(apercu, dossier.filePath("apercu-bilan.png"),
                     [&] { apercu.MontrerBilan(fenetre.Exercice()); });
    CapturerDialogue(apercu, dossier.filePath("apercu-mouvements.png"),
                     [&] { apercu.MontrerMouvements(fenetre.Exercice(), TEditionMouvements{}); });
    const TEditionDepotsBancaires depots{
        0, nullptr, TexteVersDate("01/01/2026"), TexteVersDate("31/12/2026"), Aujourdhui(), {}};
    CapturerDialogue(apercu, dossier.filePath("apercu-depots.png"),
                     [&] { apercu.MontrerDepots(fenetre.Exercice(), depots); });
    CapturerDialogue(fenetre.FicheMouvementsCompta(), dossier.filePath("mouvements.png"),
                     [&] { fenetre.FicheMouvementsCompta().Executer(fenetre.Exercice()); });
    CapturerDialogue(fenetre.FicheDepotsBancaires(), dossier.filePath("depots-bancaires.png"),
                     [&] { fenetre.FicheDepotsBancaires().Executer(fenetre.Exercice()); });
    // The first competition: its form, the heat table of its first category
    // and its participants list.
    if (TCompet* compet = fenetre.Exercice().Compets().Compet(0)) {
        TFicheCompet& fiche = static_cast<TFicheCompets*>(fenetre.Page(3))->FicheCompet();
        CapturerDialogue(fiche, dossier.filePath("competition.png"), [&] { fiche.Executer(*compet); });
        if (TTableauCompet* t = compet->Categorie(0)->Tableau()) {
            t->PlacerParticipants();
            t->Propager();
            TFicheTableauCompet& tableau = fiche.FicheTableauCompet();
            TParametresTableau parametres;
            parametres.CouleursLycra = Preferences().CouleursLycra;
            tableau.resize(980, 640);
            CapturerDialogue(tableau, dossier.filePath("tableau-competition.png"),
                             [&] { tableau.Executer(*t, parametres); });
        }
        TFicheImpressionCompet& liste = fiche.FicheImpressionCompet();
        liste.resize(900, 900);
        CapturerDialogue(liste, dossier.filePath("apercu-participants.png"),
                         [&] { liste.Montrer(*compet, -1); });
    }
    // The question after an unexpected end, in the program's real box.
    InstallerBoiteMessageQt();
    QTimer::singleShot(0, &fenetre, [&] {
        if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Enregistrer(*boite, dossier.filePath("recuperation.png"));
            boite->done(0);
        }
    });
    TSurete::DemanderRecuperation("/home/club/Documents/Saison 2026.trm", Maintenant(), true);
    TEcranAccueil accueil;
    accueil.show();
    Enregistrer(accueil, dossier.filePath("accueil.png"));
    return 0;
}
