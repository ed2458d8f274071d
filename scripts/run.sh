#!/usr/bin/env bash
# Installs what is missing, builds Vellaro and starts the console.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
Vellaro ist ein Desktop-Programm und braucht eine grafische Anzeige (X11).
Vellaro is a desktop program and needs a graphical display (X11), but none is set.

Start it on your desktop, or under a virtual X server with:
    xvfb-run -a -s "-screen 0 1280x1024x24" scripts/run.sh
MSG
  exit 1
fi
exec build/release/vellaro
