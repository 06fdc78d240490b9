// SPDX-License-Identifier: GPL-3.0-or-later
// Members brought in from a spreadsheet's CSV file: the dialog shows where
// each column of the file goes and its first rows, then the import's report.
// The import itself is the caller's (ImporterAdherentsCsv).
#pragma once

#include "model/import_tableur.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTreeView;

namespace tramonta {

class TExercice;
class TModeleApercuImport;
class TModeleColonnesImport;

class TFicheImportAdherentsCsv : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheImportAdherentsCsv(QWidget* parent = nullptr);

    // Shows the preview of `fichier`; "Importer" runs `importer` and shows
    // the report it gives. Accepted when the import ran, Rejected when the
    // user cancelled (then `importer` was never called).
    int Executer(const QString& fichier, const TTableurLu& tableur, const TApercuImport& apercu,
                 std::function<TRapportImport()> importer);
    bool ImportEffectue() const { return importEffectue_; }

    void done(int resultat) override;

  private:
    void BoutonImporterClick();

    std::function<TRapportImport()> importer_;
    bool importEffectue_ = false;
    TModeleColonnesImport* modeleColonnes_;
    TModeleApercuImport* modeleApercu_;
    QLabel* LabelFichier;
    QLabel* LabelFormat;
    QLabel* LabelIgnores;
    QTreeView* ListeColonnes;
    QTableView* ApercuLignes;
    QLabel* LabelApercu;
    QLabel* LabelResultat;
    QPlainTextEdit* MemoResultat;
    QPushButton* BoutonImporter;
    QPushButton* BoutonAnnuler;
    QPushButton* BoutonFermer;
};

// "Fichier" → "Importer" → "Adhérents (CSV)...": the file chosen, read and
// previewed, then imported into the document's members with one journal
// line. A file that cannot be read or has no "Nom" column goes to the error
// box. True when members were added.
bool ImporterAdherentsCsv(QWidget* parent, TExercice& exercice, TFicheImportAdherentsCsv& fiche);

} // namespace tramonta
