#!/bin/sh
# Builds the panel and starts it against the simulated calibrator on COM3, in ./demo.
# It builds in build-test when ./scripts/test.sh has made that tree (nothing is compiled twice),
# else in ./build. Without a display (no DISPLAY or WAYLAND_DISPLAY) it runs on a virtual one
# under Xvfb, unseen, until Ctrl+C. "--procedure FILE" opens the procedure runner with FILE.
set -eu
if [ "${1:-}" = "--procedure" ]; then
    [ $# -eq 2 ] && [ -f "$2" ] || { echo "usage: $0 [--procedure FILE]" >&2; exit 2; }
    set -- --procedure "$(realpath "$2")"
fi
top=$(cd "$(dirname "$0")/.." && pwd)
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    "$top/scripts/install-deps.sh"
else
    "$top/scripts/install-deps.sh" --display
fi
build="$top/build"
[ -f "$top/build-test/CMakeCache.txt" ] && build="$top/build-test"
"$top/scripts/build.sh" "$build" vk220-panel calsim
demo="$top/demo"
mkdir -p "$demo"
cd "$demo"
printf '3\r\n' > Settings.txt
cp "$top/resources/MainBG.jpg" "$top/resources/FunctionBG.jpg" .
"$build/sim/calsim" --port 3 --log calsim.log > calsim.out &
calsim=$!
trap 'kill $calsim 2>/dev/null || true' EXIT INT TERM
tries=0
while [ ! -e COM3 ]; do
    tries=$((tries + 1))
    [ $tries -le 100 ] || { echo "calsim did not start:" >&2; cat calsim.out >&2; exit 1; }
    sleep 0.1
done
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    "$build/src/app/vk220-panel" "$@"
else
    cat <<MESSAGE
No display here: the panel runs on a virtual display (Xvfb), where nothing can be seen, until
you press Ctrl+C. To watch it, run the demo in a desktop session (or over "ssh -X"); to take a
picture of it, run: scripts/screenshot.sh $build panel.png
calsim logs every command line the panel sends to $demo/calsim.log.
MESSAGE
    xvfb-run -a -s "-screen 0 1280x800x24" "$build/src/app/vk220-panel" "$@"
fi
