#!/usr/bin/env bash
# Builds and runs every test: the normal build, the AddressSanitizer + UndefinedBehaviorSanitizer
# build, and the fuzz targets for a short bounded time on their seed corpora.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

for preset in default asan; do
  echo "=== $preset build ==="
  cmake --preset "$preset" -DZORVIK_WERROR=ON >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset"
done

echo "=== fuzz targets ==="
cmake --preset fuzz -DZORVIK_WERROR=ON >/dev/null
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz
