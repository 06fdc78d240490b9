// SPDX-License-Identifier: GPL-3.0-or-later
// The user's preferences, held in memory for the whole run: read once before
// the first window, written once after the last. Dialogs change them in
// memory only.
#pragma once

#include <array>
#include <string>

namespace tramonta {

// Default host of the wave-forecast charts: the public charts of NOAA's
// National Centers for Environmental Prediction. The club may point the
// setting at any server that keeps the same path layout under "/wam/".
inline constexpr const char* kServeurCartesParDefaut = "polar.ncep.noaa.gov";

// The member-list fields that may be shown, in the order of their settings.
inline constexpr std::array<const char*, 16> kChampsVisibles = {"Sexe",
                                                                "DateNaissance",
                                                                "LieuNaissance",
                                                                "Ville",
                                                                "Tel1",
                                                                "Tel2",
                                                                "NumeroLicence",
                                                                "Delivrance",
                                                                "CertificatMedical",
                                                                "LicenceCompet",
                                                                "Classement",
                                                                "LicenceDirigeant",
                                                                "MontantLicence",
                                                                "CautionCombinaison",
                                                                "LocationCombinaison",
                                                                "ForfaitLecon"};

struct TPreferences {
    // The club logo printed on the accounting reports; chosen anew at every
    // run, never stored.
    std::string FichierLogo;
    // Indices 1 to 5 as the heat tables name them; index 0 is unused.
    std::array<std::string, 6> CouleursLycra{"", "BLEU", "BLANC", "ROUGE", "JAUNE", "NOIR"};
    bool SeriesDemiA4 = false;
    std::array<bool, kChampsVisibles.size()> ChampsVisibles{};
    std::string ServeurCartes = kServeurCartesParDefaut;

    bool operator==(const TPreferences&) const = default;
};

// The one record of the run.
TPreferences& Preferences();

// Both work on the record above; the logo is left alone.
void LirePreferences();
void EcrirePreferences();

// Values kept by the participants printout and the mail merge, read and
// written when those use them.
std::string LireCommentaireParticipants();
void EcrireCommentaireParticipants(const std::string& commentaire);
std::string LireFichierPublipostage();
void EcrireFichierPublipostage(const std::string& fichier);

} // namespace tramonta
