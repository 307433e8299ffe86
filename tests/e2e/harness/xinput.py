"""Real X input with xdotool, the way a person types and clicks."""

import os
import re
import subprocess
import time


def ere_literal(text):
    """A POSIX extended regular expression matching exactly `text`."""
    return "^" + re.sub(r"([.\[\]{}()\\*+?^$|])", r"\\\1", text) + "$"


class XInput:
    """xdotool on one display.

    Without a window manager, X focus follows nothing: keys go to the window
    last given windowfocus, so every key() and type() names its window.
    """

    # Out of every window the tests open: resting the pointer on a list row
    # would select it.
    PARK = (5, 5)

    def __init__(self, display):
        self._env = dict(os.environ, DISPLAY=display.name)

    def _xdotool(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], env=self._env,
                              capture_output=True, text=True, timeout=30)

    def find(self, title):
        """X windows, mapped, whose title is exactly `title`."""
        result = self._xdotool("search", "--onlyvisible", "--name",
                               ere_literal(title))
        return [int(w) for w in result.stdout.split()]

    def focus(self, xid):
        self._xdotool("windowfocus", xid)
        time.sleep(0.05)

    def key(self, xid, *keys):
        self.focus(xid)
        self._xdotool("key", "--clearmodifiers", *keys)

    def type(self, xid, text):
        self.focus(xid)
        self._xdotool("type", "--clearmodifiers", "--delay", 20, text)

    def move(self, x, y):
        self._xdotool("mousemove", x, y)

    def hover(self, x, y):
        """Moves the pointer to (x, y) with a real motion event there."""
        self.move(x, y)
        time.sleep(0.05)
        self.move(x + 1, y)

    def click(self, x, y, button=1, repeat=1):
        self.move(x, y)
        time.sleep(0.05)
        self._xdotool("click", "--repeat", repeat, "--delay", 80, button)

    def drag_to(self, x, y, steps=5):
        """Drags with the left button from the pointer's place to (x, y)."""
        start = self._xdotool("getmouselocation", "--shell").stdout
        position = dict(line.split("=") for line in start.split())
        x0, y0 = int(position["X"]), int(position["Y"])
        self._xdotool("mousedown", 1)
        for step in range(1, steps + 1):
            time.sleep(0.05)
            self.move(x0 + (x - x0) * step // steps, y0 + (y - y0) * step // steps)
        time.sleep(0.1)
        self._xdotool("mouseup", 1)

    def park(self):
        self.move(*self.PARK)
