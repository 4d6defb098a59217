#!/bin/sh
# Installs what is missing, builds from scratch and runs every test. Exits non-zero on failure.
# --sanitize builds and tests in build-asan with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer, where the first finding fails the test that made it.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-test"
case "${1:-}" in
"") ;;
--sanitize)
    build="$top/build-asan"
    sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    # A fresh build folder takes its compiler and first flags from these: g++, as the plain build.
    export CXX=g++
    export CXXFLAGS="${CXXFLAGS:-} $sanitizers"
    export LDFLAGS="${LDFLAGS:-} $sanitizers"
    # Undefined behaviour is reported with where it happened, as the address faults are.
    export UBSAN_OPTIONS=print_stacktrace=1
    ;;
*)
    echo "usage: $0 [--sanitize]" >&2
    exit 2
    ;;
esac
"$top/scripts/install-deps.sh"
rm -rf "$build"
"$top/scripts/build.sh" "$build"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300
