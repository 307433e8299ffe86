"""Hard files: sizes beyond 32 bits, files that vanish or never existed,
and the longest name Wine's file dialog hands over."""

import os
import unittest

from harness import SonvellaTestCase, local_path, windows_path
from hard_inputs_support import (IDLE_CAPTION, close_with_close_button, open_file,
                                 player_command_line, playing_caption, row, split)

GIB = 1024 ** 3
# Wine's file dialog copies the chosen name into a buffer of MAX_PATH (260)
# characters, its terminator included: 259 characters is the longest name
# it hands back, and a longer one overflows that buffer inside Wine and ends
# the program. A program folder deeper than MAX_PATH cannot start a player
# under Wine either. So 259 is as long as a name can get here.
LONGEST_NAME = 259


def file_with_name_of_length(root, length, size):
    """A new file of `size` bytes under `root` whose Windows full name has
    exactly `length` characters, spaces in every part; returns that name."""
    prefix = len(windows_path(root)) + 1
    folders = []
    while length - prefix - sum(len(f) + 1 for f in folders) > 100:
        folders.append(f"folder {len(folders)} ".ljust(60, "d"))
    directory = os.path.join(root, *folders)
    left = length - len(windows_path(directory)) - 1
    os.makedirs(directory)
    path = os.path.join(directory, "long song ".ljust(left - 4, "s") + ".ac3")
    with open(path, "wb") as file:
        file.truncate(size)
    return windows_path(path)


class HardFiles(SonvellaTestCase):
    def test_sizes_beyond_32_bits_are_read_from_both_halves(self):
        sizes = {
            "empty.ac3": 0,
            "two and a half.ac3": 5 * GIB // 2,  # low half's top bit set
            "four.ac3": 4 * GIB,                 # low half zero
            "five.ac3": 5 * GIB,
            "seven.ac3": 7 * GIB,                # both halves, top bit set
        }
        files = self.env.audio_files(sizes, folder="big files")  # sparse
        app = self.start()
        app.open_files(files)
        self.assertEqual(app.rows(), [row(name, text) for name, text in zip(
            files, [" bytes", "2.5 GB", "4 GB", "5 GB", "7 GB"])])
        close_with_close_button(self, app)

    def test_a_file_gone_before_it_was_added_shows_minus_one(self):
        vanishing, kept = self.env.audio_files({"vanishing.ac3": 2048, "kept.ac3": 1536})
        never = split(vanishing)[1] + "never there.ac3"
        app = self.start()
        # Chosen in the dialog, deleted before Return.
        open_file(app, vanishing, delete_before_return=lambda: os.remove(local_path(vanishing)))
        open_file(app, never)
        app.open_files([kept])
        self.assertEqual(app.rows(), [row(vanishing, "-1 bytes"), row(never, "-1 bytes"),
                                      row(kept, "1.5 KB")])

        # Deleted once listed: the size text stays, and Play still hands the
        # name to the player.
        os.remove(local_path(kept))
        app.click("Play")
        [pid] = app.wait_players(1)
        self.assertEqual(app.wait_record(pid)["commandLine"], player_command_line(app, kept))
        app.wait_caption(playing_caption(kept))
        self.assertEqual(app.rows()[2], row(kept, "1.5 KB"))
        app.click("Stop")
        app.wait_caption(IDLE_CAPTION)
        close_with_close_button(self, app)

    def test_the_longest_name_is_listed_shown_and_played_whole(self):
        name = file_with_name_of_length(self.env.prefix.temp_dir("long"), LONGEST_NAME, 1536)
        self.assertEqual(len(name), LONGEST_NAME)
        app = self.start()
        app.open_files([name])
        self.assertEqual(app.rows(), [row(name, "1.5 KB")])

        app.click("Play")
        [pid] = app.wait_players(1)
        self.assertEqual(app.wait_record(pid)["commandLine"], player_command_line(app, name))
        app.wait_caption(playing_caption(name))  # longer than MAX_PATH itself
        app.click("Remove")
        app.wait_caption(IDLE_CAPTION)
        app.wait_players(0)
        self.assertEqual(app.rows(), [])
        close_with_close_button(self, app)


if __name__ == "__main__":
    unittest.main()
