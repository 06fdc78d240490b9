// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/nouvelle_saison.h"

#include "core/flux.h"
#include "core/texte.h"
#include "model/exercice.h"
#include "model/textes_journal.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace tramonta {

namespace {

bool Chiffre(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Length of the run of digits that starts at `debut`.
std::size_t LongueurChiffres(const std::string& texte, std::size_t debut) {
    std::size_t fin = debut;
    while (fin < texte.size() && Chiffre(texte[fin]))
        ++fin;
    return fin - debut;
}

std::string Nombre(int valeur, int largeur) {
    char tampon[16];
    std::snprintf(tampon, sizeof tampon, "%0*d", largeur, valeur);
    return tampon;
}

} // namespace

std::string IntituleSaisonSuivante(const std::string& intitule) {
    std::string resultat;
    bool annee = false;
    std::size_t i = 0;
    while (i < intitule.size()) {
        const std::size_t n = LongueurChiffres(intitule, i);
        if (n == 0) {
            resultat += intitule[i++];
            continue;
        }
        if (n != 4) {
            // A number of another length (a day, a postcode) is no year.
            resultat.append(intitule, i, n);
            i += n;
            continue;
        }
        const int valeur = std::stoi(intitule.substr(i, 4));
        resultat += Nombre(valeur + 1, 4);
        annee = true;
        i += 4;
        // "2025/26", "2025-26": the short second year follows the first.
        if (i + 3 <= intitule.size() && (intitule[i] == '/' || intitule[i] == '-') &&
            LongueurChiffres(intitule, i + 1) == 2 &&
            std::stoi(intitule.substr(i + 1, 2)) == (valeur + 1) % 100) {
            resultat += intitule[i];
            resultat += Nombre((valeur + 2) % 100, 2);
            i += 3;
        }
    }
    if (annee)
        return resultat;
    return intitule.empty() ? "(suite)" : intitule + " (suite)";
}

double ResultatSigne(const TExercice& exercice) {
    const TComptabilite& c = exercice.Comptabilite();
    // Sums of binary fractions drift in the last digits; the ledger counts cents.
    const double resultat = std::round((c.TotalProduits() - c.TotalCharges()) * 100.0) / 100.0;
    return resultat == 0 ? 0.0 : resultat;
}

bool ConstruireNouvelleSaison(const TExercice& ancienne, TExercice& nouvelle,
                              const OptionsNouvelleSaison& options, std::string& erreur) {
    nouvelle.Clear();
    nouvelle.SetIntitule(options.intitule);
    nouvelle.SetCommentaires(ancienne.Commentaires());
    // The members' personal data stays behind the same password.
    nouvelle.SetMotPasse(ancienne.MotPasse());
    nouvelle.SetEuro(ancienne.Euro());
    for (int i = 0; i < ancienne.NbSpecialites(); ++i)
        nouvelle.AjouterSpecialite(ancienne.GetSpecialite(i));

    const TComptabilite& source = ancienne.Comptabilite();
    TComptabilite& compta = nouvelle.Comptabilite();
    compta.CopierChamps(source); // bank identity and default posting accounts
    auto compteVide = [&compta](const TCompte& modele) {
        auto compte = std::make_unique<TCompte>(&compta);
        compte->SetArticle(modele.Article());
        compte->SetIntitule(modele.Intitule());
        compte->SetInfos(modele.Infos());
        return compte;
    };
    for (int i = 0; i < source.NbComptesCharges(); ++i)
        compta.AjouterCompteCharge(compteVide(*source.GetCompteCharge(i)));
    for (int i = 0; i < source.NbComptesProduits(); ++i)
        compta.AjouterCompteProduit(compteVide(*source.GetCompteProduit(i)));

    // A member comes back with who they are and which licence they hold; what
    // they paid, what was posted and the papers of the year start afresh.
    TAdherents& adherents = nouvelle.Adherents();
    for (int i = 0; i < ancienne.Adherents().Count(); ++i) {
        auto a = ancienne.Adherents().Adherent(i)->Clone(&adherents);
        a->SetDateDelivrance(0.0);
        a->SetCertificatMedical(false);
        a->SetMontantLicence(0.0);
        a->SetCautionCombinaison(0.0);
        a->SetLocationCombinaison(0.0);
        a->SetForfaitLecon(0.0);
        for (Enregistrement genre : kEnregistrements) {
            a->SetEnCompta(genre, false);
            a->SetArticleCompta(genre, "");
        }
        adherents.Add(std::move(a));
    }
    TCorrespondants& correspondants = nouvelle.Correspondants();
    for (int i = 0; i < ancienne.Correspondants().Count(); ++i)
        correspondants.Add(ancienne.Correspondants().Correspondant(i)->Clone(&correspondants));

    if (options.reporterResultat) {
        // Result = produits - charges: carried as such into a produit account
        // (a deficit is a negative produit), and with the opposite sign into a
        // charge account (a deficit is a charge), so that the new season
        // starts from the result the old one closed on.
        const double resultat = ResultatSigne(ancienne);
        TCompte* compte = compta.GetCompteProduit(compta.ChercherCompteProduit(options.articleReport));
        double montant = resultat;
        if (!compte) {
            compte = compta.GetCompteCharge(compta.ChercherCompteCharge(options.articleReport));
            montant = resultat == 0 ? 0.0 : -resultat;
        }
        if (!compte) {
            erreur = Formater("Le compte \"%s\" n'existe pas !", {options.articleReport});
            nouvelle.Clear();
            return false;
        }
        auto ligne = std::make_unique<TLigneEcriture>(compte);
        ligne->SetLibelle(kLibelleReport);
        ligne->SetDate(options.dateReport);
        ligne->SetMontant(montant);
        compte->AjouterLigne(std::move(ligne));
    }

    nouvelle.Agenda().AjouterLigne(TexteJournalCreation());
    nouvelle.Agenda().AjouterLigne(TexteJournalReprise(ancienne.Intitule()));
    return true;
}

bool CommencerNouvelleSaison(TExercice& exercice, const OptionsNouvelleSaison& options, std::string& erreur) {
    TExercice nouvelle;
    if (!ConstruireNouvelleSaison(exercice, nouvelle, options, erreur))
        return false;
    // Through the file layout, so that the document is emptied and read back
    // exactly as an open does.
    TMemoryStream flux;
    {
        TWriter w(flux);
        nouvelle.Save(w);
    }
    TMemoryStream lecture(flux.Donnees());
    TReader r(lecture);
    exercice.Clear();
    exercice.Load(r);
    exercice.Modified = true;
    return true;
}

} // namespace tramonta
