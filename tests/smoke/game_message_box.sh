#!/usr/bin/env bash
# The game's message boxes in a real window, on a virtual X display of its own, over a small
# game folder whose init script holds an unknown command (so loading shows a "Script Error:"
# box, drawn inside the game window):
#  1. the box is on screen; another window laid over it and taken away leaves the box and the
#     game's picture drawn again (the box's own loop paints while it waits); Enter answers it
#     and the game goes on to its title room, with nothing of the box left behind;
#  2. SIGTERM while the box is open ends the game at once, without a question, and saves.
# On any failure the game is killed with SIGKILL and the last screenshot is kept.
# Usage: game_message_box.sh <zorvik> <smoke_game_tool> <screenshot file>
set -uo pipefail
zorvik=$(realpath "$1")
tool=$(realpath "$2")
shot=$3
failed_shot="${shot%.xwd}-failed.xwd"
start_limit=${ZORVIK_SMOKE_START_LIMIT:-120}  # seconds; sanitizer builds start slowly
box_title=B22E26  # the title band of an error box

source "$(dirname "$0")/private_session.sh"
game_smoke_session
cover=""
trap 'game_smoke_cleanup; [ -n "$cover" ] && kill -9 "$cover" 2>/dev/null' EXIT

screenshot() { xwd -root -silent >"$work/shot.xwd" 2>/dev/null; }
# "left top length" of the box's title band, or nothing.
box_band() { "$tool" find "$work/shot.xwd" "$box_title" 150 2>/dev/null; }

start_game_with_box() {
    "$zorvik" &
    pid=$!
    local deadline=$((SECONDS + start_limit))
    while [ $SECONDS -lt $deadline ]; do
        kill -0 "$pid" 2>/dev/null || fail "the game ended before showing its message box"
        screenshot
        band=$(box_band)
        [ -n "$band" ] && return 0
        sleep 0.2
    done
    fail "no message box within $start_limit s"
}

expected=$("$tool" make "$game")
# An unknown command in the prologue: a content error that leaves the game playable.
sed -i '1a FROBNICATE 1 2' "$game/dat/init.txt"

start_server
start_game_with_box
cp "$work/shot.xwd" "$shot"
read -r left top length <<<"$band"
echo "the script error box is on screen at ($left, $top); screenshot in $shot"

# A window over the box, then gone again: what it covered must come back.
xlogo -geometry "${length}x200+${left}+$((top - 20))" &
cover=$!
sleep 1
kill "$cover" 2>/dev/null
wait "$cover" 2>/dev/null
cover=""
sleep 0.5
screenshot
[ "$(box_band)" = "$band" ] || fail "the box was not drawn again after a window over it went away"
echo "a window laid over the box and taken away left the box drawn again"

xdotool mousemove $((left + length / 2)) $((top + 40))
xdotool key Return
deadline=$((SECONDS + 30))
while [ $SECONDS -lt $deadline ]; do
    screenshot
    if [ -z "$(box_band)" ]; then break; fi
    sleep 0.2
done
[ -z "$(box_band)" ] && kill -0 "$pid" 2>/dev/null || fail "Enter did not close the box"
window=$(xwininfo -root -tree 2>/dev/null | awk '/"Brindle'"'"'s House":/ {print $1; exit}')
geometry=$(xwininfo -id "$window" 2>/dev/null) || fail "the game window is gone"
wl=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
wt=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
ww=$(awk '/Width:/ {print $2}' <<<"$geometry")
wh=$(awk '/Height:/ {print $2}' <<<"$geometry")
deadline=$((SECONDS + 30))
while [ $SECONDS -lt $deadline ]; do
    screenshot
    [ "$("$tool" pixel "$work/shot.xwd" $((wl + ww / 2)) $((wt + wh / 2)))" = "$expected" ] && break
    sleep 0.2
done
[ "$("$tool" pixel "$work/shot.xwd" $((wl + ww / 2)) $((wt + wh / 2)))" = "$expected" ] ||
    fail "the title room did not follow the answered box"
echo "Enter answered the box and the title room came up where it stood"
kill -TERM "$pid"
wait "$pid"
pid=""
rm -f "$game/Default.qeg"

start_game_with_box
kill -TERM "$pid"
deadline=$((SECONDS + 30))
while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "SIGTERM did not end the game while its message box was open"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the game ended with status $status after SIGTERM under the box"
[ -f "$game/Default.qeg" ] || fail "the game was not saved after SIGTERM under the box"
echo "SIGTERM under the open box ended the game at once, and it saved"
