#!/usr/bin/env bash
# Installs what is missing, builds the programs and the content, installs the game folder
# where the programs look for it, puts the game's icon and the utility's menu entry into
# the user's XDG data folder, and starts the game. Where there is no display (a console, a
# remote shell) it does all of that but the start, says how to start the game from a
# desktop session, and ends with status 2.
#
# The game folder is <data>/Kettlebrook/Zorvik, <data> being $ZORVIK_DATA_DIR, else
# $XDG_DATA_HOME, else ~/.local/share (see README, Folders). Its dat folder is replaced by
# the one just built; the children's configurations and saved games beside it are kept.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

built=build/default/game/dat
if [[ ! -x build/default/zorvik || ! -f "$built/Zorvik.ac8" || ! -f "$built/QEstart.ac8" ]]; then
  echo "The game's content is not complete yet: nothing to install in the game folder." >&2
  exit 1
fi

data=${ZORVIK_DATA_DIR:-${XDG_DATA_HOME:-$HOME/.local/share}}
game="$data/Kettlebrook/Zorvik"
mkdir -p "$game"
# Built next to the old one and swapped in, so a failed copy never leaves half a folder.
rm -rf "$game/dat.new"
cp -R --preserve=timestamps "$built" "$game/dat.new"  # record files stay newer than their texts
rm -rf "$game/dat.old"
if [[ -d "$game/dat" ]]; then mv "$game/dat" "$game/dat.old"; fi
mv "$game/dat.new" "$game/dat"
rm -rf "$game/dat.old"
echo "Game folder: $game"
bash scripts/install-desktop.sh build/default
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  cat >&2 <<EOF
The game is built and installed, ready to play. It needs a graphical desktop, and there is
no display here (DISPLAY and WAYLAND_DISPLAY are not set), so it was not started.
To play, log in to a desktop session and run, in a terminal there:
  $PWD/build/default/zorvik
or start "$PWD/scripts/play.sh" again from there.
EOF
  exit 2
fi
exec build/default/zorvik "$@"
