#!/usr/bin/env bash
# Installs the build into a scratch prefix and builds a program outside the tree against the
# installed library with find_package(Segmora), then runs it.
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 \
    || { cat "$work/install.log"; exit 1; }
cmake -S "$source" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" \
    >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/build" >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }
# The program must take the installed library, not the build tree's.
ldd "$work/build/consumer" | grep segmora | grep -q "$work/prefix" \
    || { ldd "$work/build/consumer"; echo "FAIL: not linked to the installed library"; exit 1; }
"$work/build/consumer"
