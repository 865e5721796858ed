#!/usr/bin/env bash
# Builds every reader's libFuzzer target with clang and runs each for a short while
# (FUZZ_SECONDS, default 20) from its checked-in seed inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh fuzz
dir=build-fuzz
CXX=clang++-14 cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSKYGLASS_CORE_ONLY=ON -DSKYGLASS_FUZZ=ON -DSKYGLASS_TESTS=OFF -DSKYGLASS_WERROR=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" >/dev/null
cmake --build "$dir" -j "$(nproc)"
for target in "$dir"/bin/*_fuzz; do
  name=$(basename "$target")
  work=$(mktemp -d)
  seeds=fuzz/corpus/${name%_fuzz}
  [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
  echo "== $name"
  "$target" -max_total_time="${FUZZ_SECONDS:-20}" -print_final_stats=0 "$work" 2>&1 | tail -n 2
  rm -rf "$work"
done
