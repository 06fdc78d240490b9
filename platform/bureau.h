// SPDX-License-Identifier: GPL-3.0-or-later
// Hands addresses and files to the desktop (the user's default browser or
// program). Tests replace the desktop to see what would have been opened.
#pragma once

#include <QUrl>

#include <functional>

namespace tramonta {

bool OuvrirAdresse(const QUrl& adresse);

using OuvreurAdresses = std::function<bool(const QUrl&)>;
// Gives the previous one; an empty one restores the desktop.
OuvreurAdresses DefinirOuvreurAdresses(OuvreurAdresses ouvreur);

} // namespace tramonta
