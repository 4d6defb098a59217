#!/bin/sh
# Installs what is missing, builds from scratch and runs every test. Exits non-zero on failure.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
build="$top/build-test"
rm -rf "$build"
"$top/scripts/build.sh" "$build"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300
