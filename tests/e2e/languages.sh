#!/usr/bin/env bash
# Horavia in German, Japanese, Arabic and Hebrew, light and dark: the
# chooser, the tray panel and Settings each come up in the session's
# language (LANG, as a desktop sets it) and are photographed. Arabic and
# Hebrew lay out right to left: the chooser's order button moves to the
# search field's left. Settings' hour fields, read back through the
# accessibility tree, say 09:00 hours first, in the locale's digits. The
# chooser finds a place by its name in the language and shows it so, and
# reads a time typed in the language's words; the label editor opens.
# Run inside dbus-run-session. Usage: languages.sh APP SCREENSHOT_DIR
app=$1
shots=$2
name=languages
source "$(dirname "$0")/harness.sh"
export XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=keyfile QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The portal's backend, which tells dark from light, is a GTK program D-Bus starts.
# (The harness has given the bus the private home.)
dbus-update-activation-environment DISPLAY XDG_CURRENT_DESKTOP GSETTINGS_BACKEND ||
  fail "the session bus took no environment"
accessibility_bus
# The left edge on screen of the first element with this role and name.
left_of() { # role name
  "$python" - "$app_pid" "$1" "$2" <<'EOF'
import sys, pyatspi
pid, role, name = int(sys.argv[1]), sys.argv[2], sys.argv[3]
def find(node):
    if node.getRoleName() == role and node.name == name:
        return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        found = find(child) if child is not None else None
        if found is not None:
            return found
desktop = pyatspi.Registry.getDesktop(0)
for i in range(desktop.childCount):
    app = desktop.getChildAtIndex(i)
    if app is not None and app.get_process_id() == pid:
        x = find(app)
        if x is not None:
            print(x)
            break
EOF
}
# The texts of Settings' hour fields, in order, joined by "|".
hour_fields() {
  "$python" - "$app_pid" <<'EOF'
import sys, pyatspi
pid = int(sys.argv[1])
texts = []
def walk(node):
    if node.getRoleName() == "spin button":
        text = node.queryText()
        texts.append(text.getText(0, text.characterCount))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child)
desktop = pyatspi.Registry.getDesktop(0)
for i in range(desktop.childCount):
    app = desktop.getChildAtIndex(i)
    if app is not None and app.get_process_id() == pid:
        walk(app)
print("|".join(texts))
EOF
}
echo '{"trackedCityIDs": ["gn5128581", "gn2988507", "gn1850147"]}' >"$XDG_CONFIG_HOME/horavia/settings.json"

# Text into the focused field through the clipboard: xdotool's typing of
# letters the keyboard map lacks drops the first of them now and then.
paste_text() { # text
  printf '%s' "$1" | xclip -selection clipboard
  sleep 0.2
  xdotool key ctrl+a ctrl+v
}
# Whether some element's name holds `text` and a time (in any digits), and
# is no row of that place (its name, then its time): a typed time's answer.
answered_in() { # text
  "$python" "$(dirname "$0")/accessible.py" "$app_pid" | "$python" -c '
import re, sys
place = sys.argv[1]
sys.exit(0 if any(place in n and not re.search(re.escape(place) + r", [0-9\u0660-\u0669]", n) and re.search(r"[0-9\u0660-\u0669]:[0-9\u0660-\u0669]{2}", n)
                  for n in (line.split("\t")[2] for line in sys.stdin if line.count("\t") >= 3)) else 1)' "$1"
}

