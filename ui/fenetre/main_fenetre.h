// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one main window: it owns the document, hosts the four pages
// and carries out the document commands.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <array>
#include <memory>

class QAction;
class QButtonGroup;
class QStackedWidget;
class QTimer;

namespace tramonta {

class TAboutForm;
class TFicheAdherent;
class TFicheCorrespondant;
class TFicheCriteresRequete;
class TFicheListeComptes;
class TExercice;
class TExportsTableur;
class TFicheCartesMeteo;
class TFicheEcriture;
class TFicheImpressionAdherent;
class TFicheImpressionAdherents;
class TFicheImpressionCorrespondant;
class TFicheCompte;
class TFicheDepotsBancaires;
class TFicheImpressionCompta;
class TFicheMouvementsCompta;
class TFichePrintProgress;
class TFicheImports;
class TFicheImportAdherentsCsv;
class TFicheNouvelleSaison;
class TFichePreferences;
class TFicheProtection;
class TFichePublipostage;
class TFicheProtectionDocument;
class TRecentFileList;
class TSousVue;
class TSurete;

class TMain : public QMainWindow {
    Q_OBJECT
  public:
    // `arguments` are the command line's, without the program: exactly one
    // names a document to open.
    explicit TMain(const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~TMain() override;

    // The main window of the run, or nullptr.
    static TMain* Instance();

    TExercice& Exercice() { return *exercice_; }
    const QString& FichierCourant() const { return fichierCourant_; }
    int PageCourante() const { return pageCourante_; }
    TSousVue* Page(int numero) const { return pages_.at(static_cast<std::size_t>(numero)); }
    TRecentFileList& RecentFileList() { return *recentFileList_; }
    // The lock, the check before a save and the recovery copy.
    TSurete& Surete() { return *surete_; }

    // Dialogs, made once and reused; the print previews, their dialogs and
    // the progress window when first asked for.
    TFicheImpressionAdherent& FicheImpressionAdherent();
    TFicheImpressionCorrespondant& FicheImpressionCorrespondant();
    TFicheImpressionAdherents& FicheImpressionAdherents();
    TAboutForm& AboutForm() { return *aboutForm_; }
    TFicheProtection& FicheProtection() { return *ficheProtection_; }
    TFicheProtectionDocument& FicheProtectionDocument() { return *ficheProtectionDocument_; }
    TFichePreferences& FichePreferences() { return *fichePreferences_; }
    TFicheImports& FicheImports() { return *ficheImports_; }
    TFicheImportAdherentsCsv& FicheImportAdherentsCsv() { return *ficheImportAdherentsCsv_; }
    TFicheCartesMeteo& FicheCartesMeteo() { return *ficheCartesMeteo_; }
    TFicheEcriture& FicheEcriture() { return *ficheEcriture_; }
    TFicheCompte& FicheCompte() { return *ficheCompte_; }
    TFichePublipostage& FichePublipostage() { return *fichePublipostage_; }
    TFicheAdherent& FicheAdherent() { return *ficheAdherent_; }
    TFicheCorrespondant& FicheCorrespondant() { return *ficheCorrespondant_; }
    TFicheCriteresRequete& FicheCriteresRequete() { return *ficheCriteresRequete_; }
    TFicheListeComptes& FicheListeComptes() { return *ficheListeComptes_; }
    TFicheNouvelleSaison& FicheNouvelleSaison() { return *ficheNouvelleSaison_; }
    TFichePrintProgress& FichePrintProgress();
    TFicheImpressionCompta& FicheImpressionCompta();
    TFicheMouvementsCompta& FicheMouvementsCompta();
    TFicheDepotsBancaires& FicheDepotsBancaires();
    // "&Fichier" → "&Exporter" and its dialogs.
    TExportsTableur& ExportsTableur() { return *exportsTableur_; }

    // By value: the save question may change the list the path comes from.
    void OuvrirExercice(QString chemin);
    void CreerExercice();
    // Asks whether to save a modified document: IDYES (also when there was
    // nothing to save), IDNO or IDCANCEL. A "Yes" whose save did not happen
    // (save-as dialog cancelled, write failed) answers IDCANCEL, so that the
    // caller does not throw the document away.
    int DemanderSauvegarde();
    void ValiderSaisie();
    void MettreAJourTitre();
    void AfficherPage();
    void RafraichirPages();

    // The commands. The saves give true when the document is on disk.
    void MenuNouvelExerciceClick();
    // The next season built from this one, never saved yet.
    void MenuNouvelExerciceAPartirClick();
    void MenuOuvrirExerciceClick();
    bool MenuSauverExercice1Click();
    bool MenuSauverExerciceSousClick();
    void MenuImporterFichierTramontaClick();
    void MenuImporterAdherentsCsvClick();
    void MenuProtectionClick();
    void MenuPreferencesClick();
    void MenuCartesMeteoClick();
    void MenuAProposClick();
    void MenuBilanComptableClick();
    void MenuMouvementsClick();
    void MenuDepotsBancairesClick();
    void TimerSplashTimer();

  signals:
    // The user closed the window (the save question was not cancelled).
    void Fermee();

  protected:
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

  private:
    void CreerMenus();
    void CreerPanneau();
    void ChoisirPage(int numero);
    QAction* Action(const char* nom, const QString& texte, const QString& icone = {});

    std::unique_ptr<TExercice> exercice_;
    QString fichierCourant_;
    int pageCourante_ = 0;
    std::array<TSousVue*, 4> pages_{};
    QStackedWidget* zonePages_ = nullptr;
    QButtonGroup* boutonsPages_ = nullptr;
    TRecentFileList* recentFileList_ = nullptr;
    TSurete* surete_ = nullptr;
    // Guarded rather than cleared by a handler of its `destroyed` signal:
    // QWidget's destructor deletes the splash after TMain's own part is
    // gone, and such a handler would write into a window that no longer is.
    QPointer<QWidget> splash_;
    QTimer* timerSplash_ = nullptr;

    TAboutForm* aboutForm_ = nullptr;
    TFicheImpressionAdherent* ficheImpressionAdherent_ = nullptr;
    TFicheImpressionCorrespondant* ficheImpressionCorrespondant_ = nullptr;
    TFicheImpressionAdherents* ficheImpressionAdherents_ = nullptr;
    TFicheProtectionDocument* ficheProtectionDocument_ = nullptr;
    TFicheProtection* ficheProtection_ = nullptr;
    TFichePreferences* fichePreferences_ = nullptr;
    TFicheImports* ficheImports_ = nullptr;
    TFicheImportAdherentsCsv* ficheImportAdherentsCsv_ = nullptr;
    TFicheCartesMeteo* ficheCartesMeteo_ = nullptr;
    TFicheEcriture* ficheEcriture_ = nullptr;
    TFicheCompte* ficheCompte_ = nullptr;
    TFichePublipostage* fichePublipostage_ = nullptr;
    TFicheAdherent* ficheAdherent_ = nullptr;
    TFicheCorrespondant* ficheCorrespondant_ = nullptr;
    TFicheCriteresRequete* ficheCriteresRequete_ = nullptr;
    TFicheListeComptes* ficheListeComptes_ = nullptr;
    TFicheNouvelleSaison* ficheNouvelleSaison_ = nullptr;
    TFichePrintProgress* fichePrintProgress_ = nullptr;
    TFicheImpressionCompta* ficheImpressionCompta_ = nullptr;
    TFicheMouvementsCompta* ficheMouvementsCompta_ = nullptr;
    TFicheDepotsBancaires* ficheDepotsBancaires_ = nullptr;
    TExportsTableur* exportsTableur_ = nullptr;
};

} // namespace tramonta
