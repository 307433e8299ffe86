"""A private Wine prefix bound to one display."""

import glob
import os
import shutil
import subprocess
import tempfile

from .programs_home import ProgramsHome

# The .NET and HTML add-ons cannot be downloaded here, and the menu builder
# would write desktop entries into the user's home.
DLL_OVERRIDES = "mscoree,mshtml=;winemenubuilder.exe=d"

_DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
_FONTS_KEY = r"HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts"
_X11_KEY = r"HKCU\Software\Wine\X11 Driver"
# Debian's fonts-wine puts Wine's own fonts here, but Wine 8 does not load
# them by itself; without Marlett the caption buttons show letters.
_WINE_FONTS = "/usr/share/wine/fonts"


class WinePrefix(ProgramsHome):
    """A new prefix in a temporary folder, set up for driving from outside.

    Wine draws window frames itself (Managed=N), so screen coordinates are
    X coordinates and dialogs close without delay. kill() ends this prefix's
    wineserver and with it every Windows process of the prefix.
    """

    def __init__(self, display, ppi=96):
        self.root = tempfile.mkdtemp(prefix="sonvella-e2e-")
        self.path = os.path.join(self.root, "prefix")
        self.env = dict(os.environ)
        self.env.update(display.env())
        self.env.update({"WINEPREFIX": self.path, "WINEDEBUG": "-all",
                         "WINEDLLOVERRIDES": DLL_OVERRIDES})
        self.env.pop("WINEARCH", None)
        self._boot()
        self.set_registry(_X11_KEY, "Managed", "REG_SZ", "N")
        self._link_wine_fonts()
        self.ppi = None
        self.set_ppi(ppi)

    def _boot(self, attempts=3):
        # On a loaded machine wineboot now and then gives up waiting for
        # its own services; a fresh start of the prefix then succeeds.
        for attempt in range(attempts):
            try:
                self.run(["wineboot", "-i"], timeout=180)
                return
            except subprocess.CalledProcessError:
                if attempt == attempts - 1:
                    raise
                self.kill()
                shutil.rmtree(self.path, ignore_errors=True)

    def _link_wine_fonts(self):
        fonts = os.path.join(self.path, "drive_c", "windows", "Fonts")
        for name in glob.glob(os.path.join(_WINE_FONTS, "*.ttf")):
            target = os.path.join(fonts, os.path.basename(name))
            if not os.path.exists(target):
                os.symlink(name, target)

    def run(self, args, timeout=60, **kwargs):
        return subprocess.run(args, env=self.env, timeout=timeout, check=True,
                              stdin=subprocess.DEVNULL,
                              stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, **kwargs)

    def command(self, args):
        return ["wine", *args]

    @staticmethod
    def processes_running(program):
        """Linux processes, not zombies, running the Windows `program`."""
        program = program.lower()
        alive = []
        for stat in glob.glob("/proc/[0-9]*/stat"):
            directory = os.path.dirname(stat)
            try:
                with open(os.path.join(directory, "cmdline"), "rb") as file:
                    command = file.read().decode("utf-8", "replace").lower()
                with open(stat) as file:
                    state = file.read().rsplit(")", 1)[1].split()[0]
            except OSError:
                continue
            if program in command and state not in ("Z", "X"):
                alive.append(int(os.path.basename(directory)))
        return alive

    def set_registry(self, key, name, kind, value):
        self.run(["wine", "reg", "add", key, "/v", name, "/t", kind, "/d",
                  str(value), "/f"])

    def set_ppi(self, ppi):
        """Sets the screen's pixels per inch for programs started afterwards.

        Ends the prefix's processes, since Wine reads the setting once.
        """
        if ppi == self.ppi:
            return
        for key in (_DESKTOP_KEY, _FONTS_KEY):
            self.set_registry(key, "LogPixels", "REG_DWORD", ppi)
        self.kill()
        self.ppi = ppi

    def kill(self):
        """Ends every process of this prefix and waits for its wineserver."""
        subprocess.run(["wineserver", "-k"], env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=60,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def remove(self):
        self.kill()
        shutil.rmtree(self.root, ignore_errors=True)
