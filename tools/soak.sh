#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Long soak under AddressSanitizer and UndefinedBehaviorSanitizer: builds the sanitizer configuration,
# plays [games] games per engine with the soak bots (10000 by default), then runs every libFuzzer target
# for ARCADE_SOAK_FUZZ_SECONDS seconds each (300 by default). A failing game prints its seed and the
# command that replays it; a fuzzer's crashing input is left in build-asan/tests/fuzz/ — copy it into
# tests/fuzz/corpus/<target without fuzz_>/ so every later test run replays it.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh

games=${1:-10000}
fuzz_seconds=${ARCADE_SOAK_FUZZ_SECONDS:-300}

arcade_install_missing clang libclang-rt-14-dev || exit 1
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

{ cmake --preset sanitizer >/dev/null && cmake --build --preset sanitizer --parallel "$(nproc)"; } || exit 1

status=0
for bot in soak_zephlon soak_quadrelle soak_vantorel; do
  echo "== $bot: $games games =="
  "build-asan/tests/soak/$bot" "$games" || status=1
done

for target in build-asan/tests/fuzz/fuzz_*; do
  [ -x "$target" ] && [ -f "$target" ] || continue
  name=$(basename "$target")
  corpus=tests/fuzz/corpus/${name#fuzz_}
  work=build-asan/tests/fuzz/$name-corpus
  mkdir -p "$work"
  echo "== $name: $fuzz_seconds s =="
  "$target" -max_total_time="$fuzz_seconds" -timeout=10 -artifact_prefix="build-asan/tests/fuzz/$name-" \
    "$work" "$corpus" || status=1
done
exit $status
