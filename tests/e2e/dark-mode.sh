#!/usr/bin/env bash
# The desktop's dark or light choice, through the real XDG desktop portal
# (xdg-desktop-portal with its GTK backend, started by D-Bus on the private
# session bus as on a GNOME desktop) and GNOME's colour-scheme setting: the
# main window follows every change while it is open, back to light too, and
# a start in a dark session is dark from the first window on.
# Run inside dbus-run-session. Usage: dark-mode.sh APP SCREENSHOT_DIR
app=$1
shots=$2
name=dark-mode
source "$(dirname "$0")/harness.sh"
export XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=keyfile
# The portal's backend is a GTK program D-Bus starts: it needs the display.
# (The harness has given the bus the private home.)
dbus-update-activation-environment DISPLAY XDG_CURRENT_DESKTOP GSETTINGS_BACKEND ||
  fail "the session bus took no environment"
scheme() { gsettings set org.gnome.desktop.interface color-scheme "$1"; }
# The main window's list, below its last row: light or dark, by the pixel's brightness.
list_brightness() {
  local id w h
  read -r id _ _ w h < <(find_app_window 700 760) || return 1
  import -window "$id" -crop "1x1+$((w - 30))+$((h - 12))" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | awk '{print int(($1 + $2 + $3) / 3)}'
}
looks() { # dark|light
  local b
  b=$(list_brightness) || return 1
  if [ "$1" = dark ]; then [ "$b" -lt 80 ]; else [ "$b" -gt 180 ]; fi
}

scheme default
"$app" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 main_open || fail "no main window"
wait_for 5 looks light || fail "the window is not light without a preference ($(list_brightness))"
pass "light while the desktop states no preference"
scheme prefer-dark
wait_for 10 looks dark || fail "the window stayed light after the desktop turned dark ($(list_brightness))"
pass "dark as soon as the desktop turns dark"
import -window root "$shots/dark-mode-live.png"
scheme prefer-light
wait_for 10 looks light || fail "the window stayed dark after the desktop turned light ($(list_brightness))"
pass "light again when the desktop turns light"
kill "$app_pid"; wait "$app_pid" 2>/dev/null

scheme prefer-dark
"$app" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 main_open || fail "no main window on the second start"
looks dark || fail "a start in a dark session showed a light window first ($(list_brightness))"
pass "a start in a dark session is dark from the first window on"
kill "$app_pid"
[ "$failed" -eq 0 ]
