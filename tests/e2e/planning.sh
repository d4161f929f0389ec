#!/usr/bin/env bash
# Planning across zones with the real executable at a fixed instant
# (Thursday 2026-01-15 12:00 UTC, home in London, New York and Berlin
# tracked), driven by real input: three wheel notches over the panel's time
# strip move every row to the chosen instant (checked against date(1));
# Home goes back to now; dragging the chooser's strip by six hours moves the
# map's night side; Next Overlap finds 14:00 UTC; working hours set in the
# label editor survive a restart. Typed times: "3pm Tokyo" and Return in the
# chooser's search, "9am New York" in the panel's field. Shared times:
# xdg-open of a horavia: address opens the panel at its instant, hostile ones
# change nothing, Copy Link copies one, and with no copy running one starts
# Horavia. A second run a few days before New York's clocks change shows the
# notice, and with Tokyo added Next Overlap says there is no full overlap.
# The rows are read through the accessibility tree.
# Run inside dbus-run-session. Usage: planning.sh APP SCREENSHOT_DIR
app=$1
shots=$2
name=planning
source "$(dirname "$0")/harness.sh"
export TZ=Europe/London QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 FAKETIME_DONT_FAKE_MONOTONIC=1
prefs=$XDG_CONFIG_HOME/horavia/settings.json
# Preloaded rather than through faketime(1), so that the process is the application.
has() { # a line of the tree, given a moment to appear (a sanitizer build starts slowly)
  local i
  for i in $(seq 20); do tree | grep -qP "$1" && return 0; sleep 0.3; done
  return 1
}
# The accessibility bus must be up before the application asks for it.
accessibility_bus

start() { # frozen instant, then the stored settings
  echo "$2" >"$prefs"
  # A sanitizer build wants its runtime first; the preloaded clock comes before it.
  LD_PRELOAD=$faketime FAKETIME=$1 ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 \
    "$app" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
  wait_for 10 main_open || fail "no main window at launch"
  wait_for 10 tray_icon || fail "no tray icon"
  sleep 1
}
stop() {
  xdotool windowactivate --sync "$(main_id)" 2>/dev/null; xdotool key ctrl+q
  wait_for 5 bash -c "! kill -0 $app_pid 2>/dev/null" || fail "Ctrl+Q did not quit"
}
at() { xdotool mousemove --window "$(main_id)" "$1" "$2"; }
open_panel() {
  local _ x y w h
  read -r _ x y w h < <(find_app_window 12 64) && xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
  wait_for 5 panel_open || fail "the panel did not open"
  sleep 0.4
}
# "title<TAB>time" for each clock row of the chooser's list.
rows() { tree | awk -F'\t' '$2 == "list item" && $3 ~ /[0-9]:[0-9][0-9]/' | cut -f3 |
  sed -E 's/^(.*), ([0-9]{1,2}:[0-9]{2}).(AM|PM).*/\1\t\2 \3/; s/, [A-Z][a-z]+ [A-Z][a-z]+, .*\t/\t/'; }
zone_of() { case "$1" in London*) echo Europe/London ;; New\ York*) echo America/New_York ;;
  Berlin*) echo Europe/Berlin ;; Tokyo*) echo Asia/Tokyo ;; esac; }
rows_show() { # seconds since 1970: every row shows its zone's time then
  local title time count=0
  while IFS=$'\t' read -r title time; do
    [ "$(TZ=$(zone_of "$title") date -d "@$1" '+%-I:%M %p')" = "$time" ] || { echo "$title shows $time"; return 1; }
    count=$((count + 1))
  done < <(rows)
  [ "$count" -ge 3 ]
}
line() { tree | awk -F'\t' '$2 == "label" && $3 ~ /·/' | cut -f3 | head -1; }

noon=1768478400 # 2026-01-15 12:00 UTC
start "2026-01-15 12:00:00" '{"trackedCityIDs": ["gn5128581", "gn2950159"]}'
rows_show $noon || fail "the rows do not show the live time"

