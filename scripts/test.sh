#!/usr/bin/env bash
# Installs what is missing, builds Vellaro with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh debug
cd build/debug
exec ctest --output-on-failure --timeout 300 -j 2
