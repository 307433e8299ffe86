"""A private Xvfb display: the screen the programs show on under Linux."""

import os
import subprocess


class VirtualDisplay:
    """Xvfb on the first free display number (chosen by Xvfb -displayfd).

    Its size is that of GitHub's Windows runners' screen, so that what fits
    here fits there. Use as a context manager or call stop(); stop() ends
    only this Xvfb, by its PID.
    """

    def __init__(self, width=1024, height=768):
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
