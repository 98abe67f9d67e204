#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two score server processes on one PostgreSQL (started by with_postgresql.sh), as behind a load
# balancer: uploads to either show in the lists of both, and one address's upload limit holds across
# both. Each server is started on a free port and stopped when the script ends.
#   with_postgresql.sh two_servers.sh <quillbyte-scoreserver>
set -uo pipefail
server=$1
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  tail -n 20 "$work"/*.log
  exit 1
}

# start <name>: a server on a free port, noted in port_<name>.
start() {
  "$server" --listen 127.0.0.1:0 --database "$SCORESERVER_TEST_DATABASE" --upload-limit 3 \
    --trusted-proxies 127.0.0.1 --threads 1 2>"$work/$1.log" &
  pids+=($!)
  local port
  for _ in $(seq 100); do
    port=$(sed -n 's|.*serving http://127\.0\.0\.1:\([0-9]*\)/.*|\1|p' "$work/$1.log")
    [ -n "$port" ] && { printf -v "port_$1" %s "$port"; return; }
    sleep 0.1
  done
  fail "server $1 did not start"
}

# upload <port> <name> <client address>: the answer's status to a Zephlon record of 4210 points.
upload() {
  curl -s -o /dev/null -w '%{http_code}' -H "X-Forwarded-For: $3" \
    "http://127.0.0.1:$1/zephlon/UploadScores.asp?URL=&Ver=1.2D&GM=original&US=1&N1=$2&S1=4210&SL1=3&EL1=7&C1=9864"
}

# names <port>: the names of the Zephlon Original list, best first.
names() {
  curl -s "http://127.0.0.1:$1/zephlon/scores.asp?GameMode=original&format=json" |
    python3 -c 'import json, sys; print(",".join(r["name"] for r in json.load(sys.stdin)["records"]))'
}

start a
start b
[ "$(names "$port_b")" = "" ] || fail "the list is not empty at the start"
[ "$(upload "$port_a" Ann 203.0.113.7)" = 200 ] || fail "upload to server a"
[ "$(upload "$port_b" Bob 203.0.113.7)" = 200 ] || fail "upload to server b"
[ "$(upload "$port_a" Cid 203.0.113.7)" = 200 ] || fail "upload to server a"
[ "$(upload "$port_b" Dee 203.0.113.7)" = 429 ] || fail "the fourth upload from one address, to the other server, was not limited"
[ "$(upload "$port_b" Dee 203.0.113.8)" = 200 ] || fail "another address was limited"
# A server shows its cached page for a second at most.
expected=Ann,Bob,Cid,Dee
for _ in $(seq 50); do
  a=$(names "$port_a")
  b=$(names "$port_b")
  [ "$a" = "$expected" ] && [ "$b" = "$expected" ] && break
  sleep 0.1
done
[ "$a" = "$expected" ] || fail "server a lists '$a', not '$expected'"
[ "$b" = "$expected" ] || fail "server b lists '$b', not '$expected'"
grep -q "limited: your address" "$work/b.log" || fail "server b did not log the limited upload"
echo "PASS: two servers on one database"
