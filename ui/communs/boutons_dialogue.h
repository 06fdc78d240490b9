// SPDX-License-Identifier: GPL-3.0-or-later
// The row that closes a small dialog.
#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace tramonta {

// "&Ok", the default button, and "&Annuler" at the right of a row, named
// BoutonOk and BoutonAnnuler. "&Annuler" rejects `d`; "&Ok" is handed back in
// `ok` for a dialog that checks its fields before it accepts.
inline QHBoxLayout* BoutonsOkAnnuler(QDialog* d, QPushButton*& ok) {
    ok = new QPushButton("&Ok", d);
    ok->setObjectName("BoutonOk");
    ok->setDefault(true);
    auto* annuler = new QPushButton("&Annuler", d);
    annuler->setObjectName("BoutonAnnuler");
    QObject::connect(annuler, &QPushButton::clicked, d, &QDialog::reject);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ok);
    boutons->addWidget(annuler);
    return boutons;
}

// The same row for a dialog that "&Ok" simply accepts.
inline QHBoxLayout* BoutonsOkAnnuler(QDialog* d) {
    QPushButton* ok = nullptr;
    QHBoxLayout* boutons = BoutonsOkAnnuler(d, ok);
    QObject::connect(ok, &QPushButton::clicked, d, &QDialog::accept);
    return boutons;
}

} // namespace tramonta
