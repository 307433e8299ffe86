"""Sonvella in a folder whose path has spaces, with programs planted where
an unquoted path would be cut: only the real player ever runs."""

import glob
import os
import shutil
import unittest

from harness import SonvellaTestCase, wait_for
from hard_inputs_support import (IDLE_CAPTION, close_with_close_button,
                                 player_command_line, playing_caption)


class FolderWithSpaces(SonvellaTestCase):
    def test_programs_planted_at_the_spaces_never_run(self):
        [song] = self.env.audio_files({"a song.ac3": 1536}, folder="some music")
        app = self.start(folder_name=os.path.join("my apps", "Sonvella dir"))
        # "...\my apps\Sonvella dir\mplayer.exe" cut at its spaces reads as
        # "...\my" and "...\my apps\Sonvella": the stand-in player planted
        # there would run instead of the real one and record it.
        apps = os.path.dirname(app.folder)
        top = os.path.dirname(apps)
        planted = [os.path.join(top, "my.exe"), os.path.join(apps, "Sonvella.exe")]
        for program in planted:
            shutil.copy(self.env.stub_exe, program)

        def planted_records():
            return [glob.glob(os.path.join(os.path.dirname(p), "stub-*")) for p in planted]

        app.open_files([song])
        for _ in range(2):  # a second Play starts from a stopped player
            started = len(app.player_records())
            app.click("Play")
            wait_for(lambda: len(app.player_records()) > started or any(planted_records()),
                     what="the player or a planted program to run")
            self.assertEqual(planted_records(), [[], []], "a planted program ran")
            [pid] = app.wait_players(1)
            self.assertEqual(app.wait_record(pid)["commandLine"],
                             player_command_line(app, song))
            app.wait_caption(playing_caption(song))
            app.click("Stop")
            app.wait_caption(IDLE_CAPTION)
            app.wait_players(0)

        self.assertEqual(self.env.probe.pids_of("my.exe"), [])
        self.assertEqual(self.env.probe.pids_of("Sonvella.exe"), [app.pid])
        close_with_close_button(self, app)


if __name__ == "__main__":
    unittest.main()
