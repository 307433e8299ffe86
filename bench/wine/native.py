"""Open on a long list through the program logic: the native Google
Benchmark build/native/bench/open_benchmark, its medians and the growth from
10,000 to 20,000 names."""

import json
import os
import subprocess
import tempfile

from figure import Figure
from timing import MeasureError

REPETITIONS = 5
RATIO_GOAL = 2.5
LIMIT_10K_MS = 50


def _medians(report):
    """{rows: median real time in ms} from the benchmark's JSON report."""
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
    medians = {}
    for run in report["benchmarks"]:
        if run.get("aggregate_name") == "median":
            rows = int(run["run_name"].rsplit("/", 1)[1])
            medians[rows] = run["real_time"] * scale[run["time_unit"]]
    return medians


def measure(native_dir):
    program = os.path.join(native_dir, "bench", "open_benchmark")
    if not os.path.isfile(program):
        raise MeasureError(f"{program} is missing: build the native preset")
    with tempfile.TemporaryDirectory() as scratch:
        report_path = os.path.join(scratch, "open.json")
        # Its own table goes to the terminal; the JSON copy is read here.
        subprocess.run([program, f"--benchmark_repetitions={REPETITIONS}",
                        "--benchmark_report_aggregates_only=true",
                        f"--benchmark_out={report_path}",
                        "--benchmark_out_format=json"], check=True)
        with open(report_path, encoding="utf-8") as file:
            medians = _medians(json.load(file))
    if 10_000 not in medians or 20_000 not in medians:
        raise MeasureError("open_benchmark reported no 10k or 20k median")
    small, large = medians[10_000], medians[20_000]
    runs = f"{REPETITIONS} reps"
    return [
        Figure("Open 10k new to 10k rows (native)", f"{small:.1f} ms",
               goal=f"< {LIMIT_10K_MS} ms", met=small < LIMIT_10K_MS,
               runs=runs),
        Figure("Open 20k/10k growth (native)", f"{large:.1f} ms",
               f"{small:.1f} ms", large / small, f"<= {RATIO_GOAL}x",
               large / small <= RATIO_GOAL, runs),
    ]
