#!/usr/bin/env bash
# The way into the house and through it in a real window: the game starts on a virtual X
# display of its own over the built game folder; a click on the title opens the story page,
# "Let's play!" goes into the dark room, a click on its lamp lights the bedroom. The
# bedroom's door, once open, lets the room buttons lead to the workshop, the living room,
# the kitchen and back to the bedroom. Each step waits until the screen shows it, and a
# screenshot of each room is kept in the screenshot folder (title, story, dark, bedroom,
# workshop, living, kitchen; each as .xwd and .png). SIGTERM then ends the game, which must
# save. On any failure the game is killed and the last screenshot is kept as "failed".
# Usage: house_smoke.sh <zorvik> <smoke_game_tool> <built game folder> <screenshot folder>
set -uo pipefail
zorvik=$(realpath "$1")
tool=$(realpath "$2")
built=$(realpath "$3")
shots=$4
mkdir -p "$shots" || exit 1
rm -f "$shots"/*.xwd "$shots"/*.png  # a picture of an earlier run must not pass for this one
failed_shot="$shots/failed.xwd"
start_limit=${ZORVIK_SMOKE_START_LIMIT:-120}  # seconds; sanitizer builds start slowly
# Colours as the screen shows them: the title's night sky along its top edge, and one spot
# of the bedroom's door frame (view 435, 150) by day and in the dark room.
sky=161D42
door_by_day=8F6330
door_at_night=2B2B2B
# One plain spot of each further room, each unlike the room shown before it there: the story
# page's paper, the hall behind the bedroom's open door, the workshop's wall left of the
# puzzle machine, the bricks of the living room's fireplace, the front of the kitchen's
# cookie machine.
story_paper=FCF8EE
hall_through_door=F7C163
workshop_wall=DFC09E
fireplace_bricks=BA533E
cookie_machine=EA6C6C

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
# Room button 1..4: on the 1024 x 768 virtual screen the window is wider than 800, where the
# buttons stand in a column left of the play area, 60 pixels square, 80 apart.
room_button() { click -105 $((40 + ($1 - 1) * 80)); }
# Keeps the screenshot just taken as <name>.xwd and <name>.png in the screenshot folder.
keep() {
    cp "$work/shot.xwd" "$shots/$1.xwd" || fail "could not keep the screenshot of $1"
    "$tool" png "$shots/$1.xwd" "$shots/$1.png" || fail "could not write $1.png"
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

keep title
# Each room gets a moment once shown: clicks during the change of room are not taken.
click 257 161
wait_for 42 210 "$story_paper" "the story page"
keep story
sleep 1
click 427 300  # "Let's play!" on the story page
wait_for 435 150 "$door_at_night" "the dark room"
keep dark
sleep 1
click 140 130  # the lamp
wait_for 435 150 "$door_by_day" "the bedroom"
keep bedroom
sleep 1
click 470 200  # the door
wait_for 466 106 "$hall_through_door" "the open door"
sleep 1
room_button 2
wait_for 50 42 "$workshop_wall" "the workshop"
keep workshop
sleep 1
room_button 3
wait_for 386 170 "$fireplace_bricks" "the living room"
keep living
sleep 1
room_button 4
wait_for 290 122 "$cookie_machine" "the kitchen"
keep kitchen
sleep 1
room_button 1
wait_for 435 150 "$door_by_day" "the bedroom again"
echo "screenshots of each room in $shots"

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