# 1. Three notches over the panel's strip: 12:30, 13:00, 13:30.
open_panel
read -r _ px py _ _ < <(find_app_window 500 690)
xdotool mousemove $((px + 260)) $((py + 16)) click 5 click 5 click 5
sleep 0.4
import -window root "$shots/planning-panel-set.png"
rows_show $((noon + 5400)) || fail "after three notches the rows do not show 13:30 UTC"
pass "three wheel notches over the panel's strip: every row shows 13:30 UTC as date(1) does"

# 2. Home in the panel: live again.
xdotool key Home
sleep 0.3
rows_show $noon || fail "Home did not go back to now"
[ -z "$(line)" ] || fail "a chosen time is still shown after Home: $(line)"
pass "Home goes back to now"
xdotool key Escape
wait_for 5 panel_closed || fail "Escape did not close the live panel"

# 3. The chooser's strip (704 px for 24 hours below the map) dragged from
# 12:00 to 18:00; at 60 E on the equator the afternoon turns to night.
map_pixel() { import -window "$(main_id)" -crop 1x1+480+228 -depth 8 txt:- 2>/dev/null |
  sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | awk '{print $1 + $2 + $3}'; }
day=$(map_pixel)
window=$(main_id)
xdotool mousemove --window "$window" 360 357 mousedown 1
for x in 390 420 450 480 510 536; do xdotool mousemove --window "$window" "$x" 357; sleep 0.05; done
xdotool mouseup 1
sleep 0.5
night=$(map_pixel)
rows_show $((noon + 6 * 3600)) || fail "dragging the strip by six hours did not move the rows"
[ "$night" -lt $((day - 30)) ] || fail "the map did not darken at 60 E ($day -> $night)"
pass "dragging the chooser's strip by six hours moves the rows and the night side ($day -> $night)"
import -window root "$shots/planning-chooser-set.png"

# 4. Next Overlap from now: London, New York and Berlin all work from 14:00 UTC.
at 300 357; xdotool key Home ctrl+o
sleep 0.4
rows_show $((noon + 7200)) || fail "Next Overlap did not go to 14:00 UTC"
pass "Next Overlap goes to 14:00 UTC: $(line)"

# 4b. A typed time in the chooser's search: "3pm Tokyo" and Return. Tokyo's
# next 3 pm is Friday 06:00 UTC, 10 am at 60 E: the rows, the map's day side
# and the set-time line follow.
at 300 38; xdotool click 1; xdotool type --delay 40 "3pm Tokyo"
has '\tlist item\tShow 3:00.PM on Friday, January 16 in Tokyo\t' || fail "no answer row for \"3pm Tokyo\""
sleep 0.3
import -window root "$shots/chooser-answer.png"
xdotool key Return
sleep 0.5
rows_show $((noon + 18 * 3600)) || fail "Return on \"3pm Tokyo\" did not set 06:00 UTC"
morning=$(map_pixel)
[ "$morning" -gt $((night + 30)) ] || fail "the map did not show the morning at 60 E ($night -> $morning)"
[[ "$(line)" == *"Fri, Jan 16"* ]] || fail "the set-time line does not say Friday: $(line)"
pass "typing \"3pm Tokyo\" and Return: rows, map ($night -> $morning) and tree show Friday 06:00 UTC"

