#!/usr/bin/env bash
# The Debian package: built by scripts/package (a Release build whose updater
# is off, checked by lintian, errors fail), with computed library
# dependencies, the installed layout, and the packaged launcher starting in a
# virtual desktop from an unpacked copy.
# Run inside dbus-run-session. Usage: package.sh SOURCE_DIR SCREENSHOT_DIR
source_dir=$1
shots=$2
name=package
app=
source "$(dirname "$0")/../e2e/harness.sh"

deb=$("$source_dir/scripts/package" 2>"$work/package.log" | tail -n 1)
[ -f "$deb" ] || { cat "$work/package.log"; fail "scripts/package made no package (lintian errors fail it)"; }
pass "built $(basename "$deb"), $(stat -c %s "$deb") bytes; lintian reports no errors"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libicu72 libarchive13 libssl3 libqt6svg6 tzdata; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
pass "dependencies: $depends"

dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/horavia usr/lib/horavia/Horavia.app/Contents/Horavia usr/share/applications/org.horavia.Horavia.desktop \
  usr/share/metainfo/org.horavia.Horavia.metainfo.xml usr/share/doc/horavia/copyright; do
  [ -e "$work/root/$file" ] || fail "the package lacks /$file"
done
pass "the package holds the launcher, the bundle, the entry, the metainfo and the copyright"

"$work/root/usr/bin/horavia" >"$work/app.log" 2>&1 & app_pid=$!; pids+=($app_pid)
wait_for 10 tray_icon || fail "the packaged copy showed no tray icon"
wait_for 10 main_open || fail "the packaged copy showed no main window"
pass "the packaged launcher starts Horavia"
import -window root "$shots/package-started.png"
kill "$app_pid"
[ "$failed" -eq 0 ]
