#!/usr/bin/env bash
# The Release build with the benchmarks (compiled here so that they keep building, not run),
# and the Debian package made from it: build-release/skyglass2_<version>_<arch>.deb, which
# installs with `apt install ./build-release/skyglass2_*.deb`. The package is checked as it
# unpacks: its dependencies, its desktop entry and the unpacked program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh package
. scripts/env.sh
dir=build-release
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSKYGLASS_WERROR=ON \
  -DSKYGLASS_TESTS=OFF -DSKYGLASS_BENCH=ON >/dev/null
cmake --build "$dir" -j "$JOBS"
rm -f "$dir"/skyglass2_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/skyglass2_*.deb)

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -f "$deb" Depends | grep -q libqt6webenginewidgets6
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/skyglass2.desktop"
test -f "$root/usr/share/icons/hicolor/scalable/apps/skyglass2.svg"
test -f "$root/usr/share/skyglass2/Skyglass.ini"
"$root/usr/bin/skyglass2" --version
echo "package: $deb"
