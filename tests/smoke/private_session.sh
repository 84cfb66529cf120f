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

# A display server of our own: the server picks a free display number and tells it. Servers
# started side by side pick their numbers one at a time: with several picking at once, now and
# then one display stopped answering new programs or went away under them. Nor must a server
# reset when its last client leaves.
start_server() {
    local fifo="$work/displayfd"
    rm -f "$fifo"
    mkfifo "$fifo"
    local picking
    exec {picking}>"${TMPDIR:-/tmp}/zorvik-smoke-display.lock"
    flock "$picking"
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" {picking}>&- 2>"$work/xvfb.log" &
    server=$!
    local number
    read -r -t 30 number <"$fifo" || fail "the virtual display did not start"
    exec {picking}>&-
    export DISPLAY=":$number"
}

# Runs a command on a display server of its own that ends with it.
run_on_own_display() {
    start_server
    local status=0
    "$@" || status=$?
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null || true
    server=""
    return "$status"
}
