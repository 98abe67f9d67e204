#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running one game needs, builds that game's program only, and starts it:
#   ./play.sh [zephlon|quadrelle|vantorel] [program options, such as --version]
# The build folder is build/ (ARCADE_BUILD_DIR chooses another); it is configured as a games-only build,
# without the score server and the tests, so it needs none of their packages. Quadrelle's browser plugin
# is built only when Qt WebEngine's development files are installed already (./test.sh and ./install.sh
# install them); without it Quadrelle plays as usual and says the browser is missing.
set -euo pipefail
cd "$(dirname "$0")"
source tools/common.sh

game=${1:-zephlon}
case "$game" in
  zephlon|quadrelle|vantorel) ;;
  *) echo "usage: $0 [zephlon|quadrelle|vantorel] [program options]" >&2; exit 2 ;;
esac
[ $# -gt 0 ] && shift

dir=${ARCADE_BUILD_DIR:-build}
arcade_install_packages "${ARCADE_GAME_PACKAGES[@]}"
arcade_build_game "$dir" "$game"
exec "$dir/$game/$game" "$@"
