#!/usr/bin/env bash
# Installs every Debian package the build, the tests, the demo and the benchmarks need.
# Does nothing when all are present, so the two commands of README.md can call it every time.
set -euo pipefail

packages=(
  # cross toolchain and build
  cmake ninja-build pkg-config g++ g++-mingw-w64-x86-64-posix mingw-w64 mingw-w64-tools googletest
  # running the program and its tests
  wine wine64 xvfb xauth x11-utils x11-apps xdotool imagemagick
  # fonts for every text set (Korean, Chinese, Thai, Greek, Cyrillic)
  fonts-noto-cjk fonts-noto-core fonts-dejavu-core fonts-tlwg-loma-ttf fontconfig
  # the stand-in update service
  libcpp-httplib-dev libsqlite3-dev sqlite3
  # artwork, test servers, benchmarks
  python3 python3-pil curl procps time
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}" >&2
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
