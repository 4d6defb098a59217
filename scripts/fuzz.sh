#!/bin/sh
# Builds the fuzz targets with clang in build-fuzz and runs each for the given seconds (default
# 15), starting from its seed inputs in fuzz/corpus. Exits non-zero when a target finds a fault;
# the input that found it is kept in build-fuzz/findings.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-15}
"$top/scripts/install-deps.sh"
missing=""
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
fi
build="$top/build-fuzz"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DVK220_FUZZ=ON >/dev/null
grep -q "^VK220_FUZZ_SUPPORTED:INTERNAL=1" "$build/CMakeCache.txt" || {
    echo "fuzz.sh: clang++ in $build cannot build libFuzzer targets" >&2
    exit 1
}
cmake --build "$build" -j"$(nproc)" --target fuzzers
mkdir -p "$build/findings"
# SettingsFileFuzz writes a file for every input: in memory it runs ten times as fast.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
failed=""
for seeds in "$top"/fuzz/corpus/*/; do
    name=$(basename "$seeds")
    # New inputs go to a working corpus in the build folder, never into the committed seeds.
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    echo "== $name: $seconds s"
    if ! "$build/fuzz/$name" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/findings/$name-" "$corpus" "$seeds" 2>"$build/$name.log"; then
        tail -n 40 "$build/$name.log" >&2
        failed="$failed $name"
    else
        grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/$name.log"
    fi
done
if [ -n "$failed" ]; then
    echo "fuzz.sh: faults found by:$failed" >&2
    exit 1
fi
echo "fuzz.sh: no fault found"
