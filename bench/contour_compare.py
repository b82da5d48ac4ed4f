#!/usr/bin/python3
"""Times contourpy's serial algorithm on the grids of contour_bench (10 levels of sin(X)*cos(Y)
over [-10, 10] x [-10, 10], 40, 200 and 1000 points a side), lines only, and prints the best of
several runs next to the figures of build/bench/contour_bench when that program is given.

Run with Debian's Python: /usr/bin/python3 bench/contour_compare.py [build/bench/contour_bench]
Not called by the tests.
"""
import json
import subprocess
import sys
import time

import contourpy
import numpy as np

SIZES = (40, 200, 1000)


def levels_of(z, count=10):
    # The layer's levels: half a step above the minimum, steps of (max - min) / (count + 1).
    zmin, zmax = float(z.min()), float(z.max())
    step = (zmax - zmin) / (count + 1)
    return [zmin + (k - 0.5) * step for k in range(1, count + 1)]


def contourpy_times(repeats=7):
    times = {}
    for n in SIZES:
        x = np.linspace(-10.0, 10.0, n)
        y = np.linspace(-10.0, 10.0, n)
        z = np.sin(x)[np.newaxis, :] * np.cos(y)[:, np.newaxis]
        levels = levels_of(z)
        best_wall, best_cpu = float("inf"), float("inf")
        for _ in range(repeats):
            w0, c0 = time.perf_counter(), time.process_time()
            generator = contourpy.contour_generator(x, y, z, name="serial")
            for level in levels:
                generator.lines(level)
            best_wall = min(best_wall, time.perf_counter() - w0)
            best_cpu = min(best_cpu, time.process_time() - c0)
        times[n] = (best_wall * 1e3, best_cpu * 1e3)
    return times


def brelt_times(program):
    out = subprocess.run([program, "--benchmark_filter=BM_ContourGenerator", "--benchmark_format=json",
                          "--benchmark_repetitions=3", "--benchmark_report_aggregates_only=true"],
                         check=True, capture_output=True, text=True).stdout
    times = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        n = int(b["run_name"].split("/")[1])
        times[n] = (b["real_time"], b["cpu_time"])
    return times


def main():
    brelt = brelt_times(sys.argv[1]) if len(sys.argv) > 1 else {}
    cp = contourpy_times()
    print(f"contourpy {contourpy.__version__}, serial, 10 levels, lines; times in ms (wall / cpu)")
    for n in SIZES:
        line = f"{n:5d}^2  contourpy {cp[n][0]:9.2f} / {cp[n][1]:9.2f}"
        if n in brelt:
            b = brelt[n]
            line += f"   brelt {b[0]:9.2f} / {b[1]:9.2f}   ratio (cpu) {b[1] / cp[n][1]:5.2f}"
        print(line)


if __name__ == "__main__":
    main()
