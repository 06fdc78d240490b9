// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/raccourci.h"

#include "core/messages.h"
#include "core/partage.h"
#include "core/texte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <optional>

namespace tramonta {

namespace {

// The layout of a shell-link file: a fixed header, then optional parts in a
// fixed order, each announced by a flag of the header.
constexpr int kTailleEntete = 0x4C;
constexpr unsigned char kClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                      0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
enum : std::uint32_t {
    HasLinkTargetIDList = 1u << 0,
    HasLinkInfo = 1u << 1,
    HasName = 1u << 2,
    HasRelativePath = 1u << 3,
    HasWorkingDir = 1u << 4,
    HasArguments = 1u << 5,
    HasIconLocation = 1u << 6,
    IsUnicode = 1u << 7,
};
enum : std::uint32_t { VolumeIDAndLocalBasePath = 1u << 0, CommonNetworkRelativeLinkAndPathSuffix = 1u << 1 };

class Lecteur {
  public:
    explicit Lecteur(const QByteArray& o) : o_(o) {}
    bool Dispo(qsizetype pos, qsizetype n) const { return pos >= 0 && n >= 0 && pos <= o_.size() - n; }
    std::optional<std::uint32_t> U32(qsizetype pos) const {
        if (!Dispo(pos, 4))
            return std::nullopt;
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(o_[pos + i]);
        return v;
    }
    std::optional<std::uint16_t> U16(qsizetype pos) const {
        if (!Dispo(pos, 2))
            return std::nullopt;
        return static_cast<std::uint16_t>(static_cast<unsigned char>(o_[pos]) |
                                          (static_cast<unsigned char>(o_[pos + 1]) << 8));
    }
    // A zero-terminated string of the system code page, that must end before
    // `fin`.
    std::optional<QString> Ansi(qsizetype pos, qsizetype fin) const {
        if (pos < 0 || fin > o_.size())
            return std::nullopt;
        for (qsizetype i = pos; i < fin; ++i)
            if (o_[i] == '\0')
                return QString::fromStdString(
                    Cp1252VersUtf8(std::string_view(o_.constData() + pos, i - pos)));
        return std::nullopt;
    }
    std::optional<QString> Unicode(qsizetype pos, qsizetype fin) const {
        if (pos < 0 || fin > o_.size())
            return std::nullopt;
        QString s;
        for (qsizetype i = pos; i + 1 < fin; i += 2) {
            const char16_t c = *U16(i);
            if (c == 0)
                return s;
            s.append(QChar(c));
        }
        return std::nullopt;
    }
    qsizetype Taille() const { return o_.size(); }

