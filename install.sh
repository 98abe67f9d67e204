#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages and installs the games with Quadrelle's web view (launchers, icons, manual
# pages); the score server's package is built beside them, for who wants it (see the README):
#   ./install.sh          (remove again with: sudo apt-get remove quillbyte-arcade quillbyte-arcade-webview)
set -euo pipefail
cd "$(dirname "$0")"
source tools/common.sh

arcade_install_missing dpkg-dev
arcade_build_target build package_files
rm -rf build/package
(cd build && cpack -G DEB -B package)
debs=("$PWD"/build/package/quillbyte-arcade_*.deb "$PWD"/build/package/quillbyte-arcade-webview_*.deb)
arcade_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall "${debs[@]}"
echo "Installed $(basename -a "${debs[@]}" | tr '\n' ' ')"
echo "Zephlon, Quadrelle and Vantorel are in the application menu."
