"""Start-up: the idle window, its layout at 96, 120 and 144 pixels per
inch and when it moves between screens of 96 and 144, its styles, keyboard
focus order and resizing."""

import unittest

from harness import SonvellaTestCase, wait_for

IDLE_CAPTION = "Sonvella - sonvella.example.org"
BUTTONS = ["Open...", "Remove", "Play", "Stop", "Close"]

# The layout as drawn at 120 ppi, where the digit 0 is 16 pixels high:
# control -> (left, top, width, height).
DESIGN_CONTROLS = {
    "list": (8, 8, 586, 258),
    "Open...": (8, 272, 80, 25),
    "Remove": (94, 272, 80, 25),
    "Play": (188, 272, 80, 25),
    "Stop": (274, 272, 80, 25),
    "Close": (514, 272, 80, 25),
}
DESIGN_CLIENT = (602, 305)
COLUMNS = [("AC3 Files", 180), ("File Size", 80), ("File Path", 280)]

# Window, list and button styles.
WS_THICKFRAME, WS_SYSMENU = 0x00040000, 0x00080000
WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_TABSTOP = 0x00020000, 0x00010000, 0x00010000
WS_EX_CLIENTEDGE = 0x200
LVS_TYPEMASK, LVS_REPORT, LVS_SINGLESEL = 0x3, 0x1, 0x4
LVS_SHOWSELALWAYS, LVS_EDITLABELS = 0x8, 0x200
LVS_EX_GRIDLINES, LVS_EX_TRACKSELECT, LVS_EX_FULLROWSELECT = 0x1, 0x8, 0x20
LVS_EX_ONECLICKACTIVATE, LVS_EX_TWOCLICKACTIVATE = 0x40, 0x80
LVS_EX_UNDERLINEHOT = 0x800 | 0x1000
BS_TYPEMASK, BS_DEFPUSHBUTTON = 0xF, 0x1


def mul_div(value, numerator, denominator):
    """MulDiv: value * numerator / denominator rounded half away from 0."""
    return (2 * value * numerator + denominator) // (2 * denominator)


def relative(rect, origin):
    left, top, right, bottom = rect
    return [left - origin[0], top - origin[1], right - origin[0], bottom - origin[1]]


