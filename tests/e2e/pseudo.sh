#!/usr/bin/env bash
# The pseudo-language: with LANGUAGE=qps every text that went through the
# catalogues is marked "⟦…⟧". The accessibility tree of the tray panel, the
# chooser, Settings, the label editor and About is walked: every window,
# command, label, field, box and menu item must be marked, in its name and in
# its description (a tooltip, a row's details), and so must what is only
# said (a typed time's answer, announced). Names of places, addresses,
# times made by ICU, the product's name and the bundle's copyright line are
# not texts to translate. (The update window's walk is in update.sh, which
# has a server to offer an update.)
# Run inside dbus-run-session. Usage: pseudo.sh APP SCREENSHOT_DIR
app=$1
shots=$2
name=pseudo
source "$(dirname "$0")/harness.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANGUAGE=qps
accessibility_bus
echo '{"trackedCityIDs": ["gn1850147"]}' >"$XDG_CONFIG_HOME/horavia/settings.json"

"$app" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 tray_icon || fail "no tray icon"
sleep 1
read -r _ x y w h < <(find_app_window 12 64) && xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
wait_for 5 panel_open || fail "the panel did not open"
sleep 0.5
import -window root "$shots/pseudo-panel.png"
# Each window is walked while it is open: the panel closes as the next one opens.
unmarked=""
walk() {
  local found
  found=$("$python" "$(dirname "$0")/accessible.py" "$app_pid" --unmarked '^(Tokyo|UTC|GeoNames|Natural Earth|© 20[0-9]{2} |https://)')
  [ -z "$found" ] || unmarked+="$found"$'\n'
}
walk
# What is only said: a typed time's answer, announced to a screen reader.
xdotool type --delay 60 "3pm Tokyo"
wait_for 5 bash -c "\"$python\" \"$(dirname "$0")/accessible.py\" $app_pid | grep -qP '^2\tnotification\t'" ||
  fail "the typed time's answer was not announced"
walk
xdotool key Escape Escape
wait_for 5 panel_closed || fail "Escape did not close the panel"
xdotool windowactivate --sync "$(find_app_window 700 760 | cut -d' ' -f1)" 2>/dev/null; xdotool key ctrl+comma
wait_for 10 bash -c "\"$python\" \"$(dirname "$0")/accessible.py\" $app_pid | grep -q 'Śéttíñgś'" ||
  fail "Settings did not open"
import -window root "$shots/pseudo-settings.png"
walk
xdotool key Escape
keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
xdotool mousemove --window "$(find_app_window 700 760 | cut -d' ' -f1)" 25 9 click 1; sleep 0.4; keys Down Return
wait_for 10 bash -c "\"$python\" \"$(dirname "$0")/accessible.py\" $app_pid | grep -q 'Ábóút'" || fail "About did not open"
import -window root "$shots/pseudo-about.png"
xdotool windowactivate --sync "$(find_app_window 700 760 | cut -d' ' -f1)" 2>/dev/null
keys ctrl+f Down Down Down F2 # the home row, the section, Tokyo
wait_for 5 find_app_window 370 420 >/dev/null || fail "F2 did not open the label editor"
import -window root "$shots/pseudo-label-editor.png"
tree=$("$python" "$(dirname "$0")/accessible.py" "$app_pid")
for window in 'Ábóút' 'Réñámé'; do # Settings closed as About opened
  echo "$tree" | grep -qP "^1\t(frame|dialog)\t⟦.*$window" || fail "no window $window in the tree"
done
walk
shown=$(echo "$tree" | grep -c '⟦' || true)
[ -z "$unmarked" ] || fail "texts left untranslated: $(echo "$unmarked" | sed '/^$/d' | sort -u | tr '\n' ';')"
[ "$shown" -ge 60 ] || fail "only $shown marked texts in the tree"
pass "the panel, the chooser, Settings, the label editor and About under the pseudo-language: $shown marked texts, none left unmarked"

# The command line: its help and every error of its own come through the
# catalogues too (the parser's own "Unknown option" is Qt's, from Qt's).
help=$("$app" --help)
[[ "$help" == ⟦* && "$help" == *⟧ ]] || fail "the help is not marked: $(head -1 <<<"$help")"
for arguments in "--print=csv" "--print --at 3pm_Qwzx" "--city nope" "--follow --at 3pm" "--print_surplus"; do
  read -ra words <<<"${arguments//_/ }"
  [ "$arguments" = "--print --at 3pm_Qwzx" ] && words=(--print --at "3pm Qwzx")
  said=$("$app" "${words[@]}" 2>&1)
  while IFS= read -r line; do
    [[ "$line" =~ ^(horavia:\ )?⟦.*⟧$ ]] || fail "horavia $arguments said an unmarked line: $line"
  done <<<"$said"
done
pass "the command line's help and errors under the pseudo-language, every line marked"
[ "$failed" -eq 0 ]
