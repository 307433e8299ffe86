"""One measured figure: Sonvella's value, what it is compared with, and the
goal for their ratio."""

from dataclasses import dataclass


@dataclass
class Figure:
    name: str
    sonvella: str
    baseline: str = ""
    ratio: float | None = None
    goal: str = ""
    met: bool | None = None
    runs: str = ""
    measured: bool = True

    @staticmethod
    def ratio_of(name, sonvella_ms, baseline_ms, goal, runs):
        """A figure whose ratio Sonvella/baseline must stay at or under
        `goal`."""
        ratio = sonvella_ms / baseline_ms
        return Figure(name, f"{sonvella_ms:.1f} ms", f"{baseline_ms:.1f} ms",
                      ratio, f"<= {goal}x", ratio <= goal, runs)

    @staticmethod
    def not_measured(name, reason):
        return Figure(name, f"not measured: {reason}", measured=False)
