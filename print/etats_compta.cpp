// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/etats_compta.h"

#include "core/monnaie.h"
#include "core/texte.h"

#include <vector>

namespace tramonta {

std::string MontantVersTexte(double montant, bool euro) {
    return ReelVersTexte(montant) + (euro ? " €" : " F");
}

namespace {

constexpr int kX = kMargeListe;
constexpr int kLargeur = 1800;
constexpr int kHauteurLigne = 60;
constexpr int kPoliceTitre = 60;
constexpr int kPoliceCorps = 45;

// One drawing pass of a report: the canvas, the current position and the
// page counter, inside the frame that every report shares.
class Etat {
  public:
    Etat(TCanevas& c, bool impression, const TContexteCompta& contexte)
        : c_(c), sauvegarde_(c), impression_(impression), contexte_(contexte) {
        c_.NomPolice("Tahoma");
        c_.Gras(false);
        c_.Italique(false);
        position_ = {kX, -kMargeListe};
        if (contexte.FichierLogo.empty())
            return;
        const auto taille = c_.TailleImage(contexte.FichierLogo);
        if (!taille)
            return;
        const int gauche = kX + (kLargeur - taille->cx) / 2;
        c_.Image({gauche, position_.Y, gauche + taille->cx, position_.Y - taille->cy}, contexte.FichierLogo);
        Descendre(taille->cy + 100);
    }

    TCanevas& Canevas() { return c_; }
    bool Euro() const { return contexte_.Euro; }
    int Page() const { return page_; }
    void Descendre(int dy) { position_.Y -= dy; }

    // The rectangle of a box at the position, after the page break; tells
    // whether the box opened a new page.
    TRect Boite(int hauteur, bool* saut = nullptr) {
        TRect r{position_.X, position_.Y, position_.X + kLargeur, position_.Y - hauteur};
        const bool s = AdjustRect(c_, r, position_, impression_, page_);
        if (saut)
            *saut = s;
        return r;
    }

    // A framed title box 1800 wide, its texts centred in equal bands.
    void Titre(int hauteur, std::initializer_list<std::string> textes) {
        c_.EpaisseurPlume(5);
        c_.HauteurPolice(kPoliceTitre);
        c_.Gras(false);
        const TRect r = Boite(hauteur);
        c_.Cadre(r);
        const int bande = hauteur / static_cast<int>(textes.size());
        int haut = r.Top;
        for (const auto& t : textes) {
            TexteDansRect(c_, {r.Left, haut, r.Right, haut - bande}, t, Alignement::Centre);
            haut -= bande;
        }
        Descendre(hauteur);
    }

    // Texts of a row in [x + de, x + a] of its rectangle.
    void Texte(const TRect& r, int de, int a, const std::string& texte, Alignement al = Alignement::Gauche) {
        TexteDansRect(c_, {r.Left + de, r.Top, r.Left + a, r.Bottom}, texte, al);
    }
    void Montant(const TRect& r, int de, int a, double montant) {
        TexteAligne(c_, {r.Left + de, r.Top, r.Left + a, r.Bottom}, MontantVersTexte(montant, contexte_.Euro),
                    Alignement::Droite);
    }
    void Trait(int epaisseur, TPoint de, TPoint a) {
        c_.EpaisseurPlume(epaisseur);
        c_.Ligne(de, a);
    }

