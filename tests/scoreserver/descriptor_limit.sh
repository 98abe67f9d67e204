#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The server under a descriptor limit far below its connection cap, as under a unit without
# LimitNOFILE: a crowd of kept-alive clients gets answers (200 or 503 with Retry-After), none waits
# unanswered; the start line names the limit; once the crowd leaves, pages are served again.
#   descriptor_limit.sh <quillbyte-scoreserver>
set -uo pipefail
server=$1
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; wait; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  sort "$work/server.log" | uniq -c | sort -rn | head -n 20
  exit 1
}

prlimit --nofile=64:64 "$server" --listen 127.0.0.1:0 --database "sqlite://$work/scores.db" 2>"$work/server.log" &
pid=$!
port=
for _ in $(seq 100); do
  port=$(sed -n 's|.*serving http://127\.0\.0\.1:\([0-9]*\)/.*|\1|p' "$work/server.log")
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || fail "the server did not start"
grep -q "the descriptor limit of 64 allows [0-9]* open connections, not 2000; raise LimitNOFILE" \
  "$work/server.log" || fail "the start does not name the descriptor limit"

# 300 clients connect at once, each asks for a list page and keeps its connection open.
python3 - "$port" <<'PY' || fail "a client was left unanswered"
import select, socket, sys, time
port = int(sys.argv[1])
clients = []
for _ in range(300):
    s = socket.socket()
    s.setblocking(False)
    try:
        s.connect(("127.0.0.1", port))
    except BlockingIOError:
        pass
    clients.append(s)
select.select([], clients, [], 5)
for s in clients:
    try:
        s.send(b"GET /zephlon/scores.asp HTTP/1.1\r\nHost: localhost\r\n\r\n")
    except OSError:
        pass
answers, pending = {}, {s: b"" for s in clients}
deadline = time.time() + 20
while pending and time.time() < deadline:
    ready, _, _ = select.select(list(pending), [], [], 0.5)
    for s in ready:
        try:
            data = s.recv(65536)
        except OSError:
            data = b""
        pending[s] += data
        if b"\r\n\r\n" in pending[s] or not data:
            head = pending.pop(s)
            status = head[9:12].decode(errors="replace") or "closed"
            if status == "503" and b"Retry-After:" not in head:
                status = "503 without Retry-After"
            answers[status] = answers.get(status, 0) + 1
print("answers:", answers, "unanswered:", len(pending))
if pending or set(answers) - {"200", "503"} or not answers.get("200"):
    sys.exit(1)
PY

# The crowd is gone: a new client is served again.
sleep 0.5
status=$(curl -s -o /dev/null -w '%{http_code}' --max-time 10 "http://127.0.0.1:$port/zephlon/scores.asp")
[ "$status" = 200 ] || fail "after the crowd a list page answered $status"
echo "PASS"
