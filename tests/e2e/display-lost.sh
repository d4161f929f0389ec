#!/usr/bin/env bash
# The display goes away in the first few hundred milliseconds (a logout, a
# dropped `ssh -X`): Qt ends the process with exit(1) while the start's
# background work still runs. It must end with Qt's own status, not with a
# crash or, under the sanitizers, a report of memory used after it was freed.
# Run inside dbus-run-session, as a desktop session has a bus: without one,
# the bus is looked for through the display being killed, and Qt's
# accessibility bridge waits 25 s for that answer.
# Usage: display-lost.sh APP [ROUNDS]
app=$1
rounds=${2:-12}
set -uo pipefail
work=$(mktemp -d)
fail() { echo "FAIL: $*"; exit 1; }
pass() { echo "PASS: $*"; }
trap 'rm -rf "$work"' EXIT
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime TZ=UTC LANG=en_US.UTF-8 LC_ALL=
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
connected=0
for round in $(seq "$rounds"); do
  fifo=$work/display
  rm -f "$fifo" && mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  server=$!
  read -r -t 10 number <"$fifo" || fail "no virtual display"
  DISPLAY=":$number" "$app" >"$work/log" 2>&1 &
  pid=$!
  # From 30 to 360 ms into the start, a different moment each round.
  sleep "0.$(printf '%03d' $((30 + (round * 97) % 330)))"
  kill -KILL "$server"
  wait "$server" 2>/dev/null
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && { kill -KILL "$pid"; fail "round $round: still running 10 s after its display went"; }
  wait "$pid"
  status=$?
  # Gone before Qt could use it: Qt's own fatal message, which aborts by
  # design (the connection refused, or broken while it was being set up).
  grep -qE "could not connect to display|no Qt platform plugin could be initialized" "$work/log" && continue
  connected=$((connected + 1))
  if [ "$status" -gt 128 ] || grep -qE "AddressSanitizer|runtime error|destroying locked mutex" "$work/log"; then
    fail "round $round: status $status: $(grep -E -m8 'ERROR|runtime error|mutex|#[0-4] |qt\.|QXcb|fatal' "$work/log")"
  fi
done
[ "$connected" -ge $((rounds / 2)) ] || fail "only $connected of $rounds starts reached their display"
pass "$connected starts whose display went at 30 to 360 ms ended cleanly (Qt's own exit)"
