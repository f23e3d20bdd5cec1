#!/usr/bin/env bash
# Builds the Debian packages as a maintainer would, checks them with lintian and the desktop,
# AppStream and systemd checkers, unpacks them into a scratch root, and starts the program and
# the service (the way its unit runs it) from there.
set -euo pipefail
source=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The version in debian/changelog is the one the build reports.
changelog=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
project=$(sed -n 's/^project(Varnelo VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
[ "$changelog" = "$project" ] || fail "debian/changelog says $changelog, CMakeLists.txt $project"

start=$SECONDS
# No nocheck: a maintainer builds without it, so dh_auto_test has to pass as it is.
DEB_BUILD_OPTIONS="parallel=2" "$source/scripts/package" --no-setup "$work/out" >/dev/null
echo "packages built in $((SECONDS - start)) s"
out=$work/out
changes=$(ls "$out"/*.changes)

# --pedantic shows every tag; only errors and warnings fail.
lintian --pedantic --display-info --fail-on error,warning --tag-display-limit 0 "$changes" \
    >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian"; }
if grep -qE '^[EW]: ' "$work/lintian.log"; then
    cat "$work/lintian.log"
    fail "lintian has errors or warnings"
fi
echo "lintian: no errors, no warnings; other tags:"
grep -E '^[A-Z]: ' "$work/lintian.log" || echo "(none)"

deb() { ls "$out/$1"_*.deb; }
contents() { dpkg-deb -c "$(deb "$1")" | awk '{print $6}'; }
for p in varnelo libsegmora1 libsegmora-dev varnelo-websb; do
    [ -n "$(deb "$p")" ] || fail "no $p package"
done
ls "$out"/varnelo-dbgsym_*.deb "$out"/libsegmora1-dbgsym_*.deb "$out"/varnelo-websb-dbgsym_*.deb \
    >/dev/null || fail "a -dbgsym package is missing"

# Each file in the package that is meant to hold it, and nowhere else.
multiarch=$(dpkg-architecture -q DEB_HOST_MULTIARCH)
expect() {
    local package=$1 pattern=$2 owners
    owners=$(for p in varnelo libsegmora1 libsegmora-dev varnelo-websb; do
        if contents "$p" | grep -E "^\./$pattern\$" >/dev/null; then printf '%s ' "$p"; fi
    done)
    [ "$owners" = "$package " ] || fail "$pattern is in [${owners% }], expected in $package"
}
expect varnelo usr/bin/varnelo
expect varnelo usr/share/varnelo/buzzer.wav
expect varnelo usr/share/applications/org.varnelo.Varnelo.desktop
expect varnelo usr/share/metainfo/org.varnelo.Varnelo.metainfo.xml
expect varnelo usr/share/icons/hicolor/256x256/apps/varnelo.png
expect varnelo usr/share/man/man1/varnelo.1.gz
expect libsegmora1 "usr/lib/$multiarch/libsegmora.so.1"
expect libsegmora-dev "usr/lib/$multiarch/libsegmora.so"
expect libsegmora-dev usr/include/segmora/segmora.h
expect libsegmora-dev usr/include/segmora/segmora_export.h
expect libsegmora-dev "usr/lib/$multiarch/cmake/Segmora/SegmoraConfig.cmake"
expect varnelo-websb usr/bin/varnelo-websb
expect varnelo-websb usr/share/man/man1/varnelo-websb.1.gz
expect varnelo-websb lib/systemd/system/varnelo-websb.service
expect varnelo-websb etc/varnelo-websb/websb.conf
depends=$(dpkg-deb -f "$(deb varnelo)" Depends)
for dependency in libqt6widgets6 'libsegmora1 (>= '; do
    [[ $depends == *"$dependency"* ]] || fail "varnelo does not depend on $dependency: $depends"
done
[ "$(dpkg-deb -I "$(deb varnelo-websb)" conffiles)" = /etc/varnelo-websb/websb.conf ] \
    || fail "the service's config is not its only conffile"

root=$work/root
for f in "$out"/*.deb; do dpkg-deb -x "$f" "$root"; done
desktop-file-validate "$root/usr/share/applications/org.varnelo.Varnelo.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.varnelo.Varnelo.metainfo.xml" \
    >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; fail "appstreamcli"; }
unit=$root/lib/systemd/system/varnelo-websb.service
# 4.9 is the highest exposure systemd still rates "OK".
systemd-analyze security --offline=yes --threshold=49 "$unit" >"$work/security.log" 2>&1 \
    || { tail -n 20 "$work/security.log"; fail "the unit is rated above OK"; }
tail -n 1 "$work/security.log"

mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
libs=$root/usr/lib/$multiarch
linked=$(LD_LIBRARY_PATH=$libs ldd "$root/usr/bin/varnelo")
[[ $linked == *"$libs/libsegmora.so.1"* ]] || fail "varnelo does not load the packaged libsegmora"
(cd / && exec env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
    LD_LIBRARY_PATH="$libs" QT_QPA_PLATFORM=offscreen "$root/usr/bin/varnelo" \
    >"$work/varnelo.log" 2>&1) &
pids+=($!)
sleep 3
kill -0 "${pids[0]}" 2>/dev/null || { cat "$work/varnelo.log"; fail "the program did not keep running"; }
echo "varnelo runs from the scratch root"

"$source/tests/package/run_unit.sh" "$root" "$work"

# The service's maintainer scripts, on the scratch root: removing keeps the pages' state, purging
# removes it. systemd's helpers are stand-ins here, so that the host's systemd state stays as it is.
dpkg-deb -e "$(deb varnelo-websb)" "$work/control"
mkdir "$work/stubs"
for tool in deb-systemd-helper deb-systemd-invoke systemctl; do
    printf '#!/bin/sh\nexit 0\n' >"$work/stubs/$tool"
    chmod +x "$work/stubs/$tool"
done
maintscript() { DPKG_ROOT=$root PATH="$work/stubs:$PATH" sh "$work/control/$1" "$2"; }
statefile=$root/var/lib/private/varnelo-websb/main.json
[ -f "$statefile" ] || fail "the service left no state to remove"
maintscript postrm remove
[ -f "$statefile" ] || fail "removing the package removed the pages' state"
maintscript postrm purge
[ ! -e "$statefile" ] && [ ! -L "$root/var/lib/varnelo-websb" ] \
    || fail "purging the package left the pages' state"
echo "removing keeps the service's state, purging removes it"
