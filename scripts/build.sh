#!/bin/sh
# Configures and builds in ./build (or the folder given), all targets or the ones named after it.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$top/build"}
[ $# -gt 0 ] && shift
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ $# -gt 0 ]; then
    cmake --build "$build" -j"$(nproc)" --target "$@"
else
    cmake --build "$build" -j"$(nproc)"
fi
