#!/usr/bin/env bash
# Installs what is missing, builds the programs and the content, installs the game folder
# where the programs look for it, and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
if [[ ! -x build/default/zorvik ]]; then
  echo "The game is not built yet: the foundation library and its tests are built; the game program comes with the next changes."
  exit 0
fi
exec build/default/zorvik "$@"
