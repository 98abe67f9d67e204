#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command against a PostgreSQL server of its own: initdb and pg_ctl in a temporary folder, as an
# unprivileged user when run as root (the server refuses to run as root), listening only on a socket in
# that folder. The command finds the database in SCORESERVER_TEST_DATABASE. The server is stopped and
# the folder removed however the command ends. SCORESERVER_TEST_RESTART restarts the server,
# SCORESERVER_TEST_STOP and SCORESERVER_TEST_START stop and start it. SCORESERVER_TEST_PG_OPTIONS
# replaces the server settings (default: -c fsync=off, for speed).
#   with_postgresql.sh <command> [arguments...]
set -uo pipefail
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
[ -x "$bin/initdb" ] || { echo "FAIL: PostgreSQL is not installed (Debian: postgresql)"; exit 1; }

work=$(mktemp -d /tmp/scoreserver-pg.XXXXXX)
as_owner=()
owner=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
  owner=nobody
  chown "$owner" "$work"
  as_owner=(runuser -u "$owner" --)
fi
chmod 700 "$work"
stop() {
  "${as_owner[@]}" "$bin/pg_ctl" -D "$work/data" -m immediate stop >/dev/null 2>&1
  rm -rf "$work"
}
trap stop EXIT

pg_options=${SCORESERVER_TEST_PG_OPTIONS:--c fsync=off}
"${as_owner[@]}" "$bin/initdb" -D "$work/data" -U "$owner" --auth=trust --encoding=UTF8 --no-sync >"$work/initdb.log" 2>&1 ||
  { cat "$work/initdb.log"; echo "FAIL: initdb"; exit 1; }
"${as_owner[@]}" "$bin/pg_ctl" -D "$work/data" -l "$work/server.log" -w -t 60 \
  -o "-c listen_addresses='' -k $work $pg_options" start >/dev/null ||
  { cat "$work/server.log"; echo "FAIL: pg_ctl start"; exit 1; }
"${as_owner[@]}" "$bin/createdb" -h "$work" -U "$owner" scores || { echo "FAIL: createdb"; exit 1; }

export SCORESERVER_TEST_DATABASE="postgresql://$owner@/scores?host=$work"
# How a test restarts the database server under the score server's feet.
export SCORESERVER_TEST_RESTART="${as_owner[*]} $bin/pg_ctl -D $work/data -l $work/server.log -w -t 60 -m fast \
restart -o \"-c listen_addresses='' -k $work $pg_options\" >/dev/null"
export SCORESERVER_TEST_STOP="${as_owner[*]} $bin/pg_ctl -D $work/data -w -t 60 -m fast stop >/dev/null"
export SCORESERVER_TEST_START="${as_owner[*]} $bin/pg_ctl -D $work/data -l $work/server.log -w -t 60 \
start -o \"-c listen_addresses='' -k $work $pg_options\" >/dev/null"
"$@"
