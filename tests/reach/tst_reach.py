#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a person does at the window, with the keyboard, the mouse and a
screen reader, tried on the built program on a desktop of the test's own
(desktop.py): keys and clicks go in through XTEST, and everything is read
back through AT-SPI and the clipboard, never from inside the program.

Usage: tst_reach.py PROGRAM STUBTOOL. Exits 77 (skipped) where the desktop
cannot run here."""
import sys
import time

import desktop
from window import Window

# Each page's Tab stops from the top, after the tabs: (role, name); a table
# with files is met at its current row's file.
TAB_STOPS = {
    "mp3 -> wav": [("text", "Folder the files are opened from"), ("push button", "Open"), ("table cell", "a.mp3"),
                   ("push button", "Back to Wave"), ("text", "Folder the results are saved in"),
                   ("push button", "Save")],
    "wav -> mp3": [("text", "Folder the files are opened from"), ("push button", "Open"), ("table", "List of files"),
                   ("radio button", "256k (CD-Quality)"), ("check box", "ID3-Tags"),
                   ("text", "File-name format of the ID3 tags"), ("text", "Folder the results are saved in"),
                   ("push button", "Save")],
    "Normalize": [("text", "Folder the files are opened from"), ("push button", "Open"), ("table", "List of files")],
    "flv -> wav": [("text", "Folder the files are opened from"), ("push button", "Open"), ("table", "List of files"),
                   ("text", "Folder the results are saved in"), ("push button", "Save")],
}
FAILING = "err lame: b.mp3 is damaged\nexit 1\n"
WHY_B_FAILED = "lame endete mit dem Fehlercode 1.\nlame: b.mp3 is damaged"


def tab_through_every_page(session):
    """Tab goes through each page from top to bottom, the file table right
    after Open, and each stop is named, a tooltip read as its description:
    even an empty field tells of its focus before anything else. Ctrl+C
    copies the row met in a table."""
    window = Window(session, {"a.mp3": ""})
    window.wait_until_focused("page tab list", "mp3 -> wav", "the tabs having the focus at start")
    for page in ("mp3 -> wav", "wav -> mp3", "Normalize", "flv -> wav"):
        if window.page() != page:
            window.focus_moves(["Left"], "the page to the left")  # the tabs have the focus
        stops = []
        while True:
            seen = len(session.events)
            stop = window.focus_moves(["Tab"], "the next Tab stop")
            if stop.get_role_name() == "page tab list":
                break
            first = next(event for event in session.events[seen:] if event.source == stop)
            assert first.type != "object:text-caret-moved", f"{stop.get_name()} told of its caret before its focus"
            stops.append(window.describe(stop)[:2])
            if stops[-1][1] == "File-name format of the ID3 tags":  # its tooltip, read as plain text
                assert window.describe(stop)[2].startswith("N = Track-Nummer\nA = Artist"), window.describe(stop)
            if stops[-1] == ("table cell", "a.mp3"):  # the current row, none selected
                session.keys("ctrl+c")
                session.wait_for(lambda: session.clipboard() == "a.mp3\t\t\t\n", "Ctrl+C copying the current row")
            assert len(stops) < 15, stops
        assert stops == TAB_STOPS[page], f"{page}: {stops}"


def read_and_copy_the_results(session):
    """After a batch the completion box names the failed file; closing it
    leaves the focus on that file's row, which reads its status and reason;
    the arrow keys read the others; Ctrl+C, Ctrl+Insert, Ctrl+A and the
    context menu (right click, Shift+F10) copy rows."""
    window = Window(session, {"a.mp3": "", "b.mp3": FAILING, "c.mp3": ""})
    window.tab_to("push button", "Back to Wave")
    window.session.keys("space")
    box = session.wait_for(lambda: window.find("label", within=window.find("alert", "tonquirl", within=window.app)),
                           "the completion box")
    assert box.get_name() == "Dekodierung abgeschlossen!\n1 von 3 Dateien ist fehlgeschlagen (FAIL!)\nb.mp3", \
        box.get_name()
    session.keys("Return")
    cell = window.wait_until_focused("table cell", "b.mp3", "the focus on the failed row")
    assert window.row(cell) == [("b.mp3", WHY_B_FAILED), ("FAIL!", WHY_B_FAILED)], window.row(cell)
    cell = window.focus_moves(["Up"], "the row above")
    assert window.row(cell) == [("a.mp3", ""), ("OK.", "")], window.row(cell)

    line = {name: f"{name}.mp3\t{status}\t{why}\tlame --decode {window.folder}{name}.mp3 {window.folder}{name}.wav\n"
            for name, status, why in (("a", "OK.", ""), ("b", "FAIL!", WHY_B_FAILED.replace("\n", " | ")),
                                      ("c", "OK.", ""))}
    copies = [(["ctrl+c"], line["a"]),
              (["Down", "shift+Down", "ctrl+Insert"], line["b"] + line["c"]),
              (["ctrl+a", "ctrl+c"], line["a"] + line["b"] + line["c"])]
    for keys, copied in copies:
        session.keys(*keys)
        session.wait_for(lambda: session.clipboard() == copied, f"{keys} copying {copied!r}")
    # The context menu opened three times by each route names both items every time; "Kopieren" is current at
    # once when the keys open it. A right click marks the row under the pointer, on the row's other cell each
    # time as a hand moves: a popup opened again under a pointer that has not moved takes keys a moment later.
    window.focus_moves(["Up"], "the row above, alone marked")
    table = cell.get_parent()
    routes = {"a right click": lambda: session.click(window.Atspi.Table.get_accessible_at(table, 2, opening % 2), 3),
              "the menu key": lambda: session.keys("Menu"), "Shift+F10": lambda: session.keys("shift+F10")}
    def menu_showing(seen, shown):  # a popup is no child of the application: it is met by its events
        return next((event.source for event in session.events[seen:] if event.type == "object:state-changed:showing"
                     and event.detail1 == shown and window.describe(event.source)[0] == "popup menu"), None)
    for route, open_menu in routes.items():
        for opening in range(3):
            seen = len(session.events)
            open_menu()
            menu = session.wait_for(lambda: menu_showing(seen, 1), route)
            items = [menu.get_child_at_index(index) for index in range(menu.get_child_count())]
            assert [item and item.get_name() for item in items] == ["Kopieren", "Alles auswählen"], (route, opening)
            if route == "a right click":  # which opens the menu without a current item
                session.keys("Down")
            window.wait_until_focused("menu item", "Kopieren", f"Kopieren current, by {route}")
            session.keys("Escape" if opening < 2 else "Return")  # the third time, Kopieren
            session.wait_for(lambda: menu_showing(seen, 0), f"the menu closing, opened by {route}")
        session.wait_for(lambda: session.clipboard() == line["c"], f"Kopieren by {route} copying the row")
        session.keys("shift+F10", "Down", "Return", "ctrl+c", "Up", "Down")  # "Alles auswählen", then c.mp3 alone
        session.wait_for(lambda: session.clipboard() == line["a"] + line["b"] + line["c"], "all rows selected")


def follow_and_stop_a_batch(session):
    """While a batch runs the focused "Stop" is announced and says where the
    batch is, as the bar does, and far down the list the running row is in
    view; no other page can be opened, by mouse, keys or a screen reader's
    press on its tab; after Stop the focus is on the row that stopped, and
    neither says a position any more."""
    window = Window(session, {f"{row:02}.mp3": "sleep 60000\n" if row == 30 else "" for row in range(1, 41)})
    window.tab_to("push button", "Back to Wave")
    stop = window.focused()
    seen = len(session.events)
    session.keys("space")
    session.wait_for(lambda: any(event.type.endswith("accessible-name") and event.any_data == "Stop"
                                 for event in session.events[seen:]), "the new name Stop told as text")
    bar, table = window.find("progress bar"), window.find("table")
    said = lambda node: (node.clear_cache(), node.get_description())[1]  # noqa: E731
    session.wait_for(lambda: window.focused() == stop and said(stop).startswith("Datei 30 von 40 – noch")
                     and said(bar) == said(stop), "Stop and the bar saying the batch is at file 30")
    showing = [window.Atspi.Table.get_accessible_at(table, row, 0).get_state_set().contains(
        window.Atspi.StateType.SHOWING) for row in (0, 29)]
    assert showing == [False, True], f"rows 1 and 30 in view: {showing}"
    def still_on_its_page(route):
        session.pump(0.5)
        assert window.page() == "mp3 -> wav", f"{route} opened {window.page()}"
        for other in ("Get Wave", "Normalize Audio", "Convert"):
            assert window.find("push button", other) is None, f"{route}: {other} is in view"
    for tab in [window.Atspi.Accessible.get_child_at_index(window.tabs, index) for index in range(3)]:
        tab.do_action(0)  # what a screen reader does on Enter or Space
        still_on_its_page("pressing " + tab.get_name())
        session.click(tab)
        still_on_its_page("clicking " + tab.get_name())
    for key in ("ctrl+Tab", "ctrl+Next", "ctrl+Prior", "ctrl+shift+Tab"):
        session.keys(key)
        still_on_its_page(key)
    assert window.focused() == stop, window.describe(window.focused())
    session.keys("space")
    cell = window.wait_until_focused("table cell", "30.mp3", "the focus on the stopped row")
    assert (said(stop), said(bar)) == ("", ""), (said(stop), said(bar))
    assert [status for status, _ in window.row(cell)][1:] == ["STOP!"], window.row(cell)


def hear_the_info(session):
    """Shift+F1 then a click, Return or Space shows the info with its
    picture, and a screen reader is told its text; the key presses no button."""
    window = Window(session, {})
    for keys in (["shift+F1"], ["shift+F1", "Return"], ["shift+F1", "space"]):
        if keys != ["shift+F1"]:
            window.tab_to("push button", "Open")
        seen = len(session.events)
        session.keys(*keys)
        if keys == ["shift+F1"]:
            session.click(window.find("push button", "Open"))
        info = session.wait_for(lambda: window.shown_notification(seen), f"the info after {keys}")
        assert info.get_name() == "tonquirl 1.5 by the tonquirl developers tonquirl.example.org", info.get_name()
        height = info.get_extents(window.Atspi.CoordType.SCREEN).height
        assert height > 179, f"the info is {height} pixels high, less than its picture"
        session.click(info)  # which closes it
        session.wait_for(lambda: any(event.type.startswith("object:state-changed:showing") and not event.detail1
                                     and event.source == info for event in session.events[seen:]), "the info closing")
        assert window.find("dialog", "Open File(s)", within=window.app) is None, f"{keys} pressed Open"


def see_the_tags_beforehand(session):
    """With "ID3-Tags" checked, each file on "wav -> mp3" says which tag it
    will get, and whether its name fits the pattern, as the pattern is typed."""
    window = Window(session, {"03-Artist-Song.wav": "", "NoPatternHere.wav": ""})
    window.tab_to("check box", "ID3-Tags")
    session.keys("space")
    table = window.find("table", "List of files")

    def described(row):
        cell = window.Atspi.Table.get_accessible_at(table, row, 0)
        cell.clear_cache()
        return cell.get_description()
    session.wait_for(lambda: described(0) == "Nr.: 03 · Artist: Artist · Titel: Song", "the fitting name's tag")
    assert described(1) == "Der Name passt nicht zum Muster „N-A-T“: alles wird Titel.\nNr.: – · Artist: – · Titel: NoPatternHere", \
        described(1)
    window.tab_to("text", "File-name format of the ID3 tags")
    session.xdotool("type", "T-A-N")
    session.wait_for(lambda: described(0) == "Titel: 03 · Artist: Artist · Nr.: Song", "the tag following the pattern")


def follow_a_batch_in_peace(session):
    """A screen reader listening to every kind of event (as Orca does) hears at most 3 a row of a batch
    of short files, and the bar's value at most 4 times a second, of short rows and of long ones."""
    heard = []
    listener = session.Atspi.EventListener.new(lambda event: heard.append(
        "bar" if event.type.endswith("accessible-value") and event.source.get_role_name() == "progress bar" else ""))
    for kind in ("object:", "window:", "focus:"):  # left registered: deregistering ends the session's listener too
        listener.register(kind)
    long_row = "".join(f"err Frame# {frame}/100 \nsleep 30\n" for frame in range(1, 101))  # 25 counts a second
    for rows, script in ((150, ""), (3, long_row)):
        window = Window(session, {f"{row:03}.mp3": script for row in range(rows)})
        window.tab_to("push button", "Back to Wave")
        heard.clear()
        start = time.monotonic()
        session.keys("space")
        session.wait_for(lambda: window.find("alert", "tonquirl", within=window.app), "the completion box")
        seconds = time.monotonic() - start
        assert rows < 100 or len(heard) <= 3 * rows, f"{len(heard)} events for {rows} rows"
        changes = heard.count("bar") / 2  # Qt sends each change of a value twice
        assert changes <= 4 * seconds + 2, f"the bar's value changed {changes} times in {seconds:.1f} s"
        session.close_programs()


WHAT_A_PERSON_DOES = [tab_through_every_page, read_and_copy_the_results, follow_and_stop_a_batch, hear_the_info,
                      see_the_tags_beforehand, follow_a_batch_in_peace]


if __name__ == "__main__":
    sys.exit(desktop.run(WHAT_A_PERSON_DOES, *sys.argv[1:3]))
