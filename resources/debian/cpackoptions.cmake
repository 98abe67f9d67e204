# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack when it makes the packages (CPACK_PROJECT_CONFIG_FILE), after a version given on its
# command line (cpack -D CPACK_PACKAGE_VERSION=...), so the packages of one run always name each other
# at the version they carry.
set(CPACK_DEBIAN_WEBVIEW_PACKAGE_DEPENDS "quillbyte-arcade (= ${CPACK_PACKAGE_VERSION}), libqt6webenginecore6-bin")
