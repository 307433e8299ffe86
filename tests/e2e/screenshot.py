"""Saves a picture of Sonvella playing one of a few listed files, as the
README shows it:

    python3 tests/e2e/screenshot.py [--win64-dir DIR] [--out docs/screenshot.png]

Runs the win64 build under a private Xvfb and Wine prefix like the tests,
and reads the window's pixels through probe.exe; ImageMagick's convert
makes the picture small.
"""

import argparse
import os
import subprocess
import sys
import tempfile

from harness import Environment, Sonvella, wait_for, win64_dir

SONGS = {"01 Overture.ac3": 2_483_712, "02 Night Train.ac3": 5_767_168,
         "03 Harbour Lights.ac3": 3_670_016, "04 Coda.ac3": 912_384}


def take(win64, out):
    env = Environment(win64, ppi=96)
    try:
        music = os.path.join(env.prefix.path, "drive_c", "users", "Public", "Music")
        os.makedirs(music, exist_ok=True)
        for name, size in SONGS.items():
            with open(os.path.join(music, name), "wb") as file:
                file.truncate(size)
        app = Sonvella(env, env.program_folder())
        try:
            app.open_files([f"C:\\users\\Public\\Music\\{name}" for name in SONGS])
            app.click_row(1, repeat=2)  # the list keeps the focus and shows the selection
            wait_for(lambda: app.caption().startswith("Playing "), what="playback")
            env.input.park()
            with tempfile.TemporaryDirectory() as scratch:
                raw = os.path.join(scratch, "window.png")
                env.probe.screenshot(raw, app.dump()["rect"])
                # A palette keeps the picture small enough for the repository.
                subprocess.run(["convert", raw, "-strip", "-colors", "64",
                                f"PNG8:{out}"], check=True)
        finally:
            app.stop()
    finally:
        env.close()


def main():
    source = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--win64-dir", default=win64_dir())
    parser.add_argument("--out", default=os.path.join(source, "docs", "screenshot.png"))
    arguments = parser.parse_args()
    os.makedirs(os.path.dirname(os.path.abspath(arguments.out)), exist_ok=True)
    take(arguments.win64_dir, arguments.out)
    print(arguments.out)


if __name__ == "__main__":
    sys.exit(main())
