// SPDX-License-Identifier: GPL-3.0-or-later
// A canvas that draws nothing and keeps every primitive with its page
// coordinates. Tests read the layout from it; the previews record a document
// once with the real font's measures and replay only the pages in view.
#pragma once

#include "print/canevas.h"

#include <functional>
#include <map>

namespace tramonta {

struct TPrimitive {
    enum class Genre { Ligne, Cadre, Remplissage, Texte, Image, NouvellePage };
    Genre genre = Genre::Ligne;
    // Page coordinates, the origin already applied. A line runs from
    // (Left, Top) to (Right, Bottom); a text's cell starts at (Left, Top) and
    // ends at its measured width and height.
    TRect rect;
    std::string texte; // the text, or the picture's file
    std::optional<TRect> decoupe;
    TCouleur couleur = kNoir; // of a fill
    TEtatCanevas etat;        // the state when it was drawn
    int page = 0;             // printer pages started before it
};

// Width and cell height of a text in a font.
using TMetriqueTexte = std::function<TTaille(const TPolice&, std::string_view)>;

class TCanevasEnregistreur : public TCanevas {
  public:
    // Without a metric, each character (UTF-8 code point) is half the font
    // height wide and a line is the font height high, bold or not.
    explicit TCanevasEnregistreur(TMetriqueTexte metrique = {});

    static TTaille MetriqueFixe(const TPolice& police, std::string_view texte);

    void Ligne(TPoint de, TPoint a) override;
    void Cadre(const TRect& r) override;
    void Remplir(const TRect& r, TCouleur couleur) override;
    void Texte(TPoint position, std::string_view texte, const TRect* decoupe = nullptr) override;
    TTaille MesurerTexte(std::string_view texte) override;
    // Pictures are known by what DefinirImage said of them; any other file
    // cannot be read.
    std::optional<TTaille> TailleImage(const std::string& fichier) override;
    void Image(const TRect& destination, const std::string& fichier) override;
    void NouvellePage() override;

    void DefinirImage(const std::string& fichier, TTaille taille) { images_[fichier] = taille; }
    void DefinirSourceImages(std::function<std::optional<TTaille>(const std::string&)> source) {
        sourceImages_ = std::move(source);
    }

    const std::vector<TPrimitive>& Primitives() const { return primitives_; }
    std::vector<TPrimitive> Extraire() { return std::move(primitives_); }
    // The texts in drawing order, and the first primitive of a text, or none.
    std::vector<std::string> Textes() const;
    const TPrimitive* ChercherTexte(std::string_view texte) const;
    int NbPagesImprimante() const { return pagesImprimante_; }

  private:
    TRect Deplacer(TRect r) const;
    TMetriqueTexte metrique_;
    std::map<std::string, TTaille> images_;
    std::function<std::optional<TTaille>(const std::string&)> sourceImages_;
    std::vector<TPrimitive> primitives_;
    int pagesImprimante_ = 0;
    std::string dernierTexte_;
    TPolice derniereMesure_;
    TTaille derniereTaille_;
};

// Replays recorded primitives onto another canvas, as they were drawn.
void Rejouer(const TPrimitive& p, TCanevas& cible);

} // namespace tramonta
