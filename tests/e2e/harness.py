"""The real quillmar.exe under Wine and Xvfb with real input, read through reg.exe and uiprobe.exe."""

import json
import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest

EXE, PROBE = os.environ["QUILLMAR_EXE"], os.environ.get("QUILLMAR_PROBE")  # set by CTest
TEMPLATE = os.path.join(os.path.dirname(__file__), "..", "..", "build", "wine", "e2e-template")
PROGRAM_KEY = r"HKCU\Software\Quillmar"


def _env(prefix):  # on the display that xvfb-run gives the run
    return dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")


class Scenario(unittest.TestCase):
    """A throw-away copy of a prefix booted once, per test; tweak scenarios skip the agreement."""

    windows_version, app = None, None

    def setUp(self):
        if not os.path.exists(os.path.join(TEMPLATE, "system.reg")):
            os.makedirs(TEMPLATE, exist_ok=True)
            subprocess.run(["wineboot", "--init"], env=_env(TEMPLATE), capture_output=True)
            subprocess.run(["wineserver", "--wait"], env=_env(TEMPLATE))
        self.dir = tempfile.mkdtemp(prefix="quillmar-e2e-")
        self.addCleanup(shutil.rmtree, self.dir, True)
        shutil.copytree(TEMPLATE, os.path.join(self.dir, "p"), symlinks=True)
        self.env = _env(os.path.join(self.dir, "p"))
        self.addCleanup(lambda: self.app and self.app.wait(30))
        self.addCleanup(subprocess.run, ["wineserver", "-k"], env=self.env)  # the program with it
        # The server is up before the program and the probe could race to start it.
        self.wine(["reg", "query", r"HKCU\Software\Wine"], check=False)
        if self.windows_version:  # winecfg refuses 9x in a 64-bit prefix; Wine honours the value
            self.reg_add(r"HKCU\Software\Wine", "Version", "REG_SZ", self.windows_version)

    def wine(self, args, check=True, timeout=120):
        return subprocess.run(["wine"] + args, env=self.env, cwd=self.dir, capture_output=True,
                              text=True, errors="replace", check=check, timeout=timeout)

    def reg_add(self, key, name, kind, data):
        self.wine(["reg", "add", key, "/v", name, "/f", "/t", kind, "/d", data])

    def reg_query(self, key, name):  # (type, data) as reg.exe shows them, or None
        out = self.wine(["reg", "query", key, "/v", name], check=False).stdout
        m = re.search(rf"^ *{re.escape(name)} {{4}}(REG_\w+)(?: {{4}}(.*))?$", out, re.M | re.I)
        return (m[1], (m[2] or "").rstrip()) if m else None

    def tops(self, title="Quillmar"):  # each shown window of that title (None: any), its controls
        try:
            out = self.wine([PROBE], check=False, timeout=5).stdout
        except subprocess.TimeoutExpired:
            return []  # a probe started while Wine brings the program up can stall; ask again
        tops = [json.loads(line) for line in out.splitlines() if line.startswith("[")]
        return [controls for controls in tops if title in (None, controls[0]["text"])]

    def wait_for(self, predicate, what, timeout=30):
        deadline = time.time() + timeout
        while not (result := predicate()):
            self.assertLess(time.time(), deadline, f"timed out waiting for {what}")
            time.sleep(0.3)
        return result

    def find(self, text):  # a control of that text in a window titled "Quillmar"
        return self.wait_for(lambda: next((c for controls in self.tops() for c in controls
                                           if c["text"] == text), None), repr(text))

    def click(self, control, dx=None, dy=None):  # real input, with time for the program to take it
        x, y, w, h = control["rect"]
        self.xdotool("mousemove", "--sync", x + (w // 2 if dx is None else dx),
                     y + (h // 2 if dy is None else dy), "click", 1)

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=True)
        time.sleep(0.4)

    def open_tweak(self, log_off="NoPromptNoLogOff"):  # the stored choice of what Apply does next
        self.reg_add(PROGRAM_KEY, "FirstTime", "REG_SZ", "First")
        self.reg_add(PROGRAM_KEY, "LogOffBox", "REG_SZ", log_off)
        self.app = subprocess.Popen(["wine", EXE], env=self.env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.STDOUT)
        self.wait_active()

    def wait_active(self):  # clicks sent before the tweak window holds the focus can be lost
        return self.wait_for(lambda: next(
            (w for w in self.tops() if any(c["text"] == "Apply" for c in w)
             and any(c["focus"] for c in w)), None), "the tweak window to take the focus")

    def visible(self, cls):  # the first shown control of that class in the tweak window
        return next(c for c in self.wait_active() if c["class"] == cls and c["visible"])
