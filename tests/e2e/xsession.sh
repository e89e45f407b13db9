# A private X server and the program's windows in it, for the end-to-end test
# and the screenshot script. Source it; it defines functions only.

# Starts Xvfb on the first free display from $1 on, with a screen of $3
# (1024x768x24 unless given), exports DISPLAY and sets xvfb_pid. Returns 1
# when the server does not answer within five seconds. -noreset: by default
# the server resets whenever its last client leaves, and a program that
# connects during the reset is refused.
start_xvfb() {
    local display=$1 log=$2 screen=${3:-1024x768x24}
    while [[ -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 "$screen" -nolisten tcp -noreset > "$log" 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$display"
    for _ in $(seq 50); do
        xdpyinfo > /dev/null 2>&1 && return 0
        kill -0 "$xvfb_pid" 2> /dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Stops the server and waits until it is gone: a server still going down
# removes its socket files, which may by then belong to the next test's.
stop_xvfb() {
    [[ -n ${xvfb_pid:-} ]] || return 0
    kill "$xvfb_pid" 2> /dev/null || true
    wait "$xvfb_pid" 2> /dev/null || true
    xvfb_pid=
}

# The visible window of process $1 whose size is $2 x $3, waiting up to ten
# seconds; prints nothing when there is none (or the process ended).
wait_window() {
    local pid=$1 id
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --pid "$pid" 2> /dev/null); do
            if xdotool getwindowgeometry "$id" 2> /dev/null | grep -q "Geometry: $2x$3"; then
                echo "$id"
                return
            fi
        done
        kill -0 "$pid" 2> /dev/null || return
        sleep 0.1
    done
}

# "X Y": where window $1's top-left corner is on the screen.
window_origin() {
    xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'
}
