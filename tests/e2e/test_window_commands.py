"""The window's own commands: the context menu's layout, About, and the
ways to close the program, also while a file plays."""

import os
import unittest

from harness import SonvellaTestCase, stays, wait_for
from harness.popup_menu import SEPARATOR, TEXT, PopupMenu

ABOUT_TEXT = ("Sonvella\r\nPlays AC3 audio files with MPlayer.\r\n"
              "Homepage: sonvella.example.org")
HOMEPAGE_ENTRY, ABOUT_ENTRY, CLOSE_ENTRY = 4, 5, 6  # among the text entries
MENU_LAYOUT = [TEXT, SEPARATOR, TEXT, SEPARATOR, TEXT, TEXT, SEPARATOR, TEXT,
               SEPARATOR, TEXT, SEPARATOR, TEXT]


class MenuAndAbout(SonvellaTestCase):
    def open_menu(self, app):
        app.click_below_rows(button=3)
        return PopupMenu(self.env)

    def test_menu_shows_its_entries_and_separators_in_order(self):
        app = self.start()
        self.assertEqual(self.open_menu(app).layout(), MENU_LAYOUT)
        app.keys("Escape")
        wait_for(lambda: not PopupMenu.is_open(self.env), what="the menu to close")

    def test_about_shows_the_program_and_its_homepage(self):
        app = self.start()
        self.open_menu(app).click(ABOUT_ENTRY)
        box = app.wait_box("About")
        self.assertEqual(box["texts"], [ABOUT_TEXT])
        self.assertEqual(box["icon"], "information")
        self.assertEqual([b["text"] for b in box["buttons"]], ["OK"])
        self.assertEqual(box["owner"], app.hwnd)
        app.dismiss_box("About")
        self.assertTrue(app.running())

    def test_homepage_opens_the_address_in_the_browser(self):
        opened = self.env.browser_log()
        app = self.start()
        self.open_menu(app).click(HOMEPAGE_ENTRY)
        wait_for(lambda: os.path.exists(opened), what="the browser to be started")
        with open(opened) as file:
            # Wine's launcher writes the address in its canonical form.
            self.assertEqual(file.read(), "http://sonvella.example.org/\n")
        self.assertEqual(app.boxes(), [])

    def test_typing_a_first_letter_runs_the_entry(self):
        app = self.start()
        self.open_menu(app).press(app.hwnd, "a")
        app.wait_box("About")
        app.dismiss_box("About")

    def test_escape_and_enter_do_not_close_the_window(self):
        app = self.start()
        app.keys("Escape")
        app.keys("Return")
        self.assertTrue(app.stays_running(1.5))
        self.assertEqual(app.boxes(), [])


class Closing(SonvellaTestCase):
    def test_close_button_menu_and_close_box_end_the_program(self):
        def close_button(app):
            app.click("Close")

        def close_entry(app):
            app.click_below_rows(button=3)
            PopupMenu(self.env).click(CLOSE_ENTRY)

        def close_box(app):
            app.input.click(*app.close_box_point())

        for close in (close_button, close_entry, close_box):
            with self.subTest(close=close.__name__):
                app = self.start()
                close(app)
                self.assertEqual(app.wait_exit(), 0)

    def test_closing_while_playing_ends_the_player(self):
        [song] = self.env.audio_files({"song.ac3": 1})
        app = self.start()
        app.open_files([song])
        app.click("Play")
        wait_for(lambda: len(app.players()) == 1, what="a player")
        wait_for(app.host_players, what="the player's host process")
        app.keys("alt+F4")
        self.assertEqual(app.wait_exit(), 0)
        app.wait_players(0)
        wait_for(lambda: not app.host_players(), what="the player's host process to end")
        self.assertTrue(stays(lambda: not app.players(), duration=1.0))


if __name__ == "__main__":
    unittest.main()
