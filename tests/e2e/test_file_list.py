"""The file list: adding files through the real file-open dialog, and the
rules of Remove."""

import unittest

from harness import SonvellaTestCase, stays, wait_for
from harness.popup_menu import PopupMenu

SELECT_TEXT = "Please select an AC3 audio file."
KIB, MIB, GIB = 1024, 1024 ** 2, 1024 ** 3
WS_VSCROLL = 0x00200000


def split(full_name):
    cut = full_name.rindex("\\") + 1
    return full_name[cut:], full_name[:cut]


def row(full_name, size_text):
    name, directory = split(full_name)
    return [name, size_text, directory]


class OpeningFiles(SonvellaTestCase):
    def test_chosen_files_are_listed_in_order_with_size_and_directory(self):
        sizes = {"empty.ac3": 0, "small.ac3": 1536, "exact.ac3": 1024,
                 "over.ac3": 1025, "mebi.ac3": MIB + 1, "half.ac3": 3 * MIB + MIB // 2,
                 "huge.ac3": 5 * GIB}
        files = dict(zip(sizes, self.env.audio_files(sizes, folder="my music")))
        missing = split(files["empty.ac3"])[1] + "missing.ac3"
        app = self.start()

        app.open_files([files["small.ac3"], files["empty.ac3"], missing])
        self.assertEqual(app.rows(), [row(files["small.ac3"], "1.5 KB"),
                                      row(files["empty.ac3"], " bytes"),
                                      row(missing, "-1 bytes")])
        self.assertEqual(app.selected_rows(), [2])
        self.assertEqual(app.focused_control(), "Open...", "focus back where it was")

        app.open_files([files[n] for n in ("exact.ac3", "over.ac3", "mebi.ac3",
                                           "half.ac3", "huge.ac3")])
        self.assertEqual([r[1] for r in app.rows()[3:]],
                         ["1024 bytes", "1 KB", "1 MB", "3.5 MB", "5 GB"])
        self.assertEqual(app.selected_rows(), [7])

    def test_files_of_two_folders_come_in_the_dialogs_order(self):
        # Sonvella names the chosen files folder by folder; the rows still
        # follow the dialog, each with its own folder.
        a1, a2 = self.env.audio_files({"one.ac3": 1, "two.ac3": 2}, folder="first")
        b1, b2 = self.env.audio_files({"one.ac3": 3, "two.ac3": 4}, folder="second")
        app = self.start()
        app.open_files([a1, b1, a2, b2])
        self.assertEqual(app.rows(), [row(a1, "1 bytes"), row(b1, "3 bytes"),
                                      row(a2, "2 bytes"), row(b2, "4 bytes")])
        self.assertEqual(app.selected_rows(), [3])

    def test_more_files_than_fit_bring_the_scroll_bar(self):
        # Open holds the list's repainting while it adds rows; the scroll bar
        # shows only once the hold has been released.
        names = self.env.audio_files({f"t{i:02d}.ac3": 100 + i for i in range(24)})
        app = self.start()
        self.assertFalse(app.list_control()["style"] & WS_VSCROLL)
        app.open_files(names)
        self.assertEqual(len(app.rows()), 24)
        wait_for(lambda: app.list_control()["style"] & WS_VSCROLL,
                 what="the list's vertical scroll bar")

    def test_a_listed_file_is_skipped_and_the_selection_kept(self):
        first, second, third = self.env.audio_files(
            {"one.ac3": 10, "two.ac3": 20, "three.ac3": 30})
        app = self.start()
        app.open_files([first, second])
        app.select_row(0)

        app.open_files([second])
        self.assertEqual(app.rows(), [row(first, "10 bytes"), row(second, "20 bytes")])
        self.assertEqual(app.selected_rows(), [0])

        # Also a name given twice in one dialog is added once.
        app.open_files([third, third, first])
        self.assertEqual([r[0] for r in app.rows()], ["one.ac3", "two.ac3", "three.ac3"])
        self.assertEqual(app.selected_rows(), [2])

    def test_names_differing_only_in_case_are_different_files(self):
        lower, upper = self.env.audio_files({"song.ac3": 1536, "SONG.ac3": 2048})
        app = self.start()
        app.open_files([lower])
        app.open_files([upper])
        self.assertEqual([r[0] for r in app.rows()], ["song.ac3", "SONG.ac3"])
        self.assertEqual(app.selected_rows(), [1])

    def test_cancelling_the_dialog_changes_nothing(self):
        [song] = self.env.audio_files({"song.ac3": 1})
        app = self.start()
        app.open_files([song])
        app.click("Open...")
        app.input.key(app.wait_dialog("Open"), "Escape")
        wait_for(lambda: not app.boxes(), what="the dialog to close")
        self.assertEqual(app.rows(), [row(song, "1 bytes")])
        self.assertEqual(app.selected_rows(), [0])

    def test_ctrl_o_and_the_menu_entry_open_the_dialog(self):
        first, second = self.env.audio_files({"a.ac3": 1, "b.ac3": 2})
        app = self.start()
        app.open_files([first], trigger=lambda: app.keys("ctrl+o"))
        self.assertEqual(app.focused_control(), "SysListView32")

        def from_menu():
            app.click_row(0, button=3)
            PopupMenu(self.env).click(0)

        app.open_files([second], trigger=from_menu)
        self.assertEqual([r[0] for r in app.rows()], ["a.ac3", "b.ac3"])


