// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/reglages.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace tramonta {

namespace {
// One store for the whole run: the file is read the first time a value is
// asked, and not checked again for each of the dozens of values read at
// start-up, as a new QSettings does. A write goes to the file at once, as
// before. Every QSettings of the process over the same file shares its
// content, so a value written through another one is seen too.
QSettings& Ouvrir() {
    static QSettings reglages(QSettings::IniFormat, QSettings::UserScope, "Ventaro", "Tramonta");
    return reglages;
}

QString Cle(const QString& section, const QString& nom) {
    return section + '/' + nom;
}

enum EtatFenetre { Normale = 0, Reduite = 1, Agrandie = 2 };
} // namespace

QString FichierReglages() {
    return Ouvrir().fileName();
}

void WriteRegString(const QString& section, const QString& nom, const QString& valeur) {
    QSettings& s = Ouvrir();
    s.setValue(Cle(section, nom), valeur);
    s.sync();
}

void WriteRegInteger(const QString& section, const QString& nom, int valeur) {
    WriteRegString(section, nom, QString::number(valeur));
}

void WriteRegBool(const QString& section, const QString& nom, bool valeur) {
    WriteRegString(section, nom, valeur ? QStringLiteral("1") : QStringLiteral("0"));
}

QString ReadRegString(const QString& section, const QString& nom, const QString& defaut) {
    const QSettings& s = Ouvrir();
    const QVariant v = s.value(Cle(section, nom));
    return v.isValid() ? v.toString() : defaut;
}

int ReadRegInteger(const QString& section, const QString& nom, int defaut) {
    bool ok = false;
    const int v = ReadRegString(section, nom, QString()).trimmed().toInt(&ok);
    return ok ? v : defaut;
}

bool ReadRegBool(const QString& section, const QString& nom, bool defaut) {
    return ReadRegInteger(section, nom, defaut ? 1 : 0) != 0;
}

void SaveWindowPosition(const QWidget& fenetre, const QString& section) {
    const QRect r = fenetre.normalGeometry().isValid() ? fenetre.normalGeometry() : fenetre.geometry();
    WriteRegInteger(section, "Left", r.left());
    WriteRegInteger(section, "Top", r.top());
    WriteRegInteger(section, "Width", r.width());
    WriteRegInteger(section, "Height", r.height());
    const int etat = fenetre.isMaximized() ? Agrandie : fenetre.isMinimized() ? Reduite : Normale;
    WriteRegInteger(section, "WindowState", etat);
}

void RestoreWindowPosition(QWidget& fenetre, const QString& section) {
    const QRect actuel = fenetre.geometry();
    QRect r(ReadRegInteger(section, "Left", actuel.left()), ReadRegInteger(section, "Top", actuel.top()),
            ReadRegInteger(section, "Width", actuel.width()),
            ReadRegInteger(section, "Height", actuel.height()));
    // A screen unplugged since the last run would leave the window out of
    // sight: keep then the size and let the window system place it.
    bool visible = false;
    for (const QScreen* ecran : QGuiApplication::screens())
        visible = visible || ecran->availableGeometry().intersects(r);
    if (r.width() > 0 && r.height() > 0) {
        if (visible)
            fenetre.setGeometry(r);
        else
            fenetre.resize(r.size());
    }
    const int actuelEtat = fenetre.isMaximized() ? Agrandie : Normale;
    // A program that starts minimised looks as if it had not started: a window
    // closed while minimised comes back in its normal state.
    if (ReadRegInteger(section, "WindowState", actuelEtat) == Agrandie)
        fenetre.setWindowState(fenetre.windowState() | Qt::WindowMaximized);
    else
        fenetre.setWindowState(fenetre.windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
}

} // namespace tramonta
