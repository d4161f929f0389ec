#!/usr/bin/env bash
# A StatusNotifierItem tray (Plasma, GNOME's AppIndicator extension, wlroots
# bars), where the icon's place on screen is unknown: a watcher on the private
# session bus, no X11 tray. The copy installed into a scratch root registers
# an item with its title, its theme icon and its menu; an activation, given
# where the host was clicked, opens the panel there, and a second one closes it.
# Run inside dbus-run-session. Usage: status-notifier.sh BUILD_DIR WATCHER SCREENSHOT_DIR
build=$1
watcher=$2
shots=$3
name=status-notifier
export VIRTUAL_DESKTOP_TRAY=none
source "$(dirname "$0")/harness.sh"
property() { # service, name: the value, as dbus-send prints it
  dbus-send --session --print-reply=literal --dest="$1" /StatusNotifierItem org.freedesktop.DBus.Properties.Get \
    string:org.kde.StatusNotifierItem "string:$2" | sed 's/^ *variant *//'
}
registered() { grep -q '^registered ' "$work/watcher.log"; }

DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
export XDG_DATA_DIRS=$work/root/usr/share:/usr/share
"$watcher" >"$work/watcher.log" 2>&1 & pids+=($!)
wait_for 5 dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
  org.freedesktop.DBus.Peer.Ping || fail "the watcher did not come up"

"$work/root/usr/bin/horavia" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 registered || fail "no item registered with the watcher"
service=$(sed -n 's/^registered //p' "$work/watcher.log" | head -n 1)
pass "the item registered as $service"
wait_for 10 main_open || fail "no main window at launch"

title=$(property "$service" Title)
[ "$title" = Horavia ] || fail "the item's title is '$title'"
icon=$(property "$service" IconName)
[ "$icon" = org.horavia.Horavia ] || fail "the item's icon is '$icon', not the installed theme icon"
menu=$(property "$service" Menu)
[[ "$menu" == */MenuBar* ]] || fail "the item has no menu: '$menu'"
pass "title $title, icon $icon, menu $menu"
layout=$(dbus-send --session --print-reply --dest="$service" /MenuBar com.canonical.dbusmenu.GetLayout \
  int32:0 int32:-1 array:string:label)
for label in "Choose Cities…" "Settings…" "About Horavia" "Quit Horavia"; do
  grep -qF "\"$label\"" <<<"$layout" || fail "the menu lacks $label"
done
pass "the menu holds the application's commands"

# A host activates the item where the user clicked, and the pointer is there.
activate() {
  xdotool mousemove "$1" "$2"
  dbus-send --session --print-reply --dest="$service" /StatusNotifierItem org.kde.StatusNotifierItem.Activate "int32:$1" "int32:$2" >/dev/null
}
activate 1100 12
wait_for 5 panel_open || fail "an activation did not open the panel"
read -r _ x y w h < <(find_app_window 500 540)
[ "$x" -le 1100 ] && [ $((x + w)) -ge 1100 ] || fail "the panel spans x $x..$((x + w)), not the click at 1100"
[ "$y" -ge 12 ] && [ "$y" -le 40 ] || fail "the panel's top is at $y, not just below the click at 12"
pass "the panel opened at the click, ${w}x${h}+$x+$y"
import -window root "$shots/status-notifier-panel.png"
sleep 0.3
activate 1100 12
wait_for 5 panel_closed || fail "a second activation did not close the panel"
pass "a second activation closes it"

activate 300 780 # a tray at the bottom: the panel opens above
wait_for 5 panel_open || fail "the panel did not open for a tray at the bottom"
read -r _ x y w h < <(find_app_window 500 540)
[ $((y + h)) -le 780 ] && [ $((y + h)) -ge 740 ] || fail "the panel ends at $((y + h)), not just above the click at 780"
pass "for a tray at the bottom the panel opens above the click"
[ "$failed" -eq 0 ]
