"""Talks to probe.exe, which reads other processes' windows inside Wine."""

import json
import os
import selectors
import subprocess


class ProbeError(RuntimeError):
    pass


class Probe:
    """One long-running `probe.exe serve` inside a prefix.

    Every method returns the decoded JSON answer. HWNDs are plain integers
    (the 32-bit handle values), PIDs are Windows process ids.
    """

    def __init__(self, prefix, probe_exe):
        self._prefix, self._exe = prefix, probe_exe
        self._process = None

    def _ensure_started(self):
        if self._process is None or self._process.poll() is not None:
            self._process = subprocess.Popen(
                ["wine", self._exe, "serve"], env=self._prefix.env,
                stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                stderr=subprocess.DEVNULL)

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
        stream = self._process.stdout
        with selectors.DefaultSelector() as selector:
            selector.register(stream, selectors.EVENT_READ)
            if not selector.select(timeout):
                return b""
        return stream.readline()

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


def exe_path(directory, name):
    path = os.path.join(directory, name)
    if not os.path.isfile(path):
        raise FileNotFoundError(f"{path} is missing: build the win64 preset first")
    return path
