#!/bin/sh
# Takes screenshots of the real program against calsim on a virtual display (Xvfb), driving it
# with xdotool. Usage: scripts/screenshot.sh <build folder> <output.png> [xdotool steps...]
# Each step is "click X Y", "dclick X Y", "type TEXT", "key NAME", "wait SECONDS", "stopsim"
# (calsim ends, as a calibrator that vanishes: its link COM3 goes with it) or "silence" (calsim
# stops answering, as a calibrator switched off would, without hanging the line up); the
# coordinates are relative to the main window, whose top left is placed at 0,0. SCREEN sets the
# virtual display's size (default 1280x860x24): larger for QT_SCALE_FACTOR=2, which the program
# inherits from the environment.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" --screenshot
build=$(cd "$1" && pwd)
out=$(realpath -m "$2")
shift 2
work=$(mktemp -d)
cd "$work"
printf '3\r\n' > Settings.txt
cp "$top/resources/MainBG.jpg" "$top/resources/FunctionBG.jpg" .
calsim="" xvfb="" panel=""
trap 'kill -CONT $calsim 2>/dev/null; kill $panel $calsim $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
"$build/sim/calsim" --port 3 > /dev/null &
calsim=$!
tries=0
while [ ! -e COM3 ]; do
    tries=$((tries + 1))
    [ $tries -le 100 ] || { echo "calsim did not start" >&2; exit 1; }
    sleep 0.1
done
Xvfb :97 -screen 0 "${SCREEN:-1280x860x24}" > /dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=:97
"$build/src/app/vk220-panel" &
panel=$!
window=""
tries=0
while [ -z "$window" ]; do
    tries=$((tries + 1))
    [ $tries -le 100 ] || { echo "the panel's main window did not appear" >&2; exit 1; }
    sleep 0.3
    window=$(xdotool search --name "VK220 Workstation Virtual Front Panel \[COM" 2>/dev/null | head -n 1 || true)
done
xdotool windowmove "$window" 0 0
xdotool windowfocus "$window"
sleep 1
while [ $# -gt 0 ]; do
    case "$1" in
        click) xdotool mousemove --window "$window" "$2" "$3" click 1; shift 3 ;;
        dclick) xdotool mousemove --window "$window" "$2" "$3" click --repeat 2 --delay 80 1; shift 3 ;;
        type) xdotool type --delay 60 "$2"; shift 2 ;;
        key) xdotool key "$2"; shift 2 ;;
        wait) sleep "$2"; shift 2 ;;
        stopsim) kill "$calsim"; wait "$calsim" 2>/dev/null || true; calsim=""; shift ;;
        silence) kill -STOP $calsim; shift ;;
        *) echo "unknown step $1" >&2; exit 2 ;;
    esac
    sleep 0.4
done
sleep 1
import -window "$window" "$out"
