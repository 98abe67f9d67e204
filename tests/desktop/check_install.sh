#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and builds the Debian package, then checks that both hold
# every file a desktop needs, that the launchers, metainfo files and manual pages pass their validators,
# and that each launcher starts its program.
#   check_install.sh <build folder>
set -uo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for tool in desktop-file-validate appstreamcli groff dpkg-deb cpack; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (./test.sh installs it)"; exit 1; }
done

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

# Width and height of a PNG file, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }

expected=(share/doc/quillbyte-arcade/copyright)
# Quadrelle's browser plugin, when the build has the engine: in the library folder the build chose.
plugin=
if [ -f "$build/quadrelle/quadrelle-webengine.so" ]; then
  libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
  plugin=${libdir:-lib}/quillbyte-arcade/quadrelle-webengine.so
  expected+=("$plugin")
  [ -f "$prefix/$plugin" ] || fail "$plugin was not installed"
fi
for game in zephlon quadrelle vantorel; do
  name=${game^}
  id=org.example.quillbyte.$name
  desktop=share/applications/$id.desktop
  metainfo=share/metainfo/$id.metainfo.xml
  expected+=(bin/$game "$desktop" "$metainfo" share/icons/hicolor/scalable/apps/$id.svg share/man/man6/$game.6.gz)
  for size in 16 22 32 48 64 128 256; do
    png=share/icons/hicolor/${size}x${size}/apps/$id.png
    expected+=("$png")
    [ -f "$prefix/$png" ] && [ "$(png_size "$prefix/$png")" != "${size}x${size}" ] &&
      fail "$png is $(png_size "$prefix/$png"), not ${size}x${size}"
  done
  for f in "${expected[@]}"; do [ -f "$prefix/$f" ] || fail "$f was not installed"; done
  [ -f "$prefix/$desktop" ] || continue

  desktop-file-validate "$prefix/$desktop" || fail "$desktop does not validate"
  appstreamcli validate --no-net --explain "$prefix/$metainfo" >"$work/as.log" 2>&1 ||
    { cat "$work/as.log"; fail "$metainfo does not validate"; }
  grep -qx "Icon=$id" "$prefix/$desktop" || fail "$desktop names another icon"
  grep -qx "StartupWMClass=$name" "$prefix/$desktop" || fail "$desktop names another window class"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/$metainfo" ||
    fail "$metainfo does not launch $id.desktop"
  grep -q "<binary>$game</binary>" "$prefix/$metainfo" || fail "$metainfo does not provide $game"
  grep -q "docs/screenshots/$game.png</image>" "$prefix/$metainfo" || fail "$metainfo lacks the screenshot"

  # The launcher's command starts the installed program (asked for its version: no display needed).
  exec_line=$(sed -n 's/^Exec=//p' "$prefix/$desktop")
  [ "$exec_line" = "$game" ] || fail "$desktop runs '$exec_line'"
  version=$(PATH="$prefix/bin:$PATH" "$exec_line" --version 2>&1) || fail "$exec_line --version failed"
  [[ "$version" == "$name "* ]] || fail "$exec_line --version says '$version'"

  page=$prefix/share/man/man6/$game.6.gz
  if [ -f "$page" ]; then
    warnings=$(gzip -dc "$page" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$game.6: $warnings"
    text=$(gzip -dc "$page" | groff -man -Tascii -P -cbou 2>/dev/null)
    for section in NAME SYNOPSIS DESCRIPTION KEYS FILES; do
      grep -q "^$section" <<<"$text" || fail "$game.6 has no $section section"
    done
    grep -q "quillbyte-arcade/$name.ini" <<<"$text" || fail "$game.6 does not say where settings live"
    if command -v man >/dev/null; then
      man --manpath="$prefix/share/man" -w "$game" >/dev/null 2>&1 || fail "man $game finds no page"
    fi
  fi
done

# The score server: program, manual page and system service.
server_files=(bin/quillbyte-scoreserver share/man/man1/quillbyte-scoreserver.1.gz
  lib/systemd/system/quillbyte-scoreserver.service)
expected+=("${server_files[@]}")
for f in "${server_files[@]}"; do [ -f "$prefix/$f" ] || fail "$f was not installed"; done
version=$("$prefix/bin/quillbyte-scoreserver" --version 2>&1) || fail "quillbyte-scoreserver --version failed"
[[ "$version" == "quillbyte-scoreserver "* ]] || fail "quillbyte-scoreserver --version says '$version'"
grep -qx "ExecStart=/usr/bin/quillbyte-scoreserver" "$prefix/lib/systemd/system/quillbyte-scoreserver.service" ||
  fail "the service starts another program"
warnings=$(gzip -dc "$prefix/share/man/man1/quillbyte-scoreserver.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
[ -z "$warnings" ] || fail "quillbyte-scoreserver.1: $warnings"

# Nothing is installed that was not expected.
mapfile -t installed < <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
mapfile -t wanted < <(printf '%s\n' "${expected[@]}" | sort -u)
[ "${installed[*]}" = "${wanted[*]}" ] ||
  fail "installed files differ: $(diff <(printf '%s\n' "${wanted[@]}") <(printf '%s\n' "${installed[@]}") | tr '\n' ' ')"

# The package holds the same files under /usr and names the libraries it needs.
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/package/*.deb 2>/dev/null | head -1)
if [ -n "$deb" ]; then
  mapfile -t packaged < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | sort)
  [ "${packaged[*]}" = "${wanted[*]}" ] ||
    fail "package files differ: $(diff <(printf '%s\n' "${wanted[@]}") <(printf '%s\n' "${packaged[@]}") | tr '\n' ' ')"
  depends=$(dpkg-deb -f "$deb" Depends)
  libs=(libqt6widgets6 libqt6multimedia6 libqt6svg6 libqt6httpserver6 libqt6sql6-sqlite)
  [ -n "$plugin" ] && libs+=(libqt6webenginewidgets6 libqt6webenginecore6-bin)
  for lib in "${libs[@]}"; do
    grep -q "$lib" <<<"$depends" || fail "the package does not depend on $lib: $depends"
  done
  [ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
else
  fail "cpack made no .deb"
fi

[ $failures -eq 0 ] && echo "install and package hold every file, and all validate"
exit $((failures > 0))
