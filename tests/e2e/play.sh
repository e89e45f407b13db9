#!/usr/bin/env bash
# 実戦 played by key in a real X server, a whole session: MAX BET, a lever and
# three stops, a reach-me shown with its judgement, ボーナス察知 called, the BIG
# lined up by eye-stop, its bonus games to the end, and a normal game after;
# then its data counter by Ctrl+D, and every game in the machine's history.
# The stops are pressed when the reels will stop where wanted: the helper
# works that out from the sitting the program saved, as the reel clock runs
# from the lever's key.
#
#   play.sh PROGRAM PLAYPLAN DATA_DIR [SHOTS_DIR]
#
# With SHOTS_DIR, pictures of the window turning, showing the reach-me with
# its judgement, and in the BIG are left there. Exits 77 (skipped) when no X
# server can be started here.
set -euo pipefail

program=$(realpath "$1")
plan=$(realpath "$2")
data=$(realpath "$3")
shots=${4:+$(realpath "$4")}

source "$(dirname "$0")/xsession.sh"
source "$(dirname "$0")/xtest.sh"

begin_x_test 1280x1024x24 import

cp "$data"/r1.bmp "$data"/r2.bmp "$data"/r3.bmp "$work/"
cd "$work"
mkdir -p "$XDG_CONFIG_HOME/reachme"
printf '[play]\nshowJudgement=yes\n' > "$XDG_CONFIG_HOME/reachme/reachme.conf"
sitting=$XDG_DATA_HOME/reachme/reachme/machine/state.txt

# A seed whose first game draws a BIG.
seed=$("$plan" seed 6)
unset QT_QPA_PLATFORM
"$program" --play --setting 6 --seed "$seed" > app.log 2>&1 &
app_pid=$!
pass_title_window 405 230 200 40
program_window 677 425 > /dev/null
play=
for _ in $(seq 100); do
    play=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^実戦$' 2> /dev/null | head -1) || true
    [[ -n $play ]] && break
    sleep 0.1
done
[[ -n $play ]] || fail "no 実戦 window: $(cat app.log)"
# The keys go to the window with the focus: give it to 実戦, once its
# showing is over.
sleep 0.5
read -r px py < <(window_origin "$play")
xdotool mousemove $((px + 600)) $((py + 20))
xdotool windowfocus --sync "$play"

# The sitting as saved, once it says $1 (a pattern of `playplan show`).
state() { "$plan" show "$sitting" 2> /dev/null || true; }
wait_for() {
    local s
    for _ in $(seq 50); do
        s=$(state)
        [[ $s =~ $1 ]] && return 0
        sleep 0.1
    done
    fail "the sitting never said '$1': $s"
}
game_number() { state | sed -n 's/^games \([0-9]*\).*/\1/p'; }
shot() { [[ -z $shots ]] || import -window "$play" "$shots/$1"; }

# One game by key for the goal $1; $2, when given, is a picture taken while
# the reels turn.
play_game() {
    local before keys
    before=$(game_number)
    keys=$("$plan" keys "$sitting" "$1") || return 1
    if [[ -n ${2:-} ]]; then
        # shellcheck disable=SC2086
        xdotool $keys &
        sleep 0.2
        shot "$2"
        wait $!
    else
        # shellcheck disable=SC2086
        xdotool $keys
    fi
    wait_for "^games $((before + 1)) "
    # Saved at the third stop; the reel stands within 190 ms of it.
    sleep 0.3
}

wait_for '^games 0 .*bet-placed no'
# MAX BET: the bet is in, and saved at once.
xdotool key b
wait_for 'bet-placed yes'

# The first game carries the BIG: stop it on a reach-me.
play_game reachme play-spin.png || fail "no reach-me could be stopped"
[[ $(state) =~ code\ J(0[3-9]|1[0-3]) ]] || fail "no reach-me stopped: $(state)"
shot play-reachme.png

# ボーナス察知: right.
xdotool key Return
wait_for 'right 1 wrong 0'

# Lined up by eye-stop.
for _ in $(seq 10); do
    [[ $(state) =~ bigs\ 1 ]] && break
    play_game target
done
[[ $(state) =~ bigs\ 1.*code\ J01 ]] || fail "the BIG was not lined up: $(state)"

# Its bonus games, to the end.
games=0
while [[ ! $(state) =~ bonus\ normal ]]; do
    games=$((games + 1))
    ((games <= 100)) || fail "the BIG did not end: $(state)"
    play_game target
    ((games == 3)) && shot play-bonus.png
done
echo "the BIG ended after $games games"

# Back to normal games.
play_game any
[[ $(state) =~ bonus\ normal\ carried ]] || fail "not back to normal games: $(state)"
state

# Ctrl+D: the data counter of this machine, a window of its own.
xdotool key ctrl+d
counter=
for _ in $(seq 50); do
    counter=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^データ$' 2> /dev/null | head -1) || true
    [[ -n $counter ]] && break
    sleep 0.1
done
[[ -n $counter ]] || fail "Ctrl+D in 実戦 opened no データ window"
sleep 0.5
[[ -z $shots ]] || import -window "$counter" "$shots/play-data.png"
# Every game is a row of the history, after its header.
rows=$(($(wc -l < "$(dirname "$sitting")/history.csv") - 1))
[[ $rows == "$(game_number)" ]] || fail "the history holds $rows games, the machine $(game_number)"
echo "データ opened; the history holds all $rows games"
