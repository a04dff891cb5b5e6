#!/usr/bin/env python3
"""The bench's arithmetic on logs written by hand, the answers worked out on paper: a slip
here would print wrong figures that still look like figures. And what scripts/compare-gl-calls
leaves out of a GL dump: too much, and it would call two different streams the same."""
import importlib.machinery
import importlib.util
import json
import os
import types
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.realpath(__file__)))
loader = importlib.machinery.SourceFileLoader("bench", os.path.join(ROOT, "scripts", "bench"))
bench = importlib.util.module_from_spec(importlib.util.spec_from_loader("bench", loader))
loader.exec_module(bench)

loader = importlib.machinery.SourceFileLoader(
    "compare_gl_calls", os.path.join(ROOT, "scripts", "compare-gl-calls"))
compare_gl_calls = importlib.util.module_from_spec(
    importlib.util.spec_from_loader("compare_gl_calls", loader))
loader.exec_module(compare_gl_calls)

S = 1_000_000_000  # ns


def log(*rows):
    return [str(row).split() for row in rows]


class SecondStats(unittest.TestCase):
    def test_rows(self):
        rows = [
            # name, log lines, begin, end, expected
            ("a lag per new second; a repeat; a second jumped over",
             log(f"swap {99 * S + 990_000_000} 0 99", f"swap {100 * S + 5_000_000} 0 100",
                 f"swap {100 * S + 500_000_000} 0 100", f"swap {101 * S + 7_000_000} 0 101",
                 f"swap {103 * S + 20_000_000} 0 103"),
             0, 200 * S,
             {"seconds": 3, "median": 7.0, "p90": 20.0, "max": 20.0, "skipped": 1,
              "repeated": 1}),
            ("lines before the stretch only set the second before",
             log(f"swap {100 * S + 5_000_000} 0 100", f"swap {101 * S + 2_000_000} 0 101"),
             101 * S, 102 * S,
             {"seconds": 1, "median": 2.0, "p90": 2.0, "max": 2.0, "skipped": 0, "repeated": 0}),
            ("other kinds and lines without a second are not swaps",
             log(f"mark {100 * S} steady-begin", f"swap {100 * S} 0 -1",
                 f"swap {100 * S + 1_000_000} 0 100", f"swap {101 * S + 3_000_000} 0 101"),
             0, 200 * S,
             {"seconds": 1, "median": 3.0, "p90": 3.0, "max": 3.0, "skipped": 0, "repeated": 0}),
            ("no new second shown", log(f"swap {100 * S} 0 100", f"swap {100 * S + 9} 0 100"),
             0, 200 * S, None),
        ]
        for name, lines, begin, end, expected in rows:
            with self.subTest(name):
                self.assertEqual(bench.second_stats(lines, "swap", 4, begin, end), expected)

    def test_ninetieth_percentile_is_the_ceiling_rank(self):
        # 0.9 * 11 = 9.9: the 10th of 11 sorted lags, not the 9th.
        lags = [float(i) for i in range(1, 12)]
        self.assertEqual(bench.percentile_90(lags), 10.0)


class FrameLogs(unittest.TestCase):
    def test_frame_time_is_the_median_interval_between_the_marks(self):
        lines = log("swap 0 -1", "mark 10 steady-begin", "swap 1000000 -1", "swap 3000000 -1",
                    "swap 4000000 -1", "swap 8000000 -1", "mark 9000000 steady-end",
                    "swap 90000000 -1")
        stamps = bench.swaps_between(lines, "steady-begin", "steady-end")
        self.assertEqual(stamps, [1_000_000, 3_000_000, 4_000_000, 8_000_000])
        self.assertEqual(bench.median_interval_ms(stamps), 2.0)  # of 2, 1 and 4 ms

    def test_first_complete_frame(self):
        rows = [
            ("the first swap with 98% of the settled count",
             log("exec 1000000", "swap 5000000 100", "swap 7000000 990", "swap 9000000 1000"),
             6.0),
            ("swaps past the counted ones do not count",
             log("exec 0", "swap 2000000 500", "swap 3000000 -1"), 2.0),
            ("no exec stamp", log("swap 5000000 100"), None),
        ]
        for name, lines, expected in rows:
            with self.subTest(name):
                self.assertEqual(bench.first_complete_frame_ms(lines), expected)

    def test_lid_frames_rate_and_longest_gap(self):
        lines = log("swap 0 -1", f"mark {1 * S} lid-begin", f"swap {1 * S + 10_000_000} -1",
                    f"swap {1 * S + 20_000_000} -1", f"swap {1 * S + 45_000_000} -1",
                    f"mark {1 * S + 50_000_000} lid-end")
        self.assertEqual(bench.lid_figures(lines), (3, 60.0, 25.0))
        self.assertIsNone(bench.lid_figures(log(f"mark {S} lid-begin", f"mark {S} lid-end")))


