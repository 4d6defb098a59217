#!/bin/sh
# Builds the Debian package: a Release build in ./build-package (or the folder given), then CPack.
# Prints the path of the .deb on standard output; what the build says goes to standard error.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$top/build-package"}
"$top/scripts/install-deps.sh" --package
# -O2, as Debian builds its packages (and g++ 12 at -O3 warns falsely inside std::string).
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" -DBUILD_TESTING=OFF -DVK220_FUZZ=OFF >&2
cmake --build "$build" -j"$(nproc)" >&2
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB) >&2
ls "$build"/*.deb
