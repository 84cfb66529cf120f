#!/usr/bin/env bash
# Starts the game on a virtual X display, with SDL's dummy audio driver and private folders,
# over a small game folder whose title room is one colour. Waits until the play area shows
# the title picture, saves a screenshot, reports the game's CPU use while it idles, then
# asks the game to close as the window's close button does (SDL turns SIGTERM into the same
# quit request) and answers the quit question with Yes. The game must end cleanly and save.
# Usage: zorvik_smoke.sh <zorvik> <smoke_game_tool> <screenshot file> [idle seconds]
set -euo pipefail
zorvik=$(realpath "$1")
tool=$(realpath "$2")
shot=$3
idle=${4:-10}
title="Brindle's House"

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# Runs on the virtual display.
play() {
    local expected=$1
    "$zorvik" &
    local pid=$! window="" geometry shown=no
    for _ in $(seq 1 200); do
        if ! kill -0 "$pid" 2>/dev/null; then echo "the game ended before showing its window" >&2; return 1; fi
        window=$(xwininfo -root -tree | awk -v t="\"$title\":" '$0 ~ t {print $1; exit}')
        if [ -n "$window" ]; then
            geometry=$(xwininfo -id "$window")
            local left top width height
            left=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
            top=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
            width=$(awk '/Width:/ {print $2}' <<<"$geometry")
            height=$(awk '/Height:/ {print $2}' <<<"$geometry")
            # The middle of the window lies inside the play area in every layout.
            xwd -root -silent > "$shot"
            if [ "$("$tool" pixel "$shot" $((left + width / 2)) $((top + height / 2)) || true)" = "$expected" ]; then
                shown=yes
                break
            fi
        fi
        sleep 0.1
    done
    if [ "$shown" != yes ]; then echo "the play area never showed the title picture" >&2; kill "$pid"; return 1; fi
    echo "the title room is on screen; screenshot in $shot"

    local before after
    before=$(ticks "$pid")
    sleep "$idle"
    after=$(ticks "$pid")
    echo "CPU while idling in the title room: $(( (after - before) * 100 / $(getconf CLK_TCK) / idle ))% of one core ($((after - before)) ticks in ${idle} s)"

    kill -TERM "$pid"
    # The quit question is a window of its own; Return answers its default button, Yes.
    local box=""
    for _ in $(seq 1 100); do
        box=$(xwininfo -root -tree | awk '/"Quorvel!"/ {print $1; exit}')
        [ -n "$box" ] && break
        sleep 0.1
    done
    if [ -z "$box" ]; then echo "closing did not ask the quit question" >&2; kill -9 "$pid"; return 1; fi
    sleep 0.3
    xdotool windowfocus "$box"
    xdotool key Return
    local status=0
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then echo "the game did not end after Yes" >&2; kill -9 "$pid"; return 1; fi
    wait "$pid" || status=$?
    if [ "$status" -ne 0 ]; then echo "the game ended with status $status" >&2; return 1; fi
}

if [ "${5:-}" = --on-display ]; then
    play "$6"
    exit
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
game="$work/data/Kettlebrook/Zorvik"
mkdir -p "$game" "$work/desktop" "$work/runtime"
chmod 700 "$work/runtime"
expected=$("$tool" make "$game")
export ZORVIK_DATA_DIR="$work/data" ZORVIK_DESKTOP_DIR="$work/desktop" XDG_RUNTIME_DIR="$work/runtime"
export HOME="$work" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy
xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$1" "$2" "$shot" "$idle" --on-display "$expected"
if [ ! -f "$game/Default.qeg" ]; then echo "the game was not saved at its end" >&2; exit 1; fi
echo "the game closed after the quit question and saved its game"
