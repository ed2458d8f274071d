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
# Earlier versions kept the data files in the build folder; the console now keeps
# them in the user's data folder and never in a build folder.
if [ -f build/release/squawk.txt ] && [ -z "${VELLARO_DATA:-}" ] &&
    [ ! -e "${XDG_DATA_HOME:-$HOME/.local/share}/Vellaro/squawk.txt" ]; then
    cat >&2 <<'MSG'
Note: build/release holds data files of an earlier start; the console no longer
uses them. To keep them, quit and move them:
    mkdir -p ~/.local/share/Vellaro
    find build/release -maxdepth 1 \( -name '*.txt' -o -name '*.bmp' \) ! -name CMakeCache.txt \
        -exec mv -t ~/.local/share/Vellaro/ {} +
MSG
fi
exec build/release/vellaro "$@"
