// SPDX-License-Identifier: GPL-3.0-or-later
// The lists of the program, each over one collection of the document.
#pragma once

#include "model/adherent.h"
#include "model/agenda.h"
#include "model/compets.h"
#include "model/comptabilite.h"
#include "model/correspondant.h"
#include "ui/modeles/modele_liste.h"

namespace tramonta {

// A date "dd/mm/yyyy", or "?" when it is 0.
QString DateOuInconnue(double date);

// "Nom", "Prénom", "Licence"; searched on the names, licence number and town.
class TModeleAdherents : public TModeleListe<TAdherent> {
  public:
    explicit TModeleAdherents(TAdherents& adherents, QObject* parent = nullptr);
};

// "Nom", "Spécialité"; searched on the name, town and speciality.
class TModeleCorrespondants : public TModeleListe<TCorrespondant> {
  public:
    explicit TModeleCorrespondants(TCorrespondants& correspondants, QObject* parent = nullptr);
};

// "Intitulé", "Date début", "Date fin"; dates sort as numbers.
class TModeleCompets : public TModeleListe<TCompet> {
  public:
    explicit TModeleCompets(TCompets& compets, QObject* parent = nullptr);
};

// "Articles", "Intitulés", "Charges" or "Produits" (the account's total).
class TModeleComptes : public TModeleListe<TCompte> {
  public:
    TModeleComptes(TComptabilite& comptabilite, TComptabilite::Liste liste, QObject* parent = nullptr);
};

// "Libellé", "Date", "N° chèque", "Montant" of one account's lines; the
// account can change (the account form's working account).
class TModeleLignes : public TModeleListe<TLigneEcriture> {
  public:
    explicit TModeleLignes(QObject* parent = nullptr);
    void SetCompte(TCompte* compte);
};

// "Nom", "Prénom ", "Club" of one category, in seeding order.
class TModeleParticipants : public TModeleListe<TParticipantCompet> {
  public:
    explicit TModeleParticipants(QObject* parent = nullptr);
    void SetCategorie(TCategorieCompet* categorie);
};

// "Date", "Intitulé", "Utilisateur" of the journal, each searched as shown.
class TModeleAgenda : public TModeleListe<TLigneAgenda> {
  public:
    explicit TModeleAgenda(TAgenda& agenda, QObject* parent = nullptr);
};

} // namespace tramonta
