#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every tracked source, script and build file carries the licence line near its top, so a file copied out of
# the tree still says under which terms it may be used. Prints the files without it and exits 1.
set -uo pipefail
cd "$(dirname "$0")/.."
tag='SPDX-License-Identifier: GPL-3.0-or-later'
missing=0
while IFS= read -r -d '' f; do
  case "$f" in
    *.cpp | *.h | *.sh | CMakeLists.txt | */CMakeLists.txt | *.cmake | *.service | *.desktop | *.qrc | \
      resources/man/* | resources/desktop/*.xml) ;;
    *) head -c 2 "$f" | grep -q '^#!' || continue ;;
  esac
  if ! head -n 3 "$f" | grep -qF "$tag"; then
    echo "no licence line: $f"
    missing=1
  fi
done < <(git ls-files -z)
exit $missing
