#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every catalogue is complete: lrelease reports no unfinished and no untranslated entry.
# Usage: checktranslations.sh <lrelease> <catalogue.ts>...
set -u
lrelease=$1
shift
status=0
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for ts in "$@"; do
  report=$("$lrelease" "$ts" -qm "$out/check.qm" 2>&1)
  if ! grep -q "(\([0-9]*\) finished and 0 unfinished)" <<<"$report" || grep -q "untranslated" <<<"$report"; then
    echo "incomplete catalogue: $ts"
    echo "$report"
    status=1
  fi
done
[ $status -eq 0 ] && echo "all $# catalogues complete"
exit $status
