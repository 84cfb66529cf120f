#!/usr/bin/env bash
# Installs what is missing, builds the programs and the content, installs the game folder
# where the programs look for it, puts the game's icon and the utility's menu entry into
# the user's XDG data folder, and starts the game.
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
exec build/default/zorvik "$@"
