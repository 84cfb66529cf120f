#!/usr/bin/env bash
# Starts the game on a virtual X display of its own, with SDL's dummy audio driver and
# private folders, over a small game folder whose title room is one colour, three times:
#  1. waits until the play area shows the title picture (as long as the start takes, up to a
#     limit), saves a screenshot, reports the CPU use while it idles, then sends SIGTERM, as
#     a desktop session does at logout: the game must end without a question and save;
#  2. the same with SIGHUP;
#  3. SIGTERM while the game has something to report at its end, once with a saved game it
#     kept aside at start and once with a save that fails: it must show no box that waits,
#     but end, with the box's words on standard error; a new start right after must run;
#  4. the display server goes away under the game: it must end and save all the same.
# The first run also checks that the window carries the game's icon.
# On any failure the game is killed with SIGKILL (it must never outlive the test) and the
# last screenshot is kept beside the good one as "<screenshot>-failed.xwd".
# Usage: zorvik_smoke.sh <zorvik> <smoke_game_tool> <screenshot file> [idle seconds]
set -uo pipefail
zorvik=$(realpath "$1")
tool=$(realpath "$2")
shot=$3
idle=${4:-10}
failed_shot="${shot%.xwd}-failed.xwd"
title="Brindle's House"
start_limit=${ZORVIK_SMOKE_START_LIMIT:-120}  # seconds; sanitizer builds start slowly

source "$(dirname "$0")/private_session.sh"
game_smoke_session

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

stop_server() {
    kill -9 "$server" 2>/dev/null
    wait "$server" 2>/dev/null
    server=""
}

# Starts the game and waits until its title room is on screen.
start_game() {
    local expected=$1 window="" geometry
    "$zorvik" 2>"$work/game.err" &
    pid=$!
    local deadline=$((SECONDS + start_limit))
    while [ $SECONDS -lt $deadline ]; do
        kill -0 "$pid" 2>/dev/null || fail "the game ended before showing its title room"
        window=$(xwininfo -root -tree 2>/dev/null | awk -v t="\"$title\":" '$0 ~ t {print $1; exit}')
        if [ -n "$window" ] && geometry=$(xwininfo -id "$window" 2>/dev/null); then
            local left top width height
            left=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
            top=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
            width=$(awk '/Width:/ {print $2}' <<<"$geometry")
            height=$(awk '/Height:/ {print $2}' <<<"$geometry")
            xwd -root -silent >"$work/shot.xwd" 2>/dev/null
            # The middle of the window lies inside the play area in every layout.
            if [ "$("$tool" pixel "$work/shot.xwd" $((left + width / 2)) $((top + height / 2)) 2>/dev/null)" = "$expected" ]; then
                return 0
            fi
        fi
        sleep 0.2
    done
    fail "the play area did not show the title picture within $start_limit s"
}

# Waits for the game to end by itself; its status must be 0.
expect_end() {
    local what=$1 deadline=$((SECONDS + 60)) status=0
    while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "the game did not end after $what"
    wait "$pid" || status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "the game ended with status $status after $what"
    [ -f "$game/Default.qeg" ] || fail "the game was not saved after $what"
    if ls -A "$game" | grep -q '^\.zorvik-.*\.tmp$'; then fail "a temporary file was left after $what"; fi
}

expected=$("$tool" make "$game")

start_server
start_game "$expected"
cp "$work/shot.xwd" "$shot"
echo "the title room is on screen; screenshot in $shot"
icon_window=$(xwininfo -root -tree | awk -v t="\"$title\":" '$0 ~ t {print $1; exit}')
icon=$(xprop -id "$icon_window" _NET_WM_ICON 2>/dev/null | head -1)
[[ "$icon" == *"Icon (64 x 64)"* ]] || fail "the window has no icon of the game's picture"
echo "the window shows the game's icon"
before=$(ticks "$pid")
sleep "$idle"
after=$(ticks "$pid")
echo "CPU while idling in the title room: $(( (after - before) * 100 / $(getconf CLK_TCK) / idle ))% of one core ($((after - before)) ticks in ${idle} s)"
kill -TERM "$pid"
expect_end SIGTERM
echo "SIGTERM ended the game without a question and it saved"

rm -f "$game/Default.qeg"
start_game "$expected"
kill -HUP "$pid"
expect_end SIGHUP
echo "SIGHUP ended the game without a question and it saved"

# Ends the game by SIGTERM while it has something to say; the words must reach standard error
# instead of a box nobody is there to answer.
end_unattended() {
    local what=$1 words=$2 started=$SECONDS deadline=$((SECONDS + 30))
    kill -TERM "$pid"
    while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "the game still ran 30 s after SIGTERM $what: it waits for a box"
    wait "$pid"
    pid=""
    cat "$work/game.err" >&2
    grep -q "$words" "$work/game.err" || fail "the game did not say \"$words\" on standard error $what"
    echo "SIGTERM $what ended the game in $((SECONDS - started)) s, its words on standard error"
}

# A saved game with more rooms than this game has is kept as it is.
printf 'rooms of a larger house' >>"$game/Default.qeg"
cp "$game/Default.qeg" "$work/kept.qeg"
start_game "$expected"
end_unattended "with a saved game kept aside" "did not save your game"
cmp -s "$game/Default.qeg" "$work/kept.qeg" || fail "the saved game kept aside was changed"

rm -f "$game/Default.qeg"
start_game "$expected"
echo "a new start right after ran"
# A read-only game folder; root writes there all the same, but for anybody the save's last
# step, the rename, fails onto a folder with something in it.
mkdir -p "$game/Default.qeg/in the way"
chmod a-w "$game"
end_unattended "with a save that fails" "unable to save your game"
chmod u+w "$game"
rm -rf "$game/Default.qeg"
start_game "$expected"
echo "a new start right after ran"
kill -TERM "$pid"
expect_end SIGTERM

rm -f "$game/Default.qeg"
start_game "$expected"
stop_server
expect_end "its display went away"
echo "the game ended and saved when its display went away"
