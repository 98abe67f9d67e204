#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes NEWS as the Debian changelog of one package, gzipped: each "<version> (<date>)" heading
# becomes an entry, its "- " items the entry's lines.
#   debchangelog.sh <NEWS> <package> <maintainer> <output.gz>
set -euo pipefail
news=$1 package=$2 maintainer=$3 out=$4

awk -v package="$package" -v maintainer="$maintainer" '
  function close_entry() {
    if (version == "") return
    cmd = "date -u -R -d " date
    cmd | getline stamp
    close(cmd)
    printf "\n -- %s  %s\n\n", maintainer, stamp
  }
  /^[0-9][0-9.]* \([0-9-]+\)$/ {
    close_entry()
    version = $1
    date = substr($2, 2, length($2) - 2)
    printf "%s (%s) unstable; urgency=medium\n\n", package, version
    next
  }
  version == "" || /^=+$/ || /^$/ { next }
  /^- / { printf "  * %s\n", substr($0, 3); next }
  /^  / { printf "    %s\n", substr($0, 3); next }
  { printf "  [ %s ]\n", $0 }
  END { close_entry() }
' "$news" | gzip -9nc >"$out"
