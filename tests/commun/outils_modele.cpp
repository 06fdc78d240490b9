// SPDX-License-Identifier: GPL-3.0-or-later
#include "outils_modele.h"

namespace tramonta::test {

void EcrireAncienAdherent(TWriter& w, int version) {
    w.WriteInteger(version);
    for (const char* s : {"NOM", "Prénom", "F"})
        w.WriteString(s);
    w.WriteFloat(EncodeDate(2000, 1, 1));
    w.WriteString("Lieu");
    w.WriteString("Adresse");
    w.WriteInteger(40000);
    for (const char* s : {"Ville", "T1", "T2", "L1"})
        w.WriteString(s);
    w.WriteFloat(EncodeDate(2025, 9, 1));
    w.WriteBoolean(true);
    w.WriteBoolean(true);
    w.WriteBoolean(true);
    w.WriteFloat(40);
    w.WriteBoolean(true); // meaningless before version 2
    if (version >= 2)
        w.WriteString("706");
    w.WriteFloat(1);
    w.WriteFloat(2);
    w.WriteFloat(3);
    w.WriteString("Complément");
    if (version >= 3) {
        w.WriteBoolean(true);
        w.WriteString("707");
        w.WriteBoolean(true);
        w.WriteString("708");
        w.WriteBoolean(true);
        w.WriteString("709");
    }
    w.WriteString("Infos");
}

void RemplirDocument(TExercice& e) {
    e.SetIntitule("Saison 2026");
    e.SetCommentaires("Ligne 1\r\nLigne 2 — été");
    e.SetMotPasse(TExercice::CoderMotPasse("vague"));
    e.SetEuro(false);
    e.AjouterSpecialite("Fournisseur");
    e.AjouterSpecialite("Mairie");

    TComptabilite& c = e.Comptabilite();
    auto produit = std::make_unique<TCompte>(&c);
    produit->SetArticle("706");
    produit->SetIntitule("Licences");
    produit->SetInfos("Produits des licences");
    auto ligne = std::make_unique<TLigneEcriture>(produit.get());
    ligne->SetLibelle("Licence de DUPONT Zoé");
    ligne->SetDate(EncodeDate(2026, 9, 14) + 0.6);
    ligne->SetNumeroCheque("1234567");
    ligne->SetMontant(45.5);
    ligne->SetTypePaiement(2);
    ligne->Automatique = true;
    produit->AjouterLigne(std::move(ligne));
    c.AjouterCompteProduit(std::move(produit));
    auto charge = std::make_unique<TCompte>(&c);
    charge->SetArticle("606");
    charge->SetIntitule("Achats");
    auto achat = std::make_unique<TLigneEcriture>(charge.get());
    achat->SetLibelle("Wax");
    achat->SetDate(EncodeDate(2026, 10, 1));
    achat->SetMontant(-0.1);
    charge->AjouterLigne(std::move(achat));
    c.AjouterCompteCharge(std::move(charge));
    c.SetTitulaireCompte("Surf Club de la Côte");
    c.SetNomBanque("Banque Populaire");
    c.SetCodeBanque(10907);
    c.SetCodeGuichet(1234);
    c.SetNumeroCompte(2147483647);
    c.SetCleRIB(97);
    c.SetCompteLicenceDefini(true);
    c.SetCompteLicence("706");
    c.SetCompteCautionCombiDefini(true);
    c.SetCompteCautionCombi("707");
    c.SetCompteLocationCombiDefini(true);
    c.SetCompteLocationCombi("708");
    c.SetCompteForfaitLeconDefini(true);
    c.SetCompteForfaitLecon("709");

    auto a = std::make_unique<TAdherent>(&e.Adherents());
    a->SetNom("DUPONT");
    a->SetPrenom("Zoé");
    a->SetSexe("F");
    a->SetDateNaissance(EncodeDate(2010, 5, 3));
    a->SetLieuNaissance("Biarritz");
    a->SetAdresse("1 rue des Vagues\r\nBât. B");
    a->SetCodePostal(64200);
    a->SetVille("Biarritz");
    a->SetTel1("05.59.00.00.00");
    a->SetTel2("06.00.00.00.00");
    a->SetNumeroLicence("FFS-123");
    a->SetDateDelivrance(EncodeDate(2026, 9, 1));
    a->SetCertificatMedical(true);
    a->SetLicenceCompet(true);
    a->SetClassement(-40000);
    a->SetLicenceDirigeant(true);
    a->SetMontantLicence(45.5);
    a->SetLicenceEnCompta(true);
    a->SetArticleLicence("706");
    a->SetCautionCombinaison(150);
    a->SetLocationCombinaison(30.25);
    a->SetForfaitLecon(1e-300);
    a->SetComplement("Autre");
    a->SetCautionEnCompta(true);
    a->SetArticleCaution("707");
    a->SetLocationEnCompta(true);
    a->SetArticleLocation("708");
    a->SetForfaitEnCompta(true);
    a->SetArticleForfait("709");
    a->SetInformationsComplementaires(std::string(300, 'x'));
    e.Adherents().Add(std::move(a));
    auto b = std::make_unique<TAdherent>(&e.Adherents());
    b->SetNom("MARTIN");
    b->SetPrenom("Léo");
    e.Adherents().Add(std::move(b));

    auto k = std::make_unique<TCorrespondant>(&e.Correspondants());
    k->SetNom("Mairie d'Anglet");
    k->SetAdresse("Place\r\nPrincipale");
    k->SetCodePostal(64600);
    k->SetVille("Anglet");
    k->SetTel1("05");
    k->SetTel2("06");
    k->SetFax("07");
    k->SetEMail("mairie@anglet.fr");
    k->SetSiteWeb("www.anglet.fr");
    k->SetInformationsComplementaires("Service des sports");
    k->SetSpecialite("Mairie");
    e.Correspondants().Add(std::move(k));

    auto l = std::make_unique<TLigneAgenda>(&e.Agenda());
    l->SetTexte("Création");
    l->SetDateHeure(EncodeDate(2026, 9, 1) + 0.25);
    l->SetUtilisateur("tresorier");
    e.Agenda().Add(std::move(l));
}

} // namespace tramonta::test