  private:
    const QByteArray& o_;
};

QString SeparateursUnix(QString chemin) {
    return chemin.replace('\\', '/');
}

} // namespace

void TShellLink::Vider() {
    target_.clear();
    workingDir_.clear();
    description_.clear();
    arguments_.clear();
    iconLocation_.clear();
    hotKey_ = showCmd_ = iconNumber_ = 0;
    lu_ = false;
}

TShellLink::Lecture TShellLink::Lire(const QByteArray& octets) {
    Vider();
    const Lecteur l(octets);
    if (l.U32(0) != std::uint32_t{kTailleEntete} || !l.Dispo(0, kTailleEntete) ||
        std::memcmp(octets.constData() + 4, kClsid, sizeof kClsid) != 0)
        return Lecture::Incorrect;
    const std::uint32_t drapeaux = *l.U32(20);
    iconNumber_ = static_cast<std::int32_t>(*l.U32(56));
    showCmd_ = static_cast<int>(*l.U32(60));
    hotKey_ = *l.U16(64);
    qsizetype pos = kTailleEntete;

    if (drapeaux & HasLinkTargetIDList) {
        const auto taille = l.U16(pos);
        if (!taille || !l.Dispo(pos + 2, *taille))
            return Lecture::Incorrect;
        pos += 2 + *taille;
    }

    QString cible;
    if (drapeaux & HasLinkInfo) {
        const auto taille = l.U32(pos);
        const auto entete = l.U32(pos + 4);
        const auto infos = l.U32(pos + 8);
        if (!taille || !entete || !infos || *taille < 0x1C || !l.Dispo(pos, *taille))
            return Lecture::Incorrect;
        const qsizetype fin = pos + *taille;
        const auto base = l.U32(pos + 16);
        const auto reseau = l.U32(pos + 20);
        const auto suffixe = l.U32(pos + 24);
        const bool unicode = *entete >= 0x24;
        const auto baseU = unicode ? l.U32(pos + 28) : std::nullopt;
        const auto suffixeU = unicode ? l.U32(pos + 32) : std::nullopt;
        const auto texte = [&](std::optional<std::uint32_t> ansi,
                               std::optional<std::uint32_t> large) -> std::optional<QString> {
            if (large && *large)
                return l.Unicode(pos + *large, fin);
            if (ansi)
                return l.Ansi(pos + *ansi, fin);
            return std::nullopt;
        };
        const auto fin_ = texte(suffixe, suffixeU);
        if (*infos & VolumeIDAndLocalBasePath) {
            const auto debut = texte(base, baseU);
            if (!debut || !fin_)
                return Lecture::Incorrect;
            cible = *debut + *fin_;
        } else if ((*infos & CommonNetworkRelativeLinkAndPathSuffix) && reseau) {
            const qsizetype r = pos + *reseau;
            const auto nom = l.U32(r + 8);
            const auto partage = nom ? l.Ansi(r + *nom, fin) : std::nullopt;
            if (!partage || !fin_)
                return Lecture::Incorrect;
            cible = fin_->isEmpty() ? *partage : *partage + '\\' + *fin_;
        }
        pos = fin;
    }

    // The string data: each a count of characters, then the characters.
    const bool unicode = drapeaux & IsUnicode;
    const auto chaine = [&](QString& dest) {
        const auto n = l.U16(pos);
        const qsizetype taille = n ? qsizetype{*n} * (unicode ? 2 : 1) : 0;
        if (!n || !l.Dispo(pos + 2, taille))
            return false;
        if (unicode) {
            dest.clear();
            for (qsizetype i = 0; i < *n; ++i)
                dest.append(QChar(*l.U16(pos + 2 + 2 * i)));
        } else {
            dest = QString::fromStdString(
                Cp1252VersUtf8(std::string_view(octets.constData() + pos + 2, taille)));
        }
        pos += 2 + taille;
        return true;
    };
    QString relatif;
    const std::pair<std::uint32_t, QString*> chaines[] = {{HasName, &description_},
                                                          {HasRelativePath, &relatif},
                                                          {HasWorkingDir, &workingDir_},
                                                          {HasArguments, &arguments_},
                                                          {HasIconLocation, &iconLocation_}};
    for (const auto& [drapeau, dest] : chaines)
        if ((drapeaux & drapeau) && !chaine(*dest))
            return Lecture::Tronque;

    if (cible.isEmpty() && !relatif.isEmpty())
        cible = QFileInfo(path_).dir().filePath(SeparateursUnix(relatif));
    target_ = SeparateursUnix(cible);
    workingDir_ = SeparateursUnix(workingDir_);
    lu_ = true;
    return Lecture::Ok;
}

void TShellLink::SetPath(const QString& chemin) {
    path_ = chemin;
    // A shortcut is a few hundred bytes; one given in a shared folder may be
    // a pipe or a device, never opened so that it could hold the program.
    constexpr std::int64_t kTailleMaxLien = 1024 * 1024;
    std::string octets, message;
    const Lecture r = LireFichierPartage(QFile::encodeName(chemin).toStdString(), Liens::Personnels,
                                         kTailleMaxLien, octets, message) == EtatOuverture::Ok
                          ? Lire(QByteArray::fromStdString(octets))
                          : Lecture::Incorrect;
    if (r == Lecture::Incorrect)
        MessageBoxTexte("Fichier lien incorrect", "Erreur !", MB_OK | MB_ICONERROR);
    else if (r == Lecture::Tronque)
        MessageBoxTexte("Erreur de lecture du fichier lien", "Erreur !", MB_OK | MB_ICONERROR);
}

QString TShellLink::Resoudre() const {
    if (target_.isEmpty() || QFileInfo::exists(target_))
        return target_;
    const QString voisin = QFileInfo(path_).dir().filePath(QFileInfo(target_).fileName());
    return QFileInfo::exists(voisin) ? voisin : target_;
}

bool ResoudreRaccourci(const QString& chemin, QString& resultat) {
    QString p = chemin;
    const QFileInfo info(chemin);
    if (info.isSymLink()) {
        // Another user's link in a shared folder is not followed: the save
        // would then go wherever it leads.
        std::string reel, message;
        if (CheminReel(QFile::encodeName(chemin).toStdString(), Liens::Personnels, reel, message) ==
            EtatOuverture::Refuse) {
            MessageBoxTexte(message, "Erreur", MB_OK | MB_ICONERROR);
            return false;
        }
        p = info.canonicalFilePath();
        if (p.isEmpty()) // a link to nothing: its target will be reported missing
            p = info.symLinkTarget();
    }
    if (!p.toUpper().endsWith(".LNK")) {
        resultat = p;
        return true;
    }
    TShellLink lien;
    lien.SetPath(p);
    if (!lien.Lu())
        return false;
    resultat = lien.Resoudre();
    return true;
}

} // namespace tramonta
