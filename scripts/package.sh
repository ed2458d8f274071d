#!/usr/bin/env bash
# Builds the release preset and the Debian package of the desktop program; prints
# the package's path. The package lands in build/package.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh release >&2
out="$PWD/build/package"
rm -rf "$out"
(cd build/release && cpack -G DEB -B "$out" >&2)
ls "$out"/*.deb
