// SPDX-License-Identifier: GPL-3.0-or-later
// The word processor over LibreOffice. Merging runs a private LibreOffice,
// headless, on its own pipe and profile folder, through a small Python
// program that speaks its UNO interface (python3-uno) and answers one JSON
// line per request; editing a letter hands it to the user's LibreOffice.
#pragma once

#include "platform/traitement_texte.h"

#include <QJsonObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QProcess;
class QTemporaryDir;

namespace tramonta {

class TTraitementTexteLibreOffice : public TTraitementTexte {
  public:
    // With a folder, every copy is written there instead of printed:
    // copie-001.pdf, copie-002.pdf... (or .txt when the suffix says so).
    explicit TTraitementTexteLibreOffice(QString dossierCopies = {}, QString suffixeCopies = "pdf");
    ~TTraitementTexteLibreOffice() override;

    // The program that starts LibreOffice, or empty when it is not installed.
    static QString Soffice();

    void Attacher(bool nouvelleInstance) override;
    void Montrer() override;
    void Ouvrir(const std::string& fichier) override;
    int NombreMots() override;
    std::string TexteMot(int index) override;
    void EcrireMot(int index, const std::string& texte) override;
    void Imprimer() override;
    int ImpressionEnCours() override;
    void FermerSansEnregistrer() override;
    void Quitter() override;

    void DefinirCopies(QString dossier, QString suffixe) {
        dossierCopies_ = std::move(dossier);
        suffixeCopies_ = std::move(suffixe);
    }
    // The process group of the driver and its LibreOffice, 0 when none runs.
    int Groupe() const { return groupe_; }
    // The files written so far in the copies folder.
    const std::vector<QString>& Copies() const { return copies_; }

    void DefinirAnnulation(std::function<bool()> annulation) override { annulation_ = std::move(annulation); }

  private:
    QJsonObject Demander(const QJsonObject& demande, int delaiMs = 120000);
    // Until `fini` holds or the delay runs out (false), with the program's
    // events going on; a cancellation seen meanwhile (when `annulable`) and
    // still unanswered after a short delay stops LibreOffice and throws
    // TAnnulationTraitementTexte.
    bool Attendre(const std::function<bool()>& fini, int delaiMs, bool annulable = false);
    // Ends the driver and everything it started; `attendre` gives the driver
    // its chance to close LibreOffice first.
    void Arreter(bool attendre = true);
    void TuerGroupe();

    QString dossierCopies_;
    QString suffixeCopies_;
    bool visible_ = false;
    std::unique_ptr<QProcess> pilote_;
    // The driver's process group, which LibreOffice shares; 0 when none.
    int groupe_ = 0;
    std::function<bool()> annulation_;
    std::unique_ptr<QTemporaryDir> profil_;
    std::vector<std::string> mots_;
    std::vector<QString> copies_;
};

} // namespace tramonta
