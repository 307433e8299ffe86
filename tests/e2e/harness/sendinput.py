"""Real keyboard and mouse input, given by probe.exe with SendInput."""

import time

# Key names as the tests spell them, X's names: "ctrl+p", "Return".
_NAMED_KEYS = {
    "BackSpace": 0x08, "Tab": 0x09, "Return": 0x0D, "shift": 0x10,
    "ctrl": 0x11, "alt": 0x12, "Escape": 0x1B, "space": 0x20, "End": 0x23,
    "Home": 0x24, "Left": 0x25, "Up": 0x26, "Right": 0x27, "Down": 0x28,
    "Delete": 0x2E, "Menu": 0x5D,
    **{f"F{number}": 0x6F + number for number in range(1, 13)},
}


def virtual_key(name):
    if name in _NAMED_KEYS:
        return _NAMED_KEYS[name]
    if len(name) == 1 and name.isascii() and name.isalnum():
        return ord(name.upper())
    raise ValueError(f"no key named {name!r}")


def strokes(*keys):
    """Virtual-key codes pressed (positive) and released (negative) for key
    chords such as "ctrl+shift+s": pressed in order, released in reverse."""
    codes = []
    for chord in keys:
        chord_codes = [virtual_key(name) for name in chord.split("+")]
        codes += chord_codes + [-code for code in reversed(chord_codes)]
    return codes


class Input:
    """Keys and text go to the window named, which the probe first brings
    to the front (and fails, saying why, if it cannot); the pointer moves
    and clicks at screen positions."""

    # Out of every window the tests open: resting the pointer on a list row
    # would select it.
    PARK = (5, 5)

    def __init__(self, probe):
        self._probe = probe

    def focus(self, hwnd):
        self._probe.call("keys", hwnd)

    def key(self, hwnd, *keys):
        self._probe.call("keys", hwnd, *strokes(*keys))

    def type(self, hwnd, text):
        self._probe.call("type", hwnd, text)

    def move(self, x, y):
        self._probe.call("move", x, y)

    def hover(self, x, y):
        """Moves the pointer to (x, y) with a real motion event there."""
        self.move(x, y)
        time.sleep(0.05)
        self.move(x + 1, y)

    def click(self, x, y, button=1, repeat=1):
        self._probe.call("click", x, y, button, repeat)

    def drag_to(self, x, y, steps=5):
        """Drags with the left button from the pointer's place to (x, y)."""
        start = self._probe.call("cursor")
        x0, y0 = start["x"], start["y"]
        self._probe.call("button", 1, "down")
        for step in range(1, steps + 1):
            time.sleep(0.05)
            self.move(x0 + (x - x0) * step // steps, y0 + (y - y0) * step // steps)
        time.sleep(0.1)
        self._probe.call("button", 1, "up")

    def park(self):
        self.move(*self.PARK)
