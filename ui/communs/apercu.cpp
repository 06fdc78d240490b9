// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/communs/apercu.h"

#include "platform/canevas_qt.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace tramonta {

namespace {
int PageDe(int y, int hauteurPage) {
    return y >= 0 ? 0 : (-y - 1) / hauteurPage;
}
} // namespace

TApercu::TApercu(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName("PaintBox");
    setAccessibleName("Aperçu avant impression");
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    MettreAJourDefilement();
}

void TApercu::DefinirDessin(Dessin dessin) {
    dessin_ = std::move(dessin);
    Enregistrer();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void TApercu::Actualiser() {
    Enregistrer();
}

void TApercu::DefinirFeuille(int largeur, int hauteurPage) {
    largeurPage_ = largeur;
    hauteurPage_ = std::max(1, hauteurPage);
    Enregistrer();
}

void TApercu::Enregistrer() {
    TCanevasEnregistreurQt canevas;
    pages_ = dessin_ ? std::max(1, dessin_(canevas)) : 1;
    primitives_ = canevas.Extraire();
    premierePage_.assign(primitives_.size(), 0);
    parPage_.assign(static_cast<std::size_t>(pages_), {});
    for (std::size_t i = 0; i < primitives_.size(); ++i) {
        const TRect& r = primitives_[i].rect;
        int de = PageDe(std::max(r.Top, r.Bottom), hauteurPage_);
        int a = PageDe(std::min(r.Top, r.Bottom), hauteurPage_);
        de = std::clamp(de, 0, pages_ - 1);
        a = std::clamp(a, 0, pages_ - 1);
        premierePage_[i] = de;
        for (int p = de; p <= a; ++p)
            parPage_[static_cast<std::size_t>(p)].push_back(static_cast<int>(i));
    }
    MettreAJourDefilement();
    viewport()->update();
}

void TApercu::MettreAJourDefilement() {
    const int largeur = UnitesVersPixels(largeurPage_);
    const int hauteur = UnitesVersPixels(pages_ * hauteurPage_);
    horizontalScrollBar()->setRange(0, std::max(0, largeur - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setRange(0, std::max(0, hauteur - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(20);
}

void TApercu::Peindre(QPainter& painter, const QRect& zone) const {
    const double echelle = PixelsEcranParUnite();
    const int sx = horizontalScrollBar()->value();
    const int sy = verticalScrollBar()->value();
    painter.fillRect(zone, palette().color(QPalette::Dark));
    const QRectF feuille(-sx, -sy, largeurPage_ * echelle, pages_ * hauteurPage_ * echelle);
    painter.fillRect(feuille.intersected(QRectF(zone)), Qt::white);

    // Pages in view, from the zone's top to its bottom, in units.
    const int haut = static_cast<int>(std::floor((sy + zone.top()) / echelle));
    const int bas = static_cast<int>(std::ceil((sy + zone.bottom() + 1) / echelle));
    const int premiere = std::clamp(haut / hauteurPage_, 0, pages_ - 1);
    const int derniere = std::clamp(bas / hauteurPage_, 0, pages_ - 1);
    painter.save();
    painter.setClipRect(zone);
    TCanevasQt canevas(painter, echelle, QPointF(-sx, -sy));
    for (int p = premiere; p <= derniere; ++p)
        for (int i : parPage_[static_cast<std::size_t>(p)])
            // A primitive across two pages in view is drawn once, with the
            // first of them.
            if (std::max(premierePage_[static_cast<std::size_t>(i)], premiere) == p)
                Rejouer(primitives_[static_cast<std::size_t>(i)], canevas);
    painter.restore();
}

void TApercu::paintEvent(QPaintEvent* e) {
    QPainter painter(viewport());
    Peindre(painter, e->rect());
}

void TApercu::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    MettreAJourDefilement();
}

void TApercu::keyPressEvent(QKeyEvent* e) {
    QScrollBar* v = verticalScrollBar();
    switch (e->key()) {
    case Qt::Key_Home:
        v->setValue(0);
        break;
    case Qt::Key_End:
        v->setValue(v->maximum());
        break;
    case Qt::Key_PageUp:
        v->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
    case Qt::Key_Space:
        v->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(e);
    }
}

} // namespace tramonta
