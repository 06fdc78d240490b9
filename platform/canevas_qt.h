// SPDX-License-Identifier: GPL-3.0-or-later
// The page canvas over a QPainter: a widget, an image, a printer or a PDF
// file. Page units (0.1 mm, y upward) become device pixels through a scale
// and a shift; fonts are sized so that their cell (ascent plus descent) has
// the height asked for.
#pragma once

#include "print/canevas.h"
#include "print/canevas_enregistreur.h"

#include <QFont>
#include <QPointF>
#include <QString>

#include <functional>

class QPainter;
class QPagedPaintDevice;
class QPdfWriter;

namespace tramonta {

class TCanevasQt : public TCanevas {
  public:
    // `pixelsParUnite`: device pixels per 0.1 mm; `decalage`: device position
    // of the page point (0, 0). `nouvellePage` ends a printer page (none on
    // the screen).
    TCanevasQt(QPainter& painter, double pixelsParUnite, QPointF decalage = {},
               std::function<void()> nouvellePage = {});
    ~TCanevasQt() override;

    void Ligne(TPoint de, TPoint a) override;
    void Cadre(const TRect& r) override;
    void Remplir(const TRect& r, TCouleur couleur) override;
    void Texte(TPoint position, std::string_view texte, const TRect* decoupe = nullptr) override;
    TTaille MesurerTexte(std::string_view texte) override;
    std::optional<TTaille> TailleImage(const std::string& fichier) override;
    void Image(const TRect& destination, const std::string& fichier) override;
    void NouvellePage() override;

  private:
    QPointF Point(int x, int y) const;
    void AppliquerPlume();
    void AppliquerPolice();
    QPainter& painter_;
    double echelle_;
    QPointF decalage_;
    std::function<void()> nouvellePage_;
    bool plumeAppliquee_ = false;
    TEtatCanevas plume_;
    bool policeAppliquee_ = false;
    TPolice police_;
    TCouleur couleurTexte_ = kNoir;
    double ascent_ = 0;
};

// The font whose cell is `police.Hauteur` units high, drawn at that many
// units; Tahoma when the program registered it, a sans-serif otherwise.
QFont PoliceQt(const TPolice& police);

// Text measures and picture sizes as TCanevasQt gives them, for a recording
// canvas that must paginate exactly as the printer will.
TTaille MesurerTexteQt(const TPolice& police, std::string_view texte);
std::optional<TTaille> TailleImageQt(const std::string& fichier);
class TCanevasEnregistreurQt : public TCanevasEnregistreur {
  public:
    TCanevasEnregistreurQt();
};

// Screen pixels and page units through the screen's resolution (the metric
// conversions of the previews and of the heat-table editor).
double PixelsEcranParUnite();
int UnitesVersPixels(int unites);
int PixelsVersUnites(int pixels);

// A4 pages without margins in the given orientation, 1200 dots per inch:
// the PDF form of every printed document, on paper or in a file.
void PreparerPdf(QPdfWriter& pdf, const QString& titre, Orientation orientation);

// Draws a document on A4 pages of a PDF file, with real (searchable) text.
// `dessin` draws in printing mode. Gives false when the file cannot be
// written.
bool EcrirePdf(const QString& fichier, const QString& titre, Orientation orientation,
               const std::function<void(TCanevas&)>& dessin);

} // namespace tramonta
