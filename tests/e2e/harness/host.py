"""The one place where the harness tells its two hosts apart.

Under Linux the programs run under Wine, on a private Xvfb display and in a
private prefix; on Windows they run directly, from temporary folders of the
harness's own, on the desktop the tests run in.
"""

import os
import sys

ON_WINDOWS = sys.platform == "win32"


def windows_path(path):
    """The Windows name of a local path: under Wine through the Z: drive."""
    path = os.path.abspath(path)
    return path if ON_WINDOWS else "Z:" + path.replace("/", "\\")


def local_path(name):
    """The local path of a Windows name that windows_path() gave."""
    if ON_WINDOWS:
        return name
    assert name.startswith("Z:\\"), name
    return name[2:].replace("\\", "/")


def open_desktop(ppi):
    """(display, prefix): the screen the programs show on, or None for the
    user's own, and where they run (a WinePrefix or a WindowsFolder)."""
    if ON_WINDOWS:
        from .windowsfolder import WindowsFolder
        return None, WindowsFolder(ppi)
    from .wineprefix import WinePrefix
    from .xserver import VirtualDisplay
    display = VirtualDisplay()
    try:
        return display, WinePrefix(display, ppi)
    except BaseException:
        display.stop()
        raise
