# Sourced by scripts that need a desktop on a machine without one:
# start_virtual_desktop starts Xvfb on a display of its choosing, openbox and trayer
# (unless VIRTUAL_DESKTOP_TRAY=none),
# exports DISPLAY and records the process ids in VIRTUAL_DESKTOP_PIDS;
# stop_virtual_desktop ends them; find_app_window finds Horavia's windows;
# remove_scratch removes a scratch folder whose runtime/ was XDG_RUNTIME_DIR.

VIRTUAL_DESKTOP_PIDS=()

start_virtual_desktop() {
  # Xvfb picks a free display itself and names it, so two desktops started
  # at once never claim the same one.
  local number="" fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  VIRTUAL_DESKTOP_PIDS+=($!)
  read -r -t 10 number <"$fifo"
  rm -f "$fifo"
  [ -n "$number" ] || { echo "no virtual display" >&2; return 1; }
  export DISPLAY=":$number"
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  openbox >/dev/null 2>&1 &
  VIRTUAL_DESKTOP_PIDS+=($!)
  # VIRTUAL_DESKTOP_TRAY=none: no X11 tray, for trays of other kinds.
  [ "${VIRTUAL_DESKTOP_TRAY:-}" = none ] && { sleep 1; return 0; }
  trayer --edge top --align right --widthtype request --height 28 --SetDockType true --transparent false \
    --tint 0x303030 >/dev/null 2>&1 &
  VIRTUAL_DESKTOP_PIDS+=($!)
  sleep 1
}

stop_virtual_desktop() {
  local pid
  for pid in "${VIRTUAL_DESKTOP_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  VIRTUAL_DESKTOP_PIDS=()
}

remove_scratch() {
  # What the session's bus started for the run (the portal, the keyring)
  # carries the run's runtime folder and may outlive the bus, holding the
  # output the test's runner waits to see closed: it ends with the run.
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    [ "$pid" = $$ ] && continue
    tr '\0' '\n' 2>/dev/null <"$environ" | grep -qxF "XDG_RUNTIME_DIR=$1/runtime" && kill "$pid" 2>/dev/null
  done
  # The desktop portal may have mounted its document store in the runtime
  # folder; a mount point cannot be removed until it is let go.
  if mountpoint -q "$1/runtime/doc"; then fusermount3 -uz "$1/runtime/doc"; fi
  rm -rf "$1"
}

# The first visible window of Horavia's class whose width lies between the two
# numbers (12 to 64: the tray icon; 520 to 680: the panel; about 720: the chooser), as "id x y width height".
find_app_window() {
  local min_width=$1 max_width=$2 id X Y WIDTH HEIGHT SCREEN WINDOW
  for id in $(xdotool search --onlyvisible --class '^org\.horavia\.Horavia$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
    if [ "$WIDTH" -ge "$min_width" ] && [ "$WIDTH" -le "$max_width" ]; then
      echo "$id $X $Y $WIDTH $HEIGHT"
      return 0
    fi
  done
  return 1
}
