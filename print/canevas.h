// SPDX-License-Identifier: GPL-3.0-or-later
// The surface every printed document is drawn on, whether it ends on paper, in
// a PDF file, in a preview or in a test's recording.
//
// Coordinates are page units of 0.1 mm. x grows to the right from the left
// edge of the paper, y grows upwards: the top edge of a page is y = 0 and the
// page's content has negative y. A preview stacks its pages on one long sheet,
// page p (from 1) covering y from -(p - 1) * 2970 down to -p * 2970.
//
// A font height is the character cell's height (ascent plus descent) in page
// units, so that 50 is a 5 mm cell on paper and on screen alike.
//
// Texts are UTF-8.
#pragma once

#include "model/tableau.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tramonta {

// A4 in page units.
inline constexpr int kLargeurA4 = 2100;
inline constexpr int kHauteurA4 = 2970;
// Paginated lists start 15 mm from the left and top edges; a box ending this
// far below the top of its page or further goes to the next page.
inline constexpr int kMargeListe = 150;
inline constexpr int kLimiteBasPage = 2821;

// TPoint and TRect are the model's (model/tableau.h), which the heat tables
// already lay out with: left, top, right, bottom as the page coordinates give
// them, so that on a page Top > Bottom.
inline TPoint CoinHautGauche(const TRect& r) {
    return {r.Left, r.Top};
}

struct TTaille {
    int cx = 0;
    int cy = 0;
    bool operator==(const TTaille&) const = default;
};

// Absolute differences of the two x or the two y values.
int LargeurRect(const TRect& r);
int HauteurRect(const TRect& r);

enum class Alignement { Gauche, Centre, Droite };
enum class StylePlume { Continu, Pointille };
enum class Orientation { Portrait, Paysage };

struct TPolice {
    std::string Nom = "Tahoma";
    int Hauteur = 45; // cell height in page units
    bool Gras = false;
    bool Italique = false;
    bool Souligne = false;
    bool operator==(const TPolice&) const = default;
};

// 0xRRGGBB.
using TCouleur = std::uint32_t;
inline constexpr TCouleur kNoir = 0x000000;
inline constexpr TCouleur kBlanc = 0xFFFFFF;

// What a drawing routine may change and must give back as it found it.
struct TEtatCanevas {
    TPolice Police;
    TCouleur CouleurTexte = kNoir;
    int EpaisseurPlume = 1; // page units
    StylePlume Style = StylePlume::Continu;
    TCouleur CouleurPlume = kNoir;
    // The page point that a drawing's (0, 0) lands on: every coordinate given
    // to the canvas is moved by it.
    TPoint Origine;
    bool operator==(const TEtatCanevas&) const = default;
};

class TCanevas {
  public:
    virtual ~TCanevas() = default;
    TCanevas() = default;
    TCanevas(const TCanevas&) = delete;
    TCanevas& operator=(const TCanevas&) = delete;

    // State. The setters are plain stores; the primitives below draw with the
    // state current when they are called.
    const TEtatCanevas& Etat() const { return etat_; }
    void Restaurer(const TEtatCanevas& etat) { etat_ = etat; }
    void DefinirPolice(const TPolice& police) { etat_.Police = police; }
    void NomPolice(std::string nom) { etat_.Police.Nom = std::move(nom); }
    void HauteurPolice(int hauteur) { etat_.Police.Hauteur = hauteur; }
    void Gras(bool gras) { etat_.Police.Gras = gras; }
    void Italique(bool italique) { etat_.Police.Italique = italique; }
    void CouleurTexte(TCouleur c) { etat_.CouleurTexte = c; }
    void EpaisseurPlume(int epaisseur) { etat_.EpaisseurPlume = epaisseur; }
    void Style(StylePlume style) { etat_.Style = style; }
    void CouleurPlume(TCouleur c) { etat_.CouleurPlume = c; }
    void Origine(TPoint origine) { etat_.Origine = origine; }

