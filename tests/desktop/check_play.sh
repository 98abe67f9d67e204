#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ./play.sh vantorel into a new build folder: it installs only the games' packages, configures a
# games-only build (no score server, no tests), builds Vantorel's program and the libraries it links and
# nothing else (read from the build's log), and starts it (--version, and a short headless start).
#   check_play.sh <source folder> <scratch folder>
set -uo pipefail
source_dir=$(cd "$1" && pwd)
mkdir -p "$2"
dir=$(cd "$2" && pwd)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
rm -rf "$dir"
mkdir -p "$dir"
trap 'rm -rf "$dir"' EXIT

# What play.sh installs: what the games need, and none of the tests', the browser's or the server's.
source "$source_dir/tools/common.sh"
for pkg in "${ARCADE_GAME_PACKAGES[@]}"; do
  case "$pkg" in
    clang* | libclang* | postgresql* | chromium* | qt6-webengine* | qt6-httpserver* | qt6-websockets* | \
      libqt6sql6* | pulseaudio* | sox | desktop-file-utils | appstream | lintian)
      fail "play.sh installs $pkg" ;;
  esac
done

said=$(ARCADE_BUILD_DIR="$dir" QT_QPA_PLATFORM=offscreen "$source_dir/play.sh" vantorel --version 2>"$dir.log")
status=$?
[ $status -eq 0 ] || { cat "$dir.log"; fail "./play.sh vantorel --version exits $status"; }
rm -f "$dir.log"
said=$(grep -m1 '^Vantorel ' <<<"$said")  # after the build's own output
[[ "$said" == "Vantorel "* ]] || fail "./play.sh vantorel --version says '$said'"

# The configuration has no score server and no tests, so it needs none of their packages.
grep -qx 'ARCADE_GAMES_ONLY:BOOL=ON' "$dir/CMakeCache.txt" || fail "play.sh did not configure a games-only build"
targets=$(ninja -C "$dir" -t targets all 2>/dev/null | cut -d: -f1)
grep -qE '(^|/)(quillbyte-scoreserver|tst_[a-z_]+|soak_[a-z]+|fuzz_[a-z]+)$' <<<"$targets" &&
  fail "the games-only build has server or test targets: $(grep -E '(quillbyte-scoreserver|tst_|soak_|fuzz_)[a-z_]*$' <<<"$targets" | head -3 | tr '\n' ' ')"
grep -q 'Qt6HttpServer_DIR\|Qt6Sql_DIR' "$dir/CMakeCache.txt" && fail "the games-only build looked for the server's Qt modules"

# Everything built belongs to Vantorel's program or a library it links.
built=$(awk -F'\t' 'NR > 1 { print $4 }' "$dir/.ninja_log" | sed "s|^$(cd "$dir" && pwd)/||" | sort -u)
[ -n "$built" ] || fail "the build log is empty"
others=$(grep -vE '^(frame|scores|web|dialogs|vantorel)/' <<<"$built" | grep -vE '^(build\.ninja|CMakeFiles/)')
[ -z "$others" ] || fail "built besides Vantorel: $(head -5 <<<"$others" | tr '\n' ' ')"
grep -qx 'vantorel/vantorel' <<<"$built" || fail "Vantorel's program was not built"
for lib in frame/libframe_core.a frame/libframe.a scores/libscores.a web/libweb.a dialogs/libdialogs.a \
  vantorel/libvantorel_lib.a; do
  grep -qx "$lib" <<<"$built" || fail "$lib was not built"
done
grep -q 'webengine' <<<"$built" && fail "the browser plugin was built for Vantorel"

# A short headless start: the program runs until it is asked to end.
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$dir/config" timeout -s TERM 5 "$dir/vantorel/vantorel" >/dev/null 2>&1
status=$?
[ $status -eq 124 ] || [ $status -eq 0 ] || fail "vantorel ended with $status in its first seconds"

[ $failures -eq 0 ] && echo "./play.sh vantorel built Vantorel's program and its libraries only, and started it"
exit $((failures > 0))
