#!/bin/bash
# Installs the build into a scratch prefix and checks that the program, its menu
# entry, its AppStream description and its icons land where desktops look, and
# that the two description files pass their validators.
#   install.sh BUILD_DIR
set -u
build=${1:?usage: install.sh BUILD_DIR}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix=$(mktemp -d)
# cmake --install notes what it installed in the build folder: put it back as it was.
manifest="$build/install_manifest.txt"
saved=
[ -e "$manifest" ] && saved=$(mktemp) && cp -p "$manifest" "$saved"
cleanup() {
    if [ -n "$saved" ]; then
        mv -f "$saved" "$manifest"
    else
        rm -f "$manifest"
    fi
    rm -rf "$prefix"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1 || { cat "$prefix.log" >&2; rm -f "$prefix.log"; fail "cmake --install failed"; }
rm -f "$prefix.log"

id=de.vellaro.Vellaro
[ -x "$prefix/bin/vellaro" ] || fail "no program at bin/vellaro"
# The network module, where the installed program looks for it.
compgen -G "$prefix/lib*/vellaro/vellaro_http.so" >/dev/null || fail "no network module under lib/vellaro"
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
[ -f "$desktop" ] || fail "no menu entry at share/applications/$id.desktop"
[ -f "$metainfo" ] || fail "no AppStream file at share/metainfo/$id.metainfo.xml"
[ -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
for size in 16 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$png" ] || fail "no ${size}x${size} icon"
    # The PNG header says the width and height (bytes 16 to 23, big-endian).
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $dims"
done

grep -qx "Exec=vellaro" "$desktop" || fail "the menu entry does not start vellaro"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry names another icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the AppStream file does not name the menu entry"
grep -q "<binary>vellaro</binary>" "$metainfo" || fail "the AppStream file does not name the program"

command -v desktop-file-validate >/dev/null || fail "desktop-file-validate is missing (scripts/install-deps.sh installs it)"
command -v appstreamcli >/dev/null || fail "appstreamcli is missing (scripts/install-deps.sh installs it)"
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the menu entry"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refuses the AppStream file"
echo "PASS"
