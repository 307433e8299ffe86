"""A thousand Play/Stop cycles from the keyboard: Sonvella keeps no handle
and no player from them, and closing while playing leaves no player."""

import unittest

from harness import SonvellaTestCase, wait_for
from hard_inputs_support import IDLE_CAPTION, close_with_close_button, playing_caption

CYCLES = 1000
WARM_UP = 20
SETTLE_EVERY = 50   # cycles between two checks of the players alive
# Counted at rest, the handles after 20 and after 1,000 cycles were equal in
# every run here. The slack leaves room for a handle or two that Wine may
# open in the process on its own on first need; a handle kept per cycle
# would show as about a thousand.
HANDLE_SLACK = 2


class PlayStopCycles(SonvellaTestCase):
    def settle(self, app, marker):
        """Plays and stops the second row, which the cycles never play: once
        it is chosen, every key sent before has been handled. Then exactly
        one player must be left once the ones stopped before have ended, and
        none after Stop."""
        self.choose_marker(app)
        app.keys("ctrl+p")
        app.wait_caption(playing_caption(marker), timeout=180)
        app.wait_players(1, timeout=30)
        app.keys("ctrl+s")
        app.wait_caption(IDLE_CAPTION)
        app.wait_players(0, timeout=30)
        app.select_row(0)

    def choose_marker(self, app):
        """Clicks the second row; the click is queued behind the cycles'
        keys. A box shown among them would take the keys and the click after
        it, so one is reported at once. Under Wine a start now and then
        fails on its own; Sonvella starts the player again then, and a box
        here means it did not."""
        app.click_row(1)
        app.input.park()
        wait_for(lambda: app.boxes() or app.selected_rows() == [1],
                 timeout=180, what="row 1 selected or a box")
        self.assertEqual(app.boxes(), [])

    def test_a_thousand_play_stop_cycles_keep_no_handle_and_no_player(self):
        cycled, marker = self.env.audio_files({"cycled.ac3": 1536, "marker.ac3": 2048})
        app = self.start()
        app.open_files([cycled, marker])
        app.select_row(0)  # the click also gives the list the focus

        app.keys(*["ctrl+p", "ctrl+s"] * WARM_UP)
        self.settle(app, marker)
        warm = self.env.probe.handle_count(app.pid)

        done = WARM_UP
        while done < CYCLES:
            batch = min(SETTLE_EVERY, CYCLES - done)
            app.keys(*["ctrl+p", "ctrl+s"] * batch)
            done += batch
            self.settle(app, marker)
        end = self.env.probe.handle_count(app.pid)
        self.assertLessEqual(end - warm, HANDLE_SLACK, f"{warm} handles after "
                             f"{WARM_UP} cycles, {end} after {CYCLES}")

        # Closing while playing ends the player.
        app.keys("ctrl+p")
        app.wait_caption(playing_caption(cycled))
        app.wait_players(1)
        close_with_close_button(self, app)
        wait_for(lambda: not app.host_players(),
                 what="the player's host process to end")


if __name__ == "__main__":
    unittest.main()
