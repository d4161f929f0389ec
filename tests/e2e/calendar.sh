#!/usr/bin/env bash
# "Create Event…" (Ctrl+E in the chooser) writes an iCalendar file for the
# displayed instant and hands it to the desktop's calendar. Here the session
# bus has no portal, so the file goes through QDesktopServices and xdg-open
# to a stand-in calendar that keeps a copy; the copy must parse, with its
# start at the chosen instant in UTC.
# Usage: calendar.sh APP SCREENSHOT_DIR (starts its own session bus, without services)
app=$1
shots=$2
if [ -z "${HORAVIA_CALENDAR_BUS:-}" ]; then
  config=$(mktemp)
  cat >"$config" <<'XML'
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>
XML
  HORAVIA_CALENDAR_BUS=1 dbus-run-session --config-file="$config" -- bash "$0" "$@"
  status=$?
  rm -f "$config"
  exit $status
fi
name=calendar
source "$(dirname "$0")/harness.sh"
export FAKETIME_DONT_FAKE_MONOTONIC=1
opened=$work/opened.ics
mkdir -p "$HOME/.local/share/applications"
cat >"$work/calendar-app" <<SH
#!/bin/sh
cp "\$1" "$opened"
SH
chmod +x "$work/calendar-app"
printf '[Desktop Entry]\nType=Application\nName=Stand-in calendar\nExec=%s %%f\nMimeType=text/calendar;\n' \
  "$work/calendar-app" >"$HOME/.local/share/applications/stand-in-calendar.desktop"
printf '[Default Applications]\ntext/calendar=stand-in-calendar.desktop\n' >"$XDG_CONFIG_HOME/mimeapps.list"
export XDG_DATA_HOME=$HOME/.local/share

echo '{"trackedCityIDs": ["gn1850147"]}' >"$XDG_CONFIG_HOME/horavia/settings.json"
LD_PRELOAD=$faketime FAKETIME="2026-12-09 12:00:00" ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 \
  "$app" >"$work/app.log" 2>&1 & pids+=($!)
wait_for 10 main_open || fail "no main window"
sleep 1
read -r id _ < <(find_app_window 700 760)
xdotool windowactivate --sync "$id" 2>/dev/null
# Three steps on from 12:00, then the event.
xdotool key ctrl+f Down Right Right Right ctrl+e
wait_for 10 test -s "$opened" || fail "no calendar was handed an event"
/usr/bin/python3 - "$opened" <<'PY' || fail "the event does not read back: $(cat "$opened")"
import sys
lines = open(sys.argv[1]).read().replace("\r\n ", "").splitlines()
fields = dict(line.split(":", 1) for line in lines if ":" in line)
assert lines[0] == "BEGIN:VCALENDAR" and "BEGIN:VEVENT" in lines, lines
assert fields["DTSTART"] == "20261209T133000Z", fields["DTSTART"]
assert fields["DTEND"] == "20261209T140000Z", fields["DTEND"]
assert "Tokyo" in fields["DESCRIPTION"], fields["DESCRIPTION"]
PY
pass "Ctrl+E hands the calendar an event at 13:30 UTC, 30 minutes, with the cities' times"

# An upgrade renames its new files into place while a copy runs: that copy's
# first Create Event still loads the module it started with, not the new
# one (here, a file that is no module at all).
kill "${pids[@]}" 2>/dev/null; wait "${pids[@]}" 2>/dev/null; pids=()
bundle=$(dirname "$(dirname "$app")")
cp -a "$bundle" "$work/Upgraded.app"
rm -f "$opened"
LD_PRELOAD=$faketime FAKETIME="2026-12-09 12:00:00" ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 \
  "$work/Upgraded.app/Contents/Horavia" >"$work/upgraded.log" 2>&1 & pids+=($!)
wait_for 10 main_open || fail "no main window from the copy to be upgraded"
sleep 1
printf 'not the module this copy started with\n' >"$work/Upgraded.app/Contents/.new"
mv "$work/Upgraded.app/Contents/.new" "$work/Upgraded.app/Contents/libhoravia-services.so"
read -r id _ < <(find_app_window 700 760)
xdotool windowactivate --sync "$id" 2>/dev/null
xdotool key ctrl+f ctrl+e
wait_for 10 test -s "$opened" || fail "after the module was renamed over: $(cat "$work/upgraded.log")"
grep -q "BEGIN:VEVENT" "$opened" || fail "the event after the rename does not read: $(cat "$opened")"
pass "a module renamed over while it runs: Create Event uses the one it started with"

# A copy without its services module still runs: Ctrl+E writes nothing,
# says which module is missing, and the application carries on.
kill "${pids[@]}" 2>/dev/null; wait "${pids[@]}" 2>/dev/null; pids=()
cp -a "$bundle" "$work/Without.app"
rm "$work/Without.app/Contents/libhoravia-services.so"
rm -f "$opened"
LD_PRELOAD=$faketime FAKETIME="2026-12-09 12:00:00" ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 \
  "$work/Without.app/Contents/Horavia" >"$work/without.log" 2>&1 & pids+=($!)
wait_for 10 main_open || fail "no main window without the services module"
sleep 1
read -r id _ < <(find_app_window 700 760)
xdotool windowactivate --sync "$id" 2>/dev/null
xdotool key ctrl+f ctrl+e # from the search field, whose own Ctrl+E would go to the end of its line
wait_for 5 grep -q "libhoravia-services.so" "$work/without.log" || fail "no word of the missing module"
sleep 0.5
kill -0 "${pids[0]}" 2>/dev/null && [ ! -e "$opened" ] && main_open ||
  fail "without the services module: $(cat "$work/without.log")"
pass "without its services module, Create Event says so and the application carries on"
[ "$failed" -eq 0 ]