class PerFrameWork(unittest.TestCase):
    def test_files_opened_between_the_marks(self):
        begin = '101 write(2, "velkar-bench: steady-begin\\n", 28) = 28\n'
        end = '101 write(2, "velkar-bench: steady-end\\n", 26) = 26\n'
        fonts = '102 openat(AT_FDCWD, "/usr/share/fonts", O_RDONLY) = 7\n'
        rows = [
            ("an open by any thread between the marks", [begin, fonts, end], [fonts.strip()]),
            ("opens before and after do not count", [fonts, begin, end, fonts], []),
            ("a write naming open( is not an open",
             [begin, '101 write(1, "x open(y", 8) = 8\n', end], []),
            ("no end mark: the run did not finish", [begin, fonts], None),
        ]
        for name, lines, expected in rows:
            with self.subTest(name):
                self.assertEqual(bench.files_opened_between_marks(lines), expected)

    def test_allocations_per_frame_by_owner(self):
        lines = log("gl renderer=llvmpipe",
                    "allocations frames=4 total=30 program=2 toolkit=8 gl=18 bench=2 other=0",
                    "program-allocation-site count=2 Scene3D::paintGL")
        self.assertEqual(bench.allocations_per_frame(lines, 4),
                         ({"program": 0.5, "toolkit": 2.0, "gl": 4.5},
                          ["program-allocation-site count=2 Scene3D::paintGL"]))
        self.assertEqual(bench.allocations_per_frame(log("steady aa=on"), 4), (None, []))


class GlCallComparison(unittest.TestCase):
    DUMP = """// process.name = "/x/scene_bench"
glXMakeCurrent(dpy = 0x55d8, drawable = 2097158, ctx = 0x55d8ab) = True
glBindTexture(target = GL_TEXTURE_2D, texture = 1)
glXSwapBuffers(dpy = 0x55d8, drawable = 2097158)

glClear(mask = GL_COLOR_BUFFER_BIT)
glXSwapBuffers(dpy = 0x55d8, drawable = 2097158)
glDeleteTextures(n = 1, textures = &1)
"""

    def test_only_addresses_and_drawables_may_differ(self):
        base = compare_gl_calls.normalized(self.DUMP)
        same = self.DUMP.replace("0x55d8", "0x7f00").replace("2097158", "4194310")
        self.assertEqual(compare_gl_calls.normalized(same), base)
        for change in (("texture = 1", "texture = 2"), ("COLOR_BUFFER_BIT", "DEPTH_BUFFER_BIT"),
                       ("glClear(", "glClearColor(red = 1)\nglClear(")):
            with self.subTest(change=change):
                self.assertNotEqual(compare_gl_calls.normalized(self.DUMP.replace(*change)),
                                    base)

    def test_a_frame_ends_with_its_swap(self):
        frames = compare_gl_calls.frames(compare_gl_calls.normalized(self.DUMP))
        self.assertEqual([len(f) for f in frames], [3, 2])
        self.assertTrue(frames[1][0].startswith("glClear("))


class Judging(unittest.TestCase):
    def test_ratios_are_taken_within_one_run(self):
        b = bench.Bench(types.SimpleNamespace(build_dir="/b", qt6_build_dir="/q", velkar=None,
                                              frames=5), "/tmp")
        for run, velkar, empty in ((1, 110.0, 100.0), (2, 300.0, 200.0)):
            b.record("startup_ms_velkar", run, velkar)
            b.record("startup_ms_empty", run, empty)
        b.record("startup_ms_velkar_qt6", 1, 121.0)  # no Qt 6 floor: no Qt 6 ratio
        b.ratios()
        self.assertEqual(b.figures["startup_ratio"], {1: 1.1, 2: 1.5})
        self.assertEqual(b.figures["startup_qt6_qt5"], {1: 1.1})
        self.assertNotIn("startup_ratio_qt6", b.figures)

    def test_targets_are_judged_on_the_median_and_kept_as_json(self):
        t = bench.Table(show=False)
        t.heading("velkar bench")
        t.row("frame rate", "lid_fps", [50.0, 70.0, 65.0], "fps", ">=", "60")
        t.row("ratio", "startup_ratio", [1.0, 1.3, 1.2], "x", "<=", "1.10")
        t.single("files opened", "opens", 0.0, "n", "0")
        rows = json.loads(json.dumps(t.sections))[0]["rows"]
        self.assertEqual([(r["median"] if "median" in r else r["value"], r["target"]["met"])
                          for r in rows], [(65.0, True), (1.2, False), (0.0, True)])
        self.assertEqual((rows[0]["min"], rows[0]["max"]), (50.0, 70.0))


if __name__ == "__main__":
    unittest.main()
