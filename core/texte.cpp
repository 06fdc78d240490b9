// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texte.h"
#include "core/texte_flux.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace tramonta {

namespace {

// Code points of bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> kC1 = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                          0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t PointDeCode(unsigned char octet) {
    if (octet >= 0x80 && octet < 0xA0)
        return kC1[octet - 0x80];
    return octet;
}

// -1 when the code point has no Windows-1252 byte.
int OctetDe(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (std::size_t i = 0; i < kC1.size(); ++i)
        if (kC1[i] == c)
            return static_cast<int>(0x80 + i);
    return -1;
}

void AjouterUtf8(std::string& sortie, char32_t c) {
    if (c < 0x80) {
        sortie.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        sortie.push_back(static_cast<char>(0xC0 | (c >> 6)));
        sortie.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        sortie.push_back(static_cast<char>(0xE0 | (c >> 12)));
        sortie.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        sortie.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at i; gives -1 (and advances one byte) when it is malformed.
long LireUtf8(std::string_view s, std::size_t& i) {
    const auto o = static_cast<unsigned char>(s[i]);
    int suite = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (o < 0x80) {
        ++i;
        return o;
    } else if ((o & 0xE0) == 0xC0) {
        suite = 1, c = o & 0x1F, minimum = 0x80;
    } else if ((o & 0xF0) == 0xE0) {
        suite = 2, c = o & 0x0F, minimum = 0x800;
    } else if ((o & 0xF8) == 0xF0) {
        suite = 3, c = o & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return -1;
    }
    if (i + suite >= s.size()) {
        ++i;
        return -1;
    }
    for (int k = 1; k <= suite; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return -1;
    }
    i += suite + 1;
    return static_cast<long>(c);
}

unsigned char MinusculeOctet(unsigned char o) {
    if (o >= 'A' && o <= 'Z')
        return o + 32;
    if ((o >= 0xC0 && o <= 0xDE && o != 0xD7))
        return o + 32;
    switch (o) {
    case 0x8A:
        return 0x9A; // Š
    case 0x8C:
        return 0x9C; // Œ
    case 0x8E:
        return 0x9E; // Ž
    case 0x9F:
        return 0xFF; // Ÿ
    default:
        return o;
    }
}

// The plain letters that a folded Windows-1252 letter sorts as; nothing for
// the characters that sort as themselves.
const char* LettresDeBase(unsigned char minuscule) {
    static constexpr const char* kBases[32] = {"a", "a",     "a", "a", "a", "a", "ae", "c", "e",  "e", "e",
                                               "e", "i",     "i", "i", "i", "d", "n",  "o", "o",  "o", "o",
                                               "o", nullptr, "o", "u", "u", "u", "u",  "y", "th", "y"};
    if (minuscule >= 0xE0)
        return kBases[minuscule - 0xE0];
    switch (minuscule) {
    case 0x9A:
        return "s";
    case 0x9C:
        return "oe";
    case 0x9E:
        return "z";
    case 0xDF:
        return "ss";
    default:
        return nullptr;
    }
}

// The three sort keys of a text: plain letters without the hyphens and
// apostrophes, then the folded characters without them, then everything
// folded with those marks after every letter.
struct ClesTri {
    std::u32string primaire, secondaire, tertiaire;
};

ClesTri CalculerCles(std::string_view s) {
    ClesTri cles;
    std::size_t i = 0;
    while (i < s.size()) {
        const long c = LireUtf8(s, i);
        char32_t plie = c < 0 ? 0xFFFD : static_cast<char32_t>(c);
        const int octet = c < 0 ? -1 : OctetDe(plie);
        const char* base = nullptr;
        if (octet >= 0) {
            const unsigned char m = MinusculeOctet(static_cast<unsigned char>(octet));
            plie = PointDeCode(m);
            base = LettresDeBase(m);
        }
        // Between equal words, the one without the hyphen comes first.
        if (plie == U'-' || plie == U'\'' || plie == 0x2019) {
            cles.tertiaire.push_back(0x110000 + plie);
            continue;
        }
        cles.tertiaire.push_back(plie);
        cles.secondaire.push_back(plie);
        if (base)
            for (const char* b = base; *b; ++b)
                cles.primaire.push_back(static_cast<char32_t>(*b));
        else
            cles.primaire.push_back(plie);
    }
    return cles;
}

int Signe(int n) {
    return (n > 0) - (n < 0);
}

bool MarqueCombinante(char32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F);
}

// A character that the code page lacks, as the user is shown it.
std::string CaractereAffiche(std::string_view s, std::size_t debut, std::size_t fin, long c) {
    if (c < 0)
        return "\uFFFD";
    if (MarqueCombinante(static_cast<char32_t>(c)))
        return "\u25CC" + std::string(s.substr(debut, fin - debut));
    return std::string(s.substr(debut, fin - debut));
}

} // namespace

