#!/usr/bin/env bash
# Formats every C++ file of the project with clang-format (.clang-format); with --check it
# changes nothing and fails when a file is not formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh format
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run --Werror "${files[@]}"
  echo "clang-format: ${#files[@]} files formatted"
else
  clang-format -i "${files[@]}"
fi
