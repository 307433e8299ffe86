#!/usr/bin/env python3
"""Prints Sonvella's figures, each next to its goal.

    bench/wine/figures.py [--native DIR] [--win64 DIR]

Open through the program logic comes from the native Google Benchmark;
start-up, adding 10,000 files through the file dialog and Play are measured
under Wine in a private Xvfb and prefix, each as a ratio against a bare
program measured the same way in the same run; size and imported DLLs come
from the win64 build's Sonvella.exe. Figures are reported, never asserted:
the exit status is 1 only when a figure could not be measured.
"""

import argparse
import datetime
import os
import platform
import subprocess
import sys
import traceback

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(SOURCE, "tests", "e2e"))

import adding  # noqa: E402
import executable  # noqa: E402
import native  # noqa: E402
import play  # noqa: E402
import startup  # noqa: E402
import table  # noqa: E402
from figure import Figure  # noqa: E402
from harness import Environment  # noqa: E402
from timing import TimingPrograms  # noqa: E402

NOTES = """\
Ratios are Sonvella's median over the bare program's median, both measured
in this run. Start-up: against an empty window, and against controls_window,
which makes only the calls Sonvella's window requires before it shows (its
manifest and DLLs, the common controls, its list and five buttons in its
font). Adding: after Return, Wine's dialog hands over the chosen
files; the figure is from the dialog gone to Sonvella's list holding all
10,000 rows, once in a folder holding an empty desktop.ini and once in a
plain folder. "direct" is list_filler inserting the same rows into
Sonvella's own list control with redraw held off; "shell names" also asks
Wine's shell for each chosen file's name alone (costly in a plain folder,
so measured only in the first); "per-folder names" asks the files' folder,
bound once, for their names instead, the least a program handed the
dialog's choice must do. Play: from the posted click on Play to the player's
creation time as the system stamps it, against play_window, whose Play
button only calls CreateProcessW with the same parameters, against
play_window having used the file-open dialog once and setting its caption
first, as Sonvella must, and against that call made straight from the
timer."""

WINE_STEPS = [
    ("Start-up to idle window", startup.measure),
    ("Add 10k files after the dialog", adding.measure),
    ("Play to player process start", play.measure),
]


def machine():
    with open("/proc/cpuinfo", encoding="utf-8") as cpuinfo:
        cpu = next((line.split(":", 1)[1].strip() for line in cpuinfo
                    if line.startswith("model name")), platform.machine())
    wine = subprocess.run(["wine", "--version"], capture_output=True,
                          text=True).stdout.strip()
    load = ", ".join(f"{value:.2f}" for value in os.getloadavg())
    return (f"{datetime.datetime.now():%Y-%m-%d %H:%M}, {os.cpu_count()} "
            f"cores, {cpu}, {wine}, load average {load}")


def attempt(name, step, *args):
    """The step's figures, or one 'not measured' figure with the reason."""
    print(f"== {name}", flush=True)
    try:
        figures = step(*args)
    except Exception as failure:  # a figure missing must not stop the rest
        traceback.print_exc()
        return [Figure.not_measured(name, str(failure) or type(failure).__name__)]
    return figures if isinstance(figures, list) else [figures]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--native", default=os.path.join(SOURCE, "build", "native"))
    parser.add_argument("--win64", default=os.path.join(SOURCE, "build", "win64"))
    arguments = parser.parse_args()

    print(f"Machine: {machine()}", flush=True)
    figures = attempt("Open on a long list (native)", native.measure,
                      arguments.native)
    env = Environment(arguments.win64)
    try:
        programs = TimingPrograms(env, arguments.win64)
        for name, step in WINE_STEPS:
            figures += attempt(name, step, env, programs)
        system_dir = os.path.join(env.prefix.path, "drive_c", "windows",
                                  "system32")
        figures += attempt("Sonvella.exe", executable.measure,
                           arguments.win64, system_dir)
    finally:
        env.close()
    print(f"\nMachine after: {machine()}\n")
    print(table.render(figures))
    print(f"\n{NOTES}")
    return 0 if all(figure.measured for figure in figures) else 1


if __name__ == "__main__":
    sys.exit(main())
