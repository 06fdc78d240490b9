// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bdd/publipostage.h"

#include "core/dates.h"
#include "core/messages.h"
#include "core/monnaie.h"
#include "core/texte.h"
#include "model/adherent.h"
#include "model/correspondant.h"
#include "model/requete.h"
#include "model/textes_journal.h"
#include "platform/traitement_texte.h"
#include "print/impression.h"
#include "ui/communs/agenda.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QThread>

#include <algorithm>
#include <array>

namespace tramonta {

namespace {

struct MotCleCode {
    const char* mot;
    int code;
};

constexpr std::array<MotCleCode, 26> kMotsCles = {{
    {"NomAdhérent", 1},
    {"PrénomAdhérent", 2},
    {"DateNaissanceAdhérent", 3},
    {"SexeAdhérent", 4},
    {"LieuNaissanceAdhérent", 5},
    {"AdresseAdhérent", 6},
    {"CodePostalAdhérent", 7},
    {"VilleAdhérent", 8},
    {"Tel1Adhérent", 9},
    {"Tel2Adhérent", 10},
    {"NumeroLicenceAdhérent", 11},
    {"DateDelivranceAdhérent", 12},
    {"MontantLicenceAdhérent", 13},
    {"CautionCombinaisonAdhérent", 14},
    {"LocationCombinaisonAdhérent", 15},
    {"ForfaitLeconAdhérent", 16},
    {"NomCorrespondant", 101},
    {"AdresseCorrespondant", 102},
    {"CodePostalCorrespondant", 103},
    {"VilleCorrespondant", 104},
    {"Tel1Correspondant", 105},
    {"Tel2Correspondant", 106},
    {"FaxCorrespondant", 107},
    {"EMailCorrespondant", 108},
    {"SiteWebCorrespondant", 109},
    {"SpécialitéCorrespondant", 110},
}};

const char* const kCaption = "Publipostage";

std::string DateOuVide(TDateTime date) {
    return date == 0 ? std::string() : DateVersTexte(date);
}

// Waits while the user interface stays alive, so that the progress window
// repaints and its cancel button can be pressed.
void Patienter(int millisecondes) {
    QElapsedTimer minuteur;
    minuteur.start();
    while (minuteur.elapsed() < millisecondes) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

// "NomAdhérent (2 fois), VilleAdhérent" for the keywords of one family.
std::string ListeMotsCles(const TCarteMotsCles& carte, bool (*famille)(int)) {
    std::string liste;
    for (const auto& [mot, code] : kMotsCles) {
        if (!famille(code))
            continue;
        const auto n = std::count_if(carte.Paires().begin(), carte.Paires().end(),
                                     [code = code](const auto& p) { return p.second == code; });
        if (n == 0)
            continue;
        if (!liste.empty())
            liste += ", ";
        liste += mot;
        if (n > 1)
            liste += " (" + std::to_string(n) + " fois)";
    }
    return liste;
}

// What the letter holds, shown before anything prints: a letter whose
// keywords went unrecognised would print the same copy for everybody.
bool ConfirmerMotsCles(const TPublipostage& p, const TCarteMotsCles& carte, int nbAdherents,
                       int nbCorrespondants) {
    const int total = nbAdherents + nbCorrespondants;
    const std::string copies = total == 1 ? "la lettre" : "les " + std::to_string(total) + " lettres";
    std::string texte;
    std::string absents;
    if (nbAdherents > 0 && carte.Nombre(CodeAdherent) == 0)
        absents = "des adhérents (NomAdhérent, PrénomAdhérent, AdresseAdhérent...)";
    if (nbCorrespondants > 0 && carte.Nombre(CodeCorrespondant) == 0)
        absents += std::string(absents.empty() ? "" : " ni ") +
                   "des correspondants (NomCorrespondant, AdresseCorrespondant...)";
    if (!absents.empty()) {
        texte =
            "Le fichier \"" + p.fichier + "\" ne contient aucun mot clé " + absents +
            " : toutes les lettres seraient identiques.\n"
            "Un mot clé n'est reconnu que s'il est écrit en un seul mot, sans espace ni faute de frappe.\n\n"
            "Imprimer quand même " +
            copies + " ?";
    } else {
        texte = "Mots clés trouvés dans le fichier \"" + p.fichier + "\" :\n";
        const std::string adherents = nbAdherents > 0 ? ListeMotsCles(carte, CodeAdherent) : "";
        const std::string correspondants =
            nbCorrespondants > 0 ? ListeMotsCles(carte, CodeCorrespondant) : "";
        texte +=
            adherents + (adherents.empty() || correspondants.empty() ? "" : ", ") + correspondants + ".\n";
        // Keywords of the other family stay as they are written.
        const std::string autres = nbAdherents == 0        ? ListeMotsCles(carte, CodeAdherent)
                                   : nbCorrespondants == 0 ? ListeMotsCles(carte, CodeCorrespondant)
                                                           : "";
        if (!autres.empty())
            texte += "Ceux-ci ne seront pas remplacés : " + autres + ".\n";
        texte += "\nImprimer " + copies + " ?";
    }
    return MessageBoxTexte(texte, kCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Copie(TTraitementTexte& traitement, TProgression& progression, const TPublipostage& p,
           const TCarteMotsCles& carte, const TAdherent* adherent, const TCorrespondant* correspondant) {
    traitement.Ouvrir(p.fichier);
    RemplirCopie(traitement, carte, adherent, correspondant);
    traitement.Imprimer();
    while (traitement.ImpressionEnCours() != 0)
        Patienter(500);
    traitement.FermerSansEnregistrer();
    progression.Avancer();
}

} // namespace

int CodeMotCle(std::string_view mot) {
    const auto blanc = [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7f'; };
    while (!mot.empty() && blanc(mot.front()))
        mot.remove_prefix(1);
    while (!mot.empty() && blanc(mot.back()))
        mot.remove_suffix(1);
    for (const auto& [motCle, code] : kMotsCles)
        if (MemeTexteAscii(mot, motCle))
            return code;
    return 0;
}

std::string MotCle(int code) {
    for (const auto& [mot, c] : kMotsCles)
        if (c == code)
            return mot;
    return {};
}

std::string ValeurMotCle(int code, const TAdherent& a) {
    switch (code) {
    case 1:
        return a.Nom();
    case 2:
        return a.Prenom();
    case 3:
        return DateOuVide(a.DateNaissance());
    case 4:
        return a.Sexe();
    case 5:
        return a.LieuNaissance();
    case 6:
        return a.Adresse();
    case 7:
        return std::to_string(a.CodePostal());
    case 8:
        return a.Ville();
    case 9:
        return a.Tel1();
    case 10:
        return a.Tel2();
    case 11:
        return a.NumeroLicence();
    case 12:
        return DateOuVide(a.DateDelivrance());
    case 13:
        return ReelVersTexte(a.MontantLicence());
    case 14:
        return ReelVersTexte(a.CautionCombinaison());
    case 15:
        return ReelVersTexte(a.LocationCombinaison());
    case 16:
        return ReelVersTexte(a.ForfaitLecon());
    default:
        return {};
    }
}

std::string ValeurMotCle(int code, const TCorrespondant& c) {
    switch (code) {
    case 101:
        return c.Nom();
    case 102:
        return c.Adresse();
    case 103:
        return std::to_string(c.CodePostal());
    case 104:
        return c.Ville();
    case 105:
        return c.Tel1();
    case 106:
        return c.Tel2();
    case 107:
        return c.Fax();
    case 108:
        return c.EMail();
    case 109:
        return c.SiteWeb();
    case 110:
        return c.Specialite();
    default:
        return {};
    }
}

void TCarteMotsCles::Ajouter(int index, int code) {
    if (std::none_of(paires_.begin(), paires_.end(), [index](const auto& p) { return p.first == index; }))
        paires_.emplace_back(index, code);
}

int TCarteMotsCles::Nombre(bool (*famille)(int)) const {
    return static_cast<int>(std::count_if(paires_.begin(), paires_.end(),
                                          [famille](const auto& p) { return famille(p.second); }));
}

void RemplirCopie(TTraitementTexte& traitement, const TCarteMotsCles& carte, const TAdherent* adherent,
                  const TCorrespondant* correspondant) {
    for (auto it = carte.Paires().rbegin(); it != carte.Paires().rend(); ++it) {
        const auto [index, code] = *it;
        std::string valeur;
        if (adherent && CodeAdherent(code))
            valeur = ValeurMotCle(code, *adherent);
        else if (correspondant && CodeCorrespondant(code))
            valeur = ValeurMotCle(code, *correspondant);
        else
            continue;
        const std::string actuel = traitement.TexteMot(index);
        const auto fin = actuel.find_last_not_of(' ');
        valeur.append(fin == std::string::npos ? actuel.size() : actuel.size() - fin - 1, ' ');
        traitement.EcrireMot(index, valeur);
    }
}

void ErreurTraitementTexte(const std::string& message) {
    MessageBoxTexte("Erreur de communication avec Word !\n\r" + message + "\n\rContacter l'auteur.", "Erreur",
                    MB_OK | MB_ICONERROR);
}

TResultatPublipostage LancerPublipostage(const TPublipostage& p, TTraitementTexte& traitement,
                                         TProgression& progression) {
    std::vector<const TAdherent*> adherents;
    for (const TAdherent* a : p.adherents)
        if (!p.criteres || a->Correspond(*p.criteres))
            adherents.push_back(a);
    const int total = static_cast<int>(adherents.size() + p.correspondants.size());
    if (total == 0) {
        MessageBoxTexte("Il n'y a rien à imprimer ! Aucun adhérent ne correspond aux critères choisis !",
                        kCaption, MB_OK | MB_ICONINFORMATION);
        return TResultatPublipostage::RienAImprimer;
    }

    progression.Afficher();
    progression.DefinirBornes(0, total);
    // A word processor that no longer answers is given up when the user
    // cancels, rather than holding the progress window.
    traitement.DefinirAnnulation([&progression] { return progression.Annule(); });
    const auto finAnnulation = qScopeGuard([&traitement] { traitement.DefinirAnnulation(nullptr); });
    progression.DefinirStatut("Connexion avec Word...");
    try {
        traitement.Attacher(true);
    } catch (const TAnnulationTraitementTexte&) {
        progression.Masquer();
        return TResultatPublipostage::Annule;
    } catch (const TErreurTraitementTexte&) {
        // Nothing ran, so nothing goes to the journal.
        ErreurTraitementTexte("OuvrirWord : impossible d'établir la communication OLE avec l'objet Word.");
        progression.Masquer();
        return TResultatPublipostage::Erreur;
    }

    try {
        progression.DefinirStatut("Analyse du document... (peut prendre quelques minutes !)");
        TCarteMotsCles carte;
        traitement.Ouvrir(p.fichier);
        for (int i = 1; i <= traitement.NombreMots() && !progression.Annule(); ++i)
            if (const int code = CodeMotCle(traitement.TexteMot(i)))
                carte.Ajouter(i, code);
        traitement.FermerSansEnregistrer();

        bool annule = progression.Annule();
        if (!annule && !ConfirmerMotsCles(p, carte, static_cast<int>(adherents.size()),
                                          static_cast<int>(p.correspondants.size()))) {
            progression.DefinirStatut("Déconnexion de Word...");
            traitement.Quitter();
            progression.Masquer();
            return TResultatPublipostage::Abandonne;
        }
        for (const TAdherent* a : adherents) {
            if ((annule = annule || progression.Annule()))
                break;
            progression.DefinirStatut("Adhérent " + a->Nom() + " " + a->Prenom());
            Copie(traitement, progression, p, carte, a, nullptr);
        }
        for (const TCorrespondant* c : p.correspondants) {
            if ((annule = annule || progression.Annule()))
                break;
            progression.DefinirStatut("Correspondant " + c->Nom());
            Copie(traitement, progression, p, carte, nullptr, c);
        }
        progression.DefinirStatut("Déconnexion de Word...");
        traitement.Quitter();
        progression.Masquer();
        if (annule)
            return TResultatPublipostage::Annule;
        AjouterLigneAgenda(TexteJournalPublipostage(p.fichier));
        return TResultatPublipostage::Termine;
    } catch (const TAnnulationTraitementTexte&) {
        // Cancelled while the word processor was stuck: it is already stopped.
        try {
            traitement.Quitter();
        } catch (const TErreurTraitementTexte&) {
            // Already gone.
        }
        progression.Masquer();
        return TResultatPublipostage::Annule;
    } catch (const TErreurTraitementTexte&) {
        try {
            traitement.Quitter();
        } catch (const TErreurTraitementTexte&) {
            // Already gone.
        }
        ErreurTraitementTexte(
            "BoutonLancerPublipostageClick : erreur lors de l'appel des propriétés de l'objet Word.");
        progression.Masquer();
        return TResultatPublipostage::Erreur;
    }
}

} // namespace tramonta
