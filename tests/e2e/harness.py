"""Drives the real quillmar.exe under Wine and Xvfb as a user would, and reads the results only
from outside: the registry through Wine's own reg.exe, the windows through uiprobe.exe (the names
and states the standard controls report to any program), and screenshots."""

import atexit
import json
import re
import os
import shutil
import subprocess
import tempfile
import time
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
BUILD = os.path.join(ROOT, "build", "windows")
EXE = os.environ.get("QUILLMAR_EXE", os.path.join(BUILD, "win32", "quillmar.exe"))
PROBE = os.environ.get("QUILLMAR_PROBE", os.path.join(BUILD, "tests", "e2e", "uiprobe.exe"))
TEMPLATE = os.path.join(ROOT, "build", "wine", "e2e-template")
SHOTS = os.path.join(ROOT, "build", "e2e")
TWIPS_PER_PIXEL = 15  # the test display runs at 96 DPI

_display = None


def _env(prefix):
    env = dict(os.environ)
    env.update(WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree=;mshtml=",
               DISPLAY=_display)
    return env


def start_display():
    """One Xvfb for the whole run; the server itself picks a free display and tells its number,
    so two runs started at once never share one."""
    global _display
    if _display:
        return
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"], pass_fds=(write,),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    atexit.register(server.kill)
    with os.fdopen(read) as answer:
        number = answer.readline().strip()
    if not number:
        raise RuntimeError("no X display could be started")
    _display = f":{number}"


def _template():
    """A booted prefix, made once and copied for every scenario: each starts from a clean registry."""
    if not os.path.exists(os.path.join(TEMPLATE, "system.reg")):
        os.makedirs(TEMPLATE, exist_ok=True)
        env = _env(TEMPLATE)
        subprocess.run(["wineboot", "--init"], env=env, capture_output=True, check=False)
        subprocess.run(["wineserver", "--wait"], env=env, check=False)
    return TEMPLATE


