// SPDX-License-Identifier: GPL-3.0-or-later
// The paper view of a preview: white A4 pages one under another on a
// scrolling view, the dotted page boundaries being the document's own. The
// document is drawn once onto a recording canvas measured with the real
// fonts, its primitives kept per page; a paint replays only the pages in
// view, so that a long report scrolls as smoothly as a short one.
#pragma once

#include "print/canevas_enregistreur.h"

#include <QAbstractScrollArea>

#include <functional>
#include <vector>

namespace tramonta {

class TApercu : public QAbstractScrollArea {
    Q_OBJECT
  public:
    // Draws the document in preview mode (printing flag clear, pages stacked
    // downwards from y = 0) and gives its number of pages.
    using Dessin = std::function<int(TCanevas&)>;

    explicit TApercu(QWidget* parent = nullptr);

    // Records the document at once, sizes the scroll ranges to the pages
    // (2100 by pages x 2970 units in screen pixels) and scrolls back to the
    // top. An empty drawing shows a blank page.
    void DefinirDessin(Dessin dessin);
    // Records the same drawing again, after the data changed; keeps the
    // scroll position.
    void Actualiser();
    int NbPages() const { return pages_; }
    // Page size in units: 2100 x 2970 for portrait A4 (the default),
    // 2970 x 2100 for landscape. Pages stack one page height apart.
    void DefinirFeuille(int largeur, int hauteurPage);
    // The width alone, pages keeping their height.
    void DefinirLargeurPage(int unites) { DefinirFeuille(unites, hauteurPage_); }

    // Paints the part of the sheet that `zone` (viewport pixels) shows, at
    // the current scroll position.
    void Peindre(QPainter& painter, const QRect& zone) const;
    const std::vector<TPrimitive>& Primitives() const { return primitives_; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void Enregistrer();
    void MettreAJourDefilement();
    Dessin dessin_;
    std::vector<TPrimitive> primitives_;
    // Per page (from 0), the primitives that touch it, in drawing order.
    std::vector<std::vector<int>> parPage_;
    std::vector<int> premierePage_;
    int pages_ = 1;
    int largeurPage_ = kLargeurA4;
    int hauteurPage_ = kHauteurA4;
};

} // namespace tramonta
