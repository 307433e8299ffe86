"""Everything one test module shares: a desktop, a place to run programs
from, the probe and input."""

import os
import shutil

from .host import open_desktop, windows_path
from .probe import Probe, exe_path
from .sendinput import Input


class Environment:
    """The desktop (under Linux a private Xvfb), where programs run (a Wine
    prefix, or a temporary folder on Windows), probe.exe and the input it
    gives, built once per test module.

    `win64_dir` is the win64 build folder holding Sonvella.exe and the
    helper programs. close() ends all of it, also after a failed test.
    """

    def __init__(self, win64_dir, ppi=96):
        self.win64_dir = win64_dir
        self.sonvella_exe = exe_path(win64_dir, "Sonvella.exe")
        self.stub_exe = exe_path(os.path.join(win64_dir, "tests/e2e/programs"),
                                 "stub_mplayer.exe")
        probe_exe = exe_path(os.path.join(win64_dir, "tests/e2e/programs"),
                             "probe.exe")
        self.display, self.prefix = open_desktop(ppi)
        self.probe = Probe(self.prefix, probe_exe)
        self.input = Input(self.probe)
        self._serial = 0

    def set_ppi(self, ppi):
        """Restarts the prefix with another screen density (under Linux)."""
        self.probe.stop()
        self.prefix.set_ppi(ppi)

    def program_folder(self, name="Sonvella", player=True):
        """A new folder with Sonvella.exe and, unless player is False, the
        stand-in player as mplayer.exe. `name` may contain spaces."""
        folder = os.path.join(self._new_dir("program"), name)
        os.makedirs(folder)
        shutil.copy(self.sonvella_exe, folder)
        if player:
            shutil.copy(self.stub_exe, os.path.join(folder, "mplayer.exe"))
        return folder

    def audio_files(self, sizes, folder="music"):
        """Creates files of the given sizes ({name: bytes}) in a new folder
        named `folder` and returns their Windows full names in that order."""
        directory = os.path.join(self._new_dir("data"), folder)
        os.makedirs(directory)
        names = []
        for name, size in sizes.items():
            path = os.path.join(directory, name)
            self.prefix.write_empty_file(path, size)
            names.append(windows_path(path))
        return names

    def browser_log(self):
        """Makes Wine's browser launcher run a stand-in that appends each
        address it is given to the returned file, one per line."""
        folder = self._new_dir("browser")
        script, log = os.path.join(folder, "browser"), os.path.join(folder, "opened.txt")
        with open(script, "w") as file:
            file.write(f'#!/bin/sh\nprintf "%s\\n" "$@" >> "{log}"\n')
        os.chmod(script, 0o755)
        self.prefix.set_registry(r"HKCU\Software\Wine\WineBrowser", "Browsers",
                                 "REG_SZ", script)
        return log

    def _new_dir(self, label):
        self._serial += 1
        return self.prefix.temp_dir(f"{label}{self._serial}")

    def close(self):
        try:
            self.probe.stop()
            self.prefix.remove()
        finally:
            if self.display is not None:
                self.display.stop()
