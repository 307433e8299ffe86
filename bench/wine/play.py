"""Play: from the command to the player's process start. play_timer posts
Play's click and takes the player's creation time from the system, so every
figure is on one clock. Sonvella is compared with play_window, a window that
does nothing on Play but CreateProcessW of the same player (the click's way
between the processes is in both), and with that CreateProcessW called
straight from play_timer."""

import os

from figure import Figure
from harness import Sonvella, windows_path
from timing import TICKS_PER_MS, median
from window_program import WindowProgram

# The programs take turns, so all see the same machine.
TURNS = 3
RUNS_PER_TURN = 7
GOAL = 1.1


def _ms(lines):
    return [ticks / TICKS_PER_MS for _, ticks in lines]


def measure(env, programs):
    app = Sonvella(env, env.program_folder())
    window = None
    try:
        [song] = env.audio_files({"song.ac3": 1536})
        app.open_files([song])
        player = windows_path(os.path.join(app.folder, "mplayer.exe"))
        window = WindowProgram(env, programs.path("play_window.exe"),
                               [player, song],
                               os.path.join(env.prefix.temp_dir("play"),
                                            "play_window.log"))
        sonvella, command, call = [], [], []
        for _ in range(TURNS):
            sonvella += _ms(programs.run("play_timer.exe", "click",
                                         RUNS_PER_TURN, app.hwnd))
            command += _ms(programs.run("play_timer.exe", "click",
                                        RUNS_PER_TURN, window.window))
            call += _ms(programs.run("play_timer.exe", "bare", RUNS_PER_TURN,
                                     player, song))
    finally:
        try:
            if window is not None:
                window.stop()
        finally:
            app.stop()
    runs = f"{len(sonvella)}+{len(command)}"
    return [
        Figure.ratio_of("Play: Sonvella vs play window", median(sonvella),
                        median(command), GOAL, runs),
        Figure.ratio_of("Play: Sonvella vs CreateProcessW call", median(sonvella),
                        median(call), GOAL, f"{len(sonvella)}+{len(call)}"),
    ]
