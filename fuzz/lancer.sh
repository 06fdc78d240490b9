#!/usr/bin/env bash
# lancer.sh FUZZER SECONDES: runs the document-load fuzzer for a bounded time
# from the seed files of fuzz/graines.
set -euo pipefail
fuzzer="$1"
secondes="${2:-60}"
ici="$(cd "$(dirname "$0")" && pwd)"
corpus="$(dirname "$fuzzer")/corpus"
mkdir -p "$corpus"
cp -n "$ici"/graines/* "$corpus"/ 2>/dev/null || true
"$fuzzer" -max_total_time="$secondes" -max_len=16384 -rss_limit_mb=2048 -timeout=10 \
  -print_final_stats=1 "$corpus" 2>&1 | grep -vE '^#[0-9]+.*(NEW|REDUCE|pulse)' | tail -n 25
