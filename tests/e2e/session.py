"""One run of the program's world: an Xvfb of our own, a fresh Wine prefix whose virtual desktop
has a known size, the inspector inside it, and the program itself, all ended on every path."""

import json
import os
import queue
import shutil
import signal
import subprocess
import sys
import threading
import time

from images import read_ppm, write_png

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
WINE_RUN = os.path.join(ROOT, "tools", "wine-run.sh")
WINE_PREFIX = os.path.join(ROOT, "tools", "wine-prefix.sh")
IMPORT = "/usr/bin/import"  # ImageMagick's; a stand-in convert elsewhere on PATH would not do

DIALOG_CAPTION = "Часы с игрой"


class Failure(Exception):
    """A scenario's expectation not met; the runner adds a screenshot."""


def program_options(parser):
    """The options every command here takes: the program, the inspector and the art."""
    for option in ("--exe", "--inspector", "--art"):
        parser.add_argument(option, required=True)


def end_on_sigterm():
    """Makes a termination (ctest's on a timeout, say) unwind like an error, so that every Session
    still ends the processes it started."""
    signal.signal(signal.SIGTERM, lambda number, frame: sys.exit(128 + number))


def run_tool(name, main):
    """Runs a command's main; a Failure becomes a message and exit code 1."""
    end_on_sigterm()
    try:
        sys.exit(main())
    except Failure as failure:
        print(f"{name}: FAILED: {failure}", file=sys.stderr)
        sys.exit(1)


