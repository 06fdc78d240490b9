#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# spdx.sh [--verifier]: puts the licence line at the top of every source file
# of the project (C++, CMake, shell, Python), after a shebang line when there
# is one. Files that already carry it are left as they are, so that the
# script can run again after new files arrive. With --verifier nothing is
# written: the files without the line are listed and the script fails.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
identifiant="SPDX-License-Identifier: GPL-3.0-or-later"
verifier=0
[ "${1:-}" = "--verifier" ] && verifier=1

# The commands at the root are shell scripts without an extension.
sources() {
  find "$racine" \( -path "$racine/build*" -o -path "$racine/.git" -o -path "$racine/.cache" \
    -o -path "$racine/.ci" -o -path "$racine/fuzz/graines" \) -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.h.in' -o -name '*.py' -o -name '*.sh' \
    -o -name '*.cmake' -o -name CMakeLists.txt -o -path "$racine/run" -o -path "$racine/test" \) \
    -print | LC_ALL=C sort
}

manquants=0
while IFS= read -r f; do
  # The line belongs in the file's first lines, not anywhere further down.
  head -n 3 "$f" | grep -q "SPDX-License-Identifier:" && continue
  if ((verifier)); then
    echo "Sans ligne de licence : ${f#"$racine"/}"
    manquants=$((manquants + 1))
    continue
  fi
  case "$f" in
    *.cpp | *.h | *.h.in) ligne="// $identifiant" ;;
    *) ligne="# $identifiant" ;;
  esac
  tmp="$(mktemp)"
  if head -n 1 "$f" | grep -q '^#!'; then
    { head -n 1 "$f"; echo "$ligne"; tail -n +2 "$f"; } >"$tmp"
  else
    { echo "$ligne"; cat "$f"; } >"$tmp"
  fi
  # Keep the file's mode (the scripts stay executable).
  cat "$tmp" >"$f"
  rm -f "$tmp"
done < <(sources)
((manquants == 0))
