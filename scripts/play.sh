#!/usr/bin/env bash
# Installs what is missing, builds the programs and the content, installs the game folder
# where the programs look for it, and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
# The game folder the programs look in (see "Folders" in the README); the built content goes
# into its dat/ folder with its file times kept, so the record files stay newer than their texts.
game_folder="${ZORVIK_DATA_DIR:-${XDG_DATA_HOME:-$HOME/.local/share}}/Kettlebrook/Zorvik"
mkdir -p "$game_folder/dat"
cp -R --preserve=timestamps build/default/game/dat/. "$game_folder/dat/"
if [[ ! -x build/default/zorvik ]]; then
  echo "The game is not built yet: the foundation library and its tests are built; the game program comes with the next changes."
  exit 0
fi
exec build/default/zorvik "$@"
