"""Start-up: from process start to the idle window visible, Sonvella.exe
against a program that only registers a class and shows an empty window.
window_timer starts the two in turn from the same folder and times each."""

import os
import shutil

from figure import Figure
from harness import windows_path
from timing import median

ROUNDS = 15
GOAL = 1.2


def measure(env, programs):
    folder = env.program_folder(player=False)
    shutil.copy(programs.path("bare_window.exe"), folder)
    started = [windows_path(os.path.join(folder, name))
               for name in ("Sonvella.exe", "bare_window.exe")]
    # The first round fills the caches and is left out.
    lines = programs.run("window_timer.exe", ROUNDS + 1, *started)[2:]
    sonvella = [value / 1000 for label, value in lines if label == "0"]
    bare = [value / 1000 for label, value in lines if label == "1"]
    return Figure.ratio_of("Start-up to idle window", median(sonvella),
                           median(bare), GOAL, f"{len(sonvella)}+{len(bare)}")
