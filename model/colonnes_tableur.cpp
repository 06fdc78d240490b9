// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/colonnes_tableur.h"

#include "core/tableur_ecriture.h"
#include "core/texte.h"

#include <cstdio>

namespace tramonta {

namespace {

// Each helper gives one column over a field's getter and setter.
template <class E, class G, class S> TColonneTableur<E> Texte(const char* titre, G lire, S ecrire) {
    return {titre, [lire](const E& e) { return TexteSansFormule((e.*lire)()); },
            [ecrire](E& e, std::string_view t) {
                (e.*ecrire)(AvecFormule(t));
                return true;
            },
            true};
}

// A text that is only written: a computed one, or a column of a list that is
// never read back.
template <class E, class F> TColonneTableur<E> TexteSeul(const char* titre, F lire) {
    return {titre, [lire](const E& e) { return TexteSansFormule(lire(e)); }, {}, true};
}

// The document keeps Windows line ends in multi-line texts; a spreadsheet
// saved elsewhere may give bare LF or CR.
std::string LignesWindows(std::string_view t) {
    std::string r;
    r.reserve(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r') {
            r += "\r\n";
            if (i + 1 < t.size() && t[i + 1] == '\n')
                ++i;
        } else if (t[i] == '\n') {
            r += "\r\n";
        } else {
            r += t[i];
        }
    }
    return r;
}

template <class E, class G, class S> TColonneTableur<E> Memo(const char* titre, G lire, S ecrire) {
    return {titre, [lire](const E& e) { return TexteSansFormule((e.*lire)()); },
            [ecrire](E& e, std::string_view t) {
                (e.*ecrire)(LignesWindows(AvecFormule(t)));
                return true;
            },
            true};
}

template <class E, class G, class S> TColonneTableur<E> Date(const char* titre, G lire, S ecrire) {
    return {titre, [lire](const E& e) { return DateTableur((e.*lire)()); },
            [ecrire](E& e, std::string_view t) {
                const auto d = LireDateTableur(t);
                if (d)
                    (e.*ecrire)(*d);
                return d.has_value();
            }};
}

template <class E, class G, class S> TColonneTableur<E> Montant(const char* titre, G lire, S ecrire) {
    return {titre, [lire](const E& e) { return MontantTableur((e.*lire)()); },
            [ecrire](E& e, std::string_view t) {
                const auto m = LireMontantTableur(t);
                if (m)
                    (e.*ecrire)(*m);
                return m.has_value();
            }};
}

template <class E, class G, class S> TColonneTableur<E> Booleen(const char* titre, G lire, S ecrire) {
    return {titre, [lire](const E& e) { return BooleenTableur((e.*lire)()); },
            [ecrire](E& e, std::string_view t) {
                const auto b = LireBooleenTableur(t);
                if (b)
                    (e.*ecrire)(*b);
                return b.has_value();
            }};
}

// 0 is the sheet's empty field.
template <class E, class G, class S> TColonneTableur<E> Entier(const char* titre, G lire, S ecrire) {
    return {titre,
            [lire](const E& e) { return (e.*lire)() == 0 ? std::string() : std::to_string((e.*lire)()); },
            [ecrire](E& e, std::string_view t) {
                const auto n = LireEntierTableur(t);
                if (n)
                    (e.*ecrire)(*n);
                return n.has_value();
            }};
}

// French postal codes have five digits, "06000" included; 0 is none.
template <class E> TColonneTableur<E> CodePostal() {
    return {"Code postal",
            [](const E& e) {
                const std::int32_t cp = e.CodePostal();
                if (cp == 0)
                    return std::string();
                if (cp > 0 && cp < 100000) {
                    char t[8];
                    std::snprintf(t, sizeof t, "%05d", static_cast<int>(cp));
                    return std::string(t);
                }
                return std::to_string(cp);
            },
            [](E& e, std::string_view t) {
                const auto n = LireEntierTableur(t);
                if (n && *n >= 0)
                    e.SetCodePostal(*n);
                return n && *n >= 0;
            }};
}

// "M" or "F" as the sheet keeps them, or nothing.
bool EcrireSexe(TAdherent& a, std::string_view t) {
    const std::string s = TexteSansAccents(t);
    std::string_view v = s;
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t'))
        v.remove_prefix(1);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t'))
        v.remove_suffix(1);
    if (v.empty())
        a.SetSexe("");
    else if (v == "m" || v == "masculin" || v == "h" || v == "homme")
        a.SetSexe("M");
    else if (v == "f" || v == "feminin" || v == "femme")
        a.SetSexe("F");
    else
        return false;
    return true;
}

const char* NomTypePaiement(std::int32_t type) {
    static constexpr const char* kTypes[] = {"Chèque", "Espèces", "Virement"};
    return type >= 0 && type <= 2 ? kTypes[type] : nullptr;
}

} // namespace

