// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/communs/fiche_apercu.h"

#include "ui/communs/controles.h"
#include "ui/communs/fiche_configuration_imprimante.h"

#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tramonta {

TFicheApercu::TFicheApercu(QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(900, 760);
    ToolBar = new QToolBar(this);
    ToolBar->setObjectName("ToolBar");
    ToolBar->setIconSize(QSize(24, 24));
    BoutonPrintSetup =
        BoutonOutil(ToolBar, "BoutonPrintSetup", "Configuration de l'imprimante...", "CONFIG_IMPRIMANTE");
    BoutonPrint = BoutonOutil(ToolBar, "BoutonPrint", "Imprimer", "IMPRIMER");
    PaintBox = new TApercu(this);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(ToolBar);
    l->addWidget(PaintBox, 1);
    connect(BoutonPrintSetup, &QToolButton::clicked, this, &TFicheApercu::BoutonPrintSetupClick);
    connect(BoutonPrint, &QToolButton::clicked, this, [this] { BoutonPrintClick(); });
}

void TFicheApercu::BoutonPrintSetupClick() {
    ConfigurerImprimante(this, imprimante_);
}

void TFicheApercu::Imprimer(TTravailImpression travail, const QString& nomPdf) {
    LancerImpression(this, imprimante_, std::move(travail), nomPdf);
}

} // namespace tramonta
