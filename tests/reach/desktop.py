# SPDX-License-Identifier: GPL-3.0-or-later
"""A desktop of the test's own for the built program: a virtual display
(Xvfb) with a window manager, a private session bus and the accessibility
bus. The program is driven only as a person drives it, by real key presses
and clicks (xdotool, through XTEST), and read back only as a screen reader
reads it, through AT-SPI, and the clipboard through xclip."""
import ctypes
import os
import shutil
import signal
import subprocess
import tempfile
import time
import traceback
import warnings

SKIP = 77  # ctest's mark for a test that could not run here
NEEDED = ["Xvfb", "openbox", "xdotool", "xclip", "dbus-daemon", "dbus-send"]
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
# What may take long on a loaded machine, with the sanitizer build (REACH_PATIENCE
# shortens it when trying whether a case fails as it should).
PATIENCE = int(os.environ.get("REACH_PATIENCE", 60))


class Unavailable(Exception):
    """What the desktop needs is not there."""


def missing(needs=()):
    """What this machine lacks to run the desktop and the programs `needs`, or an empty list."""
    lacking = [tool for tool in NEEDED + list(needs) if not shutil.which(tool)]
    if not os.path.exists(BUS_LAUNCHER):
        lacking.append(BUS_LAUNCHER)
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi  # noqa: F401
    except (ImportError, ValueError):
        lacking.append("python3-gi with gir1.2-atspi-2.0")
    return lacking


def _die_with_us():
    ctypes.CDLL(None).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG: nothing outlives the test


SYSTEM_BUS = ("<busconfig><type>system</type><listen>unix:dir={folder}</listen><auth>EXTERNAL</auth><policy context='default'>"
              "<allow user='*'/><allow own='*'/><allow send_destination='*'/><allow receive_sender='*'/></policy></busconfig>")


