# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by play.sh and test.sh: install what is missing on Debian, then configure and build.
# shellcheck shell=bash

ARCADE_PACKAGES=(
  cmake ninja-build ccache g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-webengine-dev
  qt6-qpa-plugins fonts-dejavu-core
  qt6-httpserver-dev qt6-websockets-dev libqt6sql6-sqlite libqt6sql6-psql
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n python3
  at-spi2-core python3-pyatspi dbus-daemon xvfb xauth
)

arcade_install_missing() {
  local missing=() pkg
  for pkg in "${ARCADE_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  arcade_as_root apt-get update -qq
  arcade_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Runs a command as root: directly when we are root, through sudo otherwise.
arcade_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# arcade_build <build dir> [extra cmake arguments...]
arcade_build() {
  local dir=$1
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  fi
  cmake --build "$dir" --parallel "$(nproc)"
}

# arcade_build_target <build dir> <target>: configures when needed and builds one target only.
arcade_build_target() {
  local dir=$1
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$dir" --target "$2" --parallel "$(nproc)"
}
