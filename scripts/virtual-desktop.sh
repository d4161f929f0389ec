# Sourced by scripts that need a desktop on a machine without one:
# start_virtual_desktop starts Xvfb on a free display, openbox and trayer,
# exports DISPLAY and records the process ids in VIRTUAL_DESKTOP_PIDS;
# stop_virtual_desktop ends them; find_app_window finds Horavia's windows.

VIRTUAL_DESKTOP_PIDS=()

start_virtual_desktop() {
  local n display=
  for n in $(seq 200 299); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
  done
  [ -n "$display" ] || { echo "no free display" >&2; return 1; }
  Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  VIRTUAL_DESKTOP_PIDS+=($!)
  export DISPLAY=$display
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  openbox >/dev/null 2>&1 &
  VIRTUAL_DESKTOP_PIDS+=($!)
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

# The first visible window of class Horavia whose width lies between the two
# numbers (12 to 64: the tray icon; about 520: the panel), as "id x y width height".
find_app_window() {
  local min_width=$1 max_width=$2 id X Y WIDTH HEIGHT SCREEN WINDOW
  for id in $(xdotool search --onlyvisible --class '^Horavia$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
    if [ "$WIDTH" -ge "$min_width" ] && [ "$WIDTH" -le "$max_width" ]; then
      echo "$id $X $Y $WIDTH $HEIGHT"
      return 0
    fi
  done
  return 1
}
