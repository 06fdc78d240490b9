// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/imprimante_qt.h"

#include "core/fichier.h"
#include "platform/choix_fichier.h"

#include <QApplication>
#include <QDir>
#include <QPdfWriter>

#include <algorithm>

namespace tramonta {

namespace {
// The print server may take a few seconds to answer, or not to.
class CurseurAttente {
  public:
    CurseurAttente() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurAttente() { QApplication::restoreOverrideCursor(); }
    CurseurAttente(const CurseurAttente&) = delete;
    CurseurAttente& operator=(const CurseurAttente&) = delete;
};
} // namespace

TImprimanteQt::TImprimanteQt() = default;

TImprimanteQt::~TImprimanteQt() {
    Fermer();
}

void TImprimanteQt::Choisir(const std::string& imprimante, int copies) {
    choisie_ = imprimante;
    copies_ = std::max(1, copies);
}

bool TImprimanteQt::Preparer(QWidget* parent, const QString& nom) {
    imprimante_.clear();
    fichier_.reset();
    if (!choisie_.empty()) {
        imprimante_ = choisie_;
        return true;
    }
    ChoisirImprimanteParDefaut();
    if (!imprimante_.empty())
        return true;
    DemandeFichier demande;
    demande.sens = DemandeFichier::Sens::Enregistrer;
    demande.titre = QStringLiteral("Aucune imprimante : enregistrer en PDF");
    demande.filtre = QStringLiteral("Document PDF (*.pdf);;Tous les fichiers (*)");
    demande.suffixe = QStringLiteral("pdf");
    demande.initial = QDir::home().filePath(nom + ".pdf");
    const auto chemin = ChoisirFichier(parent, demande);
    if (!chemin)
        return false;
    fichier_ = *chemin;
    return true;
}

QString TImprimanteQt::Destination() const {
    return fichier_ ? *fichier_ : QString::fromStdString(imprimante_);
}

TSystemeImpression::TImprimantes TImprimanteQt::Imprimantes() {
    CurseurAttente attente;
    return SystemeImpression().Imprimantes();
}

void TImprimanteQt::ChoisirImprimanteParDefaut() {
    if (!imprimante_.empty() || fichier_)
        return;
    const TSystemeImpression::TImprimantes imprimantes = Imprimantes();
    if (!imprimantes.noms.empty())
        imprimante_ = imprimantes.parDefaut.empty() ? imprimantes.noms.front() : imprimantes.parDefaut;
}

int TImprimanteQt::NbCopies() const {
    // One file holds the document once: copies of a file are the user's.
    return fichier_ ? 1 : copies_;
}

TCanevas& TImprimanteQt::DebuterTravail() {
    Fermer();
    if (!fichier_) {
        if (imprimante_.empty())
            throw TErreurImpression("Aucune imprimante n'est installée.");
        CurseurAttente attente;
        SystemeImpression().Verifier(imprimante_);
    }
    document_.setData(QByteArray());
    document_.open(QIODevice::WriteOnly);
    pdf_ = std::make_unique<QPdfWriter>(&document_);
    PreparerPdf(*pdf_, QString::fromStdString(titre_), orientation_);
    if (!painter_.begin(pdf_.get())) {
        Fermer();
        throw TErreurImpression("Le document « " + titre_ + " » n'a pas pu être préparé pour l'impression.");
    }
    canevas_ = std::make_unique<TCanevasQt>(painter_, pdf_->resolution() / 254.0, QPointF(),
                                            [this] { pdf_->newPage(); });
    return *canevas_;
}

void TImprimanteQt::TerminerTravail() {
    canevas_.reset();
    const bool fini = painter_.isActive() && painter_.end();
    const QByteArray octets = document_.data();
    Fermer();
    if (!fini)
        throw TErreurImpression("Le document « " + titre_ + " » n'a pas pu être préparé pour l'impression.");
    if (fichier_) {
        const std::string chemin = fichier_->toStdString();
        TEcriture ecriture;
        if (!EcrireFichierOctets(chemin, std::string_view(octets.constData(), std::size_t(octets.size())),
                                 &ecriture))
            throw TErreurImpression(ecriture.refus.empty()
                                        ? "Impossible d'écrire le fichier « " + chemin + " »."
                                        : ecriture.refus);
        return;
    }
    CurseurAttente attente;
    SystemeImpression().Envoyer(imprimante_, std::string_view(octets.constData(), std::size_t(octets.size())),
                                titre_);
}

void TImprimanteQt::AbandonnerTravail() {
    Fermer();
}

void TImprimanteQt::Fermer() {
    canevas_.reset();
    if (painter_.isActive())
        painter_.end();
    pdf_.reset();
    if (document_.isOpen())
        document_.close();
    document_.setData(QByteArray());
}

} // namespace tramonta
