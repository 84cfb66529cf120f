#!/usr/bin/env bash
# Starts qel on a virtual X display with private folders, checks that its window shows,
# saves a screenshot, checks that a second copy raises the first and ends without a window
# of its own, and closes the window.
# Usage: qel_smoke.sh <qel program> <screenshot file>
set -euo pipefail
qel=$(realpath "$1")
shot=$2
title="Quorvel! Configuration Utility - Default"

# Runs on the virtual display.
check_window() {
    "$qel" &
    local pid=$! shown=no
    for _ in $(seq 1 100); do
        if xwininfo -root -tree | grep -qF "\"$title\""; then shown=yes; break; fi
        if ! kill -0 "$pid" 2>/dev/null; then echo "qel ended before showing its window" >&2; return 1; fi
        sleep 0.1
    done
    if [ "$shown" != yes ]; then echo "no window \"$title\"" >&2; kill "$pid"; return 1; fi
    sleep 0.5
    xwd -root -silent > "$shot"

    # Another window covers qel; a second copy must bring the first to the top and end.
    # xwininfo lists the top-most window first.
    xmessage -geometry 640x480+0+0 "cover" &
    local cover=$!
    for _ in $(seq 1 50); do
        xwininfo -root -children | grep -qF '"xmessage"' && break
        sleep 0.1
    done
    if ! timeout 10 "$qel"; then echo "the second copy did not end cleanly" >&2; kill "$pid" "$cover"; return 1; fi
    local top=""
    for _ in $(seq 1 50); do
        top=$(xwininfo -root -children | grep -E '"(xmessage|Quorvel! Configuration Utility - Default)"' | head -n 1)
        case "$top" in *Quorvel*) break ;; esac
        sleep 0.1
    done
    kill "$cover"
    case "$top" in *Quorvel*) ;; *) echo "the second copy did not raise the first" >&2; kill "$pid"; return 1 ;; esac
    local windows
    windows=$(xwininfo -root -tree | grep -cF "\"$title\"" || true)
    if [ "$windows" -ne 1 ]; then echo "expected one window, found $windows" >&2; kill "$pid"; return 1; fi
    if ! kill -0 "$pid" 2>/dev/null; then echo "the first copy ended" >&2; return 1; fi

    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

if [ "${3:-}" = --on-display ]; then
    check_window
    exit
fi

source "$(dirname "$0")/private_session.sh"
make_private_folders
server=""
trap '[ -n "$server" ] && kill -9 "$server" 2>/dev/null; rm -rf "$work"' EXIT
run_on_own_display bash "$0" "$qel" "$shot" --on-display

# A screenshot of a 1024x768 screen in 24-bit colour is well over a megabyte.
size=$(stat -c %s "$shot")
if [ "$size" -lt 1000000 ]; then echo "screenshot too small: $size bytes" >&2; exit 1; fi
echo "qel showed its window; screenshot in $shot"