class LayoutAtPpi:
    """Checks run at the class's ppi."""

    def expected_scale(self):
        """The digit height the layout is scaled by: that of the window's
        font, 14 pixels at 120 ppi, at this ppi."""
        font_height = mul_div(14, self.ppi, 120)
        return self.env.probe.metrics("MS Sans Serif", font_height)["digitHeight"]

    def test_starts_idle_with_an_empty_focused_list(self):
        app = self.start()
        window = app.dump()
        self.assertEqual(window["text"], IDLE_CAPTION)
        listed = app.list_control(window)
        self.assertEqual(listed["list"]["count"], 0)
        self.assertEqual([c["text"] for c in listed["list"]["columns"]],
                         [caption for caption, _ in COLUMNS])
        wait_for(lambda: app.focused_control() == "SysListView32",
                 what="the list to get the focus")
        self.assertEqual(app.players(), [])
        self.assertEqual(app.boxes(), [])

    def test_layout_keeps_its_proportions_to_the_font(self):
        digit = self.expected_scale()
        scale = (lambda v: v) if digit == 16 else (lambda v: mul_div(v, digit, 16))
        app = self.start()
        window = app.dump()
        left, top, right, bottom = window["client"]
        self.assertEqual([right - left, bottom - top],
                         [scale(v) for v in DESIGN_CLIENT])

        controls = {"list": app.list_control(window)}
        controls.update({name: app.control(name, window) for name in BUTTONS})
        for name, (x, y, width, height) in DESIGN_CONTROLS.items():
            with self.subTest(control=name):
                self.assertEqual(
                    relative(controls[name]["rect"], (left, top)),
                    [scale(x), scale(y), scale(x + width), scale(y + height)])
        self.assertEqual(
            [c["width"] for c in controls["list"]["list"]["columns"]],
            [scale(width) for _, width in COLUMNS])

    def test_window_is_centred_on_the_screen(self):
        app = self.start()
        screen = self.env.probe.metrics("MS Sans Serif", 14)
        left, top, right, bottom = app.dump()["rect"]
        self.assertEqual(
            [left, top],
            [max((screen["width"] - (right - left)) // 2, screen["desktop"][0]),
             max((screen["height"] - (bottom - top)) // 2, screen["desktop"][1])])


class LayoutAt96Ppi(LayoutAtPpi, SonvellaTestCase):
    ppi = 96

    def test_font_is_smaller_than_designed(self):
        self.assertLess(self.expected_scale(), 16)


class LayoutAt120Ppi(LayoutAtPpi, SonvellaTestCase):
    ppi = 120

    def test_font_is_as_designed(self):
        self.assertEqual(self.expected_scale(), 16)


class LayoutAt144Ppi(LayoutAtPpi, SonvellaTestCase):
    ppi = 144

    def test_font_is_larger_than_designed(self):
        self.assertGreater(self.expected_scale(), 16)


def layout_figures(app):
    """What the layout decides: the client size, each control's rectangle
    in the client area, the column widths and, for the font, the height of
    the list's header."""
    window = app.dump()
    left, top, right, bottom = window["client"]
    listed = app.list_control(window)
    controls = {"list": listed}
    controls.update({name: app.control(name, window) for name in BUTTONS})
    figures = {name: relative(control["rect"], (left, top))
               for name, control in controls.items()}
    header = listed["list"]["header"]
    figures.update(client=[right - left, bottom - top],
                   columns=[c["width"] for c in listed["list"]["columns"]],
                   header=[header[3] - header[1]])
    return figures


class DensityChange(SonvellaTestCase):
    """The window moved to a screen of another density, as Windows 10 tells
    it: the probe asks for the new size, then announces the density with a
    rectangle of that size."""

    ppi = 96

    def fresh_layout(self, ppi):
        self.env.set_ppi(ppi)
        app = self.start()
        figures = layout_figures(app)
        app.stop()
        return figures

    def change(self, app, ppi):
        answer = self.env.probe.call("density", app.hwnd, ppi)
        self.assertTrue(answer["answered"], "the window gave no size")
        return answer["gdiObjects"]

    def assert_within_a_pixel(self, figures, expected):
        self.assertEqual(figures.keys(), expected.keys())
        for name, values in expected.items():
            with self.subTest(figure=name):
                self.assertEqual(len(figures[name]), len(values))
                for got, wanted in zip(figures[name], values):
                    self.assertLessEqual(abs(got - wanted), 1,
                                         (figures[name], values))

    def test_lays_out_as_a_fresh_start_and_keeps_rows_and_selection(self):
        fresh = {ppi: self.fresh_layout(ppi) for ppi in (144, 96)}
        app = self.start()
        app.open_files(self.env.audio_files({"a.ac3": 1000, "b.ac3": 2000}))
        app.select_row(1)
        rows = app.rows()

        self.change(app, 144)
        self.assert_within_a_pixel(layout_figures(app), fresh[144])
        first_objects = self.change(app, 96)
        back = layout_figures(app)
        self.assert_within_a_pixel(back, fresh[96])

        for _ in range(9):
            self.change(app, 144)
            objects = self.change(app, 96)
        self.assertEqual(layout_figures(app), back, "the layout drifted")
        self.assertGreater(first_objects, 0)
        self.assertLessEqual(objects, first_objects, "GDI objects grew")
        self.assertEqual(app.rows(), rows)
        self.assertEqual(app.selected_rows(), [1])
        self.assertEqual(app.focused_control(), "SysListView32")
        self.assertEqual(app.caption(), IDLE_CAPTION)


class WindowAndControls(SonvellaTestCase):
    def test_window_frame_and_list_settings(self):
        app = self.start()
        window = app.dump()
        for flag in (WS_THICKFRAME, WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX):
            self.assertTrue(window["style"] & flag, hex(flag))

        listed = app.list_control(window)
        self.assertEqual(listed["style"] & LVS_TYPEMASK, LVS_REPORT)
        self.assertTrue(listed["style"] & LVS_SINGLESEL)
        self.assertFalse(listed["style"] & (LVS_SHOWSELALWAYS | LVS_EDITLABELS))
        self.assertTrue(listed["exStyle"] & WS_EX_CLIENTEDGE)
        extended = listed["list"]["extendedStyle"]
        for flag in (LVS_EX_GRIDLINES, LVS_EX_TRACKSELECT, LVS_EX_FULLROWSELECT):
            self.assertTrue(extended & flag, hex(flag))
        for flag in (LVS_EX_ONECLICKACTIVATE, LVS_EX_TWOCLICKACTIVATE,
                     LVS_EX_UNDERLINEHOT):
            self.assertFalse(extended & flag, hex(flag))

        for name in BUTTONS:
            button = app.control(name, window)
            self.assertNotEqual(button["style"] & BS_TYPEMASK, BS_DEFPUSHBUTTON,
                                f"{name} is a default button")

    def test_tab_and_arrows_move_through_the_controls_in_order(self):
        app = self.start()
        order = ["SysListView32", *BUTTONS]
        wait_for(lambda: app.focused_control() == order[0],
                 what="the list to get the focus")
        for expected in order[1:] + order[:1]:
            app.keys("Tab")
            wait_for(lambda: app.focused_control() == expected,
                     what=f"Tab to reach {expected}")
        app.keys("shift+Tab")
        wait_for(lambda: app.focused_control() == "Close",
                 what="Shift+Tab to wrap round to Close")
        app.keys("Left")
        wait_for(lambda: app.focused_control() == "Stop",
                 what="Left to move back to Stop")
        app.keys("Down")
        wait_for(lambda: app.focused_control() == "Close",
                 what="Down to move on to Close")

    def test_resizing_grows_the_list_and_keeps_buttons_at_their_edges(self):
        app = self.start()
        before = app.dump()
        right, bottom = before["rect"][2], before["rect"][3]
        dx, dy = 120, 80
        # Drags the lower right corner of the frame Wine draws.
        self.env.input.move(right - 2, bottom - 2)
        self.env.input.drag_to(right - 2 + dx, bottom - 2 + dy)
        self.env.input.park()
        wait_for(lambda: app.dump()["rect"] != before["rect"],
                 what="the window to grow")
        after = app.dump()
        self.assertEqual([after["rect"][2] - right, after["rect"][3] - bottom],
                         [dx, dy])

        def moved(name):
            def rect(window):
                control = (app.list_control(window) if name == "list"
                           else app.control(name, window))
                return control["rect"]
            return [new - old for new, old in zip(rect(after), rect(before))]

        self.assertEqual(moved("list"), [0, 0, dx, dy])
        for name in BUTTONS[:4]:
            self.assertEqual(moved(name), [0, dy, 0, dy], name)
        self.assertEqual(moved("Close"), [dx, dy, dx, dy])

if __name__ == "__main__":
    unittest.main()
