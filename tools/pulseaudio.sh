# SPDX-License-Identifier: GPL-3.0-or-later
# A private PulseAudio server with one null sink, for test runs: the programs see an audio output, and what
# they play can be recorded from the sink's monitor. Works as root and as a normal user; the server never
# touches the user's own sound setup (its configuration, state, cookie and socket live in a temporary folder,
# and no desktop server is asked or spawned).
#
# Sourced:  arcade_pulse_start   starts the server and exports, for everything started after it,
#                                PULSE_SERVER, ARCADE_PULSE_MONITOR (the null sink's monitor, to record
#                                from) and ARCADE_AUDIO_OUTPUT=null-sink
#           arcade_pulse_stop    stops it and removes the folder (the caller traps EXIT with it)
# Run:      pulseaudio.sh <command> [arguments...]   runs the command against a server of its own
#           (exit status 77, "skipped", when PulseAudio is not installed).
# shellcheck shell=bash

ARCADE_PULSE_SKIP=77
arcade_pulse_pid=
arcade_pulse_dir=

arcade_pulse_installed() {
  command -v pulseaudio >/dev/null && command -v pactl >/dev/null
}

arcade_pulse_start() {
  arcade_pulse_installed || { echo "PulseAudio is not installed (Debian: pulseaudio, pulseaudio-utils)" >&2; return 1; }
  arcade_pulse_dir=$(mktemp -d "${TMPDIR:-/tmp}/arcade-pulse.XXXXXX") || return 1
  local dir=$arcade_pulse_dir
  mkdir -p "$dir/runtime" "$dir/state" "$dir/config" && chmod 700 "$dir/runtime"
  # No rewinds: a sink that rewinds to start a new stream at once re-renders time that its monitor has
  # already handed to a recorder, and the recording then misses the first 10 to 20 ms of every sound.
  cat >"$dir/server.pa" <<EOF
load-module module-null-sink sink_name=arcade_null sink_properties=device.description=Arcade norewinds=1
load-module module-native-protocol-unix auth-anonymous=1 socket=$dir/native
set-default-sink arcade_null
set-default-source arcade_null.monitor
EOF
  # As root the server runs as a per-user server all the same (--system=false): it then only warns that it is
  # not meant for root. It never exits by itself (--exit-idle-time=-1, --disallow-exit); a server in the
  # background of this shell rather than a daemon, so that whoever kills the test run's process tree
  # also ends it.
  # No session bus and no display: the server must not meet (or start) the desktop's own.
  env -u DBUS_SESSION_BUS_ADDRESS -u DISPLAY -u WAYLAND_DISPLAY HOME="$dir" XDG_CONFIG_HOME="$dir/config" \
    XDG_RUNTIME_DIR="$dir/runtime" PULSE_RUNTIME_PATH="$dir/runtime" PULSE_STATE_PATH="$dir/state" \
    pulseaudio --daemonize=no --system=false --use-pid-file=false -n --file="$dir/server.pa" \
    --exit-idle-time=-1 --disallow-exit --high-priority=no --realtime=no \
    --log-target=file:"$dir/server.log" </dev/null >/dev/null 2>&1 &
  arcade_pulse_pid=$!
  export PULSE_SERVER="unix:$dir/native"
  # Clients ask this server only, and never start one of their own.
  printf 'autospawn = no\ncookie-file = %s\n' "$dir/config/pulse/cookie" >"$dir/client.conf"
  export PULSE_CLIENTCONFIG="$dir/client.conf"
  # Ready once it answers; a server that has ended gives up at once.
  local tries=0
  until pactl info >/dev/null 2>&1; do
    if ! kill -0 "$arcade_pulse_pid" 2>/dev/null || [ $((tries += 1)) -gt 300 ]; then
      echo "The PulseAudio server did not start:" >&2
      cat "$dir/server.log" >&2 2>/dev/null
      arcade_pulse_stop
      return 1
    fi
    sleep 0.05
  done
  export ARCADE_PULSE_MONITOR=arcade_null.monitor
  export ARCADE_AUDIO_OUTPUT=null-sink
}

arcade_pulse_stop() {
  if [ -n "$arcade_pulse_pid" ]; then
    kill "$arcade_pulse_pid" 2>/dev/null && wait "$arcade_pulse_pid" 2>/dev/null
    arcade_pulse_pid=
  fi
  [ -n "$arcade_pulse_dir" ] && rm -rf "$arcade_pulse_dir"
  arcade_pulse_dir=
  unset PULSE_SERVER PULSE_CLIENTCONFIG ARCADE_PULSE_MONITOR ARCADE_AUDIO_OUTPUT
}

# Run as a program: the command runs against a server of its own, stopped however the command ends.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -u
  [ $# -gt 0 ] || { echo "usage: $0 <command> [arguments...]" >&2; exit 2; }
  if ! arcade_pulse_installed; then
    echo "SKIP: PulseAudio is not installed (Debian: pulseaudio, pulseaudio-utils)"
    exit $ARCADE_PULSE_SKIP
  fi
  trap arcade_pulse_stop EXIT
  trap 'exit 143' TERM
  trap 'exit 130' INT
  trap 'exit 129' HUP
  arcade_pulse_start || exit 1
  "$@"
  exit $?
fi
