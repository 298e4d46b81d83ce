#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Listens on the accessibility bus as a screen reader does: for every event
# of every application, asking each event's source for its name and role.
# Prints how many events it heard, of which kinds, when ended with SIGTERM.
import collections
import signal

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

heard = collections.Counter()


def on_event(event):
    heard[event.type] += 1
    try:
        event.source.get_name()
        event.source.get_role_name()
    except Exception:  # the source may be gone already
        pass


def report():
    print(f"the listener heard {sum(heard.values())} accessibility events:", flush=True)
    for kind, count in heard.most_common(8):
        print(f"  {count:6d} {kind}", flush=True)
    Atspi.event_quit()
    return GLib.SOURCE_REMOVE


listener = Atspi.EventListener.new(on_event)
for kind in ("object:", "window:", "focus:"):
    listener.register(kind)
# Through the main loop: a Python signal handler would wait for the next event.
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, report)
print("listening", flush=True)
Atspi.event_main()
