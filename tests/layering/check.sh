#!/usr/bin/env bash
# The house has no arrow up: the platform layer includes only itself, core only the
# platform and itself. Everything above (the features, the console, the desktop shell)
# may include what lies below it.
#   check.sh SOURCE_DIR
set -euo pipefail
src="${1:?source folder}"
status=0
check() {
    local folder=$1 allowed=$2 hits
    hits=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$src/$folder" |
        grep -vE "#[[:space:]]*include[[:space:]]*\"($allowed)/" || true)
    if [ -n "$hits" ]; then
        echo "src/$folder includes from above it:"
        sed "s|^$src/|    |" <<<"$hits"
        status=1
    fi
}
check platform 'platform'
check core 'platform|core'
[ "$status" -ne 0 ] || echo "no include runs back up"
exit "$status"
