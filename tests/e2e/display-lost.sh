#!/usr/bin/env bash
# The display goes away in the first few hundred milliseconds (a logout, a
# dropped `ssh -X`): Qt ends the process with exit(1) while the start's
# background work still runs. It must end with Qt's own status, not with a
# crash or, under the sanitizers, a report of memory used after it was freed.
# Qt's xcb plugin itself may crash when the connection dies while the
# QApplication constructor sets it up, before any of Horavia's code runs:
# each crash's stack is read (a core file through gdb, or the sanitizers'
# report), and one inside that constructor is counted as Qt's, with its
# stack printed; any other crash fails the run.
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
# A core file in the folder the process ran in, when the system writes them so.
ulimit -c unlimited 2>/dev/null
core_pattern=$(cat /proc/sys/kernel/core_pattern 2>/dev/null)

# The stack of the crash a round left: from its core, or from the sanitizers' report.
crash_stack() { # round folder
  local core
  core=$(find "$1" -maxdepth 1 -name 'core*' -type f | head -1)
  if [ -n "$core" ]; then
    gdb -batch -nx -ex 'bt 40' "$app" "$core" 2>/dev/null | grep '^#'
  else
    grep -E '^ +#[0-9]+ ' "$1/log"
  fi
}
# Qt's: the crash happened inside QApplication's constructor, that is before
# main() got its application object back and ran a line of Horavia's own.
inside_qt_setup() { grep -qE 'QApplication::QApplication|QApplicationPrivate::init' <<<"$1"; }

connected=0
qt_crashes=0
qt_stack=""
# A start that had not yet reached its display tells nothing: on a slow
# build (the sanitizers) or a busy machine the connection comes later, so
# each such start moves every later kill 100 ms further into the start,
# and another round is run in its place.
shift_ms=0
round=0
while [ "$connected" -lt "$rounds" ] && [ "$round" -lt $((rounds * 3)) ]; do
  round=$((round + 1))
  dir=$work/round-$round
  mkdir -p "$dir"
  fifo=$dir/display
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  server=$!
  read -r -t 10 number <"$fifo" || fail "no virtual display"
  (cd "$dir" && exec env DISPLAY=":$number" "$app" >"$dir/log" 2>&1) &
  pid=$!
  # From 30 to 360 ms into the start (plus the shift), a different moment each round.
  delay=$((30 + (round * 97) % 330 + shift_ms))
  sleep "$((delay / 1000)).$(printf '%03d' $((delay % 1000)))"
  kill -KILL "$server"
  wait "$server" 2>/dev/null
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && { kill -KILL "$pid"; fail "round $round: still running 10 s after its display went"; }
  wait "$pid"
  status=$?
  # Gone before Qt could use it: Qt's own fatal message, which aborts by
  # design (the connection refused, or broken while it was being set up).
  if grep -qE "could not connect to display|no Qt platform plugin could be initialized" "$dir/log"; then
    shift_ms=$((shift_ms + 100))
    rm -rf "$dir"
    continue
  fi
  crashed=0
  { [ "$status" -gt 128 ] || grep -qE "AddressSanitizer|runtime error|destroying locked mutex" "$dir/log"; } && crashed=1
  if [ "$crashed" -eq 1 ]; then
    stack=$(crash_stack "$dir")
    if [ -n "$stack" ] && inside_qt_setup "$stack"; then
      qt_crashes=$((qt_crashes + 1))
      qt_stack=$stack
      rm -rf "$dir"
      continue
    fi
    fail "round $round: status $status: $(grep -E -m8 'ERROR|runtime error|mutex|qt\.|QXcb|fatal' "$dir/log")
$(head -30 <<<"${stack:-no stack: no core file was written (core pattern \"$core_pattern\")}")"
  fi
  connected=$((connected + 1))
  rm -rf "$dir"
done
[ "$connected" -ge $((rounds / 2)) ] || fail "only $connected of $round starts reached their display"
pass "$connected starts whose display went at $((30 + shift_ms)) to $((360 + shift_ms)) ms ended cleanly (Qt's own exit); no crash of Horavia's own"
if [ "$qt_crashes" -gt 0 ]; then
  echo "Qt's xcb plugin crashed while QApplication set up the dying connection in $qt_crashes of $round rounds; the last stack:"
  head -24 <<<"$qt_stack"
fi