const std::vector<TColonneTableur<TAdherent>>& ColonnesAdherents() {
    using A = TAdherent;
    static const std::vector<TColonneTableur<A>> colonnes = {
        Texte<A>("Nom", &A::Nom, &A::SetNom),
        Texte<A>("Prénom", &A::Prenom, &A::SetPrenom),
        {"Sexe", [](const A& a) { return TexteSansFormule(a.Sexe()); }, EcrireSexe, true},
        Date<A>("Date de naissance", &A::DateNaissance, &A::SetDateNaissance),
        TexteSeul<A>("Categorie",
                     [](const A& a) { return a.DateNaissance() == 0 ? std::string() : a.Categorie(); }),
        Texte<A>("Lieu de naissance", &A::LieuNaissance, &A::SetLieuNaissance),
        Memo<A>("Adresse", &A::Adresse, &A::SetAdresse),
        CodePostal<A>(),
        Texte<A>("Ville", &A::Ville, &A::SetVille),
        Texte<A>("Tél. 1", &A::Tel1, &A::SetTel1),
        Texte<A>("Tél. 2", &A::Tel2, &A::SetTel2),
        Texte<A>("N° licence", &A::NumeroLicence, &A::SetNumeroLicence),
        Date<A>("Date de délivrance", &A::DateDelivrance, &A::SetDateDelivrance),
        Booleen<A>("Certificat médical", &A::CertificatMedical, &A::SetCertificatMedical),
        Booleen<A>("Licence compétition", &A::LicenceCompet, &A::SetLicenceCompet),
        Entier<A>("Classement", &A::Classement, &A::SetClassement),
        Booleen<A>("Licence dirigeant", &A::LicenceDirigeant, &A::SetLicenceDirigeant),
        Montant<A>("Montant licence", &A::MontantLicence, &A::SetMontantLicence),
        Montant<A>("Caution combinaison", &A::CautionCombinaison, &A::SetCautionCombinaison),
        Montant<A>("Location combinaison", &A::LocationCombinaison, &A::SetLocationCombinaison),
        Montant<A>("Forfait leçons", &A::ForfaitLecon, &A::SetForfaitLecon),
        Memo<A>("Autre", &A::Complement, &A::SetComplement),
        Memo<A>("Informations complémentaires", &A::InformationsComplementaires,
                &A::SetInformationsComplementaires),
    };
    return colonnes;
}

const std::vector<TColonneTableur<TCorrespondant>>& ColonnesCorrespondants() {
    using C = TCorrespondant;
    static const std::vector<TColonneTableur<C>> colonnes = {
        Texte<C>("Nom", &C::Nom, &C::SetNom),
        Memo<C>("Adresse", &C::Adresse, &C::SetAdresse),
        CodePostal<C>(),
        Texte<C>("Ville", &C::Ville, &C::SetVille),
        Texte<C>("Tél. 1", &C::Tel1, &C::SetTel1),
        Texte<C>("Tél. 2", &C::Tel2, &C::SetTel2),
        Texte<C>("Fax.", &C::Fax, &C::SetFax),
        Texte<C>("e-mail", &C::EMail, &C::SetEMail),
        Texte<C>("Site Web", &C::SiteWeb, &C::SetSiteWeb),
        Texte<C>("Spécialité", &C::Specialite, &C::SetSpecialite),
        Memo<C>("Informations complémentaires", &C::InformationsComplementaires,
                &C::SetInformationsComplementaires),
    };
    return colonnes;
}

const std::vector<TColonneTableur<TLigneTableurEcriture>>& ColonnesEcritures() {
    using L = TLigneTableurEcriture;
    static const std::vector<TColonneTableur<L>> colonnes = {
        TexteSeul<L>("Compte", [](const L& l) { return l.compte.Article(); }),
        TexteSeul<L>("Intitulé du compte", [](const L& l) { return l.compte.Intitule(); }),
        {"Nature", [](const L& l) { return std::string(l.produit ? "Produit" : "Charge"); }, {}},
        {"Date", [](const L& l) { return DateTableur(l.ligne.Date()); }, {}},
        TexteSeul<L>("Libellé", [](const L& l) { return l.ligne.Libelle(); }),
        {"Montant", [](const L& l) { return MontantTableur(l.ligne.Montant()); }, {}},
        {"Type de paiement",
         [](const L& l) {
             const char* nom = NomTypePaiement(l.ligne.TypePaiement());
             return nom ? std::string(nom) : std::to_string(l.ligne.TypePaiement());
         },
         {}},
        // Kept for every payment but meaningful for a cheque only, as the
        // account's list shows it.
        TexteSeul<L>(
            "N° chèque",
            [](const L& l) { return l.ligne.TypePaiement() == 0 ? l.ligne.NumeroCheque() : std::string(); }),
        {"Automatique", [](const L& l) { return BooleenTableur(l.ligne.Automatique); }, {}},
    };
    return colonnes;
}

const std::vector<TColonneTableur<TParticipantTableur>>& ColonnesParticipants() {
    using P = TParticipantTableur;
    static const std::vector<TColonneTableur<P>> colonnes = {
        {"Catégorie", [](const P& p) { return TCompet::NomCategorie(p.categorie); }, {}},
        {"Tête de série", [](const P& p) { return std::to_string(p.rang + 1); }, {}},
        TexteSeul<P>("Nom", [](const P& p) { return p.participant.Nom(); }),
        TexteSeul<P>("Prénom", [](const P& p) { return p.participant.Prenom(); }),
        TexteSeul<P>("Club", [](const P& p) { return p.participant.Club(); }),
    };
    return colonnes;
}

} // namespace tramonta
