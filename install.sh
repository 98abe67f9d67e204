#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the three games and installs it, with launchers, icons and manual pages:
#   ./install.sh          (remove again with: sudo apt-get remove quillbyte-arcade)
set -euo pipefail
cd "$(dirname "$0")"
source tools/common.sh

arcade_install_missing dpkg-dev
arcade_build build
rm -rf build/package
(cd build && cpack -G DEB -B package)
deb=$(ls "$PWD"/build/package/quillbyte-arcade_*.deb)
arcade_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall "$deb"
echo "Installed $(basename "$deb"): Zephlon, Quadrelle and Vantorel are in the application menu."
