#!/usr/bin/env bash
# `cmake --install` into a scratch root: the bundle under lib/horavia, a
# launcher that reaches it, and a desktop entry, icons, metainfo and man page
# that the desktop's own validators accept. Usage: installed-files.sh BUILD_DIR
set -uo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
passed=0
failed=0
check() { # description, command...
  local what=$1
  shift
  if "$@" >"$root/out" 2>&1; then echo "PASS: $what"; passed=$((passed + 1))
  else echo "FAIL: $what"; cat "$root/out"; failed=$((failed + 1)); fi
}

# Under the loosest umask, as a careless administrator may have it.
(umask 000 && DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null) || { echo "FAIL: cmake --install"; exit 1; }
usr=$root/usr
id=org.horavia.Horavia
check "the bundle is whole" test -x "$usr/lib/horavia/Horavia.app/Contents/Horavia" -a \
  -f "$usr/lib/horavia/Horavia.app/Contents/Info.plist" -a -f "$usr/lib/horavia/Horavia.app/Contents/Resources/cities.json"
resources=$usr/lib/horavia/Horavia.app/Contents/Resources
check "the catalogue's index is installed and not older than the catalogue" \
  test -s "$resources/cities.index" -a ! "$resources/cities.json" -nt "$resources/cities.index"
check "nothing installed is writable by group or others" \
  test -z "$(find "$root/usr" ! -type l -perm /022 -print)"
check "the launcher is a relative link to the bundle's executable" \
  test "$(readlink "$usr/bin/horavia")" = ../lib/horavia/Horavia.app/Contents/Horavia -a -x "$usr/bin/horavia"
for module in gui services calendar subscriptions; do
  check "the $module module is installed beside the executable" \
    test -f "$usr/lib/horavia/Horavia.app/Contents/libhoravia-$module.so"
done
# What every start loads: the network stack, OpenSSL, libarchive and libical
# wait in the services module until an update or a calendar file needs them.
check "the windows' module loads no network, crypto, archive or calendar library" bash -c \
  "! readelf -d '$usr/lib/horavia/Horavia.app/Contents/libhoravia-gui.so' | grep -E 'Qt6Network|libcrypto|libarchive|libical|libecal'"
# The desktop's calendar service's client library only in its own helper.
check "the calendar module loads no network and no client library of the desktop's calendars" bash -c \
  "! readelf -d '$usr/lib/horavia/Horavia.app/Contents/libhoravia-calendar.so' | grep -E 'Qt6Network|libecal|libedataserver'"
check "the desktop's calendars are read by a helper beside the executable" \
  test -x "$usr/lib/horavia/Horavia.app/Contents/horavia-desktop-calendars"
# `--print` pays only for Qt Core and ICU: the windows' libraries and D-Bus
# come with the module, when the application starts.
check "the executable loads no Gui, Widgets or D-Bus library" bash -c \
  "! readelf -d '$usr/lib/horavia/Horavia.app/Contents/Horavia' | grep -E 'Qt6Gui|Qt6Widgets|Qt6DBus|Qt6Network'"
check "the launcher prints the clocks with no display" bash -c \
  "env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME='$root/config' '$usr/bin/horavia' --print | grep -q '[0-9]:[0-9][0-9]'"
check "desktop-file-validate accepts the entry" desktop-file-validate "$usr/share/applications/$id.desktop"
check "the entry names the launcher, the icon and the window class" bash -c \
  "grep -qx 'Exec=horavia %u' '$usr/share/applications/$id.desktop' && grep -qx 'MimeType=x-scheme-handler/horavia;' '$usr/share/applications/$id.desktop' && grep -qx 'Icon=$id' '$usr/share/applications/$id.desktop' &&
   grep -qx 'StartupWMClass=$id' '$usr/share/applications/$id.desktop'"
check "the entry and the metainfo speak the eight languages" bash -c \
  "for l in de fr es pt_BR ja zh_CN ar he; do grep -q \"^GenericName\\[\$l\\]=\" '$usr/share/applications/$id.desktop' &&
     grep -q \"^Comment\\[\$l\\]=\" '$usr/share/applications/$id.desktop' &&
     grep -q \"<summary xml:lang=.\$l.>\" '$usr/share/metainfo/$id.metainfo.xml' || exit 1; done"
check "the bundle holds the eight catalogues, not the pseudo-language" bash -c \
  "for l in de fr es pt_BR ja zh_CN ar he; do test -s \"$usr/lib/horavia/Horavia.app/Contents/Resources/translations/horavia_\$l.qm\" || exit 1; done;
   ! ls '$usr/lib/horavia/Horavia.app/Contents/Resources/translations' | grep -q qps"
check "appstreamcli validates the metainfo" appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml"
check "the metainfo launches the desktop entry" grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
  "$usr/share/metainfo/$id.metainfo.xml"
for size in 16 22 24 32 48 64 128 256 512; do
  check "a ${size}px icon" bash -c "identify -format '%wx%h' '$usr/share/icons/hicolor/${size}x${size}/apps/$id.png' | grep -qx ${size}x${size}"
done
check "a scalable icon" test -s "$usr/share/icons/hicolor/scalable/apps/$id.svg"
check "the man page reads" bash -c "man -l '$usr/share/man/man1/horavia.1.gz' | grep -q 'world clock in the system tray'"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
