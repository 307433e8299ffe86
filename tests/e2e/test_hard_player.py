"""A player that is missing, ends at once, or is killed from outside: the
program says what it must, keeps its exact captions, and Stop, Play, Remove
and Close go on working."""

import os
import shutil
import unittest

from harness import SonvellaTestCase, stays, wait_for, win64_dir
from harness.probe import exe_path
from hard_inputs_support import (CANNOT_OPEN, IDLE_CAPTION, assert_sound,
                                 close_with_close_button, playing_caption)


class PlayerTrouble(SonvellaTestCase):
    def start_with_files(self, player=True):
        first, second = self.env.audio_files({"first.ac3": 1, "second.ac3": 2},
                                             folder="some music")
        app = self.start(player=player)
        app.open_files([first, second])  # leaves the second selected
        return app, first, second

    def assert_quiet(self, app, caption):
        """The caption is `caption` and stays so, with no box shown."""
        app.wait_caption(caption)
        self.assertTrue(stays(lambda: app.caption() == caption and not app.boxes()),
                        f"caption {app.caption()!r}, boxes {app.boxes()!r}")

    def test_a_missing_player_is_reported_each_time_and_nothing_else_breaks(self):
        app, first, second = self.start_with_files(player=False)
        for _ in range(2):
            app.click("Play")
            box = app.wait_box("Error")
            self.assertEqual((box["texts"], box["icon"], box["owner"],
                              [button["text"] for button in box["buttons"]]),
                             ([CANNOT_OPEN], "error", app.hwnd, ["OK"]))
            app.dismiss_box("Error")
            self.assert_quiet(app, IDLE_CAPTION)

        app.click("Stop")
        self.assert_quiet(app, IDLE_CAPTION)
        app.click("Remove")
        wait_for(lambda: [r[0] for r in app.rows()] == ["first.ac3"], what="second removed")
        self.assertEqual(app.selected_rows(), [0])
        self.assert_quiet(app, IDLE_CAPTION)
        self.assertEqual(app.players(), [])
        close_with_close_button(self, app)

    def test_a_player_that_ends_at_once_is_stopped_and_replaced_quietly(self):
        app, first, second = self.start_with_files(player=False)
        quick = exe_path(os.path.join(win64_dir(), "tests/e2e/programs"),
                         "quick_exit_player.exe")
        shutil.copy(quick, os.path.join(app.folder, "mplayer.exe"))

        app.click("Play")
        # The program never learns that the player ended.
        self.assert_quiet(app, playing_caption(second))
        app.wait_players(0)
        app.click("Stop")
        self.assert_quiet(app, IDLE_CAPTION)

        app.click("Play")
        self.assert_quiet(app, playing_caption(second))
        app.select_row(0)
        app.click("Play")  # stops the ended player first
        self.assert_quiet(app, playing_caption(first))
        app.click("Remove")  # the row whose player ended
        self.assert_quiet(app, IDLE_CAPTION)
        self.assertEqual([r[0] for r in app.rows()], ["second.ac3"])
        close_with_close_button(self, app)

    def test_a_player_killed_from_outside_is_stopped_and_replaced_quietly(self):
        app, first, second = self.start_with_files()

        def play_then_kill(expected):
            app.click("Play")
            [pid] = app.wait_players(1)
            app.wait_caption(playing_caption(expected))
            self.assertTrue(self.env.probe.call("terminate", pid)["terminated"])
            app.wait_players(0)
            self.assert_quiet(app, playing_caption(expected))

        play_then_kill(second)
        app.click("Stop")
        self.assert_quiet(app, IDLE_CAPTION)

        play_then_kill(second)
        app.select_row(0)
        play_then_kill(first)  # Play stopped the killed one without a word
        app.click("Remove")
        self.assert_quiet(app, IDLE_CAPTION)
        self.assertEqual([r[0] for r in app.rows()], ["second.ac3"])

        # A player started afterwards is alive, and Close ends it.
        app.click("Play")
        app.wait_players(1)
        assert_sound(self, app)
        close_with_close_button(self, app)
        wait_for(lambda: not app.host_players(), what="the player's host process to end")


if __name__ == "__main__":
    unittest.main()
