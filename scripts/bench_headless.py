#!/usr/bin/env python3
"""The whole run of `velkar --output x.png`, process start to exit, against its floor; and
frame sequences, in frames a second.

The floor (bench/headless_floor) makes the same kind of GL context, clears a frame of the
same size, reads it back and writes it as PNG. Both run with no display, interleaved, at
500x500 and 2000x2000, for the Qt 5 build and, when given, the Qt 6 one. Each ratio is
taken within one run; the row gives the medians.

A sequence is the lid opening, `--duration 3 --keys R` (90 frames), at 500x500 and
1920x1080. Its frame rate is the frames over the whole run's wall time, start-up included;
VELKAR_FRAME_TIMES=1 has velkar split its time, per frame: drawing (until the frame is
finished), reading it back, and encoding and writing it (on the writing thread, beside
the drawing).

    scripts/bench_headless.py [--runs N] [--build-dir DIR] [--qt6-build-dir DIR] [--json]
                              [--sequences-only]

Build velkar and headless_floor in each build directory first. measure() and
measure_sequences() are for other bench programs to import.
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
SEQUENCE_SIZES = ("500x500", "1920x1080")
SEQUENCE = ["--duration", "3", "--keys", "R", "--time", "10:08:30"]


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


def _programs(build_dir, floor=True):
    velkar = os.path.join(build_dir, "src", "velkar")
    floor = os.path.join(build_dir, "bench", "headless_floor") if floor else velkar
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


def _sequence_run(velkar, size, work, env):
    """One sequence: wall seconds and velkar's own split of its time, in ms."""
    for name in os.listdir(work):
        os.remove(os.path.join(work, name))
    start = time.perf_counter()
    done = subprocess.run([velkar, "--output", os.path.join(work, "f-{frame}.png"), "--size",
                           size, *SEQUENCE], env=dict(env, VELKAR_FRAME_TIMES="1"),
                          cwd=os.path.join(ROOT, "assets"), check=True,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    wall = time.perf_counter() - start
    words = done.stderr.split()
    times = {words[i]: float(words[i + 1]) for i in range(0, len(words) - 1, 2)
             if words[i] in ("frames", "draw_ms", "read_ms", "encode_ms")}
    return wall, times


def measure_sequences(build_dir, qt6_build_dir=None, runs=5):
    """One row per build and size: name, fps (frames over the wall time), wall_s and the
    milliseconds per frame drawing, reading back and encoding; medians."""
    builds = [("qt5", build_dir)] + ([("qt6", qt6_build_dir)] if qt6_build_dir else [])
    env = _environment()
    rows = []
    with tempfile.TemporaryDirectory() as work:
        for name, directory in builds:
            velkar, _ = _programs(os.path.abspath(directory), floor=False)
            for size in SEQUENCE_SIZES:
                _sequence_run(velkar, size, work, env)
                taken = [_sequence_run(velkar, size, work, env) for _ in range(runs)]
                frames = taken[0][1]["frames"]
                row = {"name": f"{name} --duration 3 --keys R {size}", "frames": int(frames),
                       "fps": round(statistics.median(frames / wall for wall, _ in taken), 1),
                       "wall_s": round(statistics.median(wall for wall, _ in taken), 2)}
                for part in ("draw_ms", "read_ms", "encode_ms"):
                    row[part] = round(statistics.median(t[part] / frames for _, t in taken), 2)
                rows.append(row)
    return rows


def print_sequences(rows):
    print(f"{'sequence':<36} {'frames':>6} {'fps':>7} {'wall s':>7}   ms a frame: "
          f"{'draw':>6} {'read':>6} {'encode':>6}")
    for r in rows:
        print(f"{r['name']:<36} {r['frames']:>6} {r['fps']:>7} {r['wall_s']:>7}   "
              f"{'':>11} {r['draw_ms']:>6} {r['read_ms']:>6} {r['encode_ms']:>6}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--build-dir", default=os.path.join(ROOT, "build"))
    parser.add_argument("--qt6-build-dir", default=None)
    parser.add_argument("--json", action="store_true", help="print the rows as JSON")
    parser.add_argument("--sequences-only", action="store_true")
    args = parser.parse_args()
    try:
        rows = [] if args.sequences_only else measure(args.build_dir, args.qt6_build_dir,
                                                      args.runs)
        sequences = measure_sequences(args.build_dir, args.qt6_build_dir, args.runs)
    except (FileNotFoundError, subprocess.CalledProcessError) as error:
        print(f"bench_headless: {error}", file=sys.stderr)
        return 1
    if args.json:
        print(json.dumps({"single": rows, "sequences": sequences}, indent=2))
        return 0
    print_sequences(sequences)
    if not rows:
        return 0
    print()
    print(f"{'run':<24} {'velkar ms':>10} {'floor ms':>10} {'ratio':>7}"
          f"   {'CPU ms':>8} {'floor':>8} {'ratio':>7}  (target {TARGET})")
    for row in rows:
        print(f"{row['name']:<24} {row['velkar_ms']:>10} {row['floor_ms']:>10} "
              f"{row['ratio']:>7}   {row['velkar_cpu_ms']:>8} {row['floor_cpu_ms']:>8} "
              f"{row['cpu_ratio']:>7}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
