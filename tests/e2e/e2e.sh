#!/usr/bin/env bash
# Drives the real program in a real X server as a player would: Enter on the
# title window, a look at the reels, a click on the left ▲, a spin stopped
# with the keyboard, and 終了.
#
#   e2e.sh PROGRAM DATA_DIR
#
# Exits 77 (skipped) when no X server can be started here.
set -euo pipefail

program=$(realpath "$1")
data=$(realpath "$2")

source "$(dirname "$0")/xsession.sh"
source "$(dirname "$0")/xtest.sh"

begin_x_test 1024x768x24 import convert

cp "$data"/r1.bmp "$data"/r2.bmp "$data"/r3.bmp "$work/"
cd "$work"
unset QT_QPA_PLATFORM
"$program" > app.log 2>&1 &
app_pid=$!

# Title window: Enter presses OK.
pass_title_window 405 230 200 40

main=$(program_window 677 425)
read -r mx my < <(window_origin "$main")
xdotool mousemove $((mx + 600)) $((my + 20))
sleep 0.5

# The top row of reel R (0..2) on screen against picture rows of cell N. The
# reel window shows picture columns 2..94 at x 106 + 84 R .., its top row at
# y 78..142; the framing line at y 80 is left out.
top_row_matches() {
    local reel=$1 cell=$2 shot=$3
    local x=$((mx + 106 + 112 * reel)) y=$((my + 82))
    local a b
    a=$(convert "$shot" -crop "93x61+$x+$y" +repage rgb:- | md5sum)
    b=$(convert "$work/r$((reel + 1)).bmp" -crop "93x61+2+$((65 * cell + 4))" +repage rgb:- | md5sum)
    [[ $a == "$b" ]]
}
shot() { import -window root "$1"; }

shot start.png
for reel in 0 1 2; do
    top_row_matches "$reel" 1 start.png || fail "reel $reel does not show cell 1 at start"
done

# The left reel's ▲ button: one cell up, cell 2 in the top row.
xdotool mousemove $((mx + 152)) $((my + 372)) click 1
sleep 0.3
shot stepped.png
top_row_matches 0 2 stepped.png || fail "the left reel does not show cell 2 after ▲"
top_row_matches 1 1 stepped.png || fail "the centre reel moved"

# start, then the three stops from the keyboard: start puts the focus on the
# left stop, and a pressed stop hands it on to the next enabled one.
xdotool mousemove $((mx + 44)) $((my + 336)) click 1
sleep 0.5
xdotool key Return
sleep 0.2
xdotool key Return
sleep 0.2
xdotool key Return
sleep 0.3
shot stopped1.png
sleep 0.4
shot stopped2.png
cmp -s <(convert stopped1.png rgb:-) <(convert stopped2.png rgb:-) || fail "the reels still turn"

# 終了 ends the program with status 0.
xdotool mousemove $((mx + 616)) $((my + 408)) click 1
for _ in $(seq 50); do
    kill -0 "$app_pid" 2> /dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2> /dev/null && fail "終了 did not end the program"
status=0
wait "$app_pid" || status=$?
app_pid=
[[ $status -eq 0 ]] || fail "exit status $status"
echo "PASS"
