// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/import_tableur.h"

#include "core/texte.h"
#include "model/adherent.h"
#include "model/colonnes_tableur.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <unordered_set>
#include <utility>

namespace tramonta {

namespace {

// The member column table, seen through what the import needs of it.
std::size_t NombreColonnes() {
    return ColonnesAdherents().size();
}
std::string TitreColonne(std::size_t i) {
    return ColonnesAdherents()[i].titre;
}
// A computed column (the category) is only written, never read back.
bool ColonneCalculee(std::size_t i) {
    return !ColonnesAdherents()[i].ecrire;
}
bool EcrireColonne(std::size_t i, TAdherent& a, std::string_view texte) {
    return ColonnesAdherents()[i].ecrire(a, texte);
}
// A column whose text goes into the record as it is (a name, an address).
bool ColonneTexte(std::size_t i) {
    return ColonnesAdherents()[i].texte;
}

bool EstBlancOctet(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Blanks at both ends, a no-break space counting as one.
std::string_view SansBlancs(std::string_view s) {
    for (;;) {
        if (!s.empty() && EstBlancOctet(static_cast<unsigned char>(s.front())))
            s.remove_prefix(1);
        else if (s.starts_with("\u00A0"))
            s.remove_prefix(2);
        else
            break;
    }
    for (;;) {
        if (!s.empty() && EstBlancOctet(static_cast<unsigned char>(s.back())))
            s.remove_suffix(1);
        else if (s.ends_with("\u00A0"))
            s.remove_suffix(2);
        else
            break;
    }
    return s;
}

// Titles that other programs and the federation's files give to the same
// fields, in the form of CleTitre, with the key of the member column.
const std::pair<std::string_view, std::string_view> kAutresTitres[] = {
    {"nom de famille", "nom"},
    {"prenoms", "prenom"},
    {"date naissance", "date de naissance"},
    {"ne le", "date de naissance"},
    {"nee le", "date de naissance"},
    {"ne(e) le", "date de naissance"},
    {"cp", "code postal"},
    {"commune", "ville"},
    {"telephone", "tel. 1"},
    {"telephone 1", "tel. 1"},
    {"tel", "tel. 1"},
    {"tel.", "tel. 1"},
    {"tel 1", "tel. 1"},
    {"telephone 2", "tel. 2"},
    {"tel 2", "tel. 2"},
    {"portable", "tel. 2"},
    {"mobile", "tel. 2"},
    {"n° de licence", "n° licence"},
    {"numero de licence", "n° licence"},
    {"numero licence", "n° licence"},
    {"no licence", "n° licence"},
    {"licence", "n° licence"},
    {"observations", "informations complementaires"},
    {"remarques", "informations complementaires"},
};

std::string CleAdmise(const std::string& cle) {
    for (const auto& [autre, admise] : kAutresTitres)
        if (cle == autre)
            return std::string(admise);
    return cle;
}

int IndexNom() {
    static const int index = [] {
        for (std::size_t i = 0; i < NombreColonnes(); ++i)
            if (CleTitre(TitreColonne(i)) == "nom")
                return static_cast<int>(i);
        return -1;
    }();
    return index;
}

// The key under which TAdherents::Find sees a member as already there (only
// a-z/A-Z fold, as MemeTexteAscii does), so that a file of thousands of rows
// finds its duplicates without going through the list for each row.
std::string CleDoublon(const std::string& nom, const std::string& prenom) {
    std::string cle = std::to_string(nom.size()) + ':' + nom + prenom;
    for (char& c : cle)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return cle;
}

// "04/12/09": a spreadsheet that saves the values rather than what it shows
// writes the short date, with two digits for the year. They are read in the
// window that LibreOffice and Excel use by default, 1930 to 2029, so that the
// date is the one the spreadsheet showed.
std::optional<std::string> DateSurQuatreChiffres(std::string_view texte) {
    const std::string_view t = SansBlancs(texte);
    const std::size_t barre = t.rfind('/');
    if (barre == std::string_view::npos || barre == 0 || t.size() - barre != 3 || t.find('/') == barre)
        return std::nullopt;
    const char d = t[barre + 1], u = t[barre + 2];
    if (d < '0' || d > '9' || u < '0' || u > '9')
        return std::nullopt;
    const std::string siecle = d < '3' ? "20" : "19";
    return std::string(t.substr(0, barre + 1)) + siecle + std::string(t.substr(barre + 1));
}

std::string Guillemets(std::string_view texte) {
    return "« " + std::string(texte) + " »";
}

std::string Pluriel(int n, const char* mot) {
    return std::to_string(n) + " " + mot + (n >= 2 ? "s" : "");
}

} // namespace

std::string CleTitre(std::string_view titre) {
    std::string_view t = SansBlancs(titre);
    if (t.ends_with(':'))
        t = SansBlancs(t.substr(0, t.size() - 1));
    // One space for every run of blanks, a typographic apostrophe as a plain one.
    std::string resserre;
    bool blanc = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(t[i]);
        if (EstBlancOctet(c) || t.substr(i).starts_with("\u00A0")) {
            if (c == 0xC2)
                ++i;
            blanc = true;
            continue;
        }
        if (blanc)
            resserre += ' ';
        blanc = false;
        if (t.substr(i).starts_with("\u2019")) {
            resserre += '\'';
            i += 2;
        } else {
            resserre += t[i];
        }
    }
    return TexteSansAccents(resserre);
}

bool AnalyserTitres(const TTableurLu& tableur, TApercuImport& apercu, std::string& erreur) {
    apercu = TApercuImport();
    erreur.clear();
    if (tableur.titres.champs.empty()) {
        erreur = "Le fichier est vide : sa première ligne doit donner les titres des colonnes (« Nom », "
                 "« Prénom », …).";
        return false;
    }
    std::vector<bool> prise(NombreColonnes(), false);
    bool connu = false;
    for (const std::string& titre : tableur.titres.champs) {
        TColonneImport c;
        c.titre = titre;
        const std::string cle = CleAdmise(CleTitre(titre));
        for (std::size_t i = 0; i < NombreColonnes() && !cle.empty(); ++i) {
            if (CleTitre(TitreColonne(i)) != cle)
                continue;
            connu = true;
            if (ColonneCalculee(i)) {
                c.calculee = true;
                c.champ = TitreColonne(i);
            } else if (!prise[i]) {
                // A second column of the same title would overwrite the first.
                prise[i] = true;
                c.colonne = static_cast<int>(i);
                c.champ = TitreColonne(i);
            }
            break;
        }
        if (c.colonne < 0 && !c.calculee && !SansBlancs(titre).empty())
            apercu.titresIgnores.push_back(titre);
        apercu.colonnes.push_back(std::move(c));
    }
    apercu.nombreLignes = tableur.lignes.size();
    const std::size_t n = std::min(tableur.lignes.size(), TApercuImport::kLignesApercu);
    apercu.premieresLignes.assign(tableur.lignes.begin(), tableur.lignes.begin() + static_cast<long>(n));

    if (!connu) {
        const std::string lus = ListeTitres(tableur.titres.champs);
        erreur = "Aucun titre de la première ligne n'est celui d'un champ d'adhérent (" + lus +
                 ") : la première ligne doit donner les titres des colonnes (« Nom », « Prénom », …).";
        return false;
    }
    if (IndexNom() < 0 || !prise[static_cast<std::size_t>(IndexNom())]) {
        erreur = "Le fichier ne contient pas de colonne « Nom ».";
        return false;
    }
    return true;
}

std::vector<std::string> PremieresLignes(const std::vector<std::string>& lignes, std::size_t maximum) {
    if (lignes.size() <= maximum)
        return lignes;
    std::vector<std::string> r(lignes.begin(), lignes.begin() + static_cast<long>(maximum));
    r.push_back("… et " + std::to_string(lignes.size() - maximum) + " autres");
    return r;
}

std::string ListeTitres(const std::vector<std::string>& titres) {
    constexpr std::size_t kMaximum = 20;
    std::string liste;
    for (std::size_t i = 0; i < titres.size() && i < kMaximum; ++i)
        liste += (liste.empty() ? "" : ", ") + Guillemets(TexteCourt(titres[i], 60));
    if (titres.size() > kMaximum)
        liste += " … et " + std::to_string(titres.size() - kMaximum) + " autres";
    return liste;
}

std::vector<TTexteNonEnregistrable> TextesNonEnregistrables(const TTableurLu& tableur,
                                                            const TApercuImport& apercu) {
    std::vector<TTexteNonEnregistrable> textes;
    for (const TLigneTableur& ligne : tableur.lignes) {
        for (std::size_t k = 0; k < apercu.colonnes.size() && k < ligne.champs.size(); ++k) {
            const TColonneImport& c = apercu.colonnes[k];
            if (c.colonne < 0 || !ColonneTexte(static_cast<std::size_t>(c.colonne)) ||
                TexteEnregistrable(ligne.champs[k]))
                continue;
            textes.push_back(
                {ligne.numero, c.titre, ligne.champs[k], CaracteresNonEnregistrables(ligne.champs[k])});
        }
    }
    return textes;
}

std::string MessageNonEnregistrable(const TTexteNonEnregistrable& texte) {
    std::string caracteres;
    for (const std::string& c : texte.caracteres)
        caracteres += (caracteres.empty() ? "" : ", ") + Guillemets(c);
    return Formater("Ligne %s, colonne %s : %s",
                    {std::to_string(texte.ligne), Guillemets(TexteCourt(texte.colonne, 60)), caracteres}) +
           (texte.caracteres.size() >= 2 ? " ne peuvent pas être enregistrés"
                                         : " ne peut pas être enregistré");
}

TRapportImport ImporterAdherents(TAdherents& adherents, const TTableurLu& tableur, TFormeTexte forme) {
    TRapportImport rapport;
    TApercuImport apercu;
    std::string erreur;
    if (!AnalyserTitres(tableur, apercu, erreur)) {
        rapport.lignes.push_back(erreur);
        return rapport;
    }
    const std::vector<TTexteNonEnregistrable> nonEnregistrables = TextesNonEnregistrables(tableur, apercu);
    if (!nonEnregistrables.empty() && forme == TFormeTexte::Refuser) {
        std::vector<std::string> messages;
        for (const auto& t : nonEnregistrables)
            messages.push_back(MessageNonEnregistrable(t) + ".");
        rapport.lignes = PremieresLignes(messages);
        rapport.lignes.push_back("Aucun adhérent n'a été importé : la saison ne peut enregistrer que les "
                                 "caractères de Windows-1252.");
        return rapport;
    }
    rapport.reussi = true;
    std::unordered_set<std::string> presents;
    for (int i = 0; i < adherents.Count(); ++i)
        presents.insert(CleDoublon(adherents.Adherent(i)->Nom(), adherents.Adherent(i)->Prenom()));
    for (const TLigneTableur& ligne : tableur.lignes) {
        const std::string numero = std::to_string(ligne.numero);
        // Made for the collection but not added yet: its setters tell nobody.
        auto adherent = std::make_unique<TAdherent>(&adherents);
        std::vector<std::string> illisibles, remplaces;
        for (std::size_t k = 0; k < apercu.colonnes.size() && k < ligne.champs.size(); ++k) {
            const TColonneImport& c = apercu.colonnes[k];
            if (c.colonne < 0)
                continue;
            const auto colonne = static_cast<std::size_t>(c.colonne);
            std::string texte = ligne.champs[k];
            if (ColonneTexte(colonne) && !TexteEnregistrable(texte)) {
                std::string proche = FormeEnregistrable(texte);
                remplaces.push_back(
                    Formater("Ligne %s, colonne %s : %s enregistré sous la forme %s.",
                             {numero, Guillemets(TexteCourt(c.titre, 60)), Guillemets(TexteCourt(texte, 60)),
                              Guillemets(TexteCourt(proche, 60))}));
                texte = std::move(proche);
            }
            bool lu = EcrireColonne(colonne, *adherent, texte);
            if (!lu)
                if (const auto date = DateSurQuatreChiffres(texte))
                    lu = EcrireColonne(colonne, *adherent, *date);
            // An empty cell leaves the field as a new member has it.
            if (!lu && !SansBlancs(texte).empty())
                illisibles.push_back(Formater(
                    "Ligne %s : %s illisible dans la colonne %s, champ non importé.",
                    {numero, Guillemets(TexteCourt(texte, 60)), Guillemets(TexteCourt(c.titre, 60))}));
        }
        for (const Enregistrement genre : kEnregistrements)
            adherent->SetEnCompta(genre, false);

        if (SansBlancs(adherent->Nom()).empty()) {
            rapport.lignes.push_back(Formater("Ligne %s : adhérent sans nom, ligne ignorée.", {numero}));
            ++rapport.ignores;
            continue;
        }
        // The rule of the import of another season, which an earlier row of
        // this file meets as well once it is added.
        if (!presents.insert(CleDoublon(adherent->Nom(), adherent->Prenom())).second) {
            rapport.lignes.push_back(
                Formater("Ligne %s : impossible d'importer l'adhérent \"%s %s\" ! Cet adhérent existe déjà.",
                         {numero, adherent->Nom(), adherent->Prenom()}));
            ++rapport.ignores;
            continue;
        }
        rapport.lignes.insert(rapport.lignes.end(), remplaces.begin(), remplaces.end());
        rapport.lignes.insert(rapport.lignes.end(), illisibles.begin(), illisibles.end());
        adherents.Add(std::move(adherent));
        ++rapport.ajoutes;
    }
    rapport.lignes.push_back("Import terminé : " + ResumeImport(rapport) + ".");
    return rapport;
}

std::string ResumeImport(const TRapportImport& rapport) {
    return Pluriel(rapport.ajoutes, "adhérent") + (rapport.ajoutes >= 2 ? " ajoutés, " : " ajouté, ") +
           std::to_string(rapport.ignores) + (rapport.ignores >= 2 ? " ignorés" : " ignoré");
}

} // namespace tramonta
