"""Drives the real Sonvella.exe from outside, as a person would: under Wine
on Linux, or directly on Windows (host.py chooses, in one place).

Pieces, each usable alone:
  VirtualDisplay  (xserver.py)      Linux: a private Xvfb of 1024x768
  WinePrefix      (wineprefix.py)   Linux: a private prefix; ppi; wineserver -k
  WindowsFolder   (windowsfolder.py) Windows: a temporary folder instead
  Probe           (probe.py)        probe.exe: windows, lists, boxes,
                                    processes, pixels, screenshots
  Input           (sendinput.py)    keys, typing, clicks, hovering, dragging,
                                    given by probe.exe with SendInput
  Environment     (environment.py)  all of them, plus program folders and files
  Sonvella        (sonvella_app.py) one running program: read it, act on it
  SonvellaTestCase (testcase.py)    unittest base: one Environment per module;
                                    a failed test leaves a screenshot and the
                                    program's logs in $SONVELLA_E2E_OUTPUT

A test module:

    from harness import SonvellaTestCase

    class Playback(SonvellaTestCase):
        ppi = 96                        # the default

        def test_play_starts_the_player(self):
            app = self.start()          # new folder: Sonvella.exe, mplayer.exe
            [song] = self.env.audio_files({"song.ac3": 1536})
            app.open_files([song])      # through the real file dialog
            app.click("Play")
            [pid] = app.wait_players(1)
            record = app.wait_record(pid)   # what the stand-in player saw

Needs the win64 build (Sonvella.exe, tests/e2e/programs/probe.exe and
stub_mplayer.exe) in $SONVELLA_WIN64_DIR or build/win64; under Linux also
Debian's wine and xvfb. Everything started is ended by id: the program and
its players after each test, the probe (and under Linux the wineserver and
Xvfb) after the module.
"""

from .environment import Environment
from .host import ON_WINDOWS, local_path, windows_path
from .probe import Probe, ProbeError
from .sendinput import Input
from .sonvella_app import Sonvella
from .testcase import SonvellaTestCase, output_dir, win64_dir
from .waiting import WaitTimeout, stays, wait_for

__all__ = [
    "ON_WINDOWS", "Environment", "Input", "Probe", "ProbeError", "Sonvella",
    "SonvellaTestCase", "WaitTimeout", "local_path", "output_dir", "stays",
    "wait_for", "win64_dir", "windows_path",
]
