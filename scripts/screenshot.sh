#!/usr/bin/env bash
# Takes the README's screenshot of the main window: the real program in a
# virtual X server, the reels stepped to a reach-me, then a picture of the window.
#   scripts/screenshot.sh [BUILD_DIR] [OUT.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
out=$(realpath -m "${2:-$root/docs/main-window.png}")
work=$(mktemp -d)
trap 'kill $(jobs -p) 2> /dev/null || true; rm -rf "$work"' EXIT

source "$root/tests/e2e/xsession.sh"
start_xvfb 97 "$work/xvfb.log" || { echo "Xvfb did not start" >&2; exit 1; }

cp "$root"/data/r?.bmp "$work/"
cd "$work"
unset QT_QPA_PLATFORM
"$build/bin/reachme" &
pid=$!

window_sized() {
    local id
    id=$(wait_window "$pid" "$1" "$2")
    [[ -n $id ]] || { echo "no ${1}x$2 window" >&2; exit 1; }
    echo "$id"
}

read -r tx ty < <(window_origin "$(window_sized 405 230)")
xdotool mousemove $((tx + 200)) $((ty + 40))
sleep 0.3
xdotool key Return
main=$(window_sized 677 425)
read -r mx my < <(window_origin "$main")
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
