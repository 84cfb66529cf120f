#!/usr/bin/env bash
# Starts the game in a real (virtual X) window over a built game folder, pinned to one core,
# and reports: the times of the first presents since process start (through a preloaded
# probe), the resident memory and thread count after a few idle seconds, the CPU the idle
# game uses, and the system calls that open the main library.
# Usage: measure_real_window.sh <zorvik> <game dat folder> [runs] [extra game arguments...]
# Run it under xvfb-run (DISPLAY set). Repeats `runs` times; take the medians.
set -euo pipefail
zorvik=$(realpath "$1")
dat=$(realpath "$2")
runs=${3:-5}
shift 3 || true
here=$(dirname "$(realpath "$0")")
probe=$(mktemp -d)/probe.so
cc -shared -fPIC -O2 -o "$probe" "$here/first_present_probe.c" -ldl
core=${ZORVIK_PROBE_CORE:-3}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
game="$work/data/Kettlebrook/Zorvik"
mkdir -p "$game" "$work/desktop" "$work/runtime"
chmod 700 "$work/runtime"
cp -r "$dat" "$game/dat"
export ZORVIK_DATA_DIR="$work/data" ZORVIK_DESKTOP_DIR="$work/desktop" XDG_RUNTIME_DIR="$work/runtime"
export HOME="$work" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

for run in $(seq 1 "$runs"); do
    ZORVIK_PROBE_T0=$EPOCHREALTIME LD_PRELOAD="$probe" taskset -c "$core" "$zorvik" "$@" 2> "$work/err" &
    pid=$!
    sleep 3
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    threads=$(awk '/Threads/ {print $2}' "/proc/$pid/status")
    t1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep 5
    t2=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    kill -9 "$pid"; wait "$pid" 2>/dev/null || true
    echo "run $run: $(grep present "$work/err" | sed 's/present //' | tr '\n' ' ')| RSS ${rss} kB, ${threads} threads, idle CPU $((t2 - t1)) ticks in 5 s"
done
if command -v strace >/dev/null; then
    ZORVIK_PROBE_T0=$EPOCHREALTIME strace -f -e trace=openat,lseek,read,close -o "$work/trace" "$zorvik" "$@" 2>/dev/null &
    pid=$!
    sleep 4
    kill -9 "$pid"; wait "$pid" 2>/dev/null || true
    fd=$(grep 'Zorvik.ac8' "$work/trace" | grep -o '= [0-9]*$' | head -1 | tr -d '= ')
    # Only the calls between the library's opening and the closing of that descriptor: the
    # number is free for other files afterwards.
    awk -v fd="$fd" '/Zorvik.ac8/ && !open {open = 1; next}
        open && index($0, "close(" fd ")") {exit}
        open && index($0, "lseek(" fd ",") {seeks++}
        open && index($0, "read(" fd ",") {reads++}
        END {printf "main library (fd %s): %d lseek, %d read calls\n", fd, seeks, reads}' "$work/trace"
fi
