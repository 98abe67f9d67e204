#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Settings-store benchmark: builds tools/storebench in the normal build and prints the start and close
# times of an ordinary store file against one of ~330,000 keys just under the 4 MB read cap. Fails when
# the big file takes half a second or more to start.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/build.ninja ] || cmake --preset normal >/dev/null
cmake --build build --target storebench --parallel 2 >/dev/null
build/tools/storebench
