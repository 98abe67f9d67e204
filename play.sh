#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts a game: ./play.sh [zephlon|quadrelle|vantorel]
set -euo pipefail
cd "$(dirname "$0")"
source tools/common.sh

game=${1:-zephlon}
case "$game" in
  zephlon|quadrelle|vantorel) ;;
  *) echo "usage: $0 [zephlon|quadrelle|vantorel]" >&2; exit 2 ;;
esac

arcade_install_missing
arcade_build build
exec "build/$game/$game"
