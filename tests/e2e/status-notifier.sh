#!/usr/bin/env bash
# A StatusNotifierItem tray, as on Plasma, GNOME with the AppIndicator
# extension or a wlroots bar, where the icon's place on screen is unknown to
# the application: a GTK tray bar across the top that hosts items through that
# protocol and runs the StatusNotifierWatcher on the private session bus, and
# no X11 tray. The copy installed into a scratch root registers an item with
# its title, its theme icon and its menu; a click on it in the bar opens the
# panel under it, a second click closes it, and an activation near the bottom
# of the screen opens the panel above that point.
# Run inside dbus-run-session. Usage: status-notifier.sh BUILD_DIR SCREENSHOT_DIR
build=$1
shots=$2
name=status-notifier
export VIRTUAL_DESKTOP_TRAY=none
source "$(dirname "$0")/harness.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
accessibility_bus
watcher_property() {
  dbus-send --session --print-reply=literal --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher "string:$1"
}
item_property() { # name: the value, as dbus-send prints it
  dbus-send --session --print-reply=literal --dest="$service" /StatusNotifierItem org.freedesktop.DBus.Properties.Get \
    string:org.kde.StatusNotifierItem "string:$1" | sed 's/^ *variant *//'
}
# The item's bus name as registered, of the protocol's own form.
item_name() { watcher_property RegisteredStatusNotifierItems | grep -oE 'org\.kde\.StatusNotifierItem-[0-9]+-[0-9]+' | head -n 1; }
registered() { [ -n "$(item_name)" ]; }
# The bar runs its watcher on a thread of its own, and its host can ask that
# watcher for its items before the watcher holds its bus name; the bar then
# exits at once. Such a start is tried again; a bar that still has no watcher
# after that is a failure, with its log.
start_tray_bar() {
  local attempt
  for attempt in 1 2 3; do
    gtk-sni-tray-standalone --top --end --size 28 --watcher >>"$work/host.log" 2>&1 & host_pid=$!
    pids+=($host_pid)
    wait_for 20 bar_ready
    kill -0 "$host_pid" 2>/dev/null || { echo "the tray bar exited at its start (attempt $attempt)"; continue; }
    bar_ready && return 0
    break
  done
  cat "$work/host.log"
  return 1
}
# Ready once its own host has registered with its watcher, or gone.
bar_ready() {
  [[ "$(watcher_property IsStatusNotifierHostRegistered 2>/dev/null)" == *true* ]] || ! kill -0 "$host_pid" 2>/dev/null
}

DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
export XDG_DATA_DIRS=$work/root/usr/share:/usr/share
start_tray_bar || fail "the tray bar's watcher did not come up"

# London and Tokyo tracked, both shown beside the icon.
echo '{"trackedCityIDs": ["gn1850147", "gn2643743"], "trayDisplay": "timeBesideIcon",
  "trayCityIDs": ["gn1850147", "gn2643743"]}' >"$XDG_CONFIG_HOME/horavia/settings.json"
"$work/root/usr/bin/horavia" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 registered || fail "no item registered with the watcher"
service=$(item_name)
pass "the item registered as $service"
wait_for 10 main_open || fail "no main window at launch"

title=$(item_property Title)
[ "$title" = Horavia ] || fail "the item's title is '$title'"
icon=$(item_property IconName)
[ "$icon" = org.horavia.Horavia ] || fail "the item's icon is '$icon', not the installed theme icon"
menu=$(item_property Menu)
[[ "$menu" == */MenuBar* ]] || fail "the item has no menu: '$menu'"
pass "title $title, icon $icon, menu $menu"
identity="$(item_property Id) $(item_property Category) $(item_property Status)"
[ "$identity" = 'horavia ApplicationStatus Active' ] || fail "the item's id, category and status read $identity"
pass "id, category and status: $identity"
layout=$(dbus-send --session --print-reply --dest="$service" /MenuBar com.canonical.dbusmenu.GetLayout \
  int32:0 int32:-1 array:string:label)
