"""Playback: every way to Play, the exact player command line and start-up
parameters, Stop, replacing and removing the playing file, a missing
player, and shortcuts that need the list's focus, also after a window that
opened above the main window has closed."""

import os
import shutil
import unittest

from harness import (ON_WINDOWS, Sonvella, SonvellaTestCase, stays, wait_for,
                     windows_path)
from harness.popup_menu import PopupMenu
from harness.sonvella_app import LIST_CLASS, centre

HOST = "sonvella.example.org"
IDLE_CAPTION = f"Sonvella - {HOST}"
SELECT_TEXT = "Please select an AC3 audio file."
PLAY_ENTRY, STOP_ENTRY = 2, 3  # among the menu's text entries

# What Wine's loader log shows the program loading at start-up, in the file
# dialog and at Play that is not one of Windows' KnownDLLs (which Windows
# takes from its own folder whatever the search order) nor a part of Wine.
# Left out: msimg32, which Wine's comctl32 loads on first use through a
# delayed import that searches the default folders whatever the program
# set (Windows' delayed imports honour SetDefaultDllDirectories).
PLANTED_DLLS = ["uxtheme.dll", "comctl32.dll", "actxprxy.dll", "explorerframe.dll",
                "compstui.dll", "winspool.drv"]
OVERRIDES_KEY = r"HKCU\Software\Wine\AppDefaults\Sonvella.exe\DllOverrides"


def playing_caption(full_name):
    return f"Playing {full_name} - {HOST}"


class PlaybackTestCase(SonvellaTestCase):
    def start_with_files(self, sizes, **start):
        files = self.env.audio_files(sizes, folder="some music")
        app = self.start(**start)
        app.open_files(files)
        return app, files

    def wait_one_player_on(self, app, full_name, previous=()):
        """The id of the one player alive, started after `previous`, once
        it has recorded that it plays `full_name`."""
        wait_for(lambda: (lambda p: len(p) == 1 and p[0] not in previous)(app.players()),
                 what=f"one new player for {full_name}")
        [pid] = app.players()
        record = app.wait_record(pid)
        self.assertTrue(record["commandLine"].endswith(f' "{full_name}"'),
                        record["commandLine"])
        return pid

    def assert_stopped(self, app):
        app.wait_caption(IDLE_CAPTION)
        app.wait_players(0)
        wait_for(lambda: not app.host_players(), what="the player's host process to end")


class StartingThePlayer(PlaybackTestCase):
    def test_play_starts_the_player_exactly_as_specified(self):
        # Spaces and non-Latin letters in both folders travel unchanged.
        app, [song] = self.start_with_files({"my sóng 音楽.ac3": 1536},
                                            folder_name="Sonvella Plåyer")
        app.click("Play")
        pid = self.wait_one_player_on(app, song)
        record = app.player_records()[pid]
        folder = windows_path(app.folder) + "\\"
        self.assertEqual(
            record["commandLine"],
            f'"{folder}mplayer.exe" -wid {app.hwnd} -slave -quiet -identify '
            f'-priority abovenormal "{song}"')
        self.assertEqual(record["currentDirectory"].rstrip("\\") + "\\", folder)
        self.assertEqual([record["stdInput"], record["stdOutput"], record["stdError"]],
                         ["null", "null", "null"])
        self.assertFalse(record["console"])
        app.wait_caption(playing_caption(song))
        wait_for(lambda: app.dump()["active"] == app.hwnd,
                 what="the main window to be active again")

    def test_every_trigger_plays_the_selected_row(self):
        app, files = self.start_with_files(
            {"button.ac3": 1, "menu.ac3": 2, "letter.ac3": 3, "keys.ac3": 4,
             "double.ac3": 5})

        def from_menu():
            app.click_row(1, button=3)
            PopupMenu(self.env).click(PLAY_ENTRY)

        def by_letter():
            app.click_row(2, button=3)
            PopupMenu(self.env).press(app.hwnd, "p")

        def by_keys():
            app.select_row(3)
            app.keys("ctrl+p")

        def by_double_click():
            app.click_row(4, repeat=2)
            app.input.park()

        def by_button():
            app.select_row(0)
            app.click("Play")

        triggers = [by_button, from_menu, by_letter, by_keys, by_double_click]
        for trigger, song in zip(triggers, files):
            with self.subTest(trigger=trigger.__name__):
                trigger()
                self.wait_one_player_on(app, song)
                app.wait_caption(playing_caption(song))
                app.click("Stop")
                self.assert_stopped(app)

    def test_play_while_playing_leaves_only_the_new_player(self):
        app, [first, second] = self.start_with_files({"first.ac3": 1, "second.ac3": 2})
        app.select_row(0)
        app.click("Play")
        first_pid = self.wait_one_player_on(app, first)

        app.select_row(1)
        app.click("Play")
        second_pid = self.wait_one_player_on(app, second, previous=[first_pid])
        app.wait_caption(playing_caption(second))
        self.assertEqual(len(app.host_players()), 1)

        # Playing the same row again starts it over in a new player.
        app.click("Play")
        self.wait_one_player_on(app, second, previous=[second_pid])
        self.assertEqual(len(app.host_players()), 1)

    def test_play_with_an_empty_list_or_no_selection(self):
        app = self.start()
        app.click("Play")
        self.assertTrue(stays(lambda: not app.boxes() and not app.players(),
                              duration=1.5))

        [song] = self.env.audio_files({"song.ac3": 1})
        app.open_files([song])
        # Double-clicking under the rows first clears the selection.
        app.click_below_rows(repeat=2)
        app.input.park()
        box = app.wait_box("Information")
        self.assertEqual(box["texts"], [SELECT_TEXT])
        self.assertEqual(box["icon"], "information")
        app.dismiss_box("Information")
        self.assertEqual(app.players(), [])
        self.assertEqual(app.caption(), IDLE_CAPTION)


