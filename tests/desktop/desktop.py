# SPDX-License-Identifier: MIT
"""A real desktop for the program: an X server of its own (Xvfb), a window manager (openbox),
real input through XTest (xdotool) and grabs of the real windows (ImageMagick's import).

The program writes an account of its visible windows (VALDORA_WIDGET_REPORT): where each
control stands, its caption and the width the caption needs, and how often each kind of
window has been shown. The checks read that account and the grabs; the program is driven
only by mouse and keyboard.
"""

import json
import os
import shutil
import signal
import subprocess
import tempfile
import time

SKIP = 77  # CTest SKIP_RETURN_CODE


class Skip(Exception):
    pass


class Failure(Exception):
    pass


def need_tools():
    missing = [t for t in ("Xvfb", "openbox", "xdotool", "import", "xprop") if shutil.which(t) is None]
    if missing:
        raise Skip("real-desktop checks skipped: missing " + ", ".join(missing) +
                   " (install xvfb, openbox, xdotool, imagemagick, x11-utils)")
    try:
        import PIL  # noqa: F401
    except ImportError as exc:
        raise Skip("real-desktop checks skipped: python3-pil missing") from exc


def wait_until(what, predicate, timeout=20.0, step=0.05):
    """Polls `predicate` until it returns a true value; fails naming `what` after `timeout`."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what)
        time.sleep(step)


class Desktop:
    """One X server with a window manager, started on the first free display from `base`."""

    def __init__(self, base):
        self.procs = []
        for number in range(base, base + 60):
            if os.path.exists("/tmp/.X%d-lock" % number) or os.path.exists("/tmp/.X11-unix/X%d" % number):
                continue
            xvfb = subprocess.Popen(["Xvfb", ":%d" % number, "-screen", "0", "1920x1200x24", "-nolisten", "tcp",
                                     "-noreset"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                wait_until("the X server", lambda: os.path.exists("/tmp/.X11-unix/X%d" % number) or
                           xvfb.poll() is not None, timeout=10)
            except Failure:
                xvfb.kill()
                continue
            if xvfb.poll() is None and self._owns(number, xvfb) and self._answers(number):
                self.display = ":%d" % number
                self.procs.append(xvfb)
                break
            xvfb.kill()
            xvfb.wait()
        else:
            raise Failure("no free X display")
        self.env = dict(os.environ, DISPLAY=self.display)
        wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
        self.procs.append(wm)
        wait_until("the window manager", lambda: b"_NET_SUPPORTING_WM_CHECK(WINDOW)" in subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env, capture_output=True).stdout)

    @staticmethod
    def _owns(number, xvfb):
        """Whether `xvfb` holds the display's lock (two runs may have raced for it)."""
        try:
            with open("/tmp/.X%d-lock" % number, encoding="ascii") as f:
                return int(f.read().strip()) == xvfb.pid
        except (OSError, ValueError):
            return False

    @staticmethod
    def _answers(number):
        for _ in range(100):
            if subprocess.run(["xprop", "-root", "-display", ":%d" % number], capture_output=True).returncode == 0:
                return True
            time.sleep(0.05)
        return False

    def close(self):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *[str(a) for a in args]], env=self.env, capture_output=True,
                              text=True, timeout=30).stdout