# 4c. The same in the panel: typing opens the field above the clocks; Return
# sets the time; Escape leaves the field, then the panel.
open_panel
closed_height=$(find_app_window 500 690 | cut -d" " -f5)
xdotool type --delay 40 "9am New York"
has '\ttext\tType a time\t' || fail "typing in the panel opened no field"
has '\tlabel\tShow 9:00.AM in New York City, New York · Thu, Jan 15\t' || fail "the panel's field gives no answer"
import -window root "$shots/panel-time-entry.png"
xdotool key Return
sleep 0.4
rows_show $((noon + 2 * 3600)) || fail "Return in the panel's field did not set 14:00 UTC"
panel_open || fail "Return in the field closed the panel"
xdotool type --delay 40 "3pm Xyzzy"
has '\tlabel\tNo place or time zone called “Xyzzy”\t' || fail "the panel's field does not say why it cannot read a place"
xdotool key Escape; sleep 0.3
panel_open || fail "the first Escape closed the panel, not the field"
[ "$(find_app_window 500 690 | cut -d" " -f5)" = "$closed_height" ] || fail "Escape did not leave the field (the panel is not $closed_height px high again)"
xdotool key Escape Escape
wait_for 5 panel_closed || fail "Escape did not close the panel after the field"
pass "the panel's field: \"9am New York\" and Return set 14:00 UTC; Escape leaves the field, then the panel"
at 300 357; xdotool key Home

# 5. New York's working hours in the label editor (from 8:00), kept across a restart.
at 300 508; xdotool click 1 click 1
wait_for 5 find_app_window 370 420 >/dev/null || fail "a double click did not open the label editor"
sleep 0.3
xdotool key Tab; xdotool type --delay 40 08:00; xdotool key Tab; xdotool type --delay 40 16:00
import -window root "$shots/planning-label-editor.png"
xdotool key Return
wait_for 5 bash -c "tr -d ' \n' <'$prefs' | grep -q '\"cityWorkingHours\":{\"gn5128581\":\"08:00-16:00\"}'" ||
  fail "Save did not store New York's working hours"
stop
start "2026-01-15 13:30:00" "$(cat "$prefs")"
has '\tlist item\tNew York City, New York, 8:30.AM, .*, working hours' ||
  fail "after a restart 8:30 in New York is not in its working hours"
pass "working hours set in the label editor are kept across a restart"
stop

# 6. A shared time. The desktop entry takes horavia: addresses; xdg-open
# hands one to the running copy, which opens the panel at its instant. A
# malformed or hostile one changes nothing and says why in the panel's line.
mkdir -p "$HOME/.local/share/applications"
sed "s|^Exec=horavia|Exec=$app|" "$(dirname "$0")/../../resources/linux/org.horavia.Horavia.desktop" \
  >"$HOME/.local/share/applications/org.horavia.Horavia.desktop"
XDG_DATA_HOME=$HOME/.local/share xdg-mime default org.horavia.Horavia.desktop x-scheme-handler/horavia
export XDG_DATA_HOME=$HOME/.local/share
start "2026-01-15 12:00:00" '{"trackedCityIDs": ["gn5128581", "gn2950159"]}'
xdg-open 'horavia:?at=2026-01-16T06:00:00Z' || fail "xdg-open refused a horavia: address"
wait_for 5 panel_open || fail "xdg-open with a running copy did not open the panel"
sleep 0.3
rows_show $((noon + 18 * 3600)) || fail "the panel did not open at the address's instant"
[[ "$(line)" == *"Fri, Jan 16, 6:00"* ]] || fail "the set-time line does not say Friday 6:00: $(line)"
import -window root "$shots/link-opened.png"
pass "xdg-open horavia:?at=2026-01-16T06:00:00Z with a running copy: the panel at that instant"
refused() { # address, then what the panel's line says
  xdg-open "$1" >/dev/null 2>&1
  has "\\tlabel\\t$2\\t" || fail "the panel does not say \"$2\" for ${1:0:60}"
  rows_show $((noon + 18 * 3600)) || fail "${1:0:60} changed the time"
}
refused 'horavia:?at=2026-01-16T09:00:00Z&run=rm' 'This link holds fields Horavia does not know\.'
refused 'horavia:?at=2026-01-16T09:00:00' 'This link.s time cannot be read\.'
refused 'horavia://evil.example/?at=2026-01-16T09:00:00Z' 'This link has parts Horavia does not know\.'
refused 'horavia:?at=2027-01-16T09:00:00Z' 'This link.s time is more than a week from now\.'
refused "horavia:?at=2026-01-16T09:00:00Z&$(head -c 4000 /dev/zero | tr '\0' x)" 'This link is too long to be a Horavia link\.'
refused $'horavia:?at=2026-01-16T09:00:00Z\nreopen' 'This link.s time cannot be read\.'
grep -q '"gn5128581"' "$prefs" || fail "a hostile address changed the settings"
pass "six malformed or hostile addresses change nothing and the panel says why"
import -window root "$shots/link-refused.png"

