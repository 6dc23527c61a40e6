"""The program on a desktop of its own, driven as an operator with a screen reader or a
mouse would: an X server (Xvfb) with a D-Bus session and the accessibility bus, the
simulated instrument on a pseudo-terminal with every command line it receives
collected, and the program found and driven through AT-SPI (what screen readers and
desktop automation use) and XTest (real pointer clicks and keys through the X server)."""

import fcntl
import os
import queue
import shutil
import signal
import struct
import subprocess
import tempfile
import threading
import time

import pyatspi
from gi.repository import Gio, GLib

BIN = os.environ.get("OHM7416_BIN", "build/bin")
APP_NAME = "ohm7416"


def wait_until(condition, seconds, step=0.05):
    """The first true value of condition() within `seconds`, else None."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() > deadline:
            return value or None
        time.sleep(step)


def _run(*command):
    return subprocess.run(command, check=False, capture_output=True, text=True)


class Desktop:
    """Xvfb and a private D-Bus session; the accessibility bus starts on the first ask."""

    def __init__(self):
        # The server picks a free display itself and names it on a pipe. Two servers that
        # start at the same instant can still both take a display whose lock file is half
        # written, so desktops of tests running at the same time start one after the other.
        with open(os.path.join(tempfile.gettempdir(), "ohm7416-a11y-xvfb.lock"), "w") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            self._start_xvfb()
        self._start_session_bus()

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten",
             "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as named:
            self.display = int(named.readline())
        os.environ["DISPLAY"] = f":{self.display}"
        # Ready when it answers, not when its socket appears.
        if not wait_until(lambda: _run("xdotool", "getmouselocation").returncode == 0, 20, 0.1):
            raise RuntimeError("Xvfb did not start")

    def _start_session_bus(self):
        # The accessibility bus puts its socket into the runtime folder: one of our own,
        # so no bus of an earlier run is found there.
        self.runtime = tempfile.mkdtemp(prefix="ohm7416-a11y-")
        os.environ["XDG_RUNTIME_DIR"] = self.runtime
        # A session of its own, so the services it starts go with it.
        self.dbus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                                     start_new_session=True)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.dbus.stdout.readline().strip()
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        reply = _run("dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                     "/org/a11y/bus", "org.a11y.Bus.GetAddress").stdout
        self.a11y_bus = reply.split('"')[1]
        self._a11y = None

    def a11y_connection(self):
        if self._a11y is None:
            self._a11y = Gio.DBusConnection.new_for_address_sync(
                self.a11y_bus, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        return self._a11y

    def close(self):
        try:
            os.killpg(self.dbus.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        for proc in (self.dbus, self.xvfb):
            proc.terminate()
            try:
                proc.wait(5)
            except subprocess.TimeoutExpired:
                proc.kill()
        shutil.rmtree(self.runtime, ignore_errors=True)


class Instrument:
    """tarvolux-sim on a pseudo-terminal; every command line it receives is collected."""

    def __init__(self, folder, *options):
        self.link = os.path.join(folder, "tarvolux")
        self.proc = subprocess.Popen(
            [os.path.join(BIN, "tarvolux-sim"), "--pty", "--link", self.link, "--log", *options],
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self._lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        if not wait_until(lambda: os.path.exists(self.link), 10):
            raise RuntimeError("tarvolux-sim did not start")

    def _read(self):
        self.proc.stdout.readline()  # the pseudo-terminal's path
        for line in self.proc.stdout:
            self._lines.put(line.rstrip("\n"))

    def take(self):
        """The command lines received since the last take."""
        lines = []
        while not self._lines.empty():
            lines.append(self._lines.get_nowait())
        return lines

    def settle(self, quiet=0.4, limit=10.0):
        """The command lines received until the line has been quiet for `quiet` seconds."""
        lines, deadline = [], time.monotonic() + limit
        while time.monotonic() < deadline:
            try:
                lines.append(self._lines.get(timeout=quiet))
            except queue.Empty:
                break
        return lines

    def wait_for(self, command, seconds):
        """True when `command` arrives within `seconds`."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            try:
                if self._lines.get(timeout=max(0.01, deadline - time.monotonic())) == command:
                    return True
            except queue.Empty:
                return False
        return False

    def close(self):
        self.proc.terminate()
        self.proc.wait(5)


def write_com_stp(home, com_port=1, baud=9600):
    """The interface file of an RS-232 connection, as the program's interface dialog writes it."""
    os.makedirs(home, exist_ok=True)
    with open(os.path.join(home, "Com.stp"), "wb") as f:
        f.write(struct.pack("<hhii24siiii4s", 1, com_port, 0, baud, b"", 0, 0, 0, 0, b""))


class Program:
    """ohm7416 on the desktop, connected to the instrument through COM1."""

    def __init__(self, desktop, home, instrument, *arguments):
        self.desktop = desktop
        env = dict(os.environ, ZK7416_COM1=instrument.link, QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        log = os.path.join(home, "program.log")
        # Now and then, on a loaded machine, the first connection to a new X server is
        # refused although it answered a moment before; the program is started again then.
        for _ in range(3):
            self.proc = subprocess.Popen([os.path.join(BIN, "ohm7416"), "--home", home,
                                          *arguments], env=env, stdout=subprocess.DEVNULL,
                                         stderr=open(log, "w"))
            self.app = wait_until(lambda: self._find_app() or self.proc.poll() is not None, 20)
            if self.app is not True:
                break
            time.sleep(0.5)
        if not self.app or self.app is True:
            with open(log) as text:
                raise RuntimeError("the program did not appear on the accessibility bus:\n"
                                   + text.read())

    def _find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == APP_NAME:
                return app
        return None

    def window(self, name, seconds=10):
        """The showing top-level window (frame, dialog, panel) named `name`."""
        def showing():
            for w in self.app:
                if w is not None and w.name == name and showing_state(w):
                    return w
            return None
        return wait_until(showing, seconds)

    def windows(self):
        return {w.name for w in self.app if w is not None and showing_state(w)}

    def act_later(self, accessible, action):
        """Performs an accessible action without waiting for its end, as a screen reader's
        call that opens a modal window has to."""
        self.desktop.a11y_connection().call(
            accessible.app.bus_name, accessible.path, "org.a11y.atspi.Action", "DoAction",
            GLib.Variant("(i)", (action_index(accessible, action),)), None,
            Gio.DBusCallFlags.NONE, -1, None, None, None)

    def close(self):
        self.proc.terminate()
        try:
            self.proc.wait(10)
        except subprocess.TimeoutExpired:
            self.proc.kill()


def showing_state(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def checked(accessible):
    return accessible.getState().contains(pyatspi.STATE_CHECKED)


def descendants(root):
    """Every accessible below `root`, depth first."""
    for child in root:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(root, role, name):
    for accessible in descendants(root):
        if accessible.getRoleName() == role and accessible.name == name:
            return accessible
    return None


def action_index(accessible, action):
    actions = accessible.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    return names.index(action)


def act(accessible, action):
    accessible.queryAction().doAction(action_index(accessible, action))


def point_at(accessible):
    """The pointer moved to the middle of the control and left still."""
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    _run("xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2))
    time.sleep(0.3)


def click(accessible=None):
    """A real left click: on `accessible` (the pointer is moved there first and left
    still), or where the pointer stands. No input follows the click."""
    if accessible is not None:
        point_at(accessible)
    _run("xdotool", "click", "1")


def keys(*names):
    """Keys pressed on the focused window through XTest."""
    _run("xdotool", "key", "--delay", "60", *names)


def focus_window(title):
    _run("xdotool", "search", "--name", f"^{title}$", "windowfocus", "--sync")