def wait_for(condition, timeout, what, interval=0.05):
    """Polls condition until it returns something true and returns that; Failure after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.1f} s waiting for {what}")
        time.sleep(interval)


class Inspector:
    """The Windows-side inspector: one command a line in, one JSON line out."""

    def __init__(self, env, exe):
        self.process = subprocess.Popen([WINE_RUN, exe], env=env, stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                        start_new_session=True)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line)
        self.lines.put(None)

    def ask(self, command, timeout=30):
        self.process.stdin.write((command + "\n").encode())
        self.process.stdin.flush()
        try:
            line = self.lines.get(timeout=timeout)
        except queue.Empty:
            raise Failure(f"the inspector gave no answer to '{command}' within {timeout} s")
        if line is None:
            raise Failure("the inspector ended")
        answer = json.loads(line)
        if "error" in answer:
            raise Failure(f"inspector: {command}: {answer['error']}")
        return answer

    def close(self):
        try:
            self.process.stdin.write(b"quit\n")
            self.process.stdin.close()
            self.process.wait(timeout=10)
        except (OSError, subprocess.TimeoutExpired, ValueError):
            pass


class Program:
    def __init__(self, env, exe):
        self.process = subprocess.Popen([WINE_RUN, exe], env=env, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        start_new_session=True)
        self.pid = None  # the Windows process id, once its dialog is seen

    def exit_code(self):
        return self.process.poll()

    def wait_exit(self, timeout):
        try:
            code = self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None
        # Wine reports -1 as 255.
        return code - 256 if code > 127 else code


class Session:
    """Everything one scenario needs. A context manager: on leaving it every process it started is
    ended and its prefix removed."""

    def __init__(self, name, inspector_exe, work_dir, desktop=(1280, 1024)):
        self.name = name
        self.inspector_exe = inspector_exe
        self.work_dir = os.path.abspath(work_dir)
        self.desktop = desktop
        self.prefix = os.path.join(self.work_dir, f"{name}-prefix")
        self.xvfb = None
        self.display = None
        self.inspector = None
        self.programs = []
        self.env = None

    # Setting up and tearing down.

    def __enter__(self):
        try:
            self._start_xvfb()
            self._make_prefix()
            self.env = dict(os.environ, DISPLAY=self.display, WINEPREFIX=self.prefix)
            self.env.pop("XAUTHORITY", None)
            self.inspector = Inspector(self.env, self.inspector_exe)
            rect = self.inspector.ask("desktop", timeout=120)["rect"]
            if rect != [0, 0, *self.desktop]:
                raise Failure(f"the Wine desktop is {rect}, not {self.desktop[0]} x {self.desktop[1]}")
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        if self.inspector:
            self.inspector.close()
        if self.env:
            subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL, timeout=60)
            subprocess.run(["wineserver", "-w"], env=self.env, stderr=subprocess.DEVNULL, timeout=60)
        for p in self.programs + ([self.inspector] if self.inspector else []):
            if p.process.poll() is None:
                os.killpg(p.process.pid, signal.SIGKILL)
                p.process.wait()
        if self.xvfb:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
                self.xvfb.wait()
        shutil.rmtree(self.prefix, ignore_errors=True)
        return False

    def _start_xvfb(self):
        # Our own numbers, well clear of xvfb-run's 99 upwards; Xvfb itself refuses a taken one.
        first = 300 + os.getpid() % 200
        for n in [first + i for i in range(60)]:
            if os.path.exists(f"/tmp/.X{n}-lock") or os.path.exists(f"/tmp/.X11-unix/X{n}"):
                continue
            xvfb = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            deadline = time.monotonic() + 20
            while xvfb.poll() is None and time.monotonic() < deadline:
                if os.path.exists(f"/tmp/.X11-unix/X{n}"):
                    self.xvfb, self.display = xvfb, f":{n}"
                    return
                time.sleep(0.05)
            xvfb.kill()
            xvfb.wait()
        raise Failure("could not start an Xvfb on any of displays :300 to :560")

    def _make_prefix(self):
        shutil.rmtree(self.prefix, ignore_errors=True)
        subprocess.run([WINE_PREFIX, self.prefix], check=True)
        # The virtual desktop, written before any Wine process of this prefix has read the registry.
        stamp = int(time.time())
        with open(os.path.join(self.prefix, "user.reg"), "a", encoding="ascii") as reg:
            reg.write(f'\n[Software\\\\Wine\\\\Explorer] {stamp}\n"Desktop"="Default"\n'
                      f'\n[Software\\\\Wine\\\\Explorer\\\\Desktops] {stamp}\n'
                      f'"Default"="{self.desktop[0]}x{self.desktop[1]}"\n')

    # The program.

    def launch(self, exe):
        program = Program(self.env, exe)
        self.programs.append(program)
        dialog = self.wait_window(lambda w: w["class"] == "#32770" and w["text"] == DIALOG_CAPTION
                                  and w["visible"], 60, f'the dialog "{DIALOG_CAPTION}"', program)
        program.pid = dialog["pid"]
        self.wait_focus(dialog)
        return program, dialog

    # Looking.

    def windows(self, pid=None):
        found = self.inspector.ask("windows")["windows"]
        return [w for w in found if pid is None or w["pid"] == pid]

    def children(self, window):
        return self.inspector.ask(f"children {window['hwnd']}")["children"]

    def process(self, pid):
        return self.inspector.ask(f"process {pid}")

    def wait_window(self, match, timeout, what, program=None):
        def look():
            if program is not None and program.exit_code() is not None:
                raise Failure(f"the program ended (exit code {program.exit_code()}) while waiting for {what}")
            hits = [w for w in self.windows() if match(w)]
            return hits[0] if hits else None
        return wait_for(look, timeout, what, interval=0.1)

    def shot(self):
        data = subprocess.run([IMPORT, "-silent", "-window", "root", "-depth", "8", "ppm:-"], env=self.env, check=True,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=30).stdout
        return read_ppm(data)

    def save_shot(self, path, image=None):
        write_png(image or self.shot(), path)
        return path

    # Acting, as a user does: the pointer and the keyboard through XTEST.

    def _xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, timeout=60)

    def focus_name(self):
        """The title of the X window that has the keyboard focus ("" for none)."""
        found = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], env=self.env, text=True,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=30)
        return found.stdout.strip() if found.returncode == 0 else ""

    def wait_focus(self, window, timeout=20):
        """Waits until the window is the foreground window, then gives its X window the keyboard
        focus as a window manager would: Wine's desktop does not move the X focus to a newly
        active window by itself."""
        title = window["text"]
        wait_for(lambda: self.inspector.ask("windows")["foreground"] == window["hwnd"], timeout,
                 f'"{title}" to become the foreground window')

        def focused():
            if self.focus_name() == title:
                return True
            pattern = "^" + "".join("\\" + ch if ch in ".^$*+?()[]{}|\\" else ch for ch in title) + "$"
            subprocess.run(["xdotool", "search", "--name", pattern, "windowfocus"], env=self.env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
            return False
        wait_for(focused, timeout, f'the keyboard focus on "{title}"', interval=0.1)

    def pointer_to(self, x, y):
        self._xdotool("mousemove", str(x), str(y))

    def click(self, x, y):
        self._xdotool("mousemove", str(x), str(y), "click", "1")

    def drag(self, start, end, steps=8):
        """Presses the left button at start, moves to end in steps, releases."""
        (x0, y0), (x1, y1) = start, end
        args = ["mousemove", str(x0), str(y0), "mousedown", "1", "sleep", "0.1"]
        for i in range(1, steps + 1):
            args += ["mousemove", str(x0 + (x1 - x0) * i // steps), str(y0 + (y1 - y0) * i // steps),
                     "sleep", "0.03"]
        self._xdotool(*args, "sleep", "0.1", "mouseup", "1")

    def key(self, *names, delay_ms=30):
        if names:
            self._xdotool("key", "--delay", str(delay_ms), *names)
