#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs the whole test suite headless: a formatting check, a normal build,
# then the same suite under AddressSanitizer and UndefinedBehaviorSanitizer (clang), where the fuzz targets run
# with libFuzzer. Both builds are the presets of CMakePresets.json, with warnings as errors.
set -uo pipefail
cd "$(dirname "$0")"
source tools/common.sh
source tools/pulseaudio.sh

arcade_install_missing clang clang-format libclang-rt-14-dev desktop-file-utils appstream dpkg-dev lintian groff-base \
  man-db postgresql chromium pulseaudio pulseaudio-utils sox || exit 1
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
jobs=$(nproc)

status=0
echo "== licence lines (tools/checklicence.sh) =="
tools/checklicence.sh || status=1
echo "== formatting (.clang-format) =="
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror; then
  echo "Some sources are not formatted: run clang-format -i on the files above." >&2
  status=1
fi

# run_preset <preset>: configure, build and test one preset; a failed step fails the run.
run_preset() {
  cmake --preset "$1" >/dev/null && cmake --build --preset "$1" --parallel "$jobs" &&
    ctest --preset "$1" --parallel "$jobs"
}

# An audio server with a null sink for the whole run, stopped when the run ends: the programs find an audio
# output as on a desktop, and the real playback path runs. Tests of the case without one point themselves
# at no server (NO_AUDIO in tests/CMakeLists.txt).
trap arcade_pulse_stop EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
trap 'exit 129' HUP
echo "== audio server (PulseAudio, null sink) =="
arcade_pulse_start || exit 1

echo "== normal build =="
run_preset normal || status=1

# Leak checking stays off under the sanitizers (see the preset): the system's font and GL libraries keep
# allocations for the process's life.
echo "== sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer, libFuzzer) =="
run_preset sanitizer || status=1
exit $status
