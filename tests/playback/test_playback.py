"""Real playback on Linux: Sonvella.exe under Wine plays AC3 files through the
relay mplayer.exe and Debian's mplayer, and no Linux player outlives what
Sonvella asked for.

The relay goes next to Sonvella.exe in place of MPlayer for Windows, and
the audio output is chosen as a user chooses it, with SONVELLA_AUDIO, which
reaches the Linux player only through Wine, Sonvella and the relay. With
"pcm:file=..." the player writes the decoded sound to a WAV file instead of a
sound card (faster than real time); with "null" it plays in real time into
nothing, which keeps a long file playing while the test acts.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "e2e"))

from harness import SonvellaTestCase, wait_for, win64_dir, windows_path  # noqa: E402

HOMEPAGE_HOST = "sonvella.example.org"
TONE_SECONDS = 2
TONE_HERTZ = 440


def make_ac3(path, seconds, hertz):
    subprocess.run(
        ["ffmpeg", "-hide_banner", "-loglevel", "error", "-nostdin", "-y", "-f", "lavfi",
         "-i", f"sine=frequency={hertz}:duration={seconds}", "-ac", "2", "-c:a", "ac3",
         str(path)], check=True)
    return windows_path(str(path))


def live_processes():
    """(pid, arguments) of every process that is neither a zombie nor dead."""
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            stat = (entry / "stat").read_text()
            arguments = (entry / "cmdline").read_bytes().split(b"\0")[:-1]
        except OSError:
            continue
        if stat[stat.rindex(")") + 2] not in "ZX":
            yield int(entry.name), [a.decode("utf-8", "replace") for a in arguments]


def wav_statistics(path):
    """sox's statistics of the first channel: {"Length (seconds)": 2.0, ...}."""
    report = subprocess.run(["sox", str(path), "-n", "remix", "1", "stat"],
                            capture_output=True, text=True, check=True).stderr
    return {name.strip(): float(value)
            for name, value in re.findall(r"^([^:\n]+):\s+(-?[\d.]+)$", report, re.M)}


class PlaybackThroughTheRelay(SonvellaTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        prefix = cls.env.prefix
        cls.root = Path(prefix.root)
        # The user's own player configuration stays out of the test.
        prefix.env["HOME"] = prefix.temp_dir("home")
        # Wine maps non-Latin file names only in a UTF-8 locale.
        prefix.env["LC_ALL"] = "C.UTF-8"
        cls.music = Path(prefix.temp_dir("Музыка"))
        cls.tone = make_ac3(cls.music / "Тон 440 Hz 音.ac3", TONE_SECONDS, TONE_HERTZ)
        cls.long_ones = [make_ac3(cls.music / f"Long {hertz} Hz.ac3", 60, hertz)
                         for hertz in (330, 550)]
        cls.relay_dir = Path(win64_dir()) / "tools" / "relay"

    def start_with_relay(self, audio="null"):
        """Sonvella with the relay as its player, which plays into `audio`."""
        # Runs after the program is stopped: whatever of the relay chain is
        # left then is a fault the test reports, but must not outlive it.
        self.addCleanup(self.kill_relay_chain)
        self.env.prefix.env["SONVELLA_AUDIO"] = audio
        app = self.start(player=False)
        for name in ("mplayer.exe", "mplayer-relay.sh"):
            shutil.copy2(self.relay_dir / name, app.folder)
        return app

    def open_file(self, app, name):
        """Adds a file through the real file dialog."""
        app.open_files([name])
        wait_for(lambda: name in [path + caption for caption, _, path in app.rows()],
                 what=f"the row of {name}")

    def linux_players(self):
        """The files the Linux players of this test's files are playing."""
        return [arguments[-1] for _, arguments in live_processes()
                if arguments and os.path.basename(arguments[0]) == "mplayer"
                and arguments[-1].startswith(str(self.music))]

    def relay_chain(self):
        """Relays, wrapper scripts and players of this test module still alive."""
        return [pid for pid, arguments in live_processes()
                if self.root.name in " ".join(arguments)
                and "mplayer" in " ".join(arguments)]

    def kill_relay_chain(self):
        for pid in self.relay_chain():
            os.kill(pid, signal.SIGKILL)

    def play_row(self, app, index):
        app.select_row(index)
        app.click("Play")

    def wait_playing(self, name):
        """Waits until a Linux player plays the file `name` (a Windows name)
        and no other of this test's files."""
        unix_name = str(self.music / name.rsplit("\\", 1)[1])
        wait_for(lambda: self.linux_players() == [unix_name],
                 what=f"the Linux player on {unix_name} alone")

    def play_a_long_file(self):
        """Sonvella playing a long file in real time through the relay."""
        app = self.start_with_relay()
        self.open_file(app, self.long_ones[0])
        app.click("Play")
        self.wait_playing(self.long_ones[0])
        return app

    def wait_chain_gone(self):
        wait_for(lambda: not self.relay_chain(),
                 what="the relay, its wrapper and the player to end")

    def test_a_played_file_is_decoded_whole(self):
        wav = self.root / "decoded.wav"
        app = self.start_with_relay(f"pcm:file={wav}")
        self.open_file(app, self.tone)
        app.click("Play")
        app.wait_caption(f"Playing {self.tone} - {HOMEPAGE_HOST}")
        wait_for(wav.exists, what="the player to write the decoded sound")
        # The player ends by itself at the end of the file, and the relay
        # with it.
        self.wait_chain_gone()
        statistics = wav_statistics(wav)
        self.assertAlmostEqual(TONE_SECONDS, statistics["Length (seconds)"],
                               delta=TONE_SECONDS / 10)
        self.assertGreater(statistics["RMS     amplitude"], 0.01, "silence")
        self.assertAlmostEqual(TONE_HERTZ, statistics["Rough   frequency"],
                               delta=TONE_HERTZ / 20)

    def test_stop_ends_the_linux_player(self):
        app = self.play_a_long_file()
        app.click("Stop")
        app.wait_caption(f"Sonvella - {HOMEPAGE_HOST}")
        self.wait_chain_gone()

    def test_playing_another_file_ends_the_first_player(self):
        app = self.start_with_relay()
        for name in self.long_ones:
            self.open_file(app, name)
        self.play_row(app, 0)
        self.wait_playing(self.long_ones[0])
        self.play_row(app, 1)
        self.wait_playing(self.long_ones[1])
        app.click("Stop")
        self.wait_chain_gone()

    def test_closing_the_window_ends_the_player(self):
        app = self.play_a_long_file()
        app.input.click(*app.close_box_point())
        app.wait_exit()
        self.wait_chain_gone()


if __name__ == "__main__":
    unittest.main()
