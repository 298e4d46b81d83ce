#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the screen reader Orca says of the program on the desktop of desktop.py, read from its debug output,
with speech-dispatcher's dummy module as its voice. Usage: tst_heard.py PROGRAM STUBTOOL; exits 77 (skipped)
where Orca, speech-dispatcher or the desktop are not there."""
import os
import re
import sys

import desktop
from window import Window

# Orca indents the lines of an utterance after its first.
UTTERANCE = re.compile(r"(SPEECH OUTPUT: '(.*?)'\s*\{|DEFAULT: Interrupting presentation)", re.DOTALL)


class Orca:
    def __init__(self, session):
        self.session, self.log = session, session.folder + "/orca.log"
        voice = session.folder + "/speech-dispatcher"
        os.mkdir(voice)
        for path, text in ((voice + "/speechd.conf", 'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                            'AudioOutputMethod "libao"\n'), (session.folder + "/.libao", "default_driver=null\n")):
            with open(path, "w") as config:  # a voice that is heard by nobody
                config.write(text)
        session.env["SPEECHD_ADDRESS"] = f"unix_socket:{voice}/socket"
        session.start_service(["speech-dispatcher", "--run-single", "--timeout", "0", "--communication-method",
                        "unix_socket", "--socket-path", voice + "/socket", "--config-dir", voice])
        # Orca writes its debug output in blocks, and keeps the last one while nothing happens.
        by_line = ("import builtins, runpy, sys; sys.argv[0] = '/usr/bin/orca'; opened = open; "
                   "builtins.open = lambda name, *rest, **options: opened(name, *rest, **dict(options, buffering=1) "
                   "if name == sys.argv[2] else options); runpy.run_path('/usr/bin/orca', run_name='__main__')")
        session.start_service(["/usr/bin/python3", "-c", by_line, "--debug-file", self.log,
                               "--user-prefs", session.folder + "/orca"])
        self.wait_until_said(lambda said: "Screen reader on." in said, "Orca starting")

    def said(self):
        """What Orca said, in order, each interruption of its speech as None."""
        with open(self.log, "a+", errors="replace") as log:  # made here when Orca has not yet made it
            log.seek(0)
            return [match[2] and re.sub(r"\n +", "\n", match[2]) for match in UTTERANCE.finditer(log.read())]

    def wait_until_said(self, condition, what):
        return self.session.wait_for(lambda: condition(self.said()), what, desktop.PATIENCE * 3)


def hear_the_box_whole(session):
    """Orca reads each completion box whole, its message not cut off, then the failed row the focus is on,
    three batches in a row, the middle one of 150 files."""
    orca = Orca(session)
    for rows in (5, 150, 5):
        window = Window(session, {f"{row:03}-Artist-Song.mp3": "exit 1\n" if row == 3 else "" for row in range(rows)})
        window.tab_to("push button", "Back to Wave")
        before = len(orca.said())
        session.keys("space")
        message = f"Dekodierung abgeschlossen!\n1 von {rows} Dateien ist fehlgeschlagen (FAIL!)\n003-Artist-Song.mp3."
        orca.wait_until_said(lambda said: "OK push button." in said[before:], "the box's button")
        session.keys("Return")
        orca.wait_until_said(lambda said: "return " in said[before:] and "003-Artist-Song.mp3." in said[said.index(
            "return ", before):], "the failed row after the box")
        said = orca.said()[before:]
        assert message in said, said
        # The key press itself interrupts Orca, just before it says "return".
        heard = said[said.index(message):said.index("return ") - 1]
        assert "OK push button." in heard and None not in heard, f"the box cut off: {heard}"
        session.close_programs()


if __name__ == "__main__":
    sys.exit(desktop.run([hear_the_box_whole], *sys.argv[1:3], needs=["orca", "speech-dispatcher"]))