# The labels in order, separators as "-", hidden items left out.
menu_order=$(dbus-send --session --print-reply --dest="$service" /MenuBar com.canonical.dbusmenu.GetLayout \
  int32:0 int32:-1 array:string: | python3 -c '
import re, sys
items = re.split(r"struct \{\s*int32 (\d+)", sys.stdin.read())[3:]
for i in range(0, len(items), 2):
    body = items[i + 1]
    if re.search(r"\"visible\"\s*variant\s*boolean false", body): continue
    if "\"separator\"" in body: print("-"); continue
    label = re.search(r"\"label\"\s*variant\s*string \"([^\"]*)\"", body)
    if label: print(label.group(1))' | paste -sd '|')
# Each with its mnemonic, as the menu protocol marks it ("_").
expected="Sh_ow Clocks|-|_Next Overlap|Copy _Times|Copy _Link|Create _Event…|_Remind Me…|C_hoose Cities…|_Settings…|_About Horavia|Check for _Updates…|-|_Quit Horavia"
[ "$menu_order" = "$expected" ] || fail "the menu reads $menu_order"
pass "the menu, Show Clocks first: $menu_order"
pixmaps=$(dbus-send --session --print-reply --dest="$service" /StatusNotifierItem org.freedesktop.DBus.Properties.Get \
  string:org.kde.StatusNotifierItem string:IconPixmap | grep -oP 'int32 \K[0-9]+' | paste -sd ' ')
[ "$pixmaps" = "16 16 22 22 24 24 32 32 44 44 48 48 64 64" ] || fail "the icon's pixmaps are $pixmaps"
pass "the icon's pixmaps: $pixmaps"
# The times at a glance: the item's tooltip, home first (the suite runs in UTC).
tooltip=$(dbus-send --session --print-reply --dest="$service" /StatusNotifierItem org.freedesktop.DBus.Properties.Get \
  string:org.kde.StatusNotifierItem string:ToolTip)
grep -qP "UTC $(date -u '+%-I:%M').(AM|PM)" <<<"$tooltip" || fail "the item's tooltip lacks the home time: $tooltip"
pass "the item's tooltip gives the times: $(grep -oP 'UTC [0-9:]+.(AM|PM)[^"]*' <<<"$tooltip" | head -1)"

# The time beside the icon, in the list's order (London, then Tokyo), as
# `date` gives it for those zones, and the guide as wide as it can grow.
label_is_now() {
  local label london tokyo
  label=$(item_property XAyatanaLabel)
  london=$(TZ=Europe/London date '+%-I:%M') tokyo=$(TZ=Asia/Tokyo date '+%-I:%M')
  grep -qP "^🇬🇧 $london.[AP]M 🇯🇵 $tokyo.[AP]M$" <<<"$label"
}
wait_for 3 label_is_now || fail "the label reads $(item_property XAyatanaLabel), not London's and Tokyo's time now"
pass "the label gives London's and Tokyo's time: $(item_property XAyatanaLabel)"
guide=$(item_property XAyatanaLabelGuide)
grep -qP '^🇬🇧 88:88.[AP]M 🇯🇵 88:88.[AP]M$' <<<"$guide" || fail "the label's guide is $guide"
pass "the label's guide: $guide"
import -window root "$shots/status-notifier-label.png"
# This host draws no label, as Plasma's and xfce4-panel's do not: it is drawn
# from the item's properties as a bar that shows labels puts it up.
for look in light dark; do
  QT_QPA_PLATFORM=offscreen "$build/tools/horavia-tray-label" "$icon" "$(item_property XAyatanaLabel)" \
    "$shots/status-notifier-label-drawn-$look.png" "$look" || fail "the label could not be drawn ($look)"
done

