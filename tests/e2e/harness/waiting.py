"""Polling for a state, the one way the end-to-end tests wait."""

import time


class WaitTimeout(AssertionError):
    """The awaited state did not come; carries the last value seen."""


def wait_for(probe, timeout=10.0, interval=0.1, what="the awaited state"):
    """Calls probe() until it returns something truthy and returns that.

    Raises WaitTimeout naming `what` and the last value after `timeout`
    seconds. Exceptions from probe() propagate at once.
    """
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise WaitTimeout(f"timed out waiting for {what}; last seen: {value!r}")
        time.sleep(interval)


def stays(probe, duration=1.0, interval=0.1):
    """True when probe() stays truthy for `duration` seconds.

    For checking that something does NOT happen (a shortcut ignored, a
    process left alone): the state is sampled, never timed.
    """
    deadline = time.monotonic() + duration
    while time.monotonic() < deadline:
        if not probe():
            return False
        time.sleep(interval)
    return bool(probe())
