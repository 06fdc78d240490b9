// SPDX-License-Identifier: GPL-3.0-or-later
// The run of the program, from the preferences read before the first window
// to those written after the last.
#pragma once

#include <QStringList>

#include <optional>

namespace tramonta {

class TApplication;

// Registers the ".trm" documents with the desktop when they are not yet,
// shows the main window (opening a document named as the only argument) and
// runs the event loop; gives the exit code.
int ExecuterTramonta(TApplication& application, const QStringList& arguments);

// The options that a terminal asks of the program, answered before any window
// or display is needed: "--help" (or "-h") prints the usage and "--version"
// the version on standard output, and the exit code is given. Nothing for
// any other command line, which is the window's (Qt's own options included).
std::optional<int> RepondreSansFenetre(int argc, char** argv);

} // namespace tramonta
