#!/usr/bin/env bash
# The way into the house in a real window: the game starts on a virtual X display over the
# built game folder; a click on the title opens the story page, "Let's play!" goes into the
# dark room, a click on its lamp lights the bedroom. Each step waits until the screen shows
# it; the last screenshot (the bedroom) is kept. The game is then closed with the quit
# question answered Yes.
# Usage: house_smoke.sh <zorvik> <smoke_game_tool> <built game folder> <screenshot file>
set -euo pipefail
zorvik=$(realpath "$1")
tool=$(realpath "$2")
built=$(realpath "$3")
shot=$4
title="Brindle's House"
# Colours as the screen shows them: the title's night sky along its top edge, and one spot
# of the bedroom's door frame (view 435, 150) by day and in the dark room.
sky=161D42
door_by_day=8F6330
door_at_night=2B2B2B

# Runs on the virtual display.
play() {
    "$zorvik" &
    local pid=$! found="" left top scale
    for _ in $(seq 1 300); do
        if ! kill -0 "$pid" 2>/dev/null; then echo "the game ended before showing its title" >&2; return 1; fi
        xwd -root -silent > "$shot"
        found=$("$tool" find "$shot" "$sky" 500 || true)
        [ -n "$found" ] && break
        sleep 0.1
    done
    if [ -z "$found" ]; then echo "the title never showed" >&2; kill "$pid"; return 1; fi
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
        for _ in $(seq 1 100); do
            xwd -root -silent > "$shot"
            # shellcheck disable=SC2046
            if [ "$("$tool" pixel "$shot" $(at "$x" "$y") || true)" = "$colour" ]; then
                echo "$what is on screen"
                return 0
            fi
            sleep 0.1
        done
        echo "$what never showed" >&2
        return 1
    }

    click 257 161
    sleep 1.5
    click 427 300  # "Let's play!"
    wait_for 435 150 "$door_at_night" "the dark room" || { kill "$pid"; return 1; }
    sleep 1
    click 140 130  # the lamp
    wait_for 435 150 "$door_by_day" "the bedroom" || { kill "$pid"; return 1; }
    echo "screenshot of the bedroom in $shot"

    kill -TERM "$pid"
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
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then echo "the game did not end after Yes" >&2; kill -9 "$pid"; return 1; fi
    wait "$pid"
}

if [ "${5:-}" = --on-display ]; then
    play
    exit
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
game="$work/data/Kettlebrook/Zorvik"
mkdir -p "$game" "$work/desktop" "$work/runtime"
chmod 700 "$work/runtime"
cp -r "$built/dat" "$game/dat"
export ZORVIK_DATA_DIR="$work/data" ZORVIK_DESKTOP_DIR="$work/desktop" XDG_RUNTIME_DIR="$work/runtime"
export HOME="$work" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy
xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$1" "$2" "$3" "$shot" --on-display
