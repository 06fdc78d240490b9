// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/canevas_enregistreur.h"

namespace tramonta {

TCanevasEnregistreur::TCanevasEnregistreur(TMetriqueTexte metrique)
    : metrique_(metrique ? std::move(metrique) : TMetriqueTexte(&TCanevasEnregistreur::MetriqueFixe)) {}

TTaille TCanevasEnregistreur::MetriqueFixe(const TPolice& police, std::string_view texte) {
    int caracteres = 0;
    for (unsigned char octet : texte)
        if ((octet & 0xC0) != 0x80)
            ++caracteres;
    return {caracteres * police.Hauteur / 2, police.Hauteur};
}

TRect TCanevasEnregistreur::Deplacer(TRect r) const {
    const TPoint o = Etat().Origine;
    return {r.Left + o.X, r.Top + o.Y, r.Right + o.X, r.Bottom + o.Y};
}

void TCanevasEnregistreur::Ligne(TPoint de, TPoint a) {
    TPrimitive p;
    p.genre = TPrimitive::Genre::Ligne;
    p.rect = Deplacer({de.X, de.Y, a.X, a.Y});
    p.etat = Etat();
    p.page = pagesImprimante_;
    primitives_.push_back(std::move(p));
}

void TCanevasEnregistreur::Cadre(const TRect& r) {
    TPrimitive p;
    p.genre = TPrimitive::Genre::Cadre;
    p.rect = Deplacer(r);
    p.etat = Etat();
    p.page = pagesImprimante_;
    primitives_.push_back(std::move(p));
}

void TCanevasEnregistreur::Remplir(const TRect& r, TCouleur couleur) {
    TPrimitive p;
    p.genre = TPrimitive::Genre::Remplissage;
    p.rect = Deplacer(r);
    p.couleur = couleur;
    p.etat = Etat();
    p.page = pagesImprimante_;
    primitives_.push_back(std::move(p));
}

void TCanevasEnregistreur::Texte(TPoint position, std::string_view texte, const TRect* decoupe) {
    // The text routines have just measured it: no second measure.
    const TTaille t =
        texte == dernierTexte_ && Etat().Police == derniereMesure_ ? derniereTaille_ : MesurerTexte(texte);
    TPrimitive p;
    p.genre = TPrimitive::Genre::Texte;
    p.rect = Deplacer({position.X, position.Y, position.X + t.cx, position.Y - t.cy});
    p.texte = std::string(texte);
    if (decoupe)
        p.decoupe = Deplacer(*decoupe);
    p.etat = Etat();
    p.page = pagesImprimante_;
    primitives_.push_back(std::move(p));
}

TTaille TCanevasEnregistreur::MesurerTexte(std::string_view texte) {
    return metrique_(Etat().Police, texte);
}

std::optional<TTaille> TCanevasEnregistreur::TailleImage(const std::string& fichier) {
    if (auto it = images_.find(fichier); it != images_.end())
        return it->second;
    if (sourceImages_)
        return sourceImages_(fichier);
    return std::nullopt;
}

void TCanevasEnregistreur::Image(const TRect& destination, const std::string& fichier) {
    TPrimitive p;
    p.genre = TPrimitive::Genre::Image;
    p.rect = Deplacer(destination);
    p.texte = fichier;
    p.etat = Etat();
    p.page = pagesImprimante_;
    primitives_.push_back(std::move(p));
}

void TCanevasEnregistreur::NouvellePage() {
    TPrimitive p;
    p.genre = TPrimitive::Genre::NouvellePage;
    p.etat = Etat();
    p.page = pagesImprimante_;
    primitives_.push_back(std::move(p));
    ++pagesImprimante_;
}

std::vector<std::string> TCanevasEnregistreur::Textes() const {
    std::vector<std::string> textes;
    for (const auto& p : primitives_)
        if (p.genre == TPrimitive::Genre::Texte)
            textes.push_back(p.texte);
    return textes;
}

const TPrimitive* TCanevasEnregistreur::ChercherTexte(std::string_view texte) const {
    for (const auto& p : primitives_)
        if (p.genre == TPrimitive::Genre::Texte && p.texte == texte)
            return &p;
    return nullptr;
}

void Rejouer(const TPrimitive& p, TCanevas& cible) {
    // The recorded coordinates already hold the drawing's origin; the
    // target's own origin (a preview's scroll position) stays.
    TEtatCanevas etat = p.etat;
    etat.Origine = cible.Etat().Origine;
    cible.Restaurer(etat);
    const TRect& r = p.rect;
    switch (p.genre) {
    case TPrimitive::Genre::Ligne:
        cible.Ligne({r.Left, r.Top}, {r.Right, r.Bottom});
        break;
    case TPrimitive::Genre::Cadre:
        cible.Cadre(r);
        break;
    case TPrimitive::Genre::Remplissage:
        cible.Remplir(r, p.couleur);
        break;
    case TPrimitive::Genre::Texte:
        cible.Texte(CoinHautGauche(r), p.texte, p.decoupe ? &*p.decoupe : nullptr);
        break;
    case TPrimitive::Genre::Image:
        cible.Image(r, p.texte);
        break;
    case TPrimitive::Genre::NouvellePage:
        cible.NouvellePage();
        break;
    }
}

} // namespace tramonta
