"""One running Sonvella.exe, driven and read from outside."""

import glob
import json
import os
import shutil

from .host import windows_path
from .waiting import WaitTimeout, stays, wait_for

HTCLOSE = 20  # WM_NCHITTEST answer for the close box
LIST_CLASS = "SysListView32"
PLAYER_EXE = "mplayer.exe"


def centre(rect):
    left, top, right, bottom = rect
    return (left + right) // 2, (top + bottom) // 2


class Sonvella:
    """Starts Sonvella.exe from `folder` and finds its window.

    Reading goes through probe.exe (window texts, the list's rows and
    columns, message boxes, processes, pixels), and so does acting (keys,
    clicks, typing into the real file dialog, with SendInput). stop() ends
    the program and any player it left behind, by their ids.
    """

    def __init__(self, env, folder):
        self.env, self.folder = env, folder
        self.probe, self.input = env.probe, env.input
        self.log_path = os.path.join(os.path.dirname(folder), "sonvella.log")
        running = set(self.probe.pids_of("Sonvella.exe"))
        # Started from elsewhere, so the program must find its own folder.
        self.process = env.prefix.start(
            [os.path.join(folder, "Sonvella.exe")], self.log_path,
            cwd=env.prefix.root)
        try:
            self.pid = wait_for(
                lambda: self._one(set(self.probe.pids_of("Sonvella.exe")) - running),
                timeout=30, what="the Sonvella process")
            self.hwnd = wait_for(self._main_window, timeout=30,
                                 what="the main window")
            # As for a person who started it: Windows may leave a program
            # started from the background behind the foreground window.
            self.input.focus(self.hwnd)
        except BaseException:
            self.stop()
            raise

    @staticmethod
    def _one(items):
        items = list(items)
        return items[0] if len(items) == 1 else None

    def _main_window(self):
        for window in self.probe.windows(self.pid):
            if window["visible"] and window["owner"] == 0 and \
                    window["class"] not in ("#32770", "IME"):
                return window["hwnd"]
        return None

    # Reading the window

    def dump(self):
        return self.probe.window(self.hwnd)

    def caption(self):
        return self.dump()["text"]

    def wait_caption(self, caption, timeout=10):
        try:
            wait_for(lambda: self.caption() == caption, timeout=timeout)
        except WaitTimeout:
            raise WaitTimeout(f"the caption is {self.caption()!r}, "
                              f"not {caption!r}") from None

    def control(self, text, window=None):
        """The child control whose text is `text`."""
        window = window or self.dump()
        matches = [c for c in window["children"] if c["text"] == text]
        assert len(matches) == 1, f"{len(matches)} controls named {text!r}"
        return matches[0]

    def list_control(self, window=None):
        window = window or self.dump()
        return next(c for c in window["children"] if c["class"] == LIST_CLASS)

    def list(self):
        return self.list_control()["list"]

    def rows(self):
        """The list's rows as [caption, size, directory] lists."""
        return [row["texts"] for row in self.list()["rows"]]

    def selected_rows(self):
        return [i for i, row in enumerate(self.list()["rows"]) if row["selected"]]

    def focused_control(self):
        """The text of the focused control, or its class when it has none."""
        window = self.dump()
        for child in window["children"]:
            if child["hwnd"] == window["focus"]:
                return child["text"] or child["class"]
        return None

    # Acting on it

    def keys(self, *keys):
        self.input.key(self.hwnd, *keys)

    def click(self, text):
        self.input.click(*centre(self.control(text)["rect"]))
        self.input.park()

    def row_centre(self, index):
        return centre(self.list()["rows"][index]["rect"])

    def click_row(self, index, button=1, repeat=1):
        self.input.click(*self.row_centre(index), button=button, repeat=repeat)

    def click_below_rows(self, button=1, repeat=1):
        """Clicks the empty part of the list under its last row."""
        info = self.list()
        left, top, right, bottom = self.list_control()["rect"]
        below = info["rows"][-1]["rect"][3] if info["rows"] else info["header"][3]
        self.input.click((left + right) // 2, (below + bottom) // 2,
                         button=button, repeat=repeat)

    def focus_list(self):
        """Gives the list the keyboard focus with a click on its empty part,
        which also clears the selection."""
        self.click_below_rows()
        self.input.park()
        wait_for(lambda: self.focused_control() == LIST_CLASS,
                 what="the list to have the focus")

    def select_row(self, index):
        """Selects a row by clicking it, then parks the pointer."""
        self.click_row(index)
        self.input.park()
        wait_for(lambda: self.selected_rows() == [index],
                 what=f"row {index} selected")

    def open_files(self, names, trigger=None, before_return=None):
        """Adds files through the real file-open dialog: types the quoted
        full names into it and presses Return.
        `trigger` opens the dialog (default: a click on "Open...");
        `before_return`, if given, runs after the names are typed."""
        (trigger or (lambda: self.click("Open...")))()
        dialog = self.wait_dialog("Open")
        self.type_checked(dialog, " ".join(f'"{name}"' for name in names))
        if before_return:
            before_return()
        self.input.key(dialog, "Return")
        wait_for(lambda: not self._dialogs("Open"), timeout=15,
                 what="the file dialog to close")
        wait_for(self._active_with_focus, what="the window active again after the dialog")

    def type_checked(self, hwnd, text, attempts=3):
        """Types into the window's focused box until it holds exactly
        `text`: typing is checked like every other action."""
        def typed():
            # Read by its handle: on Windows the name box is an edit field
            # inside a combo box, not a child of the dialog itself.
            focus = self.probe.window(hwnd)["focus"]
            return self.probe.window(focus)["text"] if focus else None

        def settled():
            # The keys are all queued at once; the box takes its time.
            now = typed()
            return now == text or stays(lambda: typed() == now)

        for _ in range(attempts):
            self.input.type(hwnd, text)
            wait_for(settled, timeout=120, what="the typed text to settle")
            if typed() == text:
                return
            self.input.key(hwnd, "ctrl+a", "BackSpace")
            wait_for(lambda: typed() == "", what="the box emptied")
        raise WaitTimeout(f"typed {text!r}, the box holds {typed()!r}")

    def _active_with_focus(self):
        window = self.dump()
        return window["active"] == self.hwnd and window["focus"] != 0

    def wait_dialog(self, caption, timeout=10):
        """The handle of this program's visible dialog `caption`."""
        dialog = wait_for(lambda: self._one(self._dialogs(caption)),
                          timeout=timeout, what=f"the dialog {caption!r}")
        return dialog["hwnd"]

    def _dialogs(self, caption):
        return [b for b in self.probe.boxes(self.pid) if b["text"] == caption]

    def boxes(self):
        return self.probe.boxes(self.pid)

    def wait_box(self, caption, timeout=10):
        """The message box `caption` once its icon is painted."""
        def painted():
            boxes = self._dialogs(caption)
            return boxes[0] if boxes and boxes[0]["icon"] != "unknown" else None
        return wait_for(painted, timeout=timeout,
                        what=f"the message box {caption!r}")

    def dismiss_box(self, caption, key="Return"):
        self.input.key(self.wait_dialog(caption), key)
        wait_for(lambda: not self._dialogs(caption),
                 what=f"the box {caption!r} to close")

    def close_box_point(self):
        area = self.probe.hit_test(self.hwnd, HTCLOSE)
        assert area, "the window has no close box"
        return area["x"], area["y"]

    # The player

    def players(self):
        """Windows ids of the player processes alive in the prefix."""
        return self.probe.pids_of(PLAYER_EXE)

    def wait_players(self, count, timeout=10):
        """The ids of the alive players once there are exactly `count`."""
        wait_for(lambda: len(self.players()) == count, timeout=timeout,
                 what=f"{count} player(s) alive")
        return self.players()

    def player_records(self):
        """What each started player wrote about itself, by its pid."""
        records = {}
        for path in glob.glob(os.path.join(self.folder, "stub-*.json")):
            with open(path, encoding="utf-8") as file:
                record = json.load(file)
            records[record["pid"]] = record
        return records

    def wait_record(self, pid, timeout=10):
        return wait_for(lambda: self.player_records().get(pid), timeout=timeout,
                        what=f"the record of player {pid}")

    def host_players(self):
        """The host's processes running this folder's player: under Wine the
        Linux processes behind the players, which must end with them."""
        return self.env.prefix.processes_running(
            windows_path(self.folder) + "\\" + PLAYER_EXE)

    def save_logs(self, folder):
        """Copies the program's output and its players' records to `folder`."""
        for path in [self.log_path, *glob.glob(os.path.join(self.folder, "stub-*.json"))]:
            if os.path.exists(path):
                shutil.copy(path, folder)

    # Ending

    def wait_exit(self, timeout=15):
        """The program's exit code once its process has ended."""
        return self.process.wait(timeout=timeout)

    def running(self):
        return self.process.poll() is None

    def stays_running(self, duration=1.0):
        return stays(self.running, duration)

    def stop(self):
        """Ends the program and every player still alive, by their ids."""
        if self.running():
            if hasattr(self, "pid"):
                self.probe.call("terminate", self.pid)
            try:
                self.process.wait(timeout=10)
            except Exception:
                self.process.kill()
                self.process.wait()
        for pid in self.players():
            self.probe.call("terminate", pid)
        self.input.park()
