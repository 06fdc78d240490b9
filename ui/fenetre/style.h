// SPDX-License-Identifier: GPL-3.0-or-later
// The program's style: the platform's own, except for the standard icons
// that the program shows (the clear button of the search fields, the
// document of the mail merge), taken from its resources. Looked up in the
// desktop's icon theme, they cost thousands of failed file searches at each
// start when the theme lacks them, and look different from one desktop to
// the next.
#pragma once

class QApplication;

namespace tramonta {

void InstallerStyle(QApplication& application);

} // namespace tramonta