# Copy Link in the panel, pressed through the accessibility tree: the
# clipboard holds the shown instant as an address.
"$python" "$(dirname "$0")/accessible.py" "$app_pid" --press "push button" "Copy Link" ||
  fail "no Copy Link in the panel to press"
wait_for 3 bash -c '[ "$(xclip -o -selection clipboard 2>/dev/null)" = "horavia:?at=2026-01-16T06:00:00Z" ]' ||
  fail "Copy Link put \"$(xclip -o -selection clipboard 2>/dev/null)\" on the clipboard"
pass "Copy Link: horavia:?at=2026-01-16T06:00:00Z on the clipboard"
stop

# With no copy running, the address starts Horavia (the real clock now) with
# the panel open at its instant. xdg-open waits for what it starts here.
tomorrow=$(date -u -d '+1 day' +%Y-%m-%dT%H:00:00Z)
xdg-open "horavia:?at=$tomorrow" >"$work/app.log" 2>&1 &
pids+=($!)
wait_for 10 panel_open || fail "xdg-open with no copy running did not start Horavia with the panel open"
app_pid=$(pgrep -n -f "$app") && pids+=($app_pid)
sleep 0.5
rows_show "$(date -d "$tomorrow" +%s)" || fail "the started copy's panel is not at $tomorrow"
main_open && fail "a start for an address opened the main window too"
pass "xdg-open with no copy running starts Horavia, its panel at $tomorrow"
xdotool key Escape; stop

# A few days before New York's clocks change, with Tokyo, on a dark desktop:
# the notice, and no full overlap.
export GTK_THEME=Adwaita:dark
start "2026-03-05 12:00:00" '{"trackedCityIDs": ["gn5128581", "gn2950159", "gn1850147"]}'
has 'New York City, New York, .*Clocks go forward 1 hour on Sun, Mar 8' ||
  fail "New York's row carries no notice of its change"
pass "New York's row says its clocks go forward on Sunday"
xdotool windowactivate --sync "$(main_id)" 2>/dev/null; xdotool key ctrl+o
sleep 0.4
has '\tlabel\tNo full overlap' || fail "Next Overlap said nothing of the overlap"
note=$(tree | awk -F'\t' '$2 == "label" && $3 ~ /overlap/' | cut -f3)
[ "$note" = "No full overlap in the next 7 days; at this time, outside working hours: Tokyo, Tokyo." ] ||
  fail "Next Overlap did not say there is no full overlap: $note"
pass "with Tokyo, Next Overlap says: $(line); $note"
import -window root "$shots/planning-no-overlap.png"
open_panel
import -window root "$shots/planning-panel-set-dark.png"
xdotool type --delay 40 "3pm IST"
has '\tlabel\t.*Show 3:00.PM in Dublin' || fail "no answers for \"3pm IST\" in the panel"
import -window root "$shots/panel-time-entry-dark.png"
xdotool key Escape Escape
at 300 38; xdotool click 1; xdotool type --delay 40 "Fri 9:30 Tokyo"
has '\tlist item\tShow 9:30.AM on Friday, March 6 in Tokyo, Tokyo\t' || fail "no answer row on a dark desktop"
sleep 0.3
import -window root "$shots/chooser-answer-dark.png"
[ "$failed" -eq 0 ]
