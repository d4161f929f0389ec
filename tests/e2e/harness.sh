# Sourced by the end-to-end scripts: a virtual desktop with a tray, a private
# home, runtime and configuration folder, the PASS/FAIL bookkeeping (the
# count is printed on exit; a failed check ends the run, since the checks
# after it depend on it) and a polling wait.
# Expects: app, shots and name (for the failure screenshot) set beforehand.
set -uo pipefail
mkdir -p "$shots"
work=$(mktemp -d)
pids=()
passed=0
failed=0
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual-desktop.sh"
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  stop_virtual_desktop
  remove_scratch "$work"
  echo "$passed passed, $failed failed"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  failed=$((failed + 1))
  import -window root "$shots/$name-failure.png" 2>/dev/null
  cat "$work/app.log" "$XDG_CONFIG_HOME/horavia/settings.json" 2>/dev/null
  exit 1
}
pass() { echo "PASS: $*"; passed=$((passed + 1)); }

unset QT_QPA_PLATFORM WAYLAND_DISPLAY LANGUAGE LC_MESSAGES
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime TZ=UTC LANG=en_US.UTF-8 LC_ALL=
mkdir -p "$HOME" "$XDG_CONFIG_HOME/horavia" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# The private session bus was started before this home existed, and what it
# starts on demand inherits its environment: the accessibility bus would put
# its socket in the real home's cache, where a run beside this one takes it
# over. A user's own bus is left alone.
case "${DBUS_SESSION_BUS_ADDRESS:-}" in
  "" | unix:path=/run/user/*) ;;
  *) dbus-update-activation-environment HOME XDG_CONFIG_HOME XDG_RUNTIME_DIR || fail "the session bus took no environment" ;;
esac

start_virtual_desktop || fail "no virtual desktop"

wait_for() { # seconds, command...
  local deadline=$(($(date +%s%N) + $1 * 1000000000))
  shift
  while [ "$(date +%s%N)" -lt "$deadline" ]; do "$@" && return 0; sleep 0.1; done
  return 1
}
python=/usr/bin/python3
# Runs the application at a fixed instant: LD_PRELOAD=$faketime FAKETIME="…".
faketime=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu)/faketime/libfaketimeMT.so.1
# The accessibility bus, started before the application so that Qt's bridge finds it.
accessibility_bus() { "$python" -c "import pyatspi; pyatspi.Registry.getDesktop(0)" >/dev/null 2>&1; }
# The running application's accessibility tree (accessible.py), a line an element.
tree() { "$python" "$(dirname "$0")/accessible.py" "$app_pid"; }
# A clock's time at an instant in its zone, as the rows write it (en_US: "9:30 PM"),
# and as a pattern: the narrow space before PM matched as any character.
local_time() { TZ=$1 date -d "$2" '+%-I:%M %p'; }
pattern() { sed 's/ /./g' <<<"$1"; }
main_id() { find_app_window 700 760 | cut -d' ' -f1; }
tray_icon() { find_app_window 12 64 >/dev/null; }
panel_open() { find_app_window 500 690 >/dev/null; }
main_open() { find_app_window 700 760 >/dev/null; }
# Opens the tray panel with a click on the icon, prints its height, closes it.
panel_height() {
  local _ x y w h
  read -r _ x y w h < <(find_app_window 12 64) && xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
  wait_for 5 find_app_window 500 690 >/dev/null || return 1
  find_app_window 500 690 | cut -d' ' -f5
  xdotool key Escape
  wait_for 5 panel_closed
}
panel_closed() { ! panel_open; }
