// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/preferences.h"

#include "platform/reglages.h"

namespace tramonta {

namespace {
const QString kCompetition = QStringLiteral("Competition");
const QString kBase = QStringLiteral("Base de données");
const QString kCartes = QStringLiteral("Cartes météo");

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
QString NomCouleur(std::size_t i) {
    return QStringLiteral("Couleur lycra %1").arg(i);
}
QString NomChamp(std::size_t i) {
    return QStringLiteral("Visu ") + QLatin1String(kChampsVisibles[i]);
}
} // namespace

TPreferences& Preferences() {
    static TPreferences p;
    return p;
}

void LirePreferences() {
    const TPreferences d;
    TPreferences& p = Preferences();
    for (std::size_t i = 1; i < p.CouleursLycra.size(); ++i)
        p.CouleursLycra[i] = ReadRegString(kCompetition, NomCouleur(i), Q(d.CouleursLycra[i])).toStdString();
    p.SeriesDemiA4 = ReadRegBool(kCompetition, "Impression séries en demi A4", d.SeriesDemiA4);
    for (std::size_t i = 0; i < p.ChampsVisibles.size(); ++i)
        p.ChampsVisibles[i] = ReadRegBool(kBase, NomChamp(i), d.ChampsVisibles[i]);
    p.ServeurCartes = ReadRegString(kCartes, "Serveur", Q(d.ServeurCartes)).trimmed().toStdString();
    if (p.ServeurCartes.empty())
        p.ServeurCartes = d.ServeurCartes;
}

void EcrirePreferences() {
    const TPreferences& p = Preferences();
    for (std::size_t i = 1; i < p.CouleursLycra.size(); ++i)
        WriteRegString(kCompetition, NomCouleur(i), Q(p.CouleursLycra[i]));
    WriteRegBool(kCompetition, "Impression séries en demi A4", p.SeriesDemiA4);
    for (std::size_t i = 0; i < p.ChampsVisibles.size(); ++i)
        WriteRegBool(kBase, NomChamp(i), p.ChampsVisibles[i]);
    // Written so that the club finds the chart server in the settings file.
    WriteRegString(kCartes, "Serveur", Q(p.ServeurCartes));
}

std::string LireCommentaireParticipants() {
    return ReadRegString("Edition participants", "Commentaire", "Liste des participants").toStdString();
}

void EcrireCommentaireParticipants(const std::string& commentaire) {
    WriteRegString("Edition participants", "Commentaire", Q(commentaire));
}

std::string LireFichierPublipostage() {
    return ReadRegString("Publipostage", "Fichier Word", "").toStdString();
}

void EcrireFichierPublipostage(const std::string& fichier) {
    WriteRegString("Publipostage", "Fichier Word", Q(fichier));
}

} // namespace tramonta
