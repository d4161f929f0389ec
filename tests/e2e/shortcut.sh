#!/usr/bin/env bash
# The desktop-wide "Show Clocks" key through a desktop portal with
# GlobalShortcuts (tests/e2e/desktop-portal.py) on the private bus: the
# application registers its id, makes a session and binds the shortcut with
# no key of its own; the settings show the key the user chose and offer the
# portal's dialog; each press of the key opens the panel, with the focus, or
# closes it. A start at login with a StatusNotifier host, which draws
# nothing of its own, has the key at once too.
# Run inside dbus-run-session. Usage: shortcut.sh APP SCREENSHOT_DIR
app=$1
shots=$2
name=shortcut
source "$(dirname "$0")/harness.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
accessibility_bus
"$python" "$(dirname "$0")/desktop-portal.py" >>"$work/portal.log" 2>&1 & pids+=($!)
wait_for 5 grep -q ready "$work/portal.log" || fail "the fake portal did not start: $(cat "$work/portal.log")"
press() {
  dbus-send --session --print-reply --dest=org.freedesktop.portal.Desktop /Test org.horavia.Test.Press string:show-clocks string: >/dev/null
}

"$app" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 main_open || fail "no main window at launch"
wait_for 10 grep -q "^BindShortcuts" "$work/portal.log" || fail "no shortcut bound: $(cat "$work/portal.log" "$work/app.log")"
calls=$(grep -v ready "$work/portal.log" | paste -sd '|')
[ "$calls" = "Register org.horavia.Horavia|CreateSession|ListShortcuts|BindShortcuts show-clocks=Show Clocks" ] ||
  fail "the portal heard $calls"
pass "the binding: $calls"

press
wait_for 5 panel_open || fail "a press of the key did not open the panel"
# The keys reach it at once: Escape closes it.
sleep 0.3
xdotool key Escape
wait_for 5 panel_closed || fail "the panel opened by the key did not take Escape"
pass "a press of the key opens the panel, which has the keyboard"
press
wait_for 5 panel_open || fail "a second press did not open the panel"
press
wait_for 5 panel_closed || fail "a press with the panel open did not close it"
pass "a press with the panel open closes it"

# The settings: the key the user chose, and the portal's own dialog.
read -r main_id _ < <(find_app_window 700 760)
xdotool windowactivate --sync "$main_id" 2>/dev/null; xdotool key ctrl+comma
wait_for 5 find_app_window 420 450 >/dev/null || fail "Ctrl+, did not open the settings"
wait_for 5 bash -c "\"$python\" \"$(dirname "$0")/accessible.py\" $app_pid | grep -qP '\tlabel\tShow Clocks: Ctrl\+Alt\+C\t'" ||
  fail "the settings do not show the bound key: $(tree | grep -i 'show clocks')"
change_button() { tree | grep -qP '\tpush button\tChange the Show Clocks shortcut\tfocusable'; }
wait_for 5 change_button || fail "no Change… button a reader finds"
pass "the settings show the key, Ctrl+Alt+C, and a Change… button"
import -window root "$shots/shortcut-settings.png"
# At login, the icon in a StatusNotifier host and no window shown: no frame
# is painted, and the key is still taken at once.
kill "$app_pid"; wait "$app_pid" 2>/dev/null
"$python" "$(dirname "$0")/sni-watcher.py" >"$work/watcher.log" 2>&1 & pids+=($!)
wait_for 5 grep -q ready "$work/watcher.log" || fail "the StatusNotifier watcher did not start"
: >"$work/portal.log"
"$app" --at-login >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 grep -q registered "$work/watcher.log" || fail "no item registered at login: $(cat "$work/app.log")"
wait_for 10 grep -q "^ListShortcuts" "$work/portal.log" || fail "the portal was not asked at login: $(cat "$work/portal.log")"
main_open && fail "a window was shown at login"
press
wait_for 5 panel_open || fail "a press of the key after a start at login did not open the panel"
pass "a start at login with a StatusNotifier host takes the key at once: $(paste -sd '|' "$work/portal.log")"
[ "$failed" -eq 0 ]
