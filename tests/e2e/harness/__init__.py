"""Drives the real Sonvella.exe under Wine from outside, as a person would.

Pieces, each usable alone:
  VirtualDisplay  (xserver.py)      a private Xvfb; screenshots, pixels
  WinePrefix      (wineprefix.py)   a private prefix; ppi; wineserver -k
  Probe           (probe.py)        probe.exe: windows, lists, boxes, processes
  XInput          (xinput.py)       xdotool keys, typing, clicks, hovering
  Environment     (environment.py)  all four, plus program folders and files
  Sonvella        (sonvella_app.py) one running program: read it, act on it
  SonvellaTestCase (testcase.py)    unittest base: one Environment per module

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
stub_mplayer.exe) in $SONVELLA_WIN64_DIR or build/win64, and Debian's wine,
xvfb, xdotool and imagemagick. Everything started is ended by id: the
program and its players after each test, the wineserver and Xvfb after the
module.
"""

from .environment import Environment
from .probe import Probe, ProbeError
from .sonvella_app import Sonvella
from .testcase import SonvellaTestCase, win64_dir
from .waiting import WaitTimeout, stays, wait_for
from .wineprefix import WinePrefix, windows_path
from .xinput import XInput
from .xserver import VirtualDisplay

__all__ = [
    "Environment", "Probe", "ProbeError", "Sonvella", "SonvellaTestCase",
    "VirtualDisplay", "WaitTimeout", "WinePrefix", "XInput", "stays",
    "wait_for", "win64_dir", "windows_path",
]