bool TexteEnregistrable(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            ++i;
            continue;
        }
        const long c = LireUtf8(utf8, i);
        if (c < 0 || OctetDe(static_cast<char32_t>(c)) < 0)
            return false;
    }
    return true;
}

std::vector<std::string> CaracteresNonEnregistrables(std::string_view utf8) {
    std::vector<std::string> caracteres;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t debut = i;
        const long c = LireUtf8(utf8, i);
        if (c >= 0 && OctetDe(static_cast<char32_t>(c)) >= 0)
            continue;
        std::string affiche = CaractereAffiche(utf8, debut, i, c);
        if (std::find(caracteres.begin(), caracteres.end(), affiche) == caracteres.end())
            caracteres.push_back(std::move(affiche));
    }
    return caracteres;
}

std::string FormeEnregistrable(std::string_view utf8) {
    std::string sortie;
    sortie.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const long c = LireUtf8(utf8, i);
        const int octet = c < 0 ? -1 : OctetDe(static_cast<char32_t>(c));
        // The combining marks that follow: composed with a plain letter
        // when the code page has the accented one, dropped otherwise.
        int compose = octet;
        bool marques = false;
        for (;;) {
            std::size_t j = i;
            if (j >= utf8.size())
                break;
            const long m = LireUtf8(utf8, j);
            if (m < 0 || !MarqueCombinante(static_cast<char32_t>(m)))
                break;
            compose = compose < 0 ? -1
                                  : ComposerAccent(PointDeCode(static_cast<unsigned char>(compose)),
                                                   static_cast<char32_t>(m));
            marques = true;
            i = j;
        }
        if (octet >= 0) {
            AjouterUtf8(sortie,
                        PointDeCode(static_cast<unsigned char>(marques && compose >= 0 ? compose : octet)));
        } else if (c < 0 || MarqueCombinante(static_cast<char32_t>(c))) {
            // A malformed byte has no near form; a mark with no letter goes.
            if (c < 0)
                sortie += '?';
        } else if (const auto proche = FormeProcheCaractere(static_cast<char32_t>(c))) {
            sortie += *proche;
        } else {
            sortie += '?';
        }
    }
    return sortie;
}

std::string TexteCourt(std::string_view utf8, std::size_t maximum) {
    std::size_t i = 0, n = 0;
    while (i < utf8.size() && n < maximum) {
        ++i;
        while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80)
            ++i;
        ++n;
    }
    return i < utf8.size() ? std::string(utf8.substr(0, i)) + "…" : std::string(utf8);
}

namespace {

// Where the first byte above 0x7F is, or the size: a document's texts are
// mostly plain ASCII, which both conversions copy as it is.
std::size_t FinAscii(std::string_view s) {
    std::size_t i = 0;
    // Eight bytes at a time while none has its high bit set.
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t bloc;
        std::memcpy(&bloc, s.data() + i, 8);
        if (bloc & 0x8080808080808080ULL)
            break;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80)
        ++i;
    return i;
}

// The UTF-8 form of each byte from 0x80 up: its length, then its bytes.
struct TableUtf8 {
    std::array<std::array<char, 4>, 128> formes{};
    constexpr TableUtf8() {
        for (int o = 0x80; o < 0x100; ++o) {
            const char32_t c = o < 0xA0 ? kC1[static_cast<std::size_t>(o - 0x80)] : static_cast<char32_t>(o);
            auto& f = formes[static_cast<std::size_t>(o - 0x80)];
            if (c < 0x800) {
                f = {2, static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F)), 0};
            } else {
                f = {3, static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                     static_cast<char>(0x80 | (c & 0x3F))};
            }
        }
    }
};
constexpr TableUtf8 kTableUtf8;

} // namespace

