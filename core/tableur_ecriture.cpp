// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tableur_ecriture.h"

#include "core/texte.h"

#include <charconv>
#include <cmath>

namespace tramonta {

namespace {

bool EstBlanc(char c) {
    return c == ' ' || c == '\t';
}

// Blanks, NBSP (U+00A0) and narrow NBSP (U+202F), which French spreadsheets
// put between thousands.
std::size_t LongueurBlanc(std::string_view t, std::size_t i) {
    if (i < t.size() && EstBlanc(t[i]))
        return 1;
    if (t.substr(i, 2) == "\xC2\xA0")
        return 2;
    if (t.substr(i, 3) == "\xE2\x80\xAF")
        return 3;
    return 0;
}

std::string_view SansBlancs(std::string_view t) {
    for (;;) {
        const std::size_t n = LongueurBlanc(t, 0);
        if (n == 0)
            break;
        t.remove_prefix(n);
    }
    for (;;) {
        std::size_t n = 0;
        if (!t.empty() && EstBlanc(t.back()))
            n = 1;
        else if (t.size() >= 2 && t.substr(t.size() - 2) == "\xC2\xA0")
            n = 2;
        else if (t.size() >= 3 && t.substr(t.size() - 3) == "\xE2\x80\xAF")
            n = 3;
        if (n == 0)
            break;
        t.remove_suffix(n);
    }
    return t;
}

bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

// A run of 1 to `max` digits from `i`; false when there is none or more.
bool LireNombre(std::string_view t, std::size_t& i, int max, int& valeur) {
    const std::size_t debut = i;
    valeur = 0;
    while (i < t.size() && EstChiffre(t[i]) && i - debut < static_cast<std::size_t>(max))
        valeur = valeur * 10 + (t[i++] - '0');
    return i > debut && (i == t.size() || !EstChiffre(t[i]));
}

// What may follow a date: nothing, or a blank (or "T") and a time of day.
bool FinDeDate(std::string_view t, std::size_t i) {
    if (i == t.size())
        return true;
    if (t[i] != ' ' && t[i] != 'T')
        return false;
    for (++i; i < t.size(); ++i)
        if (!EstChiffre(t[i]) && t[i] != ':' && t[i] != '.' && t[i] != ' ')
            return false;
    return true;
}

// "=", "+", "-", "@", tab, CR and the full-width forms U+FF1D, U+FF0B,
// U+FF0D, U+FF20 at `i`.
bool DebutFormule(std::string_view t, std::size_t i) {
    if (i >= t.size())
        return false;
    switch (t[i]) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
        return true;
    default:
        break;
    }
    const std::string_view reste = t.substr(i);
    return reste.starts_with("\uFF1D") || reste.starts_with("\uFF0B") || reste.starts_with("\uFF0D") ||
           reste.starts_with("\uFF20");
}

// Apostrophes, then the start of a formula.
bool CommeFormule(std::string_view t) {
    const std::size_t n = t.find_first_not_of('\'');
    return n != std::string_view::npos && DebutFormule(t, n);
}

} // namespace

std::string TexteSansFormule(std::string_view texte) {
    if (!CommeFormule(texte))
        return std::string(texte);
    return "'" + std::string(texte);
}

std::string AvecFormule(std::string_view champ) {
    if (champ.starts_with('\'') && CommeFormule(champ))
        champ.remove_prefix(1);
    return std::string(champ);
}

std::string ChampTableur(std::string_view texte) {
    const bool guillemets = texte.find_first_of(";\"\r\n") != std::string_view::npos ||
                            (!texte.empty() && (EstBlanc(texte.front()) || EstBlanc(texte.back())));
    if (!guillemets)
        return std::string(texte);
    std::string r;
    r.reserve(texte.size() + 2);
    r += '"';
    for (const char c : texte) {
        if (c == '"')
            r += '"';
        r += c;
    }
    r += '"';
    return r;
}

TEcrivainTableur::TEcrivainTableur(std::ostream& sortie) : sortie_(sortie) {
    sortie_ << kMarqueUtf8;
}

void TEcrivainTableur::Ligne(const std::vector<std::string>& champs) {
    for (std::size_t i = 0; i < champs.size(); ++i) {
        if (i > 0)
            sortie_ << kSeparateurTableur;
        sortie_ << ChampTableur(champs[i]);
    }
    sortie_ << kFinLigneTableur;
}

std::string DateTableur(TDateTime date) {
    if (date == 0 || !std::isfinite(date))
        return {};
    return DateVersTexte(date);
}

std::string MontantTableur(double montant) {
    if (!std::isfinite(montant))
        return {};
    if (montant == 0)
        montant = 0; // no "-0"
    char t[400];
    const auto [fin, erreur] = std::to_chars(t, t + sizeof t, montant, std::chars_format::fixed);
    if (erreur != std::errc())
        return {};
    std::string r(t, fin);
    for (char& c : r)
        if (c == '.')
            c = ',';
    return r;
}

