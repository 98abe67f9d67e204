#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless: first a normal build, then the same
# suite under AddressSanitizer and UndefinedBehaviorSanitizer (clang), where the fuzz targets run with libFuzzer.
set -uo pipefail
cd "$(dirname "$0")"
source tools/common.sh

arcade_install_missing clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev groff-base man-db || exit 1
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

status=0
echo "== normal build =="
if arcade_build build; then
  ctest --test-dir build --output-on-failure --parallel "$(nproc)" || status=1
else
  status=1
fi

echo "== sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer, libFuzzer) =="
if CXX=clang++ arcade_build build-asan -DARCADE_SANITIZE=ON -DARCADE_FUZZ=ON; then
  # Leak checking stays off: the system's font and GL libraries keep allocations for the process's life.
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:detect_stack_use_after_return=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)" --label-exclude nosanitizer || status=1
else
  status=1
fi
exit $status
