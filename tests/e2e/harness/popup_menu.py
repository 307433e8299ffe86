"""Finds the entries of an open popup menu on screen.

The menu's entries belong to the program's process and cannot be read from
another one, so they are read the way a person sees them: rows of ink are
entries, a thin line drawn across the menu is a separator.
"""

from collections import Counter

from .waiting import wait_for

TEXT, SEPARATOR = "text", "separator"


def _is_ink(pixel, background):
    return sum(abs(a - b) for a, b in zip(pixel, background)) > 120


def _runs(labels):
    """[(label, first, last)] for each run of equal labels."""
    runs, start = [], 0
    for y in range(1, len(labels) + 1):
        if y == len(labels) or labels[y] != labels[start]:
            runs.append((labels[start], start, y - 1))
            start = y
    return runs


def entries_in(pixels):
    """[(kind, y)] from the top, y the entry's centre row in the image.

    Rows covered over most of the width are a separator when at most three
    of them follow each other, else the highlighted entry. Rows with ink are
    text; runs of text one or two rows apart (the dot of an i) are one entry.
    """
    background = Counter(p for row in pixels for p in row).most_common(1)[0][0]
    labels = []
    for row in pixels:
        inner = row[4:-4]
        if inner and sum(p != background for p in inner) > 0.8 * len(inner):
            labels.append("line")
        elif any(_is_ink(p, background) for p in inner):
            labels.append(TEXT)
        else:
            labels.append(None)
    entries = []  # [kind, first, last, label]
    for label, first, last in _runs(labels):
        if label is None:
            continue
        if label == TEXT and entries and entries[-1][3] == TEXT and \
                first - entries[-1][2] <= 2:
            entries[-1][2] = last
            continue
        kind = SEPARATOR if label == "line" and last - first < 3 else TEXT
        entries.append([kind, first, last, label])
    return [(kind, (first + last) // 2) for kind, first, last, _ in entries]


class PopupMenu:
    """The popup menu on screen: its window rect and its entries."""

    def __init__(self, env):
        self._env = env
        menu = wait_for(lambda: env.probe.call("menus"), what="a popup menu")[0]
        self.rect = menu["rect"]
        left, top, right, bottom = self.rect
        # Only once the menu is fully painted do its entries stop changing.
        self.entries = wait_for(self._stable_entries, what="the menu painted")

    def _read(self):
        left, top, right, bottom = self.rect
        # The menu's own frame is left out.
        pixels = self._env.probe.pixels(left + 2, top + 2, right - left - 4,
                                        bottom - top - 4)
        return [(kind, y + top + 2) for kind, y in entries_in(pixels)]

    def _stable_entries(self):
        first = self._read()
        return first if first and first == self._read() else None

    def layout(self):
        """The kinds of the entries from the top: "text" or "separator"."""
        return [kind for kind, _ in self.entries]

    def click(self, index):
        """Clicks the index-th text entry (separators are not counted)."""
        rows = [y for kind, y in self.entries if kind == TEXT]
        left, _, right, _ = self.rect
        self._env.input.click((left + right) // 2, rows[index])
        self._env.input.park()

    def press(self, hwnd, key):
        """Types a key while the menu is open, into its window `hwnd`."""
        self._env.input.key(hwnd, key)

    @staticmethod
    def is_open(env):
        return bool(env.probe.call("menus"))
