"""On Windows, what a Wine prefix is under Linux: a temporary folder the
programs run from, started directly."""

import csv
import ctypes
import msvcrt
import os
import shutil
import subprocess
import tempfile
import unittest

from ctypes import wintypes

from .programs_home import ProgramsHome

# Windows keeps the screen density of the session it runs.
_PPI = 96
_FSCTL_SET_SPARSE = 0x900C4
_kernel32 = ctypes.WinDLL("kernel32", use_last_error=True)
_kernel32.DeviceIoControl.argtypes = [
    wintypes.HANDLE, wintypes.DWORD, ctypes.c_void_p, wintypes.DWORD,
    ctypes.c_void_p, wintypes.DWORD, ctypes.POINTER(wintypes.DWORD),
    ctypes.c_void_p]
_kernel32.DeviceIoControl.restype = wintypes.BOOL


class WindowsFolder(ProgramsHome):
    """Starts Windows programs as they are. What only Wine's prefix can set
    (its registry) makes the test that needs it skip."""

    def __init__(self, ppi=_PPI):
        self.set_ppi(ppi)
        # The long form of the temporary folder's name (not RUNNER~1), as
        # the programs see their own folder.
        self.root = os.path.realpath(tempfile.mkdtemp(prefix="sonvella-e2e-"))
        self.env = dict(os.environ)

    def command(self, args):
        return list(args)

    def set_ppi(self, ppi):
        if ppi != _PPI:
            raise unittest.SkipTest(f"{ppi} ppi is set through Wine's registry")

    def set_registry(self, key, name, kind, value):
        raise unittest.SkipTest(f"needs Wine's registry ({key})")

    def make_sparse(self, file):
        """NTFS allocates a file grown by truncate(); the tests' files of
        several GiB must not fill the disk."""
        returned = wintypes.DWORD()
        if not _kernel32.DeviceIoControl(msvcrt.get_osfhandle(file.fileno()),
                                         _FSCTL_SET_SPARSE, None, 0, None, 0,
                                         ctypes.byref(returned), None):
            raise ctypes.WinError(ctypes.get_last_error())

    def processes_running(self, program):
        """Ids of the processes whose executable has `program`'s name."""
        name = os.path.basename(program)
        listing = subprocess.run(
            ["tasklist", "/FO", "CSV", "/NH", "/FI", f"IMAGENAME eq {name}"],
            capture_output=True, text=True, check=True).stdout
        return [int(row[1]) for row in csv.reader(listing.splitlines())
                if len(row) > 1 and row[0].lower() == name.lower()]

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)
