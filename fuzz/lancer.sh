#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# lancer.sh FUZZER SECONDES: runs the document-load fuzzer for a bounded time
# from the seed files of fuzz/graines; fails when the fuzzer finds a fault.
set -euo pipefail
fuzzer="$1"
secondes="${2:-60}"
ici="$(cd "$(dirname "$0")" && pwd)"
dossier="$(dirname "$fuzzer")"
corpus="$dossier/corpus"
journal="$dossier/fuzz.log"
mkdir -p "$corpus"
cp -n "$ici"/graines/* "$corpus"/ 2>/dev/null || true
statut=0
"$fuzzer" -max_total_time="$secondes" -max_len=16384 -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="$dossier/" -print_final_stats=1 "$corpus" >"$journal" 2>&1 || statut=$?
if [ "$statut" -ne 0 ]; then
  tail -n 60 "$journal"
  echo "Le fuzzing a trouvé une faute (code $statut) ; voir $dossier/crash-*"
  exit "$statut"
fi
grep -E '^(Done|stat::(number_of_executed_units|new_units_added|peak_rss_mb))' "$journal"
