"""A private X server with a window manager, one program in it, and the tools to look at it:
xdotool and wmctrl send clicks, keys and window-manager requests as a user would; screenshots
are read as raw RGB pixels.
"""

import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024


class Failure(Exception):
    """A check failed; the message says what was expected and what was seen."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def poll(what, probe, timeout=20.0, interval=0.1, guard=None):
    """Calls probe() until it returns something true and returns that; fails after timeout.
    guard(what), if given, runs first on every round and may fail at once (a program that died)."""
    deadline = time.monotonic() + timeout
    while True:
        if guard:
            guard(what)
        result = probe()
        if result:
            return result
        check(time.monotonic() <= deadline, f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


def changed(a, b):
    """The share of pixels that differ between two regions of the same size."""
    return sum(1 for p, q in zip(a, b) if p != q) / max(len(a), 1)


class Screenshot:
    """The whole screen as 24-bit RGB."""

    def __init__(self, data):
        check(len(data) == 3 * SCREEN_WIDTH * SCREEN_HEIGHT, "no screenshot")
        self.pixels = data

    def region(self, x, y, w, h):
        """Pixels of a rectangle, row by row, as a list of RGB tuples (clipped to the screen)."""
        x0, y0, x1, y1 = max(x, 0), max(y, 0), min(x + w, SCREEN_WIDTH), min(y + h, SCREEN_HEIGHT)
        out = []
        for row in range(y0, y1):
            line = self.pixels[3 * (row * SCREEN_WIDTH + x0) : 3 * (row * SCREEN_WIDTH + x1)]
            out.extend(zip(line[0::3], line[1::3], line[2::3]))
        return out

    def count(self, rect, colour):
        return self.region(*rect).count(colour)


def _die_with_parent():
    # The children must not outlive the driver, even when ctest kills it on a timeout.
    ctypes.CDLL("libc.so.6").prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG
    os.setpgrp()


class XSession:
    """Xvfb on a display number the server picks itself, a D-Bus session with the accessibility
    bus, openbox, and one program under test. Leaving the context stops everything started."""

    def __init__(self, artifacts):
        self.artifacts = artifacts
        self.work = tempfile.mkdtemp(prefix="ballflight-e2e-")
        self.procs, self.shots = [], []
        self.app = self.sound = self.player = None  # the program, a SoundServer, tone_player

    def __enter__(self):
        # What the servers start (the accessibility bus, its registry) is reaped here at the end.
        ctypes.CDLL("libc.so.6").prctl(36, 1)  # PR_SET_CHILD_SUBREAPER
        try:
            self._start()
        except BaseException:
            self.__exit__()
            raise
        return self

    def __exit__(self, *exc):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        # The helpers of the servers end when their servers have ended.
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            try:
                if os.waitpid(-1, os.WNOHANG)[0] == 0:
                    time.sleep(0.05)
            except ChildProcessError:
                break
        else:
            print("warning: processes started for the test still run", file=sys.stderr)
        shutil.rmtree(self.work, ignore_errors=True)

    def spawn(self, argv, log_name, ready_line=False, **kwargs):
        """Starts a process logging into the work folder. With ready_line, "{fd}" in argv names
        a pipe on which the process writes one line when it is ready; that line is returned."""
        read_end, write_end = os.pipe() if ready_line else (None, None)
        if ready_line:
            argv = [arg.replace("{fd}", str(write_end)) for arg in argv]
            kwargs["pass_fds"] = (write_end,)
        with open(os.path.join(self.work, log_name), "wb") as log:
            proc = subprocess.Popen(argv, stdout=log, stderr=subprocess.STDOUT,
                                    stdin=subprocess.DEVNULL, preexec_fn=_die_with_parent, **kwargs)
        self.procs.append(proc)
        if not ready_line:
            return proc
        os.close(write_end)
        line, deadline = b"", time.monotonic() + 30
        try:
            while not line.endswith(b"\n"):
                chunk = os.read(read_end, 256) if select.select([read_end], [], [], 0.5)[0] else b""
                line += chunk
                check(chunk or (time.monotonic() < deadline and proc.poll() is None),
                      f"{argv[0]} did not start: " + self.log(log_name))
        finally:
            os.close(read_end)
        return line.decode().strip()

    def _start(self):
        # -displayfd: the first free display, written when ready, so parallel runs never clash.
        # -noreset: no reset when the accessibility bus, its first client, leaves before openbox.
        self.display = ":" + self.spawn(
            ["Xvfb", "-displayfd", "{fd}", "-noreset", "-screen", "0",
             f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten", "tcp"], "xvfb.log", True)
        runtime, stubs = os.path.join(self.work, "runtime"), os.path.join(self.work, "bin")
        os.mkdir(runtime, 0o700)
        # A silent xdg-mime first on the PATH: no desktop application for any document, so the
        # program shows them in its own windows.
        os.mkdir(stubs)
        with open(os.path.join(stubs, "xdg-mime"), "w") as stub:
            stub.write("#!/bin/sh\nexit 0\n")
        os.chmod(os.path.join(stubs, "xdg-mime"), 0o755)
        # A D-Bus session of its own for the accessibility bus. A sound socket that does not exist
        # keeps the program silent and its sound library from starting a server of its own.
        bus = "unix:path=" + os.path.join(self.work, "session-bus")
        self.env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb",
                        XDG_RUNTIME_DIR=runtime, HOME=self.work,
                        PATH=stubs + os.pathsep + os.environ.get("PATH", os.defpath),
                        PULSE_SERVER="unix:" + os.path.join(self.work, "no-sound-server"),
                        DBUS_SESSION_BUS_ADDRESS=bus, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        for name in ("WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                     "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_FONT_DPI", "XAUTHORITY",
                     "AT_SPI_BUS_ADDRESS"):
            self.env.pop(name, None)
        # The program starts in the system's language: the scenarios see it in Russian, the
        # language of the C locale, unless one starts it in another.
        for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            self.env.pop(name, None)
        self.env["LANG"] = "C.UTF-8"
        # xdotool and xprop read Cyrillic titles only in a UTF-8 locale; the program keeps its own.
        self.tool_env = dict(self.env, LC_ALL="C.UTF-8")
        self.spawn(["dbus-daemon", "--session", "--nofork", "--address=" + bus,
                    "--print-address={fd}"], "dbus.log", True, env=self.env)
        # Asking for its address starts the accessibility bus and waits for it.
        self.run(["dbus-send", "--session", "--print-reply", "--reply-timeout=30000",
                  "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"], timeout=40)
        self.spawn(["openbox", "--sm-disable"], "openbox.log", env=self.tool_env)
        # openbox owns the screen's window-manager selection once it manages windows.
        poll("openbox to manage the screen",
             lambda: "Name:" in self.run(["wmctrl", "-m"], check=False))

    def log(self, name):
        try:
            with open(os.path.join(self.work, name), "rb") as f:
                return f.read().decode(errors="replace")[-4000:]
        except OSError:
            return ""

    def run(self, argv, check=True, timeout=20):
        proc = subprocess.run(argv, env=self.tool_env, stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE, timeout=timeout)
        if check and proc.returncode != 0:
            raise Failure(f"{' '.join(argv)} failed: {proc.stderr.decode(errors='replace')}")
        return proc.stdout.decode(errors="replace")

    def windows_named(self, title):
        """Ids of the program's visible windows whose title is exactly title."""
        if self.app is None:
            return []
        out = self.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.app.pid)],
                       check=False)
        return [int(w) for w in out.split() if self.window_name(int(w)) == title]

    def wait_window(self, title, timeout=30):
        return poll(f'a window titled "{title}"', lambda: self.windows_named(title), timeout,
                    guard=self.guard)[0]

    def wait_window_gone(self, title, timeout=15):
        poll(f'the window "{title}" to close', lambda: not self.windows_named(title), timeout)

    def guard(self, what):
        if self.app is not None and self.app.poll() is not None:
            raise Failure(f"the program ended with status {self.app.returncode} while waiting "
                          f"for {what}")

    def window_name(self, window):
        """The window's title: xdotool reads _NET_WM_NAME, UTF-8 whatever the program's locale."""
        return self.run(["xdotool", "getwindowname", str(window)], check=False).rstrip("\n")

    def geometry(self, window):
        """(x, y, width, height) of a window's own area on the screen (without frame)."""
        out = self.run(["xwininfo", "-id", str(window)])
        return tuple(int(re.search(key + r":\s*(-?\d+)", out).group(1)) for key in (
            "Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def frame(self, window):
        """(x, y, width, height) of the window with the frame the window manager drew round it."""
        x, y, w, h = self.geometry(window)
        out = self.run(["xprop", "-id", str(window), "_NET_FRAME_EXTENTS"], check=False)
        extents = [int(n) for n in re.findall(r"\d+", out.split("=", 1)[-1])] if "=" in out else []
        left, right, top, bottom = extents if len(extents) == 4 else (0, 0, 0, 0)
        return x - left, y - top, w + left + right, h + top + bottom

    def activate(self, window, timeout=15):
        """Asks until the window is active: a request may be lost while the window is mapped, and
        xdotool's --sync would wait for ever."""
        def active():
            self.run(["xdotool", "windowactivate", str(window)], check=False)
            time.sleep(0.1)
            return self.run(["xdotool", "getactivewindow"], check=False).strip() == str(window)

        poll(f"window {window} to become active", active, timeout, 0.2, guard=self.guard)

    def click(self, x, y, button=1, window=None):
        """A click at (x, y) of the screen, or of the window's own area."""
        # No --sync: it waits for a movement that never comes when the pointer is there already.
        where = ["--window", str(window)] if window else []
        self.run(["xdotool", "mousemove", *where, str(x), str(y)])
        time.sleep(0.1)
        self.run(["xdotool", "click", str(button)])

    def key(self, *keys):
        self.run(["xdotool", "key", "--clearmodifiers", *keys])

    def type(self, text):
        self.run(["xdotool", "type", "--delay", "60", text])

    def screenshot(self, name):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"],
                              env=self.tool_env, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, timeout=30).stdout
        # A polling loop takes many pictures; the first one and the latest ones tell the story.
        self.shots.append((name, data))
        if len(self.shots) > 16:
            del self.shots[1]
        return Screenshot(data)

    def keep_artifacts(self, scenario):
        """Saves the screenshots of this run and the logs for a look after a failure."""
        folder = os.path.join(self.artifacts, scenario)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        try:
            self.screenshot("at-failure")
        except Exception:  # the server may be gone already
            pass
        for i, (name, data) in enumerate(self.shots):
            subprocess.run(["convert", "-size", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}", "-depth", "8",
                            "rgb:-", os.path.join(folder, f"{i:02d}-{name}.png")], input=data)
        for log in (name for name in os.listdir(self.work) if name.endswith(".log")):
            with open(os.path.join(folder, log), "w") as f:
                f.write(self.log(log))
        return folder
