"""Drives the real quillmar.exe under Wine and Xvfb as a user would, and reads the results only
from outside: the registry through Wine's own reg.exe, the windows through uiprobe.exe (the names
and states the standard controls report to any program)."""

import atexit
import json
import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest

EXE, PROBE = os.environ["QUILLMAR_EXE"], os.environ["QUILLMAR_PROBE"]  # set by CTest
TEMPLATE = os.path.join(os.path.dirname(__file__), "..", "..", "build", "wine", "e2e-template")
PROGRAM_KEY = r"HKCU\Software\Quillmar"
EXPLORER_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer"
MESSAGE_TITLE = "Quillmar 1.0"

_display = None


def _env(prefix):
    env = dict(os.environ)
    env.update(WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree=;mshtml=",
               DISPLAY=_display)
    return env


def start_display():
    """One Xvfb for the whole run; the server picks a free display itself, so two runs started
    at once never share one."""
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
        _display = ":" + answer.readline().strip()


class Wine:
    """A throw-away Wine prefix, copied from one booted once, with its own wineserver."""

    def __init__(self, windows_version=None):
        start_display()
        if not os.path.exists(os.path.join(TEMPLATE, "system.reg")):
            os.makedirs(TEMPLATE, exist_ok=True)
            subprocess.run(["wineboot", "--init"], env=_env(TEMPLATE), capture_output=True)
            subprocess.run(["wineserver", "--wait"], env=_env(TEMPLATE))
        self.dir = tempfile.mkdtemp(prefix="quillmar-e2e-")
        self.prefix = os.path.join(self.dir, "prefix")
        shutil.copytree(TEMPLATE, self.prefix, symlinks=True)
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

    def reg_add(self, key, name, kind, data):
        self.run(["reg", "add", key, "/v", name, "/f", "/t", kind, "/d", data])

    def reg_query(self, key, name):
        """(type, data) as reg.exe shows them, or None when the key or value is missing."""
        out = self.run(["reg", "query", key, "/v", name], check=False)
        for line in out.stdout.splitlines() if out.returncode == 0 else []:
            parts = re.split(r" {4}", line.strip(), maxsplit=2)  # reg.exe's column gap
            if len(parts) >= 2 and parts[1].startswith("REG_") and parts[0].lower() == name.lower():
                return parts[1], parts[2] if len(parts) > 2 else ""
        return None

    def start(self):
        self.app = subprocess.Popen(["wine", EXE], env=self.env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)

    def exited(self, timeout=15):
        try:
            self.app.wait(timeout=timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def tops(self, title="Quillmar"):
        """Every visible top-level window with that title, each as its controls, itself first."""
        try:
            out = self.run([PROBE], check=False, timeout=5).stdout
        except subprocess.TimeoutExpired:
            return []  # a probe started while Wine brings the program up can stall; ask again
        tops = {}
        for c in (json.loads(line) for line in out.splitlines() if line.startswith("{")):
            tops.setdefault(c["top"], []).append(c)
        return [controls for controls in tops.values() if controls[0]["text"] == title]

    def wait_for(self, predicate, what, timeout=30):
        deadline = time.time() + timeout
        while not (result := predicate()):
            if time.time() > deadline:
                raise AssertionError(f"timed out waiting for {what}")
            time.sleep(0.3)
        return result

    def find(self, text, title="Quillmar", cls=None):
        """The control showing `text` in whichever window of that title holds one."""
        return self.wait_for(lambda: next(
            (c for controls in self.tops(title) for c in controls
             if c["text"] == text and (cls is None or c["class"] == cls)), None),
            f"{text!r} in {title!r}")

    def xdotool(self, *args):
        """Real input through the X server, with time for the program to take it."""
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=True)
        time.sleep(0.4)

    def click_at(self, x, y):
        self.xdotool("mousemove", "--sync", x, y, "click", 1)

    def click(self, control):
        x, y, w, h = control["rect"]
        self.click_at(x + w // 2, y + h // 2)


class Scenario(unittest.TestCase):
    """A fresh prefix for every test; tweak scenarios start past the agreement."""

    windows_version = None
    logoff_box = "NoPromptNoLogOff"  # None leaves the value missing

    def setUp(self):
        self.wine = Wine(self.windows_version)
        self.addCleanup(self.wine.close)

    def open_tweak(self):
        self.wine.reg_add(PROGRAM_KEY, "FirstTime", "REG_SZ", "First")
        if self.logoff_box is not None:
            self.wine.reg_add(PROGRAM_KEY, "LogOffBox", "REG_SZ", self.logoff_box)
        self.wine.start()
        return self.wait_active()

    def wait_active(self):
        """The tweak window once it holds the keyboard focus: clicks sent earlier can be lost."""
        return self.wine.wait_for(lambda: next(
            (w for w in self.wine.tops() if any(c["text"] == "Apply" for c in w)
             and any(c["focus"] for c in w)), None), "the tweak window to take the focus")

    def visible(self, cls):
        """The tweak window's visible controls of that class, top to bottom."""
        window = self.wait_active()
        return sorted((c for c in window if c["class"] == cls and c["visible"]),
                      key=lambda c: c["rect"][1])

    def show_tab(self, index):
        x, y, w, h = self.wine.find("", cls="SysTabControl32")["tabs"][index]
        self.wine.click_at(x + w // 2, y + h // 2)
        self.wine.wait_for(lambda: self.wine.find("", cls="SysTabControl32")["tab"] == index,
                           f"tab {index}")

    def press(self, text):
        self.wine.click(self.wine.find(text))

    def check_state(self, text):
        return self.wine.find(text)["check"]

    def wait_check(self, text, state):
        self.wine.wait_for(lambda: self.check_state(text) == state, f"{text!r} at {state}")

    def answer_message(self, text):
        """Waits for the message box showing `text` and closes it with Return."""
        self.wine.find(text, MESSAGE_TITLE)
        self.wine.xdotool("key", "Return")
        self.wine.wait_for(lambda: not self.wine.tops(MESSAGE_TITLE), "the message box to close")

    def wait_reg(self, key, name, expected):
        self.wine.wait_for(lambda: self.wine.reg_query(key, name) == expected,
                           f"{key}\\{name} = {expected}")
