// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tableur_lecture.h"

#include "core/partage.h"
#include "core/texte.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace tramonta {

namespace {

// Length of the well-formed UTF-8 sequence that begins at `i` (overlong
// forms, surrogates and code points past U+10FFFF refused), 0 when none does.
std::size_t SequenceUtf8(std::string_view s, std::size_t i) {
    const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = octet(i);
    if (c < 0x80)
        return 1;
    std::size_t n;
    unsigned char min = 0x80, max = 0xBF; // bounds of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0)
            min = 0xA0;
        else if (c == 0xED)
            max = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0)
            min = 0x90;
        else if (c == 0xF4)
            max = 0x8F;
    } else {
        return 0;
    }
    if (i + n > s.size())
        return 0;
    if (octet(i + 1) < min || octet(i + 1) > max)
        return 0;
    for (std::size_t k = 2; k < n; ++k)
        if (octet(i + k) < 0x80 || octet(i + k) > 0xBF)
            return 0;
    return n;
}

// UTF-8 when most of the bytes above ASCII make well-formed sequences: a
// UTF-8 file with a stray byte of another encoding (a paste from an old
// program) is still UTF-8, while Windows-1252 text almost never forms a
// sequence ("é" followed by a letter is not one).
bool EstUtf8(std::string_view s) {
    std::size_t sequences = 0, egares = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = SequenceUtf8(s, i);
        if (n == 0) {
            ++egares;
            ++i;
        } else {
            sequences += n > 1;
            i += n;
        }
    }
    return egares == 0 || sequences > egares;
}

// A file in UTF-8 that holds a stray byte of another encoding: the stray
// bytes are read as Windows-1252 (0xE9 gives "é"), so that nothing is lost
// and the model only ever holds UTF-8.
std::string Utf8Tolerant(std::string_view s) {
    std::string resultat;
    resultat.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = SequenceUtf8(s, i);
        if (n == 0) {
            resultat += Cp1252VersUtf8(s.substr(i, 1));
            ++i;
        } else {
            resultat.append(s.substr(i, n));
            i += n;
        }
    }
    return resultat;
}

