#!/usr/bin/env bash
# A logout, `systemctl --user stop` or Ctrl+C ends Horavia as its Quit
# command does: a fresh home, 5 s (the first automatic update check, at 3 s,
# sets a value nobody flushes), then SIGTERM, SIGINT or SIGHUP; the process
# exits with status 0 and the value is on disk. A build without update
# addresses never checks, so the run uses this build's bundle with the
# executable linked with loopback addresses (nothing need answer there).
# Usage: signals.sh BUNDLE LOOPBACK_EXECUTABLE
bundle=$1
set -uo pipefail
set -m # background jobs keep SIGINT, as a terminal's foreground program has it
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$bundle" "$work/Horavia.app" && cp "$2" "$work/Horavia.app/Contents/Horavia"
app=$work/Horavia.app/Contents/Horavia
fail() { echo "FAIL: $*"; exit 1; }
pass() { echo "PASS: $*"; }
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=offscreen TZ=UTC LANG=en_US.UTF-8 LC_ALL=
for signal in TERM INT HUP; do
  home=$work/$signal
  mkdir -p "$home/home" "$home/config" "$home/runtime" && chmod 700 "$home/runtime"
  HOME=$home/home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime "$app" >"$home/log" 2>&1 &
  pid=$!
  sleep 5
  kill -"$signal" "$pid"
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && { kill -KILL "$pid"; fail "SIG$signal did not end it within 5 s"; }
  wait "$pid"
  status=$?
  settings=$home/config/horavia/settings.json
  [ "$status" -eq 0 ] || fail "SIG$signal: exit status $status: $(cat "$home/log")"
  grep -q '"hasLaunchedBeforeForUpdates": true' "$settings" 2>/dev/null ||
    fail "SIG$signal: the first check's value is not on disk: $(cat "$settings" 2>&1)"
  [ "$(stat -c %a "$home/config/horavia")" = 700 ] || fail "the settings folder is $(stat -c %a "$home/config/horavia")"
  pass "SIG$signal after 5 s: exit status 0, hasLaunchedBeforeForUpdates on disk, the folder 0700"
done