# A notch down of the real wheel over the item in the bar (which sends +1,
# the GTK way) sets a time a step later, as over the strip; the middle click
# goes back to now.
# A host redraws on the item's signals: the new label and tooltip are announced.
dbus-monitor --session "type='signal',sender='$service',path='/StatusNotifierItem'" >"$work/signals.log" 2>&1 &
monitor_pid=$!
pids+=($monitor_pid)
# Once it is a monitor, the bus has taken its name back.
wait_for 5 grep -q 'member=NameLost' "$work/signals.log" || fail "the bus's monitor did not start"
xdotool mousemove 1265 14 click 5
set_later() {
  local label tooltip
  label=$(item_property XAyatanaLabel)
  tooltip=$(dbus-send --session --print-reply --dest="$service" /StatusNotifierItem \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem string:ToolTip)
  grep -q '^◷ 🇬🇧 ' <<<"$label" && grep -q '"◷ UTC ' <<<"$tooltip"
}
wait_for 3 set_later || fail "a turn of the wheel did not set a time: $(item_property XAyatanaLabel)"
pass "a turn of the wheel sets a time, shown in the label and the tooltip: $(item_property XAyatanaLabel)"
announced() { grep -q 'member=XAyatanaNewLabel' "$work/signals.log" && grep -q 'member=NewToolTip' "$work/signals.log"; }
wait_for 3 announced || fail "the set time was not announced: $(grep -o 'member=[A-Za-z]*' "$work/signals.log" | sort -u)"
kill "$monitor_pid" 2>/dev/null
pass "the new label and tooltip are announced to the host (XAyatanaNewLabel, NewToolTip)"
# The panel's rows show the set time too: London's row reads as the label.
set_london=$(item_property XAyatanaLabel | grep -oP '^◷ 🇬🇧 \K[0-9:]+')
# Later, not earlier: London is UTC in winter, and a step is at most an hour.
ahead=$(( ((10#${set_london%:*} % 12) * 60 + 10#${set_london#*:} - ($(date -u +%-I) % 12) * 60 - $(date -u +%-M) + 720) % 720 ))
[ "$ahead" -gt 0 ] && [ "$ahead" -le 61 ] || fail "a notch down set $set_london, $ahead minutes on from now"
pass "a notch down of the wheel over the item sets a later time ($set_london)"
dbus-send --session --print-reply --dest="$service" /StatusNotifierItem org.kde.StatusNotifierItem.Activate \
  int32:0 int32:0 >/dev/null
wait_for 5 panel_open || fail "Activate did not open the panel"
london_row() { tree | grep -qP "\tlist item\tLondon, England, $set_london.[AP]M"; }
wait_for 5 london_row || fail "the panel's London row does not show $set_london: $(tree | grep -P 'list item\tLondon')"
pass "Activate opens the panel; its rows show the set time ($(tree | grep -oP 'list item\tLondon[^\t]*' | cut -f2))"
xdotool key Escape Escape
wait_for 5 panel_closed || fail "Escape did not close the panel"
# ContextMenu: the tray menu at the point given.
dbus-send --session --print-reply --dest="$service" /StatusNotifierItem org.kde.StatusNotifierItem.ContextMenu \
  int32:600 int32:300 >/dev/null
menu_open() { tree | grep -qP '\tmenu item\tCopy Times\t'; }
wait_for 5 menu_open || fail "ContextMenu opened no menu"
pass "ContextMenu opens the tray menu"
xdotool key Escape
dbus-send --session --print-reply --dest="$service" /StatusNotifierItem \
  org.kde.StatusNotifierItem.SecondaryActivate int32:0 int32:0 >/dev/null
wait_for 3 label_is_now || fail "the middle click did not go back to now: $(item_property XAyatanaLabel)"
pass "the middle click goes back to now"

# The bar shows the one item at its right end.
sleep 1
xdotool mousemove 1265 14 click 1
wait_for 5 panel_open || fail "a click on the item in the tray bar did not open the panel"
read -r _ x y w h < <(find_app_window 500 690)
[ "$x" -le 1265 ] && [ $((x + w)) -ge 1265 ] || fail "the panel spans x $x..$((x + w)), not the click at 1265"
[ "$y" -ge 14 ] && [ "$y" -le 40 ] || fail "the panel's top is at $y, not just below the click at 14"
pass "a click on the item opens the panel under it, ${w}x${h}+$x+$y"
import -window root "$shots/status-notifier-panel.png"
sleep 0.3
xdotool mousemove 1265 14 click 1
wait_for 5 panel_closed || fail "a second click did not close the panel"
pass "a second click closes it"

# A bar at the bottom: the host activates the item with the click's place,
# and the pointer is there.
sleep 0.3
xdotool mousemove 300 780
dbus-send --session --print-reply --dest="$service" /StatusNotifierItem org.kde.StatusNotifierItem.Activate \
  int32:300 int32:780 >/dev/null
wait_for 5 panel_open || fail "an activation near the bottom did not open the panel"
read -r _ x y w h < <(find_app_window 500 690)
[ $((y + h)) -le 780 ] && [ $((y + h)) -ge 740 ] || fail "the panel ends at $((y + h)), not just above the click at 780"
pass "for a tray at the bottom the panel opens above the click"
xdotool key Escape
wait_for 5 panel_closed || fail "Escape did not close the panel"

# A menu item clicked in the host: Settings (its id in the layout above).
settings_id=$(dbus-send --session --print-reply --dest="$service" /MenuBar com.canonical.dbusmenu.GetLayout \
  int32:0 int32:-1 array:string:label | grep -B5 '"_Settings…"' | grep -oP 'int32 \K[0-9]+' | tail -n 1)
dbus-send --session --print-reply --dest="$service" /MenuBar com.canonical.dbusmenu.Event \
  int32:"$settings_id" string:clicked variant:int32:0 uint32:0 >/dev/null
settings_open() { xdotool search --onlyvisible --name '^Settings$' >/dev/null 2>&1; }
wait_for 5 settings_open || fail "the menu's Settings… did not open the settings window"
pass "the menu's Settings… opens the settings window"

# The panel restarts: a new watcher, and the item is back.
kill "$host_pid"
wait "$host_pid" 2>/dev/null
watcher_gone() {
  dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher | grep -q false
}
wait_for 5 watcher_gone || fail "the tray's watcher outlived the tray"
start_tray_bar || fail "the restarted tray has no watcher"
wait_for 15 registered || fail "the item did not come back to a restarted tray"
[ "$(item_name)" = "$service" ] || fail "the item came back as $(item_name), not $service"
pass "after the tray restarted, the item is back as $service"
[ "$failed" -eq 0 ]
