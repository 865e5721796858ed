#!/usr/bin/env bash
# The Release build (as a package is built) with the benchmarks, which are compiled here so
# that they keep building but not run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
. scripts/env.sh
dir=build-release
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSKYGLASS_WERROR=ON \
  -DSKYGLASS_TESTS=OFF -DSKYGLASS_BENCH=ON >/dev/null
cmake --build "$dir" -j "$JOBS"
