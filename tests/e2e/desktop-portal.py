"""A desktop portal with GlobalShortcuts and the FileChooser, for the tests:
the application's requests are answered as a portal does once the user has
chosen (the key Ctrl+Alt+C; the file or the cancel set by Choose), and every
call is printed. On /Test, Press(id, token) presses a shortcut's key, Bind(id,
key) stands for a binding made in an earlier session, and Choose(code, uris)
sets the chooser's answer. Usage: desktop-portal.py (on the session bus)"""
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

PATH = "/org/freedesktop/portal/desktop"
XML = """<node>
 <interface name="org.freedesktop.portal.GlobalShortcuts">
  <method name="CreateSession"><arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
  <method name="BindShortcuts"><arg type="o" direction="in"/><arg type="a(sa{sv})" direction="in"/>
   <arg type="s" direction="in"/><arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
  <method name="ListShortcuts"><arg type="o" direction="in"/><arg type="a{sv}" direction="in"/>
   <arg type="o" direction="out"/></method>
  <method name="ConfigureShortcuts"><arg type="o" direction="in"/><arg type="s" direction="in"/>
   <arg type="a{sv}" direction="in"/></method>
  <property name="version" type="u" access="read"/>
 </interface>
 <interface name="org.freedesktop.portal.FileChooser">
  <method name="OpenFile"><arg type="s" direction="in"/><arg type="s" direction="in"/>
   <arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
  <method name="SaveFile"><arg type="s" direction="in"/><arg type="s" direction="in"/>
   <arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
 </interface>
 <interface name="org.freedesktop.host.portal.Registry">
  <method name="Register"><arg type="s" direction="in"/><arg type="a{sv}" direction="in"/></method>
 </interface>
</node>"""
TEST_XML = """<node><interface name="org.horavia.Test">
 <method name="Press"><arg type="s" direction="in"/><arg type="s" direction="in"/></method>
 <method name="Bind"><arg type="s" direction="in"/><arg type="s" direction="in"/></method>
 <method name="Choose"><arg type="u" direction="in"/><arg type="as" direction="in"/></method>
</interface></node>"""
state = {"session": None, "bound": [], "choice": (0, [])}


def say(text):
    print(text, flush=True)


def answer(connection, sender, options, results, code=0):
    path = "%s/request/%s/%s" % (PATH, sender[1:].replace(".", "_"), options["handle_token"])

    def respond():
        connection.emit_signal(None, path, "org.freedesktop.portal.Request", "Response",
                               GLib.Variant("(ua{sv})", (code, results)))
        return False

    GLib.timeout_add(20, respond)
    return GLib.Variant("(o)", (path,))


def call(connection, sender, path, interface, method, parameters, invocation):
    args = parameters.unpack()
    if interface == "org.freedesktop.host.portal.Registry":
        say("Register %s" % args[0])
        invocation.return_value(None)
    elif method == "CreateSession":
        state["session"] = "%s/session/%s/%s" % (PATH, sender[1:].replace(".", "_"), args[0]["session_handle_token"])
        say("CreateSession")
        invocation.return_value(answer(connection, sender, args[0], {"session_handle": GLib.Variant("o", state["session"])}))
    elif method == "ListShortcuts":
        say("ListShortcuts")
        invocation.return_value(answer(connection, sender, args[1], {
            "shortcuts": GLib.Variant("a(sa{sv})", state["bound"])}))
    elif method == "BindShortcuts":
        wanted = args[1]
        say("BindShortcuts " + ",".join("%s=%s%s" % (i, p.get("description"), " with a key" if "preferred_trigger" in p
                                                      else "") for i, p in wanted))
        state["bound"] = [(i, {"description": GLib.Variant("s", p.get("description", "")),
                               "trigger_description": GLib.Variant("s", "Ctrl+Alt+C")}) for i, p in wanted]
        invocation.return_value(answer(connection, sender, args[3], {
            "shortcuts": GLib.Variant("a(sa{sv})", state["bound"])}))
    elif method in ("SaveFile", "OpenFile"):
        say(" ".join([method, args[0], args[1]] + ([args[2]["current_name"]] if "current_name" in args[2] else [])))
        code, uris = state["choice"]
        invocation.return_value(answer(connection, sender, args[2], {"uris": GLib.Variant("as", uris)}, code))
    elif method == "ConfigureShortcuts":
        say("ConfigureShortcuts")
        invocation.return_value(None)
    else:
        invocation.return_dbus_error("org.freedesktop.DBus.Error.UnknownMethod", method)


def get(connection, sender, path, interface, name):
    return GLib.Variant("u", 2)


def test(connection, sender, path, interface, method, parameters, invocation):
    args = parameters.unpack()
    if method == "Press":
        say("Press")
        options = {"activation_token": GLib.Variant("s", args[1])} if args[1] else {}
        connection.emit_signal(None, PATH, "org.freedesktop.portal.GlobalShortcuts", "Activated",
                               GLib.Variant("(osta{sv})", (state["session"], args[0], 1, options)))
    elif method == "Bind":
        state["bound"] = [(args[0], {"trigger_description": GLib.Variant("s", args[1])})]
    else:
        state["choice"] = args
    invocation.return_value(None)


def acquired(connection, name):
    for interface in Gio.DBusNodeInfo.new_for_xml(XML).interfaces:
        connection.register_object(PATH, interface, call, get, None)
    connection.register_object("/Test", Gio.DBusNodeInfo.new_for_xml(TEST_XML).interfaces[0], test, None, None)
    say("ready")


Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop", Gio.BusNameOwnerFlags.NONE, acquired,
                 None, lambda *_: sys.exit("the portal's name is taken"))
GLib.MainLoop().run()
