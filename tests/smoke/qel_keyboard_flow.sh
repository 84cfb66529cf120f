#!/usr/bin/env bash
# A parent drives qel by keyboard alone (Tab, arrows, Space, Enter, Alt shortcuts) on a
# virtual X display with a window manager: the gift screen on, a recipient name added in
# the name dialog (Enter on an empty name must not lose what is typed next), the custom
# list chosen, a configuration with a very long name saved, the configuration saved as new
# under a name typed in small letters, the long one chosen in the list and deleted (its
# question must fit the screen),
# the boxes answered with Enter, both windows closed with Escape. Then the saved file must
# hold the settings and the desktop exactly one valid launcher that opens it.
# Usage: qel_keyboard_flow.sh <qel program>
set -euo pipefail
qel=$(realpath "$1")
main_title="Quorvel! Configuration Utility - Default"
manager_title="Brindle's House - Configuration File Manager"
long_name=$(printf 'k%.0s' $(seq 1 236))

active_name() { xdotool getactivewindow getwindowname 2>/dev/null || true; }
# Generous: on a busy machine the first window can take seconds (the printer list).
wait_active() {
    for _ in $(seq 1 300); do
        [ "$(active_name)" = "$1" ] && return 0
        sleep 0.1
    done
    echo "expected the window \"$1\" to have the focus, found \"$(active_name)\"" >&2
    return 1
}
keys() {
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.2
    done
}
type_text() {
    xdotool type --delay 5 "$1"
    sleep 0.2
}

on_display() {
    openbox --sm-disable &
    local wm=$!
    for _ in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    "$qel" &
    local pid=$!
    wait_active "$main_title"
    xprop -id "$(xdotool getactivewindow)" WM_CLASS | grep -qF '"qel"' || { echo "qel's window class is not qel" >&2; return 1; }

    keys Tab Right Tab space                  # the Gift page: "Begin With Gift Screen"
    keys Tab Tab Tab Right Right Tab Tab space  # out to the tabs, Presents, "Add name..."
    wait_active "Add Name"
    keys Return                               # an empty name: nothing happens
    [ "$(active_name)" = "Add Name" ] || { echo "Enter closed the empty name dialog" >&2; return 1; }
    type_text "Ben"
    keys Return
    wait_active "$main_title"
    keys Tab Tab Tab Tab space                # "Use Custom List"
    keys Tab Tab Right Right alt+m            # the tabs, Multi-user, "&Manage..."
    wait_active "$manager_title"

    keys alt+n
    type_text "$long_name"
    keys alt+a                                # "S&ave current configuration as new"
    wait_active "Desktop Shortcut"            # the game program is not in the program folder
    keys Return
    wait_active "$manager_title"

    keys alt+n ctrl+a
    type_text "emma"
    keys alt+a
    wait_active "Desktop Shortcut"
    keys Return
    wait_active "$manager_title"
    keys alt+c Down                           # the list: from Emma down to the long name
    keys alt+d                                # "&Delete selected configuration"
    wait_active "Configuration Manager - Confirm Deletion"
    local width
    width=$(xdotool getactivewindow getwindowgeometry | awk '/Geometry/ {split($2, size, "x"); print size[1]}')
    if [ "$width" -gt 700 ]; then echo "the deletion question is $width pixels wide" >&2; return 1; fi
    keys Return                               # Yes
    wait_active "$manager_title"

    keys Escape
    wait_active "Quorvel! Configuration Utility - Emma"
    keys Escape
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then echo "qel did not close" >&2; kill "$pid"; return 1; fi
    wait "$pid"
    kill "$wm"
    wait "$wm" 2>/dev/null || true
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
run_on_own_display bash "$0" "$qel" --on-display

game="$work/data/Kettlebrook/Zorvik"
config="$game/Emma.qel"
[ -f "$config" ] || { echo "no configuration file Emma.qel:" >&2; ls "$game" >&2; exit 1; }
# Magic, version 2, then the gift screen flag; after the 15-character label (4 + 30 bytes)
# and the 13 tags comes the default-list flag, at byte 56.
[ "$(od -An -tx1 -j8 -N1 "$config" | tr -d ' ')" = 01 ] || { echo "the gift screen was not saved" >&2; exit 1; }
[ "$(od -An -tx1 -j56 -N1 "$config" | tr -d ' ')" = 00 ] || { echo "the custom list was not saved" >&2; exit 1; }
tr -d '\0' <"$config" | grep -q Ben || { echo "the name Ben was not saved" >&2; exit 1; }
[ ! -e "$game/$long_name.qel" ] || { echo "the long configuration was not deleted" >&2; exit 1; }

launchers=$(ls "$work/desktop")
[ "$launchers" = "Zorvik for Emma.desktop" ] || { echo "launchers on the desktop: $launchers" >&2; exit 1; }
launcher="$work/desktop/Zorvik for Emma.desktop"
[ -x "$launcher" ] || { echo "the launcher is not executable" >&2; exit 1; }
desktop-file-validate "$launcher"
grep -qxF "Exec=\"$work/program/zorvik\" \"Emma\"" "$launcher" || { cat "$launcher" >&2; exit 1; }
grep -qxF "Icon=zorvik" "$launcher" || { echo "the launcher has no icon" >&2; exit 1; }
echo "a parent set up \"emma\" by keyboard and got one launcher for Emma"
