#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Holds the interface's folders to their boundaries: a page folder includes
# only itself, communs/ and modeles/; communs/ and modeles/ include only each
# other; fenetre/ (the main window) may include every folder. Every source sits
# in one of the folders. Prints each include that crosses a boundary and fails.
# Usage: frontieres_interface.sh [SOURCE_ROOT]
set -euo pipefail

racine="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$racine"

dossiers=(fenetre communs modeles principal bdd compta compet fichier)
partages=(communs modeles)

# Includes allowed across the boundaries anyway, as "source target", each
# with the reason it stays; an exception that no longer happens fails.
exceptions=()

dans() {
    local cherche="$1"
    shift
    local x
    for x in "$@"; do [[ "$x" == "$cherche" ]] && return 0; done
    return 1
}

fautes=0
faute() {
    echo "$1"
    fautes=$((fautes + 1))
}

# No source left at the top of ui/ or in a folder without rules.
while IFS= read -r fichier; do
    dossier="${fichier#ui/}"
    if [[ "$dossier" != */* ]]; then
        faute "$fichier : hors des dossiers de l'interface"
        continue
    fi
    dossier="${dossier%%/*}"
    dans "$dossier" "${dossiers[@]}" || faute "$fichier : dossier « $dossier » sans règle"
done < <(find ui -name '*.cpp' -o -name '*.h' | sort)

while IFS=: read -r fichier _ ligne; do
    cible="$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$ligne")"
    source_d="${fichier#ui/}"
    source_d="${source_d%%/*}"
    cible_d="${cible#ui/}"
    if [[ "$cible_d" != */* ]]; then
        faute "$fichier → $cible : inclusion hors des dossiers"
        continue
    fi
    cible_d="${cible_d%%/*}"
    [[ "$source_d" == "$cible_d" || "$source_d" == fenetre ]] && continue
    dans "$cible_d" "${partages[@]}" && continue
    dans "$fichier $cible" "${exceptions[@]}" && continue
    faute "$fichier → $cible : $source_d/ n'inclut pas $cible_d/"
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"ui/' ui --include='*.cpp' --include='*.h' | sort)

# An exception that no longer happens is taken off the list.
for exception in "${exceptions[@]}"; do
    read -r fichier cible <<<"$exception"
    grep -qE "#[[:space:]]*include[[:space:]]*\"$cible\"" "$fichier" 2>/dev/null ||
        faute "exception sans objet : $fichier → $cible"
done

if ((fautes)); then
    echo "$fautes inclusion(s) ou fichier(s) hors des frontières de l'interface"
    exit 1
fi
