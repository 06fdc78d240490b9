// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/fiches.h"

#include "core/dates.h"
#include "core/monnaie.h"
#include "model/adherent.h"
#include "model/correspondant.h"
#include "print/canevas.h"

namespace tramonta {

namespace {

std::string& Titre() {
    static std::string titre = "Tramonta";
    return titre;
}

// Both sheets share one geometry: block titles at 200, labels at 300, rows
// 80 units apart, the second column's labels at 1100 with values at 1410.
constexpr int kXTitre = 200;
constexpr int kXLibelle = 300;
constexpr int kXRegle = 250;
constexpr int kXLibelle2 = 1100;
constexpr int kXValeur2 = 1410;
constexpr int kPas = 80;
constexpr int kHauteurTexte = 50;
constexpr int kHauteurEntete = 40;

void Entete(TCanevas& c, const char* fiche) {
    c.HauteurPolice(kHauteurEntete);
    c.Texte({kXTitre, -50}, TitreEntete() + fiche);
}

void TitreBloc(TCanevas& c, int y, const char* titre) {
    c.Gras(true);
    c.Texte({kXTitre, y}, titre);
    c.Gras(false);
}

// Where a label's value starts: at its column, unless the label is wider
// than the column leaves it, and then a small gap after the label. Only
// that row moves; the others of the block keep the column.
int XValeur(TCanevas& c, int xLibelle, int xColonne, const char* libelle) {
    constexpr int kEcart = 5;
    const int largeur = c.MesurerTexte(libelle).cx;
    return largeur > xColonne - xLibelle ? xLibelle + largeur + kEcart : xColonne;
}

// A label and its value on one row.
void Rangee(TCanevas& c, int y, int xColonne, const char* libelle, const std::string& valeur) {
    c.Texte({kXLibelle, y}, libelle);
    c.Texte({XValeur(c, kXLibelle, xColonne, libelle), y}, valeur);
}

void SecondeColonne(TCanevas& c, int y, int xColonne, const char* libelle, const std::string& valeur) {
    c.Texte({kXLibelle2, y}, libelle);
    c.Texte({XValeur(c, kXLibelle2, xColonne, libelle), y}, valeur);
}

// The rule that runs along a block, from its first row to just under its last.
void Regle(TCanevas& c, int yPremiere, int yDerniere) {
    c.Ligne({kXRegle, yPremiere}, {kXRegle, yDerniere - kPas / 2});
}

// "Adresse :" on row y with the address lines one under the other from that
// row; gives the row after the last line (y itself for an empty address).
int Adresse(TCanevas& c, int y, int xColonne, const std::string& adresse) {
    c.Texte({kXLibelle, y}, "Adresse :");
    const int xValeur = XValeur(c, kXLibelle, xColonne, "Adresse :");
    for (const std::string& ligne : DecouperLignes(adresse)) {
        c.Texte({xValeur, y}, ligne);
        y -= kPas;
    }
    return y;
}

} // namespace

const std::string& TitreEntete() {
    return Titre();
}

void DefinirTitreEntete(std::string titre) {
    Titre() = std::move(titre);
}

std::string TitreEntetePour(const std::string& intitule) {
    return intitule.empty() ? std::string("Tramonta") : "Tramonta - " + intitule;
}

void ImprimerAdherent(const TAdherent& a, TCanevas& c, bool avecEntete) {
    TSauvegardeCanevas sauvegarde(c);
    c.NomPolice("Tahoma");
    c.Gras(false);
    c.EpaisseurPlume(5);
    c.Style(StylePlume::Continu);
    if (avecEntete)
        Entete(c, " - Fiche adhérent");
    c.HauteurPolice(kHauteurTexte);

    constexpr int xCivil = 610;
    constexpr int xCivil2 = kXValeur2;
    TitreBloc(c, -200, "Etat civil");
    Rangee(c, -280, xCivil, "Nom :", a.Nom());
    Rangee(c, -360, xCivil, "Prénom :", a.Prenom());
    Rangee(c, -440, xCivil, "Sexe :", a.Sexe());
    Rangee(c, -520, xCivil, "Date naissance :", DateVersTexte(a.DateNaissance()));
    SecondeColonne(c, -520, xCivil2, "Lieu naissance :", a.LieuNaissance());
    const int yPostal = Adresse(c, -600, xCivil, a.Adresse());
    Rangee(c, yPostal, xCivil, "Code postal :", std::to_string(a.CodePostal()));
    SecondeColonne(c, yPostal, xCivil2, "Ville :", a.Ville());
    const int yTel = yPostal - kPas;
    Rangee(c, yTel, xCivil, "Tél. 1 :", a.Tel1());
    SecondeColonne(c, yTel, xCivil2, "Tél. 2 :", a.Tel2());
    Regle(c, -280, yTel);

    constexpr int xLicence = 620;
    constexpr int xLicence2 = 1420;
    TitreBloc(c, yTel - 2 * kPas, "F.F.S.");
    const int yNumero = yTel - 3 * kPas;
    Rangee(c, yNumero, xLicence, "Numéro licence :", a.NumeroLicence());
    SecondeColonne(c, yNumero, xLicence2, "Date délivrance :", DateVersTexte(a.DateDelivrance()));
    int y = yNumero - kPas;
    if (a.CertificatMedical() || a.LicenceCompet() || a.LicenceDirigeant()) {
        std::string licences;
        if (a.CertificatMedical())
            licences += "Certificat médical fourni    ";
        if (a.LicenceCompet())
            licences += "Licence compétition    ";
        if (a.LicenceDirigeant())
            licences += "Licence dirigeant";
        c.Texte({kXLibelle, y}, licences);
        y -= kPas;
    }
    Rangee(c, y, xLicence, "Montant licence :", ReelVersTexte(a.MontantLicence()));
    Regle(c, yNumero, y);

    constexpr int xClub = 730;
    TitreBloc(c, y - 2 * kPas, "Club");
    const int yCaution = y - 3 * kPas;
    Rangee(c, yCaution, xClub, "Caution combinaison :", ReelVersTexte(a.CautionCombinaison()));
    Rangee(c, yCaution - kPas, xClub, "Location combinaison :", ReelVersTexte(a.LocationCombinaison()));
    Rangee(c, yCaution - 2 * kPas, xClub, "Forfait leçon :", ReelVersTexte(a.ForfaitLecon()));
    Regle(c, yCaution, yCaution - 2 * kPas);
}

void ImprimerCorrespondant(const TCorrespondant& k, TCanevas& c, bool avecEntete) {
    TSauvegardeCanevas sauvegarde(c);
    c.NomPolice("Tahoma");
    c.Gras(false);
    c.EpaisseurPlume(5);
    c.Style(StylePlume::Continu);
    if (avecEntete)
        Entete(c, " - Fiche correspondant");
    c.HauteurPolice(kHauteurTexte);

    constexpr int x = 610;
    constexpr int x2 = kXValeur2;
    TitreBloc(c, -200, "Général");
    Rangee(c, -280, x, "Nom :", k.Nom());
    int y = Adresse(c, -360, x, k.Adresse());
    Rangee(c, y, x, "Code postal :", std::to_string(k.CodePostal()));
    SecondeColonne(c, y, x2, "Ville :", k.Ville());
    y -= kPas;
    Rangee(c, y, x, "Tél. 1 :", k.Tel1());
    SecondeColonne(c, y, x2, "Tél. 2 :", k.Tel2());
    y -= kPas;
    Rangee(c, y, x, "Fax :", k.Fax());
    y -= kPas;
    Rangee(c, y, x, "Spécialité :", k.Specialite());
    y -= kPas;
    Rangee(c, y, x, "E-Mail :", k.EMail());
    y -= kPas;
    Rangee(c, y, x, "Site Web :", k.SiteWeb());
    Regle(c, -280, y);
}

} // namespace tramonta
