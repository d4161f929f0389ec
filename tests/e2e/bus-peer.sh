#!/usr/bin/env bash
# The tray item against a hostile peer on the session bus, with a real
# watcher (gtk-sni-tray-standalone) on a bus this run owns: menu calls with a
# million and four million copies of an id are refused, ids the menu lacks
# left out, and properties it lacks answered, with the application's memory as it was and its item
# still listed. Each answer's time is printed, the figure to judge; the run
# fails only on a wait that means no answer (a call waiting out its timeout,
# an item never back), so that a busy machine does not fail it. (Qt reads
# every id of a call into a list before the menu sees it: the refusal comes
# after that.) Then the bus itself restarts: the application notices,
# connects again and puts its item back.
# Usage: bus-peer.sh APP SCREENSHOT_DIR
app=$1
shots=$2
name=bus-peer
export VIRTUAL_DESKTOP_TRAY=none
bus_dir=$(mktemp -d)
export DBUS_SESSION_BUS_ADDRESS=unix:path=$bus_dir/bus
start_bus() {
  dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile >/dev/null 2>&1 &
  bus_pid=$!
  for _ in $(seq 50); do [ -S "$bus_dir/bus" ] && return 0; sleep 0.1; done
  return 1
}
start_bus || { echo "FAIL: no session bus"; exit 1; }
source "$(dirname "$0")/harness.sh"
pids+=($bus_pid)
trap 'cleanup; kill "$bus_pid" 2>/dev/null; rm -rf "$bus_dir"' EXIT

watcher_items() {
  dbus-send --session --print-reply=literal --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher string:RegisteredStatusNotifierItems 2>/dev/null
}
item_name() { watcher_items | grep -oE 'org\.kde\.StatusNotifierItem-[0-9]+-[0-9]+' | head -n 1; }
listed() { [ -n "$(item_name)" ]; }
start_tray_bar() {
  local attempt
  for attempt in 1 2 3; do
    gtk-sni-tray-standalone --top --end --size 28 --watcher >>"$work/host.log" 2>&1 & host_pid=$!
    pids+=($host_pid)
    wait_for 20 bash -c "dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
      org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher string:IsStatusNotifierHostRegistered 2>/dev/null |
      grep -q true || ! kill -0 $host_pid 2>/dev/null"
    kill -0 "$host_pid" 2>/dev/null && return 0
  done
  cat "$work/host.log"
  return 1
}
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$app_pid/status"; }

# One call as a hostile peer makes it: prints the milliseconds it took and
# the answer (the reply's length, or the error's name).
call() { # method, then a Python expression of its arguments as a GLib.Variant
  "$python" - "$(item_name)" "$1" "$2" <<'PY'
import sys, time
from gi.repository import Gio, GLib
service, method, arguments = sys.argv[1:4]
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
args = eval(arguments)
started = time.monotonic()
try:
    reply = bus.call_sync(service, "/MenuBar", "com.canonical.dbusmenu", method, args, None,
                          Gio.DBusCallFlags.NONE, 25000, None)
    answer = f"{len(reply.unpack()[0])} entries" if method == "GetGroupProperties" else repr(reply.unpack()[0])
except GLib.Error as error:
    answer = Gio.DBusError.get_remote_error(error) or error.message
print(f"{(time.monotonic() - started) * 1000:.0f} {answer}")
PY
}

start_tray_bar || fail "the tray bar's watcher did not come up"
echo '{"trackedCityIDs": ["gn1850147"]}' >"$XDG_CONFIG_HOME/horavia/settings.json"
"$app" --at-login >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 listed || fail "the item was not listed by the watcher"
sleep 1
before=$(rss_kb)

# The same message to a method the menu lacks, which QtDBus refuses unread,
# is what the bus and the caller take to carry it: the rest is Horavia's.
for copies in 1000000 4000000; do
  read -r carried _ < <(call NoSuchMethod "GLib.Variant('(aias)', ([1] * $copies, []))")
  read -r ms answer < <(call GetGroupProperties "GLib.Variant('(aias)', ([1] * $copies, []))")
  [ "$answer" = org.freedesktop.DBus.Error.LimitsExceeded ] || fail "$copies copies of an id: $answer"
  [ "$ms" -le 15000 ] || fail "$copies copies of an id took $ms ms"
  pass "GetGroupProperties with $copies copies of an id: $answer in $ms ms, of which carrying it $carried ms"
done
# The other calls that take a list: a million events, four million ids.
for call_args in "EventGroup|GLib.Variant('(a(isvu))', ([(1, 'hovered', GLib.Variant('s', ''), 0)] * 1000000,))" \
  "AboutToShowGroup|GLib.Variant('(ai)', ([1] * 4000000,))"; do
  IFS='|' read -r method arguments <<<"$call_args"
  read -r ms answer < <(call "$method" "$arguments")
  [ "$answer" = org.freedesktop.DBus.Error.LimitsExceeded ] && [ "$ms" -le 15000 ] || fail "$method: $answer in $ms ms"
  pass "$method with millions of entries: $answer in $ms ms"
done
read -r ms answer < <(call GetGroupProperties "GLib.Variant('(aias)', ([1, 1, 0], []))")
[ "$answer" = "2 entries" ] || fail "three ids, two of them the same: $answer"
pass "three ids, two of them the same: $answer"
read -r ms answer < <(call GetGroupProperties "GLib.Variant('(aias)', ([1, 9999], []))")
[ "$answer" = "1 entries" ] || fail "an id the menu lacks: $answer"
pass "an id the menu lacks is left out: $answer"
read -r ms answer < <(call GetProperty "GLib.Variant('(is)', (1, 'enabled'))")
[ "$answer" = True ] && [ "$ms" -le 5000 ] || fail "enabled of an enabled item: $answer in $ms ms"
pass "GetProperty of a property the item leaves out: the protocol's default ($answer) in $ms ms"
for case in "(99, 'label')" "(1, 'frobnicate')"; do
  read -r ms answer < <(call GetProperty "GLib.Variant('(is)', $case)")
  [ "$answer" = org.freedesktop.DBus.Error.InvalidArgs ] && [ "$ms" -le 5000 ] || fail "GetProperty $case: $answer in $ms ms"
  pass "GetProperty $case: $answer in $ms ms"
done
sleep 1
after=$(rss_kb)
# The sanitizers' allocator keeps what is freed in quarantine: memory is
# judged on a plain build only.
if ldd "$app" | grep -q libasan; then
  echo "memory not judged under AddressSanitizer: $before kB before, $after kB after"
else
  [ $((after - before)) -le 10240 ] || fail "memory grew from $before to $after kB"
fi
listed || fail "the item is no longer listed"
pass "the item still listed (memory ${before} kB before, ${after} kB after)"

# The bus restarts (a session's bus gone and back): its services with it.
kill "$bus_pid" "$host_pid"
wait "$bus_pid" 2>/dev/null
start_bus || fail "the bus did not start again"
pids+=($bus_pid)
start_tray_bar || fail "the tray bar did not come back"
back_at=$(date +%s%N)
wait_for 10 listed || fail "the item did not come back: $(cat "$work/app.log")"
took=$((($(date +%s%N) - back_at) / 1000000))
[ "$took" -le 10000 ] || fail "the item came back after $took ms"
grep -q "on the session bus again" "$work/app.log" || fail "the log does not say it connected again: $(cat "$work/app.log")"
kill -0 "$app_pid" || fail "the application ended"
pass "after the bus restarted, the item was listed again within $took ms of the new watcher; the log says so"
[ "$failed" -eq 0 ]
