# What every end-to-end test does around its checks: skip or fail with a
# reason, a work folder, a private X server, and the program's windows by
# size. Source it after xsession.sh; then call begin_x_test.

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

# Checks for Xvfb, xdotool, xdpyinfo and the tools named after the screen
# size $1 (skips without them), makes $work, removed at the end with the
# program ($app_pid) and the server, and starts the server.
begin_x_test() {
    local screen=$1 tool
    shift
    for tool in Xvfb xdotool xdpyinfo "$@"; do
        command -v "$tool" > /dev/null || skip "$tool is not installed"
    done
    work=$(mktemp -d)
    # Settings, data and the hand-over socket of the test's own: a run beside
    # another (or beside a player's program) neither hands its windows over
    # to it nor reads its settings.
    mkdir -m 700 "$work/runtime"
    export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
    xvfb_pid=
    app_pid=
    trap end_x_test EXIT
    start_xvfb 99 "$work/xvfb.log" "$screen" || skip "Xvfb did not start: $(cat "$work/xvfb.log")"
}

end_x_test() {
    [[ -n $app_pid ]] && kill "$app_pid" 2> /dev/null || true
    stop_xvfb
    rm -rf "$work"
}

# The program's visible window of $1 x $2 pixels; the test fails without it.
program_window() {
    local id
    id=$(wait_window "$app_pid" "$1" "$2")
    [[ -n $id ]] || fail "no ${1}x$2 window appeared: $(cat app.log)"
    echo "$id"
}

# Presses OK on the title window of $1 x $2 pixels with Enter, the mouse
# first moved to ($3, $4) inside it, so that the window has the focus.
pass_title_window() {
    local tx ty
    read -r tx ty < <(window_origin "$(program_window "$1" "$2")")
    xdotool mousemove $((tx + $3)) $((ty + $4))
    sleep 0.3
    xdotool key Return
}
