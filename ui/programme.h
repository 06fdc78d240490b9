// SPDX-License-Identifier: GPL-3.0-or-later
// The run of the program, from the preferences read before the first window
// to those written after the last.
#pragma once

#include <QStringList>

namespace tramonta {

class TApplication;

// Registers the ".trm" documents with the desktop when they are not yet,
// shows the main window (opening a document named as the only argument) and
// runs the event loop; gives the exit code.
int ExecuterTramonta(TApplication& application, const QStringList& arguments);

} // namespace tramonta
