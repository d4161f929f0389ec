#!/usr/bin/env bash
# The update round trip with the real executable: a loopback server offers a
# signed newer bundle; the automatic check finds it, the chooser's ribbon
# opens the update window, Return installs it; the old process goes, the
# new bundle runs, nothing is left beside it, and its next check finds
# nothing new. Then a tampered release fails in front of the user (whose
# language is the pseudo-language, to find any text left untranslated) and
# leaves the running bundle as it was.
# Run inside dbus-run-session.
# Usage: update.sh BUNDLE LOOPBACK_EXECUTABLE CODESIGN PORT SCREENSHOT_DIR
bundle=$1
loopback=$2
codesign=$3
port=$4
shots=$5
name=update
source "$(dirname "$0")/harness.sh"

# A quote and a space in the folder: the relaunch goes through a shell.
apps="$work/it's here"
installed=$apps/Horavia.app
release=$work/release/Horavia.app
site=$work/site
prefs=$XDG_CONFIG_HOME/horavia/settings.json
mkdir -p "$apps" "$work/release" "$site"

# The running copy: this build's bundle with the loopback executable, signed
# with a test key; the release: the same with a higher version, same key.
cp -a "$bundle" "$installed"
cp "$loopback" "$installed/Contents/Horavia"
"$codesign" keygen "$work/key.pem" >/dev/null || fail "no signing key"
"$codesign" sign --key "$work/key.pem" "$installed" >/dev/null || fail "the running copy could not be signed"
make_release() { # version, then what to do to the signed release before packing it
  rm -rf "$release" "$site/hrv.zip"
  cp -a "$bundle" "$release"
  cp "$loopback" "$release/Contents/Horavia"
  sed -i -e "s|<key>CFBundleShortVersionString</key><string>[^<]*</string>|<key>CFBundleShortVersionString</key><string>$1</string>|" \
    -e "s|<key>CFBundleVersion</key><string>[^<]*</string>|<key>CFBundleVersion</key><string>$1</string>|" \
    "$release/Contents/Info.plist"
  "$codesign" sign --key "$work/key.pem" "$release" >/dev/null || fail "the release could not be signed"
  eval "${2:-true}"
  (cd "$(dirname "$release")" && zip -qry "$site/hrv.zip" Horavia.app)
  # Longer than the notes' box, so that the window shows whether it opens at the heading.
  { printf '# Horavia %s\n\n- **Faster** start\n- The night side follows the *real* sun\n' "$1"
    for n in $(seq 20); do printf -- '- Change %s\n' "$n"; done; } >"$site/updates.txt"
}
version_of() { grep -o '<key>CFBundleShortVersionString</key><string>[^<]*' "$1/Contents/Info.plist" | sed 's/.*<string>//'; }
requests() { grep -c "GET $1 " "$work/server.log"; }

exec 3</dev/tcp/127.0.0.1/"$port" 2>/dev/null && fail "port $port is taken"
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" 2>"$work/server.log" >/dev/null &
pids+=($!)
wait_for 10 bash -c "exec 3</dev/tcp/127.0.0.1/$port" || fail "the loopback server did not start"

update_open() { find_app_window 440 480 >/dev/null; }
start() {
  "$installed/Contents/Horavia" >"$work/app.log" 2>&1 &
  app_pid=$!
  pids+=($app_pid)
  wait_for 10 main_open || fail "no main window"
}
# The ribbon sits at the top of the chooser once an update is offered.
open_from_ribbon() { xdotool mousemove --window "$(main_id)" 300 76 click 1; wait_for 5 update_open; }

make_release 9.9
echo '{"hasLaunchedBeforeForUpdates": true, "trackedCityIDs": []}' >"$prefs"
start
wait_for 10 bash -c "[ \$(grep -c 'GET /updates.txt ' '$work/server.log') -ge 1 ]" || fail "no automatic check"
sleep 1
import -window root "$shots/update-ribbon.png"
offered=$(panel_height) || fail "the panel did not open"
open_from_ribbon || fail "the ribbon did not open the update window"
pass "the automatic check offers the update; the ribbon opens the update window"
import -window root "$shots/update-offered.png"
title=$(xdotool getwindowname "$(find_app_window 440 480 | cut -d' ' -f1)")
[ "$title" = "Software Update" ] || fail "the update window's title bar reads \"$title\""

old=$app_pid
xdotool key Return
wait_for 30 bash -c "! kill -0 $old 2>/dev/null" || fail "the old process did not end after installing"
wait_for 20 main_open || fail "the new version did not start"
new=$(pgrep -f -x "$installed/Contents/Horavia" | head -1)
[ -n "$new" ] && [ "$new" != "$old" ] || fail "no new process runs from the bundle"
pids+=($new)
[ "$(version_of "$installed")" = 9.9 ] || fail "the bundle was not replaced"
"$codesign" verify "$installed" >/dev/null || fail "the installed bundle does not verify"
[ -z "$(ls -A "$apps" | grep -v '^Horavia.app$')" ] || fail "left beside the bundle: $(ls -A "$apps")"
tr -d ' \n' <"$prefs" | grep -q '"lastSeenUpdateNotes":"#Horavia9.9' || fail "the installed notes were not recorded"
pass "Install downloads, verifies, swaps, records the notes and relaunches the new bundle"

wait_for 10 bash -c "[ \$(grep -c 'GET /updates.txt ' '$work/server.log') -ge 2 ]" || fail "the new version did not check"
sleep 1
[ "$(requests /hrv.zip)" -eq 1 ] || fail "the new version downloaded again"
update_open && fail "the new version offered the update it is"
settled=$(panel_height) || fail "the panel did not open in the new version"
[ "$offered" -ge $((settled + 15)) ] || fail "the panel showed no update row ($offered vs $settled px)"
pass "the next check finds nothing new; the panel's update row is there only while offered"
xdotool mousemove --window "$(main_id)" 25 9 click 1; sleep 0.4; xdotool key Down Return; sleep 0.8
import -window root "$shots/update-installed-about.png"
xdotool key Escape; sleep 0.3

