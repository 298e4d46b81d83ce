#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A batch left running: the computer is kept from sleeping while it runs,
by logind on the system bus and the desktop portal on the session bus,
both played here by fakes of the test's own; without them, or when they
refuse or never answer, the batch runs as ever, without a word; and the dock
knows the window by the menu entry's name for it.

Usage: tst_awake.py PROGRAM STUBTOOL DESKTOP_ENTRY. Exits 77 (skipped)
where the desktop cannot run here."""
import os
import select
import subprocess
import sys

import desktop
from window import Window

LOGIND = """<node><interface name="org.freedesktop.login1.Manager"><method name="Inhibit">
<arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="s" direction="in"/>
<arg type="h" direction="out"/></method></interface></node>"""
PORTAL = """<node><interface name="org.freedesktop.portal.Inhibit"><method name="Inhibit">
<arg type="s" direction="in"/><arg type="u" direction="in"/><arg type="a{sv}" direction="in"/>
<arg type="o" direction="out"/></method></interface></node>"""
REQUEST = """<node><interface name="org.freedesktop.portal.Request"><method name="Close"/></interface></node>"""


class Fake:
    """A service on a bus of the desktop, answering as told: "yes", "error" or
    "never"; or not there at all (None)."""

    def __init__(self, session, address, name, path, xml):
        self.Gio, self.GLib, self.name = session.Gio, session.GLib, name
        flags = self.Gio.DBusConnectionFlags
        self.bus = self.Gio.DBusConnection.new_for_address_sync(
            address, flags.AUTHENTICATION_CLIENT | flags.MESSAGE_BUS_CONNECTION, None, None)
        self.serve(path, xml, self.called)
        self.answer = None

    def reset(self, answer):
        if bool(answer) != bool(self.answer):
            self.bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                               "RequestName" if answer else "ReleaseName",
                               self.GLib.Variant("(su)", (self.name, 4)) if answer else self.GLib.Variant(
                                   "(s)", (self.name,)), None, self.Gio.DBusCallFlags.NONE, -1, None)
        self.answer, self.calls, self.unanswered = answer, [], []

    def serve(self, path, xml, handler):
        interface = self.Gio.DBusNodeInfo.new_for_xml(xml).interfaces[0]
        self.bus.register_object(path, interface, lambda *call: handler(call[-2].unpack(), call[-1]), None, None)

    def others_on_the_bus(self):
        names = self.bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                   "ListNames", None, None, self.Gio.DBusCallFlags.NONE, -1, None).unpack()[0]
        return [name for name in names if name.startswith(":") and name != self.bus.get_unique_name()]

    def called(self, arguments, invocation):
        self.calls.append(arguments)
        if self.answer == "yes":
            self.grant(invocation)
        elif self.answer == "error":
            invocation.return_dbus_error("org.freedesktop.DBus.Error.AccessDenied", "Not for you")
        else:
            self.unanswered.append(invocation)


class Logind(Fake):
    """Hands out the write end of a pipe, whose read end tells when the program lets go."""

    def __init__(self, session):
        super().__init__(session, session.env["DBUS_SYSTEM_BUS_ADDRESS"], "org.freedesktop.login1",
                         "/org/freedesktop/login1", LOGIND)

    def reset(self, answer):
        super().reset(answer)
        self.ends = []

    def grant(self, invocation):
        read, write = os.pipe()
        self.ends.append(read)
        invocation.return_value_with_unix_fd_list(self.GLib.Variant("(h)", (0,)),
                                                  self.Gio.UnixFDList.new_from_array([write]))

    def held(self):
        """True while the program holds every inhibitor handed out."""
        return bool(self.ends) and not select.select(self.ends, [], [], 0)[0]


class Portal(Fake):
    def __init__(self, session):
        super().__init__(session, session.env["DBUS_SESSION_BUS_ADDRESS"], "org.freedesktop.portal.Desktop",
                         "/org/freedesktop/portal/desktop", PORTAL)
        self.requests = 0

    def reset(self, answer):
        super().reset(answer)
        self.closed = []

    def grant(self, invocation):
        self.requests += 1
        request = f"/org/freedesktop/portal/desktop/request/tonquirl/r{self.requests}"
        self.serve(request, REQUEST, lambda _, closing: (self.closed.append(request), closing.return_value(None)))
        invocation.return_value(self.GLib.Variant("(o)", (request,)))


# What the fakes answer, and how the batch ends.
ROWS = [("completes", "yes", "complete"), ("is stopped", "yes", "stop"), ("the program is killed", "yes", "kill"),
        ("no system bus, no portal", None, "complete"), ("logind and the portal refuse", "error", "complete"),
        ("logind and the portal never answer", "never", "complete")]


def stays_awake_while_it_runs(session):
    """The inhibitors are asked for once when a batch starts, held while it
    runs and let go when it ends, however it ends; without them the batch
    runs and ends as before, silently and without waiting for them."""
    logind, portal = Logind(session), Portal(session)
    for row, answer, ending in ROWS:
        logind.reset(answer)
        portal.reset(answer)
        go_on = session.folder + "/go on"
        no_system_bus = {} if answer else {"DBUS_SYSTEM_BUS_ADDRESS": "unix:path=/nowhere"}
        window = Window(session, {"a.mp3": f"wait {go_on}\n", "b.mp3": ""}, no_system_bus)
        window.tab_to("push button", "Back to Wave")
        if row == ROWS[0][0]:  # no bus is touched before the first batch
            assert logind.others_on_the_bus() == [], logind.others_on_the_bus()
        session.keys("space")
        if answer == "yes":
            session.wait_for(lambda: logind.held() and portal.calls, f"{row}: both asked")
            assert logind.calls == [("sleep", "tonquirl", "2 Dateien werden umgewandelt", "block")], logind.calls
            program_window = subprocess.run(["xdotool", "search", "--name", "^tonquirl 1.5$"], env=session.env,
                                            capture_output=True, text=True).stdout.split()
            [(window_id, flags, options)] = portal.calls
            assert (window_id, flags, options["reason"]) == (
                f"x11:{int(program_window[0]):x}", 4, "2 Dateien werden umgewandelt"), portal.calls
            session.pump(0.5)
            assert logind.held() and not portal.closed, f"{row}: let go while the batch runs"
        elif answer:
            session.wait_for(lambda: logind.calls and portal.calls, f"{row}: both asked")
        open(go_on, "w").close()
        if ending == "kill":
            window.process.kill()
            session.wait_for(lambda: not logind.held(), f"{row}: the inhibitor let go")
        else:
            if ending == "stop":
                session.keys("space")
            ended = ("push button", "Back to Wave") if ending == "stop" else ("alert", "tonquirl")
            # A call waited on would hold the batch for D-Bus's 25 s.
            session.wait_for(lambda: window.find(*ended, within=window.app), f"{row}: the batch's end",
                             patience=20 if answer == "never" else desktop.PATIENCE)
            if answer == "yes":
                session.wait_for(lambda: not logind.held() and portal.closed, f"{row}: both let go")
            assert answer != "never" or (logind.unanswered and portal.unanswered), f"{row}: answered after all"
            assert window.stderr() == "", f"{row}: the program said {window.stderr()!r}"
        os.remove(go_on)
        session.close_programs()


def the_dock_knows_the_window(session):
    """The window's X11 class and instance are the menu entry's StartupWMClass,
    by which GNOME Shell, KDE Plasma and the docks match it to its entry."""
    with open(DESKTOP_ENTRY) as entry:
        [wm_class] = [line.split("=", 1)[1].strip() for line in entry if line.startswith("StartupWMClass=")]
    window = Window(session, {})
    found = {}
    for kind in ("--class", "--classname", "--name"):
        pattern = "^tonquirl 1.5$" if kind == "--name" else f"^{wm_class}$"
        found[kind] = subprocess.run(["xdotool", "search", kind, pattern], env=session.env,
                                     capture_output=True, text=True).stdout.split()
    assert found["--name"] and set(found["--name"]) <= set(found["--class"]) & set(found["--classname"]), found
    assert window.process.poll() is None


if __name__ == "__main__":
    DESKTOP_ENTRY = sys.argv[3]
    sys.exit(desktop.run([stays_awake_while_it_runs, the_dock_knows_the_window], *sys.argv[1:3], system_bus=True))