class Desktop:
    """With `system_bus`, a private system bus too; without it, the program finds none."""

    def __init__(self, tonquirl, stubtool, system_bus=False):
        self.tonquirl, self.stubtool = tonquirl, stubtool
        self.folder = tempfile.mkdtemp(prefix="tonquirl-reach-")
        self.processes = []
        self.programs = []
        try:
            self._set_up(system_bus)
        except BaseException:
            self.close()
            raise

    def _set_up(self, system_bus):
        self.env = dict(os.environ, HOME=self.folder, XDG_RUNTIME_DIR=self.folder, XDG_CONFIG_HOME=self.folder)
        for name in ("QT_QPA_PLATFORM", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY", "SESSION_MANAGER"):
            self.env.pop(name, None)
        read, write = os.pipe()
        # -noreset: a server that resets when its last client leaves (the accessibility
        # bus's launcher, once it has set its address on the display) turns the next away.
        self.start_service(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                            "-noreset"], pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as display:
            number = display.readline().strip()
        if not number:
            raise Unavailable("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number
        bus = self.start_service(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.env["DBUS_SYSTEM_BUS_ADDRESS"] = f"unix:path={self.folder}/no-system-bus"
        if system_bus:
            with open(self.folder + "/system.conf", "w") as config:
                config.write(SYSTEM_BUS.format(folder=self.folder))
            bus = self.start_service(["dbus-daemon", "--config-file=" + self.folder + "/system.conf", "--nofork",
                               "--print-address=1"], stdout=subprocess.PIPE)
            self.env["DBUS_SYSTEM_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.start_service([BUS_LAUNCHER, "--launch-immediately"])
        with open(self.folder + "/openbox.log", "w") as said:
            self.start_service(["openbox", "--sm-disable"], stdout=said, stderr=said)
        self._wait(lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], env=self.env, capture_output=True).returncode == 0, "the accessibility bus")
        # A screen reader sets the desktop's setting that one listens, kept by dconf, which
        # this desktop lacks; Qt's own switch stands in for it.
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        try:
            self._wait(lambda: subprocess.run(["xdotool", "get_desktop"], env=self.env,
                                              capture_output=True).returncode == 0, "the window manager")
        except Unavailable as why:
            with open(self.folder + "/openbox.log") as said:
                raise Unavailable(f"{why}: {said.read().strip()}") from None
        os.environ.update({k: self.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "DBUS_SYSTEM_BUS_ADDRESS",
                                                    "XDG_RUNTIME_DIR")})
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, Gio, GLib
        self.Atspi, self.Gio, self.GLib = Atspi, Gio, GLib
        warnings.simplefilter("ignore", DeprecationWarning)
        self.events = []
        self.listener = Atspi.EventListener.new(lambda event: self.events.append(Event(event)))
        for kind in ("focus:", "object:state-changed:focused", "object:state-changed:showing",
                     "object:text-caret-moved", "object:property-change:accessible-name"):
            self.listener.register(kind)

    def start_service(self, argv, **options):
        """A service of the desktop, in a process group of its own with all it starts."""
        options.setdefault("stdout", subprocess.DEVNULL)
        options.setdefault("stderr", subprocess.DEVNULL)
        process = subprocess.Popen(argv, env=self.env, preexec_fn=_die_with_us, start_new_session=True, **options)
        self.processes.append(process)
        return process

    def _wait(self, condition, what, patience=PATIENCE):
        end = time.monotonic() + patience
        while not condition():
            if time.monotonic() > end:
                raise Unavailable(what + " did not come up")
            time.sleep(0.1)

    def close_programs(self):
        for process in self.programs:
            process.kill()
            process.wait()
        self.programs.clear()

    def close(self):
        self.close_programs()
        for process in reversed(self.processes):
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    def pump(self, seconds=0.0):
        """Lets the accessibility events that came in reach the listener."""
        context = self.GLib.MainContext.default()
        end = time.monotonic() + seconds
        while True:
            while context.pending():
                context.iteration(False)
            if time.monotonic() >= end:
                return
            time.sleep(0.02)

    def wait_for(self, condition, what, patience=PATIENCE):
        """Waits until the condition holds; fails the test with `what` when it never does."""
        end = time.monotonic() + patience
        while True:
            self.pump()
            value = condition()
            if value:
                return value
            if time.monotonic() > end:
                raise AssertionError("never came: " + what)
            time.sleep(0.05)

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], env=self.env, check=True)

    def keys(self, *keys):
        for key in keys:
            self.xdotool("key", "--clearmodifiers", key)

    def click(self, accessible, button=1):
        """A click in the middle of what the accessible object covers on the screen."""
        box = accessible.get_extents(self.Atspi.CoordType.SCREEN)
        self.xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", str(button))

    def clipboard(self):
        copied = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env, capture_output=True)
        return copied.stdout.decode() if copied.returncode == 0 else ""

    def program(self, argv, env, stderr):
        """Starts the program, its standard error into the file `stderr`; gives its process and
        its application on the accessibility bus."""
        self.events.clear()
        with open(stderr, "w") as said:
            process = subprocess.Popen(argv, env=dict(self.env, **env), stdout=subprocess.DEVNULL, stderr=said,
                                       preexec_fn=_die_with_us)
        self.programs.append(process)

        def application():
            desktop = self.Atspi.get_desktop(0)
            for index in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(index)
                if app and app.get_process_id() == process.pid and app.get_child_count() > 0:
                    return app
            return None
        return process, self.wait_for(application, "the program's window on the accessibility bus")


def run(cases, tonquirl, stubtool, needs=(), **options):
    """Runs each case, a function of the desktop, and says how each went;
    gives the exit status: 0, 1 when a case failed, or SKIP."""
    lacking = missing(needs)
    if lacking:
        print("SKIP: missing " + ", ".join(lacking))
        return SKIP
    for attempt in (1, 2):  # a display that does not come up once may the next time
        try:
            session = Desktop(os.path.abspath(tonquirl), os.path.abspath(stubtool), **options)
            break
        except Unavailable as reason:
            print(f"{'SKIP' if attempt == 2 else 'again'}: {reason}")
    else:
        return SKIP
    failed = 0
    try:
        for case in cases:
            try:
                case(session)
                print(f"PASS: {case.__name__}")
            except Exception:
                failed += 1
                print(f"FAIL: {case.__name__}: {case.__doc__.split(chr(10))[0]}")
                traceback.print_exc()
            finally:
                session.close_programs()
    finally:
        session.close()
    return 1 if failed else 0


class Event:
    """What a screen reader learns of one event: its kind and its object."""

    def __init__(self, event):
        self.type, self.detail1, self.source = event.type, event.detail1, event.source
        self.any_data = event.any_data if isinstance(event.any_data, str) else None
