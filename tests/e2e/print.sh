#!/usr/bin/env bash
# horavia --print with no display at all: the lines, JSON a program can read,
# the usage error, the same in other languages, an unreadable settings file read as the defaults, and --follow printing again at the next minute (the clock
# preloaded to 12:00:58 so the minute comes in two seconds).
# Usage: print.sh APP
app=$1
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export HOME=$work XDG_CONFIG_HOME=$work/config TZ=UTC LANG=en_US.UTF-8 LC_ALL=
mkdir -p "$XDG_CONFIG_HOME/horavia"
echo '{"trackedCityIDs": ["gn1850147"]}' >"$XDG_CONFIG_HOME/horavia/settings.json"
fail() { echo "FAIL: $*"; exit 1; }
pass() { echo "PASS: $*"; }
python=/usr/bin/python3

lines=$("$app" --print) || fail "--print exited with $?"
[ "$(wc -l <<<"$lines")" -eq 2 ] || fail "--print printed: $lines"
grep -qP '^Tokyo, Tokyo [0-9]+:[0-9]{2}.(AM|PM)' <<<"$lines" || fail "no Tokyo line: $lines"
pass "--print without a display: $(tr '\n' '|' <<<"$lines")"

"$app" --print=json --at 2026-12-09T15:00Z | "$python" -c '
import json, sys
clocks = json.load(sys.stdin)
tokyo = [c for c in clocks if c["id"] == "gn1850147"][0]
assert tokyo["localTime"] == "2026-12-10T00:00:00+09:00", tokyo
assert tokyo["utcOffset"] == 32400 and tokyo["dayOffset"] == 1 and tokyo["zone"] == "Asia/Tokyo", tokyo
' || fail "--print=json --at does not read back"
pass "--print=json --at reads back as JSON with Tokyo at midnight the next day"

# Each error: its own line and where to read more, status 2.
for wrong in --print=csv --frobnicate "--city gn0" "--city" "--print --at someday" "--print unexpected"; do
  # shellcheck disable=SC2086 # each case is its own words
  "$app" $wrong >/dev/null 2>"$work/err"; status=$?
  [ "$status" -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 2 ] && grep -q '^horavia: ' "$work/err" &&
    [ "$(tail -1 "$work/err")" = "Try “horavia --help”." ] || fail "$wrong gave $status: $(cat "$work/err")"
done
pass "unknown options, formats, city ids and times: one line, then \"Try “horavia --help”.\", status 2"

# In the session's language: the help and Horavia's own errors from its
# catalogue, the parser's too, the day label too, in lower case after a time
# (capitalized, German "Morgen" is "morning").
help=$(LANG=de_DE.UTF-8 "$app" --help)
grep -q '^Aufruf: horavia \[--toggle\]' <<<"$help" || fail "--help in German: $(head -1 <<<"$help")"
wrong=$(LANG=fr_FR.UTF-8 "$app" --print=csv 2>&1)
[ "$(tail -1 <<<"$wrong")" = $'Essayez «\u202fhoravia --help\u202f».' ] || fail "the pointer to the help in French: $(tail -1 <<<"$wrong")"
[ "$(head -1 <<<"$wrong")" = 'horavia: --print accepte text, line, json ou waybar, pas csv' ] ||
  fail "a wrong format in French: $(head -1 <<<"$wrong")"
# The parser's errors in every language, Qt's catalogue or not (Hebrew has none).
for case in 'ja_JP|--frobnicate|horavia: 不明なオプション：--frobnicate' 'he_IL|--frobnicate|horavia: אפשרות לא מוכרת: --frobnicate' \
  'de_DE|--city|horavia: --city braucht einen Wert' 'fr_FR|--follow=1|horavia: --follow ne prend pas de valeur'; do
  IFS='|' read -r language argument expected <<<"$case"
  said=$(LANG=$language.UTF-8 "$app" "$argument" 2>&1 | head -1)
  [ "$said" = "$expected" ] || fail "$argument in $language: $said"
