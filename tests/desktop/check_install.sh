#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and builds the three Debian packages, then checks that they
# hold every file a desktop needs, that the launchers, metainfo files and manual pages pass their
# validators, that each launcher starts its program, that every place that shows the version shows the
# one in CMakeLists.txt, that lintian finds nothing it is not told about, and that the packages install,
# upgrade over the previous version and remove cleanly in a throwaway root (dpkg --root: nothing is
# installed on this machine).
#   check_install.sh <build folder> <version> <plugin folder seen from the games' folder>
set -uo pipefail
build=$(cd "$1" && pwd)
version=$2
plugin_from_games=$3
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for tool in desktop-file-validate appstreamcli groff dpkg-deb dpkg cpack lintian apt-cache strings; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (./test.sh installs it)"; exit 1; }
done

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

# Width and height of a PNG file, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }

# Each package's files, as its component installs them (component, package, files).
declare -A component_files
package_docs() {  # <component> <package>
  component_files[$1]+=" share/doc/$2/copyright share/doc/$2/changelog.gz share/lintian/overrides/$2"
}
package_docs games quillbyte-arcade
package_docs webview quillbyte-arcade-webview
package_docs server quillbyte-scoreserver

# Quadrelle's browser plugin, in the folder the installed Quadrelle looks in: seen from the games' folder.
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
plugin=${libdir:-lib}/quillbyte-arcade/plugins/quadrelle-webengine.so
component_files[webview]+=" $plugin"
[ "$(cd "$prefix/games" 2>/dev/null && realpath -m "$plugin_from_games/quadrelle-webengine.so")" = "$prefix/$plugin" ] ||
  fail "Quadrelle in games/ looks for its plugin in $plugin_from_games, not where it is installed ($plugin)"
