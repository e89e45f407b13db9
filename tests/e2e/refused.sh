#!/usr/bin/env bash
# The real program with strip pictures that cannot serve: after the title
# window's OK, a message box reports it, and closing it ends the program with
# status 1. Nothing hangs, not even on a FIFO named r1.bmp. The last case
# deletes the working folder while the title window shows.
#
#   [SHOTS=DIR] refused.sh PROGRAM DATA_DIR
#
# With SHOTS set, keeps a screenshot of each report there.
# Exits 77 (skipped) when no X server can be started here.
set -euo pipefail

program=$(realpath "$1")
data=$(realpath "$2")

source "$(dirname "$0")/xsession.sh"
source "$(dirname "$0")/xtest.sh"

begin_x_test 1024x768x24 mkfifo

# Makes r1.bmp in folder $2 bad in the way $1 names.
spoil() {
    case $1 in
    fifo) mkfifo "$2/r1.bmp" ;;
    cut) head -c 200000 "$data/r1.bmp" > "$2/r1.bmp" ;;
    small) # A whole 1 x 1 bitmap.
        printf 'BM\x3a\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x18\0\0\0\0\0\x04\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\xff\xff\xff\0' \
            > "$2/r1.bmp" ;;
    loop) ln -s r1.bmp "$2/r1.bmp" ;;
    missing) rm "$2/r1.bmp" ;;
    esac
}

for kind in fifo cut small loop missing gone; do
    dir="$work/$kind"
    mkdir "$dir"
    cp "$data"/r2.bmp "$data"/r3.bmp "$dir/"
    [[ $kind == missing || $kind == gone ]] && cp "$data/r1.bmp" "$dir/"
    spoil "$kind" "$dir"
    (cd "$dir" && QT_QPA_PLATFORM=xcb exec "$program" > app.log 2>&1) &
    app_pid=$!
    title=$(wait_window "$app_pid" 405 230)
    [[ -n $title ]] || fail "$kind: no title window"
    [[ $kind == gone ]] && rm -rf "$dir"
    read -r tx ty < <(window_origin "$title")
    xdotool mousemove $((tx + 200)) $((ty + 40))
    sleep 0.3
    xdotool key Return
    box=
    for _ in $(seq 100); do
        box=$(xdotool search --onlyvisible --pid "$app_pid" --name '実行時エラー' 2> /dev/null | head -1) || true
        [[ -n $box ]] && break
        kill -0 "$app_pid" 2> /dev/null || fail "$kind: ended without a report"
        sleep 0.1
    done
    [[ -n $box ]] || fail "$kind: no message box"
    read -r bx by < <(window_origin "$box")
    [[ -z ${SHOTS:-} ]] || import -window root "$SHOTS/refused-$kind.png"
    xdotool mousemove $((bx + 5)) $((by + 5)) sleep 0.3 key Return
    for _ in $(seq 50); do
        kill -0 "$app_pid" 2> /dev/null || break
        sleep 0.1
    done
    kill -0 "$app_pid" 2> /dev/null && fail "$kind: still running after the report"
    status=0
    wait "$app_pid" || status=$?
    app_pid=
    [[ $status -eq 1 ]] || fail "$kind: exit status $status"
    echo "$kind: reported, exit status 1"
done
echo "PASS"
