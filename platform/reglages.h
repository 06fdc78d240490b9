// SPDX-License-Identifier: GPL-3.0-or-later
// Per-user settings. The sections and value names are those that the program
// has always used; they live in an INI file of the user's configuration folder
// (organisation "Ventaro", application "Tramonta"), every value written as a
// string: integers in decimal, booleans as "1" or "0".
#pragma once

#include <QString>

class QWidget;

namespace tramonta {

// A missing value, or one that does not read as the asked kind, gives the
// default. Write failures are not reported.
void WriteRegString(const QString& section, const QString& nom, const QString& valeur);
void WriteRegInteger(const QString& section, const QString& nom, int valeur);
void WriteRegBool(const QString& section, const QString& nom, bool valeur);
QString ReadRegString(const QString& section, const QString& nom, const QString& defaut);
int ReadRegInteger(const QString& section, const QString& nom, int defaut);
// True when the stored integer is not 0.
bool ReadRegBool(const QString& section, const QString& nom, bool defaut);

// The restored rectangle is written even for a maximised window, so that it
// comes back maximised over the size it had before.
void SaveWindowPosition(const QWidget& fenetre, const QString& section);
void RestoreWindowPosition(QWidget& fenetre, const QString& section);

// Path of the settings file (for the tests and the about box).
QString FichierReglages();

} // namespace tramonta
