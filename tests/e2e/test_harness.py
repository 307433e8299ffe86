"""The harness's own reading of the screen and spelling of keys, without
Wine."""

import unittest

from harness.popup_menu import SEPARATOR, TEXT, entries_in
from harness.sendinput import strokes

BACK, INK, LINE, LIGHT, HIGHLIGHT = (240,) * 3, (0,) * 3, (160,) * 3, (255,) * 3, (10, 36, 106)
WIDTH = 40


def picture(rows):
    """A menu image from one letter per row: . empty, t text, i the dot of an
    i, - and = the two lines of a separator, h a highlighted row."""
    drawn = {
        ".": [BACK] * WIDTH,
        "t": [BACK] * 8 + [INK] * 12 + [BACK] * (WIDTH - 20),
        "i": [BACK] * 9 + [INK] + [BACK] * (WIDTH - 10),
        "-": [BACK] * 2 + [LINE] * (WIDTH - 4) + [BACK] * 2,
        "=": [BACK] * 2 + [LIGHT] * (WIDTH - 4) + [BACK] * 2,
        "h": [BACK] + [HIGHLIGHT] * (WIDTH - 2) + [BACK],
    }
    return [drawn[kind] for kind in rows]


class MenuEntriesOnScreen(unittest.TestCase):
    def test_entries_and_separators_are_told_apart_in_order(self):
        rows = "..tttt....-=....tttt......tttt...-=...tttt.."
        self.assertEqual([kind for kind, _ in entries_in(picture(rows))],
                         [TEXT, SEPARATOR, TEXT, TEXT, SEPARATOR, TEXT])

    def test_an_entry_is_clicked_in_its_middle(self):
        self.assertEqual(entries_in(picture("....tttttt....")), [(TEXT, 6)])

    def test_the_dot_of_an_i_belongs_to_its_entry(self):
        self.assertEqual(entries_in(picture("..i.tttt....tttt..")),
                         [(TEXT, 4), (TEXT, 13)])

    def test_a_highlighted_entry_is_an_entry_not_a_separator(self):
        rows = "..hhhhhhhhhhhh..tttt...-=...tttt.."
        self.assertEqual([kind for kind, _ in entries_in(picture(rows))],
                         [TEXT, TEXT, SEPARATOR, TEXT])


class KeysAsStrokes(unittest.TestCase):
    def test_a_chord_is_pressed_in_order_and_released_in_reverse(self):
        ctrl, shift, s_key = 0x11, 0x10, ord("S")
        self.assertEqual(strokes("ctrl+shift+s", "Return"),
                         [ctrl, shift, s_key, -s_key, -shift, -ctrl, 0x0D, -0x0D])


if __name__ == "__main__":
    unittest.main()
