// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/liste_adherents.h"

#include "core/dates.h"
#include "core/monnaie.h"
#include "core/texte.h"
#include "model/adherent.h"
#include "model/requete.h"
#include "print/canevas.h"

#include <algorithm>

namespace tramonta {

namespace {} // namespace

std::string LigneAdherent(const TAdherent& a, const ChampsListe& champs) {
    std::string ligne = a.Nom() + " " + a.Prenom();
    auto ajouter = [&](std::size_t champ, const char* libelle, const std::string& valeur) {
        if (champs[champ])
            ligne += std::string(" - ") + libelle + " : " + valeur;
    };
    ajouter(0, "Sexe", a.Sexe());
    ajouter(1, "Date naissance", DateVersTexte(a.DateNaissance()));
    ajouter(2, "Lieu naissance", a.LieuNaissance());
    ajouter(3, "Ville", a.Ville());
    ajouter(4, "Tél. 1", a.Tel1());
    ajouter(5, "Tél. 2", a.Tel2());
    ajouter(6, "Numéro licence", a.NumeroLicence());
    ajouter(7, "Date délivrance licence", DateVersTexte(a.DateDelivrance()));
    ajouter(8, "Certificat médical", BoolVersTexte(a.CertificatMedical()));
    ajouter(9, "Licence compétition", BoolVersTexte(a.LicenceCompet()));
    ajouter(10, "Classement compétition", std::to_string(a.Classement()));
    ajouter(11, "Licence dirigeant", BoolVersTexte(a.LicenceDirigeant()));
    ajouter(12, "Montant licence", ReelVersTexte(a.MontantLicence()));
    ajouter(13, "Caution combinaison", ReelVersTexte(a.CautionCombinaison()));
    ajouter(14, "Location combinaison", ReelVersTexte(a.LocationCombinaison()));
    ajouter(15, "Forfait leçon", ReelVersTexte(a.ForfaitLecon()));
    return ligne;
}

std::vector<std::string> LignesListeAdherents(const TAdherents* adherents, const TCriteresRequete* criteres,
                                              const ChampsListe& champs) {
    if (!adherents || !criteres)
        return {"Erreur"};
    std::vector<std::string> lignes;
    for (const TAdherent* a : ExecuterRequete(*adherents, *criteres))
        lignes.push_back(LigneAdherent(*a, champs));
    std::stable_sort(lignes.begin(), lignes.end(),
                     [](const std::string& x, const std::string& y) { return ComparerSansCasse(x, y) < 0; });
    lignes.insert(lignes.begin(), criteres->Description);
    return lignes;
}

int ImprimerListeAdherents(TCanevas& c, const std::vector<std::string>& lignes, bool impression) {
    TSauvegardeCanevas sauvegarde(c);
    constexpr int kGauche = kMargeListe;
    constexpr int kDroite = 1950;
    int page = 1;
    TPoint position{kGauche, -kMargeListe};
    c.NomPolice("Tahoma");
    c.Gras(false);
    c.EpaisseurPlume(5);
    c.Style(StylePlume::Continu);
    c.HauteurPolice(60);

    c.Cadre({kGauche, -150, kDroite, -350});
    TexteDansRect(c, {kGauche, -150, kDroite, -250}, "Requête sur les adhérents", Alignement::Centre);
    TexteDansRect(c, {kGauche, -250, kDroite, -350}, lignes.empty() ? std::string() : lignes.front(),
                  Alignement::Centre);

    position.Y = -450;
    c.HauteurPolice(50);
    std::vector<std::string> membres;
    if (lignes.size() > 1)
        membres.assign(lignes.begin() + 1, lignes.end());
    else
        membres.push_back("Aucun adhérent ne correspond à la requête...");
    for (const std::string& ligne : membres) {
        TRect boite{position.X, position.Y, position.X + 1800, position.Y};
        const int hauteur = MesurerTexteMultiligne(c, boite, ligne);
        AdjustRect(c, boite, position, impression, page);
        TexteMultiligne(c, boite, ligne);
        position.Y -= hauteur;
    }
    return page;
}

} // namespace tramonta
