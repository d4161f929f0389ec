#!/usr/bin/env bash
# The city chooser driven by real input events, as a user would: the main
# window opens at launch; typing "par" and clicking the first result tracks
# Paris; the tray panel grows by its row; a map click lists the cities near
# it and one is tracked from there; a double click and Save rename Paris;
# dragging a row reorders the list under the custom order; "Remove" in the
# context menu takes Paris out; all of it survives a restart.
# Run inside dbus-run-session. Usage: chooser.sh APP SCREENSHOT_DIR
app=$1
shots=$2
name=chooser
source "$(dirname "$0")/harness.sh"
prefs=$XDG_CONFIG_HOME/horavia/settings.json
echo '{"trackedCityIDs": []}' >"$prefs"
# Points inside the 720 x 600 main window: the search field, the first list
# row under a section title, the first tracked row below the home row (the
# list begins under the map and the time strip).
at() { xdotool mousemove --window "$(main_id)" "$1" "$2"; }
search_field=(300 38)
first_result=(300 451)
first_tracked=(300 508)
second_tracked=(300 538)
stored() { tr -d ' \n' <"$prefs"; }
tracks() { stored | grep -q "\"trackedCityIDs\":\[[^]]*\"$1\""; }
tracked_count() { stored | grep -o '"trackedCityIDs":\[[^]]*\]' | grep -o '"gn[0-9]*"' | wc -l; }

"$app" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 main_id >/dev/null || fail "no main window at launch"
wait_for 10 find_app_window 12 64 >/dev/null || fail "no tray icon"
sleep 1
pass "main window and tray icon at launch"
before=$(panel_height) || fail "the panel did not open"

at "${search_field[@]}"; xdotool click 1; xdotool type --delay 60 par; sleep 0.6
import -window root "$shots/chooser-search.png"
at "${first_result[@]}"; xdotool click 1
wait_for 5 tracks gn2988507 || fail "clicking the first result for \"par\" did not track Paris"
pass "typing \"par\" and clicking the first result tracks Paris"

at "${search_field[@]}"; xdotool click 1; xdotool key Escape; sleep 0.4
after=$(panel_height) || fail "the panel did not open again"
[ "$after" -ge $((before + 20)) ] || fail "the panel did not grow by a row ($before -> $after)"
pass "the tray panel lists the new city ($before -> $after px)"
at "${first_tracked[@]}"; sleep 2 # resting on a row: its sunrise and sunset
import -window root "$shots/chooser-row-tooltip.png"

# Tokyo on the map: 720 * (139.7 + 180) / 360 across, 60 + 284 * (84 - 35.7) / 142 down.
at 639 157; xdotool click 1; sleep 0.6
import -window root "$shots/chooser-map-focus.png"
at "${first_result[@]}"; xdotool click 1
wait_for 5 bash -c "[ \$(tr -d ' \n' <'$prefs' | grep -o '\"trackedCityIDs\":\[[^]]*\]' | grep -o '\"gn[0-9]*\"' | wc -l) -eq 2 ]" ||
  fail "a map click and the first nearby row did not track a second city"
pass "a map click lists the cities near it; the first is tracked"
at 696 80; xdotool click 1; sleep 0.4 # "Clear Selection"

# Sorted by time, Paris (UTC+1) comes before the Japanese city.
at "${first_tracked[@]}"; xdotool click 1 click 1
wait_for 5 find_app_window 370 420 >/dev/null || fail "a double click did not open the label editor"
xdotool type --delay 60 Mum; xdotool key Return
wait_for 5 bash -c "tr -d ' \n' <'$prefs' | grep -q '\"customCityLabels\":{\"gn2988507\":\"Mum\"}'" ||
  fail "Save did not store the label"
pass "a double click and Save rename Paris"
import -window root "$shots/chooser-renamed.png"

# The Japanese city dragged above Paris. The window is found once: while
# dragging, the drag's picture is a window of the application's class too.
window=$(main_id)
xdotool mousemove --window "$window" "${second_tracked[@]}" mousedown 1; sleep 0.2
for y in 533 528 523 518 513 508 503 500; do xdotool mousemove --window "$window" 300 "$y"; sleep 0.05; done
sleep 0.3; xdotool mouseup 1
wait_for 5 bash -c "tr -d ' \n' <'$prefs' | grep -q '\"manualOrder\":\[\"gn[0-9]*\",\"gn2988507\"\]'" ||
  fail "dragging a row did not reorder the list"
# The order and the mode are two settings, stored as each is set.
wait_for 5 bash -c "tr -d ' \n' <'$prefs' | grep -q '\"sortMode\":\"manual\"'" ||
  fail "dragging a row did not switch to the custom order"
pass "dragging a row reorders the list and switches to the custom order"

at "${second_tracked[@]}"; xdotool click 3; sleep 0.5
xdotool key Up Return
wait_for 5 bash -c "! tr -d ' \n' <'$prefs' | grep -q '\"trackedCityIDs\":\[[^]]*\"gn2988507\"'" ||
  fail "Remove from the context menu did not take Paris out"
[ "$(tracked_count)" -eq 1 ] || fail "Remove took out more than Paris"
pass "\"Remove\" in the context menu takes Paris out"

kept=$(stored)
xdotool windowactivate --sync "$(main_id)" 2>/dev/null; xdotool key ctrl+q
wait_for 5 bash -c "! kill -0 $app_pid 2>/dev/null" || fail "Ctrl+Q did not quit"
"$app" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 main_id >/dev/null || fail "no main window after a restart"
wait_for 10 find_app_window 12 64 >/dev/null || fail "no tray icon after a restart"
sleep 1
[ "$(stored)" = "$kept" ] || fail "the preferences changed across a restart"
again=$(panel_height) || fail "the panel did not open after a restart"
[ "$again" -eq "$after" ] || fail "after a restart the panel is $again px, not $after"
pass "everything survives a restart"
[ "$failed" -eq 0 ]
