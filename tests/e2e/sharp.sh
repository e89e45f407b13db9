#!/usr/bin/env bash
# At twice the scale (QT_SCALE_FACTOR=2) the real program shows the @2x strip
# pictures in its reel windows pixel for pixel, at the place and size of the
# ordinary ones, and a reel step moves them by one cell.
#
#   sharp.sh PROGRAM DATA_DIR [SCREENSHOT.png]
#
# Keeps a picture of the main window at SCREENSHOT.png if given. Exits 77
# (skipped) when no X server can be started here.
set -euo pipefail

program=$(realpath "$1")
data=$(realpath "$2")
keep=${3:+$(realpath -m "$3")}

source "$(dirname "$0")/xsession.sh"
source "$(dirname "$0")/xtest.sh"

# The main window is 1354 x 850 pixels at this scale.
begin_x_test 1600x1200x24 import convert

cp "$data"/r[123].bmp "$data"/r[123]@2x.bmp "$work/"
cd "$work"
unset QT_QPA_PLATFORM
QT_SCALE_FACTOR=2 "$program" > app.log 2>&1 &
app_pid=$!

pass_title_window 810 460 400 80

main=$(program_window 1354 850)
read -r mx my < <(window_origin "$main")
xdotool mousemove $((mx + 1300)) $((my + 40))
sleep 0.8

# Reel R (0..2) with its picture's top at logical pixel TOP of the window
# against r(R+1)@2x.bmp. The reel window is device pixels x 210 + 448 R ..,
# 190 wide, y 82..623, showing picture column 2 on; the framing lines cross
# it at y 160-161 and 544-545.
reel_matches() {
    local reel=$1 top=$2 shot=$3 band from to a b
    for band in 82:160 162:544 546:624; do
        from=${band%:*} to=${band#*:}
        a=$(convert "$shot" -crop "190x$((to - from))+$((mx + 210 + 224 * reel))+$((my + from))" \
            +repage rgb:- | md5sum)
        b=$(convert "r$((reel + 1))@2x.bmp" -crop "190x$((to - from))+2+$((from - 2 * top))" \
            +repage rgb:- | md5sum)
        [[ $a == "$b" ]] || return 1
    done
}
shot() { import -window root "$1"; }

# Position 0: the pictures' tops at 65 · 0 − 1352 logical pixels.
shot start.png
for reel in 0 1 2; do
    reel_matches "$reel" -1352 start.png || fail "reel $reel does not show its @2x picture"
done
[[ -z $keep ]] || convert start.png -crop "1354x850+$mx+$my" +repage "$keep"

# The left reel's ▲ (logical 152, 372): position 20, the top at −52.
xdotool mousemove $((mx + 304)) $((my + 744)) click 1
sleep 0.4
shot stepped.png
reel_matches 0 -52 stepped.png || fail "the left reel did not move one cell in logical pixels"
reel_matches 1 -1352 stepped.png || fail "the centre reel moved"
echo "PASS"