    // Primitives, in the caller's coordinates (moved by the origin).
    virtual void Ligne(TPoint de, TPoint a) = 0;
    // The outline of a rectangle with the current pen; the inside is left alone.
    virtual void Cadre(const TRect& r) = 0;
    virtual void Remplir(const TRect& r, TCouleur couleur) = 0;
    // One line of text whose cell's top-left corner is `position`; nothing of
    // it shows outside `decoupe` when one is given.
    virtual void Texte(TPoint position, std::string_view texte, const TRect* decoupe = nullptr) = 0;
    // Width of one line of text and the cell height, in the current font.
    virtual TTaille MesurerTexte(std::string_view texte) = 0;
    // A picture file's size on this canvas in page units (its on-screen size),
    // or nothing when the file cannot be read.
    virtual std::optional<TTaille> TailleImage(const std::string& fichier) = 0;
    virtual void Image(const TRect& destination, const std::string& fichier) = 0;
    // Ends the printer's page and starts the next one; previews and scratch
    // canvases stack their pages and need none.
    virtual void NouvellePage() = 0;

  private:
    TEtatCanevas etat_;
};

// Saves the canvas state on construction and puts it back on destruction, so
// that a drawing routine gives its canvas back as it was given, whatever way
// it leaves.
class TSauvegardeCanevas {
  public:
    explicit TSauvegardeCanevas(TCanevas& canevas) : canevas_(canevas), etat_(canevas.Etat()) {}
    ~TSauvegardeCanevas() { canevas_.Restaurer(etat_); }
    TSauvegardeCanevas(const TSauvegardeCanevas&) = delete;
    TSauvegardeCanevas& operator=(const TSauvegardeCanevas&) = delete;

  private:
    TCanevas& canevas_;
    TEtatCanevas etat_;
};

// Shared text routines.

// One line vertically centred in the rectangle, starting at its left edge,
// centred or ending at its right edge; clipped to the rectangle. An empty
// text draws nothing (here and in TexteAligne).
void TexteDansRect(TCanevas& c, const TRect& r, std::string_view texte, Alignement a = Alignement::Gauche);

// One line placed 5 units inside the left or right edge, or centred
// (truncating toward zero), vertically centred; gives the text's height.
int TexteAligne(TCanevas& c, const TRect& r, std::string_view texte, Alignement a);

// Text broken into lines at blanks (and at line breaks) so that each fits the
// rectangle's width; a word wider than the rectangle is cut where it no longer
// fits. The lines are drawn from the rectangle's top, each aligned as asked.
// Gives the height of the whole block.
int TexteMultiligne(TCanevas& c, const TRect& r, std::string_view texte, Alignement a = Alignement::Gauche);
// Only measures: the rectangle keeps its left, top and right, and its bottom
// goes to where the block ends. Gives the block's height.
int MesurerTexteMultiligne(TCanevas& c, TRect& r, std::string_view texte);
// The lines that TexteMultiligne would draw.
std::vector<std::string> CouperLignes(TCanevas& c, std::string_view texte, int largeur);

// A text split at its line breaks (CR LF or LF alone), the last line kept even
// without a break after it; an empty text gives no line.
std::vector<std::string> DecouperLignes(std::string_view texte);

// "Oui" or "Non".
std::string BoolVersTexte(bool valeur);

// Page break of the paginated lists, called before each box whose rectangle
// starts at the current position. When the box would end 2821 units or more
// below the top of its page, it moves 150 units below the top of the next:
// on paper (`impression`) after a new printer page, on a preview one page
// height further down the stacked sheet, with the boundary drawn as a dotted
// line. Gives true and counts the page when it broke. A rectangle that does
// not start at the position is reported in a "Debug" message box and used as
// it is.
bool AdjustRect(TCanevas& c, TRect& r, TPoint& position, bool impression, int& page);

} // namespace tramonta
