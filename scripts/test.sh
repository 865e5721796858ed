#!/usr/bin/env bash
# Builds everything and runs every test: core tests without a display, window and
# end-to-end tests under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
. scripts/env.sh
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKYGLASS_WERROR=ON >/dev/null
cmake --build "$BUILD_DIR" -j "$JOBS"
xvfb-run -a -s "-screen 0 1600x1000x24" \
  ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$JOBS" --timeout 300