class RemovingFiles(SonvellaTestCase):
    def test_removing_moves_the_selection_to_a_neighbour(self):
        a, b, c, d = self.env.audio_files(
            {"a.ac3": 1, "b.ac3": 2, "c.ac3": 3, "d.ac3": 4})
        app = self.start()
        app.open_files([a, b, c])

        app.select_row(1)
        app.click("Remove")
        self.assertEqual([r[0] for r in app.rows()], ["a.ac3", "c.ac3"])
        self.assertEqual(app.selected_rows(), [1], "the row that was third")

        app.open_files([d])  # selects the new last row
        app.click("Remove")
        self.assertEqual([r[0] for r in app.rows()], ["a.ac3", "c.ac3"])
        self.assertEqual(app.selected_rows(), [1], "the new last row")

        app.click("Remove")
        app.click("Remove")
        self.assertEqual(app.rows(), [])
        self.assertEqual(app.selected_rows(), [])

    def test_remove_without_a_selection_asks_for_a_file(self):
        a, b = self.env.audio_files({"a.ac3": 1, "b.ac3": 2})
        app = self.start()
        app.open_files([a, b])
        app.focus_list()  # the click on empty space clears the selection
        self.assertEqual(app.selected_rows(), [])

        app.click("Remove")
        box = app.wait_box("Information")
        self.assertEqual(box["texts"], [SELECT_TEXT])
        self.assertEqual(box["icon"], "information")
        self.assertEqual([b["text"] for b in box["buttons"]], ["OK"])
        self.assertEqual(box["owner"], app.hwnd)
        app.dismiss_box("Information")
        self.assertEqual(len(app.rows()), 2)
        self.assertEqual(app.selected_rows(), [])

    def test_remove_on_an_empty_list_shows_nothing(self):
        app = self.start()
        app.click("Remove")
        self.assertTrue(stays(lambda: not app.boxes(), duration=1.5))

    def test_the_row_under_a_resting_pointer_is_the_one_removed(self):
        a, b, c = self.env.audio_files({"a.ac3": 1, "b.ac3": 2, "c.ac3": 3})
        app = self.start()
        app.open_files([a, b, c])
        app.input.hover(*app.row_centre(0))
        wait_for(lambda: app.selected_rows() == [0], what="hover to select row 0")
        app.input.park()
        app.click("Remove")
        self.assertEqual([r[0] for r in app.rows()], ["b.ac3", "c.ac3"])

    def test_remove_from_the_menu_acts_on_the_row_clicked(self):
        a, b = self.env.audio_files({"a.ac3": 1, "b.ac3": 2})
        app = self.start()
        app.open_files([a, b])
        app.click_row(0, button=3)
        PopupMenu(self.env).click(1)
        wait_for(lambda: len(app.rows()) == 1, what="a row removed")
        self.assertEqual([r[0] for r in app.rows()], ["b.ac3"])


if __name__ == "__main__":
    unittest.main()
