#!/usr/bin/env bash
# Takes the README's screenshot of the main window: the real program in a
# virtual X server, a few steps of the left reel, then a picture of the window.
#   scripts/screenshot.sh [BUILD_DIR] [OUT.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
out=$(realpath -m "${2:-$root/docs/main-window.png}")
work=$(mktemp -d)
trap 'kill $(jobs -p) 2> /dev/null || true; rm -rf "$work"' EXIT

display=97
while [[ -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
export DISPLAY=":$display"
for _ in $(seq 50); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done

cp "$root"/data/r?.bmp "$work/"
cd "$work"
unset QT_QPA_PLATFORM
"$build/bin/reachme" &
pid=$!

window_sized() {
    local id
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --pid "$pid" 2> /dev/null); do
            xdotool getwindowgeometry "$id" | grep -q "Geometry: $1x$2" && { echo "$id"; return; }
        done
        sleep 0.1
    done
    echo "no ${1}x$2 window" >&2
    exit 1
}
origin() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'; }

read -r tx ty < <(origin "$(window_sized 405 230)")
xdotool mousemove $((tx + 200)) $((ty + 40))
sleep 0.3
xdotool key Return
main=$(window_sized 677 425)
read -r mx my < <(origin "$main")
# Step the reels to top-row cells 3, 2 and 14, a reach-me for BIG: the left
# reel up twice, the centre up once, the right down eight times.
xdotool mousemove $((mx + 152)) $((my + 372)) click --repeat 2 --delay 100 1
xdotool mousemove $((mx + 264)) $((my + 372)) click 1
xdotool mousemove $((mx + 376)) $((my + 404)) click --repeat 8 --delay 100 1
xdotool mousemove $((mx + 660)) $((my + 300))
sleep 0.5
mkdir -p "$(dirname "$out")"
import -window root -crop "677x425+$mx+$my" +repage "$out"
kill "$pid"
echo "wrote $out"
