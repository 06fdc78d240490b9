#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the real windows, drawn offscreen, for the README:
# docs/images/*.png (every page of the main window and the dialogs), on the
# demonstration season when it is there. QT_SCALE_FACTOR=2 gives them at 200 %.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$racine/scripts/preparer.sh"
document=()
[ -f "$construction/exemples/saison-demo.trm" ] && document=("$construction/exemples/saison-demo.trm")
[ -f "$racine/exemples/saison-demo.trm" ] && document=("$racine/exemples/saison-demo.trm")
"$construction/app/tramonta-capture" "$racine/docs/images" "${document[@]}"