class Program:
    """The real program on a desktop, with a home and configuration folder of its own."""

    def __init__(self, desktop, exe, home=None, extra_env=None, dark=False):
        self.desktop = desktop
        self.home = home or tempfile.mkdtemp(prefix="valdora-desktop-")
        self.report_path = os.path.join(self.home, "report.json")
        if os.path.exists(self.report_path):
            os.remove(self.report_path)
        env = dict(desktop.env, HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                   VALDORA_WIDGET_REPORT=self.report_path, QT_QPA_PLATFORM="xcb", LANG="C.UTF-8",
                   LC_ALL="C.UTF-8", QT_ACCESSIBILITY="0", NO_AT_BRIDGE="1")
        for name in ("QT_QPA_PLATFORMTHEME", "GTK_THEME", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR", "QT_FONT_DPI"):
            env.pop(name, None)
        if dark:
            env.update(QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME="Adwaita:dark")
        env.update(extra_env or {})
        self.proc = subprocess.Popen([exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.wait_window("frmMain")
        # Started once the clock has shown the buttons beside the output.
        wait_until("the first clock tick", lambda: self.control("cmdEnlarge"))

    # ---- the account ----
    def report(self):
        try:
            with open(self.report_path, encoding="utf-8") as f:
                return json.load(f)
        except (OSError, ValueError):
            return {"shown": {}, "windows": []}

    def windows(self):
        return self.report()["windows"]

    def window(self, name, report=None):
        for w in (report or self.report())["windows"]:
            if name in (w["name"], w["class"]):
                return w
        return None

    def wait_window(self, name, timeout=30):
        return wait_until("window " + name, lambda: self.window(name), timeout)

    def wait_gone(self, name, timeout=20):
        wait_until("window %s to close" % name, lambda: self.window(name) is None, timeout)

    def control(self, name, window=None, report=None):
        """A control of a shown window; `screen` is its rectangle in the screen's pixels."""
        report = report or self.report()
        for w in report["windows"]:
            if window and window not in (w["name"], w["class"]):
                continue
            for c in w["controls"]:
                if c["name"] == name:
                    return dict(c, screen=scaled(c["rect"], w["dpr"]))
        return None

    def shown(self, name):
        return self.report()["shown"].get(name, 0)

    # ---- input ----
    def centre(self, name, window=None):
        c = wait_until("control " + name, lambda: self.control(name, window))
        x, y, w, h = c["screen"]
        return x + w // 2, y + h // 2

    def move(self, x, y):
        """Moves the pointer and waits until it is there (xdotool's wait would hang when the
        pointer is there already)."""
        where = self.desktop.xdotool("getmouselocation", "--shell")
        at = dict(line.split("=", 1) for line in where.split() if "=" in line)
        if (at.get("X"), at.get("Y")) != (str(x), str(y)):
            self.desktop.xdotool("mousemove", "--sync", x, y)

    def click(self, name, window=None, button=1):
        self.click_at(*self.centre(name, window), button=button)

    def click_at(self, x, y, button=1):
        self.move(x, y)
        self.desktop.xdotool("click", button)

    def press_at(self, x, y):
        self.move(x, y)
        self.desktop.xdotool("mousedown", 1)

    def release(self):
        self.desktop.xdotool("mouseup", 1)

    def key(self, *keys):
        self.desktop.xdotool("key", "--delay", 30, *keys)

    def type(self, text):
        self.desktop.xdotool("type", "--delay", 20, text)

    def fill(self, field, text):
        """Clicks into a text box, selects all of it and types `text` over it."""
        self.click(field)
        wait_until(field + " focused", lambda: (self.control(field) or {}).get("focus"))
        self.key("ctrl+a", "BackSpace")
        if text:
            self.type(text)
        wait_until(field + " = " + repr(text), lambda: self.control(field)["text"] == text)

    def client_origin(self, xid):
        """The top left corner of a window's client area on the screen, as the X server has it."""
        out = subprocess.run(["xwininfo", "-id", xid], env=self.desktop.env, capture_output=True,
                             text=True).stdout
        values = dict(line.strip().split(":", 1) for line in out.splitlines() if ":" in line)
        return int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"])

    def close_by_frame(self, name):
        """Closes a window the way a user does: activated, then Alt+F4 through the window manager."""
        w = self.wait_window(name)
        self.desktop.xdotool("windowactivate", "--sync", int(w["xid"]))
        wait_until(name + " active", lambda: (self.window(name) or {"active": True})["active"])
        self.key("alt+F4")

    def dismiss(self, name="QMessageBox", key="Return"):
        """Answers the open message box by a key and waits until it has gone."""
        self.wait_window(name)
        wait_until(name + " active", lambda: (self.window(name) or {}).get("active"))
        self.key(key)
        self.wait_gone(name)

    def grab(self, name, path):
        w = self.wait_window(name)
        subprocess.run(["import", "-window", w["xid"], path], env=self.desktop.env, check=True,
                       capture_output=True, timeout=30)
        return w

    def wait_exit(self, timeout=20):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired as exc:
            raise Failure("the program did not end") from exc

    def kill(self):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGKILL)
            self.proc.wait()

    def user_file(self):
        return os.path.join(self.home, ".config", "Valdora", "vdr.usr")


def scaled(rect, dpr):
    """A rectangle in device-independent pixels as the screen's pixels."""
    return [int(round(v * dpr)) for v in rect]


def contrast(a, b):
    """WCAG contrast ratio of two RGB colours."""
    def lum(c):
        out = []
        for v in c[:3]:
            v = v / 255.0
            out.append(v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4)
        return 0.2126 * out[0] + 0.7152 * out[1] + 0.0722 * out[2]
    la, lb = lum(a), lum(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def text_contrast(image, rect):
    """The contrast between the most common colour of `rect` (its background) and the colour
    in it that stands out most from that background (its text); 0 for a blank area."""
    x, y, w, h = rect
    if w <= 4 or h <= 4:
        return None
    crop = image.crop((x + 2, y + 2, x + w - 2, y + h - 2)).convert("RGB")
    colours = crop.getcolors(maxcolors=1 << 20)
    background = max(colours)[1]
    # Ignore stray pixels of anti-aliasing: the text colour must cover a few pixels.
    best = 1.0
    for count, colour in colours:
        if count >= 4:
            best = max(best, contrast(colour, background))
    return best, background


def run_cases(cases):
    """Runs named cases; prints each result; the process exit status tells CTest the verdict."""
    import sys
    try:
        need_tools()
    except Skip as skip:
        print(skip)
        sys.exit(SKIP)
    failed = 0
    for name, case in cases:
        start = time.monotonic()
        try:
            case()
            print("PASS %-45s %.1f s" % (name, time.monotonic() - start), flush=True)
        except Exception as exc:  # noqa: BLE001 - every fault of a case is reported by name
            failed += 1
            print("FAIL %-45s %s: %s" % (name, type(exc).__name__, exc), flush=True)
            if not isinstance(exc, Failure):  # a fault of the check itself: show where
                import traceback
                traceback.print_exc(file=sys.stdout)
    sys.exit(1 if failed else 0)
