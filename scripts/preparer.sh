#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing to build and test Tramonta on Debian 12, then
# configures and builds the program. Sourced by ./run and ./test.
set -euo pipefail

racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
construction="${TRAMONTA_BUILD:-$racine/build}"

# The print test starts a print server of its own (cupsd, lpadmin,
# cupsreject), never the machine's.
paquets=(
  build-essential cmake ninja-build pkg-config git ccache lld
  clang libclang-rt-14-dev clang-format
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n
  qt6-image-formats-plugins libgl1-mesa-dev libxkbcommon-dev
  libreoffice-writer-nogui libreoffice-calc-nogui python3-uno poppler-utils unzip
  fonts-wine fonts-dejavu-core xvfb xauth x11-utils desktop-file-utils
  libcups2-dev cups cups-client printer-driver-cups-pdf
  dpkg-dev lintian appstream man-db groff-base
)

manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if ((${#manquants[@]})); then
  echo "Installation des paquets manquants : ${manquants[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi

# A second build of the same sources (a fresh clone in another folder, a
# build folder made again) compiles again only what changed. The
# precompiled headers (cmake/entetes_precompilees.cmake) need the
# sloppiness: ccache would otherwise refuse a header newer than the compile
# and the macros that a precompiled header may depend on.
export CCACHE_BASEDIR="$racine" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
lanceur=()
command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$racine" -B "$construction" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${lanceur[@]}" >/dev/null
cmake --build "$construction" -j"$(nproc)"
