"""Sonvella.exe on disk: its size (stripped and static, so the size is the
program) and the DLLs it imports, each of which must come with Windows."""

import os
import subprocess

from figure import Figure
from timing import MeasureError

OBJDUMP = "x86_64-w64-mingw32-objdump"
SIZE_GOAL_KIB = 100


def _objdump(option, path):
    return subprocess.run([OBJDUMP, option, path], check=True,
                          capture_output=True, text=True).stdout


def imported_dlls(path):
    return [line.split("DLL Name:", 1)[1].strip()
            for line in _objdump("-p", path).splitlines()
            if "DLL Name:" in line]


def stripped(path):
    """No symbol table and no debugging sections."""
    has_symbols = "no symbols" not in _objdump("-t", path)
    has_debug = ".debug" in _objdump("-h", path)
    return not has_symbols and not has_debug


def measure(win64_dir, system_dir):
    """`system_dir` is a Wine prefix's system32, which holds every DLL that
    comes with Windows and nothing the compiler brings along."""
    path = os.path.join(win64_dir, "Sonvella.exe")
    if not os.path.isfile(path):
        raise MeasureError(f"{path} is missing: build the win64 preset")
    size = os.path.getsize(path)
    kib = size / 1024
    is_stripped = stripped(path)
    system = {name.lower() for name in os.listdir(system_dir)}
    dlls = imported_dlls(path)
    foreign = [dll for dll in dlls if dll.lower() not in system]
    state = "stripped" if is_stripped else "NOT stripped"
    return [
        Figure("Sonvella.exe size", f"{size:,} bytes ({kib:.1f} KiB, {state})",
               goal=f"<= {SIZE_GOAL_KIB} KiB",
               met=is_stripped and kib <= SIZE_GOAL_KIB),
        Figure("Imported DLLs", ", ".join(dlls),
               "not with Windows: " + (", ".join(foreign) or "none"),
               goal="system DLLs only", met=not foreign),
    ]