# A release whose resources were changed after signing.
xdotool windowactivate --sync "$(main_id)" 2>/dev/null; xdotool key ctrl+q
wait_for 10 bash -c "! kill -0 $new 2>/dev/null" || fail "Ctrl+Q did not quit the new version"
make_release 10.0 'echo "[]" >"$release/Contents/Resources/cities.json"'
# In the pseudo-language this time: the update window's texts, its failure
# among them, must all have come through the catalogues.
accessibility_bus
# A screen reader listens: the phases and the failure are announced.
source "$(dirname "$0")/screen-reader.sh"
start_screen_reader
LANGUAGE=qps QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start
wait_for 10 bash -c "[ \$(grep -c 'GET /updates.txt ' '$work/server.log') -ge 3 ]" || fail "no check of the tampered release"
sleep 1
open_from_ribbon || fail "the tampered release was not offered"
key Return
hear '^notification ⟦Íñśtáĺĺíñg' "the install's phase"
hear '^notification ⟦(?!Íñśtáĺĺíñg)' "the failed install"
pass "the install and its failure, as Orca says them: $(grep -a '^notification' "$speech" | tr '\n' '|')"
sleep 1
kill -0 "$app_pid" 2>/dev/null || fail "a tampered release ended the application"
update_open || fail "the update window closed on a failed install"
[ "$(version_of "$installed")" = 9.9 ] || fail "a tampered release replaced the bundle"
"$codesign" verify "$installed" >/dev/null || fail "the running bundle no longer verifies"
[ -z "$(ls -A "$apps" | grep -v '^Horavia.app$')" ] || fail "a failed install left $(ls -A "$apps")"
import -window root "$shots/update-tampered.png"
# Read until the tree settles: a busy machine may show it half built.
walker=$(dirname "$0")/accessible.py
update_in_tree() { local tree; tree=$(/usr/bin/python3 "$walker" "$app_pid") && grep -q '⟦Śóftwáré Úpdáté⟧' <<<"$tree"; }
unmarked() { /usr/bin/python3 "$walker" "$app_pid" --unmarked '^(UTC|© 20[0-9]{2} )'; }
all_marked() { local left; left=$(unmarked) && [ -z "$left" ]; }
wait_for 10 update_in_tree || fail "the update window is not in the tree"
wait_for 10 all_marked || fail "the update window left texts untranslated: $(unmarked | tr '\n' ';')"
# The failure is announced: a screen reader hears it without moving to it.
announced() { /usr/bin/python3 "$walker" "$app_pid" | grep -qP '^2\tnotification\t⟦.*⟧'; }
wait_for 10 announced || fail "the failed install was not announced"
xdotool windowactivate --sync "$(main_id)" 2>/dev/null; xdotool key ctrl+comma; sleep 0.8
import -window root "$shots/update-tampered-settings.png"
pass "a tampered release fails in the update window and leaves the bundle untouched"

# A copy installed by hand has no notes recorded, so it is offered the
# release it already runs: installing it swaps nothing, records the notes
# and ends up to date, and the offer does not come back.
xdotool key Escape; sleep 0.3
xdotool windowactivate --sync "$(main_id)" 2>/dev/null; xdotool key ctrl+q
wait_for 10 bash -c "! kill -0 $app_pid 2>/dev/null" || fail "Ctrl+Q did not quit"
make_release 9.9
/usr/bin/python3 -c '
import json, sys
prefs = json.load(open(sys.argv[1])); prefs.pop("lastSeenUpdateNotes", None); json.dump(prefs, open(sys.argv[1], "w"))
' "$prefs"
checks=$(requests /updates.txt)
start
wait_for 10 bash -c "[ \$(grep -c 'GET /updates.txt ' '$work/server.log') -gt $checks ]" || fail "no check of the running release"
sleep 1
open_from_ribbon || fail "the running release was not offered to a copy without recorded notes"
xdotool key Return
wait_for 20 bash -c "tr -d ' \n' <'$prefs' | grep -q '\"lastSeenUpdateNotes\":\"#Horavia9.9'" ||
  fail "the running release's notes were not recorded"
sleep 1
kill -0 "$app_pid" 2>/dev/null || fail "installing the running release ended the application"
[ "$(version_of "$installed")" = 9.9 ] && [ -z "$(ls -A "$apps" | grep -v '^Horavia.app$')" ] ||
  fail "installing the running release changed the bundle or left $(ls -A "$apps")"
import -window root "$shots/update-same-version.png"
xdotool key Escape; sleep 0.3
[ "$(panel_height)" -eq "$settled" ] || fail "the panel still shows an update row"
xdotool windowactivate --sync "$(main_id)" 2>/dev/null; xdotool key ctrl+q
wait_for 10 bash -c "! kill -0 $app_pid 2>/dev/null" || fail "Ctrl+Q did not quit"
checks=$(requests /updates.txt)
start
wait_for 10 bash -c "[ \$(grep -c 'GET /updates.txt ' '$work/server.log') -gt $checks ]" || fail "no check after the restart"
sleep 1
open_from_ribbon && fail "the running release was offered again"
[ "$(panel_height)" -eq "$settled" ] || fail "the panel shows an update row after the restart"
pass "the release already running: recorded as seen, up to date, no ribbon or update row afterwards"
[ "$failed" -eq 0 ]
