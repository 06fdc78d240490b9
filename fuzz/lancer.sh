#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# lancer.sh CIBLE [SECONDES]: runs one fuzz target for a bounded time (60 s
# unless told). CIBLE is a target's name (fuzz_tableur), built first in
# build-fuzz (TRAMONTA_FUZZ_BUILD) with clang, or the path of a built one.
# The corpus grows in the build folder (corpus/CIBLE), seeded from
# fuzz/graines/CIBLE, so that nothing the fuzzer finds lands in the sources;
# the words of the format come from fuzz/CIBLE.dict. Fails, showing the end of
# the log, when the fuzzer finds a fault; its input is kept beside the log.
set -euo pipefail
cible="$1"
secondes="${2:-60}"
ici="$(cd "$(dirname "$0")" && pwd)"
racine="$(dirname "$ici")"

if [[ "$cible" == */* ]]; then
  fuzzer="$cible"
  nom="$(basename "$cible")"
else
  nom="$cible"
  fz="${TRAMONTA_FUZZ_BUILD:-$racine/build-fuzz}"
  if [ ! -f "$fz/CMakeCache.txt" ]; then
    lanceur=()
    command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    CXX=clang++ cmake -S "$racine" -B "$fz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRAMONTA_FUZZ=ON \
      -DTRAMONTA_UI=OFF -DTRAMONTA_TESTS=OFF -DTRAMONTA_BENCH=OFF "${lanceur[@]}" >/dev/null
  fi
  cmake --build "$fz" -j"$(nproc)" --target "$nom" >/dev/null
  fuzzer="$fz/fuzz/$nom"
fi
[ -d "$ici/graines/$nom" ] || { echo "Pas de graines pour $nom dans $ici/graines"; exit 2; }

dossier="$(dirname "$fuzzer")"
corpus="$dossier/corpus/$nom"
journal="$dossier/$nom.log"
mkdir -p "$corpus"
cp -n "$ici/graines/$nom"/* "$corpus"/ 2>/dev/null || true
options=(-max_total_time="$secondes" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1
  -artifact_prefix="$dossier/$nom-")
# A lock is read only up to a few kilobytes; the demonstration season's JSON
# is some 85 KB, kept whole.
case "$nom" in
  fuzz_verrou) options+=(-max_len=4096) ;;
  fuzz_json) options+=(-max_len=131072) ;;
  *) options+=(-max_len=16384) ;;
esac
[ -f "$ici/$nom.dict" ] && options+=(-dict="$ici/$nom.dict")

statut=0
"$fuzzer" "${options[@]}" "$corpus" >"$journal" 2>&1 || statut=$?
if [ "$statut" -ne 0 ]; then
  tail -n 60 "$journal"
  echo "Le fuzzing de $nom a trouvé une faute (code $statut) ; voir $dossier/$nom-crash-* et $journal"
  exit "$statut"
fi
echo "-- $nom ($secondes s)"
grep -E '^(Done|stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb))' "$journal"
