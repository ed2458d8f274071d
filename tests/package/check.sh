#!/bin/bash
# Checks a built Debian package of the desktop program: its control fields and
# files, lintian (any error fails), then unpacks it into a scratch root with dpkg -x and starts the unpacked
# program under Xvfb on a temporary data folder. It must show its window, load its
# network module from the package, and end on SIGTERM with squawk.txt saved.
#   check.sh PACKAGE.deb
set -u
deb=$(realpath "${1:?usage: check.sh PACKAGE.deb}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/common.bash"
need_tools Xvfb xdpyinfo xdotool dpkg-deb lintian

echo "package: $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Package names only, versions dropped (names like libstdc++6 are no regex).
names=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libx11-6 libxtst6 \
    libstdc++6 libc6 fonts-liberation2; do
    grep -Fqx "$lib" <<<"$names" || fail "Depends does not name $lib"
done
[ "$(dpkg-deb -f "$deb" Package)" = vellaro ] || fail "the package is not called vellaro"
# The project has no web site of its own.
[ -z "$(dpkg-deb -f "$deb" Homepage)" ] || fail "the package names a homepage: $(dpkg-deb -f "$deb" Homepage)"
# Nothing to do at installation: the module's folder is private, no ldconfig.
scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'inst$|rm$|triggers$')
[ -z "$scripts" ] || fail "the package has maintainer scripts: $scripts"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
id=de.vellaro.Vellaro
for f in ./usr/bin/vellaro ./usr/lib/vellaro/vellaro_http.so \
    ./usr/share/doc/vellaro/copyright ./usr/share/doc/vellaro/changelog.gz \
    ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/$id.svg \
    ./usr/share/icons/hicolor/48x48/apps/$id.png; do
    grep -qx "$f" <<<"$contents" || fail "the package lacks $f"
done
# Nothing of the build or the tests goes along.
grep -Eq 'scenario|test|fuzz|bench|chartgen' <<<"$contents" &&
    fail "the package carries build or test files: $(grep -E 'scenario|test|fuzz|bench|chartgen' <<<"$contents")"

echo "lintian: checking $(basename "$deb")"
lintian --fail-on error "$deb" || fail "lintian finds errors in the package"

root="$work/root"
mkdir "$root"
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
program="$root/usr/bin/vellaro"
[ -x "$program" ] || fail "no program after unpacking"

start_xvfb
printf '4651\r\n4712\r\nEDDT\r\n 5\r\n' >"$data/squawk.txt"
"$program" --data "$data" >"$work/out.log" 2>"$work/err.log" &
pid=$!
started_pids+=("$pid")
window_of "$pid" '^Vellaro - Berlin' >/dev/null || {
    cat "$work/err.log" >&2
    fail "the unpacked program showed no window"
}
# The start-up's METAR retrieval is the first download: the module must come from
# the package, not from a build folder.
module=
for _ in $(seq 1 100); do
    module=$(grep -o '/[^ ]*vellaro_http.so' "/proc/$pid/maps" 2>/dev/null | head -1)
    [ -n "$module" ] && break
    sleep 0.1
done
[ "$module" = "$root/usr/lib/vellaro/vellaro_http.so" ] ||
    fail "the network module was loaded from '${module:-nowhere}'"

kill -TERM "$pid"
wait_exit "$pid" || fail "the program did not end within 10 s of SIGTERM"
[ "$exit_status" -eq 0 ] || { cat "$work/err.log" >&2; fail "the program ended with status $exit_status"; }
grep -q $'^4712\r$' "$data/squawk.txt" || { od -c "$data/squawk.txt" >&2; fail "squawk.txt was not saved"; }
[ -z "$(find "$root" -newer "$deb" -type f)" ] || fail "the program wrote into its own folder"
echo "PASS"
