"""Start-up: from process start to the idle window visible, Sonvella.exe
against a program that only registers a class and shows an empty window,
and against controls_window, which makes the calls Sonvella's window
requires before it shows (its manifest and DLLs, the common controls, its
list and five buttons in its font) and nothing else. window_timer starts
the three in turn from the same folder and times each."""

import os
import shutil

from figure import Figure
from harness import windows_path
from timing import median

ROUNDS = 15
GOAL = 1.2
PROGRAMS = ("Sonvella.exe", "bare_window.exe", "controls_window.exe")


def measure(env, programs):
    folder = env.program_folder(player=False)
    for name in PROGRAMS[1:]:
        shutil.copy(programs.path(name), folder)
    started = [windows_path(os.path.join(folder, name)) for name in PROGRAMS]
    # The first round fills the caches and is left out.
    lines = programs.run("window_timer.exe", ROUNDS + 1,
                         *started)[len(PROGRAMS):]
    sonvella, bare, controls = (
        [value / 1000 for label, value in lines if label == str(index)]
        for index in range(len(PROGRAMS)))
    return [
        Figure.ratio_of("Start-up to idle window", median(sonvella),
                        median(bare), GOAL, f"{len(sonvella)}+{len(bare)}"),
        Figure.ratio_of("Start-up vs the required calls", median(sonvella),
                        median(controls), GOAL,
                        f"{len(sonvella)}+{len(controls)}"),
    ]
