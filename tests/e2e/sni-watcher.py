"""A StatusNotifierWatcher with a host, as a bar that draws items keeps on
the session bus, and nothing else: every item that registers is printed.
Usage: sni-watcher.py (on the session bus)"""
import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

XML = """<node><interface name="org.kde.StatusNotifierWatcher">
 <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
 <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
 <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
 <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
 <property name="ProtocolVersion" type="i" access="read"/>
</interface></node>"""
items = []


def call(connection, sender, path, interface, method, parameters, invocation):
    if method == "RegisterStatusNotifierItem":
        items.append(sender)
        print("registered %s" % parameters.unpack()[0], flush=True)
    invocation.return_value(None)


def get(connection, sender, path, interface, name):
    if name == "RegisteredStatusNotifierItems":
        return GLib.Variant("as", items)
    return GLib.Variant("b", True) if name == "IsStatusNotifierHostRegistered" else GLib.Variant("i", 0)


def acquired(connection, name):
    print("ready", flush=True)


bus = Gio.bus_get_sync(Gio.BusType.SESSION)
bus.register_object("/StatusNotifierWatcher", Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0], call, get, None)
Gio.bus_own_name_on_connection(bus, "org.kde.StatusNotifierWatcher", Gio.BusNameOwnerFlags.NONE, acquired, None)
GLib.MainLoop().run()
