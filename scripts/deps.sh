#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Usage: scripts/deps.sh [run|test|fuzz|format|package]
set -euo pipefail

need=(g++ cmake ninja-build pkg-config python3 qt6-base-dev qt6-webengine-dev
  qt6-multimedia-dev qt6-qpa-plugins libgl-dev libglx-dev libopengl-dev fonts-dejavu-core)
case "${1:-run}" in
  # The real-process tests drive the program from outside under openbox and read its
  # windows' texts through the accessibility bus.
  test) need+=(googletest libgtest-dev libgmock-dev xvfb xauth openbox wmctrl xdotool x11-utils
    dbus-daemon at-spi2-core python3-pyatspi desktop-file-utils) ;;
  fuzz) need+=(clang-14 libclang-rt-14-dev googletest libgtest-dev libgmock-dev) ;;
  format) need=(clang-format git) ;;
  package) need+=(dpkg-dev desktop-file-utils) ;;
esac

missing=()
for p in "${need[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
# With the recommended packages: Qt's window-system plugins and codecs come that way.
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
