"""Play: from the command to the player's process start. play_timer posts
Play's click and takes the player's creation time from the system, so every
figure is on one clock. Sonvella is compared with play_window, a window that
does nothing on Play but CreateProcessW of the same player (the click's way
between the processes is in both), with play_window "captioned dialog",
which has used the file-open dialog once and sets its caption before that
call, as Sonvella must, and with that CreateProcessW called straight from
play_timer."""

import os
import shutil

from figure import Figure
from harness import Sonvella, wait_for, windows_path
from timing import TICKS_PER_MS, median
from window_program import WindowProgram

# The programs take turns, so all see the same machine.
TURNS = 3
RUNS_PER_TURN = 7
GOAL = 1.1


def _ms(lines):
    return [ticks / TICKS_PER_MS for _, ticks in lines]


def _choose_in_dialog(env, program, name):
    """Chooses `name` in the file-open dialog that `program` shows."""
    def dialogs():
        return [box for box in env.probe.boxes(program.pid)
                if box["text"] == "Open"]

    [dialog] = wait_for(dialogs, what="play_window's file dialog")
    env.input.type(dialog["hwnd"], f'"{name}"')
    env.input.key(dialog["hwnd"], "Return")
    wait_for(lambda: not dialogs(), what="play_window's file dialog to close")


def measure(env, programs):
    app = Sonvella(env, env.program_folder())
    window = captioned = None
    try:
        [song] = env.audio_files({"song.ac3": 1536})
        app.open_files([song])
        player = windows_path(os.path.join(app.folder, "mplayer.exe"))
        folder = env.prefix.temp_dir("play")
        window = WindowProgram(env, programs.path("play_window.exe"),
                               [player, song],
                               os.path.join(folder, "play_window.log"))
        # A second name, so the two windows' processes are told apart.
        titled_exe = os.path.join(folder, "captioned_window.exe")
        shutil.copy(programs.path("play_window.exe"), titled_exe)
        captioned = WindowProgram(env, titled_exe,
                                  [player, song, "captioned", "dialog"],
                                  os.path.join(folder, "captioned_window.log"))
        _choose_in_dialog(env, captioned, song)
        sonvella, command, titled, call = [], [], [], []
        for _ in range(TURNS):
            sonvella += _ms(programs.run("play_timer.exe", "click",
                                         RUNS_PER_TURN, app.hwnd))
            command += _ms(programs.run("play_timer.exe", "click",
                                        RUNS_PER_TURN, window.window))
            titled += _ms(programs.run("play_timer.exe", "click",
                                       RUNS_PER_TURN, captioned.window))
            call += _ms(programs.run("play_timer.exe", "bare", RUNS_PER_TURN,
                                     player, song))
    finally:
        try:
            for program in (window, captioned):
                if program is not None:
                    program.stop()
        finally:
            app.stop()
    runs = f"{len(sonvella)}+{len(command)}"
    return [
        Figure.ratio_of("Play: Sonvella vs play window", median(sonvella),
                        median(command), GOAL, runs),
        Figure.ratio_of("Play: Sonvella vs play window, dialog used, captioned",
                        median(sonvella), median(titled), GOAL,
                        f"{len(sonvella)}+{len(titled)}"),
        Figure.ratio_of("Play: Sonvella vs CreateProcessW call", median(sonvella),
                        median(call), GOAL, f"{len(sonvella)}+{len(call)}"),
    ]
