#!/usr/bin/env bash
# A parent's way through qel on a virtual X display: the Multi-user page, "Manage...", a
# new configuration name, "Save current configuration as new", Close, Close. Then the
# configuration file and its launcher must exist, the launcher must start the game with
# the name, and qel must have ended by itself.
# Usage: qel_parent_flow.sh <qel program>
set -euo pipefail
qel=$(realpath "$1")
main_title="Quorvel! Configuration Utility - Default"
manager_title="Brindle's House - Configuration File Manager"

# Upper-left corner of the window with that title, as "X Y".
window_origin() {
    xwininfo -name "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'
}
wait_for_window() {
    for _ in $(seq 1 100); do
        xwininfo -name "$1" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "no window \"$1\"" >&2
    return 1
}
# Clicks at a point given in coordinates of the window whose corner is "X Y".
click_at() {
    local origin
    read -r -a origin <<<"$1"
    xdotool mousemove $((origin[0] + $2)) $((origin[1] + $3)) click 1
    sleep 0.3
}

on_display() {
    "$qel" &
    local pid=$!
    wait_for_window "$main_title"
    # The caption changes with the configuration; the window stays where it is.
    local main manager
    main=$(window_origin "$main_title")
    click_at "$main" 340 19       # the "Multi-user" tab
    click_at "$main" 499 328      # "Manage..."
    wait_for_window "$manager_title"
    manager=$(window_origin "$manager_title")
    click_at "$manager" 80 250    # the new name
    xdotool type --delay 20 "Anna Maria"
    sleep 0.3
    click_at "$manager" 270 158   # "Save current configuration as new"
    click_at "$manager" 345 276   # "Close"
    xwininfo -name "Quorvel! Configuration Utility - Anna Maria" >/dev/null
    click_at "$main" 520 388      # "Close"
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then echo "qel did not close" >&2; kill "$pid"; return 1; fi
    wait "$pid"
}

if [ "${2:-}" = --on-display ]; then
    on_display
    exit
fi

source "$(dirname "$0")/private_session.sh"
make_private_folders
server=""
trap '[ -n "$server" ] && kill -9 "$server" 2>/dev/null; rm -rf "$work"' EXIT
export ZORVIK_PROGRAM_DIR="$work/program"
# A game program where the launchers point, so qel has no warning to give.
mkdir -p "$work/program"
printf '#!/bin/sh\n' >"$work/program/zorvik"
chmod +x "$work/program/zorvik"
run_on_own_display bash "$0" "$qel" --on-display

config="$work/data/Kettlebrook/Zorvik/Anna Maria.qel"
launcher="$work/desktop/Zorvik for Anna Maria.desktop"
[ -f "$config" ] || { echo "no configuration file" >&2; exit 1; }
[ -x "$launcher" ] || { echo "no executable launcher" >&2; exit 1; }
desktop-file-validate "$launcher"
grep -qxF "Exec=\"$work/program/zorvik\" \"Anna Maria\"" "$launcher" || { cat "$launcher" >&2; exit 1; }
echo "a parent saved \"Anna Maria\" and got its launcher"
