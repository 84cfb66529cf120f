#!/usr/bin/env bash
# Both programs started where there is no display at all (a console, a remote shell): each
# must end by itself at once, with a non-zero status and a message on standard error that
# says it found no display, never running unseen. The game, over a complete game folder,
# takes no single-instance lock and writes no saved game.
# Usage: no_display.sh <zorvik> <qel> <smoke_game_tool>
set -uo pipefail
zorvik=$(realpath "$1")
qel=$(realpath "$2")
tool=$(realpath "$3")
limit=60  # seconds; far beyond a refusal, even in a sanitizer build

source "$(dirname "$0")/private_session.sh"
game_smoke_session
failed_shot="$work/no-screenshot.xwd"

# Runs the program without any display and checks that it refused to start.
refuses() {
    local name=$1 program=$2 deadline status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$program" 2>"$work/$name.err" &
    pid=$!
    deadline=$((SECONDS + limit))
    while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "$name was still running $limit s after a start without a display"
    wait "$pid" || status=$?
    pid=""
    cat "$work/$name.err" >&2
    [ "$status" -ne 0 ] || fail "$name ended with status 0 without a display"
    grep -q "no display" "$work/$name.err" || fail "$name did not say that it found no display"
    if grep -q "Can't open display" "$work/$name.err"; then fail "$name left the toolkit's bare message"; fi
    echo "$name refused to start without a display (status $status)"
}

"$tool" make "$game" >/dev/null
refuses zorvik "$zorvik"
[ -e "$work/runtime/zorvik.lock" ] && fail "the game took its single-instance lock without a display"
[ -e "$game/Default.qeg" ] && fail "the game wrote a saved game without a display"
echo "the game took no lock and wrote no saved game"
refuses qel "$qel"