  private:
    TCanevas& c_;
    TSauvegardeCanevas sauvegarde_;
    bool impression_;
    const TContexteCompta& contexte_;
    TPoint position_;
    int page_ = 1;
};

// The rules of a balance row: pen-5 edges, 1-unit columns, a bottom rule of
// the given width and a thin top rule when the row opened a page.
void ReglesLigneBilan(Etat& e, const TRect& r, int epaisseurBas, bool saut) {
    e.Trait(epaisseurBas, {r.Left, r.Bottom}, {r.Right, r.Bottom});
    if (saut)
        e.Trait(1, {r.Left, r.Top}, {r.Right, r.Top});
    e.Trait(5, {r.Left, r.Top}, {r.Left, r.Bottom});
    e.Trait(5, {r.Right, r.Top}, {r.Right, r.Bottom});
    e.Trait(1, {r.Left + 350, r.Top}, {r.Left + 350, r.Bottom});
    e.Trait(1, {r.Left + 1450, r.Top}, {r.Left + 1450, r.Bottom});
}

void TableBilan(Etat& e, const TComptabilite& compta, bool charges) {
    TCanevas& c = e.Canevas();
    c.HauteurPolice(kPoliceCorps);
    const TRect en = e.Boite(kHauteurLigne);
    e.Trait(5, {en.Left, en.Bottom}, {en.Left, en.Top});
    e.Trait(5, {en.Left, en.Top}, {en.Right, en.Top});
    e.Trait(5, {en.Right, en.Top}, {en.Right, en.Bottom});
    e.Trait(1, {en.Left, en.Bottom}, {en.Right, en.Bottom});
    e.Trait(1, {en.Left + 350, en.Top}, {en.Left + 350, en.Bottom});
    e.Trait(1, {en.Left + 1450, en.Top}, {en.Left + 1450, en.Bottom});
    c.Gras(true);
    e.Texte(en, 0, 350, "ARTICLES", Alignement::Centre);
    e.Texte(en, 350, 1450, "INTITULES", Alignement::Centre);
    e.Texte(en, 1450, 1800, charges ? "CHARGES" : "PRODUITS", Alignement::Centre);
    e.Descendre(kHauteurLigne);

    c.Gras(false);
    const int n = charges ? compta.NbComptesCharges() : compta.NbComptesProduits();
    for (int i = 0; i < n; ++i) {
        const TCompte* compte = charges ? compta.GetCompteCharge(i) : compta.GetCompteProduit(i);
        bool saut = false;
        const TRect r = e.Boite(kHauteurLigne, &saut);
        ReglesLigneBilan(e, r, 1, saut);
        e.Texte(r, 0, 350, compte->Article(), Alignement::Centre);
        e.Texte(r, 360, 1450, compte->Intitule());
        e.Montant(r, 1450, 1790, compte->Total());
        e.Descendre(kHauteurLigne);
    }

    bool saut = false;
    const TRect r = e.Boite(kHauteurLigne, &saut);
    ReglesLigneBilan(e, r, 5, saut);
    c.Gras(true);
    e.Texte(r, 360, 1450, charges ? "TOTAL CHARGES" : "TOTAL PRODUITS");
    e.Montant(r, 1450, 1790, charges ? compta.TotalCharges() : compta.TotalProduits());
    c.Gras(false);
    e.Descendre(kHauteurLigne);
}

std::string Periode(TDateTime debut, TDateTime fin) {
    if (debut == 0 || fin == 0)
        return {};
    return " entre le " + DateVersTexte(debut) + " et le " + DateVersTexte(fin);
}

std::vector<const TCompte*> ComptesMouvements(const TComptabilite& compta,
                                              const TEditionMouvements& edition) {
    std::vector<const TCompte*> comptes;
    if (edition.Genre >= 3) {
        if (edition.Compte)
            comptes.push_back(edition.Compte);
        return comptes;
    }
    if (edition.Genre != 2)
        for (int i = 0; i < compta.NbComptesCharges(); ++i)
            comptes.push_back(compta.GetCompteCharge(i));
    if (edition.Genre != 1)
        for (int i = 0; i < compta.NbComptesProduits(); ++i)
            comptes.push_back(compta.GetCompteProduit(i));
    return comptes;
}

} // namespace

int DessinerBilan(const TComptabilite& compta, TCanevas& c, bool impression,
                  const TContexteCompta& contexte) {
    Etat e(c, impression, contexte);
    e.Titre(200, {"Compte d'exploitation de l'exercice " + contexte.Intitule,
                  "Edition du " + DateVersTexte(Aujourdhui())});
    e.Descendre(100);
    TableBilan(e, compta, true);
    e.Descendre(100);
    TableBilan(e, compta, false);
    e.Descendre(100);

    c.HauteurPolice(kPoliceCorps);
    c.Gras(true);
    const TRect r = e.Boite(kHauteurLigne);
    c.EpaisseurPlume(5);
    c.Cadre(r);
    c.Ligne({r.Left + 1450, r.Top}, {r.Left + 1450, r.Bottom});
    e.Texte(r, 10, 1450, compta.LibelleResultat());
    e.Montant(r, 1450, 1790, compta.MontantResultat());
    return e.Page();
}

int DessinerMouvements(const TComptabilite& compta, TCanevas& c, const TEditionMouvements& edition,
                       bool impression, const TContexteCompta& contexte) {
    Etat e(c, impression, contexte);
    e.Titre(100, {"Mouvements comptables"});
    e.Descendre(100);
    c.HauteurPolice(kPoliceCorps);
    std::vector<TLigneEcriture*> lignes;
    const std::string periode =
        edition.Debut != 0 && edition.Fin != 0
            ? " entre " + DateVersTexte(edition.Debut) + " et " + DateVersTexte(edition.Fin)
            : std::string();
    for (const TCompte* compte : ComptesMouvements(compta, edition)) {
        if (compte->LignesEntre(lignes, edition.Debut, edition.Fin) == 0)
            continue;
        c.Gras(true);
        TRect r = e.Boite(kHauteurLigne);
        e.Texte(r, 0, kLargeur, Formater("• Mouvements du compte \"%s\"", {compte->Article()}) + periode);
        e.Descendre(kHauteurLigne);
        c.Gras(false);
        for (const TLigneEcriture* l : lignes) {
            r = e.Boite(kHauteurLigne);
            e.Texte(r, 50, 1200, l->Libelle());
            e.Texte(r, 1200, 1450, DateVersTexte(l->Date()));
            e.Montant(r, 1200, 1800, l->Montant());
            e.Descendre(kHauteurLigne);
        }
        c.Gras(true);
        r = e.Boite(kHauteurLigne);
        e.Texte(r, 50, 1200, "TOTAL");
        e.Montant(r, 1200, 1800, TCompte::SommeLignes(lignes));
        c.Gras(false);
        e.Descendre(2 * kHauteurLigne);
    }
    return e.Page();
}

int DessinerDepots(const TComptabilite& compta, TCanevas& c, const TEditionDepotsBancaires& edition,
                   bool impression, const TContexteCompta& contexte) {
    Etat e(c, impression, contexte);
    e.Titre(100, {"Dépôts bancaires"});
    e.Descendre(100);
    c.HauteurPolice(kPoliceCorps);
    c.Gras(true);
    TRect r = e.Boite(kHauteurLigne);
    e.Texte(r, 0, kLargeur,
            Formater("Chèques de %s au %s", {DateVersTexte(edition.Debut), DateVersTexte(edition.Fin)}));
    e.Descendre(kHauteurLigne);
    r = e.Boite(kHauteurLigne);
    std::string edite = Formater("Edition du %s", {DateVersTexte(edition.DateEdition)});
    if (!edition.NumeroDepot.empty())
        edite += Formater(" n°%s", {edition.NumeroDepot});
    e.Texte(r, 0, kLargeur, edite);
    e.Descendre(2 * kHauteurLigne);

    r = e.Boite(kHauteurLigne);
    e.Texte(r, 0, kLargeur, "Intitulé du compte :");
    e.Descendre(kHauteurLigne);
    c.Gras(false);
    for (const std::string& texte : {Formater("Titulaire : %s", {compta.TitulaireCompte()}),
                                     Formater("Etablissement domiciliaire : %s", {compta.NomBanque()}),
                                     "Numéro : " + std::to_string(compta.NumeroCompte())}) {
        r = e.Boite(kHauteurLigne);
        e.Texte(r, 0, kLargeur, texte);
        e.Descendre(kHauteurLigne);
    }
    e.Descendre(2 * kHauteurLigne);

    std::vector<const TCompte*> comptes;
    if (edition.Genre == 0) {
        for (int i = 0; i < compta.NbComptesProduits(); ++i)
            comptes.push_back(compta.GetCompteProduit(i));
    } else if (edition.Compte) {
        comptes.push_back(edition.Compte);
    }
    double total = 0;
    std::vector<TLigneEcriture*> lignes;
    for (const TCompte* compte : comptes) {
        compte->LignesEntre(lignes, edition.Debut, edition.Fin);
        for (const TLigneEcriture* l : lignes) {
            c.Gras(true);
            r = e.Boite(kHauteurLigne);
            e.Texte(r, 0, kLargeur, "• " + l->Libelle());
            e.Descendre(kHauteurLigne);
            c.Gras(false);
            r = e.Boite(kHauteurLigne);
            e.Texte(r, 50, 1200, l->NumeroCheque());
            e.Texte(r, 1200, 1450, DateVersTexte(l->Date()));
            e.Montant(r, 1450, 1800, l->Montant());
            e.Descendre(kHauteurLigne);
        }
        total += TCompte::SommeLignes(lignes);
    }
    e.Descendre(kHauteurLigne);
    c.Gras(true);
    r = e.Boite(kHauteurLigne);
    e.Texte(r, 0, 1450, "• TOTAL");
    e.Montant(r, 1450, 1800, total);
    return e.Page();
}

std::string LigneJournalBilan() {
    return "Impression du bilan comptable";
}

std::string LigneJournalMouvements(const TEditionMouvements& edition) {
    std::string portee;
    switch (edition.Genre) {
    case 0:
        portee = " de tous les comptes";
        break;
    case 1:
        portee = " de tous les comptes charge";
        break;
    case 2:
        portee = " de tous les comptes produit";
        break;
    default:
        portee = " du compte " + (edition.Compte ? edition.Compte->Article() : std::string());
        break;
    }
    return "Impression des mouvements bancaires" + portee + Periode(edition.Debut, edition.Fin);
}

std::string LigneJournalDepots(const TEditionDepotsBancaires& edition) {
    const std::string portee =
        edition.Genre == 0 ? std::string(" de tous les comptes produits")
                           : " du compte " + (edition.Compte ? edition.Compte->Article() : std::string());
    return "Impression des dépôts bancaires" + portee + Periode(edition.Debut, edition.Fin);
}

} // namespace tramonta
