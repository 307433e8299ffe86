"""Adding 10,000 new files through the real file-open dialog, against a
program that inserts the same rows into a report list directly.

Wine's dialog cannot select 10,000 files in its file list in useful time
(Ctrl+A does nothing there and Shift+End takes minutes already for 1,000
files), so the driver puts the 10,000 quoted full names into the dialog's
name box at once and confirms with a real Return key. row_watch, started
first, notes when the dialog has gone and when Sonvella's list holds every
row; the time in between is Sonvella's own work. list_filler inserts the
same rows (name, size text, folder) directly: as given, under the names
Wine's shell gives for the files' items one by one, and under the names
their folder, bound once, gives for their ID lists, the least that a
program handed a dialog's choice can do to name it.

It runs in two folders of 10,000 files. Wine's shell looks for a
desktop.ini in the folder whenever it names an item there alone, and where
there is none (in almost every folder) the look scans all 10,000 entries,
milliseconds per file; the first folder holds an empty desktop.ini, which
the look finds at once. The second is a plain folder, as users have them;
naming its files one by one costs well over a minute, so there list_filler
names them only through their folder.
"""

import os
import pathlib
import time

from figure import Figure
from harness import Sonvella
from timing import median, read_line, unix_ns
from window_program import WindowProgram, child_of

ROWS = 10_000
RUNS = 3
# A slow list makes one run last minutes: in each folder, no further run
# starts once this much time has gone.
BUDGET_SECONDS = 240
GOAL = 1.5
# list_filler's WM_APP codes, each with its name in the figures.
AS_GIVEN, NAMED_ALONE, NAMED_PER_FOLDER = 0, 1, 2
BASELINES = {AS_GIVEN: "direct", NAMED_ALONE: "direct, shell names",
             NAMED_PER_FOLDER: "direct, per-folder names"}


def _linux_path(windows_name):
    """The Linux path of a Z: drive name."""
    return windows_name[2:].replace("\\", "/")


class Adding:
    """The 10,000 files, their names for the dialog, Sonvella's folder and
    list_filler, measured run by run."""

    def __init__(self, env, programs, desktop_ini):
        self.env, self.programs = env, programs
        sizes = {f"track{i:05d}.ac3": 1024 + 37 * i for i in range(ROWS)}
        names = env.audio_files(sizes)
        self.folder = names[0].rsplit("\\", 1)[0] + "\\"
        if desktop_ini:
            pathlib.Path(_linux_path(self.folder), "desktop.ini").touch()
        self.scratch = env.prefix.temp_dir(
            "adding" if desktop_ini else "adding-plain")
        self.names_file = os.path.join(self.scratch, "names.txt")
        with open(self.names_file, "w", encoding="utf-16-le") as file:
            file.write(" ".join(f'"{name}"' for name in names))
        self.program_folder = env.program_folder()
        self.filler = None

    def start_list_filler(self):
        # It shows its window once it has read the folder.
        self.filler = WindowProgram(
            self.env, self.programs.path("list_filler.exe"), [self.folder],
            os.path.join(self.scratch, "list_filler.log"))
        self.filler_list = self.filler.child("SysListView32")["hwnd"]

    def stop_list_filler(self):
        if self.filler is not None:
            self.filler.stop()
            self.filler = None

    def direct_insert_ms(self, code):
        """list_filler: from the signal to insert to all rows listed."""
        lines = dict(self.programs.run("row_watch.exe", self.filler_list, ROWS,
                                       "post", self.filler.window, code))
        return (lines["full"] - lines["posted"]) / 10_000

    def through_dialog_ms(self):
        """Sonvella: (Return to the dialog gone, the dialog gone to all rows
        listed)."""
        app = Sonvella(self.env, self.program_folder)
        try:
            app.click("Open...")
            dialog = app.wait_dialog("Open")
            name_box = child_of(self.env, dialog, "Edit")
            self.programs.run("name_box.exe", name_box["hwnd"], self.names_file)
            watch = self.programs.start("row_watch.exe",
                                        app.list_control()["hwnd"], ROWS,
                                        "gone", dialog)
            try:
                read_line(watch, "watching")
                self.env.input.focus(dialog)
                pressed = time.time_ns()
                self.env.input.key(dialog, "Return")
                gone = unix_ns(read_line(watch, "gone"))
                full = unix_ns(read_line(watch, "full"))
                watch.wait(timeout=60)
            finally:
                if watch.poll() is None:
                    watch.kill()
                    watch.wait()
            return (gone - pressed) / 1e6, (full - gone) / 1e6
        finally:
            app.stop()


def _medians(env, programs, desktop_ini, codes):
    """Medians of the dialog's closing, Sonvella's listing and list_filler's
    insertion under each of `codes`, and how many runs they come from."""
    adding = Adding(env, programs, desktop_ini)
    direct = {code: [] for code in codes}
    dialog, sonvella = [], []
    adding.start_list_filler()
    try:
        start = time.monotonic()
        while len(sonvella) < RUNS and (
                not sonvella or time.monotonic() - start < BUDGET_SECONDS):
            for code in codes:
                direct[code].append(adding.direct_insert_ms(code))
            closing, listing = adding.through_dialog_ms()
            dialog.append(closing)
            sonvella.append(listing)
            baselines = ", ".join(f"{BASELINES[code]} {direct[code][-1]:.0f} ms"
                                  for code in codes)
            print(f"  run {len(sonvella)}: dialog {closing:.0f} ms, "
                  f"Sonvella {listing:.0f} ms, {baselines}", flush=True)
    finally:
        adding.stop_list_filler()
    return (median(dialog), median(sonvella),
            {code: median(values) for code, values in direct.items()},
            len(sonvella))


def measure(env, programs):
    figures = []
    for prefix, desktop_ini, codes in (
            ("Add 10k", True, (AS_GIVEN, NAMED_ALONE, NAMED_PER_FOLDER)),
            ("Add 10k from a plain folder", False,
             (AS_GIVEN, NAMED_PER_FOLDER))):
        print(f"  {prefix}", flush=True)
        dialog, sonvella, direct, runs = _medians(env, programs, desktop_ini,
                                                  codes)
        figures += [Figure.ratio_of(
            f"{prefix}: after the dialog vs {BASELINES[code]}", sonvella,
            direct[code], GOAL, f"{runs}+{runs}") for code in codes]
        figures.append(Figure(f"{prefix}: Wine's dialog, Return to gone",
                              f"{dialog:.1f} ms", runs=str(runs)))
    return figures
