// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dates.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace tramonta {

namespace {
// Day number of 30/12/1899 in days since 1970-01-01.
constexpr long kDecalageUnix = -25569;

long JoursDepuisCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

DateCivile CivilDepuisJours(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = static_cast<long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

Horloge& HorlogeCourante() {
    static Horloge h;
    return h;
}

// Days 1/1/0001 .. 31/12/9999, the range a date can be typed in.
constexpr double kJourMin = -693593;
constexpr double kJourMax = 2958465;
} // namespace

bool DateValide(int annee, int mois, int jour) {
    if (annee < 1 || annee > 9999 || mois < 1 || mois > 12 || jour < 1)
        return false;
    static constexpr int kJours[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bissextile = (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
    return jour <= kJours[mois - 1] + (mois == 2 && bissextile ? 1 : 0);
}

TDateTime EncodeDate(int annee, int mois, int jour) {
    return static_cast<double>(
        JoursDepuisCivil(annee, static_cast<unsigned>(mois), static_cast<unsigned>(jour)) - kDecalageUnix);
}

DateCivile DecodeDate(TDateTime date) {
    const double jour = std::trunc(date);
    if (!std::isfinite(jour) || jour < kJourMin || jour > kJourMax)
        return {};
    return CivilDepuisJours(static_cast<long>(jour) + kDecalageUnix);
}

void DecodeTime(TDateTime date, int& heure, int& minute, int& seconde) {
    heure = minute = seconde = 0;
    if (!std::isfinite(date) || std::fabs(date) > 1e9)
        return;
    // Rounded to the millisecond, as the time of day is stored.
    auto ms = static_cast<long long>(std::llround(std::fabs(date - std::trunc(date)) * 86400000.0));
    if (ms >= 86400000)
        ms = 86399999;
    const long long s = ms / 1000;
    heure = static_cast<int>(s / 3600);
    minute = static_cast<int>((s / 60) % 60);
    seconde = static_cast<int>(s % 60);
}

std::string DateVersTexte(TDateTime date) {
    const DateCivile c = DecodeDate(date);
    char t[32];
    std::snprintf(t, sizeof t, "%02d/%02d/%04d", c.jour, c.mois, c.annee);
    return t;
}

std::string DateHeureVersTexte(TDateTime date) {
    int h, m, s;
    DecodeTime(date, h, m, s);
    char t[16];
    std::snprintf(t, sizeof t, " %02d:%02d:%02d", h, m, s);
    return DateVersTexte(date) + t;
}

TDateTime TexteVersDate(std::string_view texte) {
    if (texte.size() < 10)
        return 0;
    auto nombre = [&](std::size_t debut, std::size_t n, int& valeur) {
        valeur = 0;
        for (std::size_t i = debut; i < debut + n; ++i) {
            if (texte[i] < '0' || texte[i] > '9')
                return false;
            valeur = valeur * 10 + (texte[i] - '0');
        }
        return true;
    };
    int j, m, a;
    if (!nombre(0, 2, j) || !nombre(3, 2, m) || !nombre(6, 4, a) || !DateValide(a, m, j))
        return 0;
    return EncodeDate(a, m, j);
}

TDateTime Maintenant() {
    if (HorlogeCourante())
        return HorlogeCourante()();
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    // The local day and second change once a second: a load that makes a
    // hundred thousand records (each dated now, then read) asks the time
    // zone once, not once per record.
    thread_local time_t seconde = -1;
    thread_local double jour = 0, secondesDuJour = 0;
    if (ts.tv_sec != seconde) {
        std::tm local{};
        localtime_r(&ts.tv_sec, &local);
        jour = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
        secondesDuJour = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
        seconde = ts.tv_sec;
    }
    const double secondes = secondesDuJour + ts.tv_nsec / 1e9;
    return jour + std::floor(secondes * 1000.0) / 86400000.0;
}

TDateTime Aujourdhui() {
    return std::trunc(Maintenant());
}

Horloge DefinirHorloge(Horloge horloge) {
    Horloge ancienne = std::move(HorlogeCourante());
    HorlogeCourante() = std::move(horloge);
    return ancienne;
}

} // namespace tramonta
