// SPDX-License-Identifier: GPL-3.0-or-later
// Ties the ".trm" documents to the program on the desktop, the freedesktop
// way and for the current user only: a shared-mime-info type for "*.trm" (any
// case), a desktop entry whose command takes the file, the icons, and the
// program made the default for its type when the user has none. Done at
// start-up only when no desktop entry of this program opens ".trm" yet, so a
// second start, or a machine where the package is installed, writes nothing.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace tramonta {

class TMILAssociate {
  public:
    QString KeyName = "Tramonta";           // the desktop entry's name
    QString PathToApp;                      // the executable
    QString IconPath;                       // SVG of the program's icon
    QString IconeDocument;                  // SVG of the documents' icon
    QString TypeName = "Fichiers Tramonta"; // the type's description
    QString TypeMime = "application/x-tramonta";

    // Starts a helper program (update-mime-database...); tests record instead.
    std::function<void(const QString& programme, const QStringList& arguments)> Lancer;

    TMILAssociate();

    // The extensions (".trm") that a desktop entry running this program's
    // file name already opens, through the types that the MIME database
    // gives them, in every data folder of the user and of the system.
    QStringList AssociatedExtensions() const;
    // Writes the MIME type and the icons.
    void RegisterType();
    // Writes the desktop entry, makes it the default for the type when the
    // user has chosen none, and refreshes the desktop's caches.
    void Associate(const QString& extension);

    // Whether a desktop entry of this program opens the extension (any
    // case): the same answer as a search of AssociatedExtensions, but the
    // program's own entry and type are read first, and usually suffice.
    bool DejaAssociee(const QString& extension) const;
    // The start-up check: true when something was written.
    bool Verifier(const QString& extension = ".TRM");

    // "Exec" line of the desktop entry: the quoted executable and the file.
    QString Commande() const;
    QString NomEntree() const { return KeyName.toLower() + ".desktop"; }
};

} // namespace tramonta
