// SPDX-License-Identifier: GPL-3.0-or-later
// The program's QApplication: French, Tahoma, "." as the decimal separator,
// and the last resort for a failure that a command did not handle.
#pragma once

#include <QApplication>

#include <string>

namespace tramonta {

class TApplication : public QApplication {
    Q_OBJECT
  public:
    TApplication(int& argc, char** argv);
    // A failure that escapes an event handler ends that command only: its
    // text followed by "." goes to an error box captioned with the program's
    // title, and the program goes on with the next event.
    bool notify(QObject* destinataire, QEvent* evenement) override;
};

// The box of a failure that a command does not handle: `texte` followed by
// "." under the program's title, with the error icon. For the commands that
// stop on a bad typed value and keep their form open.
void SignalerEchec(const std::string& texte);

// Loads Qt's own French texts (standard buttons, file dialogs); false when
// the translations are not installed.
bool ChargerTraductionsQt(QCoreApplication& application);

// Registers the Tahoma faces shipped by Debian's fonts-wine (outside the
// folders that fontconfig searches) and makes Tahoma the program's font;
// false when they are missing, the platform's font then stays.
bool ChargerPoliceTahoma(QApplication& application);
// Only registers those faces, for a program without widgets (the PDF export).
bool EnregistrerPoliceTahoma();

} // namespace tramonta
