#!/usr/bin/env bash
# Installs the game's icon and the utility's menu entry for this user, from a build folder:
#   <data>/icons/hicolor/<size>/apps/zorvik.png   the icon the launchers of qel show
#   <data>/applications/qel.desktop               qel in the desktop's menu
# <data> is $XDG_DATA_HOME, else ~/.local/share.
# Usage: install-desktop.sh <build folder>
set -euo pipefail
built="$1/desktop"
if [[ ! -f "$built/applications/qel.desktop" || ! -d "$built/icons/hicolor" ]]; then
  echo "No desktop files in $1: build it first." >&2
  exit 1
fi
data=${XDG_DATA_HOME:-$HOME/.local/share}
mkdir -p "$data/icons" "$data/applications"
cp -R "$built/icons/hicolor" "$data/icons/"
install -m 644 "$built/applications/qel.desktop" "$data/applications/qel.desktop"
# Menus and icon caches notice new files by the folders' times.
touch "$data/icons/hicolor" "$data/applications"
if command -v update-desktop-database >/dev/null; then update-desktop-database -q "$data/applications" || true; fi
echo "Menu entry and icon installed under $data"