class StoppingThePlayer(PlaybackTestCase):
    def test_ctrl_s_and_the_stop_button_end_the_player(self):
        app, [song] = self.start_with_files({"song.ac3": 1})
        app.select_row(0)  # the shortcuts need the list's focus
        for stop in (lambda: app.keys("ctrl+s"), lambda: app.click("Stop")):
            app.keys("ctrl+p")
            self.wait_one_player_on(app, song)
            stop()
            self.assert_stopped(app)

    def test_stop_from_the_menu_ends_the_player(self):
        app, [song] = self.start_with_files({"song.ac3": 1})
        app.click("Play")
        self.wait_one_player_on(app, song)
        app.click_row(0, button=3)
        PopupMenu(self.env).click(STOP_ENTRY)
        self.assert_stopped(app)

    def test_removing_the_playing_row_stops_it_and_other_rows_do_not(self):
        app, [a, b, c] = self.start_with_files({"a.ac3": 1, "b.ac3": 2, "c.ac3": 3})
        app.select_row(1)
        app.click("Play")
        pid = self.wait_one_player_on(app, b)

        app.select_row(0)
        app.click("Remove")
        self.assertTrue(stays(lambda: app.players() == [pid], duration=1.0))
        self.assertEqual(app.caption(), playing_caption(b))

        app.select_row(0)  # b, now first
        app.click("Remove")
        self.assert_stopped(app)
        self.assertEqual([r[0] for r in app.rows()], ["c.ac3"])

    def test_a_missing_player_is_reported(self):
        app, [song] = self.start_with_files({"song.ac3": 1}, player=False)
        app.click("Play")
        box = app.wait_box("Error")
        self.assertEqual(box["texts"], ["Cannot open mplayer.exe."])
        self.assertEqual(box["icon"], "error")
        self.assertEqual(box["owner"], app.hwnd)
        app.dismiss_box("Error")
        app.wait_caption(IDLE_CAPTION)
        self.assertEqual(app.players(), [])

    def test_play_and_stop_release_their_handles(self):
        app, [song] = self.start_with_files({"song.ac3": 1})
        app.select_row(0)

        def cycle():
            app.keys("ctrl+p")
            wait_for(lambda: len(app.players()) == 1, what="a player")
            app.keys("ctrl+s")
            app.wait_players(0)

        cycle()
        before = self.env.probe.handle_count(app.pid)
        for _ in range(10):
            cycle()
        self.assertLessEqual(self.env.probe.handle_count(app.pid), before + 2)


class PlantedDlls(PlaybackTestCase):
    def plant(self, folder):
        """Marker DLLs beside the program and, under Wine, Windows' search
        order for them (the program's folder first) instead of Wine's."""
        marker = os.path.join(self.env.win64_dir, "tests/e2e/programs/UxTheme.dll")
        for name in PLANTED_DLLS:
            shutil.copy(marker, os.path.join(folder, name))
        if ON_WINDOWS:
            return
        for name in PLANTED_DLLS:
            self.env.prefix.set_registry(OVERRIDES_KEY, name.removesuffix(".dll"),
                                         "REG_SZ", "native,builtin")
        self.addCleanup(self.env.prefix.run, ["wine", "reg", "delete", OVERRIDES_KEY, "/f"])

    def test_dlls_beside_the_program_are_never_loaded(self):
        [song] = self.env.audio_files({"song.ac3": 1})
        folder = self.env.program_folder()
        self.plant(folder)
        app = Sonvella(self.env, folder)
        self.addCleanup(app.stop)
        app.click("Open...")
        app.dismiss_box("Open", key="Escape")
        app.open_files([song])
        app.click("Play")
        self.wait_one_player_on(app, song)
        self.assertEqual([n for n in os.listdir(folder) if n.endswith(".loaded")], [])


