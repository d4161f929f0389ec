#!/usr/bin/env bash
# The real executable as a screen reader and the keyboard alone meet it.
# Through the accessibility tree: the tray panel is a window of the
# application whose clocks are focusable list items named as the panel shows
# them, the map is a focusable, named picture, the chooser's section titles
# are headings, the settings window a dialog.
# With real key events only: search and track two cities (Space untracks and
# tracks again), move one up (the custom order is stored), rename it with F2,
# open its menu with Shift+F10 and the Menu key, remove it with Delete and
# bring it back with Ctrl+Z; change the time format in the settings and close
# them with Escape and Ctrl+W; reach the map with Tab, move its point with the
# arrows and list the places near it with Return.
# Run inside dbus-run-session. Usage: keyboard.sh APP SCREENSHOT_DIR
app=$1
shots=$2
name=keyboard
source "$(dirname "$0")/harness.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
prefs=$XDG_CONFIG_HOME/horavia/settings.json
accessibility_bus
has() { # a line of the tree (depth, role, name, focusable), given a moment to appear
  local i
  for i in $(seq 20); do tree | grep -qP "$1" && return 0; sleep 0.3; done
  return 1
}
stored() { tr -d ' \n' <"$prefs"; }
keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
settings_closed() { ! find_app_window 420 450 >/dev/null; }

echo '{"trackedCityIDs": [], "showsHomeZone": true}' >"$prefs"
"$app" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 main_open || fail "no main window at launch"
wait_for 10 tray_icon || fail "no tray icon"
sleep 1

# The tree: the panel (opened with a click: that is the tray's part), the map, the settings.
read -r _ x y w h < <(find_app_window 12 64) && xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
wait_for 5 panel_open || fail "the panel did not open"
sleep 0.5
# Named as shown: the time of this minute, or of a neighbouring one when read across a minute's turn.
home="UTC, ($(date -u -d '-1 min' '+%-I:%M')|$(date -u '+%-I:%M')|$(date -u -d '+1 min' '+%-I:%M')).(AM|PM), your time zone, (working hours|outside working hours|night)"
has '^1\tframe\tClocks\t' || fail "the panel is no window of the application named Clocks"
has "^2\tlist\t\t" || fail "the panel's clocks are no list"
has "\tlist item\t$home\tfocusable$" || fail "the home row is no focusable list item named as shown: $(tree | grep 'list item' | head -2)"
pass "the panel is a window with its clocks as focusable list items (\"$(tree | grep -oP "$home" | head -1)\")"
keys Escape
wait_for 5 panel_closed || fail "Escape did not close the panel"
has "\timage\tWorld map\tfocusable$" || fail "the map is not a focusable picture named \"World map\""
pass "the map is a focusable picture named \"World map\""

# Search and track two cities, keys only.
xdotool windowactivate --sync "$(main_id)" 2>/dev/null
keys ctrl+f; xdotool type --delay 60 tokyo; sleep 0.6; keys Down Return
wait_for 5 bash -c "tr -d ' \n' <'$prefs' | grep -q '\"trackedCityIDs\":\[\"gn1850147\"'" || fail "Return did not track Tokyo"
keys ctrl+f; xdotool type --delay 60 paris; sleep 0.6; keys Down Return
wait_for 5 bash -c "tr -d ' \n' <'$prefs' | grep -q '\"gn2988507\"\]'" || fail "Return did not track Paris"
keys space
wait_for 5 bash -c "! grep -q gn2988507 '$prefs'" || fail "Space did not untrack Paris"
keys space
wait_for 5 bash -c "tr -d ' \n' <'$prefs' | grep -q '\"gn2988507\"\]'" || fail "Space did not track Paris again"
keys ctrl+f Escape
pass "search and Return track Tokyo and Paris; Space untracks and tracks again"
has "\theading\tCities You Track\t" || fail "the list's section titles are no headings: $(tree | grep -P 'Cities You Track')"
pass "the list's section titles are headings"

# Into the list: home, the section, Paris, Tokyo (by time); Tokyo one up.
keys ctrl+f Down Down Down Down
keys ctrl+Up
wait_for 5 bash -c "tr -d ' \n' <'$prefs' | grep -q '\"manualOrder\":\[\"gn1850147\",\"gn2988507\"\]'" ||
  fail "Ctrl+Up did not move Tokyo up: $(stored)"
stored | grep -q '"sortMode":"manual"' || fail "Ctrl+Up did not switch to the custom order"
pass "Ctrl+Up moves Tokyo above Paris in the custom order"

keys F2
wait_for 5 find_app_window 370 420 >/dev/null || fail "F2 did not open the label editor"
title=$(xdotool getwindowname "$(find_app_window 370 420 | cut -d' ' -f1)")
[ "$title" = "Rename Tokyo, Tokyo" ] || fail "the label editor's title bar reads \"$title\""
import -window root "$shots/keyboard-label-editor-title.png"
xdotool type --delay 60 Office; keys Return
wait_for 5 bash -c "tr -d ' \n' <'$prefs' | grep -q '\"customCityLabels\":{\"gn1850147\":\"Office\"}'" ||
  fail "F2 and Save did not rename Tokyo"
