#!/usr/bin/env bash
# Runs a test program in a Wayland session: weston's headless backend on a
# socket of its own, with a private runtime, home and configuration folder.
# Usage: wayland.sh PROGRAM [ARGS...]
set -uo pipefail
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home XDG_CONFIG_HOME=$work/config TZ=UTC LANG=en_US.UTF-8 LC_ALL=
mkdir -p "$XDG_RUNTIME_DIR" "$HOME" "$XDG_CONFIG_HOME" && chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY
weston --backend=headless-backend.so --socket=wayland-horavia --idle-time=0 --width=1280 --height=800 \
  >"$work/weston.log" 2>&1 &
weston=$!
source "$(dirname "$0")/../../scripts/virtual-desktop.sh"
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; remove_scratch "$work"' EXIT
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wayland-horavia" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/wayland-horavia" ] || { cat "$work/weston.log"; echo "FAIL: weston did not start"; exit 1; }
WAYLAND_DISPLAY=wayland-horavia QT_QPA_PLATFORM=wayland "$@"
