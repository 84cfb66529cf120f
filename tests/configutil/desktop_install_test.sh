#!/usr/bin/env bash
# Runs the desktop install step into a private data folder and checks what it left.
# Usage: desktop_install_test.sh <install-desktop.sh> <build folder> <desktop-file-validate>
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
XDG_DATA_HOME="$work/share" HOME="$work" bash "$1" "$2" >/dev/null
entry="$work/share/applications/qel.desktop"
"$3" "$entry"
grep -qxF 'Icon=zorvik' "$entry" || { echo "no icon in the menu entry" >&2; exit 1; }
grep -qxF "Exec=\"$2/qel\"" "$entry" || { echo "the menu entry does not start $2/qel" >&2; cat "$entry" >&2; exit 1; }
for size in 48 128 256; do
  icon="$work/share/icons/hicolor/${size}x${size}/apps/zorvik.png"
  [ -s "$icon" ] || { echo "no $size pixel icon" >&2; exit 1; }
  # Width and height stand big-endian at bytes 16 to 23 of a PNG.
  dims=$(od -An -tx1 -j16 -N8 "$icon" | tr -d ' \n')
  [ "$dims" = "$(printf '%08x%08x' "$size" "$size")" ] || { echo "icon $size is $dims" >&2; exit 1; }
done
echo "menu entry and icons installed"