pass "F2 renames"

menu_gone() { ! tree | grep -qP '\tmenu item\tMove Up\t'; }
keys shift+F10
has '\tmenu item\tMove Up\t' || fail "Shift+F10 did not open the row's menu"
keys Escape
wait_for 5 menu_gone || fail "Escape did not close the row's menu"
keys Menu
has '\tmenu item\tMove Up\t' || fail "the Menu key did not open the row's menu"
keys Escape
wait_for 5 menu_gone || fail "Escape did not close the row's menu"
pass "Shift+F10 and the Menu key open the row's menu"

# Show in Tray, a check item of the row's menu, chosen by keyboard.
keys Menu
has '\tmenu item\tShow in Tray\t' || fail "the row's menu has no Show in Tray item: $(tree | grep -i tray)"
keys Down Down Down Down Return
wait_for 5 bash -c "tr -d ' \n' <'$prefs' | grep -q '\"trayCityIDs\":\[\"gn1850147\"\]'" ||
  fail "Show in Tray by keyboard did not mark Tokyo: $(stored)"
pass "Show in Tray, a menu item a reader finds, marks Tokyo from the keyboard"

keys Delete
wait_for 5 bash -c "! tr -d ' \n' <'$prefs' | grep -q '\"trackedCityIDs\":\[[^]]*gn1850147'" || fail "Delete did not remove Tokyo"
import -window root "$shots/keyboard-undo-notice.png"
keys ctrl+z
wait_for 5 bash -c "tr -d ' \n' <'$prefs' | grep -q '\"manualOrder\":\[\"gn1850147\",\"gn2988507\"\]'" ||
  fail "Ctrl+Z did not bring Tokyo back in its place: $(stored)"
stored | grep -q '"trackedCityIDs":\["gn1850147","gn2988507"\]' || fail "Ctrl+Z did not track Tokyo again"
pass "Delete removes Tokyo, Ctrl+Z brings it back in its place with its name"

# Ctrl+C in the list: every clock on one line, read back from the real clipboard.
keys ctrl+c
copied=$(xclip -o -selection clipboard 2>/dev/null)
grep -qP "^[A-Z][a-z]{2}, [A-Z][a-z]{2} [0-9]+: UTC [0-9:]+.(AM|PM) · Office [0-9:]+.(AM|PM)( tomorrow)? · Paris, Île-de-France [0-9:]+.(AM|PM)( tomorrow)?$" \
  <<<"$copied" || fail "Ctrl+C copied \"$copied\""
pass "Ctrl+C copies the times: $copied"

# Settings: the time format from the keyboard, then Escape.
keys ctrl+comma
wait_for 5 find_app_window 420 450 >/dev/null || fail "Ctrl+, did not open the settings"
has "\tdialog\tSettings\t" || fail "the settings window is no dialog"
title=$(xdotool getwindowname "$(find_app_window 420 450 | cut -d' ' -f1)")
[ "$title" = Settings ] || fail "the settings window's title bar reads \"$title\""
keys Down
wait_for 5 bash -c "tr -d ' \n' <'$prefs' | grep -q '\"timeFormat\":\"twelveHour\"'" || fail "Down in the time picker did not choose 12-Hour"
keys Escape
wait_for 5 settings_closed || fail "Escape did not close the settings"
keys ctrl+comma
wait_for 5 find_app_window 420 450 >/dev/null || fail "Ctrl+, did not open the settings again"
keys ctrl+w
wait_for 5 settings_closed || fail "Ctrl+W did not close the settings"
pass "the settings are a dialog; the time format changes from the keyboard; Escape and Ctrl+W close them"

# The map: Tab from the search field past Order; the point to 10 E 48 N; Return.
xdotool windowactivate --sync "$(main_id)" 2>/dev/null
keys ctrl+f Tab Tab
has "\timage\tWorld map" || fail "Tab did not reach the map"
keys Right Right Right Right Right Right Right Right Right Right
keys shift+Up shift+Up Up Up Up Up Up Up Up Up
has "\timage\tWorld map, " || fail "the map's point is not announced: $(tree | grep image)"
spoken=$(tree | grep -oP "\timage\tWorld map, \K[^\t]*")
import -window root "$shots/keyboard-map-point.png"
keys Return
has "\theading\tNear " || fail "Return did not list the places near the point"
import -window root "$shots/keyboard-map-nearby.png" # with sunrise and sunset under the ring
pass "Tab reaches the map, the arrows move its point (\"$spoken\"), Return lists $(tree | grep -oP '\theading\t\KNear [^\t]*')"
[ "$failed" -eq 0 ]
