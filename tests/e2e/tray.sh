#!/usr/bin/env bash
# The real executable under a virtual display with a window manager and a
# tray: the icon and the main window appear, a click opens the 520-wide (as wide as its names need)
# panel, Escape and a second click close it, a second launch brings the
# closed main window back and exits, and Ctrl+Q quits. A start at login
# shows the icon alone. With the tray item
# turned off in the preferences, the application still starts, showing the
# main window and no icon.
# Run inside dbus-run-session. Usage: tray.sh APP SCREENSHOT_DIR
app=$1
shots=$2
name=e2e
source "$(dirname "$0")/harness.sh"
main_closed() { ! main_open; }
click_icon() { read -r _ x y w h < <(find_app_window 12 64) && xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1; }
quits() { # pid: Ctrl+Q in the focused panel ends the process with status 0
  xdotool key ctrl+q
  wait_for 5 bash -c "! kill -0 $1 2>/dev/null" || return 1
  wait "$1"
}

# At an instant when every default city has today's date: past 13:00 UTC
# Melbourne's "Tomorrow" needs a wider panel (as it should).
LD_PRELOAD=$faketime FAKETIME="@2026-01-15 12:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1 \
  ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 \
  "$app" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 tray_icon || fail "no tray icon"; pass "tray icon shown"
wait_for 10 main_open || fail "no main window at launch"; pass "main window at launch"
sleep 1 # let the tray finish embedding the icon

click_icon
wait_for 5 panel_open || fail "a click did not open the panel"
read -r _ _ _ width height < <(find_app_window 500 690)
[ "$width" -ge 520 ] && [ "$width" -le 540 ] || fail "panel is $width wide"
# Home plus the five default cities and the four actions need well over 250 px.
[ "$height" -ge 250 ] || fail "panel is only $height high"
pass "panel opened, ${width}x${height}"
sleep 0.3
import -window root "$shots/e2e-panel.png"

xdotool key Escape
wait_for 5 panel_closed || fail "Escape did not close the panel"; pass "Escape closes"
# Resting on the icon shows every clock's time.
read -r _ x y w h < <(find_app_window 12 64) && xdotool mousemove $((x + w / 2)) $((y + h / 2 + 1))
sleep 2
import -window root "$shots/e2e-tray-tooltip.png"

click_icon
wait_for 5 panel_open || fail "the panel did not reopen"
sleep 0.5
click_icon
wait_for 5 panel_closed || fail "a second click did not close the panel"; pass "second click closes"

read -r main_id _ < <(find_app_window 700 760)
xdotool windowactivate --sync "$main_id" 2>/dev/null; xdotool key ctrl+w
wait_for 5 main_closed || fail "Ctrl+W did not close the main window"
kill -0 "$app_pid" 2>/dev/null || fail "closing the main window quit the application"
timeout 10 "$app" >/dev/null 2>&1; status=$?
[ "$status" -eq 0 ] || fail "second launch exited with $status"
kill -0 "$app_pid" 2>/dev/null || fail "the first copy died"
wait_for 5 main_open || fail "the first copy showed nothing on a second launch"
pass "closing the window keeps it running; a second launch brings the window back and exits"

# "Open at login" in the settings writes the autostart entry.
read -r main_id _ < <(find_app_window 700 760)
xdotool windowactivate --sync "$main_id" 2>/dev/null; xdotool key ctrl+comma
wait_for 5 find_app_window 420 450 || fail "Ctrl+, did not open the settings"
read -r settings_id _ < <(find_app_window 420 450)
sleep 0.3
xdotool mousemove --window "$settings_id" 30 299 click 1
entry=$XDG_CONFIG_HOME/autostart/org.horavia.Horavia.desktop
wait_for 5 test -f "$entry" || fail "no autostart entry after a click on Open at login"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
pass "Open at login wrote $entry: $exec_line"
import -window root "$shots/e2e-settings-open-at-login.png"

xdotool windowactivate --sync "$main_id" 2>/dev/null
sleep 0.5
quits "$app_pid" || fail "Ctrl+Q did not quit cleanly"
pass "Ctrl+Q quits"

# Started from that entry (the build's path has no spaces, so the shell's
# word splitting reads the Exec line as the desktop would): the icon, no window.
$exec_line >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 tray_icon || fail "no tray icon when started at login"
sleep 2
main_open && fail "a start at login opened the main window"
pass "a start at login shows only the icon"
kill "$app_pid"; wait "$app_pid" 2>/dev/null

# The tray item turned off: no icon, and the main window still comes up.
mkdir -p "$XDG_CONFIG_HOME/horavia"
echo '{"showsMenuBarItem": false}' >"$XDG_CONFIG_HOME/horavia/settings.json"
"$app" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 main_open || fail "without the tray item, nothing opened"
sleep 1
kill -0 "$app_pid" 2>/dev/null || fail "without the tray item, the application died"
tray_icon && fail "a tray icon was shown although the setting is off"
pass "starts without the tray item, showing the main window"
import -window root "$shots/e2e-no-tray.png"
read -r id _ < <(find_app_window 700 760)
xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
quits "$app_pid" || fail "Ctrl+Q did not quit from the main window"
pass "Ctrl+Q quits from the main window"
[ "$failed" -eq 0 ]
