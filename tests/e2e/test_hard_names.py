"""Non-Latin file and folder names, typed into the real file dialog: the
list, the caption and the player's command line carry them unchanged,
emoji (surrogate pairs in UTF-16) included."""

import unicodedata
import unittest

from harness import SonvellaTestCase, wait_for, windows_path
from hard_inputs_support import (IDLE_CAPTION, assert_sound, close_with_close_button,
                                 open_file, player_command_line, playing_caption, row,
                                 use_utf8_locale)

NAMES = ["Café Ünïcödé.ac3", "Песня.ac3", "音楽.ac3", "🎵 tune.ac3"]


class NonLatinNames(SonvellaTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        use_utf8_locale(cls.env)

    def test_names_reach_the_list_the_caption_and_the_player_intact(self):
        # Distinct sizes show that each row found its own file.
        files = self.env.audio_files({name: size for size, name in enumerate(NAMES, 1)},
                                     folder="Музыка 🎵")
        app = self.start(folder_name="Программы 🎶")
        for name in files:
            open_file(app, name)
        self.assertEqual(app.rows(), [row(name, f"{size} bytes")
                                      for size, name in enumerate(files, 1)])

        for index, name in enumerate(files):
            with self.subTest(name=name):
                app.select_row(index)
                app.click("Play")
                [pid] = app.wait_players(1)
                record = app.wait_record(pid)
                self.assertEqual(record["commandLine"], player_command_line(app, name))
                self.assertEqual(record["module"],
                                 windows_path(app.folder) + "\\mplayer.exe")
                app.wait_caption(playing_caption(name))
                app.click("Stop")
                app.wait_caption(IDLE_CAPTION)
                app.wait_players(0)
        close_with_close_button(self, app)

    def test_composed_and_decomposed_accents_are_two_files(self):
        # The same letters as one code point or as letter + combining mark:
        # equal to the eye, different names to the file system and the list.
        composed = unicodedata.normalize("NFC", "Café.ac3")
        decomposed = unicodedata.normalize("NFD", "Café.ac3")
        first, second = self.env.audio_files({composed: 10, decomposed: 20})
        app = self.start()
        open_file(app, first)
        open_file(app, second)
        self.assertEqual(app.rows(), [row(first, "10 bytes"), row(second, "20 bytes")])

        app.click("Play")  # the second row, selected last
        [pid] = app.wait_players(1)
        self.assertEqual(app.wait_record(pid)["commandLine"],
                         player_command_line(app, second))
        app.wait_caption(playing_caption(second))

        # Removing the other one leaves the playing file alone.
        app.select_row(0)
        app.click("Remove")
        wait_for(lambda: app.rows() == [row(second, "20 bytes")], what="the first row gone")
        self.assertEqual(app.players(), [pid])
        self.assertEqual(app.caption(), playing_caption(second))
        assert_sound(self, app)


if __name__ == "__main__":
    unittest.main()
