#!/bin/sh
# Builds the Debian package: a Release build in ./build-package (or the folder given), with the
# distribution's build flags (hardening included) and the man pages, then CPack. Prints the path
# of the .deb on standard output; what the build says goes to standard error.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$top/build-package"}
"$top/scripts/install-deps.sh" --package
# The flags Debian builds its packages with: -O2, the stack protector, _FORTIFY_SOURCE, a
# read-only relocation table bound at start (relro, bind-now). Asked for from the source folder,
# whose path they map away from the debugging information.
cd "$top"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    "-DCMAKE_CXX_FLAGS=$cxxflags" -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
    "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" -DBUILD_TESTING=OFF -DVK220_MAN_PAGES=ON >&2
cmake --build "$build" -j"$(nproc)" >&2
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB) >&2
ls "$build"/*.deb
