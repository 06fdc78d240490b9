#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# verifier_paquet.sh: makes the Debian package of Tramonta from the normal
# build (whose optimised objects carry Debian's hardening flags, see
# TRAMONTA_DURCI in CMakeLists.txt; cpack strips the programs), then checks
# it as Debian's tools and the desktops do: lintian with no error nor
# warning, the AppStream metadata, the desktop entry, the manual pages
# rendered without a warning, the changelog's version, and the programs
# started from the unpacked package. Called by ./test after the build;
# alone, it configures and builds first. Fails at the first fault.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
construction="${TRAMONTA_BUILD:-$racine/build}"

if [ ! -f "$construction/CMakeCache.txt" ]; then
  source "$racine/scripts/preparer.sh"
fi
# The package ships what Debian builds ship: optimised, hardened programs.
reglage() { sed -n "s/^$1:[A-Z]*=//p" "$construction/CMakeCache.txt"; }
case "$(reglage CMAKE_BUILD_TYPE)" in
  Release | RelWithDebInfo) ;;
  *)
    echo "ÉCHEC : $construction n'est pas une construction optimisée"
    exit 1
    ;;
esac
for option in TRAMONTA_SANITIZE TRAMONTA_FUZZ; do
  [ "$(reglage $option)" != ON ] || {
    echo "ÉCHEC : $construction est construit avec $option"
    exit 1
  }
done
[ "$(reglage TRAMONTA_DURCI)" = ON ] || {
  echo "ÉCHEC : $construction est construit sans les options de durcissement (TRAMONTA_DURCI)"
  exit 1
}
cmake --build "$construction" -j"$(nproc)" --target tramonta tramonta-cli tramonta_doc_paquet
rm -f "$construction"/tramonta_*.deb
(cd "$construction" && cpack -G DEB >/dev/null)
deb="$(ls "$construction"/tramonta_*.deb)"
echo "Paquet : ${deb#"$racine"/}"

echec=0
faute() {
  echo "ÉCHEC : $*"
  echec=1
}

# Every finding is shown; an error or a warning fails the check (the
# overrides, each with its reason, are in the package).
echo "-- lintian"
if ! sortie="$(lintian --tag-display-limit 0 --fail-on error,warning --display-info "$deb" 2>&1)"; then
  faute "lintian refuse le paquet"
fi
[ -n "$sortie" ] && echo "$sortie"
grep -q '^[EW]: ' <<<"$sortie" && faute "lintian signale des erreurs ou des avertissements"

racine_paquet="$(mktemp -d)"
trap 'rm -rf "$racine_paquet"' EXIT
dpkg-deb -x "$deb" "$racine_paquet"

echo "-- appstreamcli validate"
for f in "$racine_paquet"/usr/share/metainfo/*.metainfo.xml; do
  appstreamcli validate --no-net --pedantic "$f" || faute "métadonnées AppStream ${f##*/}"
done

echo "-- desktop-file-validate"
for f in "$racine_paquet"/usr/share/applications/*.desktop; do
  desktop-file-validate "$f" || faute "entrée de bureau ${f##*/}"
done

echo "-- pages de manuel"
for page in "$racine_paquet"/usr/share/man/man1/*.1.gz "$racine_paquet"/usr/share/man/fr/man1/*.1.gz; do
  alertes="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
  [ -z "$alertes" ] || faute "${page#"$racine_paquet"} : $alertes"
done
for programme in tramonta tramonta-cli; do
  for page in man1 fr/man1; do
    [ -f "$racine_paquet/usr/share/man/$page/$programme.1.gz" ] || faute "pas de page $page/$programme.1.gz"
  done
done

echo "-- journal des versions"
version="$(dpkg-deb -f "$deb" Version)"
journal="$(zcat "$racine_paquet/usr/share/doc/tramonta/changelog.gz" | dpkg-parsechangelog -l- -S Version)"
[ "$version" = "$journal" ] || faute "le paquet est en version $version, son journal en $journal"

# Started from the unpacked package; --help must need neither a display nor
# anything outside the package beyond its dependencies.
echo "-- programmes du paquet"
for programme in tramonta-cli tramonta; do
  if ! aide="$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$racine_paquet/usr/bin/$programme" --help)"; then
    faute "$programme --help ne rend pas 0"
  elif ! grep -q "^Usage :" <<<"$aide"; then
    faute "$programme --help n'écrit pas l'usage"
  fi
done

((echec == 0)) || exit 1
echo "Paquet accepté."
