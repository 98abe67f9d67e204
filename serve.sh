#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the score server and starts it on localhost:8080 with SQLite:
#   ./serve.sh [quillbyte-scoreserver options]     e.g. ./serve.sh --base-path /arcade
# The records go to ~/.local/share/quillbyte-scoreserver/scores.db; Ctrl+C stops the server.
set -euo pipefail
cd "$(dirname "$0")"
source tools/common.sh

arcade_install_missing
arcade_build_target build quillbyte-scoreserver
exec build/scoreserver/quillbyte-scoreserver "$@"
