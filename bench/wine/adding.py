"""Adding 10,000 new files through the real file-open dialog, against a
program that inserts the same rows into a report list directly.

Wine's dialog cannot select 10,000 files in its file list in useful time
(Ctrl+A does nothing there and Shift+End takes minutes already for 1,000
files), so the driver puts the 10,000 quoted full names into the dialog's
name box at once and confirms with a real Return key. row_watch, started
first, notes when the dialog has gone and when Sonvella's list holds every
row; the time in between is Sonvella's own work. list_filler inserts the
same rows (name, size text, folder) directly, once as given and once under
the names Wine's shell gives for the files' items: every program handed a
dialog's choice asks the shell for those names, and under Wine that costs
milliseconds per file.

The folder holds an empty desktop.ini beside the 10,000 files. Wine's shell
looks for that file in the folder whenever it names an item there, and a
name that is not found costs a scan of all 10,000 entries, a cost of Wine's
file system that Windows does not have; with the file there the look
finds it at once.
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
# A slow list makes one run last minutes: no further run starts once this
# much time has gone.
BUDGET_SECONDS = 240
GOAL = 1.5
# list_filler's WM_APP codes.
AS_GIVEN, NAMED_BY_SHELL = 0, 1


def _linux_path(windows_name):
    """The Linux path of a Z: drive name."""
    return windows_name[2:].replace("\\", "/")


class Adding:
    """The 10,000 files, their names for the dialog, Sonvella's folder and
    list_filler, measured run by run."""

    def __init__(self, env, programs):
        self.env, self.programs = env, programs
        sizes = {f"track{i:05d}.ac3": 1024 + 37 * i for i in range(ROWS)}
        names = env.audio_files(sizes)
        self.folder = names[0].rsplit("\\", 1)[0] + "\\"
        pathlib.Path(_linux_path(self.folder), "desktop.ini").touch()
        self.scratch = env.prefix.temp_dir("adding")
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


def measure(env, programs):
    adding = Adding(env, programs)
    given, named, dialog, sonvella = [], [], [], []
    adding.start_list_filler()
    try:
        start = time.monotonic()
        while len(sonvella) < RUNS and (
                not sonvella or time.monotonic() - start < BUDGET_SECONDS):
            given.append(adding.direct_insert_ms(AS_GIVEN))
            named.append(adding.direct_insert_ms(NAMED_BY_SHELL))
            closing, listing = adding.through_dialog_ms()
            dialog.append(closing)
            sonvella.append(listing)
            print(f"  run {len(sonvella)}: dialog {closing:.0f} ms, "
                  f"Sonvella {listing:.0f} ms, direct {given[-1]:.0f} ms, "
                  f"direct with shell names {named[-1]:.0f} ms", flush=True)
    finally:
        adding.stop_list_filler()
    runs = f"{len(sonvella)}+{len(given)}"
    return [
        Figure.ratio_of("Add 10k: after the dialog vs direct", median(sonvella),
                        median(given), GOAL, runs),
        Figure.ratio_of("Add 10k: ... vs direct, shell names", median(sonvella),
                        median(named), GOAL, runs),
        Figure("Add 10k: Wine's dialog, Return to gone",
               f"{median(dialog):.1f} ms", runs=str(len(dialog))),
    ]
