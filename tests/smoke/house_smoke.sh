#!/usr/bin/env bash
# The way into the house in a real window: the game starts on a virtual X display of its own
# over the built game folder; a click on the title opens the story page, "Let's play!" goes
# into the dark room, a click on its lamp lights the bedroom. Each step waits until the
# screen shows it; the screenshot of the bedroom is kept. SIGTERM then ends the game, which
# must save. On any failure the game is killed and the last screenshot is kept beside the
# good one as "<screenshot>-failed.xwd".
# Usage: house_smoke.sh <zorvik> <smoke_game_tool> <built game folder> <screenshot file>
set -uo pipefail
zorvik=$(realpath "$1")
tool=$(realpath "$2")
built=$(realpath "$3")
shot=$4
failed_shot="${shot%.xwd}-failed.xwd"
start_limit=${ZORVIK_SMOKE_START_LIMIT:-120}  # seconds; sanitizer builds start slowly
# Colours as the screen shows them: the title's night sky along its top edge, and one spot
# of the bedroom's door frame (view 435, 150) by day and in the dark room.
sky=161D42
door_by_day=8F6330
door_at_night=2B2B2B

source "$(dirname "$0")/private_session.sh"
game_smoke_session
cp -r "$built/dat" "$game/dat"
start_server

"$zorvik" &
pid=$!

# The play area is where the title's sky runs along a row at least 500 pixels long.
found=""
deadline=$((SECONDS + start_limit))
while [ $SECONDS -lt $deadline ]; do
    kill -0 "$pid" 2>/dev/null || fail "the game ended before showing its title"
    xwd -root -silent > "$work/shot.xwd" 2>/dev/null
    found=$("$tool" find "$work/shot.xwd" "$sky" 500 2>/dev/null || true)
    [ -n "$found" ] && break
    sleep 0.1
done
[ -n "$found" ] || fail "the title never showed"
read -r left top run <<<"$found"
scale=$(( (run + 257) / 514 ))
echo "the title is on screen: play area at $left,$top, scale $scale"

at() { echo $((left + $1 * scale + scale / 2)) $((top + $2 * scale + scale / 2)); }
click() {
    # shellcheck disable=SC2046
    xdotool mousemove $(at "$1" "$2")
    sleep 0.3
    xdotool click 1
}
wait_for() {
    local x=$1 y=$2 colour=$3 what=$4
    local deadline=$((SECONDS + 30))
    while [ $SECONDS -lt $deadline ]; do
        xwd -root -silent > "$work/shot.xwd" 2>/dev/null
        # shellcheck disable=SC2046
        if [ "$("$tool" pixel "$work/shot.xwd" $(at "$x" "$y") 2>/dev/null || true)" = "$colour" ]; then
            echo "$what is on screen"
            return 0
        fi
        sleep 0.1
    done
    fail "$what never showed"
}

click 257 161
sleep 1.5
click 427 300  # "Let's play!" on the story page
wait_for 435 150 "$door_at_night" "the dark room"
sleep 1
click 140 130  # the lamp
wait_for 435 150 "$door_by_day" "the bedroom"
cp "$work/shot.xwd" "$shot"
echo "screenshot of the bedroom in $shot"

kill -TERM "$pid"
status=0
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "SIGTERM did not end the game"
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the game ended with status $status"
[ -f "$game/Default.qeg" ] || fail "the game was not saved at its end"
echo "the game ended and saved"
