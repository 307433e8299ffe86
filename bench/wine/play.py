"""Play: from the command to the player's process start, against starting
the same player with a bare CreateProcessW. play_timer posts Play's click
to Sonvella (or calls CreateProcessW itself) and takes the player's creation
time from the system, so both are timed on one clock."""

import os

from figure import Figure
from harness import Sonvella, windows_path
from timing import TICKS_PER_MS, median

# Sonvella and the bare start take turns, so both see the same machine.
TURNS = 3
RUNS_PER_TURN = 7
GOAL = 1.1


def measure(env, programs):
    app = Sonvella(env, env.program_folder())
    try:
        [song] = env.audio_files({"song.ac3": 1536})
        app.open_files([song])
        player = windows_path(os.path.join(app.folder, "mplayer.exe"))
        sonvella, bare = [], []
        for _ in range(TURNS):
            sonvella += programs.run("play_timer.exe", "sonvella",
                                     RUNS_PER_TURN, app.hwnd)
            bare += programs.run("play_timer.exe", "bare", RUNS_PER_TURN,
                                 player, song)
    finally:
        app.stop()
    return Figure.ratio_of(
        "Play to player process start",
        median([ticks / TICKS_PER_MS for _, ticks in sonvella]),
        median([ticks / TICKS_PER_MS for _, ticks in bare]), GOAL,
        f"{len(sonvella)}+{len(bare)}")
