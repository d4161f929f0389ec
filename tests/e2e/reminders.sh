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
dunst_look() { # light or dark; a running dunst ends and D-Bus starts it again with the new look
  local background='#f6f5f4' foreground='#2e3436' frame='#c0bfbc'
  [ "$1" = dark ] && background='#303030' foreground='#eeeeec' frame='#5e5c64'
  cat >"$XDG_CONFIG_HOME/dunst/dunstrc" <<EOF2
[global]
    font = DejaVu Sans 10
    width = 460
    origin = top-right
    offset = 10x40
    frame_width = 1
    frame_color = "$frame"
    dmenu = $work/choose-snooze
[urgency_normal]
    background = "$background"
    foreground = "$foreground"
    timeout = 0
EOF2
  pkill -x dunst 2>/dev/null
  # Gone before anyone asks: a message sent to a daemon on its way out is lost.
  wait_for 5 dunst_gone || fail "dunst did not end for its new look"
}
dunst_gone() { ! pgrep -x dunst >/dev/null; }
dunst_look light
scheme() { gsettings set org.gnome.desktop.interface color-scheme "$1"; }
scheme default
dbus-update-activation-environment DISPLAY XDG_CONFIG_HOME GSETTINGS_BACKEND XDG_CURRENT_DESKTOP XDG_RUNTIME_DIR ||
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
    --method org.freedesktop.DBus.Mock.EmitSignal org.freedesktop.login1.Manager PrepareForSleep b '[<false>]' \
    >/dev/null || fail "logind's mock sent no PrepareForSleep"
}

# Every Notify call, with the time it crossed the bus, each written as it comes.
stdbuf -oL dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
  >"$work/notify.log" 2>&1 & pids+=($!)
notifies() { grep -c 'member=Notify' "$work/notify.log"; }
more_than() { [ "$(notifies)" -gt "$1" ]; } # counted at each try
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
xdotool key Home # back to now: the sheet proposes the next step
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

# kill -9, then a reminder whose time passed while Horavia was stopped; the
# rest of the run in the dark.
kill -9 "$app_pid"; wait "$app_pid" 2>/dev/null
add_reminder() { # id wall [zone]
  "$python" - "$prefs/reminders.json" "$@" <<'EOF2' || fail "could not add a reminder"
import json, sys
path, rid, wall = sys.argv[1:4]
data = json.load(open(path))
entry = {"id": rid, "wall": wall, "leadMinutes": 0, "note": "Call " + rid}
if len(sys.argv) > 4:
    entry["zone"], entry["place"] = sys.argv[4], sys.argv[4].split("/")[-1]
data["reminders"].append(entry)
json.dump(data, open(path, "w"))
EOF2
}
past=$(( $(date +%s) / 60 * 60 - 300 ))
add_reminder Lisbon "$(TZ=UTC date -d "@$past" +%Y-%m-%dT%H:%M)"
dunst_look dark
scheme prefer-dark
before=$(notifies)
start
wait_for 10 more_than "$before" || fail "the missed reminder did not arrive after the restart"
sleep 2
[ "$(notifies)" -eq $((before + 1)) ] || fail "$(($(notifies) - before)) messages after the restart, not one"
last_message | grep -q "Late:" || fail "the late reminder is not marked late: $(last_message)"
pass "after kill -9 a reminder 5 minutes late arrives once, marked late"
import -window root "$shots/reminders-notification-dark.png"

# Show, dunst's default action: the panel at the reminder's time.
dunstctl action 0
wait_for 5 panel_open || fail "Show did not open the panel"
shown=$(local_time UTC "@$past")
wait_for 5 eval 'tree | grep -qP "\tlabel\t[^\t]*$(pattern "$shown")[^\t]*minutes ago"' ||
  fail "the panel is not at $shown: $(tree | grep -P '\tlabel\t' | head -5)"
pass "Show opens the panel at the reminder's time ($shown, 5 minutes ago)"
import -window root "$shots/reminders-panel-dark.png"
xdotool key Home # back to now: the sheet proposes the next step
press "Remind Me"
wait_for 5 sheet || fail "the panel's Remind Me… opened no sheet"
import -window root "$shots/reminders-sheet-dark.png"
xdotool key Escape
wait_for 5 no_sheet || fail "Escape left the sheet open"

kill -9 "$app_pid"; wait "$app_pid" 2>/dev/null
before=$(notifies)
start
sleep 3
[ "$(notifies)" -eq "$before" ] || fail "a second start delivered again"
pass "a second start after kill -9 delivers nothing twice"
kill "$app_pid"; wait "$app_pid" 2>/dev/null

# The wall clock set two hours forward while a reminder an hour ahead
# waits, and logind saying the computer woke: it arrives once, marked late.
ahead=$(( $(date +%s) / 60 * 60 + 3600 ))
add_reminder Oslo "$(TZ=UTC date -d "@$ahead" +%Y-%m-%dT%H:%M)"
echo "+0" >"$work/clock"
before=$(notifies)
start LD_PRELOAD=$faketime FAKETIME_TIMESTAMP_FILE="$work/clock" FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1
sleep 2
[ "$(notifies)" -eq "$before" ] || fail "a reminder an hour ahead arrived at once"
echo "+2h" >"$work/clock"
# Said again until heard: the application listens on the system bus from its first armed reminder.
woke() { resume; sleep 0.5; [ "$(notifies)" -gt "$before" ]; }
wait_for 10 woke || fail "nothing arrived after the clock moved and the computer woke"
sleep 2
[ "$(notifies)" -eq $((before + 1)) ] || fail "$(($(notifies) - before)) messages after the wake, not one"
# The reminder snoozed earlier came due in those two hours too: both in one message.
last_message | grep -q "2 reminders came while you were away" && last_message | grep -q "Call Oslo · " ||
  fail "not one message for the two late reminders: $(last_message)"
pass "the clock two hours on and PrepareForSleep(false): the two reminders due meanwhile arrive once, in one message"
kill "$app_pid"; wait "$app_pid" 2>/dev/null

# A new home zone moves the reminder kept at home, never the one kept in Tokyo.
add_reminder home-nine 2030-01-10T09:00
add_reminder tokyo-nine 2030-01-10T09:00 Asia/Tokyo
utc_of() { # zone, reminder note: its instant, UTC, as --print=json gives it
  TZ=$1 "$app" --print=json | "$python" -c "
import json, sys, datetime
for r in json.load(sys.stdin)[0]['reminders']:
    if r['note'] == sys.argv[1]:
        print(datetime.datetime.fromisoformat(r['at']).astimezone(datetime.timezone.utc).strftime('%H:%M'))" "$2"
}
[ "$(utc_of UTC 'Call tokyo-nine')" = 00:00 ] && [ "$(utc_of America/New_York 'Call tokyo-nine')" = 00:00 ] ||
  fail "the Tokyo reminder moved with home: $(utc_of UTC 'Call tokyo-nine') $(utc_of America/New_York 'Call tokyo-nine')"
[ "$(utc_of UTC 'Call home-nine')" = 09:00 ] && [ "$(utc_of America/New_York 'Call home-nine')" = 14:00 ] ||
  fail "the home reminder did not follow home: $(utc_of UTC 'Call home-nine') $(utc_of America/New_York 'Call home-nine')"
pass "home from UTC to New York: 9:00 at home moves to 14:00 UTC, 9:00 in Tokyo stays at 00:00 UTC"