class Wine:
    """A throw-away Wine prefix with its own wineserver."""

    def __init__(self, windows_version=None):
        start_display()
        self.dir = tempfile.mkdtemp(prefix="quillmar-e2e-")
        self.prefix = os.path.join(self.dir, "prefix")
        shutil.copytree(_template(), self.prefix, symlinks=True)
        self.env = _env(self.prefix)
        self.app = None
        # The server is up before the program and the probe could race to start it.
        self.run(["reg", "query", r"HKCU\Software\Wine"], check=False)
        if windows_version:
            # winecfg refuses the 9x versions in a 64-bit prefix; Wine still honours the value.
            self.reg_add(r"HKCU\Software\Wine", "Version", "REG_SZ", windows_version)

    def run(self, args, check=True, timeout=120):
        return subprocess.run(["wine"] + args, env=self.env, capture_output=True, text=True,
                              errors="replace", check=check, timeout=timeout)

    def close(self):
        if self.app and self.app.poll() is None:
            self.app.kill()
            self.app.wait()
        subprocess.run(["wineserver", "-k"], env=self.env, check=False)
        shutil.rmtree(self.dir, ignore_errors=True)

    # The registry, through Wine's reg.exe.
    def reg_add(self, key, name, kind, data):
        args = ["reg", "add", key, "/f", "/t", kind, "/d", data]
        args[3:3] = ["/ve"] if name == "" else ["/v", name]
        self.run(args)

    def reg_query(self, key, name):
        """(type, data) as reg.exe shows them, or None when the key or value is missing."""
        args = ["reg", "query", key] + (["/ve"] if name == "" else ["/v", name])
        out = self.run(args, check=False)
        if out.returncode != 0:
            return None
        for line in out.stdout.splitlines():
            parts = re.split(r" {4}", line.strip(), maxsplit=2)  # reg.exe's column gap
            if len(parts) >= 2 and parts[1].startswith("REG_"):
                shown = "" if name == "" and parts[0] == "(Default)" else parts[0]
                if shown.lower() == name.lower():
                    return parts[1], parts[2] if len(parts) > 2 else ""
        return None

    # The program.
    def start(self):
        self.app = subprocess.Popen(["wine", EXE], env=self.env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)

    def exited(self, timeout=15):
        try:
            self.app.wait(timeout=timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def probe(self):
        try:
            out = self.run([PROBE], check=False, timeout=5).stdout
        except subprocess.TimeoutExpired:
            return []  # a probe started while Wine brings the program up can stall; ask again
        return [json.loads(line) for line in out.splitlines() if line.startswith("{")]

    def windows(self):
        """Top-level windows by title: each a list of its controls, the window first."""
        tops = {}
        for c in self.probe():
            tops.setdefault(c["top"], []).append(c)
        return {controls[0]["text"]: controls for controls in tops.values()}

    def wait_for(self, predicate, what, timeout=30):
        deadline = time.time() + timeout
        while time.time() < deadline:
            result = predicate()
            if result:
                return result
            time.sleep(0.3)
        raise AssertionError(f"timed out waiting for {what}; windows: {list(self.windows())}")

    def wait_window(self, title, text=None):
        """The controls of the visible window with that title (and a control showing `text`)."""
        def found():
            for t, controls in self.windows().items():
                if t == title and (text is None or any(c["text"] == text for c in controls)):
                    return controls
            return None
        return self.wait_for(found, f"window {title!r} with {text!r}")

    def control(self, title, text, cls=None):
        for c in self.wait_window(title, text):
            if c["text"] == text and (cls is None or c["class"].lower() == cls.lower()):
                return c
        raise AssertionError(f"no control {text!r} in {title!r}")

    # Real input through the X server.
    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=True)

    def click_at(self, x, y):
        self.xdotool("mousemove", "--sync", x, y)
        self.xdotool("click", 1)
        time.sleep(0.4)

    def click_twips(self, window, left, top, width, height, parent=(0, 0)):
        """A click in the middle of a control placed by the layout's twips; `parent` is the
        twips offset of the frame or panel that holds it."""
        x0, y0 = window[0]["client"]
        x = x0 + (parent[0] + left + width // 2) // TWIPS_PER_PIXEL
        y = y0 + (parent[1] + top + height // 2) // TWIPS_PER_PIXEL
        self.click_at(x, y)

    def click(self, control):
        x, y, w, h = control["rect"]
        self.click_at(x + w // 2, y + h // 2)

    def key(self, *keys):
        for k in keys:
            self.xdotool("key", k)
            time.sleep(0.2)

    def type_text(self, text):
        self.xdotool("type", "--delay", 30, text)
        time.sleep(0.3)

    def screenshot(self, name):
        os.makedirs(SHOTS, exist_ok=True)
        path = os.path.join(SHOTS, name + ".png")
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True)
        return path


class Scenario(unittest.TestCase):
    """A fresh prefix for every test."""

    windows_version = None

    def setUp(self):
        self.wine = Wine(self.windows_version)
        self.addCleanup(self.wine.close)


PROGRAM_KEY = r"HKCU\Software\Quillmar"
EXPLORER_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer"
MESSAGE_TITLE = "Quillmar 1.0"


class TweakScenario(Scenario):
    """Starts past the agreement, straight into the tweak window."""

    logoff_box = "NoPromptNoLogOff"  # None leaves the value missing

    def open_tweak(self):
        self.wine.reg_add(PROGRAM_KEY, "FirstTime", "REG_SZ", "First")
        if self.logoff_box is not None:
            self.wine.reg_add(PROGRAM_KEY, "LogOffBox", "REG_SZ", self.logoff_box)
        self.wine.start()
        return self.wait_active()

    def wait_active(self):
        """The tweak window once it holds the keyboard focus: clicks sent earlier can be lost."""
        def active():
            for controls in self.tops("Quillmar"):
                if any(c["text"] == "Apply" for c in controls) and any(c["focus"] for c in controls):
                    return controls
            return None
        return self.wine.wait_for(active, "the tweak window to take the focus")

    def tops(self, title):
        """Every visible top-level window with that title, each as its list of controls."""
        tops = {}
        for c in self.wine.probe():
            tops.setdefault(c["top"], []).append(c)
        return [controls for controls in tops.values() if controls[0]["text"] == title]

    def find(self, text, title="Quillmar"):
        """The control showing `text` in whichever window of that title holds one."""
        def found():
            for controls in self.tops(title):
                for c in controls:
                    if c["text"] == text:
                        return c
            return None
        return self.wine.wait_for(found, f"{text!r} in {title!r}")

    def show_tab(self, index):
        tabs = self.wine.control("Quillmar", "", "SysTabControl32")
        x, y, w, h = tabs["tabs"][index]
        self.wine.click_at(x + w // 2, y + h // 2)
        self.wine.wait_for(lambda: self.wine.control("Quillmar", "", "SysTabControl32")["tab"]
                           == index, f"tab {index}")

    def press(self, text):
        self.wine.click(self.find(text))

    def check_state(self, text):
        return self.find(text)["check"]

    def wait_check(self, text, state):
        self.wine.wait_for(lambda: self.check_state(text) == state, f"{text!r} at {state}")

    def answer_message(self, text):
        """Waits for the message box showing `text` and closes it with Return."""
        self.find(text, MESSAGE_TITLE)
        self.wine.key("Return")
        self.wine.wait_for(lambda: not self.tops(MESSAGE_TITLE), "the message box to close")

    def wait_reg(self, key, name, expected):
        self.wine.wait_for(lambda: self.wine.reg_query(key, name) == expected,
                           f"{key}\\{name} = {expected}")
