#!/usr/bin/env bash
# The pseudo-language: with LANGUAGE=qps every text that went through the
# catalogues is marked "⟦…⟧". The accessibility tree of the tray panel, the
# chooser and Settings is walked: every window, command, label, field, box
# and menu item must be marked. Names of places, times made by ICU and the
# product's name are not texts to translate.
# Run inside dbus-run-session. Usage: pseudo.sh APP SCREENSHOT_DIR
app=$1
shots=$2
name=pseudo
source "$(dirname "$0")/harness.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANGUAGE=qps
python=/usr/bin/python3
"$python" -c "import pyatspi; pyatspi.Registry.getDesktop(0)" >/dev/null 2>&1
echo '{"trackedCityIDs": ["gn1850147"]}' >"$XDG_CONFIG_HOME/horavia/settings.json"

"$app" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 tray_icon || fail "no tray icon"
sleep 1
read -r _ x y w h < <(find_app_window 12 64) && xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
wait_for 5 panel_open || fail "the panel did not open"
sleep 0.5
import -window root "$shots/pseudo-panel.png"
xdotool windowactivate --sync "$(find_app_window 700 760 | cut -d' ' -f1)" 2>/dev/null; xdotool key ctrl+comma
wait_for 5 bash -c "\"$python\" \"$(dirname "$0")/accessible.py\" $app_pid | grep -q 'Śéttíñgś'" ||
  fail "Settings did not open"
import -window root "$shots/pseudo-settings.png"
tree=$("$python" "$(dirname "$0")/accessible.py" "$app_pid")
unmarked=$(echo "$tree" | awk -F'\t' '
  $2 ~ /^(window|dialog|frame|push button|toggle button|label|check box|combo box|text|menu item|menu|panel|list)$/ &&
  $3 != "" && $3 !~ /^⟦/ && $3 != "Horavia" && $3 !~ /^[0-9: APM\xe2\x80\xaf·,]+$/' | cut -f2,3 | sort -u)
shown=$(echo "$tree" | grep -c '⟦' || true)
[ -z "$unmarked" ] || fail "texts left untranslated: $(echo "$unmarked" | tr '\n' ';')"
[ "$shown" -ge 30 ] || fail "only $shown marked texts in the tree"
pass "the panel, the chooser and Settings under the pseudo-language: $shown marked texts, none left unmarked"
[ "$failed" -eq 0 ]
