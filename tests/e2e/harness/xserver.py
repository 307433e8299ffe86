"""A private Xvfb display, and reading its pixels."""

import os
import subprocess


class VirtualDisplay:
    """Xvfb on the first free display number (chosen by Xvfb -displayfd).

    Use as a context manager or call stop(); stop() ends only this Xvfb, by
    its PID.
    """

    def __init__(self, width=1280, height=1024):
        self.width, self.height = width, height
        read_end, write_end = os.pipe()
        try:
            self._process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                 f"{width}x{height}x24", "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL)
            os.close(write_end)
            write_end = None
            with os.fdopen(read_end, "rb") as reader:
                read_end = None
                number = reader.readline().strip()
        finally:
            for fd in (read_end, write_end):
                if fd is not None:
                    os.close(fd)
        if not number:
            self.stop()
            raise RuntimeError("Xvfb did not report a display number")
        self.name = ":" + number.decode()

    def env(self):
        return {"DISPLAY": self.name}

    def rgb(self, left, top, width, height):
        """The pixels of a screen rectangle as rows of (r, g, b) tuples."""
        raw = subprocess.run(
            ["import", "-display", self.name, "-window", "root", "-crop",
             f"{width}x{height}+{left}+{top}", "-depth", "8", "rgb:-"],
            check=True, capture_output=True).stdout
        pixels = [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]
        return [pixels[row * width:(row + 1) * width] for row in range(height)]

    def screenshot(self, path, rect=None):
        """Saves the screen, or the [left, top, right, bottom] part, as PNG."""
        crop = []
        if rect is not None:
            left, top, right, bottom = rect
            crop = ["-crop", f"{right - left}x{bottom - top}+{left}+{top}"]
        subprocess.run(["import", "-display", self.name, "-window", "root",
                        *crop, "+repage", path], check=True)

    def stop(self):
        if self._process.poll() is None:
            self._process.terminate()
            try:
                self._process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()
