# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by play.sh, test.sh, install.sh and serve.sh: install what is missing on Debian, then configure
# and build.
# shellcheck shell=bash

# What building and running the three games needs (./play.sh installs only these).
ARCADE_GAME_PACKAGES=(
  cmake ninja-build ccache g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev zlib1g-dev
  qt6-qpa-plugins fonts-dejavu-core
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libsdl2-dev
)
# Everything else a full build needs: Quadrelle's browser plugin and the score server.
ARCADE_PACKAGES=(
  "${ARCADE_GAME_PACKAGES[@]}"
  qt6-webengine-dev
  qt6-httpserver-dev qt6-websockets-dev libqt6sql6-sqlite libqt6sql6-psql
  python3
  at-spi2-core python3-pyatspi dbus-daemon xvfb xauth
)

# arcade_install_missing [packages...]: the full build's packages and the ones named.
arcade_install_missing() {
  arcade_install_packages "${ARCADE_PACKAGES[@]}" "$@"
}

# arcade_install_packages <packages...>: installs those of them that are missing.
arcade_install_packages() {
  local missing=() pkg
  for pkg in "$@"; do
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

# arcade_configure <build dir> <ON|OFF>: configures the folder as a games-only build (ON: no score server,
# no tests) or a full one (OFF), again when it was configured the other way.
arcade_configure() {
  local dir=$1 games_only=$2
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DARCADE_GAMES_ONLY="$games_only"
  elif ! grep -qx "ARCADE_GAMES_ONLY:BOOL=$games_only" "$dir/CMakeCache.txt"; then
    cmake -S . -B "$dir" -DARCADE_GAMES_ONLY="$games_only" >/dev/null
  fi
}

# arcade_build_target <build dir> <targets...>: a full build's configuration, and those targets only.
arcade_build_target() {
  local dir=$1
  shift
  arcade_configure "$dir" OFF
  cmake --build "$dir" --parallel "$(nproc)" --target "$@"
}

# arcade_build_game <build dir> <game>: a games-only configuration, and that game's program only (with
# the libraries it links).
arcade_build_game() {
  arcade_configure "$1" ON
  cmake --build "$1" --parallel "$(nproc)" --target "$2"
}
