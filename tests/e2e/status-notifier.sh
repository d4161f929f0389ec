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
watcher_property() {
  dbus-send --session --print-reply=literal --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher "string:$1"
}
item_property() { # name: the value, as dbus-send prints it
  dbus-send --session --print-reply=literal --dest="$service" /StatusNotifierItem org.freedesktop.DBus.Properties.Get \
    string:org.kde.StatusNotifierItem "string:$1" | sed 's/^ *variant *//'
}
registered() { watcher_property RegisteredStatusNotifierItems | grep -q ':1\.'; }

DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
export XDG_DATA_DIRS=$work/root/usr/share:/usr/share
gtk-sni-tray-standalone --top --end --size 28 --watcher >"$work/host.log" 2>&1 & pids+=($!)
wait_for 10 watcher_property IsStatusNotifierHostRegistered >/dev/null || fail "the tray bar's watcher did not come up"

"$work/root/usr/bin/horavia" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 registered || fail "no item registered with the watcher"
service=$(watcher_property RegisteredStatusNotifierItems | grep -o ':1\.[0-9]*' | head -n 1)
pass "the item registered as $service"
wait_for 10 main_open || fail "no main window at launch"

title=$(item_property Title)
[ "$title" = Horavia ] || fail "the item's title is '$title'"
icon=$(item_property IconName)
[ "$icon" = org.horavia.Horavia ] || fail "the item's icon is '$icon', not the installed theme icon"
menu=$(item_property Menu)
[[ "$menu" == */MenuBar* ]] || fail "the item has no menu: '$menu'"
pass "title $title, icon $icon, menu $menu"
layout=$(dbus-send --session --print-reply --dest="$service" /MenuBar com.canonical.dbusmenu.GetLayout \
  int32:0 int32:-1 array:string:label)
for label in "Choose Cities…" "Settings…" "About Horavia" "Quit Horavia"; do
  grep -qF "\"$label\"" <<<"$layout" || fail "the menu lacks $label"
done
pass "the menu holds the application's commands"
# The times at a glance: the item's tooltip, home first (the suite runs in UTC).
tooltip=$(dbus-send --session --print-reply --dest="$service" /StatusNotifierItem org.freedesktop.DBus.Properties.Get \
  string:org.kde.StatusNotifierItem string:ToolTip)
grep -qP "UTC $(date -u '+%-I:%M').(AM|PM)" <<<"$tooltip" || fail "the item's tooltip lacks the home time: $tooltip"
pass "the item's tooltip gives the times: $(grep -oP 'UTC [0-9:]+.(AM|PM)[^"]*' <<<"$tooltip" | head -1)"

# The bar shows the one item at its right end.
sleep 1
xdotool mousemove 1265 14 click 1
wait_for 5 panel_open || fail "a click on the item in the tray bar did not open the panel"
read -r _ x y w h < <(find_app_window 500 540)
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
read -r _ x y w h < <(find_app_window 500 540)
[ $((y + h)) -le 780 ] && [ $((y + h)) -ge 740 ] || fail "the panel ends at $((y + h)), not just above the click at 780"
pass "for a tray at the bottom the panel opens above the click"
[ "$failed" -eq 0 ]