void AjouterUtf8(std::string& sortie, char32_t c) {
    if (c < 0x80) {
        sortie += static_cast<char>(c);
    } else if (c < 0x800) {
        sortie += static_cast<char>(0xC0 | (c >> 6));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        sortie += static_cast<char>(0xE0 | (c >> 12));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        sortie += static_cast<char>(0xF0 | (c >> 18));
        sortie += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The "Unicode text" of a spreadsheet, after its byte-order mark; a lone
// surrogate or a cut last byte becomes U+FFFD.
std::string Utf16VersUtf8(std::string_view s, bool grandBoutiste) {
    const auto unite = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(s[i]);
        const auto b = static_cast<unsigned char>(s[i + 1]);
        return static_cast<char32_t>(grandBoutiste ? (a << 8) | b : (b << 8) | a);
    };
    std::string resultat;
    resultat.reserve(s.size());
    std::size_t i = 0;
    for (; i + 1 < s.size(); i += 2) {
        const char32_t u = unite(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < s.size()) {
            const char32_t v = unite(i + 2);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                AjouterUtf8(resultat, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                i += 2;
                continue;
            }
        }
        AjouterUtf8(resultat, u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : u);
    }
    if (i < s.size())
        AjouterUtf8(resultat, 0xFFFD);
    return resultat;
}

std::string MessageTropDeColonnes(int ligne) {
    return Formater("Ligne %s : plus de %s colonnes. Ce fichier n'est pas un tableau d'adhérents, ou il "
                    "faut d'abord en retirer les colonnes vides depuis le tableur.",
                    {std::to_string(ligne), std::to_string(kMaxColonnesTableur)});
}

std::string MessageChampTropLong(int ligne) {
    return Formater("Ligne %s : un champ dépasse 1 Mio (%s octets). Ce fichier n'est pas un tableau "
                    "d'adhérents, ou un guillemet n'y est pas refermé.",
                    {std::to_string(ligne), std::to_string(kMaxOctetsChampTableur)});
}

bool EstBlanc(const std::string& champ) {
    return std::all_of(champ.begin(), champ.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// Cuts the decoded text into records, one at a time.
class TDecoupeur {
  public:
    TDecoupeur(std::string_view texte, char separateur, std::size_t debut, int premiereLigne)
        : texte_(texte), separateur_(separateur), pos_(debut), ligne_(premiereLigne) {}

    // The next record that is not blank; false at the end of the text or on
    // an error (then `erreur` is set).
    bool Suivant(TLigneTableur& ligne, std::string& erreur) {
        while (Lire(ligne, erreur))
            if (!std::all_of(ligne.champs.begin(), ligne.champs.end(), EstBlanc))
                return true;
        return false;
    }

    // The first line that holds anything, even only separators: what the
    // choice of the separator looks at.
    bool PremiereNonVide(TLigneTableur& ligne, std::string& erreur) {
        while (Lire(ligne, erreur))
            if (ligne.champs.size() > 1 || !EstBlanc(ligne.champs[0]))
                return true;
        return false;
    }

    // Whether the last error was a record of too many fields.
    bool TropDeColonnes() const { return tropDeColonnes_; }

  private:
    bool AuBout() const { return pos_ >= texte_.size(); }
    bool FinDeLigne(char c) const { return c == '\r' || c == '\n'; }

    // Steps over one line end (CRLF counts once), appending it to `champ`
    // when given: a line break inside quotes belongs to the field.
    void PasserFinDeLigne(std::string* champ) {
        const bool crlf = texte_[pos_] == '\r' && pos_ + 1 < texte_.size() && texte_[pos_ + 1] == '\n';
        const std::size_t n = crlf ? 2 : 1;
        if (champ)
            champ->append(texte_.substr(pos_, n));
        pos_ += n;
        ++ligne_;
    }

    // A field ends: past the limits, the file is refused.
    bool Ranger(TLigneTableur& ligne, std::string& champ, std::string& erreur) {
        if (champ.size() > kMaxOctetsChampTableur) {
            erreur = MessageChampTropLong(ligne.numero);
            return false;
        }
        if (ligne.champs.size() >= kMaxColonnesTableur) {
            tropDeColonnes_ = true;
            erreur = MessageTropDeColonnes(ligne.numero);
            return false;
        }
        ligne.champs.push_back(std::move(champ));
        champ.clear();
        return true;
    }

    bool Lire(TLigneTableur& ligne, std::string& erreur) {
        ligne.numero = ligne_;
        ligne.champs.clear();
        if (AuBout())
            return false;
        std::string champ;
        bool debutChamp = true;
        while (!AuBout()) {
            if (champ.size() > kMaxOctetsChampTableur) {
                erreur = MessageChampTropLong(ligne.numero);
                return false;
            }
            const char c = texte_[pos_];
            if (debutChamp && c == '"') {
                debutChamp = false;
                const int debut = ligne_;
                ++pos_;
                for (;;) {
                    if (AuBout()) {
                        erreur = Formater("Le fichier s'arrête au milieu d'un champ entre guillemets "
                                          "commencé à la ligne %s.",
                                          {std::to_string(debut)});
                        return false;
                    }
                    const char q = texte_[pos_];
                    if (q == '"') {
                        if (pos_ + 1 < texte_.size() && texte_[pos_ + 1] == '"') {
                            champ += '"';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    if (FinDeLigne(q)) {
                        PasserFinDeLigne(&champ);
                    } else {
                        champ += q;
                        ++pos_;
                    }
                    if (champ.size() > kMaxOctetsChampTableur) {
                        erreur = MessageChampTropLong(ligne.numero);
                        return false;
                    }
                }
                // What follows a closing quote before the separator is kept,
                // as spreadsheets do with such a field.
            } else if (c == separateur_) {
                if (!Ranger(ligne, champ, erreur))
                    return false;
                debutChamp = true;
                ++pos_;
            } else if (FinDeLigne(c)) {
                PasserFinDeLigne(nullptr);
                return Ranger(ligne, champ, erreur);
            } else {
                debutChamp = false;
                champ += c;
                ++pos_;
            }
        }
        return Ranger(ligne, champ, erreur);
    }

    std::string_view texte_;
    char separateur_;
    std::size_t pos_;
    int ligne_;
    bool tropDeColonnes_ = false;
};

// "sep=;" as the whole first line, which some spreadsheets write to name the
// separator: the separator, and where the records begin.
std::optional<char> SeparateurAnnonce(std::string_view texte, std::size_t& debut) {
    if (texte.size() < 5)
        return std::nullopt;
    std::string entete(texte.substr(0, 4));
    std::transform(entete.begin(), entete.end(), entete.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    if (entete != "sep=" || texte[4] == '\r' || texte[4] == '\n' || texte[4] == '"')
        return std::nullopt;
    std::size_t fin = 5;
    if (fin < texte.size() && texte[fin] != '\r' && texte[fin] != '\n')
        return std::nullopt;
    if (fin < texte.size())
        fin += texte[fin] == '\r' && fin + 1 < texte.size() && texte[fin + 1] == '\n' ? 2 : 1;
    debut = fin;
    return texte[4];
}

} // namespace

std::string NomEncodage(EncodageTableur encodage) {
    switch (encodage) {
    case EncodageTableur::Utf8AvecMarque:
        return "UTF-8 avec marque";
    case EncodageTableur::Utf8:
        return "UTF-8";
    case EncodageTableur::Windows1252:
        return "Windows-1252";
    case EncodageTableur::Utf16:
        return "UTF-16";
    }
    return {};
}

std::string NomSeparateur(char separateur) {
    switch (separateur) {
    case ';':
        return "point-virgule (;)";
    case ',':
        return "virgule (,)";
    case '\t':
        return "tabulation";
    default:
        return std::string(1, separateur);
    }
}

bool LireTableur(std::string_view octets, TTableurLu& tableur, std::string& erreur) {
    tableur = TTableurLu();
    erreur.clear();
    // A workbook given for a CSV file: say so rather than list unknown titles.
    if (octets.starts_with("PK\x03\x04") || octets.starts_with("\xD0\xCF\x11\xE0")) {
        erreur = "Ce fichier est un classeur de tableur, pas un fichier CSV : enregistrez-le d'abord au "
                 "format CSV depuis le tableur.";
        return false;
    }
    std::string texte;
    if (octets.starts_with("\xFF\xFE") || octets.starts_with("\xFE\xFF")) {
        tableur.encodage = EncodageTableur::Utf16;
        texte = Utf16VersUtf8(octets.substr(2), octets[0] == '\xFE');
    } else if (octets.starts_with("\xEF\xBB\xBF")) {
        tableur.encodage = EncodageTableur::Utf8AvecMarque;
        texte = Utf8Tolerant(octets.substr(3));
    } else if (EstUtf8(octets)) {
        tableur.encodage = EncodageTableur::Utf8;
        texte = Utf8Tolerant(octets);
    } else {
        tableur.encodage = EncodageTableur::Windows1252;
        texte = Cp1252VersUtf8(octets);
    }

    std::size_t debut = 0;
    int premiereLigne = 1;
    if (const auto annonce = SeparateurAnnonce(texte, debut)) {
        tableur.separateur = *annonce;
        premiereLigne = 2;
    } else {
        // The title row decides: the separator that gives it more fields.
        std::size_t meilleur = 0;
        for (const char candidat : {';', ',', '\t'}) {
            TDecoupeur essai(texte, candidat, 0, 1);
            TLigneTableur titres;
            std::string ignoree;
            // Too many fields still win, so that the file is refused for them.
            const std::size_t n = essai.PremiereNonVide(titres, ignoree) ? titres.champs.size()
                                  : essai.TropDeColonnes()               ? kMaxColonnesTableur + 1
                                                                         : 0;
            if (n > meilleur) {
                meilleur = n;
                tableur.separateur = candidat;
            }
        }
    }

    TDecoupeur decoupeur(texte, tableur.separateur, debut, premiereLigne);
    TLigneTableur ligne;
    bool premiere = true;
    while (decoupeur.Suivant(ligne, erreur)) {
        if (premiere)
            tableur.titres = std::move(ligne);
        else
            tableur.lignes.push_back(std::move(ligne));
        premiere = false;
        ligne = TLigneTableur();
    }
    return erreur.empty();
}

bool LireFichierTableur(const std::string& chemin, TTableurLu& tableur, std::string& erreur) {
    // A file of a shared folder: a pipe or a device given for it must not
    // hold the program, a link of another user is not followed.
    constexpr std::int64_t kTailleMax = 256LL * 1024 * 1024;
    std::string octets;
    std::string message;
    switch (LireFichierPartage(chemin, Liens::Personnels, kTailleMax, octets, message)) {
    case EtatOuverture::Ok:
        break;
    case EtatOuverture::Inexistant:
        erreur = Formater("Le fichier \"%s\" est introuvable.", {chemin});
        return false;
    case EtatOuverture::Refuse:
        erreur = message;
        return false;
    case EtatOuverture::Erreur:
        erreur = Formater("Impossible de lire le fichier \"%s\".", {chemin});
        return false;
    }
    return LireTableur(octets, tableur, erreur);
}

} // namespace tramonta
