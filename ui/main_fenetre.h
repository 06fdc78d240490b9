// The program's one main window: it owns the document, hosts the four pages
// and carries out the document commands.
#pragma once

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>

class QAction;
class QButtonGroup;
class QStackedWidget;
class QTimer;
class QToolButton;

namespace tramonta {

class TAboutForm;
class TFicheAdherent;
class TFicheCorrespondant;
class TFicheCriteresRequete;
class TFicheListeComptes;
class TExercice;
class TFicheCartesMeteo;
class TFicheImports;
class TFicheNouvelleSaison;
class TFichePreferences;
class TFicheProtection;
class TFichePublipostage;
class TFicheProtectionDocument;
class TRecentFileList;
class TSousVue;

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

    // Dialogs, made once and reused.
    TAboutForm& AboutForm() { return *aboutForm_; }
    TFicheProtection& FicheProtection() { return *ficheProtection_; }
    TFicheProtectionDocument& FicheProtectionDocument() { return *ficheProtectionDocument_; }
    TFichePreferences& FichePreferences() { return *fichePreferences_; }
    TFicheImports& FicheImports() { return *ficheImports_; }
    TFicheCartesMeteo& FicheCartesMeteo() { return *ficheCartesMeteo_; }
    TFichePublipostage& FichePublipostage() { return *fichePublipostage_; }
    TFicheAdherent& FicheAdherent() { return *ficheAdherent_; }
    TFicheCorrespondant& FicheCorrespondant() { return *ficheCorrespondant_; }
    TFicheCriteresRequete& FicheCriteresRequete() { return *ficheCriteresRequete_; }
    TFicheListeComptes& FicheListeComptes() { return *ficheListeComptes_; }
    TFicheNouvelleSaison& FicheNouvelleSaison() { return *ficheNouvelleSaison_; }

    void OuvrirExercice(const QString& chemin);
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
    void MenuProtectionClick();
    void MenuPreferencesClick();
    void MenuCartesMeteoClick();
    void MenuAProposClick();
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
    QWidget* splash_ = nullptr;
    QTimer* timerSplash_ = nullptr;

    TAboutForm* aboutForm_ = nullptr;
    TFicheProtectionDocument* ficheProtectionDocument_ = nullptr;
    TFicheProtection* ficheProtection_ = nullptr;
    TFichePreferences* fichePreferences_ = nullptr;
    TFicheImports* ficheImports_ = nullptr;
    TFicheCartesMeteo* ficheCartesMeteo_ = nullptr;
    TFichePublipostage* fichePublipostage_ = nullptr;
    TFicheAdherent* ficheAdherent_ = nullptr;
    TFicheCorrespondant* ficheCorrespondant_ = nullptr;
    TFicheCriteresRequete* ficheCriteresRequete_ = nullptr;
    TFicheListeComptes* ficheListeComptes_ = nullptr;
    TFicheNouvelleSaison* ficheNouvelleSaison_ = nullptr;
};

} // namespace tramonta
