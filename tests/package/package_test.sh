#!/usr/bin/env bash
# The package installs into a scratch root, holds what a desktop needs, and its program starts
# from there with no build tree around it.
set -euo pipefail
build=$1
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"
root=$work/root

fail() { echo "FAIL: $*" >&2; exit 1; }
for file in usr/bin/varnelo usr/share/varnelo/buzzer.wav \
    usr/share/applications/org.varnelo.Varnelo.desktop \
    usr/share/metainfo/org.varnelo.Varnelo.metainfo.xml \
    usr/share/icons/hicolor/16x16/apps/varnelo.png \
    usr/share/icons/hicolor/256x256/apps/varnelo.png \
    usr/share/doc/varnelo/README.md; do
    [ -e "$root/$file" ] || fail "the package has no $file"
done
library=$(find "$root/usr/lib" -name 'libsegmora.so.1' | head -1)
[ -n "$library" ] || fail "the package has no libsegmora.so.1"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "Depends does not name Qt"

# The installed program finds its library in the scratch root, not in the build tree.
ldd "$root/usr/bin/varnelo" | grep segmora | grep -q "$root" \
    || fail "varnelo does not load libsegmora from the package: $(ldd "$root/usr/bin/varnelo" | grep segmora)"

mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
(cd / && env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$root/usr/bin/varnelo" \
    >"$work/run.log" 2>&1) &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || { cat "$work/run.log"; fail "the installed program did not keep running"; }
echo "package $(basename "$deb") installs and starts"
