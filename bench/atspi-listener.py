#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Listens on the accessibility bus as a screen reader does: for every event
# of every application, asking each event's source for its name and role.
# Prints how many events it heard, of which kinds, when ended with SIGTERM,
# and for each kind of batch noted in $BENCH_BATCHES (kind, start, end, rows
# a line) the events a row and a second, and how often the bar's value changed.
import collections
import os
import signal
import time

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

heard = collections.Counter()
times = []  # of each event, and whether it was a value of the progress bar


def on_event(event):
    heard[event.type] += 1
    role = None
    try:
        event.source.get_name()
        role = event.source.get_role_name()
    except Exception:  # the source may be gone already
        pass
    times.append((time.monotonic(), event.type.endswith("accessible-value") and role == "progress bar"))


def report_batches():
    batches = collections.defaultdict(lambda: [0, 0, 0.0, 0])  # events, bar values, seconds, rows
    with open(os.environ["BENCH_BATCHES"]) as noted:
        for kind, start, end, rows in (line.split() for line in noted):
            during = [bar for at, bar in times if float(start) <= at <= float(end)]
            figures = batches[kind]
            figures[0] += len(during)
            figures[1] += sum(during)
            figures[2] += float(end) - float(start)
            figures[3] += int(rows)
    for kind, (events, values, seconds, rows) in batches.items():
        # Qt sends each change of a value twice.
        print(f"  {kind} rows: {events / rows:.2f} events a row, {events / seconds:.1f} a second;"
              f" the bar's value changed {values / 2 / seconds:.1f} times a second", flush=True)


def report():
    print(f"the listener heard {sum(heard.values())} accessibility events:", flush=True)
    for kind, count in heard.most_common(8):
        print(f"  {count:6d} {kind}", flush=True)
    if os.environ.get("BENCH_BATCHES"):
        report_batches()
    Atspi.event_quit()
    return GLib.SOURCE_REMOVE


listener = Atspi.EventListener.new(on_event)
for kind in ("object:", "window:", "focus:"):
    listener.register(kind)
# Through the main loop: a Python signal handler would wait for the next event.
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, report)
print("listening", flush=True)
Atspi.event_main()
