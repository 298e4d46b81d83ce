# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's window on the desktop of desktop.py, as a person and a
screen reader meet it: started on files named as on its command line, with
the stub tool in place of lame, ffmpeg and normalize-audio."""
import os
import tempfile


class Window:
    """The program started on MP3 files named as on its command line, each
    file holding the stub tool's script."""

    def __init__(self, session, files, env=None):
        self.session, self.Atspi = session, session.Atspi
        self.folder = tempfile.mkdtemp(dir=session.folder) + "/"
        bin_folder = self.folder + "bin/"
        os.mkdir(bin_folder)
        for tool in ("lame", "ffmpeg", "normalize-audio"):
            os.symlink(session.stubtool, bin_folder + tool)
        for name, script in files.items():
            with open(self.folder + name, "w") as file:
                file.write(script)
        env = dict(env or {}, PATH=bin_folder + ":" + os.environ["PATH"], LANG="C.UTF-8", LANGUAGE="", LC_ALL="")
        self.process, self.app = session.program([session.tonquirl] + [self.folder + name for name in files], env,
                                                 self.folder + "stderr")
        self.dialog = session.wait_for(lambda: self.find("dialog", "tonquirl 1.5", within=self.app),
                                       "the dialog")
        session.wait_for(lambda: self.dialog.get_state_set().contains(self.Atspi.StateType.ACTIVE),
                         "the dialog becoming the active window")
        self.tabs = self.find("page tab list")

    def stderr(self):
        """What the program has written to its standard error."""
        with open(self.folder + "stderr") as said:
            return said.read()

    def find(self, role, name=None, within=None, showing=True):
        """The first object of that role (and name) in view, searching from the dialog."""
        def search(node, depth):
            if node is None or depth > 9:
                return None
            states = node.get_state_set()
            if showing and not states.contains(self.Atspi.StateType.SHOWING):
                return None
            if node.get_role_name() == role and (name is None or node.get_name() == name):
                return node
            if node.get_role_name() == "table":  # its cells are read by row and column, not searched
                return None
            for index in range(node.get_child_count()):
                found = search(node.get_child_at_index(index), depth + 1)
                if found:
                    return found
            return None
        return search(within or self.dialog, 0)

    def focused(self):
        """What a screen reader was last told has the focus."""
        for event in reversed(self.session.events):
            if event.type == "focus:" or (event.type == "object:state-changed:focused" and event.detail1):
                event.source.clear_cache()
                return event.source
        return None

    def focus_moves(self, keys, what):
        """Presses the keys and waits until the focus is somewhere new; gives where it went."""
        before, seen = self.focused(), len(self.session.events)
        self.session.keys(*keys)
        return self.session.wait_for(lambda: len(self.session.events) > seen and self.focused() != before
                                     and self.focused(), what)

    def tab_to(self, role, name):
        for _ in range(12):
            if self.describe(self.focused())[:2] == (role, name):
                return
            self.focus_moves(["Tab"], "the next Tab stop")
        raise AssertionError(f"Tab never reached {role} {name}")

    def wait_until_focused(self, role, name, what):
        return self.session.wait_for(lambda: self.describe(self.focused())[:2] == (role, name) and self.focused(),
                                     what)

    def describe(self, node):
        try:
            return (node.get_role_name(), node.get_name(), node.get_description()) if node else (None, None, None)
        except self.session.GLib.Error:  # gone since its event, such as a closed menu's item
            return (None, None, None)

    def row(self, cell):
        """What a screen reader reads of the row of a table cell: each cell's text and description."""
        table = cell.get_parent()
        row = self.Atspi.Table.get_row_at_index(table, cell.get_index_in_parent())
        cells = [self.Atspi.Table.get_accessible_at(table, row, column) for column in (0, 1)]
        for each in cells:
            each.clear_cache()
        return [(each.get_name(), each.get_description()) for each in cells]

    def page(self):
        self.tabs.clear_cache()
        return self.tabs.get_name()

    def shown_notification(self, seen):
        """The notification shown since event number `seen`."""
        for event in self.session.events[seen:]:
            if event.type.startswith("object:state-changed:showing") and event.detail1 \
                    and event.source.get_role_name() == "notification":
                event.source.clear_cache()
                return event.source
        return None
