#!/usr/bin/env bash
# Builds the browser and runs it. Arguments go to skyglass2 (one address or path).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
. scripts/env.sh
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKYGLASS_WERROR=ON >/dev/null
cmake --build "$BUILD_DIR" -j "$JOBS" --target skyglass2 skyglass2-data sg_data
exec "$BUILD_DIR/bin/skyglass2" "$@"
