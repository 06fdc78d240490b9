// SPDX-License-Identifier: GPL-3.0-or-later
// What the member and correspondent sheets put under their tabs.
#pragma once

#include "ui/communs/controles.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>
#include <utility>

namespace tramonta {

struct BoutonsFiche {
    QPushButton* ok;
    QPushButton* annuler;
    QPushButton* imprimer;
};

// "&Imprimer" at the left, with `bulle` as its hint, runs `imprimer` (the
// preview of what is typed); "&Ok", the default, and "&Annuler" at the right.
// The caller connects the last two: each sheet checks its own fields.
inline BoutonsFiche PoserBoutonsFiche(QDialog* fiche, QTabWidget* onglets, const QString& bulle,
                                      std::function<void()> imprimer) {
    BoutonsFiche b;
    b.ok = Nomme(new QPushButton("&Ok", fiche), "BoutonOk");
    b.ok->setDefault(true);
    b.annuler = Nomme(new QPushButton("&Annuler", fiche), "BoutonAnnuler");
    b.imprimer = Nomme(new QPushButton("&Imprimer", fiche), "BoutonImprimer");
    b.imprimer->setToolTip(bulle);
    QObject::connect(b.imprimer, &QPushButton::clicked, fiche, std::move(imprimer));
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(b.imprimer);
    boutons->addStretch();
    boutons->addWidget(b.ok);
    boutons->addWidget(b.annuler);
    auto* tout = new QVBoxLayout(fiche);
    tout->addWidget(onglets);
    tout->addLayout(boutons);
    return b;
}

} // namespace tramonta