class ShortcutsNeedTheList(PlaybackTestCase):
    def test_shortcuts_act_only_while_the_list_has_the_focus(self):
        app, [song] = self.start_with_files({"song.ac3": 1})
        # The file dialog gave the focus back to "Open...".
        wait_for(lambda: app.focused_control() == "Open...", what="focus on Open...")
        app.keys("ctrl+p")
        app.keys("ctrl+o")
        self.assertTrue(stays(lambda: not app.players() and not app.boxes(),
                              duration=1.5))

        app.click("Play")
        pid = self.wait_one_player_on(app, song)
        app.keys("Tab")  # from Play to Stop
        app.keys("ctrl+s")
        self.assertTrue(stays(lambda: app.players() == [pid], duration=1.5))

        app.select_row(0)
        app.keys("ctrl+shift+s")
        app.keys("ctrl+alt+s")
        self.assertTrue(stays(lambda: app.players() == [pid], duration=1.5))
        app.keys("ctrl+s")
        self.assert_stopped(app)

    def test_the_focus_comes_back_after_every_window_above_the_main_one(self):
        # The pointer rests where a person leaves it, over the list, and each
        # closing window uncovers the list under it: the list's hover must
        # not take the focus then.
        app, [first, _] = self.start_with_files({"a.ac3": 1, "b.ac3": 2})
        added = self.env.audio_files({f"new{i}.ac3": 1 for i in range(5)},
                                     folder="more music")
        open_button = centre(app.control("Open...")["rect"])

        def rest(move, rows):
            """Moves the pointer onto the list; its hover gives the list the
            focus and selects `rows`, and the pointer stays there."""
            def state():
                return app.selected_rows() == rows and \
                    app.focused_control() == LIST_CLASS

            move()
            wait_for(state, what=f"the list focused with rows {rows} selected")
            self.assertTrue(stays(state))  # the hover time passes

        def on_first_row():
            rest(lambda: app.input.hover(*app.row_centre(0)), [0])

        def tab_to(control, tabs):
            app.keys(*["Tab"] * tabs)
            wait_for(lambda: app.focused_control() == control, what=f"Tab to {control}")

        def box(caption, *keys):
            app.keys(*keys)
            if caption == "About":  # Shift+F10 opened the menu
                PopupMenu(self.env).press(app.hwnd, "a")
            app.dismiss_box(caption)

        def remove_with_nothing_selected():
            rest(app.click_below_rows, [])  # the click clears the selection
            tab_to("Remove", 2)
            box("Information", "space")

        def about():
            on_first_row()
            box("About", "shift+F10")

        def open_from_keyboard(name):
            on_first_row()
            tab_to("Open...", 1)
            app.open_files([name], trigger=lambda: app.keys("space"))

        def open_clicked(name):
            app.open_files([name], trigger=lambda: app.input.click(*open_button))

        def open_from_list(name):
            on_first_row()
            app.open_files([name], trigger=lambda: app.keys("ctrl+o"))

        steps = [  # (what, action, focused afterwards, what Ctrl+P then plays)
            ("Remove", remove_with_nothing_selected, "Remove", None),
            ("Remove again", lambda: box("Information", "space"), "Remove", None),
            ("About", about, LIST_CLASS, first),
            ("About again", lambda: box("About", "shift+F10"), LIST_CLASS, first),
            *[(f"Open {i + 1} from the keyboard",
               lambda i=i: open_from_keyboard(added[i]), "Open...", None)
              for i in range(3)],
            ("Open clicked", lambda: open_clicked(added[3]), "Open...", None),
            ("Ctrl+O", lambda: open_from_list(added[4]), LIST_CLASS, added[4]),
        ]
        for what, action, focused, played in steps:
            with self.subTest(what):
                action()
                wait_for(lambda: app.focused_control() == focused,
                         what=f"the focus back on {focused}")
                self.assertTrue(stays(lambda: app.focused_control() == focused),
                                f"{app.focused_control()} took the focus")
                app.keys("ctrl+p")
                if played:
                    self.wait_one_player_on(app, played)
                    app.keys("ctrl+s")
                    self.assert_stopped(app)
                else:
                    self.assertTrue(stays(lambda: not app.players() and not app.boxes()))


if __name__ == "__main__":
    unittest.main()
