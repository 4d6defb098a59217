#!/bin/sh
# Builds the panel and starts it against the simulated calibrator on COM3, in ./demo.
# Without a display (no DISPLAY or WAYLAND_DISPLAY) it runs on a virtual one under Xvfb.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    "$top/scripts/install-deps.sh"
else
    "$top/scripts/install-deps.sh" --display
fi
"$top/scripts/build.sh" "$top/build" vk220-panel calsim
demo="$top/demo"
mkdir -p "$demo"
cd "$demo"
printf '3\r\n' > Settings.txt
cp "$top/resources/MainBG.jpg" "$top/resources/FunctionBG.jpg" .
"$top/build/sim/calsim" --port 3 --log calsim.log > calsim.out &
calsim=$!
trap 'kill $calsim 2>/dev/null || true' EXIT INT TERM
tries=0
while [ ! -e COM3 ]; do
    tries=$((tries + 1))
    [ $tries -le 100 ] || { echo "calsim did not start:" >&2; cat calsim.out >&2; exit 1; }
    sleep 0.1
done
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    "$top/build/src/app/vk220-panel"
else
    xvfb-run -a -s "-screen 0 1280x800x24" "$top/build/src/app/vk220-panel"
fi