std::string BooleenTableur(bool valeur) {
    return valeur ? "Oui" : "Non";
}

std::optional<TDateTime> LireDateTableur(std::string_view texte) {
    const std::string_view t = SansBlancs(texte);
    if (t.empty())
        return 0.0;
    std::size_t i = 0;
    int a = 0, m = 0, j = 0;
    int premier = 0;
    if (!LireNombre(t, i, 4, premier) || i >= t.size())
        return std::nullopt;
    if (t[i] == '-' && i == 4) {
        a = premier;
        ++i;
        if (!LireNombre(t, i, 2, m) || i >= t.size() || t[i] != '-')
            return std::nullopt;
        ++i;
        if (!LireNombre(t, i, 2, j))
            return std::nullopt;
    } else if (t[i] == '/' && i <= 2) {
        j = premier;
        ++i;
        if (!LireNombre(t, i, 2, m) || i >= t.size() || t[i] != '/')
            return std::nullopt;
        ++i;
        const std::size_t debutAnnee = i;
        if (!LireNombre(t, i, 4, a) || i - debutAnnee != 4)
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (!FinDeDate(t, i) || !DateValide(a, m, j))
        return std::nullopt;
    return EncodeDate(a, m, j);
}

std::optional<double> LireMontantTableur(std::string_view texte) {
    std::string_view t = SansBlancs(texte);
    constexpr std::string_view kEuro = "\xE2\x82\xAC";
    if (t.size() >= kEuro.size() && t.substr(t.size() - kEuro.size()) == kEuro)
        t = SansBlancs(t.substr(0, t.size() - kEuro.size()));
    else if (t.substr(0, kEuro.size()) == kEuro)
        t = SansBlancs(t.substr(kEuro.size()));
    if (t.empty())
        return 0.0;
    // The decimal separator is the last "," or ".", unless it comes more than
    // once ("1.234.567"); the other one, and blanks between digits, group
    // thousands.
    std::size_t dernier = t.find_last_of(",.");
    if (dernier != std::string_view::npos && t.find(t[dernier]) != dernier)
        dernier = std::string_view::npos;
    std::string nombre;
    nombre.reserve(t.size());
    for (std::size_t i = 0; i < t.size();) {
        const char c = t[i];
        if (i == 0 && (c == '-' || c == '+')) {
            if (c == '-')
                nombre += c;
            ++i;
        } else if (EstChiffre(c)) {
            nombre += c;
            ++i;
        } else if (i == dernier) {
            nombre += '.';
            ++i;
        } else if (const std::size_t n = (c == ',' || c == '.') ? 1 : LongueurBlanc(t, i); n > 0) {
            // A thousands separator stands between digits.
            if (i == 0 || !EstChiffre(t[i - 1]) || i + n >= t.size() || !EstChiffre(t[i + n]) ||
                (dernier != std::string_view::npos && i > dernier))
                return std::nullopt;
            i += n;
        } else {
            return std::nullopt;
        }
    }
    if (nombre.empty() || nombre == "-" || nombre == "." || nombre == "-.")
        return std::nullopt;
    double v = 0;
    const auto [fin, erreur] = std::from_chars(nombre.data(), nombre.data() + nombre.size(), v);
    if (erreur != std::errc() || fin != nombre.data() + nombre.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<std::int32_t> LireEntierTableur(std::string_view texte) {
    const std::string_view t = SansBlancs(texte);
    if (t.empty())
        return 0;
    std::string nombre;
    for (std::size_t i = 0; i < t.size();) {
        if (i == 0 && (t[i] == '-' || t[i] == '+')) {
            if (t[i] == '-')
                nombre += '-';
            ++i;
        } else if (EstChiffre(t[i])) {
            nombre += t[i++];
        } else if (const std::size_t n = LongueurBlanc(t, i);
                   n > 0 && i > 0 && EstChiffre(t[i - 1]) && i + n < t.size() && EstChiffre(t[i + n])) {
            i += n;
        } else {
            return std::nullopt;
        }
    }
    std::int32_t v = 0;
    const auto [fin, erreur] = std::from_chars(nombre.data(), nombre.data() + nombre.size(), v);
    if (erreur != std::errc() || fin != nombre.data() + nombre.size())
        return std::nullopt;
    return v;
}

std::optional<bool> LireBooleenTableur(std::string_view texte) {
    const std::string t = TexteSansAccents(SansBlancs(texte));
    for (const char* oui : {"oui", "o", "1", "vrai", "x", "yes", "y", "true"})
        if (t == oui)
            return true;
    for (const char* non : {"", "non", "n", "0", "faux", "no", "false"})
        if (t == non)
            return false;
    return std::nullopt;
}

} // namespace tramonta