std::string Cp1252VersUtf8(std::string_view octets) {
    std::size_t i = FinAscii(octets);
    if (i == octets.size())
        return std::string(octets);
    std::string sortie;
    sortie.reserve(octets.size() + (octets.size() - i) / 2 + 2);
    sortie.append(octets.data(), i);
    while (i < octets.size()) {
        const auto o = static_cast<unsigned char>(octets[i]);
        if (o < 0x80) {
            const std::size_t fin = i + FinAscii(octets.substr(i));
            sortie.append(octets.data() + i, fin - i);
            i = fin;
            continue;
        }
        const auto& f = kTableUtf8.formes[o - 0x80];
        sortie.append(f.data() + 1, static_cast<std::size_t>(f[0]));
        ++i;
    }
    return sortie;
}

void AjouterCp1252(std::string& sortie, std::string_view utf8) {
    std::size_t i = FinAscii(utf8);
    sortie.append(utf8.data(), i);
    while (i < utf8.size()) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            const std::size_t fin = i + FinAscii(utf8.substr(i));
            sortie.append(utf8.data() + i, fin - i);
            i = fin;
            continue;
        }
        const long c = LireUtf8(utf8, i);
        const int octet = c < 0 ? -1 : OctetDe(static_cast<char32_t>(c));
        sortie.push_back(octet < 0 ? '?' : static_cast<char>(octet));
    }
}

std::string Utf8VersCp1252(std::string_view utf8) {
    std::string sortie;
    sortie.reserve(utf8.size());
    AjouterCp1252(sortie, utf8);
    return sortie;
}

bool EstAscii(std::string_view s) {
    return FinAscii(s) == s.size();
}

bool MemeTexteAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z')
            x += 32;
        if (y >= 'A' && y <= 'Z')
            y += 32;
        if (x != y)
            return false;
    }
    return true;
}

bool MemeTexteSansCasse(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const long x = LireUtf8(a, i);
        const long y = LireUtf8(b, j);
        if (x == y)
            continue;
        const int ox = x < 0 ? -1 : OctetDe(static_cast<char32_t>(x));
        const int oy = y < 0 ? -1 : OctetDe(static_cast<char32_t>(y));
        if (ox < 0 || oy < 0)
            return false;
        if (MinusculeOctet(static_cast<unsigned char>(ox)) != MinusculeOctet(static_cast<unsigned char>(oy)))
            return false;
    }
    return i == a.size() && j == b.size();
}

std::string TexteSansAccents(std::string_view s) {
    std::string sortie;
    sortie.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const long c = LireUtf8(s, i);
        if (c >= 0 && c < 0x80) {
            // The common case, kept apart so that a search over many rows stays cheap.
            sortie.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : static_cast<char>(c));
            continue;
        }
        char32_t plie = c < 0 ? 0xFFFD : static_cast<char32_t>(c);
        const int octet = c < 0 ? -1 : OctetDe(plie);
        if (octet >= 0) {
            const unsigned char m = MinusculeOctet(static_cast<unsigned char>(octet));
            if (const char* base = LettresDeBase(m)) {
                sortie += base;
                continue;
            }
            plie = PointDeCode(m);
        }
        AjouterUtf8(sortie, plie);
    }
    return sortie;
}

int ComparerSansCasse(std::string_view a, std::string_view b) {
    const ClesTri x = CalculerCles(a);
    const ClesTri y = CalculerCles(b);
    if (int n = x.primaire.compare(y.primaire))
        return Signe(n);
    if (int n = x.secondaire.compare(y.secondaire))
        return Signe(n);
    return Signe(x.tertiaire.compare(y.tertiaire));
}

} // namespace tramonta

namespace tramonta {
std::string Formater(std::string_view modele, std::initializer_list<std::string_view> valeurs) {
    std::string sortie;
    auto suivante = valeurs.begin();
    for (std::size_t i = 0; i < modele.size(); ++i) {
        if (modele[i] == '%' && i + 1 < modele.size() && modele[i + 1] == 's' && suivante != valeurs.end()) {
            sortie += *suivante++;
            ++i;
        } else {
            sortie += modele[i];
        }
    }
    return sortie;
}
} // namespace tramonta