done
german=$(LANG=de_DE.UTF-8 "$app" --print --at 2026-12-09T15:00Z)
grep -q '^Tokio, Japan 00:00 morgen$' <<<"$german" || fail "--print in German: $german"
# A time typed in the session's language, English's words as well.
for typed in 'morgen 15 Uhr UTC' 'tomorrow 3pm UTC'; do
  at=$(LANG=de_DE.UTF-8 "$app" --print --at "$typed")
  [ "$(head -1 <<<"$at")" = "UTC 15:00" ] || fail "--at “$typed” in German: $(head -1 <<<"$at")"
done
at=$(LANG=ja_JP.UTF-8 "$app" --print --at '明日 午後3時 UTC')
[ "$(head -1 <<<"$at")" = "UTC 15:00" ] || fail "--at in Japanese: $(head -1 <<<"$at")"
# An error in a right-to-left language: no isolate marks for a terminal to draw.
arabic=$(LANG=ar_EG.UTF-8 "$app" --print --at 'غدًا ٣ م Qwzx' 2>&1)
"$python" -c 'import sys; sys.exit(any(0x2066 <= ord(c) <= 0x2069 for c in sys.argv[1]))' "$arabic" ||
  fail "an Arabic error holds isolate marks: $arabic"
grep -q 'Qwzx' <<<"$arabic" || fail "the Arabic error does not name what was typed: $arabic"
# A place shown in the language: scripts keep the catalogue's name as title.
shown=$(LANG=ja_JP.UTF-8 "$app" --print=json | "$python" -c '
import json, sys
tokyo = [c for c in json.load(sys.stdin) if c["id"] == "gn1850147"][0]
print(tokyo["title"] + "|" + tokyo.get("shownTitle", ""))')
[ "$shown" = "Tokyo, Tokyo|東京, 日本" ] || fail "--print=json in Japanese: $shown"
[ "$(LANG=ja_JP.UTF-8 "$app" --print | grep -c '^東京, 日本 ')" = 1 ] || fail "--print does not show 東京 in Japanese"
pass "the help, the errors and the day labels in German, French and Japanese"

printf '{"trackedCityIDs": [' >"$XDG_CONFIG_HOME/horavia/settings.json"
defaults=$("$app" --print) || fail "--print with an unreadable settings file exited with $?"
[ "$(wc -l <<<"$defaults")" -eq 6 ] && grep -q '^New York City, New York ' <<<"$defaults" ||
  fail "an unreadable settings file did not give the defaults: $defaults"
[ "$(cat "$XDG_CONFIG_HOME/horavia/settings.json")" = '{"trackedCityIDs": [' ] && [ "$(ls "$XDG_CONFIG_HOME/horavia")" = settings.json ] ||
  fail "--print changed the settings folder: $(ls "$XDG_CONFIG_HOME/horavia")"
pass "an unreadable settings file: the defaults, and the file left as it was"
echo '{"trackedCityIDs": ["gn1850147"]}' >"$XDG_CONFIG_HOME/horavia/settings.json"

faketime=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu)/faketime/libfaketimeMT.so.1
coproc FOLLOW { exec env LD_PRELOAD="$faketime" FAKETIME="@2026-01-15 12:00:58" FAKETIME_DONT_FAKE_MONOTONIC=1 \
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" "$app" --print=waybar --follow; }
follower=$FOLLOW_PID
read -t 10 -r first <&"${FOLLOW[0]}" || fail "--follow printed nothing"
read -t 10 -r second <&"${FOLLOW[0]}" || fail "--follow printed no second line at the minute"
kill "$follower" 2>/dev/null
wait "$follower" 2>/dev/null
texts=$(printf '%s\n%s\n' "$first" "$second" | "$python" -c '
import json, sys
print("|".join(json.loads(line)["text"] for line in sys.stdin))')
[[ "$texts" =~ ^UTC\ 12:00.PM\|UTC\ 12:01.PM$ ]] || fail "--follow printed $texts"
pass "--print=waybar --follow: one line, then the next at the minute ($texts)"

# A bar that quits closes its end of the pipe: --follow ends at once, not
# at the next minute's failed write.
"$python" - "$app" <<'PY' || fail "--follow outlived its reader"
import os, subprocess, sys, time
reader, writer = os.pipe()
follower = subprocess.Popen([sys.argv[1], "--print=line", "--follow"], stdout=writer)
os.close(writer)
line = os.read(reader, 4096)
assert b"Tokyo" in line and line.count(b"\n") == 1, line
os.close(reader)
started = time.monotonic()
follower.wait(timeout=5)
print(f"ended {time.monotonic() - started:.2f} s after its reader")
PY
pass "--follow ends with its reader; --print=line is one line for polybar and i3blocks"

# Waybar reads text and tooltip as Pango markup: the catalogue's own
# "Sarajevo, Federation of B&H" and a label with "<" must parse as markup
# and show as the names.
echo '{"trackedCityIDs": ["gn3191281", "gn3186573"], "customCityLabels": {"gn3186573": "Zenica <R&D>"}}' \
  >"$XDG_CONFIG_HOME/horavia/settings.json"
for city in "" gn3191281 gn3186573; do
  "$app" --print=waybar ${city:+--city "$city"} | "$python" -c '
import json, sys, xml.dom.minidom
bar = json.load(sys.stdin)
def shown(markup):
    return "".join(n.data for n in xml.dom.minidom.parseString("<markup>" + markup + "</markup>").documentElement.childNodes)
assert "&amp;" in bar["tooltip"] and "&lt;" in bar["tooltip"], bar
assert "Sarajevo, Federation of B&H" in shown(bar["tooltip"]) and "Zenica <R&D>" in shown(bar["tooltip"]), bar
assert shown(bar["text"]) in shown(bar["tooltip"]).splitlines(), bar
' || fail "--print=waybar ${city:+--city $city} is not markup-safe: $("$app" --print=waybar)"
done
pass "--print=waybar text and tooltip parse as markup with \"&\" and \"<\" in names"
# --city of the catalogue's that is not tracked: its own line as the text.
paris=$("$app" --print=waybar --city gn2988507 | "$python" -c 'import json, sys; print(json.load(sys.stdin)["text"])')
[[ "$paris" =~ ^Paris,\ Île-de-France\ [0-9:]+.(AM|PM)( tomorrow)?$ ]] || fail "--city of a city not tracked shows \"$paris\""
pass "--city of a city not tracked shows it: $paris"
echo '{"trackedCityIDs": ["gn1850147"]}' >"$XDG_CONFIG_HOME/horavia/settings.json"

# --at: a repeated wall time is its first occurrence; bytes that are not
# UTF-8 come back escaped.
at=$(TZ=America/New_York "$app" --print=json --at 2026-11-01T01:30 | "$python" -c '
import json, sys; print([c for c in json.load(sys.stdin) if c["id"] == "gn1850147"][0]["localTime"])')
[ "$at" = "2026-11-01T14:30:00+09:00" ] || fail "--at 01:30 on New York's night of the change is $at in Tokyo"
"$app" --print --at $'\xff\x1b[2J' 2>"$work/err"; status=$?
[ "$status" -eq 2 ] && grep -qF '“\xff\x1b[2J” is no date and time' "$work/err" ||
  fail "an --at of raw bytes gave $status: $(head -1 "$work/err" | od -c | head -3)"
pass "--at: the first of a repeated hour (05:30Z), and raw bytes shown escaped"

# --at as people write it: the next 9 am in Tokyo; a place nobody knows and an
# abbreviation of several meanings are refused with what could not be read.
at=$("$app" --print=json --at "9am Tokyo" | "$python" -c '
import json, sys; print([c for c in json.load(sys.stdin) if c["id"] == "gn1850147"][0]["localTime"])')
[[ "$at" == *T09:00:00+09:00 ]] || fail "--at \"9am Tokyo\" shows $at in Tokyo"
"$app" --print --at "3pm Xyzzyq" 2>"$work/err"; status=$?
[ "$status" -eq 2 ] && grep -qF 'No place or time zone called “Xyzzyq”' "$work/err" ||
  fail "--at \"3pm Xyzzyq\" gave $status: $(head -1 "$work/err")"
"$app" --print --at "3pm IST" 2>"$work/err"; status=$?
[ "$status" -eq 2 ] && grep -qF '“3pm IST” means more than one zone: Dublin, Jerusalem, and Kolkata' "$work/err" ||
  fail "--at \"3pm IST\" gave $status: $(head -1 "$work/err")"
pass "--at \"9am Tokyo\"; an unknown place and an ambiguous abbreviation refused (status 2)"
# A phrase at any date, as an ISO time is: 3 pm EST in July reads as EDT's 19:00 UTC.
at=$("$app" --print=json --at "2026-07-15 3pm EST" | "$python" -c '
import json, sys; print([c for c in json.load(sys.stdin) if c["id"] == "gn1850147"][0]["localTime"])')
[ "$at" = "2026-07-16T04:00:00+09:00" ] || fail "--at \"2026-07-15 3pm EST\" shows $at in Tokyo"
pass "--at \"2026-07-15 3pm EST\", months away, is 04:00 the next day in Tokyo"

# --follow reads the settings again when they change: a city added in the
# application reaches the bar at once, saved by a rename or written in place.
coproc LIVE { exec "$app" --print=line --follow; }
live=$LIVE_PID
read -t 10 -r first <&"${LIVE[0]}" || fail "--follow printed nothing"
printf '{"trackedCityIDs": ["gn1850147", "gn2988507"]}' >"$XDG_CONFIG_HOME/horavia/new.json"
mv "$XDG_CONFIG_HOME/horavia/new.json" "$XDG_CONFIG_HOME/horavia/settings.json"
read -t 3 -r renamed <&"${LIVE[0]}" || fail "--follow did not print again when the settings were saved"
grep -q 'Paris' <<<"$renamed" || fail "--follow printed \"$renamed\" after Paris was added"
echo '{"trackedCityIDs": ["gn2988507"]}' >"$XDG_CONFIG_HOME/horavia/settings.json"
read -t 3 -r inplace <&"${LIVE[0]}" || fail "--follow did not print again when the settings were written in place"
grep -q 'Tokyo' <<<"$inplace" && fail "--follow printed \"$inplace\" after Tokyo was removed"
kill "$live"; wait "$live" 2>/dev/null
pass "--follow prints again when the settings change: \"$renamed\", then \"$inplace\""
echo '{"trackedCityIDs": ["gn1850147"]}' >"$XDG_CONFIG_HOME/horavia/settings.json"

# With a calendar on, the next event: in each clock's own time in the JSON,
# and in waybar's object, its {alt} and its tooltip.
cat >"$work/work.ics" <<'ICS'
BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//test//EN
BEGIN:VEVENT
UID:standup
SUMMARY:Standup
DTSTART;TZID=Europe/Berlin:20261210T090000
DURATION:PT15M
RRULE:FREQ=DAILY
END:VEVENT
END:VCALENDAR
ICS
cat >"$XDG_CONFIG_HOME/horavia/calendars.json" <<JSON
{"format": "horavia-calendars", "version": 1,
 "sources": [{"id": "file-1", "kind": "file", "address": "$work/work.ics", "enabled": true}]}
JSON
"$app" --print=json --at 2026-12-10T07:48Z | "$python" -c '
import json, sys
clocks = json.load(sys.stdin)
tokyo = [c for c in clocks if c["id"] == "gn1850147"][0]["nextEvent"]
assert tokyo == {"title": "Standup", "start": "2026-12-10T17:00:00+09:00", "startsIn": 720, "allDay": False}, tokyo
' || fail "--print=json has no next event in each clock's time"
bar=$("$app" --print=waybar --at 2026-12-10T07:48Z)
"$python" -c '
import json, sys
bar = json.loads(sys.argv[1])
assert bar["alt"] == "Standup · in 12 minutes", bar["alt"]
assert bar["class"] == "horavia event-soon", bar["class"]
assert "Standup · in 12 minutes" in bar["tooltip"] and "Tokyo, Tokyo 5:00" in bar["tooltip"], bar["tooltip"]
assert bar["nextEvent"]["start"] == "2026-12-10T08:00:00Z", bar["nextEvent"]
' "$bar" || fail "--print=waybar has no next event: $bar"
pass "with a calendar on, the next event in each clock's time (JSON) and in waybar's {alt}: $(
  "$python" -c 'import json, sys; print(json.loads(sys.argv[1])["alt"])' "$bar")"
rm "$XDG_CONFIG_HOME/horavia/calendars.json"
