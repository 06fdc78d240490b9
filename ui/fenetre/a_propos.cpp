// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fenetre/a_propos.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tramonta {

namespace {
QLabel* Logo(int taille, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setPixmap(QIcon(":/icones/TRAMONTA.svg").pixmap(taille, taille));
    return l;
}
} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutForm");
    setWindowTitle("A propos de Tramonta");
    auto* texte = new QLabel(QStringLiteral("<b style='font-size:14pt'>Tramonta</b><br>Version %1<br><br>"
                                            "La saison d'un club de surf : adhérents, comptabilité,<br>"
                                            "compétitions, correspondants et historique.")
                                 .arg(QApplication::applicationVersion()),
                             this);
    texte->setObjectName("LabelVersion");
    auto* ok = new QPushButton("&Ok", this);
    ok->setObjectName("BoutonOk");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* haut = new QHBoxLayout;
    haut->addWidget(Logo(64, this), 0, Qt::AlignTop);
    haut->addWidget(texte, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ok);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addLayout(boutons);
    setFixedSize(sizeHint());
}

TEcranAccueil::TEcranAccueil(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("EcranAccueil");
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x0b, 0x4f, 0x7c));
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    auto* titre = new QLabel("<span style='font-size:26pt; font-weight:bold'>Tramonta</span><br>"
                             "La saison de votre club de surf",
                             this);
    titre->setAlignment(Qt::AlignCenter);
    auto* tout = new QVBoxLayout(this);
    tout->setContentsMargins(32, 24, 32, 24);
    tout->addWidget(Logo(96, this), 0, Qt::AlignCenter);
    tout->addWidget(titre);
    setFixedSize(sizeHint().expandedTo(QSize(360, 240)));
}

void TEcranAccueil::mousePressEvent(QMouseEvent* e) {
    e->accept();
    close();
}

} // namespace tramonta
