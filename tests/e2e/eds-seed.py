#!/usr/bin/env python3
"""Makes a local calendar in Evolution Data Server and writes events to it,
through the service's own client library, as a desktop calendar would.

usage: eds-seed.py create            the calendar "Team" with its events
       eds-seed.py add TITLE START   one more event (START as 20260116T123000Z)
       eds-seed.py watch             prints "ready", then the time (ms since the epoch)
                                     at which the service tells its views of a new event
"""
import time
import sys

import gi

gi.require_version("EDataServer", "1.2")
gi.require_version("ECal", "2.0")
gi.require_version("ICalGLib", "3.0")
from gi.repository import ECal, EDataServer, ICalGLib  # noqa: E402

UID = "horavia-team"


def client():
    registry = EDataServer.SourceRegistry.new_sync(None)
    source = registry.ref_source(UID)
    if source is None:
        source = EDataServer.Source.new_with_uid(UID, None)
        source.set_display_name("Team")
        source.set_parent("local-stub")
        calendar = source.get_extension(EDataServer.SOURCE_EXTENSION_CALENDAR)
        calendar.set_backend_name("local")
        calendar.set_color("#e01b24")
        registry.commit_source_sync(source, None)
    # No wait for the backend: a finite one on a new calendar stalls for all of it.
    return ECal.Client.connect_sync(source, ECal.ClientSourceType.EVENTS, 0xFFFFFFFF, None)


def event(lines):
    return ICalGLib.Component.new_from_string("BEGIN:VEVENT\r\n" + "\r\n".join(lines) + "\r\nEND:VEVENT\r\n")


def create():
    cal = client()
    for zone in ("Europe/Berlin", "America/New_York"):
        cal.add_timezone_sync(ICalGLib.Timezone.get_builtin_timezone(zone), None)
    # A weekly series at 14:00 in Berlin, its 16 January occurrence moved to 15:30.
    cal.create_object_sync(event(["UID:sync", "SUMMARY:Sync", "DTSTART;TZID=Europe/Berlin:20260109T140000",
                                  "DTEND;TZID=Europe/Berlin:20260109T143000", "RRULE:FREQ=WEEKLY;COUNT=10"]),
                           ECal.OperationFlags.NONE, None)
    cal.modify_object_sync(event(["UID:sync", "SUMMARY:Sync (moved)",
                                  "RECURRENCE-ID;TZID=Europe/Berlin:20260116T140000",
                                  "DTSTART;TZID=Europe/Berlin:20260116T153000",
                                  "DTEND;TZID=Europe/Berlin:20260116T160000"]),
                           ECal.ObjModType.THIS, ECal.OperationFlags.NONE, None)
    # 9:00 in New York.
    cal.create_object_sync(event(["UID:call", "SUMMARY:Call New York", "DTSTART;TZID=America/New_York:20260116T090000",
                                  "DTEND;TZID=America/New_York:20260116T093000"]),
                           ECal.OperationFlags.NONE, None)


def add(title, start):
    client().create_object_sync(event(["UID:" + title.replace(" ", "-"), "SUMMARY:" + title, "DTSTART:" + start,
                                       "DURATION:PT15M"]), ECal.OperationFlags.NONE, None)


def watch():
    from gi.repository import GLib
    ok, view = client().get_view_sync("#t", None)
    loop = GLib.MainLoop()
    started = []

    def added(_view, _objects):
        if started:  # not the events already there, which a view starts with
            print(int(time.time() * 1000), flush=True)
            loop.quit()

    view.connect("objects-added", added)
    view.start()

    def ready():
        started.append(True)
        print("ready", flush=True)
        return False

    GLib.timeout_add(300, ready)
    loop.run()


if __name__ == "__main__":
    if sys.argv[1] == "create":
        create()
    elif sys.argv[1] == "watch":
        watch()
    else:
        add(sys.argv[2], sys.argv[3])
