#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game from its runnable tree.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -DBELGARUNE_TESTS=OFF -DBELGARUNE_BENCH=OFF >/dev/null
cmake --build build -j "$(nproc)"
cd build/game
if [ -z "${DISPLAY:-}" ]; then
  echo "No display: starting the game under a virtual X server."
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ./belgarune
fi
exec ./belgarune
