#!/usr/bin/env bash
# The pseudo-language: with LANGUAGE=qps every text that went through the
# catalogues is marked "⟦…⟧". The tray panel's accessibility tree is walked
# and each of its commands and labels must be marked; names of places,
# times and the product's name are not texts to translate.
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
# The panel's own lines: its push buttons and labels, and its list's name.
unmarked=$("$python" "$(dirname "$0")/accessible.py" "$app_pid" | awk -F'\t' '
  $2 == "window" && $3 == "Horavia" { inside = 1; depth = $1; next }
  inside && $1 <= depth { inside = 0 }
  inside && ($2 == "push button" || $2 == "label" || $2 == "list") && $3 != "" && $3 !~ /^⟦/' | cut -f2,3)
shown=$("$python" "$(dirname "$0")/accessible.py" "$app_pid" | grep -c '⟦' || true)
[ -z "$unmarked" ] || fail "texts of the panel left untranslated: $(echo "$unmarked" | tr '\n' ';')"
[ "$shown" -ge 8 ] || fail "only $shown marked texts in the tree"
pass "the panel under the pseudo-language: $shown marked texts, none left unmarked"
[ "$failed" -eq 0 ]
