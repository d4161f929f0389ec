#!/usr/bin/env bash
# horavia --toggle, as a key bound in the desktop's keyboard settings runs
# it. On X11 with a tray: it opens the running copy's panel, a second run
# closes it, and with no copy running it starts Horavia with the panel open
# and no chooser. In a headless Wayland session (weston), where no tray shows
# the icon, it opens and closes the panel as a window of its own, read from
# the accessibility tree. Each run hands the launch's activation token on.
# Run inside dbus-run-session. Usage: toggle.sh APP SCREENSHOT_DIR
app=$1
shots=$2
name=toggle
source "$(dirname "$0")/harness.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
accessibility_bus
main_closed() { ! main_open; }
toggle() { XDG_ACTIVATION_TOKEN=e2e-token "$app" --toggle >>"$work/toggle.log" 2>&1; }

# No copy running: the first --toggle starts one, with the panel open.
"$app" --toggle >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 tray_icon || fail "no tray icon"
wait_for 10 panel_open || fail "--toggle with no copy running did not start with the panel open"
main_closed || fail "--toggle started the chooser too"
pass "--toggle with no copy running starts Horavia with the panel open"
# Where a click on the icon would put it: under the icon, not at the screen's corner.
read -r _ ix iy iw ih < <(find_app_window 12 64)
read -r _ px py pw _ < <(find_app_window 500 690)
[ "$px" -le $((ix + iw / 2)) ] && [ $((px + pw)) -ge $((ix + iw / 2)) ] && [ "$py" -ge $((iy + ih)) ] &&
  [ "$py" -le $((iy + ih + 30)) ] || fail "the cold start's panel is at +$px+$py, not under the icon at +$ix+$iy"
pass "it opens under the icon (+$px+$py, the icon at +$ix+$iy), as a click would"
import -window root "$shots/toggle-start.png"
toggle || fail "a second --toggle exited with $?"
wait_for 5 panel_closed || fail "a second --toggle did not close the panel"
kill -0 "$app_pid" 2>/dev/null || fail "the running copy died"
pass "--toggle again closes it; the running copy stays"
toggle
wait_for 5 panel_open || fail "a third --toggle did not open the panel again: $(cat "$work/toggle.log")"
pass "and opens it again"
toggle
wait_for 5 panel_closed || fail "a fourth --toggle did not close the panel"
kill "$app_pid"; wait "$app_pid" 2>/dev/null

# A start at login where no tray shows the icon: the window comes instead of nothing.
kill "${VIRTUAL_DESKTOP_PIDS[2]}" && wait "${VIRTUAL_DESKTOP_PIDS[2]}" 2>/dev/null # trayer
"$app" --at-login >"$work/login.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 main_open || fail "a start at login with no tray showed nothing"
pass "a start at login with no tray shows the window"
kill "$app_pid"; wait "$app_pid" 2>/dev/null

# Wayland: no tray, so the panel is a window; the tree shows its clocks.
export XDG_RUNTIME_DIR=$work/wayland-runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=wayland-toggle --idle-time=0 --width=1280 --height=800 \
  >"$work/weston.log" 2>&1 & pids+=($!)
wait_for 10 test -S "$XDG_RUNTIME_DIR/wayland-toggle" || fail "weston did not start"
echo '{"showsDockIcon": true}' >"$XDG_CONFIG_HOME/horavia/settings.json"
export WAYLAND_DISPLAY=wayland-toggle QT_QPA_PLATFORM=wayland
unset DISPLAY
"$app" >"$work/wayland-app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
# The application's windows that show, as a screen reader finds them.
showing() {
  "$python" - "$app_pid" <<'PY'
import sys
import pyatspi
desktop = pyatspi.Registry.getDesktop(0)
count = 0
for i in range(desktop.childCount):
    app = desktop.getChildAtIndex(i)
    if app is None or app.get_process_id() != int(sys.argv[1]):
        continue
    for j in range(app.childCount):
        window = app.getChildAtIndex(j)
        if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
            count += 1
print(count)
PY
}
for _ in $(seq 50); do [ "$(showing)" -ge 1 ] && break; sleep 0.2; done
before=$(showing)
[ "$before" -ge 1 ] || fail "the Wayland copy shows no window"
toggle || fail "--toggle under Wayland exited with $?"
for _ in $(seq 25); do [ "$(showing)" -gt "$before" ] && break; sleep 0.2; done
[ "$(showing)" -gt "$before" ] || fail "--toggle under Wayland opened no panel window ($(showing) showing)"
pass "--toggle under Wayland opens the panel as a window"
toggle
for _ in $(seq 25); do [ "$(showing)" -eq "$before" ] && break; sleep 0.2; done
[ "$(showing)" -eq "$before" ] || fail "a second --toggle under Wayland did not close the panel ($(showing) showing)"
pass "and a second closes it"
grep -v '^$' "$work/toggle.log" && fail "--toggle printed something"
[ "$failed" -eq 0 ]
