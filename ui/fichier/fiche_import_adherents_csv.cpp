// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fichier/fiche_import_adherents_csv.h"

#include "core/messages.h"
#include "core/texte.h"
#include "model/exercice.h"
#include "model/textes_journal.h"
#include "platform/choix_fichier.h"
#include "ui/communs/agenda.h"
#include "ui/communs/controles.h"

#include <QAbstractTableModel>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

#include <utility>

namespace tramonta {

namespace {
const QString kIgnoree = QStringLiteral("(ignorée)");
// The program computes it from other fields: what the file says is not read.
const QString kCalculee = QStringLiteral("(ignorée : calculée par le programme)");
} // namespace

// Each column of the file and the member field it goes to.
class TModeleColonnesImport : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;
    void Definir(std::vector<TColonneImport> colonnes) {
        beginResetModel();
        colonnes_ = std::move(colonnes);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(colonnes_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const TColonneImport& c = colonnes_[static_cast<std::size_t>(index.row())];
        if (role == Qt::DisplayRole)
            return index.column() == 0 ? Q(c.titre)
                   : c.calculee        ? kCalculee
                   : c.colonne < 0     ? kIgnoree
                                       : Q(c.champ);
        if (role == Qt::ForegroundRole && c.colonne < 0)
            return QPalette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return section == 0 ? QStringLiteral("Colonne du fichier") : QStringLiteral("Champ de l'adhérent");
    }

  private:
    std::vector<TColonneImport> colonnes_;
};

// The first rows of the file under its own titles, with their line numbers.
class TModeleApercuImport : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;
    void Definir(const TApercuImport& apercu) {
        beginResetModel();
        colonnes_ = apercu.colonnes;
        lignes_ = apercu.premieresLignes;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(lignes_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(colonnes_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
            return {};
        const auto& champs = lignes_[static_cast<std::size_t>(index.row())].champs;
        const auto k = static_cast<std::size_t>(index.column());
        if (role == Qt::DisplayRole) {
            // A cell on several lines shows on one.
            QString texte = k < champs.size() ? Q(champs[k]) : QString();
            texte.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace('\n', ' ').replace('\r', ' ');
            return texte;
        }
        if (role == Qt::ForegroundRole && colonnes_[k].colonne < 0)
            return QPalette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || section < 0)
            return {};
        const auto i = static_cast<std::size_t>(section);
        if (orientation == Qt::Horizontal)
            return i < colonnes_.size() ? Q(colonnes_[i].titre) : QVariant();
        return i < lignes_.size() ? QVariant(lignes_[i].numero) : QVariant();
    }

  private:
    std::vector<TColonneImport> colonnes_;
    std::vector<TLigneTableur> lignes_;
};

namespace {
QLabel* Libelle(const char* nom, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(nom);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    return l;
}
} // namespace

TFicheImportAdherentsCsv::TFicheImportAdherentsCsv(QWidget* parent) : QDialog(parent) {
    setObjectName("FicheImportAdherentsCsv");
    setWindowTitle("Importer des adhérents");

    LabelFichier = Libelle("LabelFichier", this);
    LabelFormat = Libelle("LabelFormat", this);
    LabelIgnores = Libelle("LabelIgnores", this);

    modeleColonnes_ = new TModeleColonnesImport(this);
    ListeColonnes = new QTreeView(this);
    ListeColonnes->setObjectName("ListeColonnes");
    ListeColonnes->setModel(modeleColonnes_);
    ListeColonnes->setRootIsDecorated(false);
    ListeColonnes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListeColonnes->header()->setSectionResizeMode(QHeaderView::Stretch);
    auto* libelleColonnes = new QLabel("&Colonnes du fichier :", this);
    libelleColonnes->setBuddy(ListeColonnes);

    modeleApercu_ = new TModeleApercuImport(this);
    ApercuLignes = new QTableView(this);
    ApercuLignes->setObjectName("ApercuLignes");
    ApercuLignes->setModel(modeleApercu_);
    ApercuLignes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ApercuLignes->setWordWrap(false);
    LabelApercu = new QLabel("A&perçu des premières lignes :", this);
    LabelApercu->setObjectName("LabelApercu");
    LabelApercu->setBuddy(ApercuLignes);

    MemoResultat = new QPlainTextEdit(this);
    MemoResultat->setObjectName("MemoResultat");
    MemoResultat->setReadOnly(true);
    MemoResultat->setLineWrapMode(QPlainTextEdit::NoWrap);
    LabelResultat = new QLabel("&Résultat :", this);
    LabelResultat->setBuddy(MemoResultat);

    BoutonImporter = BoutonSansDefaut("BoutonImporter", "&Importer", this);
    BoutonImporter->setToolTip("Ajoute les adhérents du fichier à l'exercice");
    BoutonAnnuler = BoutonSansDefaut("BoutonAnnuler", "&Annuler", this);
    BoutonFermer = BoutonSansDefaut("BoutonFermer", "&Fermer", this);
    connect(BoutonImporter, &QPushButton::clicked, this, &TFicheImportAdherentsCsv::BoutonImporterClick);
    connect(BoutonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(BoutonFermer, &QPushButton::clicked, this, &QDialog::accept);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(BoutonImporter);
    boutons->addWidget(BoutonAnnuler);
    boutons->addWidget(BoutonFermer);
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(LabelFichier);
    tout->addWidget(LabelFormat);
    tout->addWidget(libelleColonnes);
    tout->addWidget(ListeColonnes, 1);
    tout->addWidget(LabelIgnores);
    tout->addWidget(LabelApercu);
    tout->addWidget(ApercuLignes, 2);
    tout->addWidget(LabelResultat);
    tout->addWidget(MemoResultat, 1);
    tout->addLayout(boutons);
    resize(720, 600);
}

int TFicheImportAdherentsCsv::Executer(const QString& fichier, const TTableurLu& tableur,
                                       const TApercuImport& apercu,
                                       std::function<TRapportImport()> importer) {
    importer_ = std::move(importer);
    importEffectue_ = false;
    LabelFichier->setText("Fichier : " + QFileInfo(fichier).fileName());
    LabelFichier->setToolTip(fichier);
    LabelFormat->setText("Séparateur : " + Q(NomSeparateur(tableur.separateur)) +
                         "    Encodage : " + Q(NomEncodage(tableur.encodage)));
    modeleColonnes_->Definir(apercu.colonnes);
    LabelIgnores->setText(apercu.titresIgnores.empty()
                              ? QStringLiteral("Toutes les colonnes ont trouvé leur champ.")
                              : "Colonnes ignorées : " + Q(ListeTitres(apercu.titresIgnores)));
    modeleApercu_->Definir(apercu);
    const auto montrees = static_cast<qsizetype>(apercu.premieresLignes.size());
    const auto total = static_cast<qsizetype>(apercu.nombreLignes);
    if (total == 0)
        LabelApercu->setText("A&perçu : le fichier ne contient que la ligne des titres.");
    else if (montrees == total)
        LabelApercu->setText(total == 1 ? QStringLiteral("A&perçu de la ligne :")
                                        : QString("A&perçu des %1 lignes :").arg(total));
    else
        LabelApercu->setText(QString("A&perçu des %1 premières lignes sur %2 :").arg(montrees).arg(total));
    ApercuLignes->resizeColumnsToContents();
    MemoResultat->clear();
    LabelResultat->hide();
    MemoResultat->hide();
    BoutonImporter->show();
    BoutonAnnuler->show();
    BoutonFermer->hide();
    BoutonImporter->setEnabled(apercu.nombreLignes > 0);
    BoutonImporter->setDefault(true);
    const int resultat = exec();
    importer_ = nullptr;
    return resultat;
}

void TFicheImportAdherentsCsv::BoutonImporterClick() {
    if (!importer_ || importEffectue_)
        return;
    const TRapportImport rapport = importer_();
    importEffectue_ = true;
    QStringList lignes;
    for (const std::string& l : rapport.lignes)
        lignes << Q(l);
    MemoResultat->setPlainText(lignes.join('\n'));
    LabelResultat->show();
    MemoResultat->show();
    BoutonImporter->hide();
    BoutonAnnuler->hide();
    BoutonFermer->show();
    BoutonFermer->setDefault(true);
    BoutonFermer->setFocus();
}

void TFicheImportAdherentsCsv::done(int) {
    // Once the import ran, every way out of the dialog says so: the members
    // are in the document whatever button ends it.
    QDialog::done(importEffectue_ ? Accepted : Rejected);
}

bool ImporterAdherentsCsv(QWidget* parent, TExercice& exercice, TFicheImportAdherentsCsv& fiche) {
    const auto erreur = [](const std::string& texte) {
        MessageBoxTexte(texte, "Erreur", MB_OK | MB_ICONERROR);
        return false;
    };
    DemandeFichier demande;
    demande.titre = "Importer des adhérents (CSV)...";
    demande.filtre = "Fichier CSV (*.csv *.txt);;Tous les fichiers (*)";
    const auto chemin = ChoisirFichier(parent, demande);
    if (!chemin)
        return false;

    TTableurLu tableur;
    std::string message;
    if (!LireFichierTableur(chemin->toStdString(), tableur, message))
        return erreur(message);
    TApercuImport apercu;
    if (!AnalyserTitres(tableur, apercu, message))
        return erreur(message);

    // Texts that the season file cannot hold would change at the next save:
    // the user sees them and their nearest form before anything is added.
    const auto nonEnregistrables = TextesNonEnregistrables(tableur, apercu);
    if (!nonEnregistrables.empty()) {
        std::vector<std::string> messages;
        for (const auto& t : nonEnregistrables)
            messages.push_back(MessageNonEnregistrable(t) + " : « " +
                               TexteCourt(FormeEnregistrable(t.texte), 60) + " ».");
        std::string texte = "La saison ne peut enregistrer que les caractères de Windows-1252 :\n";
        for (const std::string& l : PremieresLignes(messages))
            texte += l + "\n";
        texte += "\nImporter ces textes sous la forme la plus proche, donnée après chacun ?\n"
                 "(Non : aucun adhérent n'est importé.)";
        if (MessageBoxTexte(texte, "Question", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return false;
    }

    const std::string nom = QFileInfo(*chemin).fileName().toStdString();
    int ajoutes = 0;
    fiche.Executer(*chemin, tableur, apercu, [&] {
        TRapportImport rapport = ImporterAdherents(exercice.Adherents(), tableur, TFormeTexte::FormeProche);
        ajoutes = rapport.ajoutes;
        AjouterLigneAgenda(TexteJournalImportCsv(nom, rapport));
        return rapport;
    });
    return ajoutes > 0;
}

} // namespace tramonta
