// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/modeles/modeles.h"

#include "core/dates.h"
#include "core/monnaie.h"
#include "ui/communs/controles.h"

namespace tramonta {

QString DateOuInconnue(double date) {
    return date == 0 ? QStringLiteral("?") : Q(DateVersTexte(date));
}

namespace {
constexpr Qt::Alignment kDroite = Qt::AlignRight | Qt::AlignVCenter;

QIcon Icone(const char* nom) {
    return QIcon(QStringLiteral(":/icones/%1.svg").arg(QLatin1String(nom)));
}

// The source of a collection that shares the member collections' base.
template <class E, class C> typename TModeleListe<E>::Source SourceDe(C& collection) {
    return {[&collection] { return collection.Count(); }, [&collection](int i) { return collection.Item(i); },
            &collection.Changements()};
}
} // namespace

TModeleAdherents::TModeleAdherents(TAdherents& adherents, QObject* parent)
    : TModeleListe({{"Nom", [](const TAdherent& a) { return Q(a.Nom()); }},
                    {"Prénom", [](const TAdherent& a) { return Q(a.Prenom()); }},
                    {"Licence", [](const TAdherent& a) { return Q(a.TypeLicence()); }}},
                   parent) {
    SetIcone(Icone("ICONE_ADHERENT"));
    SetRecherche([](const TAdherent& a) {
        return a.Nom() + '\n' + a.Prenom() + '\n' + a.NumeroLicence() + '\n' + a.Ville();
    });
    SetSource(SourceDe<TAdherent>(adherents));
}

TModeleCorrespondants::TModeleCorrespondants(TCorrespondants& correspondants, QObject* parent)
    : TModeleListe({{"Nom", [](const TCorrespondant& c) { return Q(c.Nom()); }},
                    {"Spécialité", [](const TCorrespondant& c) { return Q(c.Specialite()); }}},
                   parent) {
    SetIcone(Icone("ICONE_ADHERENT"));
    SetRecherche([](const TCorrespondant& c) { return c.Nom() + '\n' + c.Ville() + '\n' + c.Specialite(); });
    SetSource(SourceDe<TCorrespondant>(correspondants));
}

TModeleCompets::TModeleCompets(TCompets& compets, QObject* parent)
    : TModeleListe({{"Intitulé", [](const TCompet& c) { return Q(c.Intitule()); }},
                    {"Date début", [](const TCompet& c) { return DateOuInconnue(c.DateDebut()); },
                     [](const TCompet& c) { return c.DateDebut(); }},
                    {"Date fin", [](const TCompet& c) { return DateOuInconnue(c.DateFin()); },
                     [](const TCompet& c) { return c.DateFin(); }}},
                   parent) {
    SetIcone(Icone("ICONE_COMPET"));
    SetSource(SourceDe<TCompet>(compets));
}

TModeleComptes::TModeleComptes(TComptabilite& comptabilite, TComptabilite::Liste liste, QObject* parent)
    : TModeleListe({{"Articles", [](const TCompte& c) { return Q(c.Article()); }},
                    {"Intitulés", [](const TCompte& c) { return Q(c.Intitule()); }},
                    {liste == TComptabilite::Liste::Charges ? "Charges" : "Produits",
                     [](const TCompte& c) { return Q(ReelVersTexte(c.Total())); },
                     [](const TCompte& c) { return c.Total(); }, kDroite}},
                   parent) {
    SetIcone(Icone("ICONE_COMPTE"));
    const bool charges = liste == TComptabilite::Liste::Charges;
    SetSource({[&comptabilite, charges] {
                   return charges ? comptabilite.NbComptesCharges() : comptabilite.NbComptesProduits();
               },
               [&comptabilite, charges](int i) {
                   return charges ? comptabilite.GetCompteCharge(i) : comptabilite.GetCompteProduit(i);
               },
               &comptabilite.Changements(liste)});
}

TModeleLignes::TModeleLignes(QObject* parent)
    : TModeleListe(
          {{"Libellé", [](const TLigneEcriture& l) { return Q(l.Libelle()); }},
           {"Date", [](const TLigneEcriture& l) { return DateOuInconnue(l.Date()); },
            [](const TLigneEcriture& l) { return l.Date(); }},
           // A cheque number is kept for other payments but not shown.
           {"N° chèque",
            [](const TLigneEcriture& l) { return l.TypePaiement() == 0 ? Q(l.NumeroCheque()) : QString(); }},
           {"Montant", [](const TLigneEcriture& l) { return Q(ReelVersTexte(l.Montant())); },
            [](const TLigneEcriture& l) { return l.Montant(); }, kDroite}},
          parent) {
    SetIcone(Icone("ICONE_ECRITURE"));
}

void TModeleLignes::SetCompte(TCompte* compte) {
    if (!compte) {
        SetSource({});
        return;
    }
    SetSource({[compte] { return compte->NbLignes(); }, [compte](int i) { return compte->GetLigne(i); },
               &compte->Changements()});
}

TModeleParticipants::TModeleParticipants(QObject* parent)
    : TModeleListe({{"Nom", [](const TParticipantCompet& p) { return Q(p.Nom()); }},
                    {"Prénom ", [](const TParticipantCompet& p) { return Q(p.Prenom()); }},
                    {"Club", [](const TParticipantCompet& p) { return Q(p.Club()); }}},
                   parent) {}

void TModeleParticipants::SetCategorie(TCategorieCompet* categorie) {
    if (!categorie) {
        SetSource({});
        return;
    }
    SetSource({[categorie] { return categorie->Count(); },
               [categorie](int i) { return categorie->Participant(i); }, &categorie->Changements()});
}

TModeleAgenda::TModeleAgenda(TAgenda& agenda, QObject* parent)
    : TModeleListe({{"Date", [](const TLigneAgenda& l) { return Q(DateHeureVersTexte(l.DateHeure())); },
                     [](const TLigneAgenda& l) { return l.DateHeure(); }},
                    {"Intitulé", [](const TLigneAgenda& l) { return Q(l.Texte()); }},
                    {"Utilisateur", [](const TLigneAgenda& l) { return Q(l.Utilisateur()); }}},
                   parent) {
    SetIcone(Icone("ICONE_AGENDA"));
    // The date as the list shows it, so that "03/2026" finds a month.
    SetRecherche([](const TLigneAgenda& l) {
        return DateHeureVersTexte(l.DateHeure()) + '\n' + l.Texte() + '\n' + l.Utilisateur();
    });
    SetSource({[&agenda] { return agenda.Count(); }, [&agenda](int i) { return agenda.Ligne(i); },
               &agenda.Changements()});
}

} // namespace tramonta
