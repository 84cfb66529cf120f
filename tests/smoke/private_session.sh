# Sourced by the smoke tests. A run of a real program must never touch the user's own game
# folder, desktop or settings, and runs side by side must not share a display.

# Makes $work, a private home holding an empty game folder, a desktop and a runtime folder,
# and points the programs' folder variables at it. The caller removes $work at exit.
make_private_folders() {
    work=$(mktemp -d)
    mkdir -p "$work/data/Kettlebrook/Zorvik" "$work/desktop" "$work/runtime"
    chmod 700 "$work/runtime"
    export ZORVIK_DATA_DIR="$work/data" ZORVIK_DESKTOP_DIR="$work/desktop" XDG_RUNTIME_DIR="$work/runtime"
    export HOME="$work" XDG_CONFIG_HOME="$work/config"
}

# The game's smoke tests: the game ($pid) and the display server ($server) never outlive the
# test, and a failure keeps the last screenshot as $failed_shot.
game_smoke_session() {
    make_private_folders
    game="$work/data/Kettlebrook/Zorvik"
    export SDL_AUDIODRIVER=dummy
    server=""
    pid=""
    trap game_smoke_cleanup EXIT
}
game_smoke_cleanup() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    [ -n "$server" ] && kill -9 "$server" 2>/dev/null
    rm -rf "$work"
}
fail() {
    echo "$1" >&2
    [ -f "$work/shot.xwd" ] && [ -n "${failed_shot:-}" ] && cp "$work/shot.xwd" "$failed_shot" && echo "last screenshot in $failed_shot" >&2
    # A PNG beside it where the caller has the game's smoke tool, to look at.
    [ -f "${failed_shot:-}" ] && [ -n "${tool:-}" ] && "$tool" png "$failed_shot" "${failed_shot%.xwd}.png" 2>/dev/null
    exit 1
}

# A display server of our own: the server picks a free display number and tells it.
start_server() {
    local fifo="$work/displayfd"
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>"$work/xvfb.log" &
    server=$!
    local number
    read -r -t 30 number <"$fifo" || fail "the virtual display did not start"
    export DISPLAY=":$number"
}

# Runs a command on a display server of its own that ends with it. The server itself tells
# its number once it takes connections, so there is no number to race for and no moment
# when the display exists but cannot be opened.
run_on_own_display() {
    start_server
    local status=0
    "$@" || status=$?
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null || true
    server=""
    return "$status"
}
