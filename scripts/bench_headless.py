#!/usr/bin/env python3
"""The whole run of `velkar --output x.png`, process start to exit, against its floor.

The floor (bench/headless_floor) makes the same kind of GL context, clears a frame of the
same size, reads it back and writes it as PNG. Both run with no display, interleaved, at
500x500 and 2000x2000, for the Qt 5 build and, when given, the Qt 6 one. Each ratio is
taken within one run; the row gives the medians.

    scripts/bench_headless.py [--runs N] [--build-dir DIR] [--qt6-build-dir DIR] [--json]

Build velkar and headless_floor in each build directory first. measure() is for other
bench programs to import.
"""
import argparse
import json
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SIZES = (500, 2000)
TARGET = 1.2


def _environment():
    env = dict(os.environ)
    for name in ("DISPLAY", "WAYLAND_DISPLAY"):
        env.pop(name, None)
    env["LIBGL_ALWAYS_SOFTWARE"] = "1"
    return env


def _run_ms(command, env):
    """Wall and CPU (user + system) milliseconds of one run. On a busy machine the wall
    time waits for the processor; the CPU time does not."""
    def cpu():
        usage = resource.getrusage(resource.RUSAGE_CHILDREN)
        return usage.ru_utime + usage.ru_stime
    cpu_start, start = cpu(), time.perf_counter()
    subprocess.run(command, env=env, cwd=os.path.join(ROOT, "assets"), check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return (time.perf_counter() - start) * 1000, (cpu() - cpu_start) * 1000


def _programs(build_dir):
    velkar = os.path.join(build_dir, "src", "velkar")
    floor = os.path.join(build_dir, "bench", "headless_floor")
    for program in (velkar, floor):
        if not os.access(program, os.X_OK):
            raise FileNotFoundError(f"{program} is not built")
    return velkar, floor


def measure(build_dir, qt6_build_dir=None, runs=5):
    """One row per build and size: name, velkar_ms, floor_ms and ratio (wall time), and
    the same in CPU time (velkar_cpu_ms, floor_cpu_ms, cpu_ratio); medians."""
    builds = [("qt5", build_dir)] + ([("qt6", qt6_build_dir)] if qt6_build_dir else [])
    env = _environment()
    rows = []
    with tempfile.TemporaryDirectory() as work:
        picture = os.path.join(work, "x.png")
        for name, directory in builds:
            velkar, floor = _programs(os.path.abspath(directory))
            for side in SIZES:
                size = f"{side}x{side}"
                velkar_line = [velkar, "--output", picture, "--size", size, "--time", "10:08:30"]
                floor_line = [floor, str(side), str(side), picture]
                _run_ms(velkar_line, env)  # the first run fills the page cache
                _run_ms(floor_line, env)
                runs_of = {"velkar": [], "floor": []}
                for _ in range(runs):
                    runs_of["velkar"].append(_run_ms(velkar_line, env))
                    runs_of["floor"].append(_run_ms(floor_line, env))
                row = {"name": f"{name} --output {size}"}
                for kind, index in (("", 0), ("_cpu", 1)):
                    ours = [run[index] for run in runs_of["velkar"]]
                    floors = [run[index] for run in runs_of["floor"]]
                    row[f"velkar{kind}_ms"] = round(statistics.median(ours), 1)
                    row[f"floor{kind}_ms"] = round(statistics.median(floors), 1)
                    row[f"{kind.lstrip('_') + '_' if kind else ''}ratio"] = round(
                        statistics.median(a / b for a, b in zip(ours, floors)), 2)
                rows.append(row)
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--build-dir", default=os.path.join(ROOT, "build"))
    parser.add_argument("--qt6-build-dir", default=None)
    parser.add_argument("--json", action="store_true", help="print the rows as JSON")
    args = parser.parse_args()
    try:
        rows = measure(args.build_dir, args.qt6_build_dir, args.runs)
    except (FileNotFoundError, subprocess.CalledProcessError) as error:
        print(f"bench_headless: {error}", file=sys.stderr)
        return 1
    if args.json:
        print(json.dumps(rows, indent=2))
        return 0
    print(f"{'run':<24} {'velkar ms':>10} {'floor ms':>10} {'ratio':>7}"
          f"   {'CPU ms':>8} {'floor':>8} {'ratio':>7}  (target {TARGET})")
    for row in rows:
        print(f"{row['name']:<24} {row['velkar_ms']:>10} {row['floor_ms']:>10} "
              f"{row['ratio']:>7}   {row['velkar_cpu_ms']:>8} {row['floor_cpu_ms']:>8} "
              f"{row['cpu_ratio']:>7}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
