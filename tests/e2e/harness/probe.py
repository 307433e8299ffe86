"""Talks to probe.exe, which reads other processes' windows and gives the
tests' keyboard and mouse input from the Windows side."""

import json
import os
import queue
import subprocess
import threading

from .png import write_png


class ProbeError(RuntimeError):
    pass


class Probe:
    """One long-running `probe.exe serve` where the programs run.

    Every method returns the decoded JSON answer. HWNDs are plain integers
    (the 32-bit handle values), PIDs are Windows process ids.
    """

    def __init__(self, prefix, probe_exe):
        self._prefix, self._exe = prefix, probe_exe
        self._process = self._answers = None

    def _ensure_started(self):
        if self._process is None or self._process.poll() is not None:
            self._process = subprocess.Popen(
                self._prefix.command([self._exe, "serve"]), env=self._prefix.env,
                stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                stderr=subprocess.DEVNULL)
            # Windows cannot wait on a pipe with a time-out; a thread reads.
            self._answers = queue.Queue()
            threading.Thread(target=_read_lines, daemon=True,
                             args=(self._process.stdout, self._answers)).start()

    def call(self, *args, timeout=30):
        self._ensure_started()
        line = "\t".join(str(a) for a in args) + "\n"
        try:
            self._process.stdin.write(line.encode())
            self._process.stdin.flush()
        except BrokenPipeError:
            self.stop()
            raise ProbeError(f"probe ended before {args!r}")
        answer = self._read_line(timeout)
        if not answer:
            self.stop()
            raise ProbeError(f"no answer from the probe to {args!r}")
        value = json.loads(answer)
        if isinstance(value, dict) and "error" in value:
            raise ProbeError(f"{args!r}: {value['error']}")
        return value

    def _read_line(self, timeout):
        try:
            return self._answers.get(timeout=timeout)
        except queue.Empty:
            return b""

    def windows(self, pid):
        return self.call("windows", pid)

    def window(self, hwnd):
        return self.call("window", hwnd)

    def boxes(self, pid):
        return self.call("boxes", pid)

    def handle_count(self, pid):
        return self.call("handles", pid)["count"]

    def processes(self):
        return self.call("processes")

    def metrics(self, face, character_height):
        return self.call("metrics", face, character_height)

    def hit_test(self, hwnd, code):
        return self.call("hittest", hwnd, code)

    def screen(self, left, top, width, height):
        """The screen's pixels in a rectangle: three bytes each, by rows."""
        return bytes.fromhex(self.call("pixels", left, top, width, height)["rgb"])

    def pixels(self, left, top, width, height):
        """The same as rows of (r, g, b) tuples."""
        raw = self.screen(left, top, width, height)
        stride = width * 3
        return [[tuple(raw[at:at + 3]) for at in range(row * stride, (row + 1) * stride, 3)]
                for row in range(height)]

    def screenshot(self, path, rect=None):
        """Saves the screen, or its [left, top, right, bottom] part, as PNG."""
        left, top, right, bottom = rect or self.metrics("MS Sans Serif", 14)["desktop"]
        width, height = right - left, bottom - top
        write_png(path, width, height, self.screen(left, top, width, height))

    def pids_of(self, exe_name):
        return [p["pid"] for p in self.processes()
                if p["exe"].lower() == exe_name.lower()]

    def stop(self):
        if self._process is not None:
            if self._process.poll() is None:
                self._process.stdin.close()
                try:
                    self._process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    self._process.kill()
                    self._process.wait()
            self._process.stdout.close()
            self._process = None


def _read_lines(stream, lines):
    for line in stream:
        lines.put(line)
    lines.put(b"")


def exe_path(directory, name):
    path = os.path.join(directory, name)
    if not os.path.isfile(path):
        raise FileNotFoundError(f"{path} is missing: build the win64 preset first")
    return path
