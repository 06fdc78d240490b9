#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on the xcb platform under a private Xvfb server.
# Exits 77 (skipped) when no X server can be started here.
set -u
if ! command -v xvfb-run >/dev/null || ! command -v xprop >/dev/null; then
  echo "xvfb-run ou xprop introuvable : test sauté"
  exit 77
fi
if ! xvfb-run -a true >/dev/null 2>&1; then
  echo "Xvfb ne démarre pas : test sauté"
  exit 77
fi
export QT_QPA_PLATFORM=xcb TRAMONTA_EXIGER_X11=1
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
