#!/usr/bin/env bash
# Set-up, build and run in one step on Debian 12.
#   scripts/norvane.sh run    install what is missing, build, start the program
#   scripts/norvane.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")/.."

# Real package names only: dpkg never reports a virtual package (libqt6charts6-dev) as
# installed, and Qt Charts' CMake package needs the Qt OpenGL development files, which apt
# only recommends.
packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev
  libcurl4-openssl-dev libblkid-dev libsystemd-dev libsodium-dev
  libgtest-dev libcpp-httplib-dev minisign python3
  fonts-noto-cjk qt6-translations-l10n
  xvfb xauth
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Missing Debian packages; install them as root, then run this again: apt-get install ${missing[*]}" >&2
      exit 1
    fi
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build --parallel "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing
    build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      exec xvfb-run -a -s '-screen 0 1280x800x24' build/norvane
    fi
    exec build/norvane
    ;;
  test)
    install_missing
    build
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