# language code, then the window title, search field and order button as
# the catalogue has them, the hour fields as Settings shows them, a place
# typed in the language, as the chooser shows it, and a time typed
while IFS='|' read -r language settings search order hours place shown typed; do
  for scheme in default prefer-dark; do
    shade=light; [ "$scheme" = prefer-dark ] && shade=dark
    gsettings set org.gnome.desktop.interface color-scheme "$scheme"
    LANG=$language.UTF-8 "$app" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
    wait_for 10 main_open || fail "$language: no chooser"
    wait_for 10 bash -c "\"$python\" \"$(dirname "$0")/accessible.py\" $app_pid | grep -qF '$search'" ||
      fail "$language: the search field is not in $language"
    sleep 0.5
    import -window root "$shots/languages-$language-chooser-$shade.png"
    main=$(find_app_window 700 760 | cut -d' ' -f1)
    xdotool windowactivate --sync "$main" 2>/dev/null; xdotool key ctrl+f
    paste_text "$place"
    wait_for 5 bash -c "\"$python\" \"$(dirname "$0")/accessible.py\" $app_pid | grep -qF '$shown'" ||
      fail "$language: “$place” did not find “$shown”"
    sleep 0.5
    import -window root "$shots/languages-$language-chooser-place-$shade.png"
    paste_text "$typed"
    wait_for 5 answered_in "${shown%%,*}" || fail "$language: “$typed” was not answered"
    sleep 0.5
    import -window root "$shots/languages-$language-chooser-typed-$shade.png"
    xdotool key ctrl+a BackSpace Escape
    xdotool key ctrl+f Down Down Down F2
    wait_for 5 find_app_window 370 420 >/dev/null || fail "$language: F2 did not open the label editor"
    sleep 0.5
    import -window root "$shots/languages-$language-label-editor-$shade.png"
    xdotool key Escape
    sleep 0.5
    field=$(left_of text "$search") button=$(left_of "push button" "$order")
    if [ "$language" = ar_EG ] || [ "$language" = he_IL ]; then
      [ -n "$field" ] && [ -n "$button" ] && [ "$button" -lt "$field" ] ||
        fail "$language: the order button ($button) is not left of the search field ($field)"
    else
      [ -n "$field" ] && [ -n "$button" ] && [ "$field" -lt "$button" ] ||
        fail "$language: the search field ($field) is not left of the order button ($button)"
    fi
    read -r _ x y w h < <(find_app_window 12 64) && xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
    wait_for 5 panel_open || fail "$language: the panel did not open"
    sleep 0.5
    import -window root "$shots/languages-$language-panel-$shade.png"
    xdotool key Escape
    wait_for 5 panel_closed || fail "$language: the panel did not close"
    xdotool windowactivate --sync "$(find_app_window 700 760 | cut -d' ' -f1)" 2>/dev/null; xdotool key ctrl+comma
    wait_for 5 bash -c "\"$python\" \"$(dirname "$0")/accessible.py\" $app_pid | grep -qF '$settings'" ||
      fail "$language: Settings did not open as “$settings”"
    sleep 0.5
    import -window root "$shots/languages-$language-settings-$shade.png"
    read_hours=$(hour_fields)
    [ "$read_hours" = "${hours//,/|}" ] || fail "$language: the hour fields read “$read_hours”, not “$hours”"
    pass "$language, $shade: the chooser, the panel and Settings in the language, mirrored where it reads right to left"
    kill "$app_pid"; wait "$app_pid" 2>/dev/null
  done
done <<'LANGUAGES'
de_DE|Einstellungen|Städte und Zeitzonen suchen|Reihenfolge|09:00,17:00,07:00,22:00|Tokio|Tokio, Japan|morgen 15 Uhr Tokio
fr_FR|Paramètres|Rechercher des villes et des fuseaux horaires|Ordre|09:00,17:00,07:00,22:00|Londres|Londres, Royaume-Uni|demain 9h Londres
ja_JP|設定|都市とタイムゾーンを検索|並び順|09:00,17:00,07:00,22:00|東京|東京, 日本|明日 午後3時 東京
ar_EG|الإعدادات|البحث عن المدن والمناطق الزمنية|الترتيب|٠٩:٠٠,١٧:٠٠,٠٧:٠٠,٢٢:٠٠|القاهرة|القاهرة، مصر|غدًا ٣ م القاهرة
he_IL|הגדרות|חיפוש ערים ואזורי זמן|סדר|09:00,17:00,07:00,22:00|טוקיו|טוקיו, יפן|מחר 15:00 טוקיו
LANGUAGES
[ "$failed" -eq 0 ]