for game in zephlon quadrelle vantorel; do
  name=${game^}
  id=org.example.quillbyte.$name
  desktop=share/applications/$id.desktop
  metainfo=share/metainfo/$id.metainfo.xml
  files=(games/$game "$desktop" "$metainfo" share/icons/hicolor/scalable/apps/$id.svg share/man/man6/$game.6.gz)
  for size in 16 22 32 48 64 128 256; do
    png=share/icons/hicolor/${size}x${size}/apps/$id.png
    files+=("$png")
    [ -f "$prefix/$png" ] && [ "$(png_size "$prefix/$png")" != "${size}x${size}" ] &&
      fail "$png is $(png_size "$prefix/$png"), not ${size}x${size}"
  done
  component_files[games]+=" ${files[*]}"
  [ -f "$prefix/$desktop" ] || { fail "$desktop was not installed"; continue; }

  desktop-file-validate "$prefix/$desktop" || fail "$desktop does not validate"
  appstreamcli validate --no-net --explain "$prefix/$metainfo" >"$work/as.log" 2>&1 ||
    { cat "$work/as.log"; fail "$metainfo does not validate"; }
  grep -qx "Icon=$id" "$prefix/$desktop" || fail "$desktop names another icon"
  grep -qx "StartupWMClass=$name" "$prefix/$desktop" || fail "$desktop names another window class"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/$metainfo" ||
    fail "$metainfo does not launch $id.desktop"
  grep -q "<binary>$game</binary>" "$prefix/$metainfo" || fail "$metainfo does not provide $game"
  grep -q "docs/screenshots/$game.png</image>" "$prefix/$metainfo" || fail "$metainfo lacks the screenshot"
  newest=$(grep -m1 -o '<release version="[^"]*"' "$prefix/$metainfo" | cut -d'"' -f2)
  [ "$newest" = "$version" ] || fail "$metainfo's newest release is $newest, the build's version $version"

  # The launcher's command starts the installed program (asked for its version: no display needed).
  exec_line=$(sed -n 's/^Exec=//p' "$prefix/$desktop")
  [ "$exec_line" = "$game" ] || fail "$desktop runs '$exec_line'"
  said=$(PATH="$prefix/games:$PATH" "$exec_line" --version 2>&1) || fail "$exec_line --version failed"
  [[ "$said" == "$name $version"* ]] || fail "$exec_line --version says '$said', not $name $version"

  page=$prefix/share/man/man6/$game.6.gz
  if [ -f "$page" ]; then
    warnings=$(gzip -dc "$page" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$game.6: $warnings"
    text=$(gzip -dc "$page" | groff -man -Tascii -P -cbou 2>/dev/null)
    for section in NAME SYNOPSIS DESCRIPTION KEYS FILES; do
      grep -q "^$section" <<<"$text" || fail "$game.6 has no $section section"
    done
    grep -q "quillbyte-arcade/$name.ini" <<<"$text" || fail "$game.6 does not say where settings live"
    grep -q "$name $version" <<<"$text" || fail "$game.6 does not name version $version"
    if command -v man >/dev/null; then
      man --manpath="$prefix/share/man" -w "$game" >/dev/null 2>&1 || fail "man $game finds no page"
    fi
  fi
done

# The score server: program, manual page and system service.
component_files[server]+=" bin/quillbyte-scoreserver share/man/man1/quillbyte-scoreserver.1.gz"
component_files[server]+=" lib/systemd/system/quillbyte-scoreserver.service"
said=$("$prefix/bin/quillbyte-scoreserver" --version 2>&1) || fail "quillbyte-scoreserver --version failed"
[ "$said" = "quillbyte-scoreserver $version" ] || fail "quillbyte-scoreserver --version says '$said'"
# NEWS tells this release's changes first.
newest=$(grep -m1 -E '^[0-9][0-9.]* \(' "$source_dir/NEWS" | cut -d' ' -f1)
[ "$newest" = "$version" ] || fail "NEWS begins with release $newest, the build's version is $version"
grep -qx "ExecStart=/usr/bin/quillbyte-scoreserver" "$prefix/lib/systemd/system/quillbyte-scoreserver.service" ||
  fail "the service starts another program"
warnings=$(gzip -dc "$prefix/share/man/man1/quillbyte-scoreserver.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
[ -z "$warnings" ] || fail "quillbyte-scoreserver.1: $warnings"
gzip -dc "$prefix/share/man/man1/quillbyte-scoreserver.1.gz" | grep -q "quillbyte-scoreserver $version" ||
  fail "quillbyte-scoreserver.1 does not name version $version"

# Each component installs its package's files and no other; together they are the whole install.
sorted() { tr ' ' '\n' | sed '/^$/d' | sort -u; }
list_files() { (cd "$1" && find . -type f | sed 's|^\./||' | sort); }
all_expected=$(printf '%s ' "${component_files[@]}" | sorted)
[ "$(list_files "$prefix")" = "$all_expected" ] ||
  fail "installed files differ: $(diff <(echo "$all_expected") <(list_files "$prefix") | tr '\n' ' ')"
for component in games webview server; do
  cmake --install "$build" --prefix "$work/$component" --component "$component" >/dev/null ||
    fail "cmake --install --component $component"
  [ "$(list_files "$work/$component")" = "$(sorted <<<"${component_files[$component]}")" ] ||
    fail "component $component: $(diff <(sorted <<<"${component_files[$component]}") <(list_files "$work/$component") | tr '\n' ' ')"
done

# The packages: this version, and the same build as the version before (to upgrade from).
(cd "$build" && cpack -G DEB -B "$work/new" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
previous=$(awk -F. -v OFS=. '{ if ($NF > 0) $NF = $NF - 1; else $NF = "0~previous" } 1' <<<"$version")
(cd "$build" && cpack -G DEB -B "$work/old" -D CPACK_PACKAGE_VERSION="$previous" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; fail "cpack of $previous"; }
dpkg --compare-versions "$previous" lt "$version" || fail "$previous is not older than $version"
arch=$(dpkg --print-architecture)
declare -A packages=([games]=quillbyte-arcade [webview]=quillbyte-arcade-webview [server]=quillbyte-scoreserver)
declare -A sections=([games]=games [webview]=games [server]=net)
for component in games webview server; do
  name=${packages[$component]}
  deb=$work/new/${name}_${version}_$arch.deb
  [ -f "$deb" ] || { fail "cpack made no $(basename "$deb"): $(ls "$work/new")"; continue; }
  [ "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | sort)" = \
    "$(sorted <<<"${component_files[$component]}")" ] || fail "$name holds other files than its component"
  [ "$(dpkg-deb -f "$deb" Section)" = "${sections[$component]}" ] || fail "$name is not in section ${sections[$component]}"
  # No maintainer scripts: nothing runs when the packages are installed or removed.
  scripts=$(dpkg-deb -I "$deb" | grep -oE '\b(pre|post)(inst|rm)\b' | tr '\n' ' ')
  [ -z "$scripts" ] || fail "$name has maintainer scripts: $scripts"
  # Every finding is mended or explained in the package's lintian overrides (resources/debian/).
  lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian finds warnings or errors in $name"; }
done

depends() { dpkg-deb -f "$work/new/${1}_${version}_$arch.deb" Depends; }
# The games start with Qt's widgets, multimedia and SVG; the browser engine and the server's libraries
# are not among their dependencies, nor among the dependencies of those.
games_depends=$(depends quillbyte-arcade)
for lib in libqt6widgets6 libqt6multimedia6 libqt6svg6; do
  grep -q "$lib" <<<"$games_depends" || fail "quillbyte-arcade does not depend on $lib: $games_depends"
done
mapfile -t games_libs < <(tr ',' '\n' <<<"$games_depends" | awk '{ print $1 }' | sed '/^$/d')
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces \
  --no-enhances "${games_libs[@]}" 2>/dev/null | grep -v '^ ' | sort -u)
[ -n "$closure" ] || fail "apt-cache knows none of $games_depends"
unwanted=$(grep -E '^(libqt6webengine|libqt6httpserver|libqt6sql6|quillbyte-arcade-webview)' <<<"$closure" | tr '\n' ' ')
[ -z "$unwanted" ] || fail "installing quillbyte-arcade pulls in $unwanted"
grep -q "quillbyte-arcade-webview" <<<"$(dpkg-deb -f "$work/new/quillbyte-arcade_${version}_$arch.deb" Recommends)" ||
  fail "quillbyte-arcade does not recommend quillbyte-arcade-webview"
# SDL is loaded at run time, for gamepads: recommended, never a dependency.
grep -q "libsdl2-2.0-0" <<<"$(dpkg-deb -f "$work/new/quillbyte-arcade_${version}_$arch.deb" Recommends)" ||
  fail "quillbyte-arcade does not recommend libsdl2-2.0-0"
! grep -q "libsdl2" <<<"$games_depends" || fail "quillbyte-arcade depends on SDL: $games_depends"
webview_depends=$(depends quillbyte-arcade-webview)
for lib in "quillbyte-arcade (= $version)" libqt6webenginewidgets6 libqt6webenginecore6-bin; do
  grep -qF "$lib" <<<"$webview_depends" || fail "quillbyte-arcade-webview does not depend on $lib: $webview_depends"
done
server_depends=$(depends quillbyte-scoreserver)
for lib in libqt6httpserver6 libqt6sql6-sqlite; do
  grep -q "$lib" <<<"$server_depends" || fail "quillbyte-scoreserver does not depend on $lib: $server_depends"
done

# Install the previous version, upgrade to this one, remove everything, in a root of its own. The
# libraries are not in that root, so their dependencies are not checked there (apt-cache did above).
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(fakeroot)
rootdpkg() { "${as_root[@]}" dpkg --root="$root" --force-depends "$@" >>"$work/dpkg.log" 2>&1; }
installed() { dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${Package} ${Version} ${Status}\n' 2>/dev/null | sort; }
expect_installed() {  # <version>
  local want
  want=$(printf '%s '"$1"' install ok installed\n' quillbyte-arcade quillbyte-arcade-webview quillbyte-scoreserver)
  [ "$(installed)" = "$want" ] || fail "after installing $1: $(installed | tr '\n' ';')"
  [ -x "$root/usr/games/quadrelle" ] && [ -f "$root/usr/$plugin" ] || fail "after installing $1: files are missing"
}
rootdpkg -i "$work"/old/*.deb || { cat "$work/dpkg.log"; fail "installing $previous"; }
expect_installed "$previous"
rootdpkg -i "$work"/new/*.deb || { cat "$work/dpkg.log"; fail "upgrading to $version"; }
expect_installed "$version"
# The installed Quadrelle finds the installed plugin where it looks for it.
# (Qt string literals are UTF-16.)
grep -qxF "/$plugin_from_games" <<<"$(strings -el "$root/usr/games/quadrelle")" || fail "quadrelle does not look in $plugin_from_games"
[ -f "$root/usr/games/$plugin_from_games/quadrelle-webengine.so" ] || fail "no plugin in usr/games/$plugin_from_games"
rootdpkg --purge quillbyte-arcade-webview quillbyte-arcade quillbyte-scoreserver ||
  { cat "$work/dpkg.log"; fail "removing the packages"; }
[ -z "$(installed | grep -v 'not-installed')" ] || fail "still installed after removal: $(installed | tr '\n' ';')"
left=$(cd "$root" && find . -mindepth 1 -not -path './var' -not -path './var/lib' -not -path './var/lib/dpkg*')
[ -z "$left" ] || fail "left behind after removal: $(tr '\n' ' ' <<<"$left")"

[ $failures -eq 0 ] && echo "install and packages hold every file, validate, upgrade and remove cleanly"
exit $((failures > 0))
