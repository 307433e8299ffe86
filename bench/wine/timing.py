"""Runs the timing programs of bench/programs inside the prefix and reads
what they print: one "label value" line per figure."""

import os
import statistics
import subprocess

# The programs print the Windows system clock in 100-nanosecond ticks since
# 1601; under Wine that clock is the Linux real-time clock.
UNIX_EPOCH_TICKS = 116_444_736_000_000_000
TICKS_PER_MS = 10_000


class MeasureError(RuntimeError):
    """A figure could not be measured."""


def unix_ns(ticks):
    return (ticks - UNIX_EPOCH_TICKS) * 100


def median(values):
    if not values:
        raise MeasureError("no values to take the median of")
    return statistics.median(values)


def parse(text):
    """[(label, int value)] of the program's output lines."""
    lines = []
    for line in text.splitlines():
        label, value = line.split()
        lines.append((label, int(value)))
    return lines


class TimingPrograms:
    """The win64 build's bench/programs, run with `wine` in the prefix."""

    def __init__(self, env, win64_dir):
        self._env = env
        self._dir = os.path.join(win64_dir, "bench", "programs")

    def path(self, name):
        path = os.path.join(self._dir, name)
        if not os.path.isfile(path):
            raise MeasureError(f"{path} is missing: build the win64 preset")
        return path

    def _command(self, name, args):
        return ["wine", self.path(name), *map(str, args)]

    def run(self, name, *args, timeout=600):
        """Runs the program to its end and returns its lines."""
        result = subprocess.run(self._command(name, args),
                                env=self._env.prefix.env, timeout=timeout,
                                stdin=subprocess.DEVNULL, capture_output=True,
                                text=True)
        if result.returncode != 0:
            raise MeasureError(f"{name} {args} ended with {result.returncode}")
        return parse(result.stdout)

    def start(self, name, *args):
        """Starts the program; read its lines with read_line()."""
        return subprocess.Popen(self._command(name, args),
                                env=self._env.prefix.env,
                                stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, text=True)


def read_line(process, label):
    """The value of the started program's next line, which must be
    `label`."""
    line = process.stdout.readline().split()
    if len(line) != 2 or line[0] != label:
        raise MeasureError(f"expected {label!r} from a timing program, "
                           f"got {line!r}")
    return int(line[1])
